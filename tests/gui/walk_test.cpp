// Every category of every tab, answered with every control its page shows: the code line
// always shows the record, and the window always takes input again.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>

#include "profile/categories.h"
#include "tests/gui/driver.h"

namespace brindlex::test {
namespace {

class Walk : public WindowTest {
protected:
    void Settled(int category, const char* event) {
        const std::string where = "category " + std::to_string(category) + ", " + event;
        ExpectSettled(where.c_str());
    }

    // Uses every visible control of the current page once.
    void AnswerPage(int category, int turn) {
        if (UpdateButton()->isVisible() && UpdateButton()->isEnabled()) {
            MoveSlider((category + turn) % 8);
            ClickUpdate();
            Settled(category, "Update");
        }
        for (int id = 21; id <= 37; ++id) {
            if (Box(id)->isVisible() && Box(id)->isEnabled()) {
                ClickBox(id);
                Settled(category, "box");
            }
        }
        for (int id : {38, 39}) {
            QComboBox* list = List(id);
            if (list->isVisible() && list->isEnabled() && list->count() > 0) {
                Choose(id, (category + turn) % list->count());
                Settled(category, "list");
            }
        }
    }
};

TEST_F(Walk, EveryCategoryOfEveryTab) {
    Open();
    form->setAdultTabShown(true);
    for (int turn = 0; turn < 2; ++turn) {
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            ClickTab(tab);
            Settled(kTabFirstCategory[static_cast<std::size_t>(tab)], "tab");
            for (int row = 0; row < Categories()->count(); ++row) {
                ClickRow(row);
                const int category = form->CurrentCategoryIndex();
                ASSERT_EQ(category, kTabFirstCategory[static_cast<std::size_t>(tab)] + row);
                Settled(category, "row");
                AnswerPage(category, turn);
            }
        }
    }
    EXPECT_NE(record, PROFILE()) << "the walk answered something";
}

}  // namespace
}  // namespace brindlex::test
