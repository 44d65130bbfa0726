#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/commands.h"
#include "codec/codec.h"
#include "profile/profile_json.h"

namespace brindlex {
namespace {

using namespace std::string_literals;

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result Compose(const std::string& input) {
    std::istringstream text(input);
    std::ostringstream written;
    StreamInput in(text);
    StreamOutput out(written);
    std::ostringstream err;
    const int status = RunCompose(in, out, err);
    return {status, written.str(), err.str()};
}

template <typename Command>
Result Lines(Command command, const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream text(input);
    std::ostringstream written;
    StreamInput in(text);
    StreamOutput out(written);
    std::ostringstream err;
    const int status = command(args, in, out, err);
    return {status, written.str(), err.str()};
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

TEST(ComposeCommand, RejectsWhatIsNotARecordInPlainWords) {
    const std::pair<std::string, std::string> cases[] = {
        {R"({"artLevel":9})", "'artLevel' is 9, which no answer has (it takes 0..7)"},
        {R"({"artLevel":-1})", "'artLevel' is -1, which no answer has"},
        {R"({"artLevel":"7"})", "'artLevel' is \"7\", which no answer has"},
        {R"({"artLevel":2.5})", "'artLevel' is 2.5, which no answer has"},
        {R"({"artLevel":null})", "'artLevel' is null, which no answer has"},
        {R"({"anthroLevel":99})", "'anthroLevel' is 99, which no answer has"},
        {R"({"speciesFamily":32})", "'speciesFamily' is 32, which no answer has (it takes 0..31)"},
        {R"({"customSpeciesName":7})", "'customSpeciesName' is 7, but it takes a text in quotes"},
        {R"({"furColour":1})", "'furColour' is no answer that Brindlex knows"},
        {R"({"kinkPrefs":[1,2,3]})", "'kinkPrefs' holds 3 answers, but it takes 96 answers"},
        {R"({"kinkPrefs":{"a":1}})", "'kinkPrefs' is {...}, but it takes a list of 96 answers"},
        {R"({"kinkPrefs":[16]})",
         "'kinkPrefs' answer 1 is 16, which no answer has (it takes 0..15)"},
        {R"([1,2])", "not an answers record, which is one JSON object"},
        {R"({"artLevel":)", "the text ends in the middle of the answers, after byte 12"},
        {R"({"artLevel":x})", "byte 13 cannot be read as JSON"},
        {"", "the text is empty"},
        {" \n", "the text is empty"},
        {R"({"age":1e400})", "'age' is 1e400, which no answer has (it takes 0..127)"},
        {R"({"age":500,"age":30})", "'age' is 500"},
        {R"({"age":30,"age":30})", "'age' is given twice"},
        {R"({"artLevel":1,"customSpeciesName":"a","artLevel":1})", "'artLevel' is given twice"},
        {R"({"speciesFamily":26,"customSpeciesName":"a\nb"})",
         "customSpeciesName' holds the control character U+000A"},
        {R"({"speciesFamily":26,"customSpeciesName":"a\u0000b"})", "U+0000"},
        {R"({"speciesFamily":26,"customSpeciesName":"\u007f"})", "U+007F"},
    };
    for (const auto& [input, named] : cases) {
        const Result run = Compose(input);
        EXPECT_EQ(run.status, kExitBadInput) << input;
        EXPECT_EQ(run.out, "") << input;
        EXPECT_NE(run.err.find(named), std::string::npos) << input << " -> " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        // The JSON library's own words stay out of the message.
        EXPECT_EQ(run.err.find("json"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("exception"), std::string::npos) << run.err;
    }
    EXPECT_NE(Compose(R"({"trainedFlags":2097152})").err.find("0..2097151"), std::string::npos);
    // A long value is shown shortened, cut between characters.
    const Result longName =
        Compose(R"({"artLevel":")" + std::string(30, 'x') +
                "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9" + std::string(100, 'y') + "\"}");
    EXPECT_NE(
        longName.err.find("\"" + std::string(30, 'x') + "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9..."),
        std::string::npos)
        << longName.err;
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
    const std::string text = ProfileToJsonText(p);
    const auto json = nlohmann::ordered_json::parse(text);
    EXPECT_EQ(json.size(), kProfileFields.size() + 2);
    EXPECT_EQ(json.begin().key(), "speciesFamily");
    EXPECT_EQ(ProfileFromJsonText(text), p);
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

TEST(NormalizeCommand, ReadsEveryLineEndAndSavedFiles) {
    PROFILE fox;
    ASSERT_TRUE(ParseCode("2.0FCf5", fox));
    PROFILE art;
    ASSERT_TRUE(ParseCode("2.0F? V+", art));
    const std::string foxLine = ComposeCode(fox);
    const std::string artLine = ComposeCode(art);
    // Old Mac line ends, Windows line ends, a 0x00 ending a line's text, and
    // the file the window saves: the line and one 0x00 byte.
    const std::string input = "2.0FCf5\r2.0F? V+\r\n2.0FCf5\0 V+\n"s + artLine + "\0"s;
    const Result run = Lines(RunNormalize, {}, input);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, foxLine + "\n" + artLine + "\n" + foxLine + "\n" + artLine + "\n");
}

TEST(NormalizeCommand, ReadsLinesWithBlanksAroundAndAByteOrderMarkAsFindFindsThem) {
    const std::string normal = Lines(RunNormalize, {"2.0FCf5 V+"}).out;
    // As Notepad saves a file, and as a line is copied out of a post.
    const Result run = Lines(RunNormalize, {},
                             "\xEF\xBB\xBF"
                             "2.0FCf5 V+\r\n  2.0FCf5 V+\t\n\t2.0FCf5 V+ \xC2\xA0\n");
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, normal + normal + normal);
    const Result compared = [] {
        std::ostringstream out;
        std::ostringstream err;
        StreamOutput output(out);
        const int status = RunCompare(" 2.0FCf5 V+",
                                      "\xEF\xBB\xBF"
                                      "2.0FCf5 V+ ",
                                      output, err, false);
        return Result{status, out.str(), err.str()};
    }();
    EXPECT_EQ(compared.status, kExitOk) << compared.err;
    // Blanks inside the line, and anything else before it, still keep it out.
    EXPECT_EQ(Lines(RunNormalize, {"x 2.0FCf5"}).status, kExitRejectedLine);
    EXPECT_EQ(Lines(RunNormalize, {"2 .0FCf5"}).status, kExitRejectedLine);
}

// An input that hands out `chunks` one per read, then fails.
class ScriptedInput : public Input {
public:
    explicit ScriptedInput(std::vector<std::string> chunks) : m_chunks(std::move(chunks)) {}
    std::size_t Read(char* data, std::size_t size) override {
        if (m_next == m_chunks.size()) {
            throw InputError("cannot read the input: it broke");
        }
        const std::string& chunk = m_chunks[m_next++];
        EXPECT_LE(chunk.size(), size);
        chunk.copy(data, size);
        return chunk.size();
    }
    std::size_t reads() const { return m_next; }

private:
    std::vector<std::string> m_chunks;
    std::size_t m_next = 0;
};

// An output that keeps every write apart.
class RecordingOutput : public Output {
public:
    void Write(std::string_view text) override { writes.emplace_back(text); }
    std::vector<std::string> writes;
};

using LineCommand =
    std::function<int(const std::vector<std::string>&, Input&, Output&, std::ostream&)>;

const std::pair<const char*, LineCommand> kLineCommands[] = {
    {"normalize", RunNormalize},
    {"decode", RunDecode},
    {"explain", [](const std::vector<std::string>& args, Input& in, Output& out,
                   std::ostream& err) { return RunExplain(args, in, out, err, false, false); }},
    {"explain --json",
     [](const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err) {
         return RunExplain(args, in, out, err, false, true);
     }},
};

TEST(LineCommands, AnswerTheLinesBeforeAReadErrorThenReportIt) {
    for (const auto& [name, command] : kLineCommands) {
        ScriptedInput in({"2.0F? V+\n2.0FQ\n2.0F? V-"});
        RecordingOutput out;
        std::ostringstream err;
        EXPECT_EQ(command({}, in, out, err), kExitBadInput) << name;
        // The last line, whose end was never read, may be cut short: it
        // is not answered.
        std::ostringstream expected;
        StreamOutput expectedOut(expected);
        std::ostringstream ignored;
        command({"2.0F? V+", "2.0FQ"}, in, expectedOut, ignored);
        std::string written;
        for (const std::string& w : out.writes) {
            written += w;
        }
        EXPECT_EQ(written, expected.str()) << name;
        EXPECT_EQ(err.str(),
                  "brindlex-code: line 2: unknown family code 'Q'\n"
                  "brindlex-code: cannot read the input: it broke\n")
            << name;
    }
}

TEST(LineCommands, WriteInLargeBlocksYetBeforeWaitingForInput) {
    std::string many;
    for (int i = 0; i < 20000; ++i) {
        many += "2.0FCf5mw V+++ O25\n";
    }
    std::istringstream text(many);
    StreamInput in(text);
    RecordingOutput out;
    std::ostringstream err;
    EXPECT_EQ(RunNormalize({}, in, out, err), kExitOk);
    EXPECT_LE(out.writes.size(), 10u);

    // A caller that waits for each answer before it sends the next line.
    std::vector<std::string> oneByOne(3, "2.0F? V+\n");
    ScriptedInput slow(oneByOne);
    RecordingOutput answers;
    RunDecode({}, slow, answers, err);
    ASSERT_EQ(answers.writes.size(), 3u);
    EXPECT_EQ(answers.writes[0], ProfileToJsonText([] {
                                     PROFILE p;
                                     p.artLevel = 5;
                                     return p;
                                 }()) +
                                     "\n");
}

// Runs every command, compose included, on `in` and `out`.
void ForEveryCommand(
    const std::function<void(const char*,
                             const std::function<int(Input&, Output&, std::ostream&)>&)>& check) {
    check("compose",
          [](Input& in, Output& out, std::ostream& err) { return RunCompose(in, out, err); });
    for (const auto& [name, command] : kLineCommands) {
        check(name, [&command = command](Input& in, Output& out, std::ostream& err) {
            return command({}, in, out, err);
        });
    }
}

TEST(EveryCommand, ReportsAnInputThatCannotBeReadInOneLine) {
    // A directory, and a file that opens but fails while being read.
    for (const char* path : {"/", "/proc/self/mem"}) {
        ForEveryCommand([&](const char* name, const auto& command) {
            const int fd = ::open(path, O_RDONLY);
            ASSERT_GE(fd, 0) << path;
            FdInput in(fd, path);
            std::ostringstream written;
            StreamOutput out(written);
            std::ostringstream errors;
            EXPECT_EQ(command(in, out, errors), kExitBadInput) << name << " " << path;
            EXPECT_EQ(written.str(), "") << name;
            const std::string err = errors.str();
            EXPECT_EQ(err.rfind("brindlex-code: cannot read " + std::string(path) + ": ", 0), 0u)
                << name << ": " << err;
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
            ::close(fd);
        });
    }
}

TEST(EveryCommand, ReportsAnOutputThatCannotBeWritten) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);
    const auto oldHandler = std::signal(SIGPIPE, SIG_IGN);
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    for (const auto& [fd, reason] :
         {std::pair{full, "No space left on device"}, std::pair{pipeEnds[1], "Broken pipe"}}) {
        ForEveryCommand([&, fd = fd, reason = reason](const char* name, const auto& command) {
            std::istringstream text(std::string(name) == "compose" ? "{}" : "2.0F? V+\n");
            StreamInput in(text);
            FdOutput out(fd);
            std::ostringstream err;
            EXPECT_EQ(command(in, out, err), kExitBadInput) << name;
            EXPECT_EQ(err.str(),
                      "brindlex-code: cannot write the output: " + std::string(reason) + "\n")
                << name;
        });
    }
    ::close(full);
    ::close(pipeEnds[1]);
    std::signal(SIGPIPE, oldHandler);
}

}  // namespace
}  // namespace brindlex
