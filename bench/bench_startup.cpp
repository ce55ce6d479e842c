// Start-up of the real program on a 2 KB document, measured from outside as
// a user sees it: the time until the window shows the document's text, until
// the window stays the same (settled), and the memory all its processes use
// once idle. Other editors can be measured in the same run for comparison:
// the programs take turns, and each figure is the median of the runs, after
// one start of each that is not counted (it fills the program's cache).
//
// Usage (under a display, for instance xvfb-run -a):
//   bench_startup [runs] [program ...]     (default: 5 runs of build/penwick)
// A program is a command line; the document's path is added at its end.
// With BENCH_STARTUP_FRAMES naming a folder, every frame that differs from
// the one before is saved there, named by its time in milliseconds.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {
const char *const document = "# Start-up\n\nA short note of about two kilobytes, as a writer opens one every day. It has "
                             "*emphasis*, **strong words** and `code`, a [link](https://example.org/) and a list:\n\n"
                             "- first item\n- second item with more words in it\n- third\n\n"
                             "## A second part\n\nParagraphs of ordinary words follow, long enough to wrap in a window "
                             "of usual width, so that the page lays out a few lines of text.\n\n"
                             "```cpp\nint main() { return 0; }\n```\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n";

// The X window a process shows, 0 while it shows none.
WId windowOf(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(2000);
    const QList<QByteArray> ids = search.readAllStandardOutput().split('\n');
    return ids.isEmpty() ? 0 : WId(ids.first().trimmed().toULongLong());
}

// Pixels that stand out from the background in the middle of the window
// (below menus and tool bars, above tabs and the status bar): the text, on
// light or dark themes. An area not painted yet is all one colour.
int textPixels(const QImage &image)
{
    int histogram[256] = {};
    std::vector<int> greys;
    for (int y = image.height() / 3; y < image.height() - 90; y += 2)
        for (int x = 0; x < image.width(); x += 2)
            greys.push_back(qGray(image.pixel(x, y)));
    for (const int grey : greys)
        ++histogram[grey];
    const int background = int(std::max_element(std::begin(histogram), std::end(histogram)) - std::begin(histogram));
    if (histogram[background] * 10 < int(greys.size()) * 6)
        return 0;
    return int(std::count_if(greys.begin(), greys.end(), [background](int grey) { return std::abs(grey - background) > 100; }));
}

// Whether two frames differ by more than a blinking caret.
bool changed(const QImage &before, const QImage &after)
{
    if (before.size() != after.size())
        return true;
    int differing = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            differing += before.pixel(x, y) != after.pixel(x, y);
    return differing > 400;
}

std::vector<qint64> processTree(qint64 root)
{
    std::vector<qint64> tree{root};
    bool grown = true;
    while (grown) {
        grown = false;
        for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool number = false;
            const qint64 pid = entry.toLongLong(&number);
            if (!number || std::find(tree.begin(), tree.end(), pid) != tree.end())
                continue;
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray line = stat.readAll();
            const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && std::find(tree.begin(), tree.end(), fields[1].toLongLong()) != tree.end()) {
                tree.push_back(pid);
                grown = true;
            }
        }
    }
    return tree;
}

// Proportional set size of a process and all its descendants, in MB.
double memoryOf(qint64 root)
{
    qint64 kilobytes = 0;
    for (const qint64 pid : processTree(root)) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : rollup.readAll().split('\n'))
            if (line.startsWith("Pss:"))
                kilobytes += line.mid(4).trimmed().split(' ').first().toLongLong();
    }
    return double(kilobytes) / 1024.0;
}

struct Run {
    qint64 text = -1;
    qint64 settled = -1;
    double memory = 0;
};

// Every start has settings of its own, but the cache is kept from one start
// of a program to the next, as a user's is: what a program builds once on
// its first start (converted dictionaries, for instance) is not measured.
Run startOnce(const QString &program, const QString &path, const QString &cache)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    // Penwick's first-run question about file association would cover the window.
    QDir(home.path()).mkpath(QStringLiteral("data/Penwick"));
    QFile settings(home.filePath(QStringLiteral("data/Penwick/app.ini")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[General]\nassociationChecked=true\n");
    settings.close();
    QStringList arguments = QProcess::splitCommand(program);
    const QString executable = arguments.takeFirst();
    arguments << path;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(executable, arguments);
    process.waitForStarted(10000);
    Run run;
    WId window = 0;
    QImage last;
    qint64 lastChange = 0;
    QScreen *screen = QGuiApplication::primaryScreen();
    while (clock.elapsed() < 30000 && process.state() == QProcess::Running) {
        if (!window)
            window = windowOf(process.processId());
        if (window) {
            const QImage image = screen->grabWindow(window).toImage();
            if (run.text < 0 && textPixels(image) > 200) {
                run.text = clock.elapsed();
                if (qEnvironmentVariableIsSet("BENCH_STARTUP_SAVE"))
                    image.save(qEnvironmentVariable("BENCH_STARTUP_SAVE"));
            }
            if (changed(last, image)) {
                if (qEnvironmentVariableIsSet("BENCH_STARTUP_FRAMES"))
                    image.save(QStringLiteral("%1/%2.png").arg(qEnvironmentVariable("BENCH_STARTUP_FRAMES")).arg(clock.elapsed(), 5, 10, QLatin1Char('0')));
                last = image;
                lastChange = clock.elapsed();
            } else if (run.text >= 0 && clock.elapsed() - lastChange >= 1000) {
                run.settled = lastChange;
                break;
            }
        }
        QThread::msleep(10);
    }
    QThread::msleep(2000);
    run.memory = memoryOf(process.processId());
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
    return run;
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}
}

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    bool counted = false;
    const int runs = arguments.isEmpty() ? 5 : arguments.first().toInt(&counted);
    if (counted)
        arguments.removeFirst();
    QStringList programs = arguments;
    if (programs.isEmpty())
        programs << QCoreApplication::applicationDirPath() + QStringLiteral("/../penwick");

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("note.md"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QByteArray text;
    while (text.size() < 2048)
        text += document;
    file.write(text.left(2048));
    file.close();

    std::map<QString, std::unique_ptr<QTemporaryDir>> caches;
    for (const QString &program : programs) {
        caches[program] = std::make_unique<QTemporaryDir>();
        startOnce(program, path, caches[program]->path());
    }
    std::map<QString, std::vector<Run>> results;
    for (int round = 0; round < std::max(1, counted ? runs : 5); ++round)
        for (const QString &program : programs)
            results[program].push_back(startOnce(program, path, caches.at(program)->path()));
    for (const QString &program : programs) {
        std::vector<qint64> shown;
        std::vector<qint64> settled;
        std::vector<qint64> memory;
        for (const Run &run : results[program]) {
            shown.push_back(run.text);
            settled.push_back(run.settled);
            memory.push_back(qint64(run.memory));
        }
        const QByteArray name = QFileInfo(QProcess::splitCommand(program).first()).fileName().toUtf8();
        std::printf("%s start-up 2KB, text shown: %lld ms\n", name.constData(), median(shown));
        std::printf("%s start-up 2KB, settled: %lld ms\n", name.constData(), median(settled));
        std::printf("%s idle memory 2KB: %lld MB\n", name.constData(), median(memory));
    }
    return 0;
}
