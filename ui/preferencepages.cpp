// The pages of YiffyYiffy and Sex: a level on the slider and the attraction towards guys and
// towards girls, given only while "Specify my sexual preference" is ticked.
#include <QComboBox>

#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

PoolSet MAINFORM::BuildPreferencePage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    const unsigned preference = row.extra->get(m_profile);
    const bool specified = preference != 0;
    // An unspecified preference shows the first entries, disabled.
    const int guys = specified ? AttractionEntry(AttractionGuys(preference)) : 0;
    const int girls = specified ? AttractionEntry(AttractionGirls(preference)) : 0;

    const QStringList answers = TableNames<kAttractionNames>(text_context::kAnswers);
    SetUpList(m_list38, answers, guys, {156, 28, 236, 68}, specified);
    SetUpList(m_list39, answers, girls, {237, 28, 317, 68}, specified);
    PlaceBox31(CoreText(text_context::kPageTexts, row.box), 22, 55, 45);
    Box(31)->setChecked(specified);
    m_slider->setValue(static_cast<int>(row.level->get(m_profile)));
    ApplyLabelSet(row.labels);
    PlaceHelp(185, 44, row.help);
    EnableLevelGroup();
    return kPoolList38 | kPoolList39 | kPoolBox31 | kPoolLevelGroup | kPoolUpperLabels |
           kPoolDescription;
}

unsigned MAINFORM::ChosenPreference() const {
    return AttractionOfEntries(m_list38->currentIndex(), m_list39->currentIndex());
}

void MAINFORM::OnPreferenceChosen() {
    CurrentRow().extra->set(m_profile, ChosenPreference());
    RefreshCodeLine();
}

void MAINFORM::OnPreferenceBoxClicked() {
    const bool specified = Box(31)->isChecked();
    CurrentRow().extra->set(m_profile, specified ? ChosenPreference() : 0u);
    m_list38->setEnabled(specified);
    m_list39->setEnabled(specified);
    RefreshCodeLine();
}

}  // namespace brindlex
