#include "grid/DudOder.h"

#include "grid/DudOder_CellGraphic.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/RovIvir.h"
#include "grid/base/VidEri.h"
#include "platform/ui/SystemMetrics.h"

#include <algorithm>
#include <cmath>
#include <utility>

// Rows sized to their content, columns stretched to the control's width,
// the control sized to its cells, and two whole columns or rows exchanged.

namespace {

bool IsCheckType(TCellType type)
{
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRadioButton;
}

} // namespace

int32_t TDudStringGrid::LineHeightOf(const TFont& font)
{
    for (const auto& [known, height] : FLineHeights)
        if (known.Name() == font.Name() && known.Size() == font.Size() && known.Style() == font.Style())
            return height;
    TCanvas& canvas = Canvas();
    canvas.SetFont(font);
    const int32_t height = canvas.TextHeight(QStringLiteral("gh"));
    FLineHeights.emplace_back();
    FLineHeights.back().first.Assign(font);
    FLineHeights.back().second = height;
    return height;
}

void TDudStringGrid::FitRowHeight(int32_t aRow, bool growOnly, int32_t padding)
{
    int32_t tallest = 0;
    for (int32_t col = 0; col < ColCount(); ++col) {
        const int32_t realCol = RemapColToReal(col);
        if (IsYMergedCell(col, aRow) || IsIgnoredColumn(realCol))
            continue;
        // With word wrap the text is measured wrapped inside its cell.
        TPoint textSize;
        MeasureCellText(realCol, col, textSize, false, WordWrap(), aRow);
        int32_t textHeight = textSize.Y;
        int32_t graphicHeight = CalcCellGraphicSize(realCol, aRow, padding).Y;
        const TCellGraphic* graphic = GetCellGraphic(realCol, aRow);
        if (graphic) {
            if (graphic->CellVAlign() == vaFull)
                graphicHeight = textHeight == 0 ? DefaultRowHeight() : 0;
            if ((graphic->CellType() == ctDataCheckBox || graphic->CellType() == ctVirtCheckBox) && graphicHeight > 0)
                textHeight = 0;
        }
        int32_t height = textHeight + graphicHeight;
        if (IsMergedCell(col, aRow) && !IsBaseCell(col, aRow))
            height = 0;
        if (graphic && IsCheckType(graphic->CellType()))
            height = DefaultRowHeight();
        tallest = std::max(tallest, height);
    }
    int32_t height = TotalYOffset() + tallest + 2 * GridLineWidth();
    if (XYOffsetTopLeftOnly())
        height += 2;
    const bool allShown = VisibleRowCount() == RowCount() && EditMode && SizeWhileTyping().Height();
    if (!growOnly || RowHeights(aRow) < height)
        SetRowHeights(aRow, ClampToLimits(height, MinRowHeight(), MaxRowHeight()));
    // The editor follows a row that grew out of view.
    if (allShown && VisibleRowCount() != RowCount()) {
        ShowInplaceEdit();
        if (TInplaceEdit* editor = InplaceEditor())
            editor->SetSelStart(static_cast<int32_t>(editor->Text().size()));
    }
}

void TDudStringGrid::AutoSizeRow(int32_t aRow, int32_t padding)
{
    FitRowHeight(aRow, SizeGrowOnly(), padding);
    if (padding != 0)
        SetRowHeights(aRow, ClampToLimits(RowHeights(aRow) + padding, MinRowHeight(), MaxRowHeight()));
}

void TDudStringGrid::AutoSizeRows(bool doFixedRows, int32_t padding)
{
    if (RowCount() == 0)
        return;
    const int32_t first = doFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    FLineHeights.clear();
    for (int32_t row = first; row < RowCount(); ++row) {
        ExportNotification(esExportNextRow, row);
        if (WordWrap()) {
            FitRowHeight(row, SizeGrowOnly(), 0);
            if (padding != 0)
                SetRowHeights(row, ClampToLimits(RowHeights(row) + padding, MinRowHeight(), MaxRowHeight()));
        } else {
            SetRowHeightForLines(row, MaxLinesInRow(row), padding);
        }
    }
    ApplyScrollBarAlways(true);
    ExportNotification(esExportDone, -1);
}

void TDudStringGrid::SetRowHeightForLines(int32_t aRow, int32_t lines, int32_t padding)
{
    TBrush brush;
    TFont font;
    font.Assign(Font());
    GetCellColor(FixedCols(), aRow, TGridDrawState {}, brush, font);
    const int32_t height = LineHeightOf(font);
    const int32_t wanted = ClampToLimits(padding + lines * (height + height / 8), MinRowHeight(), MaxRowHeight());
    if (RowHeights(aRow) != wanted)
        SetRowHeights(aRow, wanted);
}

int32_t TDudStringGrid::MaxLinesInRow(int32_t aRow)
{
    if (ColCount() <= 0 || !Multilinecells())
        return 1;
    int32_t lines = 1;
    for (int32_t col = 0; col < ColCount(); ++col) {
        const String& text = GetGridCell(RemapColToReal(col), aRow);
        if (!text.isEmpty())
            lines = std::max(lines, CountLines(text, true));
    }
    return lines;
}

int32_t TDudStringGrid::ColumnMaxTextLength(int32_t aCol)
{
    int32_t longest = 0;
    for (int32_t row = 0; row < RowCount(); ++row) {
        String text = GetCellEx(RemapColToReal(aCol), row);
        DoSaveCell(aCol, row, text);
        while (!text.isEmpty()) {
            String line;
            TakeLine(text, Multilinecells(), line);
            longest = std::max(longest, static_cast<int32_t>(line.size()));
        }
    }
    return longest;
}

void TDudStringGrid::AutoSizeCells(bool doFixedCells, int32_t paddingX, int32_t paddingY)
{
    const int32_t firstCol = doFixedCells ? 0 : FixedCols();
    const int32_t firstRow = doFixedCells ? 0 : FixedRows();
    BeginUpdate();
    try {
        for (int32_t col = firstCol; col < ColCount(); ++col) {
            const int32_t realCol = RemapColToReal(col);
            int32_t currentWidth = SizeGrowOnly() ? ColWidths(col) : 0;
            for (int32_t row = firstRow; row < RowCount(); ++row) {
                const int32_t currentHeight = RowHeights(row);
                const TPoint graphic = GetCellGraphicSize(col, row);
                const TSize text = GetCellTextSize(realCol, row, false, false);
                int32_t width = text.cx + graphic.X + paddingX + XYOffset().X;
                int32_t height = text.cy + graphic.Y + paddingY + XYOffset().Y;
                if (!IsXMergedCell(col, row) && width > currentWidth) {
                    width = ClampToLimits(width, MinColWidth(), MaxColWidth());
                    if (width > currentWidth) {
                        SetColWidths(col, width);
                        currentWidth = width;
                    }
                }
                if (!IsYMergedCell(col, row) && height > currentHeight) {
                    height = ClampToLimits(height, MinRowHeight(), MaxRowHeight());
                    if (height > currentHeight)
                        SetRowHeights(row, height);
                }
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TDudStringGrid::AutoFitColumns(bool doFixedCells)
{
    const bool vertBar = ScrollBarAlways() == saVert
        || (ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount());
    const int32_t scroll = vertBar ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int32_t border = BorderStyle() == bsSingle ? (Ctl3D() ? 4 : 2) : 0;
    int32_t first = 0;
    int32_t last = ColCount() - 1;
    int32_t room = Width();
    if (!doFixedCells) {
        first = FixedCols();
        last = ColCount() - FixedRightCols() - 1;
        for (int32_t col = 0; col < ColCount(); ++col)
            if (col < first || col > last)
                room -= ColWidths(col);
    }
    int32_t lines = Options().Contains(goVertLine) ? (ColCount() - FixedCols() - FixedRightCols()) * GridLineWidth() : 0;
    if (doFixedCells && Options().Contains(goFixedVertLine))
        lines += FixedCols() + FixedRightCols();
    const auto rangeSum = [&] {
        int32_t sum = 0;
        for (int32_t col = first; col <= last; ++col)
            sum += ColWidths(col);
        return sum;
    };
    if (ColCount() <= 1) {
        if (ColCount() == 1)
            SetColWidths(0, Width() - (scroll + 5));
    } else {
        const int32_t sum = rangeSum();
        if (last < first || sum == room - scroll - border)
            return;
        const int32_t count = last - first + 1;
        if (sum <= 0) {
            // Columns of no width share the room equally.
            for (int32_t col = first; col <= last; ++col)
                SetColWidths(col, std::max(0, (room - scroll - border - lines) / count));
        } else {
            const double ratio = static_cast<double>(room - scroll - border - lines) / sum;
            int64_t total = 0;
            for (int32_t col = first; col <= last; ++col)
                total += std::llround(std::nearbyint(ColWidths(col) * ratio));
            const double ratio2 = static_cast<double>(total) / sum;
            for (int32_t col = first; col <= last; ++col)
                SetColWidths(col, static_cast<int32_t>(std::nearbyint(ColWidths(col) * ratio2)));
        }
    }
    if (last < first)
        return;
    int32_t rest = room - (rangeSum() + scroll + border);
    const int32_t count = last - first + 1;
    if (count < rest && count >= 2) {
        const int32_t each = rest / count;
        for (int32_t col = first; col <= last; ++col)
            SetColWidths(col, ColWidths(col) + each);
        rest -= count * each;
    }
    int32_t widest = first;
    for (int32_t col = first; col <= last; ++col)
        if (ColWidths(col) > ColWidths(widest))
            widest = col;
    SetColWidths(widest, ColWidths(widest) + rest);
}

void TDudStringGrid::SizeToCols()
{
    int32_t width = 0;
    for (int32_t col = 0; col < ColCount(); ++col)
        width += ColWidths(col);
    SetClientWidth(width);
}

void TDudStringGrid::SizeToRows()
{
    int32_t height = 0;
    for (int32_t row = 0; row < RowCount(); ++row)
        height += RowHeights(row);
    SetClientHeight(height);
}

void TDudStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

void TDudStringGrid::SwapCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2)
{
    const String text = GetGridCell(col1, row1);
    SetGridCell(col1, row1, GetGridCell(col2, row2));
    SetGridCell(col2, row2, text);
    void* const object = TObjStringGrid::Objects(col1, row1);
    TObjStringGrid::SetObjects(col1, row1, TObjStringGrid::Objects(col2, row2));
    TObjStringGrid::SetObjects(col2, row2, object);
}

void TDudStringGrid::SwapColumns(int32_t aCol1, int32_t aCol2)
{
    if (aCol1 == aCol2)
        return;
    for (int32_t row = 0; row < RowCount(); ++row)
        SwapCells(aCol1, row, aCol2, row);
    const int32_t width = ColWidths(aCol1);
    SetColWidths(aCol1, ColWidths(aCol2));
    SetColWidths(aCol2, width);
    if (SortSettings().Column() == aCol1)
        SortSettings().SetColumn(aCol2);
    else if (SortSettings().Column() == aCol2)
        SortSettings().SetColumn(aCol1);
    for (int32_t index = 0; index < FControlList->Count(); ++index) {
        TControlItem* item = FControlList->Control(index);
        if (item->X() == aCol1)
            item->SetX(aCol2);
        else if (item->X() == aCol2)
            item->SetX(aCol1);
    }
    if (FControlList->Count() > 0)
        CellControlsUpdate(false);
    Invalidate();
}

void TDudStringGrid::SwapRows(int32_t aRow1, int32_t aRow2)
{
    if (aRow1 == aRow2)
        return;
    for (int32_t col = 0; col < AllColCount(); ++col)
        SwapCells(col, aRow1, col, aRow2);
    const int32_t height = RowHeights(aRow1);
    SetRowHeights(aRow1, RowHeights(aRow2));
    SetRowHeights(aRow2, height);
    for (int32_t index = 0; index < FControlList->Count(); ++index) {
        TControlItem* item = FControlList->Control(index);
        if (item->Y() == aRow1)
            item->SetY(aRow2);
        else if (item->Y() == aRow2)
            item->SetY(aRow1);
    }
    if (FControlList->Count() > 0)
        CellControlsUpdate(false);
    Invalidate();
}
