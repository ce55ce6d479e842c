#include "resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <QtGlobal>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(pageassets);
    Q_INIT_RESOURCE(translations);
}

void initPenwickResources()
{
    initResourcesOutsideNamespace();
}

QString themesFolder()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/themes");
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/penwick/themes");
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : QDir::cleanPath(installed);
}
