#pragma once

#include <QByteArray>

// Scrambling of configuration values (connection entries). Works on the
// Windows-1250 bytes: the scrambled form holds codes that a code page cannot
// carry through a text conversion, so callers store these bytes unchanged.

// Three random bytes ('!'..'W'), then for each byte its code plus one (255
// wraps to 0) and one more random byte. Differs on every call.
QByteArray ScrambleText(const QByteArray& cp1250Bytes);
// Inverse of ScrambleText; fewer than four bytes give empty text.
QByteArray UnscrambleText(const QByteArray& scrambled);
