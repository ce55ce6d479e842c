#include "ImageHostManagerWidget.h"
#include "aboutdialog.h"
#include "appsettings.h"
#include "config.h"
#include "dialoglicense.h"
#include "feedbackdialog.h"
#include "guitestbase.h"
#include "httptestserver.h"
#include "issuedialog.h"
#include "productlinks.h"
#include "updatecheck.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>

namespace {
const QString currentVersion = QStringLiteral("1.1.5.0");
}

class TestHelp : public GuiTestBase
{
    Q_OBJECT
public slots:
    void openedUrl(const QUrl &url) { openedUrls.append(url); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void versionComparison_data();
    void versionComparison();
    void issueAddressIsPercentEncoded_data();
    void issueAddressIsPercentEncoded();
    void linksOpenProductPages();
    void updateCheck_data();
    void updateCheck();
    void answeringNoStartsNothing();
    void missingUpdaterKeepsWindowOpen();
    void updaterGetsFourArguments();
    void feedbackByMail();
    void feedbackAsIssue();
    void aboutAndLicenses();
    void imageHostingOpensManager();

private:
    void answerUpgrade(QMessageBox::StandardButton button, SeenBox *seen);
    QString standInPath() const { return UpdateCheck::updaterPath(QCoreApplication::applicationDirPath()); }
    // An updater standing in for the real one, running `script`.
    void writeStandIn(const QByteArray &script) const
    {
        writeFile(standInPath(), script);
        QFile::setPermissions(standInPath(), QFile::permissions(standInPath()) | QFileDevice::ExeOwner);
    }

    HttpTestServer server;
    QList<QUrl> openedUrls;
};

void TestHelp::initTestCase()
{
    prepareApplication();
    QCoreApplication::setApplicationVersion(currentVersion);
    for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")})
        QDesktopServices::setUrlHandler(scheme, this, "openedUrl");
    QFile::remove(standInPath());
    openWindow();
    ProductLinks::setSite(server.url(QStringLiteral("/site/")));
}

void TestHelp::cleanupTestCase()
{
    QFile::remove(standInPath());
    closeWindow();
}

void TestHelp::init()
{
    openedUrls.clear();
    server.requests.clear();
    server.status = 200;
    server.replyBody = currentVersion.toUtf8();
}

void TestHelp::versionComparison_data()
{
    QTest::addColumn<QString>("remote");
    QTest::addColumn<bool>("newer");
    QTest::newRow("equal") << "1.1.5.0" << false;
    QTest::newRow("equal with line break") << "1.1.5.0\n" << false;
    QTest::newRow("equal with CRLF and blanks") << "  1.1.5.0\r\n" << false;
    QTest::newRow("equal, shorter") << "1.1.5" << false;
    QTest::newRow("newer build") << "1.1.5.1\n" << true;
    QTest::newRow("newer minor") << "1.2" << true;
    QTest::newRow("newer major, fewer parts") << "2" << true;
    QTest::newRow("ten after nine") << "1.1.10.0" << true;
    QTest::newRow("older") << "1.1.4.9" << false;
    QTest::newRow("much older") << "0.9" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("error page") << "<html>Not found</html>" << false;
    QTest::newRow("version with words") << "1.2 beta" << false;
}

void TestHelp::versionComparison()
{
    QFETCH(QString, remote);
    QFETCH(bool, newer);
    QCOMPARE(UpdateCheck::isNewer(remote, currentVersion), newer);
}

void TestHelp::issueAddressIsPercentEncoded_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("spaces and letters") << "Crash on save" << "" << QByteArray("title=Crash%20on%20save&body=");
    QTest::newRow("non-ASCII") << QString("Zoom \u00e9t\u00e9 \u56fe") << "x"
                               << QByteArray("title=Zoom%20%C3%A9t%C3%A9%20%E5%9B%BE&body=x");
    QTest::newRow("ampersand and plus") << "a&b" << "1 + 1 & 2=2\n#3"
                                        << QByteArray("title=a%26b&body=1%20%2B%201%20%26%202%3D2%0A%233");
    QTest::newRow("unreserved kept") << "A-z_0.9~" << "" << QByteArray("title=A-z_0.9~&body=");
}

void TestHelp::issueAddressIsPercentEncoded()
{
    QFETCH(QString, title);
    QFETCH(QString, body);
    QFETCH(QByteArray, query);
    const QUrl address = ProductLinks::newIssue(title, body);
    QVERIFY(address.isValid());
    QVERIFY(address.path().endsWith(QStringLiteral("/issues/new")));
    QCOMPARE(address.toEncoded(QUrl::FullyEncoded).mid(address.toEncoded().indexOf('?') + 1), query);
}

void TestHelp::linksOpenProductPages()
{
    // The menu's older duplicate of "Check for Updates" stays out of sight.
    QVERIFY(!action("actionCheckUpdate")->isVisible());
    for (const char *name : {"actionHelp", "actionDonate", "actionGithub_Release", "actionOfficial_Website"})
        action(name)->trigger();
    QCOMPARE(openedUrls, QList<QUrl>({ProductLinks::helpPage(), ProductLinks::donatePage(),
                                       ProductLinks::downloadPage(), ProductLinks::site()}));
    for (const QUrl &url : openedUrls)
        QVERIFY2(url.toString().startsWith(server.url(QStringLiteral("/site/")).toString()), qPrintable(url.toString()));
}

void TestHelp::updateCheck_data()
{
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString latest = QStringLiteral("Update Prompt");
    const QString current = QStringLiteral("You are currently using the latest version. No update required.");
    const QString failed = QStringLiteral("Could not check for updates.");
    QTest::newRow("equal") << true << 200 << currentVersion.toUtf8() << latest << current;
    QTest::newRow("equal with line break") << true << 200 << (currentVersion + "\n").toUtf8() << latest << current;
    QTest::newRow("older") << true << 200 << QByteArray("1.0.0.0\n") << latest << current;
    QTest::newRow("newer") << true << 200 << QByteArray("1.1.6.0\n") << "Upgrade Prompt" << "A new version has been detected";
    // Asked for, a check that could not be made says so.
    QTest::newRow("empty") << true << 200 << QByteArray() << latest << failed;
    QTest::newRow("only blanks") << true << 200 << QByteArray(" \r\n") << latest << failed;
    // Unasked, a check that finds nothing newer says nothing.
    QTest::newRow("at start-up, equal") << false << 200 << (currentVersion + "\r\n").toUtf8() << QString() << QString();
    QTest::newRow("server error") << true << 500 << QByteArray("9.9.9.9") << latest << failed;
}

void TestHelp::updateCheck()
{
    QFETCH(bool, asked);
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(QString, title);
    QFETCH(QString, text);
    server.status = status;
    server.replyBody = reply;
    BoxRecorder recorder(QMessageBox::No);
    if (asked)
        action("actionCheck_for_Updates")->trigger();
    else
        window->checkForUpdate(false);
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 10000);
    QCOMPARE(server.requests.first().method, QByteArray("GET"));
    QCOMPARE(server.requests.first().path, QByteArray("/site/version.txt"));
    if (!title.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(recorder.boxes.size(), 1, 10000);
        QCOMPARE(recorder.boxes.first().title, title);
        QCOMPARE(recorder.boxes.first().text, text);
    }
    QTest::qWait(300);
    QCOMPARE(recorder.boxes.size(), title.isEmpty() ? 0 : 1);
    QVERIFY(window->isVisible());
}

void TestHelp::answerUpgrade(QMessageBox::StandardButton button, SeenBox *seen)
{
    answerModal([button, seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        *seen = {box->windowTitle(), box->text(), box->icon()};
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        box->button(button)->click();
    });
}

// The check at start-up offers a newer version too; No starts nothing.
void TestHelp::answeringNoStartsNothing()
{
    server.replyBody = "2.0\n";
    writeStandIn("#!/bin/sh\ntouch \"$0.started\"\n");
    SeenBox seen;
    answerUpgrade(QMessageBox::No, &seen);
    window->checkForUpdate(false);
    QTRY_COMPARE_WITH_TIMEOUT(seen.title, QStringLiteral("Upgrade Prompt"), 10000);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(standInPath() + ".started"));
    QVERIFY(window->isVisible());
    QFile::remove(standInPath());
}

void TestHelp::missingUpdaterKeepsWindowOpen()
{
    QVERIFY(!QFile::exists(standInPath()));
    server.replyBody = "2.0\n";
    SeenBox upgrade;
    SeenBox failure;
    answerModal([&upgrade, &failure](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        upgrade = {box->windowTitle(), box->text(), box->icon()};
        pressOnNextBox(QMessageBox::Yes, &failure);
        box->button(QMessageBox::Yes)->click();
    });
    window->checkForUpdate(true);
    QTRY_COMPARE_WITH_TIMEOUT(failure.title, QStringLiteral("Prompt"), 10000);
    QCOMPARE(upgrade.title, QStringLiteral("Upgrade Prompt"));
    QCOMPARE(failure.text, QStringLiteral("The updater could not be started: %1").arg(QDir::toNativeSeparators(standInPath())));
    QVERIFY(window->isVisible());
}

void TestHelp::updaterGetsFourArguments()
{
    const QString record = standInPath() + QStringLiteral(".args");
    QFile::remove(record);
    writeStandIn("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.part\" && mv \"$0.args.part\" \"$0.args\"\n");
    Config::set(Config::UpdaterLanguage, QStringLiteral("de"));

    server.replyBody = "1.1.6\n";
    SeenBox seen;
    answerUpgrade(QMessageBox::Yes, &seen);
    window->checkForUpdate(true);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    QFile arguments(record);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(arguments.readAll()).split('\n', Qt::SkipEmptyParts),
             QStringList({"Penwick", currentVersion, ProductLinks::updateManifest().toString(), "de"}));
    QTRY_VERIFY(!window->isVisible());
    appSettings()->remove(Config::name(Config::UpdaterLanguage));
    QFile::remove(record);
    QFile::remove(standInPath());
    window->show();
}

void TestHelp::feedbackByMail()
{
    answerModal([](QWidget *modal) {
        auto *chooser = qobject_cast<FeedbackDialog *>(modal);
        QVERIFY(chooser);
        chooser->findChild<QPushButton *>(QStringLiteral("emailButton"))->click();
    });
    action("actionFeedback")->trigger();
    QCOMPARE(openedUrls.size(), 1);
    QCOMPARE(openedUrls.first().scheme(), QStringLiteral("mailto"));
    QCOMPARE(openedUrls.first().query(), QStringLiteral("subject=Feedback&body="));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestHelp::feedbackAsIssue()
{
    bool stayedOpenWithoutTitle = false;
    answerModal([&stayedOpenWithoutTitle](QWidget *modal) {
        auto *chooser = qobject_cast<FeedbackDialog *>(modal);
        QVERIFY(chooser);
        answerModal([&stayedOpenWithoutTitle](QWidget *next) {
            auto *issue = qobject_cast<IssueDialog *>(next);
            QVERIFY(issue);
            auto *title = issue->findChild<QLineEdit *>(QStringLiteral("titleEdit"));
            auto *submit = issue->findChild<QPushButton *>(QStringLiteral("submitButton"));
            title->setText(QStringLiteral("   "));
            submit->click();
            stayedOpenWithoutTitle = issue->isVisible();
            title->setText(QStringLiteral("  Tables lose alignment \u00e9  "));
            issue->findChild<QPlainTextEdit *>(QStringLiteral("bodyEdit"))->setPlainText(QStringLiteral("\n Rows & columns \n"));
            submit->click();
        });
        chooser->findChild<QPushButton *>(QStringLiteral("githubButton"))->click();
    });
    action("actionFeedback")->trigger();
    QVERIFY(stayedOpenWithoutTitle);
    QCOMPARE(openedUrls.size(), 1);
    QCOMPARE(openedUrls.first(), ProductLinks::newIssue(QStringLiteral("Tables lose alignment \u00e9"),
                                                        QStringLiteral("Rows & columns")));
    QVERIFY(openedUrls.first().toEncoded().endsWith("title=Tables%20lose%20alignment%20%C3%A9&body=Rows%20%26%20columns"));
}

void TestHelp::aboutAndLicenses()
{
    QString aboutText;
    answerModal([&](QWidget *modal) {
        auto *about = qobject_cast<aboutDialog *>(modal);
        QVERIFY(about);
        aboutText = about->findChild<QTextBrowser *>()->toPlainText();
        about->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
    action("actionAbout")->trigger();
    QVERIFY2(aboutText.startsWith(QStringLiteral("Penwick is an easily accessible Markdown editing tool.")), qPrintable(aboutText));
    QVERIFY(aboutText.contains(QStringLiteral("version 1.1.5.0 by the Penwick developers")));

    QString licenses;
    answerModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<DialogLicense *>(modal);
        QVERIFY(dialog);
        licenses = dialog->findChild<QTextBrowser *>()->toPlainText();
        dialog->reject();
    });
    action("actionLicenses")->trigger();
    for (const char *component : {"Qt 5", "md4c", "CodeMirror", "KaTeX", "Font Awesome", "github-markdown-css",
                                  "libxlsxwriter", "LGPL", "MIT", "SIL Open Font License", "BSD 2-Clause"})
        QVERIFY2(licenses.contains(QLatin1String(component)), component);
    QTRY_VERIFY(!window->findChild<DialogLicense *>());
}

void TestHelp::imageHostingOpensManager()
{
    bool opened = false;
    answerModal([&opened](QWidget *modal) {
        auto *manager = qobject_cast<ImageHostManagerWidget *>(modal);
        opened = manager;
        modal->close();
    });
    action("actionImage_Hosting_Service")->trigger();
    QVERIFY(opened);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
