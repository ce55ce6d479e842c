#include "documentconverter.h"
#include "htmlcompare.h"
#include "htmlislands.h"

#include <QtTest>

class TestDocumentConverter : public QObject
{
    Q_OBJECT
private slots:
    void conversions_data();
    void conversions();
    void roundTripKeepsTheDocument_data();
    void roundTripKeepsTheDocument();

private:
    DocumentConverter converter;
};

// Each step of the conversion on its own, named before the colon.
void TestDocumentConverter::conversions_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("markdownToHtml: formulas and code are not editable")
        << "$a$ $$b$$\n\n```\nc\n```\n"
        << "<p><x-equation contenteditable=\"false\">a</x-equation> <x-equation type=\"display\" "
           "contenteditable=\"false\">b</x-equation></p>\n<pre contenteditable=\"false\"><code>c\n</code></pre>\n";
    QTest::newRow("markdownToHtml: raw HTML reaches the page only inside attributes")
        << "<b>x *y*</b><script>alert(1)</script> ![a <i>\"</i>](p.png)\n"
        << "<p><x-html type=\"inline\" contenteditable=\"false\" data-source=\"&lt;b&gt;x *y*&lt;/b&gt;\" "
           "data-html=\"&lt;b&gt;x &lt;em&gt;y&lt;/em&gt;&lt;/b&gt;\"></x-html><x-html type=\"inline\" "
           "contenteditable=\"false\" data-source=\"&lt;script&gt;alert(1)&lt;/script&gt;\"></x-html> "
           "<img src=\"p.png\" alt=\"a &lt;i&gt;&quot;&lt;/i&gt;\"></p>\n";
    QTest::newRow("markdownToHtml: a pair across emphasis is two islands")
        << "<b>*x</b>*\n"
        << "<p><x-html type=\"inline\" contenteditable=\"false\" data-source=\"&lt;b&gt;\"></x-html><em>x"
           "<x-html type=\"inline\" contenteditable=\"false\" data-source=\"&lt;/b&gt;\"></x-html></em></p>\n";
    QTest::newRow("markdownToHtml: front matter; a rule before a blank line is none")
        << "---\na: 1\n---\n---\n\n---\n"
        << "<x-html type=\"front-matter\" contenteditable=\"false\" data-source=\"---&#10;a: 1&#10;---\"></x-html>\n"
           "<hr>\n<hr>\n";
    QTest::newRow("markdownToHtml: extensions") << "~~s~~ _e_ __s__ www.x.org\n\n- [x] t\n"
                                << "<p><del>s</del> <em>e</em> <strong>s</strong> <a href=\"http://www.x.org\">www.x.org</a></p>\n<ul>\n"
                                   "<li class=\"task-list-item\"><input type=\"checkbox\" class=\"task-list-item-checkbox\" "
                                   "disabled checked>t</li>\n</ul>\n";
    // Whole tabs of a code line's indentation stay tabs; one split by a
    // container's indentation stays spaces.
    QTest::newRow("markdownToHtml: tabs in code")
        << "```\n\t<a>\n  \tx\n```\n\n- i\n\n  ```\n  \ty\n  ```\n\n>\t\tz\n\n    \t&w\n"
        << "<pre contenteditable=\"false\"><code>\t&lt;a&gt;\n  \tx\n</code></pre>\n<ul>\n<li><p>i</p>\n"
           "<pre contenteditable=\"false\"><code>\ty\n</code></pre>\n</li>\n</ul>\n<blockquote>\n"
           "<pre contenteditable=\"false\"><code>  z\n</code></pre>\n</blockquote>\n"
           "<pre contenteditable=\"false\"><code>\t&amp;w\n</code></pre>\n";
    QTest::newRow("markdownToHtml: UTF-8") << QString::fromUtf8("# \xC3\xA9t\xC3\xA9 \xE2\x86\x92\n")
                           << QString::fromUtf8("<h1>\xC3\xA9t\xC3\xA9 \xE2\x86\x92</h1>\n");
    QTest::newRow("isolateTables: table right under a paragraph") << "para\n| a | b |\n|---|---|\n| 1 | 2 |\nafter"
                                                   << "para\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\nafter";
    QTest::newRow("isolateTables: already separated") << "para\n\n| a |\n|---|\n\nafter" << "para\n\n| a |\n|---|\n\nafter";
    QTest::newRow("isolateTables: table at the start and end") << "| a |\n| - |" << "| a |\n| - |";
    QTest::newRow("isolateTables: delimiter row without outer bars") << "x\na | b\n--- | :-:\n1 | 2\ny"
                                                      << "x\n\na | b\n--- | :-:\n1 | 2\n\ny";
    QTest::newRow("isolateTables: one bar is not a table") << "x\n| a\ny" << "x\n| a\ny";
    QTest::newRow("isolateTables: a heading's underline is no table line") << "x\n---\ny" << "x\n---\ny";
    QTest::newRow("isolateTables: code is no table") << "```\nx\n| a | b |\n```\n" << "```\nx\n| a | b |\n```\n";
    const QString rendered = QStringLiteral("<span class=\"katex\"><math><semantics><mrow><mi>x</mi></mrow>"
                                "<annotation encoding=\"application/x-tex\">\\frac{a}{b} &lt; c</annotation>"
                                "</semantics></math><span class=\"katex-html\">x</span></span>");
    QTest::newRow("latexFromKatex: inline") << QStringLiteral("a <x-equation contenteditable=\"false\">") + rendered + "</x-equation> b"
                            << QStringLiteral("a <x-equation>\\frac{a}{b} &lt; c</x-equation> b");
    QTest::newRow("latexFromKatex: display") << QStringLiteral("<x-equation type=\"display\" contenteditable=\"false\">") + rendered + "</x-equation>"
                             << QStringLiteral("<x-equation type=\"display\">\\frac{a}{b} &lt; c</x-equation>");
    QTest::newRow("latexFromKatex: not rendered") << QStringLiteral("<x-equation>x</x-equation><x-equation>y</x-equation>")
                                  << QStringLiteral("<x-equation>x</x-equation><x-equation>y</x-equation>");
    QTest::newRow("latexFromKatex: unterminated") << QStringLiteral("<x-equation>") + rendered << QStringLiteral("<x-equation>") + rendered;
    QTest::newRow("padStrikeMarkers: outside the pair") << QStringLiteral("un~~happy~~days\n") << QStringLiteral("un ~~happy~~ days\n");
    QTest::newRow("padStrikeMarkers: spaces already there") << QStringLiteral("~~a~~ b ~~c~~\n") << QStringLiteral("~~a~~ b ~~c~~\n");
    QTest::newRow("padStrikeMarkers: never inside") << QStringLiteral("~~ a ~~\n") << QStringLiteral("~~ a ~~\n");
    QTest::newRow("padStrikeMarkers: escaped tildes") << QStringLiteral("a\\~\\~b\n") << QStringLiteral("a\\~\\~b\n");
    QTest::newRow("padStrikeMarkers: inline code") << QStringLiteral("`a~~b~~c` x\n") << QStringLiteral("`a~~b~~c` x\n");
    QTest::newRow("padStrikeMarkers: code block") << QStringLiteral("```\na~~b~~c\n```\nd~~e~~\n") << QStringLiteral("```\na~~b~~c\n```\nd ~~e~~\n");
    QTest::newRow("padStrikeMarkers: line breaks count as space") << QStringLiteral("~~a~~\n~~b~~\n") << QStringLiteral("~~a~~\n~~b~~\n");
    QTest::newRow("htmlToMarkdown: cells holding a non-breaking space are empty")
        << "<table><tr><th>a</th><th>b</th></tr><tr><td>&nbsp;</td><td>2</td></tr></table>"
        << "| a | b |\n|---|---|\n|   | 2 |\n";
    QTest::newRow("htmlToMarkdown: display formula keeps its double dollars")
        << "<p><x-equation type=\"display\" contenteditable=\"false\"><span><annotation "
           "encoding=\"application/x-tex\">\\sum_{i=1}^n x_i</annotation></span></x-equation></p>"
        << "$$\\sum_{i=1}^n x_i$$\n";
    QTest::newRow("htmlToMarkdown: strike touching words") << "<p>un<del>happy</del>days</p>" << "un ~~happy~~ days\n";
    QTest::newRow("htmlToMarkdown: page code block without final line feed")
        << "<pre><code class=\"python\">print(1)</code></pre>" << "```python\nprint(1)\n```\n";
}

void TestDocumentConverter::conversions()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    const QString step = QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(':'), 0, 0);
    const std::string text = input.toStdString();
    QString result;
    if (step == QLatin1String("markdownToHtml"))
        result = converter.markdownToHtml(text);
    else if (step == QLatin1String("isolateTables"))
        result = DocumentConverter::isolateTables(input);
    else if (step == QLatin1String("latexFromKatex"))
        result = QString::fromStdString(DocumentConverter::latexFromKatex(text));
    else if (step == QLatin1String("padStrikeMarkers"))
        result = QString::fromStdString(DocumentConverter::padStrikeMarkers(text));
    else
        result = converter.htmlToMarkdown(input);
    QCOMPARE(result, output);
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
