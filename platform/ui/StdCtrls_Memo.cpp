#include "platform/ui/StdCtrls.h"

#include "platform/ui/SystemMetrics.h"

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner)
{
    SetBounds(0, 0, 185, 89);
    SetMultiLine(true);
    SetWordWrap(true);
    SetAutoSelect(false);
    FLines.OnChange = [this](TStringList*) { LinesChanged(); };
    FVertBar = std::make_unique<TScrollBarHost>(Widget(), false, [this](intptr_t code, int32_t thumb) {
        Perform(WM_VSCROLL, MakeScrollWParam(code, thumb));
    });
    FHorzBar = std::make_unique<TScrollBarHost>(Widget(), true, [this](intptr_t code, int32_t thumb) {
        Perform(WM_HSCROLL, MakeScrollWParam(code, thumb));
    });
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetScrollBars(TScrollStyle scrollBars)
{
    FScrollBars = scrollBars;
    UpdateScrollBars();
    Invalidate();
}

TRect TCustomMemo::TextArea() const
{
    TRect area = ClientRect();
    if (FScrollBars == ssVertical || FScrollBars == ssBoth)
        area.Right -= GetSystemMetrics(SM_CXVSCROLL);
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth)
        area.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
    return area;
}

// Bars asked for always show, as on the platform; while everything fits
// their thumb fills them.
void TCustomMemo::UpdateScrollBars()
{
    if (!FHorzBar)
        return;
    const TRect area = TextArea();
    const TEditCore& core = Core();
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    FVertBar->SetVisible(vertical);
    if (vertical) {
        FVertBar->SetGeometry(Rect(area.Right, 0, ClientWidth(), area.Bottom));
        FVertBar->SetParams(0, core.LineCount() - 1, core.VisibleLines(), core.TopLine());
    }
    const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    FHorzBar->SetVisible(horizontal);
    if (horizontal) {
        FHorzBar->SetGeometry(Rect(0, area.Bottom, area.Right, ClientHeight()));
        const int32_t page = std::max(core.FormattingRect().Width(), 1);
        FHorzBar->SetParams(0, std::max(core.TextWidth(), page) - 1, page, core.ScrollX());
    }
}

void TCustomMemo::ScrollRequest(bool horizontal, intptr_t code, int32_t thumb)
{
    TEditCore& core = Core();
    const int32_t line = horizontal ? core.AverageCharWidth() : 1;
    const int32_t page = horizontal ? core.FormattingRect().Width() : core.VisibleLines();
    const int32_t current = horizontal ? core.ScrollX() : core.TopLine();
    int32_t target = current;
    switch (code) {
    case SB_LINEUP:
        target -= line;
        break;
    case SB_LINEDOWN:
        target += line;
        break;
    case SB_PAGEUP:
        target -= page;
        break;
    case SB_PAGEDOWN:
        target += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        target = thumb;
        break;
    case SB_TOP:
        target = 0;
        break;
    case SB_BOTTOM:
        target = horizontal ? core.TextWidth() : core.LineCount();
        break;
    default:
        return;
    }
    if (horizontal) {
        if (WordWrap())
            return;
        core.SetScrollX(std::min(target, std::max(core.TextWidth() - page + 1, 0)));
    } else {
        core.SetTopLine(std::min(target, std::max(core.LineCount() - core.VisibleLines(), 0)));
    }
    Scrolled();
    Invalidate();
}

void TCustomMemo::Scrolled() { UpdateScrollBars(); }

void TCustomMemo::Resize()
{
    TCustomEdit::Resize();
    UpdateScrollBars();
}

bool TCustomMemo::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos)
{
    if (TCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    const uint32_t setting = WheelScrollLines();
    const int32_t lines = setting == WHEEL_PAGESCROLL ? Core().VisibleLines() : static_cast<int32_t>(setting);
    Perform(EM_LINESCROLL, 0, -wheelDelta * lines / WHEEL_DELTA);
    return true;
}

TPoint TCustomMemo::CaretPos() const
{
    const int32_t line = LineFromChar(Caret());
    return { Caret() - LineIndex(line), line };
}

void TCustomMemo::SetCaretPos(TPoint position)
{
    const int32_t line = std::clamp(position.Y, 0, LineCount() - 1);
    SetSelStart(LineIndex(line) + std::clamp(position.X, 0, LineLength(line)));
}

// Lines and Text are kept equal; whichever changes, OnChange fires once.
void TCustomMemo::LinesChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    SetText(FLines.Text());
    FSyncing = false;
}

void TCustomMemo::CMTextChanged(TMessage& message)
{
    if (!FSyncing) {
        FSyncing = true;
        FLines.SetText(Text());
        FSyncing = false;
    }
    TCustomEdit::CMTextChanged(message);
    UpdateScrollBars();
}

void TCustomMemo::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL) {
        ScrollRequest(message.Msg == WM_HSCROLL, ScrollCodeOf(message.WParam), ScrollPositionOf(message.WParam));
        return;
    }
    TCustomEdit::DefaultHandler(message);
}
