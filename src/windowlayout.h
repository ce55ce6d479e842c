#pragma once

class QDockWidget;
class QMainWindow;

// The window as the user left it: its geometry, maximised state, tool bars
// and dock layout, kept in the settings from one start to the next.
namespace WindowLayout {

void save(const QMainWindow *window);

// Restores what was saved, on screen even when the screens changed since.
// Both editors are never left hidden. Answers whether the Source Code Editor
// is the editor the restored layout shows in front.
bool restore(QMainWindow *window, QDockWidget *visualDock, QDockWidget *sourceDock);

}
