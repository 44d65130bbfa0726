#include "codec/compare.h"

#include <map>
#include <utility>

#include "codec/explain.h"
#include "profile/categories.h"

namespace brindlex {

Comparison CompareAnswers(PROFILE first, PROFILE second, bool all) {
    const bool kinks = first.includeKinks != 0 || second.includeKinks != 0;
    const Explanation a = ExplainProfile(std::move(first), true);
    const Explanation b = ExplainProfile(std::move(second), true);
    std::map<std::pair<int, std::string_view>, const ExplainedAnswer*> others;
    for (const ExplainedAnswer& answer : b.answers) {
        others[{answer.category, answer.caption}] = &answer;
    }
    Comparison result;
    for (const ExplainedAnswer& answer : a.answers) {
        const auto other = others.find({answer.category, answer.caption});
        if (other == others.end() || (answer.category >= kFirstKinkCategory && !kinks)) {
            continue;
        }
        const ExplainedAnswer& theirs = *other->second;
        const bool differs = answer.answer != theirs.answer;
        result.same += differs ? 0 : 1;
        if (differs || all) {
            result.answers.push_back({answer.category, answer.caption, answer.answer, theirs.answer,
                                      std::string(a.code(answer)), std::string(b.code(theirs)),
                                      differs});
        }
    }
    return result;
}

}  // namespace brindlex
