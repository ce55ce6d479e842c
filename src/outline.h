#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>

class QTreeWidget;

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

// One entry of the outline tree: a level-1 heading, or one under the last.
struct Entry {
    bool topLevel = true;
    QString text;
    QVariant data;
};
// Fills `tree` with `entries`. The entries expanded and the one marked
// before stay so where the same headings are still there.
void fillTree(QTreeWidget *tree, const QList<Entry> &entries);

}
