// The plain level tokens of a tag section read at once with AVX-512 VBMI, for the reader of
// the writer's own form (codec/fastread.cpp).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "codec/blanks.h"
#include "codec/wide.h"
#include "profile/categories.h"

namespace brindlex::reading {

// --- The plain level tokens at once, with AVX-512 VBMI -------------------------------
//
// Where the section was copied by CopySectionWide, the plain level tokens of a section whose
// first 128 bytes hold them are read together: the bytes of each token (its tag and up to
// three marks) are gathered into a lane of four bytes, those past the token cleared, and
// each lane's marks turned into a key that picks the level from a table.

// The tokens V..S that are plain level tokens, in order.
inline constexpr std::size_t kLevelTokenCount = [] {
    std::size_t count = 0;
    for (unsigned i = 0; i < kMainTokens; ++i) {
        count += kCategoryTable[kTokenOrder[i]].token == TokenKind::kLevel ? 1 : 0;
    }
    return count;
}();

inline constexpr std::array<std::uint8_t, kLevelTokenCount> kLevelTokens = [] {
    std::array<std::uint8_t, kLevelTokenCount> tokens{};
    std::size_t count = 0;
    for (unsigned i = 0; i < kMainTokens; ++i) {
        if (kCategoryTable[kTokenOrder[i]].token == TokenKind::kLevel) {
            tokens[count++] = static_cast<std::uint8_t>(i);
        }
    }
    return tokens;
}();

// The place of token I among them.
template <std::size_t I>
inline constexpr std::size_t kLevelSlot = [] {
    std::size_t slot = 0;
    while (kLevelTokens[slot] != I) {
        ++slot;
    }
    return slot;
}();

// The blank after the last of them, and how far it may lie for all their bytes to lie in the
// first 128 bytes of the section.
inline constexpr std::size_t kLevelTokensEnd = kLevelTokens.back() + 1u;
inline constexpr unsigned kWideReach = 128 - 4;

#if defined(BRINDLEX_WIDE)
// The marks' classes: 0 for no mark, then 1, 2 and 3 for the marks in the order the level
// marks first use them; kBadMark for any other byte below 64.
inline constexpr std::uint8_t kBadMark = 0x40;

struct WideLevelTables {
    std::array<std::uint8_t, 64> tokens{};      // by byte lane: the token whose byte it takes
    std::array<std::uint8_t, 64> nextTokens{};  // the token after that one
    std::array<std::uint8_t, 64> offsets{};     // 1 + the lane's place in its token
    std::array<std::uint8_t, 64> tags{};        // the tag in each used slot's first lane
    std::array<std::int8_t, 64> weights{};      // 0, 1, 4, 16: a lane's class in the key
    std::array<std::uint8_t, 64> classes{};     // by byte & 63
    std::array<std::uint8_t, 64> levels{};      // by key: the level, 0xFF for none
    std::uint64_t first = 0;                    // the used slots' first lanes
    std::uint64_t marks = 0;                    // their other lanes
    std::uint64_t last = 0;                     // their last lanes
    // Whether the level tokens fit these lanes: at most 16 tokens, at most three marks of
    // each, three kinds of mark below 64 and one key per level. Where they do not, the
    // portable reader reads them.
    bool fits = false;
};

inline constexpr WideLevelTables kWideLevelTables = [] {
    WideLevelTables t{};
    if (kLevelTokenCount > 16) {
        return WideLevelTables{};
    }
    for (auto& c : t.classes) {
        c = kBadMark;
    }
    t.classes[0] = 0;
    unsigned classCount = 0;
    for (std::string_view marks : kLevelMarks) {
        for (char mark : marks) {
            const auto byte = static_cast<unsigned char>(mark);
            if (byte >= 64 || byte == 0) {
                return WideLevelTables{};
            }
            if (t.classes[byte] == kBadMark) {
                t.classes[byte] = static_cast<std::uint8_t>(++classCount);
            }
        }
    }
    if (classCount > 3) {
        return WideLevelTables{};
    }
    for (auto& level : t.levels) {
        level = 0xFF;
    }
    for (unsigned level = 0; level < kLevelMarks.size(); ++level) {
        const std::string_view marks = kLevelMarks[level];
        if (marks.size() > 3) {
            return WideLevelTables{};
        }
        unsigned key = 0;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            key += unsigned{t.classes[static_cast<unsigned char>(marks[i])]} << (2 * i);
        }
        if (t.levels[key] != 0xFF) {
            return WideLevelTables{};
        }
        t.levels[key] = static_cast<std::uint8_t>(level);
    }
    for (unsigned lane = 0; lane < 64; ++lane) {
        const unsigned slot = lane / 4;
        const unsigned place = lane % 4;
        const bool used = slot < kLevelTokenCount;
        const unsigned token = used ? kLevelTokens[slot] : 0u;
        t.tokens[lane] = static_cast<std::uint8_t>(token);
        t.nextTokens[lane] = static_cast<std::uint8_t>(token + 1);
        t.offsets[lane] = static_cast<std::uint8_t>(1 + place);
        t.weights[lane] = static_cast<std::int8_t>(place == 0 ? 0 : 1 << (2 * (place - 1)));
        if (used && place == 0) {
            t.tags[lane] = static_cast<std::uint8_t>(kCategoryTable[kTokenOrder[token]].tag);
            t.first |= std::uint64_t{1} << lane;
        } else if (used) {
            t.marks |= std::uint64_t{1} << lane;
        }
        if (used && place == 3) {
            t.last |= std::uint64_t{1} << lane;
        }
    }
    t.fits = true;
    return t;
}();

BRINDLEX_WIDE_BEGIN
// Reads the plain level tokens of the section `text`, whose first blanks lie at `places`
// and whose tokens up to the last of them lie before byte kWideReach, into `levels` by their
// place among them; returns whether each is what the writer writes.
BRINDLEX_WIDE_TARGET inline bool ReadLevelTokensWide(const char* text, const std::uint8_t* places,
                                                     std::uint8_t* levels) {
    const WideLevelTables& t = kWideLevelTables;
    const __m512i low = _mm512_load_si512(text);
    const __m512i high = _mm512_load_si512(text + 64);
    const __m512i blanks = _mm512_load_si512(places);
    const __m512i at = _mm512_permutexvar_epi8(_mm512_loadu_si512(t.tokens.data()), blanks);
    const __m512i next = _mm512_permutexvar_epi8(_mm512_loadu_si512(t.nextTokens.data()), blanks);
    const __m512i index = _mm512_add_epi8(at, _mm512_loadu_si512(t.offsets.data()));
    const __mmask64 inside = _mm512_cmplt_epu8_mask(index, next);
    const __m512i bytes = _mm512_maskz_mov_epi8(inside, _mm512_permutex2var_epi8(low, index, high));
    const __mmask64 tagged =
        _mm512_cmpeq_epi8_mask(bytes, _mm512_loadu_si512(t.tags.data())) & t.first;
    const __mmask64 tooLong =
        _mm512_cmplt_epu8_mask(_mm512_add_epi8(index, _mm512_set1_epi8(1)), next) & t.last;
    const __m512i classes = _mm512_permutexvar_epi8(bytes, _mm512_loadu_si512(t.classes.data()));
    const __mmask64 badBytes =
        (_mm512_test_epi8_mask(bytes, _mm512_set1_epi8(static_cast<char>(0xC0))) |
         _mm512_test_epi8_mask(classes, _mm512_set1_epi8(kBadMark))) &
        t.marks;
    const __m512i keys = _mm512_madd_epi16(
        _mm512_maddubs_epi16(classes, _mm512_loadu_si512(t.weights.data())), _mm512_set1_epi16(1));
    const __m512i found = _mm512_permutexvar_epi8(keys, _mm512_loadu_si512(t.levels.data()));
    const __mmask64 noLevel =
        _mm512_cmpeq_epi8_mask(found, _mm512_set1_epi8(static_cast<char>(0xFF))) & t.first;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(levels), _mm512_cvtepi32_epi8(found));
    return tagged == t.first && (tooLong | badBytes | noLevel) == 0;
}
BRINDLEX_WIDE_END
#endif

}  // namespace brindlex::reading
