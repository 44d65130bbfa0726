// Reads arbitrary bytes as a code line: an accepted line's normal form must
// read back to itself and trace with no repair, a rejected line must leave the
// record alone, the reader of the writer's own form must read every line as the
// general readers (those the trace uses) do, also when the line lies in the
// record it replaces, and the trace must tile the line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec/codec.h"
#include "codec/trace.h"
#include "fuzz/fail.h"

namespace {

using brindlex::fuzz::Fail;

// Whether the steps follow each other from the first byte of `line` to its last.
bool Tiles(const std::vector<brindlex::ReadStep>& steps, std::string_view line) {
    std::size_t end = 0;
    for (const brindlex::ReadStep& step : steps) {
        if (step.at != end || step.size == 0) {
            return false;
        }
        end += step.size;
    }
    return end == line.size();
}

// A record with answers in it, to see that a rejected line changes nothing.
brindlex::PROFILE Sentinel() {
    brindlex::PROFILE p;
    p.speciesFamily = 3;
    p.speciesIndex = 4;
    p.customSpeciesName = "sentinel";
    p.artLevel = 6;
    p.age = 33;
    p.includeKinks = 1;
    p.setKink(5, 9);
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    static const brindlex::PROFILE kSentinel = Sentinel();

    brindlex::PROFILE first = kSentinel;
    const bool accepted = brindlex::ParseCode(line, first);
    if (accepted != brindlex::RejectionReason(line).empty()) {
        Fail("ParseCode and RejectionReason disagree", line);
    }
    brindlex::PROFILE general = kSentinel;
    std::vector<brindlex::ReadStep> steps;
    if (brindlex::trace_detail::ReadSteps(line, general, steps) != accepted || general != first) {
        Fail("ParseCode and the general readers disagree", line);
    }
    // The same line held by the name of the record it replaces.
    brindlex::PROFILE holder = kSentinel;
    holder.customSpeciesName.assign(line);
    if (brindlex::ParseCode(holder.customSpeciesName, holder) != accepted ||
        (accepted && holder != first)) {
        Fail("a line held by the record's own name reads otherwise", line);
    }
    brindlex::PROFILE traced = kSentinel;
    if (brindlex::ParseCode(line, traced, &steps) != accepted || (accepted && traced != first) ||
        (accepted && !Tiles(steps, line))) {
        Fail("the trace reads otherwise than ParseCode, or does not tile the line", line);
    }
    if (!accepted) {
        if (first != kSentinel) {
            Fail("a rejected line changed the record", line);
        }
        return 0;
    }

    const std::string normal = brindlex::ComposeCode(first);
    brindlex::PROFILE second = kSentinel;
    if (!brindlex::ParseCode(normal, second)) {
        Fail("the normal form was rejected", normal);
    }
    const std::string again = brindlex::ComposeCode(second);
    if (again != normal) {
        Fail("normalising the normal form changed it", line);
    }
    if (!brindlex::ParseCode(normal, second, &steps) || !Tiles(steps, normal)) {
        Fail("the trace of the normal form does not tile it", normal);
    }
    for (const brindlex::ReadStep& step : steps) {
        if (brindlex::IsRepair(step)) {
            Fail(brindlex::DescribeRepair(normal, normal, step).c_str(), normal);
        }
    }
    return 0;
}
