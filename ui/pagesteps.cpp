// Steps that every page family uses: placing and filling pool controls, the label sets of
// the slider, and showing exactly the controls a page names.
#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

namespace {

// The closed field of a drop-down list; the rest of its rectangle is the opened list.
constexpr int kClosedListHeight = 12;
// Entries an opened list shows when its rectangle leaves no room below the field.
constexpr int kEntriesWithoutRoom = 10;

QStringList GenderNames(std::string_view firstEntry) {
    QStringList names = TableNames<kOwnGenders>(text_context::kGenders);
    names.front() = CoreText(text_context::kGenders, firstEntry);
    return names;
}

}  // namespace

void MAINFORM::ShowOnly(PoolSet shown) {
    for (const int id : kPoolControlIds) {
        PoolControl(id)->setVisible((shown & PoolBit(id)) != 0);
    }
}

void MAINFORM::EnableLevelGroup() {
    m_slider->setEnabled(true);
    m_update->setEnabled(true);
}

void MAINFORM::PlaceDescription(int left, int top, const QString& text) {
    Place(m_description, left, top, 313, 161);
    m_description->setPlainText(text);
}

void MAINFORM::PlaceHelp(int left, int top, std::string_view help) {
    PlaceDescription(left, top, CoreText(text_context::kHelpTexts, help));
}

void MAINFORM::PlaceBox31(const QString& label, int top, int width, int height) {
    PoolCheckBox* box = Box(31);
    box->setText(label);
    Place(box, 100, top, 100 + width, top + height);
}

void MAINFORM::ShowGenderList(unsigned selection, std::string_view firstEntry, int left, int top) {
    SetUpList(m_list38, GenderNames(firstEntry), static_cast<int>(selection),
              {left, top, left + 75, top + 50});
}

void MAINFORM::ApplyLabelSet(LabelSet set) {
    // A page without a label set of its own shows the words; the digits stay digits.
    const std::array<std::string_view, 4> labels =
        LevelLabelsOf(set == LabelSet::kDigits ? LabelSet::kDigits : LabelSet::kWords);
    for (std::size_t i = 0; i < 3; ++i) {
        m_statics[i]->setText(CoreText(text_context::kPageTexts, labels[i]));
    }
}

void MAINFORM::Place(QWidget* control, int left, int top, int right, int bottom) {
    control->setGeometry(m_units.rect(left, top, right, bottom));
    control->raise();
}

void MAINFORM::PlaceList(QComboBox* list, int left, int top, int right, int bottom) {
    Place(list, left, top, right, top + kClosedListHeight);
    const int room = m_units.y(bottom) - m_units.y(top + kClosedListHeight);
    const int entryHeight = std::max(
        1, list->count() > 0 ? list->view()->sizeHintForRow(0) : list->fontMetrics().height());
    const int entries = room / entryHeight;
    list->setMaxVisibleItems(entries > 0 ? entries : kEntriesWithoutRoom);
}

void MAINFORM::SetUpList(QComboBox* list, const QStringList& entries, int selection, UnitRect where,
                         bool enabled) {
    FillList(list, entries, selection);
    PlaceList(list, where.left, where.top, where.right, where.bottom);
    list->setEnabled(enabled);
}

void MAINFORM::FillList(QComboBox* list, const QStringList& entries, int selection) {
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(selection >= 0 && selection < entries.size() ? selection : -1);
}

}  // namespace brindlex
