#include "QPlainTextEditEx.h"
#include "appsettings.h"
#include "config.h"
#include "editortheme.h"
#include "guitestbase.h"
#include "startup.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTextBlock>
#include <QClipboard>
#include <QtTest>

namespace {
const QString indent = QStringLiteral("\u3000\u3000");

QColor gutterPixel(QPlainTextEditEx &editor)
{
    auto *gutter = editor.findChild<LineNumberArea *>();
    return gutter->grab().toImage().pixelColor(1, gutter->height() - 2);
}
}

class TestQPlainTextEditEx : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void gutterWidthFollowsDigits();
    void typingRightAfterSettingIsAnEdit();
    void paragraphIndent_data();
    void paragraphIndent();
    void paragraphIndentOnWrappedLine();
    void gutterColours_data();
    void gutterColours();
    void focusSignals();
    void tabMovesBetweenCellsAndIndentsItems_data();
    void tabMovesBetweenCellsAndIndentsItems();
};

void TestQPlainTextEditEx::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    Config::set(Config::EditorTheme, QStringLiteral("gutter"));
}

void TestQPlainTextEditEx::gutterWidthFollowsDigits()
{
    QPlainTextEditEx editor;
    const int nine = editor.fontMetrics().horizontalAdvance(QLatin1Char('9'));
    editor.setPlainText(QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n9"));
    QCOMPARE(editor.lineNumberAreaWidth(), 3 + nine);
    editor.appendPlainText(QStringLiteral("10"));
    QCOMPARE(editor.lineNumberAreaWidth(), 3 + 2 * nine);
}

// Text the program sets is no edit and cannot be undone; typing or pasting,
// even before the event loop turns, is the user's edit.
void TestQPlainTextEditEx::typingRightAfterSettingIsAnEdit()
{
    QPlainTextEditEx editor;
    QList<bool> settingDuringChange;
    connect(&editor, &QPlainTextEdit::textChanged, [&] { settingDuringChange << editor.isSettingText(); });
    editor.setTextProgrammatically(QStringLiteral("text"));
    QVERIFY(!editor.document()->isUndoAvailable());
    QTest::keyClick(&editor, Qt::Key_A);
    editor.setTextProgrammatically(QStringLiteral("text"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    editor.paste();
    QCOMPARE(settingDuringChange, QList<bool>({true, false, true, false}));
    QCOMPARE(editor.toPlainText(), QStringLiteral("pastedtext"));
    editor.setTextProgrammatically(QStringLiteral("x"));
    QTRY_VERIFY(!editor.isSettingText());
    QTest::keyClicks(&editor, QStringLiteral("y"));
    QCOMPARE(settingDuringChange, QList<bool>({true, false, true, false, true, false}));
}

void TestQPlainTextEditEx::paragraphIndent_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list item") << "- word" << "- " + indent + "word";
    QTest::newRow("star item") << "* word" << "* " + indent + "word";
    QTest::newRow("numbered item") << "12. word" << "12. " + indent + "word";
    QTest::newRow("plain line") << "plain" << indent + "plain";
    QTest::newRow("heading") << "## Title" << "## Title";
    QTest::newRow("quote") << "> quoted" << "> quoted";
    QTest::newRow("fence") << "  ```cpp" << "  ```cpp";
    QTest::newRow("indented plain line") << indent + "plain" << "plain";
    QTest::newRow("indented list item") << "- " + indent + "word" << "- word";
}

void TestQPlainTextEditEx::paragraphIndent()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QPlainTextEditEx editor;
    editor.setPlainText(QStringLiteral("before\n") + line + QStringLiteral("\nafter"));
    QTextCursor cursor(editor.document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor.setTextCursor(cursor);
    editor.toggleParagraphIndent();
    QCOMPARE(editor.document()->findBlockByNumber(1).text(), expected);
    QCOMPARE(editor.document()->findBlockByNumber(0).text(), QStringLiteral("before"));
    if (expected != line) {
        editor.undo();
        QCOMPARE(editor.document()->findBlockByNumber(1).text(), line);
    }
}

void TestQPlainTextEditEx::paragraphIndentOnWrappedLine()
{
    QPlainTextEditEx editor;
    editor.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor.resize(200, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QString paragraph;
    for (int i = 0; i < 30; ++i)
        paragraph += QStringLiteral("word%1 ").arg(i);
    editor.setPlainText(paragraph.trimmed());
    QCoreApplication::processEvents(); // the gutter widens, the paragraph wraps anew
    const QTextLine secondLine = editor.document()->firstBlock().layout()->lineAt(1);
    QVERIFY(secondLine.isValid());
    const int secondLineStart = secondLine.textStart();
    QVERIFY(secondLineStart > 0);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(secondLineStart + 2);
    editor.setTextCursor(cursor);
    editor.toggleParagraphIndent();
    const QString text = editor.document()->firstBlock().text();
    QCOMPARE(editor.blockCount(), 1);
    QCOMPARE(text.indexOf(indent), secondLineStart);
}

void TestQPlainTextEditEx::gutterColours_data()
{
    QTest::addColumn<QByteArray>("theme");
    QTest::addColumn<QColor>("background");
    QTest::newRow("theme colour") << QByteArray(R"({"lineNumberBackground": "#123456", "lineNumberColor": "#ff0000"})")
                                  << QColor(0x12, 0x34, 0x56);
    QTest::newRow("number, not a string") << QByteArray(R"({"lineNumberBackground": 5})") << QColor(0xF0, 0xF0, 0xF0);
    QTest::newRow("malformed") << QByteArray("{\"lineNumberBackground\": ") << QColor(0xF0, 0xF0, 0xF0);
}

void TestQPlainTextEditEx::gutterColours()
{
    QFETCH(QByteArray, theme);
    QFETCH(QColor, background);
    writeFile(EditorTheme::fileOf(QStringLiteral("gutter")), theme);
    QPlainTextEditEx editor;
    editor.setPlainText(QStringLiteral("a\nb"));
    editor.resize(300, 200);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setGutterTheme(EditorTheme::read(QStringLiteral("gutter")));
    QCOMPARE(gutterPixel(editor), background);
}

void TestQPlainTextEditEx::focusSignals()
{
    QPlainTextEditEx editor;
    editor.setPlainText(QStringLiteral("text"));
    QSignalSpy gained(&editor, &QPlainTextEditEx::GetFocus);
    QSignalSpy lost(&editor, &QPlainTextEditEx::LostFocus);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&editor, &focusIn);
    QCOMPARE(gained.count(), 1);
    QCOMPARE(lost.count(), 0);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(&editor, &focusOut);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.first().first().toString(), QStringLiteral("text"));
}

// Tab and Shift+Tab, typed: "|" marks the caret; "[" and "]" the selection after.
void TestQPlainTextEditEx::tabMovesBetweenCellsAndIndentsItems_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("back");
    QTest::addColumn<QString>("after");
    const QString table = QStringLiteral("| a | b |\n|---|---|\n| c%1 | d%2 |\n");
    QTest::newRow("next cell") << table.arg(QStringLiteral("|"), QString()) << false
                               << table.arg(QString(), QString()).replace(QStringLiteral("| d |"), QStringLiteral("| [d] |"));
    QTest::newRow("past the delimiter row, backwards") << QStringLiteral("| a | b |\n|---|---|\n| c| | d |\n") << true
                                                        << QStringLiteral("| a | [b] |\n|---|---|\n| c | d |\n");
    QTest::newRow("a new row after the last cell") << QStringLiteral("| a | b |\n|---|---|\n| c | d| |") << false
                                                   << QStringLiteral("| a | b |\n|---|---|\n| c | d |\n| []  |   |");
    QTest::newRow("list item deeper") << QStringLiteral("- one\n- tw|o") << false << QStringLiteral("- one\n  - tw[]o");
    QTest::newRow("numbered item out") << QStringLiteral("1. one\n   1. tw|o") << true << QStringLiteral("1. one\n1. tw[]o");
    QTest::newRow("plain line keeps its tab") << QStringLiteral("pla|in") << false << QStringLiteral("pla\t[]in");
}

void TestQPlainTextEditEx::tabMovesBetweenCellsAndIndentsItems()
{
    QFETCH(QString, before);
    QFETCH(bool, back);
    QFETCH(QString, after);
    QPlainTextEditEx editor;
    // The caret is the "|" right after a letter (a table's bars stand after spaces).
    QString text = before;
    int at = -1;
    for (int i = 1; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char('|') && text.at(i - 1).isLetter()) {
            at = i;
            break;
        }
    QVERIFY(at >= 0);
    text.remove(at, 1);
    editor.setPlainText(text);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(at);
    editor.setTextCursor(cursor);
    QTest::keyClick(&editor, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    QString shown = editor.toPlainText();
    const QTextCursor result = editor.textCursor();
    shown.insert(result.selectionEnd(), QLatin1Char(']'));
    shown.insert(result.selectionStart(), QLatin1Char('['));
    QCOMPARE(shown, after);
}

QTEST_MAIN(TestQPlainTextEditEx)
#include "tst_qplaintexteditex.moc"
