// The categories of the questionnaire, one row each: what a category is called, which
// page asks it, which fields of the record it stores, and how the code line writes and
// reads it. The writer, the reader, the explainer and the window all ask this table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "profile/helptexts.h"
#include "profile/profile.h"
#include "profile/textcontexts.h"
#include "profile/tokens.h"
#include "profile/vocabulary.h"

namespace brindlex {

// Tabs 0 and 1 ask the categories 0..23 and tab 2 the kink switch (24) and one category per
// kink after it.
constexpr int kFirstKinkCategory = kLevelCategoryCount + 1;
constexpr int kCategoryCount = kFirstKinkCategory + kKinkCount;

inline constexpr std::array<std::string_view, 3> kTabNames = {"Furryness", "Humanness",
                                                              "Yiffyness"};

// The page that shows a category.
enum class PageKind : std::uint8_t {
    kError,       // no category: only "Error!"
    kSpecies,     // family and species lists, custom name
    kTraitBoxes,  // trait boxes and the character's gender
    kLevel,       // the slider, with the boxes of some categories
    kPreference,  // the slider and the two attraction lists
    kAge,         // the age bracket slider, the exact age and one's own gender
    kWork,        // work type, trained fields
    kKinkSwitch,  // "Include my kinks"
    kKink,        // the role play and real life answers of one kink
};

// What the drop-down lists 38 and 39 of a page ask, as assistive technology names them;
// empty for a list that the page does not show.
struct ListQuestions {
    std::string_view first;
    std::string_view second;
};

constexpr ListQuestions ListQuestionsOf(PageKind page) {
    switch (page) {
        case PageKind::kSpecies:
            return {"Species family", "Species"};
        case PageKind::kTraitBoxes:
        case PageKind::kAge:
            return {"Gender", {}};
        case PageKind::kWork:
            return {"Work", "Trained field"};
        case PageKind::kPreference:
            return {"Guys", "Girls"};
        case PageKind::kKink:
            return {"Role play", "Real life"};
        default:
            return {};
    }
}

// The labels beside the slider.
enum class LabelSet : std::uint8_t { kNone, kDigits, kWords };

struct CategoryInfo {
    std::string_view caption;  // in the category list
    int tab;
    PageKind page;
    LabelSet labels;
    TokenKind token;
    char tag;  // of the token, '\0' for the head of the line
    // The answer the category is named by, and the field that holds it; `level` is the
    // field the slider stores into, nullptr where the slider stores no level field.
    std::string_view name;
    const FieldInfo* field;
    const FieldInfo* level;
    // A second answer on the same page, and the gender that a kGendered token carries.
    std::string_view extraName;
    const FieldInfo* extra;
    const FieldInfo* gender;
    const std::array<char, 4>* genderLetters;
    // kFlaggedLevel: the letter written for `extra` from `flagMinLevel` on, then the other
    // letters the reader takes for it. kChoices: the letters of `extra`, written from
    // `flagMinLevel` on, and not at all when `omitAllChoices` and every choice is set.
    std::string_view flagLetters;
    unsigned flagMinLevel;
    const Choice* choices;
    unsigned choiceCount;
    std::string_view choiceContext;  // the translation context of the choices' names
    bool omitAllChoices;
    std::string_view help;  // the description beside the answers; empty for none
    std::string_view box;   // the label of the page's own check box (31); empty for none
};

namespace categories_detail {

constexpr const FieldInfo* Field(std::string_view name) {
    // By position rather than through FindField(): GCC's UBSan takes the address checks of
    // a pointer search out of constant expressions.
    for (const FieldInfo& field : kProfileFields) {
        if (field.name == name) {
            return &field;
        }
    }
    // A misspelt field name stops the build: a constant expression cannot throw.
    throw "no such field";
}

constexpr CategoryInfo Row(std::string_view caption, int tab, PageKind page, TokenKind token,
                           char tag, std::string_view name, std::string_view field) {
    CategoryInfo row{};
    row.caption = caption;
    row.tab = tab;
    row.page = page;
    row.labels = LabelSet::kNone;
    row.token = token;
    row.tag = tag;
    row.name = name;
    row.field = field.empty() ? nullptr : Field(field);
    return row;
}

constexpr CategoryInfo Level(std::string_view caption, int tab, LabelSet labels, TokenKind token,
                             char tag, std::string_view field) {
    CategoryInfo row = Row(caption, tab, PageKind::kLevel, token, tag, caption, field);
    row.labels = labels;
    row.level = row.field;
    return row;
}

constexpr CategoryInfo WithExtra(CategoryInfo row, std::string_view name, std::string_view field) {
    row.extraName = name;
    row.extra = Field(field);
    return row;
}

constexpr CategoryInfo WithHelp(CategoryInfo row, std::string_view help) {
    row.help = help;
    return row;
}

constexpr CategoryInfo WithBox(CategoryInfo row, std::string_view label) {
    row.box = label;
    return row;
}

constexpr CategoryInfo Flagged(CategoryInfo row, std::string_view name, std::string_view field,
                               std::string_view letters, unsigned minLevel) {
    row = WithExtra(row, name, field);
    row.token = TokenKind::kFlaggedLevel;
    row.flagLetters = letters;
    row.flagMinLevel = minLevel;
    return row;
}

template <std::size_t N>
constexpr CategoryInfo WithChoices(CategoryInfo row, std::string_view name, std::string_view field,
                                   const std::array<Choice, N>& choices,
                                   std::string_view choiceContext, unsigned minLevel,
                                   bool omitAll) {
    row = WithExtra(row, name, field);
    row.token = TokenKind::kChoices;
    row.choices = choices.data();
    row.choiceCount = N;
    row.choiceContext = choiceContext;
    row.flagMinLevel = minLevel;
    row.omitAllChoices = omitAll;
    return row;
}

constexpr CategoryInfo Preference(std::string_view caption, int tab, char tag,
                                  std::string_view level, std::string_view extraName,
                                  std::string_view preference, std::string_view gender,
                                  const std::array<char, 4>& genderLetters) {
    CategoryInfo row =
        Row(caption, tab, PageKind::kPreference, TokenKind::kGendered, tag, caption, level);
    row.labels = LabelSet::kWords;
    row.level = row.field;
    row = WithExtra(row, extraName, preference);
    row.gender = Field(gender);
    row.genderLetters = &genderLetters;
    row.box = "Specify my sexual preference:\r\nGuys | Girls";
    return row;
}

inline constexpr std::string_view kTraitHelp =
    "Check off any characteristics your characer has, left check are self explanitory\r\n"
    "Alt. Ego means that this is you as a furred character\r\n"
    "Costume char means its a character you like to dress up as this character\r\n"
    "Picture char means this character is used in artwork\r\n"
    "RP char means you use this character to Role Play/MUCK\r\n"
    "Guardian char means that this is your \"guardian spirit\" or totem\r\n"
    "Story char means that this is a character you use to write in stories";

// Rows of the two level tabs in category order; each level row takes the help text of its
// own index, set below.
constexpr std::array<CategoryInfo, kLevelCategoryCount + 1> MakeTable() {
    using P = PageKind;
    using T = TokenKind;
    using L = LabelSet;
    std::array<CategoryInfo, kLevelCategoryCount + 1> t = {{
        Row("Species", 0, P::kSpecies, T::kSpecies, '\0', "Species", "speciesFamily"),
        WithExtra(WithHelp(Row("Specifics", 0, P::kTraitBoxes, T::kTraitLetters, '\0', "Traits",
                               "specificsFlags"),
                           kTraitHelp),
                  "Character gender", "characterGender"),
        Level("Anthro Level", 0, L::kDigits, T::kAnthroDigit, '\0', "anthroLevel"),
        Level("Realism", 0, L::kWords, T::kLevel, 'R', "realismLevel"),
        Level("Interwebs RP", 0, L::kWords, T::kLevel, 'I', "interwebsRpLevel"),
        WithBox(Flagged(Level("Fursuits", 0, L::kWords, T::kLevel, 'D', "fursuitsLevel"),
                        "Made own suit", "madeOwnSuit", "m", 5),
                "I made my own suit\r\n(Only applies to lvl %1+)"),
        Level("Transformation", 0, L::kWords, T::kLevel, 'T', "transformationLevel"),
        Level("Hugs", 0, L::kWords, T::kLevel, 'H', "hugsLevel"),
        Level("Plushies", 0, L::kWords, T::kLevel, 'P', "plushiesLevel"),
        Level("Cons", 0, L::kWords, T::kLevel, 'M', "consLevel"),
        Level("Art", 0, L::kWords, T::kLevel, 'V', "artLevel"),
        Level("Writing", 0, L::kWords, T::kLevel, 'L', "writingLevel"),
        Preference("YiffyYiffy", 0, 'Y', "yiffyYiffyLevel", "YiffyYiffy preference",
                   "yiffyYiffyPreference", "characterGender", kCharacterGenderLetters),
        WithExtra(
            [] {
                CategoryInfo row = Row("Specifics", 1, P::kAge, T::kAge, 'O', "Age", "age");
                row.labels = L::kDigits;
                row.box = "Specify Actual Age";
                return row;
            }(),
            "Own gender", "ownGender"),
        Level("Education", 1, L::kDigits, T::kLevel, 'E', "educationLevel"),
        WithBox(WithExtra(WithHelp(Row("Work", 1, P::kWork, T::kWork, 'W', "Work", "workType"),
                                   "What is your current employment type and what are you "
                                   "trained in?"),
                          "Trained in", "trainedFlags"),
                "I am trained in this field"),
        Level("FurFactor", 1, L::kWords, T::kLevel, 'F', "furFactorLevel"),
        Level("Living", 1, L::kDigits, T::kLevel, 'B', "livingLevel"),
        Level("Pets", 1, L::kWords, T::kLevel, 'A', "petsLevel"),
        WithChoices(Level("Gaming", 1, L::kWords, T::kLevel, 'G', "gamingLevel"), "Games",
                    "gamingFlags", kGames, text_context::kGames, 2, false),
        WithBox(Flagged(Level("Interwebs", 1, L::kWords, T::kLevel, 'N', "interwebsLevel"),
                        "Furry site", "furrySite", "fi", 7),
                "Is the site a furry site?\r\n(Only applies to lvl %1)"),
        WithChoices(Level("Compy", 1, L::kWords, T::kLevel, 'C', "compyLevel"), "Operating systems",
                    "compyFlags", kOperatingSystems, text_context::kSystems, 4, true),
        Level("Anime", 1, L::kWords, T::kLevel, 'J', "animeLevel"),
        Preference("Sex", 1, 'S', "sexLevel", "Sex preference", "sexPreference", "ownGender",
                   kOwnGenderLetters),
        WithBox(WithHelp(Row("Specifics", 2, P::kKinkSwitch, T::kKinkTokens, 'K',
                             "Include my kinks", "includeKinks"),
                         "Do you want to show your kinks in your code line?"),
                "Include my kinks"),
    }};
    for (std::size_t c = 0; c < kLevelHelpTexts.size(); ++c) {
        if (!kLevelHelpTexts[c].empty()) {
            t[c].help = kLevelHelpTexts[c];
        }
    }
    return t;
}

}  // namespace categories_detail

// Categories 0..24 by index; 25..120 are the kinks, each asked by a page of its own.
inline constexpr std::array<CategoryInfo, kFirstKinkCategory> kCategoryTable =
    categories_detail::MakeTable();

// The row that every kink category shares; its caption is the kink's name.
inline constexpr CategoryInfo kKinkCategory = [] {
    CategoryInfo row{};
    row.tab = 2;
    row.page = PageKind::kKink;
    row.token = TokenKind::kNone;  // written inside the "K" token
    return row;
}();

// The row of an index that names no category: its page is the "Error!" page.
inline constexpr CategoryInfo kNoCategory = [] {
    CategoryInfo row{};
    row.tab = -1;
    row.page = PageKind::kError;
    row.token = TokenKind::kNone;
    return row;
}();

// The row of category 0..120.
constexpr const CategoryInfo& CategoryOf(int category) {
    if (category < 0 || category >= kCategoryCount) {
        return kNoCategory;
    }
    return category < kFirstKinkCategory ? kCategoryTable[static_cast<std::size_t>(category)]
                                         : kKinkCategory;
}

// Category index of the first row of each tab, and the number of its rows.
inline constexpr std::array<int, 3> kTabFirstCategory = [] {
    std::array<int, 3> first{};
    for (std::size_t c = kCategoryTable.size(); c-- > 0;) {
        first[static_cast<std::size_t>(kCategoryTable[c].tab)] = static_cast<int>(c);
    }
    return first;
}();
inline constexpr std::array<int, 3> kTabRowCount = {kTabFirstCategory[1] - kTabFirstCategory[0],
                                                    kTabFirstCategory[2] - kTabFirstCategory[1],
                                                    kCategoryCount - kTabFirstCategory[2]};

// The caption of any category 0..120 ("Specifics" or the kink's name on tab 2), empty for
// another index.
constexpr std::string_view CategoryCaption(int category) {
    if (category >= kFirstKinkCategory && category < kCategoryCount) {
        return kKinks[static_cast<std::size_t>(category - kFirstKinkCategory)].name;
    }
    return CategoryOf(category).caption;
}

// The field that the slider of a category stores its level in, or nullptr.
constexpr const FieldInfo* LevelFieldOf(int category) {
    return CategoryOf(category).level;
}

// The category of every named page, taken from the table.
constexpr int CategoryOfPage(PageKind page) {
    for (std::size_t c = 0; c < kCategoryTable.size(); ++c) {
        if (kCategoryTable[c].page == page) {
            return static_cast<int>(c);
        }
    }
    return page == PageKind::kKink ? kFirstKinkCategory : -1;
}

// The category written with `tag`, or -1.
constexpr int CategoryOfTag(char tag) {
    for (std::size_t c = 0; c < kCategoryTable.size(); ++c) {
        if (tag != '\0' && kCategoryTable[c].tag == tag) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

// The categories in the order the code line writes their tokens after the head.
inline constexpr std::array<int, 22> kTokenOrder = {
    CategoryOfTag('V'), CategoryOfTag('M'), CategoryOfTag('D'), CategoryOfTag('H'),
    CategoryOfTag('I'), CategoryOfTag('P'), CategoryOfTag('R'), CategoryOfTag('T'),
    CategoryOfTag('L'), CategoryOfTag('Y'), CategoryOfTag('W'), CategoryOfTag('O'),
    CategoryOfTag('C'), CategoryOfTag('G'), CategoryOfTag('E'), CategoryOfTag('F'),
    CategoryOfTag('B'), CategoryOfTag('N'), CategoryOfTag('J'), CategoryOfTag('A'),
    CategoryOfTag('S'), CategoryOfTag('K'),
};

// Categories whose pages or tokens carry more than a level.
constexpr int kSpeciesCategory = CategoryOfPage(PageKind::kSpecies);
constexpr int kTraitCategory = CategoryOfPage(PageKind::kTraitBoxes);  // "Specifics" of "Furryness"
constexpr int kAgeCategory = CategoryOfPage(PageKind::kAge);           // "Specifics" of "Humanness"
constexpr int kWorkCategory = CategoryOfPage(PageKind::kWork);
constexpr int kKinkSwitchCategory = CategoryOfPage(PageKind::kKinkSwitch);  // of "Yiffyness"
constexpr int kFursuitsCategory = CategoryOfTag('D');
constexpr int kYiffyYiffyCategory = CategoryOfTag('Y');
constexpr int kGamingCategory = CategoryOfTag('G');
constexpr int kInterwebsCategory = CategoryOfTag('N');
constexpr int kCompyCategory = CategoryOfTag('C');
constexpr int kSexCategory = CategoryOfTag('S');

// The category whose token carries the gender kept in `field`, or -1.
constexpr int CategoryCarryingGender(const FieldInfo* field) {
    for (std::size_t c = 0; c < kCategoryTable.size(); ++c) {
        if (kCategoryTable[c].gender == field) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

}  // namespace brindlex
