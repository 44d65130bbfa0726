// Which kinks of a record the code line writes, as bit masks in the line's order, found a
// block of cells at a time instead of cell by cell.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "profile/profile.h"
#include "profile/vocabulary.h"

namespace brindlex::writing {

// Bit n of word n / 64 stands for cell n, or for the kink written n-th.
using Mask96 = std::array<std::uint64_t, 2>;
using KinkCells = std::array<std::uint8_t, kKinkCount / 2>;

// One bit per non-zero cell, 16 cells of a 64-bit group of eight bytes at a time.
inline Mask96 NonZeroCellsPortable(const KinkCells& cells) {
    Mask96 mask{};
    for (std::size_t group = 0; group < cells.size() / 8; ++group) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            word |= std::uint64_t{cells[group * 8 + i]} << (8 * i);
        }
        // Bit 4j for a non-zero cell j, then the 16 bits packed together.
        std::uint64_t t = word | (word >> 1);
        t = (t | (t >> 2)) & 0x1111111111111111u;
        t = (t | (t >> 3)) & 0x0303030303030303u;
        t = (t | (t >> 6)) & 0x000F000F000F000Fu;
        t = (t | (t >> 12)) & 0x000000FF000000FFu;
        t = (t | (t >> 24)) & 0xFFFFu;
        mask[group / 4] |= t << (16 * (group % 4));
    }
    return mask;
}

inline Mask96 NonZeroCells(const KinkCells& cells) {
#if defined(__SSE2__)
    // Zero nibbles as zero bytes, low and high nibble of each byte side by side, so that
    // the bytes come out in cell order.
    const __m128i zero = _mm_setzero_si128();
    std::array<std::uint64_t, 3> zeroCells{};
    for (std::size_t block = 0; block < 3; ++block) {
        const __m128i bytes =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells.data() + 16 * block));
        const __m128i low = _mm_cmpeq_epi8(_mm_and_si128(bytes, _mm_set1_epi8(0x0F)), zero);
        const __m128i high = _mm_cmpeq_epi8(_mm_and_si128(bytes, _mm_set1_epi8(-16)), zero);
        const auto first = static_cast<unsigned>(_mm_movemask_epi8(_mm_unpacklo_epi8(low, high)));
        const auto second = static_cast<unsigned>(_mm_movemask_epi8(_mm_unpackhi_epi8(low, high)));
        zeroCells[block] = first | (std::uint64_t{second} << 16);
    }
    return {~(zeroCells[0] | (zeroCells[1] << 32)), ~zeroCells[2] & 0xFFFFFFFFu};
#else
    return NonZeroCellsPortable(cells);
#endif
}

// The kinks in writing order, with their cells.
inline constexpr std::array<std::uint8_t, kKinkWritingCodes.size()> kWrittenKinkCells = [] {
    std::array<std::uint8_t, kKinkWritingCodes.size()> cells{};
    for (std::size_t i = 0; i < kKinkWritingCodes.size(); ++i) {
        for (std::size_t k = 0; k < kKinks.size(); ++k) {
            if (kKinks[k].code == kKinkWritingCodes[i]) {
                cells[i] = static_cast<std::uint8_t>(KinkCellOf(static_cast<int>(k)));
            }
        }
    }
    return cells;
}();

// Bits of cell-mask word `from` that move to writing-mask word `to` by the same shift
// (left when positive); every written kink is in exactly one move.
struct BitMove {
    unsigned from = 0;
    unsigned to = 0;
    int shift = 0;
    std::uint64_t bits = 0;
};

// The moves in order of first use, `count` of them.
struct BitMoves {
    std::array<BitMove, kKinkWritingCodes.size()> moves{};
    std::size_t count = 0;
};

inline constexpr BitMoves kAllBitMoves = [] {
    BitMoves all;
    for (std::size_t i = 0; i < kWrittenKinkCells.size(); ++i) {
        const unsigned cell = kWrittenKinkCells[i];
        BitMove move;
        move.from = cell / 64;
        move.to = static_cast<unsigned>(i / 64);
        move.shift = static_cast<int>(i % 64) - static_cast<int>(cell % 64);
        std::size_t m = 0;
        while (m < all.count && (all.moves[m].from != move.from || all.moves[m].to != move.to ||
                                 all.moves[m].shift != move.shift)) {
            ++m;
        }
        if (m == all.count) {
            all.moves[all.count++] = move;
        }
        all.moves[m].bits |= std::uint64_t{1} << (cell % 64);
    }
    return all;
}();

template <std::size_t I>
void ApplyMove(const Mask96& cells, Mask96& order) {
    constexpr BitMove move = kAllBitMoves.moves[I];
    const std::uint64_t bits = cells[move.from] & move.bits;
    if constexpr (move.shift >= 0) {
        order[move.to] |= bits << move.shift;
    } else {
        order[move.to] |= bits >> -move.shift;
    }
}

template <std::size_t... I>
Mask96 ToWritingOrder(const Mask96& cells, std::index_sequence<I...>) {
    Mask96 order{};
    (ApplyMove<I>(cells, order), ...);
    return order;
}

// Bit i set when the i-th kink of the writing order has an answer.
inline Mask96 KinksToWrite(const KinkCells& cells) {
    return ToWritingOrder(NonZeroCells(cells), std::make_index_sequence<kAllBitMoves.count>());
}

}  // namespace brindlex::writing
