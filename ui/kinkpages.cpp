// The kink pages: the role play and the real life answer of one kink.
#include <string>

#include <QComboBox>
#include <QLabel>

#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

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

void MAINFORM::OnKinkAnswerChosen() {
    const int kink = CurrentCategoryIndex() - kFirstKinkCategory;
    m_profile.setKink(kink, MakeKinkCell(static_cast<unsigned>(m_list38->currentIndex()),
                                         static_cast<unsigned>(m_list39->currentIndex())));
    RefreshCodeLine();
}

}  // namespace brindlex
