#include "remoteimagegate.h"

void RemoteImageGate::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QString scheme = info.requestUrl().scheme();
    const bool remote = scheme != QLatin1String("qrc") && scheme != QLatin1String("file")
        && scheme != QLatin1String("data") && scheme != QLatin1String("blob");
    if (remote && !remoteAllowed)
        info.block(true);
}
