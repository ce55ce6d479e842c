#pragma once

#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QVector>

// The words both highlighters colour wherever they stand.
const QStringList &highlightedKeywords();

// Colours Markdown line by line with the rules of an editor theme. Every match
// of every rule gets the rule's format; later rules win where matches overlap.
class Highlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit Highlighter(QTextDocument *document);

    // Rebuilds the rules from the editor theme file of that name. Without a
    // readable file there are no rules and the previous theme object stays.
    void loadTheme(const QString &name);

    QJsonObject themeObject;

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
    void addRule(const QString &pattern, QTextCharFormat &format, const char *colourKey, Trigger trigger);

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
};
