#pragma once

#include <QStringList>

// The recently opened files, newest first, at most maxEntries long.
namespace RecentFiles {
constexpr int maxEntries = 5;

QStringList withFileAdded(QStringList list, const QString &path);
QStringList withFileRemoved(QStringList list, const QString &path);

// Read and written through the settings key "recentFileList".
QStringList load();
void add(const QString &path);
void remove(const QString &path);
}
