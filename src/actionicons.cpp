#include "actionicons.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace ActionIcons {

namespace {
constexpr int glyphPixelSize = 512;
constexpr int glyphCanvas = static_cast<int>(glyphPixelSize * 1.2);
constexpr int svgCanvas = 512;
}

QIcon glyphIcon(QChar glyph, const QColor &colour)
{
    QPixmap pixmap(glyphCanvas, glyphCanvas);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("FontAwesome"));
    font.setPixelSize(glyphPixelSize);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(glyph));
    painter.end();
    return QIcon(pixmap);
}

QIcon svgIcon(const QString &svgTemplate, const QColor &colour)
{
    QSvgRenderer renderer(svgTemplate.arg(colour.name()).toUtf8());
    QPixmap pixmap(svgCanvas, svgCanvas);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon svgIconFromFile(const QString &path, const QColor &colour)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QIcon();
    return svgIcon(QString::fromUtf8(file.readAll()), colour);
}

const std::vector<Glyph> &glyphs()
{
    static const std::vector<Glyph> table = {
        {"actionBold", 0xF032}, {"actionItal", 0xF033}, {"actionOrderLine", 0xF0CB},
        {"actionUnOrderLine", 0xF03A}, {"actionQuot", 0xF10D}, {"actionCode", 0xF0C8},
        {"actionCodeBlock", 0xF121}, {"actionHoriLine", 0xF2D1}, {"actionLink", 0xF0C1},
        {"actionImage", 0xF1C5}, {"actionClear", 0xF12D}, {"actionStrike", 0xF0CC},
        {"actionTable", 0xF0CE}, {"actionUnlink", 0xF127}, {"actionLaTeX", 0xF12C},
        {"actionNew", 0xF016}, {"actionSave", 0xF0C7}, {"actionUndo", 0xF0E2},
        {"actionRedo", 0xF01E}, {"actionIndent", 0xF03C}, {"actionNewWindow", 0xF2D2},
        {"actionOpen", 0xF115}, {"actionPrint", 0xF02F}, {"actionCopy", 0xF0C5},
        {"actionCut", 0xF0C5}, {"actionPaste", 0xF0EA}, {"actionDel", 0xF00D},
        {"actionLeftAlignColumn", 0xF036}, {"actionRightAlignColumn", 0xF038},
        {"actionCenterAlignColumn", 0xF037}, {"actionDeleteTable", 0xF014},
        {"actionConfiguration", 0xF085}, {"actionBackup", 0xF0EA},
        {"actionDefaultZoom", 0xF002}, {"actionZoomOut", 0xF010}, {"actionZoomIn", 0xF00E},
        {"actionHelp", 0xF128}, {"actionFeedback", 0xF2B7}, {"actionParagraph", 0xF1DD},
        {"actionPDF", 0xF1C1}, {"actionWordDocx", 0xF1C2}, {"actionHTML", 0xF0F6},
        {"menuRecent", 0xF017}, {"menuZoom", 0xF002}, {"menuTable", 0xF0CE},
        {"menuColorScheme", 0xF1FC},
    };
    return table;
}

const std::vector<Picture> &recolouredPictures()
{
    static const std::vector<Picture> table = {
        {"actionPasteAsText", ":/resources/icons/pasteastext.svg"},
        {"actionSaveAs", ":/resources/icons/saveas.svg"},
        {"menuExport", ":/resources/icons/export.svg"},
        {"actionHeading1", ":/resources/icons/h1.svg"},
        {"actionHeading2", ":/resources/icons/h2.svg"},
        {"actionHeading3", ":/resources/icons/h3.svg"},
        {"actionHeading4", ":/resources/icons/h4.svg"},
        {"actionHeading5", ":/resources/icons/h5.svg"},
        {"actionHeading6", ":/resources/icons/h6.svg"},
    };
    return table;
}

const std::vector<Picture> &fixedPictures()
{
    static const std::vector<Picture> table = {
        {"actionAddRowBelow", ":/resources/icons/rowdowninsert.png"},
        {"actionAddRowAbove", ":/resources/icons/rowupinsert.png"},
        {"actionAddColumnLeft", ":/resources/icons/columnleftinsert.png"},
        {"actionAddColumnRight", ":/resources/icons/columnrightinsert.png"},
        {"actionUpRow", ":/resources/icons/upRow.png"},
        {"actionDownRow", ":/resources/icons/downRow.png"},
        {"actionShiftLeftColumn", ":/resources/icons/shiftLeftColumn.png"},
        {"actionShiftRightColumn", ":/resources/icons/shiftRightColumn.png"},
        {"actionDeleteRow", ":/resources/icons/deleteRow.png"},
        {"actionDeleteColumn", ":/resources/icons/deleteColumn.png"},
    };
    return table;
}

}
