#pragma once

#include <QFont>

// Measures given in dialog units of a font: a horizontal unit is a quarter of
// the average width of the letters A-Z and a-z, a vertical unit an eighth of
// the font height.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;

private:
    int m_averageCharWidth;
    int m_fontHeight;
};
