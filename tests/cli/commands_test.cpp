#include <gtest/gtest.h>

#include <sstream>

#include "codec/codec.h"
#include "cli/commands.h"
#include "cli/profile_json.h"

namespace brindlex {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result Compose(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCompose(in, out, err);
    return {status, out.str(), err.str()};
}

template <typename Command>
Result Lines(Command command, const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(ComposeCommand, PrintsTheCodeLineOfTheRecord) {
    PROFILE p;
    p.speciesFamily = 3;
    p.speciesIndex = 4;
    p.anthroLevel = 5;
    const Result run = Compose(R"({"speciesFamily":3,"speciesIndex":4,"anthroLevel":5})");
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, ComposeCode(p) + "\n");
    EXPECT_EQ(run.err, "");

    std::string kinkPrefs = "[5";
    for (int k = 1; k < kKinkCount; ++k) {
        kinkPrefs += ",0";
    }
    const Result kinks = Compose(R"({"includeKinks":true,"customSpeciesName":"Kudu",)"
                                 R"("speciesFamily":26,"kinkPrefs":)" +
                                 kinkPrefs + "]}");
    EXPECT_EQ(kinks.status, kExitOk) << kinks.err;
    EXPECT_EQ(kinks.out.substr(0, 12), "2.0FO[Kudu]0");
    const std::string tail = " S## K  Su+\n";  // kink 0 (Fursuit) at role play "Like"
    EXPECT_EQ(kinks.out.substr(kinks.out.size() - tail.size()), tail);
}

TEST(ComposeCommand, RejectsWhatIsNotARecord) {
    const std::pair<std::string, std::string> cases[] = {
        {R"({"artLevel":9})", "artLevel"},
        {R"({"artLevel":-1})", "artLevel"},
        {R"({"artLevel":"7"})", "artLevel"},
        {R"({"artLevel":2.5})", "artLevel"},
        {R"({"speciesFamily":32})", "speciesFamily"},
        {R"({"customSpeciesName":7})", "customSpeciesName"},
        {R"({"furColour":1})", "furColour"},
        {R"({"kinkPrefs":[1,2,3]})", "kinkPrefs"},
        {R"([1,2])", "object"},
        {R"({"artLevel":)", "not JSON"},
        {"", "not JSON"},
    };
    for (const auto& [input, named] : cases) {
        const Result run = Compose(input);
        EXPECT_EQ(run.status, kExitBadInput) << input;
        EXPECT_EQ(run.out, "") << input;
        EXPECT_NE(run.err.find(named), std::string::npos) << input << " -> " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_NE(Compose(R"({"artLevel":9})").err.find("0..7"), std::string::npos);
    EXPECT_NE(Compose(R"({"trainedFlags":2097152})").err.find("0..2097151"), std::string::npos);
}

TEST(ProfileJson, EveryMemberRoundTrips) {
    PROFILE p;
    unsigned value = 1;
    for (const FieldInfo& f : kProfileFields) {
        f.set(p, value++ & f.maxValue());
    }
    for (int k = 0; k < kKinkCount; ++k) {
        p.setKink(k, static_cast<unsigned>(k * 7));
    }
    p.customSpeciesName = "Snow Owl";
    const nlohmann::ordered_json json = ProfileToJson(p);
    EXPECT_EQ(json.size(), kProfileFields.size() + 2);
    EXPECT_EQ(json.begin().key(), "speciesFamily");
    EXPECT_EQ(ProfileFromJson(nlohmann::json::parse(json.dump())), p);
}

TEST(NormalizeCommand, AlignsOutputWithInputAndExplainsRejections) {
    const Result run = Lines(RunNormalize, {}, "2.0FCf5mw V+++ Nf+++\r\n2.0f?\n2.0FQ\n2.0F\n");
    PROFILE first;
    ASSERT_TRUE(ParseCode("2.0FCf5mw V+++ Nf+++", first));
    PROFILE empty;
    EXPECT_EQ(run.out, ComposeCode(first) + "\n\n\n" + ComposeCode(empty) + "\n");
    EXPECT_NE(run.out.find("Nf+++"), std::string::npos);
    EXPECT_EQ(run.status, kExitRejectedLine);
    EXPECT_NE(run.err.find("line 2: does not begin with 2.0F"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("line 3: unknown family code 'Q'"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("line 1"), std::string::npos);

    const Result args = Lines(RunNormalize, {"2.0F? V+", "2.0F? V-"}, "ignored");
    EXPECT_EQ(args.status, kExitOk);
    EXPECT_NE(args.out.find(" V+ M#"), std::string::npos);
    EXPECT_NE(args.out.find("\n2.0F?0 V- M#"), std::string::npos);
}

TEST(DecodeCommand, ComposeOfDecodeGivesTheNormalForm) {
    const std::string line = "2.0FCf[Bob]5mw V+++ Dm++ Ym/+- Wtc/ar O25 Cwl+ Nf+++ K  Su+  C+*";
    const Result decoded = Lines(RunDecode, {line});
    ASSERT_EQ(decoded.status, kExitOk) << decoded.err;
    ASSERT_EQ(std::count(decoded.out.begin(), decoded.out.end(), '\n'), 1);
    const Result composed = Compose(decoded.out);
    const Result normal = Lines(RunNormalize, {line});
    EXPECT_EQ(composed.out, normal.out);

    const Result rejected = Lines(RunDecode, {}, "x\n");
    EXPECT_EQ(rejected.status, kExitRejectedLine);
    EXPECT_EQ(rejected.out, "\n");
}

TEST(DecodeCommand, NamesThatAreNotUtf8ShowReplacementCharacters) {
    const Result run = Lines(RunDecode, {std::string("2.0FO[K\xFFu]")});
    ASSERT_EQ(run.status, kExitOk);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["customSpeciesName"], "K\xEF\xBF\xBDu");
}

}  // namespace
}  // namespace brindlex
