#include "findpanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *button(QWidget *parent, const char *objectName)
{
    auto *made = new QPushButton(parent);
    made->setObjectName(QLatin1String(objectName));
    made->setAutoDefault(false);
    return made;
}
}

FindPanel::FindPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *group = new QGroupBox(this);
    group->setFixedHeight(85);
    outer->addWidget(group);

    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setSpacing(5);
    grid->setColumnStretch(1, 1);

    findLabel = new QLabel(group);
    findLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    findEdit = new QLineEdit(group);
    findEdit->setObjectName(QStringLiteral("findEdit"));
    findEdit->setClearButtonEnabled(true);
    findPreviousButton = button(group, "findPreviousButton");
    findNextButton = button(group, "findNextButton");
    caseSensitiveBox = new QCheckBox(group);
    caseSensitiveBox->setObjectName(QStringLiteral("caseSensitiveBox"));
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(findEdit, 0, 1);
    grid->addWidget(findPreviousButton, 0, 2);
    grid->addWidget(findNextButton, 0, 3);
    grid->addWidget(caseSensitiveBox, 0, 4);

    replaceLabel = new QLabel(group);
    replaceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    replaceEdit = new QLineEdit(group);
    replaceEdit->setObjectName(QStringLiteral("replaceEdit"));
    replaceEdit->setClearButtonEnabled(true);
    replaceButton = button(group, "replaceButton");
    replaceAndFindButton = button(group, "replaceAndFindButton");
    replaceAllButton = button(group, "replaceAllButton");
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(replaceEdit, 1, 1);
    grid->addWidget(replaceButton, 1, 2);
    grid->addWidget(replaceAndFindButton, 1, 3);
    grid->addWidget(replaceAllButton, 1, 4);

    retranslate();
}

void FindPanel::retranslate()
{
    findLabel->setText(tr("Find:"));
    findEdit->setPlaceholderText(tr("keyword..."));
    findPreviousButton->setText(tr("Find Previous"));
    findNextButton->setText(tr("Find Next"));
    caseSensitiveBox->setText(tr("Case Sensitive"));
    replaceLabel->setText(tr("Replace with:"));
    replaceButton->setText(tr("Replace"));
    replaceAndFindButton->setText(tr("Replace && Find"));
    replaceAllButton->setText(tr("Replace All"));
}

void FindPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
