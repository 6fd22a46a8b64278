#include "grid/DudOder.h"

#include "platform/ui/Forms.h"

#include <cmath>

// What follows a change of the column widths, row heights or counts: the
// stretched column, proportional sizing of all columns or rows after the
// user sized one, the end-of-sizing events and the controls laid over
// cells.

namespace {

int32_t Scaled(int32_t size, double factor) { return static_cast<int32_t>(std::lround(size * factor)); }

} // namespace

void TDudStringGrid::SizeChanged(int32_t oldColCount, int32_t oldRowCount)
{
    // The base handling always runs: it drops the cells cut off, which a
    // grid without a parent holds as well.
    const bool follow = Parent() && (ComponentState() & (csLoading | csReading)) == 0
        && !(Application && Application->Terminated());
    if (follow && FColumnSize->Stretch())
        ApplyColumnStretch(FColumnSize->StretchColumn());
    TBaseGrid::SizeChanged(oldColCount, oldRowCount);
    if (!follow)
        return;
    ShowFlatScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
    UpdateFlatVertScroll();
    ShowFlatScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
    UpdateFlatHorzScroll();
}

void TDudStringGrid::ColWidthsChanged()
{
    if ((ComponentState() & csDestroying) != 0) {
        TBaseGrid::ColWidthsChanged();
        return;
    }
    if (ColchgFlg)
        ApplyColumnStretch(FColumnSize->StretchColumn());
    if (IsDesigning() && FScrollHintShow)
        HideScrollHint();
    TBaseGrid::ColWidthsChanged();
    ColSizeFlg = true;

    const bool clickedValid = Colclicked >= 0 && Colclicked < ColCount();
    if (ColSized && clickedValid && FMouseActions->AllColumnSize() && Colclickedsize > 0) {
        const double factor = static_cast<double>(ColWidths(Colclicked)) / Colclickedsize;
        ColSized = false;
        for (int32_t col = FixedCols(); col < ColCount() - FFixedRightCols; ++col)
            if (col != Colclicked)
                SetColWidths(col, Scaled(ColWidths(col), factor));
        ColSized = true;
    }
    if (ColSized && clickedValid) {
        if (OnEndColumnSize)
            OnEndColumnSize(this, Colclicked);
        int32_t width = ColWidths(Colclicked);
        DoUpdateColumnSize(Colclicked, width);
        if (width != ColWidths(Colclicked)) {
            ColSized = false;
            SetColWidths(Colclicked, width);
        }
    }
    if (ColSized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    if (EditMode && EditCtrl && Col() < ColCount() && Row() < RowCount()) {
        const TRect rect = TBaseGrid::CellRect(Col(), Row());
        EditCtrl->SetBounds(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    }
    ColSized = false;
    if (Col() < ColCount() && Row() < RowCount() && HasCheckBox(RemapColToReal(Col()), Row()))
        HideEditor();
    UpdateFooter();
    CellControlsUpdate(false);
    if (FColumnSize->Stretch() && FScrollProportional)
        UpdateProportionalVertScroll();
}

void TDudStringGrid::RowHeightsChanged()
{
    if ((ComponentState() & csDestroying) != 0) {
        TBaseGrid::RowHeightsChanged();
        return;
    }
    if (IsDesigning() && FScrollHintShow)
        HideScrollHint();
    TBaseGrid::RowHeightsChanged();

    const bool clickedValid = Rowclicked >= 0 && Rowclicked < RowCount();
    if (Rowsized && clickedValid && FMouseActions->AllRowSize() && Rowclickedsize > 0) {
        const double factor = static_cast<double>(RowHeights(Rowclicked)) / Rowclickedsize;
        // Each scaled row comes back here; only the user's row ends the sizing.
        Rowsized = false;
        for (int32_t row = FixedRows(); row < RowCount() - FixedFooters(); ++row)
            if (row != Rowclicked)
                SetRowHeights(row, Scaled(RowHeights(row), factor));
        Rowsized = true;
    }
    if (Rowsized) {
        if (clickedValid && OnEndRowSize)
            OnEndRowSize(this, Rowclicked);
        Colclicked = -1;
        Rowclicked = -1;
    }
    Rowsized = false;
    if (Col() < ColCount() && Row() < RowCount() && HasCheckBox(RemapColToReal(Col()), Row()))
        HideEditor();
    CellControlsUpdate(false);
}
