#include "ImageHostConfig.h"
#include "ImageHostEditDialog.h"
#include "ImageHostManagerWidget.h"
#include "UniversalImageUploader.h"
#include "guitestbase.h"
#include "httptestserver.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ImageHostConfig host(const QString &name, const QString &url = QStringLiteral("http://127.0.0.1:9/up"))
{
    ImageHostConfig config;
    config.name = name;
    config.uploadUrl = url;
    config.method = QStringLiteral("POST");
    config.fileFieldName = QStringLiteral("file");
    config.jsonUrlPath = QStringLiteral("data.public_url");
    config.headers = {{QStringLiteral("Accept"), QStringLiteral("application/json")}};
    return config;
}

QLineEdit *cell(QTableWidget *table, int row, int column)
{
    return qobject_cast<QLineEdit *>(table->cellWidget(row, column));
}

}

class TestImageHosts : public QObject
{
    Q_OBJECT
public slots:
    void openedUrl(const QUrl &url) { opened.append(url); }

private slots:
    void initTestCase();
    void init();
    void storeKeepsEveryField();
    void storeShrinksAndDropsNameless();
    void uploadSendsFormInKeyOrder();
    void uploadReadsReply_data();
    void uploadReadsReply();
    void unreadableFileFailsBeforeAnyRequest();
    void editDialogReadsTablesTrimmed();
    void editDialogShowsRecordWithoutHeaders();
    void managerListsAddsAndEdits();
    void deleteAsksFirst();
    void testUploadWithoutSelectionWarns();
    void eachTestUploadReportsOnce();

private:
    QString imageFile;
    QTemporaryDir dir;
    QList<QUrl> opened;
};

void TestImageHosts::initTestCase()
{
    registerImageHostMetaTypes();
    QVERIFY(dir.isValid());
    imageFile = dir.filePath(QStringLiteral("pic.png"));
    writeFile(imageFile, "\x89PNG fake image bytes");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openedUrl");
}

void TestImageHosts::init()
{
    ImageHostStore::save({});
    opened.clear();
}

void TestImageHosts::storeKeepsEveryField()
{
    ImageHostConfig full;
    full.name = QStringLiteral("Bildhost \u00e9 \u56fe");
    full.uploadUrl = QStringLiteral("https://img.example/api?x=1&y=\"2\"");
    full.method = QStringLiteral("GET");
    full.fileFieldName = QStringLiteral("smfile");
    full.jsonUrlPath = QStringLiteral("files.0.url");
    full.headers = {{QStringLiteral("Authorization"), QStringLiteral("Bearer a=b;c")},
                    {QStringLiteral("accept"), QString()}};
    full.formParams = {{QStringLiteral("album"), QStringLiteral("line one\nline two")}};
    ImageHostStore::save({full, host(QStringLiteral("second"))});

    const QList<ImageHostConfig> loaded = ImageHostStore::load();
    QCOMPARE(loaded.size(), 2);
    QVERIFY(loaded.at(0) == full);
    QVERIFY(loaded.at(1) == host(QStringLiteral("second")));
    // The store is the native per-user one, apart from app.ini.
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MyApp"), QStringLiteral("ImageHosts"));
    QCOMPARE(store.value(QStringLiteral("count")).toInt(), 2);
}

void TestImageHosts::storeShrinksAndDropsNameless()
{
    ImageHostStore::save({host("a"), host("b"), host("c")});
    ImageHostStore::save({host("only")});
    QCOMPARE(ImageHostStore::load().size(), 1);
    QCOMPARE(ImageHostStore::load().first().name, QStringLiteral("only"));

    ImageHostStore::save({host("a"), host(QString()), host("c")});
    const QList<ImageHostConfig> loaded = ImageHostStore::load();
    QCOMPARE(loaded.size(), 2);
    QCOMPARE(loaded.at(1).name, QStringLiteral("c"));
}

void TestImageHosts::uploadSendsFormInKeyOrder()
{
    HttpTestServer server;
    server.replyBody = R"({"data":{"public_url":"  https://cdn.example/pic.png \n"}})";
    ImageHostConfig config = host(QStringLiteral("h"), server.url(QStringLiteral("/upload")).toString());
    config.method = QStringLiteral("GET");
    config.fileFieldName = QStringLiteral("image");
    config.headers = {{QStringLiteral("X-Second"), QStringLiteral("2")},
                      {QStringLiteral("Authorization"), QStringLiteral("token \u00e9")},
                      {QStringLiteral("X-First"), QStringLiteral("1")}};
    config.formParams = {{QStringLiteral("zeta"), QStringLiteral("last")}, {QStringLiteral("alpha"), QStringLiteral("\u00e9t\u00e9")}};

    UniversalImageUploader uploader;
    QSignalSpy succeeded(&uploader, &UniversalImageUploader::uploadSuccess);
    QSignalSpy failed(&uploader, &UniversalImageUploader::uploadFailed);
    uploader.upload(imageFile, config);
    QVERIFY(succeeded.wait(10000));
    QCOMPARE(succeeded.first().first().toString(), QStringLiteral("https://cdn.example/pic.png"));
    QCOMPARE(failed.size(), 0);

    QCOMPARE(server.requests.size(), 1);
    const ReceivedRequest &request = server.requests.first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/upload"));
    QCOMPARE(request.header("Authorization"), QString("token \u00e9").toUtf8());
    QStringList ownHeaders;
    for (const auto &header : request.headers)
        if (header.first == "Authorization" || header.first.startsWith("X-"))
            ownHeaders << QString::fromLatin1(header.first);
    QCOMPARE(ownHeaders, QStringList({"Authorization", "X-First", "X-Second"}));
    QVERIFY(request.header("Content-Type").startsWith("multipart/form-data; boundary="));

    const QByteArray &body = request.body;
    const int alpha = body.indexOf("Content-Disposition: form-data; name=\"alpha\"\r\n\r\n" + QString("\u00e9t\u00e9").toUtf8());
    const int zeta = body.indexOf("Content-Disposition: form-data; name=\"zeta\"\r\n\r\nlast");
    const int filePart = body.indexOf("Content-Disposition: form-data; name=\"image\"; filename=\"pic.png\"\r\n\r\n\x89PNG fake image bytes");
    QVERIFY(alpha > 0);
    QVERIFY(zeta > alpha);
    QVERIFY(filePart > zeta);
    QVERIFY(!body.contains("Content-Type"));
}

void TestImageHosts::uploadReadsReply_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("message");

    const QString parseFailure = QStringLiteral("Failed to parse image URL from JSON.");
    const QString notObject = QStringLiteral("Response is not a valid JSON object.");
    const QByteArray twoFiles = R"({"files":[{"url":"https://a/1.png"},{"url":"https://a/2.png"}]})";
    QTest::newRow("array element") << 200 << twoFiles << "files.1.url" << true << "https://a/2.png";
    QTest::newRow("stray dots") << 200 << QByteArray(R"({"data":{"public_url":"u"}})") << ".data..public_url." << true << "u";
    QTest::newRow("missing member") << 200 << QByteArray(R"({"url":"https://a"})") << "data.public_url" << false << parseFailure;
    QTest::newRow("index past end") << 200 << twoFiles << "files.2.url" << false << parseFailure;
    QTest::newRow("negative index") << 200 << twoFiles << "files.-1.url" << false << parseFailure;
    QTest::newRow("index not a number") << 200 << twoFiles << "files.first.url" << false << parseFailure;
    QTest::newRow("number, not string") << 200 << QByteArray(R"({"url":42})") << "url" << false << parseFailure;
    QTest::newRow("blank string") << 200 << QByteArray(R"({"url":"   "})") << "url" << false << parseFailure;
    QTest::newRow("path through a string") << 200 << QByteArray(R"({"url":"x"})") << "url.more" << false << parseFailure;
    QTest::newRow("empty path") << 200 << QByteArray(R"({"url":"x"})") << "" << false << parseFailure;
    QTest::newRow("top-level array") << 200 << QByteArray(R"([{"url":"https://a"}])") << "0.url" << false << notObject;
    QTest::newRow("invalid JSON") << 200 << QByteArray("{\"url\": ") << "url" << false << notObject;
    QTest::newRow("server error") << 500 << QByteArray(R"({"url":"https://a"})") << "url" << false << "Network error: ";
}

void TestImageHosts::uploadReadsReply()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(QString, path);
    QFETCH(bool, succeeds);
    QFETCH(QString, message);

    HttpTestServer server;
    server.status = status;
    server.replyBody = reply;
    ImageHostConfig config = host(QStringLiteral("h"), server.url(QStringLiteral("/")).toString());
    config.jsonUrlPath = path;
    UniversalImageUploader uploader;
    QSignalSpy succeeded(&uploader, &UniversalImageUploader::uploadSuccess);
    QSignalSpy failed(&uploader, &UniversalImageUploader::uploadFailed);
    uploader.upload(imageFile, config);
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.size() + failed.size(), 1, 10000);
    QTest::qWait(50);
    QCOMPARE(succeeded.size() + failed.size(), 1);
    if (succeeds) {
        QCOMPARE(succeeded.first().first().toString(), message);
    } else {
        QVERIFY2(failed.size() == 1, "expected a failure");
        QVERIFY2(failed.first().first().toString().startsWith(message), qPrintable(failed.first().first().toString()));
    }
}

void TestImageHosts::unreadableFileFailsBeforeAnyRequest()
{
    HttpTestServer server;
    UniversalImageUploader uploader;
    QSignalSpy failed(&uploader, &UniversalImageUploader::uploadFailed);
    uploader.upload(dir.filePath(QStringLiteral("absent.png")), host(QStringLiteral("h"), server.url("/").toString()));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Failed to open file."));
    QTest::qWait(200);
    QCOMPARE(server.requests.size(), 0);
}

void TestImageHosts::editDialogReadsTablesTrimmed()
{
    ImageHostEditDialog dialog;
    dialog.show();
    dialog.findChild<QLineEdit *>(QStringLiteral("nameEdit"))->setText(QStringLiteral("  My host \t"));
    dialog.findChild<QLineEdit *>(QStringLiteral("uploadUrlEdit"))->setText(QStringLiteral(" https://up.example/ "));
    dialog.findChild<QComboBox *>(QStringLiteral("methodBox"))->setCurrentIndex(1);
    auto *headers = dialog.findChild<QTableWidget *>(QStringLiteral("headersTable"));
    auto *add = dialog.findChild<QPushButton *>(QStringLiteral("headersTableAdd"));
    for (int i = 0; i < 3; ++i)
        add->click();
    QCOMPARE(headers->rowCount(), 4);
    cell(headers, 1, 0)->setText(QStringLiteral("   "));
    cell(headers, 1, 1)->setText(QStringLiteral("dropped"));
    cell(headers, 2, 0)->setText(QStringLiteral(" Accept "));
    cell(headers, 2, 1)->setText(QStringLiteral(" image/png "));
    cell(headers, 3, 0)->setText(QStringLiteral("Token"));
    cell(headers, 3, 1)->setText(QStringLiteral(" s3cret "));

    auto *params = dialog.findChild<QTableWidget *>(QStringLiteral("formParamsTable"));
    dialog.findChild<QPushButton *>(QStringLiteral("formParamsTableAdd"))->click();
    dialog.findChild<QPushButton *>(QStringLiteral("formParamsTableAdd"))->click();
    cell(params, 0, 0)->setText(QStringLiteral("album"));
    cell(params, 0, 1)->setText(QStringLiteral(" holidays "));
    // Typing in a row makes it current, so Delete takes that row.
    cell(params, 1, 1)->setFocus();
    QTRY_COMPARE(params->currentRow(), 1);
    dialog.findChild<QPushButton *>(QStringLiteral("formParamsTableDelete"))->click();
    QCOMPARE(params->rowCount(), 1);

    const ImageHostConfig config = dialog.config();
    QCOMPARE(config.name, QStringLiteral("My host"));
    QCOMPARE(config.uploadUrl, QStringLiteral("https://up.example/"));
    QCOMPARE(config.method, QStringLiteral("GET"));
    const QMap<QString, QString> expectedHeaders{{"Accept", "image/png"}, {"Token", "s3cret"}};
    QCOMPARE(config.headers, expectedHeaders);
    const QMap<QString, QString> expectedParams{{"album", "holidays"}};
    QCOMPARE(config.formParams, expectedParams);
}

void TestImageHosts::editDialogShowsRecordWithoutHeaders()
{
    ImageHostConfig record = host(QStringLiteral("bare"));
    record.headers.clear();
    record.method = QStringLiteral("PUT");
    record.formParams = {{"b", "2"}, {"a", "1"}};
    ImageHostEditDialog dialog;
    dialog.findChild<QComboBox *>(QStringLiteral("methodBox"))->setCurrentIndex(1);
    dialog.setConfig(record);
    QCOMPARE(dialog.findChild<QTableWidget *>(QStringLiteral("headersTable"))->rowCount(), 0);
    auto *params = dialog.findChild<QTableWidget *>(QStringLiteral("formParamsTable"));
    QCOMPARE(params->rowCount(), 2);
    QCOMPARE(cell(params, 0, 0)->text(), QStringLiteral("a"));
    // A method the box does not offer leaves the choice as it was.
    QCOMPARE(dialog.config().method, QStringLiteral("GET"));
}

void TestImageHosts::managerListsAddsAndEdits()
{
    ImageHostStore::save({host("first"), host("second")});
    ImageHostManagerWidget manager;
    auto *table = manager.findChild<QTableWidget *>(QStringLiteral("hostTable"));
    QCOMPARE(table->columnCount(), 4);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("JSON Path"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("second"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("file"));

    answerModal([](QWidget *modal) {
        auto *dialog = qobject_cast<ImageHostEditDialog *>(modal);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>(QStringLiteral("nameEdit"))->setText(QStringLiteral(" third "));
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
    manager.findChild<QPushButton *>(QStringLiteral("addButton"))->click();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("third"));
    QCOMPARE(ImageHostStore::load().size(), 3);
    // A new host starts from the dialog's defaults.
    QVERIFY(ImageHostStore::load().at(2) == host("third", QString()));

    answerModal([](QWidget *modal) {
        auto *dialog = qobject_cast<ImageHostEditDialog *>(modal);
        QVERIFY(dialog);
        dialog->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
    });
    manager.findChild<QPushButton *>(QStringLiteral("addButton"))->click();
    QCOMPARE(ImageHostStore::load().size(), 3);

    table->setCurrentCell(0, 0);
    QString shownName;
    answerModal([&shownName](QWidget *modal) {
        auto *dialog = qobject_cast<ImageHostEditDialog *>(modal);
        QVERIFY(dialog);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("nameEdit"));
        shownName = name->text();
        name->setText(QStringLiteral("renamed"));
        dialog->findChild<QLineEdit *>(QStringLiteral("jsonPathEdit"))->setText(QStringLiteral("url"));
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
    manager.findChild<QPushButton *>(QStringLiteral("editButton"))->click();
    QCOMPARE(shownName, QStringLiteral("first"));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("renamed"));
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("url"));
    QCOMPARE(ImageHostStore::load().first().jsonUrlPath, QStringLiteral("url"));
    QCOMPARE(ImageHostStore::load().first().headers.value("Accept"), QStringLiteral("application/json"));
}

void TestImageHosts::deleteAsksFirst()
{
    ImageHostStore::save({host("keep"), host("drop")});
    ImageHostManagerWidget manager;
    auto *table = manager.findChild<QTableWidget *>(QStringLiteral("hostTable"));
    auto *remove = manager.findChild<QPushButton *>(QStringLiteral("deleteButton"));
    table->setCurrentCell(1, 0);

    SeenBox seen;
    pressOnNextBox(QMessageBox::No, &seen);
    remove->click();
    QCOMPARE(seen.title, QStringLiteral("Confirm"));
    QCOMPARE(seen.text, QStringLiteral("Are you sure to delete?"));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(ImageHostStore::load().size(), 2);

    pressOnNextBox(QMessageBox::Yes);
    remove->click();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(ImageHostStore::load().size(), 1);
    QCOMPARE(ImageHostStore::load().first().name, QStringLiteral("keep"));
}

void TestImageHosts::testUploadWithoutSelectionWarns()
{
    ImageHostStore::save({host("one")});
    ImageHostManagerWidget manager;
    SeenBox seen;
    pressOnNextBox(QMessageBox::Ok, &seen);
    manager.findChild<QPushButton *>(QStringLiteral("testButton"))->click();
    QCOMPARE(seen.text, QStringLiteral("Please select an image host first."));
    QCOMPARE(seen.icon, QMessageBox::Warning);
}

void TestImageHosts::eachTestUploadReportsOnce()
{
    HttpTestServer server;
    server.replyBody = R"({"data":{"public_url":"http://cdn.example/up.png"}})";
    ImageHostStore::save({host("local", server.url("/up").toString()),
                          host("refusing", HttpTestServer::refusingUrl().toString())});
    ImageHostManagerWidget manager;
    manager.show();
    auto *table = manager.findChild<QTableWidget *>(QStringLiteral("hostTable"));
    auto *test = manager.findChild<QPushButton *>(QStringLiteral("testButton"));

    // Clicks away every message box, recording each, while a test upload runs.
    const auto runTest = [&](int row, QList<SeenBox> &boxes) {
        table->setCurrentCell(row, 0);
        BoxRecorder recorder(QMessageBox::Ok);
        answerModal([this](QWidget *modal) {
            auto *chooser = qobject_cast<QFileDialog *>(modal);
            QVERIFY(chooser);
            auto *fileName = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(fileName);
            fileName->setText(imageFile);
            QTest::keyClick(fileName, Qt::Key_Return);
        });
        test->click();
        QTRY_VERIFY_WITH_TIMEOUT(!recorder.boxes.isEmpty(), 10000);
        // A second message for the same upload would follow at once.
        QTest::qWait(300);
        boxes = recorder.boxes;
    };

    for (int round = 0; round < 3; ++round) {
        QList<SeenBox> failures;
        runTest(1, failures);
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.first().title, QStringLiteral("Upload Failed"));
        QCOMPARE(failures.first().icon, QMessageBox::Critical);
        QVERIFY(failures.first().text.startsWith(QStringLiteral("Network error: ")));
    }
    QList<SeenBox> successes;
    runTest(0, successes);
    QCOMPARE(successes.size(), 1);
    QCOMPARE(successes.first().title, QStringLiteral("Upload Success"));
    QCOMPARE(successes.first().text, QStringLiteral("http://cdn.example/up.png"));
    QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("http://cdn.example/up.png"))}));
    QCOMPARE(server.requests.size(), 1);

    // Whatever else a host answers is shown, never opened.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
    server.replyBody = R"({"data":{"public_url":"file:///usr/bin/xterm"}})";
    runTest(0, successes);
    QCOMPARE(successes.first().text, QStringLiteral("file:///usr/bin/xterm"));
    QCOMPARE(opened.size(), 1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

QTEST_MAIN(TestImageHosts)
#include "tst_imagehosts.moc"
