#pragma once

#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

// Waits for `condition` in a running event loop, as the program itself waits:
// QTest::qWaitFor's polling with sleeps in between holds the web engine's
// answers back by up to a few hundred milliseconds, which would be measured
// as the program's own time. A figure taken after a wait that timed out would
// be meaningless, so the benchmark stops instead.
template <typename Condition>
void waitOrStop(Condition condition, int timeoutMs, const char *what)
{
    if (condition())
        return;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(2);
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    if (loop.exec() != 0) {
        std::fprintf(stderr, "timed out waiting for %s\n", what);
        std::exit(1);
    }
}
