#include "highlighter.h"

#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>

const QStringList &highlightedKeywords()
{
    static const QStringList keywords{
        QStringLiteral("class"),    QStringLiteral("const"),     QStringLiteral("double"),   QStringLiteral("enum"),
        QStringLiteral("explicit"), QStringLiteral("friend"),    QStringLiteral("inline"),   QStringLiteral("int"),
        QStringLiteral("long"),     QStringLiteral("namespace"), QStringLiteral("operator"), QStringLiteral("private"),
        QStringLiteral("protected"), QStringLiteral("public"),   QStringLiteral("short"),    QStringLiteral("signals"),
        QStringLiteral("signed"),   QStringLiteral("slots"),     QStringLiteral("static"),   QStringLiteral("struct"),
        QStringLiteral("template"), QStringLiteral("typedef"),   QStringLiteral("typename"), QStringLiteral("union"),
        QStringLiteral("unsigned"), QStringLiteral("virtual"),   QStringLiteral("void"),     QStringLiteral("volatile"),
        QStringLiteral("bool")};
    return keywords;
}

Highlighter::Highlighter(QTextDocument *document, const EditorTheme &theme)
    : QSyntaxHighlighter(document)
{
    turnEnd.setSingleShot(true);
    turnEnd.setInterval(0);
    connect(&turnEnd, &QTimer::timeout, this, [this] { blocksThisTurn = 0; });
    pendingSlices.setInterval(0);
    connect(&pendingSlices, &QTimer::timeout, this, &Highlighter::highlightPendingSlice);
    if (document)
        connect(document, &QTextDocument::contentsChange, this, [this](int position) { noteEdit(position); });
    setTheme(theme);
}

void Highlighter::addRule(const QString &pattern, QTextCharFormat &format, const char *colourKey, Trigger trigger)
{
    format.setForeground(currentTheme.colour(QLatin1String(colourKey)));
    HighlightingRule rule{QRegularExpression(pattern), format, trigger};
    rule.pattern.optimize();
    highlightRules.append(rule);
}

void Highlighter::setTheme(const EditorTheme &theme)
{
    highlightRules.clear();
    if (theme.isEmpty()) {
        rehighlight();
        return;
    }
    currentTheme = theme;

    for (int level = 1; level <= 6; ++level)
        addRule(QStringLiteral("^#{%1} .+").arg(level), headingFormats[level - 1], "headingColor",
                Trigger::StartsWithHash);
    italicFormat.setFontItalic(true);
    addRule(QStringLiteral("(\\*|_)[^*_]+(\\*|_)"), italicFormat, "italicColor", Trigger::StarOrUnderscore);
    boldFormat.setFontWeight(75);
    addRule(QStringLiteral("(\\*\\*|__)[^*_]+(\\*\\*|__)"), boldFormat, "boldColor", Trigger::DoubleStarOrUnderscore);
    strikethroughFormat.setFontStrikeOut(true);
    addRule(QStringLiteral("~~[^~]+~~"), strikethroughFormat, "strikethroughColor", Trigger::DoubleTilde);
    addRule(QStringLiteral("^> .+"), blockquoteFormat, "blockquoteColor", Trigger::StartsWithQuote);
    addRule(QStringLiteral("^\\d+\\. .+"), orderedListFormat, "listColor", Trigger::StartsWithDigit);
    addRule(QStringLiteral("^[+*-] .+"), unorderedListFormat, "listColor", Trigger::StartsWithBullet);
    addRule(QStringLiteral("`[^`]+`"), inlineCodeFormat, "inlineCodeColor", Trigger::Backquote);
    addRule(QStringLiteral("^---$"), horizontalRuleFormat, "hrColor", Trigger::Dashes);
    linkWithTitleFormat.setFontItalic(true);
    addRule(QStringLiteral("\\[([^\\]]*)\\]\\( *([^)]*) *\"([^\"]*)\" *\\)"), linkWithTitleFormat, "linkColor",
            Trigger::LinkSyntax);
    linkFormat.setFontItalic(true);
    addRule(QStringLiteral("\\[([^\\]]*)\\]\\( *([^)]*) *\\)"), linkFormat, "linkColor", Trigger::LinkSyntax);
    imageFormat.setFontItalic(true);
    addRule(QStringLiteral("!\\[([^\\]]*)\\]\\( *([^)]*) *\\)"), imageFormat, "imageColor", Trigger::LinkSyntax);
    addRule(QStringLiteral("\\|"), tableFormat, "tableColor", Trigger::Bar);
    addRule(QStringLiteral("^```.*"), codeFenceFormat, "codeblockColor", Trigger::StartsWithFence);

    // The heading marker and the 29 keywords share one format, and no two of
    // their matches can overlap, so one alternation colours exactly what 30
    // separate rules would.
    const QString words = highlightedKeywords().join(QLatin1Char('|'));
    addRule(QStringLiteral("^(?:#){1,6} |\\b(?:") + words + QStringLiteral(")\\b"), keywordFormat, "keywordColor",
            Trigger::Any);
    rehighlight();
}

bool Highlighter::lineMayMatch(Trigger trigger, const QString &text)
{
    const QChar first = text.isEmpty() ? QChar() : text.at(0);
    switch (trigger) {
    case Trigger::Any:
        return true;
    case Trigger::StartsWithHash:
        return first == QLatin1Char('#');
    case Trigger::StarOrUnderscore:
        return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('_'));
    case Trigger::DoubleStarOrUnderscore:
        return text.contains(QLatin1String("**")) || text.contains(QLatin1String("__"));
    case Trigger::DoubleTilde:
        return text.contains(QLatin1String("~~"));
    case Trigger::StartsWithQuote:
        return text.startsWith(QLatin1String("> "));
    case Trigger::StartsWithDigit:
        return first.isDigit();
    case Trigger::StartsWithBullet:
        return first == QLatin1Char('+') || first == QLatin1Char('*') || first == QLatin1Char('-');
    case Trigger::Backquote:
        return text.contains(QLatin1Char('`'));
    case Trigger::Dashes:
        return text == QLatin1String("---");
    case Trigger::LinkSyntax:
        return text.contains(QLatin1String("]("));
    case Trigger::Bar:
        return text.contains(QLatin1Char('|'));
    case Trigger::StartsWithFence:
        return text.startsWith(QLatin1String("```"));
    }
    return true;
}

// A line's block state says whether it still waits for its colours. When
// colouring a line changes its state, the next line is coloured in the same
// pass, so one call goes down a whole run of waiting lines.
void Highlighter::highlightBlock(const QString &text)
{
    if (inSlice) {
        if (currentBlockState() == Waiting && sliceTime.elapsed() >= sliceMs)
            return;
    } else {
        if (!turnEnd.isActive())
            turnEnd.start();
        if (++blocksThisTurn > immediateBlocks) {
            setCurrentBlockState(Waiting);
            defer(currentBlock().blockNumber());
            return;
        }
    }
    setCurrentBlockState(Coloured);
    applyRules(text);
}

void Highlighter::defer(int blockNumber)
{
    if (firstPendingBlock < 0 || blockNumber < firstPendingBlock)
        firstPendingBlock = blockNumber;
    if (!slicesPaused)
        pendingSlices.start();
}

void Highlighter::setSlicesPaused(bool paused)
{
    slicesPaused = paused;
    if (paused)
        pendingSlices.stop();
    else if (hasPendingBlocks())
        pendingSlices.start();
}

void Highlighter::replaceText(const std::function<void()> &setText)
{
    QTextDocument *text = document();
    const bool detached = text
        && disconnect(text, SIGNAL(contentsChange(int, int, int)), this, SLOT(_q_reformatBlocks(int, int, int)));
    setText();
    if (!detached)
        return;
    connect(text, SIGNAL(contentsChange(int, int, int)), this, SLOT(_q_reformatBlocks(int, int, int)));
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
        block.setUserState(Waiting);
    firstPendingBlock = 0;
    if (slicesPaused)
        return;
    highlightPendingSlice();
    if (hasPendingBlocks())
        pendingSlices.start();
}

// Line numbers shift with an edit, so the search for waiting lines starts
// again no later than the edited one.
void Highlighter::noteEdit(int position)
{
    if (firstPendingBlock < 0 || inSlice)
        return;
    const QTextBlock block = document()->findBlock(position);
    if (block.isValid())
        firstPendingBlock = qMin(firstPendingBlock, block.blockNumber());
}

void Highlighter::highlightPendingSlice()
{
    sliceTime.start();
    QTextBlock block = document()->findBlockByNumber(firstPendingBlock);
    inSlice = true;
    {
        // Colours change no text: nobody listening for edits hears of them.
        const QSignalBlocker quiet(document());
        while (sliceTime.elapsed() < sliceMs) {
            while (block.isValid() && block.userState() != Waiting)
                block = block.next();
            if (!block.isValid())
                break;
            rehighlightBlock(block);
        }
    }
    inSlice = false;
    if (block.isValid()) {
        firstPendingBlock = block.blockNumber();
    } else {
        firstPendingBlock = -1;
        pendingSlices.stop();
    }
}

void Highlighter::applyRules(const QString &text)
{
    for (const HighlightingRule &rule : qAsConst(highlightRules)) {
        if (!lineMayMatch(rule.trigger, text))
            continue;
        QRegularExpressionMatchIterator matches = rule.pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            setFormat(match.capturedStart(), match.capturedLength(), rule.format);
        }
    }
}
