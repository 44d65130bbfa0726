// Where the blanks of a code line's tag section are, found a block at a time, for the
// reader of the writer's own form.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include "codec/wide.h"
#include "codec/writetables.h"
#include "profile/categories.h"

namespace brindlex::reading {

// The longest tag section read here, longer than any the writer writes.
inline constexpr std::size_t kFastMax = 1024;
static_assert(writing::kLongestTokens < kFastMax, "a written tag section too long to read");
inline constexpr unsigned kMainTokens = kTokenOrder.size() - 1;  // all but the kink tag

constexpr bool IsBlank(char c) {
    return c == ' ';
}

// Positions in a tag section read here, one more for its end and room for a block's worth
// more that are written but not counted.
using Blanks = std::array<std::uint16_t, kFastMax + 64>;

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

// A tag section copied for reading: its bytes, followed by kFiller up to a whole block of 64
// bytes and one block more, and the positions of its blanks, followed by its size.
struct Section {
    alignas(64) std::array<char, kFastMax + 64> text;
    Blanks blanks;
    // CopySectionWide only: the low bytes of the first 64 positions, stored at once.
    alignas(64) std::array<std::uint8_t, 64> places;
};

// Copies the `size` (< kFastMax) bytes at `source` into `section` and finds their blanks.
// Returns their number, or 0 when the bytes hold a 0x00, as FindBlanks.
inline std::size_t CopySection(const char* source, std::size_t size, Section& section) {
    std::memcpy(section.text.data(), source, size);
    std::memset(section.text.data() + size, kFiller, 64);
    return FindBlanks(section.text.data(), size, section.blanks);
}

#if defined(BRINDLEX_WIDE)
BRINDLEX_WIDE_BEGIN
// The same for processors with AVX-512 VBMI2, in one pass over blocks of 64 bytes: the bytes
// past the section are neither read nor faulted on but come out as kFiller, and the places of
// a block's blanks are packed at once instead of looked up eight at a time. Each block is
// stored as it was read, so that the readers' later loads from the copy are served from
// those stores.
BRINDLEX_WIDE_TARGET inline std::size_t CopySectionWide(const char* source, std::size_t size,
                                                        Section& section) {
    alignas(64) static constexpr std::array<std::uint8_t, 64> kPlaces = [] {
        std::array<std::uint8_t, 64> places{};
        for (unsigned i = 0; i < places.size(); ++i) {
            places[i] = static_cast<std::uint8_t>(i);
        }
        return places;
    }();
    const __m512i places = _mm512_load_si512(kPlaces.data());
    const __m512i filler = _mm512_set1_epi8(kFiller);
    std::uint16_t* const blanks = section.blanks.data();
    std::size_t count = 0;
    __mmask64 nul = 0;
    __m512i first = _mm512_setzero_si512();  // the low bytes of the first 64 positions
    std::size_t block = 0;
    for (; block < size; block += 64) {
        const std::size_t left = size - block;
        const __mmask64 inside = left >= 64 ? ~__mmask64{0} : (__mmask64{1} << left) - 1;
        const __m512i bytes = _mm512_mask_loadu_epi8(filler, inside, source + block);
        _mm512_store_si512(section.text.data() + block, bytes);
        const __mmask64 mask = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(' '));
        nul |= _mm512_testn_epi8_mask(bytes, bytes);
        const __m512i packed = _mm512_maskz_compress_epi8(mask, places);
        const __m512i base = _mm512_set1_epi16(static_cast<short>(block));
        _mm512_storeu_si512(
            blanks + count,
            _mm512_add_epi16(_mm512_cvtepu8_epi16(_mm512_castsi512_si256(packed)), base));
        if (count < 64) {
            first = _mm512_mask_expand_epi8(
                first, ~((__mmask64{1} << count) - 1),
                _mm512_add_epi8(packed, _mm512_set1_epi8(static_cast<char>(block))));
        }
        const auto found = static_cast<std::size_t>(_mm_popcnt_u64(mask));
        if (found > 32) {
            _mm512_storeu_si512(
                blanks + count + 32,
                _mm512_add_epi16(_mm512_cvtepu8_epi16(_mm512_extracti64x4_epi64(packed, 1)), base));
        }
        count += found;
    }
    _mm512_store_si512(section.text.data() + block, filler);
    _mm512_store_si512(section.places.data(), first);
    if (nul != 0) {
        return 0;
    }
    blanks[count] = static_cast<std::uint16_t>(size);
    return count;
}
BRINDLEX_WIDE_END
#endif

using SectionCopier = std::size_t (*)(const char*, std::size_t, Section&);

// The fastest section copier this processor runs.
inline SectionCopier ChooseSectionCopier() {
#if defined(BRINDLEX_WIDE)
    if (HasWidePaths()) {
        return CopySectionWide;
    }
#endif
    return CopySection;
}

}  // namespace brindlex::reading
