#include "issuedialog.h"

#include "productlinks.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

IssueDialog::IssueDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Submit GitHub Issue"));
    setFixedSize(480, 360);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    titleEdit = new QLineEdit(this);
    titleEdit->setObjectName(QStringLiteral("titleEdit"));
    titleEdit->setPlaceholderText(tr("Please enter feedback title..."));
    bodyEdit = new QPlainTextEdit(this);
    bodyEdit->setObjectName(QStringLiteral("bodyEdit"));
    bodyEdit->setPlaceholderText(tr("Please describe your problem or suggestion..."));
    layout->addWidget(titleEdit);
    layout->addWidget(bodyEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *submitButton = new QPushButton(tr("Submit"), this);
    submitButton->setObjectName(QStringLiteral("submitButton"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(submitButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(submitButton, &QPushButton::clicked, this, &IssueDialog::submit);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void IssueDialog::submit()
{
    const QString title = titleEdit->text().trimmed();
    if (title.isEmpty())
        return;
    QDesktopServices::openUrl(ProductLinks::newIssue(title, bodyEdit->toPlainText().trimmed()));
    accept();
}
