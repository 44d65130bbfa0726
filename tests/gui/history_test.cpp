// The history of the answers: every change of the record is one step that Undo takes back
// and Redo makes again, by the window's keys, while text fields keep their own.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>
#include <QUndoStack>

#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

int AnthroLevel() {
    return CategoryNamed("Anthro Level");
}

class History : public WindowTest {
protected:
    void SetUp() override { Open(); }

    QUndoStack* Steps() const { return form->history(); }
    QString UndoText() const { return form->undoAction()->text(); }
    void PressUndo(QWidget* where) { QTest::keyClick(where, Qt::Key_Z, Qt::ControlModifier); }
    void PressRedo(QWidget* where, bool y = false) {
        if (y) {
            QTest::keyClick(where, Qt::Key_Y, Qt::ControlModifier);
        } else {
            QTest::keyClick(where, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        }
    }
    // Pastes `line` over the code line and leaves the field.
    void PasteLine(const QString& line) {
        QApplication::clipboard()->setText(line);
        QTest::mouseClick(Field(1012), Qt::LeftButton);
        QTest::keyClick(Field(1012), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Field(1012), Qt::Key_V, Qt::ControlModifier);
        PressTab();
    }
};

TEST_F(History, EveryKindOfAnswerIsOneStepThatTheKeysTakeBackAndMakeAgain) {
    EXPECT_FALSE(form->undoAction()->isEnabled()) << "nothing to undo at first";
    EXPECT_FALSE(form->redoAction()->isEnabled());
    EXPECT_EQ(UndoText(), QStringLiteral("&Undo"));

    // The record after each step, and what the undo command says then.
    std::vector<PROFILE> records{record};
    std::vector<QString> texts;
    const auto step = [&](const char* undoText) {
        records.push_back(record);
        texts.emplace_back(QString::fromLatin1(undoText));
        EXPECT_EQ(UndoText(), texts.back());
        EXPECT_EQ(Steps()->count(), static_cast<int>(texts.size()));
    };
    PasteLine(QStringLiteral("2.0FCf5 V+ O25"));
    step("&Undo Paste Code Line");
    OpenCategory(kTraitCategory);
    ClickBox(21);
    step("&Undo Specifics");
    OpenCategory(kSpeciesCategory);
    Choose(38, 5);
    step("&Undo Species");
    OpenCategory(AnthroLevel());
    MoveSlider(2);
    ClickUpdate();
    step("&Undo Anthro Level");
    ASSERT_EQ(records.size(), 5u);
    for (std::size_t i = 1; i < records.size(); ++i) {
        EXPECT_NE(records[i], records[i - 1]) << "step " << i;
    }

    // Back to the start with the focus on the category list: the page and the line follow.
    Categories()->setFocus();
    for (std::size_t i = records.size() - 1; i > 0; --i) {
        PressUndo(Categories());
        EXPECT_EQ(record, records[i - 1]) << "undo to " << i - 1;
        EXPECT_EQ(Slider()->value(), static_cast<int>(record.anthroLevel));
        ExpectSettled("after an undo");
        EXPECT_EQ(form->redoAction()->text(),
                  texts[i - 1].replace(QStringLiteral("&Undo"), QStringLiteral("&Redo")));
    }
    EXPECT_FALSE(form->undoAction()->isEnabled());
    // And forward again, by both keys of Redo.
    for (std::size_t i = 1; i < records.size(); ++i) {
        PressRedo(Categories(), i % 2 == 0);
        EXPECT_EQ(record, records[i]) << "redo to " << i;
        ExpectSettled("after a redo");
    }
    EXPECT_FALSE(form->redoAction()->isEnabled());
    EXPECT_EQ(Slider()->value(), 2) << "the Anthro Level page shows the level made again";

    // The other pages follow too.
    PressUndo(Categories());
    OpenCategory(kSpeciesCategory);
    EXPECT_EQ(List(38)->currentIndex(), 5);
    PressUndo(Categories());
    EXPECT_EQ(List(38)->currentIndex(), static_cast<int>(records[2].speciesFamily));
    OpenCategory(kTraitCategory);
    EXPECT_TRUE(Box(21)->isChecked());
    PressUndo(Categories());
    EXPECT_FALSE(Box(21)->isChecked()) << "the page shown follows the undo";
    PressRedo(Categories());
    EXPECT_TRUE(Box(21)->isChecked());
}

TEST_F(History, ANewAnswerAfterAnUndoDropsWhatRedoWouldHaveMade) {
    OpenCategory(AnthroLevel());
    for (const int level : {3, 5, 7}) {
        MoveSlider(level);
        ClickUpdate();
    }
    PressUndo(Categories());
    // The read-only help text keeps no undo keys of its own.
    Description()->setFocus();
    PressUndo(Description());
    EXPECT_EQ(record.anthroLevel, 3u);
    EXPECT_TRUE(form->redoAction()->isEnabled());
    MoveSlider(1);
    ClickUpdate();
    EXPECT_FALSE(form->redoAction()->isEnabled());
    EXPECT_EQ(Steps()->count(), 2);
    PressRedo(Categories());
    EXPECT_EQ(record.anthroLevel, 1u) << "the dropped steps are gone";
    PressUndo(Categories());
    EXPECT_EQ(record.anthroLevel, 3u);
}

TEST_F(History, WhatChangesNothingIsNoStep) {
    OpenCategory(AnthroLevel());
    ClickUpdate();  // the level it shows already
    PasteLine(CodeLine());
    PasteLine(QStringLiteral("hello"));  // refused
    OpenCategory(kSpeciesCategory);
    Choose(38, List(38)->currentIndex());
    EXPECT_EQ(Steps()->count(), 0);
    EXPECT_FALSE(form->undoAction()->isEnabled());
}

TEST_F(History, TextFieldsKeepTheirOwnUndoKeysWhileTheMenuCommandsUndoAnswers) {
    OpenCategory(AnthroLevel());
    MoveSlider(6);
    ClickUpdate();
    const PROFILE answered = record;
    const QString line = CodeLine();

    // Typing in the code line is taken back by the field's own Ctrl+Z, and made again by its
    // Ctrl+Shift+Z; the answers stay.
    TypeInto(1012, QStringLiteral("2.0FCf5"));
    PressUndo(Field(1012));
    EXPECT_EQ(CodeLine(), line);
    EXPECT_EQ(record, answered);
    PressRedo(Field(1012));
    EXPECT_EQ(CodeLine(), QStringLiteral("2.0FCf5"));
    EXPECT_EQ(record, answered);
    EXPECT_EQ(Steps()->count(), 1);
    PressUndo(Field(1012));
    ASSERT_TRUE(Field(1012)->hasFocus());

    // The command itself still undoes the last answer, also from the field.
    form->undoAction()->trigger();
    EXPECT_EQ(record.anthroLevel, 0u);
    ExpectSettled("after Undo with the focus in the code line");

    // The age field alike, and typing "25" there is one step, whatever the field's own keys
    // did on the way.
    OpenCategory(kAgeCategory);
    ClickBox(31);
    const PROFILE exact = record;
    const QString shown = Field(1013)->text();
    TypeInto(1013, QStringLiteral("25"));
    EXPECT_EQ(record.age, 25u);
    const int steps = Steps()->count();
    PressUndo(Field(1013));
    EXPECT_EQ(Field(1013)->text(), shown);
    EXPECT_EQ(record, exact) << "the field stores what its own undo leaves";
    PressRedo(Field(1013));
    EXPECT_EQ(record.age, 25u);
    EXPECT_EQ(Steps()->count(), steps);
    form->undoAction()->trigger();
    EXPECT_EQ(record, exact) << "the run of typing is taken back at once";
    ExpectSettled("after undoing the typed age");
}

TEST_F(History, ARefusedLineSaysWhyBesideTheFieldAndBlanksAreNoReasonToRefuse) {
    const PROFILE before = record;
    PasteLine(QStringLiteral("hello there"));
    EXPECT_EQ(record, before);
    EXPECT_TRUE(form->codeLineNote().contains(QStringLiteral("does not begin with 2.0F")))
        << form->codeLineNote().toStdString();
    EXPECT_TRUE(form->codeLineNote().contains(QStringLiteral("hello there")));
    EXPECT_TRUE(QApplication::activeModalWidget() == nullptr) << "no box interrupts typing";
    auto* note = form->findChild<QWidget*>(QStringLiteral("codeLineNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(Field(1012)->accessibleDescription(), form->codeLineNote());

    PROFILE fox;
    ASSERT_TRUE(ParseCode("2.0FCf5 V+", fox));
    for (const QString& line : {QStringLiteral("   2.0FCf5 V+\t "),
                                QString(QChar(0xFEFF)) + QStringLiteral("2.0FCf5 V+")}) {
        record = PROFILE();
        form->BuildPage();
        PasteLine(line);
        EXPECT_EQ(record, fox) << line.toStdString();
        EXPECT_EQ(form->codeLineNote(), QString());
        EXPECT_FALSE(note->isVisible());
    }
}

}  // namespace
}  // namespace brindlex::test
