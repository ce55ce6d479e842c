// The outline scan, the word count, the find scripts' escaping and the file
// browser's listing.
#include "findsnippets.h"
#include "markdownfolder.h"
#include "outline.h"
#include "wordcount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString describe(const QList<HeaderData> &headings)
{
    QStringList parts;
    for (const HeaderData &heading : headings)
        parts << QStringLiteral("%1.%2@%3:%4").arg(heading.level).arg(heading.ordinal).arg(heading.position).arg(heading.text);
    return parts.join(QLatin1Char('|'));
}
}

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void scanHeadings_data();
    void scanHeadings();
    void countWords_data();
    void countWords();
    void renderedText_data();
    void renderedText();
    void escapeForJs_data();
    void escapeForJs();
    void folderEntries();
};

void TestNavigation::scanHeadings_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("headings");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("only level 3") << "### a\n\n### b\n" << "";
    QTest::newRow("levels counted apart") << "# One\n## A\n## B\n# Two\n## C"
                                          << "1.1@0:One|2.1@6:A|2.2@11:B|1.2@16:Two|2.3@22:C";
    QTest::newRow("level 2 first") << "## Pre\n# Main" << "2.1@0:Pre|1.1@7:Main";
    QTest::newRow("no blank after hashes") << "#Tag\n# Real" << "1.1@5:Real";
    QTest::newRow("inside a code fence too") << "```\n# comment\n```" << "1.1@4:comment";
    QTest::newRow("lone hash takes the next line") << "#\n\nText" << "1.1@0:Text";
    QTest::newRow("text keeps trailing hashes") << "# Title ##" << "1.1@0:Title ##";
}

void TestNavigation::scanHeadings()
{
    QFETCH(QString, markdown);
    QFETCH(QString, headings);
    QCOMPARE(describe(Outline::scanHeadings(markdown)), headings);
}

void TestNavigation::countWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");

    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks only") << " \n\t " << 0;
    QTest::newRow("two words") << "two words" << 2;
    QTest::newRow("punctuation sticks") << "Hello, world!" << 2;
    QTest::newRow("lone punctuation") << "a - b" << 3;
    QTest::newRow("each CJK character") << QString::fromUtf8("中文字") << 3;
    QTest::newRow("mixed") << QString::fromUtf8("Mixed 中文 words") << 4;
    QTest::newRow("CJK splits a run") << QString::fromUtf8("ab中cd") << 3;
    QTest::newRow("no-break space") << QString::fromUtf8("a\xC2\xA0" "b") << 2;
    QTest::newRow("ideographic space") << QString::fromUtf8("a\xE3\x80\x80" "b") << 2;
    QTest::newRow("accented letters") << QString::fromUtf8("caf\xC3\xA9 na\xC3\xAFve") << 2;
    QTest::newRow("Cyrillic letters each") << QString::fromUtf8("да") << 2;
}

void TestNavigation::countWords()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(WordCount::countWords(text), count);
}

void TestNavigation::renderedText_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<int>("count");

    QTest::newRow("heading") << "# Title" << 1;
    QTest::newRow("emphasis") << "some **bold** and *it*alic" << 4;
    QTest::newRow("list") << "- one\n- two\n  - three" << 3;
    QTest::newRow("link") << "[text](https://example.com/x)" << 1;
    QTest::newRow("entities") << "a & b < c" << 5;
    QTest::newRow("rule and quote") << "> quoted words\n\n---\n\nafter" << 3;
    QTest::newRow("table") << "| a | b |\n|---|---|\n| 1 | 2 |" << 4;
    QTest::newRow("image alt is not read") << "![alt text](x.png) word" << 1;
}

void TestNavigation::renderedText()
{
    QFETCH(QString, markdown);
    QFETCH(int, count);
    QCOMPARE(WordCount::countWords(WordCount::renderedText(markdown)), count);
}

void TestNavigation::escapeForJs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << "word" << "word";
    QTest::newRow("quotes") << "it's \"so\"" << "it\\'s \\\"so\\\"";
    QTest::newRow("backslash first") << "a\\'b" << "a\\\\\\'b";
    QTest::newRow("line ends") << "a\r\nb" << "a\\r\\nb";
}

void TestNavigation::escapeForJs()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(FindSnippets::escapeForJs(text), escaped);
}

void TestNavigation::folderEntries()
{
    QTemporaryDir dir;
    for (const char *name : {"a.md", "B.MDX", "c.txt", ".hidden.md", "notes.markdown"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("z")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("empty")));
    QStringList names;
    for (const QFileInfo &entry : MarkdownFolder::entries(dir.path()))
        names << entry.fileName();
    QCOMPARE(names, (QStringList{"empty", "z", "B.MDX", "a.md"}));
    QVERIFY(MarkdownFolder::isMarkdownFile(QStringLiteral("/x/Y.Md")));
    QVERIFY(!MarkdownFolder::isMarkdownFile(QStringLiteral("/x/md")));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
