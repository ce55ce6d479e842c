#include "imageplacement.h"

#include "config.h"
#include "htmlislands.h"
#include "markdownflags.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>
#include <QUuid>

#include <md4c.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ImagePlacement {

namespace {
constexpr int copyIntoAssets = 1;
const QString lastCounter = QStringLiteral("9999");

bool makeAssetsFolder(const QString &documentPath)
{
    return QDir().mkpath(assetsFolder(documentPath));
}

bool isRelativeAddress(const QString &address)
{
    static const QRegularExpression schemeOrRoot(QStringLiteral("^([a-zA-Z][a-zA-Z0-9+.-]*:|[/\\#?])"));
    return !address.isEmpty() && !schemeOrRoot.match(address).hasMatch();
}

// Where md4c finds image addresses: byte ranges of the source that hold an
// address exactly as written.
struct ImageScan {
    const char *base = nullptr;
    size_t size = 0;
    std::vector<std::pair<size_t, size_t>> addresses;
};

int noteImage(MD_SPANTYPE type, void *detail, void *userdata)
{
    if (type != MD_SPAN_IMG)
        return 0;
    auto *scan = static_cast<ImageScan *>(userdata);
    const MD_ATTRIBUTE &src = static_cast<const MD_SPAN_IMG_DETAIL *>(detail)->src;
    const bool plain = src.size > 0 && src.substr_offsets[1] == src.size && src.substr_types[0] == MD_TEXT_NORMAL;
    if (plain && src.text >= scan->base && src.text + src.size <= scan->base + scan->size)
        scan->addresses.emplace_back(static_cast<size_t>(src.text - scan->base), src.size);
    return 0;
}

std::vector<std::pair<size_t, size_t>> imageAddresses(const std::string &markdown)
{
    ImageScan scan;
    scan.base = markdown.data();
    scan.size = markdown.size();
    const size_t frontMatter = HtmlIslands::frontMatterLength(markdown);
    scanMarkdown(markdown, frontMatter, &scan, nullptr, nullptr, noteImage, nullptr, nullptr);
    static const QRegularExpression imageSource(
        QStringLiteral("<img\\b[^>]*?\\ssrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    for (const HtmlIslands::Island &island : HtmlIslands::find(markdown)) {
        if (island.kind == HtmlIslands::Kind::FrontMatter)
            continue;
        const std::string raw = markdown.substr(island.begin, island.end - island.begin);
        // Offsets come back in bytes: the island is matched as Latin-1.
        QRegularExpressionMatchIterator found = imageSource.globalMatch(QString::fromLatin1(raw.data(), int(raw.size())));
        while (found.hasNext()) {
            const QRegularExpressionMatch match = found.next();
            for (int group = 1; group <= 3; ++group)
                if (match.capturedStart(group) >= 0 && match.capturedLength(group) > 0)
                    scan.addresses.emplace_back(island.begin + size_t(match.capturedStart(group)),
                                                size_t(match.capturedLength(group)));
        }
    }
    std::sort(scan.addresses.begin(), scan.addresses.end());
    scan.addresses.erase(std::unique(scan.addresses.begin(), scan.addresses.end()), scan.addresses.end());
    return scan.addresses;
}
}

QString pathForDocument(const QString &documentPath, const QString &path)
{
    if (documentPath.isEmpty() || !QFileInfo(path).isAbsolute())
        return path;
    const QString relative = QFileInfo(documentPath).absoluteDir().relativeFilePath(path);
    // On another drive there is no relative path.
    return QFileInfo(relative).isAbsolute() ? path : relative;
}

QString movedImagePaths(const QString &markdown, const QString &fromFolder, const QString &toFolder)
{
    const QDir from(fromFolder);
    const QDir to(toFolder);
    if (fromFolder.isEmpty() || toFolder.isEmpty() || from.absolutePath() == to.absolutePath())
        return markdown;
    const std::string text = markdown.toStdString();
    std::string moved;
    size_t copied = 0;
    for (const auto &address : imageAddresses(text)) {
        const QString written = QString::fromUtf8(text.data() + address.first, int(address.second));
        if (!isRelativeAddress(written))
            continue;
        const int queryAt = written.indexOf(QRegularExpression(QStringLiteral("[?#]")));
        const QString path = queryAt < 0 ? written : written.left(queryAt);
        const bool encoded = path.contains(QLatin1Char('%'));
        const QString file = encoded ? QUrl::fromPercentEncoding(path.toUtf8()) : path;
        QString relative = to.relativeFilePath(from.absoluteFilePath(file));
        if (QFileInfo(relative).isAbsolute())
            continue;
        const bool quoted = address.first > 0 && std::string_view("<\"'").find(text[address.first - 1]) != std::string_view::npos;
        if (encoded || (!quoted && relative.contains(QLatin1Char(' '))))
            relative = QString::fromUtf8(QUrl::toPercentEncoding(relative, "/!$&'()*+,;=:@-._~"));
        moved.append(text, copied, address.first - copied);
        moved += QString(relative + written.mid(path.size())).toStdString();
        copied = address.first + address.second;
    }
    if (copied == 0)
        return markdown;
    moved.append(text, copied, std::string::npos);
    return QString::fromStdString(moved);
}

QString assetsFolder(const QString &documentPath)
{
    const QFileInfo document(documentPath);
    return document.path() + QLatin1Char('/') + document.baseName() + QStringLiteral(".assets");
}

QString placeImageFile(const QString &documentPath, const QString &sourcePath)
{
    if (Config::get(Config::ImageCopyMethod).toInt() != copyIntoAssets || documentPath.isEmpty())
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
