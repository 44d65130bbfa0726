// Answering with the slider and "Update", the drop-down lists and the check boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "profile/categories.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

class Answering : public WindowTest {
protected:
    void SetUp() override {
        Open();
        form->setAdultTabShown(true);
    }
};

TEST_F(Answering, UpdateStoresTheSliderLevelOnlyWhenClicked) {
    const int cons = CategoryNamed("Cons");
    OpenCategory(cons);
    MoveSlider(7);
    OpenCategory(CategoryNamed("Art"));
    OpenCategory(cons);
    EXPECT_EQ(record.consLevel, 0u) << "moving the slider alone stores nothing";
    EXPECT_TRUE(HandleAtBottom());

    MoveSlider(7);
    ASSERT_TRUE(HandleAtTop());
    ClickUpdate();
    EXPECT_EQ(record.consLevel, 7u);
    EXPECT_TRUE(CodeLine().contains(" M+++ "));
    ExpectSettled("after Update at the top");

    MoveSlider(0);
    ASSERT_TRUE(HandleAtBottom());
    ClickUpdate();
    EXPECT_EQ(record.consLevel, 0u);
    EXPECT_TRUE(CodeLine().contains(" M# "));
    ExpectSettled("after Update at the bottom");

    OpenCategory(kSexCategory);
    MoveSlider(5);
    ClickUpdate();
    EXPECT_EQ(record.sexLevel, 5u);
    ExpectSettled("after Update on Sex");
}

TEST_F(Answering, AgeBracketsComeFromTheSlider) {
    OpenCategory(kAgeCategory);
    const std::pair<int, unsigned> steps[] = {{1, 121u}, {7, 127u}, {4, 124u}, {0, 0u}};
    for (const auto& [level, age] : steps) {
        MoveSlider(level);
        ClickUpdate();
        EXPECT_EQ(record.age, age) << "level " << level;
        ExpectSettled("after Update on the age page");
    }
}

TEST_F(Answering, SpecifyActualAgeSwitchesBetweenBracketAndExactAge) {
    OpenCategory(kAgeCategory);
    MoveSlider(4);
    ClickUpdate();
    ASSERT_EQ(record.age, 124u);

    ClickBox(31);
    EXPECT_EQ(record.age, 30u);
    EXPECT_EQ(Field(1013)->text(), "30");
    EXPECT_TRUE(Field(1013)->isEnabled());
    EXPECT_FALSE(Slider()->isEnabled() || UpdateButton()->isEnabled());
    ExpectSettled("after checking Specify Actual Age");

    ClickBox(31);
    EXPECT_EQ(record.age, 124u);
    EXPECT_EQ(Slider()->value(), 4);
    EXPECT_EQ(Field(1013)->text(), "");
    EXPECT_TRUE(Slider()->isEnabled() && UpdateButton()->isEnabled());
    ExpectSettled("after unchecking it");

    MoveSlider(0);
    ClickUpdate();
    ClickBox(31);
    EXPECT_EQ(Field(1013)->text(), "0");
    EXPECT_EQ(record.age, 0u);
    ClickBox(31);
    EXPECT_TRUE(HandleAtBottom());
    ExpectSettled("after switching with no age");
}

TEST_F(Answering, UpdateOnTheWorkPageDoesNothing) {
    OpenCategory(kWorkCategory);
    EXPECT_FALSE(UpdateButton()->isVisible());
    const PROFILE before = record;
    UpdateButton()->click();
    EXPECT_EQ(record, before);
    ExpectSettled("after Update on Work");
}

TEST_F(Answering, ListsStoreGendersWorkAndKinkAnswers) {
    OpenCategory(kTraitCategory);
    Choose(38, 3);
    EXPECT_EQ(record.characterGender, 3u);
    EXPECT_TRUE(CodeLine().contains(" Yh#"));

    OpenCategory(kAgeCategory);
    Choose(38, 2);
    EXPECT_EQ(record.ownGender, 2u);

    OpenCategory(kWorkCategory);
    Choose(38, 27);
    EXPECT_EQ(record.workType, 27u);
    EXPECT_TRUE(CodeLine().contains(" W- "));
    ExpectSettled("after choosing a work type");

    const int humiliation = CategoryNamed("Humiliation");
    const int kink = humiliation - kFirstKinkCategory;
    OpenCategory(humiliation);
    record.includeKinks = 1;
    Choose(38, 1);  // role play: Like
    Choose(39, 3);  // real life: Maybe
    EXPECT_EQ(record.kink(kink), 13u);
    EXPECT_EQ(record.kink(kink + 1), 0u) << "the neighbouring cell stays";
    ExpectSettled("after a kink answer");
}

TEST_F(Answering, TrainedFieldBoxFollowsTheChosenField) {
    record.trainedFlags = 1u << 3;
    OpenCategory(kWorkCategory);
    Choose(39, 20);
    EXPECT_EQ(List(39)->currentText(), "Vetinary");
    EXPECT_FALSE(Box(31)->isChecked());
    ClickBox(31);
    EXPECT_EQ(record.trainedFlags, (1u << 20) | (1u << 3));
    Choose(39, 3);
    EXPECT_TRUE(Box(31)->isChecked()) << "the box shows the bit of the chosen field";
    ExpectSettled("after choosing trained fields");
}

TEST_F(Answering, PreferenceBoxEnablesTheListsAndStoresTheirValue) {
    OpenCategory(kYiffyYiffyCategory);
    EXPECT_FALSE(List(38)->isEnabled());
    ClickBox(31);
    EXPECT_EQ(record.yiffyYiffyPreference, 5u);
    EXPECT_TRUE(List(38)->isEnabled() && List(39)->isEnabled());
    Choose(39, 2);
    EXPECT_EQ(record.yiffyYiffyPreference, 13u);
    EXPECT_TRUE(CodeLine().contains("/+*"));
    ClickBox(31);
    EXPECT_EQ(record.yiffyYiffyPreference, 0u);
    EXPECT_FALSE(List(39)->isEnabled());
    ExpectSettled("after the preference box");
}

TEST_F(Answering, CheckBoxesStoreTheirBits) {
    OpenCategory(kTraitCategory);
    ClickBox(29);
    EXPECT_EQ(record.specificsFlags, 1u << 9) << "Vampire";
    ClickBox(30);
    EXPECT_EQ(record.specificsFlags, (1u << 9) | (1u << 8)) << "Winged";
    ClickBox(37);
    EXPECT_NE(record.specificsFlags & (1u << 16), 0u) << "Story Character";

    OpenCategory(kCompyCategory);
    ClickBox(32);
    ClickBox(34);
    EXPECT_EQ(record.compyFlags, 5u);
    ClickBox(32);
    EXPECT_EQ(record.compyFlags, 4u);

    OpenCategory(kGamingCategory);
    ClickBox(29);
    EXPECT_EQ(record.gamingFlags, 1u << 8);
    EXPECT_EQ(record.specificsFlags & (1u << 8), 1u << 8) << "traits untouched by Gaming";

    OpenCategory(kFursuitsCategory);
    ClickBox(31);
    EXPECT_EQ(record.madeOwnSuit, 1u);
    OpenCategory(kInterwebsCategory);
    ClickBox(31);
    EXPECT_EQ(record.furrySite, 1u);
    OpenCategory(kKinkSwitchCategory);
    ClickBox(31);
    EXPECT_EQ(record.includeKinks, 1u);
    EXPECT_TRUE(CodeLine().contains(" K"));
    ExpectSettled("after the boxes");
}

TEST_F(Answering, SpeciesFamilyAndSpecies) {
    OpenCategory(kSpeciesCategory);
    Choose(38, 26);  // "Other"
    TypeInto(40, "Sergal");
    PressTab();
    EXPECT_EQ(record.customSpeciesName, "Sergal");

    Choose(38, 3);
    EXPECT_EQ(record.speciesFamily, 3u);
    EXPECT_EQ(record.speciesIndex, 1u);
    EXPECT_EQ(record.customSpeciesName, "") << "a listed family drops the custom name";
    EXPECT_EQ(List(39)->currentIndex(), 0);
    EXPECT_EQ(List(39)->itemText(List(39)->count() - 1), "Other");
    EXPECT_FALSE(Field(40)->isVisible());

    Choose(39, 3);
    EXPECT_EQ(record.speciesIndex, 4u);
    EXPECT_TRUE(CodeLine().startsWith("2.0FCf0"));
    Choose(38, 3);
    EXPECT_EQ(record.speciesIndex, 4u) << "choosing the same family again keeps the species";
    EXPECT_EQ(List(39)->currentIndex(), 3);
    Choose(39, 8);
    EXPECT_TRUE(Field(40)->isVisible());
    EXPECT_EQ(Field(40)->geometry(), UnitsRect(150, 150, 270, 160));
    EXPECT_EQ(record.speciesIndex, 0u) << "the code line drops a position without a letter";
    TypeInto(40, "Maned");
    PressTab();
    EXPECT_TRUE(CodeLine().startsWith("2.0FC*[Maned]0"));

    Choose(38, 26);
    EXPECT_EQ(record.customSpeciesName, "Maned") << "\"Other\" keeps the name";
    EXPECT_EQ(Field(40)->text(), "Maned");
    Choose(38, 25);
    EXPECT_EQ(record.customSpeciesName, "");
    EXPECT_EQ(Field(40)->text(), "");
    Choose(38, 0);
    EXPECT_FALSE(List(39)->isVisible() || Field(40)->isVisible());
    EXPECT_EQ(record.speciesFamily, 0u);
    ExpectSettled("after the species");
}

TEST_F(Answering, OtherAfterTheLastSpeciesCarriesTheCustomName) {
    OpenCategory(kSpeciesCategory);
    Choose(38, 1);  // fifteen species: "Other" is the sixteenth entry
    Choose(39, 14);
    EXPECT_TRUE(CodeLine().startsWith("2.0FARz0")) << "Gazelle";
    Choose(39, 15);
    TypeInto(40, "Okapi");
    PressTab();
    EXPECT_TRUE(CodeLine().startsWith("2.0FAR*[Okapi]0")) << CodeLine().toStdString();

    Choose(38, 9);
    const int other = List(39)->count() - 1;
    EXPECT_EQ(other, 14);
    Choose(39, other);
    TypeInto(40, "Caracal-ish");
    PressTab();
    EXPECT_TRUE(CodeLine().startsWith("2.0FF*[Caracal-ish]0")) << CodeLine().toStdString();
    ExpectSettled("after \"Other\" entries");
}

}  // namespace
}  // namespace brindlex::test
