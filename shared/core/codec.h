#pragma once

#include <QByteArray>
#include <QString>

// Single-byte texts of the system: Windows-1250 for the configuration file and
// the exports, Latin-2 for SQL dumps. Characters the code page lacks become '?'.
QByteArray ToCp1250(const QString& text);
QString FromCp1250(const QByteArray& bytes);
QByteArray ToLatin2(const QString& text);
QString FromLatin2(const QByteArray& bytes);

// Reads a script or text file: UTF-8 when the bytes are valid UTF-8,
// otherwise Windows-1250 (files brought from Windows desks).
QString DecodeUtf8OrCp1250(const QByteArray& bytes);
