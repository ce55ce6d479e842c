// Backups of the unsaved document and the backup manager.
#include "appsettings.h"
#include "backupfiles.h"
#include "backupmanage.h"
#include "config.h"
#include "configwindow.h"
#include "guitestbase.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QTextEdit>

namespace {
QStringList backups()
{
    return QDir(BackupFiles::folder()).entryList(QDir::Files, QDir::Name);
}

QJsonObject backupObject(const QString &name, QByteArray *raw = nullptr)
{
    QFile file(BackupFiles::folder() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (raw)
        *raw = bytes;
    return QJsonDocument::fromJson(bytes).object();
}

void touchWithTime(const QString &path, const QDateTime &modified)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{}");
    file.flush();
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}
}

class TestBackup : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init() { QDir(BackupFiles::folder()).removeRecursively(); }
    void cleanup() { closeWindow(); }

    void contentIsCompactUtf8Json();
    void settingTakesEffectAtOnce();
    void ticksOverwriteOneFile();
    void savingRemovesTheBackup();
    void managerListsNewestFirst();
    void newerBackupIsOfferedOnce_data();
    void newerBackupIsOfferedOnce();
    void previewShowsTheMarkdownAndRestoresIt();

private:
    void openWindow(bool autoSave, const QString &file = QString());
    void typeAtSourceEnd(const QString &text);

    QTemporaryDir dir;
};

void TestBackup::openWindow(bool autoSave, const QString &file)
{
    Config::set(Config::AutoBackup, autoSave);
    GuiTestBase::openWindow(file);
}

// The source is brought to the front first, and typed into once the page's document is in it.
void TestBackup::typeAtSourceEnd(const QString &text)
{
    if (window->isVisualEditorShown()) {
        source->setPlainText(QStringLiteral("<waiting>"));
        clickTab(QStringLiteral("Source Code Editor"));
        QTRY_VERIFY(!source->isReadOnly() && source->toPlainText() != QLatin1String("<waiting>"));
    }
    source->moveCursor(QTextCursor::End);
    typeInSource(text);
}

void TestBackup::contentIsCompactUtf8Json()
{
    const QString markdown = QString::fromUtf8("say \"hi\" \\ path\nnext line: \xC3\xA9t\xC3\xA9 \xE4\xB8\xAD");
    const QByteArray bytes = BackupFiles::content(markdown, QStringLiteral("/home/me/a.md"));
    QCOMPARE(bytes, QByteArray("{\"markdown\":\"say \\\"hi\\\" \\\\ path\\nnext line: \xC3\xA9t\xC3\xA9 \xE4\xB8\xAD\","
                               "\"srcpath\":\"/home/me/a.md\"}"));
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(bytes, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value(QStringLiteral("markdown")).toString(), markdown);
}

namespace {
bool backupsTick(QWidget *window)
{
    for (QTimer *timer : window->findChildren<QTimer *>())
        if (timer->isActive() && timer->interval() == 10000 && !timer->isSingleShot())
            return true;
    return false;
}
}

// The setting took effect only after a restart.
void TestBackup::settingTakesEffectAtOnce()
{
    openWindow(false);
    typeAtSourceEnd(QStringLiteral("changed"));
    QVERIFY(titleHasStar());
    QVERIFY(!backupsTick(window));
    QCOMPARE(backups(), QStringList());
    auto *box = window->configurationWindow()->findChild<QCheckBox *>(QStringLiteral("backupBox"));
    box->click();
    QVERIFY(backupsTick(window));
    box->click();
    QVERIFY(!backupsTick(window));
    QCOMPARE(appSettings()->value(QStringLiteral("autoSave")).toBool(), false);
}

// An untitled document's backup: one file, overwritten at each tick.
void TestBackup::ticksOverwriteOneFile()
{
    openWindow(true);
    QVERIFY(backupsTick(window));
    typeAtSourceEnd(QStringLiteral("first "));
    source->insertPlainText(QString::fromUtf8("\xC3\xA9"));
    window->autoBackup();
    const QStringList first = backups();
    QCOMPARE(first.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^untitled-\\d{4}-\\d{2}-\\d{2}_\\d{9}$")).match(first.first()).hasMatch(),
             qPrintable(first.first()));
    QCOMPARE(backupObject(first.first()).value(QStringLiteral("srcpath")).toString(), QString());
    QCOMPARE(backupObject(first.first()).value(QStringLiteral("markdown")).toString(), QString::fromUtf8("first \xC3\xA9"));
    QCOMPARE(statusText(), QStringLiteral("Backup Successful"));
    // Backups are the owner's alone, whatever the document's permissions.
    QCOMPARE(QFileInfo(BackupFiles::folder() + QLatin1Char('/') + first.first()).permissions()
                 & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther),
             QFileDevice::Permissions());
    window->autoBackup(); // nothing changed since: nothing written
    typeAtSourceEnd(QStringLiteral(" second"));
    // A result the user asked for stays on screen over the backup's message.
    window->showStatusMessage(QStringLiteral("Replaced 3 occurrences"), QStringLiteral("#333333"), 3);
    window->autoBackup();
    QCOMPARE(backups(), first);
    QCOMPARE(backupObject(first.first()).value(QStringLiteral("markdown")).toString(), QString::fromUtf8("first \xC3\xA9 second"));
    QCOMPARE(statusText(), QStringLiteral("Replaced 3 occurrences"));

    // The Visual Editor's text is read from the page.
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(window->isVisualEditorShown());
    QTRY_VERIFY(pageText().contains(QString::fromUtf8("first \xC3\xA9 second")));
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();"
                      "var r=document.createRange();r.selectNodeContents(b.firstElementChild);r.collapse(false);"
                      "var s=window.getSelection();s.removeAllRanges();s.addRange(r);"
                      "document.execCommand('insertText',false,' third')"));
    QTRY_VERIFY(titleHasStar());
    window->autoBackup();
    QTRY_COMPARE(backupObject(first.first()).value(QStringLiteral("markdown")).toString().trimmed(),
                 QString::fromUtf8("first \xC3\xA9 second third"));
    QCOMPARE(backups(), first);
}

void TestBackup::savingRemovesTheBackup()
{
    const QString path = dir.filePath(QStringLiteral("notes.md"));
    writeFile(path, "start\n");
    openWindow(true, path);
    QTRY_VERIFY(pageText().contains(QStringLiteral("start")));
    typeAtSourceEnd(QStringLiteral(" more"));
    window->autoBackup();
    const QStringList first = backups();
    QCOMPARE(first.size(), 1);
    QVERIFY(first.first().startsWith(QStringLiteral("notes.md-")));
    QCOMPARE(backupObject(first.first()).value(QStringLiteral("srcpath")).toString(), path);

    action("actionSave")->trigger();
    QCOMPARE(backups(), QStringList());
    QCOMPARE(statusText(), QStringLiteral("Saved Successfully"));

    QTest::qWait(5); // the next name carries a later millisecond
    typeAtSourceEnd(QStringLiteral(" again"));
    window->autoBackup();
    const QStringList second = backups();
    QCOMPARE(second.size(), 1);
    QVERIFY(second.first() > first.first());

    // A tick that finds the document saved removes its backup.
    action("actionSave")->trigger();
    typeAtSourceEnd(QStringLiteral("!"));
    window->autoBackup();
    QCOMPARE(backups().size(), 1);
    content->updateModifyStatus(false);
    window->onWebViewChage(false);
    window->autoBackup();
    QCOMPARE(backups(), QStringList());
}

// The manager lists backups newest first and deletes one only when asked to.
void TestBackup::managerListsNewestFirst()
{
    QDir().mkpath(BackupFiles::folder());
    const QDateTime now = QDateTime::currentDateTime();
    touchWithTime(BackupFiles::folder() + QStringLiteral("/old.md-1"), now.addDays(-2));
    touchWithTime(BackupFiles::folder() + QStringLiteral("/newest.md-3"), now);
    touchWithTime(BackupFiles::folder() + QStringLiteral("/middle.md-2"), now.addDays(-1));
    BackupManage manager;
    auto *table = manager.findChild<QTableView *>(QStringLiteral("tableView"));
    QAbstractItemModel *model = table->model();
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 0).data().toString();
    QCOMPARE(names, (QStringList{"newest.md-3", "middle.md-2", "old.md-1"}));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"))
                .match(model->index(0, 1).data().toString())
                .hasMatch());

    const QString newest = BackupFiles::folder() + QStringLiteral("/newest.md-3");
    auto *remove = manager.findChild<QPushButton *>(QStringLiteral("btnDel"));
    remove->click(); // nothing selected: nothing asked
    QVERIFY(QFile::exists(newest));
    table->selectRow(0);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        SeenBox asked;
        pressOnNextBox(answer, &asked);
        remove->click();
        QCOMPARE(asked.text, QStringLiteral("Are you sure you want to delete this backup?"));
        QCOMPARE(QFile::exists(newest), answer == QMessageBox::No);
    }
    QCOMPARE(model->rowCount(), 2);
}

void TestBackup::newerBackupIsOfferedOnce_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("restored") << true;
    QTest::newRow("declined") << false;
}

// After a crash the newer backup was never mentioned again.
void TestBackup::newerBackupIsOfferedOnce()
{
    QFETCH(bool, restore);
    const QString path = dir.filePath(QStringLiteral("crashed.md"));
    writeFile(path, "# Saved text\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    file.close();
    QDir().mkpath(BackupFiles::folder());
    const QString backup = BackupFiles::folder() + QStringLiteral("/crashed.md-2024-03-05_142501007");
    QVERIFY(BackupFiles::write(backup, QStringLiteral("# Saved text\n\nUnsaved work.\n"), path));

    SeenBox offer;
    pressOnNextBox(restore ? QMessageBox::Yes : QMessageBox::No, &offer);
    openWindow(false, path);
    QTRY_VERIFY(offer.text.startsWith(QStringLiteral("A backup of %1 from ").arg(QDir::toNativeSeparators(path))));
    QTRY_COMPARE(pageText().contains(QStringLiteral("Unsaved work.")), restore);
    QCOMPARE(titleHasStar(), restore);
    closeWindow();
    if (restore) {
        QVERIFY(QFile::exists(backup));
        return;
    }
    BoxRecorder boxes(QMessageBox::No);
    openWindow(false, path);
    QTRY_VERIFY(pageText().contains(QStringLiteral("Saved text")));
    QTest::qWait(200);
    QVERIFY(boxes.boxes.isEmpty());
}

// The preview showed the stored JSON with its escapes, and nothing could be restored.
void TestBackup::previewShowsTheMarkdownAndRestoresIt()
{
    openWindow(false);
    QDir().mkpath(BackupFiles::folder());
    QVERIFY(BackupFiles::write(BackupFiles::folder() + QStringLiteral("/untitled-2024-03-05_142501007"),
                               QStringLiteral("# Kept\n\n\"quoted\" line\n"), QString()));
    answerModal([](QWidget *modal) {
        modal->findChild<QTableView *>(QStringLiteral("tableView"))->selectRow(0);
        answerModal([](QWidget *preview) {
            QCOMPARE(preview->findChild<QTextEdit *>(QStringLiteral("textEdit"))->toPlainText(),
                     QStringLiteral("# Kept\n\n\"quoted\" line\n"));
            preview->findChild<QPushButton *>(QStringLiteral("restoreButton"))->click();
        });
        modal->findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
    });
    action("actionBackup")->trigger();
    QTRY_VERIFY(pageText().contains(QStringLiteral("\"quoted\" line")));
    QVERIFY(titleHasStar());
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
