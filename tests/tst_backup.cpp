// Backups of the unsaved document and the backup manager.
#include "BackupManage.h"
#include "appsettings.h"
#include "backupfiles.h"
#include "resources.h"
#include "startup.h"
#include "windowtestsupport.h"

#include <QDir>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

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

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void names_data();
    void names();
    void contentIsCompactUtf8Json();
    void nothingWithoutAutoSave();
    void untitledDocument();
    void ticksOverwriteOneFile();
    void savingRemovesTheBackup();
    void managerListsNewestFirst();
    void managerAsksBeforeDeleting();

private:
    void openWindow(bool autoSave, const QString &file = QString());
    void typeInSource(const QString &text);

    TestWindow opened;
    QTemporaryDir dir;
};

void TestBackup::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    initPenwickResources();
    installDefaultEditorThemes(editorThemeDirectory());
}

void TestBackup::init()
{
    QDir(BackupFiles::folder()).removeRecursively();
}

void TestBackup::cleanup()
{
    if (opened.window) {
        opened.content->updateModifyStatus(false);
        delete opened.window;
        opened.window = nullptr;
    }
}

void TestBackup::openWindow(bool autoSave, const QString &file)
{
    appSettings()->setValue(QStringLiteral("autoSave"), autoSave);
    openTestWindow(opened, file);
}

void TestBackup::typeInSource(const QString &text)
{
    if (opened.window->isVisualEditorShown()) {
        opened.source->setPlainText(QStringLiteral("<waiting>"));
        activateEditorTab(opened.window, QStringLiteral("Source Code Editor"));
        QTRY_VERIFY(!opened.source->isReadOnly() && opened.source->toPlainText() != QLatin1String("<waiting>"));
    }
    opened.source->setFocus();
    opened.source->moveCursor(QTextCursor::End);
    QTest::keyClicks(opened.source, text);
}

void TestBackup::names_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 25, 1, 7));
    QTest::newRow("saved") << "notes.md" << "notes.md-2024-03-05_142501007";
    QTest::newRow("untitled") << "" << "untitled-2024-03-05_142501007";
}

void TestBackup::names()
{
    QFETCH(QString, fileName);
    QFETCH(QString, name);
    QCOMPARE(BackupFiles::backupName(fileName, QDateTime(QDate(2024, 3, 5), QTime(14, 25, 1, 7))), name);
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

void TestBackup::nothingWithoutAutoSave()
{
    openWindow(false);
    typeInSource(QStringLiteral("changed"));
    QVERIFY(opened.window->windowTitle().startsWith(QLatin1Char('*')));
    for (QTimer *timer : opened.window->findChildren<QTimer *>())
        QVERIFY(!(timer->isActive() && timer->interval() == 10000));
    QCOMPARE(backups(), QStringList());
}

void TestBackup::untitledDocument()
{
    openWindow(true);
    bool ticking = false;
    for (QTimer *timer : opened.window->findChildren<QTimer *>())
        ticking = ticking || (timer->isActive() && timer->interval() == 10000 && !timer->isSingleShot());
    QVERIFY(ticking);
    typeInSource(QStringLiteral("# Draft "));
    opened.source->insertPlainText(QString::fromUtf8("\xC3\xA9"));
    opened.window->autoBackup();
    const QStringList files = backups();
    QCOMPARE(files.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^untitled-\\d{4}-\\d{2}-\\d{2}_\\d{9}$")).match(files.first()).hasMatch(),
             qPrintable(files.first()));
    const QJsonObject object = backupObject(files.first());
    QCOMPARE(object.value(QStringLiteral("srcpath")).toString(), QString());
    QCOMPARE(object.value(QStringLiteral("markdown")).toString(), QString::fromUtf8("# Draft \xC3\xA9"));
    QCOMPARE(opened.window->findChild<QLabel *>(QStringLiteral("statusLabel"))->text(), QStringLiteral("Backup Successful"));
}

void TestBackup::ticksOverwriteOneFile()
{
    openWindow(true);
    typeInSource(QStringLiteral("first"));
    opened.window->autoBackup();
    const QStringList first = backups();
    QCOMPARE(first.size(), 1);
    opened.window->autoBackup(); // nothing changed since: nothing written
    typeInSource(QStringLiteral(" second"));
    opened.window->autoBackup();
    QCOMPARE(backups(), first);
    QCOMPARE(backupObject(first.first()).value(QStringLiteral("markdown")).toString(), QStringLiteral("first second"));

    // The Visual Editor's text is read from the page.
    activateEditorTab(opened.window, QStringLiteral("Visual Editor"));
    QTRY_VERIFY(opened.window->isVisualEditorShown());
    QTRY_VERIFY(opened.js(QStringLiteral("document.getElementById('bodyeditor').textContent")).toString().contains(
        QStringLiteral("first second")));
    opened.js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();"
                             "var r=document.createRange();r.selectNodeContents(b.firstElementChild);r.collapse(false);"
                             "var s=window.getSelection();s.removeAllRanges();s.addRange(r);"
                             "document.execCommand('insertText',false,' third')"));
    QTRY_VERIFY(opened.window->windowTitle().startsWith(QLatin1Char('*')));
    opened.window->autoBackup();
    QTRY_COMPARE(backupObject(first.first()).value(QStringLiteral("markdown")).toString().trimmed(),
                 QStringLiteral("first second third"));
    QCOMPARE(backups(), first);
}

void TestBackup::savingRemovesTheBackup()
{
    const QString path = dir.filePath(QStringLiteral("notes.md"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("start\n");
    file.close();
    openWindow(true, path);
    QTRY_VERIFY(opened.js(QStringLiteral("document.getElementById('bodyeditor').textContent")).toString().contains(
        QStringLiteral("start")));
    typeInSource(QStringLiteral(" more"));
    opened.window->autoBackup();
    const QStringList first = backups();
    QCOMPARE(first.size(), 1);
    QVERIFY(first.first().startsWith(QStringLiteral("notes.md-")));
    QCOMPARE(backupObject(first.first()).value(QStringLiteral("srcpath")).toString(), path);

    opened.window->findChild<QAction *>(QStringLiteral("actionSave"))->trigger();
    QCOMPARE(backups(), QStringList());
    QCOMPARE(opened.window->findChild<QLabel *>(QStringLiteral("statusLabel"))->text(), QStringLiteral("Saved Successfully"));

    QTest::qWait(5); // the next name carries a later millisecond
    typeInSource(QStringLiteral(" again"));
    opened.window->autoBackup();
    const QStringList second = backups();
    QCOMPARE(second.size(), 1);
    QVERIFY(second.first() > first.first());

    // A tick that finds the document saved removes its backup.
    opened.window->findChild<QAction *>(QStringLiteral("actionSave"))->trigger();
    typeInSource(QStringLiteral("!"));
    opened.window->autoBackup();
    QCOMPARE(backups().size(), 1);
    opened.content->updateModifyStatus(false);
    opened.window->onWebViewChage(false);
    opened.window->autoBackup();
    QCOMPARE(backups(), QStringList());
}

void TestBackup::managerListsNewestFirst()
{
    QDir().mkpath(BackupFiles::folder());
    const QDateTime now = QDateTime::currentDateTime();
    touchWithTime(BackupFiles::folder() + QStringLiteral("/old.md-1"), now.addDays(-2));
    touchWithTime(BackupFiles::folder() + QStringLiteral("/newest.md-3"), now);
    touchWithTime(BackupFiles::folder() + QStringLiteral("/middle.md-2"), now.addDays(-1));
    BackupManage manager;
    QCOMPARE(manager.windowTitle(), QStringLiteral("Backup Management"));
    auto *table = manager.findChild<QTableView *>(QStringLiteral("tableView"));
    QAbstractItemModel *model = table->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Creation Time"));
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 0).data().toString();
    QCOMPARE(names, (QStringList{"newest.md-3", "middle.md-2", "old.md-1"}));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"))
                .match(model->index(0, 1).data().toString())
                .hasMatch());
}

void TestBackup::managerAsksBeforeDeleting()
{
    QDir().mkpath(BackupFiles::folder());
    const QString path = BackupFiles::folder() + QStringLiteral("/keep.md-1");
    touchWithTime(path, QDateTime::currentDateTime());
    BackupManage manager;
    auto *table = manager.findChild<QTableView *>(QStringLiteral("tableView"));
    auto *remove = manager.findChild<QPushButton *>(QStringLiteral("btnDel"));
    remove->click(); // nothing selected: nothing asked
    QVERIFY(QFile::exists(path));
    table->selectRow(0);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QString asked;
        QTimer::singleShot(30, [&asked, answer] {
            QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            asked = box->text();
            box->button(answer)->click();
        });
        remove->click();
        QCOMPARE(asked, QStringLiteral("Are you sure you want to delete this backup?"));
        QCOMPARE(QFile::exists(path), answer == QMessageBox::No);
    }
    QCOMPARE(table->model()->rowCount(), 0);
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
