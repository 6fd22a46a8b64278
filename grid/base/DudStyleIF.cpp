#include "grid/base/DudStyleIF.h"

#include <array>

namespace {

const String Office12Common = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
const String Office14Common = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");

// The colour-scheme names of the visual style, in the order of their numbers.
constexpr std::array<const char16_t*, 3> ColorSchemeNames = { u"NormalColor", u"HomeStead", u"Metallic" };

// Office "Theme" values 1, 2, 3 by Office version; any other value means blue 2003.
TOfficeTheme ThemeOfValue(int32_t value, TOfficeTheme blue)
{
    return value >= 1 && value <= 3 ? static_cast<TOfficeTheme>(blue + value - 1) : ot2003Blue;
}

} // namespace

bool IsVistaOrLater() { return true; }

bool IsWinXPOrLater() { return true; }

bool IsComCtl6() { return true; }

String GetDefaultFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

int32_t GetInstalledOfficeVersion()
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (registry.KeyExists(Office14Common + QStringLiteral("\\General"))) return 2;
    if (registry.KeyExists(Office12Common + QStringLiteral("\\General"))) return 1;
    return 0;
}

int32_t GetXPColorScheme(TThemeModuleLoader& loader)
{
    if (!IsWinXPOrLater() || !loader.Load()) return 0;
    int32_t scheme = 0;
    const auto isThemeActive = reinterpret_cast<TIsThemeActiveProc>(loader.Find("IsThemeActive"));
    const auto getCurrentThemeName = reinterpret_cast<TGetCurrentThemeNameProc>(loader.Find("GetCurrentThemeName"));
    if (isThemeActive && getCurrentThemeName && isThemeActive() != 0 && IsComCtl6()) {
        constexpr int32_t BufferSize = 255;
        std::array<char16_t, BufferSize + 1> fileName {};
        std::array<char16_t, BufferSize + 1> colorName {};
        std::array<char16_t, BufferSize + 1> sizeName {};
        getCurrentThemeName(fileName.data(), BufferSize, colorName.data(), BufferSize, sizeName.data(), BufferSize);
        const String color = String::fromUtf16(colorName.data());
        for (size_t index = 0; index < ColorSchemeNames.size() && scheme == 0; ++index)
            if (color.contains(String::fromUtf16(ColorSchemeNames[index]))) scheme = static_cast<int32_t>(index) + 1;
    }
    loader.Unload();
    return scheme;
}

int32_t ReadOfficeThemeValue(TRegistry& registry, const String& key)
{
    if (!registry.KeyExists(key) || !registry.OpenKeyReadOnly(key)) return -1;
    int32_t value = -1;
    // A "Theme" of another type is foreign data, not a scheme: read as missing.
    if (registry.ValueExists(QStringLiteral("Theme"))) {
        try {
            value = registry.ReadInteger(QStringLiteral("Theme"));
        } catch (const ERegistryException&) {
            value = -1;
        }
    }
    registry.CloseKey();
    return value;
}

TOfficeTheme GetOfficeTheme(TThemeModuleLoader& loader)
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (const int32_t value = ReadOfficeThemeValue(registry, Office14Common); value != -1)
        return ThemeOfValue(value, ot2010Blue);
    if (const int32_t value = ReadOfficeThemeValue(registry, Office12Common); value != -1)
        return ThemeOfValue(value, ot2007Blue);
    constexpr std::array<TOfficeTheme, 4> SchemeThemes = { ot2003Classic, ot2003Blue, ot2003Olive, ot2003Silver };
    return SchemeThemes[static_cast<size_t>(GetXPColorScheme(loader))];
}
