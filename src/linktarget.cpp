#include "linktarget.h"

#include "content.h"

#include <QDir>
#include <QFileInfo>

LinkTarget LinkTarget::of(const QString &href, const QString &documentPath)
{
    LinkTarget target;
    const QString address = href.trimmed();
    if (Content::hasScriptScheme(address)) {
        target.kind = Script;
        return target;
    }
    if (address.startsWith(QLatin1Char('#'))) {
        target.kind = Anchor;
        target.fragment = QUrl::fromPercentEncoding(address.mid(1).toUtf8());
        return target;
    }
    const QUrl given(address);
    // A Windows path ("C:\notes\a.md") reads as a URL of scheme "c".
    const bool localPath = given.scheme().size() <= 1 || QDir::isAbsolutePath(address);
    if (localPath) {
        const QString path = given.scheme().size() == 1 ? address : given.path();
        const QString folder = documentPath.isEmpty() ? QString() : QFileInfo(documentPath).absolutePath();
        if (QDir::isRelativePath(path) && folder.isEmpty())
            target.url = given;
        else
            target.url = QUrl::fromLocalFile(QDir::cleanPath(QDir(folder).absoluteFilePath(path)));
    } else {
        target.url = given;
    }
    const QString scheme = target.url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto")) {
        target.kind = Web;
    } else if (target.url.isLocalFile()) {
        static const QStringList markdown{QStringLiteral("md"), QStringLiteral("markdown"), QStringLiteral("mdown"),
                                          QStringLiteral("mkd")};
        target.kind = markdown.contains(QFileInfo(target.url.toLocalFile()).suffix().toLower()) ? MarkdownFile : Other;
    }
    return target;
}
