// Looks for code lines in arbitrary bytes, as `find` and "Read a Code Line" do: every line
// found must be accepted and lie in the text where its pieces say, on the line its number
// says, and a text of the found lines alone, one a line, must find the same lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec/codec.h"
#include "codec/find.h"
#include "fuzz/fail.h"

using brindlex::FoundCodeLine;
using brindlex::fuzz::Fail;

namespace {

// The line breaks of `text` before `at`, from `from` on: LF, CRLF and a bare CR.
std::size_t LineBreaks(std::string_view text, std::size_t from, std::size_t at) {
    std::size_t breaks = 0;
    for (std::size_t i = from; i < at; ++i) {
        breaks +=
            text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
    }
    return breaks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<FoundCodeLine> found = brindlex::FindCodeLines(text);
    std::string alone;
    std::size_t counted = 0;  // the line breaks up to `at`
    std::size_t at = 0;
    for (const FoundCodeLine& line : found) {
        if (!brindlex::RejectionReason(line.code).empty() || line.pieces.empty()) {
            Fail("a line found is not one the reader accepts", line.code);
        }
        std::size_t codeAt = 0;
        for (const FoundCodeLine::Piece& piece : line.pieces) {
            if (piece.codeAt != codeAt || piece.textAt > text.size() ||
                piece.size > text.size() - piece.textAt ||
                text.substr(piece.textAt, piece.size) !=
                    std::string_view(line.code).substr(piece.codeAt, piece.size)) {
                Fail("a piece of a line found is not where it says", text);
            }
            codeAt = piece.codeAt + piece.size;
            if (codeAt < line.code.size() && line.code[codeAt++] != ' ') {
                Fail("the pieces of a line found are not joined by one blank", line.code);
            }
        }
        if (codeAt != line.code.size()) {
            Fail("the pieces of a line found leave some of it out", line.code);
        }
        const std::size_t start = line.pieces.front().textAt;
        if (start < at) {
            Fail("the lines found are out of order", text);
        }
        counted += LineBreaks(text, at, start);
        at = start;
        if (line.lineNumber != counted + 1) {
            Fail("a line found gives the wrong line number", text);
        }
        alone += line.code;
        alone += '\n';
    }
    const std::vector<FoundCodeLine> again = brindlex::FindCodeLines(alone);
    bool same = again.size() == found.size();
    for (std::size_t i = 0; same && i < found.size(); ++i) {
        same = again[i].code == found[i].code && again[i].lineNumber == i + 1;
    }
    if (!same) {
        Fail("the lines found, alone, find other lines", alone);
    }
    return 0;
}
