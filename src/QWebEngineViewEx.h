#pragma once

#include <QWebEngineView>

class QDropEvent;

// The Visual Editor's view. Drops go to the main window, never to the page,
// and the page may not navigate away from the editor.
class QWebEngineViewEx : public QWebEngineView
{
    Q_OBJECT
public:
    explicit QWebEngineViewEx(QWidget *parent = nullptr);

signals:
    void dropEventSignal(QDropEvent *event);

protected:
    void dropEvent(QDropEvent *event) override;
};
