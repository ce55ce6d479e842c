#pragma once

#include <QDialog>

namespace Ui {
class BakPreview;
}

// Shows the stored text of one backup file.
class BakPreview : public QDialog
{
    Q_OBJECT
public:
    explicit BakPreview(QWidget *parent = nullptr);
    ~BakPreview() override;

    void setText(const QString &text);

private:
    Ui::BakPreview *ui;
};
