#include "BakPreview.h"
#include "ui_BakPreview.h"

BakPreview::BakPreview(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::BakPreview)
{
    ui->setupUi(this);
}

BakPreview::~BakPreview()
{
    delete ui;
}

void BakPreview::setText(const QString &text)
{
    ui->textEdit->setPlainText(text);
}
