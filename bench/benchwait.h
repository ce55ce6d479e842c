#pragma once

#include <QTest>

#include <cstdio>
#include <cstdlib>

// Waits for `condition`; a figure taken after a wait that timed out would be
// meaningless, so the benchmark stops instead.
template <typename Condition>
void waitOrStop(Condition condition, int timeoutMs, const char *what)
{
    if (!QTest::qWaitFor(condition, timeoutMs)) {
        std::fprintf(stderr, "timed out waiting for %s\n", what);
        std::exit(1);
    }
}
