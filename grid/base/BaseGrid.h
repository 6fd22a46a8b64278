#pragma once

// The base grid: a merge-aware cell store with lazily created per-cell
// properties, display-text hooks, undo and redo of cell texts, and the cell
// painter with the selection looks and the grid lines of the grid family.

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/BiDi.h"
#include "platform/ui/Grids.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class TBaseGrid;

enum class TVAlignment { vtaTop, vtaCenter, vtaBottom };
using enum TVAlignment;

enum class TCellGradientDirection { GradientVertical, GradientHorizontal };
using enum TCellGradientDirection;

enum class TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
using enum TColumnCalcType;

// The editor kind of a cell. Declared here because every cell's properties
// carry one.
enum TEditorType {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edDudOderDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn
};

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum class THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSetOf<THoverRowCell>;
using enum THoverRowCell;

// ---- per-cell properties -----------------------------------------------------

// The properties of one cell, kept in the cell's object slot of its grid,
// which owns them. Besides the look of the cell they hold its place in a
// merged area: a base cell (top-left, or unmerged) has IsBaseCell true and the
// spans of its area less one (-1 when never merged); every other cell of an
// area holds its offset from the base cell.
class TCellProperties : public TPersistent {
public:
    TCellProperties(TBaseGrid* ownerGrid, int32_t aCol, int32_t aRow);

    // Copies everything but the owner grid, the graphic object, BrushColorTo,
    // the paint counter, the calculation and the gradient direction.
    void Assign(const TPersistent& source) override;

    // The base cell of the area this cell (at aCol, aRow) belongs to.
    TPoint GetBaseCell(int32_t aCol, int32_t aRow) const;

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int32_t OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int32_t col) { FOwnerCol = col; }
    int32_t OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int32_t row) { FOwnerRow = row; }

    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool isBaseCell) { FIsBaseCell = isBaseCell; }
    int32_t CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int32_t span) { FCellSpanX = span; }
    int32_t CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int32_t span) { FCellSpanY = span; }

    void* CellObject() const { return FObject; }
    void SetCellObject(void* object) { FObject = object; }
    // A graphic object handed over with SetOwnedGraphicObject is freed with
    // these properties; one set with SetGraphicObject is only referred to.
    TPersistent* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(TPersistent* graphic);
    void SetOwnedGraphicObject(std::unique_ptr<TPersistent> graphic);

    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle style) { FBrushStyle = style; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor color);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor color);
    int32_t FontSize() const { return FFontSize; }
    void SetFontSize(int32_t size) { FFontSize = size; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color) { FFontColor = color; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles style) { FFontStyle = style; }
    const String& FontName() const { return FFontName; }
    void SetFontName(const String& name) { FFontName = name; }
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t width) { FBorderWidth = width; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor color) { FBorderColor = color; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment) { FAlignment = alignment; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment alignment);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType calcType) { FCalcType = calcType; }
    TPersistent* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TPersistent* calcObject) { FCalcObject = calcObject; }
    int32_t NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int32_t level) { FNodeLevel = level; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType editor) { FEditor = editor; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection direction) { FGradientDirection = direction; }
    TControl* Control() const { return FControl; }
    void SetControl(TControl* control) { FControl = control; }

    // The grid's paint counter when this merged area was last painted.
    int32_t PaintID() const { return FPaintID; }
    void SetPaintID(int32_t paintID) { FPaintID = paintID; }

private:
    void RepaintOwnerCell() const;

    TBaseGrid* FOwnerGrid;
    int32_t FOwnerCol;
    int32_t FOwnerRow;
    void* FObject = nullptr;
    TPersistent* FGraphicObject = nullptr;
    std::unique_ptr<TPersistent> FOwnedGraphicObject;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int32_t FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    int32_t FCellSpanY = -1;
    int32_t FCellSpanX = -1;
    int32_t FBorderWidth = 0;
    TColor FBorderColor = clBlack;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int32_t FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TPersistent* FCalcObject = nullptr;
    int32_t FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    String FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    TControl* FControl = nullptr;
};

// ---- undo and redo of cell texts -----------------------------------------

// One step: a text change of a cell, or a marker opening or closing a
// sequence of changes that is undone and redone as one.
class TUndoRedoItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    int32_t Row() const { return FRow; }
    void SetRow(int32_t row) { FRow = row; }
    int32_t Col() const { return FCol; }
    void SetCol(int32_t col) { FCol = col; }
    const String& Value() const { return FValue; }
    void SetValue(const String& value) { FValue = value; }
    const String& OrigValue() const { return FOrigValue; }
    void SetOrigValue(const String& value) { FOrigValue = value; }
    bool SequenceStart() const { return FSequenceStart; }
    void SetSequenceStart(bool start) { FSequenceStart = start; }
    bool SequenceStop() const { return FSequenceStop; }
    void SetSequenceStop(bool stop) { FSequenceStop = stop; }
    bool IsMarker() const { return FSequenceStart || FSequenceStop; }

private:
    int32_t FRow = -1;
    int32_t FCol = -1;
    String FValue;
    String FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
};

class TUndoRedoCollection : public TCollection {
public:
    TUndoRedoCollection() : TCollection(ItemClass<TUndoRedoItem>()) { }

    TUndoRedoItem* Items(int32_t index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(index)); }
};

using TDudOderUndoRedoEvent = std::function<void(TComponent* sender, TBaseGrid* grid, int32_t aCol, int32_t aRow,
    const String& origValue, const String& newValue)>;

// Records the text changes of a linked grid and undoes and redoes them.
// Items 0 .. Level-1 are done, Level .. Count-1 undone; Level always stands
// between whole steps and within 0 .. Count.
class TDudOderUndoRedo : public TComponent {
public:
    explicit TDudOderUndoRedo(TComponent* owner);

    TUndoRedoCollection& Items() { return FItems; }
    const TUndoRedoCollection& Items() const { return FItems; }
    TBaseGrid* Grid() const { return FGrid; }
    void SetGrid(TBaseGrid* grid);
    int32_t Level() const { return FLevel; }
    // Most items kept; 0 or less keeps all.
    int32_t MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int32_t maxLevel) { FMaxLevel = maxLevel; }

    virtual void RegisterChange(int32_t aCol, int32_t aRow, const String& oldValue, const String& newValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems.Count(); }

    TDudOderUndoRedoEvent OnUndo;
    TDudOderUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AppendMarker(bool start);
    void DropOldestStep();
    void ApplyItem(const TUndoRedoItem& item, const String& text, const TDudOderUndoRedoEvent& event);

    TUndoRedoCollection FItems;
    TBaseGrid* FGrid = nullptr;
    int32_t FLevel = 0;
    int32_t FMaxLevel = 0;
};

// ---- the base grid -------------------------------------------------------------

// The platform string grid under the name the grid family derives from.
class TObjStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
};

using TGetDisplTextEvent = std::function<void(TComponent* sender, int32_t aCol, int32_t aRow, String& value)>;

class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(TComponent* owner);
    ~TBaseGrid() override;

    // ---- looks
    // The last row is left out of the cells, as a footer shows it instead.
    bool HideLastRow() const { return FHideLastRow; }
    void SetHideLastRow(bool value) { FHideLastRow = value; }
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool defaultDrawing) { FDefaultDrawing = defaultDrawing; }
    // The grid draws its own lines of this width; the platform grid's are
    // held at 0.
    int32_t GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int32_t width);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor color);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor color);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool show);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor color);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor color);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor color);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor color);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle style);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool hoverRow) { FHoverRow = hoverRow; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor color) { FHoverRowColor = color; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor color) { FHoverRowColorTo = color; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells cells) { FHoverRowCells = cells; }
    // Default word wrap of new cell properties.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap) { FWordWrap = wordWrap; }
    int32_t MergeCount() const { return FMergeCount; }
    // A right-to-left grid draws its lines and selection one pixel over,
    // where its mirrored cells meet, and redraws whole on a cell change.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode mode) { FBiDiMode = mode; }
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }

    TDudOderUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TDudOderUndoRedo* undoRedo);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplTextEvent OnGetDisplWideText;

    // ---- cell texts
    // Merge-aware: any cell of a merged area reads and writes its base cell.
    // Rows at or beyond RowCount are kept out of view but keep what is
    // written to them until RowCount is lowered below them.
    String Cells(int32_t aCol, int32_t aRow) const { return GetCellEx(aCol, aRow); }
    void SetCells(int32_t aCol, int32_t aRow, const String& value) { SetCellEx(aCol, aRow, value); }
    String GetCellEx(int32_t aCol, int32_t aRow) const;
    void SetCellEx(int32_t aCol, int32_t aRow, const String& value);
    // The stored text, without redirection or hooks.
    String GridCells(int32_t aCol, int32_t aRow) const { return GetGridCell(aCol, aRow); }
    void SetGridCells(int32_t aCol, int32_t aRow, const String& value) { SetGridCell(aCol, aRow, value); }
    String GetGridCell(int32_t aCol, int32_t aRow) const;
    void SetGridCell(int32_t aCol, int32_t aRow, const String& value);

    // ---- cell objects and properties
    // The slot holds the cell's properties, so every route to a cell's
    // object, the row and column views included, reaches the user's object.
    void* Objects(int32_t aCol, int32_t aRow) const override { return GetObjectEx(aCol, aRow); }
    void SetObjects(int32_t aCol, int32_t aRow, void* object) override { SetObjectEx(aCol, aRow, object); }
    void* GetObjectEx(int32_t aCol, int32_t aRow) const;
    void SetObjectEx(int32_t aCol, int32_t aRow, void* object);
    // Created on first use with the grid's defaults for the cell; the grid
    // owns it. Cells outside the rows raise EInvalidGridOperation.
    TCellProperties* CellProperties(int32_t aCol, int32_t aRow) { return GetCellProperties(aCol, aRow); }
    TCellProperties* GetCellProperties(int32_t aCol, int32_t aRow);
    // Frees the cell's properties and takes value in their place.
    void SetCellProperties(int32_t aCol, int32_t aRow, std::unique_ptr<TCellProperties> value);
    TPersistent* GraphicObjects(int32_t aCol, int32_t aRow) const { return GetGraphicObjectEx(aCol, aRow); }
    TPersistent* GetGraphicObjectEx(int32_t aCol, int32_t aRow) const;
    void SetGraphicObjectEx(int32_t aCol, int32_t aRow, TPersistent* graphic);
    void SetGraphicObjectEx(int32_t aCol, int32_t aRow, std::unique_ptr<TPersistent> graphic);
    static TPersistent* GraphicOfProps(const TCellProperties* props) { return props ? props->GraphicObject() : nullptr; }
    bool HasCellProps(int32_t aCol, int32_t aRow) const;

    void ClearCell(int32_t aCol, int32_t aRow);
    void ClearColumnCells(int32_t aCol);
    void ClearRowCells(int32_t aRow);
    void FreeCellProps(int32_t aCol, int32_t aRow);
    void FreeCellPropsInRect(int32_t col1, int32_t row1, int32_t col2, int32_t row2);
    void FreeAllCellProps();

    // ---- merged cells
    virtual void MergeCells(int32_t aCol, int32_t aRow, int32_t spanX, int32_t spanY);
    virtual void SplitCells(int32_t aCol, int32_t aRow);
    TPoint BaseCell(int32_t aCol, int32_t aRow) const;
    bool ResolveBaseCell(int32_t aCol, int32_t aRow, int32_t& baseCol, int32_t& baseRow) const;
    bool IsBaseCell(int32_t aCol, int32_t aRow) const;
    bool IsMergedCell(int32_t aCol, int32_t aRow) const;
    bool IsMergedNonBaseCell(int32_t aCol, int32_t aRow) const;
    bool IsXMergedCell(int32_t aCol, int32_t aRow) const;
    bool IsYMergedCell(int32_t aCol, int32_t aRow) const;
    // (merge width - 1, merge height - 1); (0, 0) outside a merge.
    TPoint CellSpan(int32_t aCol, int32_t aRow) const;
    // Distance to the bottom-right cell of the merge.
    TPoint CellExt(int32_t aCol, int32_t aRow) const;
    // The merge in cell coordinates, corners inclusive.
    TRect FullCell(int32_t aCol, int32_t aRow) const;
    int32_t MinRowSpan(int32_t aRow) const;
    int32_t MaxRowSpan(int32_t aRow) const;
    bool RowSpanIdentical(int32_t row1, int32_t row2) const;
    bool ColSpanIdentical(int32_t col1, int32_t col2) const;

    // ---- geometry
    // Client pixels of the whole merge the cell belongs to.
    TRect CellRect(int32_t aCol, int32_t aRow) const;
    TRect CalcCellRect(int32_t aCol, int32_t aRow) const;
    TPoint CellSize(int32_t aCol, int32_t aRow) const;
    void RepaintCell(int32_t aCol, int32_t aRow);
    virtual int32_t TotalColCount() const { return ColCount(); }
    virtual int32_t DisplColIndex(int32_t aCol) const { return aCol; }

    // ---- painting
    void PaintCell(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state);
    // Background, selection look and lines only, in rect as given.
    void PaintCellExt(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state);
    int32_t PaintID() const { return FPaintID; }

    virtual bool IsFixed(int32_t aCol, int32_t aRow) const;
    virtual int32_t GetRowIndent(int32_t aRow) const;
    virtual bool HasNodes() const { return false; }
    virtual void GetVisualProperties(int32_t aCol, int32_t aRow, TGridDrawState& state, bool print, bool select,
        bool remap, TBrush& brush, TColor& colorTo, TColor& mirrorColor, TColor& mirrorColorTo, TFont& font,
        TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& gradientDirection);

protected:
    virtual void DrawCellContent(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state);
    virtual void LastRowChanged() { }
    virtual void GetDisplText(int32_t aCol, int32_t aRow, String& value) const;
    virtual void GetDisplWideText(int32_t aCol, int32_t aRow, String& value) const;
    virtual void GetDefaultCellProps(int32_t aCol, int32_t aRow, TFont& font, TBrush& brush, TColor& colorTo,
        TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
        TCellGradientDirection& gradientDirection);
    virtual void CellTextChanged(int32_t aCol, int32_t aRow);
    virtual bool HasCustomCellBorders() const { return false; }
    virtual bool UsesVCLStyles() const { return false; }

    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state) override;
    bool SelectCell(int32_t aCol, int32_t aRow) override;
    void TopLeftChanged() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void SizeChanged(int32_t oldColCount, int32_t oldRowCount) override;
    void ColumnMoved(int32_t fromIndex, int32_t toIndex) override;

    void PaintGridCell(TCanvas& canvas, int32_t aCol, int32_t aRow, TRect rect, TGridDrawState state, bool full);
    void MoveToBaseCell();
    int32_t SumFixedColWidths() const;
    int32_t SumFixedRowHeights() const;
    void RepaintMergedFixedColCells();
    void RepaintMergedFixedRowCells();

    // The raw object slot: the cell's properties or null. Setting frees
    // what the slot held; extracting hands the properties to the caller
    // (to move them to another cell) and leaves the slot empty.
    TCellProperties* GetGridObject(int32_t aCol, int32_t aRow) const;
    void SetGridObject(int32_t aCol, int32_t aRow, std::unique_ptr<TCellProperties> props);
    std::unique_ptr<TCellProperties> ExtractGridObject(int32_t aCol, int32_t aRow);

    bool FHideLastRow = false;
    // Rows below this pass the display-text hooks.
    int32_t FNormalRowCount = 0;
    int32_t FHoverRowIdx = -1;
    bool FShowSel = true;
    bool FCustomSelect = true;

private:
    friend class TCellProperties;

    // The properties of a cell that has them (HasCellProps), else null.
    TCellProperties* PropsOf(int32_t aCol, int32_t aRow) const;
    void FreePropsOfRows(int32_t fromRow, int32_t toRow);
    void SelectionLook(TCanvas& canvas, int32_t aCol, const TRect& rect);

    bool FDefaultDrawing = false;
    int32_t FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    int32_t FPaintID = 1;
    bool FScreenPass = false;
    TDudOderUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells { hcNormal, hcSelected };
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FHasCellProps = false;
    int32_t FMergeCount = 0;
    // One past the largest column that ever held properties: the store keeps
    // cells beyond ColCount, and all of them are freed with the grid.
    int32_t FPropsColEnd = 0;
    // Texts written to rows at or beyond RowCount, by row; they move into
    // the grid when RowCount grows over them.
    std::map<int32_t, std::vector<String>> FRowsBeyond;
};
