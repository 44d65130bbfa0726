// The kink pages: the role play and the real life answer of one kink.
#include <QComboBox>
#include <QLabel>

#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

PoolSet MAINFORM::BuildKinkPage(int category) {
    const int kink = category - kFirstKinkCategory;
    m_statics[0]->setText(CoreText(text_context::kPageTexts, kRolePlayLabel));
    m_statics[1]->setText(CoreText(text_context::kPageTexts, kRealLifeLabel));
    // The description completes the question.
    PlaceDescription(185, 28,
                     CoreText(text_context::kPageTexts, kKinkQuestion)
                         .arg(CoreText(text_context::kKinkDescriptions,
                                       kKinkDescriptions[static_cast<std::size_t>(kink)])));

    const unsigned cell = m_profile.kink(kink);
    const QStringList answers = TableNames<kKinkAnswerNames>(text_context::kAnswers);
    SetUpList(m_list38, answers, static_cast<int>(KinkRolePlay(cell)), {100, 76, 180, 126});
    SetUpList(m_list39, answers, static_cast<int>(KinkRealLife(cell)), {100, 102, 180, 152});
    return kPoolUpperLabels | kPoolDescription | kPoolList38 | kPoolList39;
}

void MAINFORM::OnKinkAnswerChosen() {
    const int kink = CurrentCategoryIndex() - kFirstKinkCategory;
    m_profile.setKink(kink, MakeKinkCell(static_cast<unsigned>(m_list38->currentIndex()),
                                         static_cast<unsigned>(m_list39->currentIndex())));
    RefreshCodeLine();
}

}  // namespace brindlex
