#include "actionicons.h"
#include "resources.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QTest>

namespace {
const QString squareSvg = QStringLiteral(
    "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'><rect x='4' y='4' width='8' height='8' fill='%1'/></svg>");

const QString circleSvg = QStringLiteral(
    "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'><circle cx='8' cy='8' r='6.3' fill='%1'/></svg>");

int opaquePixels(const QImage &picture, const QColor &colour)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255 && (image.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF))
                ++count;
    return count;
}
}

class TestActionIcons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void drawnAtTheSizeAsked_data();
    void drawnAtTheSizeAsked();
    void disabledLooksDifferent();
    void paintsSharplyOnHighDensityScreens();
};

void TestActionIcons::initTestCase()
{
    initPenwickResources();
    QVERIFY(QFontDatabase::addApplicationFont(QStringLiteral(":/fontawesome/fontawesome-webfont.ttf")) >= 0);
}

void TestActionIcons::drawnAtTheSizeAsked_data()
{
    QTest::addColumn<QIcon>("icon");
    QTest::addColumn<int>("designSize");
    const QColor red(0xCC, 0, 0);
    QTest::newRow("glyph") << ActionIcons::glyphIcon(QChar(0xF0C8), red) << 614;
    QTest::newRow("svg") << ActionIcons::svgIcon(squareSvg, red) << 512;
}

// Each size is drawn afresh in the icon's colour; the design square stays the
// largest size offered, as it was for a pixmap of that size.
void TestActionIcons::drawnAtTheSizeAsked()
{
    QFETCH(QIcon, icon);
    QFETCH(int, designSize);
    const QColor red(0xCC, 0, 0);
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(designSize, designSize)});
    QCOMPARE(icon.actualSize(QSize(2000, 2000)), QSize(designSize, designSize));
    for (int side : {16, 24, 64}) {
        const QPixmap pixmap = icon.pixmap(side, side);
        QCOMPARE(pixmap.size(), QSize(side, side));
        const QImage image = pixmap.toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        // A solid square fills about a quarter of the icon, a quarter of it at 16 px.
        QVERIFY2(opaquePixels(image, red) >= side * side / 16, qPrintable(QString::number(side)));
    }
    QCOMPARE(icon.pixmap(24, 24).cacheKey(), icon.pixmap(24, 24).cacheKey());
}

void TestActionIcons::disabledLooksDifferent()
{
    const QColor black(Qt::black);
    const QIcon icon = ActionIcons::glyphIcon(QChar(0xF0C8), black);
    QVERIFY(opaquePixels(icon.pixmap(32, 32, QIcon::Normal).toImage(), black) > 100);
    QCOMPARE(opaquePixels(icon.pixmap(32, 32, QIcon::Disabled).toImage(), black), 0);
}

// Painted on a screen of twice the density, the icon is drawn at the device's
// pixels: an enlarged half-size picture would come in identical 2 x 2 blocks.
void TestActionIcons::paintsSharplyOnHighDensityScreens()
{
    const QIcon icon = ActionIcons::svgIcon(circleSvg, QColor(0xCC, 0, 0));
    QImage canvas(64, 64, QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(2);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(0, 0, 32, 32));
    painter.end();
    QVERIFY(qAlpha(canvas.pixel(32, 32)) == 255 && qAlpha(canvas.pixel(1, 1)) == 0);
    bool finerThanHalfSize = false;
    for (int y = 0; y < 64; y += 2)
        for (int x = 0; x < 64; x += 2) {
            const QRgb corner = canvas.pixel(x, y);
            finerThanHalfSize |= canvas.pixel(x + 1, y) != corner || canvas.pixel(x, y + 1) != corner
                || canvas.pixel(x + 1, y + 1) != corner;
        }
    QVERIFY(finerThanHalfSize);
}

QTEST_MAIN(TestActionIcons)
#include "tst_actionicons.moc"
