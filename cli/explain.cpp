#include "cli/explain.h"

#include <map>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "codec/codec.h"
#include "codec/explain.h"

namespace brindlex {

int RunExplain(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err, bool all, bool json) {
    int status = kExitOk;
    bool first = true;
    ForEachCodeLine(args, in, [&](std::size_t number, std::string_view line) {
        PROFILE profile;
        if (!ParseCode(line, profile)) {
            err << "brindlex-code: line " << number << ": " << RejectionReason(line) << '\n';
            status = kExitRejectedLine;
            if (json) {
                out << '\n';  // keeps one output line per code line
            }
            return;
        }
        const Explanation explanation = ExplainProfile(std::move(profile), all);
        if (json) {
            nlohmann::ordered_json array = nlohmann::ordered_json::array();
            for (const ExplainedAnswer& e : explanation.answers) {
                nlohmann::ordered_json item;
                item["category"] = e.caption;
                item["answer"] = e.answer;
                item["code"] = explanation.code(e);
                array.push_back(std::move(item));
            }
            out << array.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
            return;
        }
        if (!first) {
            out << '\n';  // a blank line between the answers of two code lines
        }
        first = false;
        for (const ExplainedAnswer& e : explanation.answers) {
            out << e.caption << ": " << e.answer << '\n';
        }
    });
    return status;
}

}  // namespace brindlex
