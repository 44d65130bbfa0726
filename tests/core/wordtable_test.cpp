#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>

#include "codec/wordtable.h"

namespace brindlex::reading {
namespace {

constexpr std::array<WordValue, 5> kEntries = {{
    {WordOf("#"), 0},
    {WordOf("+"), 5},
    {WordOf("+++"), 7},
    {WordOf("--") << 8, 2},
    {0, 4},
}};

constexpr WordTable<6> kTable = MakeWordTable<6>(kEntries);

bool IsEntry(std::uint32_t word) {
    for (const WordValue& entry : kEntries) {
        if (entry.word == word) {
            return true;
        }
    }
    return false;
}

TEST(WordTable, FindsEveryEntryAndNothingElse) {
    for (const WordValue& entry : kEntries) {
        const Found found = kTable.Find(entry.word);
        EXPECT_TRUE(found.found) << entry.word;
        EXPECT_EQ(found.value, entry.value) << entry.word;
    }
    // What the empty slots hold, every word of up to two bytes and random ones.
    std::mt19937 random(7);
    std::array<std::uint32_t, 3> edges = {0xFFFFFFFFu, 0x80000000u, 1u << 24};
    for (std::uint32_t word : kTable.words) {
        EXPECT_EQ(kTable.Find(word).found, IsEntry(word)) << word;
    }
    for (std::uint32_t word = 0; word < 0x10000; ++word) {
        EXPECT_EQ(kTable.Find(word).found, IsEntry(word)) << word;
    }
    for (int i = 0; i < 100000; ++i) {
        const std::uint32_t word = i < 3 ? edges[static_cast<std::size_t>(i)] : random();
        EXPECT_EQ(kTable.Find(word).found, IsEntry(word)) << word;
    }
}

TEST(WordTable, ReadsWordsLittleEndian) {
    EXPECT_EQ(WordAt("+-#*"), WordOf("+-#*"));
    EXPECT_EQ(WordAt("\xFF\x01\x00\x80"), 0x800001FFu);
    EXPECT_EQ(WordAt("abcd") & kWordMasks[2], WordOf("ab"));
}

}  // namespace
}  // namespace brindlex::reading
