#include "remoteimagegate.h"

#include "pagedocuments.h"

void RemoteImageGate::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QString scheme = info.requestUrl().scheme();
    const bool remote = scheme != QLatin1String("qrc") && scheme != QLatin1String("file")
        && scheme != QLatin1String("data") && scheme != QLatin1String("blob")
        && scheme != QLatin1String(PageDocuments::scheme);
    if (remote && !remoteAllowed)
        info.block(true);
}
