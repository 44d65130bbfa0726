#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/explain.h"
#include "profile/categories.h"

namespace brindlex {
namespace {

// The pieces of the line that tell the answers of category `c`, in the order told.
std::vector<std::string> PiecesOf(const Explanation& e, int c) {
    std::vector<std::string> pieces;
    for (const ExplainedAnswer& a : e.answers) {
        if (a.category == c) {
            pieces.push_back(e.line.substr(a.codeAt, a.codeSize));
        }
    }
    return pieces;
}

// A flag letter and choice letters tell the second answer by the whole token; attraction
// marks by the token from its "/", the level before it; a carried gender by tag and letter.
TEST(ExplainPieces, SecondAnswersByThePartOfTheTokenThatCarriesThem) {
    PROFILE p;
    p.fursuitsLevel = 5;
    p.madeOwnSuit = 1;
    p.yiffyYiffyLevel = 6;
    p.characterGender = 1;
    p.yiffyYiffyPreference = 1 | 2 << 2;
    p.gamingLevel = 5;
    p.gamingFlags = 0b101;
    p.interwebsLevel = 3;  // below the level of its flag letter
    p.furrySite = 1;
    const Explanation e = ExplainPieces(p);

    EXPECT_EQ(PiecesOf(e, kFursuitsCategory), (std::vector<std::string>{"Dm+", "Dm+"}));
    EXPECT_EQ(PiecesOf(e, kYiffyYiffyCategory), (std::vector<std::string>{"Ym++", "/+-"}));
    EXPECT_EQ(PiecesOf(e, kGamingCategory), (std::vector<std::string>{"Grf+", "Grf+"}));
    EXPECT_EQ(PiecesOf(e, kInterwebsCategory), (std::vector<std::string>{"N-", "N-"}));
    EXPECT_EQ(PiecesOf(e, kTraitCategory).at(1), "Ym");
}

}  // namespace
}  // namespace brindlex
