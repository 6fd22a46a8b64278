#pragma once

#include "grid/base/DudXPVS.h"

// The dropdown controls' own table of visual-style entries, bound and freed
// independently of the grid units' table.
const TThemeLibrary& ATThemeLibrary();
