#include "cli/commands.h"

#include <functional>
#include <memory>
#include <ostream>

#include "codec/codec.h"
#include "codec/explain.h"
#include "codec/lines.h"
#include "profile/profile_json.h"

namespace brindlex {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 18;

// The output of a command, gathered into large writes.
class OutputBuffer {
public:
    explicit OutputBuffer(Output& out) : out_(out) { text_.reserve(kBlock); }

    std::string& text() { return text_; }

    void Flush() {
        if (!text_.empty()) {
            out_.Write(text_);
            text_.clear();
        }
        if (text_.capacity() > 4 * kBlock) {
            std::string().swap(text_);  // a long line's room goes back
            text_.reserve(kBlock);
        }
    }

    // Ends a line. A long line that fills the buffer goes out first rather
    // than being copied into a larger buffer for its line end.
    void EndLine() {
        if (text_.size() == text_.capacity() && text_.size() > kBlock) {
            Flush();
        }
        text_ += '\n';
    }

    // Writes `piece` at once; the buffer must be empty.
    void Write(std::string_view piece) { out_.Write(piece); }

    void FlushWhenFull() {
        if (text_.size() >= kBlock) {
            Flush();
        }
    }

private:
    Output& out_;
    std::string text_;
};

// What a line command writes for a code line that ParseCode accepts.
using LineAction = std::function<void(PROFILE& profile, OutputBuffer& out)>;

// Reads each code line, hands an accepted one to `action` and explains a
// rejected one, writing `afterRejected` for it. Output waits in a buffer
// until the buffer is full or more input must be waited for.
int RunLines(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err,
             std::string_view afterRejected, const LineAction& action) {
    OutputBuffer buffer(out);
    int status = kExitOk;
    std::size_t number = 0;
    // `reader` is the input's when the lines come from there.
    const auto handle = [&](std::string_view line, LineReader* reader) {
        ++number;
        PROFILE profile;
        if (ParseCode(line, profile)) {
            if (reader != nullptr) {
                reader->Release();
            }
            action(profile, buffer);
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
    return RunLines(args, in, out, err, "\n", [](PROFILE& profile, OutputBuffer& buffer) {
        ComposeCodeInto(profile, buffer.text());
        buffer.EndLine();
    });
}

int RunDecode(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err) {
    return RunLines(args, in, out, err, "\n", [](PROFILE& profile, OutputBuffer& buffer) {
        // A long name goes out in pieces rather than waiting whole in the buffer.
        AppendProfileJson(profile, buffer.text(), kBlock,
                          [&buffer](std::string&) { buffer.Flush(); });
        buffer.EndLine();
    });
}

int RunExplain(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err,
               bool all, bool json) {
    bool first = true;
    const LineAction tell = [&](PROFILE& profile, OutputBuffer& buffer) {
        const Explanation list = ExplainProfile(std::move(profile), all);
        if (json) {
            AppendExplanationsJson(list, buffer);
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
    };
    return RunLines(args, in, out, err, json ? "\n" : "", tell);
}

}  // namespace brindlex
