#include "scramble.h"

#include <QRandomGenerator>

namespace {
char RandomFiller()
{
    return static_cast<char>(QRandomGenerator::global()->bounded(33, 88));
}
} // namespace

QByteArray ScrambleText(const QByteArray& cp1250Bytes)
{
    QByteArray result;
    result.reserve(3 + 2 * cp1250Bytes.size());
    for (int i = 0; i < 3; ++i)
        result += RandomFiller();
    for (char c : cp1250Bytes) {
        result += static_cast<char>(static_cast<unsigned char>(c) + 1);
        result += RandomFiller();
    }
    return result;
}

QByteArray UnscrambleText(const QByteArray& scrambled)
{
    QByteArray result;
    for (qsizetype i = 3; i < scrambled.size(); i += 2)
        result += static_cast<char>(static_cast<unsigned char>(scrambled.at(i)) - 1);
    return result;
}
