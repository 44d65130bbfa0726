// The About box.
#pragma once

#include <QDialog>
#include <QString>

namespace brindlex {

class ABOUTFORM : public QDialog {
    Q_OBJECT

public:
    explicit ABOUTFORM(QWidget* parent = nullptr);

    // What the box says: the program, its purpose, its version, who made it and where.
    static QString AboutText();
};

}  // namespace brindlex
