#include "grid/base/ATXPVS.h"

const TThemeLibrary& ATThemeLibrary()
{
    static TThemeLibrary library(PlatformThemeModule());
    return library;
}
