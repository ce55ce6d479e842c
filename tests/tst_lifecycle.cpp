// The open document end to end in the real window: the hand-over between the
// editors, the modified flag, open, save, the recent list.
#include "appsettings.h"
#include "backupfiles.h"
#include "config.h"
#include "documentconverter.h"
#include "guitestbase.h"
#include "highlighter.h"
#include "recentfiles.h"
#include "sourceblocks.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTemporaryDir>
#include <QDockWidget>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QDirIterator>
#include <QAbstractButton>

#include <csignal>
#include <sys/types.h>

class TestLifecycle : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init()
    {
        appSettings()->remove(Config::name(Config::RecentFiles));
        QDir(BackupFiles::folder()).removeRecursively();
    }
    void cleanup() { closeWindow(); }

    void starFollowsEditsNotReplacements();
    void pageStopsCountingBehindTheSource();
    void longDocumentIsColouredWhileTheSourceIsInFront();
    void saveAsSuggestsAName();
    void suggestedNames_data();
    void suggestedNames();
    void recentList_data();
    void recentList();
    void missingRecentFileIsReportedAndRemoved();
    void unsavedChangesAreAskedAbout_data();
    void unsavedChangesAreAskedAbout();
    void windowComesBackAsItWasLeft();
    void newClearsBothEditors();
    void earlyTabSwitchAndSaveKeepTheFile();
    void uneditedDocumentIsWrittenByteForByte_data();
    void uneditedDocumentIsWrittenByteForByte();
    void quickSwitchesKeepALongDocument();
    void saveRightAfterSwitchingHoldsTheTypedWord();
    void keysTypedRightAfterSwitchingReachTheNewDocument();
    void closingTheEditorInFrontHandsItOver();
    void endedRendererIsNoticedAndRecovered_data();
    void endedRendererIsNoticedAndRecovered();
    void changesOnDiskAreFollowed();
    void editChangesOnlyItsBlock_data();
    void editChangesOnlyItsBlock();
    void sourceEditReplacesOnlyItsBlocksInThePage();
    void readmeShowsAsOnACodeHostAndKeepsItsSource();
    void wordTypedInARealDocumentChangesOnlyItsBlock_data();
    void wordTypedInARealDocumentChangesOnlyItsBlock();

private:
    // Opens `bytes` as a file and waits until the page holds it whole.
    QString openDocument(const QByteArray &bytes, const QString &name = QStringLiteral("doc.md"));
    void waitForHandOver();
    // Brings the Source Code Editor to the front and waits until it takes typing.
    void handOverToSource();
    QString typeAtEndOfPage(const QString &text);
    void caretAtEndOfText(const QString &marker);

    QTemporaryDir dir;
};

QString TestLifecycle::openDocument(const QByteArray &bytes, const QString &name)
{
    const QString path = dir.filePath(name);
    writeFile(path, bytes);
    openWindow(path);
    [&] { QTRY_VERIFY_WITH_TIMEOUT(window->editorPage()->holdsLatestDocument() && js(QStringLiteral("pendingHtml === null")).toBool(), 30000); }();
    return path;
}

void TestLifecycle::waitForHandOver()
{
    QTRY_VERIFY_WITH_TIMEOUT(window->documentSession()->state() != DocumentSession::State::ToSource, 30000);
}

void TestLifecycle::handOverToSource()
{
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY_WITH_TIMEOUT(!source->isReadOnly(), 30000);
}

// Real keys at the end of the page's last block; returns the page's text.
QString TestLifecycle::typeAtEndOfPage(const QString &text)
{
    focusPage();
    js(QStringLiteral("(function(){var b=document.getElementById('bodyeditor');b.focus();var t=b.lastElementChild;"
                      "while(t&&t.textContent.trim()==='')t=t.previousElementSibling;showBlock(t);while(t&&t.lastChild)t=t.lastChild;"
                      "var r=document.createRange();r.setStart(t,t.length||0);getSelection().removeAllRanges();"
                      "getSelection().addRange(r);return true;})()"));
    QTest::keyClicks(view->focusProxy(), text);
    return pageText();
}

// The caret at the end of the page's text node holding `marker`, in view, with the focus.
void TestLifecycle::caretAtEndOfText(const QString &marker)
{
    QVERIFY(js(QStringLiteral(
        "(function () { var walker = document.createTreeWalker(editorBody(), NodeFilter.SHOW_TEXT), node;"
        "  while ((node = walker.nextNode()) && node.data.indexOf(%1[0]) < 0) {}"
        "  bringIntoView(node); editorBody().focus(); var range = document.createRange();"
        "  range.setStart(node, node.data.length); getSelection().removeAllRanges(); getSelection().addRange(range);"
        "  return true; })()").arg(QString::fromUtf8(QJsonDocument(QJsonArray{marker}).toJson(QJsonDocument::Compact)))).toBool());
    focusPage();
}

// The program's own replacements of the text are no edits: once saved, the
// hand-over that converts the edited page leaves the star off.
void TestLifecycle::starFollowsEditsNotReplacements()
{
    openWindow();
    QVERIFY(!titleHasStar());
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();document.execCommand('insertText',false,'typed')"));
    QTRY_VERIFY(titleHasStar());
    answerModal(chooseFile(dir.filePath(QStringLiteral("star.md"))));
    action("actionSave")->trigger();
    QVERIFY(!titleHasStar());
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
    QVERIFY(source->toPlainText().contains(QStringLiteral("typed")));
    clickTab(QStringLiteral("Visual Editor"));
    QVERIFY(!titleHasStar());
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
    handOverToSource();
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

    handOverToSource();
    clickTab(QStringLiteral("Visual Editor"));
    QVERIFY(highlighter->hasPendingBlocks());
    QTest::qWait(300);
    QVERIFY(highlighter->hasPendingBlocks());
    QVERIFY(!lastHeadingColoured());

    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY_WITH_TIMEOUT(!highlighter->hasPendingBlocks(), 15000);
    QVERIFY(lastHeadingColoured());
}

void TestLifecycle::saveAsSuggestsAName()
{
    openWindow();
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
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
    Config::set(Config::RecentFiles, QStringList{gone, kept});
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

void TestLifecycle::unsavedChangesAreAskedAbout_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("saved");
    QTest::newRow("close, cancel") << "close" << "cancel" << false << false;
    QTest::newRow("close, escape") << "close" << "escape" << false << false;
    QTest::newRow("close, don't save") << "close" << "discard" << true << false;
    QTest::newRow("close, enter saves") << "close" << "enter" << true << true;
    QTest::newRow("new, save") << "new" << "save" << true << true;
    QTest::newRow("new, save fails") << "new" << "save fails" << false << false;
    QTest::newRow("recent file, don't save") << "recent" << "discard" << true << false;
    QTest::newRow("recent file, untitled, save as cancelled") << "recent" << "save as cancelled" << false << false;
}

// Enter once threw the work away; now it saves, and nothing is replaced
// unless the work was saved or the user said so.
void TestLifecycle::unsavedChangesAreAskedAbout()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(bool, replaced);
    QFETCH(bool, saved);
    const QString other = dir.filePath(QStringLiteral("other.md"));
    writeFile(other, "# Other file\n");
    Config::set(Config::RecentFiles, QStringList{other});
    const bool untitled = answer == QLatin1String("save as cancelled");
    const QString folder = dir.filePath(QStringLiteral("mine"));
    const QString path = untitled ? QString() : folder + QStringLiteral("/mine.md");
    if (!untitled)
        writeFile(path, "# Mine\n");
    openWindow(path);
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();document.execCommand('insertText',false,'unsaved work')"));
    QTRY_VERIFY(titleHasStar());
    window->backup(QStringLiteral("backed up"));
    const QStringList backups = QDir(BackupFiles::folder()).entryList(QDir::Files);
    QCOMPARE(backups.size(), 1);
    if (answer == QLatin1String("save fails")) {
        QVERIFY(QDir(folder).removeRecursively());
        Config::set(Config::RecentFiles, QStringList{other});
    }

    QList<ModalAnswer> answers;
    SeenBox asked;
    answers << [&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        asked.text = box->text();
        QVERIFY(static_cast<QObject *>(box->defaultButton()) == box->button(QMessageBox::Save));
        // Over the window it is about.
        QVERIFY((box->frameGeometry().center() - window->frameGeometry().center()).manhattanLength() < 60);
        if (answer == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else if (answer == QLatin1String("enter"))
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->button(answer == QLatin1String("cancel") ? QMessageBox::Cancel
                        : answer == QLatin1String("discard") ? QMessageBox::Discard : QMessageBox::Save)->click();
    };
    SeenBox failure;
    if (answer == QLatin1String("save fails"))
        answers << pressButton(QMessageBox::Ok, &failure);
    if (untitled)
        answers << [](QWidget *modal) { QMetaObject::invokeMethod(modal, "reject"); };
    answerModals(answers);
    const QStringList recent = RecentFiles::load();
    bool closed = false;
    if (command == QLatin1String("close"))
        closed = window->close();
    else if (command == QLatin1String("new"))
        action("actionNew")->trigger();
    else
        window->findChild<QMenu *>(QStringLiteral("menuRecent"))->actions().first()->trigger();

    QCOMPARE(asked.text, QStringLiteral("Do you want to save the changes to %1?").arg(untitled ? QStringLiteral("Untitled") : QStringLiteral("mine.md")));
    QCOMPARE(closed, replaced && command == QLatin1String("close"));
    if (command != QLatin1String("close"))
        QCOMPARE(!pageText().contains(QStringLiteral("unsaved work")), replaced);
    if (!untitled && answer != QLatin1String("save fails"))
        QCOMPARE(readFile(path).contains("unsaved work"), saved);
    // The backup serves the document until it is saved or thrown away.
    QCOMPARE(QDir(BackupFiles::folder()).entryList(QDir::Files).isEmpty(), replaced);
    if (!replaced)
        QVERIFY(window->isVisible() && titleHasStar());
    if (answer == QLatin1String("save fails")) {
        QVERIFY2(failure.text.startsWith(QStringLiteral("Cannot save file %1: ").arg(QDir::toNativeSeparators(path))),
                 qPrintable(failure.text));
        QCOMPARE(RecentFiles::load(), recent);
    }
}

// Closed with the Source Code Editor in front, the navigation shown and a
// size of its own, the window comes back so, the document in the source.
void TestLifecycle::windowComesBackAsItWasLeft()
{
    const QString path = openDocument("# Kept\n\nThe layout stays.\n");
    // Closed as a user closes it, then started again on the layout it saved.
    const auto reopen = [this, &path](bool closeFirst) {
        if (closeFirst)
            QVERIFY(window->close());
        closeWindow();
        keepWindowLayout = true;
        showWindow(path);
        keepWindowLayout = false;
    };
    window->resize(820, 610);
    window->move(40, 30);
    handOverToSource();
    window->findChild<QDockWidget *>(QStringLiteral("dockNavigation"))->show();
    reopen(true);
    QCOMPARE(window->size(), QSize(820, 610));
    QVERIFY(window->findChild<QDockWidget *>(QStringLiteral("dockNavigation"))->isVisible());
    QTRY_VERIFY(!window->isVisualEditorShown());
    QTRY_COMPARE(source->toPlainText(), QStringLiteral("# Kept\n\nThe layout stays.\n"));
    QVERIFY(!source->isReadOnly());

    // A window left where no screen is any longer comes back on screen.
    window->move(window->screen()->geometry().right() + 400, 100);
    reopen(true);
    QVERIFY(window->screen()->availableGeometry().intersects(window->frameGeometry()));

    // A saved layout that hides both editors shows the Visual Editor.
    QMainWindow hidingBoth;
    for (const QString &name : {QStringLiteral("dockEditor"), QStringLiteral("dockWebView")}) {
        auto *dock = new QDockWidget(&hidingBoth);
        dock->setObjectName(name);
        hidingBoth.addDockWidget(Qt::RightDockWidgetArea, dock);
        dock->hide();
    }
    Config::set(Config::WindowState, hidingBoth.saveState());
    reopen(false);
    QVERIFY(window->findChild<QDockWidget *>(QStringLiteral("dockWebView"))->isVisible());
}

void TestLifecycle::newClearsBothEditors()
{
    const QString path = dir.filePath(QStringLiteral("full.md"));
    writeFile(path, "# Full\n\ntext\n");
    openWindow(path);
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("Full")), 15000);
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
    typeInSource(QStringLiteral("old source"));
    clickTab(QStringLiteral("Visual Editor"));
    pressOnNextBox(QMessageBox::Discard);
    action("actionNew")->trigger();
    QTRY_VERIFY(!pageText().contains(QStringLiteral("Full")));
    QCOMPARE(source->toPlainText(), QString());
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled -  Penwick"));
    QCOMPARE(RecentFiles::load(), QStringList{path});
}

// A tab clicked before the page had loaded once left both editors empty, and
// Save wrote nothing.
void TestLifecycle::earlyTabSwitchAndSaveKeepTheFile()
{
    const QString path = dir.filePath(QStringLiteral("early.md"));
    writeFile(path, "# Early\n\nkept text\n");
    showWindow(path);
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_COMPARE(source->toPlainText(), QStringLiteral("# Early\n\nkept text\n"));
    clickTab(QStringLiteral("Visual Editor"));
    action("actionSave")->trigger();
    QCOMPARE(readFile(path), QByteArray("# Early\n\nkept text\n"));
    QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("kept text")), 20000);
}

void TestLifecycle::uneditedDocumentIsWrittenByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::newRow("CR LF") << QByteArray("# Windows\r\n\r\nline one\r\nline two\r\n") << "";
    QTest::newRow("mixed line ends") << QByteArray("# Mixed\r\n\nline\rnext\r\n") << "";
    QTest::newRow("non-breaking spaces") << QByteArray("# Price\n\n100\xC2\xA0\xE2\x82\xAC and\xC2\xA0more\n") << "";
    QTest::newRow("Latin-1") << QByteArray("# R\xE9sum\xE9\n\nUne premi\xE8re ligne \xE9" "crite en fran\xE7" "ais.\n")
                             << "Encoding: ISO-8859-1";
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF# Marked\n") << "Encoding: UTF-8";
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE#\0 \0U\0\n\0", 10) << "Encoding: UTF-16LE";
}

// Through both editors and back, a document nobody edited is saved as it was
// read: its encoding, byte-order mark, line ends and non-breaking spaces.
void TestLifecycle::uneditedDocumentIsWrittenByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    const QString path = openDocument(bytes);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("infoLabel"))->text(), encoding);
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
    clickTab(QStringLiteral("Visual Editor"));
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
    QVERIFY(QFile::remove(path));
    action("actionSave")->trigger();
    QCOMPARE(readFile(path), bytes);
    clickTab(QStringLiteral("Visual Editor"));
    QVERIFY(QFile::remove(path));
    action("actionSave")->trigger();
    QCOMPARE(readFile(path), bytes);
    QVERIFY(!titleHasStar());
}

namespace {
// How many lines at the start and at the end the two texts share.
QPair<int, int> sharedLines(const QStringList &before, const QStringList &after)
{
    int same = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same])
        ++same;
    int sameAtEnd = 0;
    while (sameAtEnd < before.size() - same && sameAtEnd < after.size() - same
           && before[before.size() - 1 - sameAtEnd] == after[after.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    return {same, sameAtEnd};
}

// A long document, several screens of what writers write.
QByteArray longDocument(int kilobytes)
{
    QByteArray text = "# Long\n\n";
    for (int n = 1; text.size() < kilobytes * 1024; ++n)
        text += "## Part " + QByteArray::number(n) + "\n\nSome **prose** with a [link](https://example.org/" + QByteArray::number(n)
            + ") and `code`.\n\n- one\n- two\n\n```js\nlet x = " + QByteArray::number(n) + ";\n```\n\n";
    return text + "The end.\n";
}
}

// Clicking back to the Visual Editor before the page had answered once
// rendered the empty Source Code Editor into it, and Save wrote 0 bytes.
void TestLifecycle::quickSwitchesKeepALongDocument()
{
    const QByteArray bytes = longDocument(1536);
    const QString path = openDocument(bytes);
    for (int delay : {0, 50, 150, 300}) {
        clickTab(QStringLiteral("Source Code Editor"));
        QTest::qWait(delay);
        clickTab(QStringLiteral("Visual Editor"));
        waitForHandOver();
        QVERIFY(QFile::remove(path));
        action("actionSave")->trigger();
        QVERIFY2(readFile(path) == bytes, qPrintable(QStringLiteral("after %1 ms").arg(delay)));
    }
}

// Save right after the switch once wrote the Source Code Editor's empty text
// and took the star away.
void TestLifecycle::saveRightAfterSwitchingHoldsTheTypedWord()
{
    const QString path = openDocument(longDocument(1024));
    const QString page = typeAtEndOfPage(QStringLiteral(" typedword"));
    QVERIFY(page.contains(QStringLiteral("The end. typedword")));
    clickTab(QStringLiteral("Source Code Editor"));
    action("actionSave")->trigger();
    QVERIFY(QString::fromUtf8(readFile(path)).endsWith(QStringLiteral("The end. typedword\n")));
    QVERIFY(!titleHasStar());
    QVERIFY(!source->isReadOnly());
}

// Keys typed while the page still shows the document on its way out would go with it.
void TestLifecycle::keysTypedRightAfterSwitchingReachTheNewDocument()
{
    const QString path = openDocument(longDocument(1024));
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
    source->moveCursor(QTextCursor::End);
    typeInSource(QStringLiteral("from the source"));
    clickTab(QStringLiteral("Visual Editor"));
    QTest::keyClicks(view->focusProxy(), QStringLiteral("quickkeys"));
    QTRY_VERIFY_WITH_TIMEOUT(js(QStringLiteral("editorBody().textContent.indexOf('quickkeys') >= 0")).toBool(), 20000);
    action("actionSave")->trigger();
    const QString saved = QString::fromUtf8(readFile(path));
    QCOMPARE(saved.count(QStringLiteral("quickkeys")), 1);
    QVERIFY(saved.contains(QStringLiteral("from the source")));
}

// Closing the Visual Editor's dock left an empty Source Code Editor, and
// Save wrote only what was typed there.
void TestLifecycle::closingTheEditorInFrontHandsItOver()
{
    const QByteArray bytes = longDocument(64);
    const QString path = openDocument(bytes);
    typeAtEndOfPage(QStringLiteral(" pageword"));
    auto *visualDock = window->findChild<QDockWidget *>(QStringLiteral("dockWebView"));
    auto *sourceDock = window->findChild<QDockWidget *>(QStringLiteral("dockEditor"));
    QTest::mouseClick(visualDock->findChild<QAbstractButton *>(QStringLiteral("qt_dockwidget_closebutton")), Qt::LeftButton);
    QVERIFY(visualDock->isHidden());
    waitForHandOver();
    QVERIFY(source->toPlainText().endsWith(QStringLiteral("The end. pageword\n")));
    // The last editor cannot be closed; the View menu brings the other back.
    QCOMPARE(sourceDock->features(), QDockWidget::NoDockWidgetFeatures);
    QVERIFY(!sourceDock->toggleViewAction()->isEnabled());
    QVERIFY(window->findChild<QMenu *>(QStringLiteral("menuView"))->actions().contains(visualDock->toggleViewAction()));
    source->moveCursor(QTextCursor::End);
    typeInSource(QStringLiteral("sourceword"));
    action("actionSave")->trigger();
    QCOMPARE(QString::fromUtf8(readFile(path)), QString::fromUtf8(bytes).replace(QStringLiteral("The end."), QStringLiteral("The end. pageword")) + QStringLiteral("sourceword"));
    visualDock->toggleViewAction()->trigger();
    QVERIFY(!visualDock->isHidden());
    QCOMPARE(sourceDock->features(), QDockWidget::DockWidgetClosable);
}

void TestLifecycle::endedRendererIsNoticedAndRecovered_data()
{
    QTest::addColumn<bool>("sourceInFront");
    QTest::addColumn<bool>("editedSinceHandOver");
    QTest::addColumn<QString>("typedInPage");
    QTest::newRow("visual, edited") << false << true << " kept";
    QTest::newRow("visual, unedited") << false << false << " kept";
    QTest::newRow("source in front") << true << false << " kept";
    // The page then still held its document as given: a new page must get all of it.
    QTest::newRow("source in front, page never edited") << true << false << "";
}

// An ended renderer left the Source Code Editor empty and read-only for good
// and Save refused in the Visual Editor; nothing brought the page back.
void TestLifecycle::endedRendererIsNoticedAndRecovered()
{
    QFETCH(bool, sourceInFront);
    QFETCH(bool, editedSinceHandOver);
    QFETCH(QString, typedInPage);
    const QString path = openDocument(longDocument(256));
    if (!typedInPage.isEmpty())
        typeAtEndOfPage(typedInPage);
    const QString end = QStringLiteral("The end.") + typedInPage;
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
    if (!sourceInFront)
        clickTab(QStringLiteral("Visual Editor"));
    if (editedSinceHandOver)
        typeAtEndOfPage(QStringLiteral(" lost"));
    const qint64 renderer = window->editorPage()->rendererProcessId();
    SeenBox notice;
    if (!sourceInFront)
        pressOnNextBox(QMessageBox::Ok, &notice);
    ::kill(pid_t(renderer), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(window->editorPage()->isReady() && window->editorPage()->rendererProcessId() != renderer, 30000);
    if (sourceInFront) {
        QVERIFY(!source->isReadOnly());
        typeInSource(QStringLiteral(" more"));
        clickTab(QStringLiteral("Visual Editor"));
    } else {
        QTRY_VERIFY(!notice.text.isEmpty());
        QVERIFY2(notice.text.endsWith(editedSinceHandOver ? QStringLiteral("is lost.") : QStringLiteral("Nothing was lost.")),
                 qPrintable(notice.text));
    }
    QTRY_VERIFY_WITH_TIMEOUT(js(QStringLiteral("editorBody().textContent.indexOf('%1') >= 0").arg(end)).toBool(), 20000);
    // The recovered page is edited like any other.
    typeAtEndOfPage(QStringLiteral(" after"));
    QTRY_VERIFY(titleHasStar());
    // Every key in before the save: what a save does with keys still on their way is not this test's.
    QTRY_VERIFY(js(QStringLiteral("editorBody().textContent.indexOf('The end.%1 after') >= 0").arg(typedInPage)).toBool());
    action("actionSave")->trigger();
    const QString saved = QString::fromUtf8(readFile(path));
    QCOMPARE(saved.count(QStringLiteral("## Part ")), QString::fromUtf8(longDocument(256)).count(QStringLiteral("## Part ")));
    QVERIFY(saved.contains(end));
    QVERIFY(!saved.contains(QStringLiteral("lost")));
    QCOMPARE(saved.contains(QStringLiteral("more")), sourceInFront);
    QVERIFY(saved.contains(QStringLiteral(" after")));
    QVERIFY(!titleHasStar());
}

// Another program's change to the open file: followed while nothing was
// edited, asked about otherwise, and never overwritten without a question.
void TestLifecycle::changesOnDiskAreFollowed()
{
    const QString path = openDocument(longDocument(32));
    clickTab(QStringLiteral("Source Code Editor"));
    waitForHandOver();
    QTextCursor caret = source->textCursor();
    caret.setPosition(200);
    source->setTextCursor(caret);
    writeFile(path, "# Changed elsewhere\n\n" + longDocument(32));
    QTRY_VERIFY(source->toPlainText().startsWith(QStringLiteral("# Changed elsewhere")));
    QCOMPARE(source->textCursor().position(), 200);
    QVERIFY(!titleHasStar());

    typeInSource(QStringLiteral("mine"));
    SeenBox asked;
    pressOnNextBox(QMessageBox::No, &asked);
    writeFile(path, "# Theirs\n");
    QTRY_VERIFY(asked.text.endsWith(QStringLiteral("Reload it and lose your unsaved changes?")));
    QVERIFY(source->toPlainText().contains(QStringLiteral("mine")));
    pressOnNextBox(QMessageBox::No, &asked);
    action("actionSave")->trigger();
    QVERIFY(asked.text.endsWith(QStringLiteral("Overwrite those changes?")));
    QCOMPARE(readFile(path), QByteArray("# Theirs\n"));
    QVERIFY(titleHasStar());
    pressOnNextBox(QMessageBox::Yes);
    action("actionSave")->trigger();
    QVERIFY(readFile(path).contains("mine"));
    QVERIFY(!titleHasStar());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"

namespace {
// Several screens of Markdown as writers keep it: hard-wrapped paragraphs,
// raw HTML, entities, reference links, setext headings, "*" lists, tables,
// code and formulas; block `n` of each kind holds the marker "Mark<n>".
QByteArray writersDocument()
{
    QByteArray text = "<p align=\"center\"><img src=\"logo.png\" width=\"80\"></p>\n\nProject\n=======\n\n";
    for (int n = 0; n < 12; ++n) {
        const QByteArray mark = "Mark" + QByteArray::number(n);
        text += "Section " + QByteArray::number(n) + "\n-----------\n\n"
                "A hard-wrapped paragraph " + mark + " with __strong__ words\nand _emphasis_, a [reference][ref"
                + QByteArray::number(n) + "] and &#10084; here,\nending on its third line.\n\n"
                "* first item " + mark + "\n* second item\n    * nested " + mark + "\n    * nested sibling\n        * deeper " + mark + "\n\n"
                "1.  ordered " + mark + "\n    wrapped\n2.  last\n\n"
                "> A quoted note " + mark + "\n> wrapped here.\n>\n> Second quoted\n> paragraph.\n\n"
                "| Name | Value |\n|:-----|------:|\n| cell " + mark + " | 1 |\n| other | 22 |\n\n"
                "```python\nif True:\n\tprint(\"" + mark + "\")\n```\n\n"
                "Formula $e^{i\\pi} + 1 = 0$ in a line.<br>\n\n"
                "[ref" + QByteArray::number(n) + "]: https://example.org/" + QByteArray::number(n) + "\n\n";
    }
    return text + "The end.\n";
}

// The lines of the block holding `marker`: the run of non-blank lines around it.
QPair<int, int> blockLines(const QStringList &lines, const QString &marker)
{
    int first = 0;
    while (first < lines.size() && !lines[first].contains(marker))
        ++first;
    int last = first;
    while (first > 0 && !lines[first - 1].trimmed().isEmpty())
        --first;
    while (last + 1 < lines.size() && !lines[last + 1].trimmed().isEmpty())
        ++last;
    return {first, last};
}
}

void TestLifecycle::editChangesOnlyItsBlock_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("added");
    QTest::addColumn<int>("itemLines"); // in a list: the lines of the edited item, the only ones that may change
    QTest::newRow("a word typed") << "paragraph Mark6" << "type" << "Added" << 0;
    QTest::newRow("a new paragraph") << "paragraph Mark6" << "enter" << "Added" << 0;
    QTest::newRow("bold applied") << "paragraph Mark6" << "bold" << "**Mark6**" << 0;
    QTest::newRow("a word typed in a list item") << "first item Mark6" << "type" << "* first item Mark6 Added" << 1;
    QTest::newRow("a list item added") << "first item Mark6" << "enter" << "* Added" << 1;
    QTest::newRow("a word typed in a nested item") << "nested Mark6" << "type" << "    * nested Mark6 Added" << 1;
    QTest::newRow("a word typed in a deeper item") << "deeper Mark6" << "type" << "        * deeper Mark6 Added" << 1;
    QTest::newRow("a wrapped item edited") << "ordered Mark6" << "type" << "1.  ordered Mark6" << 2;
    QTest::newRow("a word typed in a quote") << "quoted note Mark6" << "type" << "> A quoted note Mark6" << 2;
    QTest::newRow("a code block edited") << "print(\"Mark6\")" << "code" << "Addedif True:" << 0;
    QTest::newRow("a table row added") << "cell Mark6" << "row" << "|" << 0;
    QTest::newRow("a block deleted") << "paragraph Mark6" << "delete" << "" << 0;
    QTest::newRow("a word typed and undone") << "paragraph Mark6" << "undo" << "" << 0;
}

// One edit in the Visual Editor, then the hand-over: every line outside the
// edited block comes back as it was written.
void TestLifecycle::editChangesOnlyItsBlock()
{
    QFETCH(QString, marker);
    QFETCH(QString, edit);
    QFETCH(QString, added);
    QFETCH(int, itemLines);
    const QByteArray written = writersDocument();
    openDocument(written);
    // Where the writer left the Source Code Editor.
    handOverToSource();
    QCOMPARE(source->toPlainText().toUtf8(), written);
    QTextCursor caret = source->textCursor();
    caret.setPosition(source->document()->findBlockByNumber(20).position() + 3);
    source->setTextCursor(caret);
    source->verticalScrollBar()->setValue(source->verticalScrollBar()->maximum() / 3);
    const int scrolled = source->verticalScrollBar()->value();
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(window->documentSession()->state() == DocumentSession::State::Visual);
    const QString word = marker.section(QLatin1Char('"'), 1, 1).isEmpty() ? marker.section(QLatin1Char(' '), -1)
                                                                             : marker.section(QLatin1Char('"'), 1, 1);
    // The caret at the end of the marker's text, in view.
    QVERIFY(js(QStringLiteral(
        "(function () { var walker = document.createTreeWalker(editorBody(), NodeFilter.SHOW_TEXT), node;"
        "  while ((node = walker.nextNode()) && node.data.indexOf('%3') < 0) {}"
        "  if (!node) return false; bringIntoView(node); editorBody().focus();"
        "  var range = document.createRange(), at = node.data.indexOf('%1');"
        "  if ('%2' === 'bold') { range.setStart(node, at); range.setEnd(node, at + '%1'.length); }"
        "  else { range.setStart(node, node.data.length); }"
        "  getSelection().removeAllRanges(); getSelection().addRange(range); return true; })()")
                   .arg(word, edit, edit == QLatin1String("code") ? word : marker)).toBool());
    focusPage();
    QWidget *keys = view->focusProxy();
    if (edit == QLatin1String("type")) {
        QTest::keyClicks(keys, QStringLiteral(" Added"));
    } else if (edit == QLatin1String("undo")) {
        QTest::keyClicks(keys, QStringLiteral(" Added"));
        QTRY_VERIFY(pageText().contains(QStringLiteral(" Added")));
        for (int step = 0; step < 10 && pageText().contains(QStringLiteral(" Added")); ++step) {
            QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
            waitFor([] { return false; }, 200);
        }
        QVERIFY(!pageText().contains(QStringLiteral(" Added")));
    } else if (edit == QLatin1String("enter")) {
        QTest::keyClick(keys, Qt::Key_End);
        QTest::keyClick(keys, Qt::Key_Return);
        QTest::keyClicks(keys, QStringLiteral("Added"));
    } else if (edit == QLatin1String("bold")) {
        QTest::keyClick(keys, Qt::Key_B, Qt::ControlModifier);
    } else if (edit == QLatin1String("code")) {
        QVERIFY(js(QStringLiteral("(function () { var wrapper = [].find.call(document.querySelectorAll('.cm-editor-wrapper'),"
                                  "  function (w) { return codeBlockValue(w).indexOf('%1') >= 0; });"
                                  "  buildCodeMirror(wrapper); wrapper.scrollIntoView(); wrapper.cmInstance.focus();"
                                  "  wrapper.cmInstance.setCursor(0, 0); window.editedCode = wrapper; return true; })()").arg(word)).toBool());
        // The engine may hand the focus back to the editor's body once after the view took it.
        QTRY_VERIFY(js(QStringLiteral("editedCode.cmInstance.focus(); editedCode.cmInstance.hasFocus()")).toBool());
        QTest::keyClicks(keys, QStringLiteral("Added"));
    } else if (edit == QLatin1String("row")) {
        QCOMPARE(js(QStringLiteral("(function () { try { var node = getSelection().focusNode;"
                                   "  var cell = (node.nodeType === 1 ? node : node.parentNode).closest('td');"
                                   "  var box = cell.getBoundingClientRect();"
                                   "  insertTableRow(box.left + 2, box.top + 2, 'below'); return 'done'; }"
                                   "  catch (error) { return String(error); } })()")).toString(), QStringLiteral("done"));
    } else {
        QVERIFY(js(QStringLiteral("(function () { var block = topLevelBlock(getSelection().focusNode);"
                                  "  getSelection().selectAllChildren(block); return true; })()")).toBool());
        QTest::keyClick(keys, Qt::Key_Delete);
        QTest::keyClick(keys, Qt::Key_Delete);
    }
    QTRY_VERIFY(titleHasStar());
    handOverToSource();

    const QStringList before = QString::fromUtf8(written).split(QLatin1Char('\n'));
    const QStringList after = source->toPlainText().split(QLatin1Char('\n'));
    if (edit == QLatin1String("undo")) {
        QCOMPARE(after, before);
        return;
    }
    const auto [same, sameAtEnd] = sharedLines(before, after);
    // A block may gain a blank line after it; an item may not.
    QPair<int, int> block = blockLines(before, marker);
    int changeEnd = block.second + 2;
    if (itemLines > 0) {
        block.first = int(std::find_if(before.begin(), before.end(), [&](const QString &line) { return line.contains(marker); }) - before.begin());
        changeEnd = block.first + itemLines;
    }
    const QString changed = after.mid(same, after.size() - same - sameAtEnd).join(QLatin1Char('\n'));
    QVERIFY2(same >= block.first && before.size() - sameAtEnd <= changeEnd,
             qPrintable(QStringLiteral("lines %1 to %2 of the block %3 to %4 changed:\n%5")
                            .arg(same).arg(before.size() - sameAtEnd).arg(block.first).arg(block.second).arg(changed)));
    QVERIFY2(changed.contains(added), qPrintable(changed));
    // Code keeps its tabs, also in an edited block.
    QVERIFY(after.contains(QStringLiteral("\tprint(\"Mark6\")")));

    // The Source Code Editor is where it was, and the page's edit is one undo step.
    QCOMPARE(source->textCursor().position(), caret.position());
    QCOMPARE(source->verticalScrollBar()->value(), scrolled);
    source->undo();
    QCOMPARE(source->toPlainText().toUtf8(), written);
}

// The Markdown files that come with the page's own packages, with a word
// typed at the end of a paragraph, or of a list item, in the middle of each.
void TestLifecycle::wordTypedInARealDocumentChangesOnlyItsBlock_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("inItem");
    QDirIterator files(QStringLiteral(CORPUS_DIR), {QStringLiteral("*.md")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString name = QDir(QStringLiteral(CORPUS_DIR)).relativeFilePath(path);
        QTest::newRow(qPrintable(name)) << path << false;
        QTest::newRow(qPrintable(name + QStringLiteral(", list item"))) << path << true;
    }
}

void TestLifecycle::wordTypedInARealDocumentChangesOnlyItsBlock()
{
    QFETCH(QString, path);
    QFETCH(bool, inItem);
    // As the editors hold it: some of these files end their lines with CR LF.
    const QByteArray onDisk = readFile(path);
    const QByteArray written = QByteArray(onDisk).replace("\r\n", "\n");
    openDocument(onDisk);
    const int block = js(QStringLiteral(
        "(function () { var candidates = [];"
        "  [].forEach.call(editorBody().children, function (element) {"
        "    if (element.sourceBlock === undefined) return;"
        "    if (!%1 && element.tagName === 'P') candidates.push(element);"
        "    if (%1 && /^[UO]L$/.test(element.tagName) && element.children.length >= 3)"
        "      [].forEach.call(element.children, function (item) { if (!item.querySelector('ul, ol, pre')) candidates.push(item); });"
        "  });"
        "  candidates = candidates.filter(function (element) { return element.textContent.trim().length > 20; });"
        "  var edited = candidates[Math.floor(candidates.length / 2)];"
        "  if (!edited) return -1;"
        "  bringIntoView(edited); editorBody().focus();"
        "  var walker = document.createTreeWalker(edited, NodeFilter.SHOW_TEXT), node, last = null;"
        "  while ((node = walker.nextNode())) if (node.data.trim()) last = node;"
        "  var range = document.createRange(); range.setStart(last, last.data.length);"
        "  getSelection().removeAllRanges(); getSelection().addRange(range); return topLevelBlock(edited).sourceBlock; })()")
        .arg(inItem ? QStringLiteral("true") : QStringLiteral("false"))).toInt();
    if (block < 0)
        QSKIP("nothing of the kind");
    focusPage();
    QTest::keyClicks(view->focusProxy(), QStringLiteral(" Added"));
    QTRY_VERIFY(titleHasStar());
    handOverToSource();

    // The edited block's segment of the source, as the program cut it.
    const std::string markdown = written.toStdString();
    SourceBlocks blocks;
    blocks.take(markdown, markdown, DocumentConverter().markdownToHtmlUtf8(markdown));
    size_t begin = 0, end = 0;
    for (const SourceBlocks::Segment &segment : blocks.segments())
        if (block >= segment.firstBlock && block < segment.firstBlock + segment.blockCount)
            std::tie(begin, end) = std::make_pair(segment.begin, segment.end);
    QVERIFY(end > begin);
    // A paragraph is a segment of its own.
    QVERIFY2(inItem || !written.mid(static_cast<int>(begin), static_cast<int>(end - begin)).contains("\n\n"),
             written.mid(static_cast<int>(begin), static_cast<int>(end - begin)).left(300).constData());
    const QByteArray after = source->toPlainText().toUtf8();
    const QByteArray expectedStart = written.left(static_cast<int>(begin));
    const QByteArray expectedEnd = written.mid(static_cast<int>(end));
    QVERIFY2(after.startsWith(expectedStart) && after.endsWith(expectedEnd),
             qPrintable(QStringLiteral("outside the block %1-%2:\n%3").arg(begin).arg(end)
                            .arg(QString::fromUtf8(after.mid(static_cast<int>(begin), 400)))));
    QVERIFY(after.mid(static_cast<int>(begin), after.size() - static_cast<int>(begin + written.size() - end))
                .contains("Added"));
    if (!inItem)
        return;
    // In a list, the lines that changed are those of one item.
    const QStringList before = QString::fromUtf8(written).split(QLatin1Char('\n'));
    const QStringList now = QString::fromUtf8(after).split(QLatin1Char('\n'));
    const auto [same, sameAtEnd] = sharedLines(before, now);
    const QStringList changed = before.mid(same, before.size() - same - sameAtEnd);
    static const QRegularExpression marker(QStringLiteral("^ {0,3}([-+*]|\\d{1,9}[.)])( |$)"));
    QVERIFY2(changed.filter(marker).size() == 1 && changed.first().contains(marker),
             qPrintable(changed.join(QLatin1Char('\n')) + QStringLiteral("\nbecame\n")
                        + now.mid(same, now.size() - same - sameAtEnd).join(QLatin1Char('\n'))));
}

// A README as code hosts show it: images beside it and in a subfolder,
// raw HTML rendered inert, front matter kept; a word typed at its end
// changes nothing else.
void TestLifecycle::readmeShowsAsOnACodeHostAndKeepsItsSource()
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("notes/img")));
    QVERIFY(image.save(dir.filePath(QStringLiteral("notes/diagram.png"))));
    QVERIFY(image.save(dir.filePath(QStringLiteral("notes/img/detail one.png"))));
    const QByteArray evil = "document.title='ran'";
    const QByteArray written = "---\ntitle: Pictures\n---\n<div align=\"center\">\n  <img src=\"diagram.png\" width=\"48\">\n\n"
                               "# Pictures\n</div>\n\n![A diagram](diagram.png)\n\n"
                               "Detail: ![one](<img/detail one.png>) <kbd>Ctrl</kbd>+<kbd>S</kbd>, x<sup>2</sup>\n\n"
                               "<details>\n<summary>More</summary>\n\n- hidden *item*\n\n</details>\n\n"
                               "| a | b |\n|---|---|\n| x<br>y | z |\n\n"
                               "<img src=x onerror=\"" + evil + "\"> <a href=\"javascript:" + evil + "\">js</a> <script>" + evil
        + "</script>\n<iframe src=\"about:blank\"></iframe> <form><input></form> <svg><script>" + evil
        + "</script></svg> <img src=\"data:image/svg+xml,<svg/>\">\n"
          "<div style=\"position:fixed;inset:0;background:red\" class=\"CodeMirror\" onclick=\"" + evil + "\">cover</div>\n\n"
          "Text.\n";
    openDocument(written, QStringLiteral("notes/pictures.md"));
    QTRY_COMPARE(js(QStringLiteral("[].filter.call(editorBody().querySelectorAll('img'),"
                                   "  function (img) { return img.complete && img.naturalWidth === 24; }).length")).toInt(), 3);
    QCOMPARE(js(QStringLiteral("[].map.call(editorBody().querySelectorAll('x-html kbd, x-html sup, x-html details li em,"
                               " x-html h1, td x-html br, x-html[type=front-matter]'), function (e) { return e.tagName; }).join()"))
                 .toString(),
             QStringLiteral("X-HTML,H1,KBD,KBD,SUP,EM,BR"));
    QCOMPARE(js(QStringLiteral("[].filter.call(editorBody().querySelectorAll('*'), function (e) {"
                               "  return /^(SCRIPT|IFRAME|FORM|INPUT|SVG|STYLE)$/i.test(e.tagName) || e.hasAttribute('style')"
                               "    || e.hasAttribute('class') && e.closest('x-html') || /^(javascript|data):/.test(e.getAttribute('href') || e.getAttribute('src') || '')"
                               "    || [].some.call(e.attributes, function (a) { return /^on/.test(a.name); }); }).length")).toInt(), 0);
    QVERIFY(js(QStringLiteral("document.title")).toString() != QLatin1String("ran"));
    // The page's word count stands: the Source Code Editor, which does not
    // hold the document yet, counts nothing over it once its pause is over.
    auto *words = window->findChild<QLabel *>(QStringLiteral("wordCountLabel"));
    QTRY_COMPARE(words->text(), QStringLiteral("10"));
    const QString count = words->text();
    QVERIFY(!waitFor([words, count] { return words->text() != count; }, 3500));
    typeAtEndOfPage(QStringLiteral(" More"));
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY_WITH_TIMEOUT(source->toPlainText().contains(QStringLiteral("Text. More")), 30000);
    QCOMPARE(source->toPlainText().toUtf8(), written.left(written.size() - 1) + " More\n");

    // Saved into another folder, it still shows the same images.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("moved")));
    const QString movedPath = dir.filePath(QStringLiteral("moved/pictures.md"));
    answerModal(chooseFile(movedPath));
    action("actionSaveAs")->trigger();
    QTRY_VERIFY(QFileInfo::exists(movedPath));
    const QByteArray moved = readFile(movedPath);
    QVERIFY2(moved.contains("<img src=\"../notes/diagram.png\" width=\"48\">") && moved.contains("![A diagram](../notes/diagram.png)")
                 && moved.contains("![one](<../notes/img/detail one.png>)"),
             moved.constData());
    QCOMPARE(source->toPlainText().toUtf8(), moved);
    QVERIFY(!titleHasStar());
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_COMPARE(js(QStringLiteral("[].filter.call(editorBody().querySelectorAll('img'),"
                                   "  function (img) { return img.complete && img.naturalWidth === 24; }).length")).toInt(), 3);
}

// Back in the Visual Editor after an edit in the source, only the edited
// blocks are new: code editors elsewhere stay, and the page's next edit goes
// back into the source's text at its place.
void TestLifecycle::sourceEditReplacesOnlyItsBlocksInThePage()
{
    openDocument(writersDocument());
    QVERIFY(js(QStringLiteral("window.keptCode = [].find.call(document.querySelectorAll('.cm-editor-wrapper'),"
                              "  function (w) { return codeBlockValue(w).indexOf('Mark8') >= 0; }); !!keptCode")).toBool());
    handOverToSource();
    QTextCursor cursor(source->document());
    cursor.setPosition(source->toPlainText().indexOf(QStringLiteral("paragraph Mark3")));
    source->setTextCursor(cursor);
    typeInSource(QStringLiteral("Inserted in the source."));
    QTest::keyClick(source, Qt::Key_Return);
    QTest::keyClick(source, Qt::Key_Return);
    typeInSource(QStringLiteral("A "));
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(js(QStringLiteral("editorBody().textContent.indexOf('Inserted in the source.') >= 0")).toBool());
    QVERIFY(js(QStringLiteral("keptCode.isConnected")).toBool());
    // The last block changed: the new one goes where the old one was.
    handOverToSource();
    source->moveCursor(QTextCursor::End);
    source->moveCursor(QTextCursor::PreviousCharacter);
    typeInSource(QStringLiteral(" Last"));
    const QString sourceText = source->toPlainText();
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(js(QStringLiteral("editorBody().textContent.indexOf('The end. Last') >= 0")).toBool());
    QVERIFY(js(QStringLiteral("keptCode.isConnected")).toBool());

    caretAtEndOfText(QStringLiteral("paragraph Mark9"));
    QTest::keyClicks(view->focusProxy(), QStringLiteral(" Added"));
    QTRY_VERIFY(titleHasStar());
    handOverToSource();
    const QStringList before = sourceText.split(QLatin1Char('\n'));
    const QStringList after = source->toPlainText().split(QLatin1Char('\n'));
    const QPair<int, int> block = blockLines(before, QStringLiteral("paragraph Mark9"));
    QCOMPARE(after.mid(0, block.first), before.mid(0, block.first));
    QCOMPARE(after.mid(after.size() - (before.size() - block.second - 1)), before.mid(block.second + 1));
    QVERIFY(after.mid(block.first, after.size() - before.size() + block.second + 1 - block.first)
                .join(QLatin1Char(' ')).contains(QStringLiteral("Added")));

    // After that page edit, an edit in the source again replaces only its
    // block, and the page's next edit still lands at its place.
    source->moveCursor(QTextCursor::End);
    source->moveCursor(QTextCursor::PreviousCharacter);
    typeInSource(QStringLiteral(" Again"));
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(js(QStringLiteral("editorBody().textContent.indexOf('Last Again') >= 0")).toBool());
    QVERIFY(js(QStringLiteral("keptCode.isConnected")).toBool());
    caretAtEndOfText(QStringLiteral("paragraph Mark1"));
    QTest::keyClicks(view->focusProxy(), QStringLiteral(" Extra"));
    const QString beforeExtra = source->toPlainText();
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY_WITH_TIMEOUT(source->toPlainText() != beforeExtra && !source->isReadOnly(), 30000);
    const QStringList linesBefore = beforeExtra.split(QLatin1Char('\n'));
    const QStringList withExtra = source->toPlainText().split(QLatin1Char('\n'));
    const QPair<int, int> edited = blockLines(linesBefore, QStringLiteral("paragraph Mark1"));
    QCOMPARE(withExtra.mid(0, edited.first), linesBefore.mid(0, edited.first));
    QCOMPARE(withExtra.mid(withExtra.size() - (linesBefore.size() - edited.second - 1)), linesBefore.mid(edited.second + 1));
    QVERIFY(withExtra.join(QLatin1Char(' ')).contains(QStringLiteral("Extra")));

    // A page changed behind the program's back since it was read takes the
    // source's document whole.
    js(QStringLiteral("var stray = document.createElement('p'); stray.textContent = 'Stray';"
                      "editorBody().appendChild(stray); true"));
    source->moveCursor(QTextCursor::End);
    source->moveCursor(QTextCursor::PreviousCharacter);
    typeInSource(QStringLiteral(" Third"));
    const QString third = source->toPlainText();
    clickTab(QStringLiteral("Visual Editor"));
    QTRY_VERIFY(js(QStringLiteral("editorBody().textContent.indexOf('Again Third') >= 0")).toBool());
    QVERIFY(!js(QStringLiteral("editorBody().textContent.indexOf('Stray') >= 0")).toBool());
    QVERIFY(!js(QStringLiteral("keptCode.isConnected")).toBool());
    QTRY_VERIFY(window->editorPage()->holdsLatestDocument());
    typeAtEndOfPage(QStringLiteral(" Fourth"));
    clickTab(QStringLiteral("Source Code Editor"));
    QTRY_VERIFY_WITH_TIMEOUT(source->toPlainText().contains(QStringLiteral("Third Fourth")), 30000);
}
