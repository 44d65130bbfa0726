// A code line told in plain words, with the window's own names and help texts.
#pragma once

#include <string>
#include <vector>

#include "profile.h"

namespace brindlex {

struct Explanation {
    std::string category;  // "Species", "Art", "Trained in", a kink's name ...
    std::string answer;    // the answer in words
    std::string code;      // the piece of the normal form that carries it
};

// The answers of `profile` in the order of the window's tabs and categories.
// `profile` is normalised first, so that every answer listed is one its code
// line carries. Unanswered categories are listed only when `all` is set.
std::vector<Explanation> ExplainProfile(PROFILE& profile, bool all);

}  // namespace brindlex
