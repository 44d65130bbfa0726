// Names for assistive technology: each control says what it asks, never what it holds, and
// the slider gives the word beside its position as its value.
#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include "profile/categories.h"
#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"

namespace brindlex {

namespace {

class LevelSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LevelSliderAccessible(LevelSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return slider()->levelWord(slider()->value());
        }
        return QAccessibleWidget::text(kind);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // Setting a value moves the handle as dragging does; "Update" stores it.
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    LevelSlider* slider() const { return static_cast<LevelSlider*>(widget()); }
};

// Qt names a drop-down list by its entry on Linux, for screen readers that take the question
// from a label beside it; these lists have none, so they carry the question as their name.
class ChoiceListAccessible : public QAccessibleWidget {
public:
    explicit ChoiceListAccessible(ChoiceList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    // The opened list, as the stock interface offers it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    ChoiceList* list() const { return static_cast<ChoiceList*>(widget()); }
};

QAccessibleInterface* ControlFactory(const QString& /*className*/, QObject* object) {
    if (auto* slider = qobject_cast<LevelSlider*>(object)) {
        return new LevelSliderAccessible(slider);
    }
    if (auto* list = qobject_cast<ChoiceList*>(object)) {
        return new ChoiceListAccessible(list);
    }
    return nullptr;
}

void InstallControlFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&ControlFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

// The answer the slider of a category stores, "<name> level".
QString SliderName(const CategoryInfo& row) {
    const QString name = CoreText(text_context::kCategories, row.name);
    return NamesALevel(row.name) ? name : CoreText(text_context::kPageTexts, kSliderName).arg(name);
}

}  // namespace

LevelSlider::LevelSlider(QWidget* parent) : QSlider(Qt::Vertical, parent) {
    InstallControlFactory();
}

QString LevelSlider::levelWord(int level) const {
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const QLabel* mark = m_marks[i];
        if (static_cast<int>(kMarkedLevels[i]) == level && mark != nullptr &&
            mark->isVisibleTo(window())) {
            return mark->text();
        }
    }
    return level > 0 ? QString::number(LevelNumber(static_cast<unsigned>(level))) : QString();
}

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent) {
    InstallControlFactory();
}

void MAINFORM::NameControls() {
    const QString groups = CoreText(text_context::kPageTexts, kTabsName);
    m_tabStrip->setAccessibleName(groups);
    tabBar()->setAccessibleName(groups);
    m_menuBar->setAccessibleName(tr("Menu"));
    m_categoryList->setAccessibleName(CoreText(text_context::kPageTexts, kCategoryListName));
    m_description->setAccessibleName(CoreText(text_context::kPageTexts, kHelpName));
    m_codeLine->setAccessibleName(CoreText(text_context::kPageTexts, kCodeLineName));
    m_update->setAccessibleName(m_update->text());
    m_ageField->setAccessibleName(CoreText(text_context::kPageTexts, kExactAgeName));
    m_customName->setAccessibleName(CoreText(text_context::kPageTexts, kCustomNameName));
    m_slider->setMarks(m_statics);
}

void MAINFORM::NamePageControls(int category) {
    const CategoryInfo& row = CategoryOf(category);
    const ListQuestions lists = ListQuestionsOf(row.page);
    m_list38->setAccessibleName(CoreText(text_context::kListQuestions, lists.first));
    m_list39->setAccessibleName(CoreText(text_context::kListQuestions, lists.second));
    m_slider->setAccessibleName(row.name.empty() ? QString() : SliderName(row));
    for (PoolCheckBox* box : m_boxes) {
        box->setAccessibleName(box->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
}

}  // namespace brindlex
