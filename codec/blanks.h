// Where the blanks of a code line's tag section are, found 16 bytes at a time, for the
// reader of the writer's own form.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "profile/categories.h"

namespace brindlex::reading {

// The longest tag section read here; the writer's is at most 733 bytes.
inline constexpr std::size_t kFastMax = 1024;
inline constexpr unsigned kMainTokens = kTokenOrder.size() - 1;  // all but the kink tag

constexpr bool IsBlank(char c) {
    return c == ' ';
}

// Positions in a tag section read here, one more for its end and room for eight more that
// are written but not counted.
using Blanks = std::array<std::uint16_t, kFastMax + 1 + 8>;

// The places of the set bits of each byte value, in order, and their number.
struct BitPlaces {
    std::array<std::uint16_t, 8> places;
    std::uint8_t count;
};

inline constexpr std::array<BitPlaces, 256> kBitPlaces = [] {
    std::array<BitPlaces, 256> table{};
    for (unsigned bits = 0; bits < 256; ++bits) {
        for (unsigned place = 0; place < 8; ++place) {
            if (((bits >> place) & 1u) != 0) {
                table[bits].places[table[bits].count++] = static_cast<std::uint16_t>(place);
            }
        }
    }
    return table;
}();

// The filler behind a tag section read here: no blank, no 0x00.
inline constexpr char kFiller = '\x7F';

// The positions of the blanks among the first `size` bytes of `text`, which are followed by
// kFiller up to a whole block of 16 bytes, then `size`. Returns their number, or 0 when the
// section holds a 0x00 byte, which no line in the writer's form does: the readers of single
// words take a 0x00 for the end of a shorter word.
inline std::size_t FindBlanks(const char* text, std::size_t size, Blanks& blanks) {
    std::size_t count = 0;
#if defined(__SSE2__)
    // The places of each half block's set bits, eight whatever their number, plus its start.
    __m128i base = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(8);
    const auto put = [&blanks, &count, &base, half](unsigned bits) {
        const BitPlaces& entry = kBitPlaces[bits];
        const __m128i places =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(entry.places.data()));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(blanks.data() + count),
                         _mm_add_epi16(places, base));
        count += entry.count;
        base = _mm_add_epi16(base, half);
    };
    __m128i nul = _mm_setzero_si128();
    for (std::size_t block = 0; block < size; block += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + block));
        const auto mask =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '))));
        nul = _mm_or_si128(nul, _mm_cmpeq_epi8(bytes, _mm_setzero_si128()));
        put(mask & 0xFFu);
        put(mask >> 8);
    }
    if (_mm_movemask_epi8(nul) != 0) {
        return 0;
    }
#else
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] == '\0') {
            return 0;
        }
        blanks[count] = static_cast<std::uint16_t>(i);
        count += IsBlank(text[i]) ? 1 : 0;
    }
#endif
    blanks[count] = static_cast<std::uint16_t>(size);
    return count;
}

}  // namespace brindlex::reading
