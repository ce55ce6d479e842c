#include "recentfiles.h"

#include "config.h"


namespace RecentFiles {

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
    return Config::get(Config::RecentFiles).toStringList();
}

void add(const QString &path)
{
    Config::set(Config::RecentFiles, withFileAdded(load(), path));
}

void remove(const QString &path)
{
    Config::set(Config::RecentFiles, withFileRemoved(load(), path));
}

}
