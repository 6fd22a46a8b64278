#pragma once

#include "platform/core/Persistent.h"
#include "platform/core/StringList.h"
#include "platform/graphics/GraphicsObjects.h"

#include <cstdint>
#include <functional>
#include <memory>

// The settings objects a string grid owns and publishes as nested properties.
// Assign copies only from an object of the same class and fires no change
// event; the owning grid connects the events to its own handlers.

class TDudStringGrid;

enum TSearchDirection { sdTopBottom, sdLeftRight };

// The search bar under the grid.
class TSearchFooter : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TSearchFooter* sender)>;

    // The captions and hints get their texts only when the owner asks for
    // design-time initialisation; otherwise they start empty.
    explicit TSearchFooter(bool designTimeInit);
    ~TSearchFooter() override;

    void Assign(const TPersistent& source) override;

    bool AlwaysHighLight() const { return FAlwaysHighLight; }
    void SetAlwaysHighLight(bool value) { FAlwaysHighLight = value; }
    bool AutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool value) { FAutoSearch = value; }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    const String& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const String& value) { SetText(FFindNextCaption, value); }
    const String& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const String& value) { SetText(FFindPrevCaption, value); }
    TFont& Font() const { return *FFont; }
    void SetFont(const TFont& value);
    const String& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const String& value) { SetText(FHighLightCaption, value); }
    const String& HintClose() const { return FHintClose; }
    void SetHintClose(const String& value) { SetText(FHintClose, value); }
    const String& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const String& value) { SetText(FHintFindNext, value); }
    const String& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const String& value) { SetText(FHintFindPrev, value); }
    const String& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const String& value) { SetText(FHintHighlight, value); }
    const String& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const String& value) { SetText(FMatchCaseCaption, value); }
    bool SearchActiveColumnOnly() const { return FSearchActiveColumnOnly; }
    void SetSearchActiveColumnOnly(bool value) { FSearchActiveColumnOnly = value; }
    int32_t SearchColumn() const { return FSearchColumn; }
    void SetSearchColumn(int32_t value) { FSearchColumn = value; }
    bool SearchMatchStart() const { return FSearchMatchStart; }
    void SetSearchMatchStart(bool value) { FSearchMatchStart = value; }
    bool SearchFixedCells() const { return FSearchFixedCells; }
    void SetSearchFixedCells(bool value) { FSearchFixedCells = value; }
    bool SearchHiddenRows() const { return FSearchHiddenRows; }
    void SetSearchHiddenRows(bool value) { FSearchHiddenRows = value; }
    TSearchDirection SearchDirection() const { return FSearchDirection; }
    void SetSearchDirection(TSearchDirection value) { FSearchDirection = value; }
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool value);
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool value) { SetShown(FShowFindNext, value); }
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool value) { SetShown(FShowFindPrev, value); }
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool value) { SetShown(FShowHighLight, value); }
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool value) { SetShown(FShowMatchCase, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetShown(FVisible, value); }
    // The text last searched for: state of the search, never copied.
    const String& LastSearch() const { return FLastSearch; }
    void SetLastSearch(const String& value) { FLastSearch = value; }

    TNotifyEvent OnChange;

private:
    void Changed();
    void SetText(String& field, const String& value);
    void SetShown(bool& field, bool value);

    bool FAlwaysHighLight = false;
    bool FAutoSearch = true;
    bool FAutoThemeAdapt = false;
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    String FFindNextCaption;
    String FFindPrevCaption;
    std::unique_ptr<TFont> FFont;
    String FHighLightCaption;
    String FHintClose;
    String FHintFindNext;
    String FHintFindPrev;
    String FHintHighlight;
    String FMatchCaseCaption;
    bool FSearchActiveColumnOnly = false;
    int32_t FSearchColumn = -1;
    bool FSearchMatchStart = false;
    bool FSearchFixedCells = false;
    bool FSearchHiddenRows = false;
    TSearchDirection FSearchDirection = sdTopBottom;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
    String FLastSearch;
};

enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TCursorAdvance { caDefault, caSnake, caLoop };

// Keyboard, editing and clipboard behaviour.
class TNavigation : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TNavigation* sender)>;

    void Assign(const TPersistent& source) override;

    bool AllowInsertRow() const { return FSettings.AllowInsertRow; }
    void SetAllowInsertRow(bool value) { FSettings.AllowInsertRow = value; }
    bool AllowDeleteRow() const { return FSettings.AllowDeleteRow; }
    void SetAllowDeleteRow(bool value) { FSettings.AllowDeleteRow = value; }
    bool AdvanceOnEnter() const { return FSettings.AdvanceOnEnter; }
    void SetAdvanceOnEnter(bool value) { FSettings.AdvanceOnEnter = value; }
    bool AdvanceInsert() const { return FSettings.AdvanceInsert; }
    void SetAdvanceInsert(bool value);
    bool AutoGotoWhenSorted() const { return FSettings.AutoGotoWhenSorted; }
    void SetAutoGotoWhenSorted(bool value) { FSettings.AutoGotoWhenSorted = value; }
    bool AutoGotoIncremental() const { return FSettings.AutoGotoIncremental; }
    void SetAutoGotoIncremental(bool value) { FSettings.AutoGotoIncremental = value; }
    bool AutoComboDropSize() const { return FSettings.AutoComboDropSize; }
    void SetAutoComboDropSize(bool value) { FSettings.AutoComboDropSize = value; }
    bool AllowClipboardShortCuts() const { return FSettings.AllowClipboardShortCuts; }
    void SetAllowClipboardShortCuts(bool value) { FSettings.AllowClipboardShortCuts = value; }
    bool AllowRTFClipboard() const { return FSettings.AllowRTFClipboard; }
    void SetAllowRTFClipboard(bool value) { FSettings.AllowRTFClipboard = value; }
    bool AllowSmartClipboard() const { return FSettings.AllowSmartClipboard; }
    void SetAllowSmartClipboard(bool value) { FSettings.AllowSmartClipboard = value; }
    bool AllowClipboardAlways() const { return FSettings.AllowClipboardAlways; }
    void SetAllowClipboardAlways(bool value) { FSettings.AllowClipboardAlways = value; }
    bool AllowClipboardColGrow() const { return FSettings.AllowClipboardColGrow; }
    void SetAllowClipboardColGrow(bool value) { FSettings.AllowClipboardColGrow = value; }
    bool AllowClipboardRowGrow() const { return FSettings.AllowClipboardRowGrow; }
    void SetAllowClipboardRowGrow(bool value) { FSettings.AllowClipboardRowGrow = value; }
    TClipboardPasteAction ClipboardPasteAction() const { return FSettings.ClipboardPasteAction; }
    void SetClipboardPasteAction(TClipboardPasteAction value) { FSettings.ClipboardPasteAction = value; }
    bool CopyHTMLTagsToClipboard() const { return FSettings.CopyHTMLTagsToClipboard; }
    void SetCopyHTMLTagsToClipboard(bool value) { FSettings.CopyHTMLTagsToClipboard = value; }
    TAdvanceDirection AdvanceDirection() const { return FSettings.AdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection value);
    bool AdvanceAuto() const { return FSettings.AdvanceAuto; }
    // Turning it on turns AdvanceOnEnter on too; turning it off leaves that alone.
    void SetAdvanceAuto(bool value);
    bool AdvanceAutoEdit() const { return FSettings.AdvanceAutoEdit; }
    void SetAdvanceAutoEdit(bool value) { FSettings.AdvanceAutoEdit = value; }
    bool CursorWalkEditor() const { return FSettings.CursorWalkEditor; }
    void SetCursorWalkEditor(bool value) { FSettings.CursorWalkEditor = value; }
    bool CursorWalkAlwaysEdit() const { return FSettings.CursorWalkAlwaysEdit; }
    void SetCursorWalkAlwaysEdit(bool value) { FSettings.CursorWalkAlwaysEdit = value; }
    bool MoveRowOnSort() const { return FSettings.MoveRowOnSort; }
    void SetMoveRowOnSort(bool value) { FSettings.MoveRowOnSort = value; }
    bool KeepScrollOnSort() const { return FSettings.KeepScrollOnSort; }
    void SetKeepScrollOnSort(bool value) { FSettings.KeepScrollOnSort = value; }
    bool ImproveMaskSel() const { return FSettings.ImproveMaskSel; }
    void SetImproveMaskSel(bool value) { FSettings.ImproveMaskSel = value; }
    bool AlwaysEdit() const { return FSettings.AlwaysEdit; }
    void SetAlwaysEdit(bool value) { FSettings.AlwaysEdit = value; }
    TInsertPosition InsertPosition() const { return FSettings.InsertPosition; }
    void SetInsertPosition(TInsertPosition value) { FSettings.InsertPosition = value; }
    bool LineFeedOnEnter() const { return FSettings.LineFeedOnEnter; }
    void SetLineFeedOnEnter(bool value) { FSettings.LineFeedOnEnter = value; }
    THomeEndAction HomeEndKey() const { return FSettings.HomeEndKey; }
    void SetHomeEndKey(THomeEndAction value) { FSettings.HomeEndKey = value; }
    bool KeepHorizScroll() const { return FSettings.KeepHorizScroll; }
    void SetKeepHorizScroll(bool value) { FSettings.KeepHorizScroll = value; }
    bool AllowFmtClipboard() const { return FSettings.AllowFmtClipboard; }
    void SetAllowFmtClipboard(bool value) { FSettings.AllowFmtClipboard = value; }
    bool TabToNextAtEnd() const { return FSettings.TabToNextAtEnd; }
    void SetTabToNextAtEnd(bool value) { FSettings.TabToNextAtEnd = value; }
    bool EditSelectAll() const { return FSettings.EditSelectAll; }
    void SetEditSelectAll(bool value) { FSettings.EditSelectAll = value; }
    TAdvanceDirection TabAdvanceDirection() const { return FSettings.TabAdvanceDirection; }
    void SetTabAdvanceDirection(TAdvanceDirection value) { FSettings.TabAdvanceDirection = value; }
    bool SkipFixedCells() const { return FSettings.SkipFixedCells; }
    void SetSkipFixedCells(bool value) { FSettings.SkipFixedCells = value; }
    bool SkipDisabledRows() const { return FSettings.SkipDisabledRows; }
    void SetSkipDisabledRows(bool value) { FSettings.SkipDisabledRows = value; }
    bool AllowCtrlEnter() const { return FSettings.AllowCtrlEnter; }
    void SetAllowCtrlEnter(bool value) { FSettings.AllowCtrlEnter = value; }
    bool AppendOnArrowDown() const { return FSettings.AppendOnArrowDown; }
    void SetAppendOnArrowDown(bool value) { FSettings.AppendOnArrowDown = value; }
    bool LeftRightRowSelect() const { return FSettings.LeftRightRowSelect; }
    void SetLeftRightRowSelect(bool value) { FSettings.LeftRightRowSelect = value; }
    bool MoveScrollOnly() const { return FSettings.MoveScrollOnly; }
    void SetMoveScrollOnly(bool value) { FSettings.MoveScrollOnly = value; }
    bool ComboGetUpDown() const { return FSettings.ComboGetUpDown; }
    void SetComboGetUpDown(bool value) { FSettings.ComboGetUpDown = value; }
    bool AdvanceOnEnterLoop() const { return FSettings.AdvanceOnEnterLoop; }
    void SetAdvanceOnEnterLoop(bool value) { FSettings.AdvanceOnEnterLoop = value; }
    TCursorAdvance CursorAdvance() const { return FSettings.CursorAdvance; }
    void SetCursorAdvance(TCursorAdvance value) { FSettings.CursorAdvance = value; }
    bool AdvanceSkipReadOnlyCells() const { return FSettings.AdvanceSkipReadOnlyCells; }
    void SetAdvanceSkipReadOnlyCells(bool value) { FSettings.AdvanceSkipReadOnlyCells = value; }
    bool CursorMoveRows() const { return FSettings.CursorMoveRows; }
    void SetCursorMoveRows(bool value) { FSettings.CursorMoveRows = value; }

    TNotifyEvent OnChange;

private:
    void Changed();

    struct TSettings {
        bool AllowInsertRow = false;
        bool AllowDeleteRow = false;
        bool AdvanceOnEnter = false;
        bool AdvanceInsert = false;
        bool AutoGotoWhenSorted = false;
        bool AutoGotoIncremental = false;
        bool AutoComboDropSize = false;
        bool AllowClipboardShortCuts = false;
        bool AllowRTFClipboard = false;
        bool AllowSmartClipboard = false;
        bool AllowClipboardAlways = false;
        bool AllowClipboardColGrow = true;
        bool AllowClipboardRowGrow = true;
        TClipboardPasteAction ClipboardPasteAction = paReplace;
        bool CopyHTMLTagsToClipboard = true;
        TAdvanceDirection AdvanceDirection = adLeftRight;
        bool AdvanceAuto = false;
        bool AdvanceAutoEdit = true;
        bool CursorWalkEditor = false;
        bool CursorWalkAlwaysEdit = true;
        bool MoveRowOnSort = false;
        bool KeepScrollOnSort = false;
        bool ImproveMaskSel = false;
        bool AlwaysEdit = false;
        TInsertPosition InsertPosition = pInsertBefore;
        bool LineFeedOnEnter = false;
        THomeEndAction HomeEndKey = heFirstLastColumn;
        bool KeepHorizScroll = false;
        bool AllowFmtClipboard = false;
        bool TabToNextAtEnd = false;
        bool EditSelectAll = true;
        TAdvanceDirection TabAdvanceDirection = adLeftRight;
        bool SkipFixedCells = true;
        bool SkipDisabledRows = true;
        bool AllowCtrlEnter = true;
        bool AppendOnArrowDown = false;
        bool LeftRightRowSelect = true;
        bool MoveScrollOnly = false;
        bool ComboGetUpDown = true;
        bool AdvanceOnEnterLoop = true;
        TCursorAdvance CursorAdvance = caDefault;
        bool AdvanceSkipReadOnlyCells = true;
        bool CursorMoveRows = false;
    };
    TSettings FSettings;
};

enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// Mouse behaviour.
class TMouseActions : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TMouseActions* sender)>;
    using TIsDesigningEvent = std::function<bool(TMouseActions* sender)>;

    TMouseActions();
    ~TMouseActions() override;

    void Assign(const TPersistent& source) override;

    bool ColSelect() const { return FSettings.ColSelect; }
    void SetColSelect(bool value) { FSettings.ColSelect = value; }
    bool RowSelect() const { return FSettings.RowSelect; }
    void SetRowSelect(bool value) { FSettings.RowSelect = value; }
    bool AllSelect() const { return FSettings.AllSelect; }
    void SetAllSelect(bool value) { FSettings.AllSelect = value; }
    bool DirectEdit() const { return FSettings.DirectEdit; }
    void SetDirectEdit(bool value) { FSettings.DirectEdit = value; }
    bool DirectComboDrop() const { return FSettings.DirectComboDrop; }
    void SetDirectComboDrop(bool value) { FSettings.DirectComboDrop = value; }
    bool DirectComboClose() const { return FSettings.DirectComboClose; }
    void SetDirectComboClose(bool value) { FSettings.DirectComboClose = value; }
    bool DirectDateClose() const { return FSettings.DirectDateClose; }
    void SetDirectDateClose(bool value) { FSettings.DirectDateClose = value; }
    bool DirectDateDrop() const { return FSettings.DirectDateDrop; }
    void SetDirectDateDrop(bool value) { FSettings.DirectDateDrop = value; }
    // At design time the three disjunct selections exclude each other; at
    // run time they may be on together.
    bool DisjunctRowSelect() const { return FSettings.DisjunctRowSelect; }
    void SetDisjunctRowSelect(bool value);
    bool DisjunctColSelect() const { return FSettings.DisjunctColSelect; }
    void SetDisjunctColSelect(bool value);
    bool DisjunctCellSelect() const { return FSettings.DisjunctCellSelect; }
    void SetDisjunctCellSelect(bool value);
    bool AllColumnSize() const { return FSettings.AllColumnSize; }
    void SetAllColumnSize(bool value) { FSettings.AllColumnSize = value; }
    bool AllRowSize() const { return FSettings.AllRowSize; }
    void SetAllRowSize(bool value) { FSettings.AllRowSize = value; }
    bool CaretPositioning() const { return FSettings.CaretPositioning; }
    void SetCaretPositioning(bool value) { FSettings.CaretPositioning = value; }
    bool SizeFixedCol() const { return FSettings.SizeFixedCol; }
    void SetSizeFixedCol(bool value) { FSettings.SizeFixedCol = value; }
    bool SizeFixedRow() const { return FSettings.SizeFixedRow; }
    void SetSizeFixedRow(bool value) { FSettings.SizeFixedRow = value; }
    TGridFixedCellEdit FixedRowsEdit() const { return FSettings.FixedRowsEdit; }
    void SetFixedRowsEdit(TGridFixedCellEdit value) { FSettings.FixedRowsEdit = value; }
    TGridFixedCellEdit FixedColsEdit() const { return FSettings.FixedColsEdit; }
    void SetFixedColsEdit(TGridFixedCellEdit value) { FSettings.FixedColsEdit = value; }
    TGridFixedCellEditor FixedRowsEditor() const { return FSettings.FixedRowsEditor; }
    void SetFixedRowsEditor(TGridFixedCellEditor value) { FSettings.FixedRowsEditor = value; }
    TGridFixedCellEditor FixedColsEditor() const { return FSettings.FixedColsEditor; }
    void SetFixedColsEditor(TGridFixedCellEditor value) { FSettings.FixedColsEditor = value; }
    bool HotmailRowSelect() const { return FSettings.HotmailRowSelect; }
    // Turning it on also turns DisjunctRowSelect and CheckAllCheck on.
    void SetHotmailRowSelect(bool value);
    bool RangeSelectAndEdit() const { return FSettings.RangeSelectAndEdit; }
    void SetRangeSelectAndEdit(bool value) { FSettings.RangeSelectAndEdit = value; }
    bool NoAutoRangeScroll() const { return FSettings.NoAutoRangeScroll; }
    void SetNoAutoRangeScroll(bool value) { FSettings.NoAutoRangeScroll = value; }
    bool PreciseCheckBoxCheck() const { return FSettings.PreciseCheckBoxCheck; }
    void SetPreciseCheckBoxCheck(bool value) { FSettings.PreciseCheckBoxCheck = value; }
    bool PreciseNodeClick() const { return FSettings.PreciseNodeClick; }
    void SetPreciseNodeClick(bool value) { FSettings.PreciseNodeClick = value; }
    bool CheckAllCheck() const { return FSettings.CheckAllCheck; }
    void SetCheckAllCheck(bool value) { FSettings.CheckAllCheck = value; }
    bool NodeAllExpandContract() const { return FSettings.NodeAllExpandContract; }
    void SetNodeAllExpandContract(bool value) { FSettings.NodeAllExpandContract = value; }
    bool MoveRowOnNodeClick() const { return FSettings.MoveRowOnNodeClick; }
    void SetMoveRowOnNodeClick(bool value) { FSettings.MoveRowOnNodeClick = value; }
    bool RowSelectPersistent() const { return FSettings.RowSelectPersistent; }
    void SetRowSelectPersistent(bool value) { FSettings.RowSelectPersistent = value; }
    bool SelectOnRightClick() const { return FSettings.SelectOnRightClick; }
    void SetSelectOnRightClick(bool value) { FSettings.SelectOnRightClick = value; }
    bool NoScrollOnPartialRow() const { return FSettings.NoScrollOnPartialRow; }
    void SetNoScrollOnPartialRow(bool value) { FSettings.NoScrollOnPartialRow = value; }
    int32_t WheelIncrement() const { return FSettings.WheelIncrement; }
    void SetWheelIncrement(int32_t value) { FSettings.WheelIncrement = value; }
    TWheelAction WheelAction() const { return FSettings.WheelAction; }
    void SetWheelAction(TWheelAction value);
    bool AutoSizeColOnDblClick() const { return FSettings.AutoSizeColOnDblClick; }
    void SetAutoSizeColOnDblClick(bool value) { FSettings.AutoSizeColOnDblClick = value; }
    bool EditOnDblClickOnly() const { return FSettings.EditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool value);
    bool DisjunctRowSelectNoCtrl() const { return FSettings.DisjunctRowSelectNoCtrl; }
    void SetDisjunctRowSelectNoCtrl(bool value) { FSettings.DisjunctRowSelectNoCtrl = value; }
    TStringList& FixedComboValues() const { return *FFixedComboValues; }
    void SetFixedComboValues(const TStrings& values) { FFixedComboValues->Assign(values); }

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnDisableEdit;

private:
    bool IsDesigning() { return OnIsDesigning && OnIsDesigning(this); }

    struct TSettings {
        bool ColSelect = false;
        bool RowSelect = false;
        bool AllSelect = false;
        bool DirectEdit = false;
        bool DirectComboDrop = false;
        bool DirectComboClose = false;
        bool DirectDateClose = false;
        bool DirectDateDrop = false;
        bool DisjunctRowSelect = false;
        bool DisjunctColSelect = false;
        bool AllColumnSize = false;
        bool AllRowSize = false;
        bool CaretPositioning = false;
        bool SizeFixedCol = false;
        bool SizeFixedRow = false;
        bool DisjunctCellSelect = false;
        TGridFixedCellEdit FixedRowsEdit = fceNone;
        TGridFixedCellEdit FixedColsEdit = fceNone;
        TGridFixedCellEditor FixedRowsEditor = fceEdit;
        TGridFixedCellEditor FixedColsEditor = fceEdit;
        bool HotmailRowSelect = false;
        bool RangeSelectAndEdit = false;
        bool NoAutoRangeScroll = false;
        bool PreciseCheckBoxCheck = false;
        bool PreciseNodeClick = true;
        bool CheckAllCheck = false;
        bool NodeAllExpandContract = false;
        bool MoveRowOnNodeClick = false;
        bool RowSelectPersistent = false;
        bool SelectOnRightClick = false;
        bool NoScrollOnPartialRow = false;
        int32_t WheelIncrement = 0;
        TWheelAction WheelAction = waMoveSelection;
        bool AutoSizeColOnDblClick = true;
        bool EditOnDblClickOnly = false;
        bool DisjunctRowSelectNoCtrl = false;
    };
    TSettings FSettings;
    std::unique_ptr<TStringList> FFixedComboValues;
};

// Another grid kept in step with the owning one; never owned.
class TSyncGrid : public TPersistent {
public:
    explicit TSyncGrid(TDudStringGrid* owner) : FOwner(owner) { }

    void Assign(const TPersistent& source) override;

    TDudStringGrid* Grid() const { return FGrid; }
    // The owning grid cannot follow itself: setting it is ignored.
    void SetGrid(TDudStringGrid* value);
    // Hears every change of the partner (old, new), so the owner can learn
    // of the partner's end.
    std::function<void(TDudStringGrid* old, TDudStringGrid* value)> OnGridChange;
    bool ScrollVertical() const { return FScrollVertical; }
    void SetScrollVertical(bool value) { FScrollVertical = value; }
    bool ScrollHorizontal() const { return FScrollHorizontal; }
    void SetScrollHorizontal(bool value) { FScrollHorizontal = value; }
    bool SelectionColumn() const { return FSelectionColumn; }
    void SetSelectionColumn(bool value) { FSelectionColumn = value; }
    bool SelectionRow() const { return FSelectionRow; }
    void SetSelectionRow(bool value) { FSelectionRow = value; }
    bool MoveColumn() const { return FMoveColumn; }
    void SetMoveColumn(bool value) { FMoveColumn = value; }
    bool MoveRow() const { return FMoveRow; }
    void SetMoveRow(bool value) { FMoveRow = value; }

private:
    TDudStringGrid* FOwner;
    TDudStringGrid* FGrid = nullptr;
    bool FScrollVertical = false;
    bool FScrollHorizontal = false;
    bool FSelectionColumn = false;
    bool FSelectionRow = false;
    bool FMoveColumn = false;
    bool FMoveRow = false;
};

// Alternating row colours: after the fixed rows, PrimaryLength rows in the
// primary colour, then SecondaryLength rows in the secondary one, repeated.
class TBands : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TBands* sender)>;

    void Assign(const TPersistent& source) override;

    bool Print() const { return FPrint; }
    void SetPrint(bool value) { FPrint = value; }
    bool Active() const { return FActive; }
    void SetActive(bool value);
    int32_t TotalLength() const { return FTotalLength; }
    int32_t PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int32_t value);
    int32_t SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int32_t value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor value);

    // The band colour of a non-fixed row. Lengths that leave no band at all
    // (a total of 0 or below) give the primary colour instead of dividing by zero.
    TColor RowColor(int32_t row, int32_t fixedRows) const;

    TNotifyEvent OnChange;

private:
    void Changed();
    void SetLength(int32_t& field, int32_t value);
    void UpdateTotalLength();
    void SetBandColor(TColor& field, TColor value);

    bool FPrint = false;
    bool FActive = false;
    int32_t FTotalLength = 2;
    int32_t FSecondaryLength = 1;
    int32_t FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    TColor FPrimaryColor = clInfoBk;
};

class TFocusHelper : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }

private:
    bool FEnabled = false;
};
