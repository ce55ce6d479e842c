#include "sourcespelling.h"

#include "QPlainTextEditEx.h"
#include "spellchecker.h"
#include "spellingmenu.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace {
// After typing the marks wait for a pause; after scrolling they follow at once.
constexpr int afterEditMs = 300;
constexpr int afterScrollMs = 30;
}

SourceSpelling::SourceSpelling(QPlainTextEditEx *editor, SpellChecker *checker, QObject *parent)
    : QObject(parent)
    , editor(editor)
    , checker(checker)
{
    pending.setSingleShot(true);
    connect(&pending, &QTimer::timeout, this, &SourceSpelling::markVisibleWords);
    connect(editor->document(), &QTextDocument::contentsChange, this, [this](int position) {
        forgetStatesFrom(position);
        schedule(afterEditMs);
    });
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { schedule(afterScrollMs); });
    connect(checker, &SpellChecker::wordsChanged, this, [this] { schedule(0); });
    connect(checker, &SpellChecker::languageChanged, this, [this] { schedule(0); });
    editor->installEventFilter(this);
}

void SourceSpelling::setEnabled(bool on)
{
    enabled = on;
    if (on) {
        schedule(0);
    } else {
        pending.stop();
        editor->setSpellingMarks({});
    }
}

bool SourceSpelling::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == editor && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
        schedule(afterScrollMs);
    return QObject::eventFilter(watched, event);
}

void SourceSpelling::schedule(int delayMs)
{
    if (!enabled)
        return;
    // Typing on restarts the wait; a scroll does not put off marks already due.
    if (!pending.isActive() || delayMs >= afterEditMs || delayMs < pending.remainingTime())
        pending.start(delayMs);
}

void SourceSpelling::forgetStatesFrom(int position)
{
    const QTextBlock block = editor->document()->findBlock(position);
    // The state before the edited line depends only on the lines above it.
    const size_t kept = block.isValid() ? size_t(block.blockNumber()) + 1 : 0;
    if (states.size() > kept)
        states.resize(kept);
}

MarkdownWords::LineState SourceSpelling::stateBefore(const QTextBlock &target)
{
    if (states.empty())
        states.push_back(MarkdownWords::LineState());
    const int number = target.blockNumber();
    if (size_t(number) < states.size())
        return states[size_t(number)];
    MarkdownWords::LineState state = states.back();
    QTextBlock block = editor->document()->findBlockByNumber(int(states.size()) - 1);
    for (int line = int(states.size()) - 1; block.isValid() && line < number; ++line, block = block.next()) {
        MarkdownWords::skipLine(block.text(), state);
        states.push_back(state);
    }
    return state;
}

void SourceSpelling::markVisibleWords()
{
    // An editor not on screen (behind the other one, or still being laid out)
    // loads no dictionary: most sessions that never show it never need one.
    if (!enabled || !editor->isVisible() || editor->visibleRegion().isEmpty() || !checker->isAvailable()) {
        editor->setSpellingMarks({});
        return;
    }
    const QRect area = editor->viewport()->rect();
    QTextBlock block = editor->cursorForPosition(area.topLeft()).block();
    const int last = editor->cursorForPosition(area.bottomRight()).block().blockNumber();
    MarkdownWords::LineState state = stateBefore(block);
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    QList<QTextEdit::ExtraSelection> marks;
    for (; block.isValid() && block.blockNumber() <= last; block = block.next()) {
        const QString text = block.text();
        for (const MarkdownWords::Word &word : MarkdownWords::wordsOfLine(text, state)) {
            if (checker->isCorrect(text.mid(word.start, word.length)))
                continue;
            QTextEdit::ExtraSelection mark;
            mark.format = format;
            mark.cursor = QTextCursor(block);
            mark.cursor.setPosition(block.position() + word.start);
            mark.cursor.setPosition(block.position() + word.start + word.length, QTextCursor::KeepAnchor);
            marks.append(mark);
        }
    }
    editor->setSpellingMarks(marks);
    emit marked();
}

QTextCursor SourceSpelling::misspeltWordAt(int position)
{
    if (!enabled || !checker->isAvailable())
        return {};
    const QTextBlock block = editor->document()->findBlock(position);
    if (!block.isValid())
        return {};
    MarkdownWords::LineState state = stateBefore(block);
    const QString text = block.text();
    const int inBlock = position - block.position();
    for (const MarkdownWords::Word &word : MarkdownWords::wordsOfLine(text, state)) {
        if (inBlock < word.start || inBlock > word.start + word.length)
            continue;
        if (checker->isCorrect(text.mid(word.start, word.length)))
            return {};
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + word.start);
        cursor.setPosition(block.position() + word.start + word.length, QTextCursor::KeepAnchor);
        return cursor;
    }
    return {};
}

void SourceSpelling::offerCorrections(QMenu *menu, int position)
{
    const QTextCursor word = misspeltWordAt(position);
    if (word.isNull())
        return;
    const QString misspelt = word.selectedText();
    SpellingMenu::offer(menu, misspelt, checker->suggestions(misspelt), checker, [this, word](const QString &replacement) {
        // One edit, undone in one step.
        QTextCursor edit = word;
        edit.insertText(replacement);
    });
}
