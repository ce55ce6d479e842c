#include "actionicons.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <algorithm>
#include <functional>
#include <memory>

namespace ActionIcons {

namespace {
constexpr int glyphPixelSize = 512;
constexpr int glyphCanvas = static_cast<int>(glyphPixelSize * 1.2);
constexpr int svgCanvas = 512;

// Draws its picture at the size it is asked for, so that an icon costs a few
// small pixmaps instead of one large one kept for its whole life. It reports
// the square it was designed in as its only size, as a pixmap icon would.
class DrawnIconEngine : public QIconEngine
{
public:
    using Draw = std::function<void(QPainter &, const QRect &)>;

    DrawnIconEngine(Draw draw, int designSize) : draw(std::move(draw)), designSize(designSize) {}

    QIconEngine *clone() const override { return new DrawnIconEngine(draw, designSize); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min({size.width(), size.height(), designSize});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) const override
    {
        return {QSize(designSize, designSize)};
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize side = actualSize(size, mode, state);
        if (side.isEmpty())
            return QPixmap();
        const quint64 key = (quint64(side.width()) << 8) | quint64(mode);
        const auto cached = drawnPixmaps.constFind(key);
        if (cached != drawnPixmaps.constEnd())
            return *cached;
        QPixmap pixmap(side);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            draw(painter, pixmap.rect());
        }
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        // A handful of sizes are shown; a caller walking through many must not grow this.
        if (drawnPixmaps.size() >= 16)
            drawnPixmaps.clear();
        drawnPixmaps.insert(key, pixmap);
        return pixmap;
    }

private:
    Draw draw;
    int designSize;
    QHash<quint64, QPixmap> drawnPixmaps;
};
}

QIcon glyphIcon(QChar glyph, const QColor &colour)
{
    return QIcon(new DrawnIconEngine(
        [glyph, colour](QPainter &painter, const QRect &square) {
            QFont font(QStringLiteral("FontAwesome"));
            font.setPixelSize(std::max(1, square.width() * glyphPixelSize / glyphCanvas));
            painter.setFont(font);
            painter.setPen(colour);
            painter.drawText(square, Qt::AlignCenter, QString(glyph));
        },
        glyphCanvas));
}

QIcon svgIcon(const QString &svgTemplate, const QColor &colour)
{
    auto renderer = std::make_shared<QSvgRenderer>(svgTemplate.arg(colour.name()).toUtf8());
    return QIcon(new DrawnIconEngine(
        [renderer](QPainter &painter, const QRect &square) {
            painter.setRenderHint(QPainter::Antialiasing);
            renderer->render(&painter, square);
        },
        svgCanvas));
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
