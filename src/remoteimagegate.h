#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Lets the page fetch images from the network only while the writer allows
// it: a document's remote images (a tracking pixel among them) otherwise
// learn nothing of its being opened.
class RemoteImageGate : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setAllowed(bool allowed) { remoteAllowed = allowed; }
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    bool remoteAllowed = true;
};
