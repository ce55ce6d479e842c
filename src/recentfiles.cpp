#include "recentfiles.h"

#include "appsettings.h"

#include <QSettings>

namespace RecentFiles {

static const QString settingsKey = QStringLiteral("recentFileList");

QStringList withFileAdded(QStringList list, const QString &path)
{
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > maxEntries)
        list.removeLast();
    return list;
}

QStringList withFileRemoved(QStringList list, const QString &path)
{
    list.removeAll(path);
    return list;
}

QStringList load()
{
    return appSettings()->value(settingsKey, QStringList()).toStringList();
}

void add(const QString &path)
{
    appSettings()->setValue(settingsKey, withFileAdded(load(), path));
}

void remove(const QString &path)
{
    appSettings()->setValue(settingsKey, withFileRemoved(load(), path));
}

}
