// The names of the record's JSON members that are not numeric fields, and what the JSON
// readers share.
#pragma once

#include <cstddef>
#include <string_view>

namespace brindlex {

inline constexpr std::string_view kNameMember = "customSpeciesName";
inline constexpr std::string_view kKinksMember = "kinkPrefs";

// Throws the ProfileJsonError of `text`, in which the JSON reader stopped at `position`
// (1-based; one past the text's end when the text ended too soon).
[[noreturn]] void ThrowUnreadableText(std::string_view text, std::size_t position);

}  // namespace brindlex
