// Sets of the controls that pages show: the pool (16..40) together with the description field
// 1006, "Update" 1018 and the age field 1013. A page builder says which of them its page
// shows; MAINFORM::ShowOnly() then shows those and hides all the others.
#pragma once

#include <array>
#include <cstdint>

namespace brindlex {

using PoolSet = std::uint32_t;

// The controls of a PoolSet, in the order the window creates them.
inline constexpr std::array<int, 28> kPoolControlIds = [] {
    std::array<int, 28> ids{1006, 1018, 1013};
    for (std::size_t i = 3; i < ids.size(); ++i) {
        ids[i] = 16 + static_cast<int>(i - 3);  // slider, statics, boxes, lists, custom name
    }
    return ids;
}();

// The set of the one control `id`: 16..40 take bits 0..24, the template controls follow.
constexpr PoolSet PoolBit(int id) {
    switch (id) {
        case 1006:
            return PoolSet{1} << 25;
        case 1013:
            return PoolSet{1} << 26;
        case 1018:
            return PoolSet{1} << 27;
        default:
            return PoolSet{1} << (id - 16);
    }
}

// The controls `first` .. `last` of the pool.
constexpr PoolSet PoolRange(int first, int last) {
    PoolSet set = 0;
    for (int id = first; id <= last; ++id) {
        set |= PoolBit(id);
    }
    return set;
}

inline constexpr PoolSet kPoolDescription = PoolBit(1006);
inline constexpr PoolSet kPoolAgeField = PoolBit(1013);
inline constexpr PoolSet kPoolCustomName = PoolBit(40);
inline constexpr PoolSet kPoolList38 = PoolBit(38);
inline constexpr PoolSet kPoolList39 = PoolBit(39);
inline constexpr PoolSet kPoolBox31 = PoolBit(31);
// The slider with its two lowest labels and "Update", which always go together.
inline constexpr PoolSet kPoolLevelGroup = PoolBit(16) | PoolBit(19) | PoolBit(20) | PoolBit(1018);
// The labels of the top and the middle of the slider, which a label set shows.
inline constexpr PoolSet kPoolUpperLabels = PoolBit(17) | PoolBit(18);

}  // namespace brindlex
