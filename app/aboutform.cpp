#include "app/aboutform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/links.h"

namespace brindlex {

ABOUTFORM::ABOUTFORM(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Brindlex"));

    auto* text = new QLabel(AboutText(), this);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMinimumWidth(400);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString ABOUTFORM::AboutText() {
    return QStringLiteral("Brindlex 2.0\n\n") +
           tr("This program was created for people to define their furry involvement and life "
              "stylings.  The old code was wayyyyy outdated and needed to be updated to fit the "
              "needs of today's current furry culture.") +
           QStringLiteral("\n\n") + tr("VERSION: %1").arg(QStringLiteral("1.3")) +
           QStringLiteral("\n") + tr("Designed by the Brindlex developers") + QStringLiteral("\n") +
           QString::fromLatin1(kHomePage);
}

}  // namespace brindlex
