// Whether the texts of a window fit the rectangles of their controls: each label, check box,
// button, drop-down entry, list row, tab and menu title measured with the control's font.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace brindlex::test {

// The texts cut off in the shown controls of `root` and its children, each as
// "<object name or class>: '<text>' needs <n> px, has <m> px".
std::vector<std::string> CutTexts(const QWidget& root);

}  // namespace brindlex::test
