#include "QWebEngineViewEx.h"

QWebEngineViewEx::QWebEngineViewEx(QWidget *parent)
    : QWebEngineView(parent)
{
}
