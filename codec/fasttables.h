// The tables of the reader of the writer's own form (codec/fastread.cpp): each shape of
// token value as the writer writes it, looked up by its bytes as one word. Built at compile
// time from the vocabulary and the token descriptions.
#pragma once

#include <array>
#include <cstdint>

#include "codec/readtables.h"
#include "codec/wordtable.h"
#include "profile/categories.h"

namespace brindlex::reading {

#if defined(__GNUC__)
#define BRINDLEX_INLINE inline __attribute__((always_inline))
#else
#define BRINDLEX_INLINE inline
#endif

// Level marks as the writer writes them, by their text: the level.
inline constexpr WordTable<4> kLevelMarkTable = [] {
    std::array<WordValue, 8> entries{};
    for (unsigned level = 0; level < entries.size(); ++level) {
        entries[level] = {WordOf(kLevelMarks[level]), static_cast<std::uint8_t>(level)};
    }
    return MakeWordTable<4>(entries);
}();

// The same behind the byte of a tag that has been turned into 0.
inline constexpr WordTable<4> kTaggedLevelMarkTable = [] {
    std::array<WordValue, 8> entries{};
    for (unsigned level = 0; level < entries.size(); ++level) {
        entries[level] = {WordOf(kLevelMarks[level]) << 8, static_cast<std::uint8_t>(level)};
    }
    return MakeWordTable<4>(entries);
}();

// The level of `length` bytes at `p`, and whether they are level marks as the writer writes
// them. Reads four bytes.
struct Marks {
    unsigned level;
    bool written;
};

BRINDLEX_INLINE Marks MarkLevel(const char* p, unsigned length) {
    const Found mark = kLevelMarkTable.Find(WordAt(p) & kWordMasks[length & 3u]);
    return {mark.value, (mark.found & (length < 4)) != 0};
}

// The start of a gendered token's value, its gender letter and level marks, by their text:
// the gender in bits 0-1 and the level in bits 2-4.
inline constexpr WordTable<7> kGenderedHeadTable = [] {
    std::array<WordValue, 40> entries{};
    std::size_t count = 0;
    for (unsigned c = 0; c < kGenderLetters.size(); ++c) {
        if ((kGenderLetters[c] & kGenderTaken) == 0) {
            continue;
        }
        for (unsigned level = 0; level < kLevelMarks.size(); ++level) {
            entries.at(count++) = {
                c | WordOf(kLevelMarks[level]) << 8,
                static_cast<std::uint8_t>((kGenderLetters[c] & 3u) | level << 2)};
        }
    }
    if (count != entries.size()) {
        throw "the gender letters are not five";
    }
    return MakeWordTable<7>(entries);
}();

// The end of a gendered token's value, "/" and the two attraction marks, by their text: the
// attraction.
inline constexpr WordTable<5> kAttractionTable = [] {
    std::array<WordValue, 16> entries{};
    std::size_t count = 0;
    for (unsigned guys = 0; guys < 256; ++guys) {
        for (unsigned girls = 0; girls < 256; ++girls) {
            if (kAttractionValues[guys] != kNoValue && kAttractionValues[girls] != kNoValue) {
                entries.at(count++) = {static_cast<unsigned char>(kSlash) | guys << 8 | girls << 16,
                                       static_cast<std::uint8_t>(kAttractionValues[guys] |
                                                                 kAttractionValues[girls] << 2)};
            }
        }
    }
    return MakeWordTable<5>(entries);
}();

// The trainedFlags bit of each work row, 0 for none.
inline constexpr std::array<std::uint32_t, 32> kTrainedBits = [] {
    std::array<std::uint32_t, 32> bits{};
    for (std::size_t row = 0; row < kWorkTypes.size(); ++row) {
        if (kWorkTypes[row].trainedField >= 0) {
            bits[row] = std::uint32_t{1} << kWorkTypes[row].trainedField;
        }
    }
    return bits;
}();

// The work row of the two letters at `p`, 0 for none.
BRINDLEX_INLINE unsigned WorkRow(const char* p) {
    const unsigned first = LetterIndex(static_cast<unsigned char>(p[0]), 'a');
    const unsigned second = LetterIndex(static_cast<unsigned char>(p[1]), 'a');
    const bool letters = (first < kLetterCount) & (second < kLetterCount);
    return kWorkTables.row[letters ? first : 0][letters ? second : 0] & (0u - letters);
}

// The kink code at the two bytes of a kink token's start, by their little-endian 16-bit
// word: where its cell is, the kinkPrefs byte in bits 0-5 and kHighCell for the high half;
// kPairCode when the second byte is the code's second letter; kKinkCode when there is a code
// at all, not when the first byte is no kink letter, or ReadKinks would pass blanks over or
// read no kink.
enum : std::uint16_t { kHighCell = 0x40, kPairCode = 0x80, kKinkCode = 0x100 };

constexpr std::uint16_t KinkCode(unsigned cell, bool pair) {
    const unsigned index = cell - 1;  // the kink tables count cells from 1
    return static_cast<std::uint16_t>((index / 2) | (index % 2 != 0 ? kHighCell : 0) |
                                      (pair ? kPairCode : 0) | kKinkCode);
}

inline constexpr std::array<std::uint16_t, 1u << 16> kKinkCodes = [] {
    std::array<std::uint16_t, 1u << 16> codes{};
    for (unsigned first = 0; first < kLetterCount; ++first) {
        for (unsigned c = 0; c < 256; ++c) {
            const unsigned word = ('A' + first) | c << 8;
            const unsigned second = c - 'a';
            const unsigned pair = second < kLetterCount ? kKinkTables.pair[first][second] : 0u;
            if (pair != 0) {
                codes[word] = KinkCode(pair, true);
            } else if (c != static_cast<unsigned char>(kBlank) && kKinkTables.single[first] != 0) {
                codes[word] = KinkCode(kKinkTables.single[first], false);
            }
        }
    }
    return codes;
}();

// The one or two marks of a kink token by their text: its cell. One mark stands for both
// answers.
inline constexpr WordTable<6> kKinkMarkTable = [] {
    std::array<WordValue, 20> entries{};
    std::size_t count = 0;
    for (unsigned first = 0; first < 4; ++first) {
        const char one[1] = {kKinkMarks[first]};
        entries[count++] = {WordOf({one, 1}),
                            static_cast<std::uint8_t>(MakeKinkCell(first, first))};
        for (unsigned next = 0; next < 4; ++next) {
            const char two[2] = {kKinkMarks[first], kKinkMarks[next]};
            entries[count++] = {WordOf({two, 2}),
                                static_cast<std::uint8_t>(MakeKinkCell(first, next))};
        }
    }
    return MakeWordTable<6>(entries);
}();

// The cells of kKinkMarkTable's slots placed in the low half of a byte, then in the high
// half, so that a kink code's kHighCell bit added to the slot picks its cell; and by that bit,
// what each keeps of the byte.
struct PlacedCells {
    std::array<std::uint8_t, 2 * kHighCell> cells;
    std::array<std::uint8_t, kHighCell + 1> keep;
};

inline constexpr PlacedCells kPlacedKinkCells = [] {
    static_assert(kKinkMarkTable.values.size() == kHighCell, "a slot past the low half");
    PlacedCells placed{};
    for (unsigned slot = 0; slot < kHighCell; ++slot) {
        placed.cells[slot] = kKinkMarkTable.values[slot];
        placed.cells[kHighCell + slot] =
            static_cast<std::uint8_t>(kKinkMarkTable.values[slot] << 4);
    }
    placed.keep[0] = 0xF0;
    placed.keep[kHighCell] = 0x0F;
    return placed;
}();

// Whether each character is a flag letter of category `c`.
template <int c>
inline constexpr std::array<std::uint8_t, 256> kFlagLetters = [] {
    std::array<std::uint8_t, 256> letters{};
    for (char letter : kCategoryTable[c].flagLetters) {
        letters[static_cast<unsigned char>(letter)] = 1;
    }
    return letters;
}();

}  // namespace brindlex::reading
