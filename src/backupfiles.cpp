#include "backupfiles.h"

#include <QDir>
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
    file.write(content(markdown, sourcePath));
    return file.commit();
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
