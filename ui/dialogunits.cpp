#include "ui/dialogunits.h"

#include <QFontMetrics>
#include <QGuiApplication>

namespace brindlex {

namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kLetterCount = sizeof(kLetters) - 1;

// Smaller desktop fonts would make the pages hard to read.
constexpr int kSmallestPointSize = 8;

// Multiplies and divides with rounding to the nearest pixel, as the unit conversion of
// dialog templates does.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

QFont DialogFont() {
    // The application font is the desktop's general font unless the program changes it.
    QFont font = QGuiApplication::font();
    if (font.pointSizeF() > 0 && font.pointSizeF() < kSmallestPointSize) {
        font.setPointSize(kSmallestPointSize);
    }
    font.setWeight(QFont::Normal);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    m_letterWidths = metrics.horizontalAdvance(QString::fromLatin1(kLetters));
    m_baseHeight = metrics.height();
}

int DialogUnits::x(int units) const {
    // The average width unrounded, so that the rectangles grow with the font as its texts do.
    return ScaleRounded(units, m_letterWidths, 4 * kLetterCount);
}

int DialogUnits::y(int units) const {
    return ScaleRounded(units, m_baseHeight, 8);
}

QRect DialogUnits::rect(int left, int top, int right, int bottom) const {
    const int l = x(left);
    const int t = y(top);
    return QRect(l, t, x(right) - l, y(bottom) - t);
}

}  // namespace brindlex
