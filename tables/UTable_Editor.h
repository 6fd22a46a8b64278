#pragma once

#include "controls/LbButton.h"
#include "grid/DudCGrid.h"
#include "platform/core/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/xml/XMLDocument.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The mapping-table editors: one project file shown as one or two column
// grids, rewritten whole on OK after every entry passed its checks.
//
// How an editor declares itself:
// - a TTable_Column array per grid, column 0 (the row numbers) first: title
//   text, editor kind, width, the row attribute, what a missing attribute
//   reads as (Default; Required for none), the hint text, the combo items;
// - a TTable_Grid per grid: its name, the section element (nullptr when the
//   rows hang under the root), the number of data rows, the key column and
//   whether it is trimmed, which grid events it wires;
// - one TTable_Layout: form name and client size, the workspace path of the
//   file, root element, version of the comment, the grids, the Enable column
//   rule, the texts of the form and the row-number prefix of its messages;
// - a subclass passing the layout to the constructor and overriding only what
//   is its own: Show_Limits (limits and lists set at each showing),
//   Check_Entry (the checks of one entry, through TEntry_Check, whose
//   Ranges() runs a TRange_Check array) and, where needed, Begin_Check,
//   Loaded_Cell, Saved_Cell, Delete_Row, Combo_Change and the grid events.
// A grid's row count may be changed at creation: the rows reset, loaded and
// saved follow the grid, Data_Rows only sets its first size.

enum TColumn_Hint_Rule {
    hrNone,          // no hint handler
    hrClearOutside,  // column hints on the titles, nothing elsewhere
    hrKeepOutside,   // column hints on the titles, the grid's own text elsewhere
};

struct TTable_Column {
    int32_t Title;              // text index of the column title
    TEditorType Editor = edNormal;
    int32_t Width = 64;
    const char* Attribute = nullptr; // nullptr: the row numbers, or a column never stored
    const char* Default = "";        // text of a missing attribute, or of a never stored cell after a load; Required: none
    int32_t Hint = 0;                // text index of the title's hint, 0 for none
    std::span<const char* const> Items = {};
};

// The Default of a column whose attribute every row must carry.
inline constexpr const char* Required = nullptr;

struct TTable_Grid {
    const char* Name;
    const char* Section;     // nullptr: the rows are children of the root
    int32_t Data_Rows;       // the grid's first size; the grid's RowCount rules
    std::span<const TTable_Column> Columns;
    int32_t Key_Column;
    bool Key_Trimmed;        // a key of blanks ends the table
    bool Click = true;       // a click on a row number selects the row
    bool Dbl_Click = true;   // a double-click on a title fits the column
    bool Enter_Key = true;   // Enter moves to the next cell (with the option)
    TColumn_Hint_Rule Hints = hrClearOutside;
    bool Shown = true;       // a grid that is never shown has no tab sheet
    int32_t Reset_Rows = 0;  // rows reset at each showing; 0: the data rows
};

struct TTable_Texts {
    int32_t Caption, Desc;
    int32_t Buttons[6];      // OK, Cancel, Delete, Insert, Copy, Paste; 0 keeps the form's word
    int32_t Button_Hints[6];
    int32_t Sheets[2];       // tab sheet captions of a two-sheet editor
    int32_t Row_Prefix;      // "Error in row " / "Error row "
    int32_t Delete_Question;
};

struct TTable_Layout {
    const char* Form_Name;
    int32_t Client_Width, Client_Height;
    const String* File;      // the workspace path of the project file
    const char* Root;
    const char* Version;     // of the "SW_VERSION = " comment
    std::span<const TTable_Grid> Grids;
    bool Enable_Column;      // column 1 "Y" on empty rows; disabled entries skip the checks
    bool Titles_In_Cells;    // titles written into row 0 rather than through the column items
    TTable_Texts Texts;
};

class TTable_Editor;

// One entry under check: its cells and the failure messages of the editor.
class TEntry_Check {
public:
    TEntry_Check(TTable_Editor& editor, TDudColumnGrid& grid, int32_t row) : FEditor(editor), FGrid(grid), FRow(row) { }

    int32_t Row() const { return FRow; }
    String Cell(int32_t col) const;
    bool Is_Empty(int32_t col) const; // after trimming
    // The cell read as an integer: -1 for empty or non-numeric text.
    int32_t Number(int32_t col) const;
    bool In_Range(int32_t col, int32_t min, int32_t max) const;

    // Shows prefix + row + text (+ limit) and answers false.
    bool Fail(int32_t text) const;
    bool Fail(int32_t text, int64_t limit) const;
    // A failure of the whole table: the text and the limit, no row.
    bool Fail_Total(int32_t text, int64_t limit) const;

    bool Range(int32_t col, int32_t min, int32_t max, int32_t text) const;
    bool Range_With_Limit(int32_t col, int32_t min, int32_t max, int32_t text, int64_t limit) const;
    struct TRange_Check {
        int32_t Col;
        int32_t Min, Max;
        int32_t Text;
    };
    // Each range in order; the first that fails ends them.
    bool Ranges(std::span<const TRange_Check> checks) const;

private:
    TTable_Editor& FEditor;
    TDudColumnGrid& FGrid;
    int32_t FRow;
};
using TRange_Check = TEntry_Check::TRange_Check;

// The form every table editor is: title band, grid(s), the button band with
// OK, Cancel and the four row buttons, and the project file behind them.
class TTable_Editor : public TForm {
public:
    TTable_Editor(TComponent* owner, const TTable_Layout& layout);

    void FormCreate(TComponent* Sender);
    // Resets the grids and loads the file.
    void FormShow(TComponent* Sender);
    // Checks; on success saves and closes with OK.
    void Btn_OKClick(TComponent* Sender);
    void Btn_DelRowClick(TComponent* Sender);
    void Btn_InsRowClick(TComponent* Sender);
    void Btn_CopyRowClick(TComponent* Sender);
    void Btn_PasteRowClick(TComponent* Sender);
    // The grid events; an editor that does more on some columns overrides them.
    virtual void ClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol);
    virtual void DblClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol);
    virtual void KeyPress(TComponent* Sender, TChar& Key);
    virtual void GridHint(TDudStringGrid* Sender, int32_t ARow, int32_t ACol, String& HintStr);
    void Set_Lang();
    // True when every entry of every grid passes.
    bool Controllo_dati();

    // The grid the row buttons act on.
    TDudColumnGrid& Button_Grid() const;
    // The entries of a grid: its rows down to the first empty key.
    int32_t Table_Rows(int32_t grid) const;
    TDudColumnGrid& Grid(int32_t index) const { return *FGrids[static_cast<size_t>(index)]; }
    int32_t Grid_Count() const { return static_cast<int32_t>(FGrids.size()); }
    const TTable_Layout& Layout() const { return FLayout; }
    bool Copy_Flag(int32_t grid) const { return FCopied[static_cast<size_t>(grid)]; }

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TLbButton* Btn_DelRow = nullptr;
    TLbButton* Btn_InsRow = nullptr;
    TLbButton* Btn_CopyRow = nullptr;
    TLbButton* Btn_PasteRow = nullptr;
    TPageControl* PageControl1 = nullptr;
    TXMLDocument XML1;

protected:
    // Limits and lists set at each showing, before the rows are reset.
    virtual void Show_Limits() { }
    // Called before the first entry of a check pass.
    virtual void Begin_Check() { }
    virtual bool Check_Entry(int32_t grid, TEntry_Check& entry) = 0;
    // The text a loaded attribute gives its cell.
    virtual String Loaded_Cell(int32_t /*grid*/, int32_t /*col*/, const String& text) { return text; }
    // The text saved for a cell.
    virtual String Saved_Cell(int32_t grid, int32_t col, int32_t row) const;
    virtual void Delete_Row(int32_t row, TDudColumnGrid& grid);
    // A combo cell's choice, given the real column.
    virtual void Combo_Change(int32_t /*grid*/, int32_t /*col*/, int32_t /*row*/, const String& /*text*/) { }

    TTabSheet* Sheet(int32_t grid) const { return FSheets[static_cast<size_t>(grid)]; }
    TStringList& Hint_List(int32_t grid) { return *FHints[static_cast<size_t>(grid)]; }
    int32_t Index_Of(const TDudStringGrid* grid) const;

private:
    friend class TEntry_Check;

    void Create_Grids();
    TDudColumnGrid* Create_Grid(const TTable_Grid& info, TWinControl* parent);
    void Reset_Rows();
    void Load_File();
    bool Save_File();

    const TTable_Layout& FLayout;
    std::vector<TDudColumnGrid*> FGrids;
    std::vector<TTabSheet*> FSheets;
    std::vector<std::unique_ptr<TStringList>> FHints;
    std::vector<bool> FCopied;
    // Set when the last load left rows or the file behind: OK asks before
    // writing the shortened table over it.
    String FLoad_Shortfall;
};
