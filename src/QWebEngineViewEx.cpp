#include "QWebEngineViewEx.h"

#include <QDropEvent>
#include <QWebEnginePage>

namespace {
// Only the editor page itself is ever loaded; a link or script in a document
// cannot take the view anywhere else.
class EditorPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        return isMainFrame && (url.scheme() == QLatin1String("qrc") || url.scheme() == QLatin1String("data"));
    }
};
}

QWebEngineViewEx::QWebEngineViewEx(QWidget *parent)
    : QWebEngineView(parent)
{
    setPage(new EditorPage(this));
}

void QWebEngineViewEx::dropEvent(QDropEvent *event)
{
    emit dropEventSignal(event);
}
