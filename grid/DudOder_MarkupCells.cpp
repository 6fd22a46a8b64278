#include "grid/DudOder.h"

#include "grid/DudOder_CellPaint.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/base/MarkupRender.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/RovIvir.h"

// Marked-up cells: their text drawn by the markup renderer, and what lies
// under a point of one (an anchor or a form control). Both place the text
// in the same rectangle, so a click lands on what the user sees.

namespace {

struct TMarkupRun {
    String Anchor;
    String Plain;
    String FocusAnchor;
    String Title;
    String ControlID;
    String ControlValue;
    String ControlType;
    int32_t ExtentX = 0;
    int32_t ExtentY = 0;
    int32_t Anchors = 0;
    int32_t HoverIndex = -1;
    TRect HoverRect {};
    TRect ControlRect {};
};

} // namespace

TRect TDudStringGrid::MarkupTextArea(int32_t realCol, int32_t aRow, TRect area, bool filterButton)
{
    if (filterButton)
        area.Right -= 18;
    if (ShowsSortGlyph(realCol, aRow))
        area.Right -= 10;
    --area.Left;
    return area;
}

void TDudStringGrid::DrawMarkupCellText(TCellPaint& cell, TRect& area, const String& text)
{
    area = MarkupTextArea(cell.Col, cell.Row, area, cell.FilterButton);
    const bool hoverCell = FHoverCell.X == cell.DisplayCol && FHoverCell.Y == cell.Row;
    const TColor anchorColor = cell.State.Contains(gdSelected) && FShowSelection && FSelectionTextColor != clNone
        ? FSelectionTextColor
        : FURLColor;
    TMarkupRun run;
    cell.Canvas.Brush().SetStyle(bsClear);
    // The renderer's highlight colours are shared; each grid draws its own.
    SetHighlightColors(FHighlightColor, FHighlightTextColor);
    DrawMarkupText(cell.Canvas, text, area, GetGridImageList(), -1, -1, -1, hoverCell ? FHoverlink : -1, 1, false,
        false, false, false, FGridBlink, FURLUnderlineOnHover, !FEnhTextSize, FCtrlDown, 1.0, anchorColor, clNone,
        clNone, TColor(0x808080), run.Anchor, run.Plain, run.FocusAnchor, run.Title, run.ExtentX, run.ExtentY,
        run.Anchors, run.HoverIndex, run.HoverRect, run.ControlRect, run.ControlID, run.ControlValue,
        run.ControlType, FImageCache.get(), FPictureContainer, this, bdLeftToRight);
    cell.Canvas.Brush().SetStyle(bsSolid);
    cell.TextWidth = run.ExtentX + 2;
    if (!ShowsSortGlyph(cell.Col, cell.Row))
        return;
    int32_t y = area.Top + 8;
    if (cell.VAlign == vtaCenter)
        y = (area.Top + area.Bottom) / 2;
    else if (cell.VAlign == vtaBottom)
        y = area.Bottom - 8;
    DrawSortIndicator(cell.Canvas, cell.Col, area.Right + 2, y);
}

bool TDudStringGrid::MarkupHitTest(
    int32_t aCol, int32_t aRow, int32_t x, int32_t y, TMarkupHit& hit, const String& locateID)
{
    hit = TMarkupHit {};
    if (aCol < 0 || aRow < 0 || aCol >= ColCount() || aRow >= RowCount())
        return false;
    const int32_t realCol = RemapColToReal(aCol);
    const String text = GetFormattedCell(realCol, aRow);
    const int32_t kind = ClassifyCellText(text, FEnableHTML);
    if (kind != ckMarkup) {
        if (!FURLShow || !IsUrlText(text))
            return false;
        hit.Anchor = text;
        return true;
    }

    // The look is taken as the painter takes it, so hooks answer alike.
    const TFont font = CellAppearance(aCol, aRow, FWordWrapEx).Font;

    // The rectangle the painter gives the text of this cell.
    TRect area = CellRect(aCol, aRow);
    if (IsFixed(aCol, aRow)) {
        area.Left += GridLineWidth();
        area.Top += GridLineWidth();
    }
    area.Left += FXYOffset.X;
    area.Top += FXYOffset.Y;
    if (!FXYOffsetTopLeftOnly)
        area.Right -= FXYOffset.X;
    TCellVAlign graphicVAlign = vaTop;
    TCellHAlign graphicHAlign = haLeft;
    bool textBeside = true;
    int32_t graphicHeight = 0;
    int32_t graphicWidth = 0;
    if (GetCellGraphicLayout(realCol, aRow, graphicVAlign, graphicHAlign, textBeside, graphicHeight, graphicWidth)) {
        if (!textBeside)
            return false;
        if (graphicHAlign == haBeforeText)
            area.Left += graphicWidth;
        else if (graphicHAlign == haAfterText)
            area.Right -= graphicWidth;
        if (graphicVAlign == vaAboveText)
            area.Top += graphicHeight;
        else if (graphicVAlign == vaUnderText)
            area.Bottom -= graphicHeight;
    }
    area = MarkupTextArea(realCol, aRow, area, aRow == FFilterDropDownRow && GetColumnFilter(realCol));

    TCanvas& canvas = Canvas();
    canvas.SetFont(font);
    TMarkupRun run;
    run.ControlID = locateID;
    const bool onSomething = DrawMarkupText(canvas, text, area, GetGridImageList(), x, y, -1, -1, 1, true, false,
        false, false, true, FURLUnderlineOnHover, !FEnhTextSize, false, 1.0, FURLColor, clNone, clNone,
        TColor(0x808080), run.Anchor, run.Plain, run.FocusAnchor, run.Title, run.ExtentX, run.ExtentY, run.Anchors,
        run.HoverIndex, run.HoverRect, run.ControlRect, run.ControlID, run.ControlValue, run.ControlType,
        FImageCache.get(), FPictureContainer, this, bdLeftToRight);
    if (!onSomething)
        return false;
    hit.Anchor = run.Anchor;
    hit.AnchorIndex = run.HoverIndex;
    hit.ControlID = run.ControlID;
    hit.ControlType = run.ControlType;
    hit.ControlValue = run.ControlValue;
    hit.ControlRect = run.ControlRect;
    hit.Title = run.Title;
    return true;
}

void TDudStringGrid::UpdateHoverLink(int32_t aCol, int32_t aRow, int32_t x, int32_t y)
{
    TMarkupHit hit;
    const bool onAnchor = MarkupHitTest(aCol, aRow, x, y, hit) && hit.ControlID.isEmpty();
    const int32_t link = onAnchor ? hit.AnchorIndex : -1;
    const TGridCoord cell { aCol, aRow };
    if (onAnchor && hit.Anchor != FAnchor) {
        if (!FAnchor.isEmpty() && OnAnchorExit)
            OnAnchorExit(this, FHoverCell.Y, RemapColToReal(FHoverCell.X), FAnchor);
        if (OnAnchorEnter)
            OnAnchorEnter(this, aRow, RemapColToReal(aCol), hit.Anchor);
    } else if (!onAnchor && !FAnchor.isEmpty() && OnAnchorExit) {
        OnAnchorExit(this, FHoverCell.Y, RemapColToReal(FHoverCell.X), FAnchor);
    }
    const bool repaint = link != FHoverlink || (link >= 0 && !(cell == FHoverCell));
    const TGridCoord previous = FHoverCell;
    FAnchor = onAnchor ? hit.Anchor : String();
    FHoverlink = link;
    if (onAnchor)
        FHoverCell = cell;
    if (repaint && FURLUnderlineOnHover) {
        RepaintCell(previous.X, previous.Y);
        RepaintCell(aCol, aRow);
    }
}
