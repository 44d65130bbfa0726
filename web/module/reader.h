// "Read a Code Line" in the web edition: the code lines of a pasted post, and the chosen
// one's answers beside the user's own, with its repairs as runs of the post. Positions are
// in UTF-16 code units, as the page's script counts them in the text it handed over.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile.h"

namespace brindlex::web {

// The UTF-16 position of byte `at` of the UTF-8 text `text`.
std::size_t Utf16Offset(std::string_view text, std::size_t at);

struct FoundLine {
    std::size_t lineNumber;  // 1-based, where "2.0F" stands
    std::string code;        // the code line, its wrapped parts joined
};

std::vector<FoundLine> FindLines(std::string_view text);

struct ReaderRow {
    int category;
    std::string caption;
    std::string theirs;
    std::string yours;
    std::string code;  // the piece of the line's normal form that carries their answer
    bool differs;
};

struct Repair {
    std::string text;  // in words, as the window lists it
    std::size_t from;  // the run of the post it concerns
    std::size_t to;
};

struct LineReading {
    std::string code;
    std::vector<ReaderRow> rows;
    std::size_t differing = 0;
    std::size_t same = 0;
    std::vector<Repair> repairs;
};

// The code line number `index` (0-based) of FindLines(text), read against `yours`; nothing
// when there is no such line.
std::optional<LineReading> ReadFoundLine(std::string_view text, std::size_t index,
                                         const PROFILE& yours);

}  // namespace brindlex::web
