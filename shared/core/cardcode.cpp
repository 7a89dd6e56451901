#include "cardcode.h"

#include "codec.h"

#include <QList>

namespace {
constexpr int kNotEncodable = 256;

// The Windows-1250 code of one character, or kNotEncodable.
int Cp1250Code(char32_t codePoint)
{
    const QString text = QString::fromUcs4(&codePoint, 1);
    const QByteArray bytes = ToCp1250(text);
    if (bytes.size() != 1 || (bytes.at(0) == '?' && codePoint != U'?'))
        return kNotEncodable;
    return static_cast<unsigned char>(bytes.at(0));
}

// Each character of `text` (by code point) through `map`.
template <typename Map> QString MapCharacters(const QString& text, Map map)
{
    QString result;
    for (char32_t c : text.toUcs4())
        result += map(c);
    return result;
}

QString NormalizedLetter(char32_t c)
{
    switch (c) {
    case U'"':
    case U'\'':
        return QStringLiteral(" ");
    case U'Á':
        return QStringLiteral("A");
    case U'É':
        return QStringLiteral("E");
    case U'Í':
        return QStringLiteral("I");
    case U'Ó':
    case U'Ő':
        return QStringLiteral("O");
    case U'Ö':
        return QStringLiteral("0");
    case U'Ú':
    case U'Ű':
    case U'Ü':
        return QStringLiteral("U");
    }
    if (Cp1250Code(c) > 128)
        return QStringLiteral("#");
    return QString::fromUcs4(&c, 1);
}

QString FileNameCharacter(char32_t c)
{
    if (c < 0x80 && QLatin1String(" !\"#%&'*+/:?@\\").contains(QLatin1Char(static_cast<char>(c))))
        return QStringLiteral("-");
    if (Cp1250Code(c) >= 129)
        return QStringLiteral("_");
    return QString::fromUcs4(&c, 1);
}
} // namespace

QString NormalizeCode(const QString& text)
{
    return MapCharacters(text.toUpper(), NormalizedLetter);
}

QString SafeFileName(const QString& text)
{
    return MapCharacters(text, FileNameCharacter).toLower();
}
