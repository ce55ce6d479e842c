// The Visual Editor with a generated 2 MB document of about 500 code blocks,
// 500 formulas and 50 tables: time until the page is ready to edit, and the
// main-thread cost of a keystroke at the end of the document (measured in the
// page over 100 keystrokes), and the time to print it to PDF. Runs under a
// virtual X server.
#include "appsettings.h"
#include "benchwait.h"
#include "QWebEngineViewEx.h"
#include "content.h"
#include "documentgenerator.h"
#include "documentconverter.h"
#include "editorpage.h"
#include "mainwindow.h"
#include "productlinks.h"
#include "pagescript.h"
#include "resources.h"
#include "startup.h"

#include <QSettings>
#include <QApplication>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QWebEnginePage>

#include <cstdio>

namespace {
QVariant evaluate(QWebEngineView *view, const QString &script)
{
    return runScriptAndWait(view->page(), script, 60000);
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
    ProductLinks::setSite(QUrl(QStringLiteral("http://127.0.0.1:9/")));
    MainWindow window{QString()};
    window.resize(1200, 900);
    window.show();
    auto *view = window.findChild<QWebEngineViewEx *>(QStringLiteral("webView"));
    auto *content = window.findChild<Content *>(QStringLiteral("content"));
    waitOrStop([&] { return evaluate(view, QStringLiteral("typeof contentObj === 'object'")).toBool(); }, 30000, "the page");
    std::printf("document: %.1f MB of Markdown, %d code blocks, %d formulas\n",
                static_cast<double>(markdown.size()) / (1024.0 * 1024.0), html.count(QStringLiteral("<pre ")),
                html.count(QStringLiteral("<x-equation ")));

    if (!qEnvironmentVariableIsEmpty("XSTYLE"))
        evaluate(view, QStringLiteral("var st=document.createElement('style');st.textContent=%1;document.head.appendChild(st);true").arg(QString::fromUtf8(qgetenv("XSTYLE"))));
    QElapsedTimer timer;
    timer.start();
    emit content->setHtmlSignal(html);
    waitOrStop([&] {
        return evaluate(view, QStringLiteral("document.querySelectorAll('#bodyeditor .cm-editor-wrapper').length > 0 && "
                                             "!!document.querySelector('#bodyeditor x-equation .katex')"))
            .toBool();
    }, 60000, "the document in the page");
    std::printf("ready to edit 2MB: %.0f ms\n", static_cast<double>(timer.elapsed()));

    if (!qEnvironmentVariableIsEmpty("XJS")) {
        std::printf("XJS %s\n", qPrintable(evaluate(view, QString::fromUtf8(qgetenv("XJS"))).toString()));
        waitOrStop([&] { return evaluate(view, QStringLiteral("!!window.xdone")).toBool(); }, 60000, "xjs");
        std::printf("XJS2 %s\n", qPrintable(evaluate(view, QStringLiteral("window.xdone")).toString()));
    }
    evaluate(view, QStringLiteral(
        "window.keystrokes = null;"
        "(function(){var body=document.getElementById('bodyeditor');var last=body.lastElementChild;"
        "var range=document.createRange();range.selectNodeContents(last);range.collapse(false);"
        "var s=window.getSelection();s.removeAllRanges();s.addRange(range);body.focus();var times=[];"
        "function step(){if(times.length===100){times.sort(function(a,b){return a-b});window.keystrokes=times;return;}"
        "var t0=performance.now();document.execCommand('insertText',false,'a');void body.offsetHeight;"
        "var channel=new MessageChannel();channel.port1.onmessage=function(){times.push(performance.now()-t0);"
        "requestAnimationFrame(function(){setTimeout(step,0)})};channel.port2.postMessage(0);}"
        "step();})()"));
    waitOrStop([&] { return evaluate(view, QStringLiteral("!!window.keystrokes")).toBool(); }, 60000, "the keystrokes");
    const double median = evaluate(view, QStringLiteral("window.keystrokes[49]")).toDouble();
    const double p95 = evaluate(view, QStringLiteral("window.keystrokes[94]")).toDouble();
    std::printf("keystroke at the end of 2MB median: %.1f ms\n", median);
    std::printf("keystroke at the end of 2MB p95: %.1f ms\n", p95);

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
    return 0;
}
