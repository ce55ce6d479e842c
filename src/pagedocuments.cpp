#include "pagedocuments.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PageDocuments::scheme = QByteArrayLiteral("penwick-document");

// The web engine learns its schemes before it starts, that is before the
// first page of a program; a program's application object comes earlier.
static void registerDocumentScheme()
{
    QWebEngineUrlScheme documents(PageDocuments::scheme);
    documents.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    documents.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(documents);
}
Q_COREAPP_STARTUP_FUNCTION(registerDocumentScheme)

PageDocuments *PageDocuments::of(QWebEngineProfile *profile)
{
    if (auto *installed = profile->findChild<PageDocuments *>(QString(), Qt::FindDirectChildrenOnly))
        return installed;
    auto *documents = new PageDocuments(profile);
    profile->installUrlSchemeHandler(scheme, documents);
    return documents;
}

QString PageDocuments::offer(const QObject *owner, const QByteArray &html)
{
    const QString address = QString::fromLatin1(scheme) + QLatin1Char(':') + QString::number(++offers);
    offered.insert(address, {owner, html});
    return address;
}

void PageDocuments::withdraw(const QObject *owner)
{
    for (auto offer = offered.begin(); offer != offered.end();)
        offer = offer->owner == owner ? offered.erase(offer) : std::next(offer);
}

void PageDocuments::requestStarted(QWebEngineUrlRequestJob *job)
{
    const auto found = offered.find(job->requestUrl().toString());
    if (found == offered.end() || job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto *body = new QBuffer(job);
    body->setData(found->html);
    offered.erase(found);
    body->open(QIODevice::ReadOnly);
    job->reply(QByteArrayLiteral("text/plain;charset=utf-8"), body);
}
