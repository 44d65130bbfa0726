// The file in which the window keeps the answers between runs: the record's JSON, read
// leniently so that nothing in it is thrown away.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "profile/profile.h"
#include "profile/profile_json.h"

namespace brindlex {

// A member of the file that this version does not know, perhaps written by a newer one:
// its name and its value as JSON text, written back as they were.
struct KeptMember {
    std::string name;
    std::string json;
};

// A member whose value no answer has: its answer is left unset.
struct LostAnswer {
    std::string member;
    std::string value;    // as JSON text, shortened for a message
    std::string message;  // the reader's words, in English
};

struct AnswersFile {
    PROFILE profile;
    std::vector<KeptMember> kept;
    std::vector<LostAnswer> lost;
};

// Reads the answers file. One member that holds no answer loses only its own answer, and
// members that are no answer are kept; a member given twice counts once, with its last value.
// Throws ProfileJsonError (kEmpty, kEndsEarly, kNotJson, kNotRecord) when the text is no
// answers record at all. Names keep every character.
AnswersFile ReadAnswersFile(std::string_view text);

// The record as ProfileToJsonText writes it, with the kept members after its own.
std::string WriteAnswersFile(const PROFILE& profile, const std::vector<KeptMember>& kept);

}  // namespace brindlex
