// The category pages. A page reads the record only: it places and fills the pool controls
// it uses and returns them, and BuildPage shows those and hides all the others, so that a
// page depends on nothing but its category and the record.
#include <algorithm>
#include <string>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "controls.h"
#include "mainform.h"
#include "pagehelpers.h"

namespace brindlex {

namespace {

// The closed field of a drop-down list; the rest of its rectangle is the opened list.
constexpr int kClosedListHeight = 12;
// Entries an opened list shows when its rectangle leaves no room below the field.
constexpr int kEntriesWithoutRoom = 10;

QStringList GenderNames(std::string_view firstEntry) {
    QStringList names = TableNames<kOwnGenders>();
    names.front() = DisplayText(firstEntry);
    return names;
}

// A family's species followed by "Other", which stands for the custom name.
const QStringList& SpeciesNames(int family) {
    static const std::array<QStringList, kFamilyCount> names = [] {
        std::array<QStringList, kFamilyCount> result;
        for (std::size_t f = 0; f < result.size(); ++f) {
            const SpeciesFamily& row = kFamilies[f];
            for (int i = 0; i < row.speciesCount(); ++i) {
                result[f].append(DisplayText(row.species[static_cast<std::size_t>(i)]));
            }
            result[f].append(QStringLiteral("Other"));
        }
        return result;
    }();
    return names[static_cast<std::size_t>(family)];
}

// The trained fields are the work types of some rows.
const QStringList& TrainedFieldNames() {
    static const QStringList names = [] {
        QStringList result;
        for (const int row : kTrainedFieldRows) {
            result.append(TableNames<kWorkTypes>().at(row));
        }
        return result;
    }();
    return names;
}

// The question of box 31 on the page of each category whose token carries a flag.
struct FlagQuestion {
    int category;
    std::string_view label;
};
constexpr std::array<FlagQuestion, 2> kFlagQuestions = {{
    {kFursuitsCategory, "I made my own suit\r\n(Only applies to lvl 4+)"},
    {kInterwebsCategory, "Is the site a furry site?\r\n(Only applies to lvl 6)"},
}};

std::string_view FlagQuestionOf(int category) {
    for (const FlagQuestion& question : kFlagQuestions) {
        if (question.category == category) {
            return question.label;
        }
    }
    return {};
}

}  // namespace

// --- Steps shared by the pages ------------------------------------------------------------

void MAINFORM::ShowOnly(PoolSet shown) {
    for (const int id : kPoolControlIds) {
        PoolControl(id)->setVisible((shown & PoolBit(id)) != 0);
    }
}

void MAINFORM::EnableLevelGroup() {
    m_slider->setEnabled(true);
    m_update->setEnabled(true);
}

void MAINFORM::PlaceDescription(int left, int top, std::string_view text) {
    Place(m_description, left, top, 313, 161);
    m_description->setPlainText(DisplayText(text));
}

void MAINFORM::PlaceBox31(std::string_view label, int top, int width, int height) {
    PoolCheckBox* box = Box(31);
    box->setText(DisplayText(label));
    Place(box, 100, top, 100 + width, top + height);
}

void MAINFORM::ShowGenderList(unsigned selection, std::string_view firstEntry, int left, int top) {
    SetUpList(m_list38, GenderNames(firstEntry), static_cast<int>(selection),
              {left, top, left + 75, top + 50});
}

void MAINFORM::ApplyLabelSet(LabelSet set) {
    const bool digits = set == LabelSet::kDigits;
    m_statics[0]->setText(digits ? QStringLiteral("6") : QStringLiteral("YES YES YES :D"));
    m_statics[1]->setText(digits ? QStringLiteral("3") : QStringLiteral("Meh..."));
    m_statics[2]->setText(digits ? QStringLiteral("0") : QStringLiteral("NOOOOO!"));
}

void MAINFORM::Place(QWidget* control, int left, int top, int right, int bottom) {
    control->setGeometry(m_units.rect(left, top, right, bottom));
    control->raise();
}

void MAINFORM::PlaceList(QComboBox* list, int left, int top, int right, int bottom) {
    Place(list, left, top, right, top + kClosedListHeight);
    const int room = m_units.y(bottom) - m_units.y(top + kClosedListHeight);
    const int entryHeight = std::max(
        1, list->count() > 0 ? list->view()->sizeHintForRow(0) : list->fontMetrics().height());
    const int entries = room / entryHeight;
    list->setMaxVisibleItems(entries > 0 ? entries : kEntriesWithoutRoom);
}

void MAINFORM::SetUpList(QComboBox* list, const QStringList& entries, int selection, UnitRect where,
                         bool enabled) {
    FillList(list, entries, selection);
    PlaceList(list, where.left, where.top, where.right, where.bottom);
    list->setEnabled(enabled);
}

void MAINFORM::FillList(QComboBox* list, const QStringList& entries, int selection) {
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(selection >= 0 && selection < entries.size() ? selection : -1);
}

// --- Level pages ------------------------------------------------------------------------

PoolSet MAINFORM::BuildLevelPage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    Q_ASSERT(row.level != nullptr);
    PoolSet shown = kPoolLevelGroup | kPoolUpperLabels | kPoolDescription;
    int descriptionTop = 28;
    if (row.token == TokenKind::kFlaggedLevel) {
        PlaceBox31(FlagQuestionOf(category), 28, 85, 30);
        Box(31)->setChecked(row.extra->get(m_profile) != 0);
        shown |= kPoolBox31;
    } else if (category == kGamingCategory) {
        ShowGameBoxes(row);
        shown |= PoolRange(21, 20 + static_cast<int>(row.choiceCount));
        descriptionTop = 52;
    } else if (category == kCompyCategory) {
        ShowSystemBoxes(row);
        shown |= PoolRange(32, 31 + static_cast<int>(row.choiceCount));
        descriptionTop = 38;
    }

    ApplyLabelSet(row.labels);
    m_slider->setValue(static_cast<int>(row.level->get(m_profile)));
    PlaceDescription(185, descriptionTop, row.help);
    EnableLevelGroup();
    return shown;
}

void MAINFORM::ShowGameBoxes(const CategoryInfo& row) {
    // Three columns of three, above the description.
    constexpr std::array<int, 3> lefts = {100, 165, 260};
    constexpr std::array<int, 3> rights = {160, 245, 300};
    for (int i = 0; i < static_cast<int>(row.choiceCount); ++i) {
        PoolCheckBox* box = Box(21 + i);
        const auto column = static_cast<std::size_t>(i / 3);
        const int top = 22 + 10 * (i % 3);
        box->setText(DisplayText(row.choices[i].name));
        Place(box, lefts[column], top, rights[column], top + 10);
        box->setChecked(BitSet(row.extra->get(m_profile), static_cast<unsigned>(i)));
    }
}

void MAINFORM::ShowSystemBoxes(const CategoryInfo& row) {
    constexpr std::array<std::array<int, 2>, 5> columns = {
        {{100, 150}, {150, 185}, {190, 225}, {230, 265}, {270, 305}}};
    for (int i = 0; i < static_cast<int>(row.choiceCount); ++i) {
        PoolCheckBox* box = Box(32 + i);
        const auto& column = columns[static_cast<std::size_t>(i)];
        box->setText(DisplayText(row.choices[i].name));
        Place(box, column[0], 28, column[1], 38);
        box->setChecked(BitSet(row.extra->get(m_profile), static_cast<unsigned>(i)));
    }
}

// --- Pages of check boxes and switches --------------------------------------------------

PoolSet MAINFORM::BuildTraitPage(int category) {
    ShowGenderList(m_profile.characterGender, "Polymorph", 240, 22);
    PlaceDescription(165, 99, CategoryOf(category).help);

    // Box 21 + row shows trait row `row`: ten in the first column, "Alter Ego" at the top
    // of the second column and the character kinds below it.
    for (int row = 0; row < kTraitCount; ++row) {
        PoolCheckBox* box = Box(21 + row);
        const Trait& trait = kTraits[static_cast<std::size_t>(row)];
        box->setText(DisplayText(trait.name));
        if (row < 10) {
            Place(box, 100, 28 + 10 * row, 160, 38 + 10 * row);
        } else if (row == 10) {
            Place(box, 165, 28, 215, 38);
        } else {
            const int j = row - 11;
            Place(box, 165, 38 + 10 * j, 245, 48 + 10 * j);
        }
        box->setChecked(BitSet(m_profile.specificsFlags, trait.bit));
    }
    return kPoolList38 | kPoolDescription | PoolRange(21, 20 + kTraitCount);
}

PoolSet MAINFORM::BuildKinkSwitchPage(int category) {
    PlaceDescription(185, 28, CategoryOf(category).help);
    PlaceBox31("Include my kinks", 68, 80, 10);
    Box(31)->setChecked(m_profile.includeKinks != 0);
    return kPoolDescription | kPoolBox31;
}

PoolSet MAINFORM::BuildErrorPage(int /*category*/) {
    PlaceDescription(185, 28, "Error!");
    return kPoolDescription;
}

// --- Species ----------------------------------------------------------------------------

PoolSet MAINFORM::BuildSpeciesPage(int /*category*/) {
    SetUpList(m_list38, TableNames<kFamilies>(), static_cast<int>(m_profile.speciesFamily),
              {150, 28, 270, 88});
    const PoolSet shown = kPoolList38 | ShowSpeciesChoices();
    RefreshCodeLine();
    return shown;
}

PoolSet MAINFORM::ShowSpeciesChoices() {
    const int family = m_list38->currentIndex();
    if (family >= 1 && family < static_cast<int>(kFamilyPolymorph)) {
        m_customName->hide();
        const QStringList& names = SpeciesNames(family);
        const int index = static_cast<int>(m_profile.speciesIndex);
        // Past the last species stands "Other".
        SetUpList(m_list39, names,
                  index == 0 ? -1 : std::min(index - 1, static_cast<int>(names.size()) - 1),
                  {150, 90, 270, 150});
        m_list39->show();
        return kPoolList39 | ShowCustomNameBelowSpecies();
    }
    m_list39->hide();
    if (family == static_cast<int>(kFamilyPolymorph) || family == static_cast<int>(kFamilyOther)) {
        ShowCustomName(90);
        return kPoolCustomName;
    }
    m_customName->hide();
    return 0;
}

PoolSet MAINFORM::ShowCustomNameBelowSpecies() {
    const int last = m_list39->count() - 1;
    if (last >= 0 && m_list39->currentIndex() == last) {
        ShowCustomName(150);
        return kPoolCustomName;
    }
    m_customName->hide();
    return 0;
}

void MAINFORM::ShowCustomName(int top) {
    Place(m_customName, 150, top, 270, top + 10);
    // An empty name shows the hint "<My Custom Animal>" in its place.
    m_customName->setText(QString::fromStdString(m_profile.customSpeciesName));
    m_customName->show();
}

// --- Age, work, preferences and kinks -----------------------------------------------------

PoolSet MAINFORM::BuildAgePage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    ApplyLabelSet(row.labels);
    settingAgeText = true;
    PlaceBox31("Specify Actual Age", 40, 50, 20);
    ShowGenderList(m_profile.ownGender, "Unspecify", 100, 28);
    PlaceDescription(185, 28, row.help);
    EnableLevelGroup();

    const unsigned age = m_profile.age;
    // The slider points at the bracket of an exact age too, disabled.
    m_slider->setValue(static_cast<int>(m_profile.ageSliderLevel()));
    const bool exact = age >= 1 && age <= kMaxExactAge;
    Box(31)->setChecked(exact);
    if (exact) {
        m_slider->setEnabled(false);
        m_update->setEnabled(false);
        m_ageField->setText(QString::number(age));
    } else {
        m_ageField->clear();
    }
    m_ageField->setEnabled(exact);
    settingAgeText = false;
    return kPoolUpperLabels | kPoolBox31 | kPoolList38 | kPoolDescription | kPoolLevelGroup |
           kPoolAgeField;
}

PoolSet MAINFORM::BuildWorkPage(int category) {
    SetUpList(m_list38, TableNames<kWorkTypes>(), static_cast<int>(m_profile.workType),
              {100, 28, 200, 88});
    SetUpList(m_list39, TrainedFieldNames(), 0, {100, 85, 200, 95});
    PlaceBox31("I am trained in this field", 140, 100, 10);
    PlaceDescription(210, 28, CategoryOf(category).help);
    ShowTrainedBox();
    return kPoolList38 | kPoolList39 | kPoolBox31 | kPoolDescription;
}

void MAINFORM::ShowTrainedBox() {
    const int field = m_list39->currentIndex();
    Box(31)->setChecked(field >= 0 && field < kTrainedFieldCount &&
                        BitSet(m_profile.trainedFlags, static_cast<unsigned>(field)));
}

PoolSet MAINFORM::BuildPreferencePage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    const unsigned preference = row.extra->get(m_profile);
    const bool specified = preference != 0;
    // An unspecified preference shows the first entries, disabled.
    const int guys = specified ? AttractionEntry(AttractionGuys(preference)) : 0;
    const int girls = specified ? AttractionEntry(AttractionGirls(preference)) : 0;

    SetUpList(m_list38, TableNames<kAttractionNames>(), guys, {156, 28, 236, 68}, specified);
    SetUpList(m_list39, TableNames<kAttractionNames>(), girls, {237, 28, 317, 68}, specified);
    PlaceBox31("Specify my sexual preference:\r\nGuys | Girls", 22, 55, 45);
    Box(31)->setChecked(specified);
    m_slider->setValue(static_cast<int>(row.level->get(m_profile)));
    ApplyLabelSet(row.labels);
    PlaceDescription(185, 44, row.help);
    EnableLevelGroup();
    return kPoolList38 | kPoolList39 | kPoolBox31 | kPoolLevelGroup | kPoolUpperLabels |
           kPoolDescription;
}

PoolSet MAINFORM::BuildKinkPage(int category) {
    const int kink = category - kFirstKinkCategory;
    m_statics[0]->setText(QStringLiteral("Role Play Kink:"));
    m_statics[1]->setText(QStringLiteral("Real Life Kink:"));
    const std::string description =
        "Do you like to " + std::string(kKinkDescriptions[static_cast<std::size_t>(kink)]) + "?";
    PlaceDescription(185, 28, description);

    const unsigned cell = m_profile.kink(kink);
    SetUpList(m_list38, TableNames<kKinkAnswerNames>(), static_cast<int>(KinkRolePlay(cell)),
              {100, 76, 180, 126});
    SetUpList(m_list39, TableNames<kKinkAnswerNames>(), static_cast<int>(KinkRealLife(cell)),
              {100, 102, 180, 152});
    return kPoolUpperLabels | kPoolDescription | kPoolList38 | kPoolList39;
}

}  // namespace brindlex
