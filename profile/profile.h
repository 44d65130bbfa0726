// The record of every answer the user can give.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brindlex {

constexpr int kKinkCount = 96;

// A kink cell holds two answers: role play in bits 0-1, real life in bits 2-3,
// each 0 "Unspecify", 1 "Like", 2 "Dislike", 3 "Maybe".
constexpr unsigned KinkRolePlay(unsigned cell) {
    return cell & 3u;
}
constexpr unsigned KinkRealLife(unsigned cell) {
    return (cell >> 2) & 3u;
}
constexpr unsigned MakeKinkCell(unsigned rolePlay, unsigned realLife) {
    return (rolePlay & 3u) | ((realLife & 3u) << 2);
}

// The cell of `kinkPrefs` that stores the kink at `position` in the kink list.
// The first three kinks live in the last three cells, and "Tall Body" (84)
// and "Tattoing" (85) have their cells swapped.
constexpr int KinkCellOf(int position) {
    switch (position) {
        case 0:
            return 95;  // Fursuit
        case 1:
            return 93;  // Plushies
        case 2:
            return 94;  // Zoophilia
        case 84:
            return 82;  // Tall Body
        case 85:
            return 81;  // Tattoing
        default:
            return position - 3;
    }
}

// Age values above 120 are brackets: 120 + the level of the age scale.
constexpr unsigned kMaxExactAge = 120;

// All fields start at 0 and the custom species name empty. Every field keeps
// only the low bits of what is stored into it, so no store reaches a neighbour.
struct PROFILE {
    PROFILE();

    // Adult group: 96 kink cells of 4 bits, two cells per byte (even cell in
    // the low nibble), the two attraction nibbles and the kink switch.
    std::array<std::uint8_t, kKinkCount / 2> kinkPrefs{};
    std::uint8_t yiffyYiffyPreference : 4;  // guys in bits 0-1, girls in bits 2-3
    std::uint8_t sexPreference : 4;         // same layout
    std::uint8_t includeKinks : 1;

    // Main group.
    std::uint32_t specificsFlags : 17;  // character traits
    std::uint32_t madeOwnSuit : 1;
    std::uint32_t speciesIndex : 4;  // 1-based position in the family's species list
    std::uint32_t speciesFamily : 5;
    std::uint32_t yiffyYiffyLevel : 3;

    std::uint32_t anthroLevel : 3;
    std::uint32_t artLevel : 3;
    std::uint32_t consLevel : 3;
    std::uint32_t fursuitsLevel : 3;
    std::uint32_t hugsLevel : 3;
    std::uint32_t interwebsRpLevel : 3;
    std::uint32_t plushiesLevel : 3;
    std::uint32_t realismLevel : 3;
    std::uint32_t transformationLevel : 3;
    std::uint32_t writingLevel : 3;
    std::uint32_t characterGender : 2;

    std::string customSpeciesName;

    std::uint8_t workType : 5;
    std::uint16_t age : 7;  // 0 none, 1..120 years, 121..127 brackets
    std::uint16_t gamingFlags : 9;
    std::uint32_t trainedFlags : 21;
    std::uint32_t furrySite : 1;
    std::uint32_t ownGender : 2;

    std::uint32_t compyFlags : 5;
    std::uint32_t interwebsLevel : 3;
    std::uint32_t compyLevel : 3;
    std::uint32_t furFactorLevel : 3;
    std::uint32_t gamingLevel : 3;
    std::uint32_t educationLevel : 3;
    std::uint32_t livingLevel : 3;
    std::uint32_t animeLevel : 3;
    std::uint32_t petsLevel : 3;
    std::uint32_t sexLevel : 3;

    // The answers to the kink at `position` (0..95) of the kink list.
    unsigned kink(int position) const;
    void setKink(int position, unsigned cell);

    // Sets `age` from a level of the age scale: 0 none, 1..7 the brackets
    // 121..127, anything higher the top bracket.
    void setAgeBracket(std::uint8_t level);
    // Turns a bracket into its representative exact age and an exact age
    // into its bracket.
    void toggleAgeForm();
    // Sets `workType`; indices past the work list store "Other" (25).
    void setWorkType(std::uint8_t index);
};

bool operator==(const PROFILE& a, const PROFILE& b);
inline bool operator!=(const PROFILE& a, const PROFILE& b) {
    return !(a == b);
}

// Every numeric field by name and width, in a stable order, so that the
// command-line tool and the tests can walk the record.
struct FieldInfo {
    std::string_view name;
    unsigned width;
    unsigned (*get)(const PROFILE&);
    void (*set)(PROFILE&, unsigned);

    unsigned maxValue() const { return (1u << width) - 1u; }
};

extern const std::array<FieldInfo, 35> kProfileFields;

// The field called `name`, or nullptr.
const FieldInfo* FindField(std::string_view name);

}  // namespace brindlex
