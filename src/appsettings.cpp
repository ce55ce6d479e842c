#include "appsettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QSettings *appSettings()
{
    static QSettings *settings = nullptr;
    if (!settings) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(dir).mkpath(QStringLiteral("."));
        settings = new QSettings(dir + QStringLiteral("/app.ini"), QSettings::IniFormat);
        settings->setIniCodec("UTF-8");
    }
    return settings;
}
