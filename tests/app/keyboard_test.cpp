// The whole questionnaire answered with the keyboard alone, menus and saving included.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/dialogs.h"
#include "codec/codec.h"
#include "tests/app/helpers.h"

namespace brindlex {
namespace {

class KeyboardOnly : public ::testing::Test, public QObject {
protected:
    void SetUp() override {
        InstallMenu(form);
        qApp->installEventFilter(this);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void TearDown() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        mouseEvents += type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::Wheel;
        return false;
    }

    // Presses a key where the keyboard is: in an opened menu, else in the window.
    void Press(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int i = 0; i < times; ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            QTest::keyClick(popup ? popup->windowHandle() : form.windowHandle(), key, modifiers);
        }
    }

    // Presses Tab until control `id` has the focus, then `key` `times` times.
    void At(int id, Qt::Key key, int times = 1) {
        const QString name = QString::number(id);
        for (int tabs = 0; tabs < 40 && QApplication::focusWidget()->objectName() != name; ++tabs) {
            Press(Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget()->objectName(), name) << "Tab never reached " << id;
        Press(key, times);
    }

    int mouseEvents = 0;
    PROFILE profile;
    MAINFORM form{profile};
};

TEST_F(KeyboardOnly, AnswersEveryKindOfQuestionAndSavesTheLine) {
    ASSERT_EQ(form.tabBar()->currentIndex(), 0);
    At(1004, Qt::Key_Down, 2);  // "Anthro Level"
    At(16, Qt::Key_Up, 3);
    Press(Qt::Key_Return);
    At(1004, Qt::Key_Home);  // "Species": "Canidae (Dog)", then its second species
    At(38, Qt::Key_Down, 3);
    At(39, Qt::Key_Down);
    Press(Qt::Key_Tab, 1, Qt::ControlModifier);  // the age page of "Humanness"
    At(31, Qt::Key_Space);
    At(1013, Qt::Key_3);
    Press(Qt::Key_5);
    At(1004, Qt::Key_Down, 2);  // "Work"
    At(38, Qt::Key_Down, 3);
    At(39, Qt::Key_Down);
    At(31, Qt::Key_Space);
    At(1004, Qt::Key_Down, 4);  // "Gaming": a game at level 5
    At(21, Qt::Key_Space);
    At(16, Qt::Key_PageUp, 5);
    At(1018, Qt::Key_Enter);
    At(1004, Qt::Key_Down, 2);  // "Compy": an operating system at level 7
    At(34, Qt::Key_Space);
    At(16, Qt::Key_End);
    Press(Qt::Key_Return);

    Press(Qt::Key_F10);  // opens "File"; two Escapes leave the menus, not the window
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "F10 opened no menu";
    Press(Qt::Key_Escape, 2);
    Press(Qt::Key_A, 1, Qt::AltModifier);
    Press(Qt::Key_O);  // "I am old enough to view adult material"
    Press(Qt::Key_PageDown, 1, Qt::ControlModifier);
    At(31, Qt::Key_Space);    // "Include my kinks"
    At(1004, Qt::Key_Down);   // the first kink
    At(38, Qt::Key_Down);     // "Like" in role play
    At(39, Qt::Key_Down, 2);  // "Dislike" in real life

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("line.txt"));
    FILECHOOSER::setNextFileName(path);
    Press(Qt::Key_S, 1, Qt::ControlModifier);

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
    EXPECT_EQ(mouseEvents, 0);
}

}  // namespace
}  // namespace brindlex
