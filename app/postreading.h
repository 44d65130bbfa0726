// What "Read a Code Line" shows of a pasted text, worked out away from the window's thread:
// the code lines found in it, and the answers and repairs of the chosen one. Nothing here
// touches a widget, so that a worker thread may do it while the user types on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

#include "codec/compare.h"
#include "codec/explain.h"
#include "codec/find.h"
#include "profile/profile.h"

namespace brindlex {

// The answers and repairs of one code line found, beside the user's answers.
struct LineReading {
    PROFILE theirs;
    Explanation explained;  // of theirs, every answer
    Explanation own;        // of the user's answers, every answer
    Comparison compared;    // theirs against the user's, the differing answers
    QStringList repairs;    // in words
    // The repairs as runs of the pasted text, as byte offsets into its UTF-8 form.
    std::vector<std::pair<std::size_t, std::size_t>> repairRuns;
};

// The code lines of a pasted text, and the reading of the chosen one.
struct PostReading {
    std::string text;  // the pasted text in UTF-8, which the found lines index
    std::vector<FoundCodeLine> found;
    QStringList items;  // "line 5: 2.0F...", one for each line found
    int chosen = -1;    // the line read below, -1 when none was found
    LineReading line;
};

// How much of a text a list entry or a table cell shows: a line of a long post may hold a
// name of megabytes, which no one reads there and which would take the window long to lay out.
constexpr std::size_t kShownBytes = 1000;

// DisplayText of `text`, cut after kShownBytes with "…" (at a whole UTF-8 character).
QString ListedText(std::string_view text);

// Reads `line` beside the answers `yours`, in the user's language.
LineReading ReadFoundLine(const FoundCodeLine& line, const PROFILE& yours);

// Finds the code lines of `text` and reads line `chosen`, or the first when there is no such
// line. Each entry of the list is `item` with its line number and code line filled in.
PostReading ReadPost(const QString& text, const QString& item, int chosen, const PROFILE& yours);

}  // namespace brindlex
