#include "grid/base/DudXPVS.h"

#include <cstddef>

namespace {

constexpr std::array<const char*, teEntryCount> ThemeEntryNames = {
    "OpenThemeData",
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeText",
    "GetThemeBackgroundContentRect",
    "GetThemeBackgroundExtent",
    "GetThemeTextExtent",
    "GetThemeTextMetrics",
    "GetThemeBackgroundRegion",
    "HitTestThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "GetThemeColor",
    "GetThemeMetric",
    "GetThemeString",
    "GetThemeBool",
    "GetThemeInt",
    "GetThemeEnumValue",
    "GetThemePosition",
    "GetThemeFont",
    "GetThemeRect",
    "GetThemeMargins",
    "GetThemeIntList",
    "SetWindowTheme",
    "GetThemeFilename",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysBool",
    "GetThemeSysSize",
    "GetThemeSysFont",
    "GetThemeSysString",
    "GetThemeSysInt",
    "IsThemeActive",
    "IsAppThemed",
    "GetWindowTheme",
    "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties",
    "SetThemeAppProperties",
    "GetCurrentThemeName",
    "GetThemeDocumentationProperty",
    "DrawThemeParentBackground",
    "EnableTheming",
};

class TNoThemeModule : public TThemeModuleLoader {
public:
    bool Load() override { return false; }
    void Unload() override { }
    TThemeProc Find(const char*) const override { return nullptr; }
};

} // namespace

const char* ThemeEntryName(TThemeEntry entry) { return ThemeEntryNames[entry]; }

TThemeModuleLoader& PlatformThemeModule()
{
    static TNoThemeModule module;
    return module;
}

void TThemeLibrary::Bind(TThemeModuleLoader& loader)
{
    if (Loaded() || !loader.Load()) return;
    std::array<TThemeProc, teEntryCount> entries {};
    for (std::size_t index = 0; index < entries.size(); ++index) {
        entries[index] = loader.Find(ThemeEntryNames[index]);
        if (!entries[index]) {
            loader.Unload();
            return;
        }
    }
    FEntries = entries;
    FLoader = &loader;
}

void TThemeLibrary::Free()
{
    if (!FLoader) return;
    FLoader->Unload();
    FLoader = nullptr;
}

namespace {

const TThemeLibrary* BoundLibrary = nullptr;

} // namespace

const TThemeLibrary& DudThemeLibrary()
{
    static TThemeLibrary library(PlatformThemeModule());
    return BoundLibrary ? *BoundLibrary : library;
}

TThemeLibraryScope::TThemeLibraryScope(TThemeModuleLoader& loader) : FLibrary(loader), FPrevious(BoundLibrary)
{
    BoundLibrary = &FLibrary;
}

TThemeLibraryScope::~TThemeLibraryScope() { BoundLibrary = FPrevious; }

bool VisualStylesActive()
{
    const TThemeLibrary& library = DudThemeLibrary();
    const auto isThemeActive = library.EntryAs<TIsThemeActiveProc>(teIsThemeActive);
    return library.Loaded() && isThemeActive && isThemeActive() != 0;
}

bool DrawThemePart(TCanvas& canvas, const TWinControl* window, const char16_t* themeClass, int32_t part,
    int32_t state, const TRect& rect)
{
    if (!VisualStylesActive())
        return false;
    const TThemeLibrary& library = DudThemeLibrary();
    void* theme = library.EntryAs<TOpenThemeDataProc>(teOpenThemeData)(window, themeClass);
    if (!theme)
        return false;
    const int32_t result
        = library.EntryAs<TDrawThemeBackgroundProc>(teDrawThemeBackground)(theme, &canvas, part, state, &rect, nullptr);
    library.EntryAs<TCloseThemeDataProc>(teCloseThemeData)(theme);
    return result == 0;
}
