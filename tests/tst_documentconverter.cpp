#include "documentconverter.h"
#include "htmlcompare.h"
#include "htmlislands.h"

#include <QtTest>

class TestDocumentConverter : public QObject
{
    Q_OBJECT
private slots:
    void markdownToHtml_data();
    void markdownToHtml();
    void isolateTables_data();
    void isolateTables();
    void latexFromKatex_data();
    void latexFromKatex();
    void padStrikeMarkers_data();
    void padStrikeMarkers();
    void htmlToMarkdown_data();
    void htmlToMarkdown();
    void roundTripKeepsTheDocument_data();
    void roundTripKeepsTheDocument();

private:
    DocumentConverter converter;
};

void TestDocumentConverter::markdownToHtml_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("html");
    QTest::newRow("formulas and code are not editable")
        << "$a$ $$b$$\n\n```\nc\n```\n"
        << "<p><x-equation contenteditable=\"false\">a</x-equation> <x-equation type=\"display\" "
           "contenteditable=\"false\">b</x-equation></p>\n<pre contenteditable=\"false\"><code>c\n</code></pre>\n";
    QTest::newRow("raw HTML reaches the page only inside attributes")
        << "<b>x *y*</b><script>alert(1)</script> ![a <i>\"</i>](p.png)\n"
        << "<p><x-html type=\"inline\" contenteditable=\"false\" data-source=\"&lt;b&gt;x *y*&lt;/b&gt;\" "
           "data-html=\"&lt;b&gt;x &lt;em&gt;y&lt;/em&gt;&lt;/b&gt;\"></x-html><x-html type=\"inline\" "
           "contenteditable=\"false\" data-source=\"&lt;script&gt;alert(1)&lt;/script&gt;\"></x-html> "
           "<img src=\"p.png\" alt=\"a &lt;i&gt;&quot;&lt;/i&gt;\"></p>\n";
    QTest::newRow("a pair across emphasis is two islands")
        << "<b>*x</b>*\n"
        << "<p><x-html type=\"inline\" contenteditable=\"false\" data-source=\"&lt;b&gt;\"></x-html><em>x"
           "<x-html type=\"inline\" contenteditable=\"false\" data-source=\"&lt;/b&gt;\"></x-html></em></p>\n";
    QTest::newRow("front matter; a rule before a blank line is none")
        << "---\na: 1\n---\n---\n\n---\n"
        << "<x-html type=\"front-matter\" contenteditable=\"false\" data-source=\"---&#10;a: 1&#10;---\"></x-html>\n"
           "<hr>\n<hr>\n";
    QTest::newRow("extensions") << "~~s~~ _e_ __s__ www.x.org\n\n- [x] t\n"
                                << "<p><del>s</del> <em>e</em> <strong>s</strong> <a href=\"http://www.x.org\">www.x.org</a></p>\n<ul>\n"
                                   "<li class=\"task-list-item\"><input type=\"checkbox\" class=\"task-list-item-checkbox\" "
                                   "disabled checked>t</li>\n</ul>\n";
    QTest::newRow("UTF-8") << QString::fromUtf8("# \xC3\xA9t\xC3\xA9 \xE2\x86\x92\n")
                           << QString::fromUtf8("<h1>\xC3\xA9t\xC3\xA9 \xE2\x86\x92</h1>\n");
}

void TestDocumentConverter::markdownToHtml()
{
    QFETCH(QString, markdown);
    QFETCH(QString, html);
    QCOMPARE(converter.markdownToHtml(markdown.toStdString()), html);
}

void TestDocumentConverter::isolateTables_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("isolated");
    QTest::newRow("table right under a paragraph") << "para\n| a | b |\n|---|---|\n| 1 | 2 |\nafter"
                                                   << "para\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\nafter";
    QTest::newRow("already separated") << "para\n\n| a |\n|---|\n\nafter" << "para\n\n| a |\n|---|\n\nafter";
    QTest::newRow("table at the start and end") << "| a |\n| - |" << "| a |\n| - |";
    QTest::newRow("delimiter row without outer bars") << "x\na | b\n--- | :-:\n1 | 2\ny"
                                                      << "x\n\na | b\n--- | :-:\n1 | 2\n\ny";
    QTest::newRow("one bar is not a table") << "x\n| a\ny" << "x\n| a\ny";
    QTest::newRow("a heading's underline is no table line") << "x\n---\ny" << "x\n---\ny";
    QTest::newRow("code is no table") << "```\nx\n| a | b |\n```\n" << "```\nx\n| a | b |\n```\n";
}

void TestDocumentConverter::isolateTables()
{
    QFETCH(QString, text);
    QFETCH(QString, isolated);
    QCOMPARE(DocumentConverter::isolateTables(text), isolated);
}

void TestDocumentConverter::latexFromKatex_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QByteArray>("source");
    const QByteArray rendered = "<span class=\"katex\"><math><semantics><mrow><mi>x</mi></mrow>"
                                "<annotation encoding=\"application/x-tex\">\\frac{a}{b} &lt; c</annotation>"
                                "</semantics></math><span class=\"katex-html\">x</span></span>";
    QTest::newRow("inline") << "a <x-equation contenteditable=\"false\">" + rendered + "</x-equation> b"
                            << QByteArray("a <x-equation>\\frac{a}{b} &lt; c</x-equation> b");
    QTest::newRow("display") << "<x-equation type=\"display\" contenteditable=\"false\">" + rendered + "</x-equation>"
                             << QByteArray("<x-equation type=\"display\">\\frac{a}{b} &lt; c</x-equation>");
    QTest::newRow("not rendered") << QByteArray("<x-equation>x</x-equation><x-equation>y</x-equation>")
                                  << QByteArray("<x-equation>x</x-equation><x-equation>y</x-equation>");
    QTest::newRow("unterminated") << QByteArray("<x-equation>") + rendered << QByteArray("<x-equation>") + rendered;
}

void TestDocumentConverter::latexFromKatex()
{
    QFETCH(QByteArray, html);
    QFETCH(QByteArray, source);
    QCOMPARE(QByteArray::fromStdString(DocumentConverter::latexFromKatex(html.toStdString())), source);
}

void TestDocumentConverter::padStrikeMarkers_data()
{
    QTest::addColumn<QByteArray>("markdown");
    QTest::addColumn<QByteArray>("padded");
    QTest::newRow("outside the pair") << QByteArray("un~~happy~~days\n") << QByteArray("un ~~happy~~ days\n");
    QTest::newRow("spaces already there") << QByteArray("~~a~~ b ~~c~~\n") << QByteArray("~~a~~ b ~~c~~\n");
    QTest::newRow("never inside") << QByteArray("~~ a ~~\n") << QByteArray("~~ a ~~\n");
    QTest::newRow("escaped tildes") << QByteArray("a\\~\\~b\n") << QByteArray("a\\~\\~b\n");
    QTest::newRow("inline code") << QByteArray("`a~~b~~c` x\n") << QByteArray("`a~~b~~c` x\n");
    QTest::newRow("code block") << QByteArray("```\na~~b~~c\n```\nd~~e~~\n") << QByteArray("```\na~~b~~c\n```\nd ~~e~~\n");
    QTest::newRow("line breaks count as space") << QByteArray("~~a~~\n~~b~~\n") << QByteArray("~~a~~\n~~b~~\n");
}

void TestDocumentConverter::padStrikeMarkers()
{
    QFETCH(QByteArray, markdown);
    QFETCH(QByteArray, padded);
    QCOMPARE(QByteArray::fromStdString(DocumentConverter::padStrikeMarkers(markdown.toStdString())), padded);
}

void TestDocumentConverter::htmlToMarkdown_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("markdown");
    QTest::newRow("cells holding a non-breaking space are empty")
        << "<table><tr><th>a</th><th>b</th></tr><tr><td>&nbsp;</td><td>2</td></tr></table>"
        << "| a | b |\n|---|---|\n|   | 2 |\n";
    QTest::newRow("display formula keeps its double dollars")
        << "<p><x-equation type=\"display\" contenteditable=\"false\"><span><annotation "
           "encoding=\"application/x-tex\">\\sum_{i=1}^n x_i</annotation></span></x-equation></p>"
        << "$$\\sum_{i=1}^n x_i$$\n";
    QTest::newRow("strike touching words") << "<p>un<del>happy</del>days</p>" << "un ~~happy~~ days\n";
    QTest::newRow("page code block without final line feed")
        << "<pre><code class=\"python\">print(1)</code></pre>" << "```python\nprint(1)\n```\n";
}

void TestDocumentConverter::htmlToMarkdown()
{
    QFETCH(QString, html);
    QFETCH(QString, markdown);
    QCOMPARE(converter.htmlToMarkdown(html), markdown);
}

// What the Visual Editor gets and gives back must be the document it was given.
void TestDocumentConverter::roundTripKeepsTheDocument_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::newRow("paragraph on two lines") << "foo bar\nbaz qux\n";
    QTest::newRow("emphasis") << "a **b** *c* ~~d~~ _u_ `e` f\n";
    QTest::newRow("headings") << "# One\n\n## Plan A\n\ntext\n";
    QTest::newRow("nested lists") << "- a\n  - b\n    1. c\n    2. d\n- e\n\n1. x\n   1. y\n2. z\n";
    QTest::newRow("numbering past 255") << [] {
        QString list;
        for (int i = 1; i <= 260; ++i)
            list += QString::number(i) + ". item\n";
        return list;
    }();
    QTest::newRow("tasks") << "- [ ] open\n- [x] done\n";
    QTest::newRow("tables with empty cells") << "| a | b | c |\n|:-:|---|--:|\n|   | 2 |   |\n| 4 |   | 6 |\n";
    QTest::newRow("code") << "```cpp\nint main() {\n\treturn a , b;\n}\n```\n\ntext\n";
    QTest::newRow("code in a list item") << "1. step\n\n   ```\n   make\n   ```\n\n2. next\n";
    QTest::newRow("formulas") << "inline $\\frac{a*b}{c_1} \\\\ d$ and display $$\\sum_{i=1}^n x_i$$\n";
    QTest::newRow("quote") << "> quoted\n> text\n\nafter\n";
    QTest::newRow("links and images") << "[t](http://x.com \"T\") ![i](a.png)\n";
    QTest::newRow("raw HTML of a README")
        << "---\ntitle: \"A , b\"\n\n---\n<div align=\"center\">\n  <img src=\"logo.png\" width=\"120\">\n\n"
           "# Tool\n\n[![ci](https://x.org/b.svg)](https://x.org)\n</div>\n\n"
           "Press <kbd>Ctrl</kbd>+<kbd>S</kbd>, x<sup>2 *y*</sup> <a\nhref=\"#t\">top</a>\n\n"
           "<details>\n<summary>More</summary>\n\n- hidden *list*\n\n</details>\n\n"
           "- item <br>\n\n  <p align=\"right\">\n  x\n  </p>\n\n> <!-- note -->\n> quoted <b>b</b>\n\n"
           "| a | b |\n|---|---|\n| x<br>y | z |\n";
    QTest::newRow("literal characters") << "5 * 3 = 15, a_b, \\_c\\_, \\~, \\$5, 1984\\. x, \\# y, &amp;copy;\n";
}

void TestDocumentConverter::roundTripKeepsTheDocument()
{
    QFETCH(QString, markdown);
    const QString html = converter.markdownToHtml(markdown.toStdString());
    const QString back = converter.htmlToMarkdown(html);
    QCOMPARE(normalizedHtml(converter.markdownToHtml(back.toStdString())), normalizedHtml(html));
    QCOMPARE(converter.htmlToMarkdown(converter.markdownToHtml(back.toStdString())), back);
    // Inside a list the converter indents by its own measure.
    const auto sources = [](const QString &text) {
        QStringList found;
        for (const HtmlIslands::Island &island : HtmlIslands::find(text.toStdString()))
            found << QString::fromStdString(island.source).replace(QRegularExpression(QStringLiteral("(^|\n)[ \t]+")), QStringLiteral("\\1"));
        return found;
    };
    QCOMPARE(sources(back), sources(markdown));
}

QTEST_APPLESS_MAIN(TestDocumentConverter)
#include "tst_documentconverter.moc"
