#pragma once

#include <QDialog>
#include <QString>

class LatexHighlight;

namespace Ui {
class LaTeXEditorDialog;
}

// The modal dialog in which formulas are typed. `formula` holds the text
// accepted last; only OK changes it.
class LaTeXEditorDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LaTeXEditorDialog(QWidget *parent = nullptr);
    ~LaTeXEditorDialog() override;

    void setFormula(const QString &text);

    QString formula;

private slots:
    void on_buttonBox_accepted();

private:
    Ui::LaTeXEditorDialog *ui;
    LatexHighlight *highlighter = nullptr;
};
