// brindlex-code find: the code lines in a text.
#pragma once

#include <iosfwd>

namespace brindlex {

// Exit status of find when the text holds no code line.
constexpr int kExitNothingFound = 1;

// Prints "N: code line" for every code line found in the text of `in`, N being its line
// number; with `normalize`, the code line's normal form instead.
int RunFind(std::istream& in, std::ostream& out, bool normalize);

}  // namespace brindlex
