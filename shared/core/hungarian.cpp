#include "hungarian.h"

#include "codec.h"

namespace {
// The letter that follows a C3 lead byte, as its Windows-1250 code; 0 for
// bytes that are no Hungarian letter.
unsigned char LetterAfterC3(unsigned char b)
{
    switch (b) {
    case 0xA1:
        return 0xE1; // á
    case 0x81:
        return 0xC1; // Á
    case 0xA9:
        return 0xE9; // é
    case 0x89:
        return 0xC9; // É
    case 0xAD:
        return 0xED; // í
    case 0x8D:
        return 0xCD; // Í
    case 0xB3:
        return 0xF3; // ó
    case 0x93:
        return 0xD3; // Ó
    case 0xB6:
        return 0xF6; // ö
    case 0x96:
        return 0xD6; // Ö
    case 0xB5:
    case 0x91:
        return 0xF5; // ő
    case 0x90:
        return 0xD5; // Ő
    case 0xBA:
        return 0xFA; // ú
    case 0x9A:
        return 0xDA; // Ú
    case 0xBC:
        return 0xFC; // ü
    case 0x9C:
        return 0xDC; // Ü
    case 0xBB:
        return 0xFB; // ű
    case 0xB0:
    case 0xB1:
        return 0xDB; // Ű
    }
    return 0;
}

// a, e, i before a combining acute accent (CC 81).
unsigned char AccentedVowel(char c)
{
    switch (c) {
    case 'a':
        return 0xE1;
    case 'e':
        return 0xE9;
    case 'i':
        return 0xED;
    }
    return 0;
}
} // namespace

QByteArray Utf8ToHungarian(const QByteArray& utf8)
{
    QByteArray s = utf8;
    s.replace("\xC5\xB1", "\xFB");
    s.replace('\xC5', '\xC3');
    for (qsizetype i = s.size() - 2; i >= 0; --i) {
        if (s.at(i) == '\xC3') {
            if (const unsigned char letter = LetterAfterC3(static_cast<unsigned char>(s.at(i + 1))))
                s[i + 1] = static_cast<char>(letter);
        } else if (s.at(i + 1) == '\xCC' && i + 2 < s.size() && s.at(i + 2) == '\x81') {
            if (const unsigned char vowel = AccentedVowel(s.at(i)))
                s[i] = static_cast<char>(vowel);
        }
    }
    s.removeIf([](char c) { return c == '\x81' || c == '\xC3' || c == '\xCC'; });
    return s;
}

QByteArray ToUtf8(const QByteArray& cp1250)
{
    return FromCp1250(cp1250).toUtf8();
}
