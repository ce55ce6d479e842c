#pragma once

// Opening the real main window for a test and talking to its page.
#include "QPlainTextEditEx.h"
#include "appsettings.h"
#include "QWebEngineViewEx.h"
#include "content.h"
#include "mainwindow.h"
#include "pagescript.h"
#include "productlinks.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTabBar>
#include <QtTest>

struct TestWindow {
    MainWindow *window = nullptr;
    QWebEngineViewEx *view = nullptr;
    QPlainTextEditEx *source = nullptr;
    Content *content = nullptr;

    QVariant js(const QString &script) const { return runScriptAndWait(view->page(), script, 15000); }
};

// Keeps a new window from asking anything on its own: the first-run association
// question would stop the test, and the update check stays on this machine.
inline void quietWindowStart()
{
    appSettings()->setValue(QStringLiteral("associationChecked"), true);
    ProductLinks::setSite(QUrl(QStringLiteral("http://127.0.0.1:9/")));
}

// Shows a main window on `startupFile` and waits until its page is connected.
inline void openTestWindow(TestWindow &opened, const QString &startupFile = QString())
{
    quietWindowStart();
    opened.window = new MainWindow(startupFile);
    opened.window->resize(1100, 800);
    opened.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(opened.window));
    opened.view = opened.window->findChild<QWebEngineViewEx *>(QStringLiteral("webView"));
    opened.source = opened.window->findChild<QPlainTextEditEx *>(QStringLiteral("sourceEditor"));
    opened.content = opened.window->findChild<Content *>(QStringLiteral("content"));
    QTRY_VERIFY_WITH_TIMEOUT(
        opened.js(QStringLiteral("typeof contentObj === 'object' && contentObj !== null")).toBool(), 20000);
}

// Sends `html` to the page through the bridge and waits until the page shows it:
// a marker left in the old document is gone once the new one is in.
inline void showHtmlInPage(QWebEnginePage *page, Content *content, const QString &html)
{
    runScriptAndWait(page, QStringLiteral("var old=document.createElement('span');old.setAttribute('data-old-document','');"
                                          "document.getElementById('bodyeditor').appendChild(old);true"), 15000);
    emit content->setHtmlSignal(html);
    QTRY_VERIFY_WITH_TIMEOUT(runScriptAndWait(page, QStringLiteral("!document.querySelector('[data-old-document]')"), 15000).toBool(),
                             15000);
}

// Brings the editor tab titled `title` to the front.
inline void activateEditorTab(QMainWindow *window, const QString &title)
{
    for (QTabBar *bar : window->findChildren<QTabBar *>())
        for (int i = 0; i < bar->count(); ++i)
            if (bar->tabText(i) == title) {
                bar->setCurrentIndex(i);
                return;
            }
    QFAIL("no such tab");
}
