#include "windowlayout.h"

#include "config.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QTabBar>

namespace WindowLayout {

namespace {
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
    Config::set(Config::WindowGeometry, window->saveGeometry());
    Config::set(Config::WindowState, window->saveState());
}

bool restore(QMainWindow *window, QDockWidget *visualDock, QDockWidget *sourceDock)
{
    window->restoreGeometry(Config::get(Config::WindowGeometry).toByteArray());
    if (!window->restoreState(Config::get(Config::WindowState).toByteArray()))
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
