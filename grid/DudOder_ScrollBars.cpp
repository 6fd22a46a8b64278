#include "grid/DudOder.h"

#include "grid/DudOder_CellPaint.h"
#include "grid/DudOder_FixedEditors.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_HTMLHintWindow.h"
#include "grid/DudOder_Settings.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"

#include <algorithm>
#include <cmath>

// The grid's scroll bars in their three looks (the platform's, flat and
// proportional), its answer to the scroll messages, and auto-scrolling
// while something is dragged at its edges.

namespace {

bool WantsHorz(TScrollStyle style) { return style == ssHorizontal || style == ssBoth; }
bool WantsVert(TScrollStyle style) { return style == ssVertical || style == ssBoth; }

} // namespace

// ---- flat scroll bars

void TDudStringGrid::InitFlatScrollBars() { FIsFlat = InitializeFlatSB(); }

void TDudStringGrid::DoneFlatScrollBars()
{
    FIsFlat = false;
    UninitializeFlatSB();
}

void TDudStringGrid::FlatSetScrollProp(uint32_t index, intptr_t value)
{
    if (FIsFlat)
        FlatSB_SetScrollProp(index, value, true);
}

void TDudStringGrid::FlatSetScrollInfo(int32_t bar, const TScrollInfo& info) { FlatSB_SetScrollInfo(bar, info, true); }

void TDudStringGrid::ApplyFlatScrollType()
{
    int32_t style = FSB_REGULAR_MODE;
    switch (FScrollType) {
    case ssNormal:
        break;
    case ssFlat:
        style = FSB_FLAT_MODE;
        break;
    case ssEncarta:
        style = FSB_ENCARTA_MODE;
        break;
    case ssMetro:
        return;
    }
    FlatSetScrollProp(WSB_PROP_VSTYLE, style);
    FlatSetScrollProp(WSB_PROP_HSTYLE, style);
}

void TDudStringGrid::ApplyFlatScrollColor()
{
    if (FScrollColor == clNone)
        return;
    FlatSetScrollProp(WSB_PROP_VBKGCOLOR, static_cast<intptr_t>(FScrollColor));
    FlatSetScrollProp(WSB_PROP_HBKGCOLOR, static_cast<intptr_t>(FScrollColor));
}

void TDudStringGrid::ApplyFlatScrollWidth()
{
    FlatSetScrollProp(WSB_PROP_CXVSCROLL, FScrollWidth);
    FlatSetScrollProp(WSB_PROP_CYHSCROLL, FScrollWidth);
}

void TDudStringGrid::ShowFlatScrollBar(int32_t bar, bool show)
{
    if (!FIsFlat)
        return;
    if ((bar == SB_HORZ && WantsHorz(FScrollBars)) || (bar == SB_VERT && WantsVert(FScrollBars)))
        FlatSB_ShowScrollBar(bar, show);
}

void TDudStringGrid::UpdateFlatVertScroll()
{
    if (!WantsVert(FScrollBars) || !FIsFlat)
        return;
    TScrollInfo info;
    GetScrollInfo(SB_VERT, info);
    FlatSetScrollInfo(SB_VERT, info);
}

void TDudStringGrid::UpdateFlatHorzScroll()
{
    if (!WantsHorz(FScrollBars) || !FIsFlat)
        return;
    TScrollInfo info;
    GetScrollInfo(SB_HORZ, info);
    FlatSetScrollInfo(SB_HORZ, info);
}

void TDudStringGrid::ApplyFlatScrollBars()
{
    ApplyFlatScrollType();
    ApplyFlatScrollColor();
    ApplyFlatScrollWidth();
    const bool rowsExceed = VisibleRowCount() + FixedRows() < RowCount();
    ShowFlatScrollBar(SB_VERT, rowsExceed);
    if (rowsExceed)
        UpdateFlatVertScroll();
    const bool colsExceed = VisibleColCount() + FixedCols() < ColCount();
    ShowFlatScrollBar(SB_HORZ, colsExceed);
    if (colsExceed)
        UpdateFlatHorzScroll();
}

// ---- the scroll properties

void TDudStringGrid::SetScrollType(TScrollType value)
{
    if (value != FScrollType) {
        FScrollType = value;
        if (value == ssFlat || value == ssEncarta) {
            InitFlatScrollBars();
            ApplyFlatScrollBars();
        } else {
            DoneFlatScrollBars();
        }
        if (HandleAllocated()) {
            if (value == ssMetro) {
                CreateScrollControls();
                SetScrollBars(ssNone);
            } else if (vscrlctrl || hscrlctrl) {
                FreeScrollControls();
                SetScrollBars(ssBoth);
            }
        }
    }
    ApplyFlatScrollType();
}

void TDudStringGrid::SetScrollColor(TColor value)
{
    FScrollColor = value;
    ApplyFlatScrollColor();
}

void TDudStringGrid::SetScrollWidth(int32_t value)
{
    FScrollWidth = value;
    ApplyFlatScrollWidth();
}

void TDudStringGrid::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    TBaseGrid::SetScrollBars(value);
}

void TDudStringGrid::SetScrollBarAlways(TScrollBarAlways value)
{
    FScrollBarAlways = value;
    ApplyScrollBarAlways(false);
}

// Switched off, the thumbs go back to the platform's scale as well as to no
// page: a range left at the proportional maximum would stop the thumb short
// of the end.
void TDudStringGrid::SetScrollProportional(bool value)
{
    FScrollProportional = value;
    if (value) {
        UpdateProportionalVertScroll();
        UpdateProportionalHorzScroll();
        return;
    }
    if (FScrollType != ssNormal)
        return;
    DoneFlatScrollBars();
    for (int32_t bar : { SB_HORZ, SB_VERT }) {
        TScrollInfo info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMin = 0;
        info.nMax = GridThumbScale;
        info.nPage = 0;
        SetScrollInfo(bar, info, true);
    }
}

// ---- proportional thumbs

void TDudStringGrid::UpdateProportionalScrollBars()
{
    UpdateProportionalVertScroll();
    UpdateProportionalHorzScroll();
}

// A control narrower than its fixed columns counts as showing none of the
// others (a ratio below 0 would give a negative page).
void TDudStringGrid::UpdateProportionalHorzScroll()
{
    if (IsLoading() || IsDesigning() || !FScrollProportional || FScrollLock)
        return;
    TScrollInfo info;
    GetScrollInfo(SB_HORZ, info);
    const int32_t line = GridLineWidth();
    int64_t fixedWidth = line;
    int64_t totalWidth = line;
    int64_t leftWidth = line;
    int64_t sum = 0;
    for (int32_t column = 0; column < ColCount(); ++column) {
        const int32_t width = ColWidths(column);
        sum += width;
        if (column < FixedCols()) {
            fixedWidth += line + width;
            continue;
        }
        totalWidth += line + width;
        if (column < LeftCol())
            leftWidth += line + width;
    }
    const float ratio = std::max(0.0f, static_cast<float>(Width() - fixedWidth) / static_cast<float>(totalWidth));
    if (ratio >= 0.9999f)
        return;
    const float maximum = (ratio + 127.0f) / (1.0f - ratio);
    const float position = Width() < totalWidth
        ? static_cast<float>(leftWidth) / static_cast<float>(totalWidth - Width()) * 128.0f
        : static_cast<float>(info.nPos);
    if (fixedWidth + totalWidth - Width() < 5)
        return;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = static_cast<int32_t>(maximum);
    info.nPage = static_cast<uint32_t>(info.nMax - 126);
    info.nPos = static_cast<int32_t>(position);
    SetScrollInfo(SB_HORZ, info, true);
    UpdateFlatHorzScroll();
    if (FScrollBarAlways == saHorz || FScrollBarAlways == saBoth)
        return;
    if (sum < Width() || !WantsHorz(FScrollBars))
        ShowScrollBar(SB_HORZ, false);
}

void TDudStringGrid::UpdateProportionalVertScroll()
{
    if (IsLoading() || IsDesigning() || !FScrollProportional || FScrollLock)
        return;
    if (VisibleRowCount() + FixedRows() >= RowCount())
        return;
    TScrollInfo info;
    GetScrollInfo(SB_VERT, info);
    const int32_t line = GridLineWidth();
    int64_t fixedHeight = line;
    int64_t totalHeight = line;
    int64_t topHeight = line;
    for (int32_t row = 0; row < RowCount(); ++row) {
        const int32_t height = RowHeights(row);
        if (row < FixedRows()) {
            fixedHeight += line + height;
            continue;
        }
        totalHeight += line + height;
        if (row < TopRow())
            topHeight += line + height;
    }
    if (totalHeight == 0)
        return;
    const float ratio = std::max(0.0f, static_cast<float>(Height() - fixedHeight) / static_cast<float>(totalHeight));
    if (ratio >= 0.9999f)
        return;
    const float maximum = (ratio + 127.0f) / (1.0f - ratio);
    const float position = Height() < totalHeight
        ? static_cast<float>(topHeight) / static_cast<float>(totalHeight - Height()) * 128.0f
        : 127.0f;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = static_cast<int32_t>(maximum);
    info.nPage = static_cast<uint32_t>(info.nMax - 126);
    info.nPos = static_cast<int32_t>(position);
    SetScrollInfo(SB_VERT, info, true);
    UpdateFlatVertScroll();
}

// ---- scroll messages

int32_t TDudStringGrid::ThumbCol(int32_t position)
{
    return FixedCols() + MulDiv(position, ColCount() - VisibleColCount() - FixedCols(), GridThumbScale);
}

int32_t TDudStringGrid::ThumbRow(int32_t position)
{
    return FixedRows() + MulDiv(position, RowCount() - VisibleRowCount() - FixedRows(), GridThumbScale);
}

void TDudStringGrid::ShowScrollHint(const String& text, int32_t item)
{
    String hint = text;
    if (OnScrollHint)
        OnScrollHint(this, item, hint);
    if (!FScrollHintWnd)
        FScrollHintWnd = new THTMLHintWindow(this);
    TRect rect = FScrollHintWnd->CalcHintRect(100, hint, nullptr);
    const TPoint cursor = GetCursorPos();
    rect = Bounds(cursor.X + 10, cursor.Y, rect.Width(), rect.Height());
    FScrollHintWnd->SetColor(HintColor());
    FScrollHintWnd->ActivateHint(rect, hint);
    FScrollHintShow = true;
}

void TDudStringGrid::HideScrollHint()
{
    if (FScrollHintWnd)
        FScrollHintWnd->ReleaseHandle();
    FScrollHintShow = false;
}

// The cells under a fixed background picture; an empty range without one.
TGridRect TDudStringGrid::BackgroundCells()
{
    const TBackGround& background = *FBackGround;
    if (background.Display() != bdFixed || background.Bitmap().Empty())
        return { -1, -1, -2, -2 };
    int32_t leftCol = 0;
    int32_t topRow = 0;
    int32_t rightCol = 0;
    int32_t bottomRow = 0;
    MouseToCell(background.Left(), background.Top(), leftCol, topRow);
    MouseToCell(background.Left() + background.Bitmap().Width(), background.Top() + background.Bitmap().Height(),
        rightCol, bottomRow);
    if (rightCol < 0)
        rightCol = ColCount() - 1;
    if (bottomRow < 0)
        bottomRow = RowCount() - 1;
    return { std::max(leftCol, 0), std::max(topRow, 0), rightCol, bottomRow };
}

// The picture stays where it is while the cells move under it: the cells it
// covered and those it covers now are drawn again.
void TDudStringGrid::RepaintBackgroundCells(const TGridRect& before)
{
    const TGridRect after = BackgroundCells();
    if (after == before || after.Right < after.Left)
        return;
    for (const TGridRect& cells : { before, after })
        for (int32_t row = cells.Top; row <= cells.Bottom; ++row)
            for (int32_t column = cells.Left; column <= cells.Right; ++column)
                InvalidateCell(column, row);
}

void TDudStringGrid::WMHScroll(TMessage& message)
{
    const intptr_t code = ScrollCodeOf(message.WParam);
    int32_t position = ScrollPositionOf(message.WParam);
    if (FScrollHints == shHorizontal || FScrollHints == shBoth) {
        if (code == SB_ENDSCROLL)
            HideScrollHint();
        if (code == SB_THUMBTRACK)
            ShowScrollHint(QStringLiteral("Col : ") + IntToStr(ThumbCol(position)), ThumbCol(position));
    }
    if (code == SB_THUMBPOSITION && FIsFlat) {
        const int32_t visible = static_cast<int32_t>(Round(VisibleColCount() * 128.0 / ColCount()));
        if (visible != 128) {
            position = static_cast<int32_t>(Round(position * 127.0 / (128 - visible)));
            message.WParam = MakeScrollWParam(code, position);
        }
    }
    if (code == SB_THUMBTRACK && FScrollSynch)
        SetLeftCol(ThumbCol(position));
    const TGridRect covered = BackgroundCells();
    if (FixedCols() == 0 && ThumbCol(position) >= Col())
        HideInplaceEdit();
    TBaseGrid::WndProc(message);
    if (code != SB_THUMBTRACK)
        RepaintBackgroundCells(covered);
    if (code == SB_ENDSCROLL && ((UseRightToLeftAlignment() && MergeCount() > 0) || ColCount() == 1))
        Invalidate();
    UpdateFlatVertScroll();
    UpdateFlatHorzScroll();
    if (HasCheckBox(Col(), Row()))
        HideEditor();
    UpdateFooter();
}

// A message from the scroll bar of a cell steers that bar alone; true when
// it was one.
bool TDudStringGrid::CellScrollBarMessage(TMessage& message)
{
    if (!FScrollBar || message.LParam != reinterpret_cast<intptr_t>(FScrollBar.get()))
        return false;
    TScrollBar& bar = *FScrollBar;
    const int32_t before = bar.Position();
    int32_t position = before;
    switch (ScrollCodeOf(message.WParam)) {
    case SB_LINEUP:
        position = std::max(bar.Min(), before - 10);
        break;
    case SB_LINEDOWN:
        position = std::min(bar.Max(), before + 10);
        break;
    case SB_PAGEUP:
        position = std::max(bar.Min(), before - 100);
        break;
    case SB_PAGEDOWN:
        position = std::min(bar.Max(), before + 100);
        break;
    case SB_THUMBTRACK:
        position = ScrollPositionOf(message.WParam);
        break;
    default:
        break;
    }
    bar.SetPosition(position);
    if (bar.Position() != before) {
        message.Result = 1;
        SetScrollPosition(FScrollCol, FScrollRow, bar.Position());
        RepaintCell(FScrollCol, FScrollRow);
        DoScrollCell(FScrollCol, FScrollRow, bar.Position(), bar.Min(), bar.Max());
    }
    return true;
}

void TDudStringGrid::WMVScroll(TMessage& message)
{
    if (IsDesigning()) {
        TBaseGrid::WndProc(message);
        return;
    }
    if (CellScrollBarMessage(message))
        return;
    const intptr_t code = ScrollCodeOf(message.WParam);
    const int32_t position = ScrollPositionOf(message.WParam);
    if (FScrollHints == shVertical || FScrollHints == shBoth) {
        if (code == SB_ENDSCROLL)
            HideScrollHint();
        if (code == SB_THUMBTRACK)
            ShowScrollHint(QStringLiteral("Row : ") + IntToStr(ThumbRow(position)), ThumbRow(position));
    }
    if (code == SB_THUMBTRACK && FScrollSynch)
        SetTopRow(ThumbRow(position));
    const TGridRect covered = BackgroundCells();
    const bool footerShown = FSearchFooter->Visible();
    if ((code == SB_ENDSCROLL || code == SB_LINEDOWN) && footerShown && IsLastRowAboveSearchFooter()) {
        message.Result = 1;
        return;
    }
    TBaseGrid::WndProc(message);
    if (code == SB_LINEUP && footerShown && RowCount() - VisibleRowCount() == TopRow())
        SetTopRow(TopRow() - 1);
    if ((code == SB_ENDSCROLL || code == SB_LINEDOWN) && footerShown && RowCount() - VisibleRowCount() == TopRow())
        AdjustTopRowForSearchFooter();
    if (code != SB_THUMBTRACK)
        RepaintBackgroundCells(covered);
    UpdateFlatVertScroll();
    UpdateFlatHorzScroll();
    if (HasCheckBox(Col(), Row()))
        HideEditor();
}

bool TDudStringGrid::IsLastRowAboveSearchFooter()
{
    if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    return CellRect(0, RowCount() - 1).Bottom < ClientHeight() - SearchPanelHeight() + 2;
}

void TDudStringGrid::DoScrollCell(int32_t aCol, int32_t aRow, int32_t position, int32_t minimum, int32_t maximum)
{
    if (OnScrollCell)
        OnScrollCell(this, aCol, aRow, position, minimum, maximum);
}

// ---- scroll bars in cells

// One bar serves every cell: it takes the cell's place on the scale and
// height, and is drawn at the right of the cell, whose content then keeps
// clear of it.
void TDudStringGrid::PaintCellScrollBar(TCellPaint& cell)
{
    if (!HasScrollBar(cell.Col, cell.Row))
        return;
    const TScrollProp prop = GetScrollProp(cell.Col, cell.Row);
    if (prop.PageSize >= prop.Range)
        return;
    if (!FPaintScrollBar) {
        FPaintScrollBar = std::make_unique<TScrollBar>(nullptr);
        FPaintScrollBar->SetKind(sbVertical);
    }
    TScrollBar& bar = *FPaintScrollBar;
    bar.SetParams(0, 0, prop.Range);
    bar.SetPageSize(prop.PageSize);
    bar.SetPosition(GetScrollPosition(cell.Col, cell.Row));
    bar.SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), cell.Rect.Height());
    cell.Rect.Right -= bar.Width();
    bar.PaintTo(cell.Canvas, cell.Rect.Right, cell.Rect.Top);
}

TScrollBar& TDudStringGrid::CellScrollBar(int32_t aCol, int32_t aRow)
{
    if (!FScrollBar) {
        FScrollBar = std::make_unique<TScrollBar>(nullptr);
        FScrollBar->SetKind(sbVertical);
        FScrollBar->SetVisible(false);
        FScrollBar->SetEnabled(false);
        FScrollBar->SetParent(this);
    }
    FScrollCol = aCol;
    FScrollRow = aRow;
    const TScrollProp prop = GetScrollProp(aCol, aRow);
    FScrollBar->SetParams(std::max(GetScrollPosition(aCol, aRow), 0), 0, std::max(prop.Range, 0));
    FScrollBar->SetPageSize(std::max(prop.PageSize, 0));
    return *FScrollBar;
}

// ---- the slim scroll controls of ssMetro

void TDudStringGrid::CreateScrollControls()
{
    if (!vscrlctrl) {
        vscrlctrl = std::make_unique<TScrollControl>(nullptr);
        vscrlctrl->SetDirection(sdVertical);
        vscrlctrl->SetWidth(6);
        vscrlctrl->SetAlign(TAlign::alRight);
        vscrlctrl->SetParent(this);
        vscrlctrl->SetVisible(true);
    }
    if (!hscrlctrl) {
        hscrlctrl = std::make_unique<TScrollControl>(nullptr);
        hscrlctrl->SetDirection(sdHorizontal);
        hscrlctrl->SetHeight(6);
        hscrlctrl->SetAlign(TAlign::alBottom);
        hscrlctrl->SetParent(this);
        hscrlctrl->SetVisible(true);
    }
}

void TDudStringGrid::FreeScrollControls()
{
    vscrlctrl.reset();
    hscrlctrl.reset();
}

// ---- auto-scrolling while something is dragged at the edges

void TDudStringGrid::StopDragScrollTimer() { FDragTmr.reset(); }

void TDudStringGrid::DragOver(TComponent* source, int32_t x, int32_t y, TDragState state, bool& accept)
{
    const TDragScrollOptions& options = *FDragScrollOptions;
    if (!options.Active()) {
        StopDragScrollTimer();
    } else {
        const TDragScrollDirection previous = FDragScrollDirection;
        FDragScrollDirection = {};
        if (state == dsDragEnter || state == dsDragMove) {
            const TDragScrollMargins& margins = options.Margins();
            if (y < margins.TopMargin())
                FDragScrollDirection << dsdUp;
            else if (y > Height() - margins.BottomMargin())
                FDragScrollDirection << dsdDown;
            if (x < margins.LeftMargin())
                FDragScrollDirection << dsdLeft;
            else if (x > Width() - margins.RightMargin())
                FDragScrollDirection << dsdRight;
        }
        if (state == dsDragLeave || FDragScrollDirection.Empty()) {
            StopDragScrollTimer();
        } else if (!FDragTmr) {
            FDragTmr = std::make_unique<TTimer>(nullptr);
            FDragTmr->SetInterval(static_cast<uint32_t>(std::max(options.Delays().InitialDelay(), 1)));
            FDragTmr->OnTimer = [this](TComponent* sender) { DragScrollTimer(sender); };
            FDragTmr->SetEnabled(true);
        } else if (!previous.Empty()) {
            FDragTmr->SetInterval(static_cast<uint32_t>(std::max(options.Delays().InitialDelay(), 1)));
        }
    }
    TBaseGrid::DragOver(source, x, y, state, accept);
}

void TDudStringGrid::DragScrollTimer(TComponent*)
{
    const TDragScrollOptions& options = *FDragScrollOptions;
    if (!options.Active()) {
        StopDragScrollTimer();
        return;
    }
    if (FDragTmr)
        FDragTmr->SetInterval(static_cast<uint32_t>(std::max(options.Delays().RepeatDelay(), 1)));
    TDragScrollDirection direction = FDragScrollDirection;
    bool canScroll = true;
    if (OnDragScroll)
        OnDragScroll(this, TopRow(), LeftCol(), direction, canScroll);
    if (!canScroll)
        return;
    if (direction.Contains(dsdUp) && TopRow() > FixedRows())
        SetTopRow(TopRow() - 1);
    if (direction.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        SetTopRow(TopRow() + 1);
    if (direction.Contains(dsdLeft) && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    if (direction.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
}
