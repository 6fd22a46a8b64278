#pragma once

#include "grid/DudOder_Types.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/DudStyleIF.h"

// The colours each component style gives a string grid.

enum class TStyleMirror : uint8_t { None, Unchanged, Given };

// Start and end, lower-half start and end, border.
struct TStyleGradient {
    TColor From, To, MirrorFrom, MirrorTo, Border;
};

struct TComponentStyleColors {
    bool SetsLook;
    TGridLook Look;
    bool SetsFixed;
    TColor FixedFrom, FixedTo;
    TStyleMirror Mirror;
    TColor MirrorFrom, MirrorTo;
    bool SetsActiveHeader;
    TColor ActiveFrom, ActiveTo;
    bool SetsLines;
    TColor GridLine, FixedLine;
    bool SetsSelection;
    TColor Selection, SelectionTo;
    // The hover and pressed header cells, through the control look.
    bool SetsStates;
    TStyleGradient Hover, Down;
    bool SetsSortHeader;
    TColor SortHeader, SortHeaderTo, SortMirror, SortMirrorTo;
    TGridSelectionStyle SelectionStyle;
    // The control look takes the fixed gradient too; otherwise it stays clNone.
    bool LookKeepsFixed;
    bool SetsSearchFooter;
};

// By TVUVStyle value.
const TComponentStyleColors& ComponentStyleColors(TVUVStyle style);
