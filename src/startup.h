#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Qt message handler: drops the font engine's "OpenType support missing" noise,
// writes every other message as one line to standard error.
void messageFilter(QtMsgType type, const QMessageLogContext &context, const QString &message);

// Copies the built-in editor themes into editorThemeDir, but only when that folder
// does not exist yet, so that a user's own choice to empty it is respected.
void installDefaultEditorThemes(const QString &editorThemeDir);

// The per-user folder that holds the editor theme files.
QString editorThemeDirectory();

// Works out the document shown first: the first command-line argument (with
// backslashes turned into slashes), else with openType 1 the newest recent file.
// An empty result means a blank document.
QString chooseStartupFile(const QStringList &arguments, int openType, const QStringList &recentFiles);

// Chromium refuses to start its sandbox as root: as root the web engine's flags
// get "--no-sandbox" added (once). The page's script engine exposes a garbage
// collection and keeps its young generation small (1 MB a half instead of up
// to 16): the page's short-lived objects come in bursts as a document goes in
// or out, and the engine keeps the space it grew for them. Neither is added
// when the flags set script engine flags of their own.
QByteArray webEngineFlags(const QByteArray &currentFlags, bool asRoot);
bool runningAsRoot();

// A document passes through the program as buffers of several megabytes.
// glibc raises its threshold for mapping a block of its own each time such a
// block is freed, so the later ones come from the heap and stay with the
// process after use; a fixed threshold gives each back when it is freed.
// Call first thing in main.
void keepLargeBuffersOutOfTheHeap();
