#pragma once

class TBitmap;

// The pictures of the glyph buttons of the main window and of the EnOcean
// editor, and of the about box, drawn by the program itself.

enum class TGlyph_Kind { gkInfo, gkOptions, gkClose, gkAdd, gkRemove, gkModify };
using enum TGlyph_Kind;

inline constexpr int Glyph_Size = 32;
inline constexpr int About_Picture_Size = 81;

// A Glyph_Size square glyph on a fuchsia background, which the button takes
// for transparent from the lower-left pixel.
void Draw_Glyph(TGlyph_Kind kind, TBitmap& bitmap);
// The about box's picture: a converter between two networks.
void Draw_About_Picture(TBitmap& bitmap);
