// The Help menu's links to the outside, the update check and the image hosts.
#include "mainwindow.h"

#include "config.h"
#include "ImageHostManagerWidget.h"
#include "MsgBoxHelper.h"
#include "aboutdialog.h"
#include "dialoglicense.h"
#include "feedbackdialog.h"
#include "issuedialog.h"
#include "productlinks.h"
#include "updatecheck.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QProcess>

void MainWindow::on_actionHelp_triggered()
{
    QDesktopServices::openUrl(ProductLinks::helpPage());
}

void MainWindow::on_actionDonate_triggered()
{
    QDesktopServices::openUrl(ProductLinks::donatePage());
}

void MainWindow::on_actionGithub_Release_triggered()
{
    QDesktopServices::openUrl(ProductLinks::downloadPage());
}

void MainWindow::on_actionOfficial_Website_triggered()
{
    QDesktopServices::openUrl(ProductLinks::site());
}

void MainWindow::on_actionFeedback_triggered()
{
    FeedbackDialog chooser(this);
    if (chooser.exec() != FeedbackDialog::IssueChosen)
        return;
    IssueDialog issue(this);
    issue.exec();
}

void MainWindow::on_actionAbout_triggered()
{
    auto *about = new aboutDialog(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowIcon(windowIcon());
    about->setWindowTitle(tr("About Us"));
    about->setText(aboutDialog::aboutText(QCoreApplication::applicationName(),
                                          QCoreApplication::applicationVersion()));
    about->exec();
}

void MainWindow::on_actionLicenses_triggered()
{
    auto *licenses = new DialogLicense(this);
    licenses->setAttribute(Qt::WA_DeleteOnClose);
    licenses->setWindowIcon(windowIcon());
    licenses->setWindowTitle(QStringLiteral("Licenses"));
    licenses->exec();
}

void MainWindow::on_actionImage_Hosting_Service_triggered()
{
    ImageHostManagerWidget manager;
    manager.setWindowIcon(windowIcon());
    manager.exec();
}

void MainWindow::on_actionCheck_for_Updates_triggered()
{
    qDebug() << "CheckForUpdate";
    checkForUpdate(true);
}

void MainWindow::checkForUpdate(bool manual)
{
    // One check at a time: a new one replaces the one still under way.
    if (updateReply) {
        updateReply->disconnect(this);
        updateReply->abort();
        updateReply->deleteLater();
    }
    if (!updateNetwork)
        updateNetwork = new QNetworkAccessManager(this);
    QNetworkReply *reply = updateNetwork->get(QNetworkRequest(ProductLinks::versionFile()));
    updateReply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply, manual] { handleUpdateReply(reply, manual); });
}

void MainWindow::handleUpdateReply(QNetworkReply *reply, bool manual)
{
    reply->deleteLater();
    const QString remote = reply->error() == QNetworkReply::NoError ? QString::fromUtf8(reply->readAll()).trimmed() : QString();
    // Asked for, a check that could not be made says so.
    if (remote.isEmpty()) {
        if (manual)
            MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Update Prompt"), tr("Could not check for updates."),
                                         MsgBoxHelper::OkOnly);
        return;
    }
    if (!UpdateCheck::isNewer(remote, QCoreApplication::applicationVersion())) {
        if (manual)
            MsgBoxHelper::showMessageBox(QMessageBox::Information, tr("Update Prompt"),
                                         tr("You are currently using the latest version. No update required."),
                                         MsgBoxHelper::OkOnly);
        return;
    }
    QMessageBox prompt(QMessageBox::Information, tr("Upgrade Prompt"), tr("A new version has been detected"),
                       QMessageBox::Yes | QMessageBox::No, this);
    prompt.setDefaultButton(QMessageBox::Yes);
    if (prompt.exec() == QMessageBox::Yes)
        startUpdater();
}

void MainWindow::startUpdater()
{
    const QString updater = UpdateCheck::updaterPath(QCoreApplication::applicationDirPath());
    const QStringList arguments = UpdateCheck::updaterArguments(
        QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
        ProductLinks::updateManifest().toString(), Config::get(Config::UpdaterLanguage).toString());
    // The window stays open when there is no updater to hand over to.
    if (!QProcess::startDetached(updater, arguments)) {
        MsgBoxHelper::showMessageBox(QMessageBox::Warning, tr("Prompt"),
                                     tr("The updater could not be started: %1").arg(QDir::toNativeSeparators(updater)),
                                     MsgBoxHelper::OkOnly);
        return;
    }
    close();
}
