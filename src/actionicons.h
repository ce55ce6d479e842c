#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

#include <vector>

// Action icons drawn at run time in one colour, so that they follow the theme.
namespace ActionIcons {

// One FontAwesome character centred in a transparent square.
QIcon glyphIcon(QChar glyph, const QColor &colour);

// An SVG document whose fill colour is the placeholder "%1".
QIcon svgIcon(const QString &svgTemplate, const QColor &colour);
QIcon svgIconFromFile(const QString &path, const QColor &colour);

struct Glyph {
    const char *objectName; // of an action or a menu
    char16_t codePoint;
};
struct Picture {
    const char *objectName;
    const char *path;
};

const std::vector<Glyph> &glyphs();
const std::vector<Picture> &recolouredPictures(); // SVG files with the "%1" placeholder
const std::vector<Picture> &fixedPictures();      // table icons, not recoloured

}
