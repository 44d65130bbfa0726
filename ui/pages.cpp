// The category pages. A page reads the record only: it shows, places and fills the pool
// controls it uses and hides the others, so that it depends on nothing but its category
// and the record.
#include <algorithm>
#include <string>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "categories.h"
#include "controls.h"
#include "mainform.h"

namespace brindlex {

namespace {

constexpr std::string_view kTraitHelp =
    "Check off any characteristics your characer has, left check are self explanitory\r\n"
    "Alt. Ego means that this is you as a furred character\r\n"
    "Costume char means its a character you like to dress up as this character\r\n"
    "Picture char means this character is used in artwork\r\n"
    "RP char means you use this character to Role Play/MUCK\r\n"
    "Guardian char means that this is your \"guardian spirit\" or totem\r\n"
    "Story char means that this is a character you use to write in stories";

template <typename Table, typename Name>
QStringList Names(const Table& table, Name name) {
    QStringList names;
    for (const auto& row : table) {
        names.append(DisplayText(name(row)));
    }
    return names;
}

template <std::size_t N>
QStringList Names(const std::array<std::string_view, N>& table) {
    return Names(table, [](std::string_view name) { return name; });
}

QStringList GenderNames(std::string_view firstEntry) {
    QStringList names = Names(kOwnGenders);
    names.front() = DisplayText(firstEntry);
    return names;
}

const QStringList& FamilyNames() {
    static const QStringList names =
        Names(kFamilies, [](const SpeciesFamily& family) { return family.name; });
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

const QStringList& WorkNames() {
    static const QStringList names =
        Names(kWorkTypes, [](const WorkType& work) { return work.name; });
    return names;
}

const QStringList& TrainedFieldNames() {
    static const QStringList names = Names(
        kTrainedFieldRows, [](int row) { return kWorkTypes[static_cast<std::size_t>(row)].name; });
    return names;
}

const QStringList& AttractionNames() {
    static const QStringList names = Names(kAttractionNames);
    return names;
}

const QStringList& KinkAnswerNames() {
    static const QStringList names = Names(kKinkAnswerNames);
    return names;
}

bool BitSet(unsigned flags, unsigned bit) {
    return ((flags >> bit) & 1u) != 0;
}

}  // namespace

void MAINFORM::BuildCategoryPage(int category) {
    if (category < 0 || category >= kCategoryCount) {
        BuildErrorPage();
    } else if (category == kSpeciesCategory) {
        BuildSpeciesPage();
    } else if (category == kTraitCategory) {
        BuildTraitPage();
    } else if (category == kYiffyYiffyCategory || category == kSexCategory) {
        BuildPreferencePage(category);
    } else if (category == kAgeCategory) {
        BuildAgePage();
    } else if (category == kWorkCategory) {
        BuildWorkPage();
    } else if (category == kKinkSwitchCategory) {
        BuildKinkSwitchPage();
    } else if (category >= kFirstKinkCategory) {
        BuildKinkPage(category);
    } else {
        BuildLevelPage(category);
    }
}

// --- Steps shared by the pages ------------------------------------------------------------

void MAINFORM::ShowLevelGroup(bool show, bool showAgeField) {
    m_slider->setVisible(show);
    m_update->setVisible(show);
    if (show) {
        m_slider->setEnabled(true);
        m_update->setEnabled(true);
    }
    m_statics[2]->setVisible(show);
    m_statics[3]->setVisible(show);
    m_ageField->setVisible(showAgeField);
}

void MAINFORM::PlaceDescription(int left, int top, std::string_view text) {
    Place(m_description, left, top, 313, 161);
    m_description->setPlainText(DisplayText(text));
    m_description->show();
}

void MAINFORM::PlaceBox31(std::string_view label, int top, int width, int height) {
    PoolCheckBox* box = Box(31);
    box->setText(DisplayText(label));
    Place(box, 100, top, 100 + width, top + height);
    box->show();
}

void MAINFORM::HideBoxes() {
    for (int id = 21; id <= 37; ++id) {
        if (id != 31) {
            Box(id)->hide();
        }
    }
}

void MAINFORM::HideStatics() {
    for (QLabel* label : m_statics) {
        label->hide();
    }
}

void MAINFORM::ShowGenderList(unsigned selection, std::string_view firstEntry, int left, int top) {
    m_list38->hide();
    FillList(m_list38, GenderNames(firstEntry), static_cast<int>(selection));
    PlaceList(m_list38, left, top, left + 75, top + 50);
    m_list38->setEnabled(true);
    m_list38->show();
    m_list39->hide();
}

void MAINFORM::ApplyLabelSet(LabelSet set) {
    const bool digits = set == LabelSet::Digits;
    m_statics[0]->setText(digits ? QStringLiteral("6") : QStringLiteral("YES YES YES :D"));
    m_statics[1]->setText(digits ? QStringLiteral("3") : QStringLiteral("Meh..."));
    m_statics[2]->setText(digits ? QStringLiteral("0") : QStringLiteral("NOOOOO!"));
    m_statics[0]->show();
    m_statics[1]->show();
}

// --- Level pages ------------------------------------------------------------------------

void MAINFORM::BuildLevelPage(int category) {
    const FieldInfo* level = LevelFieldOf(category);
    Q_ASSERT(level != nullptr);
    int descriptionTop = 28;
    if (category == kFursuitsCategory || category == kInterwebsCategory) {
        const bool suit = category == kFursuitsCategory;
        PlaceBox31(suit ? "I made my own suit\r\n(Only applies to lvl 4+)"
                        : "Is the site a furry site?\r\n(Only applies to lvl 6)",
                   28, 85, 30);
        Box(31)->setChecked(suit ? m_profile.madeOwnSuit != 0 : m_profile.furrySite != 0);
        HideBoxes();
    } else if (category == kGamingCategory) {
        ShowGameBoxes();
        descriptionTop = 52;
    } else if (category == kCompyCategory) {
        ShowSystemBoxes();
        descriptionTop = 38;
    } else {
        HideBoxes();
        Box(31)->hide();
    }

    // Anthro Level, Education and Living number their answers; the others use words.
    const bool digits = category == 2 || category == 14 || category == 17;
    ApplyLabelSet(digits ? LabelSet::Digits : LabelSet::Words);
    m_slider->setValue(static_cast<int>(level->get(m_profile)));
    PlaceDescription(185, descriptionTop, kLevelHelpTexts[static_cast<std::size_t>(category)]);
    ShowLevelGroup(true, false);
    m_list38->hide();
    m_list39->hide();
}

void MAINFORM::ShowGameBoxes() {
    // Three columns of three, above the description.
    constexpr std::array<int, 3> lefts = {100, 165, 260};
    constexpr std::array<int, 3> rights = {160, 245, 300};
    for (int i = 0; i < static_cast<int>(kGames.size()); ++i) {
        PoolCheckBox* box = Box(21 + i);
        const auto column = static_cast<std::size_t>(i / 3);
        const int top = 22 + 10 * (i % 3);
        box->setText(DisplayText(kGames[static_cast<std::size_t>(i)].name));
        Place(box, lefts[column], top, rights[column], top + 10);
        box->setChecked(BitSet(m_profile.gamingFlags, static_cast<unsigned>(i)));
        box->show();
    }
    for (int id = 30; id <= 37; ++id) {
        Box(id)->hide();
    }
}

void MAINFORM::ShowSystemBoxes() {
    constexpr std::array<std::array<int, 2>, 5> columns = {
        {{100, 150}, {150, 185}, {190, 225}, {230, 265}, {270, 305}}};
    for (int i = 0; i < static_cast<int>(kOperatingSystems.size()); ++i) {
        PoolCheckBox* box = Box(32 + i);
        const auto& column = columns[static_cast<std::size_t>(i)];
        box->setText(DisplayText(kOperatingSystems[static_cast<std::size_t>(i)].name));
        Place(box, column[0], 28, column[1], 38);
        box->setChecked(BitSet(m_profile.compyFlags, static_cast<unsigned>(i)));
        box->show();
    }
    for (int id = 21; id <= 37; ++id) {
        if (id < 32 || id > 36) {
            Box(id)->hide();
        }
    }
}

// --- Pages of check boxes and switches --------------------------------------------------

void MAINFORM::BuildTraitPage() {
    ShowGenderList(m_profile.characterGender, "Polymorph", 240, 22);
    HideStatics();
    m_slider->hide();
    m_update->hide();
    m_ageField->hide();
    PlaceDescription(165, 99, kTraitHelp);

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
        box->show();
    }
}

void MAINFORM::BuildKinkSwitchPage() {
    PlaceDescription(185, 28, "Do you want to show your kinks in your code line?");
    PlaceBox31("Include my kinks", 68, 80, 10);
    Box(31)->setChecked(m_profile.includeKinks != 0);
    HideBoxes();
    m_statics[0]->hide();
    m_statics[1]->hide();
    ShowLevelGroup(false, false);
    m_list38->hide();
    m_list39->hide();
}

void MAINFORM::BuildErrorPage() {
    PlaceDescription(185, 28, "Error!");
    HideBoxes();
    Box(31)->hide();
    m_statics[0]->hide();
    m_statics[1]->hide();
    ShowLevelGroup(false, false);
    m_list38->hide();
    m_list39->hide();
}

// --- Species ----------------------------------------------------------------------------

void MAINFORM::BuildSpeciesPage() {
    m_description->hide();
    HideStatics();
    m_slider->hide();
    m_update->hide();
    m_ageField->hide();

    FillList(m_list38, FamilyNames(), static_cast<int>(m_profile.speciesFamily));
    PlaceList(m_list38, 150, 28, 270, 88);
    m_list38->setEnabled(true);
    m_list38->show();
    HideBoxes();
    Box(31)->hide();

    ShowSpeciesChoices();
    RefreshCodeLine();
}

void MAINFORM::ShowSpeciesChoices() {
    const int family = m_list38->currentIndex();
    if (family >= 1 && family < static_cast<int>(kFamilyPolymorph)) {
        m_customName->hide();
        const QStringList& names = SpeciesNames(family);
        const int index = static_cast<int>(m_profile.speciesIndex);
        // Past the last species stands "Other".
        FillList(m_list39, names,
                 index == 0 ? -1 : std::min(index - 1, static_cast<int>(names.size()) - 1));
        PlaceList(m_list39, 150, 90, 270, 150);
        m_list39->setEnabled(true);
        m_list39->show();
        ShowCustomNameBelowSpecies();
        return;
    }
    m_list39->hide();
    if (family == static_cast<int>(kFamilyPolymorph) || family == static_cast<int>(kFamilyOther)) {
        ShowCustomName(90);
    } else {
        m_customName->hide();
    }
}

void MAINFORM::ShowCustomNameBelowSpecies() {
    const int last = m_list39->count() - 1;
    if (last >= 0 && m_list39->currentIndex() == last) {
        ShowCustomName(150);
    } else {
        m_customName->hide();
    }
}

void MAINFORM::ShowCustomName(int top) {
    Place(m_customName, 150, top, 270, top + 10);
    // An empty name shows the hint "<My Custom Animal>" in its place.
    m_customName->setText(QString::fromStdString(m_profile.customSpeciesName));
    m_customName->show();
}

// --- Age, work, preferences and kinks -----------------------------------------------------

void MAINFORM::BuildAgePage() {
    ApplyLabelSet(LabelSet::Digits);
    settingAgeText = true;
    PlaceBox31("Specify Actual Age", 40, 50, 20);
    HideBoxes();
    ShowGenderList(m_profile.ownGender, "Unspecify", 100, 28);
    PlaceDescription(185, 28, kLevelHelpTexts[kAgeCategory]);
    ShowLevelGroup(true, true);

    const unsigned age = m_profile.age;
    PoolCheckBox* exact = Box(31);
    if (age >= 1 && age <= kMaxExactAge) {
        exact->setChecked(true);
        // The disabled slider points at the bracket that holds the age.
        m_slider->setValue(static_cast<int>(m_profile.ageSliderLevel()));
        m_slider->setEnabled(false);
        m_update->setEnabled(false);
        m_ageField->setText(QString::number(age));
        m_ageField->setEnabled(true);
    } else {
        exact->setChecked(false);
        m_slider->setValue(static_cast<int>(m_profile.ageSliderLevel()));
        m_ageField->clear();
        m_ageField->setEnabled(false);
    }
    settingAgeText = false;
}

void MAINFORM::BuildWorkPage() {
    FillList(m_list38, WorkNames(), static_cast<int>(m_profile.workType));
    PlaceList(m_list38, 100, 28, 200, 88);
    m_list38->setEnabled(true);
    m_list38->show();

    FillList(m_list39, TrainedFieldNames(), 0);
    PlaceList(m_list39, 100, 85, 200, 95);
    m_list39->setEnabled(true);
    m_list39->show();

    PoolCheckBox* trained = Box(31);
    trained->setText(QStringLiteral("I am trained in this field"));
    Place(trained, 100, 140, 200, 150);
    trained->show();
    HideBoxes();
    PlaceDescription(210, 28, "What is your current employment type and what are you trained in?");
    HideStatics();
    m_slider->hide();
    m_update->hide();
    m_ageField->hide();
    ShowTrainedBox();
}

void MAINFORM::ShowTrainedBox() {
    const int field = m_list39->currentIndex();
    Box(31)->setChecked(field >= 0 && field < kTrainedFieldCount &&
                        BitSet(m_profile.trainedFlags, static_cast<unsigned>(field)));
}

void MAINFORM::BuildPreferencePage(int category) {
    const bool yiffyYiffy = category == kYiffyYiffyCategory;
    const unsigned preference =
        yiffyYiffy ? m_profile.yiffyYiffyPreference : m_profile.sexPreference;
    const unsigned level = yiffyYiffy ? m_profile.yiffyYiffyLevel : m_profile.sexLevel;
    const bool specified = preference != 0;
    // An unspecified preference shows the first entries, disabled.
    const int guys = specified ? AttractionEntry(AttractionGuys(preference)) : 0;
    const int girls = specified ? AttractionEntry(AttractionGirls(preference)) : 0;

    FillList(m_list38, AttractionNames(), guys);
    PlaceList(m_list38, 156, 28, 236, 68);
    m_list38->setEnabled(specified);
    m_list38->show();
    FillList(m_list39, AttractionNames(), girls);
    PlaceList(m_list39, 237, 28, 317, 68);
    m_list39->setEnabled(specified);
    m_list39->show();

    PlaceBox31("Specify my sexual preference:\r\nGuys | Girls", 22, 55, 45);
    Box(31)->setChecked(specified);
    HideBoxes();
    m_slider->setValue(static_cast<int>(level));
    ApplyLabelSet(LabelSet::Words);
    PlaceDescription(185, 44, kLevelHelpTexts[static_cast<std::size_t>(category)]);
    ShowLevelGroup(true, false);
}

void MAINFORM::BuildKinkPage(int category) {
    const int kink = category - kFirstKinkCategory;
    ShowLevelGroup(false, false);
    HideBoxes();
    Box(31)->hide();
    m_statics[0]->setText(QStringLiteral("Role Play Kink:"));
    m_statics[0]->show();
    m_statics[1]->setText(QStringLiteral("Real Life Kink:"));
    m_statics[1]->show();

    const std::string description =
        "Do you like to " + std::string(kKinkDescriptions[static_cast<std::size_t>(kink)]) + "?";
    PlaceDescription(185, 28, description);

    const unsigned cell = m_profile.kink(kink);
    FillList(m_list38, KinkAnswerNames(), static_cast<int>(KinkRolePlay(cell)));
    PlaceList(m_list38, 100, 76, 180, 126);
    m_list38->setEnabled(true);
    m_list38->show();
    FillList(m_list39, KinkAnswerNames(), static_cast<int>(KinkRealLife(cell)));
    PlaceList(m_list39, 100, 102, 180, 152);
    m_list39->setEnabled(true);
    m_list39->show();
}

}  // namespace brindlex
