#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One level-1 or level-2 heading found in the Markdown text.
struct HeaderData {
    QString text;
    int level = 0;
    int position = 0; // where the match begins, at the first hash
    int ordinal = 0;  // 1-based among the headings of the same level
};
Q_DECLARE_METATYPE(HeaderData)

namespace Outline {

// The "#" and "##" headings of `markdown`, in order. Works on the raw text,
// as the outline always has.
QList<HeaderData> scanHeadings(const QString &markdown);

// The page's address of its `ordinal`-th heading with tag "h1" or "h2".
QString pageHeadingSelector(const QString &tag, int ordinal);

}
