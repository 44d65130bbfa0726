// Where the answers of two code lines differ, told in words.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "profile/profile.h"

namespace brindlex {

// One answer as both records give it.
struct ComparedAnswer {
    int category;         // the category whose page asks it, 0..120
    std::string caption;  // as the explainer names the answer
    std::string first;    // the answer of the first record in words
    std::string second;
    std::string firstCode;  // the pieces of the two normal forms that carry them
    std::string secondCode;
    bool differs;
};

struct Comparison {
    std::vector<ComparedAnswer> answers;  // in category order
    std::size_t same = 0;                 // how many answers are the same in both
};

// Pairs the explained answers of two records, every category of the first two tabs and
// the kink switch, and each kink when either record includes its kinks. `answers` lists
// the answers that differ, or every answer when `all` is set.
Comparison CompareAnswers(PROFILE first, PROFILE second, bool all = false);

}  // namespace brindlex
