#include "app/UComon.h"

#include "app/lang/ULanguage.h"
#include "grid/DudCGrid.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"

namespace {

// The last data column: hidden columns are data too.
int32_t Last_Data_Column(const TDudColumnGrid& grid)
{
    return grid.ColCount() + grid.NumHiddenColumns() - 1;
}

void Copy_Row_Texts(TDudColumnGrid& grid, int32_t fromRow, int32_t toRow)
{
    for (int32_t col = 1; col <= Last_Data_Column(grid); ++col)
        grid.SetCellEx(col, toRow, grid.GetCellEx(col, fromRow));
}

void Clear_Row(TDudColumnGrid& grid, int32_t row)
{
    for (int32_t col = 1; col <= Last_Data_Column(grid); ++col)
        grid.SetCellEx(col, row, String());
}

bool Is_Check_Box_Column(const TDudColumnGrid& grid, int32_t col)
{
    return col < grid.Columns().Count() && grid.Columns().Items(col)->Editor() == edDataCheckBox;
}

// Check boxes always hold a state, so only other cells count as used.
bool Row_Is_Used(const TDudColumnGrid& grid, int32_t row)
{
    for (int32_t col = 1; col <= Last_Data_Column(grid); ++col)
        if (!Is_Check_Box_Column(grid, col) && !Trim(grid.GetCellEx(col, row)).isEmpty())
            return true;
    return false;
}

} // namespace

void Grid_Insert_Row(int32_t Row, TDudColumnGrid& grid, bool Put_Y)
{
    for (int32_t row = grid.RowCount() - 2; row >= Row; --row)
        Copy_Row_Texts(grid, row, row + 1);
    Clear_Row(grid, Row);
    if (Put_Y)
        grid.SetCellEx(1, Row, QStringLiteral("Y"));
}

void Grid_Delete_Row(int32_t Row, TDudColumnGrid& grid)
{
    for (int32_t row = Row; row <= grid.RowCount() - 2; ++row)
        Copy_Row_Texts(grid, row + 1, row);
    Clear_Row(grid, grid.RowCount() - 1);
}

void Grid_Copy_Row(TDudColumnGrid& grid, int32_t Row)
{
    if (!Copy_Row_List)
        Copy_Row_List = std::make_unique<TStringList>();
    Copy_Row_List->Clear();
    for (int32_t col = 1; col <= Last_Data_Column(grid); ++col)
        Copy_Row_List->Add(grid.GetCellEx(col, Row));
}

void Grid_Paste_Row(TDudColumnGrid& grid, int32_t Row, bool Do_Copy)
{
    if (!Do_Copy || !Copy_Row_List) {
        MessageDlg(Lang_Texts()[1702], mtError, mbOKOnly);
        return;
    }
    if (Copy_Row_List->Count() != Last_Data_Column(grid)) {
        MessageDlg(Lang_Texts()[1701], mtError, mbOKOnly);
        return;
    }
    if (Row_Is_Used(grid, Row) && MessageDlg(Lang_Texts()[1700], mtConfirmation, mbYesNo) != mrYes)
        return;
    for (int32_t col = 1; col <= Last_Data_Column(grid); ++col)
        grid.SetCellEx(col, Row, Copy_Row_List->Strings(col - 1));
}

void Grid_Enter_Next_Cell(TDudColumnGrid& grid, char16_t& Key)
{
    if (!Opt_Jump_Field_Tables || Key != 13)
        return;
    Key = 0;
    if (grid.Col() <= 0 || grid.Row() <= 0)
        return;
    if (grid.Col() < grid.ColCount() - 1) {
        grid.SetCol(grid.Col() + 1);
        return;
    }
    grid.SetCol(1);
    grid.SetRow(grid.Row() < grid.RowCount() - 1 ? grid.Row() + 1 : 1);
}

void Grid_DblClick_AutoSize(TDudColumnGrid& grid, int32_t ARow, int32_t ACol)
{
    if (Opt_Double_Click_Auto_Size && ARow == 0)
        grid.AutoSizeCol(ACol, 0);
}
