#pragma once

#include <array>
#include <cstdint>

class TCanvas;
class TWinControl;
struct TRect;

// The entry points of the platform's visual-style library, bound by name at
// run time so that the program also starts where no such library exists.
// Callers test Loaded() (or the entry for null) before they call an entry.

enum TThemeEntry : uint8_t {
    teOpenThemeData,
    teCloseThemeData,
    teDrawThemeBackground,
    teDrawThemeText,
    teGetThemeBackgroundContentRect,
    teGetThemeBackgroundExtent,
    teGetThemeTextExtent,
    teGetThemeTextMetrics,
    teGetThemeBackgroundRegion,
    teHitTestThemeBackground,
    teDrawThemeEdge,
    teDrawThemeIcon,
    teIsThemePartDefined,
    teIsThemeBackgroundPartiallyTransparent,
    teGetThemeColor,
    teGetThemeMetric,
    teGetThemeString,
    teGetThemeBool,
    teGetThemeInt,
    teGetThemeEnumValue,
    teGetThemePosition,
    teGetThemeFont,
    teGetThemeRect,
    teGetThemeMargins,
    teGetThemeIntList,
    teSetWindowTheme,
    teGetThemeFilename,
    teGetThemeSysColor,
    teGetThemeSysColorBrush,
    teGetThemeSysBool,
    teGetThemeSysSize,
    teGetThemeSysFont,
    teGetThemeSysString,
    teGetThemeSysInt,
    teIsThemeActive,
    teIsAppThemed,
    teGetWindowTheme,
    teEnableThemeDialogTexture,
    teIsThemeDialogTextureEnabled,
    teGetThemeAppProperties,
    teSetThemeAppProperties,
    teGetCurrentThemeName,
    teGetThemeDocumentationProperty,
    teDrawThemeParentBackground,
    teEnableTheming,
    teEntryCount
};

// The export name of an entry.
const char* ThemeEntryName(TThemeEntry entry);

// An entry as found in the library; callers convert it to the entry's own
// signature before calling it.
using TThemeProc = void (*)();

// Signatures of the entries the grid units call.
using TIsThemeActiveProc = int32_t (*)();
// The theme data of a window for a list of class names; null when none of
// them has a style.
using TOpenThemeDataProc = void* (*)(const TWinControl* window, const char16_t* classList);
// 0 when the part was drawn.
using TDrawThemeBackgroundProc = int32_t (*)(void* theme, TCanvas* canvas, int32_t partId, int32_t stateId,
    const TRect* rect, const TRect* clipRect);
using TCloseThemeDataProc = int32_t (*)(void* theme);
using TGetCurrentThemeNameProc = int32_t (*)(char16_t* fileName, int32_t fileNameSize, char16_t* colorName,
                                            int32_t colorNameSize, char16_t* sizeName, int32_t sizeNameSize);

// Finds the visual-style library and its exports. Every successful Load is
// matched by one Unload.
class TThemeModuleLoader {
public:
    virtual ~TThemeModuleLoader() = default;
    virtual bool Load() = 0;
    virtual void Unload() = 0;
    virtual TThemeProc Find(const char* exportName) const = 0;
};

// The platform's loader. This platform has no visual-style library, so it
// never loads one and every control draws its classic look.
TThemeModuleLoader& PlatformThemeModule();

// One table of entries with its "loaded" flag.
class TThemeLibrary {
public:
    TThemeLibrary() { FEntries.fill(nullptr); }
    // Bound at once; the loader must outlive the table.
    explicit TThemeLibrary(TThemeModuleLoader& loader) : TThemeLibrary() { Bind(loader); }
    TThemeLibrary(const TThemeLibrary&) = delete;
    TThemeLibrary& operator=(const TThemeLibrary&) = delete;
    ~TThemeLibrary() { Free(); }

    // Once: a second call while loaded does nothing. When the library is
    // found, every entry is looked up in table order. A library lacking one
    // of them is unloaded again and the table stays empty, so the program
    // starts with the classic look instead of failing.
    void Bind(TThemeModuleLoader& loader);
    // Unloads the library; the entries keep their values, Loaded turns false.
    void Free();

    bool Loaded() const { return FLoader != nullptr; }
    TThemeProc Entry(TThemeEntry entry) const { return FEntries[entry]; }
    template <typename TProc>
    TProc EntryAs(TThemeEntry entry) const
    {
        return reinterpret_cast<TProc>(FEntries[entry]);
    }

private:
    TThemeModuleLoader* FLoader = nullptr;
    std::array<TThemeProc, teEntryCount> FEntries;
};

// The table of the grid units, bound when first used and freed at the end
// of the program.
const TThemeLibrary& DudThemeLibrary();

// Binds the grid units' table to another library while it lives (a
// style-backed look, or a test's stand-in); the platform's table is back
// afterwards.
class TThemeLibraryScope {
public:
    explicit TThemeLibraryScope(TThemeModuleLoader& loader);
    TThemeLibraryScope(const TThemeLibraryScope&) = delete;
    TThemeLibraryScope& operator=(const TThemeLibraryScope&) = delete;
    ~TThemeLibraryScope();

private:
    TThemeLibrary FLibrary;
    const TThemeLibrary* FPrevious;
};

// The one decision between the themed and the classic look, asked by every
// control and routine that can draw either: the grid units' table is bound
// and its IsThemeActive answers non-zero.
bool VisualStylesActive();

// Draws one part of a visual-style class through the table (OpenThemeData
// for the window, DrawThemeBackground into rect, CloseThemeData). False when
// no style is active or the class has none: the caller draws its classic
// look instead.
bool DrawThemePart(TCanvas& canvas, const TWinControl* window, const char16_t* themeClass, int32_t part,
    int32_t state, const TRect& rect);
