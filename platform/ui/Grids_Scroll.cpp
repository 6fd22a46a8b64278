#include "platform/ui/Grids.h"

#include "platform/ui/ControlWidget.h"
#include "platform/ui/FlatScrollBar.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBarHost.h"

#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

bool WantsBar(TScrollStyle style, int32_t bar)
{
    return style == ssBoth || style == (bar == SB_HORZ ? ssHorizontal : ssVertical);
}

// The largest position a bar can take: nMax - nPage + 1 with a page.
int32_t MaxPosition(const TScrollInfo& info)
{
    return info.nPage > 0 ? std::max(info.nMin, info.nMax - static_cast<int32_t>(info.nPage) + 1) : info.nMax;
}

} // namespace

void TCustomGrid::CreateScrollBars()
{
    for (int32_t bar : { SB_HORZ, SB_VERT }) {
        auto state = std::make_unique<TScrollBarState>();
        state->Bar = new TFlatScrollBar(bar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, Widget());
        state->Bar->setFocusPolicy(Qt::NoFocus);
        state->Bar->hide();
        QObject::connect(state->Bar, &QAbstractSlider::actionTriggered, state->Bar,
            [this, bar](int action) { Guarded([&] { ScrollBarAction(bar, action); }); });
        QObject::connect(state->Bar, &QAbstractSlider::sliderReleased, state->Bar,
            [this, bar] { Guarded([&] { ScrollBarReleased(bar); }); });
        FScroll[bar] = std::move(state);
    }
}

bool TCustomGrid::ScrollBarVisible(int32_t bar) const
{
    return (bar == SB_HORZ || bar == SB_VERT) && FScroll[bar]->Shown;
}

int32_t TCustomGrid::BarExtent(int32_t bar) const
{
    if (FFlatSB && FScroll[bar]->FlatExtent > 0)
        return FScroll[bar]->FlatExtent;
    return TControlWidget::Own(*this)->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

// The bars lie inside the frame, along the client area's right and bottom.
int32_t TCustomGrid::ClientWidth() const
{
    const int32_t extent = FScroll[SB_VERT] && FScroll[SB_VERT]->Shown ? BarExtent(SB_VERT) : 0;
    return std::max(0, TCustomControl::ClientWidth() - extent);
}

int32_t TCustomGrid::ClientHeight() const
{
    const int32_t extent = FScroll[SB_HORZ] && FScroll[SB_HORZ]->Shown ? BarExtent(SB_HORZ) : 0;
    return std::max(0, TCustomControl::ClientHeight() - extent);
}

// ---- flat scroll bars

bool TCustomGrid::InitializeFlatSB()
{
    if (FFlatSB)
        return true;
    FFlatSB = true;
    for (int32_t bar : { SB_HORZ, SB_VERT })
        ApplyFlatLook(bar);
    return true;
}

// The bars return to the system's look and thickness.
void TCustomGrid::UninitializeFlatSB()
{
    if (!FFlatSB)
        return;
    FFlatSB = false;
    for (int32_t bar : { SB_HORZ, SB_VERT }) {
        *FScroll[bar] = TScrollBarState { FScroll[bar]->Bar, FScroll[bar]->Info, FScroll[bar]->Shown };
        ApplyFlatLook(bar);
    }
    ClientAreaChanged();
}

// The regular style on the scroll bar colour is the system's own look.
void TCustomGrid::ApplyFlatLook(int32_t bar)
{
    const TScrollBarState& state = *FScroll[bar];
    const bool own = FFlatSB && (state.FlatStyle != FSB_REGULAR_MODE || state.FlatBackground != clNone);
    state.Bar->SetFlatStyle(own ? state.FlatStyle : -1);
    state.Bar->SetBackground(state.FlatBackground);
}

bool TCustomGrid::FlatSB_SetScrollProp(uint32_t index, intptr_t value, bool redraw)
{
    (void)redraw;
    if (!FFlatSB)
        return false;
    const int32_t number = static_cast<int32_t>(value);
    switch (index) {
    case WSB_PROP_VSTYLE:
    case WSB_PROP_HSTYLE:
        if (number != FSB_REGULAR_MODE && number != FSB_ENCARTA_MODE && number != FSB_FLAT_MODE)
            return false;
        FScroll[index == WSB_PROP_VSTYLE ? SB_VERT : SB_HORZ]->FlatStyle = number;
        break;
    case WSB_PROP_VBKGCOLOR:
    case WSB_PROP_HBKGCOLOR:
        FScroll[index == WSB_PROP_VBKGCOLOR ? SB_VERT : SB_HORZ]->FlatBackground = static_cast<TColor>(value);
        break;
    case WSB_PROP_CXVSCROLL:
    case WSB_PROP_CYHSCROLL:
        FScroll[index == WSB_PROP_CXVSCROLL ? SB_VERT : SB_HORZ]->FlatExtent = std::max(0, number);
        ClientAreaChanged();
        return true;
    default:
        return false;
    }
    ApplyFlatLook(SB_HORZ);
    ApplyFlatLook(SB_VERT);
    return true;
}

bool TCustomGrid::FlatSB_GetScrollProp(uint32_t index, intptr_t& value) const
{
    if (!FFlatSB)
        return false;
    switch (index) {
    case WSB_PROP_VSTYLE:
    case WSB_PROP_HSTYLE:
        value = FScroll[index == WSB_PROP_VSTYLE ? SB_VERT : SB_HORZ]->FlatStyle;
        return true;
    case WSB_PROP_VBKGCOLOR:
    case WSB_PROP_HBKGCOLOR:
        value = static_cast<intptr_t>(FScroll[index == WSB_PROP_VBKGCOLOR ? SB_VERT : SB_HORZ]->FlatBackground);
        return true;
    case WSB_PROP_CXVSCROLL:
    case WSB_PROP_CYHSCROLL:
        value = BarExtent(index == WSB_PROP_CXVSCROLL ? SB_VERT : SB_HORZ);
        return true;
    default:
        return false;
    }
}

int32_t TCustomGrid::FlatSB_SetScrollInfo(int32_t bar, const TScrollInfo& info, bool redraw)
{
    return FFlatSB ? SetScrollInfo(bar, info, redraw) : 0;
}

bool TCustomGrid::FlatSB_ShowScrollBar(int32_t bar, bool show)
{
    return FFlatSB && ShowScrollBar(bar, show);
}

bool TCustomGrid::ShowScrollBar(int32_t bar, bool show)
{
    if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH)
        return false;
    bool changed = false;
    for (int32_t each : { SB_HORZ, SB_VERT })
        if ((bar == SB_BOTH || bar == each) && FScroll[each]->Shown != show) {
            FScroll[each]->Shown = show;
            changed = true;
        }
    if (changed)
        ClientAreaChanged();
    return true;
}

bool TCustomGrid::EnableScrollBar(int32_t bar, uint32_t arrows)
{
    if ((bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) || (arrows != ESB_ENABLE_BOTH && arrows != ESB_DISABLE_BOTH))
        return false;
    for (int32_t each : { SB_HORZ, SB_VERT })
        if (bar == SB_BOTH || bar == each)
            FScroll[each]->Bar->setEnabled(arrows == ESB_ENABLE_BOTH);
    return true;
}

bool TCustomGrid::ScrollBarEnabled(int32_t bar) const
{
    return (bar == SB_HORZ || bar == SB_VERT) && FScroll[bar]->Bar->isEnabled();
}

// The bars stay as the program set them: only the cells follow the new
// client area.
void TCustomGrid::ClientAreaChanged()
{
    const TGridCoord oldTopLeft = FTopLeft;
    LayoutScrollBars();
    FTopLeft = { std::clamp(FTopLeft.X, FFixedCols, MaxLeftCol()), std::clamp(FTopLeft.Y, FFixedRows, MaxTopRow()) };
    UpdateScrollPos();
    UpdateEdit();
    Invalidate();
    if (!(oldTopLeft == FTopLeft))
        TopLeftChanged();
}

void TCustomGrid::SetScrollBars(TScrollStyle scrollBars)
{
    if (scrollBars == FScrollBars)
        return;
    FScrollBars = scrollBars;
    SizesChanged();
}

// A bar is shown when asked for and the grid can scroll that way; showing
// one bar narrows the other direction, so the decision is repeated until
// it holds.
void TCustomGrid::UpdateScrollRange()
{
    if (!FScroll[SB_HORZ])
        return;
    for (int pass = 0; pass < 3; ++pass) {
        const bool horz = WantsBar(FScrollBars, SB_HORZ) && MaxLeftCol() > FFixedCols;
        const bool vert = WantsBar(FScrollBars, SB_VERT) && MaxTopRow() > FFixedRows;
        if (horz == FScroll[SB_HORZ]->Shown && vert == FScroll[SB_VERT]->Shown)
            break;
        FScroll[SB_HORZ]->Shown = horz;
        FScroll[SB_VERT]->Shown = vert;
    }
    for (int32_t bar : { SB_HORZ, SB_VERT }) {
        TScrollInfo& info = FScroll[bar]->Info;
        info.nMin = 0;
        info.nMax = FScroll[bar]->Shown ? GridThumbScale : 0;
        info.nPage = 0;
        ApplyScrollInfo(bar);
    }
    LayoutScrollBars();
    FTopLeft = { std::clamp(FTopLeft.X, FFixedCols, MaxLeftCol()), std::clamp(FTopLeft.Y, FFixedRows, MaxTopRow()) };
    UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos()
{
    if (!FScroll[SB_HORZ])
        return;
    const auto position = [](int32_t first, int32_t fixed, int32_t maxFirst) {
        return maxFirst > fixed ? MulDiv(first - fixed, GridThumbScale, maxFirst - fixed) : 0;
    };
    // A thumb the user drags stays where the mouse puts it.
    if (FScroll[SB_HORZ]->Shown && !FScroll[SB_HORZ]->Bar->isSliderDown())
        SetScrollPos(SB_HORZ, position(FTopLeft.X, FFixedCols, MaxLeftCol()));
    if (FScroll[SB_VERT]->Shown && !FScroll[SB_VERT]->Bar->isSliderDown())
        SetScrollPos(SB_VERT, position(FTopLeft.Y, FFixedRows, MaxTopRow()));
}

void TCustomGrid::LayoutScrollBars()
{
    if (!FScroll[SB_HORZ])
        return;
    const TRect& frame = NonClientFrame();
    QScrollBar* horz = FScroll[SB_HORZ]->Bar;
    QScrollBar* vert = FScroll[SB_VERT]->Bar;
    horz->setGeometry(frame.Left, frame.Top + ClientHeight(), ClientWidth(), BarExtent(SB_HORZ));
    vert->setGeometry(frame.Left + ClientWidth(), frame.Top, BarExtent(SB_VERT), ClientHeight());
    horz->setVisible(FScroll[SB_HORZ]->Shown);
    vert->setVisible(FScroll[SB_VERT]->Shown);
}

void TCustomGrid::ApplyScrollInfo(int32_t bar)
{
    const TScrollInfo& info = FScroll[bar]->Info;
    QScrollBar* scrollBar = FScroll[bar]->Bar;
    const QSignalBlocker blocker(scrollBar);
    scrollBar->setRange(info.nMin, MaxPosition(info));
    scrollBar->setPageStep(std::max<int32_t>(1, static_cast<int32_t>(info.nPage)));
    scrollBar->setValue(info.nPos);
}

bool TCustomGrid::GetScrollInfo(int32_t bar, TScrollInfo& info) const
{
    if (bar != SB_HORZ && bar != SB_VERT)
        return false;
    const TScrollInfo& source = FScroll[bar]->Info;
    if (info.fMask & SIF_RANGE) {
        info.nMin = source.nMin;
        info.nMax = source.nMax;
    }
    if (info.fMask & SIF_PAGE)
        info.nPage = source.nPage;
    if (info.fMask & SIF_POS)
        info.nPos = source.nPos;
    if (info.fMask & SIF_TRACKPOS)
        info.nTrackPos = source.nTrackPos;
    return true;
}

int32_t TCustomGrid::SetScrollInfo(int32_t bar, const TScrollInfo& info, bool redraw)
{
    (void)redraw;
    if (bar != SB_HORZ && bar != SB_VERT)
        return 0;
    TScrollInfo& target = FScroll[bar]->Info;
    if (info.fMask & SIF_RANGE) {
        target.nMin = info.nMin;
        target.nMax = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE)
        target.nPage = std::min<uint32_t>(info.nPage, static_cast<uint32_t>(target.nMax - target.nMin + 1));
    if (info.fMask & SIF_POS)
        target.nPos = info.nPos;
    target.nPos = std::clamp(target.nPos, target.nMin, MaxPosition(target));
    ApplyScrollInfo(bar);
    return target.nPos;
}

int32_t TCustomGrid::GetScrollPos(int32_t bar) const
{
    return bar == SB_HORZ || bar == SB_VERT ? FScroll[bar]->Info.nPos : 0;
}

int32_t TCustomGrid::SetScrollPos(int32_t bar, int32_t position, bool redraw)
{
    const int32_t old = GetScrollPos(bar);
    TScrollInfo info;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(bar, info, redraw);
    return old;
}

void TCustomGrid::ScrollMessage(int32_t bar, intptr_t code, int32_t position)
{
    const bool horz = bar == SB_HORZ;
    const int32_t fixed = horz ? FFixedCols : FFixedRows;
    const int32_t first = horz ? FTopLeft.X : FTopLeft.Y;
    const int32_t maxFirst = horz ? MaxLeftCol() : MaxTopRow();
    // As with the page keys, the last item of a page becomes the first.
    const int32_t page = std::max(1, (horz ? VisibleColCount() : VisibleRowCount()) - 1);
    const auto fromThumb = [&](int32_t thumb) { return fixed + MulDiv(thumb, maxFirst - fixed, GridThumbScale); };
    int32_t target = first;
    switch (code) {
    case SB_LINEUP:
        target = first - 1;
        break;
    case SB_LINEDOWN:
        target = first + 1;
        break;
    case SB_PAGEUP:
        target = first - page;
        break;
    case SB_PAGEDOWN:
        target = first + page;
        break;
    case SB_THUMBTRACK:
        FScroll[bar]->Info.nTrackPos = position;
        if (!FOptions.Contains(goThumbTracking))
            return;
        target = fromThumb(position);
        break;
    case SB_THUMBPOSITION:
        target = fromThumb(position);
        break;
    case SB_TOP:
        target = fixed;
        break;
    case SB_BOTTOM:
        target = maxFirst;
        break;
    case SB_ENDSCROLL:
        UpdateScrollPos();
        return;
    default:
        return;
    }
    MoveTopLeft(horz ? TGridCoord { target, FTopLeft.Y } : TGridCoord { FTopLeft.X, target });
    if (code != SB_THUMBTRACK)
        UpdateScrollPos();
}

void TCustomGrid::ScrollBarAction(int32_t bar, int action)
{
    const uint32_t msg = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    QScrollBar* scrollBar = FScroll[bar]->Bar;
    if (action == QAbstractSlider::SliderMove) {
        Perform(msg, MakeScrollWParam(SB_THUMBTRACK, scrollBar->sliderPosition()));
        return;
    }
    const intptr_t code = ScrollCodeOfAction(action);
    if (code < 0)
        return;
    Perform(msg, MakeScrollWParam(code, 0));
    Perform(msg, MakeScrollWParam(SB_ENDSCROLL, 0));
    // The bar shows the grid's position, not the one Qt computed.
    scrollBar->setSliderPosition(FScroll[bar]->Info.nPos);
}

void TCustomGrid::ScrollBarReleased(int32_t bar)
{
    const uint32_t msg = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    Perform(msg, MakeScrollWParam(SB_THUMBPOSITION, FScroll[bar]->Bar->sliderPosition()));
    Perform(msg, MakeScrollWParam(SB_ENDSCROLL, 0));
    ApplyScrollInfo(bar);
}
