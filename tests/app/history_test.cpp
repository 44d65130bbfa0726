// The Edit menu: Undo and Redo of the commands that replace every answer, the answers kept
// on disk after an undo, and Copy Code Line; and where "Save as Txt File" opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/answerstore.h"
#include "app/application.h"
#include "app/dialogs.h"
#include "app/menucommands.h"
#include "codec/codec.h"
#include "tests/app/helpers.h"

namespace brindlex {
namespace {

constexpr const char* kFox = "2.0FCf5mw V+++ Dm++ O25";
constexpr const char* kOwl = "2.0FAo3 V- Sf";

// The action of the Edit menu whose text, without its access letter, starts with `start`.
QAction* EditCommand(const MAINFORM& form, const QString& start) {
    for (QAction* menu : form.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&Edit")) {
            for (QAction* action : menu->menu()->actions()) {
                if (QString(action->text()).remove(QLatin1Char('&')).startsWith(start)) {
                    return action;
                }
            }
        }
    }
    return nullptr;
}

class EditMenu : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        InstallMenu(form);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(ParseCode(kFox, fox));
        ASSERT_TRUE(ParseCode(kOwl, owl));
    }
    void TearDown() override { MESSAGEBOX::setNextAnswer(QMessageBox::NoButton); }

    // Undoes by the menu and checks what the record and the code line are then.
    void UndoTo(const PROFILE& expected, const char* undone) {
        QAction* undo = EditCommand(form, QStringLiteral("Undo"));
        ASSERT_NE(undo, nullptr);
        EXPECT_EQ(undo->text(), QStringLiteral("&Undo ") + QString::fromLatin1(undone));
        undo->trigger();
        EXPECT_EQ(profile, expected) << undone;
        PROFILE shown = profile;
        EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("1012"))->text().toStdString(),
                  ComposeCode(shown));
        EXPECT_EQ(EditCommand(form, QStringLiteral("Redo"))->text(),
                  QStringLiteral("&Redo ") + QString::fromLatin1(undone));
    }

    QTemporaryDir folder;
    PROFILE profile;
    MAINFORM form{profile};
    PROFILE fox;
    PROFILE owl;
};

TEST_F(EditMenu, StartOverOpenTxtFileAndUseTheseAnswersAreStepsNamedAfterThem) {
    ASSERT_TRUE(form.LoadCodeLine(kFox));

    MESSAGEBOX::setNextAnswer(QMessageBox::Yes);
    test::Command(form, kCommandStartOver)->trigger();
    EXPECT_TRUE(MESSAGEBOX::answeredText().contains(QStringLiteral("Undo Start Over")));
    ASSERT_EQ(profile, PROFILE());
    UndoTo(fox, "Start Over");
    EditCommand(form, QStringLiteral("Redo"))->trigger();
    EXPECT_EQ(profile, PROFILE());
    UndoTo(fox, "Start Over");

    const QString saved = folder.filePath(QStringLiteral("owl.txt"));
    ASSERT_TRUE(WriteCodeLineFile(saved, owl).isEmpty());
    FILECHOOSER::setNextFileName(saved);
    test::Command(form, kCommandOpenText)->trigger();
    ASSERT_EQ(profile, owl);
    UndoTo(fox, "Open Txt File");

    test::Command(form, kCommandReadCodeLine)->trigger();
    auto* reader = form.findChild<QDialog*>(QStringLiteral("readCodeLine"));
    ASSERT_NE(reader, nullptr);
    reader->findChild<QPlainTextEdit*>(QStringLiteral("readerInput"))
        ->setPlainText(QStringLiteral("my line:\n") + QString::fromLatin1(kOwl));
    auto* use = reader->findChild<QPushButton*>(QStringLiteral("readerUse"));
    ASSERT_TRUE(QTest::qWaitFor([use] { return use->isEnabled(); }));
    MESSAGEBOX::setNextAnswer(QMessageBox::Yes);
    use->click();
    ASSERT_EQ(profile, owl);
    UndoTo(fox, "Use These Answers");
    UndoTo(PROFILE(), "Paste Code Line");
    EXPECT_FALSE(EditCommand(form, QStringLiteral("Undo"))->isEnabled());
    EXPECT_EQ(EditCommand(form, QStringLiteral("Undo"))->text(), QStringLiteral("&Undo"));
}

TEST_F(EditMenu, CopyCodeLineCopiesTheLineOfTheAnswersAlsoFromTheCodeLineField) {
    ASSERT_TRUE(form.LoadCodeLine(kFox));
    auto* codeLine = form.findChild<QLineEdit*>(QStringLiteral("1012"));
    QApplication::clipboard()->clear();
    QTest::mouseClick(codeLine, Qt::LeftButton);
    QTest::keyClick(codeLine, Qt::Key_End);
    QTest::keyClick(codeLine, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), ComposeCode(fox));
    EXPECT_EQ(test::Command(form, kCommandCopyCodeLine)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
}

TEST_F(EditMenu, SaveAsTxtFileOpensInTheDocumentsFolderWithANameFilledIn) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString expected = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    EXPECT_EQ(QFileInfo(SuggestedTextFile()).absolutePath(), QDir(expected).absolutePath());
    EXPECT_TRUE(SuggestedTextFile().endsWith(QStringLiteral(".txt")));

    QString folderShown;
    QStringList chosen;
    test::WhenModalOpens([&](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        folderShown = chooser->directory().absolutePath();
        chosen = chooser->selectedFiles();
        chooser->reject();
    });
    test::Command(form, kCommandSaveAsText)->trigger();
    EXPECT_EQ(folderShown, QDir(expected).absolutePath());
    EXPECT_EQ(chosen, QStringList{SuggestedTextFile()});
}

TEST(History, AfterAnUndoTheNextStartShowsTheAnswersUndoneTo) {
    QTemporaryDir folder;
    PROFILE fox;
    ASSERT_TRUE(ParseCode(kFox, fox));
    test::RunOnce(folder.path(), [](MAINFORM& form) {
        ASSERT_TRUE(form.LoadCodeLine(kFox));
        ASSERT_TRUE(form.LoadCodeLine(kOwl));
        form.undoAction()->trigger();
    });
    PROFILE shown;
    bool undoable = true;
    test::RunOnce(folder.path(), [&](MAINFORM& form) {
        shown = form.profile();
        undoable = form.undoAction()->isEnabled();
    });
    EXPECT_EQ(shown, fox);
    EXPECT_FALSE(undoable) << "the history lives for one run";
}

}  // namespace
}  // namespace brindlex
