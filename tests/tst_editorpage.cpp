// The editor page in the real web engine, as the main window loads it.
#include "guitestbase.h"
#include "pagespelling.h"
#include "pagedocuments.h"
#include "linktarget.h"
#include "httptestserver.h"
#include "configwindow.h"
#include "appsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QDesktopServices>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QClipboard>
#include <QRandomGenerator>
#include <QWheelEvent>

Q_DECLARE_METATYPE(QDropEvent *)

namespace {
// About 700 KB in the markup the converter writes: paragraphs with formulas,
// headings, nested lists, code blocks and tables.
QString convertedLargeDocument()
{
    QString html;
    for (int i = 0; html.size() < 700 * 1024; ++i) {
        html += QStringLiteral("<h2>Section %1</h2>\n<p>Prose with <strong>bold</strong>, <em>emphasis</em> and "
                               "<a href=\"https://example.org/%1\">a link</a>.<br>\nA formula "
                               "<x-equation contenteditable=\"false\">x_%1^2</x-equation> in the text.</p>\n"
                               "<ul>\n<li>point\n<ul>\n<li>detail %1</li>\n</ul>\n</li>\n</ul>\n"
                               "<pre contenteditable=\"false\"><code class=\"language-cpp\">int v%1() { return %1; }\n"
                               "</code></pre>\n<p><img src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\" alt=\"i\"></p>\n")
                    .arg(i);
        if (i % 10 == 0)
            html += QStringLiteral("<table>\n<thead>\n<tr><th>A</th><th>B</th></tr>\n</thead>\n<tbody>\n"
                                   "<tr><td>%1</td><td>x</td></tr>\n</tbody>\n</table>\n").arg(i);
    }
    return html + QStringLiteral("<p>The very end.</p>\n");
}

const char *const tableHtml =
    "<table><thead><tr><th>A</th><th>B</th></tr></thead>"
    "<tbody><tr><td>1</td><td>2</td></tr><tr><td>3</td><td>4</td></tr></tbody></table>";

// Runs a page function on the cell or element whose text is `text`.
QString atText(const QString &text, const QString &call)
{
    return QStringLiteral("(function(){var all=document.querySelectorAll('#bodyeditor td, #bodyeditor th');"
                          "for(var i=0;i<all.length;i++){if(all[i].textContent==='%1'){var b=all[i].getBoundingClientRect();"
                          "var x=b.left+b.width/2,y=b.top+b.height/2;%2;return true;}}return false;})()")
        .arg(text, call);
}

// The table as rows of cell texts: "A,B|1,2"; a non-breaking space shows as "_".
const char *const tableText =
    "(function(){var t=document.querySelector('#bodyeditor table');if(!t)return 'none';var rows=[];"
    "Array.prototype.forEach.call(t.rows,function(r){var cells=[];Array.prototype.forEach.call(r.cells,function(c){"
    "cells.push(c.tagName==='TH'?c.textContent.replace(/\\u00a0/g,'_').toUpperCase():c.textContent.replace(/\\u00a0/g,'_'))});"
    "rows.push(cells.join(','))});return rows.join('|');})()";
}

class TestEditorPage : public GuiTestBase
{
    Q_OBJECT
public slots:
    void captureUrl(const QUrl &url) { openedUrls << url; }

private slots:
    void initTestCase();
    void init() { openedUrls.clear(); }
    void cleanupTestCase() { closeWindow(); }

    void startupFileComesWithThePage_data();
    void startupFileComesWithThePage();
    void setHtmlBuildsCodeBlocksAndFormulas();
    void inlineFormulasStayInTheirLine_data();
    void inlineFormulasStayInTheirLine();
    void getHtml();
    void tableFunctions_data();
    void tableFunctions();
    void alignColumn();
    void insertedTableOfOneRow();
    void markdownShortcuts_data();
    void markdownShortcuts();
    void linkClicks();
    void ctrlClickOpensOnlyWhatIsSafe_data();
    void ctrlClickOpensOnlyWhatIsSafe();
    void ctrlClickFollowsAnchorsAndMarkdownFiles();
    void remoteImagesFollowTheSetting();
    void linkTargets_data();
    void linkTargets();
    void linkUrlCheck_data();
    void linkUrlCheck();
    void linkDialog();
    void deleteConfirmation();
    void dropReachesOnlyTheSignal();
    void hostileInsertsRunNoScript();
    void largeDocumentComesInWhole_data();
    void largeDocumentComesInWhole();
    void oldDocumentIsCollectedOnceTheNewIsWhole_data();
    void oldDocumentIsCollectedOnceTheNewIsWhole();
    void documentStillComingInIsTakenWhole();
    void scrollingDrawsEveryBlockInView();
    void wordCountReadsTheWholeDocument();
    void changeWhileReadingCountsTheChangedDocument();

private:
    QList<QUrl> openedUrls;
};

// One window serves every test; each test sets the document it needs.
void TestEditorPage::initTestCase()
{
    prepareApplication();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "captureUrl");
    openWindow();
}

void TestEditorPage::startupFileComesWithThePage_data()
{
    QTest::addColumn<QByteArray>("markdown");
    // Text that would end the data block the page carries a small document
    // in, start markup or be taken for a placeholder of the page.
    const QByteArray hostile = "# Opened at start\n\nA `</script><script>` span, \\<!-- and {{theme}}, {{firstDocument}}, "
                               "\\u003c/script> and \xe2\x80\xa8 \xf0\x9f\x93\x9d here.\n\n$x^2$\n\n```js\nlet a = \"</script>\";\n```\n";
    QTest::newRow("small: in the page as it loads") << hostile;
    QByteArray large = hostile;
    // Long enough for a rest read from an address, cut within a character.
    while (large.size() < 300 * 1024)
        large += "A paragraph of the long part, </script> included, to go in parts "
                 "\xf0\x9f\x93\x9d\xf0\x9f\x93\x9d\xf0\x9f\x93\x9d\xf0\x9f\x93\x9d\xf0\x9f\x93\x9d.\n\n";
    QTest::newRow("large: given once the page is there") << large;
}

// A small startup file is in the page as it loads; either way, the page
// shows it as written, takes typing at once and saves nothing else.
void TestEditorPage::startupFileComesWithThePage()
{
    QFETCH(QByteArray, markdown);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("start.md"));
    writeFile(path, markdown);
    closeWindow();
    openWindow(path);
    QTRY_COMPARE_WITH_TIMEOUT(js(QStringLiteral("(document.querySelector('#bodyeditor h1')||{}).textContent")).toString(),
                              QStringLiteral("Opened at start"), 20000);
    QVERIFY(pageText().contains(QStringLiteral("A </script><script> span, <!-- and {{theme}}, {{firstDocument}}, \\u003c/script> and")));
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor x-equation .katex')")).toBool());
    const QString note = QString::fromUtf8("\xf0\x9f\x93\x9d");
    QTRY_COMPARE(js(QStringLiteral("editorBody().textContent")).toString().count(note), markdown.count(note.toUtf8()));
    QCOMPARE(js(QStringLiteral("document.querySelector('.cm-editor-wrapper').cmInstance.getValue()")).toString(),
             QStringLiteral("let a = \"</script>\";"));
    QCOMPARE(js(QStringLiteral("document.title")).toString(), QStringLiteral("Penwick"));

    js(QStringLiteral("var h = document.querySelector('#bodyeditor h1'); var r = document.createRange();"
                      "r.selectNodeContents(h); r.collapse(false); getSelection().removeAllRanges(); getSelection().addRange(r); true"));
    typeInPage(QStringLiteral(" now"));
    action("actionSave")->trigger();
    QTRY_COMPARE(readFile(path), QByteArray(markdown).replace("# Opened at start", "# Opened at start now"));
    closeWindow();
    openWindow();
}

void TestEditorPage::setHtmlBuildsCodeBlocksAndFormulas()
{
    // A document given before the page took the one before goes in after it,
    // and the rest of the one before is not kept for a read that never comes.
    window->editorPage()->showHtml(convertedLargeDocument());
    window->editorPage()->showHtml(
        QStringLiteral("<p>a <x-equation contenteditable=\"false\">x^2</x-equation></p>"
                       "<pre contenteditable=\"false\"><code class=\"language-python\">print(1)\n</code></pre>"
                       "<pre contenteditable=\"false\"><code class=\"language-bash\">echo $HOME\n</code></pre>"));
    QTRY_VERIFY(window->editorPage()->holdsLatestDocument());
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('.cm-editor-wrapper').length")).toInt(), 2);
    QTRY_COMPARE(PageDocuments::of(view->page()->profile())->unread(), 0);
    // The tool bar comes with the pointer; Delete stands apart, at the far end from the language.
    QVERIFY(!js(QStringLiteral("!!document.querySelector('.cm-toolbar')")).toBool());
    js(QStringLiteral("document.querySelectorAll('.cm-editor-wrapper').forEach(function (w) {"
                      " w.dispatchEvent(new MouseEvent('mouseenter')); }); true"));
    QCOMPARE(js(QStringLiteral("Array.prototype.map.call(document.querySelectorAll('.cm-toolbar')[0].children,"
                               "function(b){return b.className}).join(',')")).toString(),
             QStringLiteral("cm-btn lang,cm-btn copy,cm-btn clear,cm-btn delete"));
    QCOMPARE(js(QStringLiteral("document.querySelector('.cm-btn.lang').textContent")).toString(), QStringLiteral("python"));
    QVERIFY(js(QStringLiteral("/^el-\\d+-\\d{1,3}$/.test(document.querySelector('.cm-editor-wrapper').id)")).toBool());
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('.cm-editor-wrapper').cmInstance")).toBool());
    QCOMPARE(js(QStringLiteral("document.querySelector('.cm-editor-wrapper').cmInstance.getValue()")).toString(),
             QStringLiteral("print(1)"));
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('x-equation .katex')")).toBool());
    QCOMPARE(js(QStringLiteral("document.querySelector('x-equation annotation').textContent")).toString(),
             QStringLiteral("x^2"));

    // A fence's other name finds its language's mode and keeps its name; in
    // the language list, Enter takes the first entry the filter leaves.
    const QString bash = QStringLiteral("document.querySelectorAll('.cm-editor-wrapper')[1]");
    QTRY_VERIFY(js(bash + QStringLiteral(".cmInstance !== undefined")).toBool());
    QCOMPARE(js(bash + QStringLiteral(".cmInstance.getOption('mode')")).toString(), QStringLiteral("text/x-sh"));
    QCOMPARE(js(QStringLiteral("codeBlockLanguage(%1)").arg(bash)).toString(), QStringLiteral("bash"));
    js(bash + QStringLiteral(".querySelector('.cm-btn.lang').click(); true"));
    QTRY_VERIFY(js(QStringLiteral("document.activeElement === document.querySelector('#cm-language-menu input')")).toBool());
    focusPage();
    QTest::keyClicks(view->focusProxy(), QStringLiteral("yml"));
    QTest::keyClick(view->focusProxy(), Qt::Key_Return);
    QTRY_COMPARE(js(QStringLiteral("codeBlockLanguage(%1)").arg(bash)).toString(), QStringLiteral("yaml"));
    QVERIFY(!js(QStringLiteral("!!document.getElementById('cm-language-menu')")).toBool());
}

void TestEditorPage::inlineFormulasStayInTheirLine_data()
{
    QTest::addColumn<QString>("theme");
    const QDir themes(QCoreApplication::applicationDirPath() + QStringLiteral("/themes"));
    for (const QString &file : themes.entryList({QStringLiteral("*.css")}))
        QTest::newRow(qPrintable(file)) << themes.filePath(file);
}

// An inline formula, even the only element of its paragraph, stays in its line in every preview theme;
// display formulas are centred by the formula library's own style.
void TestEditorPage::inlineFormulasStayInTheirLine()
{
    QFETCH(QString, theme);
    showHtml(QStringLiteral("<p>Sum <x-equation contenteditable=\"false\">a+b</x-equation> inline.</p>"
                            "<p><x-equation type=\"display\" contenteditable=\"false\">x^2</x-equation></p>"));
    const QString pageTheme = js(QStringLiteral("document.getElementById('themecss').href")).toString();
    js(QStringLiteral("document.getElementById('themecss').href = '%1'; true").arg(QUrl::fromLocalFile(theme).toString()));
    QTRY_VERIFY(js(QStringLiteral("Array.prototype.some.call(document.styleSheets, function (s) {"
                                  " return s.href === '%1'; })").arg(QUrl::fromLocalFile(theme).toString())).toBool());
    const QString display =
        js(QStringLiteral("getComputedStyle(document.querySelector('x-equation:not([type])')).display")).toString();
    js(QStringLiteral("document.getElementById('themecss').href = '%1'; true").arg(pageTheme));
    QCOMPARE(display, QStringLiteral("inline"));
}

void TestEditorPage::getHtml()
{
    showHtml(QStringLiteral("<pre><code class=\"language-c++\">int a;\n</code></pre><pre><code>plain\n</code></pre>")
             + QLatin1String(tableHtml));
    const QString html = js(QStringLiteral("getHtml()")).toString();
    QVERIFY2(html.contains(QStringLiteral("<pre><code class=\"c++\">int a;</code></pre>")), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<pre><code>plain</code></pre>")), qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<p><table>")), qPrintable(html));
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor .cm-editor-wrapper').length")).toInt(), 2);
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor p > table').length")).toInt(), 0);
}

void TestEditorPage::tableFunctions_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("table");
    QTest::newRow("row above a body row") << "3" << "insertTableRow(x,y,'above')" << "A,B|1,2|_,_|3,4";
    QTest::newRow("row below a body row") << "1" << "insertTableRow(x,y,'below')" << "A,B|1,2|_,_|3,4";
    QTest::newRow("row above the header") << "A" << "insertTableRow(x,y,'above')" << "_,_|A,B|1,2|3,4";
    QTest::newRow("row below the header") << "B" << "insertTableRow(x,y,'below')" << "A,B|_,_|1,2|3,4";
    QTest::newRow("column left") << "2" << "insertTableColumn(x,y,'left')" << "A,_,B|1,_,2|3,_,4";
    QTest::newRow("column right") << "A" << "insertTableColumn(x,y,'right')" << "A,_,B|1,_,2|3,_,4";
    QTest::newRow("column right of the last") << "4" << "insertTableColumn(x,y,'right')" << "A,B,_|1,2,_|3,4,_";
    QTest::newRow("delete a body row") << "3" << "deleteRow(x,y)" << "A,B|1,2";
    QTest::newRow("delete the header row") << "A" << "deleteRow(x,y)" << "1,2|3,4";
    QTest::newRow("delete a column") << "B" << "deleteColumn(x,y)" << "A|1|3";
    QTest::newRow("delete the table") << "2" << "deleteTable(x,y)" << "none";
    QTest::newRow("first body row up") << "1" << "shiftRow(x,y,'up')" << "1,2|A,B|3,4";
    QTest::newRow("body row up") << "3" << "shiftRow(x,y,'up')" << "A,B|3,4|1,2";
    QTest::newRow("header down") << "A" << "shiftRow(x,y,'down')" << "1,2|A,B|3,4";
    QTest::newRow("last row down changes nothing") << "4" << "shiftRow(x,y,'down')" << "A,B|1,2|3,4";
    QTest::newRow("header up changes nothing") << "A" << "shiftRow(x,y,'up')" << "A,B|1,2|3,4";
    QTest::newRow("column right") << "A" << "shiftColumn(x,y,'right')" << "B,A|2,1|4,3";
    QTest::newRow("first column left changes nothing") << "1" << "shiftColumn(x,y,'left')" << "A,B|1,2|3,4";
    QTest::newRow("last column right changes nothing") << "B" << "shiftColumn(x,y,'right')" << "A,B|1,2|3,4";
}

void TestEditorPage::tableFunctions()
{
    QFETCH(QString, cell);
    QFETCH(QString, call);
    QFETCH(QString, table);
    showHtml(QLatin1String(tableHtml));
    QSignalSpy modified(content, &Content::updateModifyStatusSignal);
    QVERIFY(js(atText(cell, call)).toBool());
    QCOMPARE(js(QLatin1String(tableText)).toString(), table);
    if (table != QLatin1String("A,B|1,2|3,4"))
        QTRY_VERIFY(!modified.isEmpty());
}

void TestEditorPage::alignColumn()
{
    showHtml(QLatin1String(tableHtml));
    QVERIFY(js(atText(QStringLiteral("2"), QStringLiteral("alignColumn(x,y,'center')"))).toBool());
    QCOMPARE(js(QStringLiteral("Array.prototype.map.call(document.querySelectorAll('#bodyeditor [align]'),"
                               "function(c){return c.textContent+'='+c.getAttribute('align')}).join(',')")).toString(),
             QStringLiteral("B=center,2=center,4=center"));
}

void TestEditorPage::insertedTableOfOneRow()
{
    showHtml(QStringLiteral("<p id=\"target\">here</p>"));
    js(QStringLiteral("var r=document.createRange();r.selectNodeContents(document.getElementById('target'));"
                      "var s=window.getSelection();s.removeAllRanges();s.addRange(r);insertTable(1,3);"));
    QCOMPARE(js(QLatin1String(tableText)).toString(), QStringLiteral(",,"));
    QCOMPARE(js(QStringLiteral("document.querySelector('#bodyeditor table').tBodies.length")).toInt(), 0);
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor th').length")).toInt(), 3);
    js(QStringLiteral("alignColumn(0,0,'center')"));
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor [align]').length")).toInt(), 0);
}

void TestEditorPage::markdownShortcuts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("block");
    QTest::newRow("level-2 heading") << QStringLiteral("##\u00a0") << "H2";
    QTest::newRow("level-6 heading") << QStringLiteral("######\u00a0") << "H6";
    QTest::newRow("quote") << QStringLiteral(">\u00a0") << "BLOCKQUOTE";
    QTest::newRow("ordered list") << QStringLiteral("3.\u00a0") << "LI";
    QTest::newRow("bullet list") << QStringLiteral("-\u00a0") << "LI";
    QTest::newRow("seven hashes stay text") << QStringLiteral("#######\u00a0") << "P";
}

// The text typed at the start of an empty paragraph (the editable turns the
// space into a non-breaking space), then the key is released.
void TestEditorPage::markdownShortcuts()
{
    QFETCH(QString, typed);
    QFETCH(QString, block);
    showHtml(QStringLiteral("<p id=\"line\">%1</p>").arg(typed));
    js(QStringLiteral("var t=document.getElementById('line').firstChild;var r=document.createRange();r.setStart(t,t.length);"
                      "r.collapse(true);var s=window.getSelection();s.removeAllRanges();s.addRange(r);"
                      "document.getElementById('bodyeditor').dispatchEvent(new KeyboardEvent('keyup',{key:' ',bubbles:true}));"));
    const QString caretBlock = js(QStringLiteral(
        "var n=window.getSelection().anchorNode;var e=n.nodeType===1?n:n.parentNode;e.tagName+':'+e.innerHTML")).toString();
    if (block == QLatin1String("P"))
        QCOMPARE(caretBlock, QStringLiteral("P:") + typed.toHtmlEscaped().replace(QChar(0xa0), QLatin1String("&nbsp;")));
    else
        QCOMPARE(caretBlock, block + QStringLiteral(":&nbsp;"));
}

void TestEditorPage::linkClicks()
{
    showHtml(QStringLiteral("<p><a href=\"https://example.org/page\">example</a></p>"));
    const QString click = QStringLiteral(
        "document.querySelector('#bodyeditor a').dispatchEvent(new MouseEvent('click',{bubbles:true,cancelable:true,ctrlKey:%1}))");
    js(click.arg(QStringLiteral("true")));
    QTRY_COMPARE(openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/page"))});
    js(click.arg(QStringLiteral("false")));
    QWidget *dialog = nullptr;
    QTRY_VERIFY((dialog = QApplication::activeModalWidget()) || (dialog = [] {
                     for (QWidget *w : QApplication::topLevelWidgets())
                         if (w->objectName() == QLatin1String("linkDialog") && w->isVisible())
                             return w;
                     return static_cast<QWidget *>(nullptr);
                 }()));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Set Hyperlink"));
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("linkText"))->text(), QStringLiteral("example"));
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("linkUrl"))->text(), QStringLiteral("https://example.org/page"));
    dialog->close();
    QCOMPARE(openedUrls.size(), 1);
}

void TestEditorPage::ctrlClickOpensOnlyWhatIsSafe_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<bool>("yes"); // the answer to a question, if one comes
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("asked");
    QTest::newRow("web") << "https://example.org/page" << false << "https://example.org/page" << false;
    QTest::newRow("mail") << "mailto:someone@example.org" << false << "mailto:someone@example.org" << false;
    QTest::newRow("script") << "javascript:alert(1)" << true << "" << false;
    QTest::newRow("script with a tab") << "java\tscript:alert(1)" << true << "" << false;
    QTest::newRow("local program, refused") << "file:///tmp/evil.sh" << false << "" << true;
    QTest::newRow("local program, allowed") << "file:///tmp/evil.sh" << true << "file:///tmp/evil.sh" << true;
    QTest::newRow("other scheme") << "ftp://example.org/file" << true << "ftp://example.org/file" << true;
}

// Ctrl+click hands web and mail addresses to the browser, asks before
// anything else leaves the program, and never runs script.
void TestEditorPage::ctrlClickOpensOnlyWhatIsSafe()
{
    QFETCH(QString, href);
    QFETCH(bool, yes);
    QFETCH(QString, opened);
    QFETCH(bool, asked);
    for (const QString scheme : {QStringLiteral("mailto"), QStringLiteral("file"), QStringLiteral("ftp"), QStringLiteral("javascript")})
        QDesktopServices::setUrlHandler(scheme, this, "captureUrl");
    js(QStringLiteral("editorBody().innerHTML = '<p><a>link</a></p>';"
                      "editorBody().querySelector('a').setAttribute('href', %1[0]); true")
           .arg(QString::fromUtf8(QJsonDocument(QJsonArray{href}).toJson(QJsonDocument::Compact))));
    BoxRecorder boxes(yes ? QMessageBox::Yes : QMessageBox::No);
    js(QStringLiteral("document.querySelector('#bodyeditor a').dispatchEvent("
                      "new MouseEvent('click', {bubbles: true, cancelable: true, ctrlKey: true})); true"));
    if (!opened.isEmpty())
        QTRY_COMPARE(openedUrls, QList<QUrl>{QUrl(opened)});
    else
        waitFor([this] { return !openedUrls.isEmpty(); }, 500);
    QCOMPARE(openedUrls.size(), opened.isEmpty() ? 0 : 1);
    QCOMPARE(boxes.boxes.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY2(boxes.boxes.first().text.contains(QUrl(href).toDisplayString(QUrl::PreferLocalFile)),
                 qPrintable(boxes.boxes.first().text));
}

// A link to "#name" moves the caret to the heading of that name; a link to a
// Markdown file opens it.
void TestEditorPage::ctrlClickFollowsAnchorsAndMarkdownFiles()
{
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other notes.md"));
    writeFile(other, "# Other notes\n\nOpened by a link.\n");
    QString html = QStringLiteral("<p><a href=\"#second-part\">to the second part</a> <a href=\"%1\">other</a></p>")
                       .arg(QUrl::fromLocalFile(other).toString());
    for (int i = 0; i < 300; ++i)
        html += QStringLiteral("<p>filler %1</p>").arg(i);
    html += QStringLiteral("<h2>Second part</h2><p>end</p>");
    showHtml(html);
    const QString click = QStringLiteral("document.querySelectorAll('#bodyeditor a')[%1].dispatchEvent("
                                         "new MouseEvent('click', {bubbles: true, cancelable: true, ctrlKey: true})); true");
    js(click.arg(0));
    QTRY_VERIFY(js(QStringLiteral("var node = getSelection().focusNode; !!node && topLevelBlock(node).tagName === 'H2'")).toBool());
    // Changes made to the page by the tests before are not kept.
    BoxRecorder discard(QMessageBox::Discard);
    js(click.arg(1));
    QTRY_COMPARE(window->documentSession()->path(), other);
    QVERIFY(openedUrls.isEmpty());
}

// With "Load remote images" off the page asks the network for nothing; with
// it on, image requests carry no cookie and no referrer.
void TestEditorPage::remoteImagesFollowTheSetting()
{
    HttpTestServer server;
    server.extraHeaders = "Set-Cookie: reader=42; Path=/\r\n";
    const auto images = [&server](const QStringList &names) {
        QString html;
        for (const QString &name : names)
            html += QStringLiteral("<p><img src=\"%1\"></p>").arg(server.url(QLatin1Char('/') + name).toString());
        return html;
    };
    auto *box = window->configurationWindow()->findChild<QCheckBox *>(QStringLiteral("remoteImagesBox"));
    QVERIFY(box->isChecked());
    box->click();
    showHtml(images({QStringLiteral("pixel.png")}));
    QVERIFY(!waitFor([&server] { return !server.requests.isEmpty(); }, 1000));

    box->click();
    QVERIFY(appSettings()->value(QStringLiteral("loadRemoteImages")).toBool());
    showHtml(images({QStringLiteral("a.png"), QStringLiteral("b.png")}));
    QTRY_COMPARE(server.requests.size(), 2);
    showHtml(images({QStringLiteral("c.png")}));
    QTRY_COMPARE(server.requests.size(), 3);
    for (const ReceivedRequest &request : qAsConst(server.requests)) {
        QVERIFY2(request.header("Cookie").isEmpty(), request.path.constData());
        QVERIFY2(request.header("Referer").isEmpty(), request.path.constData());
    }
}

void TestEditorPage::linkTargets_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("url");
    QTest::newRow("relative Markdown file") << "docs/Part 2.md#intro" << int(LinkTarget::MarkdownFile)
                                            << "file:///notes/docs/Part 2.md";
    QTest::newRow("parent folder") << "../README.markdown" << int(LinkTarget::MarkdownFile) << "file:///README.markdown";
    QTest::newRow("local image") << "images/a.png" << int(LinkTarget::Other) << "file:///notes/images/a.png";
    QTest::newRow("absolute path") << "/etc/passwd" << int(LinkTarget::Other) << "file:///etc/passwd";
    QTest::newRow("web in capitals") << "HTTPS://Example.org/" << int(LinkTarget::Web) << "https://example.org/";
    QTest::newRow("anchor") << "#caf%C3%A9" << int(LinkTarget::Anchor) << "";
    QTest::newRow("data") << "data:text/html;base64,PHNjcmlwdD4=" << int(LinkTarget::Script) << "";
}

void TestEditorPage::linkTargets()
{
    QFETCH(QString, href);
    QFETCH(int, kind);
    QFETCH(QString, url);
    const LinkTarget target = LinkTarget::of(href, QStringLiteral("/notes/today.md"));
    QCOMPARE(int(target.kind), kind);
    if (!url.isEmpty())
        QCOMPARE(target.url, QUrl(url));
    if (kind == LinkTarget::Anchor)
        QCOMPARE(target.fragment, QString::fromUtf8("caf\xC3\xA9"));
}

void TestEditorPage::linkUrlCheck_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("valid");
    QTest::newRow("nothing after the host") << "https://example.com" << true;
    QTest::newRow("path and query") << "http://a.example.org/x?y=1&z=2" << true;
    QTest::newRow("upper-case host") << "HTTPS://Example.COM/Docs" << true;
    QTest::newRow("localhost and port") << "http://localhost:8080" << true;
    QTest::newRow("IP address") << "http://192.168.1.20/status" << true;
    QTest::newRow("mail") << "mailto:someone@example.org" << true;
    QTest::newRow("relative path") << "docs/section.md" << true;
    QTest::newRow("anchor") << "#tasks" << true;
    QTest::newRow("empty") << "  " << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("script in capitals with spaces") << " JavaScript:alert(1)" << false;
    QTest::newRow("script with a tab inside") << "java\tscript:alert(1)" << false;
    QTest::newRow("data") << "data:text/html,<script>alert(1)</script>" << false;
    QTest::newRow("vbscript") << "vbscript:msgbox" << false;
}

void TestEditorPage::linkUrlCheck()
{
    QFETCH(QString, url);
    QFETCH(bool, valid);
    QCOMPARE(Content::isValidLinkUrl(url), valid);
}

void TestEditorPage::linkDialog()
{
    QSignalSpy sent(content, &Content::dealLinkSignal);
    content->addLink(QString());
    QWidget *dialog = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("linkDialog") && w->isVisible())
            dialog = w;
    QVERIFY(dialog);
    QPointer<QWidget> alive(dialog);
    auto *url = dialog->findChild<QLineEdit *>(QStringLiteral("linkUrl"));
    QPushButton *confirm = nullptr;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("Confirm"))
            confirm = button;
    url->setText(QStringLiteral("javascript:alert(1)"));
    confirm->click();
    QCOMPARE(sent.count(), 0);
    QVERIFY(alive && alive->isVisible());
    url->setText(QStringLiteral("see https://example.com/ now"));
    confirm->click();
    QCOMPARE(sent.count(), 1);
    const QJsonObject payload = sent.first().first().toJsonObject();
    QCOMPARE(payload.value(QStringLiteral("url")).toString(), QStringLiteral("see https://example.com/ now"));
    QCOMPARE(payload.value(QStringLiteral("title")).toString(), QString());
    QCOMPARE(payload.value(QStringLiteral("isModify")).toBool(), false);
    QCOMPARE(payload.value(QStringLiteral("isATag")).toBool(), true);
    QTRY_VERIFY(!alive);
}

void TestEditorPage::deleteConfirmation()
{
    QSignalSpy confirmed(content, &Content::removeItemConfirmed);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        SeenBox asked;
        pressOnNextBox(answer, &asked);
        content->requestDeleteElement(QStringLiteral("el-1-2"));
        QCOMPARE(asked.text, QStringLiteral("Are you sure you want to delete?"));
    }
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.first().first().toString(), QStringLiteral("el-1-2"));
}

void TestEditorPage::dropReachesOnlyTheSignal()
{
    showHtml(QStringLiteral("<p id=\"p\">kept</p>"));
    qRegisterMetaType<QDropEvent *>();
    QSignalSpy dropped(view, &QWebEngineViewEx::dropEventSignal);
    QMimeData data;
    data.setText(QStringLiteral("dropped text"));
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drop);
    QCOMPARE(dropped.count(), 1);
    // The main window's dispatcher inserts it once; the page's own drop would add it again.
    const QString count = QStringLiteral("document.getElementById('bodyeditor').textContent.split('dropped').length - 1");
    QTRY_COMPARE(js(count).toInt(), 1);
}

void TestEditorPage::hostileInsertsRunNoScript()
{
    showHtml(QStringLiteral("<p id=\"p\">text</p>"));
    QSignalSpy linkAsked(content, &Content::dealLinkSignal);
    const QString select = QStringLiteral("var r=document.createRange();r.selectNodeContents(document.getElementById('p'));"
                                          "var s=window.getSelection();s.removeAllRanges();s.addRange(r);true");
    const QString evil = QStringLiteral("contentObj.openUrl('https://evil.example/')");
    js(select);
    QJsonObject html{{QStringLiteral("type"), QStringLiteral("html")},
                     {QStringLiteral("html"), QStringLiteral("<img src=\"x\" onerror=\"%1\"><script>%1</script>"
                                                             "<a href=\"javascript:%1\">a</a>").arg(evil)}};
    emit content->dealCopySignal(html);
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor img')")).toBool());
    QVERIFY(!js(QStringLiteral("document.querySelector('#bodyeditor img').hasAttribute('onerror')")).toBool());
    QVERIFY(!js(QStringLiteral("!!document.querySelector('#bodyeditor script')")).toBool());
    QVERIFY(!js(QStringLiteral("document.querySelector('#bodyeditor a').hasAttribute('href')")).toBool());

    js(QStringLiteral("document.getElementById('bodyeditor').focus();") + select);
    emit content->addLinkSignal(QJsonObject{{QStringLiteral("title"), QStringLiteral("\"><img src=x onerror=\"%1\">").arg(evil)},
                                            {QStringLiteral("url"), QStringLiteral("javascript:%1").arg(evil)},
                                            {QStringLiteral("isModify"), false},
                                            {QStringLiteral("isATag"), true}});
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor a')")).toBool());
    QCOMPARE(js(QStringLiteral("document.querySelector('#bodyeditor a').textContent")).toString(),
             QStringLiteral("\"><img src=x onerror=\"%1\">").arg(evil));
    QVERIFY(!js(QStringLiteral("document.querySelector('#bodyeditor a').hasAttribute('href')")).toBool());
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor img:not(.insertion-marker)').length")).toInt(), 0);

    js(select);
    emit content->insertLaTeX(QStringLiteral("<img src=x onerror=\"%1\">").arg(evil));
    QTRY_VERIFY(js(QStringLiteral("document.querySelectorAll('#bodyeditor x-equation').length")).toInt() == 1);
    QCOMPARE(js(QStringLiteral("document.querySelectorAll('#bodyeditor img:not(.insertion-marker)').length")).toInt(), 0);
    QCOMPARE(js(QStringLiteral("formulaSource(document.querySelector('#bodyeditor x-equation'))")).toString(),
             QStringLiteral("<img src=x onerror=\"%1\">").arg(evil));

    showHtml(QStringLiteral("<p><a href=\"javascript:%1\">click</a></p>").arg(evil));
    js(QStringLiteral("document.querySelector('#bodyeditor a').click()"));
    QTest::qWait(300);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("linkDialog"))
            w->close();
    QVERIFY(openedUrls.isEmpty());
    QCOMPARE(linkAsked.count(), 0);
    QCOMPARE(view->url().scheme(), QStringLiteral("qrc"));
}

namespace {
// Nothing of the last document is still coming in, being counted or waiting
// to be collected.
const char pageIsQuiet[] = "pendingHtml === null && pendingCount === null && textReading === null"
                           " && myWorker === null && pendingCollection === null";

}

void TestEditorPage::largeDocumentComesInWhole_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("inPieces");
    const QString large = convertedLargeDocument();
    QTest::newRow("converted markup") << large << true;
    QTest::newRow("one element around everything") << QStringLiteral("<blockquote>") + large + QStringLiteral("</blockquote>")
                                                      << false;
    QTest::newRow("stray end tag") << QStringLiteral("<p>a</p></span>") + large << false;
    QTest::newRow("element left open") << QStringLiteral("<p>open ") + large << false;
}

// However the page takes a large document in, it ends up holding what it
// would hold had it parsed the whole at once, with one trailing paragraph.
void TestEditorPage::largeDocumentComesInWhole()
{
    QFETCH(QString, html);
    QFETCH(bool, inPieces);
    js(QStringLiteral("window.savedFirstPiece = firstPieceLength; firstPieceLength = Infinity; true"));
    showHtml(html);
    const QString whole = js(QStringLiteral("getHtml()")).toString();
    js(QStringLiteral("firstPieceLength = window.savedFirstPiece; true"));
    QVERIFY(whole.contains(QStringLiteral("The very end.")));

    // Held back, the pieces after the first show whether there are any; let go,
    // they follow one another.
    js(QStringLiteral("window.appendPiece = appendPendingPiece; appendPendingPiece = function () { pendingTimer = null; };"
                      "true"));
    showHtml(html);
    QCOMPARE(js(QStringLiteral("pendingHtml !== null")).toBool(), inPieces);
    // Calls that change only the page's settings leave the rest coming in.
    window->changeCssTheme();
    window->changeCodeMirrorStyle();
    window->findChild<PageSpelling *>()->setEnabled(false);
    QCOMPARE(js(QStringLiteral("pendingHtml !== null")).toBool(), inPieces);
    // Spelling is marked once the document is whole: marks among the pieces
    // make every later frame restyle the whole page.
    const QString marked = QStringLiteral("editorBody().querySelectorAll('[spellcheck=\"true\"]').length");
    js(QStringLiteral("setSpellChecking(true); window.framesAfter = 0; requestAnimationFrame(function () {"
                      "  requestAnimationFrame(function () { window.framesAfter = 2; }); }); true"));
    QTRY_COMPARE(js(QStringLiteral("window.framesAfter")).toInt(), 2);
    if (inPieces)
        QCOMPARE(js(marked).toInt(), 0);
    js(QStringLiteral("appendPendingPiece = window.appendPiece; if (pendingHtml) appendPendingPiece(); true"));
    QTRY_VERIFY(js(QStringLiteral("pendingHtml === null")).toBool());
    QTRY_COMPARE(js(QStringLiteral("editorBody().lastElementChild.innerHTML")).toString(), QStringLiteral("&nbsp;"));
    QTRY_VERIFY(js(marked).toInt() > 0);
    js(QStringLiteral("setSpellChecking(false)"));
    QCOMPARE(js(QStringLiteral("getHtml()")).toString(), whole);
    QCOMPARE(js(QStringLiteral("editedSinceShown")).toBool(), false);
}

void TestEditorPage::oldDocumentIsCollectedOnceTheNewIsWhole_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("takeTheRest");
    QTest::newRow("one piece") << QStringLiteral("<p>short</p>") << QString();
    QTest::newRow("pieces between frames") << convertedLargeDocument()
                                           << QStringLiteral("appendPendingPiece = window.appendPiece; appendPendingPiece()");
    QTest::newRow("rest taken by a reader") << convertedLargeDocument() << QStringLiteral("getHtml()");
}

// The engine's collection is stood in for by a counter: a collection while
// pieces are still to come would find nothing to collect.
void TestEditorPage::oldDocumentIsCollectedOnceTheNewIsWhole()
{
    QFETCH(QString, html);
    QFETCH(QString, takeTheRest);
    js(QStringLiteral("window.collections = []; window.gc = function () { window.collections.push(pendingHtml === null); };"
                      "window.appendPiece = appendPendingPiece; appendPendingPiece = function () { pendingTimer = null; };"
                      "true"));
    showHtml(html);
    if (!takeTheRest.isEmpty()) {
        QCOMPARE(js(QStringLiteral("pendingCollection")), QVariant());
        js(takeTheRest + QStringLiteral("; true"));
    }
    QTRY_VERIFY(js(QStringLiteral("window.collections.length > 0")).toBool());
    QCOMPARE(js(QStringLiteral("window.collections.indexOf(false)")).toInt(), -1);
    js(QStringLiteral("appendPendingPiece = window.appendPiece; true"));
    // The stand-in stays until the count of the large document is in and collected.
    QTRY_VERIFY_WITH_TIMEOUT(js(QLatin1String(pageIsQuiet)).toBool(), 30000);
    js(QStringLiteral("delete window.gc; true"));
}

// Whatever reads or changes the document as a whole gets all of it, also
// while the rest is still to come.
void TestEditorPage::documentStillComingInIsTakenWhole()
{
    const QString html = convertedLargeDocument();
    const int codeBlocks = html.count(QStringLiteral("<pre "));
    const QString allCodeBlocks = QStringLiteral("document.querySelectorAll('#bodyeditor .cm-editor-wrapper').length === %1")
                                      .arg(codeBlocks);
    // The pieces after the first wait until the test lets them go.
    js(QStringLiteral("window.appendPiece = appendPendingPiece; appendPendingPiece = function () { pendingTimer = null; };"
                      "true"));
    showHtml(html);
    QVERIFY(!js(allCodeBlocks).toBool());
    QVERIFY(js(QStringLiteral("getHtml()")).toString().contains(QStringLiteral("The very end.")));
    QVERIFY(js(allCodeBlocks).toBool());

    showHtml(html);
    QVERIFY(!js(allCodeBlocks).toBool());
    focusPage();
    QTest::keyClick(view->focusProxy(), Qt::Key_Shift);
    QTRY_VERIFY(js(allCodeBlocks).toBool());

    // A command of the program's own reaches the end of the document.
    showHtml(html);
    window->on_actionSelectAll_triggered();
    QTRY_VERIFY(js(QStringLiteral("getSelectedText().indexOf('The very end.') >= 0")).toBool());
    QVERIFY(js(allCodeBlocks).toBool());
    js(QStringLiteral("appendPendingPiece = window.appendPiece; true"));
}

namespace {
// Counts every observer, timer and frame callback the page starts from now
// on; the page's observers are made again with the next document.
const char *const countPageCallbacks = R"(
window.pageCallbacks = 0;
function counted(callback) {
  return function () { window.pageCallbacks += 1; return callback.apply(this, arguments); };
}
["IntersectionObserver", "ResizeObserver", "MutationObserver"].forEach(function (name) {
  var Original = window[name];
  window[name] = function (callback, options) { return new Original(counted(callback), options); };
});
["setTimeout", "setInterval", "requestAnimationFrame", "requestIdleCallback"].forEach(function (name) {
  var original = window[name];
  window[name] = function (callback) {
    var args = Array.prototype.slice.call(arguments);
    if (typeof callback === "function") args[0] = counted(callback);
    return original.apply(window, args);
  };
});
// Counts asked of the whole document: only a change of it asks for one.
window.countsStarted = 0;
var startCountingWorker = startWorker;
startWorker = function (text) {
  window.countsStarted += 1;
  return startCountingWorker(text);
};
window.settled = false;
window.settle = function () {
  window.settled = false;
  (function watch(last, still) {
    requestAnimationFrame(function () {
      still = scrollY === last ? still + 1 : 0;
      if (still >= 5) window.settled = true;
      else watch(scrollY, still);
    });
  })(-1, 0);
  return true;
};
// Blocks in view whose text a click would not reach: their content is not
// drawn, whatever their box says.
window.undrawnInView = function () {
  var undrawn = [];
  Array.prototype.forEach.call(editorBody().children, function (block) {
    if (!/^(P|H[1-6])$/.test(block.tagName)) return;
    var box = block.getBoundingClientRect();
    if (box.bottom <= 0 || box.top >= innerHeight) return;
    var walker = document.createTreeWalker(block, NodeFilter.SHOW_TEXT);
    var text;
    while ((text = walker.nextNode()) && !/\S/.test(text.data)) {}
    if (!text) return;
    var range = document.createRange();
    range.selectNodeContents(text);
    var line = Array.prototype.find.call(range.getClientRects(), function (rect) {
      return rect.width > 0 && rect.top >= 0 && rect.bottom <= innerHeight;
    });
    var hit = line && document.caretRangeFromPoint(line.left + 2, line.top + line.height / 2);
    if (line && (!hit || hit.startContainer !== text)) undrawn.push(block.textContent.slice(0, 20));
  });
  return undrawn.join(" | ");
};
// Code blocks and formulas in view that are still waiting to be built.
window.unbuiltInView = function () {
  return Array.prototype.filter.call(editorBody().querySelectorAll(".cm-editor-wrapper, x-equation"), function (part) {
    var box = part.getBoundingClientRect();
    return box.bottom > 0 && box.top < innerHeight && box.height > 0 && !part.cmInstance && !part.querySelector(".katex");
  }).map(function (part) { return part.textContent.slice(0, 20); }).join(" | ");
};
true)";
}

// Quick wheel turns and jumps through a long document: wherever the view comes
// to rest, every block in it is drawn where it is, and the page then rests.
void TestEditorPage::scrollingDrawsEveryBlockInView()
{
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    js(QLatin1String(countPageCallbacks));
    const QString html = convertedLargeDocument();
    showHtml(html);
    QTRY_VERIFY(js(QStringLiteral("pendingHtml === null")).toBool());
    QTRY_VERIFY(js(QStringLiteral("countsStarted > 0 && pendingCount === null && myWorker === null")).toBool());
    js(QStringLiteral("countsStarted = 0; true"));
    // Every code block has an id of its own.
    QCOMPARE(js(QStringLiteral("new Set(Array.prototype.map.call(document.querySelectorAll('.cm-editor-wrapper'),"
                               "function (w) { return w.id; })).size")).toInt(),
             html.count(QStringLiteral("<pre ")));
    QWidget *target = view->focusProxy();
    const auto settleAndProbe = [&](const QString &where) {
        js(QStringLiteral("settle()"));
        QVERIFY(waitFor([&] { return js(QStringLiteral("window.settled")).toBool(); }, 10000));
        const QString undrawn = js(QStringLiteral("undrawnInView()")).toString();
        QVERIFY2(undrawn.isEmpty(), qPrintable(where + QStringLiteral(": ") + undrawn));
        QTRY_COMPARE(js(QStringLiteral("unbuiltInView()")).toString(), QString());
        // The engine tends every laid-out hidden block in every frame: the
        // far parts lie folded, only the ends of their runs laid out.
        const int laidOutHidden = js(QStringLiteral("editorBody().querySelectorAll(':scope > [data-offscreen]:not([data-folded])').length")).toInt();
        QVERIFY2(laidOutHidden <= 6, qPrintable(where + QStringLiteral(": %1 hidden blocks laid out").arg(laidOutHidden)));
    };
    for (int direction : {-1, 1}) {
        for (int batch = 0; batch < (direction < 0 ? 5 : 2); ++batch) {
            const int before = js(QStringLiteral("scrollY")).toInt();
            for (int turn = 0; turn < 15; ++turn) {
                const QPointF at = target->rect().center();
                const QPointF global = target->mapToGlobal(target->rect().center());
                QWheelEvent wheel(at, global, QPoint(), QPoint(0, 360 * direction), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(target, &wheel);
                waitFor([] { return false; }, 15);
            }
            settleAndProbe(QStringLiteral("after wheel turns to %1").arg(js(QStringLiteral("scrollY")).toInt()));
            if (QTest::currentTestFailed())
                return;
            if (js(QStringLiteral("scrollY")).toInt() == before)
                break;
        }
    }
    for (int jump = 0; jump < 4; ++jump) {
        const double share = random.bounded(1.0);
        js(QStringLiteral("scrollTo(0, %1 * (document.documentElement.scrollHeight - innerHeight)); true").arg(share));
        settleAndProbe(QStringLiteral("after a jump to %1 of the height").arg(share));
        if (QTest::currentTestFailed())
            return;
    }
    // The caret reaches both ends, however much lies between, and follows
    // paging at a reader's pace.
    focusPage();
    const QString caretBlock = QStringLiteral("topLevelBlock(getSelection().focusNode).textContent");
    QTest::keyClick(view->focusProxy(), Qt::Key_End, Qt::ControlModifier);
    QTRY_COMPARE(js(caretBlock).toString(), QStringLiteral("\u00a0"));
    settleAndProbe(QStringLiteral("at the end"));
    QTest::keyClick(view->focusProxy(), Qt::Key_Home, Qt::ControlModifier);
    QTRY_COMPARE(js(caretBlock).toString(), QStringLiteral("Section 0"));
    settleAndProbe(QStringLiteral("at the start"));
    for (int page = 0; page < 8; ++page) {
        QTest::keyClick(view->focusProxy(), Qt::Key_PageDown);
        waitFor([] { return false; }, 150);
    }
    QTRY_VERIFY(js(QStringLiteral("var box = topLevelBlock(getSelection().focusNode).getBoundingClientRect();"
                                  "scrollY > innerHeight && box.bottom > 0 && box.top < innerHeight")).toBool());
    settleAndProbe(QStringLiteral("after paging down"));

    // A click between two blocks far down puts the caret beside the click.
    const QVariantList gap = js(QStringLiteral(
        "(function () { var blocks = editorBody().children; for (var i = 1; i < blocks.length; i++) {"
        "  var above = blocks[i - 1].getBoundingClientRect(), below = blocks[i].getBoundingClientRect();"
        "  var text = /^(P|H[1-6]|UL|OL|BLOCKQUOTE)$/;"
        "  if (above.bottom > 0 && below.top < innerHeight && below.top - above.bottom >= 6"
        "      && text.test(blocks[i - 1].tagName) && text.test(blocks[i].tagName))"
        "    return [Math.round(above.right - 5), Math.round((above.bottom + below.top) / 2), i]; } })()")).toList();
    QCOMPARE(gap.size(), 3);
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, Qt::NoModifier, QPoint(gap[0].toInt(), gap[1].toInt()));
    QTRY_VERIFY2(js(QStringLiteral("var block = topLevelBlock(getSelection().focusNode), index = [].indexOf.call("
                                   "editorBody().children, block); document.activeElement === editorBody() && "
                                   "(index === %1 || index === %1 - 1)").arg(gap[2].toInt())).toBool(),
                 qPrintable(js(QStringLiteral("[document.activeElement.tagName, [].indexOf.call(editorBody().children,"
                                              " topLevelBlock(getSelection().focusNode)), editorBody().children[%1]"
                                              ".getBoundingClientRect().top, %2, JSON.stringify(document.caretRangeFromPoint(%3, %2))].join()").arg(gap[2].toInt()).arg(gap[1].toInt()).arg(gap[0].toInt())).toString()));

    // The focus leaves and comes back: far blocks stay folded (laying out the
    // whole document then took seconds), and the caret's block is drawn.
    const QString hiddenBlocks = QStringLiteral("editorBody().querySelectorAll(':scope > [data-folded]').length");
    const int hiddenBefore = js(hiddenBlocks).toInt();
    QVERIFY(hiddenBefore > 0);
    auto *navigation = window->findChild<QDockWidget *>(QStringLiteral("dockNavigation"));
    if (navigation->isHidden())
        navigation->toggleViewAction()->trigger();
    window->findChild<QWidget *>(QStringLiteral("navigationSearch"))->setFocus();
    QTRY_VERIFY(!js(QStringLiteral("document.hasFocus()")).toBool());
    QCOMPARE(js(hiddenBlocks).toInt(), hiddenBefore);
    focusPage();
    QTest::keyClick(view->focusProxy(), Qt::Key_Right);
    QVERIFY(js(QStringLiteral("!isOffscreen(topLevelBlock(getSelection().focusNode))")).toBool());
    settleAndProbe(QStringLiteral("back in the page"));

    js(QStringLiteral("window.pageCallbacks = 0; true"));
    waitFor([] { return false; }, 2000);
    QCOMPARE(js(QStringLiteral("window.pageCallbacks")).toInt(), 0);
    // Code editors drawn on the way changed nothing to count.
    QCOMPARE(js(QStringLiteral("countsStarted")).toInt(), 0);

    // Undo brings the caret back to an edit the view has long left: that
    // block was never folded away, where the engine would search for seconds.
    const QString textLength = QStringLiteral("editorBody().textContent.length");
    const int lengthBefore = js(textLength).toInt();
    QTest::keyClick(view->focusProxy(), Qt::Key_X);
    QTRY_COMPARE(js(textLength).toInt(), lengthBefore + 1);
    js(QStringLiteral("window.editedBlock = topLevelBlock(getSelection().focusNode); true"));
    QTest::keyClick(view->focusProxy(), Qt::Key_Home, Qt::ControlModifier);
    settleAndProbe(QStringLiteral("back at the start after an edit"));
    QVERIFY(js(QStringLiteral("editedBlock.getBoundingClientRect().top > 3 * innerHeight && !editedBlock.hasAttribute('data-folded')")).toBool());
    QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(js(textLength).toInt(), lengthBefore);

    // Paging from a caret the view has left goes on from the caret, through
    // blocks folded away meanwhile, and what is typed there stays.
    QTest::keyClick(view->focusProxy(), Qt::Key_Home, Qt::ControlModifier);
    settleAndProbe(QStringLiteral("at the start again"));
    js(QStringLiteral("scrollTo(0, 5 * innerHeight); true"));
    settleAndProbe(QStringLiteral("away from the caret"));
    for (int page = 0; page < 2; ++page)
        QTest::keyClick(view->focusProxy(), Qt::Key_PageDown);
    QTest::keyClicks(view->focusProxy(), QStringLiteral("Qz"));
    QTRY_VERIFY(js(QStringLiteral("[].filter.call(editorBody().children, function (block) {"
                                  "  return block.textContent.indexOf('Qz') >= 0; }).length === 1")).toBool());
    QVERIFY(js(QStringLiteral("[].indexOf.call(editorBody().children, topLevelBlock(getSelection().focusNode)) > 2")).toBool());

    // Typing over the whole document replaces it (the engine alone took
    // minutes for a 2 MB one), unless the edit is cancelled; undo brings
    // every block back as it was, redo takes them away again.
    const QString whole = QStringLiteral("JSON.stringify([getHtml(), documentParts().length])");
    const QString before = js(whole).toString();
    QTest::keyClick(view->focusProxy(), Qt::Key_A, Qt::ControlModifier);
    js(QStringLiteral("document.addEventListener('beforeinput', function (event) { event.preventDefault(); }, { once: true }); true"));
    QTest::keyClick(view->focusProxy(), Qt::Key_X);
    QTRY_COMPARE(js(whole).toString(), before);
    QTest::keyClicks(view->focusProxy(), QStringLiteral("New"));
    const QString replaced = QStringLiteral("editorBody().childElementCount < 4 && editorBody().textContent.indexOf('New') === 0");
    QTRY_VERIFY(js(replaced).toBool());
    for (int undo = 0; undo < 5 && js(whole).toString() != before; ++undo) {
        QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
        waitFor([] { return false; }, 100);
    }
    QCOMPARE(js(whole).toString(), before);
    settleAndProbe(QStringLiteral("after undoing the replacement"));
    QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(js(QStringLiteral("editorBody().childElementCount < 4 && editorBody().textContent.indexOf('N') === 0")).toBool());
    QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(js(whole).toString(), before);
    // A cut copies every block, folded or not, then goes the same way.
    QTest::keyClick(view->focusProxy(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view->focusProxy(), Qt::Key_X, Qt::ControlModifier);
    QTRY_VERIFY(js(QStringLiteral("editorBody().childElementCount < 4")).toBool());
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("The very end.")));
    QTest::keyClick(view->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(js(whole).toString(), before);
}

// Blocks far below the view are not rendered; their words count all the same,
// code by its text without line numbers, a formula by its source.
void TestEditorPage::wordCountReadsTheWholeDocument()
{
    QString html;
    for (int i = 0; i < 2000; ++i)
        html += QStringLiteral("<p>alpha beta gamma</p>\n");
    html += QStringLiteral("<pre><code>int a;\n</code></pre>\n<p><x-equation>x^2</x-equation></p>\n<ul><li>one</li><li>two</li></ul>");
    // The old document's memory is collected once the new one is counted, and
    // not again for later counts of the same document.
    QTRY_VERIFY(js(QLatin1String(pageIsQuiet)).toBool());
    js(QStringLiteral("window.countArrived = false; window.collectionsAfterCount = 0;"
                      "window.gc = function () { if (window.countArrived) window.collectionsAfterCount += 1; };"
                      "window.reportCount = contentObj.updateWordsCount;"
                      "contentObj.updateWordsCount = function (text) {"
                      "  window.countArrived = true; window.reportCount.call(contentObj, text); };"
                      "true"));
    QSignalSpy counted(content, &Content::updateWordsCountSignal);
    showHtml(html);
    QTRY_VERIFY(!counted.isEmpty());
    QTRY_COMPARE(counted.last().first().toString(), QStringLiteral("6005"));
    QTRY_COMPARE(js(QStringLiteral("window.collectionsAfterCount")).toInt(), 1);

    // Editing one block counts it again; an edit inside a code block too.
    js(QStringLiteral("editorBody().firstElementChild.textContent = 'alpha'; true"));
    QTRY_COMPARE(counted.last().first().toString(), QStringLiteral("6003"));
    QCOMPARE(js(QStringLiteral("pendingCollection")), QVariant());
    QCOMPARE(js(QStringLiteral("window.collectionsAfterCount")).toInt(), 1);
    js(QStringLiteral("contentObj.updateWordsCount = window.reportCount; delete window.gc; true"));
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('.cm-editor-wrapper')")).toBool());
    js(QStringLiteral("var w = document.querySelector('.cm-editor-wrapper'); buildCodeMirror(w);"
                      "w.cmInstance.setValue('int a; int b;'); true"));
    QTRY_COMPARE(counted.last().first().toString(), QStringLiteral("6005"));
    // The worker goes once it has nothing left to count, and a new one counts next.
    QTRY_VERIFY(js(QStringLiteral("myWorker === null")).toBool());
    js(QStringLiteral("startWorker('one two'); startWorker('one two three'); true"));
    QTRY_COMPARE(counted.last().first().toString(), QStringLiteral("3"));
    QTRY_VERIFY(js(QStringLiteral("myWorker === null")).toBool());
}

// A long document is read a slice at a time. A change before the reading
// ends must not let the old reading report: it would count what is gone.
void TestEditorPage::changeWhileReadingCountsTheChangedDocument()
{
    QString html;
    for (int i = 0; i < 20000; ++i)
        html += QStringLiteral("<p>alpha <b>beta</b> gamma</p>\n");
    showHtml(html);
    QTRY_VERIFY(js(QLatin1String(pageIsQuiet)).toBool());
    QSignalSpy counted(content, &Content::updateWordsCountSignal);
    QVERIFY(js(QStringLiteral("blockTexts = new WeakMap(); staleText = null;"
                              "readDocumentText(function (text) { staleText = text; }); textReading !== null"))
                .toBool());
    js(QStringLiteral("var b = editorBody(); while (b.childNodes.length > 10) b.removeChild(b.lastChild); true"));
    const QString remaining = QString::number(js(QStringLiteral("editorBody().querySelectorAll('b').length")).toInt() * 3);
    QTRY_VERIFY(!counted.isEmpty());
    QCOMPARE(counted.last().first().toString(), remaining);
    QCOMPARE(js(QStringLiteral("staleText")), QVariant());
}

QTEST_MAIN(TestEditorPage)
#include "tst_editorpage.moc"
