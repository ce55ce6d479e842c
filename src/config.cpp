#include "config.h"

#include "appsettings.h"

#include <QSettings>
#include <QStringList>

namespace Config {

namespace {
struct Entry
{
    Key key;
    const char *name;
    QVariant byDefault;
};

// The names are those of files already written; they never change.
const Entry &entry(Key key)
{
    static const Entry entries[] = {
        {InterfaceLanguage, "IsoCode", QStringLiteral("System Default")},
        {StartupDocument, "openType", 0},
        {RecentFiles, "recentFileList", QStringList()},
        {ImageCopyMethod, "saveImageType", 0},
        {Zoom, "zoom", 1.0},
        {AutoBackup, "autoSave", false},
        {DeclinedBackups, "declinedBackups", QStringList()},
        {ShowLeftSidebar, "showLeftSidebar", false},
        {LoadRemoteImages, "loadRemoteImages", true},
        {ColourScheme, "theme", 0},
        {PreviewTheme, "cssfile", QStringLiteral("github-markdown-light")},
        {CodeBlockStyle, "codeBlockStyle", QStringLiteral("default")},
        {EditorTheme, "EditorThemeName", QStringLiteral("light")},
        {FormulaFontSize, "editorFontSize", 16},
        {SpellCheck, "spellCheck", QVariant()},
        {SpellCheckLanguage, "spellCheckLanguage", QVariant()},
        {AssociationChecked, "associationChecked", false},
        {WindowGeometry, "windowGeometry", QByteArray()},
        {WindowState, "windowState", QByteArray()},
        {UpdaterLanguage, "language", QString()},
    };
    static_assert(sizeof(entries) / sizeof(entries[0]) == UpdaterLanguage + 1, "one entry per key");
    Q_ASSERT(entries[key].key == key);
    return entries[key];
}
} // namespace

QString name(Key key)
{
    return QLatin1String(entry(key).name);
}

QVariant defaultValue(Key key)
{
    return entry(key).byDefault;
}

QVariant get(Key key)
{
    return appSettings()->value(name(key), defaultValue(key));
}

QVariant get(Key key, const QVariant &machineDefault)
{
    return appSettings()->value(name(key), machineDefault);
}

void set(Key key, const QVariant &value)
{
    appSettings()->setValue(name(key), value);
}

bool contains(Key key)
{
    return appSettings()->contains(name(key));
}

} // namespace Config
