#include "appsettings.h"
#include "config.h"
#include "editortheme.h"
#include "resources.h"
#include "startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startupFile_data();
    void startupFile();
    void themesInstalledOnFirstStart();
    void existingThemeFolderGetsNothing();
    void builtInThemesHaveEveryMember_data();
    void builtInThemesHaveEveryMember();
    void messageFilter_data();
    void messageFilter();
    void noSandboxFlag_data();
    void noSandboxFlag();
    void largeBuffersGoBackWhenFreed();
    void settingsStoreIsSharedIniFile();
    void pageEngineTakesEveryScriptFlag();
};

void TestStartup::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    initPenwickResources();
}

void TestStartup::startupFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("openType");
    QTest::addColumn<QStringList>("recent");
    QTest::addColumn<QString>("expected");

    const QStringList recent{QStringLiteral("/home/u/newest.md"), QStringLiteral("/home/u/older.md")};
    QTest::newRow("backslashes become slashes")
        << QStringList{"penwick", "C:\\Users\\me\\notes.md"} << 0 << QStringList() << "C:/Users/me/notes.md";
    QTest::newRow("only the first argument counts")
        << QStringList{"penwick", "a.md", "b.md"} << 0 << QStringList() << "a.md";
    QTest::newRow("no argument, openType 1, empty list") << QStringList{"penwick"} << 1 << QStringList() << "";
    QTest::newRow("no argument, openType 1, recent list") << QStringList{"penwick"} << 1 << recent << recent.first();
    QTest::newRow("no argument, openType 0, recent list") << QStringList{"penwick"} << 0 << recent << "";
    QTest::newRow("unknown openType") << QStringList{"penwick"} << 2 << recent << "";
    QTest::newRow("argument wins over openType 1") << QStringList{"penwick", "x.md"} << 1 << recent << "x.md";
    QTest::newRow("empty argument falls back to recent") << QStringList{"penwick", ""} << 1 << recent << recent.first();
}

void TestStartup::startupFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, openType);
    QFETCH(QStringList, recent);
    QFETCH(QString, expected);
    QCOMPARE(chooseStartupFile(arguments, openType, recent), expected);
}

void TestStartup::themesInstalledOnFirstStart()
{
    QTemporaryDir base;
    const QString dir = base.path() + QStringLiteral("/editortheme");
    installDefaultEditorThemes(dir);
    for (const QString name : {QStringLiteral("light.json"), QStringLiteral("dark.json")}) {
        const QString path = dir + QLatin1Char('/') + name;
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QVERIFY(QFileInfo(path).isWritable());
        QFile copy(path);
        QVERIFY(copy.open(QIODevice::ReadWrite));
        QFile original(QStringLiteral(":/editortheme/") + name);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), original.readAll());
    }
}

void TestStartup::existingThemeFolderGetsNothing()
{
    QTemporaryDir base;
    const QString dir = base.path() + QStringLiteral("/editortheme");
    QVERIFY(QDir().mkpath(dir));
    installDefaultEditorThemes(dir);
    QVERIFY(QDir(dir).entryList(QDir::Files).isEmpty());
}

void TestStartup::builtInThemesHaveEveryMember_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("light") << QStringLiteral(":/editortheme/light.json");
    QTest::newRow("dark") << QStringLiteral(":/editortheme/dark.json");
}

void TestStartup::builtInThemesHaveEveryMember()
{
    QFETCH(QString, resource);
    QFile file(resource);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject theme = QJsonDocument::fromJson(file.readAll()).object();
    for (const EditorTheme::ColourMember &member : EditorTheme::colourMembers())
        QVERIFY2(QColor(theme.value(QLatin1String(member.key)).toString()).isValid(), member.key);
    QVERIFY(!theme.value(QStringLiteral("fontFamily")).toString().isEmpty());
    QVERIFY(theme.value(QStringLiteral("defaultFontSize")).toInt() > 0);
}

// The filter writes straight to the process's standard error, so it is run in a
// child process (this test binary with an argument) and that output is read back.
void TestStartup::messageFilter_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("expectedStderr");
    QTest::newRow("font noise dropped") << "Warning: OpenType support missing for \"Arial\", script 11" << QByteArray();
    QTest::newRow("other message printed") << "QWidget::repaint: Recursive repaint detected"
                                           << QByteArray("QWidget::repaint: Recursive repaint detected\n");
    QTest::newRow("case matters") << "opentype support missing" << QByteArray("opentype support missing\n");
}

void TestStartup::messageFilter()
{
    QFETCH(QString, message);
    QFETCH(QByteArray, expectedStderr);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PENWICK_FILTER_MESSAGE"), message);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.readAllStandardError(), expectedStderr);
}

void TestStartup::noSandboxFlag_data()
{
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<bool>("root");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray scriptFlags("--js-flags=--expose-gc,--max-semi-space-size=1");
    QTest::newRow("root, no flags") << QByteArray() << true << QByteArray("--no-sandbox " + scriptFlags);
    QTest::newRow("root, other flags") << QByteArray("--disable-gpu") << true
                                       << QByteArray("--disable-gpu --no-sandbox " + scriptFlags);
    QTest::newRow("root, already there") << QByteArray("--no-sandbox " + scriptFlags) << true
                                         << QByteArray("--no-sandbox " + scriptFlags);
    QTest::newRow("ordinary user") << QByteArray("--disable-gpu") << false
                                   << QByteArray("--disable-gpu " + scriptFlags);
    QTest::newRow("script engine flags of the user's") << QByteArray("--js-flags=--max-old-space-size=512") << false
                                                       << QByteArray("--js-flags=--max-old-space-size=512");
    QTest::newRow("spaces around") << QByteArray(" --disable-gpu  ") << false
                                   << QByteArray("--disable-gpu " + scriptFlags);
}

void TestStartup::noSandboxFlag()
{
    QFETCH(QByteArray, flags);
    QFETCH(bool, root);
    QFETCH(QByteArray, expected);
    QCOMPARE(webEngineFlags(flags, root), expected);
}

void TestStartup::settingsStoreIsSharedIniFile()
{
    QSettings *settings = appSettings();
    QCOMPARE(appSettings(), settings);
    QCOMPARE(settings->format(), QSettings::IniFormat);
    QCOMPARE(settings->fileName(),
             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/app.ini"));
    settings->setValue(QStringLiteral("cssfile"), QStringLiteral("vue-ü"));
    settings->sync();
    QFile ini(settings->fileName());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("cssfile=vue-\xc3\xbc"));
    QCOMPARE(Config::get(Config::PreviewTheme).toString(), QStringLiteral("vue-\u00fc"));
    // Two settings under one name would overwrite each other.
    QSet<QString> names;
    for (int key = 0; key <= Config::UpdaterLanguage; ++key)
        names.insert(Config::name(Config::Key(key)));
    QCOMPARE(names.size(), Config::UpdaterLanguage + 1);
}

// Freeing a mapped block of 4 MB makes glibc take blocks up to that size from
// the heap from then on; after the call a block of 1 MB is still mapped.
void TestStartup::largeBuffersGoBackWhenFreed()
{
#ifdef __GLIBC__
    keepLargeBuffersOutOfTheHeap();
    void *volatile large = std::malloc(4 << 20);
    std::free(large);
    const int mappedBefore = mallinfo2().hblks;
    void *volatile block = std::malloc(1 << 20);
    QVERIFY(block);
    QCOMPARE(int(mallinfo2().hblks), mappedBefore + 1);
    std::free(block);
    QCOMPARE(int(mallinfo2().hblks), mappedBefore);
#else
    QSKIP("The allocator is the system's own here.");
#endif
}

// The engine reads the flags' script engine part; a flag it cannot read would
// take the garbage collection with it. Run in a child that starts the engine
// with the flags the program gives it.
void TestStartup::pageEngineTakesEveryScriptFlag()
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PENWICK_PAGE_SCRIPT"), QStringLiteral("typeof gc"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.readAllStandardOutput(), QByteArray("function\n"));
}

// Prints what `script` gives in a page of an engine started as the program starts it.
static int printPageScriptResult(int argc, char *argv[], const QByteArray &script)
{
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", webEngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), runningAsRoot()));
    QApplication app(argc, argv);
    QWebEnginePage page;
    QObject::connect(&page, &QWebEnginePage::loadFinished, [&] {
        page.runJavaScript(QString::fromUtf8(script), [](const QVariant &result) {
            std::printf("%s\n", qPrintable(result.toString()));
            QCoreApplication::quit();
        });
    });
    page.setHtml(QStringLiteral("<p>probe</p>"));
    return app.exec();
}

int main(int argc, char *argv[])
{
    const QByteArray pageScript = qgetenv("PENWICK_PAGE_SCRIPT");
    if (!pageScript.isEmpty())
        return printPageScriptResult(argc, argv, pageScript);
    const QByteArray filterMessage = qgetenv("PENWICK_FILTER_MESSAGE");
    if (!filterMessage.isEmpty()) {
        qInstallMessageHandler(messageFilter);
        qWarning("%s", filterMessage.constData());
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
