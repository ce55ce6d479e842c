// The open document end to end in the real window: the hand-over between the
// editors, the modified flag, open, save, the recent list.
#include "appsettings.h"
#include "documentconverter.h"
#include "documentfile.h"
#include "guitestbase.h"
#include "highlighter.h"
#include "htmlcompare.h"
#include "recentfiles.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

namespace {
const QByteArray sampleDocument =
    "# Title \xC3\xA9t\xC3\xA9\n\nA paragraph\nwritten on two lines.\n\n- one\n  - nested\n- two\n\n"
    "| a | b |\n|---|:-:|\n| 1 |   |\n\n```cpp\nint main() { return 0; }\n```\n\nInline $x^2$ and $$\\sum_i i$$\n";
}

class TestLifecycle : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init() { appSettings()->remove(QStringLiteral("recentFileList")); }
    void cleanup() { closeWindow(); }

    void openAndHandOver();
    void unEditedPageLeavesSourceAsWritten();
    void fileOpenedInSourceReachesThePage();
    void starFollowsEditsNotReplacements();
    void typingWaitsForTheHandOver();
    void pageStopsCountingBehindTheSource();
    void longDocumentIsColouredWhileTheSourceIsInFront();
    void saveWritesUtf8AndClearsTheStar();
    void saveAsSuggestsAName();
    void suggestedNames_data();
    void suggestedNames();
    void recentList_data();
    void recentList();
    void missingRecentFileIsReportedAndRemoved();
    void recentFileWithUnsavedChangesAsksFirst();
    void newClearsBothEditors();
    void unwritableFileIsReported();
    void earlySaveKeepsTheFile();
    void crLfFileStaysCrLf();
    void markdownFileReadsAndWrites_data();
    void markdownFileReadsAndWrites();

private:
    QTemporaryDir dir;
};

void TestLifecycle::openAndHandOver()
{
    const QString path = dir.filePath(QStringLiteral("sample.md"));
    writeFile(path, sampleDocument);
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QString::fromUtf8("Title \xC3\xA9t\xC3\xA9")), 15000);
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor .katex')")).toBool());

    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->toPlainText().isEmpty());
    const DocumentConverter converter;
    QCOMPARE(normalizedHtml(converter.markdownToHtml(source->toPlainText().toStdString())),
             normalizedHtml(converter.markdownToHtml(sampleDocument.toStdString())));
    QVERIFY(!titleHasStar());

    source->moveCursor(QTextCursor::End);
    source->setFocus();
    QTest::keyClick(source, Qt::Key_Return);
    typeInSource(QStringLiteral("Added in the source."));
    QVERIFY(titleHasStar());
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(pageText().contains(QStringLiteral("Added in the source.")));
    QVERIFY(titleHasStar());
}

// Converting back would rewrite the user's own spelling of the same document.
void TestLifecycle::unEditedPageLeavesSourceAsWritten()
{
    const QString written = QStringLiteral("Title\n=====\n\n* one\n* two\n\nsoft\nbreak and __strong__\n");
    const QString path = dir.filePath(QStringLiteral("spelling.md"));
    writeFile(path, written.toUtf8());
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("strong")), 15000);
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    QCOMPARE(source->toPlainText(), written);

    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(pageText().contains(QStringLiteral("strong")));
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    QCOMPARE(source->toPlainText(), written);

    // Saving from the unedited page writes the same spelling.
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(pageText().contains(QStringLiteral("strong")));
    writeFile(path, QByteArray());
    window->on_actionSave_triggered();
    QCOMPARE(QString::fromUtf8(readFile(path)), written);

    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(pageText().contains(QStringLiteral("strong")));
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();"
                      "getSelection().selectAllChildren(b.querySelector('h1'));getSelection().collapseToEnd();"
                      "document.execCommand('insertText',false,' edited')"));
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    QVERIFY2(source->toPlainText().startsWith(QStringLiteral("# Title edited")), qPrintable(source->toPlainText()));
}

// A page left alone keeps its document only while the source is unchanged too.
void TestLifecycle::fileOpenedInSourceReachesThePage()
{
    const QString first = dir.filePath(QStringLiteral("first.md"));
    const QString second = dir.filePath(QStringLiteral("second.md"));
    writeFile(first, "# First file\n");
    writeFile(second, "# Second file\n");
    openWindow(first);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("First file")), 15000);
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    QVERIFY(window->openFile(second));
    QCOMPARE(source->toPlainText(), QStringLiteral("# Second file\n"));
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(pageText().contains(QStringLiteral("Second file")));
    QVERIFY(!pageText().contains(QStringLiteral("First file")));
}

void TestLifecycle::starFollowsEditsNotReplacements()
{
    openWindow();
    QVERIFY(!titleHasStar());
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();document.execCommand('insertText',false,'typed')"));
    QTRY_VERIFY(titleHasStar());
    content->updateModifyStatus(false);
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(source->toPlainText().contains(QStringLiteral("typed")));
    QVERIFY(!titleHasStar());
}

// Keys pressed before the page's document arrives would be overwritten by it.
void TestLifecycle::typingWaitsForTheHandOver()
{
    openWindow();
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();document.execCommand('insertText',false,'from the page')"));
    clickTab(QStringLiteral("Source Code Editor"));
    typeInSource(QStringLiteral("early"));
    QVERIFY(source->isReadOnly());
    QTRY_VERIFY(!source->isReadOnly());
    QVERIFY(source->toPlainText().contains(QStringLiteral("from the page")));
    QVERIFY(!source->toPlainText().contains(QStringLiteral("early")));
    typeInSource(QStringLiteral("late"));
    QVERIFY(source->toPlainText().contains(QStringLiteral("late")));
}

// Behind the Source Code Editor the page's count would only slow the hand-over
// down, and could land after the source's own count of a newer text.
void TestLifecycle::pageStopsCountingBehindTheSource()
{
    openWindow();
    auto *label = window->findChild<QLabel *>(QStringLiteral("wordCountLabel"));
    QVERIFY(label);
    QSignalSpy pageCounts(content, &Content::updateWordsCountSignal);
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();document.execCommand('insertText',false,'one two three')"));
    QTRY_VERIFY(pageCounts.count() > 0 && pageCounts.last().at(0).toString() == QLatin1String("3"));

    pageCounts.clear();
    js(QStringLiteral("document.execCommand('insertText',false,' four')"));
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    QTRY_COMPARE(label->text(), QStringLiteral("4"));
    QVERIFY(!pageCounts.wait(1000));
    QCOMPARE(pageCounts.count(), 0);
}

// The lines below the first screenful take their colours in the background,
// and only while the Source Code Editor is in front.
void TestLifecycle::longDocumentIsColouredWhileTheSourceIsInFront()
{
    QByteArray markdown;
    for (int i = 0; i < 40 * Highlighter::immediateBlocks; ++i)
        markdown += "# Heading " + QByteArray::number(i) + "\n";
    markdown += "\nThe end.\n";
    const QString path = dir.filePath(QStringLiteral("long.md"));
    writeFile(path, markdown);
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(
        js(QStringLiteral("pendingHtml === null && editorBody().textContent.indexOf('The end.') >= 0")).toBool(), 15000);
    auto *highlighter = source->document()->findChild<Highlighter *>();
    QVERIFY(highlighter);
    const auto lastHeadingColoured = [&] {
        const QTextBlock block = source->document()->findBlockByNumber(40 * Highlighter::immediateBlocks - 1);
        return !block.layout()->formats().isEmpty();
    };

    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    clickTab(QStringLiteral("Visual Editor"));
    QVERIFY(highlighter->hasPendingBlocks());
    QTest::qWait(300);
    QVERIFY(highlighter->hasPendingBlocks());
    QVERIFY(!lastHeadingColoured());

    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY_WITH_TIMEOUT(!highlighter->hasPendingBlocks(), 15000);
    QVERIFY(lastHeadingColoured());
}

void TestLifecycle::saveWritesUtf8AndClearsTheStar()
{
    const QString path = dir.filePath(QStringLiteral("save.md"));
    writeFile(path, "# Start\n");
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("Start")), 15000);
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->toPlainText().isEmpty());
    QTRY_VERIFY(!source->isSettingText());
    source->setFocus();
    source->moveCursor(QTextCursor::End);
    source->insertPlainText(QString::fromUtf8("\n\xE6\xBC\xA2\xE5\xAD\x97 caf\xC3\xA9"));
    QVERIFY(titleHasStar());
    action("actionSave")->trigger();
    QCOMPARE(QString::fromUtf8(readFile(path)), source->toPlainText());
    QVERIFY(readFile(path).contains("\xE6\xBC\xA2\xE5\xAD\x97 caf\xC3\xA9"));
    QVERIFY(!titleHasStar());
    QCOMPARE(RecentFiles::load().first(), path);
}

void TestLifecycle::saveAsSuggestsAName()
{
    openWindow();
    clickTab(QStringLiteral("Source Code Editor"));
    source->setPlainText(QStringLiteral("intro\n\n# What? A <title>: yes\n\ntext\n"));
    const QString target = dir.filePath(QStringLiteral("chosen.md"));
    QString suggested;
    answerModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        suggested = name->text();
        name->setText(target);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    action("actionSave")->trigger();
    QCOMPARE(suggested, QStringLiteral("What A title yes.md"));
    QCOMPARE(readFile(target), QByteArray("intro\n\n# What? A <title>: yes\n\ntext\n"));
    QCOMPARE(window->windowTitle(), QStringLiteral("chosen.md -  Penwick"));
}

void TestLifecycle::suggestedNames_data()
{
    QTest::addColumn<QString>("outline");
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("name");
    QTest::newRow("outline entry") << "Report: Q1/Q2" << "# other" << "Report Q1Q2.md";
    QTest::newRow("first heading") << "" << "text\n## Notes *draft* |x|\n# Later" << "Notes draft x.md";
    QTest::newRow("first 20 characters") << "" << "Just some words without\nany heading" << "Just some words with.md";
    QTest::newRow("only forbidden characters") << "" << "???***" << "";
    QTest::newRow("empty document") << "" << "" << "";
}

void TestLifecycle::suggestedNames()
{
    QFETCH(QString, outline);
    QFETCH(QString, markdown);
    QFETCH(QString, name);
    QCOMPARE(suggestedFileName(outline, markdown), name);
}

void TestLifecycle::recentList_data()
{
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("same file twice") << QStringList{"a", "b", "a"} << QStringList{"a", "b"};
    QTest::newRow("six files keep five") << QStringList{"1", "2", "3", "4", "5", "6"}
                                         << QStringList{"6", "5", "4", "3", "2"};
    QTest::newRow("case matters") << QStringList{"A", "a"} << QStringList{"a", "A"};
}

void TestLifecycle::recentList()
{
    QFETCH(QStringList, opened);
    QFETCH(QStringList, expected);
    QStringList list;
    for (const QString &path : opened)
        list = RecentFiles::withFileAdded(list, path);
    QCOMPARE(list, expected);
}

void TestLifecycle::missingRecentFileIsReportedAndRemoved()
{
    const QString kept = dir.filePath(QStringLiteral("kept.md"));
    writeFile(kept, "kept\n");
    const QString gone = dir.filePath(QStringLiteral("gone.md"));
    appSettings()->setValue(QStringLiteral("recentFileList"), QStringList{gone, kept});
    openWindow();
    QMenu *recent = window->findChild<QMenu *>(QStringLiteral("menuRecent"));
    QCOMPARE(recent->actions().size(), 2);
    SeenBox reported;
    pressOnNextBox(QMessageBox::Ok, &reported);
    recent->actions().first()->trigger();
    QVERIFY(reported.text.startsWith(QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(gone)));
    QCOMPARE(RecentFiles::load(), QStringList{kept});
    QCOMPARE(recent->actions().size(), 1);
}

void TestLifecycle::recentFileWithUnsavedChangesAsksFirst()
{
    const QString other = dir.filePath(QStringLiteral("other.md"));
    writeFile(other, "# Other file\n");
    appSettings()->setValue(QStringLiteral("recentFileList"), QStringList{other});
    openWindow();
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();document.execCommand('insertText',false,'unsaved work')"));
    QTRY_VERIFY(titleHasStar());
    SeenBox asked;
    pressOnNextBox(QMessageBox::No, &asked);
    window->findChild<QMenu *>(QStringLiteral("menuRecent"))->actions().first()->trigger();
    QCOMPARE(asked.text, QStringLiteral("The current file has not been saved. Do you want to discard changes?"));
    QVERIFY(pageText().contains(QStringLiteral("unsaved work")));
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("*Untitled")));

    pressOnNextBox(QMessageBox::Yes);
    window->findChild<QMenu *>(QStringLiteral("menuRecent"))->actions().first()->trigger();
    QTRY_VERIFY(pageText().contains(QStringLiteral("Other file")));
    QCOMPARE(window->windowTitle(), QStringLiteral("other.md -  Penwick"));
}

void TestLifecycle::newClearsBothEditors()
{
    const QString path = dir.filePath(QStringLiteral("full.md"));
    writeFile(path, "# Full\n\ntext\n");
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("Full")), 15000);
    source->setTextProgrammatically(QStringLiteral("old source"));
    action("actionNew")->trigger();
    QTRY_VERIFY(!pageText().contains(QStringLiteral("Full")));
    QCOMPARE(source->toPlainText(), QString());
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled -  Penwick"));
    QCOMPARE(RecentFiles::load(), QStringList{path});
}

void TestLifecycle::unwritableFileIsReported()
{
    const QString path = dir.filePath(QStringLiteral("vanishing/doc.md"));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("vanishing"))));
    writeFile(path, "# Doc\n");
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("Doc")), 15000);
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();document.execCommand('insertText',false,'edit')"));
    QTRY_VERIFY(titleHasStar());
    QVERIFY(QDir(dir.filePath(QStringLiteral("vanishing"))).removeRecursively());
    appSettings()->remove(QStringLiteral("recentFileList"));
    SeenBox reported;
    pressOnNextBox(QMessageBox::Ok, &reported);
    action("actionSave")->trigger();
    QVERIFY2(reported.text.startsWith(QStringLiteral("Cannot save file ") + QDir::toNativeSeparators(path) + ": "),
             qPrintable(reported.text));
    QVERIFY(titleHasStar());
    QVERIFY(RecentFiles::load().isEmpty());
}

void TestLifecycle::earlySaveKeepsTheFile()
{
    const QString path = dir.filePath(QStringLiteral("early.md"));
    writeFile(path, "# Early\n\nkept text\n");
    showWindow(path);
    action("actionSave")->trigger();
    QVERIFY(readFile(path).contains("kept text"));
}

void TestLifecycle::crLfFileStaysCrLf()
{
    const QString path = dir.filePath(QStringLiteral("windows.md"));
    writeFile(path, "# Windows\r\n\r\nline one\r\nline two\r\n");
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("Windows")), 15000);
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY(!source->isReadOnly());
    QVERIFY(source->toPlainText().contains(QStringLiteral("line one")));
    QVERIFY(!source->toPlainText().contains(QLatin1Char('\r')));
    action("actionSave")->trigger();
    const QByteArray saved = readFile(path);
    QCOMPARE(saved, QByteArray("# Windows\r\n\r\nline one\r\nline two\r\n"));
}

void TestLifecycle::markdownFileReadsAndWrites_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("crlf");
    QTest::newRow("LF") << QByteArray("a\nb\n") << "a\nb\n" << false;
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "a\nb\n" << true;
    QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBFx\n") << "x\n" << false;
    QTest::newRow("UTF-8") << QByteArray("\xC3\xA9\n") << QString::fromUtf8("\xC3\xA9\n") << false;
}

void TestLifecycle::markdownFileReadsAndWrites()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, crlf);
    const QString path = dir.filePath(QStringLiteral("roundtrip.md"));
    writeFile(path, bytes);
    MarkdownFile file;
    QVERIFY(file.read(path, nullptr));
    QCOMPARE(file.text, text);
    QCOMPARE(file.crlf, crlf);
    QVERIFY(MarkdownFile::write(path, file.text, file.crlf, nullptr));
    QCOMPARE(readFile(path), bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    QString error;
    QVERIFY(!MarkdownFile::write(dir.filePath(QStringLiteral("no/such/dir/x.md")), text, false, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
