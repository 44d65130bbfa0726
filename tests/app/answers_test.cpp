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
#include "profile/answers_file.h"
#include "profile/categories.h"
#include "tests/app/helpers.h"

namespace brindlex {
namespace {

constexpr const char* kLine = "2.0FCf5mw V+++ M# Dm++ O25 Cwl+ Gr- Nf+++ Sm#/+- K  Su+  C+*";

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A message for the user holds no library's own words.
void ExpectPlainWords(const QString& text) {
    for (const char* jargon : {"[json", "exception", "parse error", "syntax error", "QFile"}) {
        EXPECT_FALSE(text.contains(QLatin1String(jargon), Qt::CaseInsensitive))
            << text.toStdString();
    }
}

class Answers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        MESSAGEBOX::setNextAnswer(QMessageBox::NoButton);
    }
    QString file() const { return ANSWERSTORE(folder.path()).filePath(); }

    // Starts the program, lets `use` act once the message about the answers, if any, has been
    // told, and returns that message. `started` is the record the window started with,
    // `ended` the one it ended with.
    QString Told(const std::function<void(MAINFORM&)>& use) {
        MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
        QString told;
        ended = test::RunOnce(folder.path(), [&](MAINFORM& form) {
            QCoreApplication::processEvents();  // the message comes once the window shows
            told = MESSAGEBOX::answeredText();
            MESSAGEBOX::setNextAnswer(QMessageBox::NoButton);
            started = form.profile();
            use(form);
        });
        MESSAGEBOX::setNextAnswer(QMessageBox::NoButton);
        return told;
    }

    QTemporaryDir folder;
    PROFILE started;
    PROFILE ended;
};

TEST_F(Answers, AreAllThereAtTheNextStart) {
    EXPECT_EQ(test::RunOnce(folder.path(), [](MAINFORM&) {}), PROFILE())
        << "the first start is the all-zero record";
    EXPECT_FALSE(QFile::exists(file()));

    PROFILE expected;
    ASSERT_TRUE(ParseCode(kLine, expected));
    expected.includeKinks = 0;  // the kink answers stay while the switch is off
    const PROFILE first = test::RunOnce(folder.path(), [](MAINFORM& form) {
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
    const PROFILE second = test::RunOnce(folder.path(), [&](MAINFORM& form) {
        shown = form.profile();
        EXPECT_FALSE(form.adultTabShown()) << "the adult tab is hidden at every start";
    });
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(second, expected);
}

TEST_F(Answers, CorruptFilesAreMovedAsideUnderNumbersThatNeverReplaceAnother) {
    // What an older Brindlex left, which stays as it is.
    ASSERT_TRUE(WriteFile(file() + QStringLiteral(".bad"), "older"));
    const std::pair<QByteArray, QString> corrupt[] = {
        {"{\"artLevel\": 5, \"age", QStringLiteral("the file ends in the middle")},
        {"<html>Not found</html>", QStringLiteral("it is not an answers file")},
        {"", QStringLiteral("the file is empty")},
    };
    int number = 0;
    for (const auto& [bytes, why] : corrupt) {
        ++number;
        ASSERT_TRUE(WriteFile(file(), bytes));
        const QString aside = file() + QStringLiteral(".bad.%1").arg(number);
        const QString told = Told([](MAINFORM&) {});
        EXPECT_TRUE(told.contains(why)) << told.toStdString();
        EXPECT_TRUE(told.contains(QDir::toNativeSeparators(aside))) << told.toStdString();
        EXPECT_TRUE(told.contains(QDir::toNativeSeparators(file()))) << told.toStdString();
        ExpectPlainWords(told);
        EXPECT_EQ(ended, PROFILE());
        EXPECT_EQ(ReadFile(aside), bytes);
        EXPECT_FALSE(QFile::exists(file()));
    }
    EXPECT_EQ(ReadFile(file() + QStringLiteral(".bad.1")), corrupt[0].first);
    EXPECT_EQ(ReadFile(file() + QStringLiteral(".bad")), QByteArray("older"));
}

TEST_F(Answers, AFileThatCannotBeReadStaysWhereItIsAndIsNotWrittenOver) {
    // A folder where the file should be cannot be read, even by root.
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("answers.json")));
    QString writeProblem;
    const QString told = Told([&](MAINFORM& form) {
        MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
        ASSERT_TRUE(form.LoadCodeLine("2.0FCf5 V+"));
        QCoreApplication::processEvents();
        writeProblem = MESSAGEBOX::answeredText();
    });
    EXPECT_TRUE(told.contains(QStringLiteral("could not read"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("it is a folder, not a file"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("left as it is"))) << told.toStdString();
    ExpectPlainWords(told);
    EXPECT_EQ(writeProblem, QString()) << "no attempt is made to write over it";
    EXPECT_TRUE(QFileInfo(file()).isDir());
    EXPECT_FALSE(QFile::exists(file() + QStringLiteral(".bad.1")));
}

TEST_F(Answers, MembersOfANewerVersionAreKeptWhenTheAnswersAreWrittenAgain) {
    PROFILE fox;
    ASSERT_TRUE(ParseCode("2.0FCf5 V+", fox));
    ASSERT_TRUE(WriteFile(file(), QByteArray::fromStdString(WriteAnswersFile(
                                      fox, {{"furColour", R"({"main":"red"})"}}))));
    const QString told = Told([](MAINFORM& form) {
        EXPECT_EQ(form.profile().artLevel, 5u);
        ASSERT_TRUE(form.LoadCodeLine("2.0FCf5 V++"));
    });
    EXPECT_EQ(told, QString());
    const AnswersFile written = ReadAnswersFile(ReadFile(file()).toStdString());
    EXPECT_EQ(written.profile.artLevel, 6u);
    ASSERT_EQ(written.kept.size(), 1u);
    EXPECT_EQ(written.kept[0].name, "furColour");
    EXPECT_EQ(written.kept[0].json, R"({"main":"red"})");
}

TEST_F(Answers, AnAnswerOutOfRangeLosesItselfAloneAndTheFileIsCopiedFirst) {
    PROFILE fox;
    ASSERT_TRUE(ParseCode("2.0FCf5 V+ O25", fox));
    std::string text = ProfileToJsonText(fox);
    const std::string age = "\"age\":25,";
    const std::size_t at = text.find(age);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, age.size(), "\"age\":500,");
    const QByteArray original = QByteArray::fromStdString(text);
    ASSERT_TRUE(WriteFile(file(), original));

    const QString told =
        Told([](MAINFORM& form) { ASSERT_TRUE(form.LoadCodeLine("2.0FCf5 V++")); });
    EXPECT_TRUE(told.contains(QStringLiteral("'age' is 500, which no answer has")))
        << told.toStdString();
    const QString copy = file() + QStringLiteral(".bad.1");
    EXPECT_TRUE(told.contains(QDir::toNativeSeparators(copy))) << told.toStdString();
    ExpectPlainWords(told);
    EXPECT_EQ(ReadFile(copy), original);
    EXPECT_EQ(started.artLevel, 5u) << "the other answers load";
    EXPECT_EQ(started.anthroLevel, 5u);
    EXPECT_EQ(started.age, 0u);
    EXPECT_EQ(ReadAnswersFile(ReadFile(file()).toStdString()).profile.artLevel, 6u);
}

TEST_F(Answers, AFailedWriteIsToldOnceAndTheWindowGoesOn) {
    // A regular file where the folder should be: no answers can be written below it.
    const QString blocked = folder.filePath(QStringLiteral("file"));
    QFile(blocked).open(QIODevice::WriteOnly);
    int messages = 0;
    const PROFILE profile =
        test::RunOnce(blocked + QStringLiteral("/answers"), [&](MAINFORM& form) {
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

    test::RunOnce(folder.path(), [&](MAINFORM& form) {
        FILECHOOSER::setNextFileName(path);
        test::Command(form, kCommandOpenText)->trigger();
        EXPECT_EQ(form.profile(), saved);

        FILECHOOSER::setNextFileName(junk);
        MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
        test::Command(form, kCommandOpenText)->trigger();
        EXPECT_NE(MESSAGEBOX::answeredText().indexOf(QStringLiteral("2.0F")), -1);
        EXPECT_EQ(form.profile(), saved) << "a line that is no code line changes nothing";

        // As Notepad saves a line: a byte order mark, and blanks around it.
        const QString notepad = folder.filePath(QStringLiteral("notepad.txt"));
        ASSERT_TRUE(WriteFile(notepad, "\xEF\xBB\xBF  2.0FCf5 V+ \r\n"));
        FILECHOOSER::setNextFileName(notepad);
        test::Command(form, kCommandOpenText)->trigger();
        EXPECT_EQ(form.profile().artLevel, 5u);
        form.undoAction()->trigger();
        ASSERT_EQ(form.profile(), saved);

        const std::pair<QString, QString> unread[] = {
            {folder.filePath(QStringLiteral("empty.txt")), QStringLiteral("is empty")},
            {folder.path(), QStringLiteral("it is a folder, not a file")},
            {folder.filePath(QStringLiteral("gone.txt")), QStringLiteral("not there any more")},
        };
        ASSERT_TRUE(WriteFile(unread[0].first, "\n2.0FCf5\n"));
        for (const auto& [file, why] : unread) {
            FILECHOOSER::setNextFileName(file);
            MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
            test::Command(form, kCommandOpenText)->trigger();
            EXPECT_TRUE(MESSAGEBOX::answeredText().contains(why))
                << MESSAGEBOX::answeredText().toStdString();
            EXPECT_TRUE(MESSAGEBOX::answeredText().contains(QDir::toNativeSeparators(file)));
            ExpectPlainWords(MESSAGEBOX::answeredText());
            EXPECT_EQ(form.profile(), saved);
        }

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
    test::RunOnce(folder.path(), [&](MAINFORM& form) {
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
