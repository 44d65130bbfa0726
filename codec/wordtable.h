// Lookups of short texts read as one word, for the reader of the writer's form: a text of up
// to four bytes is a little-endian word, and a multiplication sends each known text to a slot
// of its own, so that one multiplication and one comparison find its value or tell that it is
// none of them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brindlex::reading {

// The four bytes at `p` as a little-endian word, whatever the machine's byte order.
inline std::uint32_t WordAt(const char* p) {
    const auto byte = [p](unsigned i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    };
    return byte(0) | byte(1) | byte(2) | byte(3);
}

// The first `length` (0..4) bytes of a word; index 4 keeps all four.
inline constexpr std::array<std::uint32_t, 5> kWordMasks = {0, 0xFF, 0xFFFF, 0xFFFFFF, 0xFFFFFFFF};

constexpr std::uint32_t WordOf(std::string_view text) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        word |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << (8 * i);
    }
    return word;
}

struct WordValue {
    std::uint32_t word;
    std::uint8_t value;
};

struct Found {
    unsigned value;
    bool found;
};

template <unsigned Bits>
struct WordTable {
    std::uint32_t multiplier = 0;
    std::array<std::uint32_t, 1u << Bits> words{};
    std::array<std::uint8_t, 1u << Bits> values{};

    constexpr unsigned Slot(std::uint32_t word) const {
        return static_cast<std::uint32_t>(word * multiplier) >> (32 - Bits);
    }
    Found Find(std::uint32_t word) const {
        const unsigned slot = Slot(word);
        return {values[slot], words[slot] == word};
    }
};

// The table of `entries`, with the first multiplier of a fixed sequence that gives every word
// a slot of its own; fails to compile when there is none. A slot without an entry holds a
// word that belongs to another slot, so that no word is ever found there.
template <unsigned Bits, std::size_t N>
constexpr WordTable<Bits> MakeWordTable(const std::array<WordValue, N>& entries) {
    std::uint32_t multiplier = 0x9E3779B1u;
    for (int attempt = 0; attempt < 10000; ++attempt) {
        WordTable<Bits> table{};
        table.multiplier = multiplier;
        std::array<bool, 1u << Bits> taken{};
        bool apart = true;
        for (const WordValue& entry : entries) {
            const unsigned slot = table.Slot(entry.word);
            apart = apart && !taken[slot];
            taken[slot] = true;
            table.words[slot] = entry.word;
            table.values[slot] = entry.value;
        }
        if (apart) {
            for (unsigned slot = 0; slot < taken.size(); ++slot) {
                std::uint32_t other = 0xFFFFFFFFu;
                while (!taken[slot] && table.Slot(other) == slot) {
                    --other;
                }
                table.words[slot] = taken[slot] ? table.words[slot] : other;
            }
            return table;
        }
        multiplier = (multiplier * 0x2C9277B5u + 0xAC564B05u) | 1u;
    }
    throw "no multiplier keeps the words apart";
}

}  // namespace brindlex::reading
