#pragma once

#include "platform/ui/Forms.h"

// The translucent frame the grid lays around an edited cell: an unowned,
// top-most, frameless tool window that never takes the focus or the mouse.
// Its placer gives it its region, its layered picture and its position.
class TGridFocusWindow : public TForm {
public:
    explicit TGridFocusWindow(TComponent* owner);
};
