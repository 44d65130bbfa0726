// What assistive technology hears on every page: a name for every control that says what it
// asks, and the slider's position as the word shown beside it.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTabBar>

#include "profile/categories.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

std::string Spoken(QWidget* control, QAccessible::Text kind = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(control)->text(kind).trimmed().toStdString();
}

using Accessibility = WindowTest;

TEST_F(Accessibility, EveryPageNamesItsControlsAndTheSliderSaysTheWordBesideIt) {
    record.speciesFamily = 3;  // the species list, and with "Other" the custom name field
    record.speciesIndex = 9;
    Open();
    form->setAdultTabShown(true);
    const std::array<std::pair<int, int>, 4> marks = {{{7, 17}, {4, 18}, {1, 19}, {0, 20}}};
    for (int category = 0; category < kCategoryCount; ++category) {
        OpenCategory(category);
        QList<QWidget*> controls = form->findChildren<QWidget*>();
        controls.removeIf(
            [](QWidget* c) { return !c->isVisible() || c->objectName().toInt() == 0; });
        controls << Tabs() << form->menuBar();
        for (QWidget* control : controls) {
            EXPECT_NE(Spoken(control), "")
                << category << ": " << control->objectName().toStdString();
            if (auto* list = qobject_cast<QComboBox*>(control)) {
                EXPECT_NE(Spoken(list), list->currentText().toStdString()) << "names its entry";
            }
        }
        for (int level = 0; Slider()->isVisible() && level <= 7; ++level) {
            MoveSlider(level);
            const std::string word = Spoken(Slider(), QAccessible::Value);
            EXPECT_NE(word, "") << category << ", level " << level;
            for (const auto& [marked, id] : marks) {
                if (marked == level && Static(id)->isVisible()) {
                    EXPECT_EQ(word, Static(id)->text().toStdString()) << category;
                }
            }
        }
    }
    EXPECT_EQ(Spoken(List(38)), "Role play");
    EXPECT_EQ(Spoken(List(39), QAccessible::Value), "Unspecify");
    OpenCategory(kFursuitsCategory);
    EXPECT_EQ(Spoken(Slider()), "Fursuits level");
    EXPECT_EQ(Spoken(Box(31)), "I made my own suit (Only applies to lvl 4+)");
}

}  // namespace
}  // namespace brindlex::test
