#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "codec/kinkmask.h"

namespace brindlex::writing {
namespace {

unsigned CellOf(const KinkCells& cells, unsigned cell) {
    return (cells[cell / 2] >> (cell % 2 * 4)) & 0x0Fu;
}

bool Bit(const Mask96& mask, unsigned n) {
    return ((mask[n / 64] >> (n % 64)) & 1u) != 0;
}

// Both ways of finding the answered cells, and the writing order made from them, against
// a walk over every cell.
void ExpectMasksOf(const KinkCells& cells) {
    const Mask96 fast = NonZeroCells(cells);
    const Mask96 portable = NonZeroCellsPortable(cells);
    EXPECT_EQ(fast, portable);
    EXPECT_EQ(portable[1] >> 32, 0u);
    for (unsigned cell = 0; cell < kKinkCount; ++cell) {
        ASSERT_EQ(Bit(portable, cell), CellOf(cells, cell) != 0) << "cell " << cell;
    }
    const Mask96 order = KinksToWrite(cells);
    EXPECT_EQ(order[1] >> (kWrittenKinkCells.size() - 64), 0u);
    for (unsigned i = 0; i < kWrittenKinkCells.size(); ++i) {
        ASSERT_EQ(Bit(order, i), CellOf(cells, kWrittenKinkCells[i]) != 0) << "kink " << i;
    }
}

TEST(KinkMask, EveryCellAloneWithEveryAnswer) {
    for (unsigned cell = 0; cell < kKinkCount; ++cell) {
        for (unsigned value = 1; value < 16; ++value) {
            KinkCells cells{};
            cells[cell / 2] = static_cast<std::uint8_t>(value << (cell % 2 * 4));
            ExpectMasksOf(cells);
        }
    }
}

TEST(KinkMask, RandomCellsOfEveryDensity) {
    std::mt19937 random(7);
    for (unsigned density = 0; density <= 16; ++density) {
        for (int round = 0; round < 200; ++round) {
            KinkCells cells{};
            for (unsigned cell = 0; cell < kKinkCount; ++cell) {
                if (random() % 16 < density) {
                    cells[cell / 2] |=
                        static_cast<std::uint8_t>((1 + random() % 15) << (cell % 2 * 4));
                }
            }
            ExpectMasksOf(cells);
        }
    }
}

}  // namespace
}  // namespace brindlex::writing
