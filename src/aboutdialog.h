#pragma once

#include <QDialog>

namespace Ui {
class aboutDialog;
}

// Names the product, what it is for, and its version.
class aboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit aboutDialog(QWidget *parent = nullptr);
    ~aboutDialog() override;

    void setText(const QString &html);
    // The dialog's text for `productName` at `version`.
    static QString aboutText(const QString &productName, const QString &version);

private:
    Ui::aboutDialog *ui;
};
