#include "cli/commands.h"

#include <istream>
#include <ostream>

#include "codec/codec.h"
#include "cli/profile_json.h"

namespace brindlex {

namespace {

constexpr std::string_view kProgram = "brindlex-code: ";

// Runs `convert` on every code line that ParseCode accepts and prints its
// result; a rejected line prints an empty line so output stays aligned.
int ForEachParsedLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err, const std::function<void(PROFILE&)>& convert) {
    int status = kExitOk;
    ForEachCodeLine(args, in, [&](std::size_t number, std::string_view line) {
        PROFILE profile;
        if (ParseCode(line, profile)) {
            convert(profile);
        } else {
            err << kProgram << "line " << number << ": " << RejectionReason(line) << '\n';
            status = kExitRejectedLine;
        }
        out << '\n';
    });
    return status;
}

}  // namespace

void ForEachCodeLine(const std::vector<std::string>& args, std::istream& in,
                     const std::function<void(std::size_t, std::string_view)>& handle) {
    if (!args.empty()) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            handle(i + 1, args[i]);
        }
        return;
    }
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        handle(number, line);
    }
}

int RunCompose(std::istream& in, std::ostream& out, std::ostream& err) {
    PROFILE profile;
    try {
        profile = ProfileFromJson(nlohmann::json::parse(in));
    } catch (const nlohmann::json::parse_error& e) {
        err << kProgram << "the input is not JSON: " << e.what() << '\n';
        return kExitBadInput;
    } catch (const ProfileJsonError& e) {
        err << kProgram << e.what() << '\n';
        return kExitBadInput;
    }
    out << ComposeCode(profile) << '\n';
    return kExitOk;
}

int RunNormalize(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    return ForEachParsedLine(args, in, out, err,
                             [&](PROFILE& profile) { out << ComposeCode(profile); });
}

int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    return ForEachParsedLine(args, in, out, err, [&](PROFILE& profile) {
        // A custom name is raw bytes; what is not UTF-8 shows as U+FFFD.
        out << ProfileToJson(profile).dump(-1, ' ', false,
                                           nlohmann::json::error_handler_t::replace);
    });
}

}  // namespace brindlex
