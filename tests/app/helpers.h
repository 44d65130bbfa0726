// Helpers shared by the tests of the application shell.
#pragma once

#include <functional>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QString>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/menucommands.h"
#include "ui/mainform.h"

namespace brindlex::test {

// The menu action of command `id`.
inline QAction* Command(const MAINFORM& form, MenuCommand id) {
    return form.findChild<QAction*>(QString::number(id));
}

// The tab strip 1001, whether the window made it a bare tab bar or a tab widget.
inline QTabBar* TabStrip(const MAINFORM& form) {
    auto* strip = form.findChild<QWidget*>(QStringLiteral("1001"));
    if (auto* bar = qobject_cast<QTabBar*>(strip)) {
        return bar;
    }
    return strip ? strip->findChild<QTabBar*>() : nullptr;
}

inline QListWidget* CategoryList(const MAINFORM& form) {
    return form.findChild<QListWidget*>(QStringLiteral("1004"));
}

// Clicks tab `index` as the user would.
inline void ClickTab(QTabBar* tabs, int index) {
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
}

// Clicks the row of the category list that reads `caption`; false when there is none.
inline bool ClickCategory(QListWidget* list, const QString& caption) {
    const QList<QListWidgetItem*> items = list->findItems(caption, Qt::MatchExactly);
    if (items.isEmpty()) {
        return false;
    }
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(items.first()).center());
    return true;
}

// Once the next modal dialog is running, hands it to `inspect` and closes it if `inspect`
// left it open, so a test never waits for a person.
inline void WhenModalOpens(std::function<void(QWidget*)> inspect) {
    QTimer::singleShot(0, [inspect = std::move(inspect)] {
        QWidget* modal = QApplication::activeModalWidget();
        inspect(modal);
        if (modal && modal->isVisible()) {
            modal->close();
        }
    });
}

}  // namespace brindlex::test
