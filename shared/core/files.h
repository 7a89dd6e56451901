#pragma once

#include <QStandardPaths>
#include <QString>

// Folders, file copies, printers and downloads.

// The folder's path, or empty text when the system cannot tell it.
QString SpecialFolder(QStandardPaths::StandardLocation location);
// The parent of the program's data folder ($XDG_CONFIG_HOME).
QString CommonAppDataFolder();
QString DocumentsFolder();

// Copies the file over the target. The target is replaced only by a complete
// copy; false when the source cannot be read or the target not written.
bool CopyFileOver(const QString& source, const QString& target);

// The system's default printer, or empty text when there is none.
QString DefaultPrinterName();

// Fetches the address into the file, blocking the caller (with a local event
// loop) for at most `timeoutMs`. True only on a complete, successful transfer;
// the file is written only then. Never throws.
bool DownloadFile(const QString& url, const QString& localFile, int timeoutMs = 10000);
