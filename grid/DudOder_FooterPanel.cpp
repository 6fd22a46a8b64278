#include "grid/DudOder_Footer.h"

#include "grid/DudOder.h"
#include "grid/base/MarkupRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"

// The strip under the grid that keeps the footer in view while the rows
// scroll: the grid's last row as fixed cells lined up with the columns
// above, a preview of the current row, or what the application paints.

namespace {

TDudStringGrid* StringGridOf(TBaseGrid* grid)
{
    return dynamic_cast<TDudStringGrid*>(grid);
}

// The grid's own settings for the light left edge of fixed cells.
bool LightEdges(const TDudStringGrid& grid)
{
    const TGridLook look = grid.Look();
    return grid.Options().Contains(goFixedVertLine) && !grid.Flat()
        && (look == glSoft || look == glVUV || look == glXP || look == glVista);
}

} // namespace

TFooterPanel::TFooterPanel(TBaseGrid* owner) : TCustomPanel(owner), FGrid(owner)
{
}

std::vector<int32_t> TFooterPanel::FooterColumns() const
{
    std::vector<int32_t> columns;
    for (int32_t col = 0; col < FGrid->FixedCols(); ++col)
        columns.push_back(col);
    for (int32_t col = FGrid->LeftCol(); col < FGrid->ColCount(); ++col)
        columns.push_back(col);
    return columns;
}

int32_t TFooterPanel::ColumnsWidth() const
{
    int32_t width = 0;
    for (const int32_t col : FooterColumns())
        width += FGrid->ColWidths(col);
    return width;
}

int32_t TFooterPanel::ColumnAt(int32_t x) const
{
    if (x <= 0)
        return -1;
    int32_t right = 0;
    for (const int32_t col : FooterColumns()) {
        const int32_t left = right;
        right += FGrid->ColWidths(col);
        if (left < x && right >= x)
            return col;
    }
    return -1;
}

void TFooterPanel::CreateWnd()
{
    TCustomPanel::CreateWnd();
    TDudStringGrid* grid = StringGridOf(FGrid);
    if (!grid)
        return;
    const TFloatingFooter& footer = grid->FloatingFooter();
    SetHeight(footer.Visible() ? footer.Height() : 0);
    if (grid->OnCreatedFloatingFooter)
        grid->OnCreatedFloatingFooter(grid);
}

void TFooterPanel::Paint()
{
    TDudStringGrid* grid = StringGridOf(FGrid);
    if (!grid)
        return;
    int32_t drawnTo = ClientWidth();
    switch (grid->FloatingFooter().FooterStyle()) {
    case fsFixedLastRow:
        drawnTo = PaintFixedLastRow();
        break;
    case fsColumnPreview:
        drawnTo = PaintColumnPreview();
        break;
    case fsCustomPreview:
        drawnTo = PaintCustomPreview();
        break;
    case fsCustomPaint:
        drawnTo = PaintCustomPaint();
        break;
    }
    const TColor border = grid->FloatingFooter().BorderColor();
    if (border != clNone) {
        TCanvas& canvas = Canvas();
        canvas.Pen().SetColor(border);
        canvas.MoveTo(0, 0);
        canvas.LineTo(drawnTo, 0);
    }
}

void TFooterPanel::FillRest(int32_t from)
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (from >= client.Right)
        return;
    canvas.Brush().SetColor(FGrid->Color());
    canvas.Pen().SetColor(FGrid->Color());
    canvas.FillRect(Rect(from, client.Top, client.Right, client.Bottom));
}

int32_t TFooterPanel::PaintFixedLastRow()
{
    TDudStringGrid& grid = *StringGridOf(FGrid);
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    const int32_t width = ColumnsWidth();
    const int32_t footerRow = grid.RowCount() - 1;
    canvas.Brush().SetColor(grid.FloatingFooter().Color());
    canvas.Pen().SetColor(grid.FloatingFooter().Color());
    canvas.FillRect(Rect(client.Left, client.Top, std::min(client.Right, width), client.Bottom));
    FillRest(width);

    const std::vector<int32_t> columns = FooterColumns();
    const bool light = LightEdges(grid);
    const bool horzLines = grid.Options().Contains(goFixedHorzLine);
    const bool vertLines = grid.Options().Contains(goFixedVertLine);
    int32_t x = 0;
    for (const int32_t col : columns) {
        const bool scrolling = col >= grid.FixedCols();
        canvas.Pen().SetColor(clWhite);
        canvas.MoveTo(x, client.Bottom);
        if (light)
            canvas.LineTo(x, client.Top);
        canvas.MoveTo(x, client.Top);
        x += grid.ColWidths(col);
        canvas.Pen().SetColor(grid.GridLineColor());
        if (horzLines)
            canvas.LineTo(x - 1, client.Top);
        canvas.MoveTo(x - 1, client.Top);
        if (scrolling && grid.Look() != glVista)
            canvas.Pen().SetColor(clGray);
        if (vertLines)
            canvas.LineTo(x - 1, client.Bottom);
    }

    TRect cell = client;
    if (horzLines)
        cell.Top += 1;
    grid.FNoRTLOrientation = true;
    for (const int32_t col : columns) {
        const bool scrolling = col >= grid.FixedCols();
        cell.Right = grid.IsMergedCell(col, footerRow) ? grid.CellRect(col, footerRow).Right - 1
                                                       : cell.Left + grid.ColWidths(col) - 1;
        if (horzLines && light)
            cell.Left += 1;
        if (scrolling) {
            const int32_t realCol = grid.RealColIndex(col);
            if (grid.OnGetCellColor) {
                TBrush brush;
                brush.SetColor(clNone);
                TFont font;
                font.Assign(grid.Font());
                grid.OnGetCellColor(&grid, footerRow, realCol, TGridDrawState { gdFixed }, brush, font);
                if (brush.Color() != clNone) {
                    canvas.Brush().SetColor(brush.Color());
                    canvas.FillRect(cell);
                }
            }
            const TColor own = grid.Colors(realCol, footerRow);
            if (own != clNone) {
                canvas.Brush().SetColor(own);
                canvas.FillRect(cell);
            }
        }
        if (grid.IsBaseCell(col, footerRow)) {
            if (scrolling && grid.OnFooterPaint)
                grid.OnFooterPaint(&grid, col, canvas, cell);
            else
                grid.DrawCellContent(canvas, col, footerRow, cell, TGridDrawState { gdFixed });
        }
        cell.Left = cell.Right + 1;
    }
    grid.FNoRTLOrientation = false;
    return cell.Right;
}

TRect TFooterPanel::PaintPreviewFrame()
{
    TDudStringGrid& grid = *StringGridOf(FGrid);
    TCanvas& canvas = Canvas();
    TRect area = ClientRect();
    area.Right = std::min(area.Right, ColumnsWidth());
    canvas.Brush().SetColor(grid.FloatingFooter().Color());
    canvas.Pen().SetColor(grid.FloatingFooter().Color());
    canvas.Pen().SetWidth(1);
    canvas.FillRect(area);
    canvas.Pen().SetColor(clGray);
    canvas.MoveTo(area.Left, area.Bottom - 1);
    canvas.LineTo(area.Right - 1, area.Bottom - 1);
    canvas.LineTo(area.Right - 1, area.Top);
    canvas.Pen().SetColor(clWhite);
    canvas.LineTo(area.Left, area.Top);
    canvas.LineTo(area.Left, area.Bottom - 1);
    return area;
}

int32_t TFooterPanel::PaintColumnPreview()
{
    TDudStringGrid& grid = *StringGridOf(FGrid);
    const TRect area = PaintPreviewFrame();
    const TColor selectionText = grid.FSelectionTextColor;
    grid.FSelectionTextColor = clBlack;
    const int32_t column = grid.FloatingFooter().Column();
    grid.FNoRTLOrientation = true;
    if (grid.OnFooterPaint)
        grid.OnFooterPaint(&grid, column, Canvas(), area);
    else if (column >= 0 && column < grid.ColCount() && grid.Row() < grid.RowCount())
        grid.DrawCellContent(Canvas(), column, grid.Row(), area, TGridDrawState {});
    grid.FNoRTLOrientation = false;
    grid.FSelectionTextColor = selectionText;
    FillRest(area.Right);
    return ColumnsWidth();
}

int32_t TFooterPanel::PaintCustomPreview()
{
    TDudStringGrid& grid = *StringGridOf(FGrid);
    TRect area = PaintPreviewFrame();
    const TColor selectionText = grid.FSelectionTextColor;
    grid.FSelectionTextColor = clBlack;
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsClear);
    if (grid.IsDesigning()) {
        canvas.DrawText(grid.FloatingFooter().CustomTemplate(), area, 0);
    } else {
        const int32_t row = grid.Row();
        const String text = ExpandFooterTemplate(grid.FloatingFooter().CustomTemplate(), [&](int32_t col) {
            return col >= 0 && col < grid.ColCount() && row < grid.RowCount() ? grid.Cells(col, row) : String();
        });
        area.Top += 2;
        canvas.SetFont(grid.Font());
        DrawStaticMarkup(canvas, text, area, grid.GridImages(), grid.PictureContainer(), grid.URLColor(), false);
        area.Top -= 2;
    }
    canvas.Brush().SetStyle(bsSolid);
    grid.FSelectionTextColor = selectionText;
    FillRest(area.Right);
    return ColumnsWidth();
}

int32_t TFooterPanel::PaintCustomPaint()
{
    TDudStringGrid& grid = *StringGridOf(FGrid);
    if (grid.OnFooterPaint)
        grid.OnFooterPaint(&grid, grid.FloatingFooter().Column(), Canvas(), ClientRect());
    return ClientWidth();
}

void TFooterPanel::CMHintShow(TMessage& message)
{
    auto& info = *reinterpret_cast<THintInfo*>(message.LParam);
    TDudStringGrid* grid = StringGridOf(FGrid);
    const int32_t col = ColumnAt(info.CursorPos.X);
    if (grid && grid->OnGridHint && col >= 0)
        grid->OnGridHint(grid, grid->RowCount() - 1, col, info.HintStr);
    FLastHintX = ShowHint() && col >= 0 ? col : -1;
    message.Result = ShowHint() ? 0 : 1;
}

void TFooterPanel::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TCustomPanel::MouseMove(shift, x, y);
    const int32_t col = ColumnAt(x);
    if (ShowHint() && FLastHintX >= 0 && col != FLastHintX) {
        Application->CancelHint();
        FLastHintX = col;
    }
}

void TFooterPanel::CMMouseLeave(TMessage& message)
{
    TCustomPanel::CMMouseLeave(message);
    FLastHintX = -1;
}

void TFooterPanel::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomPanel::MouseUp(button, shift, x, y);
    TDudStringGrid* grid = StringGridOf(FGrid);
    if (!grid)
        return;
    if (grid->OnClick)
        grid->OnClick(grid);
    if (grid->OnClickCell)
        grid->OnClickCell(grid, grid->RowCount() - 1, ColumnAt(x));
}
