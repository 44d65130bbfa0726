// The desktop's font: the window takes its family and size, and its rectangles grow with
// its texts.
#include <algorithm>

#include <QApplication>
#include <QLabel>

#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

class Appearance : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setFont(m_font);
    }

    const QFont m_font = QApplication::font();
};

TEST_F(Appearance, TheDesktopFontSetsTheSizeAndTheWidestLabelFitsAtEverySize) {
    for (int points = 5; points <= 16; ++points) {
        form.reset();
        QFont font = m_font;
        font.setPointSize(points);
        QApplication::setFont(font);
        Open();
        EXPECT_EQ(form->font().family(), m_font.family());
        EXPECT_EQ(form->font().pointSize(), std::max(points, 8)) << "never below 8 pt";
        OpenCategory(CategoryNamed("Realism"));  // the words beside the slider
        const QLabel* top = Static(17);
        EXPECT_LE(top->fontMetrics().horizontalAdvance(top->text()), top->width()) << points;
    }
}

}  // namespace
}  // namespace brindlex::test
