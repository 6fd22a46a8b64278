#pragma once

// How the string grid edits a cell of each editor kind, from one table:
// which kinds go to the in-place text editor, which to an editor control
// laid over the cell, which are toggled in place, and which kinds have no
// editor built yet. A kind without an editor shows nothing and writes
// nothing, like edNone.

#include "grid/base/BaseGrid.h"
#include "platform/ui/Messages.h"

enum class TEditorRoute {
    // No editor: edNone, and every kind whose editor is not built.
    erNone,
    // The in-place text editor, with the kind's character filter.
    erText,
    // An editor control placed, filled and committed by the grid.
    erControl,
    // A check box in the cell, toggled without an editor.
    erToggle,
};

TEditorRoute EditorRoute(TEditorType kind);

// The grid's own notice that an edit ended, posted to itself.
uint32_t GridEditDoneMessage();
