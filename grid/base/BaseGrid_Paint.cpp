#include "grid/base/BaseGrid.h"

#include "grid/base/RovIvir_Draw.h"

namespace {

struct TSelectionLook {
    TColor FillFrom;
    TColor FillTo;
    TColor MirrorFrom;
    TColor MirrorTo;
    TColor InnerTop;
    TColor InnerBottom;
    TColor Outer;
    TColor Corner;
};

// Selection looks of the focused grid, by TGridSelectionStyle (ssDefault
// has none), then the one every style takes while the grid is not focused.
constexpr TSelectionLook FocusedSelectionLooks[] = {
    { clNone, clNone, clNone, clNone, clNone, clNone, clNone, clNone },
    { 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB },
    { 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE },
    { 0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF },
};
constexpr TSelectionLook UnfocusedSelectionLook
    = { 0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF };

} // namespace

void TBaseGrid::Paint()
{
    // Only a screen pass marks merges as painted: a cell painted elsewhere
    // (printing, a drag image) must not hide its merge from the next pass.
    ++FPaintID;
    FScreenPass = true;
    try {
        TObjStringGrid::Paint();
    } catch (...) {
        FScreenPass = false;
        throw;
    }
    FScreenPass = false;
}

void TBaseGrid::DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state)
{
    // The platform grid clips each cell to its own rectangle; a merged area
    // is painted whole from whichever of its cells comes first.
    if (IsMergedCell(aCol, aRow))
        Canvas().ClearClip();
    PaintGridCell(Canvas(), aCol, aRow, rect, state, true);
}

void TBaseGrid::PaintCell(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state)
{
    PaintGridCell(canvas, aCol, aRow, rect, state, true);
}

void TBaseGrid::PaintCellExt(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state)
{
    PaintGridCell(canvas, aCol, aRow, rect, state, false);
}

void TBaseGrid::PaintGridCell(TCanvas& canvas, int32_t aCol, int32_t aRow, TRect rect, TGridDrawState state, bool full)
{
    if (FHideLastRow && aRow == RowCount() - 1) {
        canvas.Brush().SetColor(Color());
        canvas.Pen().SetColor(Color());
        canvas.FillRect(rect);
        return;
    }

    // A merge is painted once per pass: by its base cell, or, when the base
    // lies out of view, by the first of its other cells, which paints the
    // whole area through the base; the other cells then paint nothing.
    int32_t baseCol = aCol;
    int32_t baseRow = aRow;
    if (!ResolveBaseCell(aCol, aRow, baseCol, baseRow)) {
        TCellProperties* baseProps = FScreenPass ? GetGridObject(baseCol, baseRow) : nullptr;
        if (baseProps && baseProps->PaintID() == FPaintID)
            return;
        if (baseProps)
            baseProps->SetPaintID(FPaintID);
        PaintCell(canvas, baseCol, baseRow, rect, state);
        return;
    }
    if (FScreenPass && IsMergedCell(aCol, aRow))
        GetGridObject(aCol, aRow)->SetPaintID(FPaintID);

    if (full && IsFixed(aCol, aRow)) {
        state << gdFixed;
        state >> gdSelected;
    }
    if (full)
        rect = CellRect(aCol, aRow);

    // A merge partly scrolled under the fixed rows or columns must not paint
    // over them. Only the grid's own cell places are known to lie there: the
    // rectangle handed to PaintCellExt is the caller's (a header drag image).
    const int32_t fixedCols = FixedCols();
    const int32_t fixedRows = FixedRows();
    const int32_t fixedX = aCol >= fixedCols ? SumFixedColWidths() : 0;
    const int32_t fixedY = aRow >= fixedRows ? SumFixedRowHeights() : 0;
    const TCanvasClip savedClip = canvas.SaveClip();
    const bool clipped = full
        && ((aCol >= fixedCols && fixedCols > 0 && rect.Left < fixedX)
            || (aRow >= fixedRows && fixedRows > 0 && rect.Top < fixedY));
    if (clipped)
        canvas.IntersectClipRect(Rect(fixedX, fixedY, ClientWidth(), ClientHeight()));

    canvas.Pen().SetWidth(1);
    canvas.Font().Assign(Font());
    // Without a descendant's look the cell takes the grid's colours.
    canvas.Brush().SetColor(state.Contains(gdFixed) ? FixedColor() : Color());
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TAlignment alignment = taLeftJustify;
    TVAlignment vAlignment = vtaTop;
    bool wordWrap = FWordWrap;
    TCellGradientDirection gradientDirection = GradientVertical;
    GetVisualProperties(aCol, aRow, state, false, true, true, canvas.Brush(), colorTo, mirrorColor, mirrorColorTo,
        canvas.Font(), alignment, vAlignment, wordWrap, gradientDirection);
    canvas.Pen().SetColor(canvas.Brush().Color());

    // The look may make a cell fixed (a header button painted elsewhere):
    // hover, lines and content follow the state it decided.
    const bool fixed = state.Contains(gdFixed);
    const bool selected = state.Contains(gdSelected);
    if (aRow == FHoverRowIdx && FHoverRow && !(selected && !FHoverRowCells.Contains(hcSelected))
        && !(fixed && !FHoverRowCells.Contains(hcFixed))) {
        canvas.Brush().SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        mirrorColor = clNone;
        mirrorColorTo = clNone;
        gradientDirection = GradientVertical;
    }
    if ((FActiveRowShow && aRow == Row() && aCol >= fixedCols && (aCol != Col() || !FShowSel))
        || (!full && selected)) {
        canvas.Brush().SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirrorColor = FActiveRowMirrorColor;
        mirrorColorTo = FActiveRowMirrorColorTo;
    }
    canvas.Pen().SetColor(canvas.Brush().Color());

    if (selected && FSelectionStyle != ssDefault && FShowSel) {
        SelectionLook(canvas, aCol, rect);
    } else if (!(UsesVCLStyles() && (fixed || selected))) {
        if (mirrorColorTo == clNone)
            DrawGradient(canvas, canvas.Brush().Color(), colorTo, gradientDirection == GradientHorizontal, rect, 64);
        else
            DrawGradientBackground(canvas, rect, canvas.Brush().Color(), colorTo, mirrorColor, mirrorColorTo,
                gradientDirection == GradientVertical, clNone, false, true);
    }

    int32_t halfWidth = 1;
    if (fixed) {
        canvas.Pen().SetColor(FGridFixedLineColor);
        canvas.Pen().SetWidth(1);
    } else {
        // A width of 0 keeps a one-pixel line in the cell's own colour.
        if (FGridLineWidth > 0)
            canvas.Pen().SetColor(FGridLineColor);
        canvas.Pen().SetWidth(FGridLineWidth);
        halfWidth = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    if (!(aCol == 0 && HasNodes())
        && ((options.Contains(goHorzLine) && !fixed) || (options.Contains(goFixedHorzLine) && fixed))) {
        canvas.MoveTo(rect.Left - halfWidth + 1, rect.Bottom - halfWidth);
        canvas.LineTo(rect.Right - halfWidth + 1, rect.Bottom - halfWidth);
    }
    if ((options.Contains(goVertLine) && !fixed) || (options.Contains(goFixedVertLine) && fixed)) {
        const int32_t x = rect.Right - halfWidth + (UseRightToLeftAlignment() ? 1 : 0);
        canvas.MoveTo(x, rect.Bottom - halfWidth);
        canvas.LineTo(x, rect.Top - halfWidth);
    }

    if (full) {
        TRect content = rect;
        if (fixed) {
            content.Right -= 1;
            content.Bottom -= 2;
        } else {
            content = Rect(rect.Left + FGridLineWidth, rect.Top + FGridLineWidth, rect.Right - FGridLineWidth,
                rect.Bottom - FGridLineWidth);
        }
        DrawCellContent(canvas, aCol, aRow, content, state);
    }

    if (clipped)
        canvas.RestoreClip(savedClip);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
}

void TBaseGrid::SelectionLook(TCanvas& canvas, int32_t aCol, const TRect& rect)
{
    const TGridRect selection = Selection();
    int32_t position = 3;
    if (selection.Left == selection.Right)
        position = 0;
    else if (aCol == selection.Left)
        position = 1;
    else if (aCol == selection.Right)
        position = 2;
    TRect area = rect;
    const TGridOptions options = Options();
    if (!options.Contains(goHorzLine))
        ++area.Bottom;
    if (!options.Contains(goVertLine))
        ++area.Right;
    if (UseRightToLeftAlignment()) {
        ++area.Right;
        ++area.Bottom;
    }
    const bool focused = Focused() || options.Contains(goDrawFocusSelected);
    const TSelectionLook& look = focused ? FocusedSelectionLooks[FSelectionStyle] : UnfocusedSelectionLook;
    DrawStyledSelection(canvas, look.FillFrom, look.FillTo, look.MirrorFrom, look.MirrorTo, look.InnerTop,
        look.InnerBottom, look.Outer, look.Corner, Color(), area, position);
}

void TBaseGrid::DrawCellContent(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state)
{
    (void)state;
    TRect area = rect;
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(GetCellEx(aCol, aRow), area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TBaseGrid::GetVisualProperties(int32_t aCol, int32_t aRow, TGridDrawState& state, bool print, bool select,
    bool remap, TBrush& brush, TColor& colorTo, TColor& mirrorColor, TColor& mirrorColorTo, TFont& font,
    TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& gradientDirection)
{
    (void)aCol, (void)aRow, (void)state, (void)print, (void)select, (void)remap, (void)brush, (void)colorTo;
    (void)mirrorColor, (void)mirrorColorTo, (void)font, (void)alignment, (void)vAlignment, (void)wordWrap;
    (void)gradientDirection;
}

bool TBaseGrid::IsFixed(int32_t aCol, int32_t aRow) const
{
    (void)aCol;
    (void)aRow;
    return false;
}

int32_t TBaseGrid::GetRowIndent(int32_t aRow) const
{
    (void)aRow;
    return 0;
}

int32_t TBaseGrid::SumFixedColWidths() const { return FixedWidth(); }
int32_t TBaseGrid::SumFixedRowHeights() const { return FixedHeight(); }

void TBaseGrid::RepaintMergedFixedColCells()
{
    for (int32_t row = TopRow(); row <= TopRow() + VisibleRowCount(); ++row) {
        for (int32_t col = 0; col < FixedCols(); ++col) {
            if (IsMergedCell(col, row))
                RepaintCell(col, row);
        }
    }
}

void TBaseGrid::RepaintMergedFixedRowCells()
{
    for (int32_t col = LeftCol(); col <= LeftCol() + VisibleColCount(); ++col) {
        for (int32_t row = 0; row < FixedRows(); ++row) {
            if (IsMergedCell(col, row))
                RepaintCell(col, row);
        }
    }
}

void TBaseGrid::TopLeftChanged()
{
    TObjStringGrid::TopLeftChanged();
    RepaintMergedFixedColCells();
    RepaintMergedFixedRowCells();
}

bool TBaseGrid::SelectCell(int32_t aCol, int32_t aRow)
{
    // Mirrored cells are not where the rectangles say: all of it is redrawn.
    if (UseRightToLeftAlignment()) {
        const bool result = TObjStringGrid::SelectCell(aCol, aRow);
        Invalidate();
        return result;
    }
    RepaintCell(Col(), Row());
    const bool result = TObjStringGrid::SelectCell(aCol, aRow);
    RepaintCell(aCol, aRow);
    return result;
}
