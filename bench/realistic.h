// Answers records that look like real ones, made from a fixed seed so that
// every run measures the same lines.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "profile/profile.h"

namespace brindlex::bench {

// splitmix64: the same numbers on every platform and library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    unsigned Below(unsigned bound) { return static_cast<unsigned>(Next() % bound); }
    bool Percent(unsigned chance) { return Below(100) < chance; }

private:
    std::uint64_t m_state;
};

// One record. A sixth of them answer nothing; the others answer each
// category with a chance of 30, 60 or 90 percent, and two in five of them
// (a third of all) include kinks. Some species are written-in names.
inline PROFILE RealisticRecord(Random& random) {
    PROFILE p;
    const unsigned kind = random.Below(6);
    if (kind == 0) {
        return p;
    }
    const unsigned chance = kind == 1 ? 30 : kind <= 3 ? 60 : 90;
    const auto answered = [&] { return random.Percent(chance); };
    const auto level = [&] { return answered() ? 1 + random.Below(7) : 0u; };
    // A few bits set among the low `width` bits.
    const auto someBits = [&](unsigned width) {
        unsigned bits = 0;
        for (unsigned count = 1 + random.Below(3); count > 0; --count) {
            bits |= 1u << random.Below(width);
        }
        return answered() ? bits : 0u;
    };

    static constexpr std::array<std::string_view, 6> kNames = {
        "Kudu", "Snow Owl", "Red Panda", "Maned Wolf", "Fennec", "Arctic Hare"};
    if (answered()) {
        p.speciesFamily = 1 + random.Below(26);
        p.speciesIndex = random.Below(9);
        if (p.speciesIndex == 0 && random.Percent(60)) {
            p.customSpeciesName = kNames[random.Below(kNames.size())];
        }
    }
    p.anthroLevel = level();
    p.specificsFlags = someBits(17);
    p.characterGender = answered() ? random.Below(4) : 0;
    p.ownGender = answered() ? 1 + random.Below(3) : 0;
    p.workType = answered() ? 1 + random.Below(27) : 0;
    p.trainedFlags = someBits(21);
    p.age = !answered() ? 0 : random.Percent(80) ? 14 + random.Below(50) : 121 + random.Below(7);
    p.gamingFlags = someBits(9);
    p.compyFlags = someBits(5);
    p.furrySite = answered() ? 1 : 0;
    p.yiffyYiffyPreference = answered() ? random.Below(16) : 0;
    p.sexPreference = answered() ? random.Below(16) : 0;
    p.madeOwnSuit = answered() ? 1 : 0;
    for (const FieldInfo& field : kProfileFields) {
        const std::string_view name = field.name;
        if (name.size() > 5 && name.substr(name.size() - 5) == "Level") {
            field.set(p, level());
        }
    }
    if (random.Percent(40)) {
        p.includeKinks = 1;
        for (unsigned count = 5 + random.Below(30); count > 0; --count) {
            p.setKink(static_cast<int>(random.Below(kKinkCount)), 1 + random.Below(15));
        }
    }
    return p;
}

}  // namespace brindlex::bench
