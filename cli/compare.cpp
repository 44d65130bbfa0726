#include "cli/compare.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "codec/codec.h"
#include "codec/compare.h"

namespace brindlex {

int RunCompare(std::string_view first, std::string_view second, std::ostream& out,
               std::ostream& err, bool json) {
    PROFILE records[2];
    const std::string_view lines[2] = {first, second};
    int status = kExitOk;
    for (int i = 0; i < 2; ++i) {
        if (!ParseCode(lines[i], records[i])) {
            err << "brindlex-code: line " << i + 1 << ": " << RejectionReason(lines[i]) << '\n';
            status = kExitRejectedLine;
        }
    }
    if (status != kExitOk) {
        return status;
    }
    const Comparison comparison = CompareAnswers(std::move(records[0]), std::move(records[1]));
    if (json) {
        nlohmann::ordered_json differences = nlohmann::ordered_json::array();
        for (const ComparedAnswer& a : comparison.answers) {
            differences.push_back({{"category", a.caption},
                                   {"first", a.first},
                                   {"second", a.second},
                                   {"firstCode", a.firstCode},
                                   {"secondCode", a.secondCode}});
        }
        const nlohmann::ordered_json result = {{"differences", std::move(differences)},
                                               {"same", comparison.same}};
        out << result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return kExitOk;
    }
    for (const ComparedAnswer& a : comparison.answers) {
        out << a.caption << ":\n  1: " << a.first << "\n  2: " << a.second << '\n';
    }
    out << comparison.same << (comparison.same == 1 ? " answer" : " answers") << " the same\n";
    return kExitOk;
}

}  // namespace brindlex
