#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "codec/codec.h"
#include "codec/explain.h"
#include "codec/trace.h"
#include "profile/categories.h"
#include "tests/core/randomrecords.h"
#include "tests/core/readpaths.h"

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

BRINDLEX_EVERY_READ_PATH(TraceRepairs);

TEST_P(TraceRepairs, NameExactlyThePiecesTheNormalFormLostOrChanged) {
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
        // The writer's "!" for an unspecified half, and its tokens in any order.
        {"2.0FCf5 V+ Yh#/*!", {}},
        {"2.0F? Sm/!+ Yf+/*!", {}},
        // A later token that sets only some of what an earlier one set: the suit letter
        // survives a later "D" token, the trained fields a later work type.
        {"2.0F? Dm+ D+", {"6:Dm+:rewritten:Fursuits:Dm+", "10:D+:rewritten:Fursuits:Dm+"}},
        {"2.0F? Dm- D-", {"6:Dm-:overridden:Fursuits:"}},  // the letter is not written at "-"
        {"2.0F? Wtc/ar Wst", {"6:Wtc/ar:rewritten:Work:Wst/ar", "13:Wst:rewritten:Work:Wst/ar"}},
        {"2.0F? W/ar W/ar Wtc",
         {"6:W/ar:overridden:Work:", "11:W/ar:rewritten:Work:Wtc/ar",
          "16:Wtc:rewritten:Work:Wtc/ar"}},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(Repairs(line), expected) << line;
    }
}

TEST_P(TraceRepairs, AnswerNamesAreTheExplainersCaptions) {
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

BRINDLEX_EVERY_READ_PATH(Trace);

TEST_P(Trace, ReadsLikeParseCodeAndTilesTheLine) {
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

// The steps of a line tile it and every run of it is read as written.
void ExpectReadWhole(std::string_view line, const std::vector<ReadStep>& steps) {
    std::size_t end = 0;
    for (const ReadStep& s : steps) {
        ASSERT_EQ(s.at, end) << line;
        ASSERT_FALSE(IsRepair(s)) << line << "\n" << DescribeRepair(line, line, s);
        end += s.size;
    }
    ASSERT_EQ(end, line.size()) << line;
}

TEST_P(Trace, EveryWrittenLineReadsWholeWithoutRepair) {
    std::mt19937 random(20240612);
    std::vector<ReadStep> steps;
    for (int i = 0; i < 1'000'000; ++i) {
        PROFILE record = RandomRecord(random);
        const std::string line = ComposeCode(record);
        PROFILE traced;
        PROFILE plain;
        ASSERT_TRUE(ParseCode(line, traced, &steps)) << line;
        ASSERT_TRUE(ParseCode(line, plain));
        ASSERT_EQ(traced, plain) << line;
        ExpectReadWhole(line, steps);
    }
}

// The tokens of the lines the writer writes for a few records, some left out, some given
// twice, in any order after the head of the first; the kink tokens after one "K".
std::string ShuffledTokens(std::mt19937& random) {
    std::vector<std::string> sections;
    std::vector<std::string> kinks;
    std::string head;
    for (int r = 0; r < 3; ++r) {
        PROFILE p = RandomRecord(random);
        p.includeKinks = 1;
        p.customSpeciesName = r == 0 && random() % 2 != 0 ? "Red Panda" : "";
        const std::string line = ComposeCode(p);
        const std::size_t tags = line.find(" V");
        const std::size_t kinkTag = line.find(" K");
        if (r == 0) {
            head = line.substr(0, tags);
        }
        std::size_t at = tags;
        while (at < kinkTag) {
            const std::size_t end = std::min(line.find(' ', at + 1), kinkTag);
            if (random() % 3 != 0) {
                sections.push_back(line.substr(at, end - at));
            }
            at = end;
        }
        for (at = kinkTag + 2; at < line.size();) {
            const std::size_t end = std::min(line.find("  ", at + 2), line.size());
            if (random() % 3 != 0) {
                kinks.push_back(line.substr(at, end - at));
            }
            at = end;
        }
    }
    std::shuffle(sections.begin(), sections.end(), random);
    std::shuffle(kinks.begin(), kinks.end(), random);
    std::string line = head;
    for (const std::string& token : sections) {
        line += token;
    }
    line += " K";
    for (const std::string& token : kinks) {
        line += token;
    }
    return line;
}

TEST_P(Trace, AnOverriddenRunChangesNothingInTheNormalForm) {
    std::mt19937 random(99);
    int overridden = 0;
    int repeated = 0;
    for (int i = 0; i < 1500; ++i) {
        const std::string line = ShuffledTokens(random);
        PROFILE read;
        std::vector<ReadStep> steps;
        ASSERT_TRUE(ParseCode(line, read, &steps)) << line;
        const std::string normal = ComposeCode(read);
        std::vector<int> runs(static_cast<std::size_t>(kCategoryCount));
        for (const ReadStep& s : steps) {
            runs[static_cast<std::size_t>(std::max(s.category, 0))] += s.category >= 0 ? 1 : 0;
        }
        for (const ReadStep& s : steps) {
            if (s.category < 0 || runs[static_cast<std::size_t>(s.category)] < 2) {
                continue;
            }
            ++repeated;
            if (s.kind != ReadStep::kOverridden) {
                continue;
            }
            ++overridden;
            // Every reader stops before the next tag, so a run put out of the way by blanks
            // leaves the others reading as before.
            std::string without = line;
            without.replace(s.at, s.size, s.size, ' ');
            PROFILE again;
            ASSERT_TRUE(ParseCode(without, again));
            EXPECT_EQ(ComposeCode(again), normal) << line << "\n"
                                                  << DescribeRepair(line, normal, s);
        }
    }
    // Overridden runs come up often, and not every repeated run is one.
    EXPECT_GT(overridden, 10000);
    EXPECT_GT(repeated - overridden, 10000);
}

}  // namespace
}  // namespace brindlex
