#pragma once

#include <QString>

#include <functional>

class QPlainTextEdit;

// The text-cursor edits behind the formatting commands when they act on the
// Markdown text, and the texts those commands insert.
namespace MarkdownEditing {

// Puts `mark` on both sides of the selection (side by side without one).
void wrapSelection(QPlainTextEdit *editor, const QString &mark);
// Puts `prefix` at the start of the cursor's line unless its block already begins with it.
void prefixLine(QPlainTextEdit *editor, const QString &prefix);
// Prefixes every block the selection touches, as one undo step; `prefixFor` gets 1, 2, 3 ...
void prefixSelectedBlocks(QPlainTextEdit *editor, const std::function<QString(int)> &prefixFor);
void insertHorizontalRule(QPlainTextEdit *editor);
// Fences always stand on lines of their own; with nothing selected the caret
// waits on the empty line between them.
void insertCodeBlock(QPlainTextEdit *editor);
void deleteSelection(QPlainTextEdit *editor);
// Emphasis, strong, strike-through, code marks and links in the selection
// give way to their text.
void removeInlineMarkup(QPlainTextEdit *editor);
QString withoutInlineMarkup(QString text);
// The links in the selection, or the one at the caret, give way to their text.
void removeLinks(QPlainTextEdit *editor);
// Heading, quote and list markers go from the lines the selection touches.
void makeParagraphs(QPlainTextEdit *editor);

// Tab in a table row: to the next cell (the previous one `backwards`), on to
// the next row, and a new row after the last. False outside a table.
bool moveBetweenCells(QPlainTextEdit *editor, bool backwards);
// Tab on a list item's line: the item goes one level deeper (out one level
// `backwards`). False on any other line.
bool indentListItem(QPlainTextEdit *editor, bool backwards);

// A table of `rows` lines (the header counts) and `columns` cells, starting with a line feed.
QString markdownTable(int rows, int columns);

// The zoom steps of the Visual Editor: 0.05 a step, within 0.25 and 5.0.
double zoomedIn(double factor);
double zoomedOut(double factor);
QString zoomPercent(double factor);

}
