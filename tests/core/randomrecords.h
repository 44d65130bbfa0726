// Records of random answers for the tests of the writer and the reader.
#pragma once

#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "profile/categories.h"

namespace brindlex {

inline unsigned Uniform(std::mt19937& rng, unsigned low, unsigned high) {
    return std::uniform_int_distribution<unsigned>(low, high)(rng);
}

inline std::string RandomName(std::mt19937& rng) {
    static constexpr std::string_view kPieces[] = {"", "   ", "]", " ] ", "Kudu", "[x]", "a b"};
    std::string name;
    switch (Uniform(rng, 0, 3)) {
        case 0:
            return std::string(kPieces[Uniform(rng, 0, std::size(kPieces) - 1)]);
        case 1:  // any bytes at all
            for (unsigned n = Uniform(rng, 0, 12); n > 0; --n) {
                name += static_cast<char>(Uniform(rng, 0, 255));
            }
            return name;
        default:
            for (unsigned n = Uniform(rng, 0, 6); n > 0; --n) {
                name += kPieces[Uniform(rng, 0, std::size(kPieces) - 1)];
            }
            return name;
    }
}

// Any record: every field anywhere in its width, kink cells of random density.
inline PROFILE RandomRecord(std::mt19937& rng) {
    PROFILE p;
    for (const FieldInfo& f : kProfileFields) {
        f.set(p, Uniform(rng, 0, f.maxValue()));
    }
    if (Uniform(rng, 0, 3) == 0) {
        p.speciesIndex = 0;  // the name shows only without a species letter
    }
    const unsigned density = Uniform(rng, 0, 4);
    for (int k = 0; k < kKinkCount; ++k) {
        if (Uniform(rng, 0, 3) < density) {
            p.setKink(k, Uniform(rng, 1, 15));
        }
    }
    p.customSpeciesName = RandomName(rng);
    return p;
}

}  // namespace brindlex
