// The Work page: the work type and, one field at a time, whether the user is trained in it.
#include <cstdint>

#include <QComboBox>

#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

namespace {

// The trained fields are the work types of some rows.
QStringList TrainedFieldNames() {
    QStringList names;
    for (const int row : kTrainedFieldRows) {
        names.append(CoreText(text_context::kWork, kWorkTypes[static_cast<std::size_t>(row)].name));
    }
    return names;
}

}  // namespace

PoolSet MAINFORM::BuildWorkPage(int category) {
    SetUpList(m_list38, TableNames<kWorkTypes>(text_context::kWork),
              static_cast<int>(m_profile.workType), {100, 28, 200, 88});
    SetUpList(m_list39, TrainedFieldNames(), 0, {100, 85, 200, 95});
    PlaceBox31(CoreText(text_context::kPageTexts, CategoryOf(category).box), 140, 100, 10);
    PlaceHelp(210, 28, CategoryOf(category).help);
    ShowTrainedBox();
    return kPoolList38 | kPoolList39 | kPoolBox31 | kPoolDescription;
}

void MAINFORM::ShowTrainedBox() {
    const int field = m_list39->currentIndex();
    Box(31)->setChecked(field >= 0 && field < kTrainedFieldCount &&
                        BitSet(m_profile.trainedFlags, static_cast<unsigned>(field)));
}

void MAINFORM::OnWorkTypeChosen() {
    m_profile.setWorkType(static_cast<std::uint8_t>(m_list38->currentIndex()));
    RefreshCodeLine();
}

void MAINFORM::OnTrainedFieldChosen() {
    ShowTrainedBox();
    RefreshCodeLine();
}

void MAINFORM::OnTrainedBoxClicked() {
    const int field = m_list39->currentIndex();
    if (field < 0 || field >= kTrainedFieldCount) {
        return;
    }
    m_profile.trainedFlags =
        WithBit(m_profile.trainedFlags, static_cast<unsigned>(field), Box(31)->isChecked());
    RefreshCodeLine();
}

}  // namespace brindlex
