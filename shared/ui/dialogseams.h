#pragma once

#include "seam.h"

#include <QString>
#include <QStringList>

class QWidget;

// Common file dialogs, documents, sounds and the mail hand-off. The only
// place that shows a QFileDialog or calls QDesktopServices.

// The chosen path, or empty text when the operator cancelled.
QString OpenFileName(const QString& caption, const QString& filter, const QString& dir,
                     QWidget* owner = nullptr);
// The proposed name may carry a folder; the suffix is added to a typed name
// that has none.
QString SaveFileName(const QString& caption, const QString& filter, const QString& proposedName,
                     const QString& defaultSuffix, QWidget* owner = nullptr);
QString ExistingDirectory(const QString& caption, const QString& dir, QWidget* owner = nullptr);

// Opens a web address, or a file with its associated program. False when
// nothing could be started.
bool OpenUrl(const QString& url);

enum class SoundKind { Hand, Exclamation };
// Plays the system sound without waiting for it to end.
void PlaySound(SoundKind kind);

// Hands a message to the mail program's compose window: 0 when it was
// started, -1 when no mail program can be started.
int SendMail(const QString& subject, const QString& body, const QStringList& attachments = {});

enum class FileDialogKind { Open, Save, Directory };

struct FileDialogRequest
{
    FileDialogKind kind = FileDialogKind::Open;
    QString caption;
    QString filter;
    QString path; // starting folder, or the proposed name for Save
    QString defaultSuffix;
    QWidget* owner = nullptr;
};

struct MailRequest
{
    QString subject;
    QString body;
    QStringList attachments;
};

Seam<QString(const FileDialogRequest&)>& FileDialogSeam();
Seam<bool(const QString&)>& OpenUrlSeam();
Seam<void(const SoundKind&)>& SoundSeam();
Seam<int(const MailRequest&)>& MailSeam();

// For tests: each records its requests and answers from a queue.
class ScriptedFileDialogs : public ScriptedSeam<FileDialogRequest, QString>
{
public:
    ScriptedFileDialogs() : ScriptedSeam(FileDialogSeam()) {}
};

class ScriptedOpenUrl : public ScriptedSeam<QString, bool>
{
public:
    ScriptedOpenUrl() : ScriptedSeam(OpenUrlSeam()) { setDefaultAnswer(true); }
};

class RecordedSounds : public ScriptedSeam<SoundKind, void>
{
public:
    RecordedSounds() : ScriptedSeam(SoundSeam()) {}
};

class ScriptedMail : public ScriptedSeam<MailRequest, int>
{
public:
    ScriptedMail() : ScriptedSeam(MailSeam()) {}
};
