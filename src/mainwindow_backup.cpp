// Private backups of the unsaved document, every ten seconds while enabled,
// and the offer to restore one left behind.
#include "mainwindow.h"

#include "backupmanage.h"
#include "config.h"
#include "MsgBoxHelper.h"
#include "backupfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
constexpr int backupIntervalMs = 10000;
}

void MainWindow::startBackups()
{
    backupFolder = BackupFiles::folder();
    QDir().mkpath(backupFolder);
    QFile::setPermissions(backupFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    applyBackupSetting(Config::get(Config::AutoBackup).toBool());
}

void MainWindow::applyBackupSetting(bool enabled)
{
    if (!enabled) {
        delete autoBackupTimer;
        autoBackupTimer = nullptr;
        return;
    }
    if (autoBackupTimer)
        return;
    autoBackupTimer = new QTimer(this);
    autoBackupTimer->setObjectName(QStringLiteral("autoBackupTimer"));
    connect(autoBackupTimer, &QTimer::timeout, this, &MainWindow::autoBackup);
    autoBackupTimer->start(backupIntervalMs);
}

void MainWindow::autoBackup()
{
    if (!session->isModified()) {
        deleteBackup(QString(currentBackupPath));
        return;
    }
    if (!session->changedSinceBackup())
        return;
    // A page that does not answer leaves the last backup as it was.
    session->readDocument([this](const DocumentSession::Read &read) {
        if (read.ok && backup(read.markdown))
            session->backedUp(read.revision);
    });
}

bool MainWindow::backup(const QString &markdown)
{
    if (currentBackupPath.isEmpty()) {
        currentBackupName = BackupFiles::backupName(session->fileName(), QDateTime::currentDateTime());
        currentBackupPath = backupFolder + QLatin1Char('/') + currentBackupName;
    }
    if (!BackupFiles::write(currentBackupPath, markdown, session->path()))
        return false;
    showStatusMessage(tr("Backup Successful"), QStringLiteral("#333333"), 3, true);
    return true;
}

void MainWindow::deleteBackup(const QString &path)
{
    if (!QFile::exists(path) || !QFile::remove(path))
        return;
    currentBackupPath.clear();
    currentBackupName.clear();
    showStatusMessage(tr("Backup Deleted"), QStringLiteral("#333333"), 3, true);
}

// A backup left behind by a window that ended with unsaved changes, newer
// than the file it belongs to, is offered once.
void MainWindow::offerNewerBackup(const QString &documentPath)
{
    const QFileInfo file(documentPath);
    const QString found = BackupFiles::newestFor(BackupFiles::folder(), documentPath,
                                                 documentPath.isEmpty() ? QDateTime() : file.lastModified());
    QStringList declined = Config::get(Config::DeclinedBackups).toStringList();
    if (found.isEmpty() || found == currentBackupPath || declined.contains(QFileInfo(found).fileName())
        || documentPath != session->path())
        return;
    QString markdown;
    QString sourcePath;
    if (!BackupFiles::read(found, &markdown, &sourcePath) || markdown == session->lastCompleteDocument())
        return;
    const QString name = documentPath.isEmpty() ? tr("Untitled") : QDir::toNativeSeparators(documentPath);
    const QString when = QFileInfo(found).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (MsgBoxHelper::showMessageBox(QMessageBox::Question, tr("Prompt"),
                                     tr("A backup of %1 from %2 holds changes that were never saved. Restore it?")
                                         .arg(name, when),
                                     MsgBoxHelper::YesNo)
        == QMessageBox::Yes) {
        restoreBackup(found);
        return;
    }
    declined.erase(std::remove_if(declined.begin(), declined.end(),
                                  [this](const QString &name) { return !QFile::exists(backupFolder + QLatin1Char('/') + name); }),
                   declined.end());
    declined.append(QFileInfo(found).fileName());
    Config::set(Config::DeclinedBackups, declined);
}

// The backup's text becomes the document, unsaved, in place of its file's
// text; the backup goes on serving the document until it is saved.
void MainWindow::restoreBackup(const QString &backupPath)
{
    QString markdown;
    QString sourcePath;
    if (!BackupFiles::read(backupPath, &markdown, &sourcePath))
        return;
    if (!maybeDiscard())
        return;
    if (sourcePath.isEmpty() || sourcePath != session->path()) {
        if (!sourcePath.isEmpty() && QFileInfo::exists(sourcePath)) {
            if (!openDocument(sourcePath, false))
                return;
        } else {
            deleteBackup(QString(currentBackupPath));
            session->newDocument();
        }
    }
    session->restoreText(markdown);
    documentReplaced();
    currentBackupPath = backupPath;
    currentBackupName = QFileInfo(backupPath).fileName();
}

void MainWindow::on_actionBackup_triggered()
{
    BackupManage manager;
    QString chosen;
    connect(&manager, &BackupManage::restoreRequested, this, [&chosen](const QString &path) { chosen = path; });
    manager.exec();
    if (!chosen.isEmpty())
        restoreBackup(chosen);
}
