#include "tests/gui/driver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTest>

#include "codec/codec.h"
#include "profile/categories.h"

namespace brindlex::test {

namespace {

template <typename T>
T* Find(const MAINFORM& form, int id) {
    T* control = form.findChild<T*>(QString::number(id));
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

}  // namespace

TabRow TabRowOf(int category) {
    for (int tab = static_cast<int>(kTabFirstCategory.size()) - 1; tab >= 0; --tab) {
        const int first = kTabFirstCategory[static_cast<std::size_t>(tab)];
        if (category >= first) {
            return {tab, category - first};
        }
    }
    return {-1, -1};
}

int CategoryNamed(std::string_view caption, int tab) {
    int found = -1;
    int matches = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        if (CategoryCaption(category) == caption && (tab < 0 || TabRowOf(category).tab == tab)) {
            found = category;
            ++matches;
        }
    }
    EXPECT_EQ(matches, 1) << "categories captioned \"" << caption << "\" on tab " << tab;
    return matches == 1 ? found : -1;
}

void WindowTest::TearDown() {
    if (form) {
        form->hide();
        form.reset();
    }
}

void WindowTest::Open() {
    form = std::make_unique<MAINFORM>(record);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

QTabBar* WindowTest::Tabs() const {
    return form->tabBar();
}
QListWidget* WindowTest::Categories() const {
    return Find<QListWidget>(*form, 1004);
}
QPlainTextEdit* WindowTest::Description() const {
    return Find<QPlainTextEdit>(*form, 1006);
}
QLineEdit* WindowTest::Field(int id) const {
    return Find<QLineEdit>(*form, id);
}
QPushButton* WindowTest::UpdateButton() const {
    return Find<QPushButton>(*form, 1018);
}
QSlider* WindowTest::Slider() const {
    return Find<QSlider>(*form, 16);
}
QLabel* WindowTest::Static(int id) const {
    return Find<QLabel>(*form, id);
}
QCheckBox* WindowTest::Box(int id) const {
    return Find<QCheckBox>(*form, id);
}
QComboBox* WindowTest::List(int id) const {
    return Find<QComboBox>(*form, id);
}

void WindowTest::ClickTab(int tab) {
    QTabBar* bar = Tabs();
    ASSERT_LT(tab, bar->count());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    ASSERT_EQ(bar->currentIndex(), tab);
}

void WindowTest::ClickRow(int row) {
    QListWidget* list = Categories();
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr) << "no row " << row;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    ASSERT_EQ(list->currentRow(), row);
}

void WindowTest::OpenCategory(int category) {
    const TabRow place = TabRowOf(category);
    if (Tabs()->currentIndex() != place.tab) {
        ClickTab(place.tab);
    }
    ClickRow(place.row);
    ASSERT_EQ(form->CurrentCategoryIndex(), category);
}

void WindowTest::Choose(int listId, int entry) {
    QComboBox* list = List(listId);
    ASSERT_TRUE(list->isVisible() && list->isEnabled()) << "list " << listId << " not usable";
    ASSERT_LT(entry, list->count());
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex index = view->model()->index(entry, 0);
    view->scrollTo(index);
    const QPoint where = view->visualRect(index).center();
    // The opened list takes the item under the mouse when the button is released. Qt
    // drops a move to where the mouse already is, so come from elsewhere.
    QTest::mouseMove(view->viewport(), where + QPoint(0, where.y() > 2 ? -2 : 2));
    QTest::mouseMove(view->viewport(), where);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, where);
    ASSERT_FALSE(view->window()->isVisible()) << "list " << listId << " stayed open";
    ASSERT_EQ(list->currentIndex(), entry);
}

void WindowTest::ClickBox(int id) {
    QCheckBox* box = Box(id);
    ASSERT_TRUE(box->isVisible() && box->isEnabled()) << "box " << id << " not usable";
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
}

void WindowTest::ClickUpdate() {
    QPushButton* button = UpdateButton();
    ASSERT_TRUE(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::MoveSlider(int level) {
    QSlider* slider = Slider();
    slider->setSliderDown(true);
    slider->setSliderPosition(level);
    slider->setSliderDown(false);
    ASSERT_EQ(slider->value(), level);
}

namespace {

QRect HandleRect(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.upsideDown = !slider->invertedAppearance();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}

}  // namespace

bool WindowTest::HandleAtTop() const {
    const QRect handle = HandleRect(Slider());
    return handle.top() < Slider()->height() / 4;
}

bool WindowTest::HandleAtBottom() const {
    const QRect handle = HandleRect(Slider());
    return handle.bottom() > Slider()->height() * 3 / 4;
}

void WindowTest::TypeInto(int fieldId, const QString& text) {
    QLineEdit* field = Field(fieldId);
    ASSERT_TRUE(field->isVisible() && field->isEnabled()) << "field " << fieldId;
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(field->hasFocus()) << "field " << fieldId << " took no focus";
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, text);
    }
}

void WindowTest::PressTab() {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), focus) << "Tab did not move the focus";
}

QString WindowTest::CodeLine() const {
    return Field(1012)->text();
}

std::string WindowTest::Composed() const {
    PROFILE copy = record;
    return ComposeCode(copy);
}

QRect WindowTest::UnitsRect(int left, int top, int right, int bottom) const {
    return form->units().rect(left, top, right, bottom);
}

void WindowTest::ExpectSettled(const char* where) const {
    EXPECT_TRUE(form->isEnabled()) << where;
    EXPECT_FALSE(form->isBuildingPage()) << where;
    EXPECT_FALSE(form->isRefreshingCodeLine()) << where;
    EXPECT_FALSE(form->isSettingAgeText()) << where;
    EXPECT_EQ(CodeLine().toStdString(), Composed()) << where;
}

}  // namespace brindlex::test
