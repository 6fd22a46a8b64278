#pragma once

#include "grid/DudOder.h"
#include "platform/core/Collection.h"
#include "platform/core/StringList.h"
#include "platform/graphics/GraphicsObjects.h"

#include <cstdint>
#include <functional>
#include <memory>

class TDudColumnGrid;
class TPopupMenu;
class TStream;

enum TColumnPopupType {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick
};

// The settings of one column of a column grid; item i belongs to real column i.
// A detached item (no collection) has no grid: its width reads 0 and its
// changes reach nothing.
class TGridColumnItem : public TCollectionItem {
public:
    explicit TGridColumnItem(TCollection* collection);
    ~TGridColumnItem() override;

    // Copies every setting but the popup type and the two print switches,
    // without running a setter: nothing is repainted, no cell is written and
    // the grid's column width stays.
    void Assign(const TPersistent& source) override;
    // The look and behaviour only: no header, name, tag, combo items, dropdown
    // count or header font; font and colour come from the grid.
    void AssignVisuals(const TGridColumnItem& source);
    String DisplayName() const override;
    String GetDisplayName() const { return DisplayName(); }

    TDudColumnGrid* Grid() const;

    int32_t Width() const;
    void SetWidth(int32_t value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Repaint(FAlignment, value); }
    const String& Header() const { return FColumnHeader; }
    void SetHeader(const String& value);
    TSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TSortStyle value) { FSortStyle = value; }
    const String& SortPrefix() const { return FSortPrefix; }
    void SetSortPrefix(const String& value) { FSortPrefix = value; }
    const String& SortSuffix() const { return FSortSuffix; }
    void SetSortSuffix(const String& value) { FSortSuffix = value; }
    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& value) { FEditMask = value; }
    int32_t EditLength() const { return FEditLength; }
    void SetEditLength(int32_t value) { FEditLength = value; }
    TEditLink* EditLink() const { return FEditLink; }
    // The column grid hears of the link's removal, wherever the link lives.
    void SetEditLink(TEditLink* value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Update(FColor, value); }
    TEditorType Editor() const { return FEditorType; }
    void SetEditor(TEditorType value);
    bool Fixed() const { return FFixed; }
    void SetFixed(bool value) { Update(FFixed, value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    TStringList& ComboItems() { return FComboItems; }
    const TStringList& ComboItems() const { return FComboItems; }
    void SetComboItems(const TStrings& value) { FComboItems.Assign(value); }
    int32_t DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int32_t value) { FDropDownCount = value; }
    int32_t SpinMin() const { return FSpinMin; }
    void SetSpinMin(int32_t value) { FSpinMin = value; }
    int32_t SpinMax() const { return FSpinMax; }
    void SetSpinMax(int32_t value) { FSpinMax = value; }
    int32_t SpinStep() const { return FSpinStep; }
    void SetSpinStep(int32_t value) { FSpinStep = value; }
    bool Password() const { return FPassword; }
    void SetPassword(bool value) { Update(FPassword, value); }
    TFont& PrintFont() { return FPrintFont; }
    const TFont& PrintFont() const { return FPrintFont; }
    void SetPrintFont(const TFont& value) { FPrintFont.Assign(value); }
    TColor PrintColor() const { return FPrintColor; }
    void SetPrintColor(TColor value) { FPrintColor = value; }
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders value) { Update(FBorders, value); }
    TPen& BorderPen() { return FBorderPen; }
    const TPen& BorderPen() const { return FBorderPen; }
    void SetBorderPen(const TPen& value);
    TCellBorders PrintBorders() const { return FPrintBorders; }
    void SetPrintBorders(TCellBorders value) { FPrintBorders = value; }
    TPen& PrintBorderPen() { return FPrintBorderPen; }
    const TPen& PrintBorderPen() const { return FPrintBorderPen; }
    void SetPrintBorderPen(const TPen& value) { FPrintBorderPen.Assign(value); }
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    int32_t DefIdx() const { return FDefIdx; }
    void SetDefIdx(int32_t value) { FDefIdx = value; }
    const String& Name() const { return FName; }
    void SetName(const String& value) { FName = value; }
    const String& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const String& value) { FCheckFalse = value; }
    const String& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const String& value) { FCheckTrue = value; }
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool value) { Update(FShowBands, value); }
    TStringList& Filter() { return FFilter; }
    const TStringList& Filter() const { return FFilter; }
    void SetFilter(const TStrings& value) { FFilter.Assign(value); }
    int32_t MaxSize() const { return FMaxSize; }
    void SetMaxSize(int32_t value) { FMaxSize = value; }
    int32_t MinSize() const { return FMinSize; }
    void SetMinSize(int32_t value) { FMinSize = value; }
    int32_t AutoMinSize() const { return FAutoMinSize; }
    void SetAutoMinSize(int32_t value) { FAutoMinSize = value; }
    int32_t AutoMaxSize() const { return FAutoMaxSize; }
    void SetAutoMaxSize(int32_t value) { FAutoMaxSize = value; }
    TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
    void SetColumnPopupType(TColumnPopupType value) { FColumnPopupType = value; }
    TPopupMenu* ColumnPopup() const { return FColumnPopup; }
    void SetColumnPopup(TPopupMenu* value) { FColumnPopup = value; }
    bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
    void SetFilterCaseSensitive(bool value) { FFilterCaseSensitive = value; }
    const String& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const String& value) { Repaint(FFloatFormat, value); }
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment value) { Repaint(FHeaderAlignment, value); }
    TFont& HeaderFont() { return FHeaderFont; }
    const TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const TFont& value);
    bool PrintBorderCustom() const { return FPrintBorderCustom; }
    void SetPrintBorderCustom(bool value) { FPrintBorderCustom = value; }
    bool PrintFontCustom() const { return FPrintFontCustom; }
    void SetPrintFontCustom(bool value) { FPrintFontCustom = value; }

    // Typed access to the column's cells (row given, this item's real column).
    String GetRows(int32_t row) const;
    void SetRows(int32_t row, const String& value);
    int32_t GetInts(int32_t row) const;
    void SetInts(int32_t row, int32_t value);
    double GetFloats(int32_t row) const;
    void SetFloats(int32_t row, double value);
    double GetDates(int32_t row) const;
    void SetDates(int32_t row, double value);
    double GetTimes(int32_t row) const;
    void SetTimes(int32_t row, double value);

private:
    friend class TDudColumnGrid;

    template <class T>
    void Repaint(T& field, const T& value)
    {
        field = value;
        RepaintGrid();
    }
    template <class T>
    void Update(T& field, const T& value)
    {
        field = value;
        Changed(false);
    }
    void RepaintGrid() const;
    void ObjectChanged();
    void CopySettings(const TGridColumnItem& source);

    int32_t FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    String FColumnHeader;
    TSortStyle FSortStyle = ssAutomatic;
    String FSortPrefix;
    String FSortSuffix;
    String FEditMask;
    int32_t FEditLength = 0;
    TEditLink* FEditLink = nullptr;
    TFont FFont;
    TColor FColor = 0;
    TEditorType FEditorType = edNormal;
    bool FFixed = false;
    bool FReadOnly = false;
    TStringList FComboItems;
    int32_t FDropDownCount = 8;
    int32_t FSpinMin = 0;
    int32_t FSpinMax = 0;
    int32_t FSpinStep = 1;
    bool FPassword = false;
    TFont FPrintFont;
    TColor FPrintColor = clWhite;
    TCellBorders FBorders;
    TPen FBorderPen;
    TCellBorders FPrintBorders = TCellBorders { cbTop, cbLeft, cbRight, cbBottom };
    TPen FPrintBorderPen;
    int32_t FTag = 0;
    int32_t FDefIdx = 0;
    String FName;
    String FCheckFalse = QStringLiteral("N");
    String FCheckTrue = QStringLiteral("Y");
    bool FShowBands = false;
    TStringList FFilter;
    int32_t FMaxSize = 0;
    int32_t FMinSize = 0;
    int32_t FAutoMinSize = 0;
    int32_t FAutoMaxSize = 0;
    TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
    TPopupMenu* FColumnPopup = nullptr;
    bool FFilterCaseSensitive = false;
    String FFloatFormat;
    TAlignment FHeaderAlignment = taLeftJustify;
    TFont FHeaderFont;
    bool FPrintBorderCustom = true;
    bool FPrintFontCustom = true;
    bool FCopying = false;
};

// The column items of a column grid; their count follows the grid's columns
// (hidden ones included) and the other way round.
class TGridColumnCollection : public TCollection {
public:
    explicit TGridColumnCollection(TDudColumnGrid* owner);

    TDudColumnGrid* Grid() const { return FOwner; }

    // A column added at the end looks and edits like the one before it.
    TGridColumnItem* Add();
    TGridColumnItem* Insert(int32_t index) { return static_cast<TGridColumnItem*>(TCollection::Insert(index)); }
    TGridColumnItem* Items(int32_t index) const { return static_cast<TGridColumnItem*>(TCollection::Items(index)); }
    TGridColumnItem* GetItem(int32_t index) const { return Items(index); }
    void SetItem(int32_t index, const TGridColumnItem& value) { Items(index)->Assign(value); }

    // Brings the count in step with the grid, then records each item's place.
    void SetOrganization();
    // Moves the columns back to the places SetOrganization recorded.
    void ResetOrganization();

    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
    void SetNoRecursiveUpdate(bool value) { FNoRecursiveUpdate = value; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TDudColumnGrid* FOwner;
    bool FNoRecursiveUpdate = false;
};

using TColumnPopupEvent = std::function<void(TDudColumnGrid* sender, int32_t aCol, int32_t aRow, TPopupMenu* popupMenu)>;
using TAfterColumnMoved = std::function<void(TDudColumnGrid* sender, int32_t fromIndex, int32_t toIndex)>;

// The string grid with one settings item per column: every per-cell question
// is answered from the item of the cell's real column.
class TDudColumnGrid : public TDudStringGrid {
public:
    explicit TDudColumnGrid(TComponent* owner);
    ~TDudColumnGrid() override;

    void Loaded() override;
    // Every column's fonts scale with the grid.
    void ChangeScale(int32_t m, int32_t d) override;

    TGridColumnCollection& Columns() { return *FColumnCollection; }
    const TGridColumnCollection& Columns() const { return *FColumnCollection; }
    void SetColumns(const TGridColumnCollection& value) { FColumnCollection->Assign(value); }
    int32_t ColCount() const { return TDudStringGrid::ColCount(); }
    // Adds or frees items so that there is one per column.
    void SetColCount(int32_t value);
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool value) { FAutoFilterDisplay = value; }
    bool ColMoving() const { return FColMoving; }

    // The first item named value (case-sensitive), null when none.
    TGridColumnItem* GetColumnByName(const String& value) const;
    // Every column's settings; the grid does not change.
    void SaveColumnsToStream(TStream& stream) const;
    // Reads what SaveColumnsToStream wrote into the columns. The column count
    // stays: stream items beyond the columns are skipped, columns beyond the
    // stream's items keep their settings. A stream that is not a whole column
    // stream raises EReadError before anything changes.
    void LoadColumnsFromStream(TStream& stream);
    // Each column's initial position, as integer keys CP0, CP1, ... of the
    // section in the INI file named key.
    void SaveColumnPositions(const String& key, const String& section) const;
    // Moves the columns to the saved arrangement; a missing key or a value
    // that is no column's position leaves the arrangement as it is.
    void LoadColumnPositions(const String& key, const String& section);
    void SyncColumns();
    void UpdateColumnHeaders();
    // Whether (col, row) is a cell of a data column in a data row.
    bool IsDataCell(int32_t aCol, int32_t aRow) const;
    // Data cells of a data-check-box column answer the grid's shared
    // virtual check box, whose state is the cell text.
    TCellGraphic* GetCellGraphic(int32_t aCol, int32_t aRow) override;
    TCellType GetCellType(int32_t aCol, int32_t aRow) override;

    int32_t GetVersionNr() const override { return 0x03010301; }
    String GetVersionString() const override;

    void RemoveCols(int32_t colIndex, int32_t count) override;
    void InsertCols(int32_t colIndex, int32_t count) override;
    // The grouped column's settings wait in a detached item until ungrouping.
    void Group(int32_t colIndex) override;
    void UnGroup() override;
    void SaveColPositions() override;
    void LoadColPositions() override;

    TColumnPopupEvent OnColumnPopup;
    TAfterColumnMoved OnAfterColumnMoved;

protected:
    virtual std::unique_ptr<TGridColumnCollection> CreateColumnCollection();

    void Notification(TComponent* component, TOperation operation) override;
    void GetDefaultCellProps(int32_t aCol, int32_t aRow, TFont& font, TBrush& brush, TColor& colorTo,
        TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
        TCellGradientDirection& gradientDirection) override;
    String GetFormattedCell(int32_t aCol, int32_t aRow) override;
    void GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font) override;
    bool GetColumnFilter(int32_t column) override;
    void DoFilterSelect(int32_t itemIndex) override;
    // Display indexes; the item travels with its column.
    void ColumnMoved(int32_t fromIndex, int32_t toIndex) override;
    void ColWidthsChanged() override;
    int32_t GetEditLimit() override;
    String GetEditMask(int32_t aCol, int32_t aRow) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

    void GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font) override;
    void GetCellBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders) override;
    void GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders) override;
    void GetCellAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign) override;
    void GetSortFormat(int32_t aCol, TSortStyle& style, String& prefix, String& suffix) override;
    void GetCellEditorType(int32_t aCol, int32_t aRow, TEditorType& editor) override;
    void IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed) override;
    void CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit) override;
    void IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword) override;
    bool HasComboBox(int32_t aCol, int32_t aRow) override;
    void GetCheckTrue(int32_t aCol, int32_t aRow, String& value) override;
    void GetCheckFalse(int32_t aCol, int32_t aRow, String& value) override;
    String GetFloatFormat(int32_t aCol, int32_t aRow) override;
    void DoUpdateColumnSize(int32_t aCol, int32_t& width) override;
    void DoUpdateAutoColumnSize(int32_t aCol, int32_t& width) override;
    void SyncColumnHeaders() override;
    void RecalcAllFooters() override;

private:
    friend class TGridColumnCollection;

    // The item of a real column, null beyond the items.
    TGridColumnItem* ItemOf(int32_t realCol) const;
    bool InEditableArea(int32_t aCol, int32_t aRow) const;
    bool ShowsVirtualCheck(int32_t aCol, int32_t aRow, const TCellGraphic* ownGraphic);
    void SyncColumnsQuietly();

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    std::unique_ptr<TCellGraphic> FVirtCheckGraphic;
    bool FColMoving = false;
    bool FAutoFilterDisplay = false;
};
