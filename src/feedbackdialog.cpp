#include "feedbackdialog.h"

#include "productlinks.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QVBoxLayout>

FeedbackDialog::FeedbackDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Feedback"));
    setFixedSize(320, 160);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *mail = new QPushButton(tr("Email Feedback"), this);
    mail->setObjectName(QStringLiteral("emailButton"));
    auto *issue = new QPushButton(tr("GitHub Feedback"), this);
    issue->setObjectName(QStringLiteral("githubButton"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton *button : {mail, issue, close})
        layout->addWidget(button);
    connect(mail, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(ProductLinks::feedbackMail());
        accept();
    });
    connect(issue, &QPushButton::clicked, this, [this] { done(IssueChosen); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}
