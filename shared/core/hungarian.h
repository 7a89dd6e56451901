#pragma once

#include <QByteArray>

// Texts fetched from the maker's web server: the UTF-8 bytes of the Hungarian
// letters (also a, e, i with a combining acute accent) turned into their
// Windows-1250 bytes by a byte rule. Other UTF-8 sequences keep their bytes,
// less a leading C3.
QByteArray Utf8ToHungarian(const QByteArray& utf8);
// Windows-1250 bytes to UTF-8.
QByteArray ToUtf8(const QByteArray& cp1250);
