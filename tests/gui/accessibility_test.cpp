// What assistive technology hears on every page: a name for every control that says what it
// asks, and the slider's position as the word shown beside it.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSlider>
#include <QTabBar>

#include "driver.h"
#include "profile/categories.h"

namespace brindlex::test {
namespace {

std::string Spoken(QWidget* control, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face != nullptr ? face->text(kind).toStdString() : std::string();
}

class Accessibility : public WindowTest {
protected:
    void ExpectNamedControls(int category) {
        QList<QWidget*> controls = {Tabs(), form->menuBar()};
        for (QWidget* child : form->findChildren<QWidget*>()) {
            bool numeric = false;
            child->objectName().toInt(&numeric);
            if (numeric) {
                controls.append(child);
            }
        }
        for (QWidget* control : controls) {
            if (control->isVisible()) {
                EXPECT_FALSE(
                    QString::fromStdString(Spoken(control, QAccessible::Name)).trimmed().isEmpty())
                    << "category " << category << ", control "
                    << control->objectName().toStdString();
            }
        }
        for (int id : {38, 39}) {
            if (List(id)->isVisible()) {
                EXPECT_NE(Spoken(List(id), QAccessible::Name),
                          List(id)->currentText().toStdString())
                    << "category " << category << ": list " << id << " names its entry";
            }
        }
    }

    // At every level the value is the label beside the handle, when one is shown there.
    void ExpectSliderWords(int category) {
        const std::array<std::pair<int, int>, 4> marks = {{{7, 17}, {4, 18}, {1, 19}, {0, 20}}};
        for (int level = 0; level <= 7; ++level) {
            MoveSlider(level);
            const std::string value = Spoken(Slider(), QAccessible::Value);
            EXPECT_FALSE(value.empty()) << "category " << category << ", level " << level;
            for (const auto& [marked, id] : marks) {
                if (marked == level && Static(id)->isVisible()) {
                    EXPECT_EQ(value, Static(id)->text().toStdString()) << "category " << category;
                }
            }
        }
    }
};

TEST_F(Accessibility, EveryPageNamesItsControlsAndTheSliderSaysItsWord) {
    record.speciesFamily = 3;  // the species list and, with "Other", the custom name field
    record.speciesIndex = 9;
    Open();
    form->setAdultTabShown(true);
    int pages = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        OpenCategory(category);
        ExpectNamedControls(category);
        if (Slider()->isVisible()) {
            ExpectSliderWords(category);
        }
        ++pages;
    }
    EXPECT_EQ(pages, 121);

    OpenCategory(kSpeciesCategory);
    EXPECT_EQ(Spoken(List(38), QAccessible::Name), "Species family");
    EXPECT_EQ(Spoken(Field(40), QAccessible::Name), "Custom species name");
    OpenCategory(kFursuitsCategory);
    EXPECT_EQ(Spoken(Slider(), QAccessible::Name), "Fursuits level");
    EXPECT_EQ(Spoken(Box(31), QAccessible::Name), "I made my own suit (Only applies to lvl 4+)");
    EXPECT_EQ(Spoken(Categories(), QAccessible::Name), "Categories");
    OpenCategory(kFirstKinkCategory);
    EXPECT_EQ(Spoken(List(39), QAccessible::Name), "Real life");
    EXPECT_EQ(Spoken(List(39), QAccessible::Value), "Unspecify");
}

}  // namespace
}  // namespace brindlex::test
