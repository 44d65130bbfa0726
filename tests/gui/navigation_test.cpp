// Tabs, the category list, the remembered rows and the window's own keys.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTest>

#include "profile/categories.h"
#include "tests/gui/driver.h"

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
    EXPECT_EQ(form->CurrentCategoryIndex(), kSpeciesCategory);
    EXPECT_EQ(Categories()->currentItem()->text(), "Species");
    EXPECT_EQ(CodeLine(),
              "2.0F?0 V# M# D# H# I# P# R# T# L# Yp# W# O# C# G# E# F# B# N# J# A# S##");
    EXPECT_EQ(form->windowTitle(), "Brindlex 2.0");
    EXPECT_FALSE(form->isCodeLineEdited());
    ExpectSettled("after opening");
}

TEST_F(Navigation, EachTabRemembersItsRow) {
    const int hugs = CategoryNamed("Hugs");
    const int pets = CategoryNamed("Pets");
    ASSERT_EQ(TabRowOf(hugs).tab, 0);
    ASSERT_EQ(TabRowOf(pets).tab, 1);
    Open();
    ClickRow(TabRowOf(hugs).row);
    ClickTab(1);
    EXPECT_EQ(Categories()->currentRow(), 0) << "a tab not visited yet starts on its first row";
    ClickRow(TabRowOf(pets).row);
    ClickTab(0);
    EXPECT_EQ(Categories()->currentRow(), TabRowOf(hugs).row);
    EXPECT_EQ(Categories()->currentItem()->text(), "Hugs");
    EXPECT_EQ(form->CurrentCategoryIndex(), hugs);
    EXPECT_EQ(Description()->toPlainText().left(8), "6 - If i");
    ClickTab(1);
    EXPECT_EQ(Categories()->currentRow(), TabRowOf(pets).row);
    EXPECT_EQ(Categories()->currentItem()->text(), "Pets");
    EXPECT_EQ(form->CurrentCategoryIndex(), pets);
    EXPECT_EQ(form->rememberedRow(0), TabRowOf(hugs).row);
    ExpectSettled("after switching tabs");
}

TEST_F(Navigation, CategoryIndexCountsAcrossTabs) {
    Open();
    form->setAdultTabShown(true);
    // Every row of every tab is the category of its caption, counted on from tab to tab.
    int next = 0;
    for (int tab = 0; tab < Tabs()->count(); ++tab) {
        ClickTab(tab);
        for (int row = 0; row < Categories()->count(); ++row) {
            ClickRow(row);
            EXPECT_EQ(form->CurrentCategoryIndex(), next) << "tab " << tab << ", row " << row;
            EXPECT_EQ(Categories()->currentItem()->text().toStdString(), CategoryCaption(next));
            ++next;
        }
    }
    EXPECT_EQ(next, kCategoryCount);

    OpenCategory(kWorkCategory);
    EXPECT_EQ(Categories()->currentRow(), 2);
    EXPECT_EQ(Categories()->currentItem()->text(), "Work");
    ClickTab(2);
    EXPECT_EQ(Categories()->count(), 97);
    ClickRow(0);
    EXPECT_EQ(form->CurrentCategoryIndex(), kKinkSwitchCategory);
    ClickRow(96);
    EXPECT_EQ(form->CurrentCategoryIndex(), kCategoryCount - 1);
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

    const int roleplay = CategoryNamed("Interwebs RP");
    OpenCategory(roleplay);
    ClickTab(2);
    ClickRow(10);
    form->setAdultTabShown(false);
    EXPECT_FALSE(form->adultTabShown());
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(form->CurrentCategoryIndex(), roleplay) << "back on the row last left on tab 0";
    ExpectSettled("after hiding the selected adult tab");

    form->setAdultTabShown(true);
    OpenCategory(kCompyCategory);
    form->setAdultTabShown(false);
    EXPECT_EQ(form->CurrentCategoryIndex(), kCompyCategory)
        << "hiding an unselected tab keeps the page";
    ExpectSettled("after hiding the adult tab from tab 1");
}

TEST_F(Navigation, EnterDoesNothingAndEscapeCloses) {
    Open();
    OpenCategory(CategoryNamed("Hugs"));
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
    OpenCategory(CategoryNamed("Anthro Level"));
    ASSERT_TRUE(Categories()->hasFocus());
    QTest::keyClick(Categories(), Qt::Key_Down);
    EXPECT_EQ(form->CurrentCategoryIndex(), CategoryNamed("Realism"));
    EXPECT_TRUE(Categories()->hasFocus()) << "a page build must not drop the focus";
    EXPECT_EQ(Static(17)->text(), "YES YES YES :D");
    ExpectSettled("after the arrow key");
}

}  // namespace
}  // namespace brindlex::test
