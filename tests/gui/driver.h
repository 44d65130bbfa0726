// Drives the main window the way a user does: clicks on tabs, rows, boxes and buttons,
// choices in opened drop-down lists, typing, and Tab to leave a field.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include <QString>

#include "profile/profile.h"
#include "ui/mainform.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabBar;
class QWidget;

namespace brindlex::test {

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Shows a window on `record` and waits until it takes input.
    void Open();

    QTabBar* Tabs() const;
    QListWidget* Categories() const;
    QPlainTextEdit* Description() const;
    QLineEdit* Field(int id) const;  // 1012 code line, 1013 age, 40 custom species name
    QPushButton* UpdateButton() const;
    QSlider* Slider() const;
    QLabel* Static(int id) const;
    QCheckBox* Box(int id) const;
    QComboBox* List(int id) const;  // 38 or 39

    void ClickTab(int tab);
    void ClickRow(int row);
    // Clicks the tab and the row of a category; categories of the adult tab need it shown.
    void OpenCategory(int category);
    // Opens the drop-down list and clicks the entry.
    void Choose(int listId, int entry);
    void ClickBox(int id);
    void ClickUpdate();
    // Drags the slider's handle to a level (its value; 7 is at the top) without clicking
    // "Update".
    void MoveSlider(int level);
    // Whether the handle stands at the top (level 7) or the bottom (level 0) of the slider.
    bool HandleAtTop() const;
    bool HandleAtBottom() const;
    // Clicks into the field, selects what it holds and types `text` over it.
    void TypeInto(int fieldId, const QString& text);
    // Presses Tab in the field that has the focus.
    void PressTab();

    QString CodeLine() const;
    // The code line of the record as it stands.
    std::string Composed() const;
    // The position of a control in dialog units, as the pages give them.
    QRect UnitsRect(int left, int top, int right, int bottom) const;

    // The window invariants after any event: enabled, no guard raised, and the code line
    // field showing the record.
    void ExpectSettled(const char* where) const;

    PROFILE record;
    std::unique_ptr<MAINFORM> form;
};

// The tab and row that show a category.
struct TabRow {
    int tab;
    int row;
};
TabRow TabRowOf(int category);

// The category captioned `caption` in the table, or the kink of that name on the adult tab.
// "Specifics" captions a category on every tab: `tab` says which. Fails the test and returns
// -1 unless exactly one category answers.
int CategoryNamed(std::string_view caption, int tab = -1);

}  // namespace brindlex::test
