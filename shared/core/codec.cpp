#include "codec.h"

#include <QStringDecoder>
#include <QTextCodec>

namespace {
QTextCodec* Codec(const char* name)
{
    QTextCodec* codec = QTextCodec::codecForName(name);
    Q_ASSERT(codec);
    return codec;
}
QTextCodec* Cp1250() { static QTextCodec* c = Codec("windows-1250"); return c; }
QTextCodec* Latin2() { static QTextCodec* c = Codec("ISO-8859-2"); return c; }
} // namespace

QByteArray ToCp1250(const QString& text) { return Cp1250()->fromUnicode(text); }
QString FromCp1250(const QByteArray& bytes) { return Cp1250()->toUnicode(bytes); }
QByteArray ToLatin2(const QString& text) { return Latin2()->fromUnicode(text); }
QString FromLatin2(const QByteArray& bytes) { return Latin2()->toUnicode(bytes); }

QString DecodeUtf8OrCp1250(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return FromCp1250(bytes);
}
