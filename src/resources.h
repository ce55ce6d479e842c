#pragma once

// Registers the resources compiled into the static library; the linker would
// otherwise drop them from programs that never name them.
void initPenwickResources();

#include <QString>

// The preview themes: beside the executable (Windows, build trees) or in the
// installed data folder (share/penwick/themes on Linux).
QString themesFolder();
