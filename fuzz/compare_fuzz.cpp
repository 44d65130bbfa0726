// Compares two code lines made of arbitrary bytes, split at the first line break: a record
// compared with itself differs nowhere, and two records differ in the same answers whichever
// comes first, with the two sides swapped.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "codec/codec.h"
#include "codec/compare.h"
#include "fuzz/fail.h"

using brindlex::ComparedAnswer;
using brindlex::Comparison;
using brindlex::fuzz::Fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\n'), input.size());
    const std::string_view lines[2] = {input.substr(0, split),
                                       input.substr(std::min(split + 1, input.size()))};
    brindlex::PROFILE records[2];
    bool read[2];
    for (int i = 0; i < 2; ++i) {
        read[i] = brindlex::ParseCode(lines[i], records[i]);
        if (!read[i]) {
            continue;
        }
        const Comparison itself = brindlex::CompareAnswers(records[i], records[i], true);
        for (const ComparedAnswer& answer : itself.answers) {
            if (answer.differs || answer.first != answer.second ||
                answer.firstCode != answer.secondCode) {
                Fail("a record differs from itself", lines[i]);
            }
        }
        if (itself.same != itself.answers.size() ||
            !brindlex::CompareAnswers(records[i], records[i]).answers.empty()) {
            Fail("a record differs from itself", lines[i]);
        }
    }
    if (!read[0] || !read[1]) {
        return 0;
    }
    const Comparison ab = brindlex::CompareAnswers(records[0], records[1], true);
    const Comparison ba = brindlex::CompareAnswers(records[1], records[0], true);
    bool symmetric = ab.same == ba.same && ab.answers.size() == ba.answers.size();
    for (std::size_t i = 0; symmetric && i < ab.answers.size(); ++i) {
        const ComparedAnswer& x = ab.answers[i];
        const ComparedAnswer& y = ba.answers[i];
        symmetric = x.category == y.category && x.caption == y.caption && x.differs == y.differs &&
                    x.first == y.second && x.second == y.first && x.firstCode == y.secondCode &&
                    x.secondCode == y.firstCode && x.differs == (x.first != x.second);
    }
    if (!symmetric) {
        Fail("the answers differ otherwise when the lines are swapped", input);
    }
    return 0;
}
