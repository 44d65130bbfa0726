// Tabs, the category list, the remembered rows and the window's own keys.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTest>

#include "driver.h"

namespace brindlex::test {
namespace {

class Navigation : public WindowTest {};

TEST_F(Navigation, OpensOnSpeciesWithTheAllZeroLine) {
    Open();
    EXPECT_EQ(Tabs()->count(), 2);
    EXPECT_EQ(Tabs()->tabText(0), "Furryness");
    EXPECT_EQ(Tabs()->tabText(1), "Humanness");
    EXPECT_EQ(Categories()->count(), 13);
    EXPECT_EQ(Categories()->currentRow(), 0);
    EXPECT_EQ(form->CurrentCategoryIndex(), 0);
    EXPECT_EQ(CodeLine(),
              "2.0F?0 V# M# D# H# I# P# R# T# L# Yp# W# O# C# G# E# F# B# N# J# A# S##");
    EXPECT_EQ(form->windowTitle(), "Brindlex 2.0");
    EXPECT_FALSE(form->isCodeLineEdited());
    ExpectSettled("after opening");
}

TEST_F(Navigation, EachTabRemembersItsRow) {
    Open();
    ClickRow(7);  // Hugs
    ClickTab(1);
    EXPECT_EQ(Categories()->currentRow(), 0) << "a tab not visited yet starts on its first row";
    ClickRow(5);  // Pets
    ClickTab(0);
    EXPECT_EQ(Categories()->currentRow(), 7);
    EXPECT_EQ(form->CurrentCategoryIndex(), 7);
    EXPECT_EQ(Description()->toPlainText().left(8), "6 - If i");
    ClickTab(1);
    EXPECT_EQ(Categories()->currentRow(), 5);
    EXPECT_EQ(form->CurrentCategoryIndex(), 18);
    EXPECT_EQ(form->rememberedRow(0), 7);
    ExpectSettled("after switching tabs");
}

TEST_F(Navigation, CategoryIndexCountsAcrossTabs) {
    Open();
    form->setAdultTabShown(true);
    OpenCategory(15);
    EXPECT_EQ(Categories()->currentItem()->text(), "Work");
    ClickTab(2);
    EXPECT_EQ(Categories()->count(), 97);
    ClickRow(0);
    EXPECT_EQ(form->CurrentCategoryIndex(), 24);
    ClickRow(96);
    EXPECT_EQ(form->CurrentCategoryIndex(), 120);
    EXPECT_EQ(Categories()->currentItem()->text(), "Watersports");
    ExpectSettled("on the last kink");
}

TEST_F(Navigation, NoSelectedRowShowsTheErrorPageAndIsRemembered) {
    Open();
    ClickRow(3);
    Categories()->setCurrentIndex(QModelIndex());
    EXPECT_EQ(form->CurrentCategoryIndex(), -1);
    EXPECT_EQ(Description()->toPlainText(), "Error!");
    EXPECT_FALSE(Slider()->isVisible());
    ExpectSettled("on the error page");

    ClickTab(1);
    ClickTab(0);
    EXPECT_EQ(Categories()->currentRow(), -1);
    EXPECT_EQ(Description()->toPlainText(), "Error!");
    ExpectSettled("back on a tab without a row");
}

TEST_F(Navigation, AdultTabComesAndGoes) {
    Open();
    form->setAdultTabShown(true);
    form->setAdultTabShown(true);
    EXPECT_EQ(Tabs()->count(), 3) << "never a fourth tab";
    EXPECT_EQ(Tabs()->tabText(2), "Yiffyness");
    EXPECT_EQ(Tabs()->currentIndex(), 0);

    ClickRow(4);
    ClickTab(2);
    ClickRow(10);
    form->setAdultTabShown(false);
    EXPECT_FALSE(form->adultTabShown());
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(form->CurrentCategoryIndex(), 4) << "back on the row last left on tab 0";
    ExpectSettled("after hiding the selected adult tab");

    form->setAdultTabShown(true);
    ClickTab(1);
    ClickRow(8);
    form->setAdultTabShown(false);
    EXPECT_EQ(form->CurrentCategoryIndex(), 21) << "hiding an unselected tab keeps the page";
    ExpectSettled("after hiding the adult tab from tab 1");
}

TEST_F(Navigation, EnterDoesNothingAndEscapeCloses) {
    Open();
    OpenCategory(7);
    TypeInto(1012, "2.0FC");
    QSignalSpy finished(form.get(), &QDialog::finished);
    QTest::keyClick(Field(1012), Qt::Key_Return);
    QTest::keyClick(Field(1012), Qt::Key_Enter);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(record.speciesFamily, 0u) << "Enter must not read the code line";
    EXPECT_EQ(CodeLine(), "2.0FC");

    QTest::keyClick(Categories(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().toInt(), QDialog::Rejected);
}

TEST_F(Navigation, KeyboardInTheListBuildsPagesAndKeepsTheFocus) {
    Open();
    ClickRow(2);
    ASSERT_TRUE(Categories()->hasFocus());
    QTest::keyClick(Categories(), Qt::Key_Down);
    EXPECT_EQ(form->CurrentCategoryIndex(), 3);
    EXPECT_TRUE(Categories()->hasFocus()) << "a page build must not drop the focus";
    EXPECT_EQ(Static(17)->text(), "YES YES YES :D");
    ExpectSettled("after the arrow key");
}

}  // namespace
}  // namespace brindlex::test
