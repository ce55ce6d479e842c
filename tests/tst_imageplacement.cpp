// Where images go, and what pasted or dropped data becomes.
#include "appsettings.h"
#include "config.h"
#include "documentconverter.h"
#include "guitestbase.h"
#include "imageplacement.h"
#include "pastedata.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

QByteArray pngBytes()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
}

class TestImagePlacement : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void uniqueNames_data();
    void uniqueNames();
    void copiesCountUp();
    void keepPathCreatesNothing_data();
    void keepPathCreatesNothing();
    void webAddressIsKeptButFolderMade();
    void clipboardImage();
    void pathChecks_data();
    void pathChecks();
    void imagePathsFollowTheDocument_data();
    void imagePathsFollowTheDocument();
    void pastedImage();
    void pastedHtmlGoesThroughMarkdown();

private:
    QTemporaryDir dir;
    QString document;
};

void TestImagePlacement::init()
{
    Config::set(Config::ImageCopyMethod, 1);
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    document = dir.filePath(QStringLiteral("notes.md"));
    writeFile(document, "x");
}

void TestImagePlacement::uniqueNames_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("given");

    QTest::newRow("free") << QStringList() << "photo.png" << "photo.png";
    QTest::newRow("taken") << QStringList{"photo.png"} << "photo.png" << "photo-0000.png";
    QTest::newRow("taken twice") << QStringList{"photo.png", "photo-0000.png"} << "photo.png" << "photo-0001.png";
    QTest::newRow("four digits count up") << QStringList{"scan0041.png"} << "scan0041.png" << "scan0042.png";
    QTest::newRow("counting carries") << QStringList{"a0099.jpg"} << "a0099.jpg" << "a0100.jpg";
    QTest::newRow("9999 starts anew") << QStringList{"a9999.png"} << "a9999.png" << "a9999-0000.png";
    QTest::newRow("three digits are no counter") << QStringList{"a123.png"} << "a123.png" << "a123-0000.png";
    QTest::newRow("only the last suffix") << QStringList{"x.tar.gz"} << "x.tar.gz" << "x.tar-0000.gz";
    QTest::newRow("no suffix stays without") << QStringList{"README"} << "README" << "README-0000";
}

void TestImagePlacement::uniqueNames()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, wanted);
    QFETCH(QString, given);
    for (const QString &name : existing)
        writeFile(dir.filePath(name), "x");
    QCOMPARE(ImagePlacement::uniqueFilePath(dir.filePath(wanted)), dir.filePath(given));
}

void TestImagePlacement::copiesCountUp()
{
    const QString picture = dir.filePath(QStringLiteral("photo.png"));
    writeFile(picture, pngBytes());
    const QString assets = dir.filePath(QStringLiteral("notes.assets"));
    QCOMPARE(ImagePlacement::placeImageFile(document, picture), assets + QStringLiteral("/photo.png"));
    QCOMPARE(ImagePlacement::placeImageFile(document, picture), assets + QStringLiteral("/photo-0000.png"));
    QCOMPARE(ImagePlacement::placeImageFile(document, picture), assets + QStringLiteral("/photo-0001.png"));
    QFile copy(assets + QStringLiteral("/photo-0001.png"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), pngBytes());
}

void TestImagePlacement::keepPathCreatesNothing_data()
{
    QTest::addColumn<QVariant>("setting");
    QTest::addColumn<bool>("untitled");
    QTest::newRow("keep path") << QVariant(0) << false;
    QTest::newRow("no setting") << QVariant() << false;
    QTest::newRow("copy, untitled document") << QVariant(1) << true;
}

void TestImagePlacement::keepPathCreatesNothing()
{
    QFETCH(QVariant, setting);
    QFETCH(bool, untitled);
    if (setting.isValid())
        Config::set(Config::ImageCopyMethod, setting);
    else
        appSettings()->remove(Config::name(Config::ImageCopyMethod));
    const QString picture = dir.filePath(QStringLiteral("photo.png"));
    writeFile(picture, "x");
    QCOMPARE(ImagePlacement::placeImageFile(untitled ? QString() : document, picture), picture);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("notes.assets"))));
}

void TestImagePlacement::webAddressIsKeptButFolderMade()
{
    const QString address = QStringLiteral("https://example.com/pictures/cat.png");
    QCOMPARE(ImagePlacement::placeImageFile(document, address), address);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("notes.assets"))).isDir());
}

void TestImagePlacement::clipboardImage()
{
    Config::set(Config::ImageCopyMethod, 0);
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    const ImagePlacement::SavedImage saved = ImagePlacement::saveClipboardImage(image, document);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\.png$"))
                .match(saved.fileName)
                .hasMatch());
    QCOMPARE(saved.path, dir.filePath(QStringLiteral("notes.assets/")) + saved.fileName);
    QCOMPARE(QImage(saved.path).pixelColor(2, 2), QColor(Qt::blue));

    QVERIFY(ImagePlacement::saveClipboardImage(QImage(), document).path.isEmpty());
    QVERIFY(ImagePlacement::saveClipboardImage(image, QString()).path.isEmpty());
}

void TestImagePlacement::pathChecks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("web");
    QTest::addColumn<bool>("relative");

    QTest::newRow("drive path") << "C:\\Users\\me\\a.png" << true << false << false;
    QTest::newRow("drive path, forward") << "d:/pictures/a b.png" << true << false << false;
    QTest::newRow("rooted path") << "/home/me/a.png" << true << false << false;
    QTest::newRow("relative path") << "pictures/a.png" << false << false << true;
    QTest::newRow("beside the document") << "diagram.png" << false << false << true;
    QTest::newRow("parent folder") << "..\\img\\a b.png" << false << false << true;
    QTest::newRow("folder only") << "/home/me/" << false << false << false;
    QTest::newRow("relative folder only") << "img/" << false << false << false;
    QTest::newRow("web address") << "https://example.com/a.png" << false << true << false;
    QTest::newRow("web address in text") << "see http://img.example.org/x?y=1 here" << false << true << true;
    QTest::newRow("host without slash") << "https://example.com" << false << false << false;
    QTest::newRow("script") << "javascript:alert(1)" << false << false << false;
    QTest::newRow("empty") << "" << false << false << false;
    QTest::newRow("spaces") << "   " << false << false << false;
}

void TestImagePlacement::pathChecks()
{
    QFETCH(QString, text);
    QFETCH(bool, local);
    QFETCH(bool, web);
    QFETCH(bool, relative);
    QCOMPARE(ImagePlacement::isLocalImagePath(text), local);
    QCOMPARE(ImagePlacement::containsWebAddress(text), web);
    QCOMPARE(ImagePlacement::isRelativeImagePath(text), relative);
}

void TestImagePlacement::imagePathsFollowTheDocument_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QString>("moved"); // from /notes/docs to /notes/archive/2026
    QTest::newRow("beside and below") << "![a](a.png) ![b](img/b.png \"T\")\n" << "![a](../../docs/a.png) ![b](../../docs/img/b.png \"T\")\n";
    QTest::newRow("parent, query, spaces") << "![p](../p.png?v=2) ![s](<sub dir/s.png>) ![e](my%20s.png)\n"
                                           << "![p](../../p.png?v=2) ![s](<../../docs/sub dir/s.png>) ![e](../../docs/my%20s.png)\n";
    QTest::newRow("absolute, web, anchors and code stay")
        << "![r](/abs/r.png) ![w](https://x.org/w.png) [l](a.png) `![c](c.png)`\n\n    ![i](i.png)\n"
        << "![r](/abs/r.png) ![w](https://x.org/w.png) [l](a.png) `![c](c.png)`\n\n    ![i](i.png)\n";
    QTest::newRow("references and raw HTML")
        << "---\nimage: a.png\n---\n![r][ref] <img width=\"9\" src=\"h.png\">\n\n[ref]: r.png\n"
        << "---\nimage: a.png\n---\n![r][ref] <img width=\"9\" src=\"../../docs/h.png\">\n\n[ref]: ../../docs/r.png\n";
}

void TestImagePlacement::imagePathsFollowTheDocument()
{
    QFETCH(QString, markdown);
    QFETCH(QString, moved);
    QCOMPARE(ImagePlacement::movedImagePaths(markdown, QStringLiteral("/notes/docs"), QStringLiteral("/notes/archive/2026")), moved);
    QCOMPARE(ImagePlacement::movedImagePaths(moved, QStringLiteral("/notes/archive/2026"), QStringLiteral("/notes/docs")), markdown);
    QCOMPARE(ImagePlacement::pathForDocument(QStringLiteral("/notes/docs/a.md"), QStringLiteral("/notes/docs/img/x.png")),
             QStringLiteral("img/x.png"));
    QCOMPARE(ImagePlacement::pathForDocument(QString(), QStringLiteral("/notes/x.png")), QStringLiteral("/notes/x.png"));
}

void TestImagePlacement::pastedImage()
{
    Config::set(Config::ImageCopyMethod, 0);
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    QMimeData data;
    data.setImageData(image);
    data.setText(QStringLiteral("ignored"));
    const PasteData::Records result = PasteData::recordsFor(data, document, DocumentConverter());
    QCOMPARE(result.records.size(), 1);
    const QJsonObject record = result.records.first();
    QCOMPARE(record.value(QStringLiteral("type")).toString(), QStringLiteral("img"));
    const QString url = record.value(QStringLiteral("url")).toString();
    QCOMPARE(url, QStringLiteral("notes.assets/") + record.value(QStringLiteral("title")).toString());
    QCOMPARE(QImage(dir.filePath(url)).pixelColor(1, 1), QColor(Qt::green));
}

void TestImagePlacement::pastedHtmlGoesThroughMarkdown()
{
    QMimeData data;
    data.setHtml(QStringLiteral("<meta charset='utf-8'><p style='color:red'>Hello <b>bold</b> &amp; more</p>"));
    data.setText(QStringLiteral("Hello bold & more"));
    const PasteData::Records result = PasteData::recordsFor(data, document, DocumentConverter());
    QCOMPARE(result.records.size(), 1);
    const QString html = result.records.first().value(QStringLiteral("html")).toString();
    QVERIFY2(html.contains(QStringLiteral("<strong>bold</strong>")), qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("&amp; more")));
    QVERIFY(!html.contains(QStringLiteral("color:red")));
}

QTEST_MAIN(TestImagePlacement)
#include "tst_imageplacement.moc"
