#pragma once

#include <QString>

// Byte rules over the Windows-1250 code of each character; a character that
// code page cannot encode counts as above the limit.

// Card and ticket codes folded for matching: upper case, quotes to blanks,
// accented vowels to plain ones (Ö to the digit 0), every character whose
// code is still above 128 to "#".
QString NormalizeCode(const QString& text);
// File-name-safe text: blanks and !"#%&'*+/:?@\ to "-", codes 129..255 to
// "_", then lower case.
QString SafeFileName(const QString& text);
