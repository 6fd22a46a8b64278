#pragma once

#include "platform/ui/Forms.h"

#include <memory>

class TBitmap;
class TDragTabObject;
class TPanel;
class TSlantTabs;

// Two tab strips of one form, each over a page of its own, for dragging a
// tab from one to the other; the picture of a dragged tab shows its page.
class TTabDragForm : public TForm {
public:
    explicit TTabDragForm(TComponent* owner);

    // Drags the upper strip's active tab below both strips and holds it
    // there; needs the form to be showing.
    void HoldDraggedTab();
    // The form as the screen shows it, the floating picture of the held tab
    // included.
    void GrabWithDragImage(TBitmap& bitmap);

private:
    TSlantTabs* AddStrip(int32_t top, const String& page, TColor pageColor);

    TSlantTabs* FUpper = nullptr;
    TSlantTabs* FLower = nullptr;
    std::shared_ptr<TDragTabObject> FDrag;
};
