// The page of a category as the web edition shows it: its controls in reading order, each
// with its question, entries and state taken from the record, and the stores that the
// user's input on them makes. The window builds the same pages from the same table rows and
// rules; here they are plain data, for a page that draws them itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "profile/categories.h"
#include "profile/profile.h"

namespace brindlex::web {

struct PageControl {
    enum Kind { kList, kBox, kSlider, kAgeField, kCustomName };

    Kind kind = kBox;
    std::string name;   // what assistive technology calls it: the question it asks
    std::string label;  // the text shown beside it, where that differs from `name`
    bool enabled = true;
    // kList: the entries and the chosen one (-1 none). kBox: the tick.
    std::vector<std::string_view> entries;
    int selected = -1;
    bool checked = false;
    // kSlider: the level 0..7 shown, and the label set beside it.
    unsigned level = 0;
    LabelSet labels = LabelSet::kNone;
    // kAgeField, kCustomName: the text and, for an empty one, the hint shown in its place.
    std::string text;
    std::string hint;
    unsigned maxLength = 0;  // 0: any length
};

struct PageModel {
    int category = -1;
    PageKind page = PageKind::kError;
    std::string help;  // the description beside the answers, empty for none
    std::vector<PageControl> controls;

    // The index among the controls of kind `kind` of control `at`, e.g. which list it is.
    int ordinal(std::size_t at) const;
};

// What a page shows that the record does not keep, set by the user on the page: the trained
// field that the work page shows, and on the age page whether "Specify Actual Age" is ticked
// while no age is stored.
struct PageState {
    int trainedField = 0;
    bool exactAge = false;
};

// The page of `category` (-1 or out of range: the "Error!" page) for `profile`.
PageModel DescribePage(int category, const PROFILE& profile, PageState state = {});

// The stores of the user's input on the page of `category`. Lists and boxes are counted by
// their kind in page order, as `ordinal` counts them; `entries` are the entries that the
// page's lists show at the moment, in page order, since some answers take both lists.
void ChooseEntry(PROFILE& profile, int category, int list, const std::vector<int>& entries);
void TickBox(PROFILE& profile, int category, int box, bool checked,
             const std::vector<int>& entries);
void SetLevel(PROFILE& profile, int category, unsigned level);

// The name of a page kind, as the page's script sees it: "species", "level", ...
std::string_view PageKindName(PageKind page);

// The value text of a slider at `level`: the label beside it, or the number of its help
// line; empty for level 0 without a label.
std::string LevelWord(LabelSet labels, unsigned level);

}  // namespace brindlex::web
