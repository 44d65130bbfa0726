#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/commands.h"
#include "codec/codec.h"

namespace brindlex {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

constexpr const char* kBroken = "2.0FCf9 V+ V- O 2 5 Qx";

Result Explain(const std::vector<std::string>& lines, bool json, bool repairs) {
    std::istringstream input;
    std::ostringstream out;
    std::ostringstream err;
    StreamInput in(input);
    StreamOutput output(out);
    const int status = RunExplain(lines, in, output, err, false, json, repairs);
    return {status, out.str(), err.str()};
}

TEST(ExplainRepairs, FollowTheAnswersAtOneBasedBytes) {
    const std::string text = Explain({kBroken, "2.0FCf5 V+"}, false, true).out;
    const std::string first = text.substr(0, text.find("\n\n") + 1);
    EXPECT_EQ(first.substr(first.find("Repairs:")),
              "Repairs:\n"
              "  byte 7, Anthro Level: \"9\" rewritten as \"7\"\n"
              "  byte 9, Art: \"V+\" overridden by a later token\n"
              "  byte 15, Age: \"O 2 5\" rewritten as \"O25\"\n"
              "  byte 21: \"Qx\" skipped\n");
    EXPECT_EQ(text.substr(text.size() - 15), "\nRepairs: none\n");
    // Blanks before the line count among its bytes.
    const std::string indented = Explain({std::string("\t ") + kBroken}, false, true).out;
    EXPECT_NE(indented.find("  byte 9, Anthro Level: \"9\" rewritten as \"7\"\n"),
              std::string::npos)
        << indented;
    EXPECT_NE(indented.find("  byte 23: \"Qx\" skipped\n"), std::string::npos) << indented;
    EXPECT_NE(Explain({"2.0FCf5 K  Su"}, false, true).out.find("\"Su\" rewritten as nothing\n"),
              std::string::npos);
}

TEST(ExplainRepairs, JsonWrapsTheAnswersOfEachLine) {
    const Result run = Explain({kBroken, "2.0FQ"}, true, true);
    EXPECT_EQ(run.status, kExitRejectedLine);
    std::istringstream lines(run.out);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    const auto object = nlohmann::json::parse(line);
    EXPECT_EQ(object.at("answers"), nlohmann::json::parse(Explain({kBroken}, true, false).out));
    const auto& repairs = object.at("repairs");
    ASSERT_EQ(repairs.size(), 4u);
    EXPECT_EQ(repairs[0], (nlohmann::json{{"byte", 7},
                                          {"text", "9"},
                                          {"kind", "rewritten"},
                                          {"category", "Anthro Level"},
                                          {"normal", "7"}}));
    EXPECT_EQ(repairs[1].at("kind"), "overridden");
    EXPECT_TRUE(repairs[1].at("normal").is_null());
    EXPECT_TRUE(repairs[3].at("category").is_null());
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "");  // the rejected line keeps its output line
}

Result Find(const std::string& text, bool normalize) {
    std::istringstream input(text);
    std::ostringstream out;
    std::ostringstream err;
    StreamInput in(input);
    StreamOutput output(out);
    const int status = RunFind(in, output, err, normalize);
    return {status, out.str(), ""};
}

TEST(FindCommand, PrintsEachLineWithItsNumber) {
    const std::string post = "hi\n> 2.0FCf5 V+\n> M-\nbye 2.0FLr3\n";
    const Result found = Find(post, false);
    EXPECT_EQ(found.status, kExitOk);
    EXPECT_EQ(found.out, "2: 2.0FCf5 V+ M-\n4: 2.0FLr3\n");
    PROFILE p;
    ParseCode("2.0FLr3", p);
    const std::string normal = Find(post, true).out;
    EXPECT_EQ(normal.substr(normal.find("\n4: ")), "\n4: " + ComposeCode(p) + "\n");
    EXPECT_EQ(Find("no code here, 2.0 F\n", false).status, kExitNothingFound);
}

Result Compare(const std::string& a, const std::string& b, bool json) {
    std::ostringstream out;
    std::ostringstream err;
    StreamOutput output(out);
    const int status = RunCompare(a, b, output, err, json);
    return {status, out.str(), err.str()};
}

TEST(CompareCommand, PrintsTheDifferencesAndCountsTheRest) {
    const Result text = Compare("2.0F? O25 A", "2.0F? O26 A", false);
    EXPECT_EQ(text.status, kExitOk);
    EXPECT_EQ(text.out, "Age:\n  1: 25 years\n  2: 26 years\n33 answers the same\n");

    const auto json = nlohmann::json::parse(Compare("2.0F? O25", "2.0F? O26", true).out);
    EXPECT_EQ(json.at("same"), 33);
    EXPECT_EQ(json.at("differences")[0].at("secondCode"), "O26");

    const Result rejected = Compare("2.0FQ", "2.0", false);
    EXPECT_EQ(rejected.status, kExitRejectedLine);
    EXPECT_EQ(rejected.out, "");
    EXPECT_EQ(rejected.err,
              "brindlex-code: line 1: unknown family code 'Q'\n"
              "brindlex-code: line 2: does not begin with 2.0F\n");
}

}  // namespace
}  // namespace brindlex
