// The editing commands in the real window: which editor each acts on, the
// table picker, the context menu, links, formulas, images, paste and drop.
#include "appsettings.h"
#include "config.h"
#include "documentconverter.h"
#include "guitestbase.h"
#include "latexeditordialog.h"
#include "mypushbutton.h"
#include "tabledialog.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {
const char *const tableWithFormula =
    "<table><thead><tr><th>A</th><th>B</th></tr></thead><tbody><tr><td>1</td><td>2</td></tr>"
    "<tr><td>3</td><td><x-equation contenteditable=\"false\">y^3</x-equation></td></tr></tbody></table>"
    "<p id=\"plain\">Plain words here.</p>";

QStringList entries(const QMenu *menu)
{
    QStringList result;
    for (QAction *action : menu->actions())
        result << (action->isSeparator() ? QStringLiteral("-")
                                          : action->menu() ? QStringLiteral(">") + action->menu()->title()
                                                           : action->text());
    return result;
}

QAction *entry(const QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text || (action->menu() && action->menu()->title() == text))
            return action;
    return nullptr;
}
}

class TestEditingCommands : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init();
    void cleanup() { closeWindow(); }

    void markdownPathInTheWindow();
    void zoom_data();
    void zoom();
    void ctrlSlashSwitchesEditors();
    void editCommandsActOnTheSourceInFront();
    void pageKeysDoWhatTheySay();
    void everyEnabledCommandShowsAnEffect();
    void keyboardPasteInsertsTextAsText();
    void pasteIsUndoneAndRedone_data();
    void pasteIsUndoneAndRedone();
    void copyAndCutKeepCodeAndFormulasAsWritten();
    void copyConfirmation();
    void tablePicker_data();
    void tablePicker();
    void tableShortcutOutsideATableDoesNothing();
    void contextMenuActsWhereItOpened();
    void contextMenuEntries_data();
    void contextMenuEntries();
    void formulaDialogCancelChangesNothing();
    void modifyFormula();
    void linkInTheSourceEditor_data();
    void linkInTheSourceEditor();
    void linkTextReachesThePageAsText();
    void imageWindow_data();
    void imageWindow();
    void pastedImageNeedsASavedDocument();
    void droppedFilesInOrder();
    void localImagesShowAndKeepTheirPath();

public slots:
    void captureUrl(const QUrl &url) { openedUrls << url; }

private:
    QList<QUrl> openedUrls;
    void setPageHtml(const QString &html);
    QPoint viewPointOf(const QString &selector);
    QWidget *linkDialog() const;

    QTemporaryDir dir;
};

void TestEditingCommands::init()
{
    Config::set(Config::Zoom, 1.0);
    Config::set(Config::ImageCopyMethod, 0);
    openWindow();
}

// Editing commands act where the page has the keyboard focus.
void TestEditingCommands::setPageHtml(const QString &html)
{
    setPage(html);
    js(QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();"
                      "var r=document.createRange();r.selectNodeContents(b.lastElementChild);r.collapse(true);"
                      "var s=window.getSelection();s.removeAllRanges();s.addRange(r);true"));
}

// Going to the source waits for the page's document to arrive there.
// The centre of the first element matching `selector`, in view coordinates.
QPoint TestEditingCommands::viewPointOf(const QString &selector)
{
    const QVariantList centre =
        js(QStringLiteral("(function(){var b=document.querySelector('%1').getBoundingClientRect();"
                          "return [b.left+b.width/2,b.top+b.height/2];})()")
               .arg(selector))
            .toList();
    const double zoom = view->zoomFactor();
    return QPoint(qRound(centre.value(0).toDouble() * zoom), qRound(centre.value(1).toDouble() * zoom));
}

QWidget *TestEditingCommands::linkDialog() const
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("linkDialog") && widget->isVisible())
            return widget;
    return nullptr;
}

void TestEditingCommands::markdownPathInTheWindow()
{
    toSource();
    source->setPlainText(QStringLiteral("one two"));
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    action("actionBold")->trigger();
    action("actionHeading2")->trigger();
    QCOMPARE(source->toPlainText(), QStringLiteral("## one **two**"));
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor b, #bodyeditor strong, #bodyeditor h2').length")).toInt(), 0);
}

void TestEditingCommands::zoom_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<QString>("action");
    QTest::addColumn<double>("to");
    QTest::addColumn<QString>("message");

    QTest::newRow("in") << 1.0 << "actionZoomIn" << 1.05 << "Zoom Ratio 105%";
    QTest::newRow("in to the limit") << 4.98 << "actionZoomIn" << 5.0 << "Zoom Ratio 500%";
    QTest::newRow("in at the limit") << 5.0 << "actionZoomIn" << 5.0 << "Zoom Ratio 500%";
    QTest::newRow("out") << 1.0 << "actionZoomOut" << 0.95 << "Zoom Ratio 95%";
    QTest::newRow("out to the limit") << 0.27 << "actionZoomOut" << 0.25 << "Zoom Ratio 25%";
    QTest::newRow("default") << 2.5 << "actionDefaultZoom" << 1.0 << "Zoom Ratio 100%";
}

void TestEditingCommands::zoom()
{
    QFETCH(double, from);
    QFETCH(QString, action);
    QFETCH(double, to);
    QFETCH(QString, message);
    view->setZoomFactor(from);
    appSettings()->remove(Config::name(Config::Zoom));
    window->findChild<QAction *>(action)->trigger();
    QVERIFY(qFuzzyCompare(view->zoomFactor(), to));
    QVERIFY(qFuzzyCompare(appSettings()->value(QStringLiteral("zoom")).toDouble(), to));
    QCOMPARE(statusText(), message);
}

void TestEditingCommands::ctrlSlashSwitchesEditors()
{
    toSource();
    source->setFocus();
    QTest::keyRelease(source, Qt::Key_Slash, Qt::ControlModifier);
    QTRY_VERIFY(window->isVisualEditorShown());
    QTest::keyRelease(view->focusProxy(), Qt::Key_Slash, Qt::ControlModifier);
    QTRY_VERIFY(!window->isVisualEditorShown());
    QVERIFY(window->findChild<QDockWidget *>(QStringLiteral("dockEditor"))->isVisible());
}

// With the Source Code Editor in front, the Edit commands act on its text
// and leave the hidden page alone.
void TestEditingCommands::editCommandsActOnTheSourceInFront()
{
    setPageHtml(QStringLiteral("<p><b>bold</b> and <a href=\"https://example.com/\">link</a></p><p>end</p>"));
    window->changeMode(2);
    QTRY_VERIFY(!window->isVisualEditorShown());
    QTRY_VERIFY(!source->isReadOnly());
    const QString page = js(QStringLiteral("editorBody().innerHTML")).toString();
    source->setPlainText(QStringLiteral("# Title\n\n**bold** and [link](https://example.com/)"));
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(9);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    action("actionClear")->trigger();
    QCOMPARE(source->toPlainText(), QStringLiteral("# Title\n\nbold and link"));
    source->moveCursor(QTextCursor::Start);
    action("actionParagraph")->trigger();
    QCOMPARE(source->toPlainText(), QStringLiteral("Title\n\nbold and link"));

    source->selectAll();
    action("actionCopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Title\n\nbold and link"));
    action("actionCut")->trigger();
    QCOMPARE(source->toPlainText(), QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("x [l](u) <y>"));
    action("actionPaste")->trigger();
    cursor = source->textCursor();
    cursor.setPosition(4);
    source->setTextCursor(cursor);
    action("actionUnlink")->trigger();
    source->moveCursor(QTextCursor::End);
    QCOMPARE(source->toPlainText(), QStringLiteral("x l <y>"));
    auto *html = new QMimeData;
    html->setHtml(QStringLiteral("<p>from <b>HTML</b></p>"));
    html->setText(QStringLiteral("from HTML"));
    QGuiApplication::clipboard()->setMimeData(html);
    action("actionPaste")->trigger();
    action("actionPasteAsText")->trigger();
    QCOMPARE(source->toPlainText(), QStringLiteral("x l <y>from **HTML**from HTML"));
    QCOMPARE(js(QStringLiteral("editorBody().innerHTML")).toString(), page);
}

// Keys in the page do what they promise: Ctrl+K asks for a link around the
// selection, Tab moves between cells (adding a row after the last) and
// indents list items, Shift+Tab goes back; the focus never leaves the
// document; a deleted code block comes back with Ctrl+Z.
void TestEditingCommands::pageKeysDoWhatTheySay()
{
    setPageHtml(QStringLiteral("<p id=\"p\">a word here</p><table><thead><tr><th>h1</th><th>h2</th></tr></thead>"
                               "<tbody><tr><td>c1</td><td>c2</td></tr></tbody></table>"
                               "<ul><li>one</li><li>two</li><li>three</li></ul><pre><code>code()\n</code></pre><p>end</p>"));
    QWidget *keys = view->focusProxy();
    const auto caretIn = [this](const QString &selector, bool select) {
        js(QStringLiteral("var e=document.querySelector('%1'), r=document.createRange(); r.selectNodeContents(e.firstChild);"
                          "if (!%2) r.collapse(false); getSelection().removeAllRanges(); getSelection().addRange(r); true")
               .arg(selector, select ? QStringLiteral("true") : QStringLiteral("false")));
    };
    const QString caretCell = QStringLiteral("getSelection().anchorNode.nodeType === 1 ? getSelection().anchorNode.textContent"
                                             " : getSelection().anchorNode.parentNode.closest('th, td').textContent");

    js(QStringLiteral("var r=document.createRange(), t=document.getElementById('p').firstChild; r.setStart(t, 2);"
                      "r.setEnd(t, 6); getSelection().removeAllRanges(); getSelection().addRange(r); true"));
    QTest::keyClick(keys, Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(linkDialog());
    QCOMPARE(linkDialog()->findChild<QLineEdit *>(QStringLiteral("linkText"))->text(), QStringLiteral("word"));
    QVERIFY((linkDialog()->frameGeometry().center() - window->frameGeometry().center()).manhattanLength() < 60);
    QCOMPARE(pageText().left(11), QStringLiteral("a word here"));
    linkDialog()->close();

    focusPage();
    caretIn(QStringLiteral("th"), false);
    QTest::keyClick(keys, Qt::Key_Tab);
    QTRY_COMPARE(js(caretCell).toString(), QStringLiteral("h2"));
    QTest::keyClick(keys, Qt::Key_Tab);
    QTRY_COMPARE(js(caretCell).toString(), QStringLiteral("c1"));
    QTest::keyClick(keys, Qt::Key_Tab, Qt::ShiftModifier);
    QTRY_COMPARE(js(caretCell).toString(), QStringLiteral("h2"));
    caretIn(QStringLiteral("tbody td:last-child"), false);
    QTest::keyClick(keys, Qt::Key_Tab);
    QTRY_COMPARE(js(QStringLiteral("document.querySelector('table').rows.length")).toInt(), 3);
    QTest::keyClicks(keys, QStringLiteral("new"));
    QTRY_COMPARE(js(QStringLiteral("document.querySelector('table').rows[2].cells[0].textContent")).toString(),
                 QStringLiteral("new"));

    caretIn(QStringLiteral("li:nth-child(2)"), false);
    QTest::keyClick(keys, Qt::Key_Tab);
    QTRY_COMPARE(js(QStringLiteral("blockHtml(document.querySelector('ul'))")).toString(),
                 QStringLiteral("<ul><li>one<ul><li>two</li></ul></li><li>three</li></ul>"));
    QTest::keyClicks(keys, QStringLiteral("!"));
    QTest::keyClick(keys, Qt::Key_Tab, Qt::ShiftModifier);
    QTRY_COMPARE(js(QStringLiteral("blockHtml(document.querySelector('ul'))")).toString(),
                 QStringLiteral("<ul><li>one</li><li>two!</li><li>three</li></ul>"));
    QVERIFY(js(QStringLiteral("document.activeElement === editorBody()")).toBool());

    js(QStringLiteral("var w = document.querySelector('.cm-editor-wrapper'); w.dispatchEvent(new MouseEvent('mouseenter'));"
                      "w.querySelector('.cm-btn.delete').click(); true"));
    QTRY_COMPARE(js(QStringLiteral("document.querySelectorAll('.cm-editor-wrapper').length")).toInt(), 0);
    focusPage();
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(js(QStringLiteral("document.querySelectorAll('.cm-editor-wrapper').length")).toInt(), 1);
    QCOMPARE(js(QStringLiteral("codeBlockValue(document.querySelector('.cm-editor-wrapper'))")).toString(), QStringLiteral("code()"));
}

// Every menu and tool-bar entry, in each editor, on a document of the usual
// kinds of block with a table cell's word selected: each one either shows
// a visible effect (text, selection, clipboard, a window, a message, an
// address opened, the zoom) or is disabled there.
void TestEditingCommands::everyEnabledCommandShowsAnEffect()
{
    const QString markdown = QStringLiteral("# Title\n\nSome **bold** text with a [link](https://example.com/) and `code`.\n\n"
                                            "| a | b |\n|---|---|\n| cell | two |\n| three | four |\n\n- item\n");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "captureUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "captureUrl");
    const QSet<QString> skipped{"actionExit", "actionNewWindow"};
    QSet<QString> names;
    for (QAction *action : window->findChildren<QAction *>())
        if (action->objectName().startsWith(QLatin1String("action")) && !skipped.contains(action->objectName()))
            names.insert(action->objectName());
    QStringList silent;
    for (const bool visual : {true, false}) {
        for (const QString &name : names) {
            // The document, with the word "cell" (or the link, for Unlink) selected.
            const QString word = name == QLatin1String("actionUnlink")                                  ? QStringLiteral("link")
                : name == QLatin1String("actionClear") || name == QLatin1String("actionIndent") ? QStringLiteral("bold")
                : name == QLatin1String("actionShiftLeftColumn")                                 ? QStringLiteral("two")
                                                                                                 : QStringLiteral("cell");
            if (visual) {
                if (!window->isVisualEditorShown())
                    clickTab(QStringLiteral("Visual Editor"));
                setPageHtml(DocumentConverter().markdownToHtml(markdown.toStdString()));
                js(QStringLiteral("(function(){var w=document.createTreeWalker(editorBody(),NodeFilter.SHOW_TEXT),n;"
                                  "while((n=w.nextNode())&&n.data.indexOf('%1')<0){}var r=document.createRange();"
                                  "r.setStart(n,n.data.indexOf('%1'));r.setEnd(n,n.data.indexOf('%1')+%2);"
                                  "getSelection().removeAllRanges();getSelection().addRange(r);return true;})()")
                       .arg(word).arg(word.size()));
            } else {
                if (window->isVisualEditorShown())
                    toSource();
                source->setPlainText(markdown);
                QTextCursor cursor = source->textCursor();
                cursor.setPosition(markdown.indexOf(word));
                cursor.setPosition(markdown.indexOf(word) + word.size(), QTextCursor::KeepAnchor);
                source->setTextCursor(cursor);
            }
            QAction *action = window->findChild<QAction *>(name);
            if (!action->isEnabled())
                continue;
            // Undo and Redo need something done first.
            if (name == QLatin1String("actionUndo") || name == QLatin1String("actionRedo")) {
                if (visual)
                    js(QStringLiteral("document.execCommand('insertText', false, 'typed'); true"));
                else
                    source->insertPlainText(QStringLiteral("typed"));
                if (name == QLatin1String("actionRedo"))
                    window->findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
                waitFor([] { return false; }, 100);
            }
            auto *findDock = window->findChild<QDockWidget *>(QStringLiteral("dockFind"));
            findDock->hide();
            const auto state = [&] {
                return QStringList{visual ? js(QStringLiteral("editorBody().innerHTML + '|' + getSelection().toString()")).toString()
                                          : source->toPlainText() + QString::number(source->textCursor().anchor())
                                                + QString::number(source->textCursor().position()),
                                   QGuiApplication::clipboard()->text(), statusText(), QString::number(view->zoomFactor()),
                                   findDock->isVisible() ? QStringLiteral("find") : QString()};
            };
            QGuiApplication::clipboard()->setText(QStringLiteral("clipboard before"));
            window->showStatusMessage(QString(), QString(), 0);
            const QStringList before = state();
            openedUrls.clear();
            bool windowShown = false;
            QList<QPointer<QWidget>> shownBefore;
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (widget->isVisible())
                    shownBefore << widget;
            QTimer closer;
            connect(&closer, &QTimer::timeout, [&] {
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    if (widget->isVisible() && !shownBefore.contains(widget) && !qobject_cast<QMenu *>(widget)) {
                        windowShown = true;
                        widget->close();
                    }
                }
            });
            closer.start(30);
            action->trigger();
            const bool effect = waitFor([&] { return windowShown || !openedUrls.isEmpty() || state() != before; }, 3000);
            closer.stop();
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (widget->isVisible() && !shownBefore.contains(widget))
                    widget->close();
            if (!effect)
                silent << (visual ? QStringLiteral("page: ") : QStringLiteral("source: ")) + name;
        }
    }
    QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
}

void TestEditingCommands::keyboardPasteInsertsTextAsText()
{
    setPageHtml(QStringLiteral("<p>start</p>"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Ann <ann@example.com> & co\r\nnext line"));
    view->setFocus();
    // Ctrl let go before V: the paste happened only when V went first.
    QWidget *keys = view->focusProxy();
    QTest::keyPress(keys, Qt::Key_Control);
    QTest::keyPress(keys, Qt::Key_V, Qt::ControlModifier);
    QTest::keyRelease(keys, Qt::Key_Control);
    QTest::keyRelease(keys, Qt::Key_V);
    QTRY_COMPARE(statusText(), QStringLiteral("Paste operation"));
    QTRY_VERIFY(pageText().contains(QStringLiteral("Ann <ann@example.com> & co\nnext line")));
    QCOMPARE(js(QStringLiteral("document.getElementById('bodyeditor').textContent.split('ann@example.com').length - 1")).toInt(), 1);
}

void TestEditingCommands::pasteIsUndoneAndRedone_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("clipboardHtml");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("pastes");
    QTest::addColumn<QString>("shape");
    // Select All, then Ctrl+V, then Ctrl+Z once gave back only the pasted text.
    QTest::newRow("over everything") << QStringLiteral("selectNodeContents(document.getElementById('bodyeditor'))")
                                     << QString() << QStringLiteral("Pasted words") << 1
                                     << QStringLiteral("editorBody().textContent.indexOf('Pasted wordstyped') === 0");
    // Blocks went into the paragraph and joined its text in the Markdown.
    QTest::newRow("blocks into a paragraph, twice")
        << QStringLiteral("setStart(document.getElementById('second').firstChild, 6)")
        << QStringLiteral("<h2>Pasted heading</h2><pre><code>x = 1</code></pre><ul><li>one</li><li>two</li></ul>")
        << QStringLiteral("Pasted heading") << 2
        << QStringLiteral("!editorBody().querySelector('p h2, p ul, pre > code') && editorBody().children[2].textContent === 'Second'"
                          " && editorBody().querySelectorAll('.cm-editor-wrapper').length === 2");
    QTest::newRow("a phrase into a paragraph")
        << QStringLiteral("setStart(document.getElementById('second').firstChild, 6)")
        << QStringLiteral("<b>bold</b> phrase") << QStringLiteral("bold phrase") << 1
        << QStringLiteral("document.getElementById('second').textContent.replace(/\\u00a0/, ' ').indexOf('Secondbold phrasetyped paragraph') === 0");
    QTest::newRow("paragraphs after a paragraph")
        << QStringLiteral("setStart(document.getElementById('second').firstChild, 22)")
        << QStringLiteral("<p>One pasted</p><p>Two pasted</p>") << QStringLiteral("One pasted") << 1
        << QStringLiteral("!editorBody().querySelector('p p') && [].some.call(editorBody().children,"
                          " function (p) { return p.textContent === 'Two pastedtyped'; })");
}

// A paste is one step back and forth, as typing is: each Ctrl+Z takes one
// paste back whole and leaves the page as it was before it.
void TestEditingCommands::pasteIsUndoneAndRedone()
{
    QFETCH(QString, selection);
    QFETCH(QString, clipboardHtml);
    QFETCH(QString, pasted);
    QFETCH(int, pastes);
    QFETCH(QString, shape);
    setPageHtml(QStringLiteral("<h1>Title</h1><p>First paragraph.</p><p id=\"second\">Second paragraph here.</p>"));
    js(QStringLiteral("var r=document.createRange();r.%1;getSelection().removeAllRanges();getSelection().addRange(r);true")
           .arg(selection));
    const QString before = js(QStringLiteral("getHtml()")).toString();
    auto *data = new QMimeData;
    data->setText(pasted);
    if (!clipboardHtml.isEmpty())
        data->setHtml(clipboardHtml);
    QGuiApplication::clipboard()->setMimeData(data);
    view->setFocus();
    for (int paste = 1; paste <= pastes; ++paste) {
        QTest::keyClick(view->focusProxy(), Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(pageText().count(pasted), paste);
    }
    QTest::keyClicks(view->focusProxy(), QStringLiteral("typed"));
    QTRY_VERIFY(pageText().contains(QStringLiteral("typed")));
    QVERIFY2(js(shape).toBool(), qPrintable(js(QStringLiteral("editorBody().innerHTML")).toString()));
    const QString after = js(QStringLiteral("getHtml()")).toString();
    QVERIFY2(!after.contains(QStringLiteral("<img")), qPrintable(after));
    for (int paste = pastes; paste >= 0; --paste) {
        QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY(!pageText().contains(QStringLiteral("typed")));
        QTRY_COMPARE(pageText().count(pasted), paste);
    }
    QCOMPARE(js(QStringLiteral("getHtml()")).toString(), before);
    for (int step = 0; step <= pastes; ++step)
        QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(js(QStringLiteral("getHtml()")).toString(), after);
}

// The engine copied a code block with its line numbers and its tabs as
// spaces, and a formula as KaTeX draws it.
void TestEditingCommands::copyAndCutKeepCodeAndFormulasAsWritten()
{
    setPageHtml(QStringLiteral("<p>Before.</p><pre><code class=\"language-make\">all:\n\tcc -o x x.c\n</code></pre>"
                               "<p>A <x-equation>x^2</x-equation> formula.</p><p>Last.</p>"));
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor .katex')")).toBool());
    const QString selectThree = QStringLiteral(
        "var b=editorBody(), r=document.createRange(); r.setStart(b.children[0].firstChild, 0);"
        "r.setEnd(b.children[2].lastChild, 9); getSelection().removeAllRanges(); getSelection().addRange(r); true");
    const QString text = QStringLiteral("Before.\n\nall:\n\tcc -o x x.c\n\nA $x^2$ formula.");
    js(selectThree);
    QTest::keyClick(view->focusProxy(), Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), text);
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    QVERIFY2(html.contains(QStringLiteral("<code class=\"make\">all:\n\tcc")) && html.contains(QStringLiteral(">x^2</x-equation>"))
                 && !html.contains(QStringLiteral("CodeMirror")) && !html.contains(QStringLiteral("katex")),
             qPrintable(html));
    const QString before = js(QStringLiteral("getHtml()")).toString();
    QGuiApplication::clipboard()->clear();
    js(selectThree);
    QTest::keyClick(view->focusProxy(), Qt::Key_X, Qt::ControlModifier);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), text);
    QTRY_COMPARE(pageText().trimmed(), QStringLiteral("Last."));
    QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(js(QStringLiteral("getHtml()")).toString(), before);
}

void TestEditingCommands::copyConfirmation()
{
    content->copyToClipboard(QStringLiteral("copied"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied"));
    QCOMPARE(statusText(), QStringLiteral("Copy Successful"));
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("statusLabel"))->styleSheet().contains(QStringLiteral("#0066CC")));
}

void TestEditingCommands::tablePicker_data()
{
    QTest::addColumn<bool>("visual");
    QTest::addColumn<bool>("click");
    QTest::newRow("page, cell clicked") << true << true;
    QTest::newRow("page, closed") << true << false;
    QTest::newRow("markdown, cell clicked") << false << true;
    QTest::newRow("markdown, closed") << false << false;
}

void TestEditingCommands::tablePicker()
{
    QFETCH(bool, visual);
    QFETCH(bool, click);
    setPageHtml(QStringLiteral("<p>before</p>"));
    if (!visual)
        toSource();
    source->setPlainText(QStringLiteral("text"));
    source->moveCursor(QTextCursor::End);
    auto *picker = window->findChild<TableDialog *>(QStringLiteral("tableDialog"));
    picker->chosenRow = 1;
    picker->chosenColumn = 1;
    answerModal([click, picker](QWidget *modal) {
        QCOMPARE(modal, picker);
        QCOMPARE(modal->windowTitle(), QStringLiteral("Set Up Table"));
        if (click)
            QTest::mouseClick(picker->cell(2, 1), Qt::LeftButton);
        else
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    action("actionTable")->trigger();
    if (visual) {
        const QString shape = QStringLiteral(
            "(function(){var t=document.querySelector('#bodyeditor table');return t?t.rows.length+'x'+t.rows[0].cells.length:'none';})()");
        if (click) {
            QTRY_COMPARE(js(shape).toString(), QStringLiteral("3x2"));
            // A block of its own, after the paragraph, with the caret in its first cell.
            QVERIFY(js(QStringLiteral("[].map.call(editorBody().children, function (e) { return e.tagName; }).join()"))
                        .toString()
                        .startsWith(QStringLiteral("P,TABLE")));
            QVERIFY(js(QStringLiteral("getSelection().anchorNode.closest ? !!getSelection().anchorNode.closest('th')"
                                      " : !!getSelection().anchorNode.parentNode.closest('th')")).toBool());
        } else
            QCOMPARE(js(shape).toString(), QStringLiteral("none"));
        QCOMPARE(source->toPlainText(), QStringLiteral("text"));
    } else {
        QCOMPARE(source->toPlainText(),
                 click ? QStringLiteral("text\n| Title1,1 | Title1,2 |\n| ----------- | ----------- |"
                                        "\n| Text2,1 | Text2,2 |\n| Text3,1 | Text3,2 |")
                       : QStringLiteral("text"));
    }
}

void TestEditingCommands::tableShortcutOutsideATableDoesNothing()
{
    setPageHtml(QString::fromLatin1(tableWithFormula));
    const QString rows = QStringLiteral("document.querySelector('#bodyeditor table').rows.length");
    QCOMPARE(js(rows).toInt(), 3);
    // From the menus, the caret's cell decides, wherever the mouse is.
    const QString caretIn = QStringLiteral("var r=document.createRange();r.selectNodeContents(document.querySelector('%1'));"
                                           "r.collapse(true);getSelection().removeAllRanges();getSelection().addRange(r);true");
    QCursor::setPos(view->mapToGlobal(viewPointOf(QStringLiteral("#bodyeditor td"))));
    js(caretIn.arg(QStringLiteral("#plain")));
    action("actionDeleteRow")->trigger();
    QCursor::setPos(view->mapToGlobal(viewPointOf(QStringLiteral("#plain"))));
    js(caretIn.arg(QStringLiteral("#bodyeditor td")));
    action("actionAddRowBelow")->trigger();
    QTRY_COMPARE(js(rows).toInt(), 4);
    QCOMPARE(js(QStringLiteral("document.querySelector('#bodyeditor tbody tr:nth-child(2)').textContent.trim()")).toString(),
             QString());
}

void TestEditingCommands::contextMenuActsWhereItOpened()
{
    setPageHtml(QString::fromLatin1(tableWithFormula));
    const QPoint cell = viewPointOf(QStringLiteral("#bodyeditor tbody td"));
    QCursor::setPos(view->mapToGlobal(cell));
    bool answered = false;
    answerMenu([&](QMenu *menu) {
        QCursor::setPos(window->mapToGlobal(QPoint(5, 5)));
        QAction *table = entry(menu, QStringLiteral("Table"));
        QVERIFY(table && table->menu());
        QAction *deleteRow = entry(table->menu(), QStringLiteral("Delete Current Row"));
        QVERIFY(deleteRow);
        menu->close();
        deleteRow->trigger();
        answered = true;
    });
    emit view->customContextMenuRequested(cell);
    QTRY_VERIFY(answered);
    QTRY_COMPARE(js(QStringLiteral("document.querySelector('#bodyeditor tbody').rows.length")).toInt(), 1);
    QCOMPARE(js(QStringLiteral("document.querySelector('#bodyeditor tbody td').textContent")).toString(), QStringLiteral("3"));
}

void TestEditingCommands::contextMenuEntries_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("tail");
    QTest::newRow("formula in a table cell") << "#bodyeditor x-equation" << ">LaTeX|>Table|Code Block|Link|Image";
    QTest::newRow("table") << "#bodyeditor th" << "LaTeX|>Table|Code Block|Link|Image";
    QTest::newRow("plain text") << "#plain" << "LaTeX|Insert Table|Code Block|Link|Image";
}

void TestEditingCommands::contextMenuEntries()
{
    QFETCH(QString, selector);
    QFETCH(QString, tail);
    setPageHtml(QString::fromLatin1(tableWithFormula));
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor .katex')")).toBool());
    const QPoint point = viewPointOf(selector);
    QStringList shown;
    QStringList formulaEntries;
    QStringList tableEntries;
    answerMenu([&](QMenu *menu) {
        shown = entries(menu);
        if (QAction *formula = entry(menu, QStringLiteral("LaTeX")); formula && formula->menu())
            formulaEntries = entries(formula->menu());
        if (QAction *table = entry(menu, QStringLiteral("Table")); table && table->menu()) {
            tableEntries = entries(table->menu());
            for (QAction *command : table->menu()->actions())
                if (!command->isSeparator() && command->icon().pixmap(16).isNull())
                    tableEntries << QStringLiteral("no icon: ") + command->text();
        }
        menu->close();
    });
    emit view->customContextMenuRequested(point);
    QTRY_VERIFY(!shown.isEmpty());
    QCOMPARE(shown.join(QLatin1Char('|')),
             QStringLiteral("Undo|Redo|-|Cut|Copy|Paste|Paste as Plain Text|Delete|Select All|-|") + tail);
    if (tail.startsWith(QLatin1Char('>')))
        QCOMPARE(formulaEntries, (QStringList{"Delete", "Modify"}));
    if (tail.contains(QStringLiteral(">Table")))
        QCOMPARE(tableEntries.join(QLatin1Char('|')),
                 QStringLiteral("Insert Row Above|Insert Row Below|Insert Column to the Left|Insert Column to the Right|-|"
                                "Move Current Row Up|Move Current Row Down|Move Current Column Left|"
                                "Move Current Column to the Right|-|Align Current Column to the Left|"
                                "Center Align the Current Column|Align the Current Column to the Right|-|"
                                "Delete Current Row|Delete Current Column|Delete Table|Export to Excel"));
}

void TestEditingCommands::formulaDialogCancelChangesNothing()
{
    toSource();
    source->setPlainText(QString());
    auto *dialog = window->findChild<LaTeXEditorDialog *>(QStringLiteral("latexDialog"));
    const auto answer = [dialog](bool accept, const QString &text) {
        answerModal([=](QWidget *modal) {
            QCOMPARE(modal, dialog);
            QCOMPARE(modal->windowTitle(), QStringLiteral("AddLaTeX"));
            modal->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"))->setPlainText(text);
            auto *buttons = modal->findChild<QDialogButtonBox *>();
            buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
    };
    QAction *latex = action("actionLaTeX");
    answer(true, QStringLiteral("x^2"));
    latex->trigger();
    QCOMPARE(source->toPlainText(), QStringLiteral("$$x^2$$"));
    answer(false, QStringLiteral("ignored"));
    latex->trigger();
    QCOMPARE(source->toPlainText(), QStringLiteral("$$x^2$$"));

    clickTab(QStringLiteral("Visual Editor"));
    setPageHtml(QStringLiteral("<p>text</p>"));
    answer(false, QStringLiteral("ignored"));
    latex->trigger();
    // Bridge messages arrive in order: once a later one is shown, an insertion would be too.
    emit content->dealCopySignal({{QStringLiteral("text"), QStringLiteral("later")}, {QStringLiteral("type"), QStringLiteral("text")}});
    QTRY_VERIFY(pageText().contains(QStringLiteral("later")));
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor x-equation').length")).toInt(), 0);
}

void TestEditingCommands::modifyFormula()
{
    setPageHtml(QString::fromLatin1(tableWithFormula));
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor .katex')")).toBool());
    const QPoint point = viewPointOf(QStringLiteral("#bodyeditor x-equation"));
    const QString source = QStringLiteral("formulaSource(document.querySelector('#bodyeditor x-equation'))");
    for (const bool accept : {false, true}) {
        answerModal([accept](QWidget *modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("ModifyLaTeX"));
            auto *editor = modal->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
            QCOMPARE(editor->toPlainText(), QStringLiteral("y^3"));
            editor->setPlainText(QStringLiteral("z_1"));
            modal->findChild<QDialogButtonBox *>()
                ->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                ->click();
        });
        js(QStringLiteral("modifyLaTeX(%1,%2)").arg(point.x()).arg(point.y()));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        if (accept)
            QTRY_COMPARE(js(source).toString(), QStringLiteral("z_1"));
        else
            QCOMPARE(js(source).toString(), QStringLiteral("y^3"));
    }
}

void TestEditingCommands::linkInTheSourceEditor_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("result");
    QTest::newRow("with text") << "word" << "see [word](https://example.com/x) now";
    QTest::newRow("without text") << "" << "see [](https://example.com/x)word now";
}

void TestEditingCommands::linkInTheSourceEditor()
{
    QFETCH(QString, selected);
    QFETCH(QString, result);
    toSource();
    source->setPlainText(QStringLiteral("see word now"));
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(4 + selected.size(), QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    action("actionLink")->trigger();
    QWidget *dialog = nullptr;
    QTRY_VERIFY((dialog = linkDialog()));
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("linkText"))->text(), selected);
    dialog->findChild<QLineEdit *>(QStringLiteral("linkUrl"))->setText(QStringLiteral("https://example.com/x"));
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("Confirm"))
            button->click();
    QCOMPARE(source->toPlainText(), result);
}

void TestEditingCommands::linkTextReachesThePageAsText()
{
    setPageHtml(QStringLiteral("<p id=\"p\">text</p>"));
    const QString title = QStringLiteral("<b>bold</b> & \"quoted\"");
    window->dealLinkSignal({{QStringLiteral("title"), title},
                            {QStringLiteral("url"), QStringLiteral("https://example.com/?a=1&b=\"2\"")},
                            {QStringLiteral("isModify"), false},
                            {QStringLiteral("isATag"), true}});
    QTRY_COMPARE_WITH_TIMEOUT(js(QStringLiteral("(document.querySelector('#bodyeditor a') || {}).textContent")).toString(),
                              title, 15000);
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor a').length")).toInt(), 1);
    QCOMPARE(js(QStringLiteral("document.querySelector('#bodyeditor a').getAttribute('href')")).toString(),
             QStringLiteral("https://example.com/?a=1&b=\"2\""));
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor b').length")).toInt(), 0);
}

void TestEditingCommands::imageWindow_data()
{
    QTest::addColumn<bool>("visual");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("source, local path") << false << "/pictures/my cat.png" << "![Image ALT](/pictures/my%20cat.png)";
    QTest::newRow("source, web address") << false << "https://example.com/a.png" << "![Image ALT](https://example.com/a.png)";
    QTest::newRow("page, web address") << true << "https://example.com/a b.png" << "https://example.com/a%20b.png";
    QTest::newRow("source, path beside the document") << false << "img/diagram.png" << "![Image ALT](img/diagram.png)";
}

void TestEditingCommands::imageWindow()
{
    QFETCH(bool, visual);
    QFETCH(QString, link);
    QFETCH(QString, inserted);
    setPageHtml(QStringLiteral("<p>text</p>"));
    if (!visual)
        toSource();
    source->setPlainText(QString());
    action("actionImage")->trigger();
    QWidget *imageWindow = nullptr;
    QTRY_VERIFY((imageWindow = QApplication::activeModalWidget()));
    QCOMPARE(imageWindow->windowTitle(), QStringLiteral("Set Image"));
    QPointer<QWidget> alive(imageWindow);
    auto *edit = imageWindow->findChild<QLineEdit *>(QStringLiteral("imageLink"));
    auto *ok = imageWindow->findChild<QPushButton *>(QStringLiteral("okImage"));
    edit->setText(QStringLiteral("javascript:alert(1)"));
    ok->click();
    QVERIFY(alive && alive->isVisible());
    edit->setText(link);
    ok->click();
    QTRY_VERIFY(!alive);
    if (visual) {
        QTRY_COMPARE(js(QStringLiteral("(document.querySelector('#bodyeditor img')||{}).getAttribute ? "
                                       "document.querySelector('#bodyeditor img').getAttribute('src') : ''"))
                         .toString(),
                     inserted);
    } else {
        QCOMPARE(source->toPlainText(), inserted);
    }
}

void TestEditingCommands::pastedImageNeedsASavedDocument()
{
    setPageHtml(QStringLiteral("<p>text</p>"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    SeenBox seen;
    pressOnNextBox(QMessageBox::Ok, &seen);
    action("actionPaste")->trigger();
    QCOMPARE(seen.title, QStringLiteral("Prompt"));
    QCOMPARE(seen.text, QStringLiteral("The current document has not been saved. Please save the file first before pasting images."));
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor img').length")).toInt(), 0);
}

void TestEditingCommands::droppedFilesInOrder()
{
    closeWindow();
    Config::set(Config::ImageCopyMethod, 1);
    const QString document = dir.filePath(QStringLiteral("notes.md"));
    writeFile(document, "start\n");
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(dir.filePath(QStringLiteral("one.png"))));
    writeFile(dir.filePath(QStringLiteral("notes.txt")), "plain");
    QVERIFY(image.save(dir.filePath(QStringLiteral("two.png"))));
    openWindow(document);
    QTRY_VERIFY(js(QStringLiteral("document.getElementById('bodyeditor').textContent.indexOf('start') >= 0")).toBool());
    setPageHtml(QStringLiteral("<p>start</p>"));

    QMimeData data;
    // A web address among them is no file to drop.
    data.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("one.png"))), QUrl(QStringLiteral("https://example.com/c.png")),
                  QUrl::fromLocalFile(dir.filePath(QStringLiteral("notes.txt"))),
                  QUrl::fromLocalFile(dir.filePath(QStringLiteral("two.png")))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drop);
    const QString inserted = QStringLiteral(
        "Array.prototype.map.call(document.querySelectorAll('#bodyeditor img[src], #bodyeditor a'),"
        "function(e){return e.tagName+' '+(e.getAttribute('src')||e.getAttribute('href')).split('/').pop();}).join('|')");
    QTRY_COMPARE(js(inserted).toString(), QStringLiteral("IMG one.png|A notes.txt|IMG two.png"));
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("notes.assets/notes.txt"))));
    QVERIFY(titleHasStar());
}

void TestEditingCommands::localImagesShowAndKeepTheirPath()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(QStringLiteral("shown image.png"));
    QVERIFY(image.save(path));
    const QString encoded = QUrl(path).toString(QUrl::FullyEncoded);
    setPageHtml(QStringLiteral("<p>before <img id=\"opened\" src=\"%1\" alt=\"a\"></p><p>after</p>").arg(encoded));
    emit content->dealCopySignal({{QStringLiteral("title"), QStringLiteral("pasted")},
                                  {QStringLiteral("url"), path},
                                  {QStringLiteral("type"), QStringLiteral("img")}});
    const QString widths = QStringLiteral(
        "Array.prototype.map.call(document.querySelectorAll('#bodyeditor img[src]'),function(i){return i.naturalWidth;}).join(',')");
    QTRY_COMPARE(js(widths).toString(), QStringLiteral("20,20"));
    const QString html = js(QStringLiteral("getHtml()")).toString();
    QVERIFY2(html.contains(QStringLiteral("src=\"%1\"").arg(encoded)), qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("src=\"%1\"").arg(path)));
    QVERIFY(!html.contains(QStringLiteral("file:")));
    QVERIFY(!html.contains(QStringLiteral("data-local-src")));
}

QTEST_MAIN(TestEditingCommands)
#include "tst_editingcommands.moc"
