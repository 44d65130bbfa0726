// "Read a Code Line": a pasted post's lines, the chosen line's answers against the record,
// its repairs, and "Use These Answers".
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QCheckBox>
#include <QDialog>
#include <QFont>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTextCursor>

#include "app/dialogs.h"
#include "app/readcodeline.h"
#include "codec/codec.h"
#include "codec/compare.h"
#include "codec/explain.h"
#include "codec/find.h"
#include "codec/trace.h"
#include "tests/app/helpers.h"

namespace brindlex {
namespace {

// Two code lines: a quoted one, and a broken one that a mail program wrapped.
const char kPost[] =
    "Hi all! Here are our codes:\n\n"
    "> 2.0FCf5mw V+++ Nf+++ O25\n"
    "and mine, from an older generator:\n"
    "2.0FCf9 V+ V- O 2 5 Qx\n"
    "Nf+ Sm#\n"
    "bye\n";

class Reader : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ParseCode("2.0FCf5mw V+++ Nf+++ O25 Sm", profile));
        InstallMenu(form);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        test::Command(form, kCommandReadCodeLine)->trigger();
        window = form.findChild<ReadCodeLineWindow*>(QStringLiteral("readCodeLine"));
        ASSERT_NE(window, nullptr);
        shown = std::make_unique<QSignalSpy>(window, &ReadCodeLineWindow::readingShown);
        input = Child<QPlainTextEdit>("readerInput");
        lines = Child<QListWidget>("readerLines");
        table = Child<QTableView>("readerTable");
        repairs = Child<QListWidget>("readerRepairs");
    }

    template <typename T>
    T* Child(const char* name) const {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // Waits for the reading that the last typing or choice began to be shown.
    bool WaitForReading() {
        const bool arrived = shown->wait(10000);
        shown->clear();
        return arrived;
    }

    QString Cell(int row, int column, int role = Qt::DisplayRole) const {
        return table->model()->index(row, column).data(role).toString();
    }

    PROFILE profile;
    MAINFORM form{profile};
    ReadCodeLineWindow* window = nullptr;
    std::unique_ptr<QSignalSpy> shown;
    QPlainTextEdit* input = nullptr;
    QListWidget* lines = nullptr;
    QTableView* table = nullptr;
    QListWidget* repairs = nullptr;
};

TEST_F(Reader, OpensOnceWithNamedControlsInTabOrder) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Read a Code Line"));
    EXPECT_EQ(test::Command(form, kCommandReadCodeLine)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_R));
    window->hide();
    test::Command(form, kCommandReadCodeLine)->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form.findChildren<QDialog*>(QStringLiteral("readCodeLine")).size(), 1);

    const std::vector<const char*> order = {"readerInput", "readerLines",   "readerOnlyDifferences",
                                            "readerTable", "readerRepairs", "readerUse"};
    QWidget* widget = input;
    for (const char* name : order) {
        EXPECT_EQ(widget->objectName(), QString::fromLatin1(name));
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window));
    }
}

TEST_F(Reader, TellsTheChosenLineBesideTheRecordAndUsesItOnlyWhenConfirmed) {
    input->insertPlainText(QString::fromLatin1(kPost));
    ASSERT_TRUE(WaitForReading());
    const std::vector<FoundCodeLine> found = FindCodeLines(kPost);
    ASSERT_EQ(found.size(), 2u);
    ASSERT_EQ(lines->count(), 2);
    EXPECT_EQ(lines->currentRow(), 0);
    EXPECT_EQ(lines->item(1)->text(),
              QStringLiteral("line 5: ") + QString::fromStdString(found[1].code));
    lines->scrollToItem(lines->item(1));
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                      lines->visualItemRect(lines->item(1)).center());
    ASSERT_EQ(lines->currentRow(), 1);
    ASSERT_TRUE(WaitForReading());

    // The rows are the line's explanation, the marks the comparison with the record.
    PROFILE theirs;
    std::vector<ReadStep> steps;
    ASSERT_TRUE(ParseCode(found[1].code, theirs, &steps));
    const Explanation explained = ExplainProfile(theirs, true);
    const Explanation own = ExplainProfile(profile, true);
    std::set<std::pair<int, std::string>> differing;
    for (const ComparedAnswer& answer : CompareAnswers(theirs, profile).answers) {
        differing.insert({answer.category, answer.caption});
    }
    ASSERT_GE(differing.size(), 3u);
    ASSERT_EQ(table->model()->rowCount(), static_cast<int>(explained.answers.size()));
    ASSERT_EQ(own.answers.size(), explained.answers.size());
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        const ExplainedAnswer& answer = explained.answers[static_cast<std::size_t>(row)];
        const bool differs = differing.count({answer.category, answer.caption}) != 0;
        EXPECT_EQ(Cell(row, ReaderAnswerModel::kCategoryColumn).toStdString(), answer.caption);
        EXPECT_EQ(Cell(row, ReaderAnswerModel::kTheirColumn).toStdString(), answer.answer);
        EXPECT_EQ(Cell(row, ReaderAnswerModel::kYourColumn).toStdString(),
                  own.answers[static_cast<std::size_t>(row)].answer);
        EXPECT_EQ(Cell(row, ReaderAnswerModel::kCodeColumn).toStdString(), explained.code(answer));
        const QModelIndex mark = table->model()->index(row, ReaderAnswerModel::kMarkColumn);
        EXPECT_EQ(mark.data(ReaderAnswerModel::kDiffersRole).toBool(), differs) << answer.caption;
        EXPECT_EQ(mark.data(Qt::FontRole).value<QFont>().bold(), differs) << answer.caption;
        EXPECT_EQ(mark.data(Qt::AccessibleTextRole).toString(),
                  differs ? QStringLiteral("differs") : QStringLiteral("same"));
    }
    Child<QCheckBox>("readerOnlyDifferences")->click();
    EXPECT_EQ(table->model()->rowCount(), static_cast<int>(differing.size()));

    // Each repair, chosen, selects its piece of the post, also on the wrapped line.
    std::vector<ReadStep> repaired;
    for (const ReadStep& step : steps) {
        if (IsRepair(step)) {
            repaired.push_back(step);
        }
    }
    ASSERT_EQ(repairs->count(), static_cast<int>(repaired.size()));
    ASSERT_GE(repaired.size(), 4u);
    for (int row = 0; row < repairs->count(); ++row) {
        const ReadStep& step = repaired[static_cast<std::size_t>(row)];
        EXPECT_EQ(repairs->item(row)->text().toStdString(),
                  DescribeRepair(found[1].code, ComposeCode(theirs), step));
        repairs->setCurrentRow(row);
        EXPECT_EQ(input->textCursor().selectedText().toStdString(),
                  found[1].code.substr(step.at, step.size));
    }

    auto* use = Child<QPushButton>("readerUse");
    const PROFILE before = profile;
    MESSAGEBOX::setNextAnswer(QMessageBox::No);
    use->click();
    EXPECT_TRUE(MESSAGEBOX::answeredText().contains(QString::fromStdString(found[1].code)));
    EXPECT_EQ(profile, before);
    MESSAGEBOX::setNextAnswer(QMessageBox::Yes);
    use->click();
    EXPECT_EQ(profile, theirs);
    EXPECT_EQ(table->model()->rowCount(), 0) << "the marks follow the record";
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(Reader, FollowsTypingAndTheRecord) {
    QTest::keyClicks(input, QStringLiteral("see 2.0FCf5 V+"));
    ASSERT_TRUE(WaitForReading());
    ASSERT_EQ(lines->count(), 1);
    EXPECT_EQ(lines->item(0)->text(), QStringLiteral("line 1: 2.0FCf5 V+"));
    QTest::keyClicks(input, QStringLiteral("++ Qx"));
    ASSERT_TRUE(WaitForReading());
    EXPECT_EQ(lines->item(0)->text(), QStringLiteral("line 1: 2.0FCf5 V+++ Qx"));
    EXPECT_EQ(repairs->count(), 1);

    PROFILE theirs;
    ASSERT_TRUE(ParseCode("2.0FCf5 V+++ Qx", theirs));
    Child<QCheckBox>("readerOnlyDifferences")->click();
    for (const char* line : {"2.0FCf5 V+++ O25", "2.0FCf5"}) {
        ASSERT_TRUE(form.LoadCodeLine(line));
        EXPECT_EQ(table->model()->rowCount(),
                  static_cast<int>(CompareAnswers(theirs, profile).answers.size()))
            << line;
    }
}

TEST_F(Reader, ReadsTheTextOnceTheTypingPauses) {
    QTest::keyClicks(input, QStringLiteral("mine: 2.0FCf5 V+ M- and yours: 2.0FLr3 O33"));
    EXPECT_EQ(lines->count(), 0) << "nothing is read while the keys come";
    ASSERT_TRUE(shown->wait(10000));
    EXPECT_FALSE(shown->wait(3 * ReadCodeLineWindow::kTypingPause)) << "one reading for the typing";
    ASSERT_EQ(lines->count(), 2);
    EXPECT_EQ(lines->item(1)->text(), QStringLiteral("line 1: 2.0FLr3 O33"));
}

TEST_F(Reader, TakesTypingWhileALongPostIsReadAndShowsOnlyTheNewestReading) {
    QString post;
    while (post.size() < 2'000'000) {
        post += QStringLiteral("> Somebody's code: 2.0FCf9 V+ V- O 2 5 Qx, and some prose.\n");
    }
    QSignalSpy started(window, &ReadCodeLineWindow::readingStarted);
    input->setPlainText(post);
    ASSERT_TRUE(started.wait(10000));
    // The reading goes on away from the window, which takes the keys meanwhile.
    EXPECT_EQ(shown->count(), 0);
    input->moveCursor(QTextCursor::End);
    QTest::keyClicks(input, QStringLiteral("Mine: 2.0FLr3 V-"));
    ASSERT_TRUE(WaitForReading());
    EXPECT_FALSE(shown->wait(3 * ReadCodeLineWindow::kTypingPause)) << "the older reading shows";
    ASSERT_GT(lines->count(), 1000);
    EXPECT_TRUE(lines->item(lines->count() - 1)->text().endsWith(QStringLiteral(": 2.0FLr3 V-")));
}

TEST_F(Reader, ShortensALongLineInTheListsButUsesItWhole) {
    // A name of 4,000 bytes, with a two-byte character where the cut falls.
    std::string name = "Kudu and";
    while (name.size() < 4000) {
        name += "Snow \xC3\x96wl ";
    }
    const std::string code = "2.0FO[" + name + "]5 V+ V-";
    input->setPlainText(QString::fromStdString(code));
    ASSERT_TRUE(WaitForReading());
    ASSERT_EQ(lines->count(), 1);
    const QString item = lines->item(0)->text();
    EXPECT_TRUE(item.endsWith(QChar(0x2026))) << item.size();
    EXPECT_FALSE(item.contains(QChar(0xFFFD)));
    EXPECT_LT(item.size(), 1100);
    EXPECT_TRUE(QString::fromStdString(code).startsWith(item.mid(8).chopped(1)));
    ASSERT_EQ(repairs->count(), 1);  // "V+" overridden

    MESSAGEBOX::setNextAnswer(QMessageBox::Yes);
    Child<QPushButton>("readerUse")->click();
    EXPECT_EQ(profile.customSpeciesName, name);
}

}  // namespace
}  // namespace brindlex
