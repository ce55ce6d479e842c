#include "markdownfolder.h"

#include <QDir>
#include <QFileInfo>

namespace MarkdownFolder {

bool isMarkdownFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("md") || suffix == QLatin1String("mdx");
}

QFileInfoList entries(const QString &folder)
{
    QFileInfoList listed;
    const QFileInfoList all =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::DirsFirst);
    for (const QFileInfo &entry : all)
        if (entry.isDir() || isMarkdownFile(entry.fileName()))
            listed << entry;
    return listed;
}

}
