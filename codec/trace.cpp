#include "codec/trace.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

// --- The answers a run sets ----------------------------------------------------------
//
// A category's answers, packed into one word: the fields its row names, or the cell of a
// kink. A reader sets some bits of them whatever they held and adds to or leaves others:
// read into a record whose answers are all 0 and into one whose answers are all 1, a run
// shows the bits it sets, those that come out alike.

using Answers = std::uint32_t;

struct CategoryFields {
    std::array<const FieldInfo*, 4> fields{};
    unsigned count = 0;
    unsigned width = 0;
};

constexpr CategoryFields FieldsOfRow(const CategoryInfo& row) {
    CategoryFields f;
    for (const FieldInfo* field : {row.field, row.level, row.extra, row.gender}) {
        bool seen = field == nullptr;
        for (unsigned i = 0; i < f.count; ++i) {
            seen = seen || f.fields[i] == field;
        }
        if (!seen) {
            f.fields[f.count++] = field;
            f.width += field->width;
        }
    }
    return f;
}

constexpr std::array<CategoryFields, kFirstKinkCategory> kFieldsOfCategory = [] {
    std::array<CategoryFields, kFirstKinkCategory> all{};
    for (std::size_t c = 0; c < all.size(); ++c) {
        all[c] = FieldsOfRow(kCategoryTable[c]);
        if (all[c].width > 32) {
            throw "the answers of a category do not fit in a word";
        }
    }
    return all;
}();

constexpr unsigned kKinkCellWidth = 4;

Answers AnswersOf(int c, const PROFILE& p) {
    if (c >= kFirstKinkCategory) {
        return p.kink(c - kFirstKinkCategory);
    }
    const CategoryFields& f = kFieldsOfCategory[static_cast<std::size_t>(c)];
    Answers answers = 0;
    for (unsigned i = 0; i < f.count; ++i) {
        answers = answers << f.fields[i]->width | f.fields[i]->get(p);
    }
    return answers;
}

void SetAnswers(int c, PROFILE& p, Answers answers) {
    if (c >= kFirstKinkCategory) {
        p.setKink(c - kFirstKinkCategory, answers);
        return;
    }
    const CategoryFields& f = kFieldsOfCategory[static_cast<std::size_t>(c)];
    for (unsigned i = f.count; i-- > 0;) {
        f.fields[i]->set(p, answers & f.fields[i]->maxValue());
        answers >>= f.fields[i]->width;
    }
}

Answers AllAnswers(int c) {
    const unsigned width = c >= kFirstKinkCategory
                               ? kKinkCellWidth
                               : kFieldsOfCategory[static_cast<std::size_t>(c)].width;
    return width == 32 ? ~Answers{0} : (Answers{1} << width) - 1;
}

// Marks the runs whose answers the later runs of their category set again, all of them or
// all that the normal form shows. The last run of a category is never one of them. Only a
// run that sets some bit last has answers of its own; the normal form is written for those
// with the bits cleared and with them set.
void MarkOverridden(std::string_view text, const PROFILE& read, std::vector<ReadStep>& steps) {
    std::vector<std::size_t> runs(static_cast<std::size_t>(kCategoryCount));
    std::vector<std::size_t> last(runs.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].category >= 0) {
            ++runs[static_cast<std::size_t>(steps[i].category)];
            last[static_cast<std::size_t>(steps[i].category)] = i;
        }
    }
    // A long name changes no other answer's piece, so the normal forms are written without it.
    PROFILE nameless = read;
    nameless.customSpeciesName.clear();
    const std::string normal = ComposeCode(nameless);
    const auto shows = [&](int c, Answers bits) {
        const Answers answers = AnswersOf(c, nameless);
        for (const Answers other : {answers & ~bits, answers | bits}) {
            PROFILE changed = nameless;
            SetAnswers(c, changed, other);
            if (other != answers && ComposeCode(changed) != normal) {
                return true;
            }
        }
        return false;
    };

    std::vector<Answers> setLater(runs.size());
    PROFILE none;
    PROFILE all;
    for (std::size_t i = steps.size(); i-- > 0;) {
        const int c = steps[i].category;
        if (c < 0 || runs[static_cast<std::size_t>(c)] < 2) {
            continue;
        }
        SetAnswers(c, none, 0);
        SetAnswers(c, all, AllAnswers(c));
        if (!trace_detail::ReadRunAgain(text, steps[i], none) ||
            !trace_detail::ReadRunAgain(text, steps[i], all)) {
            continue;  // a run not read alone counts as setting nothing, and stays read
        }
        const Answers set = ~(AnswersOf(c, none) ^ AnswersOf(c, all)) & AllAnswers(c);
        Answers& later = setLater[static_cast<std::size_t>(c)];
        const Answers own = set & ~later;
        later |= set;
        if (i != last[static_cast<std::size_t>(c)] && (own == 0 || !shows(c, own))) {
            steps[i].kind = ReadStep::kOverridden;
        }
    }
}

// Tells the runs of each category that the normal form writes alike from those it writes
// otherwise, and finds the runs that a later run of their category overrides.
void MarkRepairs(std::string_view text, const PROFILE& read, std::vector<ReadStep>& steps) {
    MarkOverridden(text, read, steps);
    const Explanation normal = ExplainPieces(read);
    const std::vector<Span> pieces = CategoryPieces(normal);
    // The runs that count, together, against what the normal form writes: trait letters
    // split by the anthro digit still read alike.
    std::vector<std::string> kept(pieces.size());
    for (const ReadStep& step : steps) {
        if (step.category >= 0 && step.kind != ReadStep::kOverridden) {
            kept[static_cast<std::size_t>(step.category)] += text.substr(step.at, step.size);
        }
    }
    for (ReadStep& step : steps) {
        if (step.category < 0 || step.kind == ReadStep::kOverridden) {
            continue;
        }
        const auto c = static_cast<std::size_t>(step.category);
        const Span piece = pieces[c];
        step.kind = kept[c] == std::string_view(normal.line).substr(piece.at, piece.size)
                        ? ReadStep::kRead
                        : ReadStep::kRewritten;
        step.codeAt = piece.at;
        step.codeSize = piece.size;
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

}  // namespace brindlex
