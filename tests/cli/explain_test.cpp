#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/commands.h"
#include "codec/codec.h"
#include "profile/categories.h"

namespace brindlex {
namespace {

constexpr const char* kExample =
    "2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+ Gr- E# F# B# Nf+++ J# A# "
    "Sm#/+- K  Su+  C+*";

std::string Explain(const std::string& line, bool all = false, bool json = false,
                    int* status = nullptr, std::string* err = nullptr) {
    std::istringstream text;
    std::ostringstream written;
    StreamInput in(text);
    StreamOutput out(written);
    std::ostringstream errors;
    const int result = RunExplain({line}, in, out, errors, all, json);
    if (status != nullptr) {
        *status = result;
    }
    if (err != nullptr) {
        *err = errors.str();
    }
    return written.str();
}

// The help-text line for `level` of `category`, without its number.
std::string HelpLine(int category, unsigned level) {
    const std::string_view text = kLevelHelpTexts[static_cast<std::size_t>(category)];
    const std::string prefix = std::to_string(level - 1) + " - ";
    const std::size_t start = text.find(prefix) + prefix.size();
    return std::string(text.substr(start, text.find("\r\n", start) - start));
}

TEST(Explain, TheWriterExampleInFull) {
    const std::string expected =
        "Species: Canidae (Dog), Fox\n"
        "Traits: Magical, Winged\n"
        "Character gender: Male\n"
        "Anthro Level: step 5 of 7, above \"" +
        HelpLine(2, 4) + "\" and below \"" + HelpLine(2, 7) +
        "\"\n"
        "Fursuits: " +
        HelpLine(5, 6) +
        "\n"
        "Made own suit: yes\n"
        "Art: " +
        HelpLine(10, 7) +
        "\n"
        "YiffyYiffy: " +
        HelpLine(12, 4) +
        "\n"
        "Age: 25 years\n"
        "Own gender: Male\n"
        "Work: Technology\n"
        "Trained in: Arts\n"
        "Gaming: " +
        HelpLine(19, 3) +
        "\n"
        "Games: RPG\n"
        "Interwebs: " +
        HelpLine(20, 7) +
        "\n"
        "Furry site: yes\n"
        "Compy: " +
        HelpLine(21, 5) +
        "\n"
        "Operating systems: Windows, Linux\n"
        "Sex preference: guys: Sexually Attracted, girls: Not Attracted To\n"
        "Include my kinks: yes\n"
        "Fursuit: role play Like, real life Like\n"
        "Cuddling: role play Like, real life Maybe\n";
    EXPECT_EQ(Explain(kExample), expected);
}

TEST(Explain, NamesAgesAndTheWrappedArtLine) {
    const std::string named = Explain("2.0FAR*[Kudu]0 O+++ V++");
    EXPECT_NE(named.find("Species: Artiodactyla (Two-Hoofed), Kudu\n"), std::string::npos);
    EXPECT_NE(named.find("Age: 60+\n"), std::string::npos);
    // Answer 5 of the Art text runs over two lines; both halves are told.
    const std::string art = named.substr(named.find("Art: "));
    EXPECT_NE(art.find(HelpLine(10, 6)), std::string::npos);
    EXPECT_GT(art.find('\n'), 5 + HelpLine(10, 6).size());

    EXPECT_NE(Explain("2.0FO[Snow Owl]").find("Species: Other, Snow Owl\n"), std::string::npos);
    EXPECT_NE(Explain("2.0F? O105").find("Age: 105 years\n"), std::string::npos);
    EXPECT_NE(Explain("2.0F? O---").find("Age: Under 10 years of age\n"), std::string::npos);
    EXPECT_NE(Explain("2.0F? A---").find("Pets: " + HelpLine(18, 1)), std::string::npos);
    // What the line does not carry is not told: suit letter below level 5.
    EXPECT_EQ(Explain("2.0F? Dm").find("Made own suit"), std::string::npos);
}

TEST(Explain, AllListsEveryCategoryUnanswered) {
    const std::string text = Explain("2.0F", true);
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
    }
    // Every category of the first two tabs, the extra answers some pages
    // carry, the kink switch and the 96 kinks.
    EXPECT_EQ(count, 34 + kKinkCount);
    for (int c = 2; c < kLevelCategoryCount; ++c) {
        if (LevelFieldOf(c) != nullptr) {
            EXPECT_NE(text.find(std::string(CategoryCaption(c)) + ": no answer\n"),
                      std::string::npos)
                << CategoryCaption(c);
        }
    }
    EXPECT_NE(text.find("Species: Undecided\n"), std::string::npos);
    EXPECT_NE(text.find("Watersports: role play Unspecify, real life Unspecify\n"),
              std::string::npos);
    EXPECT_EQ(Explain("2.0F"), "");
}

TEST(Explain, JsonCodesArePiecesOfTheNormalForm) {
    for (const std::string& line : {std::string(kExample), std::string("2.0FO[Snow Owl]3 V- O+++"),
                                    std::string("2.0FF[x]w Wst/ar/ge Ym/!+ K  Ta*- Zo#")}) {
        PROFILE p;
        ASSERT_TRUE(ParseCode(line, p));
        const std::string normal = ComposeCode(p);
        const auto json = nlohmann::json::parse(Explain(line, false, true));
        ASSERT_TRUE(json.is_array());
        EXPECT_FALSE(json.empty());
        for (const auto& item : json) {
            EXPECT_NE(normal.find(item.at("code").get<std::string>()), std::string::npos)
                << item.dump() << " in " << normal;
            EXPECT_FALSE(item.at("answer").get<std::string>().empty());
        }
    }
    const auto json = nlohmann::json::parse(Explain(kExample, false, true));
    EXPECT_EQ(json[0],
              (nlohmann::json{
                  {"category", "Species"}, {"answer", "Canidae (Dog), Fox"}, {"code", "Cf"}}));
    EXPECT_EQ(json[1].at("code"), "mw");
    EXPECT_EQ(json[3].at("code"), "5");
}

TEST(Explain, RejectedLinesAreExplainedLikeNormalize) {
    int status = 0;
    std::string err;
    EXPECT_EQ(Explain("2.0FQ", false, true, &status, &err), "\n");
    EXPECT_EQ(status, kExitRejectedLine);
    EXPECT_EQ(err, "brindlex-code: line 1: unknown family code 'Q'\n");
}

}  // namespace
}  // namespace brindlex
