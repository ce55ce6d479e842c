#pragma once

#include <QString>
#include <QVariant>

// Every setting the program keeps in app.ini, by name: its key in the file
// and the value it has until the user changes it. Everything reads and writes
// the settings through here; the store itself is `appSettings()`.
namespace Config {

enum Key {
    InterfaceLanguage,  // a language code, or "System Default"
    StartupDocument,    // 0: a new document, 1: the last file opened
    RecentFiles,        // most recent first
    ImageCopyMethod,    // what inserting an image does with the file
    Zoom,               // the Visual Editor's zoom factor
    AutoBackup,
    DeclinedBackups,    // documents whose backup the user did not want back
    ShowLeftSidebar,
    LoadRemoteImages,
    ColourScheme,       // the window's palette, see Palettes
    PreviewTheme,       // the Visual Editor's style sheet, by file name
    CodeBlockStyle,     // the code blocks' CodeMirror theme
    EditorTheme,        // the Source Code Editor's theme, by file name
    FormulaFontSize,    // pixels, in the formula editor
    SpellCheck,         // default: on when a dictionary fits the language
    SpellCheckLanguage, // default: the dictionary that fits the language
    AssociationChecked, // the file association was offered once
    WindowGeometry,
    WindowState,
    UpdaterLanguage,    // handed to the updater as it is
};

QString name(Key key);
QVariant defaultValue(Key key);
QVariant get(Key key);
// For the keys whose default depends on the machine (see above).
QVariant get(Key key, const QVariant &machineDefault);
void set(Key key, const QVariant &value);
bool contains(Key key);

} // namespace Config
