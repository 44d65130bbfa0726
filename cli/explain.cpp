#include "cli/explain.h"

#include <map>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "codec/codec.h"
#include "codec/explain.h"
#include "codec/trace.h"

namespace brindlex {

namespace {

// What the normal form writes for a rewritten run.
std::string_view Written(const Explanation& explanation, const ReadStep& step) {
    return std::string_view(explanation.line).substr(step.codeAt, step.codeSize);
}

nlohmann::ordered_json RepairsToJson(std::string_view line, const std::vector<ReadStep>& steps,
                                     const Explanation& explanation) {
    nlohmann::ordered_json repairs = nlohmann::ordered_json::array();
    for (const ReadStep& step : steps) {
        if (!IsRepair(step)) {
            continue;
        }
        nlohmann::ordered_json item;
        item["byte"] = step.at + 1;
        item["text"] = line.substr(step.at, step.size);
        item["kind"] = KindName(step.kind);
        item["category"] = step.category < 0 ? nlohmann::ordered_json()
                                             : nlohmann::ordered_json(AnswerName(step.category));
        item["normal"] = step.kind == ReadStep::kRewritten
                             ? nlohmann::ordered_json(Written(explanation, step))
                             : nlohmann::ordered_json();
        repairs.push_back(std::move(item));
    }
    return repairs;
}

void PrintRepairs(std::string_view line, const std::vector<ReadStep>& steps,
                  const Explanation& explanation, std::ostream& out) {
    bool any = false;
    for (const ReadStep& step : steps) {
        if (!IsRepair(step)) {
            continue;
        }
        out << (any ? "" : "Repairs:\n") << "  byte " << step.at + 1;
        any = true;
        if (step.category >= 0) {
            out << ", " << AnswerName(step.category);
        }
        out << ": \"" << line.substr(step.at, step.size) << "\" " << KindName(step.kind);
        if (step.kind == ReadStep::kOverridden) {
            out << " by a later token";
        } else if (step.kind == ReadStep::kRewritten && step.codeSize == 0) {
            out << " as nothing";
        } else if (step.kind == ReadStep::kRewritten) {
            out << " as \"" << Written(explanation, step) << '"';
        }
        out << '\n';
    }
    if (!any) {
        out << "Repairs: none\n";
    }
}

}  // namespace

int RunExplain(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err, bool all, bool json, bool repairs) {
    int status = kExitOk;
    bool first = true;
    ForEachCodeLine(args, in, [&](std::size_t number, std::string_view line) {
        PROFILE profile;
        std::vector<ReadStep> steps;
        if (!ParseCode(line, profile, repairs ? &steps : nullptr)) {
            err << "brindlex-code: line " << number << ": " << RejectionReason(line) << '\n';
            status = kExitRejectedLine;
            if (json) {
                out << '\n';  // keeps one output line per code line
            }
            return;
        }
        const Explanation explanation = ExplainProfile(std::move(profile), all);
        if (json) {
            nlohmann::ordered_json answers = nlohmann::ordered_json::array();
            for (const ExplainedAnswer& e : explanation.answers) {
                nlohmann::ordered_json item;
                item["category"] = e.caption;
                item["answer"] = e.answer;
                item["code"] = explanation.code(e);
                answers.push_back(std::move(item));
            }
            nlohmann::ordered_json result = std::move(answers);
            if (repairs) {
                result = {{"answers", std::move(result)},
                          {"repairs", RepairsToJson(line, steps, explanation)}};
            }
            out << result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
            return;
        }
        if (!first) {
            out << '\n';  // a blank line between the answers of two code lines
        }
        first = false;
        for (const ExplainedAnswer& e : explanation.answers) {
            out << e.caption << ": " << e.answer << '\n';
        }
        if (repairs) {
            PrintRepairs(line, steps, explanation, out);
        }
    });
    return status;
}

}  // namespace brindlex
