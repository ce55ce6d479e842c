#include "latexhighlight.h"

#include "config.h"
#include "highlighter.h"


namespace {
enum Style { Plain = 0, Italic = 1, Bold = 2, StrikeOut = 4 };
}

LatexHighlight::LatexHighlight(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
    font.setPixelSize(Config::get(Config::FormulaFontSize).toInt());

    const QColor blue(0, 94, 255);
    const QColor orange(255, 128, 64);
    const QColor purple(223, 85, 255);
    const QColor brown(170, 85, 0);
    const QColor cyan(62, 206, 244);
    addRule(QStringLiteral("\\\\\\w+"), Qt::red);
    addRule(QStringLiteral("\\{"), blue);
    addRule(QStringLiteral("\\}"), blue);
    addRule(QStringLiteral("%.*?$"), QColor(49, 137, 49));
    addRule(QStringLiteral("^(?:#){5} (.*)"), orange);
    addRule(QStringLiteral("^(?:#){6} (.*)"), orange);
    addRule(QStringLiteral("(\\*|_)(.*?)\\1"), QColor(), Italic);
    addRule(QStringLiteral("(\\*\\*|__)(.*?)\\1"), QColor(), Bold);
    addRule(QStringLiteral("~~(.*)~~"), QColor(), StrikeOut);
    addRule(QStringLiteral("^> (.*)"), QColor(0, 153, 0));
    addRule(QStringLiteral("^[1-9]+[0-9]*\\. .*"), purple);
    addRule(QStringLiteral("^[+*-] .*"), purple);
    addRule(QStringLiteral("`{1,2}[^`](.*?)`{1,2}"), brown);
    addRule(QStringLiteral("---"), Qt::darkYellow);
    addRule(QStringLiteral("\\[([^\\]]*)\\]\\( *([^)^ ^\"]*) *\"([^\"]*)\" *\\)"), brown, Italic);
    addRule(QStringLiteral("\\[([^\\]]*)\\]\\( *([^)^ ^\"]*) *\\)"), brown, Italic);
    addRule(QStringLiteral("!\\[([^\\]]*)\\]\\( *([^)^ ^\"]*) *\\)"), QColor(170, 17, 17), Italic);
    addRule(QStringLiteral("\\|"), QColor(223, 196, 125), Bold);
    addRule(QStringLiteral("```(?:\\s*(\\w+))?"), cyan, Bold);
    addRule(QStringLiteral("\\\\\\\\"), cyan, Bold);
    for (const QString &keyword : highlightedKeywords())
        addRule(QStringLiteral("\\b") + keyword + QStringLiteral("\\b"), cyan, Bold);
}

void LatexHighlight::addRule(const QString &pattern, const QColor &colour, int style)
{
    HighlightingRule rule{QRegularExpression(pattern), QTextCharFormat()};
    if (colour.isValid())
        rule.format.setForeground(colour);
    if (style & Italic)
        rule.format.setFontItalic(true);
    if (style & Bold)
        rule.format.setFontWeight(75);
    if (style & StrikeOut)
        rule.format.setFontStrikeOut(true);
    // Only the size comes from the font, so the italic and bold rules keep their style.
    rule.format.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
    rules.append(rule);
}

void LatexHighlight::highlightBlock(const QString &text)
{
    for (const HighlightingRule &rule : qAsConst(rules)) {
        QRegularExpressionMatchIterator matches = rule.pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            setFormat(match.capturedStart(), match.capturedLength(), rule.format);
        }
    }
}
