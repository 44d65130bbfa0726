#include "profile/profile.h"

#include <algorithm>

namespace brindlex {

unsigned PROFILE::kink(int position) const {
    const int cell = KinkCellOf(position);
    const unsigned byte = kinkPrefs[static_cast<std::size_t>(cell / 2)];
    return cell % 2 == 0 ? byte & 0x0Fu : byte >> 4;
}

void PROFILE::setKink(int position, unsigned value) {
    const int cell = KinkCellOf(position);
    std::uint8_t& byte = kinkPrefs[static_cast<std::size_t>(cell / 2)];
    value &= 0x0Fu;
    if (cell % 2 == 0) {
        byte = static_cast<std::uint8_t>((byte & 0xF0u) | value);
    } else {
        byte = static_cast<std::uint8_t>((byte & 0x0Fu) | (value << 4));
    }
}

void PROFILE::setAgeBracket(std::uint8_t level) {
    if (level == 0) {
        age = 0;
    } else {
        age = kMaxExactAge + std::min<unsigned>(level, 7);
    }
}

void PROFILE::toggleAgeForm() {
    const unsigned a = age;
    if (a == 0) {
        return;
    }
    if (a == 121) {
        age = 9;
    } else if (a > kMaxExactAge) {
        age = (a - 121) * 10;
    } else {
        age = kMaxExactAge + AgeBracketLevel(a);
    }
}

unsigned PROFILE::ageSliderLevel() const {
    const unsigned a = age;
    if (a == 0) {
        return 0;
    }
    return a <= kMaxExactAge ? AgeBracketLevel(a) : a - kMaxExactAge;
}

void PROFILE::setWorkType(std::uint8_t index) {
    workType = index <= 27 ? index : 25;
}

bool operator==(const PROFILE& a, const PROFILE& b) {
    if (a.kinkPrefs != b.kinkPrefs || a.customSpeciesName != b.customSpeciesName) {
        return false;
    }
    return std::all_of(kProfileFields.begin(), kProfileFields.end(),
                       [&](const FieldInfo& f) { return f.get(a) == f.get(b); });
}

}  // namespace brindlex
