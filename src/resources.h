#pragma once

// Registers the resources compiled into the static library; the linker would
// otherwise drop them from programs that never name them.
void initPenwickResources();
