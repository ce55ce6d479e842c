// Export to HTML, Word and PDF, "Get HTML", and tables to Excel, read back
// with real readers.
#include "excelhelper.h"
#include "appsettings.h"
#include "guitestbase.h"
#include "httptestserver.h"
#include "pagescript.h"

#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <vector>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>

namespace {
QString python()
{
    const QString system = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return system.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("python3")) : system;
}

// The workbook's first sheet as rows of "type:value" cells.
QString readWorkbook(const QString &path)
{
    QProcess reader;
    reader.start(python(), {QStringLiteral("-c"),
                            QStringLiteral("import sys, openpyxl\n"
                                           "sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                                           "print('|'.join(','.join('%s:%s' % (c.data_type, c.value) for c in row)"
                                           " for row in sheet.iter_rows()))\n"),
                            path});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return QStringLiteral("<reader failed: %1>").arg(QString::fromUtf8(reader.readAllStandardError()));
    return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
}

const char *const threeByThree =
    "<table><thead><tr><th>Name</th><th>Count</th><th>Note</th></tr></thead><tbody>"
    "<tr><td>alpha</td><td>42</td><td><b>bold</b> and <code>code</code><br>next</td></tr>"
    "<tr><td>&nbsp; </td><td> 007 </td><td>a &amp; b &lt;c&gt;</td></tr></tbody></table>";
}

class TestExport : public GuiTestBase
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() { closeWindow(); }

    void tableRows_data();
    void tableRows();
    void excelMessages_data();
    void excelMessages();
    void excelExportThroughTheDialog();
    void exportedDocument_data();
    void exportedDocument();
    void failedExportIsReported();
    void printedDocumentIsWhole_data();
    void printedDocumentIsWhole();
    void getHtmlOfAnEmptyDocument();

private:
    void openWindowOn(const QByteArray &markdown);

    QTemporaryDir dir;
};

void TestExport::openWindowOn(const QByteArray &markdown)
{
    const QString path = dir.filePath(QStringLiteral("exported.md"));
    writeFile(path, markdown);
    openWindow(path);
    QTRY_VERIFY(js(QStringLiteral("document.getElementById('bodyeditor').children.length > 1")).toBool());
}

void TestExport::tableRows_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QString>("rows");
    QTest::newRow("blank cells") << "<table><tr><td> </td><td></td></tr></table>" << true << ",";
    QTest::newRow("unclosed cells and rows") << "<table><tr><td>a<td>b<tr><th>c</table>" << true << "a,b|c";
    QTest::newRow("nested table") << "<table><tr><td>x<table><tr><td>in</td></tr></table></td></tr></table>" << true
                                  << "xin|in";
    QTest::newRow("not markup") << "just words" << false << "";
    QTest::newRow("cut inside a tag") << "<table><tr><td" << false << "";
    QTest::newRow("cut inside a comment") << "<table><!-- note" << false << "";
}

void TestExport::tableRows()
{
    QFETCH(QString, html);
    QFETCH(bool, parsed);
    QFETCH(QString, rows);
    bool ok = !parsed;
    const QList<QStringList> result = ExcelHelper::tableRows(html, &ok);
    QCOMPARE(ok, parsed);
    QStringList joined;
    for (const QStringList &row : result)
        joined << row.join(QLatin1Char(','));
    QCOMPARE(joined.join(QLatin1Char('|')), rows);
}

void TestExport::excelMessages_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "The HTML content is empty.";
    QTest::newRow("unreadable") << "<table><tr><td" << "Failed to parse HTML content.";
}

void TestExport::excelMessages()
{
    QFETCH(QString, html);
    QFETCH(QString, message);
    SeenBox seen;
    pressOnNextBox(QMessageBox::Ok, &seen);
    ExcelHelper().exportToExcel(html);
    QCOMPARE(seen.title, QStringLiteral("Export Failed"));
    QCOMPARE(seen.text, message);
}

void TestExport::excelExportThroughTheDialog()
{
    const QString path = dir.filePath(QStringLiteral("chosen.xlsx"));
    QString title;
    SeenBox saved;
    answerModals({chooseFile(path, &title), pressButton(QMessageBox::Ok, &saved)});
    ExcelHelper().exportToExcel(QString::fromLatin1(threeByThree));
    QCOMPARE(title, QStringLiteral("Save Excel"));
    QCOMPARE(saved.text, QStringLiteral("File saved successfully to:\n") + path);
    // An empty text is an empty cell in the workbook.
    QCOMPARE(readWorkbook(path), QStringLiteral("s:Name,s:Count,s:Note|s:alpha,s:42,s:bold and codenext|n:None,s:007,s:a & b <c>"));
}

namespace {
// Every place a document can hold text that a careless export would turn into
// markup or script, formulas, a code block and a few screens of text.
QByteArray hostileDocument(const QUrl &probe)
{
    const QByteArray ran = "fetch('" + probe.toString().toUtf8() + "')";
    QByteArray text = "# First Heading\n\nSome exported text with contenteditable=\"true\" and id=\"bodyeditor\" in it.\n\n"
                      "[a titled link](https://example.com/ \"</title><html> \\\" onmouseover=\\\"" + ran + "\")\n"
                      "[a script link](javascript:" + ran + ")\n"
                      "![an image <body> \" onerror=\"" + ran + "](missing.png \"<html>\\\" onerror=\\\"" + ran + "\")\n"
                      "<img src=missing.png onerror=\"" + ran + "\">\n\n"
                      "Press <kbd>Ctrl</kbd>\n\n<details>\n<summary>Island summary</summary>\n\nInside.\n\n</details>\n\n"
                      "Inline $\\alpha+\\beta$ formula.\n\n$$\\gamma^{2}$$\n\n```cpp\nint x;\n```\n\n";
    for (int section = 2; section <= 3; ++section) {
        text += "## Section " + QByteArray::number(section) + "\n\n";
        for (int paragraph = 0; paragraph < 12; ++paragraph)
            text += "A paragraph of ordinary words that fills the page, number " + QByteArray::number(paragraph)
                    + ", long enough to wrap over more than one line in a window of usual width.\n\n";
    }
    return text + "```python\ndef far_away(): pass\n```\n\nLast words.\n";
}
}

// The exported page shows the whole document, runs nothing from it, needs
// nothing from elsewhere and shows each formula once.
void TestExport::exportedDocument_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<bool>("tableOfContents");
    QTest::newRow("HTML with contents") << "actionHTML" << true;
    QTest::newRow("HTML") << "actionHTML" << false;
    QTest::newRow("Word") << "actionWordDocx" << true;
}

void TestExport::exportedDocument()
{
    QFETCH(QString, actionName);
    QFETCH(bool, tableOfContents);
    const bool forWord = actionName == QLatin1String("actionWordDocx");
    HttpTestServer server;
    openWindowOn(hostileDocument(server.url(QStringLiteral("/ran"))));
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QString path = dir.filePath(name + (forWord ? QStringLiteral(".doc") : QStringLiteral(".html")));
    QString title;
    SeenBox question;
    SeenBox result;
    QString offered;
    answerModals({chooseFile(path, &title, &offered), pressButton(tableOfContents ? QMessageBox::Yes : QMessageBox::No, &question),
                  pressButton(QMessageBox::Ok, &result)});
    action(actionName.toLatin1().constData())->trigger();
    QTRY_COMPARE(result.text, QStringLiteral("Export Successful"));
    // The dialog starts beside the document, with its name.
    QCOMPARE(offered, dir.filePath(forWord ? QStringLiteral("exported.doc") : QStringLiteral("exported.html")));
    QCOMPARE(title, forWord ? QStringLiteral("Export Word File") : QStringLiteral("Export HTML File"));
    QCOMPARE(question.text, QStringLiteral("Do you want to generate a fixed table of contents sidebar with heading navigation?"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QCOMPARE(html.endsWith(QLatin1Char('\n')), !forWord);
    QVERIFY(!html.contains(QStringLiteral("javascript:"), Qt::CaseInsensitive));
    QVERIFY(!html.contains(QStringLiteral("data-source")));
    // Code is coloured in its language, whose mode loads when first needed.
    QVERIFY(html.contains(QStringLiteral("<span class=\"cm-type\">int</span>")));
    QVERIFY(html.contains(QStringLiteral("<span class=\"cm-keyword\">def</span>")));
    const QRegularExpressionMatch address = QRegularExpression(QStringLiteral("url\\((?![\"']?data:).{0,40}")).match(html);
    QVERIFY2(!address.hasMatch(), qPrintable(address.captured()));

    QWebEnginePage page;
    QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
    // A .doc file would be downloaded, not shown.
    const QString shownPath = forWord ? path + QStringLiteral(".html") : path;
    QVERIFY(!forWord || QFile::copy(path, shownPath));
    page.load(QUrl::fromLocalFile(shownPath));
    QVERIFY(loaded.wait(20000));
    const auto pageJs = [&page](const QString &script) { return runScriptAndWait(&page, script, 10000); };
    QCOMPARE(page.title(), name);
    if (forWord) // Word ignores the page's styles
        pageJs(QStringLiteral("document.querySelectorAll('style, [style]').forEach(e => e.tagName == 'STYLE' ? e.remove() "
                              ": e.removeAttribute('style')); true"));
    const QString shown = pageJs(QStringLiteral("document.body.innerText")).toString();
    for (const char *part : {"Some exported text with contenteditable=\"true\" and id=\"bodyeditor\" in it.",
                             "a titled link", "a script link", "int x;", "Press Ctrl", "Island summary", "Last words."})
        QVERIFY2(shown.contains(QLatin1String(part)), part);
    QCOMPARE(shown.contains(QStringLiteral("Table of Contents")), tableOfContents);
    if (tableOfContents)
        QTRY_COMPARE(pageJs(QStringLiteral("document.querySelector('#toc_list a.active').textContent")).toString(),
                     QStringLiteral("First Heading"));
    if (forWord) { // as MathML, which the engine does not draw
        const QString text = pageJs(QStringLiteral("document.body.textContent")).toString();
        QCOMPARE(text.count(QStringLiteral("α")), 1);
        QCOMPARE(text.count(QStringLiteral("γ")), 1);
    } else {
        QCOMPARE(pageJs(QStringLiteral("[...document.querySelectorAll('.katex-mathml')].filter(e => "
                                       "getComputedStyle(e).position == 'absolute').length")).toInt(), 2);
        pageJs(QStringLiteral("document.fonts.load('16px KaTeX_Main').then(faces => window.katexFaces = faces.length); true"));
        QTRY_COMPARE(pageJs(QStringLiteral("window.katexFaces")).toInt(), 1);
    }
    QCOMPARE(page.title(), name);
    QCOMPARE(server.requests.size(), 0);
}

void TestExport::failedExportIsReported()
{
    openWindowOn("# Title\n");
    const QString path = dir.filePath(QStringLiteral("missing-folder/out.html"));
    SeenBox result;
    answerModals({chooseFile(path), pressButton(QMessageBox::No), pressButton(QMessageBox::Ok, &result)});
    action("actionHTML")->trigger();
    QTRY_VERIFY(!result.text.isEmpty());
    QVERIFY2(result.text.startsWith(QStringLiteral("Cannot export to ")), qPrintable(result.text));
    QVERIFY(!QFile::exists(path));
}

namespace {
// About forty pages: headings, long paragraphs, lists, tables, 50 code blocks
// (the first one and every tenth of 200 lines) and 50 formulas. Every word that
// must be printed is unique, so that its place can be checked.
QByteArray longDocument(QStringList *headings, QStringList *words)
{
    QByteArray text;
    const auto word = [words] {
        words->append(QStringLiteral("w%1q").arg(words->size()));
        return words->constLast().toUtf8();
    };
    for (int section = 0; section < 50; ++section) {
        headings->append(QStringLiteral("Section heading %1").arg(section));
        text += "## " + headings->constLast().toUtf8() + "\n\n";
        for (int paragraph = 0; paragraph < 3; ++paragraph) {
            for (int i = 0; i < 60; ++i)
                text += word() + ' ';
            text += "\n\n";
        }
        // One word a statement: the order of calls within an expression is unspecified.
        for (const char *before : {"- ", " ", "\n  - ", "\n- ", "\n\n| ", " | ", " |\n|---|---|\n| ", " | "}) {
            text += before;
            text += word();
        }
        text += " |\n\n";
        text += "```c\n";
        for (int line = section % 10 == 0 ? 200 : 4; line > 0; --line)
            text += "int " + word() + " = 1;\n";
        text += "```\n\n$$x_{" + QByteArray::number(section) + "}^2$$\n\n";
    }
    return text;
}

// How many of `words` the text holds in their order: the longest run of them,
// in order though not side by side, that it holds.
int wordsInOrder(const QString &text, const QStringList &words)
{
    QHash<QString, int> place;
    for (int i = 0; i < words.size(); ++i)
        place.insert(words.at(i), i);
    std::vector<int> tails;
    static const QRegularExpression token(QStringLiteral("w\\d+q"));
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const int index = place.value(it.next().captured(0), -1);
        if (index < 0)
            continue;
        const auto slot = std::lower_bound(tails.begin(), tails.end(), index);
        if (slot == tails.end())
            tails.push_back(index);
        else
            *slot = index;
    }
    return int(tails.size());
}

// Print to File: the dialog's own file name field, then its Print button.
ModalAnswer printToFile(const QString &path)
{
    return [path](QWidget *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    };
}
}

void TestExport::printedDocumentIsWhole_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::newRow("PDF export") << "actionPDF";
    QTest::newRow("Print to File") << "actionPrint";
}

// A long document is printed whole, as text, in its order, and only then is success reported.
void TestExport::printedDocumentIsWhole()
{
    QFETCH(QString, actionName);
    QStringList headings;
    QStringList words;
    openWindowOn(longDocument(&headings, &words));
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    QFile::remove(path);
    SeenBox result;
    answerModals({actionName == QLatin1String("actionPDF") ? chooseFile(path) : printToFile(path),
                  pressButton(QMessageBox::Ok, &result)});
    action(qPrintable(actionName))->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!result.text.isEmpty(), 60000);
    QCOMPARE(result.text, actionName == QLatin1String("actionPDF") ? QStringLiteral("Export Successful")
                                                                    : QStringLiteral("Print Successful"));
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(60000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(text.count(QLatin1Char('\f')) >= 30, qPrintable(QStringLiteral("%1 pages").arg(text.count(QLatin1Char('\f')))));
    QVERIFY2(!text.contains(QStringLiteral("x_{49}")), "a formula printed as its source");
    for (const QString &heading : qAsConst(headings))
        QVERIFY2(text.contains(heading), qPrintable(heading));
    const int found = wordsInOrder(text, words);
    QVERIFY2(found >= words.size() * 98 / 100, qPrintable(QStringLiteral("%1 of %2 words").arg(found).arg(words.size())));
}

void TestExport::getHtmlOfAnEmptyDocument()
{
    openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QString shown = QStringLiteral("<unset>");
    QString buttonText;
    answerModal([&](QWidget *modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("HTML 源码"));
        shown = modal->findChild<QPlainTextEdit *>()->toPlainText();
        auto *copy = modal->findChild<QPushButton *>();
        copy->click();
        buttonText = copy->text();
        modal->close();
    });
    action("actionGet_HTML")->trigger();
    QCOMPARE(shown, QString());
    QCOMPARE(buttonText, QStringLiteral("已复制！"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
