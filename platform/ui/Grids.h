#pragma once

// The platform string grid: TCustomGrid (geometry, current cell, selection,
// scrolling, keyboard and mouse, sizing and moving, the in-place editor's
// life), TCustomDrawGrid/TDrawGrid (events), TStringGrid (cell texts and
// objects) and TInplaceEdit. Its behaviour is written down in Grids.md.

#include "platform/core/Exception.h"
#include "platform/core/Math.h"
#include "platform/core/Strings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Mask.h"
#include "platform/ui/ScrollBars.h"

#include <cstdint>
#include <memory>
#include <vector>

class TFlatScrollBar;
class TInplaceEdit;

class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

// A cell: X column, Y row.
struct TGridCoord {
    int32_t X = 0;
    int32_t Y = 0;
    constexpr bool operator==(const TGridCoord&) const = default;
};

// A block of cells, corners inclusive.
struct TGridRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    constexpr bool operator==(const TGridRect&) const = default;
    constexpr bool Contains(int32_t col, int32_t row) const
    {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
};

enum class TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
};
using TGridOptions = TSetOf<TGridOption>;
using enum TGridOption;

enum class TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSetOf<TGridDrawStateFlag>;
using enum TGridDrawStateFlag;

enum class TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
using enum TGridState;

// The thumb of the grid's own bars runs on this scale whatever the number of
// rows or columns; positions map to cells with MulDiv.
constexpr int32_t GridThumbScale = 127;

// Sizes of the columns or rows of a grid, each followed by a grid line.
// Every size is the default until one is set; positions are prefix sums kept
// in a Fenwick tree so that no query walks all rows.
class TGridAxis {
public:
    int32_t Count() const { return FCount; }
    void SetCount(int32_t count);
    int32_t DefaultSize() const { return FDefaultSize; }
    // Sets every size to size, as the platform does.
    void SetDefaultSize(int32_t size);
    int32_t LineWidth() const { return FLineWidth; }
    void SetLineWidth(int32_t width);
    int32_t Size(int32_t index) const;
    void SetSize(int32_t index, int32_t size);
    bool Uniform() const { return FSizes.empty(); }
    // Size plus line of each of the items [0, index).
    int64_t Offset(int32_t index) const;
    // The item whose size plus line contains offset (measured from item 0);
    // Count() when offset lies past the end.
    int32_t IndexAt(int64_t offset) const;
    // Moves the size of item from to position to, shifting those between.
    void Move(int32_t from, int32_t to);
    // Item first + k takes the size item order[k] had (order holds the
    // indexes first .. first + order.size() - 1, each once).
    void Permute(int32_t first, const std::vector<int32_t>& order);

private:
    int32_t Extent(int32_t index) const;
    void Rebuild();

    int32_t FCount = 0;
    int32_t FDefaultSize = 0;
    int32_t FLineWidth = 1;
    std::vector<int32_t> FSizes;
    std::vector<int64_t> FTree;
};

using TDrawCellEvent = std::function<void(TComponent* sender, int32_t aCol, int32_t aRow, TRect rect, TGridDrawState state)>;
using TSelectCellEvent = std::function<void(TComponent* sender, int32_t aCol, int32_t aRow, bool& canSelect)>;
using TGetEditEvent = std::function<void(TComponent* sender, int32_t aCol, int32_t aRow, String& value)>;
using TSetEditEvent = std::function<void(TComponent* sender, int32_t aCol, int32_t aRow, const String& value)>;
using TMovedEvent = std::function<void(TComponent* sender, int32_t fromIndex, int32_t toIndex)>;

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* owner);
    ~TCustomGrid() override;

    int32_t ColCount() const { return FCols.Count(); }
    void SetColCount(int32_t count);
    int32_t RowCount() const { return FRows.Count(); }
    void SetRowCount(int32_t count);
    int32_t FixedCols() const { return FFixedCols; }
    void SetFixedCols(int32_t count);
    int32_t FixedRows() const { return FFixedRows; }
    void SetFixedRows(int32_t count);
    int32_t DefaultColWidth() const { return FCols.DefaultSize(); }
    void SetDefaultColWidth(int32_t width);
    int32_t DefaultRowHeight() const { return FRows.DefaultSize(); }
    void SetDefaultRowHeight(int32_t height);
    int32_t ColWidths(int32_t index) const { return FCols.Size(index); }
    void SetColWidths(int32_t index, int32_t width);
    int32_t RowHeights(int32_t index) const { return FRows.Size(index); }
    void SetRowHeights(int32_t index, int32_t height);
    int32_t GridLineWidth() const { return FCols.LineWidth(); }
    void SetGridLineWidth(int32_t width);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor color);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions options);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool defaultDrawing);
    // bsSingle (the default) frames the grid in the non-client area: a
    // sunken 2-pixel edge with Ctl3D (the default), else a 1-pixel line.
    // Cells, mouse positions and the bars lie inside the frame.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle borderStyle);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool ctl3D);

    int32_t Col() const { return FCurrent.X; }
    void SetCol(int32_t col);
    int32_t Row() const { return FCurrent.Y; }
    void SetRow(int32_t row);
    int32_t LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int32_t col);
    int32_t TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int32_t row);
    // Non-fixed columns (rows) from LeftCol (TopRow) that are wholly shown;
    // at least 1 while there are any.
    int32_t VisibleColCount() const;
    int32_t VisibleRowCount() const;
    TGridRect Selection() const;
    void SetSelection(const TGridRect& selection);
    TGridState GridState() const { return FGridState; }

    // The cell's rectangle in client pixels without its grid lines; empty
    // when no part of the cell is shown.
    TRect CellRect(int32_t aCol, int32_t aRow) const;
    // The cell under a client point; -1 for the axis the point misses.
    void MouseToCell(int32_t x, int32_t y, int32_t& aCol, int32_t& aRow) const;
    TGridCoord MouseCoord(int32_t x, int32_t y) const;

    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool editorMode);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    void InvalidateCell(int32_t aCol, int32_t aRow);
    void InvalidateCol(int32_t aCol);
    void InvalidateRow(int32_t aRow);
    void InvalidateGrid() { Invalidate(); }

    bool GetScrollInfo(int32_t bar, TScrollInfo& info) const;
    int32_t SetScrollInfo(int32_t bar, const TScrollInfo& info, bool redraw = true);
    int32_t GetScrollPos(int32_t bar) const;
    int32_t SetScrollPos(int32_t bar, int32_t position, bool redraw = true);
    // True while the grid shows that bar.
    bool ScrollBarVisible(int32_t bar) const;
    // Shows or hides SB_HORZ, SB_VERT or SB_BOTH whatever the grid needs;
    // the grid decides again when its counts, sizes or client area change.
    bool ShowScrollBar(int32_t bar, bool show);
    // ESB_DISABLE_BOTH greys a bar, which then sends no scroll requests;
    // ESB_ENABLE_BOTH enables it. The state stays until set again.
    bool EnableScrollBar(int32_t bar, uint32_t arrows);
    bool ScrollBarEnabled(int32_t bar) const;

    // Flat scroll bars: from InitializeFlatSB to UninitializeFlatSB each bar
    // takes a style (WSB_PROP_VSTYLE, WSB_PROP_HSTYLE: FSB_REGULAR_MODE, the
    // start, FSB_ENCARTA_MODE or FSB_FLAT_MODE), a background colour
    // (WSB_PROP_VBKGCOLOR, WSB_PROP_HBKGCOLOR; clNone the scroll bar colour)
    // and a thickness (WSB_PROP_CXVSCROLL, WSB_PROP_CYHSCROLL; 0 the
    // system's). The other calls fail while the bars are not flat.
    bool InitializeFlatSB();
    void UninitializeFlatSB();
    bool FlatSBInitialized() const { return FFlatSB; }
    bool FlatSB_SetScrollProp(uint32_t index, intptr_t value, bool redraw = true);
    bool FlatSB_GetScrollProp(uint32_t index, intptr_t& value) const;
    int32_t FlatSB_SetScrollInfo(int32_t bar, const TScrollInfo& info, bool redraw = true);
    bool FlatSB_ShowScrollBar(int32_t bar, bool show);

    // The client area excludes the scroll bars shown.
    int32_t ClientWidth() const override;
    int32_t ClientHeight() const override;

    void WndProc(TMessage& message) override;

protected:
    // A dotted line inverted over the cells, as sizing shows where a border
    // will go.
    void DrawSizingLine(TPoint from, TPoint to);
    virtual void DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state) = 0;
    virtual bool SelectCell(int32_t aCol, int32_t aRow);
    virtual bool CanEditShow();
    virtual bool CanEditModify() { return true; }
    virtual bool CanEditAcceptKey(TChar key) const;
    virtual String GetEditText(int32_t aCol, int32_t aRow);
    virtual void SetEditText(int32_t aCol, int32_t aRow, const String& value);
    virtual String GetEditMask(int32_t aCol, int32_t aRow);
    virtual int32_t GetEditLimit() { return 0; }
    virtual TInplaceEdit* CreateEditor();
    virtual void TopLeftChanged() { }
    virtual void SizeChanged(int32_t oldColCount, int32_t oldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void ColumnMoved(int32_t fromIndex, int32_t toIndex);
    virtual void RowMoved(int32_t fromIndex, int32_t toIndex);
    // The rows from first on were put into a new order: row first + k is
    // the row that was order[k].
    virtual void RowsPermuted(int32_t first, const std::vector<int32_t>& order);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    // Whether a press at (x, y) would size a column or row: state becomes
    // gsColSizing or gsRowSizing with the item index, the border's position
    // (the sizing line) and its offset from the point; it stays gsNormal
    // otherwise. Only the borders of scrolling items in the fixed rows
    // (columns) size them. Descendants may veto by putting gsNormal back.
    virtual void CalcSizingState(int32_t x, int32_t y, TGridState& state, int32_t& index, int32_t& sizingPos, int32_t& sizingOfs);

    void Paint() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) override;
    void DoExit() override;
    void Resize() override;
    void DefaultHandler(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void WMNCCalcSize(TMessage& message) override;
    void WMNCPaint(TMessage& message) override;

    // Makes (aCol, aRow) current; moves the anchor too unless extending a
    // range selection; scrolls it into view when show; then Click.
    void MoveColRow(int32_t aCol, int32_t aRow, bool moveAnchor, bool show);
    // MoveColRow with show, as the keyboard moves the cell. Both end with
    // Click, also when SelectCell refused the cell.
    void FocusCell(int32_t aCol, int32_t aRow, bool moveAnchor);
    void MoveColumn(int32_t fromIndex, int32_t toIndex);
    void MoveRow(int32_t fromIndex, int32_t toIndex);
    // Puts the rows from first on into a new order at once, sizes and
    // contents along (row first + k becomes the row that was order[k]); the
    // current cell and the anchor keep their indexes.
    void PermuteRows(int32_t first, const std::vector<int32_t>& order);
    // Removes the column (row) and what it holds; the others close up.
    virtual void DeleteColumn(int32_t aCol);
    virtual void DeleteRow(int32_t aRow);
    // Opens the editor on the current cell; an edit whose cell was scrolled
    // away comes back with its text.
    void ShowEditor();
    void ShowEditorChar(TChar ch);
    void HideEditor();
    // Writes the editor's text into the cell (SetEditText) unless the cell
    // was last given that text; the editor's every change comes here.
    void UpdateText();
    // Re-places the editor over the current cell after a size change or a
    // scroll; hides it while the cell is out of view, the edit going on.
    void UpdateEdit();
    // Reloads the shown editor from the cell, dropping what was typed (the
    // program wrote the cell being edited).
    void InvalidateEditor();
    void InvalidateRect(TGridRect cells);
    // Cell geometry without regard to what is visible: the rectangle the
    // cell would have if the grid were as large as needed.
    TRect BoxRect(int32_t aCol, int32_t aRow) const;
    int32_t FixedWidth() const { return static_cast<int32_t>(FCols.Offset(FFixedCols)); }
    int32_t FixedHeight() const { return static_cast<int32_t>(FRows.Offset(FFixedRows)); }
    // The largest LeftCol (TopRow) that still fills the client area.
    int32_t MaxLeftCol() const;
    int32_t MaxTopRow() const;

    TGridState FGridState = gsNormal;
    // The timer that scrolls on while a drag selection holds the pointer
    // outside the cells; its WM_TIMER ticks are the grid's own.
    static constexpr uintptr_t AutoScrollTimer = 1;
    static constexpr uint32_t AutoScrollPeriod = 60;

private:
    friend class TInplaceEdit;
    // One of the grid's bars: the widget (a child of the grid's widget) and
    // the scroll information the grid and its descendants read and write.
    struct TScrollBarState {
        TFlatScrollBar* Bar = nullptr;
        TScrollInfo Info;
        bool Shown = false;
        int32_t FlatStyle = FSB_REGULAR_MODE;
        TColor FlatBackground = clNone;
        int32_t FlatExtent = 0;
    };

    void CountsChanged(int32_t oldColCount, int32_t oldRowCount);
    void FixedCountsChanged();
    void DeleteItem(bool cols, int32_t index);
    void ClampCurrent();
    // False when SelectCell refused the cell.
    bool MoveCurrent(TGridCoord cell, bool moveAnchor, bool show);
    // Extends the selection from the current cell to cell, without asking
    // SelectCell: the current cell stays.
    void MoveAnchor(TGridCoord cell);
    void MoveTopLeft(TGridCoord topLeft);
    void ScrollIntoView(TGridCoord cell);
    void SelectionMoved(const TGridRect& oldSelection);
    TGridRect ClampedSelection(const TGridRect& selection) const;
    // The selection lies past the last column or row of a grid of these
    // counts, so no cell shows selected.
    bool SelectionHidden(int32_t colCount, int32_t rowCount) const;
    void SizesChanged();

    TGridDrawState CellState(int32_t aCol, int32_t aRow) const;
    void TabStep(bool backward);
    // One step of a drag selection towards the client point (x, y); past an
    // edge it takes in the next cell, which scrolls.
    void SelectTowards(int32_t x, int32_t y);
    void StopAutoScroll();
    void InvalidateSizingLine();
    void PaintSizingLine();

    // Scrolling
    void CreateScrollBars();
    void UpdateScrollRange();
    void UpdateScrollPos();
    void ScrollMessage(int32_t bar, intptr_t code, int32_t position);
    void ScrollBarAction(int32_t bar, int action);
    void ScrollBarReleased(int32_t bar);
    void ApplyScrollInfo(int32_t bar);
    void LayoutScrollBars();
    // The thickness of a bar: its flat one, or the system's.
    int32_t BarExtent(int32_t bar) const;
    void ApplyFlatLook(int32_t bar);
    // The client area changed by a bar shown or hidden by the program.
    void ClientAreaChanged();
    int32_t FrameWidth() const;

    // Editor
    // Loads the editor from the current cell and selects its text.
    void LoadEditor();
    // The shown part of the current cell.
    TRect EditorRect() const;
    void ShowEditorWindow();
    void HideEditorWindow();
    void EditorExited();
    void EditorCancelled();

    TGridAxis FCols;
    TGridAxis FRows;
    int32_t FFixedCols = 1;
    int32_t FFixedRows = 1;
    TColor FFixedColor = clBtnFace;
    TGridOptions FOptions { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect };
    TScrollStyle FScrollBars = ssBoth;
    bool FDefaultDrawing = true;
    TBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = true;
    TGridCoord FCurrent { 1, 1 };
    TGridCoord FAnchor { 1, 1 };
    TGridCoord FTopLeft { 1, 1 };

    bool FEditorMode = false;
    bool FEditorShown = false;
    bool FEnteringFromEditor = false;
    // Wheel delta not yet making a whole notch.
    int32_t FWheelAccumulator = 0;
    TInplaceEdit* FInplaceEdit = nullptr;
    // The text the edit began with (Esc puts it back) and the text the cell
    // was last given or loaded with.
    String FEditStartText;
    String FEditText;
    bool FLoadingEditor = false;

    // Sizing and moving by mouse: the sizing line stands at FSizingPos
    // (client pixels) until the release applies it.
    int32_t FSizingIndex = -1;
    int32_t FSizingPos = 0;
    int32_t FSizingOfs = 0;
    // Where the pointer was last seen during a drag selection, for the
    // auto-scroll timer.
    TPoint FSelectPoint {};
    bool FAutoScrolling = false;
    bool FSizingCursor = false;
    TCursor FNormalCursor = crDefault;
    int32_t FMoveIndex = -1;
    int32_t FMovePos = -1;

    std::unique_ptr<TScrollBarState> FScroll[2];
    bool FFlatSB = false;
};

// Where the item at index ends up when the item at from moves to to.
int32_t MovedIndex(int32_t index, int32_t from, int32_t to);

// The editor a grid lays over its current cell: a multi-line edit (one line
// with a password character) on the editing core. Up, Down, PageUp,
// PageDown, Esc, Tab (with goTabs), Insert and Ctrl+Delete go to the grid's
// KeyDown; with goAlwaysShowEditor so do Left and Home at the start of the
// text, Right and End at its end, and all four with Ctrl. The grid's
// OnKeyDown sees the keys the editor keeps, the grid's KeyUp every release,
// the grid's KeyPress every character first. Each change of the text reaches
// the grid as WM_COMMAND with EN_CHANGE.
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* owner);

    TCustomGrid* Grid() const { return FGrid; }
    // Loads text, mask, limit and read-only state from the grid's cell.
    virtual void UpdateContents();
    // Places the editor over rect (client pixels of the grid).
    void UpdateLoc(const TRect& rect);
    // The caret after the text, nothing selected.
    void Deselect();
    // A grid that wraps its cells' texts wraps them in the editor too.
    using TCustomEdit::SetWordWrap;
    using TCustomEdit::WordWrap;

protected:
    // Called after the editor was placed; sets the text area inside it.
    virtual void BoundsChanged();
    void Change() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void DoExit() override;
    void DefaultHandler(TMessage& message) override;

private:
    friend class TCustomGrid;
    // A key that the grid handles instead of the editor.
    bool GridKey(uint16_t key, TShiftState shift) const;
    // Types character as the first key of an edit (over the whole text) or
    // into an edit going on (at the caret).
    void TypeKey(TChar character, bool overAll);

    TCustomGrid* FGrid = nullptr;
};

class TCustomDrawGrid : public TCustomGrid {
public:
    explicit TCustomDrawGrid(TComponent* owner);

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state) override;
    bool SelectCell(int32_t aCol, int32_t aRow) override;
    String GetEditMask(int32_t aCol, int32_t aRow) override;
    String GetEditText(int32_t aCol, int32_t aRow) override;
    void SetEditText(int32_t aCol, int32_t aRow, const String& value) override;
    void ColumnMoved(int32_t fromIndex, int32_t toIndex) override;
    void RowMoved(int32_t fromIndex, int32_t toIndex) override;
    void TopLeftChanged() override;
};

class TDrawGrid : public TCustomDrawGrid {
public:
    using TCustomDrawGrid::TCustomDrawGrid;
};

class TStringGrid;

// A row or a column of a string grid seen as a string list; reads and writes
// go to the grid's cells.
class TStringGridStrings : public TStrings {
public:
    TStringGridStrings(TStringGrid& grid, bool isRow, int32_t index) : FGrid(&grid), FIsRow(isRow), FIndex(index) { }

    int32_t Count() const override;
    // Puts text into the first empty cell; fails when none is left.
    int32_t Add(const String& text) override;
    void Insert(int32_t index, const String& text) override;
    void Delete(int32_t index) override;
    void Clear() override;
    // String i of source goes into cell i (with its object); the other
    // cells of the row or column are emptied.
    void Assign(const TPersistent& source) override;

protected:
    String Get(int32_t index) const override;
    void Put(int32_t index, const String& text) override;
    void* GetObject(int32_t index) const override;
    void PutObject(int32_t index, void* object) override;

private:
    TStringGrid* FGrid;
    bool FIsRow;
    int32_t FIndex;
};

class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    // Cells of columns at or past ColCount are kept (and may be written);
    // rows cut off by lowering RowCount are emptied. Reading outside the
    // grid gives the empty text.
    String Cells(int32_t aCol, int32_t aRow) const;
    void SetCells(int32_t aCol, int32_t aRow, const String& value);
    // The object of a cell; the grid does not own it. Virtual so that a grid
    // keeping its own data in the slot can serve the row and column views.
    virtual void* Objects(int32_t aCol, int32_t aRow) const;
    virtual void SetObjects(int32_t aCol, int32_t aRow, void* object);
    TStringGridStrings Rows(int32_t index) { return TStringGridStrings(*this, true, index); }
    TStringGridStrings Cols(int32_t index) { return TStringGridStrings(*this, false, index); }

protected:
    void DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state) override;
    String GetEditText(int32_t aCol, int32_t aRow) override;
    void SetEditText(int32_t aCol, int32_t aRow, const String& value) override;
    void SizeChanged(int32_t oldColCount, int32_t oldRowCount) override;
    void ColumnMoved(int32_t fromIndex, int32_t toIndex) override;
    void RowMoved(int32_t fromIndex, int32_t toIndex) override;
    void RowsPermuted(int32_t first, const std::vector<int32_t>& order) override;
    void DeleteColumn(int32_t aCol) override;
    // In every row the cells aCol .. aCol + count - 1 leave, the cells after
    // them up to end - 1 move left by count with their objects, and the
    // places left at the end are empty; cells from end on stay. Objects of
    // the leaving cells are not freed, and nothing is repainted.
    void RemoveRowCells(int32_t aCol, int32_t count, int32_t end);

private:
    struct TCell {
        String Text;
        void* Object = nullptr;
    };
    using TCellRow = std::vector<TCell>;

    const TCell* FindCell(int32_t aCol, int32_t aRow) const;
    TCell& EnsureCell(int32_t aCol, int32_t aRow);
    void CheckWritable(int32_t aCol, int32_t aRow) const;

    // One entry per row; a row's cells exist from its first write.
    std::vector<std::unique_ptr<TCellRow>> FData;
    bool FUpdatingFromEditor = false;
};
