#include "cli/commands.h"

#include <memory>
#include <ostream>

#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/explain.h"
#include "codec/find.h"
#include "codec/lines.h"
#include "codec/trace.h"
#include "profile/profile_json.h"

namespace brindlex {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 18;

// The output of a command, gathered into large writes.
class OutputBuffer {
public:
    explicit OutputBuffer(Output& out) : m_out(out) { m_text.reserve(kBlock); }

    std::string& text() { return m_text; }

    void Flush() {
        if (!m_text.empty()) {
            m_out.Write(m_text);
            m_text.clear();
        }
        if (m_text.capacity() > 4 * kBlock) {
            std::string().swap(m_text);  // a long line's room goes back
            m_text.reserve(kBlock);
        }
    }

    // Ends a line. A long line that fills the buffer goes out first rather
    // than being copied into a larger buffer for its line end.
    void EndLine() {
        if (m_text.size() == m_text.capacity() && m_text.size() > kBlock) {
            Flush();
        }
        m_text += '\n';
    }

    // Writes `piece` at once; the buffer must be empty.
    void Write(std::string_view piece) { m_out.Write(piece); }

    void FlushWhenFull() {
        if (m_text.size() >= kBlock) {
            Flush();
        }
    }

private:
    Output& m_out;
    std::string m_text;
};

// What a line command writes for a code line that ParseCode accepts. `read` holds the line
// and what the reader did with it when the command asked for a trace, and is empty
// otherwise.
struct TracedLine {
    std::string_view line;
    std::vector<ReadStep> steps;
};

// Reads each code line, hands an accepted one to `action`, called as
// action(PROFILE&, const TracedLine&, OutputBuffer&), and explains a rejected one, writing
// `afterRejected` for it. Output waits in a buffer until the buffer is full or more input
// must be waited for.
template <typename Action>
int RunLines(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err,
             std::string_view afterRejected, const Action& action, bool trace = false) {
    OutputBuffer buffer(out);
    int status = kExitOk;
    std::size_t number = 0;
    TracedLine read;
    PROFILE profile;  // each accepted line replaces it whole
    // `reader` is the input's when the lines come from there.
    const auto handle = [&](std::string_view given, LineReader* reader) {
        ++number;
        const std::string_view line = ReadableLine(given);
        if (trace ? ParseCode(line, profile, &read.steps) : ParseCode(line, profile)) {
            if (trace) {
                // Repairs are told at their bytes in the line as given.
                const auto trimmed = static_cast<std::size_t>(line.data() - given.data());
                for (ReadStep& step : read.steps) {
                    step.at += trimmed;
                }
                read.line = given;
            } else if (reader != nullptr) {
                reader->Release();  // a long line's room goes back before the output is made
            }
            action(profile, read, buffer);
        } else {
            const std::string reason = RejectionReason(line);
            buffer.Flush();  // the output of the lines before comes first
            Report(err, "line " + std::to_string(number) + ": " + reason);
            status = kExitRejectedLine;
            buffer.text() += afterRejected;
        }
        buffer.FlushWhenFull();
    };
    try {
        try {
            if (!args.empty()) {
                for (const std::string& line : args) {
                    handle(line, nullptr);
                }
            } else {
                LineReader reader([&](char* data, std::size_t size) {
                    buffer.Flush();  // whoever waits for an answer gets it before we wait
                    return in.Read(data, size);
                });
                std::string_view line;
                while (reader.Next(line)) {
                    handle(line, &reader);
                }
            }
        } catch (const InputError& e) {
            buffer.Flush();
            Report(err, e.what());
            return kExitBadInput;
        }
        buffer.Flush();
    } catch (const OutputError& e) {
        Report(err, e.what());
        return kExitBadInput;
    }
    return status;
}

// One JSON array of {"category", "answer", "code"} objects. A long name goes out in pieces
// rather than waiting whole in the buffer.
void AppendExplanationsJson(const Explanation& explanation, OutputBuffer& buffer) {
    std::string& out = buffer.text();
    const auto drain = [&buffer](std::string&) { buffer.Flush(); };
    out += '[';
    for (const ExplainedAnswer& e : explanation.answers) {
        out += &e == &explanation.answers.front() ? "{\"category\":" : ",{\"category\":";
        AppendJsonString(e.caption, out);
        out += ",\"answer\":";
        AppendJsonString(e.answer, out, kBlock, drain);
        out += ",\"code\":";
        AppendJsonString(explanation.code(e), out, kBlock, drain);
        out += '}';
    }
    out += ']';
}

// What the normal form writes for a rewritten run.
std::string_view Written(const Explanation& explanation, const ReadStep& step) {
    return std::string_view(explanation.line).substr(step.codeAt, step.codeSize);
}

// Calls `tell` with each piece of the line that the normal form lost or changed, and with
// whether it is the first; returns whether there was any.
template <typename Tell>
bool ForEachRepair(const TracedLine& read, Tell tell) {
    bool any = false;
    for (const ReadStep& step : read.steps) {
        if (IsRepair(step)) {
            tell(step, !any);
            any = true;
        }
    }
    return any;
}

// The repairs one line each, at their byte position (the first byte is 1).
void AppendRepairs(const TracedLine& read, const Explanation& explanation, std::string& out) {
    const bool any = ForEachRepair(read, [&](const ReadStep& step, bool first) {
        out += first ? "Repairs:\n  " : "  ";
        out += DescribeRepair(read.line, explanation.line, step);
        out += '\n';
    });
    if (!any) {
        out += "Repairs: none\n";
    }
}

// The same as a JSON array of {"byte", "text", "kind", "category", "normal"}.
void AppendRepairsJson(const TracedLine& read, const Explanation& explanation, std::string& out) {
    out += '[';
    ForEachRepair(read, [&](const ReadStep& step, bool first) {
        out += first ? "{\"byte\":" : ",{\"byte\":";
        out += std::to_string(step.at + 1);
        out += ",\"text\":";
        AppendJsonString(read.line.substr(step.at, step.size), out);
        out += ",\"kind\":";
        AppendJsonString(KindName(step.kind), out);
        out += ",\"category\":";
        if (step.category < 0) {
            out += "null";
        } else {
            AppendJsonString(AnswerName(step.category), out);
        }
        out += ",\"normal\":";
        if (step.kind == ReadStep::kRewritten) {
            AppendJsonString(Written(explanation, step), out);
        } else {
            out += "null";
        }
        out += '}';
    });
    out += ']';
}

std::string ReadAll(Input& in) {
    std::string text;
    const std::unique_ptr<char[]> block(new char[kBlock]);
    while (const std::size_t count = in.Read(block.get(), kBlock)) {
        text.append(block.get(), count);
    }
    return text;
}

}  // namespace

std::string ErrorLine(std::string_view message) {
    return "brindlex-code: " + std::string(message) + "\n";
}

void Report(std::ostream& err, std::string_view message) {
    err << ErrorLine(message) << std::flush;
}

int RunCompose(Input& in, Output& out, std::ostream& err) {
    try {
        PROFILE profile = ProfileFromJsonText(ReadAll(in));
        out.Write(ComposeCode(profile));
        out.Write("\n");
        return kExitOk;
    } catch (const InputError& e) {
        Report(err, e.what());
    } catch (const ProfileJsonError& e) {
        Report(err, e.what());
    } catch (const OutputError& e) {
        Report(err, e.what());
    }
    return kExitBadInput;
}

int RunNormalize(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err) {
    return RunLines(args, in, out, err, "\n",
                    [](PROFILE& profile, const TracedLine&, OutputBuffer& buffer) {
                        ComposeCodeInto(profile, buffer.text());
                        buffer.EndLine();
                    });
}

int RunDecode(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err) {
    return RunLines(args, in, out, err, "\n",
                    [](PROFILE& profile, const TracedLine&, OutputBuffer& buffer) {
                        // A long name goes out in pieces rather than waiting whole in the buffer.
                        AppendProfileJson(profile, buffer.text(), kBlock,
                                          [&buffer](std::string&) { buffer.Flush(); });
                        buffer.EndLine();
                    });
}

int RunExplain(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err,
               bool all, bool json, bool repairs) {
    bool first = true;
    const auto tell = [&](PROFILE& profile, const TracedLine& read, OutputBuffer& buffer) {
        const Explanation list = ExplainProfile(std::move(profile), all);
        if (json) {
            if (repairs) {
                buffer.text() += "{\"answers\":";
            }
            AppendExplanationsJson(list, buffer);
            if (repairs) {
                buffer.text() += ",\"repairs\":";
                AppendRepairsJson(read, list, buffer.text());
                buffer.text() += '}';
            }
            buffer.EndLine();
            return;
        }
        std::string& text = buffer.text();
        if (!first) {
            text += '\n';  // a blank line between the answers of two code lines
        }
        first = false;
        for (const ExplainedAnswer& e : list.answers) {
            text += e.caption;
            text += ": ";
            if (e.answer.size() > kBlock) {
                buffer.Flush();  // a long name goes out as it is, not copied
                buffer.Write(e.answer);
            } else {
                text += e.answer;
            }
            text += '\n';
        }
        if (repairs) {
            AppendRepairs(read, list, text);
        }
    };
    return RunLines(args, in, out, err, json ? "\n" : "", tell, repairs);
}

int RunFind(Input& in, Output& out, std::ostream& err, bool normalize) {
    try {
        const std::vector<FoundCodeLine> found = FindCodeLines(ReadAll(in));
        std::string text;
        for (const FoundCodeLine& line : found) {
            text += std::to_string(line.lineNumber);
            text += ": ";
            if (normalize) {
                PROFILE profile;
                ParseCode(line.code, profile);  // a found line is one that the reader accepts
                ComposeCodeInto(profile, text);
            } else {
                text += line.code;
            }
            text += '\n';
        }
        out.Write(text);
        return found.empty() ? kExitNothingFound : kExitOk;
    } catch (const std::runtime_error& e) {  // InputError, OutputError
        Report(err, e.what());
        return kExitBadInput;
    }
}

int RunCompare(std::string_view first, std::string_view second, Output& out, std::ostream& err,
               bool json) {
    PROFILE records[2];
    const std::string_view lines[2] = {first, second};
    int status = kExitOk;
    for (int i = 0; i < 2; ++i) {
        const std::string_view line = ReadableLine(lines[i]);
        if (!ParseCode(line, records[i])) {
            Report(err, "line " + std::to_string(i + 1) + ": " + RejectionReason(line));
            status = kExitRejectedLine;
        }
    }
    if (status != kExitOk) {
        return status;
    }
    const Comparison comparison = CompareAnswers(std::move(records[0]), std::move(records[1]));
    std::string text;
    if (json) {
        text += "{\"differences\":[";
        for (const ComparedAnswer& a : comparison.answers) {
            text += &a == &comparison.answers.front() ? "{" : ",{";
            const std::pair<const char*, const std::string*> members[] = {
                {"category", &a.caption},
                {"first", &a.first},
                {"second", &a.second},
                {"firstCode", &a.firstCode},
                {"secondCode", &a.secondCode}};
            for (const auto& [name, value] : members) {
                text += name == members[0].first ? "\"" : ",\"";
                text += name;
                text += "\":";
                AppendJsonString(*value, text);
            }
            text += '}';
        }
        text += "],\"same\":" + std::to_string(comparison.same) + "}\n";
    } else {
        for (const ComparedAnswer& a : comparison.answers) {
            text += a.caption + ":\n  1: " + a.first + "\n  2: " + a.second + '\n';
        }
        text += std::to_string(comparison.same) + (comparison.same == 1 ? " answer" : " answers") +
                " the same\n";
    }
    try {
        out.Write(text);
    } catch (const OutputError& e) {
        Report(err, e.what());
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace brindlex
