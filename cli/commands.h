// The commands of brindlex-code, runnable in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/io.h"

namespace brindlex {

// Exit statuses of the tool.
constexpr int kExitOk = 0;
constexpr int kExitRejectedLine = 1;  // some code line could not be read
constexpr int kExitBadInput = 2;      // the input cannot be read or is not what the command
                                      // takes, or the output cannot be written

// The tool's one line about `message`: "brindlex-code: message\n".
std::string ErrorLine(std::string_view message);

// Writes ErrorLine(message) to `err`.
void Report(std::ostream& err, std::string_view message);

// Reads one answers record as JSON and prints its code line.
int RunCompose(Input& in, Output& out, std::ostream& err);

// The line commands read the code lines given as arguments or, when there
// are none, the lines of `in`, and write their output for each in turn. A
// rejected line is explained on `err`; a read error ends the command after
// the output of the lines before it.

// Prints the normal form of each code line; a rejected line prints an empty
// line.
int RunNormalize(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err);

// Prints the answers of each code line as one JSON object per line; a
// rejected line prints an empty line.
int RunDecode(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err);

// Explains each code line: a line of "Category: answer" per answer, a blank
// line between code lines; with `json` one JSON array of {category, answer,
// code} per code line instead, and an empty line for a rejected one.
// With `repairs`, every piece of the line that the normal form lost or changed follows the
// answers ("Repairs:"), or with `json` each line is {"answers": [...], "repairs": [...]}.
int RunExplain(const std::vector<std::string>& args, Input& in, Output& out, std::ostream& err,
               bool all, bool json, bool repairs = false);

constexpr int kExitNothingFound = 1;  // find: the text holds no code line

// Prints every code line found in the text of `in` as "N: code line", N being its line
// number; with `normalize` as Brindlex writes it.
int RunFind(Input& in, Output& out, std::ostream& err, bool normalize);

// Tells where the answers of two code lines differ: for each answer that differs, its
// caption and both answers in words ("Caption:", "  1: answer", "  2: answer"), then how
// many answers are the same; with `json`, one object {differences: [{category, first,
// second, firstCode, secondCode}], same}. A line that cannot be read is explained on `err`,
// and nothing is printed.
int RunCompare(std::string_view first, std::string_view second, Output& out, std::ostream& err,
               bool json);

}  // namespace brindlex
