#include "html2md/html2md.h"

#include <QtTest>

#include <string>

namespace {
QByteArray convert(const QByteArray &html)
{
    return QByteArray::fromStdString(html2md::toMarkdown(html.toStdString()));
}
}

class TestHtml2Md : public QObject
{
    Q_OBJECT
private slots:
    void conversions_data();
    void conversions();

    void formatTable_data();
    void formatTable();
    void balance_data();
    void balance();
    void secondConvertReturnsStoredResult();
    void itemCounterDoesNotWrap();
    void longWordIsWrappedOnceAtItsSpace();
    void deepNestingStaysLinear();
};

void TestHtml2Md::conversions_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QByteArray>("markdown");
    // Inline marks
    QTest::newRow("bold") << QByteArray("<p><strong>b</strong> <b>c</b></p>") << QByteArray("**b** **c**\n");
    QTest::newRow("bold around italic") << QByteArray("<p>a<strong><em>b</em></strong>c</p>")
                                        << QByteArray("a***b***c\n");
    QTest::newRow("italic names") << QByteArray("<p><em>a</em><i>b</i><dfn>c</dfn><cite>d</cite></p>")
                                  << QByteArray("*a**b**c**d*\n");
    QTest::newRow("strike names") << QByteArray("<p><del>a</del> <s>b</s> <strike>c</strike></p>")
                                  << QByteArray("~~a~~ ~~b~~ ~~c~~\n");
    QTest::newRow("emphasis in emphasis") << QByteArray("<p><em><em>x</em></em> <i><em>y</em> z</i></p>")
                                         << QByteArray("*_x_* *_y_ z*\n");
    QTest::newRow("underline in its Markdown form") << QByteArray("<p>x <u>u</u> y</p>") << QByteArray("x _u_ y\n");
    QTest::newRow("spaces move outside the marks") << QByteArray("<p>x<strong> bold </strong>y</p>")
                                                   << QByteArray("x **bold** y\n");
    QTest::newRow("mark around nothing dropped") << QByteArray("<p>x<em></em>y<b> </b>z</p>")
                                                 << QByteArray("xy z\n");
    QTest::newRow("star between letters escaped, underscore kept")
        << QByteArray("<p>a*b a_b</p>") << QByteArray("a\\*b a_b\n");
    QTest::newRow("characters that would become syntax")
        << QByteArray("<p>_c_ ~ $5 \\ `t` [a](b)</p>") << QByteArray("\\_c\\_ \\~ \\$5 \\\\ \\`t\\` [a\\](b)\n");
    QTest::newRow("line feed in text is a space") << QByteArray("<p>foo\nbar</p>") << QByteArray("foo bar\n");
    QTest::newRow("line feed after a space adds nothing") << QByteArray("<p>foo \nbar</p>")
                                                          << QByteArray("foo bar\n");
    QTest::newRow("span and unknown tags vanish") << QByteArray("<p><span>a</span><blink>b</blink></p>")
                                                  << QByteArray("ab\n");
    // Blocks
    QTest::newRow("empty input") << QByteArray() << QByteArray();
    QTest::newRow("paragraphs") << QByteArray("<p>a</p>\n<p>b</p>") << QByteArray("a\n\nb\n");
    QTest::newRow("headings") << QByteArray("<h1>One</h1><h3>Three</h3><h6>Six</h6>")
                              << QByteArray("# One\n\n### Three\n\n###### Six\n");
    QTest::newRow("heading ending in a one-letter word") << QByteArray("<h2>Plan A</h2>more")
                                                         << QByteArray("## Plan A\nmore\n");
    QTest::newRow("rule") << QByteArray("<p>a</p><hr><p>b</p>") << QByteArray("a\n\n---\n\nb\n");
    QTest::newRow("heading holding only blocks is no heading")
        << QByteArray("<h1><p>One</p><h2>Two</h2></h1><h3>Ti<p>x</p></h3>") << QByteArray("One\n\n## Two\n\n### Ti\nx\n");
    QTest::newRow("hard break") << QByteArray("<p>a<br>b</p>") << QByteArray("a  \nb\n");
    QTest::newRow("break in a heading") << QByteArray("<h1>Title<br>badges <br></h1><h2>A\nB</h2>")
                                        << QByteArray("# Title badges\n\n## A B\n");
    QTest::newRow("quote") << QByteArray("<blockquote>\n<p>q1\nq2</p>\n</blockquote>\n<p>after</p>")
                           << QByteArray("> q1 q2\n\nafter\n");
    QTest::newRow("nested quote") << QByteArray("<blockquote><blockquote><p>deep</p></blockquote></blockquote>")
                                  << QByteArray("> > deep\n");
    QTest::newRow("stray closing quote") << QByteArray("</blockquote><p>x</p>") << QByteArray("x\n");
    QTest::newRow("hidden element, text kept")
        << QByteArray("<p>a</p><div style=\"display:none\">hidden</div>") << QByteArray("a\nhidden\n");
    QTest::newRow("script and the text after it dropped")
        << QByteArray("<script>var a;</script>after<p>para</p>") << QByteArray("para\n");
    QTest::newRow("style and nav dropped") << QByteArray("<style>p{}</style><nav>menu</nav><p>x</p>")
                                           << QByteArray("x\n");
    QTest::newRow("title underlined") << QByteArray("<title>Doc</title><p>x</p>")
                                      << QByteArray("Doc\n===\n\n\nx\n");
    QTest::newRow("white space inside tag syntax") << QByteArray("< p>a< /p><p >b</ p>")
                                                   << QByteArray("a\n\nb\n");
    QTest::newRow("comment") << QByteArray("<!-- note --><p>x</p>") << QByteArray("x\n");
    QTest::newRow("text at line start that reads as a block")
        << QByteArray("<p># no</p><p>- no</p><p>1984. George</p><p>&gt; no</p>")
        << QByteArray("\\# no\n\n\\- no\n\n1984\\. George\n\n\\> no\n");
    QTest::newRow("greater-than sign inside an attribute value")
        << QByteArray("<p><a href=\"u\" title=\"a>b\">t</a></p>") << QByteArray("[t](u \"a>b\")\n");
    // Code
    QTest::newRow("inline") << QByteArray("<p>x <code>a*b</code></p>") << QByteArray("x `a*b`\n");
    QTest::newRow("inline with backticks") << QByteArray("<p><code>a`b</code> <code>`</code></p>")
                                           << QByteArray("``a`b`` `` ` ``\n");
    QTest::newRow("fenced with language")
        << QByteArray("<p>x</p><pre><code class=\"language-cpp\">int *a;\n  b  \n</code></pre><p>y</p>")
        << QByteArray("x\n\n```cpp\nint *a;\n  b  \n```\n\ny\n");
    QTest::newRow("class without prefix") << QByteArray("<pre><code class=\"c++\">x\n</code></pre>")
                                          << QByteArray("```c++\nx\n```\n");
    QTest::newRow("no line feed before the end") << QByteArray("<pre><code>x</code></pre>")
                                                 << QByteArray("```\nx\n```\n");
    QTest::newRow("fence inside the code") << QByteArray("<pre><code>```\n</code></pre>")
                                           << QByteArray("````\n```\n````\n");
    QTest::newRow("code keeps what prose repairs") << QByteArray("<pre><code>a , b\n. x\n\t\t  y\n</code></pre>")
                                                   << QByteArray("```\na , b\n. x\n\t\t  y\n```\n");
    QTest::newRow("entities decoded in code") << QByteArray("<pre><code>a &lt; b &amp;&amp; c\n</code></pre>")
                                              << QByteArray("```\na < b && c\n```\n");
    QTest::newRow("in a list item") << QByteArray("<ul><li>x<pre><code>l1\nl2\n</code></pre></li></ul>")
                                    << QByteArray("- x\n\t```\n\tl1\n\tl2\n\t```\n");
    QTest::newRow("in a quote") << QByteArray("<blockquote><pre><code>c1\n\nc2\n</code></pre></blockquote>")
                                << QByteArray("> ```\n> c1\n>\n> c2\n> ```\n");
    QTest::newRow("pre without code") << QByteArray("<pre>a*b\nc</pre>") << QByteArray("```\na*b\nc\n```\n");
    // Links and images
    QTest::newRow("link with title") << QByteArray("<p><a href=\"http://x.com\" title=\"say &quot;hi&quot;\">t</a></p>")
                                     << QByteArray("[t](http://x.com \"say \\\"hi\\\"\")\n");
    QTest::newRow("empty link vanishes") << QByteArray("<p>a<a href=\"u\"></a>b</p>") << QByteArray("ab\n");
    QTest::newRow("stray closing tags") << QByteArray("<p>x</a>y<a href=\"u\">l</a></a>z</p>")
                                        << QByteArray("xy[l](u)z\n");
    QTest::newRow("link without href") << QByteArray("<p><a>n</a></p>") << QByteArray("[n]()\n");
    QTest::newRow("link text ending in a bracket") << QByteArray("<p><a href=\"u\">[</a></p>")
                                                   << QByteArray("[\\[](u)\n");
    QTest::newRow("destination with spaces") << QByteArray("<p><a href=\"a b(1).md\">t</a></p>")
                                             << QByteArray("[t](<a b(1).md>)\n");
    QTest::newRow("attribute name inside another value")
        << QByteArray("<p><a href=\"/title=x\" title=\"T\">t</a></p>") << QByteArray("[t](/title=x \"T\")\n");
    QTest::newRow("image") << QByteArray("<p>see <img src=\"a.png\" alt=\"pic\" title=\"T\"></p>")
                           << QByteArray("see\n![pic](a.png \"T\")\n");
    QTest::newRow("linked image") << QByteArray("<p><a href=\"l\"><img src=\"i.png\" alt=\"i\"></a>after</p>")
                                  << QByteArray("[![i](i.png)](l)\nafter\n");
    QTest::newRow("image without a source") << QByteArray("<p>a<img alt=\"x\" class=\"m\">b <img src=\"\"></p>")
                                            << QByteArray("ab\n![]()\n");
    QTest::newRow("single-quoted and unquoted values")
        << QByteArray("<p><img src='q.png' alt=x></p>") << QByteArray("![](q.png)\n");
    // Lists
    QTest::newRow("bullets") << QByteArray("<ul>\n<li>a</li>\n<li>b</li>\n</ul>\n<p>x</p>")
                             << QByteArray("- a\n- b\n\nx\n");
    QTest::newRow("nested items indented under their parent")
        << QByteArray("<ul><li>a<ul><li>b<ol><li>c</li></ol></li></ul></li><li>d</li></ul>")
        << QByteArray("- a\n\t- b\n\t\t1. c\n- d\n");
    QTest::newRow("ordered list keeps its kind after a nested one")
        << QByteArray("<ol><li>a<ol><li>x</li><li>y</li></ol></li><li>b</li><li>c</li></ol>")
        << QByteArray("1. a\n\t1. x\n\t2. y\n2. b\n3. c\n");
    QTest::newRow("start number") << QByteArray("<ol start=\"7\"><li>a</li><li>b</li></ol>")
                                  << QByteArray("7. a\n8. b\n");
    QTest::newRow("second paragraph of an item") << QByteArray("<ul><li><p>one</p><p>two</p></li></ul>")
                                                 << QByteArray("- one\n\n\ttwo\n");
    QTest::newRow("break inside an item") << QByteArray("<ul><li>a<br>b</li></ul>") << QByteArray("- a  \n\tb\n");
    QTest::newRow("tasks") << QByteArray("<ul><li><input type=\"checkbox\" disabled>t</li>"
                                         "<li><input type=\"checkbox\" disabled checked>u</li></ul>")
                           << QByteArray("- [ ] t\n- [x] u\n");
    QTest::newRow("number at the start of an item") << QByteArray("<ul><li>1984. George</li></ul>")
                                                    << QByteArray("- 1984\\. George\n");
    // Tables
    QTest::newRow("aligned header") << QByteArray("<table><thead><tr><th>A</th><th align=\"center\">B</th></tr></thead>"
                                                  "<tbody><tr><td>1</td><td>2</td></tr></tbody></table>")
                                    << QByteArray("| A | B   |\n|---|:---:|\n| 1 | 2   |\n");
    QTest::newRow("left and right") << QByteArray("<table><tr><th align=\"left\">L</th><th align=\"right\">R</th></tr>"
                                                  "<tr><td>1</td><td>2</td></tr></table>")
                                    << QByteArray("| L  | R  |\n|:---|---:|\n| 1  | 2  |\n");
    QTest::newRow("empty cells keep their column")
        << QByteArray("<table>\n<tr>\n<th>a</th>\n<th>b</th>\n<th>c</th>\n</tr>\n<tr>\n<td></td>\n<td>2</td>\n"
                      "<td></td>\n</tr>\n</table>")
        << QByteArray("| a | b | c |\n|---|---|---|\n|   | 2 |   |\n");
    QTest::newRow("without header cells") << QByteArray("<table><tr><td>a</td><td>b</td></tr>"
                                                        "<tr><td>c</td><td>d</td></tr></table>")
                                          << QByteArray("|   |   |\n|---|---|\n| a | b |\n| c | d |\n");
    QTest::newRow("bars, breaks and code in cells")
        << QByteArray("<table><tr><th>x|y</th></tr><tr><td>a<br>b <code>p|q</code></td></tr></table>")
        << QByteArray("| x\\|y         |\n|--------------|\n| a<br>b `p|q` |\n");
    QTest::newRow("paragraphs in a cell") << QByteArray("<table><tr><th><p>a</p><p>b</p></th></tr></table>")
                                          << QByteArray("| a b |\n|-----|\n");
    QTest::newRow("after a paragraph") << QByteArray("<p>t</p><table><tr><th>h</th></tr></table><p>u</p>")
                                       << QByteArray("t\n\n| h |\n|---|\n\nu\n");
    // Wrapping
    QByteArray shortWords;
    while (shortWords.size() < 200)
        shortWords += "word ";
    shortWords = shortWords.trimmed();
    QTest::newRow("short words stay on one line") << "<b>x</b>" + shortWords << "**x**" + shortWords + "\n";
    const QByteArray letters(120, 'a');
    QTest::newRow("long word breaks at the last space") << "word " + letters << "word\n" + letters + "\n";
    QTest::newRow("never right after an opening p") << "<p>word " + letters + "</p>" << "word " + letters + "\n";
    QTest::newRow("never where the line would start a block")
        << "<b>x</b>word -" + letters << "**x**word -" + letters + "\n";
    QTest::newRow("never in a heading") << "<h1><b>x</b> word " + letters + "</h1>"
                                        << "# **x** word " + letters + "\n";
    // Entities and clean-up
    QTest::newRow("named entities") << QByteArray("<p>&lt;b&gt; &quot;q&quot; &amp; a&nbsp;b &rarr;</p>")
                                    << QByteArray("\\<b> \"q\" & a b \xE2\x86\x92\n");
    QTest::newRow("entity typed as text, numeric kept") << QByteArray("<p>&amp;lt; &amp; x &#169;</p>")
                                                        << QByteArray("\\&lt; & x &#169;\n");
    QTest::newRow("blank runs shrink to two") << QByteArray("<div></div><div></div><p>a</p><br><br><br><br><p>b</p>")
                                              << QByteArray("a\n\n\nb\n");
    QTest::newRow("no blank lines at the end") << QByteArray("<p>a</p><p>&nbsp;</p><br><br>") << QByteArray("a\n");
    QTest::newRow("space before comma") << QByteArray("<p>a , b</p>") << QByteArray("a, b\n");
    QTest::newRow("lone full stop moves up a line") << QByteArray("<p>end</p><p>.</p>")
                                                    << QByteArray("end\n.\n");
    // Formulas
    QTest::newRow("inline source verbatim") << QByteArray("<p>a <x-equation>\\frac{a*b}{c_1}</x-equation> b</p>")
                                            << QByteArray("a $\\frac{a*b}{c_1}$ b\n");
    QTest::newRow("display") << QByteArray("<p><x-equation type=\"display\">x &lt; y</x-equation></p>")
                             << QByteArray("$$x < y$$\n");
}

void TestHtml2Md::conversions()
{
    QFETCH(QByteArray, html);
    QFETCH(QByteArray, markdown);
    QCOMPARE(convert(html), markdown);
}

void TestHtml2Md::formatTable_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<bool>("hasHeader");
    QTest::addColumn<QByteArray>("formatted");
    QTest::newRow("empty") << QByteArray("\n\n") << true << QByteArray();
    QTest::newRow("centred") << QByteArray("| A | B |\n| - | :-: |\n| 1 | 2 |\n") << true
                             << QByteArray("| A | B   |\n|---|:---:|\n| 1 | 2   |\n");
    QTest::newRow("short rows padded") << QByteArray("| a | b | c |\n| - | - | - |\n| 1 |\n") << true
                                       << QByteArray("| a | b | c |\n|---|---|---|\n| 1 |   |   |\n");
    QTest::newRow("long row widens the header") << QByteArray("| a |\n| - |\n| 1 | 2 |\n") << true
                                                << QByteArray("| a |   |\n|---|---|\n| 1 | 2 |\n");
    QTest::newRow("widths count bytes") << QByteArray("| \xC3\xA9\xC3\xA9 | x |\n| - | - |\n") << true
                                        << QByteArray("| \xC3\xA9\xC3\xA9 | x |\n|------|---|\n");
    QTest::newRow("escaped bar and code") << QByteArray("| a\\|b | `c|d` |\n| - | - |\n") << true
                                          << QByteArray("| a\\|b | `c|d` |\n|------|-------|\n");
}

void TestHtml2Md::formatTable()
{
    QFETCH(QByteArray, table);
    QFETCH(bool, hasHeader);
    QFETCH(QByteArray, formatted);
    QCOMPARE(QByteArray::fromStdString(html2md::formatTable(table.toStdString(), hasHeader, {})), formatted);
}

void TestHtml2Md::balance_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<QByteArray>("markdown");
    QTest::addColumn<bool>("balanced");
    QTest::newRow("whole document") << QByteArray("<ul><li><p>a</p></li></ul><table><tr><td>b</td></tr></table>")
                                    << QByteArray("- a\n\n|   |\n|---|\n| b |\n") << true;
    QTest::newRow("ends inside a tag") << QByteArray("<p>ok</p>text<span class=\"x")
                                       << QByteArray("ok\ntext\n") << false;
    QTest::newRow("open list") << QByteArray("<ul><li>a") << QByteArray("- a\n") << false;
}

void TestHtml2Md::balance()
{
    QFETCH(QByteArray, html);
    QFETCH(QByteArray, markdown);
    QFETCH(bool, balanced);
    bool ok = !balanced;
    QCOMPARE(QByteArray::fromStdString(html2md::toMarkdown(html.toStdString(), &ok)), markdown);
    QCOMPARE(ok, balanced);
}

void TestHtml2Md::secondConvertReturnsStoredResult()
{
    html2md::Converter converter("<p>a</p>");
    const std::string first = converter.convert();
    QCOMPARE(QByteArray::fromStdString(converter.convert()), QByteArray::fromStdString(first));
    QCOMPARE(QByteArray::fromStdString(first), QByteArray("a\n"));
}

void TestHtml2Md::itemCounterDoesNotWrap()
{
    QByteArray html = "<ol>";
    for (int i = 0; i < 300; ++i)
        html += "<li>x</li>";
    html += "</ol>";
    const QList<QByteArray> lines = convert(html).split('\n');
    QCOMPARE(lines.at(255), QByteArray("256. x"));
    QCOMPARE(lines.at(299), QByteArray("300. x"));
}

void TestHtml2Md::longWordIsWrappedOnceAtItsSpace()
{
    const QByteArray word(1 << 20, 'w');
    QCOMPARE(convert("<i>a</i> " + word), "*a*\n" + word + "\n");
}

// Each level of nesting would indent every line below it once more.
void TestHtml2Md::deepNestingStaysLinear()
{
    const int depth = 20000;
    const QByteArray html = QByteArray("<ul><li>").repeated(depth) + "x" + QByteArray("</li></ul>").repeated(depth)
        + QByteArray("<blockquote>").repeated(depth) + "<p>q</p>" + QByteArray("</blockquote>").repeated(depth)
        + "<p>after</p>";
    const QByteArray markdown = convert(html);
    QVERIFY2(markdown.size() < 4 * html.size(), QByteArray::number(markdown.size()).constData());
    QVERIFY(markdown.endsWith("\nafter\n"));
}

QTEST_APPLESS_MAIN(TestHtml2Md)
#include "tst_html2md.moc"
