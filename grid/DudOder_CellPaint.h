#pragma once

// The locals of one cell's content painting, shared by its steps: where the
// cell is, the look decided for it, its graphic's layout, and the values a
// step keeps for a later one.

#include "grid/DudOder.h"

struct TCellPaint {
    TCanvas& Canvas;
    int32_t DisplayCol;
    // The real column: every hook and cell-property query takes it.
    int32_t Col;
    int32_t Row;
    TRect Rect;
    TGridDrawState State;
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TAlignment HAlign = taLeftJustify;
    TVAlignment VAlign = vtaTop;
    bool WordWrap = false;
    TCellGradientDirection GradientDirection = GradientVertical;
    TCellGraphic* Graphic = nullptr;
    TCellVAlign GraphicVAlign = vaTop;
    TCellHAlign GraphicHAlign = haLeft;
    bool TextBeside = true;
    int32_t GraphicWidth = 0;
    int32_t GraphicHeight = 0;
    // The colours the look gave, before the text step shows a selection.
    TColor BrushColor = clNone;
    TColor FontColor = clNone;
    bool FixedLook = false;
    bool FilterButton = false;
    // The width of the drawn text, for a graphic placed beside it.
    int32_t TextWidth = 0;
    int32_t SavedRight = 0;
};

// A percentage kept within 0 .. 100.
double ClampPercent(double value);
// How full a level bar of range min .. max is at value, in per cent; an
// empty range is empty below its end and full from it on.
int32_t LevelProgressPercent(int32_t value, int32_t min, int32_t max);
