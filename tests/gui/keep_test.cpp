// No answer is lost: typing not yet stored, wheel steps, the selected row, and a custom name
// of a species without a letter.
#include <functional>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include "codec/codec.h"
#include "profile/categories.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

class Keep : public WindowTest {
protected:
    void SetUp() override { Open(); }

    // One wheel step up over the middle of `control`, as the mouse sends i
    static void WheelOver(QWidget* control) {
        const QPointF at = QRectF(control->rect()).center();
        QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &wheel);
    }
};

TEST_F(Keep, TypingSurvivesATabClickARowClickAndTheNextPage) {
    // Each case types into a field and leaves it by a click elsewhere, without Tab.
    struct Case {
        const char* what;
        std::function<void()> type;
        std::function<bool(const PROFILE&)> stored;
    };
    const Case cases[] = {
        {"custom name",
         [this] {
             OpenCategory(kSpeciesCategory);
             Choose(38, static_cast<int>(kFamilyOther));
             TypeInto(40, QStringLiteral("Gryphon"));
         },
         [](const PROFILE& p) { return p.customSpeciesName == "Gryphon"; }},
        {"exact age",
         [this] {
             OpenCategory(kAgeCategory);
             ClickBox(31);
             TypeInto(1013, QStringLiteral("42"));
         },
         [](const PROFILE& p) { return p.age == 42; }},
        {"code line", [this] { TypeInto(1012, QStringLiteral("2.0FCf5 V++ J-")); },
         [](const PROFILE& p) { return p.artLevel == 6 && p.animeLevel == 3; }},
    };
    const std::function<void()> leaves[] = {
        [this] { ClickTab(1 - Tabs()->currentIndex()); },
        [this] { ClickRow(Categories()->currentRow() == 2 ? 3 : 2); },
    };
    for (const Case& c : cases) {
        for (const auto& leave : leaves) {
            record = PROFILE();
            form->ReplaceAnswers(PROFILE(), StepName{"brindlex::MenuCommands", "Start Over"});
            c.type();
            leave();
            EXPECT_TRUE(c.stored(record)) << c.what << ": " << CodeLine().toStdString();
            ExpectSettled(c.what);
        }
    }
    EXPECT_NE(CodeLine().indexOf(QStringLiteral(" J-")), -1);
}

TEST_F(Keep, AWheelStepChangesNoUnfocusedListOrSlider) {
    record.speciesFamily = kFamilyOther;
    record.customSpeciesName = "Gryphon";
    OpenCategory(kSpeciesCategory);
    form->BuildPage();
    Categories()->setFocus();
    WheelOver(List(38));
    EXPECT_EQ(record.speciesFamily, kFamilyOther);
    EXPECT_EQ(record.customSpeciesName, "Gryphon");
    EXPECT_EQ(List(38)->currentIndex(), static_cast<int>(kFamilyOther));

    OpenCategory(kFursuitsCategory);
    MoveSlider(3);
    Categories()->setFocus();
    WheelOver(Slider());
    EXPECT_EQ(Slider()->value(), 3);

    // With the focus, the slider takes the wheel as Qt's sliders do.
    Slider()->setFocus();
    WheelOver(Slider());
    EXPECT_NE(Slider()->value(), 3);
}

TEST_F(Keep, CtrlClickOnTheSelectedRowLeavesItSelected) {
    const int roleplay = CategoryNamed("Interwebs RP");
    OpenCategory(roleplay);
    const int shown = Categories()->currentRow();
    const QRect row = Categories()->visualItemRect(Categories()->item(shown));
    QTest::mouseClick(Categories()->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    EXPECT_EQ(Categories()->selectedItems().size(), 1);
    EXPECT_EQ(Categories()->currentRow(), shown);
    EXPECT_EQ(form->CurrentCategoryIndex(), roleplay);
    ExpectSettled("after Ctrl+click");
}

TEST_F(Keep, SpeciesPageShowsTheNameOfASpeciesWithoutALetter) {
    record.speciesFamily = 3;  // "Canidae (Dog)"
    record.speciesIndex = 0;
    record.customSpeciesName = "Foxdog";
    const PROFILE before = record;
    OpenCategory(kSpeciesCategory);
    form->BuildPage();
    EXPECT_EQ(List(39)->currentText(), QStringLiteral("Other"));
    ASSERT_TRUE(Field(40)->isVisible());
    EXPECT_EQ(Field(40)->text(), QStringLiteral("Foxdog"));
    EXPECT_EQ(record, before) << "showing the page changes nothing";
    EXPECT_NE(CodeLine().indexOf(QStringLiteral("[Foxdog]")), -1);
}

}  // namespace
}  // namespace brindlex::test
