// The Species page: the family list, the family's species list and the custom species name,
// with the handlers that store them.
#include <algorithm>
#include <utility>

#include <QComboBox>
#include <QLineEdit>

#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

namespace {

// A family's species followed by "Other", which stands for the custom name.
QStringList SpeciesNames(int family) {
    const SpeciesFamily& row = kFamilies[static_cast<std::size_t>(family)];
    QStringList names;
    for (int i = 0; i < row.speciesCount(); ++i) {
        names.append(CoreText(text_context::kSpecies, row.species[static_cast<std::size_t>(i)]));
    }
    names.append(CoreText(text_context::kPageTexts, kOtherSpeciesEntry));
    return names;
}

}  // namespace

PoolSet MAINFORM::BuildSpeciesPage(int /*category*/) {
    SetUpList(m_list38, TableNames<kFamilies>(text_context::kFamilies),
              static_cast<int>(m_profile.speciesFamily), {150, 28, 270, 88});
    const PoolSet shown = kPoolList38 | ShowSpeciesChoices();
    RefreshCodeLine();
    return shown;
}

PoolSet MAINFORM::ShowSpeciesChoices() {
    const int family = m_list38->currentIndex();
    if (family >= 1 && family < static_cast<int>(kFamilyPolymorph)) {
        m_customName->hide();
        SetUpList(m_list39, SpeciesNames(family), SpeciesEntryOf(m_profile), {150, 90, 270, 150});
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

void MAINFORM::OnFamilyChosen() {
    const int family = m_list38->currentIndex();
    if (family >= 0 && static_cast<unsigned>(family) == m_profile.speciesFamily) {
        return;  // the list reports a choice of the family already stored: nothing changed
    }
    ChooseSpeciesFamily(m_profile, static_cast<unsigned>(family));
    ShowSpeciesChoices();
    RefreshCodeLine();
}

void MAINFORM::OnSpeciesChosen() {
    ShowCustomNameBelowSpecies();
    ChooseSpecies(m_profile, m_list39->currentIndex());
    RefreshCodeLine();
}

void MAINFORM::OnCustomNameFocusLost() {
    if (buildingPage) {
        return;
    }
    m_nameEdited = false;
    const InputPause pause = PauseInput();
    m_profile.customSpeciesName = m_customName->text().toStdString();
    // Stored when the field is left, which may be for another tab's page.
    const StepName outer = std::exchange(m_stepName, StepName{nullptr, nullptr, kSpeciesCategory});
    RefreshCodeLine();
    m_stepName = outer;
}

}  // namespace brindlex
