// What the pages of the questionnaire show beside the answers, and how a choice made on a
// page is stored: one place for the window and the web edition alike.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "profile/categories.h"
#include "profile/profile.h"

namespace brindlex {

// --- Texts ---------------------------------------------------------------------------------

// The levels that carry a label beside the slider, from the top: 7, the middle 4, 1 and 0 (no
// answer).
inline constexpr std::array<unsigned, 4> kMarkedLevels = {7, 4, 1, 0};

// The labels at kMarkedLevels of a label set; kNone has none.
constexpr std::array<std::string_view, 4> LevelLabelsOf(LabelSet set) {
    switch (set) {
        case LabelSet::kDigits:
            return {"6", "3", "0", "Unspecify"};
        case LabelSet::kWords:
            return {"YES YES YES :D", "Meh...", "NOOOOO!", "Unspecify"};
        default:
            return {};
    }
}

// The label beside `level` in `set`, empty for a level without one.
constexpr std::string_view LevelLabel(LabelSet set, unsigned level) {
    const std::array<std::string_view, 4> labels = LevelLabelsOf(set);
    for (std::size_t i = 0; i < kMarkedLevels.size(); ++i) {
        if (kMarkedLevels[i] == level) {
            return labels[i];
        }
    }
    return {};
}

// The kink page's labels above its two lists, and its question, %1 the kink's description.
inline constexpr std::string_view kRolePlayLabel = "Role Play Kink:";
inline constexpr std::string_view kRealLifeLabel = "Real Life Kink:";
inline constexpr std::string_view kKinkQuestion = "Do you like to %1?";

// The name of a slider, %1 the answer it stores.
inline constexpr std::string_view kSliderName = "%1 level";

// The species list's last entry, which stands for the custom name, and the hint an empty
// custom name field shows.
inline constexpr std::string_view kOtherSpeciesEntry = "Other";
inline constexpr std::string_view kCustomNameHint = "<My Custom Animal>";

// The only text of the page of no category.
inline constexpr std::string_view kNoCategoryText = "Error!";

// Names of the controls that keep their question on every page, as assistive technology
// gives them.
inline constexpr std::string_view kTabsName = "Category groups";
inline constexpr std::string_view kCategoryListName = "Categories";
inline constexpr std::string_view kHelpName = "Help";
inline constexpr std::string_view kCodeLineName = "Code line";
inline constexpr std::string_view kExactAgeName = "Exact age";
inline constexpr std::string_view kCustomNameName = "Custom species name";

// Every fixed text above, in the order given, for programs that show them in another
// language; the questions of the pages' own boxes are in the table's rows (`box`).
inline constexpr std::array<std::string_view, 17> kPageTexts = {
    LevelLabelsOf(LabelSet::kWords)[0],
    LevelLabelsOf(LabelSet::kWords)[1],
    LevelLabelsOf(LabelSet::kWords)[2],
    LevelLabelsOf(LabelSet::kWords)[3],
    kRolePlayLabel,
    kRealLifeLabel,
    kKinkQuestion,
    kSliderName,
    kOtherSpeciesEntry,
    kCustomNameHint,
    kNoCategoryText,
    kTabsName,
    kCategoryListName,
    kHelpName,
    kCodeLineName,
    kExactAgeName,
    kCustomNameName,
};

// `pattern` with its "%1" replaced by `text`.
std::string FillIn(std::string_view pattern, std::string_view text);
// "Do you like to " the kink's description "?", for kink list position 0..95.
std::string KinkQuestion(int kink);

// Whether the answer `name` says "level" itself ("Anthro Level"); its slider is named by it
// alone, every other one by kSliderName.
bool NamesALevel(std::string_view name);
// The name of the slider that stores the answer `name`: "<name> level", once.
std::string SliderName(std::string_view name);

// The number that a help text and the digit labels give `level` (1..7): the line of level N
// begins with N - 1.
constexpr unsigned LevelNumber(unsigned level) {
    return level - 1;
}
// The question of a kFlaggedLevel row's box: its `box` with "%1" the number of the lowest
// level the flag is written at.
std::string FlagBoxLabel(const CategoryInfo& row);

// --- Choices -------------------------------------------------------------------------------

// The family list's choice of `family` (0 "Undecided" .. 26 "Other"): a listed family starts
// at its first species, "Undecided" and "Polymorph" forget the custom name, and "Other" keeps
// it. Larger values store "Other".
void ChooseSpeciesFamily(PROFILE& profile, unsigned family);

// The species list's choice of `entry`, -1 for none; the entry after the family's species,
// "Other", stores a position without a letter.
void ChooseSpecies(PROFILE& profile, int entry);

// The entry of the species list that shows the record's species, -1 for none. Past the
// last species stands "Other"; a custom name kept with no species shows as "Other" too.
int SpeciesEntryOf(const PROFILE& profile);

// Whether the species page shows the custom name field: for "Polymorph" and "Other", and
// below the species list when `speciesEntry` is its last entry, "Other".
bool ShowsCustomName(const PROFILE& profile, int speciesEntry);

// Whether the age page stores an exact age (1..120) rather than a bracket or nothing.
constexpr bool IsExactAge(unsigned age) {
    return age >= 1 && age <= kMaxExactAge;
}

// "Specify Actual Age" ticked or not: a bracket becomes its exact age and back.
void SwitchAgeForm(PROFILE& profile, bool exact);

// Stores the text of the exact age field: up to three characters, each taken as a digit in
// 16-bit arithmetic. An empty text stores nothing. Three digits above 120 store 120 and
// return true: the field is then to show "120".
bool StoreAgeText(PROFILE& profile, std::string_view text);

}  // namespace brindlex
