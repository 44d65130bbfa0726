// The level pages: the slider with its labels and help text, the game boxes of Gaming, the
// operating-system boxes of Compy and the flag box of the categories that ask one.
#include <array>
#include <string>

#include <QSlider>

#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

namespace {

QString ChoiceName(const CategoryInfo& row, int choice) {
    return CoreText(std::string(row.choiceContext).c_str(), row.choices[choice].name);
}

}  // namespace

PoolSet MAINFORM::BuildLevelPage(int category) {
    const CategoryInfo& row = CategoryOf(category);
    Q_ASSERT(row.level != nullptr);
    PoolSet shown = kPoolLevelGroup | kPoolUpperLabels | kPoolDescription;
    int descriptionTop = 28;
    if (row.token == TokenKind::kFlaggedLevel) {
        PlaceBox31(CoreText(text_context::kPageTexts, row.box), 28, 85, 30);
        Box(31)->setChecked(row.extra->get(m_profile) != 0);
        shown |= kPoolBox31;
    } else if (category == kGamingCategory) {
        ShowGameBoxes(row);
        shown |= PoolRange(21, 20 + static_cast<int>(row.choiceCount));
        descriptionTop = 52;
    } else if (category == kCompyCategory) {
        ShowSystemBoxes(row);
        shown |= PoolRange(32, 31 + static_cast<int>(row.choiceCount));
        descriptionTop = 38;
    }

    ApplyLabelSet(row.labels);
    m_slider->setValue(static_cast<int>(row.level->get(m_profile)));
    PlaceHelp(185, descriptionTop, row.help);
    EnableLevelGroup();
    return shown;
}

void MAINFORM::ShowGameBoxes(const CategoryInfo& row) {
    // Three columns of three, above the description.
    constexpr std::array<int, 3> lefts = {100, 165, 260};
    constexpr std::array<int, 3> rights = {160, 245, 300};
    Q_ASSERT(row.choiceCount <= 3 * lefts.size());
    for (int i = 0; i < static_cast<int>(row.choiceCount); ++i) {
        PoolCheckBox* box = Box(21 + i);
        const auto column = static_cast<std::size_t>(i / 3);
        const int top = 22 + 10 * (i % 3);
        box->setText(ChoiceName(row, i));
        Place(box, lefts[column], top, rights[column], top + 10);
        box->setChecked(BitSet(row.extra->get(m_profile), static_cast<unsigned>(i)));
    }
}

void MAINFORM::ShowSystemBoxes(const CategoryInfo& row) {
    constexpr std::array<std::array<int, 2>, 5> columns = {
        {{100, 150}, {150, 185}, {190, 225}, {230, 265}, {270, 305}}};
    Q_ASSERT(row.choiceCount <= columns.size());
    for (int i = 0; i < static_cast<int>(row.choiceCount); ++i) {
        PoolCheckBox* box = Box(32 + i);
        const auto& column = columns[static_cast<std::size_t>(i)];
        box->setText(ChoiceName(row, i));
        Place(box, column[0], 28, column[1], 38);
        box->setChecked(BitSet(row.extra->get(m_profile), static_cast<unsigned>(i)));
    }
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

void MAINFORM::OnGameBoxClicked(int id) {
    const CategoryInfo& row = CurrentRow();
    const int game = id - 21;
    if (game >= static_cast<int>(row.choiceCount)) {
        return;
    }
    row.extra->set(m_profile, WithBit(row.extra->get(m_profile), static_cast<unsigned>(game),
                                      Box(id)->isChecked()));
    RefreshCodeLine();
}

void MAINFORM::OnSystemBoxClicked(int id) {
    const CategoryInfo& row = CurrentRow();
    const int count = static_cast<int>(row.choiceCount);
    if (id < 32 || id >= 32 + count) {
        return;
    }
    // Every click stores the ticks of all the systems' boxes.
    unsigned systems = 0;
    for (int i = 0; i < count; ++i) {
        systems = WithBit(systems, static_cast<unsigned>(i), Box(32 + i)->isChecked());
    }
    row.extra->set(m_profile, systems);
    RefreshCodeLine();
}

void MAINFORM::OnFlagBoxClicked() {
    const CategoryInfo& row = CurrentRow();
    if (row.token != TokenKind::kFlaggedLevel) {
        return;
    }
    row.extra->set(m_profile, Box(31)->isChecked() ? 1u : 0u);
    RefreshCodeLine();
}

}  // namespace brindlex
