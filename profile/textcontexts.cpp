#include "profile/textcontexts.h"

#include "profile/categories.h"
#include "profile/pages.h"
#include "profile/vocabulary.h"

namespace brindlex {

namespace {

void Visit(const TextVisitor& visit, std::string_view context, std::string_view text) {
    if (!text.empty()) {
        visit(context, text);
    }
}

template <typename Table, typename Name>
void VisitNames(const TextVisitor& visit, std::string_view context, const Table& table, Name name) {
    for (const auto& row : table) {
        Visit(visit, context, name(row));
    }
}

constexpr PageKind kPages[] = {
    PageKind::kError, PageKind::kSpecies,    PageKind::kTraitBoxes,
    PageKind::kLevel, PageKind::kPreference, PageKind::kAge,
    PageKind::kWork,  PageKind::kKinkSwitch, PageKind::kKink,
};

}  // namespace

void ForEachTableText(const TextVisitor& visit) {
    namespace c = text_context;
    const auto self = [](std::string_view text) { return text; };
    const auto name = [](const auto& row) { return row.name; };

    VisitNames(visit, c::kTabs, kTabNames, self);
    for (const CategoryInfo& row : kCategoryTable) {
        Visit(visit, c::kCategories, row.caption);
        Visit(visit, c::kCategories, row.name);
        Visit(visit, c::kCategories, row.extraName);
    }
    for (const PageKind page : kPages) {
        Visit(visit, c::kListQuestions, ListQuestionsOf(page).first);
        Visit(visit, c::kListQuestions, ListQuestionsOf(page).second);
    }
    for (const SpeciesFamily& family : kFamilies) {
        Visit(visit, c::kFamilies, family.name);
        for (int i = 0; i < family.speciesCount(); ++i) {
            Visit(visit, c::kSpecies, family.species[static_cast<std::size_t>(i)]);
        }
    }
    VisitNames(visit, c::kGenders, kCharacterGenders, self);
    VisitNames(visit, c::kGenders, kOwnGenders, self);
    VisitNames(visit, c::kTraits, kTraits, name);
    VisitNames(visit, c::kWork, kWorkTypes, name);
    VisitNames(visit, c::kGames, kGames, name);
    VisitNames(visit, c::kSystems, kOperatingSystems, name);
    VisitNames(visit, c::kAnswers, kAttractionNames, self);
    VisitNames(visit, c::kAnswers, kKinkAnswerNames, self);
    VisitNames(visit, c::kKinks, kKinks, name);
    VisitNames(visit, c::kKinkDescriptions, kKinkDescriptions, self);
    for (const CategoryInfo& row : kCategoryTable) {
        Visit(visit, c::kHelpTexts, row.help);
    }
    VisitNames(visit, c::kPageTexts, kPageTexts, self);
    for (const CategoryInfo& row : kCategoryTable) {
        Visit(visit, c::kPageTexts, row.box);
    }
}

}  // namespace brindlex
