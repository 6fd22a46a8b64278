#include "grid/DudOder.h"

#include "grid/DudOder_CellGraphic.h"

// Cells whose text is drawn at an angle carry a rotated-text graphic with
// the angle in degrees.

void TDudStringGrid::AddRotated(int32_t aCol, int32_t aRow, int32_t aAngle, const String& s)
{
    CreateCellGraphic(aCol, aRow).SetAngle(aAngle);
    SetCells(aCol, aRow, s);
}

void TDudStringGrid::SetRotated(int32_t aCol, int32_t aRow, int32_t aAngle)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    (graphic ? *graphic : CreateCellGraphic(aCol, aRow)).SetAngle(aAngle);
    RepaintCell(RemapColToDispl(aCol), aRow);
}

void TDudStringGrid::RemoveRotated(int32_t aCol, int32_t aRow)
{
    RemoveCellGraphicOfType(aCol, aRow, ctRotated);
}

bool TDudStringGrid::IsRotated(int32_t aCol, int32_t aRow, int32_t& aAngle)
{
    if (GetCellType(aCol, aRow) != ctRotated)
        return false;
    aAngle = GetCellGraphic(aCol, aRow)->CellAngle();
    return true;
}
