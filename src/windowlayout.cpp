#include "windowlayout.h"

#include "appsettings.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>
#include <QTabBar>

namespace WindowLayout {

namespace {
const QString geometryKey = QStringLiteral("windowGeometry");
const QString stateKey = QStringLiteral("windowState");

// Of two tabbed docks, the one whose tab is current.
QDockWidget *currentTab(QMainWindow *window, QDockWidget *first, QDockWidget *second)
{
    for (const QTabBar *tabs : window->findChildren<QTabBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString current = tabs->tabText(tabs->currentIndex());
        if (current == first->windowTitle())
            return first;
        if (current == second->windowTitle())
            return second;
    }
    return first;
}
}

void save(const QMainWindow *window)
{
    appSettings()->setValue(geometryKey, window->saveGeometry());
    appSettings()->setValue(stateKey, window->saveState());
}

bool restore(QMainWindow *window, QDockWidget *visualDock, QDockWidget *sourceDock)
{
    window->restoreGeometry(appSettings()->value(geometryKey).toByteArray());
    if (!window->restoreState(appSettings()->value(stateKey).toByteArray()))
        return false;
    if (visualDock->isHidden() && sourceDock->isHidden())
        visualDock->show();
    if (visualDock->isHidden() != sourceDock->isHidden())
        return visualDock->isHidden();
    if (!window->tabifiedDockWidgets(visualDock).contains(sourceDock))
        return false;
    return currentTab(window, visualDock, sourceDock) == sourceDock;
}

}
