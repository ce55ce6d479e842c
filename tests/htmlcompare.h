#pragma once

#include <QRegularExpression>
#include <QString>

// HTML as a reader sees it: white space between tags does not count and runs
// of white space inside text count as one space.
inline QString normalizedHtml(QString html)
{
    static const QRegularExpression betweenTags(QStringLiteral(">\\s+<"));
    static const QRegularExpression runs(QStringLiteral("\\s+"));
    html.replace(betweenTags, QStringLiteral("><"));
    html.replace(runs, QStringLiteral(" "));
    return html.trimmed();
}
