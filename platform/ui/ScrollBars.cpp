#include "platform/ui/ScrollBars.h"

#include "platform/ui/ScrollBarHost.h"

#include <algorithm>

namespace {

struct TCodeMapping {
    intptr_t Code;
    TScrollCode ScrollCode;
};

constexpr TCodeMapping CodeMappings[] = {
    { SB_LINEUP, scLineUp },
    { SB_LINEDOWN, scLineDown },
    { SB_PAGEUP, scPageUp },
    { SB_PAGEDOWN, scPageDown },
    { SB_THUMBPOSITION, scPosition },
    { SB_THUMBTRACK, scTrack },
    { SB_TOP, scTop },
    { SB_BOTTOM, scBottom },
    { SB_ENDSCROLL, scEndScroll },
};

} // namespace

int32_t ScrollTarget(intptr_t wParam, int32_t current, int32_t line, int32_t page, int32_t last)
{
    int32_t target = current;
    switch (ScrollCodeOf(wParam)) {
    case SB_LINEUP:
        target = current - line;
        break;
    case SB_LINEDOWN:
        target = current + line;
        break;
    case SB_PAGEUP:
        target = current - page;
        break;
    case SB_PAGEDOWN:
        target = current + page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        target = ScrollPositionOf(wParam);
        break;
    case SB_TOP:
        target = 0;
        break;
    case SB_BOTTOM:
        target = last;
        break;
    default:
        return current;
    }
    return std::clamp(target, 0, std::max(last, 0));
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner)
{
    FBar = std::make_unique<TScrollBarHost>(Widget(), true, [this](intptr_t code, int32_t thumb) { ScrollRequest(code, thumb); });
    FBar->SetVisible(true);
    SetTabStop(true);
    SetBounds(0, 0, 121, 17);
    ApplyToBar();
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind kind)
{
    if (kind == FKind)
        return;
    FKind = kind;
    FBar->SetOrientation(kind == sbHorizontal);
    SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetPageSize(int32_t pageSize)
{
    FPageSize = std::clamp(pageSize, 0, FMax - FMin + 1);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetParams(int32_t position, int32_t min, int32_t max)
{
    if (max < min)
        throw EInvalidOperation(QStringLiteral("Scroll bar property out of range"));
    FMin = min;
    FMax = max;
    const int32_t old = FPosition;
    FPosition = std::clamp(position, FMin, MaxPosition());
    ApplyToBar();
    if (FPosition != old)
        Change();
}

void TScrollBar::ApplyToBar() { FBar->SetParams(FMin, FMax, std::max(FPageSize, 1), FPosition); }

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TScrollBar::Scroll(TScrollCode scrollCode, int32_t& scrollPos)
{
    if (OnScroll)
        OnScroll(this, scrollCode, scrollPos);
}

// The target of each request is worked out first, OnScroll may move it, then
// the position follows.
void TScrollBar::ScrollRequest(intptr_t code, int32_t thumb)
{
    const auto mapping = std::find_if(std::begin(CodeMappings), std::end(CodeMappings),
        [code](const TCodeMapping& entry) { return entry.Code == code; });
    if (mapping == std::end(CodeMappings))
        return;
    int32_t target = FPosition;
    switch (mapping->ScrollCode) {
    case scLineUp:
        target -= FSmallChange;
        break;
    case scLineDown:
        target += FSmallChange;
        break;
    case scPageUp:
        target -= FLargeChange;
        break;
    case scPageDown:
        target += FLargeChange;
        break;
    case scPosition:
    case scTrack:
        target = thumb;
        break;
    case scTop:
        target = FMin;
        break;
    case scBottom:
        target = FMax;
        break;
    case scEndScroll:
        break;
    }
    Scroll(mapping->ScrollCode, target);
    SetPosition(target);
}

void TScrollBar::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollRequest(ScrollCodeOf(message.WParam), ScrollPositionOf(message.WParam));
        return;
    case WM_KEYDOWN: {
        struct TKeyCode {
            uint16_t Key;
            intptr_t Code;
        };
        static constexpr TKeyCode KeyCodes[] = {
            { VK_LEFT, SB_LINEUP },
            { VK_UP, SB_LINEUP },
            { VK_RIGHT, SB_LINEDOWN },
            { VK_DOWN, SB_LINEDOWN },
            { VK_PRIOR, SB_PAGEUP },
            { VK_NEXT, SB_PAGEDOWN },
            { VK_HOME, SB_TOP },
            { VK_END, SB_BOTTOM },
        };
        for (const TKeyCode& entry : KeyCodes)
            if (entry.Key == message.WParam) {
                ScrollRequest(entry.Code, 0);
                ScrollRequest(SB_ENDSCROLL, 0);
                return;
            }
        break;
    }
    default:
        break;
    }
    TWinControl::DefaultHandler(message);
}

void TScrollBar::Resize()
{
    TWinControl::Resize();
    FBar->SetGeometry(Rect(0, 0, Width(), Height()));
}
