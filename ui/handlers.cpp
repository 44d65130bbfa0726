// The input handlers: each stores what the user did on the current page into the record
// and recomposes the code line. Only user actions reach them (see mainform.h).
#include <cstdint>
#include <string>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "categories.h"
#include "codec.h"
#include "controls.h"
#include "mainform.h"

namespace brindlex {

namespace {

unsigned WithBit(unsigned flags, unsigned bit, bool on) {
    return on ? flags | (1u << bit) : flags & ~(1u << bit);
}

bool IsKinkCategory(int category) {
    return category >= kFirstKinkCategory && category < kCategoryCount;
}

}  // namespace

// --- Slider, lists and check boxes --------------------------------------------------------

void MAINFORM::OnUpdateClicked() {
    const int category = CurrentCategoryIndex();
    const auto level = static_cast<unsigned>(m_slider->value());
    if (category == kAgeCategory) {
        m_profile.setAgeBracket(static_cast<std::uint8_t>(level));
    } else if (const FieldInfo* field = LevelFieldOf(category)) {
        field->set(m_profile, level);
    } else {
        return;
    }
    RefreshCodeLine();
}

unsigned MAINFORM::PreferenceValue() const {
    return AttractionOfEntries(m_list38->currentIndex(), m_list39->currentIndex());
}

unsigned MAINFORM::KinkAnswer() const {
    return MakeKinkCell(static_cast<unsigned>(m_list38->currentIndex()),
                        static_cast<unsigned>(m_list39->currentIndex()));
}

void MAINFORM::OnList38Chosen() {
    if (buildingPage) {
        return;
    }
    const int category = CurrentCategoryIndex();
    const auto entry = static_cast<unsigned>(m_list38->currentIndex());
    switch (category) {
        case kSpeciesCategory:
            OnFamilyChosen();
            return;
        case kTraitCategory:
            m_profile.characterGender = entry & 3u;
            break;
        case kAgeCategory:
            m_profile.ownGender = entry & 3u;
            break;
        case kWorkCategory:
            m_profile.setWorkType(static_cast<std::uint8_t>(entry));
            break;
        default:
            if (!StoreListPair(category)) {
                return;
            }
            break;
    }
    RefreshCodeLine();
}

void MAINFORM::OnList39Chosen() {
    const int category = CurrentCategoryIndex();
    if (category == kWorkCategory) {
        // Choosing a trained field only shows whether the user is trained in it.
        ShowTrainedBox();
        RefreshCodeLine();
        return;
    }
    if (buildingPage) {
        return;
    }
    if (category == kSpeciesCategory) {
        OnSpeciesChosen();
    } else if (StoreListPair(category)) {
        RefreshCodeLine();
    }
}

bool MAINFORM::StoreListPair(int category) {
    if (category == kYiffyYiffyCategory) {
        m_profile.yiffyYiffyPreference = PreferenceValue() & 0xFu;
    } else if (category == kSexCategory) {
        m_profile.sexPreference = PreferenceValue() & 0xFu;
    } else if (IsKinkCategory(category)) {
        m_profile.setKink(category - kFirstKinkCategory, KinkAnswer());
    } else {
        return false;
    }
    return true;
}

void MAINFORM::OnFamilyChosen() {
    const int family = m_list38->currentIndex();
    if (family >= 0 && static_cast<unsigned>(family) == m_profile.speciesFamily) {
        return;  // the list reports a choice of the family already stored: nothing changed
    }
    if (family == 0) {
        m_profile.speciesFamily = 0;
        m_profile.speciesIndex = 0;
        m_profile.customSpeciesName.clear();
    } else if (family < static_cast<int>(kFamilyPolymorph)) {
        m_profile.speciesFamily = static_cast<unsigned>(family);
        m_profile.customSpeciesName.clear();
        m_profile.speciesIndex = 1;
    } else if (family == static_cast<int>(kFamilyPolymorph)) {
        m_profile.speciesFamily = kFamilyPolymorph;
        m_profile.speciesIndex = 0;
        m_profile.customSpeciesName.clear();
    } else {
        // "Other" keeps the name the user gave before.
        m_profile.speciesFamily = kFamilyOther;
        m_profile.speciesIndex = 0;
    }
    ShowSpeciesChoices();
    RefreshCodeLine();
}

void MAINFORM::OnSpeciesChosen() {
    ShowCustomNameBelowSpecies();
    const int entry = m_list39->currentIndex();
    // The entry after the last species, "Other", stores a position without a letter.
    m_profile.speciesIndex = entry < 0 ? 0u : static_cast<unsigned>(entry + 1) % 16u;
    RefreshCodeLine();
}

void MAINFORM::OnBoxClicked(int id) {
    const int category = CurrentCategoryIndex();
    const bool checked = Box(id)->isChecked();
    if (category == kTraitCategory) {
        // Box 21 + row is trait row `row`, box 31 "Alter Ego" included.
        const Trait& trait = kTraits[static_cast<std::size_t>(id - 21)];
        m_profile.specificsFlags = WithBit(m_profile.specificsFlags, trait.bit, checked);
    } else if (category == kGamingCategory && id <= 29) {
        m_profile.gamingFlags =
            WithBit(m_profile.gamingFlags, static_cast<unsigned>(id - 21), checked);
    } else if (category == kCompyCategory && id >= 32 && id <= 36) {
        unsigned systems = 0;
        for (int i = 0; i < static_cast<int>(kOperatingSystems.size()); ++i) {
            systems = WithBit(systems, static_cast<unsigned>(i), Box(32 + i)->isChecked());
        }
        m_profile.compyFlags = systems;
    } else if (id != 31) {
        return;
    } else if (category == kFursuitsCategory) {
        m_profile.madeOwnSuit = checked ? 1u : 0u;
    } else if (category == kInterwebsCategory) {
        m_profile.furrySite = checked ? 1u : 0u;
    } else if (category == kKinkSwitchCategory) {
        m_profile.includeKinks = checked ? 1u : 0u;
    } else if (category == kYiffyYiffyCategory || category == kSexCategory) {
        OnPreferenceBoxClicked(category);
    } else if (category == kAgeCategory) {
        OnAgeFormSwitched();
        return;
    } else if (category == kWorkCategory) {
        const int field = m_list39->currentIndex();
        if (field < 0 || field >= kTrainedFieldCount) {
            return;
        }
        m_profile.trainedFlags =
            WithBit(m_profile.trainedFlags, static_cast<unsigned>(field), checked);
    } else {
        return;
    }
    RefreshCodeLine();
}

void MAINFORM::OnPreferenceBoxClicked(int category) {
    const bool specified = Box(31)->isChecked();
    const unsigned preference = specified ? PreferenceValue() : 0u;
    if (category == kYiffyYiffyCategory) {
        m_profile.yiffyYiffyPreference = preference & 0xFu;
    } else {
        m_profile.sexPreference = preference & 0xFu;
    }
    m_list38->setEnabled(specified);
    m_list39->setEnabled(specified);
}

void MAINFORM::OnAgeFormSwitched() {
    if (Box(31)->isChecked()) {
        m_slider->setEnabled(false);
        m_ageField->setEnabled(true);
        if (m_profile.age > kMaxExactAge) {
            m_profile.toggleAgeForm();
        }
        // Read back by the age field's own handler, which stores the same age.
        m_ageField->setText(QString::number(m_profile.age));
        m_update->setEnabled(false);
    } else {
        m_slider->setEnabled(true);
        m_ageField->setEnabled(false);
        m_ageField->clear();
        if (m_profile.age >= 1 && m_profile.age <= kMaxExactAge) {
            m_profile.toggleAgeForm();
        }
        m_slider->setValue(static_cast<int>(m_profile.ageSliderLevel()));
        m_update->setEnabled(true);
    }
    RefreshCodeLine();
}

// --- Text fields --------------------------------------------------------------------------

void MAINFORM::OnCodeLineChanged() {
    if (!refreshingCodeLine && !buildingPage) {
        codeLineEdited = true;
    }
}

void MAINFORM::OnCodeLineFocusLost() {
    if (!codeLineEdited || refreshingCodeLine || buildingPage) {
        return;
    }
    refreshingCodeLine = true;
    // Held until the page below shows the answers read.
    const InputPause pause = PauseInput();
    const std::string text = m_codeLine->text().toStdString();
    codeLineEdited = false;
    // A line that cannot be read leaves the record as it was; either way the field then
    // shows the line of the record.
    ParseCode(text, m_profile);
    RefreshCodeLine();
    BuildPage();
}

void MAINFORM::OnCustomNameFocusLost() {
    if (buildingPage) {
        return;
    }
    const InputPause pause = PauseInput();
    m_profile.customSpeciesName = m_customName->text().toStdString();
    RefreshCodeLine();
}

void MAINFORM::OnAgeTextChanged() {
    if (settingAgeText || buildingPage) {
        return;
    }
    settingAgeText = true;
    const QString text = m_ageField->text().left(3);
    if (!text.isEmpty()) {
        // The value of up to three characters, each taken as a digit, in 16-bit arithmetic.
        std::int16_t value = 0;
        for (const QChar character : text) {
            const int digit = static_cast<int>(character.unicode()) - '0';
            value = static_cast<std::int16_t>(value * 10 + digit);
        }
        if (text.size() == 3 && value > static_cast<int>(kMaxExactAge)) {
            m_profile.age = kMaxExactAge;
            m_ageField->setText(QString::number(kMaxExactAge));
        } else {
            const auto low = static_cast<std::uint8_t>(value);
            m_profile.age = low <= kMaxExactAge ? low : 127u;
        }
        RefreshCodeLine();
    }
    settingAgeText = false;
}

}  // namespace brindlex
