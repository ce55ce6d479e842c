#include "aboutdialog.h"

#include "ui_aboutdialog.h"

aboutDialog::aboutDialog(QWidget *parent) : QDialog(parent), ui(new Ui::aboutDialog)
{
    ui->setupUi(this);
}

aboutDialog::~aboutDialog()
{
    delete ui;
}

void aboutDialog::setText(const QString &html)
{
    ui->textBrowser->setHtml(html);
}

QString aboutDialog::aboutText(const QString &productName, const QString &version)
{
    return QStringLiteral("<html><body style=\"font-family:'SimSun'; font-size:9pt;\">"
                          "<p><span style=\"font-size:28pt;\">%1</span>"
                          "<span style=\"font-size:18pt;\"> %2</span></p>"
                          "<p style=\"font-size:14pt;\">&nbsp;</p>"
                          "<p style=\"font-size:14pt; font-weight:bold;\">%3 %4</p>"
                          "</body></html>")
        .arg(productName.toHtmlEscaped(),
             tr("is an easily accessible Markdown editing tool. Users can use it to write documents and it also "
                "supports exporting to PDF and other features.")
                 .toHtmlEscaped(),
             tr(" version %1").arg(version).toHtmlEscaped(), tr("by the Penwick developers").toHtmlEscaped());
}
