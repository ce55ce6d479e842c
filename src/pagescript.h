#pragma once

#include <QString>
#include <QVariant>

class QWebEnginePage;

// Runs `script` in the page and waits for its result in a local event loop
// that takes no user input. `answered` tells whether the page answered within
// `timeoutMs`; without an answer the result is invalid.
QVariant runScriptAndWait(QWebEnginePage *page, const QString &script, int timeoutMs, bool *answered = nullptr);
