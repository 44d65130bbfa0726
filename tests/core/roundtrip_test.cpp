#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/core/randomrecords.h"
#include "tests/core/readpaths.h"

namespace brindlex {
namespace {

constexpr int kRecords = 20000;
constexpr int kMutatedLines = 20000;

// What reading back the line of `p` gives: `p` without what the line leaves
// out or writes alike.
PROFILE WhatTheLineKeeps(PROFILE p) {
    const unsigned family = p.speciesFamily;
    const bool letterWritten = family >= 1 && family < kFamilyPolymorph && p.speciesIndex >= 1 &&
                               p.speciesIndex <= kFamilies[family].letters.size();
    if (!letterWritten) {
        p.speciesIndex = 0;
    }
    std::string name = p.customSpeciesName;
    name.erase(std::remove(name.begin(), name.end(), ']'), name.end());
    const bool nameWritten =
        family != 0 && !letterWritten && name.find_first_not_of(' ') != std::string::npos;
    p.customSpeciesName = nameWritten ? name : std::string();
    if (family == static_cast<unsigned>(FamilyByCode("CE"))) {
        p.specificsFlags &= ~(1u << kTraitTaurBit);
    }
    if (family == kFamilyPolymorph) {
        p.specificsFlags &= ~(1u << kTraitPolymorphBit);
    }
    p.speciesFamily = std::min(family, kFamilyOther);

    if (p.fursuitsLevel < 5) {
        p.madeOwnSuit = 0;
    }
    if (p.interwebsLevel < 7) {
        p.furrySite = 0;
    }
    if (p.compyLevel < 4 || p.compyFlags == 0x1Fu) {
        p.compyFlags = 0;
    }
    if (p.gamingLevel < 2) {
        p.gamingFlags = 0;
    }
    for (int field = 0; field < kTrainedFieldCount; ++field) {
        if (static_cast<unsigned>(kTrainedFieldRows[static_cast<std::size_t>(field)]) ==
            p.workType) {
            p.trainedFlags &= ~(1u << field);
        }
    }
    if (p.workType == 23 || p.workType >= kWorkTypeCount) {
        p.workType = kWorkOther;
    }
    for (int k = 0; k < kKinkCount; ++k) {
        if (!p.includeKinks || kKinks[static_cast<std::size_t>(k)].code.empty()) {
            p.setKink(k, 0);
        }
    }
    return p;
}

// The fields in which two records differ, for failure messages.
std::string Differences(const PROFILE& a, const PROFILE& b) {
    std::ostringstream out;
    for (const FieldInfo& f : kProfileFields) {
        if (f.get(a) != f.get(b)) {
            out << ' ' << f.name << ' ' << f.get(a) << "/" << f.get(b);
        }
    }
    for (int k = 0; k < kKinkCount; ++k) {
        if (a.kink(k) != b.kink(k)) {
            out << " kink " << kKinks[static_cast<std::size_t>(k)].name << ' ' << a.kink(k) << '/'
                << b.kink(k);
        }
    }
    if (a.customSpeciesName != b.customSpeciesName) {
        out << " name [" << a.customSpeciesName << "]/[" << b.customSpeciesName << ']';
    }
    return out.str();
}

BRINDLEX_EVERY_READ_PATH(RoundTrip);

TEST_P(RoundTrip, ReadingBackGivesTheRecordLessWhatTheLineLeavesOut) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < kRecords; ++i) {
        const PROFILE record = RandomRecord(rng);
        PROFILE written = record;
        const std::string line = ComposeCode(written);
        const PROFILE expected = WhatTheLineKeeps(record);

        PROFILE read;
        ASSERT_TRUE(ParseCode(line, read)) << line;
        ASSERT_EQ(read, expected) << line << "\nread/expected:" << Differences(read, expected);

        // What the line leaves out really does not show in it.
        PROFILE kept = expected;
        ASSERT_EQ(ComposeCode(kept), line);
    }
}

// Characters that mean something somewhere in a line, and a few that never do.
constexpr std::string_view kAlphabet =
    " +-#*/![]?0123456789VMDHIPRTLYWOCGEFBNJASKQUXZabcdefghilmnoprstuvwxyz\xC3\xFF";

char RandomCharacter(std::mt19937& rng) {
    if (Uniform(rng, 0, 7) == 0) {
        return static_cast<char>(Uniform(rng, 0, 255));
    }
    return kAlphabet[Uniform(rng, 0, kAlphabet.size() - 1)];
}

std::string MutatedLine(std::mt19937& rng) {
    if (Uniform(rng, 0, 4) == 0) {
        std::string line = "2.0F";
        for (unsigned n = Uniform(rng, 0, 60); n > 0; --n) {
            line += RandomCharacter(rng);
        }
        return line;
    }
    PROFILE record = RandomRecord(rng);
    std::string line = ComposeCode(record);
    for (unsigned edits = Uniform(rng, 1, 6); edits > 0; --edits) {
        const std::size_t at = Uniform(rng, 0, static_cast<unsigned>(line.size()));
        switch (Uniform(rng, 0, 3)) {
            case 0:
                if (at < line.size()) {
                    line[at] = RandomCharacter(rng);
                }
                break;
            case 1:
                line.insert(at, Uniform(rng, 1, 3), RandomCharacter(rng));
                break;
            case 2:
                line.erase(at, Uniform(rng, 1, 4));
                break;
            default:
                line.resize(at);
                break;
        }
    }
    return line;
}

// A record with answers in it, to see that a rejected line changes nothing.
PROFILE Answered() {
    PROFILE p;
    p.speciesFamily = 14;
    p.customSpeciesName = "Kudu";
    p.gamingLevel = 3;
    p.includeKinks = 1;
    p.setKink(40, 6);
    return p;
}

TEST_P(RoundTrip, NormalisingTwiceEqualsNormalisingOnce) {
    std::mt19937 rng(7);
    int accepted = 0;
    for (int i = 0; i < kMutatedLines; ++i) {
        const std::string line = MutatedLine(rng);
        PROFILE target = Answered();
        const bool ok = ParseCode(line, target);
        ASSERT_EQ(ok, RejectionReason(line).empty()) << line;
        if (!ok) {
            ASSERT_EQ(target, Answered()) << line;
            continue;
        }
        ++accepted;
        const PROFILE first = target;
        const std::string normal = ComposeCode(target);
        PROFILE second = Answered();
        ASSERT_TRUE(ParseCode(normal, second)) << normal;
        ASSERT_EQ(second, WhatTheLineKeeps(first))
            << line << "\n"
            << normal << "\nread/expected:" << Differences(second, WhatTheLineKeeps(first));
        ASSERT_EQ(ComposeCode(second), normal) << line;
    }
    // Both ways must have been tried many times.
    EXPECT_GT(accepted, kMutatedLines / 2);
    EXPECT_LT(accepted, kMutatedLines);
}

// --- Long lines are read in one pass -------------------------------------------------

constexpr std::size_t kLongLine = 4u << 20;

std::string Repeated(std::string_view piece) {
    std::string text;
    text.reserve(kLongLine + piece.size());
    while (text.size() < kLongLine) {
        text += piece;
    }
    return text;
}

BRINDLEX_EVERY_READ_PATH(LongLines);

TEST_P(LongLines, ManyTokens) {
    PROFILE p;
    ASSERT_TRUE(ParseCode("2.0F?" + Repeated(" V+ Cw Gm") + " V- Gr", p));
    EXPECT_EQ(p.artLevel, 3u);
    EXPECT_EQ(p.compyFlags, 1u);
    EXPECT_EQ(p.compyLevel, 4u);
    EXPECT_EQ(p.gamingFlags, 3u);
    EXPECT_EQ(p.gamingLevel, 4u);  // the unfinished last token leaves the level as it was

    ASSERT_TRUE(ParseCode("2.0F? K" + Repeated("  Su+  Ap-  C*") + "  Su-*", p));
    EXPECT_EQ(p.kink(0), MakeKinkCell(2, 3));
    EXPECT_EQ(p.kink(3), MakeKinkCell(2, 2));
    EXPECT_EQ(p.kink(23), MakeKinkCell(3, 3));
}

TEST_P(LongLines, LongRunsInsideOneToken) {
    PROFILE p;
    ASSERT_TRUE(ParseCode("2.0FO[" + Repeated("x ") + "]5", p));
    EXPECT_EQ(p.customSpeciesName.size(), kLongLine);
    EXPECT_EQ(p.anthroLevel, 5u);

    ASSERT_TRUE(ParseCode("2.0FO[" + Repeated("y"), p));
    EXPECT_EQ(p.customSpeciesName, Repeated("y"));

    ASSERT_TRUE(ParseCode("2.0F?" + Repeated("c1 ") + "V", p));
    EXPECT_EQ(p.specificsFlags, 1u);
    EXPECT_EQ(p.anthroLevel, 1u);
    EXPECT_EQ(p.artLevel, 4u);

    ASSERT_TRUE(ParseCode("2.0F? V" + Repeated("+-") + "+", p));
    EXPECT_EQ(p.artLevel, 5u);

    ASSERT_TRUE(ParseCode("2.0F? W" + Repeated("e ") + "d/" + Repeated("a r"), p));
    EXPECT_EQ(p.workType, 7u);
    EXPECT_EQ(p.trainedFlags, 1u);

    ASSERT_TRUE(ParseCode("2.0F? O1" + Repeated(" ") + "2 D" + Repeated(" ") + "m+", p));
    EXPECT_EQ(p.age, 12u);
    EXPECT_EQ(p.madeOwnSuit, 1u);
    EXPECT_EQ(p.fursuitsLevel, 5u);

    ASSERT_TRUE(ParseCode("2.0F? Ym/" + Repeated(" ") + "*" + Repeated(" ") + "-", p));
    EXPECT_EQ(p.yiffyYiffyPreference, 3u | 2u << 2);
}

}  // namespace
}  // namespace brindlex
