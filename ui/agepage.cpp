// The age page ("Specifics" of "Humanness"): the age as a bracket on the slider or as an
// exact number in the age field, and one's own gender.
#include <cstdint>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"

namespace brindlex {

PoolSet MAINFORM::BuildAgePage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    ApplyLabelSet(row.labels);
    settingAgeText = true;
    PlaceBox31(CoreText(text_context::kPageTexts, row.box), 40, 50, 20);
    ShowGenderList(m_profile.ownGender, kOwnGenders[0], 100, 28);
    PlaceHelp(185, 28, row.help);
    EnableLevelGroup();

    const unsigned age = m_profile.age;
    // The slider points at the bracket of an exact age too, disabled.
    m_slider->setValue(static_cast<int>(m_profile.ageSliderLevel()));
    const bool exact = IsExactAge(age);
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
    SwitchAgeForm(m_profile, exact);
    if (exact) {
        // Read back by the age field's own handler, which stores the same age.
        m_ageField->setText(QString::number(m_profile.age));
    } else {
        m_ageField->clear();
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
    m_typingAge = true;
    const QString text = m_ageField->text().left(3);
    if (!text.isEmpty()) {
        if (StoreAgeText(m_profile, text.toStdString())) {
            m_ageField->setText(QString::number(kMaxExactAge));
        }
        RefreshCodeLine();
    }
    m_typingAge = false;
    settingAgeText = false;
}

}  // namespace brindlex
