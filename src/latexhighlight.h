#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QVector>

// Fixed colours for TeX source in the formula dialog.
class LatexHighlight : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit LatexHighlight(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    struct HighlightingRule {
        QRegularExpression pattern;
        QTextCharFormat format;
    };
    void addRule(const QString &pattern, const QColor &colour, int style = 0);

    QVector<HighlightingRule> rules;
    QFont font;
};
