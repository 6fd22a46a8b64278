#pragma once

#include "platform/ui/Forms.h"

class TDudStringGrid;

// A string grid of devices grouped by their room, with a summary row per
// room, a contracted room and a floating footer that sums a column, for
// people to look at the outline and try its glyphs.
class TOutlineGridForm : public TForm {
public:
    explicit TOutlineGridForm(TComponent* owner);

    // Groups on the room, counts each room's devices and contracts the
    // second room.
    void GroupByRoom();

private:
    TDudStringGrid* FGrid = nullptr;
};
