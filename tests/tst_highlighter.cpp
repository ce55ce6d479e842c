#include "appsettings.h"
#include "config.h"
#include "editortheme.h"
#include "guitestbase.h"
#include "highlighter.h"
#include "resources.h"
#include "startup.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSettings>
#include <QTextBlock>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

namespace {
// The format the highlighter gave the character at `position` of line `line`.
QTextCharFormat formatAt(QTextDocument &document, int line, int position)
{
    const QTextBlock block = document.findBlockByNumber(line);
    QTextCharFormat result;
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (position >= range.start && position < range.start + range.length)
            result = range.format;
    return result;
}

QJsonObject lightTheme()
{
    QFile file(QStringLiteral(":/editortheme/light.json"));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

}

class TestHighlighter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formats_data();
    void formats();
    void unreadableThemeHighlightsNothing_data();
    void unreadableThemeHighlightsNothing();
    void nonStringMemberGivesInvalidColour();
    void setThemeReplacesRules();
    void largeChangeColoursTheRestInSlices();
    void editWhileLinesWaitColoursEveryLine();
    void replacedTextIsColouredInSlices();
};

void TestHighlighter::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    initPenwickResources();
    QDir(editorThemeDirectory()).removeRecursively();
    installDefaultEditorThemes(editorThemeDirectory());
    Config::set(Config::EditorTheme, QStringLiteral("light"));
}

void TestHighlighter::formats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("colourKey");
    QTest::addColumn<int>("style"); // 1 italic, 2 bold, 4 strike-out

    QTest::newRow("heading marker in keyword colour") << "# Word" << 0 << 0 << "keywordColor" << 0;
    QTest::newRow("heading space in keyword colour") << "# Word" << 0 << 1 << "keywordColor" << 0;
    QTest::newRow("heading text") << "# Word" << 0 << 2 << "headingColor" << 0;
    QTest::newRow("level six") << "###### Six" << 0 << 8 << "headingColor" << 0;
    QTest::newRow("seven hashes are no heading") << "####### Seven" << 0 << 9 << "" << 0;
    QTest::newRow("bold over the stars") << "a **bold** b" << 0 << 2 << "boldColor" << 2;
    QTest::newRow("bold inside") << "a **bold** b" << 0 << 5 << "boldColor" << 2;
    QTest::newRow("italic") << "an *it* x" << 0 << 4 << "italicColor" << 1;
    QTest::newRow("strike") << "~~gone~~" << 0 << 3 << "strikethroughColor" << 4;
    QTest::newRow("quote") << "> quoted" << 0 << 4 << "blockquoteColor" << 0;
    QTest::newRow("ordered list") << "12. item" << 0 << 5 << "listColor" << 0;
    QTest::newRow("list line inside a fence") << "```\n- item\n```" << 1 << 3 << "listColor" << 0;
    QTest::newRow("fence line") << "```cpp\nx\n```" << 0 << 4 << "codeblockColor" << 0;
    QTest::newRow("inline code") << "run `make` now" << 0 << 6 << "inlineCodeColor" << 0;
    QTest::newRow("rule") << "---" << 0 << 1 << "hrColor" << 0;
    QTest::newRow("link") << "see [t](u) x" << 0 << 6 << "linkColor" << 1;
    QTest::newRow("link with title") << "[t](u \"T\")" << 0 << 7 << "linkColor" << 1;
    QTest::newRow("image") << "![i](p.png)" << 0 << 0 << "imageColor" << 1;
    QTest::newRow("first bar") << "a | b | c" << 0 << 2 << "tableColor" << 0;
    QTest::newRow("second bar") << "a | b | c" << 0 << 6 << "tableColor" << 0;
    QTest::newRow("keyword in prose") << "a public api" << 0 << 3 << "keywordColor" << 0;
    QTest::newRow("keyword needs word bounds") << "republic" << 0 << 4 << "" << 0;
    QTest::newRow("last keyword") << "bool b" << 0 << 0 << "keywordColor" << 0;
    QTest::newRow("keyword inside a heading") << "## int x" << 0 << 4 << "keywordColor" << 0;
    QTest::newRow("plain text") << "plain" << 0 << 1 << "" << 0;
}

void TestHighlighter::formats()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, position);
    QFETCH(QString, colourKey);
    QFETCH(int, style);
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    Highlighter highlighter(&document);
    document.setPlainText(text);
    const QTextCharFormat format = formatAt(document, line, position);
    if (colourKey.isEmpty()) {
        QVERIFY(!format.hasProperty(QTextFormat::ForegroundBrush));
        return;
    }
    QCOMPARE(format.foreground().color(), QColor(lightTheme().value(colourKey).toString()));
    QCOMPARE(format.fontItalic(), bool(style & 1));
    QCOMPARE(format.fontWeight() == 75, bool(style & 2));
    QCOMPARE(format.fontStrikeOut(), bool(style & 4));
}

// A theme file that is missing or not JSON colours nothing.
void TestHighlighter::unreadableThemeHighlightsNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("{ not json");
}

void TestHighlighter::unreadableThemeHighlightsNothing()
{
    QFETCH(QByteArray, file);
    QFile::remove(EditorTheme::fileOf(QStringLiteral("unreadable")));
    if (!file.isEmpty())
        writeFile(EditorTheme::fileOf(QStringLiteral("unreadable")), file);
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    Highlighter highlighter(&document, EditorTheme::read(QStringLiteral("unreadable")));
    document.setPlainText(QStringLiteral("# Heading **bold** public | x"));
    QVERIFY(document.firstBlock().layout()->formats().isEmpty());
    QVERIFY(highlighter.theme().isEmpty());
}

void TestHighlighter::nonStringMemberGivesInvalidColour()
{
    QJsonObject theme = lightTheme();
    theme.insert(QStringLiteral("headingColor"), 5);
    writeFile(EditorTheme::fileOf(QStringLiteral("numeric")), QJsonDocument(theme).toJson());
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    Highlighter highlighter(&document);
    highlighter.setTheme(EditorTheme::read(QStringLiteral("numeric")));
    document.setPlainText(QStringLiteral("# Word | x"));
    QVERIFY(!formatAt(document, 0, 3).foreground().color().isValid());
    QCOMPARE(formatAt(document, 0, 7).foreground().color(), QColor(theme.value(QStringLiteral("tableColor")).toString()));
}

void TestHighlighter::setThemeReplacesRules()
{
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    Highlighter highlighter(&document);
    document.setPlainText(QStringLiteral("> quoted"));
    highlighter.setTheme(EditorTheme::read(QStringLiteral("dark")));
    QCOMPARE(formatAt(document, 0, 3).foreground().color(), QColor(QStringLiteral("#6A9955")));
    highlighter.setTheme(EditorTheme::read(QStringLiteral("nosuchtheme")));
    QVERIFY(document.firstBlock().layout()->formats().isEmpty());
    QCOMPARE(highlighter.theme().colourName(QStringLiteral("blockquoteColor")), QStringLiteral("#6A9955"));
}

namespace {
QString headingLines(int count, const QString &prefix)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("# %1 %2").arg(prefix).arg(i);
    return lines.join(QLatin1Char('\n'));
}

int uncolouredHeadings(QTextDocument &document, int firstLine = 0, int lastLine = -1)
{
    const QColor heading(lightTheme().value(QStringLiteral("headingColor")).toString());
    int uncoloured = 0;
    for (int line = firstLine; line <= (lastLine < 0 ? document.blockCount() - 1 : lastLine); ++line)
        if (formatAt(document, line, 4).foreground().color() != heading)
            ++uncoloured;
    return uncoloured;
}
}

void TestHighlighter::largeChangeColoursTheRestInSlices()
{
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    Highlighter highlighter(&document);
    QSignalSpy textChanges(&editor, &QPlainTextEdit::textChanged);
    const int lines = 20 * Highlighter::immediateBlocks;
    editor.setPlainText(headingLines(lines, QStringLiteral("line")));
    QCOMPARE(uncolouredHeadings(document, 0, Highlighter::immediateBlocks - 10), 0);
    QCOMPARE(uncolouredHeadings(document, Highlighter::immediateBlocks + 10), lines - Highlighter::immediateBlocks - 10);
    QVERIFY(highlighter.hasPendingBlocks());
    const int changesBySetting = textChanges.count();

    highlighter.setSlicesPaused(true);
    const int waiting = uncolouredHeadings(document);
    QTest::qWait(100);
    QCOMPARE(uncolouredHeadings(document), waiting);
    highlighter.setSlicesPaused(false);
    QTRY_VERIFY(!highlighter.hasPendingBlocks());
    QCOMPARE(uncolouredHeadings(document), 0);
    // Colouring is no edit: no text change, no undo step, no modification.
    QCOMPARE(textChanges.count(), changesBySetting);
    QVERIFY(!document.isModified());
    QCOMPARE(document.availableUndoSteps(), 0);
}

void TestHighlighter::editWhileLinesWaitColoursEveryLine()
{
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    Highlighter highlighter(&document);
    editor.setPlainText(headingLines(200 * Highlighter::immediateBlocks, QStringLiteral("line")));
    QTRY_VERIFY(document.findBlockByNumber(4 * Highlighter::immediateBlocks).layout()->formats().size() > 0);
    highlighter.setSlicesPaused(true);
    QVERIFY(highlighter.hasPendingBlocks());
    // Lines removed above the waiting ones shift them up; lines added shift them down.
    QTextCursor cursor(document.findBlockByNumber(10));
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 3 * Highlighter::immediateBlocks);
    cursor.removeSelectedText();
    QTest::qWait(0);
    QTextCursor(&document).insertText(headingLines(50, QStringLiteral("new")) + '\n');
    highlighter.setSlicesPaused(false);
    QTRY_VERIFY(!highlighter.hasPendingBlocks());
    QCOMPARE(uncolouredHeadings(document), 0);
}

namespace {
struct CountingHighlighter : Highlighter {
    using Highlighter::Highlighter;
    int lines = 0;
    void highlightBlock(const QString &text) override
    {
        ++lines;
        Highlighter::highlightBlock(text);
    }
};
}

// A whole new text is not gone over line by line before it shows; every line
// is coloured in the end, edits after it are coloured as they are made, and
// colouring it is no edit of its own.
void TestHighlighter::replacedTextIsColouredInSlices()
{
    QPlainTextEdit editor;
    QTextDocument &document = *editor.document();
    CountingHighlighter highlighter(&document);
    QSignalSpy textChanges(&editor, &QPlainTextEdit::textChanged);
    const int lines = 50 * Highlighter::immediateBlocks;
    highlighter.replaceText([&] { editor.setPlainText(headingLines(lines, QStringLiteral("line"))); });
    QCOMPARE(textChanges.count(), 1);
    QVERIFY(highlighter.lines < lines / 2);
    QCOMPARE(uncolouredHeadings(document, 0, 0), 0);
    QVERIFY(highlighter.hasPendingBlocks());
    QTRY_VERIFY(!highlighter.hasPendingBlocks());
    QCOMPARE(uncolouredHeadings(document), 0);
    QCOMPARE(textChanges.count(), 1);

    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n# added"));
    QCOMPARE(uncolouredHeadings(document), 0);

    highlighter.setSlicesPaused(true);
    highlighter.replaceText([&] { editor.setPlainText(headingLines(lines, QStringLiteral("again"))); });
    QCOMPARE(uncolouredHeadings(document), lines);
    highlighter.setSlicesPaused(false);
    QTRY_VERIFY(!highlighter.hasPendingBlocks());
    QCOMPARE(uncolouredHeadings(document), 0);
}

QTEST_MAIN(TestHighlighter)
#include "tst_highlighter.moc"
