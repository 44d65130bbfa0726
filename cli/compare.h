// brindlex-code compare: where the answers of two code lines differ.
#pragma once

#include <iosfwd>
#include <string_view>

namespace brindlex {

// Lists every answer that differs between the two code lines, in category order, with both
// answers in words ("Caption:", "  1: answer", "  2: answer"), then how many answers are the
// same; with `json`, one object {differences: [{category, first, second, firstCode,
// secondCode}], same}. A line that cannot be read is explained on `err`, and nothing is
// printed.
int RunCompare(std::string_view first, std::string_view second, std::ostream& out,
               std::ostream& err, bool json);

}  // namespace brindlex
