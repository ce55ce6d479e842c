#include "imageplacement.h"

#include "appsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QUuid>

namespace ImagePlacement {

namespace {
constexpr int copyIntoAssets = 1;
const QString lastCounter = QStringLiteral("9999");

bool makeAssetsFolder(const QString &documentPath)
{
    return QDir().mkpath(assetsFolder(documentPath));
}
}

QString assetsFolder(const QString &documentPath)
{
    const QFileInfo document(documentPath);
    return document.path() + QLatin1Char('/') + document.baseName() + QStringLiteral(".assets");
}

QString placeImageFile(const QString &documentPath, const QString &sourcePath)
{
    if (appSettings()->value(QStringLiteral("saveImageType")).toInt() != copyIntoAssets || documentPath.isEmpty())
        return sourcePath;
    makeAssetsFolder(documentPath);
    const QString name = sourcePath.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
    const QString target = uniqueFilePath(assetsFolder(documentPath) + QLatin1Char('/') + name);
    return QFile::copy(sourcePath, target) ? target : sourcePath;
}

QString uniqueFilePath(const QString &path)
{
    QString target = path;
    while (QFileInfo::exists(target)) {
        const QFileInfo info(target);
        QString base = info.completeBaseName();
        const QString tail = base.right(4);
        bool digits = tail.size() == 4;
        for (const QChar c : tail)
            digits = digits && c.isDigit() && c.unicode() < 128;
        if (digits && tail != lastCounter)
            base = base.left(base.size() - 4) + QStringLiteral("%1").arg(tail.toInt() + 1, 4, 10, QLatin1Char('0'));
        else
            base += QStringLiteral("-0000");
        // A name without a suffix keeps having none, rather than gaining a lone dot.
        const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        target = info.path() + QLatin1Char('/') + base + suffix;
    }
    return target;
}

SavedImage saveClipboardImage(const QImage &image, const QString &documentPath)
{
    if (image.isNull() || documentPath.isEmpty() || !makeAssetsFolder(documentPath))
        return {};
    const QString fileName = QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".png");
    const QString path = assetsFolder(documentPath) + QLatin1Char('/') + fileName;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return {};
    return {path, fileName};
}

bool isLocalImagePath(const QString &text)
{
    static const QRegularExpression drivePath(QStringLiteral(
        "^[a-zA-Z]:([\\\\/][^\\s\\\\/:*?<>\"|][^\\\\/:*?<>\"|]*)*([/\\\\])?$"));
    // Absolute paths without a drive letter are how every local file is named on Linux.
    static const QRegularExpression rootedPath(QStringLiteral("^/[^\\x00]*[^/\\x00]$"));
    return drivePath.match(text).hasMatch() || rootedPath.match(text).hasMatch();
}

bool isRelativeImagePath(const QString &text)
{
    static const QRegularExpression relativePath(
        QStringLiteral("^(?![a-zA-Z][a-zA-Z0-9+.-]*:)[^/\\\\\\x00-\\x1f][^\\x00-\\x1f]*[^/\\\\\\x00-\\x1f]$"));
    return relativePath.match(text).hasMatch() && !text.trimmed().isEmpty();
}

bool containsWebAddress(const QString &text)
{
    static const QRegularExpression webAddress(
        QStringLiteral("https?://[-a-z0-9]+(\\.[-a-z0-9]+)*\\.[a-zA-Z]{2,}/[-a-zA-Z0-9_:@&?=+,.!/~*'%$]*"));
    return webAddress.match(text).hasMatch();
}

}
