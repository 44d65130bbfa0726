#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "codec/blanks.h"

namespace brindlex::reading {
namespace {

// Each copier this processor runs against a walk over the bytes: the copy and its filler,
// the blanks' places and their number, or 0 for a section that holds a 0x00.
void ExpectCopies(const char* source, std::size_t size) {
    std::vector<std::uint16_t> places;
    bool nul = false;
    for (std::size_t i = 0; i < size; ++i) {
        nul = nul || source[i] == '\0';
        if (source[i] == ' ') {
            places.push_back(static_cast<std::uint16_t>(i));
        }
    }
    std::vector<SectionCopier> copiers = {CopySection};
    if (ChooseSectionCopier() != CopySection) {
        copiers.push_back(ChooseSectionCopier());
    }
    for (const SectionCopier copy : copiers) {
        Section section;
        section.text.fill('x');  // not what the copy leaves anywhere
        const std::size_t count = copy(source, size, section);
        const std::string what = std::string(copy == CopySection ? "portable" : "wide") +
                                 ", size " + std::to_string(size);
        ASSERT_EQ(std::string(section.text.data(), size), std::string(source, size)) << what;
        ASSERT_EQ(std::string(section.text.data() + size, 64), std::string(64, kFiller)) << what;
        if (nul) {
            ASSERT_EQ(count, 0u) << what;
            continue;
        }
        ASSERT_EQ(count, places.size()) << what;
        ASSERT_EQ(
            std::vector<std::uint16_t>(section.blanks.begin(), section.blanks.begin() + count),
            places)
            << what;
        ASSERT_EQ(section.blanks[count], size) << what;
    }
}

TEST(SectionCopy, EveryCopierFindsWhatAWalkFinds) {
    std::mt19937 random(11);
    const std::string bytes = std::string("  a+#-\x7F\xFF", 8);
    for (std::size_t size = 0; size < kFastMax; size += size < 200 ? 1 : 37) {
        for (int round = 0; round < 4; ++round) {
            std::string text(size, ' ');
            const unsigned density = random() % 8;  // 0: blanks only, 7: few blanks
            for (char& c : text) {
                c = random() % 8 < density ? bytes[2 + random() % 6] : ' ';
            }
            if (round == 3 && size != 0) {
                text[random() % size] = '\0';
            }
            ExpectCopies(text.data(), size);
        }
    }
}

#if defined(__linux__)
TEST(SectionCopy, ReadsNothingPastTheSection) {
    // A section that ends where readable memory ends.
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* const pages =
        mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    char* const end = static_cast<char*>(pages) + page;
    ASSERT_EQ(mprotect(end, page, PROT_NONE), 0);
    for (std::size_t size : {1u, 5u, 63u, 64u, 65u, 200u}) {
        std::string text(size, 'a');
        for (std::size_t i = 0; i < size; i += 3) {
            text[i] = ' ';
        }
        std::copy(text.begin(), text.end(), end - size);
        ExpectCopies(end - size, size);
    }
    munmap(pages, 2 * page);
}
#endif

}  // namespace
}  // namespace brindlex::reading
