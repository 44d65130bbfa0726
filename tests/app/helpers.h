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

#include "app/application.h"
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

// Hands the main window to `use` once it shows, then closes it with Escape.
class WhenMainShows : public QObject {
public:
    explicit WhenMainShows(std::function<void(MAINFORM&)> use) : m_use(std::move(use)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* form = qobject_cast<MAINFORM*>(watched);
        if (form != nullptr && event->type() == QEvent::Show && !m_done) {
            m_done = true;
            QTimer::singleShot(0, form, [this, form] {
                m_use(*form);
                QTest::keyClick(form, Qt::Key_Escape);
            });
        }
        return false;
    }

private:
    std::function<void(MAINFORM&)> m_use;
    bool m_done = false;
};

// Runs the program's start-up on `folder` with `use` as the user. Returns the record the
// window ended with.
inline PROFILE RunOnce(const QString& folder, const std::function<void(MAINFORM&)>& use) {
    auto* application = qobject_cast<APPLICATION*>(QCoreApplication::instance());
    WhenMainShows user(use);
    application->installEventFilter(&user);
    PROFILE profile;
    application->StartUp(
        profile, [](int) {}, folder);
    application->removeEventFilter(&user);
    return profile;
}

}  // namespace brindlex::test
