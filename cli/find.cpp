#include "cli/find.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "codec/codec.h"
#include "codec/find.h"

namespace brindlex {

int RunFind(std::istream& in, std::ostream& out, bool normalize) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<FoundCodeLine> found = FindCodeLines(text);
    for (const FoundCodeLine& line : found) {
        out << line.lineNumber << ": ";
        if (normalize) {
            PROFILE profile;
            ParseCode(line.code, profile);  // a found line is one that the reader accepts
            out << ComposeCode(profile) << '\n';
        } else {
            out << line.code << '\n';
        }
    }
    return found.empty() ? kExitNothingFound : kExitOk;
}

}  // namespace brindlex
