// The Visual Editor with a generated 2 MB document of about 500 code blocks,
// 500 formulas and 50 tables: time until the page is ready to edit, and the
// main-thread cost of a keystroke at the end of the document, with the view
// at the caret as a writer has it (measured in the page over 100 keystrokes,
// to the end of the script's work and to the end of the frame that shows them),
// the time to print it to PDF, and the renderer's CPU time while it rests
// after a scroll through the document and with the caret in the editor. The
// keystrokes and the rest with the caret again for 2 MB of short blocks.
// Spell checking is on, in English.
// Runs under a virtual X server.
#include "appsettings.h"
#include "benchwait.h"
#include "QWebEngineViewEx.h"
#include "documentgenerator.h"
#include "documentconverter.h"
#include "editorpage.h"
#include "mainwindow.h"
#include "productlinks.h"
#include "pagescript.h"
#include "pagespelling.h"
#include "resources.h"
#include "spellchecker.h"
#include "startup.h"

#include <QSettings>
#include <QApplication>
#include <QTest>
#include <QAction>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QWebEnginePage>

#include <QFile>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// User and system time the process has used so far (read where the system
// tells it; 0 elsewhere).
double cpuSeconds(qint64 pid)
{
#ifndef Q_OS_UNIX
    Q_UNUSED(pid)
    return 0;
#else
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
    // After the name: state is field 3, utime and stime fields 14 and 15.
    return (fields.value(12).toDouble() + fields.value(13).toDouble()) / static_cast<double>(sysconf(_SC_CLK_TCK));
#endif
}

QVariant evaluate(QWebEngineView *view, const QString &script)
{
    return runScriptAndWait(view->page(), script, 60000);
}

// The renderer's CPU seconds over the next 10 s.
double cpuAtRest(MainWindow &window)
{
    const qint64 renderer = window.editorPage()->rendererProcessId();
    const double before = cpuSeconds(renderer);
    QElapsedTimer timer;
    timer.start();
    waitOrStop([&] { return timer.elapsed() >= 10000; }, 20000, "the rest");
    return cpuSeconds(renderer) - before;
}

// 100 keystrokes at the end of the document, with the view at the caret as a
// writer has it, timed to the end of the script's work and to the end of the
// frame that shows each: the engine's work for a frame of a focused editor is
// part of what a writer waits for.
void measureKeystrokes(QWebEngineView *view, const char *name)
{
    evaluate(view, QStringLiteral(
        "window.keystrokes = null;"
        "(function(){var body=document.getElementById('bodyeditor');var last=body.lastElementChild;"
        "var range=document.createRange();range.selectNodeContents(last);range.collapse(false);"
        "var s=window.getSelection();s.removeAllRanges();s.addRange(range);body.focus();var times=[],framed=[];"
        "function byValue(a,b){return a-b}"
        "function step(){if(times.length===100){times.sort(byValue);framed.sort(byValue);window.framedKeystrokes=framed;"
        "window.keystrokes=times;return;}"
        "var t0=performance.now();document.execCommand('insertText',false,'a');void body.offsetHeight;"
        "var channel=new MessageChannel();channel.port1.onmessage=function(){times.push(performance.now()-t0);"
        "requestAnimationFrame(function(){setTimeout(function(){framed.push(performance.now()-t0);step()},0)})};"
        "channel.port2.postMessage(0);}"
        "last.scrollIntoView();requestAnimationFrame(function(){requestAnimationFrame(function(){setTimeout(step,0)})});})()"));
    waitOrStop([&] { return evaluate(view, QStringLiteral("!!window.keystrokes")).toBool(); }, 120000, "the keystrokes");
    std::printf("keystroke at the end of %s median: %.1f ms\n", name, evaluate(view, QStringLiteral("window.keystrokes[49]")).toDouble());
    std::printf("keystroke at the end of %s p95: %.1f ms\n", name, evaluate(view, QStringLiteral("window.keystrokes[94]")).toDouble());
    std::printf("keystroke at the end of %s with its frame median: %.1f ms\n", name,
                evaluate(view, QStringLiteral("window.framedKeystrokes[49]")).toDouble());
    std::printf("keystroke at the end of %s with its frame p95: %.1f ms\n", name,
                evaluate(view, QStringLiteral("window.framedKeystrokes[94]")).toDouble());
}

// The writer pauses with the caret at the start of the document: every blink
// of the caret is a frame of the focused editor.
void measureRestWithCaret(MainWindow &window, QWebEngineView *view, const char *name)
{
    window.activateWindow();
    view->focusProxy()->setFocus();
    evaluate(view, QStringLiteral(
        "(function(){var body=document.getElementById('bodyeditor');var range=document.createRange();"
        "range.setStart(body.firstElementChild,0);var s=window.getSelection();s.removeAllRanges();s.addRange(range);"
        "body.focus();scrollTo(0,0);})(); true"));
    waitOrStop([&] { return evaluate(view, QStringLiteral("document.hasFocus()")).toBool(); }, 60000, "the focus");
    std::printf("renderer CPU over 10 s at rest with the caret in %s: %.2f s\n", name, cpuAtRest(window));
}
}

int main(int argc, char *argv[])
{
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", webEngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), runningAsRoot()));
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    initPenwickResources();
    installDefaultEditorThemes(editorThemeDirectory());

    const std::string markdown = generateMarkdown(2 * 1024 * 1024);
    const QString html = DocumentConverter().markdownToHtml(markdown);
    appSettings()->setValue(QStringLiteral("associationChecked"), true);
    appSettings()->setValue(QStringLiteral("spellCheck"), true);
    appSettings()->setValue(QStringLiteral("spellCheckLanguage"), SpellChecker::bestDictionaryFor(QStringLiteral("en_US")));
    ProductLinks::setSite(QUrl(QStringLiteral("http://127.0.0.1:9/")));
    MainWindow window{QString()};
    window.resize(1200, 900);
    window.show();
    auto *view = window.findChild<QWebEngineViewEx *>(QStringLiteral("webView"));
    waitOrStop([&] { return evaluate(view, QStringLiteral("typeof contentObj === 'object'")).toBool(); }, 30000, "the page");
    auto *spelling = window.findChild<PageSpelling *>();
    waitOrStop([&] { return !spelling->activeDictionary().isEmpty(); }, 30000, "the page's dictionary");
    std::printf("document: %.1f MB of Markdown, %d code blocks, %d formulas\n",
                static_cast<double>(markdown.size()) / (1024.0 * 1024.0), html.count(QStringLiteral("<pre ")),
                html.count(QStringLiteral("<x-equation ")));

    QElapsedTimer timer;
    timer.start();
    window.findChild<EditorPage *>()->showHtml(html);
    waitOrStop([&] {
        return evaluate(view, QStringLiteral("document.querySelectorAll('#bodyeditor .cm-editor-wrapper').length > 0 && "
                                             "!!document.querySelector('#bodyeditor x-equation .katex')"))
            .toBool();
    }, 60000, "the document in the page");
    std::printf("ready to edit 2MB: %.0f ms\n", static_cast<double>(timer.elapsed()));

    measureKeystrokes(view, "2MB");

    // The writer turns to another field: the page loses the focus.
    auto *navigation = window.findChild<QDockWidget *>(QStringLiteral("dockNavigation"));
    if (navigation->isHidden())
        navigation->toggleViewAction()->trigger();
    timer.restart();
    window.findChild<QWidget *>(QStringLiteral("navigationSearch"))->setFocus();
    waitOrStop([&] { return evaluate(view, QStringLiteral("!document.hasFocus()")).toBool(); }, 60000, "the focus to leave");
    std::printf("page losing the focus with 2MB: %lld ms\n", timer.elapsed());
    evaluate(view, QStringLiteral("document.getElementById('bodyeditor').focus(); true"));

    QByteArray pdf;
    timer.restart();
    window.editorPage()->printToPdf(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)),
                                    [&pdf](const QByteArray &printed) { pdf = printed.isEmpty() ? QByteArray("-") : printed; });
    waitOrStop([&] { return !pdf.isEmpty(); }, 300000, "the PDF");
    if (pdf == "-") {
        std::fprintf(stderr, "the page could not be printed\n");
        return 1;
    }
    std::printf("print 2MB to PDF: %lld ms\n", timer.elapsed());
    std::printf("PDF of 2MB: %.1f MB\n", static_cast<double>(pdf.size()) / (1024.0 * 1024.0));

    // A jump into the middle, never shown before: the longest frame of the next 2 s.
    evaluate(view, QStringLiteral(
        "window.longestFrame = null; (function () { var last = performance.now(), start = last, longest = 0;"
        "  scrollTo(0, 0.5 * (document.documentElement.scrollHeight - innerHeight));"
        "  requestAnimationFrame(function tick(now) { longest = Math.max(longest, now - last); last = now;"
        "    if (now - start < 2000) requestAnimationFrame(tick); else window.longestFrame = longest; }); })(); true"));
    waitOrStop([&] { return !evaluate(view, QStringLiteral("window.longestFrame === null")).toBool(); }, 60000, "the jump");
    std::printf("longest frame after a jump into 2MB: %.0f ms\n", evaluate(view, QStringLiteral("window.longestFrame")).toDouble());

    // Through the whole document in 60 steps, two frames each, then at rest.
    evaluate(view, QStringLiteral(
        "window.scrolled = false; (function step(i) {"
        "  scrollTo(0, i / 60 * (document.documentElement.scrollHeight - innerHeight));"
        "  requestAnimationFrame(function () { requestAnimationFrame(function () {"
        "    if (i < 60) step(i + 1); else window.scrolled = true; }); }); })(0); true"));
    waitOrStop([&] { return evaluate(view, QStringLiteral("window.scrolled")).toBool(); }, 120000, "the scrolling");
    std::printf("renderer CPU over 10 s at rest after scrolling 2MB: %.2f s\n", cpuAtRest(window));

    measureRestWithCaret(window, view, "2MB");

    // The whole document selected and typed over, then brought back by undo.
    view->setFocus();
    QWidget *keys = view->focusProxy();
    const QString blocks = QStringLiteral("document.getElementById('bodyeditor').childElementCount");
    const int blockCount = evaluate(view, blocks).toInt();
    timer.restart();
    QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_W);
    waitOrStop([&] { return evaluate(view, blocks).toInt() < 4; }, 600000, "the replacement");
    std::printf("typing over all of 2MB selected: %lld ms\n", timer.elapsed());
    timer.restart();
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    waitOrStop([&] { return evaluate(view, blocks).toInt() >= blockCount; }, 600000, "the undo");
    std::printf("undoing that: %lld ms\n", timer.elapsed());
    timer.restart();
    QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_X, Qt::ControlModifier);
    waitOrStop([&] { return evaluate(view, blocks).toInt() < 4; }, 600000, "the cut");
    std::printf("cutting all of 2MB: %lld ms\n", timer.elapsed());

    // A reference manual: as much text in many more, shorter blocks, where the
    // engine's work for each frame of the focused editor is the greater.
    const QString shortBlocks = DocumentConverter().markdownToHtml(generateShortBlocks(2 * 1024 * 1024));
    window.findChild<EditorPage *>()->showHtml(shortBlocks);
    waitOrStop([&] { return evaluate(view, QStringLiteral("document.getElementById('bodyeditor').childElementCount > 10000 && "
                                                          "!pendingHtml")).toBool(); }, 120000, "the document of short blocks");
    std::printf("document of short blocks: %d top-level blocks\n",
                evaluate(view, QStringLiteral("document.getElementById('bodyeditor').childElementCount")).toInt());
    measureKeystrokes(view, "2MB of short blocks");
    measureRestWithCaret(window, view, "2MB of short blocks");
    return 0;
}
