// The level pages: the slider with its labels and help text, and what else the row's token
// carries: the boxes of its choices (Gaming, Compy) or its flag box (Fursuits, Interwebs).
#include <string>

#include <QSlider>

#include "profile/pages.h"
#include "ui/choiceboxes.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

namespace {

// Every row of choices finds room for its boxes on its page.
constexpr bool ChoicesFitTheirPages() {
    for (const CategoryInfo& row : kCategoryTable) {
        if (row.token == TokenKind::kChoices && row.choiceCount > kMaxChoiceBoxes) {
            return false;
        }
    }
    return true;
}
static_assert(ChoicesFitTheirPages(), "more choices than check boxes on a level page");

QString ChoiceName(const CategoryInfo& row, int choice) {
    return CoreText(std::string(row.choiceContext).c_str(), row.choices[choice].name);
}

// The flag box's question in the user's language, numbering the lowest level the flag is
// written at as the help text numbers its lines.
QString FlagLabelText(const CategoryInfo& row) {
    return CoreText(text_context::kPageTexts, row.box).arg(LevelNumber(row.flagMinLevel));
}

}  // namespace

PoolSet MAINFORM::BuildLevelPage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    Q_ASSERT(row.level != nullptr);
    PoolSet shown = kPoolLevelGroup | kPoolUpperLabels | kPoolDescription;
    int descriptionTop = 28;
    if (row.token == TokenKind::kFlaggedLevel) {
        PlaceBox31(FlagLabelText(row), 28, 85, 30);
        Box(31)->setChecked(row.extra->get(m_profile) != 0);
        shown |= kPoolBox31;
    } else if (row.token == TokenKind::kChoices) {
        shown |= ShowChoiceBoxes(row);
        descriptionTop = ChoiceBoxesOf(row.choiceCount).descriptionTop;
    }

    ApplyLabelSet(row.labels);
    m_slider->setValue(static_cast<int>(row.level->get(m_profile)));
    PlaceHelp(185, descriptionTop, row.help);
    EnableLevelGroup();
    return shown;
}

PoolSet MAINFORM::ShowChoiceBoxes(const CategoryInfo& row) {
    const int first = ChoiceBoxesOf(row.choiceCount).firstBox;
    for (unsigned i = 0; i < row.choiceCount; ++i) {
        PoolCheckBox* box = Box(first + static_cast<int>(i));
        const UnitRect place = ChoiceBoxRect(row.choiceCount, i);
        box->setText(ChoiceName(row, static_cast<int>(i)));
        Place(box, place.left, place.top, place.right, place.bottom);
        box->setChecked(BitSet(row.extra->get(m_profile), i));
    }
    return PoolRange(first, first + static_cast<int>(row.choiceCount) - 1);
}

// --- Handlers ---------------------------------------------------------------------------

void MAINFORM::OnLevelUpdate() {
    const FieldInfo* level = CurrentRow().level;
    if (level == nullptr) {
        return;
    }
    level->set(m_profile, static_cast<unsigned>(m_slider->value()));
    RefreshCodeLine();
}

void MAINFORM::OnLevelBoxClicked(int id) {
    const CategoryInfo& row = CurrentRow();
    if (row.token == TokenKind::kFlaggedLevel && id == 31) {
        row.extra->set(m_profile, Box(31)->isChecked() ? 1u : 0u);
    } else if (row.token == TokenKind::kChoices) {
        const ChoiceBoxes boxes = ChoiceBoxesOf(row.choiceCount);
        const int count = static_cast<int>(row.choiceCount);
        const int choice = id - boxes.firstBox;
        if (choice < 0 || choice >= count) {
            return;
        }
        unsigned chosen = boxes.storesWholeLine ? 0u : row.extra->get(m_profile);
        for (int i = 0; i < count; ++i) {
            if (boxes.storesWholeLine || i == choice) {
                chosen =
                    WithBit(chosen, static_cast<unsigned>(i), Box(boxes.firstBox + i)->isChecked());
            }
        }
        row.extra->set(m_profile, chosen);
    } else {
        return;
    }
    RefreshCodeLine();
}

}  // namespace brindlex
