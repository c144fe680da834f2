#pragma once

#include "model/catalogue.h"
#include "model/stores.h"

// Stores and catalogues are process-wide: every test starts from a blank
// project with all counters and lock flags at zero. Header-only, so that
// core tests need no window library.
inline void resetToBlankProject()
{
    startBlankProject();
}
