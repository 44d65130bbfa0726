// The answers kept between runs, "Open Txt File...", "Start Over", and typing stored before
// a menu command.
#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/answerstore.h"
#include "app/application.h"
#include "app/dialogs.h"
#include "codec/codec.h"
#include "helpers.h"
#include "profile/categories.h"

namespace brindlex {
namespace {

constexpr const char* kLine = "2.0FCf5mw V+++ M# Dm++ O25 Cwl+ Gr- Nf+++ Sm#/+- K  Su+  C+*";

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
PROFILE RunOnce(const QString& folder, const std::function<void(MAINFORM&)>& use) {
    auto* application = qobject_cast<APPLICATION*>(QCoreApplication::instance());
    WhenMainShows user(use);
    application->installEventFilter(&user);
    PROFILE profile;
    application->StartUp(
        profile, [](int) {}, folder);
    application->removeEventFilter(&user);
    return profile;
}

class Answers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        MESSAGEBOX::setNextAnswer(QMessageBox::NoButton);
    }
    QString file() const { return ANSWERSTORE(folder.path()).filePath(); }

    QTemporaryDir folder;
};

TEST_F(Answers, AreAllThereAtTheNextStart) {
    EXPECT_EQ(RunOnce(folder.path(), [](MAINFORM&) {}), PROFILE())
        << "the first start is the all-zero record";
    EXPECT_FALSE(QFile::exists(file()));

    PROFILE expected;
    ASSERT_TRUE(ParseCode(kLine, expected));
    expected.includeKinks = 0;  // the kink answers stay while the switch is off
    const PROFILE first = RunOnce(folder.path(), [](MAINFORM& form) {
        ASSERT_TRUE(form.LoadCodeLine(kLine));
        test::Command(form, kCommandAdultMaterial)->trigger();
        test::ClickTab(test::TabStrip(form), 2);
        ASSERT_TRUE(test::ClickCategory(test::CategoryList(form), QStringLiteral("Specifics")));
        auto* includeKinks = form.findChild<QWidget*>(QStringLiteral("31"));
        QTest::mouseClick(includeKinks, Qt::LeftButton);
    });
    EXPECT_EQ(first, expected);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFileInfo(file()).permissions() & others, QFileDevice::Permissions())
        << "only its owner may read the answers";
    EXPECT_TRUE(QFileInfo(file()).permissions().testFlags(QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner));

    PROFILE shown;
    const PROFILE second = RunOnce(folder.path(), [&](MAINFORM& form) {
        shown = form.profile();
        EXPECT_FALSE(form.adultTabShown()) << "the adult tab is hidden at every start";
    });
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(second, expected);
}

TEST_F(Answers, ACorruptFileGivesEmptyAnswersABadFileAndOneMessage) {
    {
        QFile corrupt(file());
        ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("{\"artLevel\": 9");
    }
    MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
    QString told;
    const PROFILE profile = RunOnce(folder.path(), [&](MAINFORM&) {
        QCoreApplication::processEvents();  // the message comes once the window shows
        told = MESSAGEBOX::answeredText();
    });
    EXPECT_EQ(profile, PROFILE());
    EXPECT_NE(told.indexOf(QStringLiteral("answers.json.bad")), -1) << told.toStdString();
    QFile bad(file() + QStringLiteral(".bad"));
    ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
    EXPECT_EQ(bad.readAll(), QByteArray("{\"artLevel\": 9"));
}

TEST_F(Answers, AFailedWriteIsToldOnceAndTheWindowGoesOn) {
    // A regular file where the folder should be: no answers can be written below it.
    const QString blocked = folder.filePath(QStringLiteral("file"));
    QFile(blocked).open(QIODevice::WriteOnly);
    int messages = 0;
    const PROFILE profile = RunOnce(blocked + QStringLiteral("/answers"), [&](MAINFORM& form) {
        for (const char* line : {"2.0FCf5 V+", "2.0FCf5 V++", "2.0FCf5 V+++"}) {
            MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
            ASSERT_TRUE(form.LoadCodeLine(line));
            QCoreApplication::processEvents();
            messages += MESSAGEBOX::answeredText().isEmpty() ? 0 : 1;
        }
    });
    MESSAGEBOX::setNextAnswer(QMessageBox::NoButton);
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(profile.artLevel, 7u) << "the window still took every answer";
}

TEST_F(Answers, OpenReadsASavedLineAndStartOverClearsAfterAsking) {
    PROFILE saved;
    ASSERT_TRUE(ParseCode(kLine, saved));
    const QString path = folder.filePath(QStringLiteral("line.txt"));
    ASSERT_TRUE(WriteCodeLineFile(path, saved).isEmpty());
    const QString junk = folder.filePath(QStringLiteral("junk.txt"));
    {
        QFile file(junk);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("hello\n2.0FCf5\n");
    }

    RunOnce(folder.path(), [&](MAINFORM& form) {
        FILECHOOSER::setNextFileName(path);
        test::Command(form, kCommandOpenText)->trigger();
        EXPECT_EQ(form.profile(), saved);

        FILECHOOSER::setNextFileName(junk);
        MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
        test::Command(form, kCommandOpenText)->trigger();
        EXPECT_NE(MESSAGEBOX::answeredText().indexOf(QStringLiteral("2.0F")), -1);
        EXPECT_EQ(form.profile(), saved) << "a line that is no code line changes nothing";

        MESSAGEBOX::setNextAnswer(QMessageBox::No);
        test::Command(form, kCommandStartOver)->trigger();
        EXPECT_EQ(form.profile(), saved);
        MESSAGEBOX::setNextAnswer(QMessageBox::Yes);
        test::Command(form, kCommandStartOver)->trigger();
        EXPECT_EQ(form.profile(), PROFILE());
    });
}

TEST_F(Answers, TypingIsStoredBeforeAMenuCommand) {
    const QString path = folder.filePath(QStringLiteral("typed.txt"));
    RunOnce(folder.path(), [&](MAINFORM& form) {
        auto* codeLine = form.findChild<QLineEdit*>(QStringLiteral("1012"));
        QTest::mouseClick(codeLine, Qt::LeftButton);
        QTest::keyClick(codeLine, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(codeLine, QStringLiteral("2.0FAR*[Kudu]3"));
        FILECHOOSER::setNextFileName(path);
        test::Command(form, kCommandSaveAsText)->trigger();
    });
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("2.0FAR*[Kudu]3 V#"));
}

}  // namespace
}  // namespace brindlex
