#include "platform/ui/Grids.h"

#include <algorithm>

namespace {

// Line colours of the classic look: black between fixed cells, silver
// between the others.
constexpr TColor FixedLineColor = clBlack;
constexpr TColor CellLineColor = clSilver;

struct TSpan {
    int32_t Index;
    int32_t Start;
};

// The items of one axis that show: the fixed ones, then first onwards up to
// the client edge. Costs the number of items shown, whatever the count.
std::vector<TSpan> ShownItems(const TGridAxis& axis, int32_t fixed, int32_t first, int32_t clientExtent)
{
    std::vector<TSpan> items;
    int64_t position = 0;
    for (int32_t index = 0; index < fixed && position < clientExtent; ++index) {
        items.push_back({ index, static_cast<int32_t>(position) });
        position += axis.Size(index) + axis.LineWidth();
    }
    position = axis.Offset(fixed);
    for (int32_t index = first; index < axis.Count() && position < clientExtent; ++index) {
        items.push_back({ index, static_cast<int32_t>(position) });
        position += axis.Size(index) + axis.LineWidth();
    }
    return items;
}

int32_t SpanEnd(const std::vector<TSpan>& items, const TGridAxis& axis)
{
    return items.empty() ? 0 : items.back().Start + axis.Size(items.back().Index) + axis.LineWidth();
}

} // namespace

TGridDrawState TCustomGrid::CellState(int32_t aCol, int32_t aRow) const
{
    if (aCol < FFixedCols || aRow < FFixedRows)
        return { gdFixed };
    TGridDrawState state;
    // Focused only while the grid (or its editor) is the control with the
    // focus; the current cell counts as selected like any cell of the
    // selection, and the default fill decides how it looks.
    const bool active = Focused() || (FInplaceEdit && FEditorShown && FInplaceEdit->Focused());
    if (active && FCurrent == TGridCoord { aCol, aRow })
        state << gdFocused;
    if (Selection().Contains(aCol, aRow))
        state << gdSelected;
    return state;
}

void TCustomGrid::Paint()
{
    const int32_t clientWidth = ClientWidth();
    const int32_t clientHeight = ClientHeight();
    const std::vector<TSpan> cols = ShownItems(FCols, FFixedCols, FTopLeft.X, clientWidth);
    const std::vector<TSpan> rows = ShownItems(FRows, FFixedRows, FTopLeft.Y, clientHeight);
    TCanvas& canvas = Canvas();
    const int32_t lineWidth = GridLineWidth();

    for (const TSpan& row : rows) {
        for (const TSpan& col : cols) {
            const TRect rect = Bounds(col.Start, row.Start, FCols.Size(col.Index), FRows.Size(row.Index));
            const TGridDrawState state = CellState(col.Index, row.Index);
            const bool fixed = state.Contains(gdFixed);
            canvas.Font().Assign(Font());
            if (FDefaultDrawing) {
                if (fixed) {
                    canvas.Brush().SetColor(FFixedColor);
                } else if (state.Contains(gdSelected)
                    && (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect))) {
                    canvas.Brush().SetColor(clHighlight);
                    canvas.Font().SetColor(clHighlightText);
                } else {
                    canvas.Brush().SetColor(Color());
                }
                canvas.FillRect(rect);
            }
            const TCanvasClip clip = canvas.SaveClip();
            canvas.IntersectClipRect(rect);
            DrawCell(col.Index, row.Index, rect, state);
            canvas.RestoreClip(clip);
            if (FDefaultDrawing && state.Contains(gdFocused) && !FOptions.Contains(goRowSelect) && !FEditorShown)
                canvas.DrawFocusRect(rect);

            if (lineWidth == 0)
                continue;
            const bool vertLine = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
            const bool horzLine = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
            const TColor background = fixed ? FFixedColor : Color();
            canvas.Brush().SetColor(vertLine ? (fixed ? FixedLineColor : CellLineColor) : background);
            canvas.FillRect(Rect(rect.Right, rect.Top, rect.Right + lineWidth, rect.Bottom + lineWidth));
            canvas.Brush().SetColor(horzLine ? (fixed ? FixedLineColor : CellLineColor) : background);
            canvas.FillRect(Rect(rect.Left, rect.Bottom, rect.Right, rect.Bottom + lineWidth));
        }
    }

    // Past the last column and row: the grid's colour; the corner between
    // two scroll bars: the face colour.
    canvas.Brush().SetColor(Color());
    const int32_t right = SpanEnd(cols, FCols);
    const int32_t bottom = SpanEnd(rows, FRows);
    if (right < clientWidth)
        canvas.FillRect(Rect(right, 0, clientWidth, clientHeight));
    if (bottom < clientHeight)
        canvas.FillRect(Rect(0, bottom, std::min(right, clientWidth), clientHeight));
    if (ScrollBarVisible(SB_HORZ) && ScrollBarVisible(SB_VERT)) {
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(Rect(clientWidth, clientHeight, TCustomControl::ClientWidth(), TCustomControl::ClientHeight()));
    }
    PaintSizingLine();
}

// A dotted line inverted over the cells where the sized border will go.
void TCustomGrid::PaintSizingLine()
{
    if (FGridState == gsColSizing)
        DrawSizingLine({ FSizingPos, 0 }, { FSizingPos, ClientHeight() });
    else if (FGridState == gsRowSizing)
        DrawSizingLine({ 0, FSizingPos }, { ClientWidth(), FSizingPos });
}

// Exclusive-or with white inverts what lies under the line, so drawing it
// again at the same place takes it away; with black it would change nothing.
void TCustomGrid::DrawSizingLine(TPoint from, TPoint to)
{
    TCanvas& canvas = Canvas();
    TPen saved;
    saved.Assign(canvas.Pen());
    canvas.Pen().SetColor(clWhite);
    canvas.Pen().SetStyle(psDot);
    canvas.Pen().SetMode(pmXor);
    canvas.Pen().SetWidth(1);
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
    canvas.SetPen(saved);
}
