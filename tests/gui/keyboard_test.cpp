// Moving through the window and between its tabs by keyboard.
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

class Keyboard : public WindowTest {
protected:
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }

    // The controls that `key` visits from the category list until it is back there.
    std::vector<std::string> Round(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        Categories()->setFocus();
        std::vector<std::string> visited;
        do {
            Press(key, modifiers);
            visited.push_back(QApplication::focusWidget()->objectName().toStdString());
        } while (!Categories()->hasFocus() && visited.size() < 40);
        return visited;
    }
};

TEST_F(Keyboard, TabGoesByTheRectanglesOfThePageThenToTheCodeLineAndTheList) {
    record.age = 35;  // an exact age: slider and "Update" disabled, the age field enabled
    Open();
    OpenCategory(kAgeCategory);
    using Names = std::vector<std::string>;
    EXPECT_EQ(Round(Qt::Key_Tab), (Names{"38", "1006", "31", "1013", "1012", "1004"}));
    EXPECT_EQ(Round(Qt::Key_Backtab, Qt::ShiftModifier),
              (Names{"1012", "1013", "31", "1006", "38", "1004"}));
}

TEST_F(Keyboard, TabKeysSwitchTabsFromAnywhereAfterReadingATypedCodeLine) {
    Open();
    OpenCategory(kTraitCategory);
    PROFILE dog;
    dog.speciesFamily = 3;
    TypeInto(1012, QString::fromStdString(ComposeCode(dog)));
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(record.speciesFamily, 3u) << "the typed line was not read first";
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->CurrentCategoryIndex(), kTraitCategory)
        << "the tab keeps its row as after a click";
    Press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Tabs()->currentIndex(), 1) << "switching wraps around";
    ExpectSettled("after the tab keys");
}

TEST_F(Keyboard, ACheckBoxShowsItsFocusHoweverItGotIt) {
    Open();
    OpenCategory(kTraitCategory);
    const QImage unfocused = Box(21)->grab().toImage();
    Box(21)->setFocus(Qt::MouseFocusReason);
    EXPECT_NE(Box(21)->grab().toImage(), unfocused);
}

}  // namespace
}  // namespace brindlex::test
