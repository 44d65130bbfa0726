// Small helpers that the page families share: list entries from the vocabulary tables and
// single bits of the flag fields.
#pragma once

#include <string_view>

#include <QStringList>

#include "ui/controls.h"

namespace brindlex {

// The text a list shows for a row of a vocabulary table.
inline std::string_view RowName(std::string_view name) {
    return name;
}
template <typename Row>
std::string_view RowName(const Row& row) {
    return row.name;
}

// The display texts of the rows of `table`, in table order, made once.
template <const auto& table>
const QStringList& TableNames() {
    static const QStringList names = [] {
        QStringList result;
        for (const auto& row : table) {
            result.append(DisplayText(RowName(row)));
        }
        return result;
    }();
    return names;
}

inline bool BitSet(unsigned flags, unsigned bit) {
    return ((flags >> bit) & 1u) != 0;
}

inline unsigned WithBit(unsigned flags, unsigned bit, bool on) {
    return on ? flags | (1u << bit) : flags & ~(1u << bit);
}

}  // namespace brindlex
