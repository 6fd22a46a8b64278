#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_SearchPanel.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

#include <algorithm>

// The grid's timer (typed search expiry, hover selection, blinking text),
// painting held back during batch updates, and the columns following the
// grid's size.

namespace {

constexpr uintptr_t GridTimer = 111;
constexpr uint32_t GridTimerPeriod = 500;
// Ticks after the last typed key at which the typed search text lapses.
constexpr int32_t SearchTicksToLapse = 4;

} // namespace

void TDudStringGrid::CreateWnd()
{
    TBaseGrid::CreateWnd();
    if (FScrollType == ssMetro && Parent()) {
        CreateScrollControls();
        SetScrollBars(ssNone);
    }
    if (FColumnSize->Save() && Parent())
        Guarded([this] { LoadColSizes(); });
    FGridTimerID = static_cast<int32_t>(SetTimer(this, GridTimer, GridTimerPeriod));
    wheelmsg = GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0 ? CM_MOUSEWHEEL : 0;
    wheelscrl = std::abs(WheelScrollRows(WHEEL_DELTA, VisibleRowCount()));
    if (FScrollType != ssNormal && !IsLoading() && Parent()) {
        InitFlatScrollBars();
        ApplyFlatScrollWidth();
        ApplyFlatScrollColor();
        ApplyFlatScrollType();
    }
}

void TDudStringGrid::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_TIMER && FGridTimerID != 0 && message.WParam == FGridTimerID) {
        WMTimer(message);
        return;
    }
    // Enter always belongs to the grid: a dialog's default button must not
    // take it, whether or not the current cell can be edited.
    if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_RETURN) {
        message.Result = 1;
        return;
    }
    TBaseGrid::DefaultHandler(message);
}

void TDudStringGrid::WMTimer(TMessage& message)
{
    (void)message;
    ++FTimerTicks;
    if (FNavigation->AutoGotoIncremental() && ++SearchTics >= SearchTicksToLapse) {
        SearchInc.clear();
        SearchTics = 0;
    }
    if (FHovering && !IsDesigning()) {
        const TPoint screen = GetCursorPos();
        const TPoint point = ScreenToClient(screen);
        int32_t aCol = -1;
        int32_t aRow = -1;
        MouseToCell(point.X, point.Y, aCol, aRow);
        if (FindControlAtPos(screen) == this && ClientRect().Contains(point) && aCol >= FixedCols()
            && aRow >= FixedRows() && aCol < ColCount() && aRow < RowCount()) {
            if (CanFocus())
                SetFocus();
            SetRow(aRow);
            SetCol(aCol);
        }
    }
    if (FEnableBlink) {
        FGridBlink = !FGridBlink;
        RepaintBlinkingCells();
    }
}

// Only the shown cells whose text carries the blink tag change with the
// phase.
void TDudStringGrid::RepaintBlinkingCells()
{
    const auto repaintIfBlinking = [this](int32_t realCol, int32_t aRow) {
        if (realCol < AllColCount() && aRow < RowCount()
            && GetCellEx(realCol, aRow).toUpper().contains(QLatin1String("<BLI")))
            RepaintCell(RemapColToDispl(realCol), aRow);
    };
    const int32_t lastRow = TopRow() + VisibleRowCount() - 1;
    const int32_t lastCol = LeftCol() + VisibleColCount() - 1;
    for (int32_t row = TopRow(); row <= lastRow; ++row)
        for (int32_t col = LeftCol(); col <= lastCol + FNumHidden; ++col)
            repaintIfBlinking(col, row);
    for (int32_t row = 0; row < FixedRows(); ++row)
        for (int32_t col = LeftCol(); col <= lastCol; ++col)
            repaintIfBlinking(RemapColToReal(col), row);
    for (int32_t row = TopRow(); row <= lastRow; ++row)
        for (int32_t col = 0; col < FixedCols(); ++col)
            repaintIfBlinking(RemapColToReal(col), row);
}

void TDudStringGrid::PaintWindow(QPainter& painter)
{
    // A batch update paints once, when the last EndUpdate invalidates.
    if (FUpdateCount >= 1)
        return;
    TBaseGrid::PaintWindow(painter);
}

void TDudStringGrid::InitOrigColSizes()
{
    FOrigColSizes->Clear();
    for (int32_t col = 0; col < ColCount(); ++col)
        FOrigColSizes->Add(ColWidths(col));
    FOldSize = Width();
}

void TDudStringGrid::ApplyColumnStretch(int32_t index)
{
    if ((ComponentState() & (csLoading | csDestroying)) != 0 || (Application && Application->Terminated()))
        return;
    if (index == -1)
        index = ColCount() - 1;
    if (index >= ColCount())
        throw Exception(QStringLiteral("Stretch column index out of range"));
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging)
        return;
    FIsColChanging = true;
    ColchgFlg = false;
    try {
        if (ColCount() == 1) {
            SetColWidths(index, ClientWidth());
        } else {
            int32_t others = 0;
            for (int32_t col = 0; col < ColCount(); ++col)
                if (col != index)
                    others += ColWidths(col);
            if (others < ClientWidth())
                SetColWidths(index, ClientWidth() - others - 1);
            else if (LeftCol() == FixedCols())
                SetColWidths(index, DefaultColWidth());
            if (FloatingFooterVisible() && FFooterPanel)
                FFooterPanel->SetAlign(alBottom);
        }
    } catch (...) {
        ColchgFlg = true;
        FIsColChanging = false;
        throw;
    }
    ColchgFlg = true;
    FIsColChanging = false;
}

bool TDudStringGrid::SizeColumnsWithGrid()
{
    if (FSearchPanel && FSearchPanel->Visible()) {
        // Two heights force the panel to lay out again at the bottom.
        FSearchPanel->SetHeight(33);
        FSearchPanel->SetHeight(32);
        FSearchPanel->SetAlign(alBottom);
    }
    if (FColumnSize->SynchWithGrid() && FOldSize > 0) {
        HideInplaceEdit();
        // A single border was part of the width the columns were taken at.
        const double factor = static_cast<double>(Width() + (BorderStyle() == bsSingle ? 2 : 0)) / FOldSize;
        const bool normalOnly = FColumnSize->SynchNormalCellsOnly();
        const int32_t first = normalOnly ? FixedCols() : 0;
        const int32_t last = normalOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
        for (int32_t col = first; col <= last && col < FOrigColSizes->Count(); ++col)
            SetColWidths(col, static_cast<int32_t>(FOrigColSizes->Items(col) * factor));
    }
    if (!FColumnSize->Stretch() || (FScrollBarAlways != saNone && FScrollBarAlways != saVert))
        return false;
    const int32_t stretchCol = FColumnSize->StretchColumn() == -1 ? ColCount() - 1 : FColumnSize->StretchColumn();
    int32_t others = 0;
    for (int32_t col = 0; col < ColCount(); ++col)
        if (col != stretchCol)
            others += ColWidths(col);
    if (others >= Width())
        return false;
    ApplyColumnStretch(FColumnSize->StretchColumn());
    if (FScrollBarAlways != saNone)
        return false;
    // Each bar shows exactly when its direction does not fit.
    const TScrollStyle bars = ScrollBars();
    if (bars == ssHorizontal || bars == ssBoth)
        ShowScrollBar(SB_HORZ, ClientWidth() < others + ColWidths(stretchCol));
    if (bars == ssVertical || bars == ssBoth)
        ShowScrollBar(SB_VERT, VisibleRowCount() < RowCount() - FixedRows());
    if (OnGridResize)
        OnGridResize(this);
    return true;
}

// After a size change the flat bars take the scroll state the platform bars
// now hold; the window bars stay only for the directions ScrollBars names.
void TDudStringGrid::SizeFlatScrollBars()
{
    if (FDisableSize)
        return;
    FDisableSize = true;
    UpdateFlatVertScroll();
    UpdateFlatHorzScroll();
    ShowFlatScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
    ShowFlatScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
    const TScrollStyle bars = ScrollBars();
    if (bars != ssHorizontal && bars != ssBoth)
        ShowScrollBar(SB_HORZ, false);
    if (bars != ssVertical && bars != ssBoth)
        ShowScrollBar(SB_VERT, false);
    FDisableSize = false;
}

TCanvas* TDudStringGrid::FooterCanvas() const { return FFooterPanel ? &FFooterPanel->Canvas() : nullptr; }
