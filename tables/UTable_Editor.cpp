#include "tables/UTable_Editor.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"
#include "tables/UTable_Messages.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int32_t Button_Width = 90;
constexpr int32_t Button_Gap = 6;

// A row holds an entry when a cell other than a check box holds text:
// check boxes always hold a state.
bool Row_Holds_Data(const TDudColumnGrid& grid, int32_t row)
{
    for (int32_t col = 1; col < grid.ColCount() + grid.NumHiddenColumns(); ++col)
        if (grid.Columns().Items(col)->Editor() != edDataCheckBox && !Trim(grid.GetCellEx(col, row)).isEmpty())
            return true;
    return false;
}

} // namespace

TTable_Editor::TTable_Editor(TComponent* owner, const TTable_Layout& layout) : TForm(owner), FLayout(layout)
{
    Set_Window_Look(this, layout.Form_Name);
    SetClientWidth(layout.Client_Width);
    SetClientHeight(layout.Client_Height);

    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Button = New_Button_Band(this);
    P_Button->SetWidth(layout.Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", Button_Width + 2 * Button_Gap, mrNone);
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", Button_Gap, mrCancel);
    const auto row_button = [this](const char* name, int32_t place) {
        TLbButton* button = New_Band_Button(P_Button, name, 0, mrNone);
        button->SetLeft(Button_Gap + place * (Button_Width + Button_Gap));
        return button;
    };
    Btn_DelRow = row_button("Btn_DelRow", 0);
    Btn_InsRow = row_button("Btn_InsRow", 1);
    Btn_CopyRow = row_button("Btn_CopyRow", 2);
    Btn_PasteRow = row_button("Btn_PasteRow", 3);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_DelRow->OnClick = [this](TComponent* sender) { Btn_DelRowClick(sender); };
    Btn_InsRow->OnClick = [this](TComponent* sender) { Btn_InsRowClick(sender); };
    Btn_CopyRow->OnClick = [this](TComponent* sender) { Btn_CopyRowClick(sender); };
    Btn_PasteRow->OnClick = [this](TComponent* sender) { Btn_PasteRowClick(sender); };

    Create_Grids();

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TTable_Editor::Create_Grids()
{
    int32_t shown = 0;
    for (const TTable_Grid& info : FLayout.Grids)
        shown += info.Shown ? 1 : 0;
    const TRect area { 0, Title_Band_Height, FLayout.Client_Width, FLayout.Client_Height - Button_Band_Height };
    if (shown > 1) {
        PageControl1 = new TPageControl(this);
        PageControl1->SetName(QStringLiteral("PageControl1"));
        PageControl1->SetParent(this);
        PageControl1->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    }
    for (const TTable_Grid& info : FLayout.Grids) {
        TTabSheet* sheet = nullptr;
        TWinControl* parent = this;
        if (PageControl1 && info.Shown) {
            sheet = new TTabSheet(this);
            sheet->SetName(QStringLiteral("TS_%1").arg(QString::fromLatin1(info.Section)));
            sheet->SetPageControl(PageControl1);
            parent = sheet;
        }
        FSheets.push_back(sheet);
        TDudColumnGrid* grid = Create_Grid(info, parent);
        if (sheet) {
            const TRect page = PageControl1->DisplayRect();
            grid->SetBounds(0, 0, page.Width(), page.Height());
        } else {
            grid->SetBounds(area.Left, area.Top, area.Width(), area.Height());
        }
        grid->SetVisible(info.Shown);
        FGrids.push_back(grid);
        FHints.push_back(std::make_unique<TStringList>());
        FCopied.push_back(false);
    }
    if (PageControl1)
        PageControl1->SetActivePageIndex(0);
}

TDudColumnGrid* TTable_Editor::Create_Grid(const TTable_Grid& info, TWinControl* parent)
{
    auto* grid = new TDudColumnGrid(this);
    grid->SetName(QString::fromLatin1(info.Name));
    grid->SetParent(parent);
    // White cells, not the dialog's colour: the columns take the grid's
    // colour when they are made.
    grid->SetParentColor(false);
    grid->SetColor(clWindow);
    grid->SetColCount(static_cast<int32_t>(info.Columns.size()));
    grid->SetRowCount(info.Data_Rows + 1);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    // Tab walks the cells, as the arrows do.
    grid->SetOptions(grid->Options() << goEditing << goTabs);
    grid->SetShowHint(true);
    // One line per cell, as the rows are drawn one text high.
    grid->SetWordWrap(false);
    for (size_t index = 0; index < info.Columns.size(); ++index) {
        const TTable_Column& column = info.Columns[index];
        TGridColumnItem& item = *grid->Columns().Items(static_cast<int32_t>(index));
        item.SetEditor(column.Editor);
        item.SetColor(clWindow);
        item.SetWidth(column.Width);
        if (column.Editor == edDataCheckBox)
            item.SetAlignment(taCenter);
        for (const char* entry : column.Items)
            item.ComboItems().Add(QString::fromLatin1(entry));
    }
    if (info.Click)
        grid->OnClickCell = [this](TDudStringGrid* sender, int32_t row, int32_t col) { ClickCell(sender, row, col); };
    if (info.Dbl_Click)
        grid->OnDblClickCell = [this](TDudStringGrid* sender, int32_t row, int32_t col) { DblClickCell(sender, row, col); };
    if (info.Enter_Key)
        grid->OnKeyPress = [this](TComponent* sender, TChar& key) { KeyPress(sender, key); };
    if (info.Hints != hrNone)
        grid->OnGridHint = [this](TDudStringGrid* sender, int32_t row, int32_t col, String& hint) {
            GridHint(sender, row, col, hint);
        };
    grid->OnComboChange = [this](TDudStringGrid* sender, int32_t col, int32_t row, int32_t, const String& text) {
        Combo_Change(Index_Of(sender), col, row, text);
    };
    return grid;
}

void TTable_Editor::FormCreate(TComponent*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(FLayout.Client_Width);
    SetClientHeight(FLayout.Client_Height);
    Set_Lang();
}

void TTable_Editor::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    const TTable_Texts& own = FLayout.Texts;
    SetCaption(texts[own.Caption]);
    L_SW_Desc->SetCaption(texts[own.Desc]);
    TLbButton* const buttons[] = { Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow };
    static const char* const Form_Words[] = { "OK", "Cancel", "Delete Row", "Insert Row", "Copy Row", "Paste Row" };
    for (size_t index = 0; index < std::size(buttons); ++index) {
        buttons[index]->SetCaption(own.Buttons[index] ? texts[own.Buttons[index]] : QString::fromLatin1(Form_Words[index]));
        buttons[index]->SetHint(texts[own.Button_Hints[index]]);
    }
    for (size_t grid = 0; grid < FGrids.size(); ++grid) {
        const TTable_Grid& info = FLayout.Grids[grid];
        TStringList& hints = *FHints[grid];
        hints.Clear();
        // A grid keeps its hint list even where no handler shows it.
        const bool has_hints = std::any_of(info.Columns.begin(), info.Columns.end(),
            [](const TTable_Column& column) { return column.Hint != 0; });
        for (size_t col = 0; col < info.Columns.size(); ++col) {
            const TTable_Column& column = info.Columns[col];
            if (FLayout.Titles_In_Cells)
                FGrids[grid]->SetCellEx(static_cast<int32_t>(col), 0, texts[column.Title]);
            else
                FGrids[grid]->Columns().Items(static_cast<int32_t>(col))->SetHeader(texts[column.Title]);
            if (col > 0 && has_hints)
                hints.Add(column.Hint ? texts[column.Hint] : String());
        }
        if (FSheets[grid] && own.Sheets[grid])
            FSheets[grid]->SetCaption(texts[own.Sheets[grid]]);
    }
}

void TTable_Editor::FormShow(TComponent*)
{
    Show_Limits();
    Reset_Rows();
    Load_File();
    for (size_t grid = 0; grid < FCopied.size(); ++grid)
        FCopied[grid] = false;
}

void TTable_Editor::Reset_Rows()
{
    for (size_t index = 0; index < FGrids.size(); ++index) {
        TDudColumnGrid& grid = *FGrids[index];
        const TTable_Grid& info = FLayout.Grids[index];
        const int32_t rows = info.Reset_Rows ? info.Reset_Rows : grid.RowCount() - 1;
        const int32_t columns = grid.ColCount() + grid.NumHiddenColumns();
        grid.BeginUpdate();
        for (int32_t row = 1; row <= rows; ++row) {
            grid.SetCellEx(0, row, QString::number(row));
            for (int32_t col = 1; col < columns; ++col)
                grid.SetCellEx(col, row, col == 1 && FLayout.Enable_Column ? QStringLiteral("Y") : String());
        }
        grid.EndUpdate();
    }
}

int32_t TTable_Editor::Table_Rows(int32_t index) const
{
    const TDudColumnGrid& grid = Grid(index);
    const TTable_Grid& info = FLayout.Grids[static_cast<size_t>(index)];
    int32_t row = 1;
    while (row < grid.RowCount()) {
        const String key = grid.GetCellEx(info.Key_Column, row);
        if ((info.Key_Trimmed ? Trim(key) : key).isEmpty())
            break;
        ++row;
    }
    return row - 1;
}

bool TTable_Editor::Controllo_dati()
{
    Begin_Check();
    for (int32_t index = 0; index < Grid_Count(); ++index) {
        TDudColumnGrid& grid = Grid(index);
        const int32_t rows = Table_Rows(index);
        for (int32_t row = 1; row <= rows; ++row) {
            if (FLayout.Enable_Column && Trim(grid.GetCellEx(1, row)) != QStringLiteral("Y"))
                continue;
            TEntry_Check entry(*this, grid, row);
            if (!Check_Entry(index, entry))
                return false;
        }
    }
    return true;
}

void TTable_Editor::Btn_OKClick(TComponent*)
{
    if (!Controllo_dati())
        return;
    if (!FLoad_Shortfall.isEmpty() && MessageDlg(Shortened_Table_Question(FLoad_Shortfall), mtConfirmation, mbYesNo) != mrYes)
        return;
    if (Save_File())
        SetModalResult(mrOk);
}

TDudColumnGrid& TTable_Editor::Button_Grid() const
{
    if (PageControl1) {
        for (size_t index = 0; index < FSheets.size(); ++index)
            if (FSheets[index] && FSheets[index] == PageControl1->ActivePage())
                return *FGrids[index];
    }
    for (size_t index = 0; index < FGrids.size(); ++index)
        if (FLayout.Grids[index].Shown)
            return *FGrids[index];
    return *FGrids.front();
}

int32_t TTable_Editor::Index_Of(const TDudStringGrid* grid) const
{
    for (size_t index = 0; index < FGrids.size(); ++index)
        if (FGrids[index] == grid)
            return static_cast<int32_t>(index);
    return 0;
}

void TTable_Editor::Btn_CopyRowClick(TComponent*)
{
    TDudColumnGrid& grid = Button_Grid();
    Grid_Copy_Row(grid, grid.Row());
    for (size_t index = 0; index < FGrids.size(); ++index)
        FCopied[index] = FGrids[index] == &grid;
}

void TTable_Editor::Btn_PasteRowClick(TComponent*)
{
    TDudColumnGrid& grid = Button_Grid();
    Grid_Paste_Row(grid, grid.Row(), FCopied[static_cast<size_t>(Index_Of(&grid))]);
}

void TTable_Editor::Btn_InsRowClick(TComponent*)
{
    TDudColumnGrid& grid = Button_Grid();
    const int32_t row = grid.Row();
    if (row < 1)
        return;
    // Inserting moves every row down one: the last row would fall off the
    // grid with whatever it holds.
    const int32_t last = grid.RowCount() - 1;
    if (row < last && Row_Holds_Data(grid, last)) {
        MessageDlg(Insert_Refused_Message(last), mtError, mbOKOnly);
        return;
    }
    Grid_Insert_Row(row, grid, FLayout.Enable_Column);
}

void TTable_Editor::Btn_DelRowClick(TComponent*)
{
    TDudColumnGrid& grid = Button_Grid();
    const int32_t row = grid.Row();
    if (row < 1)
        return;
    if (MessageDlg(Lang_Texts()[FLayout.Texts.Delete_Question] + QString::number(row), mtConfirmation, mbYesNo) == mrYes)
        Delete_Row(row, grid);
}

void TTable_Editor::Delete_Row(int32_t row, TDudColumnGrid& grid) { Grid_Delete_Row(row, grid); }

void TTable_Editor::ClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol)
{
    if (ACol == 0 && ARow > 0)
        Sender->SelectRows(ARow, 1);
}

void TTable_Editor::DblClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol)
{
    Grid_DblClick_AutoSize(*FGrids[static_cast<size_t>(Index_Of(Sender))], ARow, ACol);
}

void TTable_Editor::KeyPress(TComponent* Sender, TChar& Key)
{
    // The grid's editors report their keys with themselves as the sender.
    auto* grid = dynamic_cast<TDudColumnGrid*>(Sender);
    for (TComponent* owner = Sender; !grid && owner; owner = owner->Owner())
        grid = dynamic_cast<TDudColumnGrid*>(owner);
    if (!grid)
        return;
    Grid_Enter_Next_Cell(*grid, Key);
}

void TTable_Editor::GridHint(TDudStringGrid* Sender, int32_t ARow, int32_t ACol, String& HintStr)
{
    const int32_t index = Index_Of(Sender);
    const TStringList& hints = *FHints[static_cast<size_t>(index)];
    if (ARow == 0 && ACol >= 1 && ACol - 1 < hints.Count())
        HintStr = hints.Strings(ACol - 1);
    else if (FLayout.Grids[static_cast<size_t>(index)].Hints == hrClearOutside)
        HintStr.clear();
}

String TTable_Editor::Saved_Cell(int32_t grid, int32_t col, int32_t row) const { return Grid(grid).GetCellEx(col, row); }

// ---- the checks of one entry

String TEntry_Check::Cell(int32_t col) const { return FGrid.GetCellEx(col, FRow); }

bool TEntry_Check::Is_Empty(int32_t col) const { return Trim(Cell(col)).isEmpty(); }

int32_t TEntry_Check::Number(int32_t col) const { return StrToIntDef(Cell(col), -1); }

bool TEntry_Check::In_Range(int32_t col, int32_t min, int32_t max) const
{
    const int32_t value = Number(col);
    return value >= min && value <= max;
}

bool TEntry_Check::Fail(int32_t text) const
{
    const TLang_Texts& texts = Lang_Texts();
    MessageDlg(texts[FEditor.Layout().Texts.Row_Prefix] + QString::number(FRow) + texts[text], mtError, mbOKOnly);
    return false;
}

bool TEntry_Check::Fail(int32_t text, int64_t limit) const
{
    const TLang_Texts& texts = Lang_Texts();
    MessageDlg(texts[FEditor.Layout().Texts.Row_Prefix] + QString::number(FRow) + texts[text] + QString::number(limit),
        mtError, mbOKOnly);
    return false;
}

bool TEntry_Check::Fail_Total(int32_t text, int64_t limit) const
{
    MessageDlg(Lang_Texts()[text] + QString::number(limit), mtError, mbOKOnly);
    return false;
}

bool TEntry_Check::Range(int32_t col, int32_t min, int32_t max, int32_t text) const
{
    return In_Range(col, min, max) || Fail(text);
}

bool TEntry_Check::Range_With_Limit(int32_t col, int32_t min, int32_t max, int32_t text, int64_t limit) const
{
    return In_Range(col, min, max) || Fail(text, limit);
}

bool TEntry_Check::Ranges(std::span<const TRange_Check> checks) const
{
    for (const TRange_Check& check : checks)
        if (!Range(check.Col, check.Min, check.Max, check.Text))
            return false;
    return true;
}
