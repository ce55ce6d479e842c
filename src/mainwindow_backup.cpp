// Private backups of the unsaved document, every ten seconds while enabled.
#include "mainwindow.h"

#include "BackupManage.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "appsettings.h"
#include "backupfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
constexpr int backupIntervalMs = 10000;
}

void MainWindow::startBackups()
{
    backupFolder = BackupFiles::folder();
    QDir().mkpath(backupFolder);
    if (!appSettings()->value(QStringLiteral("autoSave"), false).toBool())
        return;
    autoBackupTimer = new QTimer(this);
    connect(autoBackupTimer, &QTimer::timeout, this, &MainWindow::autoBackup);
    autoBackupTimer->start(backupIntervalMs);
}

void MainWindow::autoBackup()
{
    if (!modified) {
        deleteBackup(QString(currentBackupPath));
        return;
    }
    if (!changedSinceBackup)
        return;
    if (!isVisualEditorShown()) {
        backup(sourceEditor->toPlainText());
        return;
    }
    askPage(QStringLiteral("getHtml()"), [this](const QVariant &html) {
        // A page that did not answer leaves the last backup as it was.
        if (html.type() == QVariant::String)
            backup(converter.htmlToMarkdown(html.toString()));
    });
}

void MainWindow::backup(const QString &markdown)
{
    if (currentBackupPath.isEmpty()) {
        currentBackupName = BackupFiles::backupName(currentFileName, QDateTime::currentDateTime());
        currentBackupPath = backupFolder + QLatin1Char('/') + currentBackupName;
    }
    if (!BackupFiles::write(currentBackupPath, markdown, currentPath))
        return;
    changedSinceBackup = false;
    showStatusMessage(tr("Backup Successful"), QStringLiteral("#333333"), 3);
}

void MainWindow::deleteBackup(const QString &path)
{
    if (!QFile::exists(path) || !QFile::remove(path))
        return;
    currentBackupPath.clear();
    currentBackupName.clear();
    changedSinceBackup = false;
    showStatusMessage(tr("Backup Deleted"), QStringLiteral("#333333"), 3);
}

void MainWindow::on_actionBackup_triggered()
{
    BackupManage manager;
    manager.exec();
}
