#include "tests/translations/fit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>

#include "ui/controls.h"

namespace brindlex::test {

namespace {

class Findings {
public:
    explicit Findings(std::vector<std::string>& out) : m_out(out) {}

    // Records `text` of `control` when it needs more than it has.
    void Need(const QWidget& control, const QString& text, QSize needs, QSize has) {
        if (needs.width() <= has.width() && needs.height() <= has.height()) {
            return;
        }
        const QString name = control.objectName().isEmpty()
                                 ? QString::fromLatin1(control.metaObject()->className())
                                 : control.objectName();
        m_out.push_back(QStringLiteral("%1: '%2' needs %3x%4 px, has %5x%6 px")
                            .arg(name, text)
                            .arg(needs.width())
                            .arg(needs.height())
                            .arg(has.width())
                            .arg(has.height())
                            .toStdString());
    }

private:
    std::vector<std::string>& m_out;
};

QString WithoutAccessMark(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
}

// The size `text` takes when drawn into `room` with `flags`.
QSize Drawn(const QFontMetrics& metrics, const QRect& room, int flags, const QString& text) {
    return metrics.boundingRect(room, flags, text).size();
}

void CheckLabel(Findings& found, const QLabel& label) {
    const QRect room = label.contentsRect();
    const int flags =
        static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    // A label with a buddy shows its access letter underlined, without the "&".
    const QString text = label.buddy() != nullptr ? WithoutAccessMark(label.text()) : label.text();
    found.Need(label, text, Drawn(label.fontMetrics(), room, flags, text), room.size());
}

void CheckPoolBox(Findings& found, const PoolCheckBox& box) {
    const QRect room = box.labelRect();
    found.Need(box, box.text(), Drawn(box.fontMetrics(), room, box.labelFlags(), box.text()),
               room.size());
}

void CheckButton(Findings& found, const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QString text = WithoutAccessMark(button.text());
    found.Need(button, text, Drawn(button.fontMetrics(), room, Qt::AlignCenter, text), room.size());
}

void CheckComboBox(Findings& found, const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    // The label is drawn one pixel in from each side of the field.
    const QRect room =
        list.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
            .adjusted(1, 0, -1, 0);
    for (int i = 0; i < list.count(); ++i) {
        const QString text = list.itemText(i);
        found.Need(list, text,
                   Drawn(list.fontMetrics(), room, Qt::AlignLeft | Qt::AlignVCenter, text),
                   room.size());
    }
}

void CheckLineEdit(Findings& found, const QLineEdit& field) {
    if (field.placeholderText().isEmpty() || !field.text().isEmpty()) {
        return;
    }
    // What QLineEdit leaves for text: its contents, less its text margins and two pixels a side.
    const QRect room =
        field.contentsRect().marginsRemoved(field.textMargins()).adjusted(2, 0, -2, 0);
    found.Need(field, field.placeholderText(),
               QSize(field.fontMetrics().horizontalAdvance(field.placeholderText()), 0),
               QSize(room.width(), 0));
}

void CheckTabs(Findings& found, const QTabBar& tabs) {
    for (int i = 0; i < tabs.count(); ++i) {
        // A tab takes its text and the style's room around it, as its size hint does.
        const int room = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
        const QString text = WithoutAccessMark(tabs.tabText(i));
        found.Need(tabs, text, QSize(tabs.fontMetrics().horizontalAdvance(text) + room, 0),
                   QSize(tabs.tabRect(i).width(), 0));
    }
}

void CheckItemView(Findings& found, const QAbstractItemView& view) {
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) {
        return;
    }
    const auto* header = qobject_cast<const QHeaderView*>(&view);
    if (header != nullptr) {
        for (int i = 0; i < header->count(); ++i) {
            if (!header->isSectionHidden(i)) {
                found.Need(view, model->headerData(i, header->orientation()).toString(),
                           QSize(header->sectionSizeHint(i), 0), QSize(header->sectionSize(i), 0));
            }
        }
        return;
    }
    // A view that scrolls sideways shows each row whole, and tables show each cell whole in
    // its tooltip; a list without a horizontal scroll bar must fit its rows.
    if (qobject_cast<const QListWidget*>(&view) == nullptr ||
        view.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        return;
    }
    const int width = view.viewport()->width();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        found.Need(view, index.data().toString(), QSize(view.sizeHintForIndex(index).width(), 0),
                   QSize(width, 0));
    }
}

void CheckMenuBar(Findings& found, const QMenuBar& bar) {
    for (QAction* action : bar.actions()) {
        const QRect at = bar.actionGeometry(action);
        // An item that does not fit is moved into the bar's extension menu and has no place.
        const bool placed = !at.isEmpty() && bar.rect().contains(at);
        found.Need(bar, WithoutAccessMark(action->text()), QSize(placed ? 0 : 1, 0), QSize(0, 0));
    }
}

}  // namespace

std::vector<std::string> CutTexts(const QWidget& root) {
    std::vector<std::string> out;
    Findings found(out);
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<QWidget*>()) {
        widgets.append(child);
    }
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&root) && widget != &root) {
            continue;
        }
        if (const auto* box = qobject_cast<const PoolCheckBox*>(widget)) {
            CheckPoolBox(found, *box);
        } else if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
            found.Need(*check, check->text(), check->sizeHint(), check->size());
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            CheckLabel(found, *label);
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            CheckButton(found, *button);
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            CheckComboBox(found, *list);
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            CheckLineEdit(found, *field);
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            CheckTabs(found, *tabs);
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            CheckItemView(found, *view);
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            CheckMenuBar(found, *bar);
        }
    }
    return out;
}

}  // namespace brindlex::test
