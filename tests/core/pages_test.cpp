#include <gtest/gtest.h>

#include "profile/pages.h"
#include "profile/vocabulary.h"

namespace brindlex {
namespace {

TEST(Pages, FamilyChoicesStartTheSpeciesAndKeepTheNameOnlyForOther) {
    PROFILE p;
    p.customSpeciesName = "Kitsune";
    ChooseSpeciesFamily(p, kFamilyOther);
    EXPECT_EQ(p.speciesFamily, kFamilyOther);
    EXPECT_EQ(p.customSpeciesName, "Kitsune");

    ChooseSpeciesFamily(p, 3);  // a listed family
    EXPECT_EQ(p.speciesIndex, 1u);
    EXPECT_TRUE(p.customSpeciesName.empty());

    for (const unsigned family : {0u, kFamilyPolymorph}) {
        p.customSpeciesName = "Kitsune";
        p.speciesIndex = 4;
        ChooseSpeciesFamily(p, family);
        EXPECT_EQ(p.speciesFamily, family);
        EXPECT_EQ(p.speciesIndex, 0u);
        EXPECT_TRUE(p.customSpeciesName.empty()) << family;
    }
    ChooseSpeciesFamily(p, 31);  // past the list: "Other"
    EXPECT_EQ(p.speciesFamily, kFamilyOther);
}

TEST(Pages, TheSpeciesEntryShowsOtherPastTheListAndForAKeptName) {
    PROFILE p;
    p.speciesFamily = 3;  // eight dogs, then "Other" at entry 8
    p.speciesIndex = 4;
    EXPECT_EQ(SpeciesEntryOf(p), 3);
    EXPECT_FALSE(ShowsCustomName(p, SpeciesEntryOf(p)));
    p.speciesIndex = 12;
    EXPECT_EQ(SpeciesEntryOf(p), 8);
    EXPECT_TRUE(ShowsCustomName(p, SpeciesEntryOf(p)));
    p.speciesIndex = 0;
    EXPECT_EQ(SpeciesEntryOf(p), -1);
    p.customSpeciesName = "Dhole";
    EXPECT_EQ(SpeciesEntryOf(p), 8);
    p.customSpeciesName = " ]";  // written as nothing
    EXPECT_EQ(SpeciesEntryOf(p), -1);

    ChooseSpecies(p, 8);
    EXPECT_EQ(p.speciesIndex, 9u);
    ChooseSpecies(p, 15);  // sixteen wraps to no species
    EXPECT_EQ(p.speciesIndex, 0u);
    ChooseSpecies(p, -1);
    EXPECT_EQ(p.speciesIndex, 0u);

    p.speciesFamily = kFamilyPolymorph;
    EXPECT_TRUE(ShowsCustomName(p, -1));
    p.speciesFamily = 0;
    EXPECT_FALSE(ShowsCustomName(p, -1));
}

TEST(Pages, TheAgeFormSwitchesBetweenBracketAndExactAge) {
    PROFILE p;
    p.age = 124;
    SwitchAgeForm(p, true);
    EXPECT_EQ(p.age, 30u);
    SwitchAgeForm(p, true);  // already exact
    EXPECT_EQ(p.age, 30u);
    SwitchAgeForm(p, false);
    EXPECT_EQ(p.age, 124u);
    p.age = 0;
    SwitchAgeForm(p, true);
    SwitchAgeForm(p, false);
    EXPECT_EQ(p.age, 0u);
}

TEST(Pages, AgeTextStoresItsDigitsAndClampsThreeDigitsAbove120) {
    struct Case {
        const char* text;
        unsigned age;
        bool clamped;
    };
    for (const Case& c : {Case{"7", 7, false}, Case{"25", 25, false}, Case{"120", 120, false},
                          Case{"121", 120, true}, Case{"999", 120, true}, Case{"0", 0, false},
                          Case{"1234", 120, true}, Case{"a", 49, false}, Case{"<<", 127, false}}) {
        PROFILE p;
        p.gamingFlags = 1;  // shares the age's byte
        EXPECT_EQ(StoreAgeText(p, c.text), c.clamped) << c.text;
        EXPECT_EQ(p.age, c.age) << c.text;
        EXPECT_EQ(p.gamingFlags, 1u);
    }
    PROFILE p;
    p.age = 33;
    EXPECT_FALSE(StoreAgeText(p, ""));
    EXPECT_EQ(p.age, 33u);  // an empty field stores nothing
}

TEST(Pages, TextsOfThePagesComeFromTheirRows) {
    EXPECT_EQ(SliderName("Art"), "Art level");
    EXPECT_EQ(SliderName("Anthro Level"), "Anthro Level");
    EXPECT_EQ(KinkQuestion(0), "Do you like to " + std::string(kKinkDescriptions[0]) + "?");
    EXPECT_TRUE(KinkQuestion(kKinkCount).empty());
    EXPECT_EQ(LevelLabel(LabelSet::kWords, 7), "YES YES YES :D");
    EXPECT_EQ(LevelLabel(LabelSet::kDigits, 1), "0");
    EXPECT_EQ(LevelLabel(LabelSet::kWords, 0), LevelLabel(LabelSet::kDigits, 0));
    EXPECT_TRUE(LevelLabel(LabelSet::kWords, 5).empty());
    // Each page that asks with box 31 has its question in its row.
    for (const int category : {kFursuitsCategory, kInterwebsCategory, kAgeCategory, kWorkCategory,
                               kYiffyYiffyCategory, kSexCategory, kKinkSwitchCategory}) {
        EXPECT_FALSE(CategoryOf(category).box.empty()) << category;
    }
    EXPECT_TRUE(CategoryOf(kGamingCategory).box.empty());
}

}  // namespace
}  // namespace brindlex
