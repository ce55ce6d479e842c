#include "productlinks.h"

namespace {

QUrl &siteRoot()
{
    static QUrl root(ProductLinks::homepage());
    return root;
}

}

namespace ProductLinks {

QString homepage()
{
    return QStringLiteral("https://penwick.app/");
}

QUrl site()
{
    return siteRoot();
}

void setSite(const QUrl &root)
{
    siteRoot() = root;
}

QUrl helpPage()
{
    return site().resolved(QUrl(QStringLiteral("help/")));
}

QUrl donatePage()
{
    return site().resolved(QUrl(QStringLiteral("donate/")));
}

QUrl downloadPage()
{
    return site().resolved(QUrl(QStringLiteral("download/")));
}

QUrl versionFile()
{
    return site().resolved(QUrl(QStringLiteral("version.txt")));
}

QUrl updateManifest()
{
    return site().resolved(QUrl(QStringLiteral("updates.json")));
}

QUrl feedbackMail()
{
    return QUrl(QStringLiteral("mailto:feedback@penwick.app?subject=Feedback&body="));
}

QUrl newIssue(const QString &title, const QString &body)
{
    const QByteArray address = QByteArrayLiteral("https://github.com/penwick-editor/penwick/issues/new?title=")
        + QUrl::toPercentEncoding(title) + QByteArrayLiteral("&body=") + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

}
