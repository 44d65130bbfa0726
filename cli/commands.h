// The commands of brindlex-code, runnable in-process.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace brindlex {

// Exit statuses of the tool.
constexpr int kExitOk = 0;
constexpr int kExitRejectedLine = 1;  // some code line could not be read
constexpr int kExitBadInput = 2;      // the input is not what the command takes

// Calls `handle` with each code line and its 1-based number: the arguments
// when there are any, else the lines of `in` without their line ending.
void ForEachCodeLine(const std::vector<std::string>& args, std::istream& in,
                     const std::function<void(std::size_t, std::string_view)>& handle);

// Reads one answers record as JSON and prints its code line.
int RunCompose(std::istream& in, std::ostream& out, std::ostream& err);

// Prints the normal form of each code line; a rejected line prints an empty
// line and is explained on `err`.
int RunNormalize(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                 std::ostream& err);

// Prints the answers of each code line as one JSON object per line.
int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);

}  // namespace brindlex
