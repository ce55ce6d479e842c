#include "markdownediting.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QVector>

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
    const QTextDocument *document = editor->document();
    const QTextBlock first = document->findBlock(cursor.selectionStart());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    const bool textBefore = cursor.selectionStart() > first.position();
    const bool textAfter = cursor.selectionEnd() < last.position() + last.length() - 1;
    QString selected = cursor.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const QString opening = (textBefore ? QStringLiteral("\n") : QString()) + QStringLiteral("```\n");
    const int start = cursor.selectionStart();
    cursor.insertText(opening + selected + QStringLiteral("\n```") + (textAfter ? QStringLiteral("\n") : QString()));
    if (selected.isEmpty())
        cursor.setPosition(start + opening.size());
    editor->setTextCursor(cursor);
}

void deleteSelection(QPlainTextEdit *editor)
{
    QTextCursor cursor = editor->textCursor();
    cursor.removeSelectedText();
    editor->setTextCursor(cursor);
}

namespace {
// Replaces the selection, or with none the caret's line, by `change` of it,
// as one undo step; the result stays selected.
void changeSelectionOrLine(QPlainTextEdit *editor, const std::function<QString(const QString &)> &change)
{
    QTextCursor cursor = editor->textCursor();
    if (!cursor.hasSelection()) {
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const QString changed = change(text);
    if (changed == text)
        return;
    const int start = cursor.selectionStart();
    cursor.insertText(changed);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}
}

QString withoutInlineMarkup(QString text)
{
    static const QRegularExpression links(QStringLiteral("!?\\[([^\\]]*)\\]\\([^)]*\\)"));
    static const QRegularExpression pairs(QStringLiteral("(\\*\\*|~~)(.+?)\\1"));
    static const QRegularExpression strongUnderscores(QStringLiteral("(?<!\\w)__(\\S(?:.*?\\S)?)__(?!\\w)"));
    static const QRegularExpression stars(QStringLiteral("\\*(\\S(?:.*?\\S)?)\\*"));
    static const QRegularExpression underscores(QStringLiteral("(?<!\\w)_(\\S(?:.*?\\S)?)_(?!\\w)"));
    static const QRegularExpression code(QStringLiteral("(`+)(.+?)\\1"));
    text.replace(links, QStringLiteral("\\1"));
    text.replace(code, QStringLiteral("\\2"));
    text.replace(pairs, QStringLiteral("\\2"));
    text.replace(strongUnderscores, QStringLiteral("\\1"));
    text.replace(stars, QStringLiteral("\\1"));
    text.replace(underscores, QStringLiteral("\\1"));
    return text;
}

void removeInlineMarkup(QPlainTextEdit *editor)
{
    QTextCursor cursor = editor->textCursor();
    if (!cursor.hasSelection())
        return;
    // The marks right around the selection belong to it ("**" and "**" around a selected word).
    const QString text = editor->document()->toPlainText();
    int start = cursor.selectionStart();
    int end = cursor.selectionEnd();
    for (bool grown = true; grown;) {
        grown = false;
        for (const QString &mark : {QStringLiteral("**"), QStringLiteral("__"), QStringLiteral("~~"), QStringLiteral("*"),
                                    QStringLiteral("_"), QStringLiteral("`")}) {
            if (text.midRef(start - mark.size(), mark.size()) == mark && text.midRef(end, mark.size()) == mark) {
                start -= mark.size();
                end += mark.size();
                grown = true;
                break;
            }
        }
    }
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    changeSelectionOrLine(editor, withoutInlineMarkup);
}

void removeLinks(QPlainTextEdit *editor)
{
    static const QRegularExpression link(QStringLiteral("(?<!!)\\[([^\\]]*)\\]\\([^)]*\\)|<((?:https?|mailto):[^>\\s]+)>"));
    QTextCursor cursor = editor->textCursor();
    QString selected = cursor.selectedText();
    if (selected.contains(link)) {
        changeSelectionOrLine(editor, [](QString text) {
            return text.replace(link, QStringLiteral("\\1\\2"));
        });
        return;
    }
    // Else the link the caret, or the selection, is in.
    const QTextBlock block = editor->document()->findBlock(cursor.selectionStart());
    const int caret = cursor.selectionStart() - block.position();
    for (auto found = link.globalMatch(block.text()); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        if (caret < match.capturedStart() || caret > match.capturedEnd())
            continue;
        cursor.setPosition(block.position() + match.capturedStart());
        cursor.setPosition(block.position() + match.capturedEnd(), QTextCursor::KeepAnchor);
        cursor.insertText(match.captured(1) + match.captured(2));
        editor->setTextCursor(cursor);
        return;
    }
}

void makeParagraphs(QPlainTextEdit *editor)
{
    static const QRegularExpression marker(QStringLiteral("^[ \\t]*(?:#{1,6}[ \\t]+|>[ \\t]?|(?:[-*+]|\\d{1,9}[.)])[ \\t]+(?:\\[[ xX]\\][ \\t]+)?)"));
    QTextCursor cursor = editor->textCursor();
    const QTextDocument *document = editor->document();
    QTextCursor lines(editor->document());
    lines.setPosition(document->findBlock(cursor.selectionStart()).position());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    lines.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    editor->setTextCursor(lines);
    changeSelectionOrLine(editor, [](const QString &text) {
        QStringList changed = text.split(QLatin1Char('\n'));
        for (QString &line : changed)
            for (QRegularExpressionMatch match = marker.match(line); match.hasMatch() && match.capturedLength() > 0;
                 match = marker.match(line))
                line.remove(0, match.capturedLength());
        return changed.join(QLatin1Char('\n'));
    });
}

namespace {
bool isTableRow(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char('|'));
}

bool isDelimiterRow(const QString &line)
{
    static const QRegularExpression delimiter(QStringLiteral("^\\s*\\|?(\\s*:?-+:?\\s*\\|)+\\s*:?-*:?\\s*$"));
    return delimiter.match(line).hasMatch();
}

// Where the bars of a row stand; escaped ones are text.
QVector<int> barsOf(const QString &line)
{
    QVector<int> bars;
    for (int at = 0; at < line.size(); ++at) {
        if (line.at(at) == QLatin1Char('\\'))
            ++at;
        else if (line.at(at) == QLatin1Char('|'))
            bars << at;
    }
    return bars;
}

// Selects the text of the cell between the bars at `open` and `close` of `block`.
void selectCell(QPlainTextEdit *editor, const QTextBlock &block, int open, int close)
{
    const QString line = block.text();
    int begin = open + 1;
    int end = close;
    while (begin < end && line.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && line.at(end - 1) == QLatin1Char(' '))
        --end;
    if (begin == end && open + 2 <= close)
        begin = end = open + 2;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + begin);
    cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

// The row before or after `block`, past the delimiter row; invalid outside the table.
QTextBlock neighbourRow(QTextBlock block, bool backwards)
{
    do
        block = backwards ? block.previous() : block.next();
    while (block.isValid() && isTableRow(block.text()) && isDelimiterRow(block.text()));
    return block.isValid() && isTableRow(block.text()) ? block : QTextBlock();
}
}

bool moveBetweenCells(QPlainTextEdit *editor, bool backwards)
{
    QTextCursor cursor = editor->textCursor();
    const QTextBlock block = cursor.block();
    if (!isTableRow(block.text()) || isDelimiterRow(block.text()))
        return false;
    const QVector<int> bars = barsOf(block.text());
    const int caret = (backwards ? cursor.selectionStart() : cursor.selectionEnd()) - block.position();
    // The cell holding the caret: between bars[cell] and bars[cell + 1].
    int cell = 0;
    while (cell + 1 < bars.size() && bars[cell + 1] < caret)
        ++cell;
    const int next = cell + (backwards ? -1 : 1);
    if (next >= 0 && next + 1 < bars.size()) {
        selectCell(editor, block, bars[next], bars[next + 1]);
        return true;
    }
    QTextBlock row = neighbourRow(block, backwards);
    if (!row.isValid()) {
        if (backwards)
            return true;
        // After the last cell of the last row: a new row of as many cells.
        QTextCursor end(block);
        end.movePosition(QTextCursor::EndOfBlock);
        QString fresh = QStringLiteral("|");
        for (int i = 1; i < bars.size(); ++i)
            fresh += QStringLiteral("   |");
        end.insertText(QLatin1Char('\n') + fresh);
        row = block.next();
    }
    const QVector<int> rowBars = barsOf(row.text());
    if (rowBars.size() >= 2) {
        const int target = backwards ? int(rowBars.size()) - 2 : 0;
        selectCell(editor, row, rowBars[target], rowBars[target + 1]);
    }
    return true;
}

bool indentListItem(QPlainTextEdit *editor, bool backwards)
{
    static const QRegularExpression item(QStringLiteral("^( *)([-*+]|\\d{1,9}[.)])( +)"));
    const QTextBlock block = editor->textCursor().block();
    const QRegularExpressionMatch match = item.match(block.text());
    if (!match.hasMatch())
        return false;
    const int width = match.capturedLength(2) + match.capturedLength(3);
    QTextCursor start(block);
    if (!backwards) {
        start.insertText(QString(width, QLatin1Char(' ')));
    } else {
        start.setPosition(block.position() + std::min(width, match.capturedLength(1)), QTextCursor::KeepAnchor);
        start.removeSelectedText();
    }
    return true;
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
