// A code line told in plain words, with the window's own names and help texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "codec/wording.h"
#include "profile/profile.h"

namespace brindlex {

// One answer of a code line.
struct ExplainedAnswer {
    int category;          // the category whose page asks it, 0..120
    std::string caption;   // "Species", "Art", "Trained in", a kink's name ...
    std::string answer;    // the answer in words
    std::size_t codeAt;    // the piece of the normal form that carries it
    std::size_t codeSize;  // (empty for an answer that is written nowhere)
    bool answered;
};

struct Explanation {
    std::string line;  // the normal form of the answers
    std::vector<ExplainedAnswer> answers;

    std::string_view code(const ExplainedAnswer& a) const {
        return std::string_view(line).substr(a.codeAt, a.codeSize);
    }
};

// The answers of `profile` in the order of the window's tabs and categories. They are the
// answers that its code line carries: what the line leaves out is not told. Unanswered
// categories are listed too when `all` is set. The record is taken by value, so that a
// caller may hand over a long custom name instead of copying it. The answers are told in
// `wording`; the captions stay the English names of the categories, which identify them.
Explanation ExplainProfile(PROFILE profile, bool all, const Wording& wording = EnglishWording());

// Every answer of `profile` with its category and piece, as ExplainProfile(profile, true)
// lists them, but with no caption and no words: where the normal form carries each answer.
Explanation ExplainPieces(PROFILE profile);

}  // namespace brindlex
