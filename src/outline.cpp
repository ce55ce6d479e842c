#include "outline.h"

#include <QHash>
#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <QRegularExpression>

namespace Outline {

QList<HeaderData> scanHeadings(const QString &markdown)
{
    static const QRegularExpression heading(QStringLiteral("^(#{1,2})\\s+(.*)$"),
                                            QRegularExpression::MultilineOption);
    QList<HeaderData> headings;
    int ordinals[3] = {0, 0, 0};
    QRegularExpressionMatchIterator matches = heading.globalMatch(markdown);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        HeaderData data;
        data.level = match.capturedLength(1);
        data.ordinal = ++ordinals[data.level];
        data.text = match.captured(2);
        data.position = match.capturedStart(0);
        headings << data;
    }
    return headings;
}

QString pageHeadingSelector(const QString &tag, int ordinal)
{
    return QStringLiteral("#bodyeditor %1:nth-of-type(%2)").arg(tag).arg(ordinal);
}

namespace {
// An item's name in the tree: its text and its parent's, with the count of
// earlier items of the same name, so that repeated headings stay apart.
QString itemKey(const QTreeWidgetItem *item, QHash<QString, int> &seen)
{
    const QString name = (item->parent() ? item->parent()->text(0) + QLatin1Char('\n') : QString()) + item->text(0);
    return name + QLatin1Char('\n') + QString::number(seen[name]++);
}
}

void fillTree(QTreeWidget *tree, const QList<Entry> &entries)
{
    QSet<QString> expanded;
    QString current;
    QHash<QString, int> seen;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QString key = itemKey(*it, seen);
        if ((*it)->isExpanded())
            expanded.insert(key);
        if (*it == tree->currentItem())
            current = key;
    }
    tree->setUpdatesEnabled(false);
    tree->clear();
    QTreeWidgetItem *levelOne = nullptr;
    for (const Entry &entry : entries) {
        auto *item = entry.topLevel || !levelOne ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(levelOne);
        if (entry.topLevel)
            levelOne = item;
        item->setText(0, entry.text);
        item->setToolTip(0, entry.text);
        item->setData(0, Qt::UserRole, entry.data);
    }
    seen.clear();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QString key = itemKey(*it, seen);
        (*it)->setExpanded(expanded.contains(key));
        if (key == current)
            tree->setCurrentItem(*it);
    }
    tree->setUpdatesEnabled(true);
}

}
