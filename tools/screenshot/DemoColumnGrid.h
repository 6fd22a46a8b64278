#pragma once

#include "grid/DudOder_Types.h"

#include <span>

class TDudColumnGrid;
class TForm;

struct TDemoColumn {
    const char* Header;
    TEditorType Editor;
    int32_t Width;
};

struct TDemoGrid {
    TDudColumnGrid* Grid;
    // The grid's outer size, placed a margin in from the form's corner.
    int32_t Width;
    int32_t Height;
};

inline constexpr int32_t DemoMargin = 8;

// An editable column grid on form with one column per entry, a header row
// and dataRows rows, sized to show them all without scroll bars.
TDemoGrid MakeDemoColumnGrid(TForm& form, std::span<const TDemoColumn> columns, int32_t dataRows);
