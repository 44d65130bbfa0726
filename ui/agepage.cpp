// The age page ("Specifics" of "Humanness"): the age as a bracket on the slider or as an
// exact number in the age field, and one's own gender.
#include <cstdint>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "ui/controls.h"
#include "ui/mainform.h"

namespace brindlex {

PoolSet MAINFORM::BuildAgePage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    ApplyLabelSet(row.labels);
    settingAgeText = true;
    PlaceBox31(tr("Specify Actual Age"), 40, 50, 20);
    ShowGenderList(m_profile.ownGender, kOwnGenders[0], 100, 28);
    PlaceHelp(185, 28, row.help);
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

void MAINFORM::OnOwnGenderChosen() {
    m_profile.ownGender = static_cast<unsigned>(m_list38->currentIndex()) & 3u;
    RefreshCodeLine();
}

void MAINFORM::OnAgeBracketUpdate() {
    m_profile.setAgeBracket(static_cast<std::uint8_t>(m_slider->value()));
    RefreshCodeLine();
}

void MAINFORM::OnAgeFormSwitched() {
    const bool exact = Box(31)->isChecked();
    m_slider->setEnabled(!exact);
    m_ageField->setEnabled(exact);
    if (exact) {
        if (m_profile.age > kMaxExactAge) {
            m_profile.toggleAgeForm();
        }
        // Read back by the age field's own handler, which stores the same age.
        m_ageField->setText(QString::number(m_profile.age));
    } else {
        m_ageField->clear();
        if (m_profile.age >= 1 && m_profile.age <= kMaxExactAge) {
            m_profile.toggleAgeForm();
        }
        m_slider->setValue(static_cast<int>(m_profile.ageSliderLevel()));
    }
    m_update->setEnabled(!exact);
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
