// The real window with a generated document of 2 MB and of 200 KB: open until
// ready to edit, the two hand-overs, Save, and the resident memory of the
// program and its web engine processes together. Runs under a virtual X server.
#include "appsettings.h"
#include "benchwait.h"
#include "QPlainTextEditEx.h"
#include "QWebEngineViewEx.h"
#include "documentgenerator.h"
#include "editorpage.h"
#include "mainwindow.h"
#include "productlinks.h"
#include "pagescript.h"
#include "resources.h"
#include "startup.h"

#include <QSettings>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabBar>
#include <QTextCursor>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
QVariant evaluate(QWebEngineView *view, const QString &script)
{
    return runScriptAndWait(view->page(), script, 60000);
}

bool pageHoldsDocument(QWebEngineView *view, int codeBlocks)
{
    return evaluate(view, QStringLiteral("document.querySelectorAll('#bodyeditor .cm-editor-wrapper').length === %1")
                              .arg(codeBlocks))
        .toBool();
}

void activateTab(MainWindow &window, const QString &title)
{
    for (QTabBar *bar : window.findChildren<QTabBar *>())
        for (int i = 0; i < bar->count(); ++i)
            if (bar->tabText(i) == title)
                bar->setCurrentIndex(i);
}

// Proportional set size of this process and every process below it, in MB.
double proportionalSetSizeMb()
{
    QList<int> pids{int(getpid())};
    for (int i = 0; i < pids.size(); ++i) {
        for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool number = false;
            const int pid = entry.toInt(&number);
            if (!number)
                continue;
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray fields = stat.readAll();
            const QList<QByteArray> rest = fields.mid(fields.lastIndexOf(')') + 2).split(' ');
            if (rest.size() > 1 && rest.at(1).toInt() == pids.at(i) && !pids.contains(pid))
                pids << pid;
        }
    }
    double kilobytes = 0;
    for (int pid : pids) {
        double own = 0;
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : rollup.readAll().split('\n'))
            if (line.startsWith("Pss:"))
                own += line.mid(4).trimmed().split(' ').first().toDouble();
        if (qEnvironmentVariableIsSet("PER_PROCESS"))
            std::printf("  process %d: %.0f MB\n", pid, own / 1024.0);
        kilobytes += own;
    }
    return kilobytes / 1024.0;
}

void measure(const char *name, size_t bytes, const QString &folder)
{
    // Only the file stays: the memory figure is the program's, not the generator's.
    const QString path = folder + QStringLiteral("/document.md");
    int codeBlocks = 0;
    {
        const std::string markdown = generateMarkdown(bytes);
        codeBlocks = int(std::count(markdown.begin(), markdown.end(), '`') / 6);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(markdown.data(), qint64(markdown.size()));
    }

    appSettings()->setValue(QStringLiteral("associationChecked"), true);
    ProductLinks::setSite(QUrl(QStringLiteral("http://127.0.0.1:9/")));
    MainWindow window{QString()};
    window.resize(1200, 900);
    window.show();
    auto *view = window.findChild<QWebEngineViewEx *>(QStringLiteral("webView"));
    auto *source = window.findChild<QPlainTextEditEx *>(QStringLiteral("sourceEditor"));
    waitOrStop([&] { return evaluate(view, QStringLiteral("typeof contentObj === 'object'")).toBool(); }, 30000, "the page");

    QElapsedTimer timer;
    timer.start();
    window.openFile(path);
    waitOrStop([&] { return evaluate(view, QStringLiteral("!!editorBody().querySelector('h2')")).toBool(); }, 60000,
               "the opened document");
    std::printf("open %s, shown: %lld ms\n", name, timer.elapsed());
    waitOrStop([&] { return pageHoldsDocument(view, codeBlocks); }, 60000, "the whole opened document");
    std::printf("open %s, whole: %lld ms\n", name, timer.elapsed());

    // The Source Code Editor takes typing again once the page's document is in.
    const auto handOverToSource = [&](const char *label) {
        timer.restart();
        activateTab(window, QStringLiteral("Source Code Editor"));
        // The character count is kept by the editor: the text itself would be a copy of the whole document.
        waitOrStop([&] { return !source->isReadOnly() && source->document()->characterCount() > int(bytes / 2); }, 60000,
                   "the Source Code Editor");
        std::printf("hand-over to the Source Code Editor %s%s: %lld ms\n", name, label, timer.elapsed());
    };
    const auto handOverToVisual = [&](const char *label) {
        timer.restart();
        activateTab(window, QStringLiteral("Visual Editor"));
        waitOrStop([&] { return pageHoldsDocument(view, codeBlocks); }, 60000, "the Visual Editor");
        std::printf("hand-over to the Visual Editor %s%s: %lld ms\n", name, label, timer.elapsed());
    };
    handOverToSource("");
    handOverToVisual("");
    // An edit in each editor: the page's edit is converted to Markdown; the
    // page then stands for the Markdown read from it, and only the source's
    // edited block goes back in.
    evaluate(view, QStringLiteral("var b=document.getElementById('bodyeditor');b.focus();"
                                  "document.execCommand('insertText',false,'edited');true"));
    handOverToSource(" after an edit");
    // A writer spends a moment in the source before the edit.
    QTest::qWait(500);
    source->textCursor().insertText(QStringLiteral("sourceword "));
    timer.restart();
    activateTab(window, QStringLiteral("Visual Editor"));
    waitOrStop([&] { return window.editorPage()->holdsLatestDocument() && pageHoldsDocument(view, codeBlocks); }, 60000,
               "the edited block in the page");
    if (!evaluate(view, QStringLiteral("editorBody().textContent.indexOf('sourceword') >= 0")).toBool()) {
        std::fprintf(stderr, "the word edited in the source is not in the page\n");
        std::exit(1);
    }
    std::printf("hand-over to the Visual Editor %s after an edit in each editor: %lld ms\n", name, timer.elapsed());

    // One word typed in the source of a page left unedited: only its block is
    // rendered again.
    handOverToSource(" unedited");
    // A writer spends a moment in the source before the edit.
    QTest::qWait(500);
    {
        QTextCursor cursor(source->document());
        cursor.setPosition(source->document()->characterCount() / 2);
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText(QStringLiteral(" oneword"));
        timer.restart();
        activateTab(window, QStringLiteral("Visual Editor"));
        // The page takes the changed block in at once, then tells its new document's number.
        waitOrStop([&] { return window.editorPage()->holdsLatestDocument(); }, 60000, "the edited block in the page");
        const qint64 elapsed = timer.elapsed();
        if (!evaluate(view, QStringLiteral("editorBody().textContent.indexOf(' oneword') >= 0")).toBool()) {
            std::fprintf(stderr, "the edited word is not in the page\n");
            std::exit(1);
        }
        std::printf("hand-over to the Visual Editor %s after a one-word edit in the source: %lld ms\n", name, elapsed);
    }

    timer.restart();
    window.on_actionSave_triggered();
    std::printf("save %s: %lld ms\n", name, timer.elapsed());
    std::printf("memory with %s open: %.0f MB\n", name, proportionalSetSizeMb());
    QTest::qWait(4000);
    std::printf("memory with %s open settled: %.0f MB\n", name, proportionalSetSizeMb());
}
}

int main(int argc, char *argv[])
{
    keepLargeBuffersOutOfTheHeap();
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", webEngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), runningAsRoot()));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    initPenwickResources();
    installDefaultEditorThemes(editorThemeDirectory());
    QTemporaryDir folder;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            const QByteArray name = QByteArray(argv[i]) + "KB";
            measure(name.constData(), size_t(std::atoi(argv[i])) * 1024, folder.path());
        }
        return 0;
    }
    measure("2MB", 2 * 1024 * 1024, folder.path());
    measure("200KB", 200 * 1024, folder.path());
    return 0;
}
