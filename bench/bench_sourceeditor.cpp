// Time to put a generated 50,000-line Markdown document into the Source Code
// Editor, until every line is coloured, and until the misspelt words on
// screen are marked (spell checking in English); keystrokes at its end.
//
// Usage: bench_sourceeditor [lines]
#include "QPlainTextEditEx.h"
#include "appsettings.h"
#include "benchwait.h"
#include "highlighter.h"
#include "resources.h"
#include "sourcespelling.h"
#include "spellchecker.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

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

    QTemporaryDir words;
    SpellChecker checker(words.filePath(QStringLiteral("dictionary.txt")));
    checker.setLanguage(SpellChecker::bestDictionaryFor(QStringLiteral("en_US")));
    if (!checker.isAvailable()) {
        std::fprintf(stderr, "no English dictionary (hunspell-en-us)\n");
        return 1;
    }

    const auto measure = [&](const char *name, bool highlight, bool spelling) {
        QPlainTextEditEx editor;
        editor.resize(1000, 700);
        Highlighter highlighter(highlight ? editor.document() : nullptr);
        SourceSpelling marks(&editor, &checker);
        bool marked = false;
        QObject::connect(&marks, &SourceSpelling::marked, [&marked] { marked = true; });
        marks.setEnabled(spelling);
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
        if (spelling) {
            waitOrStop([&] { return marked; }, 60000, "the spelling marks");
            // At the end of the document the state of every line above is worked out first.
            marked = false;
            editor.moveCursor(QTextCursor::End);
            editor.ensureCursorVisible();
            timer.restart();
            waitOrStop([&] { return marked; }, 60000, "the spelling marks at the end");
            std::printf("%s, misspelt words marked at the end: %.1f ms\n", name, timer.nsecsElapsed() / 1e6);
        }
        editor.moveCursor(QTextCursor::End);
        editor.setFocus();
        std::vector<double> keys;
        for (int key = 0; key < 100; ++key) {
            timer.restart();
            QTest::keyClick(&editor, Qt::Key_A);
            QCoreApplication::processEvents();
            keys.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(keys.begin(), keys.end());
        std::printf("%s, keystroke at the end median: %.2f ms\n", name, keys[49]);
        std::printf("%s, keystroke at the end p95: %.2f ms\n", name, keys[94]);
        if (spelling) {
            marked = false;
            timer.restart();
            waitOrStop([&] { return marked; }, 60000, "the spelling marks after typing");
            std::printf("%s, marks after typing at the end, pause included: %.1f ms\n", name, timer.nsecsElapsed() / 1e6);
        }
        return !highlighter.theme().isEmpty();
    };
    measure("setTextProgrammatically without highlighting", false, false);
    const bool themed = measure("setTextProgrammatically", true, false);
    measure("setTextProgrammatically with spell checking", true, true);
    return themed ? 0 : 1;
}
