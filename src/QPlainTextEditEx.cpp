#include "QPlainTextEditEx.h"

#include "editortheme.h"
#include "markdownediting.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTimer>

namespace {
const QString paragraphIndent = QStringLiteral("\u3000\u3000");
}

QPlainTextEditEx::QPlainTextEditEx(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    lineNumberArea = new LineNumberArea(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &QPlainTextEditEx::updateLineNumberAreaWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &QPlainTextEditEx::updateLineNumberArea);
    updateLineNumberAreaWidth(0);
    setGutterTheme(EditorTheme::defaults());
}

int QPlainTextEditEx::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int count = qMax(1, blockCount()); count >= 10; count /= 10)
        ++digits;
    return 3 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void QPlainTextEditEx::updateLineNumberAreaWidth(int)
{
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
}

void QPlainTextEditEx::updateLineNumberArea(const QRect &rect, int dy)
{
    if (dy)
        lineNumberArea->scroll(0, dy);
    else
        lineNumberArea->update(0, rect.y(), lineNumberArea->width(), rect.height());
    if (rect.contains(viewport()->rect()))
        updateLineNumberAreaWidth(0);
}

void QPlainTextEditEx::setCurrentLineMark(const QTextEdit::ExtraSelection &line)
{
    currentLine = {line};
    setExtraSelections(currentLine + spelling);
}

void QPlainTextEditEx::setSpellingMarks(const QList<QTextEdit::ExtraSelection> &marks)
{
    if (marks.isEmpty() && spelling.isEmpty())
        return;
    spelling = marks;
    setExtraSelections(currentLine + spelling);
}

void QPlainTextEditEx::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    menu->setObjectName(QStringLiteral("sourceContextMenu"));
    emit contextMenuOpening(menu, cursorForPosition(event->pos()).position());
    menu->exec(event->globalPos());
    delete menu;
}

void QPlainTextEditEx::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect contents = contentsRect();
    lineNumberArea->setGeometry(QRect(contents.left(), contents.top(), lineNumberAreaWidth(), contents.height()));
}

void QPlainTextEditEx::focusInEvent(QFocusEvent *event)
{
    emit GetFocus();
    QPlainTextEdit::focusInEvent(event);
}

void QPlainTextEditEx::focusOutEvent(QFocusEvent *event)
{
    emit LostFocus(toPlainText());
    QPlainTextEdit::focusOutEvent(event);
}

void QPlainTextEditEx::setGutterTheme(const EditorTheme &theme)
{
    // A theme without gutter colours keeps the default theme's.
    const auto colourOf = [&theme](const QString &key) {
        const QColor colour = theme.colour(key);
        return colour.isValid() ? colour : EditorTheme::defaults().colour(key);
    };
    gutterBackground = colourOf(QStringLiteral("lineNumberBackground"));
    gutterNumbers = colourOf(QStringLiteral("lineNumberColor"));
    lineNumberArea->update();
}

void QPlainTextEditEx::lineNumberAreaPaintEvent(QPaintEvent *event)
{
    QPainter painter(lineNumberArea);
    painter.fillRect(event->rect(), gutterBackground);
    painter.setPen(gutterNumbers);

    QTextBlock block = firstVisibleBlock();
    int number = block.blockNumber() + 1;
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    int bottom = top + qRound(blockBoundingRect(block).height());
    const int width = lineNumberAreaWidth() - 2;
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, width, lineHeight, Qt::AlignRight, QString::number(number));
        block = block.next();
        top = bottom;
        bottom = top + qRound(blockBoundingRect(block).height());
        ++number;
    }
}

void QPlainTextEditEx::setTextProgrammatically(const QString &text)
{
    settingText = true;
    replacingText = true;
    setPlainText(text);
    replacingText = false;
    QTimer::singleShot(0, this, [this] { settingText = false; });
}

bool QPlainTextEditEx::replaceChangedTextProgrammatically(const QString &text)
{
    // Beyond this, the highlighter's slices after a whole new text are quicker.
    constexpr int largestEdit = 256 * 1024;
    const QString current = markdownText();
    const int shorter = qMin(current.size(), text.size());
    int same = 0;
    while (same < shorter && current.at(same) == text.at(same))
        ++same;
    if (same > 0 && current.at(same - 1).isHighSurrogate())
        --same;
    int sameAtEnd = 0;
    while (sameAtEnd < shorter - same && current.at(current.size() - 1 - sameAtEnd) == text.at(text.size() - 1 - sameAtEnd))
        ++sameAtEnd;
    if (sameAtEnd > 0 && current.at(current.size() - sameAtEnd).isLowSurrogate())
        --sameAtEnd;
    const int removed = current.size() - same - sameAtEnd;
    const int added = text.size() - same - sameAtEnd;
    if (removed == 0 && added == 0)
        return true;
    if (qMax(removed, added) > largestEdit)
        return false;
    settingText = true;
    replacingText = true;
    QTextCursor edit(document());
    edit.beginEditBlock();
    edit.setPosition(same);
    edit.setPosition(same + removed, QTextCursor::KeepAnchor);
    edit.insertText(text.mid(same, added));
    edit.endEditBlock();
    replacingText = false;
    QTimer::singleShot(0, this, [this] { settingText = false; });
    return true;
}

QString QPlainTextEditEx::markdownText() const
{
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

// A key already waiting when the text was set is the user's own edit.
// Shift+Return would break the line inside the block with a line separator,
// which no Markdown file holds: it starts a new line as Return does.
void QPlainTextEditEx::keyPressEvent(QKeyEvent *event)
{
    settingText = false;
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (lineBreak && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
                        event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    // Tab moves between table cells and indents list items, as in the page.
    const bool tab = event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier;
    const bool backTab = event->key() == Qt::Key_Backtab;
    if ((tab || backTab) && !isReadOnly()
        && (MarkdownEditing::moveBetweenCells(this, backTab) || MarkdownEditing::indentListItem(this, backTab))) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void QPlainTextEditEx::inputMethodEvent(QInputMethodEvent *event)
{
    settingText = false;
    QPlainTextEdit::inputMethodEvent(event);
}

void QPlainTextEditEx::insertFromMimeData(const QMimeData *source)
{
    settingText = false;
    QPlainTextEdit::insertFromMimeData(source);
}

void QPlainTextEditEx::toggleParagraphIndent()
{
    static const QRegularExpression untouched(QStringLiteral("^\\s*(#+|>|```)"));
    static const QRegularExpression listMarker(QStringLiteral("^(\\s*([-*]|\\d+\\.)\\s+)"));

    QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    if (untouched.match(text).hasMatch())
        return;

    // Positions first: inside an edit block the cursor no longer sees visual lines.
    const QRegularExpressionMatch marker = listMarker.match(text);
    int at = 0;
    bool remove = false;
    if (marker.hasMatch()) {
        const int length = marker.capturedLength(1);
        at = block.position() + length;
        remove = text.midRef(length).startsWith(paragraphIndent);
    } else {
        cursor.movePosition(QTextCursor::StartOfLine);
        at = cursor.position();
        remove = text.startsWith(paragraphIndent);
    }
    cursor.beginEditBlock();
    cursor.setPosition(at);
    if (remove) {
        cursor.setPosition(at + paragraphIndent.size(), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    } else {
        cursor.insertText(paragraphIndent);
    }
    cursor.endEditBlock();
}

LineNumberArea::LineNumberArea(QPlainTextEditEx *editor)
    : QWidget(editor)
    , editor(editor)
{
}

QSize LineNumberArea::sizeHint() const
{
    return QSize(editor->lineNumberAreaWidth(), 0);
}

void LineNumberArea::paintEvent(QPaintEvent *event)
{
    editor->lineNumberAreaPaintEvent(event);
}
