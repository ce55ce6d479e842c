#include "languages.h"
#include "resources.h"

#include <QDir>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    bool unchanged = false; // marked as reading the same as in English
};

QList<Message> catalogueMessages(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, xml.readElementText()});
        else if (xml.name() == QLatin1String("translatorcomment") && !messages.isEmpty())
            messages.last().unchanged = xml.readElementText() == QLatin1String("unchanged");
    }
    return messages;
}

QStringList placeMarkers(const QString &text)
{
    QStringList markers;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        markers << it.next().captured();
    markers.sort();
    return markers;
}

}

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyCatalogueTranslatesEverySource_data();
    void everyCatalogueTranslatesEverySource();

private:
    QList<Message> sources;
};

void TestTranslations::initTestCase()
{
    initPenwickResources();
    sources = catalogueMessages(QStringLiteral(CATALOGUE_DIR "/English.ts"));
    QVERIFY(sources.size() > 250);
}

void TestTranslations::everyCatalogueTranslatesEverySource_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("resourcePath");
    for (const LangItem &language : Languages::table())
        QTest::newRow(qPrintable(language.code)) << language.code << language.resourcePath;
    QCOMPARE(Languages::table().size(), 45);
}

void TestTranslations::everyCatalogueTranslatesEverySource()
{
    QFETCH(QString, code);
    QFETCH(QString, resourcePath);
    QTranslator translator;
    QVERIFY2(translator.load(resourcePath), qPrintable(resourcePath));

    // Every catalogue holds exactly the texts the program shows.
    const QString catalogue = QStringLiteral(CATALOGUE_DIR "/") + QFileInfo(resourcePath).completeBaseName()
        + QStringLiteral(".ts");
    const QList<Message> messages = catalogueMessages(catalogue);
    QCOMPARE(messages.size(), sources.size());
    QSet<QString> unchanged;
    for (const Message &message : messages)
        if (message.unchanged)
            unchanged.insert(message.context + QLatin1Char('\n') + message.source);

    for (const Message &message : qAsConst(sources)) {
        const QString translated = translator.translate(message.context.toUtf8().constData(),
                                                        message.source.toUtf8().constData());
        QVERIFY2(!translated.trimmed().isEmpty(),
                 qPrintable(QStringLiteral("%1: no translation for %2 \"%3\"").arg(code, message.context, message.source)));
        QVERIFY2(placeMarkers(translated) == placeMarkers(message.source),
                 qPrintable(QStringLiteral("%1: place markers of \"%2\" in \"%3\"").arg(code, message.source, translated)));
        QVERIFY2(translated.count(QLatin1String("&&")) == message.source.count(QLatin1String("&&")),
                 qPrintable(QStringLiteral("%1: ampersands of \"%2\"").arg(code, message.source)));
        QVERIFY2(translated.count(QLatin1Char('\n')) == message.source.count(QLatin1Char('\n')),
                 qPrintable(QStringLiteral("%1: line breaks of \"%2\"").arg(code, message.source)));
        // A text left in English is a missing translation, unless it is
        // marked as reading the same in this language.
        QVERIFY2(code == QLatin1String("en") || translated != message.source
                     || unchanged.contains(message.context + QLatin1Char('\n') + message.source),
                 qPrintable(QStringLiteral("%1: \"%2\" is left in English").arg(code, message.source)));
    }
    const bool rightToLeft = QStringList{"ar", "ar-EG", "he", "fa", "ur"}.contains(code);
    QCOMPARE(translator.translate("QGuiApplication", "QT_LAYOUT_DIRECTION"),
             rightToLeft ? QStringLiteral("RTL") : QStringLiteral("LTR"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
