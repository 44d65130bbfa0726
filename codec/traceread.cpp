// The reading that the trace lists: the general readers, read into a record that notes
// every run they take.
#include <string_view>
#include <vector>

#include "codec/readers.h"
#include "codec/trace.h"

namespace brindlex::reading {

namespace {

// Notes the runs the readers take as steps, and fills the bytes between them as it goes:
// blanks separate tokens, each other word between them is skipped. The last run stays open
// while a TookMore may still lengthen it; blanks that a reader took at its end, such as
// those the level marks pass over, go to the gap after it when it closes.
struct Tracing {
    PROFILE fields;
    std::string_view text;
    std::vector<ReadStep>& steps;
    bool open = false;
    std::size_t end = 0;  // of the steps, once the last run is closed
};

PROFILE& Fields(Tracing& record) {
    return record.fields;
}

void Close(Tracing& record) {
    if (!record.open) {
        return;
    }
    record.open = false;
    ReadStep& run = record.steps.back();
    while (run.size > 0 && record.text[run.at + run.size - 1] == ' ') {
        --run.size;
    }
    record.end = run.at + run.size;
    if (run.size == 0) {
        record.steps.pop_back();
    }
}

void FillTo(Tracing& record, std::size_t to) {
    const std::string_view text = record.text;
    std::size_t at = record.end;
    while (at < to) {
        const bool blank = text[at] == ' ';
        std::size_t end = at;
        while (end < to && (text[end] == ' ') == blank) {
            ++end;
        }
        record.steps.push_back(
            {at, end - at, blank ? ReadStep::kRead : ReadStep::kSkipped, -1, 0, 0});
        at = end;
    }
    record.end = to;
}

void Took(Tracing& record, std::size_t from, std::size_t to, int category) {
    if (to <= from) {
        return;
    }
    Close(record);
    FillTo(record, from);
    record.steps.push_back({from, to - from, ReadStep::kRead, category, 0, 0});
    record.open = true;
}

void TookMore(Tracing& record, std::size_t from, std::size_t to, int category) {
    ReadStep* last = record.open ? &record.steps.back() : nullptr;
    if (last != nullptr && last->category == category && last->at + last->size == from) {
        last->size += to - from;
    } else {
        Took(record, from, to, category);
    }
}

}  // namespace

}  // namespace brindlex::reading

namespace brindlex::trace_detail {

bool ReadSteps(std::string_view text, PROFILE& profile, std::vector<ReadStep>& steps) {
    using namespace reading;
    steps.clear();
    const Family start = ReadFamily(text);
    if (start.start != Start::kAccepted) {
        return false;
    }
    Tracing record{PROFILE(), text, steps};
    Took(record, 0, 4, -1);  // the header "2.0F"
    Took(record, 4, start.pos, kSpeciesCategory);
    ReadTags(text, ReadSpeciesAndSpecifics(text, start.pos, start.family, record), record);
    Close(record);
    FillTo(record, text.size());
    profile = std::move(record.fields);
    return true;
}

bool ReadRunAgain(std::string_view text, const ReadStep& run, PROFILE& record) {
    using namespace reading;
    const int c = run.category;
    if (c >= kFirstKinkCategory) {
        ReadKink(text, run.at, record);
        return true;
    }
    if (c < 0) {
        return false;
    }
    const CategoryInfo& row = kCategoryTable[static_cast<std::size_t>(c)];
    if (row.tag != '\0') {
        kValueReaders[static_cast<unsigned char>(row.tag)](text, run.at + 1, record);
        return true;
    }
    if (row.token != TokenKind::kAnthroDigit && row.token != TokenKind::kTraitLetters) {
        return false;  // the species, read once with the family code before it
    }
    // A digit or trait letters of the specifics group, which reads no further than the run.
    std::uint32_t traits = record.specificsFlags;
    unsigned anthro = record.anthroLevel;
    ReadSpecifics(text.substr(0, run.at + run.size), run.at, traits, anthro, record);
    record.specificsFlags = traits;
    record.anthroLevel = anthro;
    return true;
}

}  // namespace brindlex::trace_detail
