#include "files.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTimer>

namespace {
// Writes the whole of `data` to `path` through a temporary file, so a failure
// leaves an existing file as it was.
bool WriteWholeFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

bool IsSuccessStatus(const QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // Non-HTTP addresses (file:, ftp:) carry no status.
    return !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
}
} // namespace

QString SpecialFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location);
}

QString CommonAppDataFolder()
{
    return SpecialFolder(QStandardPaths::GenericConfigLocation);
}

QString DocumentsFolder()
{
    return SpecialFolder(QStandardPaths::DocumentsLocation);
}

bool CopyFileOver(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

QString DefaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

bool DownloadFile(const QString& url, const QString& localFile, int timeoutMs)
{
    const QUrl address(url);
    if (!address.isValid() || address.isRelative())
        return false;
    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    const bool ok = reply->error() == QNetworkReply::NoError && IsSuccessStatus(*reply);
    const QByteArray data = ok ? reply->readAll() : QByteArray();
    delete reply;
    return ok && WriteWholeFile(localFile, data);
}
