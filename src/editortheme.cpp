#include "editortheme.h"

#include "config.h"
#include "startup.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QtGlobal>

namespace {
const QString fontFamilyKey = QStringLiteral("fontFamily");
const QString fontSizeKey = QStringLiteral("defaultFontSize");
}

const QList<EditorTheme::ColourMember> &EditorTheme::colourMembers()
{
    static const QList<ColourMember> members{
        {"blockquoteColor", QT_TRANSLATE_NOOP("ConfigWindow", "Blockquote")},
        {"boldColor", QT_TRANSLATE_NOOP("ConfigWindow", "Bold Color")},
        {"codeblockColor", QT_TRANSLATE_NOOP("ConfigWindow", "Code Block Color")},
        {"editorBackground", QT_TRANSLATE_NOOP("ConfigWindow", "Editor Background")},
        {"headingColor", QT_TRANSLATE_NOOP("ConfigWindow", "Heading Color")},
        {"hrColor", QT_TRANSLATE_NOOP("ConfigWindow", "Horizontal Line")},
        {"imageColor", QT_TRANSLATE_NOOP("ConfigWindow", "Image Color")},
        {"inlineCodeColor", QT_TRANSLATE_NOOP("ConfigWindow", "Inline Code")},
        {"italicColor", QT_TRANSLATE_NOOP("ConfigWindow", "Italic Color")},
        {"keywordColor", QT_TRANSLATE_NOOP("ConfigWindow", "Keyword Color")},
        {"lineNumberBackground", QT_TRANSLATE_NOOP("ConfigWindow", "Line Number Bg")},
        {"lineNumberColor", QT_TRANSLATE_NOOP("ConfigWindow", "Line Number Color")},
        {"linkColor", QT_TRANSLATE_NOOP("ConfigWindow", "Link Color")},
        {"listColor", QT_TRANSLATE_NOOP("ConfigWindow", "List Color")},
        {"strikethroughColor", QT_TRANSLATE_NOOP("ConfigWindow", "Strikethrough")},
        {"tableColor", QT_TRANSLATE_NOOP("ConfigWindow", "Table Color")},
        {"textColor", QT_TRANSLATE_NOOP("ConfigWindow", "Text Color")},
    };
    return members;
}

QString EditorTheme::fileOf(const QString &name)
{
    return editorThemeDirectory() + QLatin1Char('/') + name + QStringLiteral(".json");
}

EditorTheme EditorTheme::read(const QString &name)
{
    EditorTheme theme;
    QFile file(fileOf(name));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        theme.members = QJsonDocument::fromJson(file.readAll()).object();
    return theme;
}

EditorTheme EditorTheme::chosen()
{
    return read(Config::get(Config::EditorTheme).toString());
}

EditorTheme EditorTheme::defaults()
{
    EditorTheme theme;
    theme.members = {{"editorBackground", "#FDF6E3"}, {"defaultFontSize", 14},         {"fontFamily", "Microsoft YaHei"},
                     {"lineNumberBackground", "#F0F0F0"}, {"lineNumberColor", "#666666"}, {"headingColor", "#0066CC"},
                     {"italicColor", "#333333"},      {"boldColor", "#333333"},        {"strikethroughColor", "#999999"},
                     {"blockquoteColor", "#008000"},  {"listColor", "#9900FF"},        {"inlineCodeColor", "#B56613"},
                     {"hrColor", "#AAAAAA"},          {"linkColor", "#0066CC"},        {"imageColor", "#E53935"},
                     {"tableColor", "#B56613"},       {"codeblockColor", "#0066CC"},   {"keywordColor", "#006699"},
                     {"textColor", "#006699"}};
    return theme;
}

bool EditorTheme::write(const QString &name) const
{
    QSaveFile file(fileOf(name));
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(members).toJson(QJsonDocument::Indented)) >= 0
        && file.commit();
}

QColor EditorTheme::colour(const QString &key) const
{
    const QString name = colourName(key);
    return name.isEmpty() ? QColor() : QColor(name);
}

QString EditorTheme::colourName(const QString &key) const
{
    return members.value(key).toString();
}

void EditorTheme::setColour(const QString &key, const QColor &colour)
{
    members.insert(key, colour.name());
}

QString EditorTheme::fontFamily() const
{
    return members.value(fontFamilyKey).toString();
}

void EditorTheme::setFontFamily(const QString &family)
{
    members.insert(fontFamilyKey, family);
}

int EditorTheme::fontSize() const
{
    return members.value(fontSizeKey).toInt();
}

void EditorTheme::setFontSize(int points)
{
    members.insert(fontSizeKey, points);
}
