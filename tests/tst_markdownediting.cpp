// The Markdown side of the formatting commands, on a real text editor.
#include "markdownediting.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

namespace {
// "|" marks the cursor; without one, "[" and "]" mark the anchor and the
// position of a selection, or "«" and "»" where the text holds brackets.
void place(QPlainTextEdit &editor, QString marked)
{
    const bool guillemets = marked.contains(QChar(0xAB));
    const QChar open = guillemets ? QChar(0xAB) : QLatin1Char('[');
    const QChar close = guillemets ? QChar(0xBB) : QLatin1Char(']');
    const bool caretOnly = marked.contains(QLatin1Char('|'));
    const int anchor = caretOnly ? -1 : marked.indexOf(open);
    int position = -1;
    if (!caretOnly) {
        marked.remove(open);
        position = marked.indexOf(close);
        marked.remove(close);
    }
    const int caret = marked.indexOf(QLatin1Char('|'));
    marked.remove(QLatin1Char('|'));
    editor.setPlainText(marked);
    QTextCursor cursor = editor.textCursor();
    if (anchor >= 0) {
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(caret);
    }
    editor.setTextCursor(cursor);
}

enum Command { Bold, Heading1, Heading2, Heading3, Quote, Ordered, Unordered, Rule, CodeBlock, Delete, Clear, Unlink, Paragraph };

void run(QPlainTextEdit &editor, Command command)
{
    using namespace MarkdownEditing;
    switch (command) {
    case Bold: wrapSelection(&editor, QStringLiteral("**")); break;
    case Heading1: prefixLine(&editor, QStringLiteral("# ")); break;
    case Heading2: prefixLine(&editor, QStringLiteral("## ")); break;
    case Heading3: prefixLine(&editor, QStringLiteral("### ")); break;
    case Quote: prefixLine(&editor, QStringLiteral("> ")); break;
    case Ordered: prefixSelectedBlocks(&editor, [](int i) { return QStringLiteral("%1. ").arg(i); }); break;
    case Unordered: prefixSelectedBlocks(&editor, [](int) { return QStringLiteral("- "); }); break;
    case Rule: insertHorizontalRule(&editor); break;
    case CodeBlock: insertCodeBlock(&editor); break;
    case Delete: deleteSelection(&editor); break;
    case Clear: removeInlineMarkup(&editor); break;
    case Unlink: removeLinks(&editor); break;
    case Paragraph: makeParagraphs(&editor); break;
    }
}
}

Q_DECLARE_METATYPE(Command)

class TestMarkdownEditing : public QObject
{
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void listsAreOneUndoStep_data();
    void listsAreOneUndoStep();
    void headingOnAWrappedLine();
};

void TestMarkdownEditing::commands_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("bold, selection") << Bold << "a [word] here" << "a **word** here";
    QTest::newRow("bold, no selection") << Bold << "ab|c" << "ab****c";
    QTest::newRow("bold over two lines") << Bold << "[one\ntwo]" << "**one\ntwo**";
    QTest::newRow("heading on plain line") << Heading1 << "fi|rst\nsecond" << "# first\nsecond";
    QTest::newRow("heading, cursor on a later line") << Heading1 << "first\nsec|ond" << "first\n# second";
    QTest::newRow("same heading again") << Heading3 << "### Ti|tle" << "### Title";
    QTest::newRow("deeper heading in front") << Heading3 << "## Ti|tle" << "### ## Title";
    QTest::newRow("heading 1 on a heading 1") << Heading1 << "# a|" << "# a";
    QTest::newRow("heading 2 on a heading 1") << Heading2 << "# a|" << "## # a";
    QTest::newRow("quote") << Quote << "quo|ted" << "> quoted";
    QTest::newRow("ordered over three lines") << Ordered << "o[ne\ntwo\nth]ree" << "1. one\n2. two\n3. three";
    QTest::newRow("ordered inside one line") << Ordered << "a [b] c" << "1. a b c";
    QTest::newRow("ordered, backwards selection") << Ordered << "x\no]ne\ntw[o" << "x\n1. one\n2. two";
    QTest::newRow("ordered without selection") << Ordered << "on|e" << "one";
    QTest::newRow("unordered, partial first and last") << Unordered << "ke[ep\nmid\nla]st\nafter"
                                                       << "- keep\n- mid\n- last\nafter";
    QTest::newRow("rule on empty line") << Rule << "text\n|" << "text\n\n---\n";
    QTest::newRow("rule at end of text") << Rule << "text|" << "text\n\n---\n";
    QTest::newRow("rule in mid line") << Rule << "te|xt" << "te\n\n---\nxt";
    QTest::newRow("code block around selection") << CodeBlock << "[int x;]" << "```\nint x;\n```";
    QTest::newRow("code block after text") << CodeBlock << "a|" << "a\n```\n\n```";
    QTest::newRow("code block inside a line") << CodeBlock << "a|b" << "a\n```\n\n```\nb";
    QTest::newRow("clear") << Clear << QString::fromUtf8("x \u00AB**b** _i_ ~~s~~ `c` [l](u) ![p](i.png) snake_case_name\u00BB y")
                           << "x b i s c l p snake_case_name y";
    QTest::newRow("clear needs a selection") << Clear << "**b|**" << "**b**";
    QTest::newRow("remove the link at the caret") << Unlink << "[a](x) and [li|nk](y \"t\") <https://z.org>"
                                                  << "[a](x) and link <https://z.org>";
    QTest::newRow("remove the links selected") << Unlink << QString::fromUtf8("\u00AB[a](x) ![i](p.png) <https://z.org>\u00BB")
                                               << "a ![i](p.png) https://z.org";
    QTest::newRow("paragraphs") << Paragraph << QString::fromUtf8("# \u00ABh\n> - [ ] task\n  12. item\n> > q\u00BBuote\nafter")
                                << "h\ntask\nitem\nquote\nafter";
    QTest::newRow("delete selection") << Delete << "ke[ep]" << "ke";
    QTest::newRow("delete without selection") << Delete << "ke|ep" << "keep";
}

void TestMarkdownEditing::commands()
{
    QFETCH(Command, command);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QPlainTextEdit editor;
    place(editor, before);
    run(editor, command);
    QCOMPARE(editor.toPlainText(), after);
}

void TestMarkdownEditing::listsAreOneUndoStep_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("ordered") << Ordered;
    QTest::newRow("unordered") << Unordered;
}

void TestMarkdownEditing::listsAreOneUndoStep()
{
    QFETCH(Command, command);
    QPlainTextEdit editor;
    place(editor, QStringLiteral("[a\nb\nc\nd]"));
    run(editor, command);
    QVERIFY(editor.toPlainText() != QStringLiteral("a\nb\nc\nd"));
    editor.undo();
    QCOMPARE(editor.toPlainText(), QStringLiteral("a\nb\nc\nd"));
}

// The prefix goes where the cursor's line starts, yet the block decides
// whether it is there already.
void TestMarkdownEditing::headingOnAWrappedLine()
{
    QPlainTextEdit editor;
    editor.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor.resize(120, 200);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setPlainText(QStringLiteral("## ") + QString(40, QLatin1Char('w')).replace(QStringLiteral("ww"), QStringLiteral("w ")));
    QTextCursor cursor = editor.textCursor();
    cursor.movePosition(QTextCursor::End);
    editor.setTextCursor(cursor);
    QVERIFY(editor.document()->firstBlock().layout()->lineCount() > 1);
    MarkdownEditing::prefixLine(&editor, QStringLiteral("## "));
    QVERIFY(!editor.toPlainText().contains(QStringLiteral("## ## ")));
    QCOMPARE(editor.toPlainText().count(QStringLiteral("##")), 1);
}

QTEST_MAIN(TestMarkdownEditing)
#include "tst_markdownediting.moc"
