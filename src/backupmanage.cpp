#include "backupmanage.h"
#include "ui_backupmanage.h"

#include "bakpreview.h"
#include "MsgBoxHelper.h"
#include "backupfiles.h"

#include <QFile>
#include <QHeaderView>
#include <QStandardItemModel>

BackupManage::BackupManage(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::BackupManage)
    , model(new QStandardItemModel(this))
    , backupFolder(BackupFiles::folder())
{
    ui->setupUi(this);
    setWindowTitle(tr("Backup Management"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/logo.png")));
    ui->tableView->setModel(model);
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    ui->tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    loadBackupList();
}

BackupManage::~BackupManage()
{
    delete ui;
}

void BackupManage::loadBackupList()
{
    model->clear();
    model->setColumnCount(2);
    model->setHorizontalHeaderLabels({tr("Name"), tr("Creation Time")});
    for (const QFileInfo &file : BackupFiles::list(backupFolder)) {
        model->appendRow({new QStandardItem(file.fileName()),
                          new QStandardItem(file.birthTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))});
    }
}

QString BackupManage::selectedPath() const
{
    const QModelIndexList rows = ui->tableView->selectionModel()->selectedRows(0);
    if (rows.isEmpty())
        return QString();
    return backupFolder + QLatin1Char('/') + rows.first().data().toString();
}

void BackupManage::on_pushButton_clicked()
{
    const QString path = selectedPath();
    QString markdown;
    QString sourcePath;
    if (path.isEmpty() || !BackupFiles::read(path, &markdown, &sourcePath))
        return;
    BakPreview preview(this);
    preview.setText(markdown);
    preview.exec();
    if (!preview.restoreChosen())
        return;
    emit restoreRequested(path);
    accept();
}

void BackupManage::on_btnDel_clicked()
{
    const QString path = selectedPath();
    if (path.isEmpty() || !QFile::exists(path))
        return;
    if (MsgBoxHelper::showMessageBox(QMessageBox::Question, tr("Prompt"), tr("Are you sure you want to delete this backup?"),
                                     MsgBoxHelper::YesNo)
        != QMessageBox::Yes)
        return;
    QFile::remove(path);
    loadBackupList();
}
