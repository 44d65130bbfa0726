#include "ui/controls.h"

#include <optional>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace brindlex {

PoolCheckBox::PoolCheckBox(BoxSide side, QWidget* parent) : QCheckBox(parent), m_side(side) {}

namespace {

QRect BoxRect(const QCheckBox* box, const QStyleOptionButton& option, bool boxLeft) {
    const int width = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box);
    const int height = box->style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, box);
    const QRect all = box->rect();
    return QRect(boxLeft ? all.left() : all.right() + 1 - width,
                 all.top() + (all.height() - height) / 2, width, height);
}

}  // namespace

QRect PoolCheckBox::labelRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const bool boxLeft = m_side == BoxSide::Left;
    const QRect box = BoxRect(this, option, boxLeft);
    QRect label = rect();
    if (boxLeft) {
        label.setLeft(box.right() + 1 + spacing);
    } else {
        label.setRight(box.left() - 1 - spacing);
    }
    return label;
}

int PoolCheckBox::labelFlags() const {
    return Qt::TextWordWrap | Qt::AlignVCenter |
           (m_side == BoxSide::Left ? Qt::AlignLeft : Qt::AlignRight);
}

void PoolCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton boxOption = option;
    boxOption.rect = BoxRect(this, option, m_side == BoxSide::Left);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, boxOption);

    const QRect label = labelRect();
    const int flags = labelFlags();
    painter.drawItemText(label, flags, option.palette, isEnabled(), text(), QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        // Marked however the focus came, since no style draws this box's focus for it.
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.rect = painter.fontMetrics().boundingRect(label, flags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool PoolCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), m_bar(new QTabBar(this)) {
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::NoFocus);
}

QRect TabStrip::panelRect() const {
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, m_bar);
    QRect panel = rect();
    panel.setTop(m_bar->sizeHint().height() - overlap);
    return panel;
}

void TabStrip::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = panelRect();
    option.shape = QTabBar::RoundedNorth;
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.tabBarSize = m_bar->sizeHint();
    option.tabBarRect = m_bar->geometry();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

void TabStrip::insertTab(int index, const QString& text) {
    const QSignalBlocker blocker(m_bar);
    m_bar->insertTab(index, text);
    placeBar();
}

void TabStrip::removeTab(int index) {
    const QSignalBlocker blocker(m_bar);
    m_bar->removeTab(index);
    placeBar();
}

void TabStrip::setTabText(int index, const QString& text) {
    m_bar->setTabText(index, text);
    placeBar();
}

void TabStrip::placeBar() {
    m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height());
    update();
}

void TabStrip::resizeEvent(QResizeEvent*) {
    placeBar();
}

DropDownStyle::DropDownStyle() = default;

int DropDownStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    if (hint == SH_ComboBox_Popup) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect DropDownStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl part, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control == CC_ComboBox && part == SC_ComboBoxEditField && list != nullptr &&
        !list->editable && option->direction == Qt::LeftToRight) {
        // Styles draw the arrow within about the middle half of its part; the text may run on
        // to just before it.
        const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
        const int room = arrow.center().x() - arrow.width() / 4 - 1;
        if (arrow.isValid() && arrow.left() > rect.left() && room > rect.right()) {
            rect.setRight(room);
        }
    }
    return rect;
}

PlainTextField::PlainTextField(QWidget* parent) : QPlainTextEdit(parent) {}

namespace {

// The clipboard mode whose data `source` is, if it is the clipboard's or the selection's.
std::optional<QClipboard::Mode> ClipboardModeOf(const QMimeData* source) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if (source == clipboard->mimeData(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

}  // namespace

bool PlainTextField::canInsertFromMimeData(const QMimeData* source) const {
    return !isReadOnly() && (ClipboardModeOf(source).has_value() || source->hasText());
}

void PlainTextField::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly()) {
        return;
    }
    // The clipboard's data is never read here; the clipboard fetches its text afresh.
    const std::optional<QClipboard::Mode> mode = ClipboardModeOf(source);
    const QString text = mode ? QGuiApplication::clipboard()->text(*mode) : source->text();
    if (!text.isEmpty()) {
        insertPlainText(text);
        ensureCursorVisible();
    }
}

FitsWidthValidator::FitsWidthValidator(QLineEdit* field) : QValidator(field), m_field(field) {}

QValidator::State FitsWidthValidator::validate(QString& input, int&) const {
    const QMargins margins = m_field->textMargins();
    const int room = m_field->contentsRect().width() - margins.left() - margins.right() - 4;
    return m_field->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
}

}  // namespace brindlex
