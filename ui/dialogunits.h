// Dialog units: the coordinates every rectangle of the window is given in.
#pragma once

#include <QFont>
#include <QRect>

namespace brindlex {

// The desktop's general font, its family and size, at 8 pt at the least. The dialog units
// follow it, so the window keeps its proportions at any font size.
QFont DialogFont();

// A rectangle (left, top)-(right, bottom) in dialog units.
struct UnitRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Converts dialog units of one font to pixels. A horizontal unit is a quarter of the
// font's average letter width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    // The rectangle (left, top)-(right, bottom); right and bottom lie just outside it.
    QRect rect(int left, int top, int right, int bottom) const;

    int baseHeight() const { return m_baseHeight; }

private:
    int m_letterWidths;  // of the 52 letters A..Z and a..z together
    int m_baseHeight;
};

}  // namespace brindlex
