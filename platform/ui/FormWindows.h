#pragma once

// Window kinds and ownership of forms, and what they ask of an X display;
// used only inside the layer.

#include <Qt>

class TForm;

// The window flags of form's kind and style, given those of its border.
Qt::WindowFlags WindowFlagsOfKind(const TForm& form, Qt::WindowFlags borderFlags);
// True when the window system blends translucent windows with what lies
// below them (a compositing display).
bool WindowSystemBlends();
// Makes sure a press outside an open popup closes it (once per application).
void WatchOutsideClicks();
// True when an X display has a compositing manager; false elsewhere.
bool X11Composites();
// Makes the windows made from now on use the screen's colormap on X
// (once per application; elsewhere nothing).
void UseScreenColormaps();
