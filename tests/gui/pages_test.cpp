// What each page shows for the answers in the record.
#include <map>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>

#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

class Pages : public WindowTest {
protected:
    // Shows `category` anew with the record as it stands.
    void Show(int category) {
        if (!form) {
            Open();
            form->setAdultTabShown(true);
        }
        OpenCategory(category);
        // The record was changed behind the window's back.
        form->BuildPage();
        form->RefreshCodeLine();
        ExpectSettled("after the page build");
    }

    // The closed field of a drop-down list starts at (left, top) and is right - left wide.
    void ExpectListAt(int id, int left, int top, int right) {
        const QRect expected = UnitsRect(left, top, right, top + 1);
        const QRect actual = List(id)->geometry();
        EXPECT_EQ(actual.topLeft(), expected.topLeft()) << "list " << id;
        EXPECT_EQ(actual.width(), expected.width()) << "list " << id;
    }

    QStringList Entries(int id) {
        QStringList entries;
        for (int i = 0; i < List(id)->count(); ++i) {
            entries.append(List(id)->itemText(i));
        }
        return entries;
    }
};

TEST_F(Pages, LevelPagesUseTheirLabelSetAndPutLevelsOnTheSlider) {
    const std::map<std::string, const char*> topLabel = {{"Anthro Level", "6"},
                                                         {"Education", "6"},
                                                         {"Living", "6"},
                                                         {"Realism", "YES YES YES :D"},
                                                         {"Anime", "YES YES YES :D"}};
    for (const auto& [caption, top] : topLabel) {
        const int category = CategoryNamed(caption);
        const FieldInfo* field = LevelFieldOf(category);
        ASSERT_NE(field, nullptr) << caption;
        for (unsigned level : {0u, 7u}) {
            field->set(record, level);
            Show(category);
            EXPECT_EQ(Static(17)->text(), top) << caption;
            EXPECT_EQ(Static(20)->text(), "Unspecify");
            EXPECT_EQ(Slider()->value(), static_cast<int>(level)) << caption;
            EXPECT_TRUE(level == 7 ? HandleAtTop() : HandleAtBottom()) << caption;
            EXPECT_TRUE(Slider()->isEnabled() && UpdateButton()->isEnabled());
        }
    }
    EXPECT_EQ(Static(18)->text(), "Meh...");
    EXPECT_EQ(Static(19)->text(), "NOOOOO!");
}

TEST_F(Pages, HelpTextsShowRealLineBreaks) {
    Show(CategoryNamed("Education"));
    EXPECT_TRUE(Description()->toPlainText().startsWith("6 - Doctorate or equivalent\n5 - "));
    EXPECT_FALSE(Description()->toPlainText().contains('\r'));
    EXPECT_EQ(Description()->geometry(), UnitsRect(185, 28, 313, 161));
}

TEST_F(Pages, FursuitsShowsItsBoxWhateverTheLevel) {
    record.madeOwnSuit = 1;
    Show(kFursuitsCategory);
    EXPECT_TRUE(Box(31)->isVisible());
    EXPECT_TRUE(Box(31)->isChecked());
    EXPECT_EQ(Box(31)->text(), "I made my own suit\n(Only applies to lvl 4+)");
    EXPECT_EQ(Box(31)->geometry(), UnitsRect(100, 28, 185, 58));
    EXPECT_TRUE(HandleAtBottom());
}

TEST_F(Pages, TraitBoxesFollowTheirBitsAndSurviveTheGamingLayout) {
    record.specificsFlags = 1u << 9;  // Vampire, not Winged
    record.gamingFlags = 0x1FF;
    Show(kGamingCategory);
    EXPECT_EQ(Box(24)->text(), "Action/Adventure");
    EXPECT_EQ(Box(24)->geometry(), UnitsRect(165, 22, 245, 32));
    EXPECT_FALSE(Box(30)->isVisible());

    Show(kTraitCategory);
    EXPECT_EQ(Box(29)->text(), "Vampire");
    EXPECT_TRUE(Box(29)->isChecked());
    EXPECT_EQ(Box(30)->text(), "Winged");
    EXPECT_FALSE(Box(30)->isChecked());
    EXPECT_FALSE(Box(21)->isChecked());
    EXPECT_EQ(Box(24)->text(), "Magical");
    EXPECT_EQ(Box(24)->geometry(), UnitsRect(100, 58, 160, 68));
    EXPECT_EQ(Box(31)->text(), "Alter Ego");
    EXPECT_EQ(Box(37)->geometry(), UnitsRect(165, 88, 245, 98));
    EXPECT_FALSE(Slider()->isVisible());
    EXPECT_EQ(List(38)->itemText(0), "Polymorph");

    Show(kGamingCategory);
    EXPECT_EQ(Box(24)->text(), "Action/Adventure");
    EXPECT_TRUE(Box(29)->isChecked()) << "the Gaming page shows its own bits";
}

TEST_F(Pages, CompyShowsAllFiveSystems) {
    record.compyFlags = 0x1F;
    Show(kCompyCategory);
    for (int id = 32; id <= 36; ++id) {
        EXPECT_TRUE(Box(id)->isVisible() && Box(id)->isChecked()) << id;
    }
    EXPECT_FALSE(Box(31)->isVisible());
    EXPECT_EQ(Description()->geometry().top(), UnitsRect(0, 38, 1, 39).top());
}

TEST_F(Pages, SpeciesPageFollowsTheFamily) {
    Show(kSpeciesCategory);
    EXPECT_TRUE(List(38)->isVisible());
    EXPECT_FALSE(List(39)->isVisible());
    EXPECT_FALSE(Field(40)->isVisible());
    EXPECT_FALSE(Description()->isVisible());
    ExpectListAt(38, 150, 28, 270);

    record.speciesFamily = 3;
    record.speciesIndex = 4;
    Show(kSpeciesCategory);
    EXPECT_EQ(List(39)->count(), 9);
    EXPECT_EQ(List(39)->currentText(), "Fox");
    EXPECT_EQ(List(39)->itemText(8), "Other");
    EXPECT_FALSE(Field(40)->isVisible());
    ExpectListAt(39, 150, 90, 270);

    record.speciesIndex = 9;
    Show(kSpeciesCategory);
    EXPECT_EQ(List(39)->currentIndex(), 8);
    EXPECT_TRUE(Field(40)->isVisible());
    EXPECT_EQ(Field(40)->geometry(), UnitsRect(150, 150, 270, 160));

    record.speciesIndex = 0;
    Show(kSpeciesCategory);
    EXPECT_EQ(List(39)->currentIndex(), -1);
    EXPECT_FALSE(Field(40)->isVisible());

    for (unsigned family : {25u, 26u}) {
        record.speciesFamily = family;
        record.customSpeciesName.clear();
        Show(kSpeciesCategory);
        EXPECT_FALSE(List(39)->isVisible());
        EXPECT_TRUE(Field(40)->isVisible());
        EXPECT_EQ(Field(40)->geometry(), UnitsRect(150, 90, 270, 100));
        EXPECT_EQ(Field(40)->text(), "");
        EXPECT_EQ(Field(40)->placeholderText(), "<My Custom Animal>");
        record.customSpeciesName = "Sergal";
        Show(kSpeciesCategory);
        EXPECT_EQ(Field(40)->text(), "Sergal");
    }
}

TEST_F(Pages, AgePageShowsExactAgesAndBrackets) {
    for (unsigned age : {35u, 105u}) {
        record.age = age;
        Show(kAgeCategory);
        EXPECT_TRUE(Box(31)->isChecked());
        EXPECT_EQ(Box(31)->text(), "Specify Actual Age");
        EXPECT_EQ(Field(1013)->text(), QString::number(age));
        EXPECT_TRUE(Field(1013)->isVisible() && Field(1013)->isEnabled());
        EXPECT_FALSE(Slider()->isEnabled());
        EXPECT_FALSE(UpdateButton()->isEnabled());
    }
    record.age = 124;
    Show(kAgeCategory);
    EXPECT_FALSE(Box(31)->isChecked());
    EXPECT_EQ(Field(1013)->text(), "");
    EXPECT_FALSE(Field(1013)->isEnabled());
    EXPECT_EQ(Slider()->value(), 4) << "the bracket 30 to 39";
    EXPECT_TRUE(Slider()->isEnabled() && UpdateButton()->isEnabled());
    EXPECT_EQ(Static(17)->text(), "6");
    EXPECT_EQ(List(38)->itemText(0), "Unspecify");

    record.age = 0;
    Show(kAgeCategory);
    EXPECT_TRUE(HandleAtBottom());
    EXPECT_EQ(record.age, 0u) << "showing the age must store nothing";

    record.age = 35;
    Show(kAgeCategory);
    Show(CategoryNamed("Hugs"));
    EXPECT_TRUE(Slider()->isEnabled() && UpdateButton()->isEnabled())
        << "level pages enable what the age page disabled";
}

TEST_F(Pages, WorkPageStartsOnTheFirstTrainedField) {
    record.setWorkType(22);
    record.trainedFlags = 1;
    Show(kWorkCategory);
    EXPECT_EQ(List(38)->count(), 28);
    EXPECT_EQ(List(38)->currentText(), "Vetinary");
    EXPECT_EQ(List(39)->count(), 21);
    EXPECT_EQ(List(39)->currentText(), "Arts");
    EXPECT_FALSE(Entries(39).contains("Student"));
    EXPECT_TRUE(Box(31)->isChecked());
    EXPECT_EQ(Box(31)->geometry(), UnitsRect(100, 140, 200, 150));
    EXPECT_FALSE(Slider()->isVisible() || UpdateButton()->isVisible());
    ExpectListAt(39, 100, 85, 200);
}

TEST_F(Pages, PreferencePagesShowTheStoredAttraction) {
    Show(kSexCategory);
    EXPECT_FALSE(Box(31)->isChecked());
    EXPECT_FALSE(List(38)->isEnabled() || List(39)->isEnabled());
    EXPECT_EQ(List(38)->currentText(), "Sexually Attracted");
    EXPECT_EQ(List(39)->currentText(), "Sexually Attracted");

    record.sexPreference = 9;
    Show(kSexCategory);
    EXPECT_TRUE(Box(31)->isChecked());
    EXPECT_TRUE(List(38)->isEnabled() && List(39)->isEnabled());
    EXPECT_EQ(List(38)->currentText(), "Sexually Attracted");
    EXPECT_EQ(List(39)->currentText(), "Not Attracted To");
    ExpectListAt(39, 237, 28, 317);

    record.yiffyYiffyPreference = 4;  // girls only: the guys list shows nothing
    Show(kYiffyYiffyCategory);
    EXPECT_EQ(List(38)->currentIndex(), -1);
    EXPECT_EQ(List(39)->currentText(), "Sexually Attracted");
}

TEST_F(Pages, KinkPagesShowTheirOwnCells) {
    const int fursuit = CategoryNamed("Fursuit");
    const int tallBody = CategoryNamed("Tall Body");
    const int tattooing = CategoryNamed("Tattoing");
    ASSERT_EQ(fursuit, kFirstKinkCategory) << "the first kink of the list";
    record.setKink(fursuit - kFirstKinkCategory, MakeKinkCell(1, 3));
    record.setKink(tallBody - kFirstKinkCategory, MakeKinkCell(2, 0));
    record.setKink(tattooing - kFirstKinkCategory, MakeKinkCell(3, 1));
    Show(fursuit);
    EXPECT_EQ(Description()->toPlainText(),
              "Do you like to have sexual encounters in a fursuit or with someone in one?");
    EXPECT_EQ(List(38)->currentText(), "Like");
    EXPECT_EQ(List(39)->currentText(), "Maybe");
    EXPECT_EQ(Static(17)->text(), "Role Play Kink:");
    ExpectListAt(38, 100, 76, 180);
    ExpectListAt(39, 100, 102, 180);

    Show(tallBody);
    EXPECT_EQ(Categories()->currentItem()->text(), "Tall Body");
    EXPECT_EQ(List(38)->currentText(), "Dislike");
    EXPECT_EQ(List(39)->currentText(), "Unspecify");

    Show(tattooing);
    EXPECT_EQ(Categories()->currentItem()->text(), "Tattoing");
    EXPECT_EQ(List(38)->currentText(), "Maybe");
    EXPECT_EQ(List(39)->currentText(), "Like");
}

// A page depends on its category and the record only, not on the page shown before.
TEST_F(Pages, EveryPageLooksTheSameWhicheverPageCameBefore) {
    ASSERT_TRUE(
        ParseCode("2.0FO[Sergal]3cwv V+ Dm++ Yh+/+- Wvt/ar O35 Cwl+ Gr++ N+++ Sm/*+ K "
                  "Su+* Ta-+",
                  record));
    record.includeKinks = 1;
    const auto snapshot = [this] {
        QStringList lines;
        for (QWidget* control : form->findChildren<QWidget*>()) {
            bool numbered = false;
            control->objectName().toInt(&numbered);
            if (!numbered || !control->isVisibleTo(form.get())) {
                continue;
            }
            QString line = QStringLiteral("%1 %2 %3,%4 %5x%6")
                               .arg(control->objectName())
                               .arg(control->isEnabled())
                               .arg(control->x())
                               .arg(control->y())
                               .arg(control->width())
                               .arg(control->height());
            if (auto* box = qobject_cast<QCheckBox*>(control)) {
                line += box->text() + (box->isChecked() ? " [x]" : " [ ]");
            } else if (auto* list = qobject_cast<QComboBox*>(control)) {
                line += QString::number(list->currentIndex()) + " " +
                        Entries(list->objectName().toInt()).join('|');
            } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
                line += field->text();
            } else if (auto* label = qobject_cast<QLabel*>(control)) {
                line += label->text();
            } else if (auto* slider = qobject_cast<QSlider*>(control)) {
                line += QString::number(slider->value());
            } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
                line += text->toPlainText();
            }
            lines.append(line);
        }
        lines.sort();
        return lines.join('\n');
    };

    Open();
    form->setAdultTabShown(true);
    for (int category = 0; category < kCategoryCount; ++category) {
        QString first;
        for (int before : {kSpeciesCategory, kTraitCategory, kAgeCategory, kWorkCategory,
                           kGamingCategory, kCompyCategory, kFirstKinkCategory}) {
            OpenCategory(before);
            OpenCategory(category);
            const QString shown = snapshot();
            if (first.isEmpty()) {
                first = shown;
            } else {
                EXPECT_EQ(shown.toStdString(), first.toStdString())
                    << "category " << category << " after " << before;
            }
        }
    }
}

}  // namespace
}  // namespace brindlex::test
