#include <gtest/gtest.h>

#include <set>

#include "profile/categories.h"

namespace brindlex {
namespace {

// Stores `value` into the named field through the field table, the way every
// caller outside the record does.
void Store(PROFILE& p, std::string_view field, unsigned value) {
    FindField(field)->set(p, value);
}

TEST(Profile, StartsEmpty) {
    const PROFILE p;
    for (const FieldInfo& f : kProfileFields) {
        EXPECT_EQ(f.get(p), 0u) << f.name;
    }
    EXPECT_TRUE(p.customSpeciesName.empty());
    for (int k = 0; k < kKinkCount; ++k) {
        EXPECT_EQ(p.kink(k), 0u);
    }
}

TEST(Profile, ClearEmptiesEveryAnswerAndKeepsTheNamesRoom) {
    PROFILE p;
    for (const FieldInfo& f : kProfileFields) {
        f.set(p, f.maxValue());
    }
    for (int k = 0; k < kKinkCount; ++k) {
        p.setKink(k, 15);
    }
    p.customSpeciesName = "a name longer than any string keeps in place";
    const std::size_t room = p.customSpeciesName.capacity();
    p.clear();
    EXPECT_EQ(p, PROFILE());
    for (const FieldInfo& f : kProfileFields) {
        EXPECT_EQ(f.get(p), 0u) << f.name;
    }
    EXPECT_TRUE(p.customSpeciesName.empty());
    EXPECT_EQ(p.customSpeciesName.capacity(), room);
}

TEST(Profile, WideValuesKeepOnlyTheFieldsBitsAndSpareNeighbours) {
    // Fill every field with ones, then store an over-wide value into each in
    // turn: only that field changes, to the value's low bits.
    for (const FieldInfo& target : kProfileFields) {
        PROFILE p;
        for (const FieldInfo& f : kProfileFields) {
            f.set(p, f.maxValue());
        }
        const unsigned wide = (1u << (target.width + 1)) | 0x2u;  // low bits: 0b10
        target.set(p, wide);
        EXPECT_EQ(target.get(p), wide & target.maxValue()) << target.name;
        for (const FieldInfo& f : kProfileFields) {
            if (&f != &target) {
                EXPECT_EQ(f.get(p), f.maxValue()) << f.name << " changed by " << target.name;
            }
        }
    }
}

TEST(Profile, GenderAndFamilyStores) {
    PROFILE p;
    Store(p, "characterGender", 4);
    EXPECT_EQ(p.characterGender, 0u);
    Store(p, "characterGender", 255);
    EXPECT_EQ(p.characterGender, 3u);

    p.speciesIndex = 9;
    p.madeOwnSuit = 1;
    p.specificsFlags = 1u << 16;
    p.yiffyYiffyLevel = 6;
    Store(p, "speciesFamily", 0xFF);
    EXPECT_EQ(p.speciesFamily, 31u);
    EXPECT_EQ(p.speciesIndex, 9u);
    EXPECT_EQ(p.madeOwnSuit, 1u);
    EXPECT_EQ(p.specificsFlags, 1u << 16);
    EXPECT_EQ(p.yiffyYiffyLevel, 6u);
}

TEST(Profile, AgeBracketsKeepTheFirstGame) {
    PROFILE p;
    p.gamingFlags = 1;  // RPG
    p.age = 35;
    p.setAgeBracket(0);
    EXPECT_EQ(p.age, 0u);
    EXPECT_EQ(p.gamingFlags, 1u);
    p.setAgeBracket(1);
    EXPECT_EQ(p.age, 121u);
    p.setAgeBracket(7);
    EXPECT_EQ(p.age, 127u);
    p.setAgeBracket(9);
    EXPECT_EQ(p.age, 127u);
    p.setAgeBracket(255);
    EXPECT_EQ(p.age, 127u);
    EXPECT_EQ(p.gamingFlags, 1u);
}

TEST(Profile, ToggleAgeForm) {
    const std::pair<unsigned, unsigned> cases[] = {
        {0, 0},   {121, 9},  {122, 10}, {124, 30}, {127, 60}, {1, 121},   {5, 121},
        {9, 121}, {10, 122}, {59, 126}, {60, 127}, {99, 127}, {120, 127},
    };
    for (const auto& [from, to] : cases) {
        PROFILE p;
        p.gamingFlags = 0x1FF;
        Store(p, "age", from);
        p.toggleAgeForm();
        EXPECT_EQ(p.age, to) << "from " << from;
        EXPECT_EQ(p.gamingFlags, 0x1FFu);
    }
    PROFILE p;
    p.age = 35;
    p.toggleAgeForm();
    EXPECT_EQ(p.age, 124u);
    p.toggleAgeForm();
    EXPECT_EQ(p.age, 30u);
}

TEST(Profile, SetWorkTypeFallsBackToOther) {
    PROFILE p;
    for (unsigned index = 0; index <= 255; ++index) {
        p.setWorkType(static_cast<std::uint8_t>(index));
        EXPECT_EQ(p.workType, index <= 27 ? index : 25u) << index;
    }
}

TEST(Profile, KinkCellsFollowTheCellRule) {
    // Every list position owns a different cell; the first three and the two
    // swapped ones sit where the record keeps them.
    std::set<int> cells;
    for (int k = 0; k < kKinkCount; ++k) {
        cells.insert(KinkCellOf(k));
    }
    EXPECT_EQ(cells.size(), static_cast<std::size_t>(kKinkCount));
    EXPECT_EQ(*cells.begin(), 0);
    EXPECT_EQ(*cells.rbegin(), 95);

    PROFILE p;
    p.setKink(0, 0xA);  // Fursuit: cell 95, high nibble of byte 47
    EXPECT_EQ(p.kinkPrefs[47], 0xA0);
    p.setKink(2, 0x5);  // Zoophilia: cell 94, low nibble of byte 47
    EXPECT_EQ(p.kinkPrefs[47], 0xA5);
    p.setKink(84, 0x3);  // Tall Body: cell 82
    p.setKink(85, 0xC);  // Tattoing: cell 81
    EXPECT_EQ(p.kinkPrefs[41], 0x3);
    EXPECT_EQ(p.kinkPrefs[40], 0xC0);
    p.setKink(3, 0x1F);  // Age Play: cell 0, keeps only four bits
    EXPECT_EQ(p.kinkPrefs[0], 0x0F);
    EXPECT_EQ(p.kink(0), 0xAu);
    EXPECT_EQ(p.kink(2), 0x5u);
    EXPECT_EQ(p.kink(84), 0x3u);
    EXPECT_EQ(p.kink(85), 0xCu);
    EXPECT_EQ(p.kink(4), 0u);  // Anal: cell 1, the neighbour nibble of Age Play
}

TEST(Profile, EqualityCoversEveryAnswer) {
    PROFILE a;
    PROFILE b;
    EXPECT_EQ(a, b);
    b.customSpeciesName = "Kudu";
    EXPECT_NE(a, b);
    b = a;
    b.setKink(95, 1);
    EXPECT_NE(a, b);
    for (const FieldInfo& f : kProfileFields) {
        PROFILE c;
        f.set(c, 1);
        EXPECT_NE(a, c) << f.name;
    }
}

}  // namespace
}  // namespace brindlex
