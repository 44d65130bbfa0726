// Small helpers that the page families share: list entries from the vocabulary tables and
// single bits of the flag fields.
#pragma once

#include <string_view>

#include <QStringList>

#include "profile/textcontexts.h"
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

// The rows of `table` in table order, in the user's language; `context` is the table's.
template <const auto& table>
QStringList TableNames(const char* context) {
    QStringList names;
    for (const auto& row : table) {
        names.append(CoreText(context, RowName(row)));
    }
    return names;
}

inline bool BitSet(unsigned flags, unsigned bit) {
    return ((flags >> bit) & 1u) != 0;
}

inline unsigned WithBit(unsigned flags, unsigned bit, bool on) {
    return on ? flags | (1u << bit) : flags & ~(1u << bit);
}

}  // namespace brindlex
