// The window by keyboard alone: Tab through the shown page in reading order, tab switching
// from anywhere, Enter to store the slider's level and F10 to open the menus.
#include <algorithm>
#include <array>
#include <utility>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include "ui/controls.h"
#include "ui/mainform.h"

namespace brindlex {

namespace {

bool TakesTabFocus(const QWidget* control) {
    return control->isVisibleTo(control->window()) && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

void MAINFORM::InstallKeys() {
    struct TabKey {
        QKeyCombination key;
        int step;
    };
    const std::array<TabKey, 4> tabKeys = {{
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    }};
    for (const TabKey& tabKey : tabKeys) {
        auto* shortcut = new QShortcut(QKeySequence(tabKey.key), this);
        const int step = tabKey.step;
        connect(shortcut, &QShortcut::activated, this, [this, step] { SwitchTab(step); });
    }
    // Alt opens the menu bar in every style that asks for it; F10 does so on every desktop.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QList<QAction*> menus = m_menuBar->actions();
        if (!menus.isEmpty()) {
            m_menuBar->setActiveAction(menus.first());
        }
    });
}

void MAINFORM::SwitchTab(int step) {
    QTabBar* bar = tabBar();
    const int count = bar->count();
    if (count == 0 || !isEnabled()) {
        return;
    }
    CommitPendingEdits();
    // Raises currentChanged, so that the switch takes the path of a click on the tab.
    bar->setCurrentIndex((bar->currentIndex() + step + count) % count);
}

QList<QWidget*> MAINFORM::TabChain() const {
    QList<QWidget*> chain;
    for (const int id : kPoolControlIds) {
        QWidget* control = PoolControl(id);
        if (TakesTabFocus(control)) {
            chain.append(control);
        }
    }
    // Reading order: by the top of the rectangles, then by their left.
    std::stable_sort(chain.begin(), chain.end(), [](const QWidget* a, const QWidget* b) {
        const QPoint first = a->geometry().topLeft();
        const QPoint second = b->geometry().topLeft();
        return std::pair(first.y(), first.x()) < std::pair(second.y(), second.x());
    });
    for (QWidget* control :
         {static_cast<QWidget*>(m_codeLine), static_cast<QWidget*>(m_categoryList)}) {
        if (TakesTabFocus(control)) {
            chain.append(control);
        }
    }
    return chain;
}

bool MAINFORM::focusNextPrevChild(bool next) {
    const QList<QWidget*> chain = TabChain();
    if (chain.isEmpty()) {
        return QDialog::focusNextPrevChild(next);
    }
    QWidget* focus = focusWidget();
    while (focus != nullptr && focus != this && !chain.contains(focus)) {
        focus = focus->parentWidget();
    }
    const auto count = chain.size();
    const auto at = chain.indexOf(focus);
    const auto target = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    chain[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void MAINFORM::OnEnterKey() {
    // Enter stores the level where "Update" would, and does nothing anywhere else.
    QWidget* focus = focusWidget();
    if ((focus == m_slider || focus == m_update) && m_update->isVisibleTo(this) &&
        m_update->isEnabled()) {
        m_update->click();
    }
}

}  // namespace brindlex
