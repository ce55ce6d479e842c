// Time to put a generated 50,000-line Markdown document into the Source Code
// Editor, and until every line is coloured.
//
// Usage: bench_sourceeditor [lines]
#include "QPlainTextEditEx.h"
#include "appsettings.h"
#include "benchwait.h"
#include "highlighter.h"
#include "resources.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {
QString generateDocument(int lines)
{
    const QStringList prose{
        QStringLiteral("A public class keeps its **state** private, and *every* static value is const."),
        QStringLiteral("Writers trust the editor with `inline` code, ~~old~~ text and [links](http://x.org \"t\")."),
        QStringLiteral("Long lines of ordinary prose come between the headings, lists and tables of a document."),
        QStringLiteral("![figure](images/figure.png) shows the void between two unsigned int values."),
    };
    QString text;
    text.reserve(lines * 60);
    int line = 0;
    for (int section = 1; line < lines; ++section) {
        text += QStringLiteral("## Section %1\n\n").arg(section);
        line += 2;
        for (int i = 0; i < 6 && line < lines; ++i, ++line)
            text += prose.at((section + i) % prose.size()) + QLatin1Char('\n');
        text += QStringLiteral("\n- first item with a struct\n- second item\n  1. nested\n\n");
        text += QStringLiteral("| a | b |\n|---|---|\n| 1 | 2 |\n\n");
        text += QStringLiteral("```cpp\nint main() { return 0; }\n```\n\n> quoted line\n---\n");
        line += 14;
    }
    return text;
}
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Penwick"));
    initPenwickResources();
    installDefaultEditorThemes(editorThemeDirectory());

    const int lines = argc > 1 ? std::atoi(argv[1]) : 50000;
    const QString document = generateDocument(lines);
    const int blocks = document.count(QLatin1Char('\n'));

    const auto measure = [&](const char *name, bool highlight) {
        QPlainTextEditEx editor;
        editor.resize(1000, 700);
        Highlighter highlighter(highlight ? editor.document() : nullptr);
        editor.show();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        editor.setTextProgrammatically(document);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        std::printf("%s %d lines: %.0f lines/s\n", name, blocks, blocks / seconds);
        std::printf("%s %d lines: %.1f ms\n", name, blocks, seconds * 1000.0);
        if (highlight) {
            waitOrStop([&] { return !highlighter.hasPendingBlocks(); }, 60000, "the colours");
            std::printf("%s %d lines, every line coloured: %.1f ms\n", name, blocks, timer.nsecsElapsed() / 1e6);
        }
        return !highlighter.themeObject.isEmpty();
    };
    measure("setTextProgrammatically without highlighting", false);
    const bool themed = measure("setTextProgrammatically", true);
    return themed ? 0 : 1;
}
