#include "outline.h"

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

}
