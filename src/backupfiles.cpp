#include "backupfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace BackupFiles {

QString folder()
{
    return QStandardPaths::standardLocations(QStandardPaths::AppDataLocation).value(0) + QStringLiteral("/backup");
}

QString backupName(const QString &documentFileName, const QDateTime &when)
{
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd_hhmmsszzz"));
    const QString prefix = documentFileName.isEmpty() ? QStringLiteral("untitled") : documentFileName;
    return prefix + QLatin1Char('-') + stamp;
}

QByteArray content(const QString &markdown, const QString &sourcePath)
{
    const QJsonObject object{{QStringLiteral("markdown"), markdown}, {QStringLiteral("srcpath"), sourcePath}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool write(const QString &path, const QString &markdown, const QString &sourcePath)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(content(markdown, sourcePath));
    return file.commit();
}

bool read(const QString &path, QString *markdown, QString *sourcePath)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonValue text = object.value(QStringLiteral("markdown"));
    if (!text.isString())
        return false;
    *markdown = text.toString();
    *sourcePath = object.value(QStringLiteral("srcpath")).toString();
    return true;
}

QString newestFor(const QString &folder, const QString &sourcePath, const QDateTime &newerThan)
{
    for (const QFileInfo &file : list(folder)) {
        if (newerThan.isValid() && file.lastModified() <= newerThan)
            break;
        QString markdown;
        QString backedUpPath;
        if (read(file.filePath(), &markdown, &backedUpPath) && backedUpPath == sourcePath)
            return file.filePath();
    }
    return QString();
}

QFileInfoList list(const QString &folder)
{
    QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    return files;
}

}
