#pragma once

#include <QDialog>

namespace Ui {
class BakPreview;
}

// Shows the Markdown of one backup, and offers to restore it.
class BakPreview : public QDialog
{
    Q_OBJECT
public:
    explicit BakPreview(QWidget *parent = nullptr);
    ~BakPreview() override;

    void setText(const QString &text);
    // The user chose to restore the backup.
    bool restoreChosen() const { return restore; }

private:
    Ui::BakPreview *ui;
    bool restore = false;
};
