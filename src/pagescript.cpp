#include "pagescript.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

QVariant runScriptAndWait(QWebEnginePage *page, const QString &script, int timeoutMs, bool *answered)
{
    // The callback may come after this function gave up waiting; it then
    // writes into state that is still alive.
    struct Answer {
        QVariant result;
        bool done = false;
        QPointer<QEventLoop> loop;
    };
    const auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    answer->loop = &loop;
    page->runJavaScript(script, [answer](const QVariant &result) {
        answer->result = result;
        answer->done = true;
        if (answer->loop)
            answer->loop->quit();
    });
    if (!answer->done) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (answered)
        *answered = answer->done;
    return answer->result;
}
