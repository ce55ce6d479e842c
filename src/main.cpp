#include "config.h"
#include "languages.h"
#include "mainwindow.h"
#include "palettes.h"
#include "resources.h"
#include "startup.h"

#include <QApplication>
#include <QDebug>
#include <QStyle>
#include <QFontDatabase>
#include <QStyleFactory>
#include <QTranslator>

#include <exception>

int main(int argc, char *argv[])
{
    keepLargeBuffersOutOfTheHeap();
    try {
        qInstallMessageHandler(messageFilter);
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
        QCoreApplication::setAttribute(Qt::AA_UseOpenGLES, true);
        QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.1.5.0"));
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", webEngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), runningAsRoot()));

        QApplication app(argc, argv);
        initPenwickResources();
        QFontDatabase::addApplicationFont(QStringLiteral(":/fontawesome/fontawesome-webfont.ttf"));

        QTranslator translator;
        Languages::applyStartupLanguage(translator);
        QCoreApplication::installTranslator(&translator);

        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(Palettes::forScheme(Config::get(Config::ColourScheme).toInt()));

        installDefaultEditorThemes(editorThemeDirectory());

        const QString startupFile = chooseStartupFile(
            QCoreApplication::arguments(), Config::get(Config::StartupDocument).toInt(),
            Config::get(Config::RecentFiles).toStringList());

        MainWindow window(startupFile);
        window.setAutoFillBackground(true);
        window.show();
        return app.exec();
    } catch (const std::exception &e) {
        qCritical() << "Standard exception caught:" << e.what();
    }
    return 0;
}
