// Every text of the window fits its control in every language: each page of every category,
// the species lists of every family, the menus, the About box and the "Read a Code Line"
// window, measured with the window's own font.
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/aboutform.h"
#include "app/menucommands.h"
#include "app/readcodeline.h"
#include "profile/categories.h"
#include "tests/gui/driver.h"
#include "tests/translations/fit.h"
#include "translations/languages.h"
#include "ui/controls.h"

namespace brindlex::test {
namespace {

class Fit : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(UseLanguage(QString::fromLatin1(GetParam()))); }
    void TearDown() override {
        WindowTest::TearDown();
        UseLanguage(QStringLiteral("en"));
    }

    void ExpectAllFit(const QWidget& window, const std::string& where) {
        for (const std::string& cut : CutTexts(window)) {
            ADD_FAILURE() << GetParam() << ", " << where << ": " << cut;
        }
    }
};

TEST_P(Fit, EveryPageOfEveryCategory) {
    Open();
    form->setAdultTabShown(true);
    for (int category = 0; category < kCategoryCount; ++category) {
        OpenCategory(category);
        ExpectAllFit(*form, "category " + std::to_string(category));
    }
}

TEST_P(Fit, TheSpeciesListOfEveryFamily) {
    for (unsigned family = 0; family < static_cast<unsigned>(kFamilyCount); ++family) {
        // Past the last species stands "Other", which shows the custom name field too.
        record = PROFILE();
        record.speciesFamily = family;
        record.speciesIndex = static_cast<unsigned>(kFamilies[family].speciesCount()) + 1;
        Open();
        OpenCategory(kSpeciesCategory);
        ExpectAllFit(*form, "family " + std::to_string(family));
        form.reset();
    }
}

TEST_P(Fit, TheMenusTheAboutBoxAndTheReader) {
    Open();
    InstallMenu(*form);
    QApplication::processEvents();  // the menu bar places its titles
    ExpectAllFit(*form->menuBar(), "menu bar");

    ABOUTFORM about(form.get());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    ExpectAllFit(about, "About box");
    about.hide();

    ShowCodeLineReader(*form);
    auto* reader = form->findChild<ReadCodeLineWindow*>(QStringLiteral("readCodeLine"));
    ASSERT_NE(reader, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(reader));
    ExpectAllFit(*reader, "reader, empty");
    auto* input = reader->findChild<QPlainTextEdit*>(QStringLiteral("readerInput"));
    ASSERT_NE(input, nullptr);
    QSignalSpy shown(reader, &ReadCodeLineWindow::readingShown);
    input->setPlainText(QStringLiteral("2.0FCf9 V+ V- O 2 5 Qx Sm+/+-"));
    ASSERT_TRUE(shown.wait(10000));
    ExpectAllFit(*reader, "reader, a line read");
    reader->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, Fit, ::testing::Values("en", "de", "es"));

// The measure itself: a control of each kind, first with a text that fits and then with one
// that does not.
TEST(CutTexts, FindsTheTextsThatDoNotFitTheirControls) {
    QWidget window;
    window.resize(600, 400);
    auto* label = new QLabel(QStringLiteral("Meh..."), &window);
    label->setGeometry(0, 0, 80, 20);
    auto* box = new PoolCheckBox(PoolCheckBox::BoxSide::Left, &window);
    box->setText(QStringLiteral("Winged"));
    box->setGeometry(0, 30, 120, 20);
    auto* list = new QComboBox(&window);
    list->setStyle(new DropDownStyle);
    list->addItem(QStringLiteral("Fox"));
    list->setGeometry(0, 60, 150, 24);
    auto* rows = new QListWidget(&window);
    rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->addItem(QStringLiteral("Hugs"));
    rows->setGeometry(0, 90, 120, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(CutTexts(window).empty());

    const QString tooLong = QStringLiteral("Leashes and Collars and Harnesses and Muzzles");
    for (int kind = 0; kind < 4; ++kind) {
        label->setText(kind == 0 ? tooLong : QStringLiteral("Meh..."));
        box->setText(kind == 1 ? tooLong + QLatin1Char(' ') + tooLong : QStringLiteral("Winged"));
        list->setItemText(0, kind == 2 ? tooLong : QStringLiteral("Fox"));
        rows->item(0)->setText(kind == 3 ? tooLong : QStringLiteral("Hugs"));
        const std::vector<std::string> cut = CutTexts(window);
        ASSERT_EQ(cut.size(), 1u) << "control " << kind;
        EXPECT_NE(cut.front().find(tooLong.left(8).toStdString()), std::string::npos)
            << cut.front();
    }
}

}  // namespace
}  // namespace brindlex::test
