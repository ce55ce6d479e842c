#include "startup.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

void messageFilter(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("OpenType support missing")))
        return;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString editorThemeDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/editortheme");
}

void installDefaultEditorThemes(const QString &editorThemeDir)
{
    QDir dir(editorThemeDir);
    if (dir.exists())
        return;
    dir.mkpath(QStringLiteral("."));
    for (const char *name : {"light.json", "dark.json"}) {
        const QString target = editorThemeDir + QLatin1Char('/') + QLatin1String(name);
        QFile::copy(QStringLiteral(":/editortheme/") + QLatin1String(name), target);
        // Copies of resources are read-only; the settings window edits these files.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

QString chooseStartupFile(const QStringList &arguments, int openType, const QStringList &recentFiles)
{
    QString file;
    if (arguments.size() > 1)
        file = QString(arguments.at(1)).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (file.isEmpty() && openType == 1 && !recentFiles.isEmpty())
        file = recentFiles.first();
    return file;
}

bool runningAsRoot()
{
#ifdef Q_OS_WIN
    return false;
#else
    return geteuid() == 0;
#endif
}

QByteArray webEngineFlags(const QByteArray &currentFlags, bool asRoot)
{
    QList<QByteArray> flags = currentFlags.split(' ');
    flags.removeAll(QByteArray());
    const bool ownScriptFlags =
        std::any_of(flags.cbegin(), flags.cend(), [](const QByteArray &flag) { return flag.startsWith("--js-flags"); });
    if (asRoot && !flags.contains("--no-sandbox"))
        flags << "--no-sandbox";
    if (!ownScriptFlags)
        flags << "--js-flags=--expose-gc,--max-semi-space-size=1";
    return flags.join(' ');
}

void keepLargeBuffersOutOfTheHeap()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}
