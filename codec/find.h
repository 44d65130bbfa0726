// Code lines in any text: a forum post, a profile page, a chat log, a mail reply.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brindlex {

struct FoundCodeLine {
    // Where a run of `code` stands in the text.
    struct Piece {
        std::size_t textAt;
        std::size_t codeAt;
        std::size_t size;
    };

    std::size_t lineNumber;  // 1-based, of the text line where "2.0F" stands
    std::string code;        // the code line, its wrapped parts joined by one blank
    std::vector<Piece> pieces;
};

// Every code line of `text` that ParseCode accepts, in order. A code line begins with a
// "2.0F" that starts a word (at the start of a line, or after a blank or a punctuation
// mark) and runs to the end of its line, or to the next such "2.0F" on the line. Quote
// marks ("> ") before a line are left out. A line broken by a mail or forum program goes
// on in the following lines that hold nothing but tokens the reader knows ("V+++", "Ym/+-",
// "O25"; kink tokens after "K"), so that prose starting with "A" or "I" is not taken, once
// its head is whole: not when its text ends in the family code or in an open name. A line's
// text ends at its first 0x00 byte.
std::vector<FoundCodeLine> FindCodeLines(std::string_view text);

// The offset in the text of byte `codeAt` of a found code line; a blank that joins two
// lines stands at the end of the line before it.
std::size_t TextOffset(const FoundCodeLine& found, std::size_t codeAt);

}  // namespace brindlex
