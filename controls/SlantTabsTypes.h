#pragma once

#include "platform/graphics/SetOf.h"
#include "platform/ui/BiDi.h"
#include "platform/ui/Controls.h"

#include <cstdint>

enum class TSlantTabsEaseType {
    ttNone,
    ttLinearTween,
    ttEaseInQuad,
    ttEaseOutQuad,
    ttEaseInOutQuad,
    ttEaseInCubic,
    ttEaseOutCubic,
    ttEaseInOutCubic,
    ttEaseInQuart,
    ttEaseOutQuart,
    ttEaseInOutQuart,
    ttEaseInQuint,
    ttEaseOutQuint,
    ttEaseInOutQuint,
    ttEaseInSine,
    ttEaseOutSine,
    ttEaseInOutSine,
    ttEaseInExpo,
    ttEaseOutExpo,
    ttEaseInOutExpo,
    ttEaseInCirc,
    ttEaseOutCirc,
    ttEaseInOutCirc,
};
using enum TSlantTabsEaseType;

enum class TTabOrientation { toTop, toBottom };
using enum TTabOrientation;


constexpr bool IsRightToLeft(TBiDiMode mode) { return mode == bdRightToLeft || mode == bdRightToLeftNoAlign; }

enum class TDrawState { dsUnknown, dsActive, dsNotActive, dsDown, dsHot, dsDisabled };
using enum TDrawState;

enum class TSlantTabItemType {
    itTabContainer,
    itBackground,
    itTab,
    itTabOutline,
    itTabText,
    itTabCloseButton,
    itTabImage,
    itTabImageOverlay,
    itTabImageSpinner,
    itTabMouseGlow,
    itTabModifiedGlow,
    itAddButton,
    itAddButtonPlus,
    itScrollLeftButton,
    itScrollRightButton,
};
using enum TSlantTabItemType;

enum class TDrawToFunctions { dfBrush, dfPen, dfBrushAndPen };
using enum TDrawToFunctions;

enum class TTabChangeType {
    tcAdded,
    tcMoved,
    tcDeleting,
    tcDeleted,
    tcPropertyUpdated,
    tcActivated,
    tcDeactivated,
    tcPinned,
    tcControlState,
    tcVisibility,
};
using enum TTabChangeType;

enum class THitTestArea { htNowhere, htBackground, htTab, htAddButton, htCloseButton, htScrollButtonLeft, htScrollButtonRight };
using enum THitTestArea;

struct THitTestResult {
    int32_t TabIndex = -1;
    THitTestArea HitTestArea = htNowhere;
    bool operator==(const THitTestResult&) const = default;
};

enum class TTabDisplayState { tdNormal, tdCompressed, tdScrolling };
using enum TTabDisplayState;

enum class TScrollDirection { mdsNone, mdsLeft, mdsRight };
using enum TScrollDirection;

enum class TSlantTabState {
    stsAnimatingMovement,
    stsAnimatingStyle,
    stsDragging,
    stsDragStarted,
    stsDragFinished,
    stsCancellingDrag,
    stsCompletingDrag,
    stsDeletingUnPinnedTabs,
    stsTabDeleted,
    stsEndTabDeleted,
    stsResizing,
    stsMouseDown,
    stsPendingUpdates,
    stsAddingDroppedTab,
    stsAnimatingNewTab,
    stsFirstPaint,
    stsControlPositionsInvalidated,
    stsDebug,
    stsAnimatingCloseTab,
};
using enum TSlantTabState;
using TSlantTabStates = TSetOf<TSlantTabState>;

enum class TTabDropOption { tdDeleteDraggedTab, tdCreateDroppedTab, tdMoveTab };
using enum TTabDropOption;
using TTabDropOptions = TSetOf<TTabDropOption>;

enum class TDragOverType { dotNone, dotHomeContainer, dotRemoteContainer };
using enum TDragOverType;

enum class TSlantTabSpinnerState { tssNone, tssRenderedUpload, tssRenderedDownload, tssImageUpload, tssImageDownload };
using enum TSlantTabSpinnerState;

// Spelled as the stored option values are spelled.
enum class TCloseButtonVisiblity { bvNever, bvAll, bvActive };
using enum TCloseButtonVisiblity;

enum class TAddButtonVisibility { avNone, avLeft, avRightFloating, avRightFixed };
using enum TAddButtonVisibility;

enum class TTextTrimType { tttNone, tttCharacter, tttWord, tttEllipsisCharacter, tttEllipsisWord, tttEllipsisPath, tttFade };
using enum TTextTrimType;

enum class TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
using enum TVerticalAlignment;

enum class TSlantTabDragType { dtNone, dtWithinContainer, dtBetweenContainers };
using enum TSlantTabDragType;

enum class TSlantTabDragDisplay { ddCursor, ddTab, ddControl, ddTabAndControl };
using enum TSlantTabDragDisplay;

enum class TSlantTabScrollButtons { csbNone, csbLeft, csbRight, csbLeftAndRight };
using enum TSlantTabScrollButtons;

enum class TSlantTabModifiedStyle { msNone, msLeftToRight, msRightToLeft, msKnightRider };
using enum TSlantTabModifiedStyle;
