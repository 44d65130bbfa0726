// The desktop's font and colours: the window takes the font's family and size, keeps its
// proportions in the units of that font, and paints its own controls with the palette.
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTabBar>

#include "driver.h"
#include "profile/categories.h"

namespace brindlex::test {
namespace {

class Appearance : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setFont(m_font);
        QApplication::setPalette(m_palette);
    }

    // Opens a window as on a desktop whose general font has `points` points.
    void OpenWithFont(int points) {
        form.reset();
        QFont font = m_font;
        font.setPointSize(points);
        QApplication::setFont(font);
        Open();
    }

    const QFont m_font = QApplication::font();
    const QPalette m_palette = QApplication::palette();
};

TEST_F(Appearance, TheWindowTakesTheDesktopFontAndKeepsItsProportions) {
    OpenWithFont(12);
    EXPECT_EQ(form->font().family(), m_font.family());
    EXPECT_EQ(form->font().pointSize(), 12);
    EXPECT_EQ(form->units().baseHeight(), QFontMetrics(form->font()).height());
    const int largeWidth = form->units().x(327);
    EXPECT_EQ(Field(1012)->geometry(), UnitsRect(7, 178, 320, 190));

    OpenWithFont(5);
    EXPECT_EQ(form->font().pointSize(), 8) << "never below 8 pt";
    EXPECT_GT(largeWidth, form->units().x(327) * 5 / 4);
}

TEST_F(Appearance, TheWidestSliderLabelFitsAtEverySize) {
    for (int points = 8; points <= 16; ++points) {
        OpenWithFont(points);
        OpenCategory(3);  // words beside the slider
        const QLabel* top = Static(17);
        EXPECT_LE(top->fontMetrics().horizontalAdvance(top->text()), top->width())
            << points << " pt";
    }
}

// The pixels of `widget` that are mostly yellow, and those that are black.
std::pair<int, int> YellowAndBlack(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::pair<int, int> count{0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count.first += qRed(pixel) > 160 && qGreen(pixel) > 160 && qBlue(pixel) < 96 ? 1 : 0;
            count.second += pixel == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    return count;
}

TEST_F(Appearance, BoxesAndTabsPaintTheirTextsInThePaletteColours) {
    QPalette contrast = m_palette;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        contrast.setColor(role, Qt::black);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        contrast.setColor(role, Qt::yellow);
    }
    QApplication::setPalette(contrast);
    Open();
    OpenCategory(kTraitCategory);
    const auto [boxText, boxGround] = YellowAndBlack(Box(21));
    EXPECT_GT(boxText, 10) << "the label is not in WindowText";
    EXPECT_GT(boxGround, Box(21)->width() * Box(21)->height() / 2);
    EXPECT_GT(YellowAndBlack(Tabs()).first, 10);
}

}  // namespace
}  // namespace brindlex::test
