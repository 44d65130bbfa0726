// Bit tricks that the reader and the writer share.
#pragma once

#include <cstdint>

namespace brindlex {

// The place of the lowest set bit of `mask`, which is not 0.
inline unsigned LowestBit(std::uint64_t mask) {
#if defined(__GNUC__)
    return static_cast<unsigned>(__builtin_ctzll(mask));
#else
    unsigned place = 0;
    for (; (mask & 1u) == 0; mask >>= 1) {
        ++place;
    }
    return place;
#endif
}

}  // namespace brindlex
