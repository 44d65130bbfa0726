#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "codec/codec.h"
#include "codec/trace.h"
#include "profile/categories.h"
#include "tests/core/readpaths.h"

namespace brindlex {
namespace {

using namespace std::literals;

// Reads `line`, which must be accepted.
PROFILE Read(std::string_view line) {
    PROFILE p;
    EXPECT_TRUE(ParseCode(line, p)) << line;
    return p;
}

unsigned Field(const PROFILE& p, std::string_view name) {
    const FieldInfo* field = FindField(name);
    EXPECT_NE(field, nullptr) << name;
    return field == nullptr ? 0 : field->get(p);
}

// A record with answers in every group, to see what a reading replaces.
PROFILE Answered() {
    PROFILE p;
    p.speciesFamily = 9;
    p.speciesIndex = 2;
    p.customSpeciesName = "Kudu";
    p.artLevel = 6;
    p.age = 33;
    p.workType = 12;
    p.includeKinks = 1;
    p.setKink(10, 7);
    p.sexPreference = 5;
    return p;
}

struct Case {
    std::string_view line;
    std::string_view field;
    unsigned value;
};

void ExpectFields(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(Field(Read(c.line), c.field), c.value) << c.line;
    }
}

// --- Header and family code -------------------------------------------------

BRINDLEX_EVERY_READ_PATH(HeaderAndFamily);

TEST_P(HeaderAndFamily, BareHeaderClearsEveryAnswer) {
    PROFILE p = Answered();
    ASSERT_TRUE(ParseCode("2.0F", p));
    EXPECT_EQ(p, PROFILE());
}

TEST_P(HeaderAndFamily, RejectedLinesLeaveTheRecordAlone) {
    const std::vector<std::pair<std::string, std::string>> rejected = {
        {" 2.0F?", "does not begin with 2.0F"},
        {"2.0f?", "does not begin with 2.0F"},
        {"2.0", "does not begin with 2.0F"},
        {"", "does not begin with 2.0F"},
        {"2.0FQ", "unknown family code 'Q'"},
        {"2.0F1", "unknown family code '1'"},
        {"2.0Fc", "unknown family code 'c'"},
        {"2.0F   ]", "unknown family code ']'"},
        {"2.0F\xE9", "unknown family code (byte 0xE9)"},
    };
    for (const auto& [line, reason] : rejected) {
        PROFILE p = Answered();
        EXPECT_FALSE(ParseCode(line, p)) << line;
        EXPECT_EQ(p, Answered()) << line;
        EXPECT_EQ(RejectionReason(line), reason) << line;
    }
}

TEST_P(HeaderAndFamily, ALineHeldByTheRecordItReplacesReadsWhole) {
    PROFILE written = Answered();
    written.includeKinks = 1;
    written.setKink(7, MakeKinkCell(1, 2));
    written.speciesIndex = 0;  // so that the name is written
    written.customSpeciesName = "Kudu of the northern hills";
    const std::string line = ComposeCode(written);
    // As written, and with a blank too many for the reader of the writer's form.
    for (const std::string& name : {line, line + " ", line.substr(0, 12)}) {
        PROFILE p = Answered();
        p.customSpeciesName = name;
        ASSERT_TRUE(ParseCode(p.customSpeciesName, p));
        EXPECT_EQ(p, Read(name)) << name;
    }
}

TEST_P(HeaderAndFamily, NothingAfterTheFamilyCodeRejects) {
    EXPECT_TRUE(RejectionReason("2.0F?Q").empty());
    EXPECT_EQ(Read("2.0F?Q"), PROFILE());
    EXPECT_EQ(Read("2.0F? !! V+").artLevel, 5u);
}

TEST_P(HeaderAndFamily, OneAndTwoLetterCodes) {
    ExpectFields({
        {"2.0FA", "speciesFamily", 0},
        {"2.0FC", "speciesFamily", 0},
        {"2.0FM", "speciesFamily", 0},
        {"2.0FA  ", "speciesFamily", 0},
        {"2.0FF", "speciesFamily", 9},
        {"2.0FL", "speciesFamily", 13},
        {"2.0FA R", "speciesFamily", 1},
        {"2.0F  CT", "speciesFamily", 6},
        {"2.0FAr", "speciesFamily", 2},  // a lower-case letter is no second code letter
        {"2.0FCV+", "speciesFamily", 3},
        {"2.0F[Bob]", "speciesFamily", 26},
    });
}

TEST_P(HeaderAndFamily, EveryFamilyCodeReadsItsRow) {
    for (std::size_t f = 0; f < kFamilies.size(); ++f) {
        const std::string line = "2.0F"s + std::string(kFamilies[f].code) + "*";
        EXPECT_EQ(Read(line).speciesFamily, f) << line;
    }
}

// --- Species letter and custom name --------------------------------------------

BRINDLEX_EVERY_READ_PATH(SpeciesAndName);

TEST_P(SpeciesAndName, SpeciesLetters) {
    ExpectFields({
        {"2.0FL*", "speciesFamily", 13},
        {"2.0FL*", "speciesIndex", 0},
        {"2.0FLr", "speciesIndex", 3},
        {"2.0FFw", "speciesIndex", 13},
        {"2.0FFx", "speciesIndex", 14},
        {"2.0FC  f", "speciesIndex", 4},
        {"2.0FCEa", "speciesIndex", 0},
        {"2.0FCEa", "specificsFlags", 1u << 10},  // no species "a": the Alter Ego trait
    });
}

TEST_P(SpeciesAndName, EveryLetterOfEveryFamily) {
    for (std::size_t f = 1; f < kFamilyPolymorph; ++f) {
        const std::string_view letters = kFamilies[f].letters;
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const std::string line = "2.0F"s + std::string(kFamilies[f].code) + letters[i];
            const PROFILE p = Read(line);
            EXPECT_EQ(p.speciesFamily, f) << line;
            EXPECT_EQ(p.speciesIndex, i + 1) << line;
            EXPECT_EQ(p.specificsFlags, 0u) << line;
        }
    }
}

TEST_P(SpeciesAndName, CustomName) {
    struct NameCase {
        std::string_view line;
        unsigned family;
        std::string name;
        unsigned livingLevel;
    };
    const std::vector<NameCase> cases = {
        {"2.0FCf[Bob]", 3, "Bob", 0},  {"2.0FC [Bob]", 3, "Bob", 0},
        {"2.0FCf [Bob]", 3, "", 4},    {"2.0FO [Bob]", 26, "", 4},
        {"2.0F[Bob]", 26, "Bob", 0},   {"2.0FO[Bo", 26, "Bo", 0},
        {"2.0FO[a]b]", 26, "a", 0},    {"2.0FO[]", 26, "", 0},
        {"2.0F?[Al B]", 0, "Al B", 0}, {"2.0FZ[ x [y ]3", 25, " x [y ", 0},
    };
    for (const NameCase& c : cases) {
        const PROFILE p = Read(c.line);
        EXPECT_EQ(p.speciesFamily, c.family) << c.line;
        EXPECT_EQ(p.customSpeciesName, c.name) << c.line;
        EXPECT_EQ(p.livingLevel, c.livingLevel) << c.line;
    }
    EXPECT_EQ(Read("2.0FO[\0\xff]"s).customSpeciesName, "\0\xff"s);
    EXPECT_EQ(Read("2.0FO[x]3").anthroLevel, 3u);
}

// --- Specifics group: anthro digit and trait letters ---------------------------

BRINDLEX_EVERY_READ_PATH(Specifics);

TEST_P(Specifics, WorkedExample) {
    const PROFILE p = Read("2.0FCf3cm V+");
    EXPECT_EQ(p.speciesFamily, 3u);
    EXPECT_EQ(p.speciesIndex, 4u);
    EXPECT_EQ(p.specificsFlags, (1u << 0) | (1u << 3));
    EXPECT_EQ(p.anthroLevel, 3u);
    EXPECT_EQ(p.artLevel, 5u);
}

TEST_P(Specifics, AnthroDigit) {
    const unsigned expected[10] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 7};
    for (char digit = '0'; digit <= '9'; ++digit) {
        PROFILE p = Read("2.0F?"s + digit);
        EXPECT_EQ(p.anthroLevel, expected[digit - '0']) << digit;
        p.anthroLevel = 0;
        EXPECT_EQ(p, PROFILE()) << digit;
    }
    EXPECT_EQ(Read("2.0F?36 c5").anthroLevel, 5u);  // the last digit counts
}

TEST_P(Specifics, EveryTraitLetterSetsItsBit) {
    for (const Trait& t : kTraits) {
        EXPECT_EQ(Read("2.0F?"s + t.letter).specificsFlags, 1u << t.bit) << t.letter;
    }
    EXPECT_EQ(Read("2.0F?0vwvs").specificsFlags, (1u << 9) | (1u << 8) | (1u << 16));
    // The group ends at the first other character, which the tag section reads.
    const PROFILE p = Read("2.0F?c xV+");
    EXPECT_EQ(p.specificsFlags, 1u);
    EXPECT_EQ(p.artLevel, 5u);
}

// --- Level marks -----------------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(LevelMarks);

TEST_P(LevelMarks, WorkedExamples) {
    ExpectFields({
        {"2.0F? V", "artLevel", 4},
        {"2.0F? V+ +", "artLevel", 6},
        {"2.0F? V++++", "artLevel", 7},
        {"2.0F? V----", "artLevel", 1},
        {"2.0F? V+-", "artLevel", 4},
        {"2.0F? V#", "artLevel", 0},
        {"2.0F? V+#+", "artLevel", 0},
        {"2.0F? V+ V-", "artLevel", 3},
        {"2.0F? V---+", "artLevel", 2},
    });
}

TEST_P(LevelMarks, PositionAfterReading) {
    struct PosCase {
        std::string_view text;
        unsigned level;
        std::size_t end;
    };
    const std::vector<PosCase> cases = {
        {"", 4, 0},  {"+#+", 0, 2}, {"++x", 6, 2}, {" + -  M", 4, 6},
        {"#", 0, 1}, {"x+", 4, 0},  {"---", 1, 3}, {"+\0+"sv, 5, 1},
    };
    for (const PosCase& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(ReadLevelMarks(c.text, pos), c.level) << c.text;
        EXPECT_EQ(pos, c.end) << c.text;
    }
}

TEST_P(LevelMarks, EveryTagSetsItsField) {
    const std::vector<std::pair<char, std::string_view>> tags = {
        {'V', "artLevel"},        {'M', "consLevel"},           {'D', "fursuitsLevel"},
        {'H', "hugsLevel"},       {'I', "interwebsRpLevel"},    {'P', "plushiesLevel"},
        {'R', "realismLevel"},    {'T', "transformationLevel"}, {'L', "writingLevel"},
        {'Y', "yiffyYiffyLevel"}, {'C', "compyLevel"},          {'G', "gamingLevel"},
        {'E', "educationLevel"},  {'F', "furFactorLevel"},      {'B', "livingLevel"},
        {'N', "interwebsLevel"},  {'J', "animeLevel"},          {'A', "petsLevel"},
        {'S', "sexLevel"},
    };
    for (const auto& [tag, field] : tags) {
        const std::string line = "2.0F? "s + tag + (tag == 'Y' || tag == 'S' ? "#" : "") + "--";
        PROFILE p = Read(line);
        EXPECT_EQ(Field(p, field), 2u) << line;
        FindField(field)->set(p, 0);
        EXPECT_EQ(p, PROFILE()) << line;  // and nothing else
    }
}

TEST_P(LevelMarks, TagAtTheEndOfTheText) {
    ExpectFields({
        {"2.0F? V", "artLevel", 4},
        {"2.0F? O", "age", 124},
        {"2.0F? N", "interwebsLevel", 0},
        {"2.0F? N  ", "interwebsLevel", 0},
        {"2.0F? D", "fursuitsLevel", 0},
        {"2.0F? Cw", "compyFlags", 1},
        {"2.0F? Cw", "compyLevel", 0},
        {"2.0F? G ", "gamingLevel", 0},
        {"2.0F? Dm", "madeOwnSuit", 1},
        {"2.0F? Dm", "fursuitsLevel", 4},
        {"2.0F? N+ N", "interwebsLevel", 5},  // an unfinished token keeps the earlier level
    });
}

// --- Gender and attraction ---------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(GenderAndAttraction);

TEST_P(GenderAndAttraction, WorkedExamples) {
    ExpectFields({
        {"2.0F? Y+++", "characterGender", 0},
        {"2.0F? Y+++", "yiffyYiffyLevel", 7},
        {"2.0F? Ym/+-", "yiffyYiffyPreference", 1 | 2 << 2},
        {"2.0F? Ym/!+", "yiffyYiffyPreference", 1 << 2},
        {"2.0F? Ym/+", "yiffyYiffyPreference", 1},
        {"2.0F? Ym/+#", "yiffyYiffyPreference", 0},
        {"2.0F? Ym/#+", "yiffyYiffyPreference", 0},
        {"2.0F? Ym/ + -", "yiffyYiffyPreference", 1 | 2 << 2},
        {"2.0F? Ym/*- Ym", "yiffyYiffyPreference", 0},  // a token without "/" clears it
        {"2.0F? Sh+/-*", "ownGender", 3},
        {"2.0F? Sh+/-*", "sexLevel", 5},
        {"2.0F? Sh+/-*", "sexPreference", 2 | 3 << 2},
        {"2.0F? S##/!!", "sexPreference", 0},
        {"2.0F? S m+", "ownGender", 0},  // no blank before the gender letter
        {"2.0F? S m+", "sexLevel", 4},
    });
}

TEST_P(GenderAndAttraction, GenderLetterTakesOnlyTheNextCharacter) {
    const std::vector<std::tuple<std::string_view, unsigned, std::size_t>> cases = {
        {"m", 1, 1}, {"f", 2, 1},  {"h", 3, 1}, {"p", 0, 1}, {"#", 0, 1},
        {"x", 0, 0}, {" m", 0, 0}, {"", 0, 0},  {"M", 0, 0},
    };
    for (const auto& [text, gender, end] : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(ReadGenderLetter(text, pos), gender) << text;
        EXPECT_EQ(pos, end) << text;
    }
}

TEST_P(GenderAndAttraction, AttractionPosition) {
    const std::vector<std::tuple<std::string_view, unsigned, std::size_t>> cases = {
        {"/+-x", 9, 3}, {"/!+", 4, 3}, {"/+#", 0, 2}, {"/#+", 0, 1},   {"/+!", 1, 3},
        {"/! !", 0, 4}, {"  x", 0, 2}, {"/", 0, 1},   {"/ *  ", 3, 5},
    };
    for (const auto& [text, nibble, end] : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(ReadAttractionMarks(text, pos), nibble) << text;
        EXPECT_EQ(pos, end) << text;
    }
}

// --- Work section ------------------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(Work);

TEST_P(Work, WorkedExamples) {
    ExpectFields({
        {"2.0F? Wst/ar", "workType", 19},
        {"2.0F? Wst/ar", "trainedFlags", 1},
        {"2.0F? Wtc/ar/ge", "workType", 5},
        {"2.0F? Wtc/ar/ge", "trainedFlags", 1 | 1 << 5},
        {"2.0F? W/ar bm", "workType", 0},
        {"2.0F? W/ar bm", "trainedFlags", 1 | 1 << 1},
        {"2.0F? W e d", "workType", 7},
        {"2.0F? W*", "workType", 26},
        {"2.0F? W-", "workType", 27},
        {"2.0F? W+", "workType", 25},
        {"2.0F? Wbm#", "workType", 0},
        {"2.0F? Wtc/tc", "workType", 5},
        {"2.0F? Wtc/tc", "trainedFlags", 1 << 4},
        {"2.0F? Wtc/+*-#", "workType", 5},  // marks change nothing in trained mode
        {"2.0F? W/ar#bm", "trainedFlags", 3},
        {"2.0F? W/st/at", "trainedFlags", 0},
        {"2.0F? Wexgp", "workType", 0},  // "e" completes nothing and "x" ends the section
        {"2.0F? Weegp", "workType", 10},
        {"2.0F? Wcs Ar", "workType", 4},
        {"2.0F? Wcs Ar", "petsLevel", 4},
    });
}

TEST_P(Work, EveryCodeReadsItsRowAndField) {
    for (std::size_t row = 1; row < kWorkTypes.size(); ++row) {
        const std::string_view code = kWorkTypes[row].code;
        if (code.size() != 2) {
            continue;
        }
        const std::string line = "2.0F? W"s + std::string(code) + "/" + std::string(code);
        const PROFILE p = Read(line);
        EXPECT_EQ(p.workType, row) << line;
        const int field = kWorkTypes[row].trainedField;
        EXPECT_EQ(p.trainedFlags, field < 0 ? 0u : 1u << field) << line;
    }
}

// --- Age -------------------------------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(Age);

TEST_P(Age, WorkedExamples) {
    ExpectFields({
        {"2.0F? O25 C+", "age", 25},
        {"2.0F? O25 C+", "compyLevel", 5},
        {"2.0F? O120", "age", 120},
        {"2.0F? O121", "age", 127},
        {"2.0F? O1234 C+", "age", 127},
        {"2.0F? O1234 C+", "compyLevel", 5},
        {"2.0F? O C+", "age", 124},
        {"2.0F? O C+", "compyLevel", 5},
        {"2.0F? O#", "age", 0},
        {"2.0F? O+++", "age", 127},
        {"2.0F? O---", "age", 121},
        {"2.0F? O 1 0 5", "age", 105},
        {"2.0F? O007", "age", 7},
        {"2.0F? O0", "age", 0},
    });
}

TEST_P(Age, KeepsTheGamingBitBesideIt) {
    const PROFILE exact = Read("2.0F? Gr+ O42");
    EXPECT_EQ(exact.gamingFlags, 1u);
    EXPECT_EQ(exact.age, 42u);
    const PROFILE cleared = Read("2.0F? Gr+ O42 O#");
    EXPECT_EQ(cleared.gamingFlags, 1u);
    EXPECT_EQ(cleared.age, 0u);
}

// --- Compy and gaming letters ------------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(CompyAndGaming);

TEST_P(CompyAndGaming, Letters) {
    ExpectFields({
        {"2.0F? Cw Cm", "compyFlags", 3},
        {"2.0F? Cwmlu*+", "compyFlags", 31},
        {"2.0F? Cwmlu*+", "compyLevel", 5},
        {"2.0F? C w u ---", "compyFlags", 9},
        {"2.0F? C w u ---", "compyLevel", 1},
        {"2.0F? Grmfazbps*", "gamingFlags", 511},
        {"2.0F? Gs*--", "gamingFlags", 1 << 7 | 1 << 8},
        {"2.0F? Gs*--", "gamingLevel", 2},
        {"2.0F? Gl+", "gamingFlags", 0},  // "l" is no game letter
        {"2.0F? Gl+", "gamingLevel", 4},
    });
}

// --- Fursuits and interwebs ----------------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(FursuitsAndInterwebs);

TEST_P(FursuitsAndInterwebs, LetterBeforeTheMarks) {
    ExpectFields({
        {"2.0F? D m+", "madeOwnSuit", 1},
        {"2.0F? D m+", "fursuitsLevel", 5},
        {"2.0F? Dm", "madeOwnSuit", 1},
        {"2.0F? Dm", "fursuitsLevel", 4},
        {"2.0F? D---", "madeOwnSuit", 0},
        {"2.0F? Ni+++", "furrySite", 1},
        {"2.0F? Ni+++", "interwebsLevel", 7},
        {"2.0F? N i+++", "furrySite", 1},
        {"2.0F? N i+++", "interwebsLevel", 7},
        {"2.0F? Nf+++", "furrySite", 1},
        {"2.0F? Nf+++", "interwebsLevel", 7},
        {"2.0F? Nif+++", "interwebsLevel", 4},  // one letter only
        {"2.0F? N++", "furrySite", 0},
    });
}

// --- Kinks -------------------------------------------------------------------------------

constexpr int kFursuit = 0;
constexpr int kAgePlay = 3;
constexpr int kAnythingGoes = 5;
constexpr int kCuddling = 23;

BRINDLEX_EVERY_READ_PATH(Kinks);

TEST_P(Kinks, WorkedExamples) {
    const PROFILE p = Read("2.0F? K  Su+  C+*");
    EXPECT_EQ(p.includeKinks, 1u);
    EXPECT_EQ(p.kink(kFursuit), 5u);
    EXPECT_EQ(p.kink(kCuddling), 13u);

    const std::vector<std::tuple<std::string_view, int, unsigned>> cases = {
        {"Su", kFursuit, 0},       {"Su#+", kFursuit, 4},    {"Su+#", kFursuit, 1},
        {"A +", kAnythingGoes, 5}, {"A p+", kAgePlay, 5},    {"Su+ Su-", kFursuit, 10},
        {"S u * -", kFursuit, 11}, {"Su+  Su", kFursuit, 0}, {"CuddlingC-", kCuddling, 10},
    };
    for (const auto& [kinks, position, cell] : cases) {
        const std::string line = "2.0F? K "s + std::string(kinks);
        EXPECT_EQ(Read(line).kink(position), cell) << line;
    }
}

TEST_P(Kinks, NothingElseIsRead) {
    PROFILE p = Read("2.0F? K  Sx+ V+ Gk+ Q+ \xC3+ 9+ Ys+");
    EXPECT_EQ(p.includeKinks, 1u);
    p.includeKinks = 0;
    EXPECT_EQ(p, PROFILE());
    EXPECT_EQ(Read("2.0F? K").includeKinks, 1u);
}

TEST_P(Kinks, EveryCodeReachesItsCell) {
    for (int position = 0; position < kKinkCount; ++position) {
        const std::string_view code = kKinks[static_cast<std::size_t>(position)].code;
        if (code.empty()) {
            continue;
        }
        const std::string line = "2.0F? K  "s + std::string(code) + "-*";
        PROFILE p = Read(line);
        EXPECT_EQ(p.kink(position), MakeKinkCell(2, 3)) << line;
        p.setKink(position, 0);
        p.includeKinks = 0;
        EXPECT_EQ(p, PROFILE()) << line;
    }
}

TEST_P(Kinks, MarkPositions) {
    const std::vector<std::tuple<std::string_view, unsigned, std::size_t>> cases = {
        {"+", 5, 1},  {"#-", 8, 2},     {" * + ", 7, 4}, {"x", 0, 0},
        {"  ", 0, 2}, {"-  Su", 10, 3}, {"+#", 1, 2},
    };
    for (const auto& [text, cell, end] : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(ReadKinkMarks(text, pos), cell) << text;
        EXPECT_EQ(pos, end) << text;
    }
}

// --- Lines that end anywhere --------------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(Truncated);

TEST_P(Truncated, UnfinishedTokensKeepWhatWasRead) {
    ExpectFields({
        {"2.0F? Ym/", "characterGender", 1},
        {"2.0F? Ym/", "yiffyYiffyLevel", 4},
        {"2.0F? Ym/", "yiffyYiffyPreference", 0},
        {"2.0F? W/", "workType", 0},
        {"2.0F? Wt", "workType", 0},
        {"2.0F? O2", "age", 2},
        {"2.0F? K  Su", "includeKinks", 1},
    });
}

TEST_P(Truncated, EveryPrefixOfALongLineIsAccepted) {
    PROFILE full;
    full.speciesFamily = 26;
    full.customSpeciesName = "Bob";
    full.sexPreference = 9;
    full.yiffyYiffyPreference = 6;
    full.madeOwnSuit = 1;
    full.fursuitsLevel = 6;
    full.age = 105;
    full.trainedFlags = 7;
    full.compyFlags = 5;
    full.compyLevel = 5;
    full.gamingFlags = 3;
    full.gamingLevel = 4;
    full.includeKinks = 1;
    for (int k = 0; k < kKinkCount; ++k) {
        full.setKink(k, static_cast<unsigned>(k % 16));
    }
    const std::string line = ComposeCode(full);
    for (std::size_t n = 4; n <= line.size(); ++n) {
        // An exact-size copy, so that a sanitizer sees any read past the end.
        std::unique_ptr<char[]> bytes(new char[n]);
        line.copy(bytes.get(), n);
        PROFILE p;
        EXPECT_TRUE(ParseCode(std::string_view(bytes.get(), n), p)) << line.substr(0, n);
    }
}

TEST_P(Truncated, ReadersStopAtTheEnd) {
    const std::string_view text = "+++";
    std::size_t pos = 7;
    EXPECT_EQ(ReadLevelMarks(text, pos), 4u);
    EXPECT_EQ(ReadGenderLetter(text, pos), 0u);
    EXPECT_EQ(ReadAttractionMarks(text, pos), 0u);
    EXPECT_EQ(ReadKinkMarks(text, pos), 0u);
    EXPECT_EQ(pos, 7u);
}

// --- Unexpected bytes ---------------------------------------------------------------------

BRINDLEX_EVERY_READ_PATH(UnexpectedBytes);

TEST_P(UnexpectedBytes, NulAndHighBytesArePassedOver) {
    const PROFILE p = Read("2.0F?\0\xA0 V+\0 \xFF M-- Q Z U X ] [ 9"s);
    EXPECT_EQ(p.artLevel, 5u);
    EXPECT_EQ(p.consLevel, 2u);
    EXPECT_EQ(p.customSpeciesName, "");
    // The text ends where the view ends, not at a NUL.
    EXPECT_EQ(Read(std::string_view("2.0F? V+\0 M+", 8)).consLevel, 0u);
}

// --- Lines close to the writer's own form ---------------------------------------------------
//
// A line as ComposeCode writes it is read by a reader of its own; these lines differ from
// such a line in one place, where that reader must leave the line to the general readers.
// The traced reading is the general readers' and is the reference.

// The trainedFlags bits of the trained fields with these work codes.
unsigned TrainedBits(std::initializer_list<std::string_view> codes) {
    unsigned bits = 0;
    for (std::string_view code : codes) {
        for (const WorkType& row : kWorkTypes) {
            if (row.code == code && row.trainedField >= 0) {
                bits |= 1u << row.trainedField;
            }
        }
    }
    return bits;
}

PROFILE ReadGenerally(std::string_view line) {
    PROFILE p;
    std::vector<ReadStep> steps;
    EXPECT_TRUE(ParseCode(line, p, &steps)) << line;
    return p;
}

BRINDLEX_EVERY_READ_PATH(WritersForm);

TEST_P(WritersForm, OneChangeFromTheWrittenLineReadsAsTheGeneralReadersDo) {
    PROFILE written;
    written.speciesFamily = 3;
    written.speciesIndex = 4;
    written.artLevel = 7;
    written.fursuitsLevel = 6;
    written.madeOwnSuit = 1;
    written.characterGender = 1;
    written.yiffyYiffyPreference = 9;
    written.workType = 5;
    written.trainedFlags = 1;
    written.age = 25;
    written.compyLevel = 5;
    written.compyFlags = 5;
    written.gamingLevel = 3;
    written.gamingFlags = 1;
    written.includeKinks = 1;
    written.setKink(0, MakeKinkCell(1, 3));
    written.setKink(20, MakeKinkCell(2, 2));
    const std::string line = ComposeCode(written);
    ASSERT_EQ(line,
              "2.0FCf0 V+++ M# Dm++ H# I# P# R# T# L# Ym#/+- Wtc/ar O25 Cwl+ Gr- E# F# B# N# "
              "J# A# S## K  Su+*  Co-");
    EXPECT_EQ(Read(line), ReadGenerally(line));
    struct Change {
        std::string_view from;
        std::string_view to;
        std::string_view field;  // what the changed line reads into it
        unsigned value;
    };
    const Change changes[] = {
        {" V+++", " V+ ++", "artLevel", 7},             // blanks among the marks
        {" V+++", " V++-", "artLevel", 5},              // marks of both kinds
        {" V+++", " V++++", "artLevel", 7},             // more marks than the writer's
        {" V+++", " V+#", "artLevel", 0},               // "#" after a mark
        {" V+++", " V+++\0"sv, "artLevel", 7},          // a NUL byte after the marks
        {" V+++", " \xA9\xFF\xFF\xFF", "artLevel", 0},  // bytes that look up like no marks
        {" V+++", " V+++-", "artLevel", 6},             // a mark past the fourth byte
        {" V+++", " Vk", "artLevel", 4},                // "k" ends in the bits of "+"
        {" M#", " Mc", "consLevel", 4},                 // "c" ends in the bits of "#"
        {" M#", " M #", "consLevel", 0},                // a blank before the marks
        {" M#", " M# +", "consLevel", 0},               // a mark left over
        {" H#", "  H+", "hugsLevel", 5},                // two blanks before the tag
        {" Dm++", " D m++", "madeOwnSuit", 1},          // a blank before the flag
        {" Dm++", " Dmm++", "fursuitsLevel", 4},        // the flag twice
        {"/+-", " /+-", "yiffyYiffyPreference", 9},
        {"/+-", "/ +-", "yiffyYiffyPreference", 9},
        {"/+-", "/+ -", "yiffyYiffyPreference", 9},
        {"/+-", "/+#", "yiffyYiffyPreference", 0},
        {"/+-", "\0/+-"sv, "yiffyYiffyPreference", 0},  // a NUL byte before the "/"
        {"/+-", "/#-", "yiffyYiffyPreference", 0},
        {" Wtc", " Wt c", "workType", 5},
        {"/ar", "/ar/ed/fa/sc", "trainedFlags", TrainedBits({"ar", "ed", "fa", "sc"})},
        {"/ar", "/ar/", "trainedFlags", 1},
        {"/ar", "/a", "trainedFlags", 0},
        {" O25", " O2 5", "age", 25},
        {" O25", " O 25", "age", 25},
        {" O25", " O025", "age", 25},
        {" O25", " O2500", "age", 127},
        {" Cwl+", " Cw l+", "compyFlags", 5},
        {" Cwl+", " Cwlmu*+", "compyFlags", 31},
        {" Gr-", " Gr -", "gamingLevel", 3},
        {" Gr-", " Gr m-", "gamingFlags", 3},
        {" S##", " S## V+", "artLevel", 5},  // a tag out of order
        {"  Su+*", "  S u+*", "includeKinks", 1},
        {"  Su+*", "  Su+ *", "includeKinks", 1},
        {"  Su+*", "  Su +*", "includeKinks", 1},
        {"  Su+*", " Su+*", "includeKinks", 1},
        {"  Su+*", "  Su+**", "includeKinks", 1},
        {"  Su+*", "  Qu+*", "includeKinks", 1},
        {"  Co-", "  Co- ", "includeKinks", 1},
    };
    for (const Change& c : changes) {
        std::string near = line;
        near.replace(near.find(c.from), c.from.size(), c.to);
        EXPECT_EQ(Field(Read(near), c.field), c.value) << near;
        EXPECT_EQ(Read(near), ReadGenerally(near)) << near;
    }
}

TEST_P(WritersForm, WrittenLinesReadAsTheGeneralReadersDo) {
    // Every level, gender and attraction value in every token that carries one.
    for (unsigned value = 0; value < 16; ++value) {
        PROFILE p;
        for (const FieldInfo& field : kProfileFields) {
            field.set(p, value % (field.maxValue() + 1));
        }
        p.speciesFamily = value;
        p.age = value * 9;
        const std::string line = ComposeCode(p);
        EXPECT_EQ(Read(line), ReadGenerally(line)) << line;
    }
}

}  // namespace
}  // namespace brindlex
