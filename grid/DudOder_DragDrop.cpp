#include "grid/DudOder_DragDrop.h"

#include "grid/DudOder.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/VidEri.h"
#include "grid/base/VidEri_Options.h"
#include "platform/core/Streams.h"
#include "platform/ui/StdCtrls.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The pointer must leave the pressed point by more than this before a
// press on the selection becomes a drag.
constexpr int32_t DragThreshold = 3;
// Closer than this to the top of a grid without fixed rows, a drag scrolls up.
constexpr int32_t ScrollMargin = 8;

} // namespace

void GetTextDimensions(const String& text, int32_t& width, int32_t& rows)
{
    String lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    width = 0;
    rows = 0;
    for (const String& line : lines.split(QLatin1Char('\r'))) {
        width = std::max(width, static_cast<int32_t>(line.count(QLatin1Char('\t'))) + 1);
        if (!line.isEmpty())
            ++rows;
    }
}

// ---- the settings that switch drag and drop on

void TDragDropSettings::SetOleDropRTF(bool value)
{
    SetOleDropRTFFlag(value);
    FOleDropRTF = value;
}

void TDragDropSettings::SetOleDropTarget(bool value)
{
    FOleDropTarget = value;
    if (auto* grid = dynamic_cast<TDudStringGrid*>(FGrid); grid && !grid->IsDesigning())
        grid->RegisterOleDropTarget(value);
}

// ---- the grid

void TDudStringGrid::RegisterOleDropTarget(bool value)
{
    // A second switch-on replaces the registered target instead of leaving
    // it registered behind a failed registration.
    if (FOleDropTargetAssigned) {
        RevokeDragDrop(this);
        FOleDropTargetAssigned = false;
    }
    if (!value)
        return;
    FGridDropTarget = std::make_shared<TGridDropTarget>(this);
    OleDropTargetLoaded();
    FOleDropTargetAssigned = RegisterDragDrop(this, FGridDropTarget) == S_OK;
}

void TDudStringGrid::OleDropTargetLoaded()
{
    if (!FGridDropTarget)
        return;
    FGridDropTarget->SetAcceptText(FDragDropSettings->OleAcceptText());
    FGridDropTarget->SetAcceptFiles(FDragDropSettings->OleAcceptFiles());
    FGridDropTarget->SetAcceptURLs(FDragDropSettings->OleAcceptURLs());
    // Nothing else lets a grid take the columns its settings drag.
    FGridDropTarget->SetAcceptCols(FDragDropSettings->OleColumnDragDrop() || FDragDropSettings->OleColumnReorder());
}

void TDudStringGrid::LoadOleDroppedFile(const String& fileName)
{
    // The file itself is read once the grid has its CSV and spreadsheet
    // readers; until then only the events are heard.
    const String upper = fileName.toUpper();
    for (const char* kind : { ".CSV", ".XLS" }) {
        bool allow = true;
        if (upper.contains(QLatin1String(kind)) && OnOleDrop)
            OnOleDrop(this, -1, -1, fileName, allow);
    }
}

void TDudStringGrid::OleColumnDragStart(int32_t aCol, int32_t aIndex, TCustomListBox* aList)
{
    FOleDragCol = aCol;
    FOleDragIndex = aIndex;
    FOleDragList = aList;
}

TArrowWindow& TDudStringGrid::OleArrow(TArrowWindow*& arrow, TArrowDirection direction)
{
    if (!arrow) {
        arrow = new TArrowWindow(this, direction);
        arrow->SetColor(FArrowColor);
    }
    return *arrow;
}

void TDudStringGrid::ShowOleArrow(TArrowWindow*& arrow, TArrowDirection direction, TPoint clientPos)
{
    TArrowWindow& window = OleArrow(arrow, direction);
    const TPoint screen = ClientToScreen(clientPos);
    window.SetBounds(screen.X, screen.Y, window.Width(), window.Height());
    window.SetVisible(true);
}

void TDudStringGrid::HideOleArrows(bool up, bool down, bool left)
{
    for (auto [arrow, hide] : { std::pair { ArwU, up }, std::pair { ArwD, down }, std::pair { ArwL, left } })
        if (arrow && hide)
            arrow->SetVisible(false);
}

bool TDudStringGrid::OleSelectionClick(TPoint point, int32_t aCol, int32_t aRow)
{
    const int32_t realCol = RemapColToReal(aCol);
    const bool header = aRow < FixedRows();
    if (!FDragDropSettings->OleDropSource() || IsDesigning() || Options().Contains(goEditing))
        return false;
    if (!IsSelected(aCol, aRow) && !(header && !FEnhRowColMove))
        return false;
    if (IsBaseCellTypeIn(realCol, aRow, { ctButton, ctBitButton }) || HasCheckBox(realCol, aRow))
        return false;
    if ((FMouseActions->ColSelect() || FMouseActions->AllSelect()) && header)
        return false;
    const TRect cell = CellRect(aCol, aRow);
    const bool inside = point.X > cell.Left + DragThreshold && point.X < cell.Right - DragThreshold;
    if (aCol < FixedCols() || !(inside || !Options().Contains(goColSizing)))
        return false;
    if (CanFocus())
        SetFocus();
    if (OnMouseDown)
        OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), point.X, point.Y);
    FSelectionClick = true;
    if (OnClickCell)
        OnClickCell(this, aRow, aCol);
    return true;
}

bool TDudStringGrid::OleSelectionClickUp(TPoint point, int32_t aCol, int32_t aRow)
{
    FSelectionClick = false;
    if (aCol < 0 || aRow < 0)
        return false;
    const bool dataCell = aCol >= FixedCols() && aRow >= FixedRows();
    if (dataCell && FMouseActions->DisjunctRowSelect() && FDragDropSettings->OleDropSource()) {
        const TShiftState keys = KeyboardStateToShiftState();
        if (keys.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl()) {
            SetRowSelect(aRow, !GetRowSelect(aRow));
            if (OnMouseUp)
                OnMouseUp(this, mbLeft, TShiftState { ssCtrl }, point.X, point.Y);
            return true;
        }
        ClearRowSelect();
    }
    if (Options().Contains(goRowSelect))
        SetSelection({ FixedCols(), aRow, ColCount() - 1, aRow });
    else
        SetSelection({ aCol, aRow, aCol, aRow });
    return false;
}

bool TDudStringGrid::OleDragMove(TShiftState shift, int32_t x, int32_t y)
{
    if (!FSelectionClick || !shift.Contains(ssLeft) || !FDragDropSettings->OleDropSource()
        || FGridState == gsColSizing)
        return false;
    if (std::abs(x - Clickposx) <= DragThreshold && std::abs(y - Clickposy) <= DragThreshold)
        return false;
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x, y, aCol, aRow);
    if (aCol < 0 || aRow < 0)
        return false;
    FSelectionClick = false;
    const int32_t realCol = RemapColToReal(aCol);
    bool allow = true;
    if (FDragDropSettings->OleColumnsOnly() && aRow >= FixedRows())
        allow = false;
    else if (OnOleDrag)
        OnOleDrag(this, aRow, realCol, GetCellEx(realCol, aRow), allow);
    if (!allow) {
        if (FGridState == gsNormal)
            FGridState = gsSelecting;
        return false;
    }
    auto source = std::make_shared<TGridDropSource>();
    if (OnOleDragStart)
        OnOleDragStart(this, aRow, realCol);
    DoStartBlockFocus();
    uint32_t effect = DROPEFFECT_NONE;
    const uint32_t okEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    if (aRow < FixedRows() && FDragDropSettings->OleColumnDragDrop()) {
        const HRESULT result = BeginColumnDrag(source, realCol, okEffects, effect);
        if (result != DRAGDROP_S_CANCEL && OnOleDragStop)
            OnOleDragStop(this, static_cast<int32_t>(effect));
        HideOleArrows(true, true, true);
        return true;
    }
    FDropSelection = Selection();
    FOleDroppedHere = { -1, -1, -1, -1 };
    const HRESULT result = BeginTextDrag(source, GetSelectionAsText(), GetCellEx(realCol, aRow), nullptr, okEffects, effect);
    if (result == DRAGDROP_S_CANCEL)
        return true;
    if (effect == DROPEFFECT_MOVE && !FDragDropSettings->OleCopyAlways())
        RemoveOleDraggedCells();
    if (OnOleDragStop)
        OnOleDragStop(this, static_cast<int32_t>(effect));
    return true;
}

void TDudStringGrid::RemoveOleDraggedCells()
{
    const TGridRect dragged = FDropSelection;
    if (FDragDropSettings->OleRemoveRows() && Options().Contains(goRowSelect)) {
        if (FMouseActions->DisjunctRowSelect()) {
            for (int32_t row = RowCount() - 1; row >= FixedRows(); --row)
                if (GetRowSelect(row))
                    RemoveRows(row, 1);
        } else {
            RemoveRows(dragged.Top, dragged.Bottom - dragged.Top + 1);
        }
        return;
    }
    // Cells moved within this grid onto their own place keep what was
    // dropped there.
    const auto clear = [this](int32_t col, int32_t row) {
        if (!FOleDroppedHere.Contains(col, row))
            ClearRect(col, row, col, row);
    };
    if (FMouseActions->DisjunctCellSelect() && SelectedCellsCount() > 0) {
        for (int32_t index = 0; index < SelectedCellsCount(); ++index) {
            const TGridCoord cell = SelectedCell(index);
            clear(cell.X, cell.Y);
        }
    } else {
        for (int32_t row = dragged.Top; row <= dragged.Bottom; ++row)
            for (int32_t col = dragged.Left; col <= dragged.Right; ++col)
                clear(col, row);
    }
    Invalidate();
}

// ---- the drop target

void TGridDropTarget::TargetCell(TPoint pt, bool withAppend, int32_t& aCol, int32_t& aRow, bool& append) const
{
    TDudStringGrid& grid = *FGrid;
    const TPoint client = grid.ScreenToClient(pt);
    grid.MouseToCell(client.X, client.Y, aCol, aRow);
    append = false;
    if (!withAppend || aRow != -1 || !grid.FDragDropSettings->OleEntireRows()
        || !grid.FDragDropSettings->OleAppendRows())
        return;
    const TRect last = grid.CellRect(grid.LeftCol(), grid.RowCount() - 1);
    if (client.Y >= last.Bottom) {
        aCol = grid.FixedCols();
        aRow = grid.RowCount() - 1;
        append = true;
    }
}

void TGridDropTarget::DragMouseMove(TPoint pt, bool& allow, TDropFormats dropFormats)
{
    TDudStringGrid& grid = *FGrid;
    const bool column = dropFormats.Contains(dfCol);
    int32_t aCol = -1;
    int32_t aRow = -1;
    bool append = false;
    TargetCell(pt, !column, aCol, aRow, append);
    const TPoint client = grid.ScreenToClient(pt);
    allow = aCol >= 0 && aRow >= 0;

    if (allow && !column) {
        if ((aRow == 0 && grid.TopRow() > grid.FixedRows())
            || (client.Y < ScrollMargin && grid.FixedRows() == 0 && grid.TopRow() > 0))
            grid.SetTopRow(grid.TopRow() - 1);
        else if (aRow == grid.TopRow() + grid.VisibleRowCount() && aRow < grid.RowCount())
            grid.SetTopRow(grid.TopRow() + 1);
        if (grid.FTimerTicks % 2 == 0) {
            ++grid.FTimerTicks;
            if (aCol == 0 && grid.LeftCol() > grid.FixedCols())
                grid.SetLeftCol(grid.LeftCol() - 1);
            else if (aCol == grid.LeftCol() + grid.VisibleColCount() && aCol < grid.ColCount())
                grid.SetLeftCol(grid.LeftCol() + 1);
        }
    }

    if (!column) {
        if (aRow >= 0 && aRow < grid.FixedRows() && !(grid.RowCount() == 1 && grid.FixedRowAlways()))
            allow = false;
    } else if (aCol < 0 && client.X >= grid.CellRect(grid.ColCount() - 1, 0).Right && client.Y >= 0
        && client.Y < grid.ClientHeight()) {
        aCol = grid.ColCount();
        aRow = 0;
        allow = true;
    } else {
        allow = aRow >= 0 && aRow < grid.FixedRows() && aCol >= grid.FixedCols();
    }

    const bool files = dropFormats.Contains(dfFile);
    if (files || dropFormats.Contains(dfGridCells))
        allow = true;
    if (grid.OnOleDragOver)
        grid.OnOleDragOver(&grid, aRow, aCol, allow);
    const bool valid = aRow >= 0 && aCol >= 0;
    allow = allow && (valid || files);

    if (allow && column && valid) {
        TRect cell = grid.CellRect(std::min(aCol, grid.ColCount() - 1), aRow);
        if (aCol >= grid.ColCount())
            cell.Left = cell.Right;
        grid.ShowOleArrow(grid.ArwD, arrDown, { cell.Left, cell.Top - 8 });
        grid.ShowOleArrow(grid.ArwU, arrUp, { cell.Left, cell.Bottom });
    } else if (allow && valid) {
        const int32_t markCol = grid.FDragDropSettings->OleEntireRows() ? grid.FixedCols() : aCol;
        const int32_t markRow = aRow == 0 && grid.FixedRowAlways() ? 1 : aRow;
        TRect cell = grid.CellRect(markCol, std::min(markRow, grid.RowCount() - 1));
        if (append)
            cell.Top += grid.RowHeights(aRow);
        grid.ShowOleArrow(grid.ArwL, arrRight, { cell.Left - 10, cell.Top });
    } else {
        grid.HideOleArrows(true, true, true);
    }
}

void TGridDropTarget::DragMouseLeave() { FGrid->HideOleArrows(true, true, true); }

void TGridDropTarget::DropText(TPoint pt, const String& s)
{
    TDudStringGrid& grid = *FGrid;
    const TDragDropSettings& settings = *grid.FDragDropSettings;
    int32_t aCol = -1;
    int32_t aRow = -1;
    bool append = false;
    TargetCell(pt, true, aCol, aRow, append);
    int32_t width = 0;
    int32_t rows = 0;
    GetTextDimensions(s, width, rows);
    const bool rowSelect = grid.Options().Contains(goRowSelect);
    if (rowSelect)
        aCol = settings.OleEntireRows() ? 0 : grid.FixedCols();

    bool allow = true;
    if (grid.OnOleDrop)
        grid.OnOleDrop(&grid, aRow, aCol, s, allow);
    if (allow && aCol >= 0 && aRow >= 0) {
        if (grid.FDropSelection.Top >= aRow && settings.OleRemoveRows()) {
            grid.FDropSelection.Top += rows;
            grid.FDropSelection.Bottom += rows;
            if (grid.FMouseActions->DisjunctRowSelect() && static_cast<size_t>(aRow) <= grid.FRowSelect.size())
                grid.FRowSelect.insert(grid.FRowSelect.begin() + aRow, static_cast<size_t>(rows), uint8_t { 0 });
        }
        if (aRow == 0 && grid.FixedRowAlways() && grid.RowCount() == 1)
            aRow = 1;
        if (settings.OleInsertRows() && rows > 0) {
            const int32_t topRow = grid.TopRow();
            if (append) {
                grid.SetRowCount(grid.RowCount() + rows);
                ++aRow;
            } else {
                grid.InsertRows(aRow, rows);
            }
            grid.SetTopRow(topRow > grid.FixedRows() ? topRow + 1 : topRow);
        }
        int32_t lines = 0;
        int32_t fields = 0;
        grid.PasteText(aCol, aRow, lines, fields, s);
        const int32_t left = std::max(aCol, grid.FixedCols());
        const int32_t right = rowSelect ? left + width - grid.FixedCols() : left + width - 1;
        const TGridRect dropped { left, aRow, std::min(std::max(right, left), grid.ColCount() - 1),
            std::min(aRow + std::max(rows, 1) - 1, grid.RowCount() - 1) };
        grid.SetSelection(dropped);
        grid.FOleDroppedHere = dropped;
    }
    grid.HideOleArrows(false, true, true);
    if (grid.OnOleDropped)
        grid.OnOleDropped(&grid, grid.Selection());
}

void TGridDropTarget::DropCol(TPoint pt, int32_t col)
{
    TDudStringGrid& grid = *FGrid;
    int32_t aCol = -1;
    int32_t aRow = -1;
    bool append = false;
    TargetCell(pt, false, aCol, aRow, append);
    const TPoint client = grid.ScreenToClient(pt);
    if (aCol < 0 && client.X >= grid.CellRect(grid.ColCount() - 1, 0).Right)
        aCol = grid.ColCount();
    grid.HideOleArrows(true, true, false);

    const auto moveColumn = [&grid](int32_t from, int32_t to) {
        const TGridOptions options = grid.Options();
        grid.SetOptions(options + TGridOptions { goColMoving });
        grid.MoveColumn(from, to);
        grid.SetOptions(options);
    };
    if (grid.FOleDragCol != -1) {
        if (grid.FOleDragList && grid.FOleDragIndex >= 0 && grid.FOleDragIndex < grid.FOleDragList->Items().Count())
            grid.FOleDragList->Items().Delete(grid.FOleDragIndex);
        const int32_t position = grid.FColumnOrder->IndexOf(grid.FOleDragCol);
        if (position >= 0) {
            grid.UnHideColumn(position);
            moveColumn(grid.DisplColIndex(position), std::min(std::max(aCol, 0), grid.ColCount() - 1));
        }
        grid.FOleDragCol = -1;
        grid.FOleDragList = nullptr;
    } else if (grid.FDragDropSettings->OleColumnReorder() && aCol >= 0) {
        aCol = std::min(aCol, grid.ColCount() - 1);
        if (grid.DisplColIndex(col) != aCol)
            moveColumn(grid.DisplColIndex(col), aCol);
    }
    if (grid.OnOleDropCol)
        grid.OnOleDropCol(&grid, aRow, aCol, col);
}

void TGridDropTarget::DropIntoCell(TPoint pt, const String& s, bool url)
{
    TDudStringGrid& grid = *FGrid;
    int32_t aCol = -1;
    int32_t aRow = -1;
    bool append = false;
    TargetCell(pt, false, aCol, aRow, append);
    bool allow = true;
    const auto& event = url ? grid.OnOleDropURL : grid.OnOleDrop;
    if (event)
        event(&grid, aRow, aCol, s, allow);
    if (allow && aCol >= 0 && aRow >= 0)
        grid.SetCellEx(grid.RemapColToReal(aCol), aRow, s);
    grid.HideOleArrows(false, true, true);
}

void TGridDropTarget::DropRTF(TPoint pt, const String& s) { DropIntoCell(pt, s, false); }

void TGridDropTarget::DropURL(TPoint pt, const String& s) { DropIntoCell(pt, s, true); }

void TGridDropTarget::DropFiles(TPoint pt, TStrings& files)
{
    TDudStringGrid& grid = *FGrid;
    if (files.Count() == 1) {
        const String fileName = files[0];
        int32_t aCol = -1;
        int32_t aRow = -1;
        bool append = false;
        TargetCell(pt, false, aCol, aRow, append);
        bool allow = true;
        if (grid.OnOleDropFile)
            grid.OnOleDropFile(&grid, aRow, aCol, fileName, allow);
        if (allow)
            grid.LoadOleDroppedFile(fileName);
    }
    grid.HideOleArrows(false, true, true);
}

// ---- the drag source

void TGridDropSource::CurrentEffect(uint32_t dwEffect)
{
    if (dwEffect == DROPEFFECT_MOVE || dwEffect == DROPEFFECT_COPY)
        FLastEffect = dwEffect;
}
