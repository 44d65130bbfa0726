// A code line told in plain words, with the window's own names and help texts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "profile/profile.h"

namespace brindlex {

// Explains each code line (arguments, or one per line of `in`): a line of
// "Category: answer" per answer, a blank line between code lines; with `json`
// one JSON array of {category, answer, code} per code line instead. With
// `repairs`, every run of the line that the normal form lost or changed follows
// the answers, at its 1-based byte; with `json` too, each code line prints an
// object {answers, repairs}.
int RunExplain(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err, bool all, bool json, bool repairs = false);

}  // namespace brindlex
