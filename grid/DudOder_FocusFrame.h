#pragma once

class TDudStringGrid;
class TForm;
class TGridAlphaMask;

// The grid whose edit focus frame is shown (one at a time), null when none;
// the window-position hook moves that grid's frame.
extern TDudStringGrid* FocusFrameGrid;

// Shows the per-pixel-alpha picture in the window at the window's place,
// sized to the picture. True when the window system blends it; false where
// it cannot, the window then showing the picture opaque, and for an empty
// mask, which changes nothing.
bool ShowLayeredMask(TForm* wnd, const TGridAlphaMask& mask);
