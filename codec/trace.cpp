#include "codec/trace.h"

#include <algorithm>
#include <string>

#include "codec/codec.h"
#include "codec/explain.h"
#include "profile/categories.h"

namespace brindlex {

namespace {

struct Span {
    std::size_t at = 0;
    std::size_t size = 0;
};

// The piece of the normal form that carries each category: the piece of its first answer,
// with the pieces of its other answers that join it. An answer that the token of another
// category carries (the character's gender in the "Y" token) stands apart and is left out.
std::vector<Span> CategoryPieces(const Explanation& normal) {
    std::vector<Span> pieces(static_cast<std::size_t>(kCategoryCount));
    std::vector<bool> seen(pieces.size());
    for (const ExplainedAnswer& answer : normal.answers) {
        const auto c = static_cast<std::size_t>(answer.category);
        Span& piece = pieces[c];
        if (!seen[c]) {
            seen[c] = true;
            piece = {answer.codeAt, answer.codeSize};
            continue;
        }
        const std::size_t end = piece.at + piece.size;
        const std::size_t answerEnd = answer.codeAt + answer.codeSize;
        if (piece.size != 0 && answer.codeSize != 0 && answer.codeAt <= end &&
            answerEnd >= piece.at) {
            const std::size_t from = std::min(piece.at, answer.codeAt);
            piece = {from, std::max(end, answerEnd) - from};
        }
    }
    return pieces;
}

// Whether the text, with blanks in place of `run`, still has the normal form `normal`.
bool ChangesNothing(std::string_view text, const ReadStep& run, const std::string& normal) {
    std::string without(text);
    without.replace(run.at, run.size, run.size, ' ');
    PROFILE profile;
    return ParseCode(without, profile) && ComposeCode(profile) == normal;
}

// Tells the runs of each category that the normal form writes alike from those it writes
// otherwise, and finds the runs that a later run of their category overrides.
void MarkRepairs(std::string_view text, const PROFILE& read, std::vector<ReadStep>& steps) {
    const Explanation normal = ExplainProfile(read, true);
    const std::vector<Span> pieces = CategoryPieces(normal);
    std::vector<std::vector<std::size_t>> runs(pieces.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].category >= 0) {
            runs[static_cast<std::size_t>(steps[i].category)].push_back(i);
        }
    }
    for (std::size_t c = 0; c < runs.size(); ++c) {
        if (runs[c].empty()) {
            continue;
        }
        for (std::size_t k = 0; k + 1 < runs[c].size(); ++k) {
            ReadStep& step = steps[runs[c][k]];
            if (ChangesNothing(text, step, normal.line)) {
                step.kind = ReadStep::kOverridden;
            }
        }
        // The runs that count, together, against what the normal form writes: trait letters
        // split by the anthro digit still read alike.
        std::string kept;
        for (std::size_t i : runs[c]) {
            if (steps[i].kind != ReadStep::kOverridden) {
                kept += text.substr(steps[i].at, steps[i].size);
            }
        }
        const Span piece = pieces[c];
        const ReadStep::Kind kind = kept == normal.line.substr(piece.at, piece.size)
                                        ? ReadStep::kRead
                                        : ReadStep::kRewritten;
        for (std::size_t i : runs[c]) {
            if (steps[i].kind != ReadStep::kOverridden) {
                steps[i].kind = kind;
                steps[i].codeAt = piece.at;
                steps[i].codeSize = piece.size;
            }
        }
    }
}

}  // namespace

bool ParseCode(std::string_view text, PROFILE& profile, std::vector<ReadStep>* trace) {
    if (trace == nullptr) {
        return ParseCode(text, profile);
    }
    PROFILE read;
    if (!trace_detail::ReadSteps(text, read, *trace)) {
        return false;
    }
    MarkRepairs(text, read, *trace);
    profile = std::move(read);
    return true;
}

std::string_view KindName(ReadStep::Kind kind) {
    switch (kind) {
        case ReadStep::kRead:
            return "read";
        case ReadStep::kRewritten:
            return "rewritten";
        case ReadStep::kOverridden:
            return "overridden";
        case ReadStep::kSkipped:
            break;
    }
    return "skipped";
}

std::string_view AnswerName(int category) {
    if (category >= kFirstKinkCategory && category < kCategoryCount) {
        return kKinks[static_cast<std::size_t>(category - kFirstKinkCategory)].name;
    }
    return category >= 0 && category < kFirstKinkCategory
               ? kCategoryTable[static_cast<std::size_t>(category)].name
               : std::string_view();
}

}  // namespace brindlex
