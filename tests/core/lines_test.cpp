#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "codec/codec.h"
#include "codec/lines.h"
#include "tests/core/readpaths.h"

namespace brindlex {
namespace {

using Lines = std::vector<std::string>;

// The lines of `input`, read through blocks of `blockSize` bytes from a source
// that hands out at most `piece` bytes at a time.
Lines ReadLines(const std::string& input, std::size_t blockSize, std::size_t piece) {
    std::size_t at = 0;
    LineReader reader(
        [&](char* data, std::size_t size) {
            const std::size_t count = std::min({size, piece, input.size() - at});
            std::memcpy(data, input.data() + at, count);
            at += count;
            return count;
        },
        blockSize);
    Lines lines;
    std::string_view line;
    while (reader.Next(line)) {
        lines.emplace_back(line);
        reader.Release();
    }
    return lines;
}

BRINDLEX_EVERY_READ_PATH(LineReading);

TEST_P(LineReading, EndsLinesAtLfCrlfAndCrAndTextAtNul) {
    const std::string saved = "2.0FCf5mw V+++" + std::string(1, '\0');
    const std::string longLine(5000, 'x');
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},
        {"\r\n\r\n", {"", ""}},
        {std::string("a\0b\nc\0", 6), {"a", "c"}},
        {std::string("\0\0\r\n\0", 5), {"", ""}},
        {saved, {"2.0FCf5mw V+++"}},
        // Other bytes below the blank, in blocks of 16 and past them.
        {"\t\x01\x0B\x0C a\tb\x0E c d e f g h i j\x09\nz",
         {"\t\x01\x0B\x0C a\tb\x0E c d e f g h i j\x09", "z"}},
        {"a\r" + longLine + "\r\n" + longLine + std::string(1, '\0') + "yz\nb",
         {"a", longLine, longLine, "b"}},
    };
    for (const auto& [input, expected] : cases) {
        for (const std::size_t piece : {1, 2, 3, 7, 64, 100000}) {
            for (const std::size_t block : {16, 64, 1 << 18}) {
                EXPECT_EQ(ReadLines(input, block, piece), expected)
                    << testing::PrintToString(input) << " piece " << piece << " block " << block;
            }
        }
        EXPECT_EQ(std::string(FirstLine(input)), expected.empty() ? "" : expected.front())
            << testing::PrintToString(input);
    }
    // Each stop at every place in and around blocks of 16 and 64 bytes.
    for (std::size_t at = 0; at < 140; ++at) {
        const std::string text(at, 'x');
        for (const char stop : {'\n', '\r', '\0'}) {
            const Lines expected = stop == '\0' ? Lines{text} : Lines{text, "y"};
            EXPECT_EQ(ReadLines(text + stop + "y", 1 << 18, 100000), expected)
                << at << " " << int{stop};
        }
    }
}

TEST_P(LineReading, PassesTheSourcesFailureOnAfterTheLinesBefore) {
    int reads = 0;
    LineReader reader([&](char* data, std::size_t) -> std::size_t {
        if (++reads > 1) {
            throw std::runtime_error("disk on fire");
        }
        std::memcpy(data, "one\ntw", 6);
        return 6;
    });
    std::string_view line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "one");
    EXPECT_THROW(reader.Next(line), std::runtime_error);
}

TEST(ReadableLine, LeavesOutAByteOrderMarkAndTheBlanksAroundOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"2.0FCf5 V+", "2.0FCf5 V+"},
        {"  2.0FCf5 V+\t ", "2.0FCf5 V+"},
        {"\xEF\xBB\xBF"
         "2.0FCf5",
         "2.0FCf5"},
        {"\xEF\xBB\xBF  2.0FCf5 \xC2\xA0", "2.0FCf5"},
        {"\xC2\xA0\t2.0F? O25\xC2\xA0\xC2\xA0 ", "2.0F? O25"},
        {"2.0FCf5  Dm++ K  Su+", "2.0FCf5  Dm++ K  Su+"},  // blanks inside stay
        {"  \xEF\xBB\xBF"
         "2.0F",
         "\xEF\xBB\xBF"
         "2.0F"},                          // a mark counts at the start only
        {"\xC3\xA9 ", "\xC3\xA9"},         // a letter ending in 0xA0's kin
        {"\xE2\x82\xA0", "\xE2\x82\xA0"},  // U+20A0 is no blank
        {" \t ", ""},
        {"", ""},
    };
    for (const auto& [given, read] : cases) {
        EXPECT_EQ(ReadableLine(given), read) << given;
    }
}

}  // namespace
}  // namespace brindlex
