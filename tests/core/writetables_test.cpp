#include <gtest/gtest.h>

#include <random>
#include <string>

#include "codec/codec.h"
#include "codec/writetables.h"
#include "tests/core/randomrecords.h"

namespace brindlex::writing {
namespace {

// The letters the tables write for `flags`, run after run.
template <std::size_t N>
std::string TableLetters(const LetterTables<N>& tables, unsigned flags) {
    std::string text;
    for (std::size_t run = 0; run < tables.kRuns; ++run) {
        const Letters& letters = tables.runs[run][(flags >> tables.lowBit[run]) & 0xFFu];
        text.append(letters.text.data(), letters.size);
    }
    return text;
}

TEST(LetterTables, TraitsInBoxOrderForEveryFlagValue) {
    // Vampire (bit 9) comes before Winged (bit 8), inside the second run.
    for (unsigned flags = 0; flags < (1u << kTraitCount); ++flags) {
        std::string expected;
        for (const Trait& trait : kTraits) {
            if (((flags >> trait.bit) & 1u) != 0) {
                expected += trait.letter;
            }
        }
        ASSERT_EQ(TableLetters(kTraitLetters, flags), expected) << flags;
    }
    EXPECT_EQ(TableLetters(kTraitLetters, (1u << 8) | (1u << 9)), "vw");
}

template <int c, std::size_t N>
void ExpectChoices(const std::array<Choice, N>& choices) {
    for (unsigned flags = 0; flags < (1u << N); ++flags) {
        std::string expected;
        for (unsigned i = 0; i < N; ++i) {
            if (((flags >> i) & 1u) != 0) {
                expected += choices[i].letter;
            }
        }
        ASSERT_EQ(TableLetters(kChoiceLetters<c>, flags), expected) << c << " " << flags;
    }
}

TEST(LetterTables, ChoicesOfEveryFlagValue) {
    ExpectChoices<kGamingCategory>(kGames);  // nine letters: a run of eight and one more
    ExpectChoices<kCompyCategory>(kOperatingSystems);
}

TEST(TokenPieces, AgesAndFlaggedLevels) {
    constexpr const auto& ages = kTokenPieces<kAgeCategory>;
    const auto text = [](const Piece& piece) { return std::string(piece.text.data(), piece.size); };
    EXPECT_EQ(text(ages[0]), " O#");
    EXPECT_EQ(text(ages[7]), " O7");
    EXPECT_EQ(text(ages[99]), " O99");
    EXPECT_EQ(text(ages[120]), " O120");
    EXPECT_EQ(text(ages[121]), " O---");
    EXPECT_EQ(text(ages[124]), " O");
    EXPECT_EQ(text(ages[127]), " O+++");
    // Flag letter only in the second half, which the writer picks from flagMinLevel on.
    EXPECT_EQ(text(kTokenPieces<kInterwebsCategory>[7]), " N+++");
    EXPECT_EQ(text(kTokenPieces<kInterwebsCategory>[8 + 7]), " Nf+++");
}

// The tag and the parts before a rest or a "/" that would not fit are joined into one piece,
// the value of the later part the lower digit.
TEST(TokenPieces, PartsJoinedUpToARest) {
    const auto text = [](const Piece& piece) { return std::string(piece.text.data(), piece.size); };
    constexpr int kYiffy = kYiffyYiffyCategory;
    EXPECT_EQ(JoinedEnd<kYiffy>(0), 2u);  // tag, gender letter, marks; attraction apart
    for (unsigned gender = 0; gender < 4; ++gender) {
        for (unsigned level = 0; level < kLevelCount; ++level) {
            ASSERT_EQ(text(kJoinedPieces<kYiffy, 0>[gender * 8 + level]),
                      std::string(" Y") + kCharacterGenderLetters[gender] +
                          std::string(kLevelMarks[level]));
        }
    }
    EXPECT_EQ(text(kJoinedPieces<kYiffy, 2>[0]), "");
    EXPECT_EQ(text(kJoinedPieces<kYiffy, 2>[1 | 2 << 2]), "/+-");

    // The choice letters are a rest: the tag alone before them, the marks after them.
    EXPECT_EQ(JoinedEnd<kGamingCategory>(0), 1u);
    EXPECT_EQ((kJoinedPieces<kGamingCategory, 0>.size()), 1u);
    EXPECT_EQ(text(kJoinedPieces<kGamingCategory, 0>[0]), " G");
    EXPECT_EQ(text(kJoinedPieces<kGamingCategory, 1>[3]), "-");

    // Work codes past the list are written as "Other".
    EXPECT_EQ(text(kJoinedPieces<kWorkCategory, 0>[kWorkOther]),
              " W" + std::string(kWorkTypes[kWorkOther].code));
    EXPECT_EQ(text(kJoinedPieces<kWorkCategory, 0>[31]),
              text(kJoinedPieces<kWorkCategory, 0>[kWorkOther]));
}

// The bound the buffers are checked against holds for the longest lines: every field at its
// top, and random records; and it is no loose guess.
TEST(LongestLine, NoLineOutgrowsTheBound) {
    PROFILE top;
    for (const FieldInfo& f : kProfileFields) {
        f.set(top, f.maxValue());
    }
    top.speciesFamily = 3;  // a family with species letters and no name
    top.speciesIndex = 1;
    top.workType = 1;  // a two-letter code
    top.age = 100;
    top.compyFlags = 0x0F;  // all five would write no letter
    top.kinkPrefs.fill(static_cast<std::uint8_t>(MakeKinkCell(1, 2) * 0x11u));  // two marks each
    const std::string longest = ComposeCode(top);
    EXPECT_LE(longest.size(), kLongestHead + kLongestTail);
    EXPECT_GE(longest.size() + 8, kLongestHead + kLongestTail) << longest;
    std::mt19937 rng(3);
    for (int i = 0; i < 2000; ++i) {
        PROFILE p = RandomRecord(rng);
        p.customSpeciesName.clear();
        ASSERT_LE(ComposeCode(p).size(), kLongestHead + kLongestTail);
    }
}

}  // namespace
}  // namespace brindlex::writing
