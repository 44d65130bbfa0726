// The code line: writing the answers out and reading them back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "codec/wording.h"
#include "profile/profile.h"

namespace brindlex {

// The code line of `profile`. The one change it makes is to reset
// `speciesIndex` to 0 when the family has no letter for it.
std::string ComposeCode(PROFILE& profile);

// Appends the code line of `profile` to `out`, as ComposeCode does.
void ComposeCodeInto(PROFILE& profile, std::string& out);

// Reads a code line into a fresh record and, when the line is accepted,
// replaces `profile` with it. Only a missing "2.0F" header or an unknown
// family code rejects a line; then `profile` is left untouched.
bool ParseCode(std::string_view text, PROFILE& profile);

// Why ParseCode rejects `text` ("does not begin with 2.0F", ...), in `wording`, or an
// empty string when it accepts it.
std::string RejectionReason(std::string_view text, const Wording& wording = EnglishWording());

// Readers shared by several tokens. Each starts at `pos`, moves it past what
// it takes and returns the value read; none reads past the end of `text`.
unsigned ReadLevelMarks(std::string_view text, std::size_t& pos);
unsigned ReadGenderLetter(std::string_view text, std::size_t& pos);
unsigned ReadAttractionMarks(std::string_view text, std::size_t& pos);
unsigned ReadKinkMarks(std::string_view text, std::size_t& pos);

// The mark of a level 0..7: "#", "---" .. "+++", the middle level 4 unmarked.
std::string_view LevelMark(unsigned level);

}  // namespace brindlex
