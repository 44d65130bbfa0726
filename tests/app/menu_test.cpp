// Menu 103: its layout, the adult tab, About, the web pages and Exit.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

#include "app/aboutform.h"
#include "app/links.h"
#include "app/menucommands.h"
#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/app/helpers.h"
#include "ui/mainform.h"

namespace brindlex {
namespace {

using test::ClickCategory;
using test::ClickTab;
using test::Command;
using test::TabStrip;

class Menu : public ::testing::Test {
protected:
    void SetUp() override {
        InstallMenu(form);
        tabs = TabStrip(form);
        ASSERT_NE(tabs, nullptr);
        ASSERT_NE(test::CategoryList(form), nullptr);
    }

    void ShowForm() {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QAction* adult() const { return Command(form, kCommandAdultMaterial); }

    PROFILE profile;
    MAINFORM form{profile};
    QTabBar* tabs = nullptr;
};

TEST_F(Menu, HoldsTheCommandsInOrderEachWithItsOwnAccessLetterAndSomeWithKeys) {
    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Application"));

    const std::map<QString, QKeySequence> keys = {
        {QStringLiteral("40005"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {QStringLiteral("40002"), QKeySequence(Qt::Key_F1)},
        {QStringLiteral("40003"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {QStringLiteral("40008"), QKeySequence(Qt::CTRL | Qt::Key_O)},
        {QStringLiteral("40010"), QKeySequence(Qt::CTRL | Qt::Key_R)},
        {QStringLiteral("40011"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {QStringLiteral("undo"), QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {QStringLiteral("redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}};
    auto texts = [&keys](QMenu* menu) {
        std::vector<std::string> result;
        QString letters;
        for (QAction* action : menu->actions()) {
            QString text = action->text();
            const auto amp = text.indexOf(QLatin1Char('&'));
            const auto key = keys.find(action->objectName());
            EXPECT_EQ(action->shortcut(), key != keys.end() ? key->second : QKeySequence());
            if (!action->isSeparator()) {
                EXPECT_GE(amp, 0) << text.toStdString();
                EXPECT_FALSE(letters.contains(text.at(amp + 1).toLower())) << text.toStdString();
                letters += text.at(amp + 1).toLower();
            }
            result.push_back(action->isSeparator() ? "-" : text.remove(amp, 1).toStdString());
        }
        return result;
    };
    EXPECT_EQ(
        texts(menus[0]->menu()),
        (std::vector<std::string>{"Open Txt File...", "Save as Txt File", "-", "Start Over"}));
    EXPECT_EQ(texts(menus[1]->menu()),
              (std::vector<std::string>{"Undo", "Redo", "-", "Copy Code Line"}));
    EXPECT_EQ(form.redoAction()->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                   QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    EXPECT_EQ(texts(menus[2]->menu()),
              (std::vector<std::string>{"Read a Code Line...", "-", "About", "Check For Update",
                                        "I am old enough to view adult material", "Language", "-",
                                        "Donate", "-", "Exit"}));

    ASSERT_NE(adult(), nullptr);
    EXPECT_TRUE(adult()->isCheckable());
    EXPECT_FALSE(adult()->isChecked());
}

TEST_F(Menu, AdultItemAddsAndRemovesTheThirdTabButNeverAFourth) {
    ASSERT_EQ(tabs->count(), 2);
    for (int round = 0; round < 2; ++round) {
        adult()->trigger();
        EXPECT_TRUE(adult()->isChecked());
        ASSERT_EQ(tabs->count(), 3);
        EXPECT_EQ(tabs->tabText(2), QStringLiteral("Yiffyness"));
        EXPECT_EQ(tabs->currentIndex(), 0) << "adding the tab must not select it";

        adult()->trigger();
        EXPECT_FALSE(adult()->isChecked());
        EXPECT_EQ(tabs->count(), 2);
    }

    // The tab is already there when the item is ticked: it is not added again.
    form.setAdultTabShown(true);
    adult()->trigger();
    EXPECT_EQ(tabs->count(), 3);
}

TEST_F(Menu, HidingTheSelectedAdultTabReturnsToTheLastCategoryOfTabZero) {
    ShowForm();
    ASSERT_TRUE(ClickCategory(test::CategoryList(form), QStringLiteral("Hugs")));
    const int hugs = form.CurrentCategoryIndex();
    ASSERT_EQ(CategoryCaption(hugs), "Hugs");
    ASSERT_LT(hugs, kTabFirstCategory[1]) << "on the first tab";

    adult()->trigger();
    ClickTab(tabs, 2);
    ASSERT_EQ(tabs->currentIndex(), 2);
    EXPECT_GE(form.CurrentCategoryIndex(), kTabFirstCategory[2]);

    adult()->trigger();
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(form.CurrentCategoryIndex(), hugs);
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(Menu, HidingTheAdultTabWhileAnotherIsSelectedKeepsThePage) {
    ShowForm();
    adult()->trigger();
    ClickTab(tabs, 1);
    ASSERT_TRUE(ClickCategory(test::CategoryList(form), QStringLiteral("Pets")));
    const int pets = form.CurrentCategoryIndex();
    ASSERT_EQ(CategoryCaption(pets), "Pets");
    ASSERT_GE(pets, kTabFirstCategory[1]) << "on the second tab";

    adult()->trigger();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(form.CurrentCategoryIndex(), pets);
}

TEST_F(Menu, KinkSectionStaysInTheCodeLineWhileTheTabIsHidden) {
    profile.includeKinks = 1;
    profile.setKink(0, MakeKinkCell(1, 2));
    profile.setKink(40, MakeKinkCell(3, 1));
    form.RefreshCodeLine();
    auto* codeLine = form.findChild<QLineEdit*>(QStringLiteral("1012"));
    ASSERT_NE(codeLine, nullptr);
    const QString withKinks = codeLine->text();
    PROFILE withoutKinks = profile;
    withoutKinks.includeKinks = 0;
    ASSERT_NE(withKinks.toStdString(), ComposeCode(withoutKinks)) << "no kink section to keep";

    adult()->trigger();
    EXPECT_EQ(codeLine->text(), withKinks);
    adult()->trigger();
    EXPECT_EQ(codeLine->text(), withKinks);
    EXPECT_EQ(ComposeCode(profile), withKinks.toStdString());
    EXPECT_EQ(profile.includeKinks, 1u);
}

TEST_F(Menu, ExitEndsTheWindowWithResultOne) {
    QTimer::singleShot(0, Command(form, kCommandExit), &QAction::trigger);
    EXPECT_EQ(form.exec(), 1);
}

TEST_F(Menu, AboutShowsTheSameTextEveryTime) {
    const QString expected = QStringLiteral(
        "Brindlex 2.0\n\nThis program was created for people to define their furry involvement "
        "and life stylings.  The old code was wayyyyy outdated and needed to be updated to fit "
        "the needs of today's current furry culture.\n\nVERSION: 1.3\n");
    for (int round = 0; round < 2; ++round) {
        QString caption;
        QString text;
        bool closedByOk = false;
        test::WhenModalOpens([&](QWidget* modal) {
            auto* about = qobject_cast<ABOUTFORM*>(modal);
            ASSERT_NE(about, nullptr);
            caption = about->windowTitle();
            for (QWidget* control : about->findChildren<QWidget*>()) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
                EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
                    << "unnamed " << control->metaObject()->className();
            }
            if (auto* label = about->findChild<QLabel*>()) {
                text = label->text();
            }
            if (auto* ok = about->findChild<QPushButton*>(QStringLiteral("1"))) {
                EXPECT_EQ(ok->text(), QStringLiteral("OK"));
                ok->click();
                closedByOk = !about->isVisible();
            }
        });
        Command(form, kCommandAbout)->trigger();

        EXPECT_EQ(caption, QStringLiteral("About Brindlex"));
        ASSERT_TRUE(text.startsWith(expected)) << text.toStdString();
        // Then the credit line and the home page, each on a line of its own.
        const QStringList tail = text.mid(expected.size()).split(QLatin1Char('\n'));
        ASSERT_EQ(tail.size(), 2);
        EXPECT_TRUE(tail[0].contains(QStringLiteral("Brindlex developers")));
        EXPECT_EQ(tail[1], QString::fromLatin1(kHomePage));
        EXPECT_TRUE(closedByOk);
    }
}

// Takes the addresses that the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST_F(Menu, WebCommandsOpenTheSiteRootAndTheDonationPage) {
    UrlCatcher catcher;
    const QUrl home(QString::fromLatin1(kHomePage));
    QDesktopServices::setUrlHandler(home.scheme(), &catcher, "open");
    Command(form, kCommandCheckForUpdate)->trigger();
    Command(form, kCommandDonate)->trigger();
    QDesktopServices::unsetUrlHandler(home.scheme());

    ASSERT_EQ(catcher.urls.size(), 2u);
    for (const QUrl& url : catcher.urls) {
        EXPECT_EQ(url.scheme(), home.scheme());
        EXPECT_EQ(url.host(), home.host());
    }
    EXPECT_EQ(catcher.urls[0].path(), QStringLiteral("/"));
    EXPECT_FALSE(catcher.urls[0].hasQuery());
    EXPECT_EQ(catcher.urls[1].path(), QStringLiteral("/"));
    EXPECT_EQ(catcher.urls[1].query(), QStringLiteral("page_id=158"));
}

}  // namespace
}  // namespace brindlex

#include "menu_test.moc"
