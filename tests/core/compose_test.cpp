#include <gtest/gtest.h>

#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/core/readpaths.h"

namespace brindlex {
namespace {

constexpr std::string_view kZeroLine =
    "2.0F?0 V# M# D# H# I# P# R# T# L# Yp# W# O# C# G# E# F# B# N# J# A# S##";

// The dog with a few answers that the writer's examples start from.
PROFILE ExampleDog() {
    PROFILE p;
    p.speciesFamily = 3;
    p.speciesIndex = 4;
    p.anthroLevel = 5;
    p.specificsFlags = (1u << 3) | (1u << 8);  // Magical, Winged
    p.artLevel = 7;
    p.fursuitsLevel = 6;
    p.madeOwnSuit = 1;
    p.characterGender = 1;
    p.yiffyYiffyLevel = 4;
    p.workType = 5;
    p.trainedFlags = (1u << 0) | (1u << 4);
    p.age = 25;
    p.compyLevel = 5;
    p.compyFlags = 1u | 4u;  // Windows, Linux
    p.gamingLevel = 3;
    p.gamingFlags = 1;  // RPG
    p.interwebsLevel = 7;
    p.furrySite = 1;
    p.ownGender = 1;
    return p;
}

std::string Section(PROFILE p, char tag) {
    const std::string line = ComposeCode(p);
    const std::size_t start = line.find(std::string(" ") + tag);
    return line.substr(start, line.find(' ', start + 1) - start);
}

BRINDLEX_EVERY_READ_PATH(Compose);

TEST_P(Compose, AllZeroRecord) {
    PROFILE p;
    EXPECT_EQ(ComposeCode(p), kZeroLine);
}

TEST_P(Compose, WorkedExampleLines) {
    PROFILE p = ExampleDog();
    EXPECT_EQ(ComposeCode(p),
              "2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+ Gr- E# F# B# Nf+++ J# "
              "A# Sm#");
    p.sexPreference = 9;
    EXPECT_EQ(ComposeCode(p).substr(ComposeCode(p).size() - 7), " Sm#/+-");
    p.includeKinks = 1;
    p.setKink(0, MakeKinkCell(1, 1));   // Fursuit
    p.setKink(23, MakeKinkCell(1, 3));  // Cuddling
    const std::string line = ComposeCode(p);
    EXPECT_EQ(line.substr(line.size() - 19), " Sm#/+- K  Su+  C+*");
}

TEST_P(Compose, KinkTokens) {
    PROFILE p;
    p.includeKinks = 1;
    EXPECT_EQ(ComposeCode(p).substr(ComposeCode(p).size() - 5), "S## K");

    p.setKink(KinkByCode("Ap"), MakeKinkCell(0, 2));
    p.setKink(KinkByCode("Zo"), MakeKinkCell(3, 3));
    p.setKink(KinkByCode("Ta"), MakeKinkCell(1, 1));
    p.setKink(84, MakeKinkCell(2, 2));  // Tall Body has no code
    p.setKink(KinkByCode("A"), MakeKinkCell(1, 2));
    std::string line = ComposeCode(p);
    // Written in the writing order, not the list order.
    EXPECT_EQ(line.substr(line.find(" K")), " K  Zo*  A+-  Ap#-  Ta+");

    p.includeKinks = 0;
    line = ComposeCode(p);
    EXPECT_EQ(line, kZeroLine);
}

TEST_P(Compose, SpeciesAndCustomName) {
    PROFILE p;
    p.speciesFamily = 1;
    p.customSpeciesName = "Kudu";
    EXPECT_EQ(ComposeCode(p).substr(0, 14), "2.0FAR*[Kudu]0");
    p.customSpeciesName = "   ";
    EXPECT_EQ(ComposeCode(p).substr(0, 9), "2.0FAR*0 ");
    p.speciesFamily = 26;
    p.customSpeciesName = "Kudu";
    EXPECT_EQ(ComposeCode(p).substr(0, 12), "2.0FO[Kudu]0");
    p.speciesFamily = 29;
    EXPECT_EQ(ComposeCode(p).substr(0, 12), "2.0FO[Kudu]0");
    p.speciesFamily = 25;
    EXPECT_EQ(ComposeCode(p).substr(0, 12), "2.0FZ[Kudu]0");
    p.speciesFamily = 0;
    EXPECT_EQ(ComposeCode(p), kZeroLine);

    p.speciesFamily = 2;  // Avian has 11 letters
    p.speciesIndex = 12;
    EXPECT_EQ(ComposeCode(p).substr(0, 13), "2.0FA*[Kudu]0");
    EXPECT_EQ(p.speciesIndex, 0u);

    p.speciesFamily = 8;
    p.speciesIndex = 3;
    EXPECT_EQ(ComposeCode(p).substr(0, 8), "2.0FEDs0");
    EXPECT_EQ(p.speciesIndex, 3u);

    p.speciesFamily = 9;  // Feline: letters run on to the two extra cats
    p.speciesIndex = 14;
    EXPECT_EQ(ComposeCode(p).substr(0, 7), "2.0FFx0");
    p.speciesIndex = 15;
    EXPECT_EQ(ComposeCode(p).substr(0, 13), "2.0FF*[Kudu]0");
    EXPECT_EQ(p.speciesIndex, 0u);

    p.speciesFamily = 25;
    p.speciesIndex = 5;
    ComposeCode(p);
    EXPECT_EQ(p.speciesIndex, 0u);
}

TEST_P(Compose, NameNeverCarriesAClosingBracket) {
    PROFILE p;
    p.speciesFamily = 26;
    p.customSpeciesName = "Ku]du]";
    EXPECT_EQ(ComposeCode(p).substr(0, 12), "2.0FO[Kudu]0");
    EXPECT_EQ(p.customSpeciesName, "Ku]du]");
    p.customSpeciesName = "] ]";
    EXPECT_EQ(ComposeCode(p).substr(0, 7), "2.0FO0 ");
    p.customSpeciesName = "]";
    EXPECT_EQ(ComposeCode(p).substr(0, 7), "2.0FO0 ");
    p.customSpeciesName = " a b ";
    EXPECT_EQ(ComposeCode(p).substr(0, 13), "2.0FO[ a b ]0");
}

TEST_P(Compose, NamesOfEveryLengthGoBetweenTheHeadAndTheDigit) {
    PROFILE p;
    p.speciesFamily = 26;
    p.artLevel = 5;
    p.includeKinks = 1;
    p.setKink(0, 7);
    const std::string tail = ComposeCode(p).substr(5);  // after "2.0FO"
    for (std::size_t size : {2u, 200u, 250u, 252u, 253u, 254u, 255u, 256u, 300u, 5000u}) {
        std::string name(size, 'n');
        name[size / 2] = ']';
        p.customSpeciesName = name;
        std::string without = name;
        without.erase(size / 2, 1);
        const std::string line = ComposeCode(p);
        EXPECT_EQ(line, "2.0FO[" + without + "]" + tail) << size;
        std::string out = "before\n";
        ComposeCodeInto(p, out);
        EXPECT_EQ(out, "before\n" + line) << size;
    }
}

TEST_P(Compose, TraitLettersAndFamilyOmissions) {
    PROFILE p;
    p.specificsFlags = 0x1FFFF;
    p.speciesFamily = 7;
    EXPECT_EQ(ComposeCode(p).substr(0, 23), "2.0FE*0clhmpytuvwadifrg");
    EXPECT_EQ(ComposeCode(p).substr(23, 2), "s ");
    p.specificsFlags = (1u << kTraitPolymorphBit) | (1u << kTraitTaurBit);
    p.speciesFamily = 25;
    EXPECT_EQ(ComposeCode(p).substr(0, 8), "2.0FZ0t ");
    p.speciesFamily = 4;
    EXPECT_EQ(ComposeCode(p).substr(0, 9), "2.0FCE*0p");
    EXPECT_EQ(ComposeCode(p)[9], ' ');
}

TEST_P(Compose, LevelSections) {
    PROFILE p;
    const std::pair<unsigned, std::string_view> marks[] = {{0, " V#"},  {1, " V---"}, {2, " V--"},
                                                           {3, " V-"},  {4, " V"},    {5, " V+"},
                                                           {6, " V++"}, {7, " V+++"}};
    for (const auto& [level, token] : marks) {
        p.artLevel = level;
        EXPECT_EQ(Section(p, 'V'), token);
    }
    p.madeOwnSuit = 1;
    p.fursuitsLevel = 4;
    EXPECT_EQ(Section(p, 'D'), " D");
    p.fursuitsLevel = 5;
    EXPECT_EQ(Section(p, 'D'), " Dm+");
    p.interwebsLevel = 6;
    p.furrySite = 1;
    EXPECT_EQ(Section(p, 'N'), " N++");
    p.interwebsLevel = 7;
    p.furrySite = 0;
    EXPECT_EQ(Section(p, 'N'), " N+++");
}

TEST_P(Compose, CompyAndGamingLetters) {
    PROFILE p;
    p.compyFlags = 1;
    p.compyLevel = 3;
    EXPECT_EQ(Section(p, 'C'), " C-");
    p.compyFlags = 0x1F;
    p.compyLevel = 7;
    EXPECT_EQ(Section(p, 'C'), " C+++");
    p.compyFlags = 0x1E;
    p.compyLevel = 4;
    EXPECT_EQ(Section(p, 'C'), " Cmlu*");

    p.gamingFlags = 0x1FF;
    p.gamingLevel = 1;
    EXPECT_EQ(Section(p, 'G'), " G---");
    p.gamingFlags = 1u << 8;
    p.gamingLevel = 2;
    EXPECT_EQ(Section(p, 'G'), " G*--");
    p.gamingFlags = 0x1FF;
    p.gamingLevel = 4;
    EXPECT_EQ(Section(p, 'G'), " Grmfazbps*");
}

TEST_P(Compose, WorkAndTrainedFields) {
    PROFILE p;
    p.workType = 7;
    p.trainedFlags = 1u << 6;
    EXPECT_EQ(Section(p, 'W'), " Wed");
    p.workType = 1;
    EXPECT_EQ(Section(p, 'W'), " War/ed");
    p.workType = 23;
    p.trainedFlags = 0;
    EXPECT_EQ(Section(p, 'W'), " W+");
    p.workType = 25;
    EXPECT_EQ(Section(p, 'W'), " W+");
    p.workType = 26;
    EXPECT_EQ(Section(p, 'W'), " W*");
    p.workType = 27;
    EXPECT_EQ(Section(p, 'W'), " W-");
    p.workType = 31;
    EXPECT_EQ(Section(p, 'W'), " W+");
    p.workType = 22;  // Vetinary is trained field 20, the last one
    p.trainedFlags = 0x1FFFFF;
    const std::string work = Section(p, 'W');
    EXPECT_EQ(work.substr(0, 10), " Wvt/ar/bm");
    EXPECT_EQ(work.substr(work.size() - 6), "/th/tr");
    EXPECT_EQ(work.find("/vt"), std::string::npos);
    EXPECT_EQ(work.find("/st"), std::string::npos);
}

TEST_P(Compose, Age) {
    const std::pair<unsigned, std::string_view> cases[] = {
        {0, " O#"},     {9, " O9"},     {25, " O25"}, {100, " O100"}, {105, " O105"},
        {120, " O120"}, {121, " O---"}, {124, " O"},  {127, " O+++"}};
    for (const auto& [age, token] : cases) {
        PROFILE p;
        p.age = age;
        EXPECT_EQ(Section(p, 'O'), token) << age;
    }
}

TEST_P(Compose, SexAndYiffyGenders) {
    PROFILE p;
    p.ownGender = 3;
    p.sexLevel = 4;
    p.characterGender = 2;
    p.yiffyYiffyLevel = 7;
    p.yiffyYiffyPreference = MakeKinkCell(0, 1);  // guys unspecified, girls attracted
    EXPECT_EQ(Section(p, 'Y'), " Yf+++/!+");
    const std::string line = ComposeCode(p);
    EXPECT_EQ(line.substr(line.size() - 3), " Sh");
}

TEST_P(Compose, NeverEndsInABlankNorDoublesOne) {
    PROFILE p;
    for (const FieldInfo& f : kProfileFields) {
        f.set(p, f.maxValue());
    }
    p.speciesFamily = 26;
    p.customSpeciesName = "Snow  Owl";
    p.kinkPrefs.fill(0x21);
    const std::string line = ComposeCode(p);
    EXPECT_NE(line.back(), ' ');
    const std::string head = line.substr(0, line.find(" K"));
    EXPECT_EQ(head.find("  ", head.find(']')), std::string::npos);
    EXPECT_EQ(ComposeCode(p), line);  // composing again gives the same text
}

}  // namespace
}  // namespace brindlex
