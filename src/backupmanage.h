#pragma once

#include <QDialog>

class QStandardItemModel;

namespace Ui {
class BackupManage;
}

// Lists the backup files, newest first, and previews, restores or deletes one.
class BackupManage : public QDialog
{
    Q_OBJECT
public:
    explicit BackupManage(QWidget *parent = nullptr);
    ~BackupManage() override;

    void loadBackupList();

signals:
    // The user chose to restore the backup at `path`; the dialog then closes.
    void restoreRequested(const QString &path);

private slots:
    void on_pushButton_clicked();
    void on_btnDel_clicked();

private:
    QString selectedPath() const;

    Ui::BackupManage *ui;
    QStandardItemModel *model;
    QString backupFolder;
};
