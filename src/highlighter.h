#pragma once

#include "editortheme.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStringList>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTimer>
#include <QVector>

#include <functional>

// The words both highlighters colour wherever they stand.
const QStringList &highlightedKeywords();

// Colours Markdown line by line with the rules of an editor theme. Every match
// of every rule gets the rule's format; later rules win where matches overlap.
//
// A change of many lines at once, such as a whole document set into the
// editor, colours its first lines straight away and the rest in short slices
// from the event loop, so the editor shows the text without waiting for
// every line.
class Highlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit Highlighter(QTextDocument *document, const EditorTheme &theme = EditorTheme::chosen());

    // Lines of one change coloured before the change returns.
    static constexpr int immediateBlocks = 400;

    // Whether lines of an earlier change still wait for their colours.
    bool hasPendingBlocks() const { return firstPendingBlock >= 0; }

    // While the editor is out of sight its waiting lines keep: the time goes
    // to what the user sees.
    void setSlicesPaused(bool paused);
    // Runs `setText`, which puts a whole new text into the document. The base
    // class would go over every line of it before returning, laying each one
    // out; here the lines all wait and are coloured in slices from the top.
    void replaceText(const std::function<void()> &setText);

    // Rebuilds the rules from `theme`. An empty theme (its file missing or
    // broken) leaves no rules, and the previous theme stays the current one.
    void setTheme(const EditorTheme &theme);
    const EditorTheme &theme() const { return currentTheme; }

protected:
    void highlightBlock(const QString &text) override;

private:
    // A cheap test on the line that every match of the rule passes; lines that
    // fail it cannot match, so the pattern is not run on them.
    enum class Trigger { Any, StartsWithHash, StarOrUnderscore, DoubleStarOrUnderscore, DoubleTilde, StartsWithQuote,
                         StartsWithDigit, StartsWithBullet, Backquote, Dashes, LinkSyntax, Bar, StartsWithFence };
    struct HighlightingRule {
        QRegularExpression pattern;
        QTextCharFormat format;
        Trigger trigger = Trigger::Any;
    };
    static bool lineMayMatch(Trigger trigger, const QString &text);
    void applyRules(const QString &text);
    void defer(int blockNumber);
    void noteEdit(int position);
    void highlightPendingSlice();
    void addRule(const QString &pattern, QTextCharFormat &format, const char *colourKey, Trigger trigger);

    enum BlockState { Coloured = 0, Waiting = 1 };
    static constexpr qint64 sliceMs = 4;
    // Lines coloured since control last returned to the event loop.
    int blocksThisTurn = 0;
    QTimer turnEnd;
    // No line above this one waits for its colours.
    int firstPendingBlock = -1;
    QTimer pendingSlices;
    QElapsedTimer sliceTime;
    bool inSlice = false;
    bool slicesPaused = false;

    QVector<HighlightingRule> highlightRules;
    QTextCharFormat keywordFormat;
    QTextCharFormat boldFormat;
    QTextCharFormat italicFormat;
    QTextCharFormat blockquoteFormat;
    QTextCharFormat strikethroughFormat;
    QTextCharFormat unorderedListFormat;
    QTextCharFormat orderedListFormat;
    QTextCharFormat inlineCodeFormat;
    QTextCharFormat imageFormat;
    QTextCharFormat horizontalRuleFormat;
    QTextCharFormat linkWithTitleFormat;
    QTextCharFormat linkFormat;
    QTextCharFormat headingFormats[6];
    QTextCharFormat codeFenceFormat;
    QTextCharFormat tableFormat;
    EditorTheme currentTheme;
};
