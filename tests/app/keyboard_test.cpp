// The whole questionnaire answered with the keyboard alone, menus and saving included.
#include <gtest/gtest.h>

#include <string>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

#include "app/dialogs.h"
#include "codec/codec.h"
#include "helpers.h"
#include "profile/categories.h"

namespace brindlex {
namespace {

// Counts the mouse buttons and wheels that reach any object.
class MouseCounter : public QObject {
public:
    int events = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                ++events;
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

class KeyboardOnly : public ::testing::Test {
protected:
    void SetUp() override {
        InstallMenu(form);
        qApp->installEventFilter(&mice);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void TearDown() override { qApp->removeEventFilter(&mice); }

    // Presses a key where the keyboard is: in an opened menu or list, else in the window.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            QTest::keyClick(popup ? popup->windowHandle() : form.windowHandle(), key, modifiers);
        }
    }

    std::string Focused() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : std::string();
    }

    // Presses Tab until control `id` has the focus.
    void TabTo(int id) {
        const std::string name = std::to_string(id);
        for (int presses = 0; presses < 40 && Focused() != name; ++presses) {
            Press(Qt::Key_Tab);
        }
        ASSERT_EQ(Focused(), name) << "Tab never reached " << id;
    }

    MouseCounter mice;
    PROFILE profile;
    MAINFORM form{profile};
};

TEST_F(KeyboardOnly, AnswersEveryKindOfQuestionAndSavesTheLine) {
    ASSERT_EQ(form.tabBar()->currentIndex(), 0);
    ASSERT_EQ(Focused(), "1004");

    // A level: "Anthro Level", slider up three steps, Enter.
    Press(Qt::Key_Down, Qt::NoModifier, 2);
    ASSERT_EQ(form.CurrentCategoryIndex(), 2);
    TabTo(16);
    Press(Qt::Key_Up, Qt::NoModifier, 3);
    Press(Qt::Key_Return);

    // A species of "Canidae (Dog)": the family list, then the second species.
    TabTo(1004);
    Press(Qt::Key_Home);
    TabTo(38);
    Press(Qt::Key_Down, Qt::NoModifier, 3);
    ASSERT_EQ(form.findChild<QComboBox*>(QStringLiteral("38"))->currentText(), "Canidae (Dog)");
    TabTo(39);
    Press(Qt::Key_Down);

    // An exact age on the next tab.
    Press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(form.CurrentCategoryIndex(), kAgeCategory);
    TabTo(31);
    Press(Qt::Key_Space);
    TabTo(1013);
    Press(Qt::Key_3);
    Press(Qt::Key_5);

    // A work type and a trained field.
    TabTo(1004);
    Press(Qt::Key_Down, Qt::NoModifier, 2);
    ASSERT_EQ(form.CurrentCategoryIndex(), kWorkCategory);
    TabTo(38);
    Press(Qt::Key_Down, Qt::NoModifier, 3);
    TabTo(39);
    Press(Qt::Key_Down);
    TabTo(31);
    Press(Qt::Key_Space);

    // A game and an operating system, each with a level high enough to write them.
    TabTo(1004);
    Press(Qt::Key_Down, Qt::NoModifier, 4);
    ASSERT_EQ(form.CurrentCategoryIndex(), kGamingCategory);
    TabTo(21);
    Press(Qt::Key_Space);
    TabTo(16);
    Press(Qt::Key_PageUp, Qt::NoModifier, 5);
    TabTo(1018);
    Press(Qt::Key_Enter);
    TabTo(1004);
    Press(Qt::Key_Down, Qt::NoModifier, 2);
    ASSERT_EQ(form.CurrentCategoryIndex(), kCompyCategory);
    TabTo(34);
    Press(Qt::Key_Space);
    TabTo(16);
    Press(Qt::Key_End);
    Press(Qt::Key_Return);

    // The adult tab through the menu: F10 opens "File", Right goes on to "Application".
    Press(Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "F10 opened no menu";
    Press(Qt::Key_Right);
    Press(Qt::Key_O);
    ASSERT_EQ(form.tabBar()->count(), 3);
    Press(Qt::Key_PageDown, Qt::ControlModifier);
    ASSERT_EQ(form.CurrentCategoryIndex(), kKinkSwitchCategory);
    TabTo(31);
    Press(Qt::Key_Space);
    TabTo(1004);
    Press(Qt::Key_Down);
    TabTo(38);
    Press(Qt::Key_Down);
    TabTo(39);
    Press(Qt::Key_Down, Qt::NoModifier, 2);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("line.txt"));
    FILECHOOSER::setNextFileName(path);
    Press(Qt::Key_S, Qt::ControlModifier);

    const QString line = form.findChild<QLineEdit*>(QStringLiteral("1012"))->text();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), line.toLatin1() + '\0');

    PROFILE read;
    ASSERT_TRUE(ParseCode(line.toStdString(), read)) << line.toStdString();
    EXPECT_EQ(read.anthroLevel, 3u);
    EXPECT_EQ(read.speciesFamily, 3u);
    EXPECT_EQ(read.speciesIndex, 2u);
    EXPECT_EQ(read.age, 35u);
    EXPECT_EQ(read.workType, 3u);
    EXPECT_EQ(read.trainedFlags, 2u);
    EXPECT_EQ(read.gamingLevel, 5u);
    EXPECT_EQ(read.gamingFlags, 1u);
    EXPECT_EQ(read.compyLevel, 7u);
    EXPECT_EQ(read.compyFlags, 4u);
    EXPECT_EQ(read.includeKinks, 1u);
    EXPECT_EQ(read.kink(0), MakeKinkCell(1, 2));
    EXPECT_EQ(mice.events, 0);
}

TEST_F(KeyboardOnly, AltWithALetterOpensItsMenu) {
    Press(Qt::Key_A, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&Application"));
    Press(Qt::Key_Escape);
    Press(Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible()) << "Escape in the menus closes only the menus";
}

}  // namespace
}  // namespace brindlex
