#include "dialoglicense.h"

#include "ui_dialoglicense.h"

#include <QFile>

DialogLicense::DialogLicense(QWidget *parent) : QDialog(parent), ui(new Ui::DialogLicense)
{
    ui->setupUi(this);
    QFile page(QStringLiteral(":/resources/Licenses.html"));
    if (page.open(QIODevice::ReadOnly))
        ui->textBrowser->setHtml(QString::fromUtf8(page.readAll()));
}

DialogLicense::~DialogLicense()
{
    delete ui;
}
