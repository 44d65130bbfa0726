#include "web/module/pagemodel.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "profile/pages.h"
#include "profile/vocabulary.h"

namespace brindlex::web {

namespace {

bool BitSet(unsigned flags, unsigned bit) {
    return ((flags >> bit) & 1u) != 0;
}

unsigned WithBit(unsigned flags, unsigned bit, bool on) {
    return on ? flags | (1u << bit) : flags & ~(1u << bit);
}

template <typename Table>
std::vector<std::string_view> NamesOf(const Table& table) {
    std::vector<std::string_view> names;
    for (const auto& row : table) {
        if constexpr (std::is_convertible_v<decltype(row), std::string_view>) {
            names.push_back(row);
        } else {
            names.push_back(row.name);
        }
    }
    return names;
}

PageControl Control(PageControl::Kind kind, std::string name, bool enabled = true) {
    PageControl control;
    control.kind = kind;
    control.name = std::move(name);
    control.enabled = enabled;
    return control;
}

PageControl List(std::string_view name, std::vector<std::string_view> entries, int selected,
                 bool enabled = true) {
    PageControl list = Control(PageControl::kList, std::string(name), enabled);
    list.entries = std::move(entries);
    list.selected =
        selected >= 0 && selected < static_cast<int>(list.entries.size()) ? selected : -1;
    return list;
}

PageControl Box(std::string_view label, bool checked) {
    PageControl box = Control(PageControl::kBox, std::string(label));
    box.checked = checked;
    return box;
}

PageControl Slider(const CategoryInfo& row, unsigned level, bool enabled = true) {
    PageControl slider = Control(PageControl::kSlider, SliderName(row.name), enabled);
    slider.level = level;
    slider.labels = row.labels == LabelSet::kDigits ? LabelSet::kDigits : LabelSet::kWords;
    return slider;
}

int EntryAt(const std::vector<int>& entries, std::size_t at) {
    return at < entries.size() ? entries[at] : -1;
}

void DescribeSpecies(const PROFILE& profile, PageModel& model) {
    const ListQuestions questions = ListQuestionsOf(PageKind::kSpecies);
    model.controls.push_back(
        List(questions.first, NamesOf(kFamilies), static_cast<int>(profile.speciesFamily)));
    const unsigned family = profile.speciesFamily;
    const int entry = SpeciesEntryOf(profile);
    if (family >= 1 && family < kFamilyPolymorph) {
        const SpeciesFamily& row = kFamilies[family];
        std::vector<std::string_view> species(row.species.begin(),
                                              row.species.begin() + row.speciesCount());
        species.push_back(kOtherSpeciesEntry);
        model.controls.push_back(List(questions.second, std::move(species), entry));
    }
    if (ShowsCustomName(profile, entry)) {
        PageControl name = Control(PageControl::kCustomName, std::string(kCustomNameName));
        name.text = profile.customSpeciesName;
        name.hint = std::string(kCustomNameHint);
        model.controls.push_back(std::move(name));
    }
}

void DescribeTraits(const CategoryInfo& row, const PROFILE& profile, PageModel& model) {
    model.controls.push_back(List(ListQuestionsOf(row.page).first, NamesOf(kCharacterGenders),
                                  static_cast<int>(profile.characterGender)));
    for (const Trait& trait : kTraits) {
        model.controls.push_back(Box(trait.name, BitSet(profile.specificsFlags, trait.bit)));
    }
}

void DescribeLevel(const CategoryInfo& row, const PROFILE& profile, PageModel& model) {
    if (row.token == TokenKind::kFlaggedLevel) {
        model.controls.push_back(Box(FlagBoxLabel(row), row.extra->get(profile) != 0));
    } else if (row.token == TokenKind::kChoices) {
        for (unsigned i = 0; i < row.choiceCount; ++i) {
            model.controls.push_back(Box(row.choices[i].name, BitSet(row.extra->get(profile), i)));
        }
    }
    model.controls.push_back(Slider(row, row.level->get(profile)));
}

void DescribePreference(const CategoryInfo& row, const PROFILE& profile, PageModel& model) {
    const unsigned preference = row.extra->get(profile);
    const bool specified = preference != 0;
    // An unspecified preference shows the first entries, disabled.
    const int guys = specified ? AttractionEntry(AttractionGuys(preference)) : 0;
    const int girls = specified ? AttractionEntry(AttractionGirls(preference)) : 0;
    const ListQuestions questions = ListQuestionsOf(row.page);
    model.controls.push_back(Box(row.box, specified));
    model.controls.push_back(List(questions.first, NamesOf(kAttractionNames), guys, specified));
    model.controls.push_back(List(questions.second, NamesOf(kAttractionNames), girls, specified));
    model.controls.push_back(Slider(row, row.level->get(profile)));
}

void DescribeAge(const CategoryInfo& row, const PROFILE& profile, bool exactForm,
                 PageModel& model) {
    const bool exact = IsExactAge(profile.age) || (exactForm && profile.age == 0);
    model.controls.push_back(List(ListQuestionsOf(row.page).first, NamesOf(kOwnGenders),
                                  static_cast<int>(profile.ownGender)));
    model.controls.push_back(Box(row.box, exact));
    PageControl field = Control(PageControl::kAgeField, std::string(kExactAgeName), exact);
    field.text = exact ? std::to_string(profile.age) : std::string();
    field.maxLength = 3;
    model.controls.push_back(std::move(field));
    // The slider points at the bracket of an exact age too, disabled.
    model.controls.push_back(Slider(row, profile.ageSliderLevel(), !exact));
}

void DescribeWork(const CategoryInfo& row, const PROFILE& profile, int trainedField,
                  PageModel& model) {
    const ListQuestions questions = ListQuestionsOf(row.page);
    model.controls.push_back(
        List(questions.first, NamesOf(kWorkTypes), static_cast<int>(profile.workType)));
    std::vector<std::string_view> fields;
    for (const int work : kTrainedFieldRows) {
        fields.push_back(kWorkTypes[static_cast<std::size_t>(work)].name);
    }
    model.controls.push_back(List(questions.second, std::move(fields), trainedField));
    const int field = model.controls.back().selected;
    model.controls.push_back(
        Box(row.box, field >= 0 && BitSet(profile.trainedFlags, static_cast<unsigned>(field))));
}

void DescribeKink(int category, const PROFILE& profile, PageModel& model) {
    const int kink = category - kFirstKinkCategory;
    const unsigned cell = profile.kink(kink);
    const ListQuestions questions = ListQuestionsOf(PageKind::kKink);
    model.controls.push_back(
        List(questions.first, NamesOf(kKinkAnswerNames), static_cast<int>(KinkRolePlay(cell))));
    model.controls.back().label = std::string(kRolePlayLabel);
    model.controls.push_back(
        List(questions.second, NamesOf(kKinkAnswerNames), static_cast<int>(KinkRealLife(cell))));
    model.controls.back().label = std::string(kRealLifeLabel);
    model.help = KinkQuestion(kink);
}

}  // namespace

int PageModel::ordinal(std::size_t at) const {
    int count = 0;
    for (std::size_t i = 0; i < at && i < controls.size(); ++i) {
        count += controls[i].kind == controls[at].kind ? 1 : 0;
    }
    return count;
}

PageModel DescribePage(int category, const PROFILE& profile, PageState state) {
    const CategoryInfo& row = CategoryOf(category);
    PageModel model;
    model.category = row.page == PageKind::kError ? -1 : category;
    model.page = row.page;
    model.help = std::string(row.help);
    switch (row.page) {
        case PageKind::kSpecies:
            DescribeSpecies(profile, model);
            break;
        case PageKind::kTraitBoxes:
            DescribeTraits(row, profile, model);
            break;
        case PageKind::kLevel:
            DescribeLevel(row, profile, model);
            break;
        case PageKind::kPreference:
            DescribePreference(row, profile, model);
            break;
        case PageKind::kAge:
            DescribeAge(row, profile, state.exactAge, model);
            break;
        case PageKind::kWork:
            DescribeWork(row, profile, state.trainedField, model);
            break;
        case PageKind::kKinkSwitch:
            model.controls.push_back(Box(row.box, profile.includeKinks != 0));
            break;
        case PageKind::kKink:
            DescribeKink(category, profile, model);
            break;
        case PageKind::kError:
            model.help = std::string(kNoCategoryText);
            break;
    }
    return model;
}

void ChooseEntry(PROFILE& profile, int category, int list, const std::vector<int>& entries) {
    const CategoryInfo& row = CategoryOf(category);
    const int entry = EntryAt(entries, static_cast<std::size_t>(std::max(list, 0)));
    switch (row.page) {
        case PageKind::kSpecies:
            if (list == 0 && entry >= 0 && static_cast<unsigned>(entry) != profile.speciesFamily) {
                ChooseSpeciesFamily(profile, static_cast<unsigned>(entry));
            } else if (list == 1) {
                ChooseSpecies(profile, entry);
            }
            break;
        case PageKind::kTraitBoxes:
            if (list == 0 && entry >= 0) {
                profile.characterGender = static_cast<unsigned>(entry) & 3u;
            }
            break;
        case PageKind::kAge:
            if (list == 0 && entry >= 0) {
                profile.ownGender = static_cast<unsigned>(entry) & 3u;
            }
            break;
        case PageKind::kWork:
            // The trained-field list only shows a field; the page keeps which.
            if (list == 0 && entry >= 0) {
                profile.setWorkType(static_cast<std::uint8_t>(std::min(entry, 255)));
            }
            break;
        case PageKind::kPreference:
            row.extra->set(profile, AttractionOfEntries(EntryAt(entries, 0), EntryAt(entries, 1)));
            break;
        case PageKind::kKink:
            profile.setKink(category - kFirstKinkCategory,
                            MakeKinkCell(static_cast<unsigned>(std::max(EntryAt(entries, 0), 0)),
                                         static_cast<unsigned>(std::max(EntryAt(entries, 1), 0))));
            break;
        default:
            break;
    }
}

void TickBox(PROFILE& profile, int category, int box, bool checked,
             const std::vector<int>& entries) {
    const CategoryInfo& row = CategoryOf(category);
    if (box < 0) {
        return;
    }
    const auto index = static_cast<unsigned>(box);
    switch (row.page) {
        case PageKind::kTraitBoxes:
            if (index < kTraits.size()) {
                profile.specificsFlags =
                    WithBit(profile.specificsFlags, kTraits[index].bit, checked);
            }
            break;
        case PageKind::kLevel:
            if (row.token == TokenKind::kFlaggedLevel && index == 0) {
                row.extra->set(profile, checked ? 1u : 0u);
            } else if (row.token == TokenKind::kChoices && index < row.choiceCount) {
                row.extra->set(profile, WithBit(row.extra->get(profile), index, checked));
            }
            break;
        case PageKind::kPreference:
            row.extra->set(
                profile,
                checked ? AttractionOfEntries(EntryAt(entries, 0), EntryAt(entries, 1)) : 0u);
            break;
        case PageKind::kAge:
            SwitchAgeForm(profile, checked);
            break;
        case PageKind::kWork: {
            const int field = EntryAt(entries, 1);
            if (field >= 0 && field < kTrainedFieldCount) {
                profile.trainedFlags =
                    WithBit(profile.trainedFlags, static_cast<unsigned>(field), checked);
            }
            break;
        }
        case PageKind::kKinkSwitch:
            profile.includeKinks = checked ? 1u : 0u;
            break;
        default:
            break;
    }
}

void SetLevel(PROFILE& profile, int category, unsigned level) {
    const CategoryInfo& row = CategoryOf(category);
    level = std::min(level, 7u);
    if (row.page == PageKind::kAge) {
        if (!IsExactAge(profile.age)) {
            profile.setAgeBracket(static_cast<std::uint8_t>(level));
        }
    } else if (row.level != nullptr) {
        row.level->set(profile, level);
    }
}

std::string_view PageKindName(PageKind page) {
    switch (page) {
        case PageKind::kSpecies:
            return "species";
        case PageKind::kTraitBoxes:
            return "traits";
        case PageKind::kLevel:
            return "level";
        case PageKind::kPreference:
            return "preference";
        case PageKind::kAge:
            return "age";
        case PageKind::kWork:
            return "work";
        case PageKind::kKinkSwitch:
            return "kinkSwitch";
        case PageKind::kKink:
            return "kink";
        case PageKind::kError:
            break;
    }
    return "error";
}

std::string LevelWord(LabelSet labels, unsigned level) {
    const std::string_view label = LevelLabel(labels, level);
    if (!label.empty()) {
        return std::string(label);
    }
    return level > 0 ? std::to_string(level - 1) : std::string();
}

}  // namespace brindlex::web
