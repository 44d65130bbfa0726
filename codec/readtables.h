// Lookup tables of the code line's readers, built at compile time from the vocabulary and
// the table of categories, and the small readers of marks; shared by the general reader and
// the reader of the writer's form.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "profile/categories.h"

namespace brindlex::reading {

// --- Lookup tables, built at compile time from the vocabulary ----------------

inline constexpr unsigned kLetterCount = 26;

constexpr bool IsLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}
constexpr bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// How the first character of the family code is read.
enum FamilyLead : std::uint8_t {
    kLeadInvalid,
    kLeadSingle,    // a one-letter code, or "?"
    kLeadPrefixed,  // a one-letter code that also begins two-letter codes
    kLeadName,      // "[": family "Other", the name follows
};

struct FamilyTables {
    std::array<FamilyLead, 256> lead{};
    std::array<std::uint8_t, 256> single{};  // family of a one-letter code
    std::array<std::array<std::uint8_t, kLetterCount>, kLetterCount> pair{};  // 0 = none
    // 1-based species position by family and lower-case letter, 0 = none.
    std::array<std::array<std::uint8_t, kLetterCount>, kFamilyPolymorph> species{};
};

inline constexpr FamilyTables kFamilyTables = [] {
    FamilyTables t{};
    for (std::size_t f = 0; f < kFamilies.size(); ++f) {
        const std::string_view code = kFamilies[f].code;
        const auto first = static_cast<unsigned char>(code[0]);
        if (code.size() == 1) {
            t.single[first] = static_cast<std::uint8_t>(f);
            if (t.lead[first] == kLeadInvalid) {
                t.lead[first] = kLeadSingle;
            }
        } else {
            const auto second = static_cast<unsigned char>(code[1]);
            t.pair[first - 'A'][second - 'A'] = static_cast<std::uint8_t>(f);
        }
        if (f < kFamilyPolymorph) {
            const std::string_view letters = kFamilies[f].letters;
            for (std::size_t i = 0; i < letters.size(); ++i) {
                t.species[f][static_cast<unsigned char>(letters[i]) - 'a'] =
                    static_cast<std::uint8_t>(i + 1);
            }
        }
    }
    for (std::size_t f = 0; f < kFamilies.size(); ++f) {
        const std::string_view code = kFamilies[f].code;
        if (code.size() == 2) {
            t.lead[static_cast<unsigned char>(code[0])] = kLeadPrefixed;
        }
    }
    t.lead['['] = kLeadName;
    return t;
}();

// Trait bits by letter.
inline constexpr std::array<std::uint32_t, 256> kTraitBits = [] {
    std::array<std::uint32_t, 256> bits{};
    for (const Trait& trait : kTraits) {
        bits[static_cast<unsigned char>(trait.letter)] = std::uint32_t{1} << trait.bit;
    }
    return bits;
}();

// Choice bits by letter, for the category `c` whose token carries choice letters.
template <int c>
inline constexpr std::array<std::uint16_t, 256> kChoiceBits = [] {
    constexpr const CategoryInfo& row = kCategoryTable[c];
    std::array<std::uint16_t, 256> bits{};
    for (unsigned i = 0; i < row.choiceCount; ++i) {
        bits[static_cast<unsigned char>(row.choices[i].letter)] =
            static_cast<std::uint16_t>(1u << i);
    }
    return bits;
}();

// Two-letter work codes by [first - 'a'][second - 'a']: the work row, 0 = none.
struct WorkTables {
    std::array<bool, kLetterCount> lead{};
    std::array<std::array<std::uint8_t, kLetterCount>, kLetterCount> row{};
};

inline constexpr WorkTables kWorkTables = [] {
    WorkTables t{};
    for (std::size_t r = 0; r < kWorkTypes.size(); ++r) {
        const std::string_view code = kWorkTypes[r].code;
        if (code.size() == 2 && IsLower(static_cast<unsigned char>(code[0])) &&
            IsLower(static_cast<unsigned char>(code[1]))) {
            t.lead[static_cast<unsigned char>(code[0]) - 'a'] = true;
            t.row[static_cast<unsigned char>(code[0]) - 'a']
                 [static_cast<unsigned char>(code[1]) - 'a'] = static_cast<std::uint8_t>(r);
        }
    }
    return t;
}();

// Kink codes: the `kinkPrefs` cell + 1 (0 = no such code), by upper-case first
// letter and, for two-letter codes, lower-case second letter.
struct KinkTables {
    std::array<std::uint8_t, 256> lead{};  // by character: first - 'A' + 1, 0 = no kink code
    std::array<std::uint8_t, kLetterCount> single{};
    std::array<std::array<std::uint8_t, kLetterCount>, kLetterCount> pair{};
};

inline constexpr KinkTables kKinkTables = [] {
    KinkTables t{};
    for (std::size_t k = 0; k < kKinks.size(); ++k) {
        const std::string_view code = kKinks[k].code;
        if (code.empty()) {
            continue;
        }
        const auto cell = static_cast<std::uint8_t>(KinkCellOf(static_cast<int>(k)) + 1);
        const unsigned first = static_cast<unsigned char>(code[0]) - 'A';
        t.lead[static_cast<unsigned char>(code[0])] = static_cast<std::uint8_t>(first + 1);
        if (code.size() == 1) {
            t.single[first] = cell;
        } else {
            t.pair[first][static_cast<unsigned char>(code[1]) - 'a'] = cell;
        }
    }
    return t;
}();

// The kink category of each cell + 1, as the kink tables index cells.
inline constexpr std::array<std::int16_t, kKinkCount + 1> kKinkCategories = [] {
    std::array<std::int16_t, kKinkCount + 1> categories{};
    for (int k = 0; k < kKinkCount; ++k) {
        categories[static_cast<std::size_t>(KinkCellOf(k) + 1)] =
            static_cast<std::int16_t>(kFirstKinkCategory + k);
    }
    return categories;
}();

inline constexpr int kAnthroCategory = [] {
    for (std::size_t c = 0; c < kCategoryTable.size(); ++c) {
        if (kCategoryTable[c].token == TokenKind::kAnthroDigit) {
            return static_cast<int>(c);
        }
    }
    return -1;
}();

inline unsigned LetterIndex(int c, char first) {
    return static_cast<unsigned>(c - first);  // >= 26 when c is no such letter or -1
}

// The place of each of `marks` by character, `none` for other characters; N - 1 is past
// the characters, for the end of the text.
template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N> PlacesOf(const std::array<char, M>& marks, T none) {
    std::array<T, N> places{};
    for (auto& place : places) {
        place = none;
    }
    for (std::size_t i = 0; i < marks.size(); ++i) {
        places[static_cast<unsigned char>(marks[i])] = static_cast<T>(i);
    }
    return places;
}

// Values of the answer marks (kKinkMarks) by character, -1 for others; index 256 stands for
// the end of the text.
inline constexpr std::array<std::int8_t, 257> kAnswerMarks =
    PlacesOf<std::int8_t, 257>(kKinkMarks, std::int8_t{-1});

// No value: the byte is no such mark or letter.
inline constexpr std::uint8_t kNoValue = 0xFF;

// Values of the attraction marks (kAttractionMarks) by character, kNoValue for others.
inline constexpr std::array<std::uint8_t, 256> kAttractionValues =
    PlacesOf<std::uint8_t, 256>(kAttractionMarks, kNoValue);

// By character: the gender value in bits 0-1 and, in bit 2, whether it is a gender letter of
// any gendered token; the reader takes each for either gender.
inline constexpr std::uint8_t kGenderTaken = 4;

inline constexpr std::array<std::uint8_t, 256> kGenderLetters = [] {
    std::array<std::uint8_t, 256> letters{};
    for (const CategoryInfo& row : kCategoryTable) {
        for (std::size_t g = 0; row.genderLetters != nullptr && g < row.genderLetters->size();
             ++g) {
            letters[static_cast<unsigned char>((*row.genderLetters)[g])] =
                static_cast<std::uint8_t>(g | kGenderTaken);
        }
    }
    return letters;
}();

// The work type of the one-character work codes ("#", "+", ...), which the reader takes
// before the trained fields, kNoValue for others; where two rows share a code, the later.
inline constexpr std::array<std::uint8_t, 256> kWorkMarks = [] {
    std::array<std::uint8_t, 256> types{};
    for (auto& type : types) {
        type = kNoValue;
    }
    for (std::size_t r = 0; r < kWorkTypes.size(); ++r) {
        if (kWorkTypes[r].code.size() == 1) {
            types[static_cast<unsigned char>(kWorkTypes[r].code[0])] = static_cast<std::uint8_t>(r);
        }
    }
    return types;
}();

// How each byte moves the level of level marks: kLevelSkip for a blank, kLevelEnd for a byte
// that ends the marks before it, kLevelUp, kLevelDown, or the level a mark sets and ends the
// marks at.
inline constexpr std::uint8_t kLevelSkip = 0xF0;
inline constexpr std::uint8_t kLevelEnd = 0xF1;
inline constexpr std::uint8_t kLevelUp = 0xF2;
inline constexpr std::uint8_t kLevelDown = 0xF3;

inline constexpr std::array<std::uint8_t, 256> kLevelSteps = [] {
    std::array<std::uint8_t, 256> steps{};
    for (auto& step : steps) {
        step = kLevelEnd;
    }
    steps[static_cast<unsigned char>(kBlank)] = kLevelSkip;
    for (const LevelMarkRule& rule : kLevelMarkRules) {
        steps[static_cast<unsigned char>(rule.mark)] = rule.step > 0 ? kLevelUp
                                                       : rule.step < 0
                                                           ? kLevelDown
                                                           : static_cast<std::uint8_t>(rule.to);
    }
    return steps;
}();

// --- Readers ---------------------------------------------------------------------
//
// The readers take the reading position by value and hand back the new one,
// so that it stays in a register across the whole line.

struct Read {
    unsigned value;
    std::size_t pos;
};

// The byte at `pos` as 0..255, or -1 past the end.
inline int At(std::string_view text, std::size_t pos) {
    return pos < text.size() ? static_cast<unsigned char>(text[pos]) : -1;
}

inline std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == kBlank) {
        ++pos;
    }
    return pos;
}

inline Read LevelMarksAt(std::string_view text, std::size_t pos) {
    unsigned level = kMiddleLevel;
    for (; pos < text.size(); ++pos) {
        const unsigned step = kLevelSteps[static_cast<unsigned char>(text[pos])];
        switch (step) {
            case kLevelSkip:
                break;
            case kLevelUp:
                level += level < kTopLevel ? 1 : 0;
                break;
            case kLevelDown:
                level -= level > kLowestLevel ? 1 : 0;
                break;
            case kLevelEnd:
                return {level, pos};
            default:
                return {step, pos + 1};
        }
    }
    return {level, pos};
}

inline Read GenderLetterAt(std::string_view text, std::size_t pos) {
    const unsigned letter =
        pos < text.size() ? kGenderLetters[static_cast<unsigned char>(text[pos])] : 0u;
    return {letter & 3u, pos + (letter >> 2)};
}

// The value of an answer mark at `pos`, or -1.
inline int AnswerMarkAt(std::string_view text, std::size_t pos) {
    return kAnswerMarks[pos < text.size() ? static_cast<unsigned char>(text[pos]) : 256u];
}

// The value of an attraction mark at `pos`, or -1.
inline int AttractionMarkAt(std::string_view text, std::size_t pos) {
    const unsigned value =
        pos < text.size() ? kAttractionValues[static_cast<unsigned char>(text[pos])] : kNoValue;
    return value == kNoValue ? -1 : static_cast<int>(value);
}

inline Read AttractionMarksAt(std::string_view text, std::size_t pos) {
    pos = SkipBlanks(text, pos);
    if (At(text, pos) != kSlash) {
        return {0, pos};
    }
    pos = SkipBlanks(text, pos + 1);
    const int guys = AttractionMarkAt(text, pos);
    if (guys < 0) {
        return {0, pos};
    }
    pos = SkipBlanks(text, pos + 1);
    if (At(text, pos) == kNoAnswerMark) {
        return {0, pos};
    }
    int girls = AttractionMarkAt(text, pos);
    if (girls < 0) {
        girls = 0;
    } else {
        ++pos;
    }
    return {static_cast<unsigned>(guys) | (static_cast<unsigned>(girls) << 2), pos};
}

inline Read KinkMarksAt(std::string_view text, std::size_t pos) {
    pos = SkipBlanks(text, pos);
    const int rolePlay = AnswerMarkAt(text, pos);
    if (rolePlay < 0) {
        return {0, pos};
    }
    pos = SkipBlanks(text, pos + 1);
    int realLife = AnswerMarkAt(text, pos);
    if (realLife < 0) {
        realLife = rolePlay;  // one mark stands for both answers
    } else {
        ++pos;
    }
    return {MakeKinkCell(static_cast<unsigned>(rolePlay), static_cast<unsigned>(realLife)), pos};
}

}  // namespace brindlex::reading
