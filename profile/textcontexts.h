// The translation context of each table of texts. A program that shows the core's texts in
// another language looks each one up by its table's context and its English text, taken as
// the program shows it: with "\n" where the table has "\r\n".
#pragma once

#include <functional>
#include <string_view>

namespace brindlex {

namespace text_context {

inline constexpr char kTabs[] = "Tabs";
// Category captions and the names of the answers they ask ("Traits", "Character gender").
inline constexpr char kCategories[] = "Categories";
// What the drop-down lists of a page ask, as assistive technology names them.
inline constexpr char kListQuestions[] = "ListQuestions";
inline constexpr char kFamilies[] = "Families";
inline constexpr char kSpecies[] = "Species";
inline constexpr char kGenders[] = "Genders";
inline constexpr char kTraits[] = "Traits";
inline constexpr char kWork[] = "Work";  // work types, which are the trained fields too
inline constexpr char kGames[] = "Games";
inline constexpr char kSystems[] = "Systems";
// The attraction and kink answers of the lists.
inline constexpr char kAnswers[] = "Answers";
inline constexpr char kKinks[] = "Kinks";
// Each completes the question "Do you like to ".
inline constexpr char kKinkDescriptions[] = "KinkDescriptions";
// The description beside a page's answers; a level scale numbers its lines "6 - " .. "0 - ".
inline constexpr char kHelpTexts[] = "HelpTexts";
// What the pages show beside the answers: the slider's label words, the questions of the
// pages' own check boxes, the kink page's labels and question, the names of the controls
// (profile/pages.h).
inline constexpr char kPageTexts[] = "PageTexts";

}  // namespace text_context

// Calls `visit` with the context and the text of every text of the profile's tables, in
// table order; a text that two rows of one table share comes once for each row.
using TextVisitor = std::function<void(std::string_view context, std::string_view text)>;
void ForEachTableText(const TextVisitor& visit);

}  // namespace brindlex
