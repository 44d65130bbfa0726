// Controls of the main window whose behaviour the stock Qt widgets do not have.
#pragma once

#include <string_view>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QValidator>
#include <QWidget>

#include "ui/coretext.h"

class QLineEdit;
class QTabBar;

namespace brindlex {

// A check box whose label wraps onto as many lines as its rectangle holds, with the box
// either left of the label or right of a right-aligned label. The whole rectangle takes
// clicks, and the box sits at its vertical middle.
class PoolCheckBox : public QCheckBox {
    Q_OBJECT
public:
    enum class BoxSide { Left, Right };

    PoolCheckBox(BoxSide side, QWidget* parent);

    // Where the label is drawn: the rectangle beside the box, and the flags it is drawn with.
    QRect labelRect() const;
    int labelFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    BoxSide m_side;
};

// The tab strip: a row of tabs over a framed panel. The category list and the page
// controls lie on top of the panel.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent);

    QTabBar* bar() const { return m_bar; }
    // Tab changes made here raise no tab signals.
    void insertTab(int index, const QString& text);
    void removeTab(int index);
    void setTabText(int index, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect panelRect() const;
    void placeBar();

    QTabBar* m_bar;
};

// Drop-down lists that open below their field with a scroll bar, in every widget style, and
// whose closed field gives its text the room up to the arrow, which the rectangles of the
// lists need for their longest entries.
class DropDownStyle : public QProxyStyle {
    Q_OBJECT
public:
    DropDownStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

// A multi-line text field that takes only plain text from the clipboard, the selection and
// drops. Qt 6.4's own paste reads the clipboard's data after its owner may have gone and then
// crashes; like a single-line field, this one asks the clipboard for its text alone.
class PlainTextField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlainTextField(QWidget* parent);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// Refuses input that would not fit into the visible width of its field, so that typing
// stops when the field is full.
class FitsWidthValidator : public QValidator {
    Q_OBJECT
public:
    explicit FitsWidthValidator(QLineEdit* field);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_field;
};

}  // namespace brindlex
