#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QString>

// A theme of the Source Code Editor, kept as `<name>.json` in the editor theme
// folder: the editor's font and the colour of each Markdown element. It is
// read once whenever a theme is chosen or saved, and handed from there to the
// highlighter, the line-number gutter and the editor.
class EditorTheme
{
public:
    struct ColourMember
    {
        const char *key;
        const char *label; // in the "ConfigWindow" translation context
    };
    // The colours a theme sets, in the order the settings window lists them.
    static const QList<ColourMember> &colourMembers();

    static QString fileOf(const QString &name);
    // The named theme; an empty one when its file is missing or not JSON.
    static EditorTheme read(const QString &name);
    // The theme the settings name.
    static EditorTheme chosen();
    // What a new theme holds.
    static EditorTheme defaults();
    bool write(const QString &name) const;

    bool isEmpty() const { return members.isEmpty(); }
    bool has(const QString &key) const { return members.contains(key); }
    // Invalid where the theme sets no colour (or no text) under `key`.
    QColor colour(const QString &key) const;
    // As written in the file, empty where it is not text.
    QString colourName(const QString &key) const;
    void setColour(const QString &key, const QColor &colour);
    QString fontFamily() const;
    void setFontFamily(const QString &family);
    int fontSize() const; // points, 0 where unset
    void setFontSize(int points);

private:
    QJsonObject members;
};
