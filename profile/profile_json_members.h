// The names of the record's JSON members that are not numeric fields, for the
// JSON writer and reader.
#pragma once

#include <string_view>

namespace brindlex {

inline constexpr std::string_view kNameMember = "customSpeciesName";
inline constexpr std::string_view kKinksMember = "kinkPrefs";

}  // namespace brindlex
