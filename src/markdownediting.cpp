#include "markdownediting.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace MarkdownEditing {

namespace {
constexpr double zoomStep = 0.05;
constexpr double smallestZoom = 0.25;
constexpr double largestZoom = 5.0;
}

void wrapSelection(QPlainTextEdit *editor, const QString &mark)
{
    QTextCursor cursor = editor->textCursor();
    cursor.insertText(mark + cursor.selectedText() + mark);
    editor->setTextCursor(cursor);
}

void prefixLine(QPlainTextEdit *editor, const QString &prefix)
{
    if (editor->textCursor().block().text().startsWith(prefix))
        return;
    editor->moveCursor(QTextCursor::StartOfLine);
    editor->insertPlainText(prefix);
}

void prefixSelectedBlocks(QPlainTextEdit *editor, const std::function<QString(int)> &prefixFor)
{
    QTextCursor cursor = editor->textCursor();
    if (!cursor.hasSelection())
        return;
    const int start = std::min(cursor.anchor(), cursor.position());
    const int end = std::max(cursor.anchor(), cursor.position());
    QTextDocument *document = editor->document();
    const int firstBlock = document->findBlock(start).blockNumber();
    const int lastBlock = document->findBlock(end).blockNumber();
    cursor.setPosition(start);
    cursor.beginEditBlock();
    for (int i = 1; i <= lastBlock - firstBlock + 1; ++i) {
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.insertText(prefixFor(i));
        cursor.movePosition(QTextCursor::NextBlock);
    }
    cursor.endEditBlock();
}

void insertHorizontalRule(QPlainTextEdit *editor)
{
    const bool lineHasText = !editor->textCursor().block().text().isEmpty();
    editor->insertPlainText(lineHasText ? QStringLiteral("\n\n---\n") : QStringLiteral("\n---\n"));
}

void insertCodeBlock(QPlainTextEdit *editor)
{
    QTextCursor cursor = editor->textCursor();
    cursor.insertText(QStringLiteral("```\n") + cursor.selectedText() + QStringLiteral("\n```"));
    editor->setTextCursor(cursor);
}

void deleteSelection(QPlainTextEdit *editor)
{
    QTextCursor cursor = editor->textCursor();
    cursor.removeSelectedText();
    editor->setTextCursor(cursor);
}

QString markdownTable(int rows, int columns)
{
    QString text;
    for (int row = 0; row < rows; ++row) {
        text += QStringLiteral("\n|");
        if (row == 0) {
            for (int column = 1; column <= columns; ++column)
                text += QStringLiteral(" Title1,%1 |").arg(column);
            text += QStringLiteral("\n|");
            for (int column = 1; column <= columns; ++column)
                text += QStringLiteral(" ----------- |");
        } else {
            for (int column = 1; column <= columns; ++column)
                text += QStringLiteral(" Text%1,%2 |").arg(row + 1).arg(column);
        }
    }
    return text;
}

double zoomedIn(double factor)
{
    return std::min(largestZoom, factor + zoomStep);
}

double zoomedOut(double factor)
{
    return std::max(smallestZoom, factor - zoomStep);
}

QString zoomPercent(double factor)
{
    return QString::number(factor * 100, 'g', 6);
}

}
