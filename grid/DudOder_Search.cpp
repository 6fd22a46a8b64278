#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_SearchPanel.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/MarkupText.h"
#include "grid/base/RovIvir.h"

// Finding text in the cells: the general walk driven by the find
// parameters, find first and next, replace, the prefix lookup of the
// keyboard and the actions of the search footer.

namespace {

const TPoint NoCell { -1, -1 };

// The search range in display cells, corners inclusive.
struct TFindRange {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;

    bool HasColumn(int32_t aCol) const { return aCol >= Left && aCol <= Right; }
    bool HasRow(int32_t aRow) const { return aRow >= Top && aRow <= Bottom; }
};

} // namespace

bool TDudStringGrid::MatchFindCell(int32_t aCol, int32_t aRow, const String& text, TFindParams params, bool wide)
{
    String cell;
    if (wide) {
        cell = DecodeWideCellText(GetCellEx(RemapColToReal(aCol), aRow));
    } else {
        const int32_t column = params.Contains(fnIncludeHiddenColumns) ? aCol : RemapColToReal(aCol);
        cell = params.Contains(fnIncludeHiddenRows) ? GetCellsEx(column, aRow) : GetCellEx(column, aRow);
    }
    if (!params.Contains(fnMatchCase))
        cell = cell.toUpper();
    if (!wide && params.Contains(fnIgnoreHTMLTags))
        cell = MarkupToText(cell);
    if (text == QStringLiteral("\"\""))
        return cell.isEmpty();
    if (params.Contains(fnMatchRegular))
        return MatchFilterCondition(text, cell, params.Contains(fnMatchCase));
    const qsizetype position = cell.indexOf(text);
    const bool placed = params.Contains(fnMatchStart) ? position == 0 : position >= 0;
    return placed && (!params.Contains(fnMatchFull) || cell == text);
}

TPoint TDudStringGrid::FindCell(TPoint startCell, const String& text, TFindParams params, bool wide)
{
    FFindParams = static_cast<int32_t>(params.Bits());
    FFindBusy = true;
    const String search = params.Contains(fnMatchCase) ? text : text.toUpper();
    SearchCache = search;
    SearchCacheWide = search;
    if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + NumHiddenRows() == FixedRows() || RowCount() == 0)
        return NoCell;

    TFindRange range { FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1 };
    if (params.Contains(fnIncludeFixed))
        range = TFindRange { 0, 0, ColCount() - 1, RowCount() - 1 };
    if (params.Contains(fnSelectedCells)) {
        const TGridRect selection = Selection();
        range = TFindRange { selection.Left, selection.Top, selection.Right, selection.Bottom };
    }
    if (params.Contains(fnIncludeHiddenColumns))
        range.Right += NumHiddenColumns();
    if (params.Contains(fnIncludeHiddenRows))
        range.Bottom += NumHiddenRows();
    if (params.Contains(fnFindInCurrentRow))
        range.Top = range.Bottom = Row();
    if (params.Contains(fnFindInPresetRow))
        range.Top = range.Bottom = FFindRow;
    if (params.Contains(fnFindInCurrentCol))
        range.Left = range.Right = Col();
    if (params.Contains(fnFindInPresetCol))
        range.Left = range.Right = FFindCol;

    const bool backward = params.Contains(fnBackward);
    const bool rowWise = params.Contains(fnDirectionLeftRight);
    const int32_t step = backward ? -1 : 1;
    const int32_t firstCol = backward ? range.Right : range.Left;
    const int32_t firstRow = backward ? range.Bottom : range.Top;
    int32_t col = firstCol;
    int32_t row = firstRow;
    if (startCell.X != -1 || startCell.Y != -1) {
        col = startCell.X;
        row = startCell.Y;
        if (rowWise) {
            if (!range.HasRow(row)) {
                row = firstRow;
                col = firstCol;
            } else {
                col = range.HasColumn(col) ? col + step : firstCol;
            }
        } else {
            if (!range.HasColumn(col)) {
                col = firstCol;
                row = firstRow;
            } else {
                row = range.HasRow(row) ? row + step : firstRow;
            }
        }
    }

    ExportNotification(esExportStart, -1);
    TPoint found = NoCell;
    if (rowWise) {
        for (; range.HasRow(row) && found.X < 0; row += step, col = firstCol) {
            for (; range.HasColumn(col); col += step) {
                if (IsIgnoredColumn(col))
                    continue;
                ExportNotification(esExportNewRow, row);
                if (MatchFindCell(col, row, search, params, wide)) {
                    found = TPoint { col, row };
                    break;
                }
            }
        }
    } else {
        const int32_t restartRow = params.Contains(fnFindInCurrentRow) ? Row() : firstRow;
        for (; range.HasColumn(col) && found.X < 0; col += step, row = restartRow) {
            for (; range.HasRow(row); row += step) {
                ExportNotification(esExportNewRow, row);
                if (MatchFindCell(col, row, search, params, wide)) {
                    found = TPoint { col, row };
                    break;
                }
            }
        }
    }
    if (found.X < 0) {
        FFindBusy = false;
        ExportNotification(esExportDone, -1);
        return NoCell;
    }
    SearchCell = found;
    ExportNotification(esExportFail, -1);
    if (params.Contains(fnAutoGoto)) {
        int32_t gotoRow = found.Y;
        if (params.Contains(fnIncludeHiddenRows) && NumHiddenRows() > 0) {
            if (IsHiddenRow(gotoRow)) {
                // The contracted node that holds the row opens.
                for (int32_t display = FixedRows(); display < RowCount(); ++display) {
                    if (!IsNode(display) || !GetNodeState(display))
                        continue;
                    const int32_t nodeReal = RealRowIndex(display);
                    if (gotoRow > nodeReal && gotoRow < nodeReal + GetNodeSpan(display)) {
                        ExpandNode(nodeReal);
                        break;
                    }
                }
            }
            gotoRow = DisplRowIndex(gotoRow);
        }
        if (FMouseActions->DisjunctRowSelect()) {
            ClearRowSelect();
            SetRowSelect(gotoRow, true);
            SetRowEx(gotoRow);
        } else {
            SetRowEx(gotoRow);
            SetCol(found.X);
        }
    }
    return found;
}

void TDudStringGrid::ScrollAfterFind(int32_t footerRows, int32_t step)
{
    if (Row() > TopRow() + VisibleRowCount() - footerRows - 2 && VisibleRowCount() + FixedRows() + footerRows < RowCount())
        SetTopRowEx(TopRow() + step);
}

TPoint TDudStringGrid::Find(TPoint startCell, const String& text, TFindParams params)
{
    const TPoint found = FindCell(startCell, text, params, false);
    if (params.Contains(fnAutoGoto)) {
        const int32_t footerRows = FloatingFooterVisible() ? 2 : 0;
        ScrollAfterFind(footerRows, footerRows + 1);
    }
    return found;
}

TPoint TDudStringGrid::FindWide(TPoint startCell, const String& text, TFindParams params)
{
    return FindCell(startCell, text, params, true);
}

TPoint TDudStringGrid::FindFirst(const String& text, TFindParams params)
{
    SearchCell = Find(NoCell, text, params);
    return SearchCell;
}

TPoint TDudStringGrid::FindNext()
{
    SearchCell = Find(SearchCell, SearchCache, TFindParams::FromBits(static_cast<uint32_t>(FFindParams)));
    return SearchCell;
}

int32_t TDudStringGrid::Replace(const String& origText, const String& newText, TFindParams params)
{
    const bool realRows = params.Contains(fnIncludeHiddenRows);
    int32_t changed = 0;
    TPoint cell = NoCell;
    for (;;) {
        cell = Find(cell, origText, params);
        if (cell.X < 0)
            break;
        const int32_t column = params.Contains(fnIncludeHiddenColumns) ? cell.X : RemapColToReal(cell.X);
        String text = realRows ? GetCellsEx(column, cell.Y) : GetCellEx(column, cell.Y);
        text.replace(origText, newText, Qt::CaseInsensitive);
        if (realRows)
            SetCellsEx(column, cell.Y, text);
        else
            SetCellEx(column, cell.Y, text);
        if (FShowModified->Enabled())
            SetRowModified(realRows ? DisplRowIndex(cell.Y) : cell.Y, true);
        ++changed;
    }
    return changed;
}

int32_t TDudStringGrid::Search(const String& text)
{
    if (RowCount() < 2)
        return -1;
    int32_t column = FixedCols();
    if (FSortSettings->Show()) {
        if (FSortSettings->IndexShow())
            column = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : FixedCols();
        else
            column = FSortSettings->Column();
    }
    if (column == -1)
        return -1;
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        if (GetStrippedCell(column, row).left(text.size()).toUpper() == text)
            return row;
    return -1;
}

TFindParams TDudStringGrid::SearchFooterParams(bool backward) const
{
    const TSearchFooter& footer = *FSearchFooter;
    TFindParams params { fnAutoGoto };
    if (backward)
        params << fnBackward;
    if (FSearchPanel && FSearchPanel->HiliteButton()->Down())
        params << fnIgnoreHTMLTags;
    if (FSearchPanel && FSearchPanel->MatchCase()->Checked())
        params << fnMatchCase;
    if (footer.SearchActiveColumnOnly())
        params << fnFindInCurrentCol;
    if (footer.SearchMatchStart())
        params << fnMatchStart;
    if (!backward && footer.SearchDirection() == sdLeftRight)
        params << fnDirectionLeftRight;
    if (footer.SearchColumn() >= 0 && footer.SearchColumn() < AllColCount())
        params << fnFindInPresetCol;
    return params;
}

void TDudStringGrid::SearchFooterEditChange(const String& text)
{
    bool defaultSearch = true;
    if (OnSearchEditChange)
        OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !FSearchFooter->AutoSearch())
        return;
    TFindParams params = SearchFooterParams(false);
    if (FSearchFooter->SearchFixedCells())
        params << fnIncludeFixed;
    if (FSearchFooter->SearchHiddenRows())
        params << fnIncludeHiddenRows;
    if (params.Contains(fnFindInPresetCol))
        FFindCol = FSearchFooter->SearchColumn();
    const bool hiliteDown = FSearchPanel && FSearchPanel->HiliteButton()->Down();
    const bool highlighting = hiliteDown || FSearchFooter->AlwaysHighLight();
    if (highlighting)
        SearchFooterHighlight(text, false);
    if (text.isEmpty()) {
        SetSearchEditColor(clWindow);
        DoSearchFooterAction(text, -1, -1, saFindFirst);
        return;
    }
    SearchCell = Find(NoCell, text, params);
    if (SearchCell.X < 0) {
        SetSearchEditColor(clRed);
    } else {
        ScrollInView(SearchCell.X, SearchCell.Y);
        SetSearchEditColor(clWindow);
        if (highlighting)
            SearchFooterHighlight(text, true);
    }
    DoSearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindFirst);
}

// The highlights cover the preset column when there is one, else the grid;
// old highlights go first so that tags never nest.
void TDudStringGrid::SearchFooterHighlight(const String& text, bool on)
{
    const int32_t column = FSearchFooter->SearchColumn();
    const bool presetColumn = column >= 0 && column < AllColCount();
    if (presetColumn)
        UnHilightInCol(false, column);
    else
        UnHilightInGrid(false);
    if (!on || text.isEmpty())
        return;
    const bool matchCase = FSearchPanel && FSearchPanel->MatchCase()->Checked();
    if (presetColumn)
        HilightInCol(false, matchCase, column, text);
    else
        HilightInGrid(false, matchCase, text);
}

void TDudStringGrid::SetSearchEditColor(TColor color)
{
    if (!FSearchPanel)
        return;
    TEdit& edit = *FSearchPanel->EditControl();
    edit.SetColor(color);
    // A change of width makes the edit repaint its whole frame in the colour.
    edit.SetWidth(edit.Width() + 1);
    edit.SetWidth(edit.Width() - 1);
}

void TDudStringGrid::ConnectSearchPanel()
{
    TSearchPanel& panel = *FSearchPanel;
    const auto text = [&panel] { return panel.EditControl()->Text(); };
    panel.OnEditChange = [this, text](TComponent*) { SearchFooterEditChange(text()); };
    panel.OnForwardClick = [this, text](TComponent*) { SearchFooterFindNext(text()); };
    panel.OnBackwardClick = [this, text](TComponent*) { SearchFooterFindPrevious(text()); };
    panel.OnExitClick = [this](TComponent*) { SearchFooterClose(); };
    panel.OnHighlightClick
        = [this, &panel, text](TComponent*) { SearchFooterHighlight(text(), panel.HiliteButton()->Down()); };
}

void TDudStringGrid::SearchFooterFindNext(const String& text)
{
    if (!FSearchFooter->AutoSearch() && text != FSearchFooter->LastSearch())
        SearchCell = NoCell;
    FSearchFooter->SetLastSearch(text);
    const TFindParams params = SearchFooterParams(false);
    if (params.Contains(fnFindInPresetCol))
        FFindCol = FSearchFooter->SearchColumn();
    SearchCell = Find(SearchCell, text, params);
    if (SearchCell.X >= 0)
        ScrollInView(SearchCell.X, SearchCell.Y);
    const int32_t footerRows = FloatingFooterVisible() ? 1 : 0;
    ScrollAfterFind(footerRows, 2);
    DoSearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindNext);
    if (FSearchPanel)
        FSearchPanel->Invalidate();
}

void TDudStringGrid::SearchFooterFindPrevious(const String& text)
{
    if (!FSearchFooter->AutoSearch() && text != FSearchFooter->LastSearch())
        SearchCell = NoCell;
    FSearchFooter->SetLastSearch(text);
    const TFindParams params = SearchFooterParams(true);
    if (params.Contains(fnFindInPresetCol))
        FFindCol = FSearchFooter->SearchColumn();
    SearchCell = Find(SearchCell, text, params);
    const int32_t footerRows = FloatingFooterVisible() ? 1 : 0;
    ScrollAfterFind(footerRows, 2);
    if (SearchCell.X >= 0)
        ScrollInView(SearchCell.X, SearchCell.Y);
    DoSearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindPrevious);
    if (FSearchPanel)
        FSearchPanel->Invalidate();
}

void TDudStringGrid::SearchFooterClose()
{
    if (OnSearchFooterClose)
        OnSearchFooterClose(this);
    FSearchFooter->SetVisible(false);
}
