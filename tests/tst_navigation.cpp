// The outline scan and the word count.
#include "outline.h"
#include "wordcount.h"

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

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
