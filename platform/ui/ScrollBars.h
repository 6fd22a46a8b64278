#pragma once

#include "platform/ui/Controls.h"

#include <memory>

// Scroll bars and scroll information, with the platform's values.
constexpr int32_t SB_HORZ = 0;
constexpr int32_t SB_VERT = 1;
constexpr int32_t SB_BOTH = 3;

// EnableScrollBar: both arrows of a bar enabled, or both disabled.
constexpr uint32_t ESB_ENABLE_BOTH = 0;
constexpr uint32_t ESB_DISABLE_BOTH = 3;

constexpr uint32_t SIF_RANGE = 0x01;
constexpr uint32_t SIF_PAGE = 0x02;
constexpr uint32_t SIF_POS = 0x04;
constexpr uint32_t SIF_TRACKPOS = 0x10;
constexpr uint32_t SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// The scroll request codes beyond those of Messages.h.
constexpr intptr_t SB_LINELEFT = SB_LINEUP;
constexpr intptr_t SB_LINERIGHT = SB_LINEDOWN;
constexpr intptr_t SB_PAGELEFT = SB_PAGEUP;
constexpr intptr_t SB_PAGERIGHT = SB_PAGEDOWN;
constexpr intptr_t SB_THUMBTRACK = 5;
constexpr intptr_t SB_LEFT = SB_TOP;
constexpr intptr_t SB_RIGHT = SB_BOTTOM;

// The properties of the common controls' flat scroll bars
// (FlatSB_SetScrollProp) and their styles.
constexpr uint32_t WSB_PROP_CYVSCROLL = 0x0001;
constexpr uint32_t WSB_PROP_CXHSCROLL = 0x0002;
constexpr uint32_t WSB_PROP_CYHSCROLL = 0x0004;
constexpr uint32_t WSB_PROP_CXVSCROLL = 0x0008;
constexpr uint32_t WSB_PROP_VBKGCOLOR = 0x0040;
constexpr uint32_t WSB_PROP_HBKGCOLOR = 0x0080;
constexpr uint32_t WSB_PROP_VSTYLE = 0x0100;
constexpr uint32_t WSB_PROP_HSTYLE = 0x0200;
constexpr int32_t FSB_REGULAR_MODE = 0;
constexpr int32_t FSB_ENCARTA_MODE = 1;
constexpr int32_t FSB_FLAT_MODE = 2;

struct TScrollInfo {
    uint32_t fMask = SIF_ALL;
    int32_t nMin = 0;
    int32_t nMax = 0;
    uint32_t nPage = 0;
    int32_t nPos = 0;
    int32_t nTrackPos = 0;
};

// WParam of WM_HSCROLL/WM_VSCROLL: the code in the low word, the thumb
// position in the high word.
constexpr intptr_t MakeScrollWParam(intptr_t code, int32_t position)
{
    return static_cast<intptr_t>((static_cast<uint32_t>(position & 0xFFFF) << 16) | static_cast<uint32_t>(code & 0xFFFF));
}
constexpr intptr_t ScrollCodeOf(intptr_t wParam) { return wParam & 0xFFFF; }
constexpr int32_t ScrollPositionOf(intptr_t wParam) { return static_cast<int32_t>((wParam >> 16) & 0xFFFF); }

// Where a scroll request moves a position that steps by line and page
// within [0, last]; the current position for requests that move nothing.
int32_t ScrollTarget(intptr_t wParam, int32_t current, int32_t line, int32_t page, int32_t last);

class TScrollBarHost;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

enum class TScrollBarKind { sbHorizontal, sbVertical };
using enum TScrollBarKind;
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using enum TScrollCode;
using TScrollEvent = std::function<void(TComponent* sender, TScrollCode scrollCode, int32_t& scrollPos)>;

// A scroll bar on its own. The user's actions fire OnScroll (which may move
// the position it is given) and then OnChange when the position changed;
// the arrow keys and Home/End act like the bar's buttons when it has the focus.
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* owner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind kind);
    int32_t Min() const { return FMin; }
    void SetMin(int32_t min) { SetParams(FPosition, min, std::max(min, FMax)); }
    int32_t Max() const { return FMax; }
    void SetMax(int32_t max) { SetParams(FPosition, std::min(FMin, max), max); }
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t position) { SetParams(position, FMin, FMax); }
    // The thumb covers PageSize of the range; the largest position is then
    // Max - PageSize + 1.
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t pageSize);
    int32_t SmallChange() const { return FSmallChange; }
    void SetSmallChange(int32_t smallChange) { FSmallChange = std::max(smallChange, 1); }
    int32_t LargeChange() const { return FLargeChange; }
    void SetLargeChange(int32_t largeChange) { FLargeChange = std::max(largeChange, 1); }
    // Min must not exceed Max (EInvalidOperation); the position is kept in range.
    void SetParams(int32_t position, int32_t min, int32_t max);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    virtual void Change();
    virtual void Scroll(TScrollCode scrollCode, int32_t& scrollPos);
    void DefaultHandler(TMessage& message) override;
    void Resize() override;

private:
    int32_t MaxPosition() const { return std::max(FMin, FMax - std::max(FPageSize, 1) + 1); }
    void ScrollRequest(intptr_t code, int32_t thumb);
    void ApplyToBar();

    std::unique_ptr<TScrollBarHost> FBar;
    TScrollBarKind FKind = sbHorizontal;
    int32_t FMin = 0;
    int32_t FMax = 100;
    int32_t FPosition = 0;
    int32_t FPageSize = 0;
    int32_t FSmallChange = 1;
    int32_t FLargeChange = 1;
};
