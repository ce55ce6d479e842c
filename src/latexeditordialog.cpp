#include "latexeditordialog.h"
#include "ui_latexeditordialog.h"

#include "latexhighlight.h"

LaTeXEditorDialog::LaTeXEditorDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LaTeXEditorDialog)
{
    ui->setupUi(this);
    highlighter = new LatexHighlight(ui->plainTextEdit->document());
}

LaTeXEditorDialog::~LaTeXEditorDialog()
{
    delete ui;
}

void LaTeXEditorDialog::setFormula(const QString &text)
{
    ui->plainTextEdit->setPlainText(text);
}

void LaTeXEditorDialog::on_buttonBox_accepted()
{
    formula = ui->plainTextEdit->toPlainText();
}
