// The answers record as JSON: one object whose members are the record's
// fields, written and read without any JSON type in sight.
#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "profile/profile.h"

namespace brindlex {

// A text that is not an answers record. The message is one line in plain words that names
// the member at fault, what it holds and what it may hold.
class ProfileJsonError : public std::runtime_error {
public:
    enum class Problem {
        kEmpty,             // nothing but blanks
        kEndsEarly,         // the text stops inside the record
        kNotJson,           // something that is not JSON, at byte()
        kNotRecord,         // JSON, but not one object
        kUnknownMember,     // a member that is no answer
        kRepeatedMember,    // a member given twice
        kNoSuchAnswer,      // a value that the member's answer cannot take
        kControlCharacter,  // a control character in the name
    };

    ProfileJsonError(Problem problem, std::string member, const std::string& message,
                     std::size_t byte = 0);

    Problem problem() const { return m_problem; }
    // The member at fault, its name as written; empty for a problem of the whole text.
    const std::string& member() const { return m_member; }
    // The 1-based byte where the text stopped making sense, for kEndsEarly and kNotJson.
    std::size_t byte() const { return m_byte; }
    // Whether the whole text is no answers record, rather than one member of it.
    bool ofWholeText() const { return m_member.empty(); }

private:
    Problem m_problem;
    std::string m_member;
    std::size_t m_byte;
};

// The record as one line of JSON without blanks: the numeric fields in the
// order of kProfileFields with `customSpeciesName` after `speciesIndex`, then
// `kinkPrefs`, the 96 kink answers in kink list order. Bytes of the name that
// are not UTF-8 are written as U+FFFD, control characters as escapes.
std::string ProfileToJsonText(const PROFILE& profile);

// Appends ProfileToJsonText(profile) to `out`.
void AppendProfileJson(const PROFILE& profile, std::string& out);

// As above, but whenever a long name has made `out` longer than `limit`
// bytes, hands it to `drain`, which is to take its text away and empty it,
// so that a name of any length needs little more room than itself.
void AppendProfileJson(const PROFILE& profile, std::string& out, std::size_t limit,
                       const std::function<void(std::string&)>& drain);

// Appends `text` as a JSON string in quotes, written as ProfileToJsonText
// writes the name.
void AppendJsonString(std::string_view text, std::string& out);
// As above, draining `out` as AppendProfileJson does.
void AppendJsonString(std::string_view text, std::string& out, std::size_t limit,
                      const std::function<void(std::string&)>& drain);

// Reads a record from JSON text. Members left out are 0 or empty. Throws
// ProfileJsonError for text that is not JSON or holds a number JSON cannot
// hold, for anything but an object, for an unknown or repeated member, a
// member of the wrong type or a value outside its field's width, and for a
// name holding a control character (U+0000..U+001F, U+007F), which no code
// line can carry, unless `name` is kAny: the window keeps whatever name its
// fields were given, and takes it back.
enum class NameCharacters { kOneLine, kAny };
PROFILE ProfileFromJsonText(std::string_view text, NameCharacters name = NameCharacters::kOneLine);

}  // namespace brindlex
