#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "codec/codec.h"
#include "codec/explain.h"
#include "codec/trace.h"
#include "profile/categories.h"

namespace brindlex {
namespace {

// The repairs of `line` as "byte:piece:kind:answer:normal-form piece", bytes counted from 0.
std::vector<std::string> Repairs(std::string_view line) {
    PROFILE p;
    std::vector<ReadStep> steps;
    EXPECT_TRUE(ParseCode(line, p, &steps)) << line;
    const std::string normal = ComposeCode(p);
    std::vector<std::string> repairs;
    for (const ReadStep& s : steps) {
        if (IsRepair(s)) {
            repairs.push_back(std::to_string(s.at) + ":" + std::string(line.substr(s.at, s.size)) +
                              ":" + std::string(KindName(s.kind)) + ":" +
                              std::string(AnswerName(s.category)) + ":" +
                              normal.substr(s.codeAt, s.codeSize));
        }
    }
    return repairs;
}

TEST(Repairs, NameExactlyThePiecesTheNormalFormLostOrChanged) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        // Cut off inside the attraction marks, and inside a kink token.
        {"2.0FCf5 V+ Ym/", {"11:Ym/:rewritten:YiffyYiffy:Ym"}},
        {"2.0FCf5 K  Su", {"11:Su:rewritten:Fursuit:"}},
        // Typos in a tag: an unknown one, a lower-case one after a tag read as the middle level.
        {"2.0FCf5 Q++ M-", {"8:Q++:skipped::"}},
        {"2.0FCf5 Vv+ M-", {"9:v+:skipped::"}},
        // Unknown kink codes are skipped, known ones around them read.
        {"2.0F? K  Su+  Qz+  Sx-  C+*", {"14:Qz+:skipped::", "19:Sx-:skipped::"}},
        // A token or a kink given twice: the first one is overridden.
        {"2.0F? V+ M- V-", {"6:V+:overridden:Art:"}},
        {"2.0F? K  Su+  Su-", {"9:Su+:overridden:Fursuit:"}},
        // Anthro digits past 7, and a digit that a later one overrides.
        {"2.0FCf9mw", {"6:9:rewritten:Anthro Level:7"}},
        {"2.0FCf59", {"6:5:overridden:Anthro Level:", "7:9:rewritten:Anthro Level:7"}},
        // A stray character inside a level mark ends it; what follows is skipped.
        {"2.0F? V+x+ M  x + y",
         {"8:x+:skipped::", "14:x:skipped::", "16:+:skipped::", "18:y:skipped::"}},
        // Blanks inside tokens, and a blank between the header and the family.
        {"2.0F? O 1 0 5 D m+", {"6:O 1 0 5:rewritten:Age:O105", "14:D m+:rewritten:Fursuits:Dm+"}},
        {"2.0F Cf5", {"4: Cf:rewritten:Species:Cf"}},
        // What the writer leaves out: the suit letter below level 5, a name after a letter.
        {"2.0FCf[Bob]5 Dm", {"4:Cf[Bob]:rewritten:Species:Cf", "13:Dm:rewritten:Fursuits:D"}},
        // Letters of one token given twice go into one written token.
        {"2.0F? Cw Cm+", {"6:Cw:rewritten:Compy:Cwm+", "9:Cm+:rewritten:Compy:Cwm+"}},
        // Trait letters around the digit, tokens out of order, blanks between: nothing lost.
        {"2.0FCfm5w   M- V+++ ", {}},
        {"2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+ Gr- E# F# B# Nf+++ J# A# "
         "Sm#/+- K  Su+  C+*",
         {}},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(Repairs(line), expected) << line;
    }
}

TEST(Repairs, AnswerNamesAreTheExplainersCaptions) {
    std::vector<bool> seen(kCategoryCount);
    for (const ExplainedAnswer& a : ExplainProfile(PROFILE(), true).answers) {
        if (!seen[static_cast<std::size_t>(a.category)]) {
            seen[static_cast<std::size_t>(a.category)] = true;
            EXPECT_EQ(AnswerName(a.category), a.caption) << a.category;
        }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), kCategoryCount);
}

// Lines as the writer writes them, then cut, doubled and sprinkled with stray characters.
std::string MutatedLine(std::mt19937& random) {
    PROFILE p;
    for (const FieldInfo& field : kProfileFields) {
        if (random() % 2 != 0) {
            field.set(p, static_cast<unsigned>(random()) & field.maxValue());
        }
    }
    for (int k = 0; k < kKinkCount; k += 1 + static_cast<int>(random() % 9)) {
        p.setKink(k, static_cast<unsigned>(random()) & 15u);
    }
    std::string line = ComposeCode(p);
    static constexpr std::string_view kStray = " +-#*/![]0579acmVDOKSYCWSuZoQxz";
    for (unsigned edits = static_cast<unsigned>(random() % 6); edits > 0; --edits) {
        const std::size_t at = random() % (line.size() + 1);
        switch (random() % 4) {
            case 0:
                line.insert(at, 1, kStray[random() % kStray.size()]);
                break;
            case 1:
                line.erase(at, 1 + random() % 3);
                break;
            case 2:  // a stretch given twice
                line.insert(at, line.substr(at, random() % 8));
                break;
            default:
                line.resize(std::min(line.size(), std::max<std::size_t>(at, 5)));
                break;
        }
    }
    return line;
}

TEST(Trace, ReadsLikeParseCodeAndTilesTheLine) {
    std::mt19937 random(1234);
    for (int i = 0; i < 3000; ++i) {
        const std::string line = MutatedLine(random);
        PROFILE plain;
        PROFILE traced;
        std::vector<ReadStep> steps;
        const bool accepted = ParseCode(line, plain);
        ASSERT_EQ(ParseCode(line, traced, &steps), accepted) << line;
        if (!accepted) {
            EXPECT_TRUE(steps.empty()) << line;
            continue;
        }
        ASSERT_EQ(traced, plain) << line;
        std::size_t end = 0;
        std::string withoutSkipped = line;  // "Q" is read by nothing
        for (const ReadStep& s : steps) {
            ASSERT_EQ(s.at, end) << line;
            ASSERT_GT(s.size, 0u) << line;
            end += s.size;
            if (s.kind == ReadStep::kSkipped) {
                withoutSkipped.replace(s.at, s.size, s.size, 'Q');
            }
        }
        ASSERT_EQ(end, line.size()) << line;
        // What was skipped was read into nothing.
        PROFILE again;
        ASSERT_TRUE(ParseCode(withoutSkipped, again));
        EXPECT_EQ(again, plain) << line << "\n" << withoutSkipped;
    }
}

}  // namespace
}  // namespace brindlex
