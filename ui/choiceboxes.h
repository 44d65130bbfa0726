// Where a level page puts the check boxes of its row's choices (the games of Gaming, the
// systems of Compy): a few in one line from box 32, more in columns of three from box 21.
// The layout follows from the number of choices alone, so a new row of choices gets a page.
#pragma once

#include <array>

#include "ui/dialogunits.h"

namespace brindlex {

struct ChoiceBoxes {
    int firstBox;        // choice i has box firstBox + i
    int descriptionTop;  // the help text starts below the boxes
    // A click on a box of the line stores the ticks of the whole line; one of the columns
    // stores its own choice.
    bool storesWholeLine;
};

namespace choice_boxes_detail {

// The line's boxes, left to right; the first is wider, for "Windows".
inline constexpr std::array<std::array<int, 2>, 5> kLineColumns = {
    {{100, 150}, {150, 185}, {190, 225}, {230, 265}, {270, 305}}};
inline constexpr int kLineTop = 28;
// The columns, each three boxes high.
inline constexpr std::array<std::array<int, 2>, 3> kColumns = {
    {{100, 160}, {165, 245}, {260, 300}}};
inline constexpr int kColumnHeight = 3;
inline constexpr int kColumnsTop = 22;
inline constexpr int kBoxHeight = 10;

}  // namespace choice_boxes_detail

inline constexpr unsigned kMaxChoicesInLine = choice_boxes_detail::kLineColumns.size();
inline constexpr unsigned kMaxChoiceBoxes =
    choice_boxes_detail::kColumns.size() * choice_boxes_detail::kColumnHeight;

constexpr bool InOneLine(unsigned count) {
    return count <= kMaxChoicesInLine;
}

constexpr ChoiceBoxes ChoiceBoxesOf(unsigned count) {
    namespace d = choice_boxes_detail;
    if (InOneLine(count)) {
        return {32, d::kLineTop + d::kBoxHeight, true};
    }
    return {21, d::kColumnsTop + d::kBoxHeight * d::kColumnHeight, false};
}

// The rectangle of choice `choice` (0 .. count - 1) of `count`.
constexpr UnitRect ChoiceBoxRect(unsigned count, unsigned choice) {
    namespace d = choice_boxes_detail;
    if (InOneLine(count)) {
        const std::array<int, 2>& column = d::kLineColumns.at(choice);
        return {column[0], d::kLineTop, column[1], d::kLineTop + d::kBoxHeight};
    }
    const std::array<int, 2>& column = d::kColumns.at(choice / d::kColumnHeight);
    const int top = d::kColumnsTop + d::kBoxHeight * static_cast<int>(choice % d::kColumnHeight);
    return {column[0], top, column[1], top + d::kBoxHeight};
}

}  // namespace brindlex
