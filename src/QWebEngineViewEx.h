#pragma once

#include <QWebEngineView>

// The Visual Editor's view.
class QWebEngineViewEx : public QWebEngineView
{
    Q_OBJECT
public:
    explicit QWebEngineViewEx(QWidget *parent = nullptr);
};
