#include <gtest/gtest.h>

#include <set>

#include "profile/categories.h"

namespace brindlex {
namespace {

TEST(Vocabulary, SpeciesLettersIdentifyOneSpeciesPerFamily) {
    for (unsigned f = 0; f < kFamilyCount; ++f) {
        const SpeciesFamily& family = kFamilies[f];
        const std::set<char> letters(family.letters.begin(), family.letters.end());
        EXPECT_EQ(letters.size(), family.letters.size()) << family.name;
        for (unsigned i = 1; i <= family.letters.size(); ++i) {
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(SpeciesLetter(f, i))));
            EXPECT_EQ(SpeciesByLetter(f, SpeciesLetter(f, i)), i) << family.name;
            EXPECT_FALSE(family.species[i - 1].empty()) << family.name << " " << i;
        }
        EXPECT_EQ(SpeciesLetter(f, family.letters.size() + 1), '\0');
        EXPECT_EQ(FamilyByCode(family.code), static_cast<int>(f));
    }
    EXPECT_EQ(kFamilies[1].species[SpeciesByLetter(1, 'a') - 1], "Antelope");
    EXPECT_EQ(kFamilies[2].species[SpeciesByLetter(2, 'a') - 1], "Albatross");
    EXPECT_EQ(kFamilies[9].speciesCount(), 14);
    EXPECT_EQ(SpeciesLetter(9, 13), 'w');
    EXPECT_EQ(SpeciesLetter(9, 14), 'x');
}

TEST(Vocabulary, FamilyCodesOfUnlistedValues) {
    EXPECT_EQ(FamilyCode(0), "?");
    EXPECT_EQ(FamilyCode(25), "Z");
    for (unsigned f = 26; f < 32; ++f) {
        EXPECT_EQ(FamilyCode(f), "O");
    }
}

TEST(Vocabulary, TraitsCoverEveryBitOnce) {
    std::set<unsigned> bits;
    std::set<char> letters;
    for (const Trait& t : kTraits) {
        bits.insert(t.bit);
        letters.insert(t.letter);
        EXPECT_EQ(TraitByLetter(t.letter), &t);
    }
    EXPECT_EQ(bits.size(), 17u);
    EXPECT_EQ(*bits.rbegin(), 16u);
    EXPECT_EQ(letters.size(), 17u);
    EXPECT_EQ(kTraits[8].name, "Vampire");
    EXPECT_EQ(kTraits[8].bit, 9u);
    EXPECT_EQ(kTraits[9].bit, 8u);
}

TEST(Vocabulary, TrainedFieldsSkipUnspecifyAndStudent) {
    for (int field = 0; field < kTrainedFieldCount; ++field) {
        const int row = kTrainedFieldRows[static_cast<std::size_t>(field)];
        EXPECT_EQ(kWorkTypes[static_cast<std::size_t>(row)].trainedField, field);
        EXPECT_EQ(WorkTypeByCode(kWorkTypes[static_cast<std::size_t>(row)].code), row);
    }
    EXPECT_EQ(WorkTypeByCode("st"), 19);
    EXPECT_EQ(WorkTypeByCode("at"), 24);
    EXPECT_EQ(WorkTypeByCode("+"), -1);
}

TEST(Vocabulary, KinkCodes) {
    std::set<std::string_view> codes;
    int uncoded = 0;
    for (const Kink& k : kKinks) {
        if (k.code.empty()) {
            ++uncoded;
        } else {
            codes.insert(k.code);
            EXPECT_EQ(&kKinks[static_cast<std::size_t>(KinkByCode(k.code))], &k);
        }
    }
    EXPECT_EQ(uncoded, 7);
    EXPECT_EQ(codes.size(), kKinkWritingCodes.size());
    const std::set<std::string_view> written(kKinkWritingCodes.begin(), kKinkWritingCodes.end());
    EXPECT_EQ(written, codes);
    for (std::string_view d : kKinkDescriptions) {
        EXPECT_FALSE(d.empty());
    }
}

TEST(Vocabulary, HelpTextsNumberTheirLinesDownFromSix) {
    for (int c = 0; c < kLevelCategoryCount; ++c) {
        const std::string_view text = kLevelHelpTexts[static_cast<std::size_t>(c)];
        const bool slider = LevelFieldOf(c) != nullptr || c == kAgeCategory;
        EXPECT_EQ(text.empty(), !slider) << CategoryCaption(c);
        if (!text.empty()) {
            EXPECT_EQ(text.substr(0, 4), "6 - ") << CategoryCaption(c);
            EXPECT_EQ(text.substr(text.rfind("\r\n") + 2, 4), c == 2 ? "1 - " : "0 - ")
                << CategoryCaption(c);
        }
    }
}

TEST(Vocabulary, CategoriesAcrossTabs) {
    EXPECT_EQ(CategoryCaption(0), "Species");
    EXPECT_EQ(CategoryCaption(15), "Work");
    EXPECT_EQ(CategoryCaption(24), "Specifics");
    EXPECT_EQ(CategoryCaption(25), "Fursuit");
    EXPECT_EQ(CategoryCaption(120), "Watersports");
    EXPECT_EQ(CategoryCaption(121), "");
    EXPECT_EQ(LevelFieldOf(10)->name, "artLevel");
    EXPECT_EQ(LevelFieldOf(13), nullptr);
    EXPECT_EQ(kTabFirstCategory[2] + kTabRowCount[2], kCategoryCount);
}

}  // namespace
}  // namespace brindlex
