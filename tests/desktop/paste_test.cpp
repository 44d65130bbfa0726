// Pasting into the window's multi-line text fields on a real X display (run under
// own_display.sh): with the clipboard's owner alive the field takes its plain text, and after the
// owner has quit a paste takes nothing and the program goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "app/application.h"
#include "app/readcodeline.h"
#include "ui/mainform.h"

namespace brindlex {
namespace {

// Another program that owns the clipboard, or the selection, and can quit.
class ClipboardOwner {
public:
    ClipboardOwner(QClipboard::Mode mode, const QString& text) : m_selection(Selection(mode)) {
        m_xclip.start(QStringLiteral("xclip"),
                      {QStringLiteral("-quiet"), QStringLiteral("-selection"), m_selection,
                       QStringLiteral("-i")});
        EXPECT_TRUE(m_xclip.waitForStarted());
        m_xclip.write(text.toUtf8());
        m_xclip.closeWriteChannel();
        // Asked by a third program, so that this one's clipboard is not touched before the
        // paste.
        for (int tries = 0; tries < 100 && Offered() != text; ++tries) {
            QTest::qWait(50);
        }
        EXPECT_EQ(Offered(), text);
    }
    ~ClipboardOwner() { Quit(); }

    void Quit() {
        if (m_xclip.state() != QProcess::NotRunning) {
            m_xclip.kill();
            m_xclip.waitForFinished();
        }
        // Lets the news that the owner has gone reach this program.
        QTest::qWait(300);
    }

private:
    static QString Selection(QClipboard::Mode mode) {
        return mode == QClipboard::Selection ? QStringLiteral("primary")
                                             : QStringLiteral("clipboard");
    }
    QString Offered() const {
        QProcess reader;
        reader.start(QStringLiteral("xclip"),
                     {QStringLiteral("-o"), QStringLiteral("-selection"), m_selection});
        reader.waitForFinished(2000);
        return QString::fromUtf8(reader.readAllStandardOutput());
    }

    QString m_selection;
    QProcess m_xclip;
};

// Every way to paste into a text field: the two paste keys, the context menu's "Paste" and,
// from the selection, the middle mouse button.
void PasteEveryWay(QPlainTextEdit* field) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    field->paste();
    QTest::mouseClick(field->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
}

class Paste : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ShowCodeLineReader(form);
        auto* reader = form.findChild<ReadCodeLineWindow*>();
        ASSERT_NE(reader, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(reader));
        input = reader->findChild<QPlainTextEdit*>(QStringLiteral("readerInput"));
        description = form.findChild<QPlainTextEdit*>(QStringLiteral("1006"));
        ASSERT_NE(input, nullptr);
        ASSERT_NE(description, nullptr);
    }

    PROFILE profile;
    MAINFORM form{profile};
    QPlainTextEdit* input = nullptr;
    QPlainTextEdit* description = nullptr;
};

TEST_F(Paste, AfterTheClipboardsOwnerHasQuitTakesNothingAndGoesOn) {
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        ClipboardOwner owner(mode, QStringLiteral("2.0FCf5 V+"));
        owner.Quit();
        for (QPlainTextEdit* field : {input, description}) {
            const QString before = field->toPlainText();
            field->activateWindow();
            PasteEveryWay(field);
            EXPECT_EQ(field->toPlainText(), before) << field->objectName().toStdString();
        }
        // The single-line fields as well.
        auto* codeLine = form.findChild<QLineEdit*>(QStringLiteral("1012"));
        const QString line = codeLine->text();
        codeLine->setFocus();
        QTest::keyClick(codeLine, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(codeLine->text(), line);
    }
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Paste, WhileTheOwnerRunsTakesItsPlainText) {
    {
        ClipboardOwner owner(QClipboard::Clipboard, QStringLiteral("2.0FCf5 V+\nsee you"));
        input->clear();
        input->setFocus();
        QTest::keyClick(input, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(input->toPlainText(), QStringLiteral("2.0FCf5 V+\nsee you"));
    }
    {
        ClipboardOwner owner(QClipboard::Selection, QStringLiteral("2.0FLr3"));
        input->clear();
        QTest::mouseClick(input->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
        EXPECT_EQ(input->toPlainText(), QStringLiteral("2.0FLr3"));
    }
    // The read-only help text takes nothing, whatever the clipboard holds.
    ClipboardOwner owner(QClipboard::Clipboard, QStringLiteral("pasted"));
    const QString help = description->toPlainText();
    PasteEveryWay(description);
    EXPECT_EQ(description->toPlainText(), help);
}

}  // namespace
}  // namespace brindlex

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    brindlex::APPLICATION application(argc, argv);
    return RUN_ALL_TESTS();
}
