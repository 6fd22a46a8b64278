#include "tools/screenshot/GridDragForm.h"

#include "grid/DudOder.h"
#include "grid/DudOder_Settings.h"

TGridDragForm::TGridDragForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Drag cells between grids"));
    SetClientWidth(760);
    SetClientHeight(220);
    FSource = MakeGrid(10);
    FTarget = MakeGrid(390);
    for (int32_t col = 1; col < FSource->ColCount(); ++col) {
        FSource->SetCells(col, 0, QStringLiteral("Source %1").arg(col));
        FTarget->SetCells(col, 0, QStringLiteral("Target %1").arg(col));
        for (int32_t row = 1; row < FSource->RowCount(); ++row)
            FSource->SetCells(col, row, QStringLiteral("c%1r%2").arg(col).arg(row));
    }
    FSource->DragDropSettings().SetOleDropSource(true);
    FTarget->DragDropSettings().SetOleDropTarget(true);
    FTarget->SetOptions(FTarget->Options() + TGridOptions { goEditing });
}

TDudStringGrid* TGridDragForm::MakeGrid(int32_t left)
{
    auto* grid = new TDudStringGrid(this);
    grid->SetParent(this);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetDefaultColWidth(70);
    grid->SetBounds(left, 10, 360, 200);
    return grid;
}

void TGridDragForm::SelectBlock() { FSource->SetSelection({ 1, 2, 2, 3 }); }
