#pragma once

#include <QDialog>

namespace Ui {
class DialogLicense;
}

// The licences of the components the program ships.
class DialogLicense : public QDialog
{
    Q_OBJECT
public:
    explicit DialogLicense(QWidget *parent = nullptr);
    ~DialogLicense() override;

private:
    Ui::DialogLicense *ui;
};
