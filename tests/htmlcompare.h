#pragma once

#include <QRegularExpression>
#include <QString>

// HTML as a reader sees it: white space between tags does not count and runs
// of white space inside text count as one space; so in the raw HTML an
// island carries (with its line feeds as references).
inline QString normalizedHtml(QString html)
{
    static const QRegularExpression betweenTags(QStringLiteral(">\\s+<"));
    static const QRegularExpression runs(QStringLiteral("\\s+"));
    static const QRegularExpression islandLineStarts(QStringLiteral("&#10;\\s*"));
    html.replace(islandLineStarts, QStringLiteral(" "));
    html.replace(QRegularExpression(QStringLiteral("=\"\\s+")), QStringLiteral("=\""));
    html.replace(betweenTags, QStringLiteral("><"));
    html.replace(runs, QStringLiteral(" "));
    return html.trimmed();
}
