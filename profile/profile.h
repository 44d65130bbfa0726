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

// The level of the age bracket that holds an exact age of 1..120 years: one bracket per
// ten years, 60 and more in the top one.
constexpr unsigned AgeBracketLevel(unsigned years) {
    return years >= 60 ? 7 : 1 + years / 10;
}

// An attraction nibble holds the answer towards guys in bits 0-1 and towards girls in
// bits 2-3, each 0 unspecified or 1 + the entry of the attraction list.
constexpr unsigned AttractionGuys(unsigned nibble) {
    return nibble & 3u;
}
constexpr unsigned AttractionGirls(unsigned nibble) {
    return (nibble >> 2) & 3u;
}
// The list entry that shows one half, -1 (no entry) for an unspecified half.
constexpr int AttractionEntry(unsigned half) {
    return static_cast<int>(half & 3u) - 1;
}
// The nibble of the two lists' entries; an entry of -1 stores an unspecified half.
constexpr unsigned AttractionOfEntries(int guys, int girls) {
    return (static_cast<unsigned>(guys + 1) & 3u) | ((static_cast<unsigned>(girls + 1) & 3u) << 2);
}

// Whether a custom species name shows in the code line: the line leaves out its "]"s,
// and a name of nothing else but blanks is not written at all.
constexpr bool IsWrittenName(std::string_view name) {
    return name.find_first_not_of(" ]") != std::string_view::npos;
}

// All fields start at 0 and the custom species name empty. Every field keeps
// only the low bits of what is stored into it, so no store reaches a neighbour.
struct PROFILE {
    PROFILE() { clear(); }

    // Makes every answer none and the custom species name empty, keeping the name's room.
    void clear();

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
    // The level of the age scale that the age shows: the bracket's own level,
    // or the level of the bracket that holds an exact age; 0 for no answer.
    unsigned ageSliderLevel() const;
    // Sets `workType`; indices past the work list store "Other" (25).
    void setWorkType(std::uint8_t index);
};

inline void PROFILE::clear() {
    kinkPrefs = {};
    yiffyYiffyPreference = 0;
    sexPreference = 0;
    includeKinks = 0;
    specificsFlags = 0;
    madeOwnSuit = 0;
    speciesIndex = 0;
    speciesFamily = 0;
    yiffyYiffyLevel = 0;
    anthroLevel = 0;
    artLevel = 0;
    consLevel = 0;
    fursuitsLevel = 0;
    hugsLevel = 0;
    interwebsRpLevel = 0;
    plushiesLevel = 0;
    realismLevel = 0;
    transformationLevel = 0;
    writingLevel = 0;
    characterGender = 0;
    workType = 0;
    age = 0;
    gamingFlags = 0;
    trainedFlags = 0;
    furrySite = 0;
    ownGender = 0;
    compyFlags = 0;
    interwebsLevel = 0;
    compyLevel = 0;
    furFactorLevel = 0;
    gamingLevel = 0;
    educationLevel = 0;
    livingLevel = 0;
    animeLevel = 0;
    petsLevel = 0;
    sexLevel = 0;
    customSpeciesName.clear();
}

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

    constexpr unsigned maxValue() const { return (1u << width) - 1u; }
};

// Numeric fields in the order the command-line tool lists them: the answers
// of the Species and Specifics pages first, then the levels in category order.
#define BRINDLEX_PROFILE_FIELDS(X) \
    X(speciesFamily, 5)            \
    X(speciesIndex, 4)             \
    X(specificsFlags, 17)          \
    X(madeOwnSuit, 1)              \
    X(characterGender, 2)          \
    X(workType, 5)                 \
    X(age, 7)                      \
    X(gamingFlags, 9)              \
    X(trainedFlags, 21)            \
    X(furrySite, 1)                \
    X(ownGender, 2)                \
    X(compyFlags, 5)               \
    X(yiffyYiffyPreference, 4)     \
    X(sexPreference, 4)            \
    X(includeKinks, 1)             \
    X(anthroLevel, 3)              \
    X(realismLevel, 3)             \
    X(interwebsRpLevel, 3)         \
    X(fursuitsLevel, 3)            \
    X(transformationLevel, 3)      \
    X(hugsLevel, 3)                \
    X(plushiesLevel, 3)            \
    X(consLevel, 3)                \
    X(artLevel, 3)                 \
    X(writingLevel, 3)             \
    X(yiffyYiffyLevel, 3)          \
    X(educationLevel, 3)           \
    X(furFactorLevel, 3)           \
    X(livingLevel, 3)              \
    X(petsLevel, 3)                \
    X(gamingLevel, 3)              \
    X(interwebsLevel, 3)           \
    X(compyLevel, 3)               \
    X(animeLevel, 3)               \
    X(sexLevel, 3)

#define BRINDLEX_FIELD_INFO(field, width)                                          \
    FieldInfo{#field, width, [](const PROFILE& p) -> unsigned { return p.field; }, \
              [](PROFILE& p, unsigned v) { p.field = v; }},

inline constexpr std::array<FieldInfo, 35> kProfileFields = {
    {BRINDLEX_PROFILE_FIELDS(BRINDLEX_FIELD_INFO)}};

#undef BRINDLEX_FIELD_INFO
#undef BRINDLEX_PROFILE_FIELDS

// The field called `name`, or nullptr.
constexpr const FieldInfo* FindField(std::string_view name) {
    for (const FieldInfo& f : kProfileFields) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

}  // namespace brindlex
