#include "dialogunits.h"

#include <QFontMetrics>

namespace {

const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

// n * numerator / denominator, rounded half away from zero.
int MulDiv(int n, int numerator, int denominator)
{
    const long long product = static_cast<long long>(n) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    m_averageCharWidth = MulDiv(metrics.horizontalAdvance(kLetters), 1, static_cast<int>(kLetters.size()));
    m_fontHeight = metrics.height();
}

int DialogUnits::x(int units) const
{
    return MulDiv(units, m_averageCharWidth, 4);
}

int DialogUnits::y(int units) const
{
    return MulDiv(units, m_fontHeight, 8);
}
