// Renders a sample document in the editor's own window once per preview theme
// and saves a 320 x 256 thumbnail of the page for each.
// Usage: themethumbnails <output folder>; the themes are those beside the executable.
#include "QWebEngineViewEx.h"
#include "appsettings.h"
#include "mainwindow.h"
#include "productlinks.h"
#include "pagescript.h"
#include "resources.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const char *const sample =
    "# Sample Heading\n\nA paragraph with **bold**, *italic*, a [link](https://example.com/) and `inline code`.\n\n"
    "- First item\n- Second item\n  - Nested item\n\n> A quoted line of text.\n\n"
    "| Name | Value |\n|------|-------|\n| alpha | 1 |\n| beta | 2 |\n\n"
    "```cpp\nint main() { return 0; }\n```\n\n$$x^2 + y^2 = z^2$$\n";
}

int main(int argc, char *argv[])
{
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", webEngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), runningAsRoot()));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    if (argc < 2) {
        qCritical("usage: themethumbnails <output folder>");
        return 2;
    }
    initPenwickResources();
    installDefaultEditorThemes(editorThemeDirectory());
    QTemporaryDir scratch;
    const QString document = scratch.filePath(QStringLiteral("sample.md"));
    QFile file(document);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(sample);
    file.close();

    const QDir themes(QCoreApplication::applicationDirPath() + QStringLiteral("/themes"));
    for (const QFileInfo &theme : themes.entryInfoList({QStringLiteral("*.css")}, QDir::Files, QDir::Name)) {
        appSettings()->setValue(QStringLiteral("cssfile"), theme.completeBaseName());
        appSettings()->setValue(QStringLiteral("associationChecked"), true);
        ProductLinks::setSite(QUrl(QStringLiteral("http://127.0.0.1:9/")));
        MainWindow window(document);
        window.resize(900, 800);
        window.show();
        auto *view = window.findChild<QWebEngineViewEx *>(QStringLiteral("webView"));
        view->setFixedSize(640, 512);
        const bool shown = QTest::qWaitFor([view] {
            return runScriptAndWait(view->page(), QStringLiteral("!!document.querySelector('#bodyeditor .katex')"), 2000)
                .toBool();
        }, 20000);
        QTest::qWait(800); // style sheet, fonts and code blocks settle
        const QString target = QDir(QString::fromLocal8Bit(argv[1])).filePath(theme.completeBaseName() + QStringLiteral(".png"));
        const QImage page = view->grab().toImage().scaled(320, 256, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!shown || !page.save(target))
            qWarning() << "could not make" << target;
    }
    return 0;
}
