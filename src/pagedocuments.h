#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Hands the markup of large documents to editor pages by address: the page
// reads it with a request of its own, so that it travels as bytes. Sent as
// the text of a bridge message or of a script it is quoted, copied and parsed
// on the way, seconds for a document of a few megabytes. An address serves
// once.
class PageDocuments : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
public:
    static const QByteArray scheme;

    // The handler serving the pages of `profile`, installed on first use.
    static PageDocuments *of(QWebEngineProfile *profile);

    // An address that serves `html` (UTF-8) once, offered for `owner`.
    QString offer(const QObject *owner, const QByteArray &html);
    // What `owner` offered and was not read serves nothing.
    void withdraw(const QObject *owner);
    // How many offers are still to be read.
    int unread() const { return offered.size(); }

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    struct Offer {
        const QObject *owner;
        QByteArray html;
    };
    QHash<QString, Offer> offered;
    quint64 offers = 0;
};
