#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "codec/find.h"
#include "tests/core/readpaths.h"

namespace brindlex {
namespace {

using Lines = std::vector<std::pair<std::size_t, std::string>>;
using namespace std::string_literals;

Lines Find(std::string_view text) {
    Lines lines;
    for (const FoundCodeLine& found : FindCodeLines(text)) {
        lines.emplace_back(found.lineNumber, found.code);
    }
    return lines;
}

BRINDLEX_EVERY_READ_PATH(Finder);

TEST_P(Finder, FindsExactlyTheCodeLinesOfRealLookingPosts) {
    // A forum post with a signature; the version number and the word are no code lines.
    EXPECT_EQ(Find("Re: What does your code say?\n"
                   "\n"
                   "Mine is below, generated with 2.0F. Bye!\n"
                   "Firmware v12.0F and Foo2.0FCf5 are not codes either.\n"
                   "--\n"
                   "Rex the fox ~ 2.0FCf5mw V+++ M# Dm++ Ym O25\n"),
              (Lines{{6, "2.0FCf5mw V+++ M# Dm++ Ym O25"}}));

    // A mail reply whose quoted line the mail program broke; prose that starts with "I" or
    // "A" after a code line stays prose.
    EXPECT_EQ(Find("On Monday, Kit wrote:\r\n"
                   "> My code: 2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+\r\n"
                   "> Gr- E# F# B# Nf+++ J# A# Sm#/+-\r\n"
                   "> I think that is all.\r\n"
                   "\r\n"
                   "Mine: 2.0FLr3 V- O33\r\n"
                   "A bit shorter, I know.\r\n"),
              (Lines{{2,
                      "2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+ Gr- E# F# B# "
                      "Nf+++ J# A# Sm#/+-"},
                     {6, "2.0FLr3 V- O33"}}));

    // A chat log: two lines on one line of the log, and lines that are not accepted.
    EXPECT_EQ(Find("[12:01] <Rex> compare: 2.0FCf5 V+ 2.0FFl3 V-\n"
                   "[12:02] <Kit> 2.0F is old, 2.0FQ is wrong\n"
                   "[12:03] <Kit> \"2.0FO[Snow Owl]2 A+\n"),
              (Lines{{1, "2.0FCf5 V+"}, {1, "2.0FFl3 V-"}, {3, "2.0FO[Snow Owl]2 A+"}}));

    // A profile page whose kink line wraps inside the kink section; kink codes that are
    // English words do not pull the next sentence in.
    EXPECT_EQ(Find("About me\n"
                   "  2.0FAR*[Kudu]4 V+ S## K  Su+  Zo-\n"
                   "    Ps*  B+  In-\n"
                   "In my free time I draw.\n"),
              (Lines{{2, "2.0FAR*[Kudu]4 V+ S## K  Su+  Zo- Ps*  B+  In-"}}));

    // Nested quotes, and a continuation line that holds prose after its tokens.
    EXPECT_EQ(Find(">> 2.0FU5 V+ M-\n"
                   ">> A+ would read again\n"
                   "> > 2.0FE5 V\n"),
              (Lines{{1, "2.0FU5 V+ M-"}, {3, "2.0FE5 V"}}));
}

TEST_P(Finder, ALineEndsAtItsFirstNulByte) {
    // A file that the window saved: the code line and one 0x00 byte.
    EXPECT_EQ(Find("2.0FCf5 V+\0"s), (Lines{{1, "2.0FCf5 V+"}}));
    EXPECT_EQ(Find("2.0FCf5 V+\0 Qx 2.0F?\nM-\n"s), (Lines{{1, "2.0FCf5 V+ M-"}}));
    EXPECT_EQ(Find("\0 2.0FCf5\n2.0FLr\0x\n"s), (Lines{{2, "2.0FLr"}}));
}

TEST_P(Finder, OnlyALineWhoseHeadIsWholeGoesOnInTheNextLines) {
    // Wrapped right after the head, and with the kink section begun on a wrapped line.
    EXPECT_EQ(Find("2.0FCf5mw\nV+++ M#\n"), (Lines{{1, "2.0FCf5mw V+++ M#"}}));
    EXPECT_EQ(Find("2.0F? V+\nM- K\nSu+  Zo-\nS#\n"), (Lines{{1, "2.0F? V+ M- K Su+  Zo-"}}));
    // Tokens after a family code that may go on, or after an open name, would be read into
    // the head: "2.0FC H+" reads the family "CH".
    EXPECT_EQ(Find("2.0FC\nH+ V-\n"), (Lines{{1, "2.0FC"}}));
    EXPECT_EQ(Find("2.0F\nV+\n"), (Lines{{1, "2.0F"}}));
    EXPECT_EQ(Find("2.0FO[Snow\nV+\n"), (Lines{{1, "2.0FO[Snow"}}));
    EXPECT_EQ(Find("2.0F?\nV+\n"), (Lines{{1, "2.0F? V+"}}));
}

TEST_P(Finder, PiecesLeadBackIntoTheText) {
    const std::string text = "> x 2.0FCf5 V+\n> M- D++\n";
    const std::vector<FoundCodeLine> found = FindCodeLines(text);
    ASSERT_EQ(found.size(), 1u);
    const std::string& code = found[0].code;
    ASSERT_EQ(code, "2.0FCf5 V+ M- D++");
    EXPECT_EQ(TextOffset(found[0], 0), text.find("2.0F"));
    EXPECT_EQ(TextOffset(found[0], code.find("D++")), text.find("D++"));
    EXPECT_EQ(TextOffset(found[0], code.find(" M-")), text.find("\n"));  // the joining blank
}

}  // namespace
}  // namespace brindlex
