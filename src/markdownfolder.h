#pragma once

#include <QFileInfoList>
#include <QString>

// What the file browser lists of a folder.
namespace MarkdownFolder {

// A file ending in ".md" or ".mdx", in any letter case.
bool isMarkdownFile(const QString &path);

// The folder's sub-folders, then its Markdown files, each group in name
// order; hidden entries are left out.
QFileInfoList entries(const QString &folder);

}
