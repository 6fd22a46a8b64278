#pragma once

#include "grid/base/DudXPVS.h"
#include "platform/core/Registry.h"

#include <cstdint>

enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

// Operating-system checks. This platform stands in for a current system
// with the newer common controls, so all three hold.
bool IsVistaOrLater();
bool IsWinXPOrLater();
bool IsComCtl6();
// "Segoe UI" on a Vista-or-later system, else "Tahoma".
String GetDefaultFontName();

// 2 when the Office 14.0 settings exist, 1 for Office 12.0, else 0.
int32_t GetInstalledOfficeVersion();
// The visual style's colour scheme: 1 "NormalColor", 2 "HomeStead",
// 3 "Metallic", 0 for any other or when no visual style is active.
int32_t GetXPColorScheme(TThemeModuleLoader& loader = PlatformThemeModule());
// The integer value "Theme" of key; -1 when the key or the value is
// missing, or when the value is not an integer.
int32_t ReadOfficeThemeValue(TRegistry& registry, const String& key);
// The Office colour scheme the user has chosen, from the newest Office found
// in the registry, else from the visual style's colour scheme. Never otUnknown.
TOfficeTheme GetOfficeTheme(TThemeModuleLoader& loader = PlatformThemeModule());
