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

std::string NormalFormOf(std::string_view line) {
    PROFILE profile;
    ParseCode(line, profile);
    return ComposeCode(profile);
}

// Marks the runs of category `c`, all but the last, that change nothing in the normal form.
// The fields of a category are written by its own tokens only, so its runs are read alone:
// after the header and an undecided family, and after the kink tag for a kink.
void MarkOverridden(std::string_view text, int c, const std::vector<std::size_t>& runs,
                    std::vector<ReadStep>& steps) {
    const char kinkTag = kCategoryTable[static_cast<std::size_t>(kKinkSwitchCategory)].tag;
    std::string line = "2.0F" + std::string(FamilyCode(0));
    if (c >= kFirstKinkCategory) {
        line += std::string(" ") + kinkTag + " ";
    }
    // The runs of the head keep the blanks before them; a token run begins with its tag.
    const bool head =
        c < kFirstKinkCategory && kCategoryTable[static_cast<std::size_t>(c)].tag == '\0';
    std::vector<std::size_t> at;
    for (std::size_t i : runs) {
        line += head ? "" : " ";
        at.push_back(line.size());
        line += text.substr(steps[i].at, steps[i].size);
    }
    const std::string all = NormalFormOf(line);
    std::string without;
    for (std::size_t k = 0; k + 1 < runs.size(); ++k) {
        without = line;
        without.replace(at[k], steps[runs[k]].size, steps[runs[k]].size, ' ');
        if (NormalFormOf(without) == all) {
            steps[runs[k]].kind = ReadStep::kOverridden;
        }
    }
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
        MarkOverridden(text, static_cast<int>(c), runs[c], steps);
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

std::string DescribeRepair(std::string_view text, std::string_view normal, const ReadStep& step,
                           const Wording& wording) {
    const std::string byte = std::to_string(step.at + 1);
    const std::string place = step.category < 0
                                  ? FillIn(Phrase(wording, Repairing::kAtByte), {byte})
                                  : FillIn(Phrase(wording, Repairing::kAtByteOfAnswer),
                                           {byte, wording.text(step.category >= kFirstKinkCategory
                                                                   ? text_context::kKinks
                                                                   : text_context::kCategories,
                                                               AnswerName(step.category))});
    const std::string_view piece = text.substr(step.at, step.size);
    std::string what;
    switch (step.kind) {
        case ReadStep::kRead:
            what = FillIn(Phrase(wording, Repairing::kRead), {piece});
            break;
        case ReadStep::kRewritten:
            what = step.codeSize == 0
                       ? FillIn(Phrase(wording, Repairing::kRewrittenAsNothing), {piece})
                       : FillIn(Phrase(wording, Repairing::kRewritten),
                                {piece, normal.substr(step.codeAt, step.codeSize)});
            break;
        case ReadStep::kOverridden:
            what = FillIn(Phrase(wording, Repairing::kOverridden), {piece});
            break;
        case ReadStep::kSkipped:
            what = FillIn(Phrase(wording, Repairing::kSkipped), {piece});
            break;
    }
    return FillIn(Phrase(wording, Repairing::kPlace), {place, what});
}

std::string_view AnswerName(int category) {
    // A kink is named by its caption, any other category by the answer it asks.
    return category >= kFirstKinkCategory ? CategoryCaption(category) : CategoryOf(category).name;
}

namespace trace_detail {

// Fills the gaps between the runs taken with the bytes passed over: blanks separate tokens,
// each word between them is skipped. Blanks that a reader took after its token, such as
// those the level marks pass over, go to the gap after it.
std::vector<ReadStep> Tile(std::string_view text, const std::vector<ReadStep>& taken) {
    std::vector<ReadStep> steps;
    steps.reserve(2 * taken.size() + 3);
    const auto add = [&](std::size_t from, std::size_t to, ReadStep::Kind kind, int category) {
        if (to > from) {
            steps.push_back({from, to - from, kind, category, 0, 0});
        }
    };
    std::size_t at = 0;
    const auto gap = [&](std::size_t to) {
        while (at < to) {
            const bool blank = text[at] == ' ';
            std::size_t end = at;
            while (end < to && (text[end] == ' ') == blank) {
                ++end;
            }
            add(at, end, blank ? ReadStep::kRead : ReadStep::kSkipped, -1);
            at = end;
        }
    };
    for (const ReadStep& run : taken) {
        gap(run.at);
        std::size_t end = run.at + run.size;
        while (end > run.at && text[end - 1] == ' ') {
            --end;
        }
        add(run.at, end, ReadStep::kRead, run.category);
        at = end;
    }
    gap(text.size());
    return steps;
}

}  // namespace trace_detail

}  // namespace brindlex
