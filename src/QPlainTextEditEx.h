#pragma once

#include <QPlainTextEdit>
#include <QTextEdit>

class EditorTheme;
class LineNumberArea;

// The Source Code Editor: a plain-text editor with a line-number gutter.
class QPlainTextEditEx : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit QPlainTextEditEx(QWidget *parent = nullptr);

    int lineNumberAreaWidth() const;
    void lineNumberAreaPaintEvent(QPaintEvent *event);

    // Replaces the whole text without it counting as a user edit: the flag
    // stays set until the event loop turns, past every change notification,
    // or until the user types, whichever comes first.
    void setTextProgrammatically(const QString &text);
    // The same, as one edit of the part that differs, which the user can undo
    // in one step; the caret and the view stay where they were. False, with
    // nothing changed, when the part is too large for one edit to be quick.
    bool replaceChangedTextProgrammatically(const QString &text);
    bool isSettingText() const { return settingText; }
    // True only within setTextProgrammatically, while the change notifications go out.
    bool isReplacingText() const { return replacingText; }

    // The text exactly as it stands: toPlainText() turns every non-breaking
    // space into a plain one.
    QString markdownText() const;

    // Inserts or removes two ideographic spaces at the start of the line, or
    // after the marker of a list item; headings, quotes and fences are left alone.
    void toggleParagraphIndent();

    // The shaded line of the caret and the words marked as misspelt, shown together.
    void setCurrentLineMark(const QTextEdit::ExtraSelection &line);
    void setSpellingMarks(const QList<QTextEdit::ExtraSelection> &marks);
    const QList<QTextEdit::ExtraSelection> &spellingMarks() const { return spelling; }

    // The gutter's colours from an editor theme; grey where it sets none.
    void setGutterTheme(const EditorTheme &theme);

signals:
    void GetFocus();
    void LostFocus(QString text);
    // The context menu at a position of the text is about to show; a receiver
    // connected directly may add to it.
    void contextMenuOpening(QMenu *menu, int position);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private slots:
    void updateLineNumberAreaWidth(int newBlockCount);
    void updateLineNumberArea(const QRect &rect, int dy);

private:
    LineNumberArea *lineNumberArea = nullptr;
    QList<QTextEdit::ExtraSelection> currentLine;
    QList<QTextEdit::ExtraSelection> spelling;
    bool settingText = false;
    bool replacingText = false;
    QColor gutterBackground;
    QColor gutterNumbers;
};

class LineNumberArea : public QWidget
{
    Q_OBJECT
public:
    explicit LineNumberArea(QPlainTextEditEx *editor);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPlainTextEditEx *editor;
};
