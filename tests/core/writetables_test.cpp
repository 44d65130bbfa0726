#include <gtest/gtest.h>

#include <string>

#include "codec/writetables.h"

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

}  // namespace
}  // namespace brindlex::writing
