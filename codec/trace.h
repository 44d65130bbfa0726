// What the reader made of each piece of a code line: which answer it went into, and where
// the normal form (the line as ComposeCode writes the answers read) differs from it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "codec/wording.h"
#include "profile/profile.h"

namespace brindlex {

// One run of bytes of a code line. The steps of a line tile it: they follow each other in
// order, without a gap and without overlapping.
struct ReadStep {
    enum Kind : unsigned char {
        kRead,        // read, and written alike in the normal form
        kRewritten,   // read, but written differently in the normal form ("9" as "7")
        kOverridden,  // read, but a later token of the category sets what it set
        kSkipped,     // passed over as unreadable
    };

    std::size_t at;  // the run of the text
    std::size_t size;
    Kind kind;
    // The category 0..120 that the run was read into; -1 for the header "2.0F", for the
    // blanks between tokens (both kRead) and for skipped bytes.
    int category;
    // What the normal form writes for the category, into ComposeCode's line of the answers
    // read: empty for an answer it does not write, and for kOverridden and kSkipped runs.
    std::size_t codeAt;
    std::size_t codeSize;
};

// Reads `text` as ParseCode(text, profile) does and, when `trace` is not null, lists in it
// what became of each run of the text (nothing when the line is rejected). The trace takes
// time and room in proportion to the text; ParseCode without a trace is untouched by it.
bool ParseCode(std::string_view text, PROFILE& profile, std::vector<ReadStep>* trace);

// Whether the normal form lost or changed the run: every kind but kRead.
inline bool IsRepair(const ReadStep& step) {
    return step.kind != ReadStep::kRead;
}

// "read", "rewritten", "overridden" or "skipped".
std::string_view KindName(ReadStep::Kind kind);

// A repair of `text` in words, at its byte position (the first byte is 1), e.g.
// byte 7, Anthro Level: "9" rewritten as "7". `normal` is the normal form of the answers read.
std::string DescribeRepair(std::string_view text, std::string_view normal, const ReadStep& step,
                           const Wording& wording = EnglishWording());

// The name the explainer gives the first answer of a category ("Species", "Traits", "Art",
// "Age", a kink's name); empty for -1.
std::string_view AnswerName(int category);

namespace trace_detail {
// The reading itself: steps of kind kRead for the runs taken, in order, and kSkipped for
// the words passed over, tiling the text. Defined with the readers.
bool ReadSteps(std::string_view text, PROFILE& profile, std::vector<ReadStep>& steps);

// Reads the run `run` of `text`, a step of ReadSteps, again into `record`, as the reader that
// took it did; false for a run that is not read alone (the header, blanks and skipped words,
// and the species, which the family code decides).
bool ReadRunAgain(std::string_view text, const ReadStep& run, PROFILE& record);

}  // namespace trace_detail

}  // namespace brindlex
