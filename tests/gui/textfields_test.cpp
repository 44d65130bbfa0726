// Typing into the code line, the exact age and the custom species name.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>

#include "codec/codec.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

class TextFields : public WindowTest {
protected:
    void SetUp() override { Open(); }
};

TEST_F(TextFields, PastedCodeLineReplacesEveryAnswerAndRedrawsThePage) {
    record.hugsLevel = 2;
    record.compyFlags = 3;
    OpenCategory(kAgeCategory);
    const std::string pasted =
        "2.0FCw2cv V+ M- D# H+++ I# P# R# T# L# Yf# W# O35 C# G# E# F# B# "
        "N# J# A# Sf##";
    PROFILE expected;
    ASSERT_TRUE(ParseCode(pasted, expected));

    QApplication::clipboard()->setText(QString::fromStdString(pasted));
    QTest::mouseClick(Field(1012), Qt::LeftButton);
    QTest::keyClick(Field(1012), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Field(1012), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(CodeLine().toStdString(), pasted);
    EXPECT_EQ(record.hugsLevel, 2u) << "nothing is read while the user types";
    PressTab();

    EXPECT_EQ(record, expected);
    EXPECT_EQ(CodeLine().toStdString(), ComposeCode(expected));
    EXPECT_FALSE(form->isCodeLineEdited());
    EXPECT_TRUE(Box(31)->isChecked()) << "the age page shows the pasted exact age";
    EXPECT_EQ(Field(1013)->text(), "35");
    EXPECT_EQ(List(38)->currentText(), "Female");
    ExpectSettled("after the pasted line");
}

TEST_F(TextFields, UnreadableLineRestoresThePreviousOne) {
    OpenCategory(CategoryNamed("Hugs"));
    MoveSlider(1);
    ClickUpdate();
    const PROFILE before = record;
    const QString line = CodeLine();
    TypeInto(1012, "hello");
    PressTab();
    EXPECT_EQ(record, before);
    EXPECT_EQ(CodeLine(), line);
    ExpectSettled("after an unreadable line");
}

TEST_F(TextFields, LeavingTheCodeLineWithoutTypingReadsNothing) {
    OpenCategory(CategoryNamed("Hugs"));
    // A name of blanks is not written, so only a parse would drop it.
    record.speciesFamily = 26;
    record.customSpeciesName = "   ";
    MoveSlider(2);
    ClickUpdate();
    const PROFILE before = record;
    QTest::mouseClick(Field(1012), Qt::LeftButton);
    ASSERT_TRUE(Field(1012)->hasFocus());
    EXPECT_FALSE(form->isCodeLineEdited()) << "the program's own writes are no edit";
    MoveSlider(6);
    PressTab();
    EXPECT_EQ(record, before);
    EXPECT_EQ(Slider()->value(), 6) << "no page was rebuilt";
    ExpectSettled("after entering and leaving the code line");
}

TEST_F(TextFields, AgeFieldStoresEveryKeystroke) {
    OpenCategory(kAgeCategory);
    ClickBox(31);
    QLineEdit* age = Field(1013);
    TypeInto(1013, "");
    EXPECT_EQ(record.age, 0u);

    QTest::keyClick(age, Qt::Key_2);
    EXPECT_EQ(record.age, 2u);
    QTest::keyClick(age, Qt::Key_5);
    EXPECT_EQ(record.age, 25u);
    EXPECT_TRUE(CodeLine().contains(" O25 "));
    ExpectSettled("after typing 25");

    const std::pair<const char*, unsigned> typed[] = {
        {"7", 7u}, {"120", 120u}, {"121", 120u}, {"999", 120u}, {"0", 0u}};
    for (const auto& [text, stored] : typed) {
        TypeInto(1013, text);
        EXPECT_EQ(record.age, stored) << text;
    }
    EXPECT_EQ(age->text(), "0");
    TypeInto(1013, "999");
    EXPECT_EQ(age->text(), "120");
    TypeInto(1013, "4a5b");
    EXPECT_EQ(age->text(), "45") << "digits only";
    EXPECT_EQ(record.age, 45u);
    TypeInto(1013, "");
    EXPECT_EQ(record.age, 45u) << "emptying the field stores nothing";
    ExpectSettled("after the age field");
}

TEST_F(TextFields, CustomNameStoresExactlyWhatWasTyped) {
    OpenCategory(kSpeciesCategory);
    Choose(38, 26);
    QLineEdit* name = Field(40);
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(name->placeholderText(), "<My Custom Animal>");

    QTest::mouseClick(name, Qt::LeftButton);
    PressTab();
    EXPECT_EQ(record.customSpeciesName, "") << "the hint is never stored";
    EXPECT_FALSE(CodeLine().contains('['));

    TypeInto(40, " Sergal ");
    EXPECT_EQ(record.customSpeciesName, "") << "stored when the field is left";
    PressTab();
    EXPECT_EQ(record.customSpeciesName, " Sergal ");
    EXPECT_TRUE(CodeLine().startsWith("2.0FO[ Sergal ]0"));

    TypeInto(40, "");
    PressTab();
    EXPECT_EQ(record.customSpeciesName, "");
    ExpectSettled("after the custom name");
}

TEST_F(TextFields, CustomNameStopsWhenTheFieldIsFull) {
    OpenCategory(kSpeciesCategory);
    Choose(38, 25);
    TypeInto(40, QString(200, QLatin1Char('W')));
    PressTab();
    const auto stored = record.customSpeciesName.size();
    EXPECT_GT(stored, 0u);
    EXPECT_LT(stored, 200u);
    EXPECT_LE(Field(40)->fontMetrics().horizontalAdvance(Field(40)->text()), Field(40)->width());
}

}  // namespace
}  // namespace brindlex::test
