#include "updatecheck.h"

#include <QDir>
#include <QVersionNumber>

namespace {

QVersionNumber wholeVersion(const QString &text)
{
    int suffixIndex = 0;
    const QString trimmed = text.trimmed();
    const QVersionNumber version = QVersionNumber::fromString(trimmed, &suffixIndex);
    return suffixIndex == trimmed.size() ? version : QVersionNumber();
}

}

namespace UpdateCheck {

bool isNewer(const QString &remote, const QString &current)
{
    const QVersionNumber remoteVersion = wholeVersion(remote);
    return !remoteVersion.isNull() && remoteVersion.normalized() > wholeVersion(current).normalized();
}

QString updaterPath(const QString &applicationDir)
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("Freshen.exe");
#else
    const QString name = QStringLiteral("Freshen");
#endif
    return QDir(applicationDir).filePath(name);
}

QStringList updaterArguments(const QString &applicationName, const QString &version,
                             const QString &manifestUrl, const QString &language)
{
    return {applicationName, version, manifestUrl, language};
}

}
