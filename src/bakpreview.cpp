#include "bakpreview.h"
#include "ui_bakpreview.h"

#include <QPushButton>

BakPreview::BakPreview(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::BakPreview)
{
    ui->setupUi(this);
    ui->textEdit->setReadOnly(true);
    QPushButton *restoreButton = ui->buttonBox->addButton(tr("Restore"), QDialogButtonBox::ActionRole);
    restoreButton->setObjectName(QStringLiteral("restoreButton"));
    connect(restoreButton, &QPushButton::clicked, this, [this] {
        restore = true;
        accept();
    });
}

BakPreview::~BakPreview()
{
    delete ui;
}

void BakPreview::setText(const QString &text)
{
    ui->textEdit->setPlainText(text);
}
