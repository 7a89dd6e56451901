#include "dialogseams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString ShowFileDialog(const FileDialogRequest& request)
{
    switch (request.kind) {
    case FileDialogKind::Open:
        return QFileDialog::getOpenFileName(request.owner, request.caption, request.path, request.filter);
    case FileDialogKind::Directory:
        return QFileDialog::getExistingDirectory(request.owner, request.caption, request.path);
    case FileDialogKind::Save:
        break;
    }
    // The static save dialog cannot add a default suffix.
    QFileDialog dialog(request.owner, request.caption, request.path, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.path.isEmpty())
        dialog.selectFile(request.path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool OpenWithDesktop(const QString& url)
{
    if (url.trimmed().isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromUserInput(url, QDir::currentPath(), QUrl::AssumeLocalFile));
}

void PlayThemeSound(const SoundKind& kind)
{
    const QString player = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play"));
    const QString id =
        kind == SoundKind::Hand ? QStringLiteral("dialog-error") : QStringLiteral("dialog-warning");
    if (player.isEmpty() || !QProcess::startDetached(player, {QStringLiteral("-i"), id}))
        QApplication::beep();
}

int StartMailProgram(const MailRequest& mail)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty())
        return -1;
    QStringList arguments{QStringLiteral("--utf8")};
    if (!mail.subject.isEmpty())
        arguments << QStringLiteral("--subject") << mail.subject;
    if (!mail.body.isEmpty())
        arguments << QStringLiteral("--body") << mail.body;
    for (const QString& file : mail.attachments)
        arguments << QStringLiteral("--attach") << file;
    return QProcess::startDetached(program, arguments) ? 0 : -1;
}

} // namespace

Seam<QString(const FileDialogRequest&)>& FileDialogSeam()
{
    static Seam<QString(const FileDialogRequest&)> seam(ShowFileDialog);
    return seam;
}

Seam<bool(const QString&)>& OpenUrlSeam()
{
    static Seam<bool(const QString&)> seam(OpenWithDesktop);
    return seam;
}

Seam<void(const SoundKind&)>& SoundSeam()
{
    static Seam<void(const SoundKind&)> seam(PlayThemeSound);
    return seam;
}

Seam<int(const MailRequest&)>& MailSeam()
{
    static Seam<int(const MailRequest&)> seam(StartMailProgram);
    return seam;
}

QString OpenFileName(const QString& caption, const QString& filter, const QString& dir, QWidget* owner)
{
    return FileDialogSeam()({FileDialogKind::Open, caption, filter, dir, QString(), owner});
}

QString SaveFileName(const QString& caption, const QString& filter, const QString& proposedName,
                     const QString& defaultSuffix, QWidget* owner)
{
    return FileDialogSeam()({FileDialogKind::Save, caption, filter, proposedName, defaultSuffix, owner});
}

QString ExistingDirectory(const QString& caption, const QString& dir, QWidget* owner)
{
    return FileDialogSeam()({FileDialogKind::Directory, caption, QString(), dir, QString(), owner});
}

bool OpenUrl(const QString& url)
{
    return OpenUrlSeam()(url);
}

void PlaySound(SoundKind kind)
{
    SoundSeam()(kind);
}

int SendMail(const QString& subject, const QString& body, const QStringList& attachments)
{
    return MailSeam()({subject, body, attachments});
}
