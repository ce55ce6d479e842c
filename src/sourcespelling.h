#pragma once

#include "markdownwords.h"

#include <QObject>
#include <QTextCursor>
#include <QTimer>

#include <vector>

class QMenu;
class QPlainTextEditEx;
class QTextBlock;
class SpellChecker;

// Marks the misspelt prose words of the Source Code Editor with a wavy line,
// over the highlighter's colours. Only the lines on screen are checked, a
// moment after the text or the view changes, so a long document costs no more
// than a short one; the context menu of a marked word offers corrections.
class SourceSpelling : public QObject
{
    Q_OBJECT
public:
    SourceSpelling(QPlainTextEditEx *editor, SpellChecker *checker, QObject *parent = nullptr);

    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled; }

    // The misspelt word at a position of the text, selected, or a null cursor.
    QTextCursor misspeltWordAt(int position);
    // Puts the word's suggestions, "Add to Dictionary" and "Ignore" at the top of `menu`.
    void offerCorrections(QMenu *menu, int position);

signals:
    // The words on screen were checked and marked.
    void marked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void schedule(int delayMs);
    void markVisibleWords();
    MarkdownWords::LineState stateBefore(const QTextBlock &block);
    void forgetStatesFrom(int position);

    QPlainTextEditEx *editor;
    SpellChecker *checker;
    bool enabled = false;
    QTimer pending;
    // The Markdown state before each line, worked out from the top and kept
    // until an edit above makes it stale.
    std::vector<MarkdownWords::LineState> states;
};
