// The window's answers file: nothing in it is lost when one member is wrong or unknown.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "codec/codec.h"
#include "profile/answers_file.h"

namespace brindlex {
namespace {

PROFILE Parsed(const char* line) {
    PROFILE profile;
    EXPECT_TRUE(ParseCode(line, profile)) << line;
    return profile;
}

// The file of `profile` with `member` (JSON text) put in place of, or after, its own.
std::string WithMember(const PROFILE& profile, const std::string& name, const std::string& value) {
    nlohmann::ordered_json json = nlohmann::ordered_json::parse(ProfileToJsonText(profile));
    json[name] = nlohmann::ordered_json::parse(value);
    return json.dump();
}

TEST(AnswersFile, ReadsWhatItWritesWithTheMembersOfANewerVersion) {
    const PROFILE fox = Parsed("2.0FCf[Snow \"Owl\"]5mw V+++ Dm++ O25 Nf+++ K  Su+");
    const std::vector<KeptMember> kept = {{"furColour", R"({"main":"red","spots":[1,2]})"},
                                          {"name with \"quotes\"", "null"}};
    const std::string text = WriteAnswersFile(fox, kept);
    EXPECT_EQ(text.substr(0, ProfileToJsonText(fox).size() - 1),
              ProfileToJsonText(fox).substr(0, ProfileToJsonText(fox).size() - 1));

    const AnswersFile read = ReadAnswersFile(text);
    EXPECT_EQ(read.profile, fox);
    EXPECT_TRUE(read.lost.empty());
    ASSERT_EQ(read.kept.size(), 2u);
    // Written again, the members come out as they went in, whatever their order.
    const auto again = nlohmann::json::parse(WriteAnswersFile(read.profile, read.kept));
    EXPECT_EQ(again, nlohmann::json::parse(text));
    EXPECT_EQ(again.at("furColour").at("spots"), nlohmann::json::parse("[1,2]"));
    // Without any, it is the record's own JSON.
    EXPECT_EQ(WriteAnswersFile(fox, {}), ProfileToJsonText(fox));
}

TEST(AnswersFile, OneWrongMemberLosesItsOwnAnswerAlone) {
    const PROFILE fox = Parsed("2.0FCf5 V+++ Dm++ O25 Nf+++");
    const std::pair<std::string, std::string> wrong[] = {
        {"age", "500"},           {"artLevel", "\"high\""}, {"customSpeciesName", "7"},
        {"kinkPrefs", "[1,2,3]"}, {"anthroLevel", "-1"},    {"madeOwnSuit", "2.5"},
    };
    for (const auto& [member, value] : wrong) {
        const AnswersFile read = ReadAnswersFile(WithMember(fox, member, value));
        PROFILE expected = fox;
        if (const FieldInfo* field = FindField(member)) {
            field->set(expected, 0);
        } else if (member == "customSpeciesName") {
            expected.customSpeciesName.clear();
        } else {
            expected.kinkPrefs = {};
        }
        EXPECT_EQ(read.profile, expected) << member;
        ASSERT_EQ(read.lost.size(), 1u) << member;
        EXPECT_EQ(read.lost[0].member, member);
        EXPECT_EQ(read.lost[0].value, value);
        EXPECT_NE(read.lost[0].message.find("'" + member + "'"), std::string::npos);
        EXPECT_TRUE(read.kept.empty());
    }
    EXPECT_NE(ReadAnswersFile(WithMember(fox, "age", "500"))
                  .lost[0]
                  .message.find("'age' is 500, which no answer has"),
              std::string::npos);

    // Several at once, an unknown one among them, and a control character in the name,
    // which the window keeps.
    std::string text = WithMember(fox, "age", "500");
    text = WithMember(ReadAnswersFile(text).profile, "artLevel", "9");
    const auto json = nlohmann::json::parse(text);
    nlohmann::json many = json;
    many["age"] = 500;
    many["future"] = {1, 2};
    many["customSpeciesName"] = "a\nb";
    const AnswersFile read = ReadAnswersFile(many.dump());
    EXPECT_EQ(read.lost.size(), 2u);
    EXPECT_EQ(read.kept.size(), 1u);
    EXPECT_EQ(read.profile.customSpeciesName, "a\nb");
    EXPECT_EQ(read.profile.anthroLevel, fox.anthroLevel);
    EXPECT_EQ(read.profile.age, 0u);
}

TEST(AnswersFile, ATextThatIsNoRecordIsToldByItsProblem) {
    using Problem = ProfileJsonError::Problem;
    const std::string whole = ProfileToJsonText(Parsed("2.0FCf5 V+"));
    const std::pair<std::string, Problem> cases[] = {
        {"", Problem::kEmpty},
        {"\n\n", Problem::kEmpty},
        {whole.substr(0, whole.size() / 2), Problem::kEndsEarly},
        {"[1,2]", Problem::kNotRecord},
        {"<html>", Problem::kNotJson},
        // A wrong member first, and text that is no JSON after it.
        {R"({"age":500,"artLevel":1 "x"})", Problem::kNotJson},
        {R"({"age":500,"artLevel":)", Problem::kEndsEarly},
    };
    for (const auto& [text, problem] : cases) {
        try {
            ReadAnswersFile(text);
            ADD_FAILURE() << text << " was read";
        } catch (const ProfileJsonError& error) {
            EXPECT_EQ(error.problem(), problem) << text << ": " << error.what();
            EXPECT_TRUE(error.ofWholeText());
        }
    }
}

}  // namespace
}  // namespace brindlex
