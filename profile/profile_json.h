// The answers record as a JSON object whose members are the record's fields.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "profile.h"

namespace brindlex {

// A JSON value that is not an answers record; the message names the member
// and what it may hold.
class ProfileJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every member: the numeric fields, `customSpeciesName`, and `kinkPrefs`,
// the 96 kink answers in kink list order.
nlohmann::ordered_json ProfileToJson(const PROFILE& profile);

// Members left out are 0 or empty. Throws ProfileJsonError for an unknown
// member, a member of the wrong type or a value outside its field's width.
PROFILE ProfileFromJson(const nlohmann::json& json);

}  // namespace brindlex
