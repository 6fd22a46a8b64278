#pragma once

#include "platform/core/Exception.h"

#include <cstdint>

class TIcon;

// The icon the system shows for a file or folder: an existing one gives its
// own, any other name the icon of its extension. Where the system has no
// icon for it, a plain page (or, for a folder, a folder) drawn here stands
// in, so a name always gives an icon. large asks for 32 pixels, else 16.
void LoadFileTypeIcon(const String& name, bool large, TIcon& icon);

// The icon at index in the system's list of small or large icons. The
// system keeps no such list here: every index gives the plain page.
void LoadSystemListIcon(int32_t index, bool large, TIcon& icon);
