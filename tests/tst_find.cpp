// Find and replace in the real window, in both editors.
#include "guitestbase.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QTemporaryDir>

class TestFind : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void init();
    void cleanup() { closeWindow(); }

    void findInTheSource();
    void findAsYouTypeStartsWhereItBegan_data();
    void findAsYouTypeStartsWhereItBegan();
    void findInThePage();
    void replaceInTheSource();
    void replaceInThePage();
    void findAndReplaceReachTheWholeDocument();

private:
    void takeWidgets();

    QLineEdit *findEdit = nullptr;
    QLineEdit *replaceEdit = nullptr;
    QTemporaryDir dir;
};

void TestFind::init()
{
    openWindow();
    takeWidgets();
}

void TestFind::takeWidgets()
{
    findEdit = window->findChild<QLineEdit *>(QStringLiteral("findEdit"));
    replaceEdit = window->findChild<QLineEdit *>(QStringLiteral("replaceEdit"));
}

void TestFind::findInTheSource()
{
    toSource();
    source->setPlainText(QStringLiteral("alpha beta ALPHA gamma alpha"));
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(23);
    cursor.setPosition(28, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    action("actionFind")->trigger();
    QCOMPARE(findEdit->text(), QStringLiteral("alpha"));
    QVERIFY(window->findChild<QDockWidget *>(QStringLiteral("dockFind"))->isVisible());
    // The selected occurrence is the match; the next wraps to the first.
    QCOMPARE(source->textCursor().selectionStart(), 23);
    window->onFindNext();
    QCOMPARE(source->textCursor().selectionStart(), 0);

    window->onFindNext();
    QCOMPARE(source->textCursor().selectionStart(), 11); // ALPHA, without Case Sensitive
    window->findChild<QCheckBox *>(QStringLiteral("caseSensitiveBox"))->setChecked(true);
    window->onFindNext();
    QCOMPARE(source->textCursor().selectionStart(), 23);
    window->onFindPrevious();
    QCOMPARE(source->textCursor().selectionStart(), 0);

    // The empty search text does nothing in the source.
    const int before = source->textCursor().position();
    findEdit->clear();
    QCOMPARE(source->textCursor().position(), before);
    QCOMPARE(statusText(), QString());
}

// Typed letter by letter, the search stays on the first match from where it began.
void TestFind::findAsYouTypeStartsWhereItBegan_data()
{
    QTest::addColumn<bool>("inPage");
    QTest::newRow("source") << false;
    QTest::newRow("page") << true;
}

void TestFind::findAsYouTypeStartsWhereItBegan()
{
    QFETCH(bool, inPage);
    if (inPage) {
        setPage(QStringLiteral("<p id=\"a\">an apple, apples</p><p id=\"b\">more apples</p>"));
        js(QStringLiteral("var r=document.createRange();r.setStart(document.getElementById('a').firstChild, 0);"
                          "getSelection().removeAllRanges();getSelection().addRange(r);true"));
    } else {
        toSource();
        source->setPlainText(QStringLiteral("an apple, apples\nmore apples"));
        source->moveCursor(QTextCursor::Start);
    }
    findEdit->clear();
    QTest::keyClicks(findEdit, QStringLiteral("apples"), Qt::NoModifier, 30);
    if (inPage) {
        QTRY_COMPARE(js(QStringLiteral("getSelection().toString() + '@' + getSelection().anchorNode.parentNode.id + "
                                       "getSelection().anchorOffset")).toString(),
                     QStringLiteral("apples@a10"));
    } else {
        QCOMPARE(source->textCursor().selectionStart(), 10);
        QCOMPARE(source->textCursor().selectedText(), QStringLiteral("apples"));
    }
}

void TestFind::findInThePage()
{
    setPage(QStringLiteral("<p id=\"a\">alpha</p><p id=\"b\">ALPHA</p><p id=\"c\">rest</p>"));
    js(QStringLiteral("var r=document.createRange();r.selectNodeContents(document.getElementById('a'));"
                      "var s=window.getSelection();s.removeAllRanges();s.addRange(r);true"));
    const QString selectedIn = QStringLiteral("window.getSelection().anchorNode.parentNode.id");
    action("actionFind")->trigger();
    QCOMPARE(findEdit->text(), QStringLiteral("alpha"));
    window->onFindNext();
    QTRY_COMPARE(js(selectedIn).toString(), QStringLiteral("b"));
    window->onFindNext();
    QTRY_COMPARE(js(selectedIn).toString(), QStringLiteral("a"));

    findEdit->clear();
    findEdit->setText(QStringLiteral("absent"));
    QTRY_COMPARE(statusText(), QStringLiteral("No matching text found!"));
}

void TestFind::replaceInTheSource()
{
    toSource();
    source->setPlainText(QStringLiteral("one two one"));
    findEdit->setText(QStringLiteral("one"));
    replaceEdit->setText(QStringLiteral("1"));
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    window->onReplace();
    QCOMPARE(source->toPlainText(), QStringLiteral("one 1 one"));

    findEdit->setText(QStringLiteral("one"));
    replaceEdit->setText(QStringLiteral("one one"));
    window->onReplaceAll();
    QCOMPARE(source->toPlainText(), QStringLiteral("one one 1 one one"));
    QCOMPARE(statusText(), QStringLiteral("Replaced 2 occurrences!"));
    QCOMPARE(source->textCursor().position(), 0);

    findEdit->setText(QStringLiteral("absent"));
    window->onReplaceAll();
    QCOMPARE(statusText(), QStringLiteral("Replaced 0 occurrences!"));
    findEdit->setText(QStringLiteral("  "));
    window->onReplace();
    QCOMPARE(statusText(), QStringLiteral("Please enter text to find!"));
}

void TestFind::replaceInThePage()
{
    setPage(QStringLiteral("<p>a cat, a Cat</p><pre><code class=\"language-cpp\">cat code;</code></pre><p>cat</p>"));
    QTRY_VERIFY(js(QStringLiteral("!!document.querySelector('#bodyeditor .CodeMirror')")).toBool());
    findEdit->setText(QStringLiteral("cat"));
    replaceEdit->setText(QStringLiteral("cats cat"));
    window->onReplaceAll();
    QTRY_COMPARE(statusText(), QStringLiteral("Replaced 3 occurrences!"));
    const QString paragraphs = QStringLiteral(
        "Array.prototype.map.call(document.querySelectorAll('#bodyeditor > p'),function(p){return p.textContent;}).join('|')");
    QVERIFY(js(paragraphs).toString().startsWith(QStringLiteral("a cats cat, a cats cat|cats cat|")));
    // The code block is drawn by its editor from its own text; it is left alone.
    QCOMPARE(js(QStringLiteral("codeBlockValue(document.querySelector('#bodyeditor .cm-editor-wrapper'))")).toString(),
             QStringLiteral("cat code;"));
    QVERIFY(titleHasStar());

    setPage(QStringLiteral("<p id=\"p\">one two</p><p>three</p>"));
    js(QStringLiteral("var r=document.createRange();var t=document.getElementById('p').firstChild;r.setStart(t,0);r.setEnd(t,3);"
                      "var s=window.getSelection();s.removeAllRanges();s.addRange(r);true"));
    findEdit->setText(QStringLiteral("two"));
    js(QStringLiteral("var r=document.createRange();var t=document.getElementById('p').firstChild;r.setStart(t,0);r.setEnd(t,3);"
                      "var s=window.getSelection();s.removeAllRanges();s.addRange(r);true"));
    replaceEdit->setText(QStringLiteral("2"));
    window->onReplace();
    QTRY_COMPARE(statusText(), QStringLiteral("No matching text to replace!"));
    QCOMPARE(js(QStringLiteral("document.getElementById('p').textContent")).toString(), QStringLiteral("one two"));
    window->onFindNext();
    QTRY_COMPARE(js(QStringLiteral("window.getSelection().toString()")).toString(), QStringLiteral("two"));
    window->onReplace();
    QTRY_COMPARE(js(QStringLiteral("document.getElementById('p').textContent")).toString(), QStringLiteral("one 2"));

    // Quotes, backslashes and line ends reach the page as they are.
    setPage(QStringLiteral("<p id=\"p\">it's \"quoted\" \\ back</p><p>x</p>"));
    findEdit->setText(QStringLiteral("it's \"quoted\" \\ back"));
    QTRY_COMPARE(js(QStringLiteral("window.getSelection().toString()")).toString(), findEdit->text());
    replaceEdit->setText(QStringLiteral("new 'one'\r\nand \"two\" \\n"));
    window->onReplaceAll();
    QTRY_COMPARE_WITH_TIMEOUT(statusText(), QStringLiteral("Replaced 1 occurrences!"), 15000);
    QCOMPARE(js(QStringLiteral("document.getElementById('p').textContent")).toString(),
             QStringLiteral("new 'one'\r\nand \"two\" \\n"));
}

// Right after a long document opens, most of it is far off screen: find and
// replace still reach its last line and every occurrence.
void TestFind::findAndReplaceReachTheWholeDocument()
{
    QByteArray markdown;
    int often = 0;
    for (int i = 0; markdown.size() < 2 * 1024 * 1024; ++i) {
        markdown += "Paragraph " + QByteArray::number(i) + " of a long document, with words that go on to fill the line.";
        if (i % 7 == 0) {
            markdown += " Often *here*, often.";
            often += 2;
        }
        markdown += "\n\n";
    }
    markdown += "The rarest word is zebrafind.\n";
    const QString path = dir.filePath(QStringLiteral("long.md"));
    writeFile(path, markdown);
    closeWindow();
    openWindow(path);
    takeWidgets();
    focusPage();
    findEdit->setText(QStringLiteral("zebrafind"));
    QTRY_COMPARE_WITH_TIMEOUT(js(QStringLiteral("window.getSelection().toString()")).toString(), QStringLiteral("zebrafind"), 20000);
    QTRY_VERIFY(js(QStringLiteral("var r = window.getSelection().getRangeAt(0).getBoundingClientRect();"
                                  "r.height > 0 && r.top >= 0 && r.bottom <= window.innerHeight")).toBool());
    findEdit->setText(QStringLiteral("often"));
    replaceEdit->setText(QStringLiteral("seldom"));
    window->onReplaceAll();
    QTRY_COMPARE_WITH_TIMEOUT(statusText(), QStringLiteral("Replaced %1 occurrences!").arg(often), 20000);
    QCOMPARE(js(QStringLiteral("document.getElementById('bodyeditor').textContent.split('seldom').length - 1")).toInt(), often);
}

QTEST_MAIN(TestFind)
#include "tst_find.moc"
