#pragma once

// The string grid every table editor of the program rests on: the base grid's
// cell store with hidden columns and rows, per-cell hooks that the column
// grid answers from its column settings, typed cell access, selection lists,
// editing, painting and the settings objects it publishes.
//
// The class is large; its bodies are split by concern over DudOder*.cpp.
// Operations whose feature is not built yet keep a default that shows
// nothing and writes nothing, so descendants and dialogs bind to the final
// declaration.

#include "grid/DudOder_CellGraphic.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_GridSettings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/DudOder_Types.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/DudStyleIF.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/RovIvir_Draw.h"
#include "grid/base/VidEri.h"
#include "grid/base/VidEri_Options.h"
#include "grid/base/zuzcheck.h"
#include "platform/core/StringList.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/RichTextPaint.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class TGridItem;
class TFilter;
class TFilterData;
class TSortSettings;
class TFloatingFooter;
class TGrouping;
class TBalloonSettings;
class TGridTransEdit;
class TControlEdit;
class TControlCombo;
class TGridTransCombo;
class THeaderDragButton;
class TShowModified;
class TBackGround;
class TFilterDropDown;
class TDropList;
class TDropCheckList;
class TDragDropSettings;
class TGridDropTarget;
class TCustomListBox;
class TDragScrollOptions;
struct TBalloonTipContent;
class TGridProgressAppearance;
class TGridChangeNotifier;
class TRichEdit;
class TFooterPanel;
class TSearchPanel;
class TScrollControl;
class TTimer;
class THTMLHintWindow;
class TGridFocusWindow;
class THTMLHintWindow;
struct THintInfo;
class TGridCombo;
class TGridDatePicker;
class TGridDateTimePicker;
class TDudInplaceEdit;
class TGridSpin;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridCheckBox;
class TGridButton;
class TGridEditorKeys;
class TDudRichEdit;
class TSortKeys;
struct TSortColumnKeys;

// percent of a over b in each channel: 100 or more gives a, below 1 (or a
// none) gives b, b none gives a.
TColor BlendColors(TColor a, TColor b, int32_t percent);
TColor BlendColorsIf(TColor a, TColor b, bool mix, int32_t percent);

struct TCellPaint;

// Real columns that take part in hiding; the visibility table has one entry
// more, which stays shown.
constexpr int32_t MaxHideableColumns = 512;

// Told of every cell the grid's selection code visits.
class RURevUvarudArivOrodar {
public:
    virtual ~RURevUvarudArivOrodar() = default;
    virtual void CellSelected(int32_t aCol, int32_t aRow) = 0;
};

class TDudStringGrid : public TBaseGrid {
public:
    explicit TDudStringGrid(TComponent* owner);
    ~TDudStringGrid() override;

    // Copies settings, dimensions and then the cells from another string
    // grid; any other source is ignored.
    void Assign(const TPersistent& source) override;
    void Loaded() override;
    // Clears only the one-shot flag an editor change set; otherwise repaints.
    void Invalidate() override;
    // With IntegralHeight the client area holds whole rows.
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    // ---- dimensions
    int32_t RowCount() const { return TBaseGrid::RowCount(); }
    void SetRowCount(int32_t value);
    int32_t ColCount() const { return TBaseGrid::ColCount(); }
    void SetColCount(int32_t value);
    int32_t FixedRows() const;
    void SetFixedRows(int32_t value);
    int32_t FixedCols() const;
    void SetFixedCols(int32_t value);
    int32_t FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int32_t value);
    int32_t FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int32_t value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool value) { FFixedRowAlways = value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool value) { FFixedColAlways = value; }
    int32_t DefaultRowHeight() const { return TBaseGrid::DefaultRowHeight(); }
    void SetDefaultRowHeight(int32_t value);
    int32_t FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int32_t value);
    int32_t FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int32_t value);
    bool WordWrap() const { return FWordWrapEx; }
    void SetWordWrap(bool value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment value);
    // The text drawing flag that VAlignment stands for.
    uint32_t VAlignFlag() const { return FVAlign; }
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment value) { SetRepainted(FDefaultAlignment, value); }
    int32_t Col() const { return TBaseGrid::Col(); }
    void SetCol(int32_t value);
    int32_t Row() const { return TBaseGrid::Row(); }
    void SetRow(int32_t value) { SetRowEx(value); }
    int32_t TopRow() const { return TBaseGrid::TopRow(); }
    void SetTopRow(int32_t value) { SetTopRowEx(value); }
    bool IntegralHeight() const { return FIntegralHeight; }
    // Re-applies the bounds, which fit the height to whole rows when set.
    void SetIntegralHeight(bool value)
    {
        FIntegralHeight = value;
        SetBounds(Left(), Top(), Width(), Height());
    }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool SizeWithForm() const { return FSizeWithForm; }
    void SetSizeWithForm(bool value) { FSizeWithForm = value; }
    bool Multilinecells() const { return FMultilinecells; }
    void SetMultilinecells(bool value) { FMultilinecells = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // The largest counts ever set: the destructor clears every cell up to them.
    int32_t MaxRowCount() const { return FMaxRowCount; }
    int32_t MaxColCount() const { return FMaxColCount; }
    int32_t FixedRowsMin() const { return FFixedRowsMin; }
    int32_t FixedColsMin() const { return FFixedColsMin; }

    // ---- selection look
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor value) { SetRepainted(FSelectionColor, value); }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor value) { SetRepainted(FSelectionColorTo, value); }
    TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
    void SetSelectionMirrorColor(TColor value) { SetRepainted(FSelectionMirrorColor, value); }
    TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
    void SetSelectionMirrorColorTo(TColor value) { SetRepainted(FSelectionMirrorColorTo, value); }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor value) { SetRepainted(FSelectionTextColor, value); }
    bool SelectionColorMixer() const { return FSelectionColorMixer; }
    void SetSelectionColorMixer(bool value) { SetRepainted(FSelectionColorMixer, value); }
    // Percent, kept within 0..100.
    int32_t SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int32_t value);
    bool SelectionRectangle() const { return FSelectionRectangle; }
    void SetSelectionRectangle(bool value) { SetRepainted(FSelectionRectangle, value); }
    bool SelectionResizer() const { return FSelectionResizer; }
    void SetSelectionResizer(bool value) { SetRepainted(FSelectionResizer, value); }
    bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
    void SetSelectionRTFKeep(bool value) { FSelectionRTFKeep = value; }
    TColor SelectionRectangleColor() const { return FSelectionRectangleColor; }
    void SetSelectionRectangleColor(TColor value) { FSelectionRectangleColor = value; }
    bool ShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor value);

    // ---- active cell and fixed cells
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool value) { SetRepainted(FActiveCellShow, value); }
    TColor ActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(TColor value) { SetRepainted(FActiveCellColor, value); }
    TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
    void SetActiveCellColorTo(TColor value) { SetRepainted(FActiveCellColorTo, value); }
    TFont& ActiveCellFont() const { return *FActiveCellFont; }
    void SetActiveCellFont(const TFont& value) { FActiveCellFont->Assign(value); }
    TFont& FixedFont() const { return *FFixedFont; }
    void SetFixedFont(const TFont& value);
    bool FixedAsButtons() const { return FFixedAsButtons; }
    void SetFixedAsButtons(bool value) { SetRepainted(FFixedAsButtons, value); }
    TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
    void SetFixedDropDownMenu(TPopupMenu* value);
    bool Hovering() const { return FHovering; }
    void SetHovering(bool value) { FHovering = value; }
    THoverFixedCells HoverFixedCells() const { return FHoverFixedCells; }
    void SetHoverFixedCells(THoverFixedCells value) { FHoverFixedCells = value; }
    TStringList& ColumnHeaders() const { return *FColumnHeaders; }
    void SetColumnHeaders(const TStrings& value);
    TStringList& RowHeaders() const { return *FRowHeaders; }
    void SetRowHeaders(const TStrings& value);

    // ---- look
    TGridLook Look() const { return FLook; }
    // Sets the colours, selection style, border and scroll bars of the look;
    // glCustom keeps the colours set one by one.
    void SetLook(TGridLook value);
    // The identifier ("glXP") and the display name ("Windows XP"); empty for glCustom.
    static String LookName(TGridLook value);
    static String LookDisplayName(TGridLook value);
    void SetComponentStyle(TVUVStyle style);
    // A flat tone look: glClassic, flat, metro scroll bars and glyphs.
    void SetColorTones(const TColorTones& tones);
    // The fixed cells and search footer only; nothing is repainted.
    void SetTheme(TXPColorScheme scheme);
    // Follows the user's Office colour scheme once per change.
    void AdaptToOfficeTheme();
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    // On, the grid follows the user's Office colour scheme from now on.
    void SetAutoThemeAdapt(bool value);
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    void SetDisabledFontColor(TColor value) { SetRepainted(FDisabledFontColor, value); }
    TImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TImageList* value);
    TPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TPictureContainer* value);
    TBitmap& RowIndicator() const { return *FRowIndicator; }
    void SetRowIndicator(const TBitmap& value);
    bool EnableBlink() const { return FEnableBlink; }
    void SetEnableBlink(bool value) { FEnableBlink = value; }
    bool ShowDesignHelper() const { return FShowDesignHelper; }
    void SetShowDesignHelper(bool value) { SetRepainted(FShowDesignHelper, value); }
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor value);
    bool URLShow() const { return FURLShow; }
    void SetURLShow(bool value) { SetRepainted(FURLShow, value); }
    bool URLShowInText() const { return FURLShowInText; }
    void SetURLShowInText(bool value) { SetRepainted(FURLShowInText, value); }
    bool URLUnderlineOnHover() const { return FURLUnderlineOnHover; }
    void SetURLUnderlineOnHover(bool value) { FURLUnderlineOnHover = value; }
    bool URLFull() const { return FURLFull; }
    void SetURLFull(bool value);
    bool URLEdit() const { return FURLEdit; }
    void SetURLEdit(bool value) { FURLEdit = value; }
    bool EnableHTML() const { return FEnableHTML; }
    void SetEnableHTML(bool value) { SetRepainted(FEnableHTML, value); }
    bool AnchorHint() const { return FAnchorHint; }
    void SetAnchorHint(bool value) { FAnchorHint = value; }
    TColor VUVGradientFrom() const { return FVUVGradFrom; }
    void SetVUVGradientFrom(TColor value) { SetRepainted(FVUVGradFrom, ColorToRGB(value)); }
    TColor VUVGradientTo() const { return FVUVGradTo; }
    void SetVUVGradientTo(TColor value) { SetRepainted(FVUVGradTo, ColorToRGB(value)); }
    TColor VUVGradientMirrorFrom() const { return FVUVGradMirrorFrom; }
    void SetVUVGradientMirrorFrom(TColor value) { SetRepainted(FVUVGradMirrorFrom, ColorToRGB(value)); }
    TColor VUVGradientMirrorTo() const { return FVUVGradMirrorTo; }
    void SetVUVGradientMirrorTo(TColor value) { SetRepainted(FVUVGradMirrorTo, ColorToRGB(value)); }
    // The fixed cells' gradients while hovered and pressed.
    TColor VUVGradientHoverFrom() const { return FVUVGradHoverFrom; }
    void SetVUVGradientHoverFrom(TColor value) { FVUVGradHoverFrom = value; }
    TColor VUVGradientHoverTo() const { return FVUVGradHoverTo; }
    void SetVUVGradientHoverTo(TColor value) { FVUVGradHoverTo = value; }
    TColor VUVGradientHoverMirrorFrom() const { return FVUVGradHoverMirrorFrom; }
    void SetVUVGradientHoverMirrorFrom(TColor value) { FVUVGradHoverMirrorFrom = value; }
    TColor VUVGradientHoverMirrorTo() const { return FVUVGradHoverMirrorTo; }
    void SetVUVGradientHoverMirrorTo(TColor value) { FVUVGradHoverMirrorTo = value; }
    TColor VUVGradientHoverBorder() const { return FVUVGradHoverBorder; }
    void SetVUVGradientHoverBorder(TColor value) { FVUVGradHoverBorder = value; }
    TColor VUVGradientDownFrom() const { return FVUVGradDownFrom; }
    void SetVUVGradientDownFrom(TColor value) { FVUVGradDownFrom = value; }
    TColor VUVGradientDownTo() const { return FVUVGradDownTo; }
    void SetVUVGradientDownTo(TColor value) { FVUVGradDownTo = value; }
    TColor VUVGradientDownMirrorFrom() const { return FVUVGradDownMirrorFrom; }
    void SetVUVGradientDownMirrorFrom(TColor value) { FVUVGradDownMirrorFrom = value; }
    TColor VUVGradientDownMirrorTo() const { return FVUVGradDownMirrorTo; }
    void SetVUVGradientDownMirrorTo(TColor value) { FVUVGradDownMirrorTo = value; }
    TColor VUVGradientDownBorder() const { return FVUVGradDownBorder; }
    void SetVUVGradientDownBorder(TColor value) { FVUVGradDownBorder = value; }

    // ---- hints
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor value) { FHintColor = value; }
    bool HintShowCells() const { return FHintShowCells; }
    void SetHintShowCells(bool value) { FHintShowCells = value; }
    bool HintShowLargeText() const { return FHintShowLargeText; }
    void SetHintShowLargeText(bool value) { FHintShowLargeText = value; }
    THintShowLargeTextPos HintShowLargeTextPos() const { return FHintShowLargeTextPos; }
    void SetHintShowLargeTextPos(THintShowLargeTextPos value) { FHintShowLargeTextPos = value; }
    bool HintShowSizing() const { return FHintShowSizing; }
    void SetHintShowSizing(bool value) { FHintShowSizing = value; }
    bool HTMLHint() const { return FHTMLHint; }
    void SetHTMLHint(bool value) { FHTMLHint = value; }
    bool UseInternalHintClass() const { return FUseInternalHintClass; }
    void SetUseInternalHintClass(bool value) { FUseInternalHintClass = value; }

    // ---- editing
    TEditorType DefaultEditor() const { return FDefaultEditor; }
    void SetDefaultEditor(TEditorType value) { FDefaultEditor = value; }
    // 0: no limit.
    int32_t MaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int32_t value);
    int32_t MaxComboLength() const { return FMaxComboLength; }
    void SetMaxComboLength(int32_t value) { FMaxComboLength = value; }
    bool EditWithTags() const { return FEditWithTags; }
    void SetEditWithTags(bool value) { FEditWithTags = value; }
    bool OemConvert() const { return FOemConvert; }
    void SetOemConvert(bool value) { FOemConvert = value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    const String& ValidChars() const { return FValidChars; }
    void SetValidChars(const String& value) { FValidChars = value; }
    const String& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const String& value) { FFloatFormat = value; }
    const String& InvalidEntryTitle() const { return FInvalidEntryTitle; }
    void SetInvalidEntryTitle(const String& value) { FInvalidEntryTitle = value; }
    const String& InvalidEntryText() const { return FInvalidEntryText; }
    void SetInvalidEntryText(const String& value) { FInvalidEntryText = value; }
    TInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
    void SetInvalidEntryIcon(TInvalidEntryIcon value) { FInvalidEntryIcon = value; }
    bool Lookup() const { return FLookup; }
    void SetLookup(bool value) { FLookup = value; }
    bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
    void SetLookupCaseSensitive(bool value) { FLookupCaseSensitive = value; }
    bool LookupHistory() const { return FLookupHistory; }
    void SetLookupHistory(bool value) { FLookupHistory = value; }
    TStringList& LookupItems() const { return *FLookupItems; }
    void SetLookupItems(const TStrings* value);
    const String& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const String& value) { FCheckTrue = value; }
    const String& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const String& value) { FCheckFalse = value; }
    TChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(TChar value) { FPasswordChar = value; }
    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& value) { FEditMask = value; }
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* value) { FEditLink = value; }
    bool AlwaysValidate() const { return FAlwaysValidate; }
    void SetAlwaysValidate(bool value) { FAlwaysValidate = value; }
    bool Modified() const { return FGridModified; }
    void SetModified(bool value) { FGridModified = value; }
    // Switches range selection and editing on whatever the value.
    bool SpreadSheet() const { return FSpreadSheet; }
    void SetSpreadSheet(bool value);
    const String& OriginalCellValue() const { return FOldCellText; }
    void SetOriginalCellValue(const String& value) { FOldCellText = value; }
    bool EditActive() const { return EditMode; }
    TEditorType CurrentEditor() const { return EditControl; }
    // The cell follows the text, spin and button editors while the user
    // types. The text editor switches it on when it opens.
    bool ShowEditProcess() const { return FShowEditProcess; }
    void SetShowEditProcess(bool value) { FShowEditProcess = value; }
    // The date picker editor of the date and time kinds, made on first use.
    TGridDatePicker* DateTimePicker();
    void EnsureDatePicker();
    // The date-and-time editor, made on first use.
    TGridDateTimePicker* DateAndTimePicker();

    // ---- scrolling
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways value);
    TScrollType ScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor value);
    int32_t ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int32_t value);
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool value);
    // Kept besides the platform grid's, which it is passed to.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool ScrollSynch() const { return FScrollSynch; }
    void SetScrollSynch(bool value) { FScrollSynch = value; }
    TScrollHintType ScrollHints() const { return FScrollHints; }
    void SetScrollHints(TScrollHintType value) { FScrollHints = value; }
    bool EnableWheel() const { return FEnableWheel; }
    void SetEnableWheel(bool value) { FEnableWheel = value; }
    TIntelliPan IntelliPan() const { return FIntelliPan; }
    void SetIntelliPan(TIntelliPan value) { FIntelliPan = value; }
    bool IntelliZoom() const { return FIntelliZoom; }
    void SetIntelliZoom(bool value) { FIntelliZoom = value; }

    // ---- filtering
    bool FilterActive() const { return FFilterActive; }
    void SetFilterActive(bool value);
    bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool value) { SetRepainted(FFilterDropDownAuto, value); }
    bool FilterDropDownCheck() const { return FFilterDropDownCheck; }
    void SetFilterDropDownCheck(bool value) { FFilterDropDownCheck = value; }
    const String& FilterDropDownClear() const { return FFilterDropDownClear; }
    void SetFilterDropDownClear(const String& value) { FFilterDropDownClear = value; }
    TFilterDropDownColumns FilterDropDownColumns() const { return FFilterDropDownColumns; }
    void SetFilterDropDownColumns(TFilterDropDownColumns value) { FFilterDropDownColumns = value; }
    int32_t FilterDropDownRow() const { return FFilterDropDownRow; }
    // Only a fixed row can show the filter buttons.
    void SetFilterDropDownRow(int32_t value)
    {
        if (value < FixedRows())
            SetRepainted(FFilterDropDownRow, value);
    }
    bool FilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
    void SetFilterNormalCellsOnly(bool value) { FFilterNormalCellsOnly = value; }
    bool AutoFilterUpdate() const { return FAutoFilterUpdate; }
    void SetAutoFilterUpdate(bool value) { FAutoFilterUpdate = value; }
    bool FilterIncremental() const { return FFilterIncremental; }
    void SetFilterIncremental(bool value) { FFilterIncremental = value; }
    TStringList& FilterList() const { return *FFilterList; }

    // ---- text sizing
    bool AutoNumAlign() const { return FAutoNumAlign; }
    void SetAutoNumAlign(bool value) { SetRepainted(FAutoNumAlign, value); }
    bool EnhTextSize() const { return FEnhTextSize; }
    void SetEnhTextSize(bool value) { FEnhTextSize = value; }
    bool EnhRowColMove() const { return FEnhRowColMove; }
    void SetEnhRowColMove(bool value) { FEnhRowColMove = value; }
    bool HideFocusRect() const { return FHideFocusRect; }
    void SetHideFocusRect(bool value) { SetRepainted(FHideFocusRect, value); }

    // ---- run-time settings
    TChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(TChar value) { FDelimiter = value; }
    bool JavaCSV() const { return FJavaCSV; }
    void SetJavaCSV(bool value) { FJavaCSV = value; }
    bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
    void SetQuoteEmptyCells(bool value) { FQuoteEmptyCells = value; }
    bool AlwaysQuotes() const { return FAlwaysQuotes; }
    void SetAlwaysQuotes(bool value) { FAlwaysQuotes = value; }
    bool SaveFixedCells() const { return FSaveFixedCells; }
    void SetSaveFixedCells(bool value) { FSaveFixedCells = value; }
    bool SaveFixedRows() const { return FSaveFixedRows; }
    void SetSaveFixedRows(bool value) { FSaveFixedRows = value; }
    bool SaveFixedCols() const { return FSaveFixedCols; }
    void SetSaveFixedCols(bool value) { FSaveFixedCols = value; }
    bool SaveHiddenCells() const { return FSaveHiddenCells; }
    void SetSaveHiddenCells(bool value) { FSaveHiddenCells = value; }
    bool SaveVirtCells() const { return FSaveVirtCells; }
    void SetSaveVirtCells(bool value) { FSaveVirtCells = value; }
    bool SaveWithHTML() const { return FSaveWithHTML; }
    void SetSaveWithHTML(bool value) { FSaveWithHTML = value; }
    bool SaveWithRTF() const { return FSaveWithRTF; }
    void SetSaveWithRTF(bool value) { FSaveWithRTF = value; }
    bool LoadFirstRow() const { return FLoadFirstRow; }
    void SetLoadFirstRow(bool value) { FLoadFirstRow = value; }
    bool ExcelClipboardFormat() const { return FExcelClipboardFormat; }
    void SetExcelClipboardFormat(bool value) { FExcelClipboardFormat = value; }
    const String& XMLEncoding() const { return FXMLEncoding; }
    void SetXMLEncoding(const String& value) { FXMLEncoding = value; }
    bool ShowNullDates() const { return FShowNullDates; }
    void SetShowNullDates(bool value) { FShowNullDates = value; }
    TPoint XYOffset() const { return FXYOffset; }
    void SetXYOffset(TPoint value);
    // Stores the offset without repainting.
    void UpdateXYOffset(int32_t x, int32_t y) { FXYOffset = { x, y }; }
    bool XYOffsetTopLeftOnly() const { return FXYOffsetTopLeftOnly; }
    void SetXYOffsetTopLeftOnly(bool value) { FXYOffsetTopLeftOnly = value; }
    bool UseDisabledFont() const { return FUseDisabledFont; }
    void SetUseDisabledFont(bool value) { FUseDisabledFont = value; }
    bool FitCellsInGrid() const { return FFitCellsInGrid; }
    void SetFitCellsInGrid(bool value) { FFitCellsInGrid = value; }
    bool ClearTextOnly() const { return FClearTextOnly; }
    void SetClearTextOnly(bool value) { FClearTextOnly = value; }
    int32_t ZoomFactor() const { return FZoomFactor; }
    void SetZoomFactor(int32_t value) { FZoomFactor = value; }
    bool SizeGrowOnly() const { return FSizeGrowOnly; }
    void SetSizeGrowOnly(bool value) { FSizeGrowOnly = value; }
    int32_t MinRowHeight() const { return FMinRowHeight; }
    void SetMinRowHeight(int32_t value) { FMinRowHeight = value; }
    int32_t MaxRowHeight() const { return FMaxRowHeight; }
    void SetMaxRowHeight(int32_t value) { FMaxRowHeight = value; }
    int32_t MinColWidth() const { return FMinColWidth; }
    void SetMinColWidth(int32_t value) { FMinColWidth = value; }
    int32_t MaxColWidth() const { return FMaxColWidth; }
    void SetMaxColWidth(int32_t value) { FMaxColWidth = value; }
    int32_t AutoNumberOffset() const { return FAutoNumberOffset; }
    void SetAutoNumberOffset(int32_t value) { FAutoNumberOffset = value; }
    int32_t AutoNumberStart() const { return FAutoNumberStart; }
    void SetAutoNumberStart(int32_t value) { FAutoNumberStart = value; }
    int32_t GroupColumn() const { return FGroupColumn; }
    // -1 ungroups, a column above 0 groups on it, 0 changes nothing.
    void SetGroupColumn(int32_t value);
    bool FastPrint() const { return FFastPrint; }
    void SetFastPrint(bool value) { FFastPrint = value; }
    bool NoDefaultDraw() const { return FNoDefaultDraw; }
    void SetNoDefaultDraw(bool value) { FNoDefaultDraw = value; }
    bool NoImageAndText() const { return FNoImageAndText; }
    void SetNoImageAndText(bool value) { FNoImageAndText = value; }
    bool IsPrintPreview() const { return FIsPrintPreview; }
    void SetIsPrintPreview(bool value) { FIsPrintPreview = value; }
    const String& IncrSearchText() const { return SearchInc; }
    bool UseHTMLHints() const { return FUseHTMLHints; }
    // The hint window class is the application's: every hint of the program
    // renders markup while it is set.
    void SetUseHTMLHints(bool value);
    int32_t FindCol() const { return FFindCol; }
    void SetFindCol(int32_t value) { FFindCol = value; }
    int32_t FindRow() const { return FFindRow; }
    void SetFindRow(int32_t value) { FFindRow = value; }
    bool PrinterDriverFix() const { return FPrinterdriverfix; }
    void SetPrinterDriverFix(bool value) { FPrinterdriverfix = value; }
    TColor ArrowColor() const { return FArrowColor; }
    // The colour of the four arrows that show where a drop goes.
    void SetArrowColor(TColor value);
    ZEziZizuvoVovaZevaz* CellChecker() const { return FCellChecker; }
    void SetCellChecker(ZEziZizuvoVovaZevaz* value);

    // ---- settings objects; setting one copies into the owned object
    TPrintSettings& PrintSettings() const { return *FPrintSettings; }
    void SetPrintSettings(const TPrintSettings& value) { FPrintSettings->Assign(value); }
    THTMLSettings& HTMLSettings() const { return *FHTMLSettings; }
    void SetHTMLSettings(const THTMLSettings& value) { FHTMLSettings->Assign(value); }
    TColumnSize& ColumnSize() const { return *FColumnSize; }
    void SetColumnSize(const TColumnSize& value) { FColumnSize->Assign(value); }
    // ---- column layout: one text, or numbered values in the ColumnSize store.
    // A damaged text or store, or one of another column count, changes nothing:
    // the text raises EConvertError, the store is left unread.
    String ColumnStatesToString() const;
    void StringToColumnStates(const String& value);
    void SaveColSizes();
    void LoadColSizes();
    // ---- the look as a Name=Value file, the print settings as an INI section.
    // A file that cannot be read or written raises; a damaged one changes nothing.
    void SaveVisualProps(const String& fileName);
    void LoadVisualProps(const String& fileName);
    void SavePrintSettings(const String& key, const String& section);
    void LoadPrintSettings(const String& key, const String& section);
    TCellNode& CellNode() const { return *FCellNode; }
    void SetCellNode(const TCellNode& value) { FCellNode->Assign(value); }
    TSizeWhileTyping& SizeWhileTyping() const { return *FSizeWhileTyping; }
    TNavigation& Navigation() const { return *FNavigation; }
    void SetNavigation(const TNavigation& value) { FNavigation->Assign(value); }
    TMouseActions& MouseActions() const { return *FMouseActions; }
    void SetMouseActions(const TMouseActions& value) { FMouseActions->Assign(value); }
    TBands& Bands() const { return *FBands; }
    void SetBands(const TBands& value) { FBands->Assign(value); }
    TSearchFooter& SearchFooter() const { return *FSearchFooter; }
    void SetSearchFooter(const TSearchFooter& value) { FSearchFooter->Assign(value); }
    TSyncGrid& SyncGrid() const { return *FSyncGrid; }
    void SetSyncGrid(const TSyncGrid& value) { FSyncGrid->Assign(value); }
    TFocusHelper& FocusHelper() const { return *FFocusHelper; }
    void SetFocusHelper(const TFocusHelper& value) { FFocusHelper->Assign(value); }
    // The translucent frame around the edited cell: shown around R (client
    // coordinates), moved over the current cell, hidden.
    void ShowEditFocusFrame(const TRect& R);
    void MoveEditFocusFrame();
    void HideEditFocusFrame();
    // Made the first time the frame shows.
    TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
    TFilter& Filter() const { return *FFilter; }
    void SetFilter(const TFilter& value);
    TSortSettings& SortSettings() const { return *FSortSettings; }
    TSortIndexList& SortIndexes() const { return *FSortIndexes; }
    void SetSortSettings(const TSortSettings& value);
    TControlLook& ControlLook() const { return *FControlLook; }
    void SetControlLook(const TControlLook& value);
    TFloatingFooter& FloatingFooter() const { return *FFloatingFooter; }
    void SetFloatingFooter(const TFloatingFooter& value);
    TGrouping& Grouping() const { return *FGrouping; }
    void SetGrouping(const TGrouping& value);
    TBalloonSettings& Balloon() const { return *FBalloonSettings; }
    void SetBalloon(const TBalloonSettings& value);
    TShowModified& ShowModified() const { return *FShowModified; }
    void SetShowModified(const TShowModified& value);
    TBackGround& BackGround() const { return *FBackGround; }
    void SetBackGround(const TBackGround& value);
    TFilterDropDown& FilterDropDown() const { return *FFilterDropDown; }
    void SetFilterDropDown(const TFilterDropDown& value);
    TDragDropSettings& DragDropSettings() const { return *FDragDropSettings; }
    void SetDragDropSettings(const TDragDropSettings& value);
    TDragScrollOptions& DragScrollOptions() const { return *FDragScrollOptions; }
    void SetDragScrollOptions(const TDragScrollOptions& value);
    TGridProgressAppearance& ProgressAppearance() const { return *FProgressAppearance; }
    void SetProgressAppearance(const TGridProgressAppearance& value);
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    // The footer panel's canvas, null before the panel exists.
    TCanvas* FooterCanvas() const;
    TSearchPanel* SearchPanel() const { return FSearchPanel; }

    // ---- version
    // 6.2.1.3 for the string grid; writing the text changes nothing.
    virtual int32_t GetVersionNr() const { return 0x06020103; }
    virtual String GetVersionString() const;
    String Version() const { return GetVersionString(); }
    void SetVersion(const String&) { }
    int32_t VersionNr() const { return GetVersionNr(); }
    String VersionString() const { return GetVersionString(); }

    // ---- update locking
    void BeginUpdate();
    void EndUpdate();
    bool LockUpdate() const { return FUpdateCount > 0; }
    void SetLockUpdate(bool value);
    int32_t UpdateCount() const { return FUpdateCount; }
    // Holds the grid's own repainting without touching the window; the reset
    // drops every level at once, an open batch update included.
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }

    // ---- selection queries
    // Picked cells with disjunct cell selection, else the selection rectangle.
    bool SelectedCells(int32_t aCol, int32_t aRow) const { return GetSelectedCells(aCol, aRow); }
    bool GetSelectedCells(int32_t aCol, int32_t aRow) const;
    void SetSelectedCells(int32_t aCol, int32_t aRow, bool value);
    // Without disjunct cell selection the picked-cell list is rebuilt from
    // the selection rectangle, column by column.
    int32_t SelectedCellsCount();
    TGridCoord SelectedCell(int32_t index) const;
    // Counts reach across merged cells at the selection's edges.
    int32_t SelectedColCount() const;
    int32_t SelectedRowCount() const;
    // -1 past the selected rows.
    int32_t SelectedRow(int32_t index) const;
    void ClearSelectedCells();
    void ClearModifiedRows();
    void InvalidateCellRange(const TGridRect& range);

    // ---- column order
    // Records the current order as the one to return to.
    void SetColumnOrder();
    // Where the column recorded at aCol is shown now.
    int32_t ColumnPosition(int32_t aCol) const;
    // The recorded index of the column shown at aPos.
    int32_t ColumnAtPosition(int32_t aPos);
    // Shows every hidden column and moves the columns back to the recorded order.
    void ResetColumnOrder();
    // The first real column whose title text is value (case-sensitive), -1 when none.
    int32_t ColumnByHeader(const String& value) const;

    // ---- cells over all columns and rows, and cell looks
    // Real column and real row; a hidden row is read from its stored copy.
    String AllCells(int32_t aCol, int32_t aRow) const { return GetCellsEx(aCol, aRow); }
    void SetAllCells(int32_t aCol, int32_t aRow, const String& value) { SetCellsEx(aCol, aRow, value); }
    String GetCellsEx(int32_t aCol, int32_t aRow) const;
    void SetCellsEx(int32_t aCol, int32_t aRow, const String& value);
    // The stored text without display hooks; a hidden row must already hold the column.
    String AllGridCells(int32_t aCol, int32_t aRow) const { return GetGridCellsEx(aCol, aRow); }
    void SetAllGridCells(int32_t aCol, int32_t aRow, const String& value) { SetGridCellsEx(aCol, aRow, value); }
    String GetGridCellsEx(int32_t aCol, int32_t aRow) const;
    void SetGridCellsEx(int32_t aCol, int32_t aRow, const String& value);
    String AllWideCells(int32_t aCol, int32_t aRow) const { return GetCellsEx(aCol, aRow); }
    void SetAllWideCells(int32_t aCol, int32_t aRow, const String& value) { SetCellsEx(aCol, aRow, value); }
    String WideCells(int32_t aCol, int32_t aRow) const { return GetCellEx(aCol, aRow); }
    void SetWideCells(int32_t aCol, int32_t aRow, const String& value) { SetCellEx(aCol, aRow, value); }
    // The user's object of a cell by real row, a hidden row's included.
    void* AllObjects(int32_t aCol, int32_t aRow) const { return GetObjectsEx(aCol, aRow); }
    void SetAllObjects(int32_t aCol, int32_t aRow, void* object) { SetObjectsEx(aCol, aRow, object); }
    void* GetObjectsEx(int32_t aCol, int32_t aRow) const;
    void SetObjectsEx(int32_t aCol, int32_t aRow, void* object);
    // The cell properties of a cell by real row, null when it has none.
    TCellProperties* GetRealCellObject(int32_t aCol, int32_t aRow) const;
    // The stored cells of a hidden row, null when the row is shown.
    TStrings* GetHiddenRowStrings(int32_t aRealRow) const;
    // The cell of the row that held aRow before sorting.
    String UnSortedCells(int32_t aCol, int32_t aRow) const { return GetUnSortedCell(aCol, aRow); }
    String GetUnSortedCell(int32_t aCol, int32_t aRow) const;
    void SetUnSortedCell(int32_t aCol, int32_t aRow, const String& value);
    int32_t SortedRowIndex(int32_t aRow) const;
    int32_t UnSortedRowIndex(int32_t aRow) const;
    // The cell of the column recorded at aCol before the columns were moved.
    String OriginalCells(int32_t aCol, int32_t aRow) const { return GetOriginalCells(aCol, aRow); }
    String GetOriginalCells(int32_t aCol, int32_t aRow) const;
    void SetOriginalCells(int32_t aCol, int32_t aRow, const String& value);
    int32_t LinesInCell(int32_t aCol, int32_t aRow) const { return GetLinesInCell(aCol, aRow); }
    int32_t GetLinesInCell(int32_t aCol, int32_t aRow) const;
    // The cell text as GetCellEx gives it, reduced to plain text.
    String StrippedCells(int32_t aCol, int32_t aRow) const { return GetStrippedCell(aCol, aRow); }
    String GetStrippedCell(int32_t aCol, int32_t aRow) const;
    int32_t AllColCount() const { return ColCount() + FNumHidden; }
    int32_t AllRowCount() const { return TotalRowCount(); }
    TColor Colors(int32_t aCol, int32_t aRow) const { return GetColors(aCol, aRow); }
    TColor GetColors(int32_t aCol, int32_t aRow) const;
    void SetColors(int32_t aCol, int32_t aRow, TColor color);
    void SetColorsTo(int32_t aCol, int32_t aRow, TColor color);
    void SetFontColors(int32_t aCol, int32_t aRow, TColor color);
    TColor GetColorsTo(int32_t aCol, int32_t aRow) const;
    TCellGradientDirection GetGradientDir(int32_t aCol, int32_t aRow) const;
    void SetGradientDir(int32_t aCol, int32_t aRow, TCellGradientDirection value);
    TColor GetFontColors(int32_t aCol, int32_t aRow) const;
    TFontStyles GetFontStyles(int32_t aCol, int32_t aRow) const;
    void SetFontStyles(int32_t aCol, int32_t aRow, TFontStyles value);
    int32_t GetFontSizes(int32_t aCol, int32_t aRow) const;
    void SetFontSizes(int32_t aCol, int32_t aRow, int32_t value);
    String GetFontNames(int32_t aCol, int32_t aRow) const;
    void SetFontNames(int32_t aCol, int32_t aRow, const String& value);
    TAlignment GetAlignments(int32_t aCol, int32_t aRow) const;
    void SetAlignments(int32_t aCol, int32_t aRow, TAlignment value);
    void SetReadOnly(int32_t aCol, int32_t aRow, bool value);
    // Creates the cell's properties, whose word wrap starts as the grid's.
    bool GetWordWraps(int32_t aCol, int32_t aRow);
    void SetWordWraps(int32_t aCol, int32_t aRow, bool value);
    void SetCellFont(int32_t aCol, int32_t aRow, const TFont& font);
    // Grows (shrinks) every column and row by x pixels while the zoom
    // factor stays within -10..10; beyond that nothing changes.
    void Zoom(int32_t x);
    void SetRowColor(int32_t aRow, TColor color);
    void SetRowColorTo(int32_t aRow, TColor color);
    void SetRowFontColor(int32_t aRow, TColor color);
    bool GetReadOnly(int32_t aCol, int32_t aRow) const;
    bool IsSelected(int32_t aCol, int32_t aRow) const;
    int32_t FirstEditColumn() const;
    void ClearRows(int32_t rowIndex, int32_t count);
    void AddRow();

    // ---- per-cell queries (the column grid answers many from its columns)
    virtual void DoCanEditCell(int32_t aCol, int32_t aRow, bool& canEdit);
    virtual void DoSearchFooterAction(const String& value, int32_t aCol, int32_t aRow, TSearchAction action);
    virtual void DoButtonClick(int32_t aCol, int32_t aRow);
    virtual void DoExpandClick(int32_t aCol, int32_t aRow, bool expanded);
    // The cell button editor was clicked: OnButtonClick for the current cell.
    void GridButtonClick();
    virtual void DoComboCloseUp(int32_t aCol, int32_t aRow);
    virtual void DoComboDropDown(int32_t aCol, int32_t aRow);
    virtual void DoGetCellCursor(int32_t aCol, int32_t aRow, int32_t x, int32_t y);
    virtual void DoCellsChanged(const TRect& cells);
    // Notifiers are told of changed cells in the order they registered.
    void RegisterNotifier(TGridChangeNotifier* notifier);
    void UnRegisterNotifier(TGridChangeNotifier* notifier);
    virtual void RecalcAllFooters() { CalcFooter(-1); }
    virtual void DoGridHint(int32_t aCol, int32_t aRow, String& hintText, String& wideHintText);
    virtual void GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font);
    virtual void GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font);
    virtual void GetCellBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders);
    virtual void GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders);
    virtual void GetCellAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign);
    virtual void GetSortFormat(int32_t aCol, TSortStyle& style, String& prefix, String& suffix);
    virtual void QueryCellEditorType(int32_t aCol, int32_t aRow, TEditorType& editor);
    virtual void GetCellEditorType(int32_t aCol, int32_t aRow, TEditorType& editor);
    virtual bool HasNoEditor(int32_t aCol, int32_t aRow);
    virtual void IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed);
    virtual void CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit);
    virtual void IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword);
    virtual void DoGetWordWrap(int32_t aCol, int32_t aRow, bool& wordWrap);
    virtual bool HasComboBox(int32_t aCol, int32_t aRow);
    virtual bool HasSpinEdit(int32_t aCol, int32_t aRow);
    virtual void GetCheckTrue(int32_t aCol, int32_t aRow, String& value);
    virtual void GetCheckFalse(int32_t aCol, int32_t aRow, String& value);
    virtual bool GetColumnFilter(int32_t column);
    // The alignment a cell's text is drawn with: the grid's defaults,
    // numbers to the right with AutoNumAlign, the cell's own, then the hook.
    void ResolveCellAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign);
    // The grid's Font for a cell without properties; else a scratch font
    // loaded from them, overwritten by the next call.
    const TFont& GetCellFont(int32_t aCol, int32_t aRow);

    // ---- cell text, rows by key, notifications
    virtual String GetFormattedCell(int32_t aCol, int32_t aRow);
    virtual String GetFloatFormat(int32_t aCol, int32_t aRow) { (void)aCol, (void)aRow; return FFloatFormat; }
    virtual void CalcCellText(int32_t aCol, int32_t aRow, String& value);
    virtual void DoSaveCell(int32_t aCol, int32_t aRow, String& value);
    virtual void DoLoadCell(int32_t aCol, int32_t aRow, const String& value);
    virtual void KeyInsertRow(int32_t aRow);
    virtual void KeyDeleteRow(int32_t aRow);
    virtual void DoSelectionChanged(int32_t aLeft, int32_t aTop, int32_t aRight, int32_t aBottom);
    virtual void DoFixedEdit(int32_t aCol, int32_t aRow, TGridFixedCellEditor& editor, TStrings* values);
    virtual void DoFilterDone();
    virtual void InplaceEditTextChanged() { }
    virtual void ExportNotification(TGridExportState, int32_t) { }
    virtual void ImportNotification(TGridImportState, int32_t) { }

    // ---- cell graphics (real column, display row)
    // A cell without graphic, or holding an object of another class, answers
    // null and ctEmpty; column 0 answers the shared row check box while rows
    // are selected by check box.
    virtual TCellType GetCellType(int32_t aCol, int32_t aRow);
    virtual TCellGraphic* GetCellGraphic(int32_t aCol, int32_t aRow);
    TIntList* GetCellImages(int32_t aCol, int32_t aRow);
    // Replaces whatever graphic the cell had.
    TCellGraphic& CreateCellGraphic(int32_t aCol, int32_t aRow);
    bool RemoveCellGraphic(int32_t aCol, int32_t aRow);
    bool RemoveCellGraphicOfType(int32_t aCol, int32_t aRow, TCellType cellType);
    // Tests the graphic of the base cell of the merge the cell belongs to.
    bool IsBaseCellTypeIn(int32_t aCol, int32_t aRow, std::initializer_list<TCellType> types);
    // Cells that take a click as a control.
    bool IsControlCell(int32_t aCol, int32_t aRow);
    // Cells whose graphic is drawn from the cell's data.
    bool IsDataGraphicCell(int32_t aCol, int32_t aRow);
    intptr_t CellGraphicSortKey(int32_t aCol, int32_t aRow);
    virtual TPoint GetCellGraphicSize(int32_t aCol, int32_t aRow);
    // The screen size a graphic asks of its cell; extraHeight is taken from
    // the height a picture may use.
    virtual TPoint CalcCellGraphicSize(int32_t aCol, int32_t aRow, int32_t extraHeight = 0);
    virtual TPoint CalcPrintGraphicSize(int32_t aCol, int32_t aRow, int32_t width, int32_t height, double scale);
    // A button's place on screen from the offset stored when it was drawn;
    // aCol is a display column.
    TRect GetCellGraphicRect(int32_t aCol, int32_t aRow);
    TRect GetExpandButtonRect(int32_t aCol, int32_t aRow);
    bool IsSortIndicatorRow(int32_t aCol, int32_t aRow);
    // Node level times the node indent of a row, in a grid with nodes.
    int32_t GetRowIndent(int32_t aRow) const override;
    bool HasNodes() const override { return FNumNodes > 0; }
    // The grid's shared graphic of the column-0 row check box.
    TCellGraphic& RowCheckGraphic() const { return *FCellGraphic; }

    // ---- painting
    // The look of a cell (display column when remap is set) on screen or in
    // print: font, colours, gradient, selection, word wrap and alignment.
    void GetVisualProperties(int32_t aCol, int32_t aRow, TGridDrawState& state, bool print, bool select, bool remap,
        TBrush& brush, TColor& colorTo, TColor& mirrorColor, TColor& mirrorColorTo, TFont& font, TAlignment& alignment,
        TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& gradientDirection) override;
    // The on-screen look of a cell (display column) as the painter gives it,
    // for what stands in for the cell or measures it. wordWrap is what the
    // word-wrap event starts from.
    struct TCellAppearance {
        TGridDrawState State;
        TBrush Brush;
        TFont Font;
        TColor ColorTo = clNone;
        TColor MirrorColor = clNone;
        TColor MirrorColorTo = clNone;
        TAlignment Alignment = taLeftJustify;
        TVAlignment VAlignment = vtaTop;
        bool WordWrap = false;
        TCellGradientDirection GradientDirection = GradientVertical;
    };
    TCellAppearance CellAppearance(int32_t aCol, int32_t aRow, bool wordWrap = false);
    // The cell's brush colour, or the grid's where the cell has none.
    TColor CellBackground(const TCellAppearance& look) const
    {
        return look.Brush.Color() == clNone ? Color() : look.Brush.Color();
    }
    // The font part of the look, for measuring: aCol decides fixed, rCol
    // gives the cell properties.
    void GetFontProperties(int32_t aCol, int32_t rCol, int32_t aRow, TGridDrawState state, TFont& font,
        TBrush& brush);
    // The cell's graphic with its placement and the size it takes; textBeside
    // is false when the graphic stands for the text.
    TCellGraphic* GetCellGraphicLayout(int32_t aCol, int32_t aRow, TCellVAlign& vAlign, TCellHAlign& hAlign,
        bool& textBeside, int32_t& height, int32_t& width);
    // The sort glyph of column aCol centred at (x, y).
    void DrawSortIndicator(TCanvas& canvas, int32_t aCol, int32_t x, int32_t y);
    // What a point of a cell (display column) lies on: the anchor of a
    // link, or a form control of its markup. False when on neither.
    struct TMarkupHit {
        String Anchor;
        // The anchor under the point, from 1; -1 for a plain link cell.
        int32_t AnchorIndex = -1;
        String ControlID;
        String ControlType;
        String ControlValue;
        TRect ControlRect {};
        // The anchor's TITLE, empty when it has none.
        String Title;
    };
    // With locateID the form control of that ID is found wherever it lies.
    bool MarkupHitTest(
        int32_t aCol, int32_t aRow, int32_t x, int32_t y, TMarkupHit& hit, const String& locateID = String());
    // A click at (x, y) on a markup cell (display column): a form control
    // toggles or opens its editor, an anchor is followed. False when the
    // point is on neither.
    bool MarkupCellClick(int32_t aCol, int32_t aRow, int32_t x, int32_t y);
    void StartHTMLControlEdit(const String& cellText, const String& ctrlType, int32_t aRow, int32_t realCol,
        int32_t aCol, const TRect& ctrlRect, const String& ctrlValue, const String& ctrlID);
    // Writes the edited value into the markup and hides the editor.
    void EndHTMLControlEdit();
    void ControlComboSelect();
    // Opens the editor of the form control id of a cell (display column);
    // an empty id opens the first that takes typed text.
    void EditHTMLControlByID(int32_t aCol, int32_t aRow, const String& id);
    // The form control after the one edited last in the current cell.
    void EditNextHTMLControl();
    const String& CurrentControlID() const { return FCtrlID; }
    // The option of a radio-group cell at (dx, dy) from its top-left corner.
    void RadioGroupClick(int32_t aCol, int32_t aRow, int32_t dx, int32_t dy);
    TControlEdit* ControlEdit();
    TControlCombo* ControlCombo();
    // Follows the mouse over the anchors of markup cells: the hovered
    // anchor, its enter and exit events and, with URLUnderlineOnHover, the
    // repaint of its cell.
    void UpdateHoverLink(int32_t aCol, int32_t aRow, int32_t x, int32_t y);
    // A dotted line shown while a column or row is sized; the same call
    // again takes it away.
    void DrawColSizingLine(int32_t x);
    void DrawRowSizingLine(int32_t y);
    void DrawCheckGlyph(TCanvas& canvas, const TRect& rect, bool checked, TCheckBoxState state, bool triState,
        TControlLook::TControlStyle style, bool grayed, bool enabled);
    // count options of items (index -1: the one equal to the cell text).
    void DrawRadioGroup(TCanvas& canvas, const TRect& rect, bool upward, double scale,
        TControlLook::TControlStyle style, int32_t aRow, int32_t aCol, bool selected, const TStrings* items,
        bool disabled, bool horizontal, int32_t index, int32_t count);

    // ---- check boxes, radio buttons, balloons, expand buttons
    // Display rows unless said otherwise. Adding at a cell outside the grid
    // raises EDudOderError "Invalid cell".
    void AddCheckBox(int32_t aCol, int32_t aRow, bool state, bool data);
    void AddCheckBox(int32_t aCol, int32_t aRow, TCheckBoxState state);
    void AddCheckBoxColumn(int32_t aCol, bool defaultState = false, bool dataCheckBox = false);
    void AddTriStateCheckBoxColumn(int32_t aCol, TCheckBoxState state);
    void RemoveCheckBoxColumn(int32_t aCol);
    void RemoveCheckBox(int32_t aCol, int32_t aRow);
    bool HasCheckBox(int32_t aCol, int32_t aRow);
    bool HasDataCheckBox(int32_t aCol, int32_t aRow);
    bool IsInCheckBox(int32_t aCol, int32_t aRow, int32_t x, int32_t y);
    // The state of the check box in the cell, by real row (a hidden row is
    // read from the hidden-row store); false when the cell holds none.
    bool GetCheckBoxState(int32_t aCol, int32_t aRow, TCheckBoxState& state);
    bool GetCheckBoxState(int32_t aCol, int32_t aRow, bool& value);
    bool IsChecked(int32_t aCol, int32_t aRow);
    // By real row; raises no change event.
    bool SetCheckBoxState(int32_t aCol, int32_t aRow, bool state);
    bool SetCheckBoxState(int32_t aCol, int32_t aRow, TCheckBoxState state);
    static TCheckBoxState BoolToCheckBoxState(bool checked) { return checked ? cbChecked : cbUnchecked; }
    bool ToggleCheckBox(int32_t aCol, int32_t aRow) { return ToggleCellCheck(aCol, aRow, false); }
    // The mouse and keyboard toggle through here with askCanEdit set.
    virtual bool ToggleCellCheck(int32_t aCol, int32_t aRow, bool askCanEdit);
    bool ApplyCheckState(int32_t aCol, int32_t aRow, bool value);
    void CheckAll(int32_t aCol);
    void UnCheckAll(int32_t aCol);
    void AddRadioButton(int32_t aCol, int32_t aRow, bool state);
    void AddRadioButtonColumn(int32_t aCol);
    void RemoveRadioButton(int32_t aCol, int32_t aRow);
    void RemoveRadioButtonColumn(int32_t aCol);
    bool HasRadioButton(int32_t aCol, int32_t aRow);
    bool IsRadioButtonChecked(int32_t aCol, int32_t aRow);
    bool SetRadioButtonState(int32_t aCol, int32_t aRow, bool state);
    void SetRadioButtonColumnIndex(int32_t aCol, int32_t index);
    int32_t GetRadioButtonColumnIndex(int32_t aCol);
    virtual bool SelectRadioButtonCell(int32_t aCol, int32_t aRow, bool askCanEdit);
    // A group of options inside one cell; dirRadio other than 0 lays them
    // side by side. AddRadio refers to the list, CreateRadio owns a new one.
    void AddRadio(int32_t aCol, int32_t aRow, int32_t dirRadio, int32_t idxRadio, TStrings* options);
    TStrings& CreateRadio(int32_t aCol, int32_t aRow, int32_t dirRadio, int32_t idxRadio);
    bool GetRadioIdx(int32_t aCol, int32_t aRow, int32_t& idxRadio);
    bool SetRadioIdx(int32_t aCol, int32_t aRow, int32_t idxRadio);
    TStrings* GetRadioStrings(int32_t aCol, int32_t aRow);
    bool IsRadio(int32_t aCol, int32_t aRow);
    void RemoveRadio(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctRadio); }
    void AdvanceRadioSelection(int32_t aCol, int32_t aRow, bool askCanEdit);
    void AddBalloon(int32_t aCol, int32_t aRow, const String& title, const String& text, TBalloonIcon icon);
    void RemoveBalloon(int32_t aCol, int32_t aRow);
    bool HasBalloon(int32_t aCol, int32_t aRow);
    bool IsBalloon(int32_t aCol, int32_t aRow, String& title, String& text, TBalloonIcon& icon);
    void AddExpand(int32_t aCol, int32_t aRow, int32_t expandedHeight);
    // Text drawn at aAngle degrees; SetRotated keeps the cell's text and
    // turns the cell's own graphic into the rotated one.
    void AddRotated(int32_t aCol, int32_t aRow, int32_t aAngle, const String& s);
    void SetRotated(int32_t aCol, int32_t aRow, int32_t aAngle);
    void RemoveRotated(int32_t aCol, int32_t aRow);
    bool IsRotated(int32_t aCol, int32_t aRow, int32_t& aAngle);
    void RemoveExpand(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctExpand); }
    bool HasExpand(int32_t aCol, int32_t aRow);
    bool ToggleExpand(int32_t aCol, int32_t aRow);
    bool GetExpandState(int32_t aCol, int32_t aRow);
    int32_t GetExpandHeight(int32_t aCol, int32_t aRow, bool expanded);

    // ---- cell graphics: put in, read, changed and taken out (real column,
    // display row; the button texts and pushing take a display column)
    void AddBitmap(int32_t aCol, int32_t aRow, TBitmap* bitmap, bool transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int32_t aCol, int32_t aRow, bool transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int32_t aCol, int32_t aRow);
    bool HasBitmap(int32_t aCol, int32_t aRow) { return GetBitmap(aCol, aRow) != nullptr; }
    void RemoveBitmap(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctBitmap); }
    void AddPicture(int32_t aCol, int32_t aRow, TPicture* picture, bool transparent, TStretchMode stretchMode,
        int32_t padding, TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int32_t aCol, int32_t aRow, bool transparent, TStretchMode stretchMode, int32_t padding,
        TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int32_t aCol, int32_t aRow);
    bool HasPicture(int32_t aCol, int32_t aRow) { return GetPicture(aCol, aRow) != nullptr; }
    void RemovePicture(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctPicture); }
    void AddFilePicture(int32_t aCol, int32_t aRow, TFilePicture* picture, bool transparent,
        TStretchMode stretchMode, int32_t padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int32_t aCol, int32_t aRow, bool transparent, TStretchMode stretchMode,
        int32_t padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int32_t aCol, int32_t aRow);
    void RemoveFilePicture(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctFilePicture); }
    void AddIcon(int32_t aCol, int32_t aRow, TIcon* icon, TCellHAlign hal, TCellVAlign val);
    TIcon* CreateIcon(int32_t aCol, int32_t aRow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctIcon); }
    void AddInterfacedCell(int32_t aCol, int32_t aRow, IGridCellDrawer* object);
    IGridCellDrawer* GetInterfacedCell(int32_t aCol, int32_t aRow);
    void RemoveInterfacedCell(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctInterface); }
    // The three image Adds do nothing without GridImages.
    void AddImageIdx(int32_t aCol, int32_t aRow, int32_t index, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int32_t aCol, int32_t aRow, int32_t& index);
    void SetImageIdx(int32_t aCol, int32_t aRow, int32_t index);
    void RemoveImageIdx(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctImageList); }
    // An empty cell takes the index as its number.
    void AddDataImage(int32_t aCol, int32_t aRow, int32_t index, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int32_t aCol, int32_t aRow);
    // Clears the cell's text whether or not it had a data image.
    void RemoveDataImage(int32_t aCol, int32_t aRow);
    // dir 0 puts the images side by side, any other value stacks them.
    void AddMultiImage(int32_t aCol, int32_t aRow, int32_t dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctImages); }
    // Progress bars and indicators show the cell's own number.
    void AddProgress(int32_t aCol, int32_t aRow, TColor fgColor, TColor bkColor);
    void AddProgressEx(int32_t aCol, int32_t aRow, TColor fgColor, TColor fgTextColor, TColor bkColor,
        TColor bkTextColor);
    void AddProgressFormatted(int32_t aCol, int32_t aRow, TColor fgColor, TColor fgTextColor, TColor bkColor,
        TColor bkTextColor, const String& format, int32_t min, int32_t max);
    bool HasProgress(int32_t aCol, int32_t aRow) { return IsBaseCellTypeIn(aCol, aRow, { ctProgress }); }
    void RemoveProgress(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctProgress); }
    void AddDudProgress(int32_t aCol, int32_t aRow, int32_t min, int32_t max);
    void RemoveDudProgress(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctXPProgress); }
    void AddProgressPie(int32_t aCol, int32_t aRow, TColor color, int32_t value);
    void SetProgressPie(int32_t aCol, int32_t aRow, int32_t value);
    void RemoveProgressPie(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctProgressPie); }
    void AddRangeIndicator(int32_t aCol, int32_t aRow, int32_t range, TColor negColor, TColor posColor,
        bool showValue);
    void RemoveRangeIndicator(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctRangeIndicator); }
    void AddComment(int32_t aCol, int32_t aRow, const String& comment);
    void AddColorComment(int32_t aCol, int32_t aRow, const String& comment, TColor color);
    bool IsComment(int32_t aCol, int32_t aRow, String& comment);
    String GetComment(int32_t aCol, int32_t aRow);
    // Adds a comment to a cell without graphic; replaces only a comment.
    void SetComment(int32_t aCol, int32_t aRow, const String& value);
    void RemoveComment(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctComment); }
    void RemoveAllComments();
    void AddShape(int32_t aCol, int32_t aRow, TCellShape shape, TColor fillColor, TColor lineColor, TCellHAlign hal,
        TCellVAlign val);
    void SetShapeColor(int32_t aCol, int32_t aRow, TColor fillColor);
    TColor GetShapeColor(int32_t aCol, int32_t aRow);
    void RemoveShape(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctShape); }
    // The rating is the cell's number, shown as scale stars.
    void AddRating(int32_t aCol, int32_t aRow, int32_t scale, TColor fillColor, TColor emptyColor);
    bool HasRating(int32_t aCol, int32_t aRow) { return IsBaseCellTypeIn(aCol, aRow, { ctRating }); }
    void RemoveRating(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctRating); }
    // A scroll bar scrolls a cell's text; all but Add and Remove act on the
    // base cell of a merge.
    void AddScrollBar(int32_t aCol, int32_t aRow, bool autoRange);
    bool HasScrollBar(int32_t aCol, int32_t aRow) { return IsBaseCellTypeIn(aCol, aRow, { ctScrollbar }); }
    bool HasAutoRangeScrollBar(int32_t aCol, int32_t aRow);
    void SetScrollPosition(int32_t aCol, int32_t aRow, int32_t position);
    int32_t GetScrollPosition(int32_t aCol, int32_t aRow);
    void SetScrollProp(int32_t aCol, int32_t aRow, TScrollProp prop);
    TScrollProp GetScrollProp(int32_t aCol, int32_t aRow);
    void RemoveScrollBar(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctScrollbar); }
    // A marked range of the cell text, kept beside any graphic.
    void AddMarker(int32_t aCol, int32_t aRow, int32_t errPos, int32_t errLen);
    void GetMarker(int32_t aCol, int32_t aRow, int32_t& errPos, int32_t& errLen);
    void RemoveMarker(int32_t aCol, int32_t aRow);
    void RemoveAllMarkers();
    void AddButton(int32_t aCol, int32_t aRow, int32_t width, int32_t height, const String& caption, TCellHAlign hal,
        TCellVAlign val);
    void AddBitButton(int32_t aCol, int32_t aRow, int32_t width, int32_t height, const String& caption,
        TBitmap* glyph, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitButton(int32_t aCol, int32_t aRow, int32_t width, int32_t height, const String& caption,
        TCellHAlign hal, TCellVAlign val);
    void SetButtonText(int32_t aCol, int32_t aRow, const String& caption);
    String GetButtonText(int32_t aCol, int32_t aRow);
    void PushButton(int32_t aCol, int32_t aRow, bool push);
    bool HasButton(int32_t aCol, int32_t aRow) { return IsBaseCellTypeIn(aCol, aRow, { ctButton, ctBitButton }); }
    void RemoveButton(int32_t aCol, int32_t aRow);
    void RemoveBitButton(int32_t aCol, int32_t aRow) { RemoveCellGraphicOfType(aCol, aRow, ctBitButton); }
    void RemoveAllButtons();

    // ---- hidden columns
    void HideColumn(int32_t colIndex) { HideColumns(colIndex, colIndex); }
    void HideColumns(int32_t fromCol, int32_t toCol);
    void UnHideColumn(int32_t colIndex) { UnHideColumns(colIndex, colIndex); }
    void UnHideColumns(int32_t fromCol, int32_t toCol);
    void UnHideColumnsAll() { UnHideColumns(0, ColCount() + FNumHidden); }
    bool IsHiddenColumn(int32_t colIndex) const;
    int32_t NumHiddenColumns() const { return FNumHidden; }
    int32_t TotalColCount() const override { return ColCount() + FNumHidden; }
    int32_t RealColIndex(int32_t aCol) const { return RemapColToReal(aCol); }
    int32_t DisplColIndex(int32_t aCol) const override { return RemapColToDispl(aCol); }
    int32_t GetRealCol() const { return RemapColToReal(Col()); }
    int32_t RealCol() const { return GetRealCol(); }
    int32_t RemapColToReal(int32_t displayCol) const;
    int32_t RemapColToDispl(int32_t realCol) const;
    // The width of a real column, kept for a hidden one; setting it sizes a
    // shown column on screen and only records it for a hidden one.
    int32_t GetAllColWidths(int32_t realCol) const;
    void SetAllColWidths(int32_t realCol, int32_t width);

    // ---- sizing to the content
    // Fits the column to its widest cell (never narrower with SizeGrowOnly),
    // then adds padding within the column width limits.
    void AutoSizeCol(int32_t aCol, int32_t padding);
    // Every column but the fixed ones unless doFixedCols, left to right.
    void AutoSizeColumns(bool doFixedCols, int32_t padding);
    void FitColumnWidth(int32_t aCol, bool growOnly);
    // Remembers the widths and the grid width the columns scale from when
    // ColumnSize.SynchWithGrid follows the grid's size.
    void InitOrigColSizes();
    // The width of the widest line of a cell's displayed text in its font.
    int32_t MeasureCellText(int32_t realCol, int32_t aCol, int32_t aRow);
    // The size the displayed text of a cell needs: vs keeps room for a
    // vertical scroll bar, sb wraps the text inside the cell's width.
    void MeasureCellText(int32_t realCol, int32_t aCol, TPoint& size, bool vs, bool sb, int32_t aRow);
    TSize GetCellTextSize(int32_t aCol, int32_t aRow, bool vs, bool sb);
    int32_t TotalXOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }
    int32_t TotalYOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }
    // Fits the row to its tallest cell (never lower with SizeGrowOnly), then
    // adds padding within the row height limits.
    void AutoSizeRow(int32_t aRow, int32_t padding);
    // Every row but the fixed ones unless doFixedRows: wrapped text measured
    // with WordWrap, else the row's most lines.
    void AutoSizeRows(bool doFixedRows, int32_t padding);
    // Columns and rows grown together to the cells they hold.
    void AutoSizeCells(bool doFixedCells, int32_t paddingX, int32_t paddingY);
    // The columns scaled to fill the control's width exactly.
    void AutoFitColumns(bool doFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // Two whole columns or rows exchanged with their texts, properties,
    // sizes and cell controls.
    void SwapColumns(int32_t aCol1, int32_t aCol2);
    void SwapRows(int32_t aRow1, int32_t aRow2);
    void FitRowHeight(int32_t aRow, bool growOnly, int32_t padding);
    void SetRowHeightForLines(int32_t aRow, int32_t lines, int32_t padding);
    int32_t MaxLinesInRow(int32_t aRow);
    int32_t ColumnMaxTextLength(int32_t aCol);

    // ---- hidden rows
    void HideRow(int32_t rowIndex) { HideRows(rowIndex, rowIndex); }
    void HideRows(int32_t fromRow, int32_t toRow);
    void HideRowsEx(int32_t fromRow, int32_t toRow);
    void HideRowList(const TIntList& rowList);
    void UnHideRow(int32_t rowIndex);
    void UnHideRows(int32_t fromRow, int32_t toRow);
    void UnHideRowsAll();
    void UnHideRowList();
    bool IsHiddenRow(int32_t rowIndex) const;
    int32_t NumHiddenRows() const;
    int32_t TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int32_t RealRowIndex(int32_t aRow) const { return RemapRowToReal(aRow); }
    int32_t DisplRowIndex(int32_t aRow) const { return RemapRowToDispl(aRow); }
    int32_t GetRealRow() const { return RemapRowToReal(Row()); }
    int32_t RealRow() const { return GetRealRow(); }
    int32_t RemapRowToReal(int32_t displayRow) const;
    int32_t RemapRowToDispl(int32_t realRow) const;
    int32_t GetRowEx() const { return Row(); }
    void SetRowEx(int32_t value);
    int32_t GetTopRowEx() const { return TopRow(); }
    void SetTopRowEx(int32_t value);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelHidden; }
    void UpdateEditMode() { SelectCell(Col(), Row()); }
    bool IsIgnoredColumn(int32_t aCol) const { return FIgnoreColumns->HasValue(aCol); }
    TIntList& IgnoreColumns() const { return *FIgnoreColumns; }

    // ---- outline nodes (AddNode, RemoveNode, ExpandNode, ContractNode and
    // the child-row operations take a real row; the rest display rows)
    void AddNode(int32_t aRow, int32_t span);
    void MarkSummaryRow(int32_t aRow);
    void RemoveNode(int32_t aRow);
    void RemoveAllNodes();
    bool IsNode(int32_t aRow);
    bool IsSummary(int32_t aRow);
    bool GetNodeState(int32_t aRow);
    void SetNodeState(int32_t aRow, bool value);
    int32_t GetNodeLevel(int32_t aRow);
    int32_t GetNodeSpan(int32_t aRow);
    void SetNodeSpan(int32_t aRow, int32_t span);
    void UpdateNodeSpan(int32_t aRow, int32_t delta);
    int32_t GetSubNodeCount(int32_t aRow);
    void UpdateSubNodeCount(int32_t aRow, int32_t delta);
    // 0 on a node row, 1 on the last row of a span, 2 inside one.
    int32_t GetNodeSpanType(int32_t aRow);
    bool IsOnNodeGlyph(int32_t aRow, int32_t x);
    void ExpandNode(int32_t aRow);
    void ContractNode(int32_t aRow);
    void ExpandAll();
    void ContractAll();
    int32_t GetParentRow(int32_t aRow);
    void InsertNormalRow(int32_t aRow);
    void RemoveNormalRow(int32_t aRow);
    void InsertChildRow(int32_t aRow, int32_t insertAt);
    void RemoveChildRow(int32_t aRow);

    // ---- footers, change notifiers and the range the file writers export
    // Repaints the floating footer.
    void UpdateFooter();
    // The one listener told of each cell the selection code visits.
    void RegisterSelListener(const std::shared_ptr<RURevUvarudArivOrodar>& listener) { FISelect = listener; }
    void UnRegisterSelListener(const std::shared_ptr<RURevUvarudArivOrodar>&) { FISelect.reset(); }
    int32_t SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }
    int32_t SaveEndCol() const { return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1; }
    int32_t SaveColCount() const { return FSaveFixedCells || FSaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols; }
    int32_t SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }
    int32_t SaveEndRow() const { return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1; }
    int32_t SaveRowCount() const { return FSaveFixedCells || FSaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters; }
    // The cell under a screen point, -1 outside the cells.
    void ScreenToCell(TPoint point, int32_t& aCol, int32_t& aRow);
    // Whether the point lies on a border the mouse may size.
    bool IsOnSizingBorder(int32_t x, int32_t y);

    // ---- grouping: group calculations write into each expanded group's
    // summary row, or its header row without summaries
    void GroupCalc(int32_t colIndex, int32_t method);
    void GroupSum(int32_t colIndex);
    void GroupAvg(int32_t colIndex);
    void GroupMin(int32_t colIndex);
    void GroupMax(int32_t colIndex);
    void GroupCount(int32_t colIndex);
    void GroupCustomCalc(int32_t colIndex);
    void GroupDistinct(int32_t colIndex);
    void GroupStdDev(int32_t colIndex);

    // ---- filtering: each applied filter hides one more level of rows
    void FilterRow(int32_t aRow);
    void ApplyFilter();
    // True while two or more levels stay applied.
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // Type-ahead narrowing on a column, or on whole rows with column -1.
    void NarrowDown(const String& condition, int32_t column);
    int32_t FilterLevel() const { return FFilterLevel; }

    // ---- search and replace; (-1, -1) is no cell
    TPoint Find(TPoint startCell, const String& text, TFindParams params);
    TPoint FindWide(TPoint startCell, const String& text, TFindParams params);
    TPoint FindFirst(const String& text, TFindParams params);
    TPoint FindNext();
    // The number of cells changed.
    int32_t Replace(const String& origText, const String& newText, TFindParams params);
    // The first data row whose lookup cell starts with text (upper case).
    int32_t Search(const String& text);
    bool FindBusy() const { return FFindBusy; }
    TPoint LastSearchCell() const { return SearchCell; }
    // The search footer's actions on its text.
    void SearchFooterEditChange(const String& text);
    void SearchFooterFindNext(const String& text);
    void SearchFooterFindPrevious(const String& text);
    void SearchFooterClose();
    // Highlights every occurrence of text (on) or removes the highlights.
    void SearchFooterHighlight(const String& text, bool on);

    // ---- highlight and error marks: <hi> and <e> tags written into the cell
    // texts (store columns, display rows); DoFixed takes in the fixed cells
    static String HilightText(bool doCase, const String& s, const String& text);
    static String UnHilightText(const String& s);
    static String MarkText(bool doCase, const String& s, const String& text);
    static String UnMarkText(const String& s);
    void HilightInCell(bool doCase, int32_t aCol, int32_t aRow, const String& hiText);
    void HilightInCol(bool doFixed, bool doCase, int32_t aCol, const String& hiText);
    void HilightInRow(bool doFixed, bool doCase, int32_t aRow, const String& hiText);
    void HilightInGrid(bool doFixed, bool doCase, const String& hiText);
    void UnHilightInCell(int32_t aCol, int32_t aRow);
    void UnHilightInCol(bool doFixed, int32_t aCol);
    void UnHilightInRow(bool doFixed, int32_t aRow);
    void UnHilightInGrid(bool doFixed);
    void MarkInCell(bool doCase, int32_t aCol, int32_t aRow, const String& hiText);
    void MarkInCol(bool doFixed, bool doCase, int32_t aCol, const String& hiText);
    void MarkInRow(bool doFixed, bool doCase, int32_t aRow, const String& hiText);
    void MarkInGrid(bool doFixed, bool doCase, const String& hiText);
    void UnMarkInCell(int32_t aCol, int32_t aRow);
    void UnMarkInCol(bool doFixed, int32_t aCol);
    void UnMarkInRow(bool doFixed, int32_t aRow);
    void UnMarkInGrid(bool doFixed);
    // ---- cell checking through CellChecker; true when nothing was changed
    bool CheckCell(int32_t aCol, int32_t aRow);
    bool CheckCells(int32_t fromCol, int32_t fromRow, int32_t toCol, int32_t toRow);
    void CheckCol(bool doFixed, int32_t aCol);
    void CheckRow(bool doFixed, int32_t aRow);
    void CheckGrid(bool doFixed);

    // ---- column calculations over fromRow..toRow (-1: the data rows); a
    // range past the shown rows is read in real rows, hidden ones included
    double ColumnSum(int32_t aCol, int32_t fromRow, int32_t toRow);
    double ColumnAvg(int32_t aCol, int32_t fromRow, int32_t toRow);
    double ColumnMin(int32_t aCol, int32_t fromRow, int32_t toRow);
    double ColumnMax(int32_t aCol, int32_t fromRow, int32_t toRow);
    double ColumnDistinct(int32_t aCol, int32_t fromRow, int32_t toRow);
    double ColumnStdDev(int32_t aCol, int32_t fromRow, int32_t toRow);
    double ColumnCustomCalc(int32_t aCol, int32_t fromRow, int32_t toRow);
    double DoGroupCalc(int32_t aCol, int32_t fromRow, int32_t toRow);
    // Row calculations over fromCol..toCol; cells that hold no number are
    // left out of sums, the first cell sets out minimum and maximum.
    double RowSum(int32_t aRow, int32_t fromCol, int32_t toCol);
    double RowAvg(int32_t aRow, int32_t fromCol, int32_t toCol);
    double RowMin(int32_t aRow, int32_t fromCol, int32_t toCol);
    double RowMax(int32_t aRow, int32_t fromCol, int32_t toCol);
    TSortDirection AutoNumberDirection() const { return FAutoNumberDirection; }
    void SetAutoNumberDirection(TSortDirection value) { FAutoNumberDirection = value; }
    void AutoNumberCol(int32_t aCol);
    void AutoNumberRow(int32_t aRow);
    void SelectCells(int32_t fromCol, int32_t fromRow, int32_t toCol, int32_t toRow);
    // A control laid over a cell, one pixel larger on every side; the grid
    // becomes its parent but does not own it.
    // Opens the edit box or combo of a header cell; nothing when the open
    // one refuses to close or the application refuses the cell.
    void StartFixedCellEdit(int32_t aCol, int32_t aRow);
    TGridTransEdit* EditTrans();
    TGridTransCombo* ComboTrans();
    // A floating, half-transparent picture of the cells of rect (drag
    // feedback); the grid owns it, the caller shows, moves and frees it.
    TForm* SelectionToForm(const TGridRect& rect);
    // The open filter list was closed with nothing picked.
    void FilterListClosed() { FFilterCol = -1; }
    TControl* CellControls(int32_t aCol, int32_t aRow) const;
    void SetCellControls(int32_t aCol, int32_t aRow, TControl* control);
    // The selected cells as text: TAB between cells, CR LF between rows.
    String SelectedText();
    // The first cell, row by row, whose text is text; aCol and aRow are
    // left alone when there is none.
    bool IsCell(const String& text, int32_t& aCol, int32_t& aRow) const;
    bool IsWideCell(int32_t aCol, int32_t aRow) const;

    // ---- merging runs of equal cells, and splitting merged areas again
    // mainMerge false merges only inside the blocks merged before.
    void MergeColumnCells(int32_t colIndex, bool mainMerge);
    void MergeRowCells(int32_t rowIndex, bool mainMerge);
    void SplitColumnCells(int32_t colIndex);
    void SplitRowCells(int32_t rowIndex);
    void SplitAllCells();
    // The second column's texts joined to the first's, the second removed.
    void MergeCols(int32_t colIndex1, int32_t colIndex2, const String& separator);

    // ---- typed access
    int32_t Ints(int32_t aCol, int32_t aRow) const { return GetInts(aCol, aRow); }
    void SetInts(int32_t aCol, int32_t aRow, int32_t value);
    int32_t GetInts(int32_t aCol, int32_t aRow) const;
    int32_t AllInts(int32_t aCol, int32_t aRow) const { return GetAllInts(aCol, aRow); }
    int32_t GetAllInts(int32_t aCol, int32_t aRow) const;
    void SetAllInts(int32_t aCol, int32_t aRow, int32_t value);
    double Floats(int32_t aCol, int32_t aRow) const { return GetFloats(aCol, aRow); }
    double GetFloats(int32_t aCol, int32_t aRow) const;
    void SetFloats(int32_t aCol, int32_t aRow, double value);
    double AllFloats(int32_t aCol, int32_t aRow) const { return GetAllFloats(aCol, aRow); }
    double GetAllFloats(int32_t aCol, int32_t aRow) const;
    void SetAllFloats(int32_t aCol, int32_t aRow, double value);
    double Dates(int32_t aCol, int32_t aRow) const { return GetDates(aCol, aRow); }
    double GetDates(int32_t aCol, int32_t aRow) const;
    void SetDates(int32_t aCol, int32_t aRow, double value);
    double Times(int32_t aCol, int32_t aRow) const { return GetTimes(aCol, aRow); }
    double GetTimes(int32_t aCol, int32_t aRow) const;
    void SetTimes(int32_t aCol, int32_t aRow, double value);
    String ControlValues(int32_t aCol, int32_t aRow, const String& id) const { return GetCtrlVal(aCol, aRow, id); }
    String GetCtrlVal(int32_t aCol, int32_t aRow, const String& id) const;
    void SetCtrlVal(int32_t aCol, int32_t aRow, const String& id, const String& value);
    int32_t PrintColWidth(int32_t aCol) const { return GetPrintColWidth(aCol); }
    int32_t GetPrintColWidth(int32_t aCol) const;
    int32_t PrintColOffset(int32_t aCol) const { return GetPrintColOffset(aCol); }
    int32_t GetPrintColOffset(int32_t aCol) const;
    void ClearColumnHeaders();
    void ClearRowHeaders();
    void ShowColumnHeaders();
    void ShowRowHeaders();
    TIntList& MergedColumns() const { return *FMergedColumns; }

    // ---- selection, modified and enabled rows, navigation, fills
    TGridRect Selection() const { return TBaseGrid::Selection(); }
    void SetSelection(const TGridRect& value);
    void FocusCell(int32_t aCol, int32_t aRow);
    void SelectRange(int32_t fromCol, int32_t toCol, int32_t fromRow, int32_t toRow);
    void SelectRows(int32_t rowIndex, int32_t count);
    void UnSelectRows(int32_t rowIndex, int32_t count);
    bool GetRowSelect(int32_t aRow);
    void SetRowSelect(int32_t aRow, bool value);
    bool RowSelect(int32_t aRow) { return GetRowSelect(aRow); }
    void ClearRowSelect();
    int32_t RowSelectCount() const;
    void SyncRowSelectFromSelection(bool all);
    void SelectCols(int32_t colIndex, int32_t count);
    void UnSelectCols(int32_t colIndex, int32_t count);
    bool GetColSelect(int32_t aCol);
    void SetColSelect(int32_t aCol, bool value);
    void ClearColSelect();
    int32_t ColSelectCount() const;
    void SyncColSelectFromSelection(bool all);
    const TIntList& SelectedRows() const { return *FSelectedRows; }
    void SetRowModified(int32_t aRow, bool value);
    bool GetRowModified(int32_t aRow) const;
    bool RowModified(int32_t aRow) const { return GetRowModified(aRow); }
    int32_t ModifiedRowCount() const;
    void SetRowEnabled(int32_t aRow, bool value);
    bool GetRowEnabled(int32_t aRow) const;
    bool RowEnabled(int32_t aRow) const { return GetRowEnabled(aRow); }
    void GotoCell(int32_t aCol, int32_t aRow);
    void EditCell(int32_t aCol, int32_t aRow);
    void ScrollInView(int32_t colIndex, int32_t rowIndex);
    void AdjustTopRowForSearchFooter();
    void MoveColumn(int32_t fromIndex, int32_t toIndex);
    void MoveRow(int32_t fromIndex, int32_t toIndex);
    void MoveRows(int32_t fromIndex, int32_t toIndex, int32_t count);
    void SwapCells(TGridCoord fromCell, TGridCoord toCell);
    void RepaintRow(int32_t aRow);
    void RepaintCol(int32_t aCol);
    void RepaintRect(const TRect& cells);
    void TextFill(bool doFixed, const String& text);
    void FormatFill(bool doFixed, const String& format);
    void RandomFill(bool doFixed, int32_t range);
    void LinearFill(bool doFixed);

    // ---- rows and columns (the removal and insertion services)
    virtual void InsertRows(int32_t rowIndex, int32_t count, bool updateCellControls = false);
    virtual void RemoveRows(int32_t rowIndex, int32_t count);
    virtual void RemoveRowsEx(int32_t rowIndex, int32_t count);
    virtual void RemoveRowsPlain(int32_t aRow, int32_t count);
    virtual void InsertCols(int32_t colIndex, int32_t count);
    virtual void RemoveCols(int32_t colIndex, int32_t count);
    virtual void ClearRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2);
    virtual void TrimRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2);
    void TrimColumn(int32_t aCol);
    void TrimRow(int32_t aRow);
    void TrimAll();
    void ColorRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2, TColor color);
    void ClearCols(int32_t colIndex, int32_t count);
    void ClearNormalRows(int32_t rowIndex, int32_t count);
    void ClearNormalCols(int32_t colIndex, int32_t count);
    void ClearNormalCells();
    // Every cell, hidden columns included; ClearAll also the hidden rows.
    void Clear();
    void ClearAll();
    void ClearSelection();
    void AddColumn();
    void RemoveCheckedRows(int32_t checkBoxColumn, bool removeChecked);
    // Keeps the first of rows whose texts in the column are equal, case
    // not counting.
    void RemoveDuplicates(int32_t aCol, bool doCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();
    virtual void SortSwapRows(int32_t row1, int32_t row2);
    void DeleteRowRange(int32_t fromRow, int32_t count, bool withControls);
    void InsertRowRange(int32_t fromRow, int32_t count, bool withControls);
    // Hides the cell controls scrolled out of view and lays the others over
    // their cells; rebuildList first gathers them from the cells again.
    void CellControlsUpdate(bool rebuildList);

    // ---- editing (the editor framework fills these in)
    virtual void CalcFloatingFooter(int32_t aCol);
    virtual void DoClickSort(int32_t aCol);
    virtual void HandleF2Key() { }
    // Writes an edited value into a real column: through SetEditText, then
    // into the cell store.
    virtual void StoreEditValue(int32_t aCol, int32_t aRow, const String& value);
    virtual void AdjustKeySelection() { }
    virtual void PasteCell(int32_t aCol, int32_t aRow, const String& value);
    virtual String CurrentCell();
    virtual void SetCurrentCell(const String& value);
    virtual String GetCurrentCellText();
    virtual void SetCurrentCellText(const String& value);
    virtual void RestoreCellCache();
    virtual void DoPrintGetPageNum(int32_t pageNum, int32_t pageColNum, String& pageNumString)
    {
        if (OnPrintGetPageNum)
            OnPrintGetPageNum(this, pageNum, pageColNum, pageNumString);
    }
    virtual void DoGetEditorProp(int32_t aCol, int32_t aRow, TEditLink* editLink);
    virtual void DoCheckBoxClick(int32_t aCol, int32_t aRow, bool state);
    // After the user or automatic sizing: OnUpdateColumnSize may change the width.
    virtual void DoUpdateColumnSize(int32_t aCol, int32_t& width);
    virtual void DoUpdateAutoColumnSize(int32_t aCol, int32_t& width);
    virtual void SyncColumnHeaders() { }
    // What the cell's button leaves in the editor: text, or what
    // OnEllipsClick makes of it.
    virtual String DoEllipsClick(const String& text);
    virtual bool MatchFilter(int32_t aRow);
    virtual void PasteStarted() { }
    virtual void PasteDone() { }
    virtual void MarkPastedRowsModified(int32_t, int32_t) { }
    virtual void RecalcFooterColumn(int32_t aCol);
    virtual void SaveOldCellState(int32_t aCol, int32_t aRow);
    // What a validation checks and writes for the edited cell (real column);
    // valid starts true.
    using TCellCheck = std::function<void(int32_t aCol, int32_t aRow, bool changed, bool& valid)>;
    // The frame both validations share: the pending-edit guard, the flags,
    // and the saved cell state put back however the check ends.
    bool RunCellValidation(const String& newValue, const String& oldText, const TCellCheck& check);
    // The refusal of an edit shown as a balloon at the editing window.
    void ShowInvalidEntryBalloon();
    virtual TRect UsedCells() const;
    virtual bool DoCanAddRow();
    virtual bool DoCanInsertRow(int32_t aRow);
    // Called after a wheel notch moved the current row by delta rows.
    virtual void WheelRowsMoved(int32_t delta, bool& handled) { (void)delta, (void)handled; }
    virtual void GrowRowCount() { SetRowCount(RowCount() + 1); }
    virtual void CellSelectorClick(int32_t, int32_t) { }
    virtual void SetFormulaEditing(bool) { }
    // The rectangle a select-all click is about to select.
    virtual void AdjustMouseSelection(TGridRect& rect) { (void)rect; }
    virtual void MouseActionsChanged() { }
    virtual bool IsDesigning() const { return false; }
    virtual void InvalidateGrid() { Invalidate(); }
    virtual void DisableEditing();
    virtual void InplaceKeyDown(uint16_t&, TShiftState) { }
    virtual void InplaceWMKeyDown(uint16_t&, TShiftState) { }
    virtual void NavigationChanged() { }
    virtual void GoToFirstRow() { SetRowEx(FixedRows()); }
    virtual bool AllowsFormattedClipboard() const { return FNavigation->AllowFmtClipboard(); }
    virtual void DoFilterSelect(int32_t itemIndex);
    // The checked entries of the check list become the column's conditions.
    virtual void DoFilterCheck(TCheckListBox* checkList);
    virtual void PaintDesignHelper() { }
    virtual void DesignHelperClick() { }
    virtual void DoCheckBoxChange(int32_t aCol, int32_t aRow, bool state);
    // Allow starts true; the event may refuse the new rate.
    virtual void DoRatingChange(int32_t aCol, int32_t aRow, double& newRate, bool& allow);
    virtual void DoColorSelect(int32_t aCol, int32_t aRow, TColor color, const String& value);
    virtual void DoImageSelect(int32_t aCol, int32_t aRow, int32_t index);
    virtual void DoCellChanging(int32_t newCol, int32_t newRow, bool& allow);
    virtual void DoScrollCell(int32_t aCol, int32_t aRow, int32_t position, int32_t minimum, int32_t maximum);
    virtual bool DoCanShowFixedDropDown(int32_t aCol);
    virtual void DoStartBlockFocus()
    {
        if (FOnStartBlockFocus)
            FOnStartBlockFocus(this);
    }
    virtual void DoEndBlockFocus()
    {
        if (FOnEndBlockFocus)
            FOnEndBlockFocus(this);
    }
    virtual TImageList* GetGridImageList() const { return FGridImages; }
    virtual void AssignCells(const TPersistent& source);
    virtual bool ValidateCell(const String& newValue);
    virtual bool ValidateCellWide(const String& newValue);
    virtual void SubGroup(int32_t colIndex);
    virtual void SubUnGroup(int32_t colIndex);
    virtual void Group(int32_t colIndex);
    virtual void UnGroup();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    virtual void SetStyle(TVUVStyle style);
    // Sorting: on SortSettings.Column, on the index list, inside each
    // expanded group of the deepest outline level, and back to the order
    // the rows had.
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    void Sort(int32_t aCol, TSortDirection direction);
    void SortByColumn(int32_t aCol);
    // Rows left..right only, on one column or on the index list.
    void QuickSort(int32_t aCol, int32_t left, int32_t right);
    void QuickSortIndexed(int32_t left, int32_t right);
    // Exchanges the two rows when they are out of the current direction.
    void SortLine(int32_t aCol, int32_t aRow1, int32_t aRow2, bool& swapped);
    void InitSortXRef();
    // -1, 0 or 1: the two rows' cells in the column by its sort style.
    int32_t CompareCells(int32_t aCol, int32_t aRow1, int32_t aRow2, TSortDirection dir);
    int32_t CompareRows(int32_t aCol, int32_t aRow1, int32_t aRow2);
    int32_t CompareRowsIndexed(int32_t index, int32_t aRow1, int32_t aRow2);
    int32_t CompareCount() const { return Compares; }
    int32_t SwapCount() const { return Swaps; }
    virtual void CalcFooter(int32_t aCol);

    void ShowInplaceEdit();
    void HideInplaceEdit();
    // Widens the column (-1: the last) to fill the grid's client width.
    void ApplyColumnStretch(int32_t index);
    // Ends the edit of a special editor on a key: hides and commits it, lets
    // Tab and the arrows move the current cell, advances on Enter.
    void DoneInplaceEdit(uint16_t key, TShiftState shift);
    // OnEditingDone now; OnEditCellDone (real column, row) once the
    // posted notice arrives.
    void PostEditDone(int32_t aCol, int32_t aRow);
    void Select() { SelectCell(Col(), Row()); }
    // A left click on the cell made by the grid itself: its own press and
    // release run, the application's mouse handlers do not.
    void SimulateCellClick(int32_t aCol, int32_t aRow);
    // Lays the search panel out by the search footer's settings.
    void UpdateSearchPanel();
    void ShowCellEdit();
    void HideCellEdit();
    bool IsEditable(int32_t aCol, int32_t aRow);
    // The default in-place text editor; null before its first use.
    TDudInplaceEdit* NormalEdit() const;
    bool LastValidation() const { return FLastValidation; }

    // ---- rich-text cells: the bytes of an RTF document, one character each
    // The hidden editor that converts and draws rich-text cells, and the one
    // that edits them; both made on first use.
    TDudRichEdit* RichEdit();
    TDudRichEdit* InplaceRichEdit();
    void CellToRich(int32_t aCol, int32_t aRow, TRichEdit* richEditor);
    String RichToString(TRichEdit* richEditor) const;
    void RichToCell(int32_t aCol, int32_t aRow, TRichEdit* richEditor);
    void DrawRichCell(int32_t aCol, int32_t aRow, const TRect& rect, TCanvas& canvas);
    // The document a rich cell shows, read from its text.
    const TRichText& RichCellDocument(int32_t aCol, int32_t aRow);

    // ---- the combo list all combo cells share
    void AddComboString(const String& value);
    void AddComboStringObject(const String& value, void* object);
    bool RemoveComboString(const String& value);
    void ClearComboString();
    int32_t GetComboCount() const;
    void SetComboSelection(int32_t index) { FComboIdx = index; }
    bool SetComboSelectionString(const String& value);
    void SetComboIndex(int32_t aCol, int32_t aRow, int32_t value);
    int32_t GetComboIndex(int32_t aCol, int32_t aRow);

    // ---- moving on after an edit, and the keyboard
    // From (aCol, aRow) to the next cell by Navigation; force advances even
    // without AdvanceOnEnter.
    void AdvanceEdit(int32_t aCol, int32_t aRow, bool force, bool autoEdit, bool forward, bool continuing,
        bool editMode);
    // One Tab step; false when the Tab went on to the form.
    bool NavigateTab(bool backward);
    bool CanTabToCell(int32_t aCol, int32_t aRow);
    int32_t FirstTabColumn(int32_t aRow);
    int32_t LastTabColumn(int32_t aRow);
    int32_t VisibleFixedRightCols() const;
    bool IsLastDataRow() const;
    void AutoAddRow();
    // The selection as tab-separated text on the clipboard; a cut empties
    // the editable cells after, a paste writes text from the top-left cell.
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void PasteSelectionFromClipboard();
    // Writes text from the cell on, one line a row and one TAB-separated
    // field a cell; lines and fields tell what the last line held.
    int32_t PasteText(int32_t aCol, int32_t aRow, int32_t& lines, int32_t& fields, const String& text);
    // A column entry starts being dragged out of a list box: the column's
    // index before any move and the entry's index; the next column drop on
    // the grid shows that column there and deletes the entry.
    void OleColumnDragStart(int32_t aCol, int32_t aIndex, TCustomListBox* aList);
    // Registers the grid for drops (DragDropSettings.OleDropTarget), or
    // revokes the registration.
    void RegisterOleDropTarget(bool value);
    String GetSelectionAsText();
    String GetRectAsText(const TGridRect& rect);
    // Shows the bars ScrollBarAlways asks for, disabled while all fits;
    // without it, hideUnneeded hides a bar whose content fits.
    void ApplyScrollBarAlways(bool hideUnneeded);
    // Proportional thumbs on the bars' 0..127 scale: the thumb shows the
    // share of the rows (columns) in view.
    void UpdateProportionalVertScroll();
    void UpdateProportionalHorzScroll();
    // The flat bars take the platform bar's scroll information.
    void UpdateFlatVertScroll();
    void UpdateFlatHorzScroll();
    void ShowFlatScrollBar(int32_t bar, bool show);
    bool IsFlat() const { return FIsFlat; }
    // The slim scroll controls of ssMetro; nullptr without them.
    TScrollControl* VertScrollControl() const { return vscrlctrl.get(); }
    TScrollControl* HorzScrollControl() const { return hscrlctrl.get(); }
    void CreateScrollControls();
    void FreeScrollControls();
    // The last row ends above the visible search footer.
    bool IsLastRowAboveSearchFooter();
    bool ScrollHintShowing() const { return FScrollHintShow; }
    TTimer* DragScrollTimerControl() const { return FDragTmr.get(); }
    TDragScrollDirection DragScrollDirection() const { return FDragScrollDirection; }
    // One tick of drag auto-scrolling.
    void DragScrollTimer(TComponent* sender);

    // ---- events
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TGetEditorTypeEvent OnGetEditorType;
    THasEditorEvent OnHasComboBox;
    THasEditorEvent OnHasSpinEdit;
    TCanEditCellEvent OnCanEditCell;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TGetWordWrapEvent OnGetWordWrap;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGetColumnFilterEvent OnGetColumnFilter;
    TGetCellCursorEvent OnGetCellCursor;
    TGridHintEvent OnGridHint;
    TGridHintEvent OnGridWideHint;

    TGridGradientEvent OnGetCellGradient;
    TGridBorderPropEvent OnGetCellBorderProp;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellSizeEvent OnCustomCellSize;
    TFooterPaintEvent OnFooterPaint;
    TGridNotifyEvent OnPainted;

    TGetEditorPropEvent OnGetEditorProp;
    TColRowEvent OnGetEditorPropInt;
    TFloatFormatEvent OnGetFloatFormat;
    TEditChangeEvent OnEditChange;
    TColRowEvent OnEditCellDone;
    TGridNotifyEvent OnEditingDone;
    TCellValidateEvent OnCellValidate;
    TCellValidateEvent OnCellValidateWide;
    TCellsChangedEvent OnCellsChanged;
    TAutoAdvanceEvent OnAutoAdvance;
    TFixedEditEvent OnFixedEdit;
    TCustomStrToDateEvent OnCustomStrToDate;

    TEllipsClickEvent OnEllipsClick;
    TColRowEvent OnButtonClick;
    TUnitChangedEvent OnUnitChanged;
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;
    TRowColEvent OnComboCloseUp;
    TRowColEvent OnComboDropDown;
    TRowColEvent OnDatePickerCloseUp;
    TRowColEvent OnDatePickerDropDown;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeChangeEvent OnDateTimeChange;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TCheckBoxClickEvent OnCheckBoxChange;
    TRadioClickEvent OnRadioClick;
    TRadioClickEvent OnRadioMouseUp;
    TColRowEvent OnRadioButtonClick;
    TExpandClickEvent OnExpandClick;
    TRatingChangeEvent OnRatingChange;
    TColorSelectedEvent OnColorSelected;
    TColorSelectEvent OnColorSelect;
    TImageSelectedEvent OnImageSelected;
    TImageSelectEvent OnImageSelect;
    TGridNotifyEvent OnRichEditSelectionChange;

    TRowColEvent OnClickCell;
    TRowColEvent OnRightClickCell;
    TRowColEvent OnDblClickCell;
    TRowColAllowEvent OnCanClickCell;
    TChangingEvent OnRowChanging;
    TChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TRowUpdateEvent OnRowUpdate;
    TScrollCellEvent OnScrollCell;
    TSelectionChangedEvent OnSelectionChanged;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowEvent OnRowDisjunctSelected;
    // Not published: the row setter reports the row it left and the new one.
    TRowChangedEvent OnRowChanged;

    TAllowEvent OnCanAddRow;
    TRowEvent OnAutoAddRow;
    TRowEvent OnAutoInsertRow;
    TRowEvent OnAutoDeleteRow;
    TRowAllowEvent OnCanInsertRow;
    TRowAllowEvent OnCanDeleteRow;
    TColEvent OnAutoInsertCol;
    TColAllowEvent OnColumnSize;
    TColAllowEvent OnColumnMove;
    TColAllowEvent OnColumnMoving;
    TColumnSizingEvent OnColumnSizing;
    TRowAllowEvent OnRowSize;
    TRowAllowEvent OnRowMove;
    TRowAllowEvent OnRowMoving;
    TColumnSizingEvent OnRowSizing;
    TColEvent OnEndColumnSize;
    TRowEvent OnEndRowSize;
    TUpdateColumnSizeEvent OnUpdateColumnSize;

    TColEvent OnClickSort;
    TColAllowEvent OnCanSort;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    TNodeEvent OnExpandNode;
    TNodeEvent OnContractNode;
    TNodeAllowEvent OnBeforeExpandNode;
    TNodeAllowEvent OnBeforeContractNode;
    TColumnCalcEvent OnGroupCalc;
    TColumnCalcEvent OnColumnCalc;
    TFooterCalcEvent OnFooterCalc;

    TCustomFilterEvent OnCustomFilter;
    TGridNotifyEvent OnFilterDone;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    TSearchEditChangeEvent OnSearchEditChange;
    TSearchFooterActionEvent OnSearchFooterAction;
    TGridNotifyEvent OnSearchFooterClose;
    TGridNotifyEvent OnCreatedSearchFooter;
    TGridNotifyEvent OnCreatedFloatingFooter;
    TFixedDropDownClickEvent OnFixedDropDownClick;
    TColAllowEvent OnCanShowFixedDropDown;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;

    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TControlEvent OnControlClick;
    TControlEvent OnControlEditDone;
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    TCellBalloonEvent OnCellBalloon;
    TScrollHintEvent OnScrollHint;

    TClipboardEvent OnClipboardPaste;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
    TClipboardEvent OnClipboardPasteWide;
    TClipboardEvent OnClipboardCopyWide;
    TClipboardEvent OnClipboardCutWide;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCellWide;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCellWide;
    TCellSaveLoadEvent OnSaveCell;
    TCellSaveLoadEvent OnLoadCell;
    TProgressEvent OnFileProgress;
    TProgressEvent OnFilterProgress;
    TOleDragDropEvent OnOleDrop;
    TOleDragDropEvent OnOleDrag;
    TOleDragOverEvent OnOleDragOver;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDropColEvent OnOleDropCol;
    TOleDroppedEvent OnOleDropped;
    TOleDropFileEvent OnOleDropFile;
    TOleDropFileEvent OnOleDropURL;
    TDragScrollEvent OnDragScroll;

    TPrintStartEvent OnPrintStart;
    TPrintCancelEvent OnPrintCancel;
    TPrintPageEvent OnPrintPage;
    TPrintGetPageNumEvent OnPrintGetPageNum;
    TPrintNewPageEvent OnPrintNewPage;
    TPrintPageDoneEvent OnPrintPageDone;
    TPrintSetSizeEvent OnPrintSetColumnWidth;
    TPrintSetSizeEvent OnPrintSetRowHeight;
    TFitToPageEvent OnFitToPage;

    TGridNotifyEvent OnResize;
    // A size change that stretched a column, in place of OnResize.
    TGridNotifyEvent OnGridResize;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    // Lays a cell's own font settings over the given font.
    static void ApplyCellFont(const TCellProperties& props, TFont& font);
    // ---- base grid hooks
    bool IsFixed(int32_t aCol, int32_t aRow) const override;
    void GetDisplText(int32_t aCol, int32_t aRow, String& value) const override;
    void GetDefaultCellProps(int32_t aCol, int32_t aRow, TFont& font, TBrush& brush, TColor& colorTo,
        TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
        TCellGradientDirection& gradientDirection) override;
    bool SelectCell(int32_t aCol, int32_t aRow) override;
    void Resize() override;
    // Installed as the owner form's resize handler: grows the grid with
    // the form (SizeWithForm), then the form's own handler runs.
    void FormResize(TComponent* sender);
    void Paint() override;
    void DrawCellContent(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state) override;
    // The editor works on the base cell of a merge, in its real column.
    String GetEditText(int32_t aCol, int32_t aRow) override;
    void SetEditText(int32_t aCol, int32_t aRow, const String& value) override;
    // Display indexes; what belongs to the column moves along with it.
    void ColumnMoved(int32_t fromIndex, int32_t toIndex) override;
    void RowMoved(int32_t fromIndex, int32_t toIndex) override;
    // The application may refuse the sizing of the column or row under the
    // mouse.
    void CalcSizingState(int32_t x, int32_t y, TGridState& state, int32_t& index, int32_t& sizingPos,
        int32_t& sizingOfs) override;

    // ---- mouse buttons, pointer, hints, wheel, timer, paint and size
    void CreateWnd() override;
    void MouseMessage(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void CMMouseLeave(TMessage& message) override;
    void CMHintShow(TMessage& message) override;
    void CMMouseWheel(TMessage& message) override;
    // The balloon of the cell under a client point: its title, text and
    // icon, as the cell, its own balloon and OnCellBalloon make them.
    void CellBalloonText(TPoint point, TBalloonTipContent& content);
    // With balloons enabled, the mouse entering another cell shows its balloon.
    void ShowCellBalloon(int32_t x, int32_t y);
    // The looks that outline the grid draw their border colour in the frame.
    void DrawNonClientBorder();
    void WMNCPaint(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void WMSetCursor(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMCursorChanged(TMessage& message) override;
    // Forgets the hovered and sized fixed cell, repainting it.
    void ResetFixedCellHighlight();
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void DefaultHandler(TMessage& message) override;
    void PaintWindow(QPainter& painter) override;
    bool HasCustomCellBorders() const override { return static_cast<bool>(OnGetCellBorder); }
    bool IsHoverFixedCell(int32_t aCol, int32_t aRow) const;
    // Text and place of the tooltip of the cell under HintInfo.CursorPos.
    virtual void BuildCellHint(String& hintStr, THintInfo& hintInfo);
    void WMTimer(TMessage& message);

    // ---- editing: which editor a cell gets, showing and committing it
    bool CanEditShow() override;
    TInplaceEdit* CreateEditor() override;
    // The grid's EditMask, which OnGetEditMask may change per cell.
    String GetEditMask(int32_t aCol, int32_t aRow) override;
    int32_t GetEditLimit() override { return FMaxEditLength; }
    void ShowCellEditorControl(int32_t aCol, int32_t aRow);
    // With FocusHelper on, the frame goes around the current cell.
    void PlaceEditFocusFrame();
    void CommitCellEditorControl(int32_t aCol, int32_t aRow);
    // The spin, button, unit, check box and push button kinds of the two.
    void ShowControlEditor(int32_t aCol, int32_t aRow, const TRect& rect, TColor color);
    void CommitControlEditor(int32_t realCol, int32_t aRow);
    // The control that edits the kind; null for kinds it does not serve.
    TWinControl* ControlEditorOf(TEditorType kind) const;
    // The shared spin editor, created on first use.
    TGridSpin* SpinEdit();
    // The check box, button, unit and push button editors, hidden.
    void CreateCellControls();
    // An editor's text changed: with ShowEditProcess the cell follows it
    // while the user types. True when the change was taken here.
    bool EditorTextChanged(const TMessage& message);
    bool BaseCellEditable(int32_t aCol, int32_t aRow);
    // The editors keep Tab for themselves.
    bool EditorWantsTab() const;
    void RepaintActiveHeaderCells(int32_t oldCol, int32_t oldRow, int32_t newCol, int32_t newRow);

    // ---- keyboard, focus and the window procedure
    void WndProc(TMessage& message) override;
    void DragOver(TComponent* source, int32_t x, int32_t y, TDragState state, bool& accept) override;
    // The scroll bar shown on a cell that scrolls: made on first use, hidden
    // and disabled until shown, given the cell and its range.
    TScrollBar& CellScrollBar(int32_t aCol, int32_t aRow);
    // The current edit link is forgotten when it goes away.
    void Notification(TComponent* component, TOperation operation) override;
    void LastRowChanged() override;
    // Keep a stretched column filling the width, apply the user's sizing
    // to every column or row when asked, and report the end of a sizing.
    void SizeChanged(int32_t oldColCount, int32_t oldRowCount) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void WMKeyDown(TMessage& message) override;
    void WMChar(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void Click() override;
    void DoEnter() override;
    void DoExit() override;
    void TopLeftChanged() override;
    // The steps of a key while the grid has the focus.
    void ScrollOnlyKey(uint16_t key);
    void ControlCellKey(uint16_t key, int32_t realCol);
    bool HomeEndKeyDown(uint16_t key, TShiftState shift, int32_t leftCol);
    bool SkipFixedCellsKey(uint16_t key);
    void KeyDownTail(uint16_t key, TShiftState shift, int32_t entryCol, int32_t entryRow);
    void InsertRowByKey();
    void DeleteRowByKey();
    void SelectAllByKey();
    void MoveSelectedRowsByKey(bool down);
    void CursorAdvanceKey(uint16_t key);
    void TabTo(int32_t aCol, int32_t aRow);
    void TabToBase(int32_t aCol, int32_t aRow);
    bool TabStep(bool backward, bool& again);

    template <typename T>
    void SetRepainted(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (FUpdateCount == 0)
            Invalidate();
    }

    // ---- state shared with the editing, painting and mouse code
    int32_t FUpdateCount = 0;
    bool FLoaded = false;
    int32_t FNumNodes = 0;
    bool FNilObjects = false;
    bool FDisableChange = false;
    bool FDisableSize = false;
    bool FEditDisable = false;
    bool FEditChange = false;
    bool FScrollLock = false;
    int32_t FPaintCount = 0;
    bool FGridModified = false;
    bool FVirtualCells = false;
    bool FIsGrouping = false;
    bool FIsDBVersion = false;
    bool FSyncedMove = false;
    bool FCellSelectorMode = false;
    bool FNoRTLOrientation = false;
    bool FUseEnabledRows = false;
    bool FShowColNrs = true;
    bool FUseVCLStyles = false;

    int32_t FFixedRowsMin = 0;
    int32_t FFixedColsMin = 0;
    int32_t FMaxRowCount = 0;
    int32_t FMaxColCount = 0;
    int32_t FOldSize = -1;
    int32_t FOldLeftCol = 0;
    int32_t FOldKeepLeftCol = 0;
    int32_t FOldTopRow = 0;

    // Editing state
    String FOldCellText;
    String FNewCellText;
    String FOldCellTextWide;
    TChar FStartEditChar = TChar(0);
    int32_t FOldCol = 0;
    int32_t FOldRow = 0;
    int32_t FOldRowSel = -1;
    bool FOldModifiedValue = false;
    TCursor FOldCursor = crDefault;
    bool FBlockFocus = false;
    bool FBlockKill = false;
    bool FEntered = false;
    bool FEditing = false;
    bool FSpecialEditor = false;
    bool FValidating = false;
    int32_t FComboIdx = -1;
    TWinControl* EditCtrl = nullptr;
    TEditorType EditControl = edNormal;
    bool EditMode = false;
    String FEditText;
    String FEditWideText;
    bool FNoEditChange = false;
    bool FNoAutoAdvance = false;
    String FCellCache;
    double FOriginalDateTime = 0;
    int32_t FAECol = 0;
    int32_t FAERow = 0;
    bool FShowEditProcess = false;
    bool FEditStart = false;
    TPoint FCtrlXY {};
    String FCtrlID;
    String FCtrlType;
    bool FCtrlEditing = false;
    bool FPasteAll = false;
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    bool FLastValidation = true;
    bool FEditActive = false;
    // The shared combo editor, created with the grid.
    TGridCombo* EditCombo = nullptr;
    // The other editor controls created with the grid.
    TGridCheckBox* EditCheck = nullptr;
    TGridEditBtn* EditBtn = nullptr;
    TGridUnitEditBtn* UnitEditBtn = nullptr;
    TGridButton* GridButton = nullptr;
    // Created by SpinEdit() on first use.
    TGridSpin* FEditSpin = nullptr;
    // The date editors, made on first use.
    TGridDatePicker* FEditDate = nullptr;
    TGridDateTimePicker* FEditDateTime = nullptr;
    // The open date editor: its cell text converted, the user changed the
    // value, Esc asked for the cell to stay as it was.
    bool FDateEditParsed = false;
    bool FDateEditChanged = false;
    bool FDateEditRestored = false;
    TDudRichEdit* FRichEdit = nullptr;
    TDudRichEdit* FInplaceRichEdit = nullptr;
    // The header cell editors, made on first use; the grid owns them.
    TGridTransEdit* FEditTrans = nullptr;
    TGridTransCombo* FComboTrans = nullptr;
    // The editors of a markup form control, made on first use.
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    struct TRichCellLayout {
        String Text;
        TRichTextFormat Defaults;
        TRichText Document;
        bool LaidOut = false;
        TRichTextLayout Layout;
    };
    static uint64_t RichCellKey(int32_t aCol, int32_t aRow)
    {
        return (static_cast<uint64_t>(static_cast<uint32_t>(aCol)) << 32) | static_cast<uint32_t>(aRow);
    }
    // The documents of the rich cells drawn, by real column and row.
    std::unordered_map<uint64_t, TRichCellLayout> FRichCellCache;
    // Pictures of markup cells loaded by address, kept across repaints.
    std::unique_ptr<THTMLPictureCache> FImageCache = std::make_unique<THTMLPictureCache>();
    int32_t FLastTabCol = -1;
    int32_t FLastTabRow = -1;

    // Mouse, sizing and moving
    bool FMouseDown = false;
    bool FCtrlDown = false;
    bool FMouseResize = false;
    bool FMouseDownMove = false;
    bool FMouseKeepDown = false;
    bool FDeselectState = false;
    bool FSelectionClick = false;
    bool FSelChange = false;
    bool FDoOnClick = false;
    bool FForceSel = false;
    bool FDblClk = false;
    TMouseSelectMode FMouseSelectMode = msNormal;
    int32_t FMouseSelectStart = -1;
    int32_t FMoveColInd = 0;
    int32_t FMoveRowInd = 0;
    bool ColchgFlg = true;
    bool ColMoveFlg = false;
    bool ColSizeFlg = false;
    bool ColSized = false;
    bool Rowsized = false;
    int32_t Colclicked = -1;
    int32_t Rowclicked = -1;
    int32_t Colclickedsize = 0;
    int32_t Rowclickedsize = 0;
    TGridCoord Movecell {};
    int32_t MoveOfsX = 0;
    int32_t MoveOfsY = 0;
    int32_t Clickposx = 0;
    int32_t Clickposy = 0;
    int32_t Clickposdx = 0;
    int32_t Clickposdy = 0;
    bool Invokedchange = false;
    bool InvokedFocusChange = false;
    bool FIsColChanging = false;
    bool FSizeFixed = false;
    int32_t FSizingFixedCol = -1;
    bool FSizingFixed = false;
    int32_t FSizingFixedRow = -1;
    bool FSizeFixedR = false;
    bool FSizingFixedR = false;
    int32_t FSizeFixedX = 0;
    int32_t FSizeFixedY = 0;
    TGridRect FOldSelection {};
    TGridRect FSizeSelection {};
    TGridRect FMoveSelection {};
    TGridRect FDropSelection {};
    bool FFixedCellPushed = false;
    TRect FPushedFixedCell {};
    TGridCoord FPushedCellButton { -1, -1 };
    TGridCoord FHotFixedCell {};
    TGridCoord FHoverCell {};
    // The cell whose button is under the mouse (display column), -1 for none.
    TGridCoord FHoverButton { -1, -1 };
    int32_t FHoverlink = -1;
    int32_t FHoverFixedX = -1;
    int32_t FHoverFixedY = -1;
    bool FNoMouseLeave = false;
    bool FDropDownDown = false;
    // The header cell under edit.
    int32_t FFixedColEdit = -1;
    int32_t FFixedRowEdit = -1;
    TGridCoord FLastKeyCell {};
    bool FSelHidden = false;
    bool LButFlg = false;
    // The floating pictures of an enhanced move, while it lasts.
    std::unique_ptr<TForm> MoveForm;
    THeaderDragButton* MoveButton = nullptr;
    TRect PrevRect {};
    int32_t PrevSizeX = 0;
    int32_t PrevSizeY = 0;

    // Wheel
    // Wheel delta not yet making a whole notch.
    int32_t FWheelDelta = 0;
    int32_t wheelmsg = 0;
    int32_t wheelscrl = 0;
    bool wheelpan = false;
    TPoint wheelpanpos {};
    int32_t wheeltimer = 0;
    TCursor prevcurs = crDefault;
    TCursor FICursor = crDefault;

    // Sorting
    int32_t SortDir = 0;
    int32_t SortRow = 0;
    int32_t Compares = 0;
    int32_t Swaps = 0;
    int32_t SortTime = 0;

    // Search
    TPoint SearchCell {};
    int32_t FFindParams = 0;
    String SearchCache;
    String SearchCacheWide;
    String SearchInc;
    int32_t SearchTics = 0;

    // Printing
    TRect FPrintRect {};
    int32_t FPrintPageFrom = 1;
    int32_t FPrintPageTo = 1;
    int32_t FPrintPageNum = 0;
    double Fontscalefactor = 1.0;
    bool FPrinterdriverfix = false;

    // Filtering
    int32_t FFilterLevel = 0;
    String FLastFilter;
    int32_t FFilterCol = -1;
    int32_t FFilterFixedRows = 0;
    int32_t FFilterRow = 0;

    // Grouping
    int32_t FGroupColumn = -1;
    String FGroupCaption;
    String FGroupFooter;
    int32_t FGroupWidth = 0;

    // Hints and anchors
    TPoint FLastHintPos { -1, -1 };
    TPoint FLastBalloonPos {};
    String FLastAnchorHint;
    String FAnchor;
    String FToolTipBuffer;
    bool FScrollHintShow = false;
    // The "cw=" / "rh=" hint of a size drag, made on first use.
    THTMLHintWindow* FScrollHintWnd = nullptr;

    // Timers
    int32_t FGridTimerID = 0;
    bool FGridBlink = false;
    std::unique_ptr<TTimer> FDragTmr;
    int32_t FTimerTicks = 0;
    TDragScrollDirection FDragScrollDirection;
    std::unique_ptr<TScrollControl> vscrlctrl;
    std::unique_ptr<TScrollControl> hscrlctrl;
    // The scroll bar shown on a cell that scrolls, and the one painted into
    // such cells; made on first use.
    std::unique_ptr<TScrollBar> FScrollBar;
    std::unique_ptr<TScrollBar> FPaintScrollBar;

    // Platform and look
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsWinVista = true;
    bool FIsComCtl6 = true;
    bool FIsFlat = false;
    TVUVStyle FStyle = tsWindowsXP;
    TOfficeTheme FOldOfficeTheme = otUnknown;
    TColorTones FTones {};
    uint32_t FVAlign = 0;
    TColor FVUVGradFrom = clWhite;
    TColor FVUVGradTo;
    TColor FVUVGradMirrorFrom = clNone;
    TColor FVUVGradMirrorTo = clNone;
    TColor FVUVGradHoverFrom = clNone;
    TColor FVUVGradHoverTo = clNone;
    TColor FVUVGradHoverMirrorFrom = clNone;
    TColor FVUVGradHoverMirrorTo = clNone;
    TColor FVUVGradHoverBorder = clNone;
    TColor FVUVGradDownFrom = clNone;
    TColor FVUVGradDownTo = clNone;
    TColor FVUVGradDownMirrorFrom = clNone;
    TColor FVUVGradDownMirrorTo = clNone;
    TColor FVUVGradDownBorder = clNone;

    // Drag and drop, clipboard
    bool FOleDropTargetAssigned = false;
    int32_t FOleDragCol = -1;
    int32_t FOleDragIndex = 0;
    TPoint FClipTopLeft { -1, -1 };
    int32_t FClipLastOp = 0;

    // Cell controls and scrolling
    int32_t FNumCellControls = 0;
    int32_t FScrollCol = 0;
    int32_t FScrollRow = 0;

    // Others
    int32_t FLastDesignChoice = -1;
    bool FBlockCellChange = false;
    bool ResizeAssigned = false;
    // The owner form's own resize handler, called on by FormResize and put
    // back when the grid goes.
    TNotifyEvent FOnResize;
    TGridNotifyEvent FOnStartBlockFocus;
    TGridNotifyEvent FOnEndBlockFocus;

private:
    // ---- looks and component styles
    void ApplyPlainLookColors(TGridLook value);

    // ---- check boxes of grouped rows
    // What a toggle remembers of the row's group before it changes anything.
    struct TCheckGroup {
        bool IsNode = false;
        bool Contracted = false;
        int32_t Span = 0;
        int32_t Parent = -1;
    };
    // A node's box sets its children's; a child's makes its parent's box
    // checked, unchecked or grayed.
    void CheckGroupFollows(int32_t aCol, int32_t aRow, bool newState, const TCheckGroup& group);

    // ---- sorting
    class TSortScope;
    String SortText(int32_t aCol, int32_t aRow);
    TSortColumnKeys* SortKeysOf(int32_t aCol);
    TSortStyle DefaultSortStyle() const;
    bool SortNumber(int32_t aCol, int32_t aRow, const String& text, const String& prefix, const String& suffix,
        bool financial, double& value);
    int8_t AutomaticSortClass(int32_t aCol, int32_t aRow, const String& text);
    std::vector<int32_t> SortedRowOrder(int32_t left, int32_t right, const std::function<bool(int32_t, int32_t)>& before);
    void ApplyRowOrder(int32_t left, const std::vector<int32_t>& order);
    void SortGroups(bool indexed);
    bool IsNodeRow(int32_t aRow);
    int32_t NodeLevelOf(int32_t aRow) const;
    // ---- row and column edits
    class TFooterHold;
    void EmptyRowCells(int32_t aRow);
    void MoveStoreRow(int32_t fromIndex, int32_t toIndex);
    void ShiftCellControls(int32_t fromRealRow, int32_t delta);
    void DropCellControls(int32_t fromRealRow, int32_t toRealRow);
    void RemoveRowRange(int32_t rowIndex, int32_t count, bool trueRemoval, bool freeCells);
    void ColumnLayout(std::vector<uint8_t>& visible, std::vector<int32_t>& widths) const;
    void SetColumnLayout(const std::vector<uint8_t>& visible, const std::vector<int32_t>& widths);
    bool IsRowSelectedForRemoval(int32_t aRow);
    void RemoveDisplayedCols(int32_t fromCol, int32_t toCol);
    // The texts and numbers of the sort that runs; null between sorts.
    TSortKeys* FSortKeys = nullptr;
    // ---- drag and drop (DudOder_DragDrop.cpp)
    friend class TGridDropTarget;
    void OleDropTargetLoaded();
    // A press on the selection that may become a drag; true when it took
    // the press. The release makes the pressed cell the selection.
    bool OleSelectionClick(TPoint point, int32_t aCol, int32_t aRow);
    bool OleSelectionClickUp(TPoint point, int32_t aCol, int32_t aRow);
    // Starts a drag of the selection or of a column; true when one ran.
    bool OleDragMove(TShiftState shift, int32_t x, int32_t y);
    void RemoveOleDraggedCells();
    void LoadOleDroppedFile(const String& fileName);
    TArrowWindow& OleArrow(TArrowWindow*& arrow, TArrowDirection direction);
    void ShowOleArrow(TArrowWindow*& arrow, TArrowDirection direction, TPoint clientPos);
    void HideOleArrows(bool up, bool down, bool left);
    std::shared_ptr<TGridDropTarget> FGridDropTarget;
    TCustomListBox* FOleDragList = nullptr;
    // The block the last drop wrote into this grid during its own drag.
    TGridRect FOleDroppedHere { -1, -1, -1, -1 };
    // Drop markers, owned by the grid as components once made.
    TArrowWindow* ArwU = nullptr;
    TArrowWindow* ArwD = nullptr;
    TArrowWindow* ArwL = nullptr;
    TArrowWindow* ArwR = nullptr;

    friend class TDudInplaceEdit;
    friend class TGridCombo;
    friend class TGridSpin;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridCheckBox;
    friend class TGridButton;
    friend class TGridEditorKeys;
    friend class TEditLink;
    // Edit link: shown over the cell or on its popup form, and committed.
    void ShowEditLink(const TRect& cellRect, int32_t realCol, int32_t aRow, TColor color, const TFont& font,
        const String& text);
    void CommitEditLink(int32_t realCol, int32_t aRow);
    // The window procedure lent by an in-place edit link's control.
    void EditLinkControlWndProc(TMessage& message);
    TWndMethod FGridControlWndProc;
    // Steps of the window procedure.
    bool HandleCommand(TMessage& message);
    void EndEnhancedMove();
    void UpdateProportionalScrollBars();
    void LookUpIncrementally(TChar key);
    void ClickAdvancedControl(int32_t startCol, int32_t startRow);
    // ---- scroll bars and scroll messages
    void InitFlatScrollBars();
    void DoneFlatScrollBars();
    void FlatSetScrollProp(uint32_t index, intptr_t value);
    void FlatSetScrollInfo(int32_t bar, const TScrollInfo& info);
    void ApplyFlatScrollType();
    void ApplyFlatScrollColor();
    void ApplyFlatScrollWidth();
    void ApplyFlatScrollBars();
    // The row or column a thumb position stands for.
    int32_t ThumbCol(int32_t position);
    int32_t ThumbRow(int32_t position);
    void ShowScrollHint(const String& text, int32_t item);
    void HideScrollHint();
    void WMHScroll(TMessage& message);
    void WMVScroll(TMessage& message);
    bool CellScrollBarMessage(TMessage& message);
    // The cells the fixed background picture covers, and their repaint.
    TGridRect BackgroundCells();
    void RepaintBackgroundCells(const TGridRect& before);
    void StopDragScrollTimer();
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    friend class TDudRichEdit;
    friend class TFooterPanel;
    TPoint LineByLineSize(String text, const TFont& font);
    // The height of "gh" in a font, measured once per font while rows are
    // sized.
    int32_t LineHeightOf(const TFont& font);
    std::vector<std::pair<TFont, int32_t>> FLineHeights;
    void SwapCells(int32_t col1, int32_t row1, int32_t col2, int32_t row2);
    friend class TFloatingFooter;
    void ShowRichEditor(const TRect& rect, int32_t realCol, int32_t aRow, TColor color, const TFont& font);
    void CommitRichEditor(int32_t realCol, int32_t aRow);
    void WMLButtonDown(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMRButtonDown(TMessage& message);
    void WMRButtonUp(TMessage& message);
    // Steps of a press: each answers true when it took the press.
    bool SelectionGripDown(TMessage& message, TPoint point);
    bool FixedBorderDown(TPoint point);
    void PushFixedCell(int32_t aCol, int32_t aRow, TPoint point);
    bool CellControlDown(int32_t aCol, int32_t aRow, TPoint point, TShiftState keys);
    bool RatingDown(int32_t aCol, int32_t aRow, TPoint point);
    bool DisjunctSelectDown(int32_t aCol, int32_t aRow, TShiftState keys, const TGridRect& before,
        TMessage& platform);
    // Steps of a release.
    bool DisjunctCellUp(int32_t aCol, int32_t aRow, TShiftState shift);
    bool FilterButtonUp(int32_t aCol, int32_t aRow, TPoint point);
    void CloseFilterList();
    // The filter lists, made when a filter button first opens one.
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    bool FixedBorderUp(TPoint point);
    void ReleaseFixedCell();
    void DisjunctSelectUp(int32_t aCol, int32_t aRow);
    bool EnhancedMoveUp(int32_t aCol, int32_t aRow);
    void SelectionGripUp();
    // Steps of a move.
    void FixedBorderMove(int32_t x, int32_t y, bool onCell);
    void HoverButtonMove(int32_t aCol, int32_t aRow, TPoint point);
    void EnhancedMoveFeedback(int32_t x, int32_t y);
    // Header presses: the dropdown button and its menu; which press edits a
    // header cell.
    bool FixedDropDownDown(int32_t aCol, int32_t aRow, int32_t x);
    void CellScrollBarMove(int32_t aCol, int32_t aRow);
    bool FixedCellEditWanted(int32_t aCol, int32_t aRow, TGridFixedCellEdit how) const;
    bool FixedCellPressEdits(TMouseButton button, int32_t aCol, int32_t aRow, TPoint point) const;
    // The moved header's picture at the pointer: the cells as a floating
    // form with ShowCells, else the header drag button.
    void ShowMovePicture(int32_t x, int32_t y, int32_t aCol, int32_t aRow);
    void HideMovePicture();
    void ShowSizingHint(int32_t x, int32_t y);
    void HideSizingHint();
    bool EnhancedMoveEnding() const;
    // The grip at the bottom-right corner of the selection.
    TRect SelectionGripRect();
    // The fixed column (row) whose right (bottom) border lies within reach
    // of x (y); -1 when none.
    int32_t FixedColBorderAt(int32_t x);
    int32_t FixedRowBorderAt(int32_t y);
    void PaintPushedFixedCell();
    // The platform's moving state ended by the grid itself.
    int32_t FMoveTarget = -1;
    // The wheel's work for one whole notch.
    void WheelNotch(bool down, const TMessage& message);
    bool WheelStep(bool down, TShiftState shift, TPoint mousePos);
    // The steps of a column grip, the stretch and the column scaling that
    // come before the control's own resize; true when a stretch took it.
    bool SizeColumnsWithGrid();
    void SizeFlatScrollBars();
    void SetHoverRowIdx(int32_t aRow);
    void SetHoverFixedCell(int32_t aCol, int32_t aRow);
    void RepaintBlinkingCells();
    bool IsLoading() const { return (ComponentState() & csLoading) != 0; }
    // The combo editor's text or item changed: one OnComboChange per change.
    void ComboChanged();
    // The cell text a date editor opens with; false (and now) when it is
    // empty or no date.
    bool CellDateValue(const String& text, double& value);
    void ShowDateEditor(int32_t aCol, int32_t aRow, const TRect& rect, TColor color);
    void CommitDateEditor(int32_t realCol, int32_t aRow);
    void GridEditDone(int32_t aCol, int32_t aRow);
    // One step of an advance; false when it ends in an added row without
    // an editable cell.
    bool AdvanceStep(int32_t& aCol, int32_t& aRow, bool forward);
    // Opens the editor of the current cell with a typed character.
    void StartEditWithChar(TChar key);
    // The floating footer row is the grid's last row while it is shown.
    bool FloatingFooterVisible() const;
    bool ControlLookDropDownAlwaysVisible() const;
    bool ControlLookSpinButtonsAlwaysVisible() const;
    bool BackGroundIsGradient() const;
    // ---- outline nodes
    TCellGraphic* NodeGraphic(int32_t aRow);
    int32_t NextNodeRow(int32_t fromRow);
    // One past the last display row of the node's span.
    int32_t NodeSpanEnd(int32_t aRow);
    void LowerSpanLevels(int32_t aRow, int32_t span);
    void ExpandOneNode(int32_t aRow);
    void HideDisplayRows(int32_t fromRow, int32_t toRow);
    void GrowNodeChain(int32_t parent);
    // ---- grouping
    int32_t GroupTextColumn() const { return FGroupColumn == 1 ? 2 : 1; }
    void ColorGroupRow(int32_t aRow, bool header);
    void ColorGroupCell(int32_t aCol, int32_t aRow, bool header);
    void AddSummaryRow(int32_t aRow);
    void MergeGroupRows();
    void CloseSubGroup(int32_t header, int32_t aRow, int32_t colIndex);
    // ---- filtering
    String FilterCellText(const TFilterData& condition, int32_t aRow);
    bool MatchFilterData(const TFilterData& condition, int32_t aRow);
    void RestoreFilterLevel();
    bool FilterColumnValid() const { return FFilterCol >= 0 && FFilterCol < AllColCount(); }
    // ---- search
    TPoint FindCell(TPoint startCell, const String& text, TFindParams params, bool wide);
    bool MatchFindCell(int32_t aCol, int32_t aRow, const String& text, TFindParams params, bool wide);
    void ScrollAfterFind(int32_t footerRows, int32_t step);
    TFindParams SearchFooterParams(bool backward) const;
    void SetSearchEditColor(TColor color);
    void ConnectSearchPanel();
    bool FFindBusy = false;
    std::shared_ptr<RURevUvarudArivOrodar> FISelect;
    // ---- column calculations
    void NormalizeCalcRange(int32_t& fromRow, int32_t& toRow) const;
    bool CalcRowsAreReal(int32_t toRow) const;
    bool CalcCountsRow(int32_t aCol, int32_t displayRow, bool hidden);
    double CalcFloat(int32_t aCol, int32_t aRow, bool realRows) const;
    void VisitCalcValues(int32_t aCol, int32_t fromRow, int32_t toRow, bool realRows,
        const std::function<void(double)>& visit);
    double CalcColumn(TColumnCalcType type, int32_t aCol, int32_t fromRow, int32_t toRow, bool realRows);
    // The hidden-row store: a stored row owns its cell properties.
    TGridItem& StoreRow(int32_t storeIndex, int32_t displayRow);
    void RestoreRow(int32_t storeIndex, int32_t displayRow);
    void DiscardStoredRow(int32_t storeIndex);
    void DiscardStoredRows();
    int32_t StoredRowsBelow(int32_t realRow) const;
    std::vector<int32_t> RealRowsOf(const TIntList& displayRows) const;
    // The store position of the last row stored under that index, or -1.
    int32_t StoredRowIndex(int32_t realRow) const;
    // The row that held aRow before sorting.
    int32_t UnSortedRow(int32_t aRow) const;
    // The column recorded at aCol, where it is now.
    int32_t OriginalColumn(int32_t aCol) const;
    template <class T>
    void SetCellLook(int32_t aCol, int32_t aRow, void (TCellProperties::*setter)(T), T value);
    int32_t SearchPanelHeight() const { return FSearchFooter->Visible() ? 32 : 0; }
    // A marked-up text without its tags, line break and rule tags becoming
    // CR LF; a text that is no markup as it is, whatever "<" it holds.
    static String StrippedMarkup(const String& text);
    void ColumnHeadersChanged();
    void RowHeadersChanged();
    void MergedColumnsChanged();
    // Rows or columns of the fills: all cells, or the data cells only.
    TGridRect FillRange(bool doFixed) const;
    // Moves texts, cell properties and height; the source row is left empty.
    void MoveRowCells(int32_t fromRow, int32_t toRow);
    void ApplyActiveCellLook(int32_t aCol, int32_t aRow, TBrush& brush, TFont& font) const;
    // The graphic of a cell by real row, also inside a hidden row.
    TCellGraphic* GraphicOfRealRow(int32_t aCol, int32_t realRow);
    String CheckText(int32_t aCol, int32_t aRow, bool checked);
    void CheckControlCell(int32_t aCol, int32_t aRow) const;
    // New check boxes and radio buttons: flat, before the text, placed
    // vertically as the grid aligns its texts.
    TCellVAlign ControlVAlign() const;
    int32_t FirstCheckRow() const;

    // ---- painting steps
    // The look values the selection steps change together.
    struct TCellLook {
        TBrush& Brush;
        TColor& ColorTo;
        TColor& MirrorColor;
        TColor& MirrorColorTo;
        TFont& Font;
        TGridDrawState& State;
    };
    void PaintEditorFrame();
    void PaintOutsideCells();
    void PaintBackgroundFixed(TCanvas& canvas, const TRect& rect);
    void PaintBackgroundTiled(TCanvas& canvas, const TRect& rect);
    // True when the cell has a colour of its own.
    bool LookFromCellProperties(int32_t col, int32_t aRow, TBrush& brush, TColor& colorTo, TFont& font,
        bool& wordWrap, TCellGradientDirection& gradientDirection);
    void LookFromGrid(int32_t aCol, int32_t aRow, bool print, TBrush& brush);
    void ApplySelectionLook(TCellLook& look) const;
    void SelectByRowList(TCellLook& look, int32_t aRow, int32_t realRow);
    void SelectByColList(TCellLook& look, int32_t aCol, int32_t col);
    void DrawCellBorders(TCanvas& canvas, int32_t col, int32_t aRow, const TRect& rect);
    bool FixedCellHovered(int32_t aCol, int32_t aRow) const;
    void PaintCellScrollBar(TCellPaint& cell);
    void ApplyCellLook(TCellPaint& cell);
    void DrawFixedCellBackground(TCellPaint& cell);
    void DrawRowIndicator(TCellPaint& cell);
    void DrawListViewHeader(TCellPaint& cell);
    void DrawModifiedMarker(TCellPaint& cell);
    void DrawAlwaysVisibleButtons(TCellPaint& cell);
    void DrawTextOfCell(TCellPaint& cell);
    void DrawClassicFixedEdges(TCellPaint& cell);
    void DrawRaisedFixedLines(TCellPaint& cell);
    void DrawBlackBoxLines(TCanvas& canvas, const TRect& rect, TColor color);
    void DrawSoftFixedLines(TCellPaint& cell);
    void DrawRightFixedColumnLines(TCellPaint& cell);
    void DrawNodeTreeLines(TCellPaint& cell);
    void DrawGraphicOfCell(TCellPaint& cell);
    void DrawFocusFrame(TCellPaint& cell);
    void DrawCellText(TCellPaint& cell);
    void DrawFilterButton(TCellPaint& cell);
    void DrawCellBackgroundPicture(TCellPaint& cell);
    void DrawSelectionFrame(TCellPaint& cell);
    void DrawFormattedCellText(TCellPaint& cell, TRect& area, const String& text, int32_t kind);
    TRect MarkupTextArea(int32_t realCol, int32_t aRow, TRect area, bool filterButton);
    // Where a graphic of the cell's size goes in rect, by its alignments.
    TRect PlaceCellGraphic(const TCellPaint& cell, const TRect& rect) const;
    void DrawOtherCellGraphic(TCellPaint& cell, const TRect& rect);
    void DrawProgressGraphic(TCellPaint& cell, TRect rect);
    void DrawLevelProgressGraphic(TCellPaint& cell, TRect rect);
    void DrawButtonGraphic(TCellPaint& cell, TRect place);
    void DrawRatingGraphic(TCellPaint& cell, const TRect& place);
    void DrawRotatedGraphic(TCellPaint& cell);
    void DrawNodeGraphic(TCellPaint& cell, TRect rect);
    // A 16-pixel radio button of the glyph styles (Borland, theme, XP, VUV,
    // own glyphs) with its top-left at (left, top).
    void DrawRadioGlyph16(TCanvas& canvas, int32_t left, int32_t top, TControlLook::TControlStyle style, bool checked,
        bool disabled);
    TCellGraphic* CellGraphicOfType(int32_t aCol, int32_t aRow, TCellType type);
    TCellGraphic* BaseScrollBar(int32_t aCol, int32_t aRow);
    void RepaintRealCell(int32_t aCol, int32_t aRow);
    void SyncGridChanged(TDudStringGrid* old, TDudStringGrid* value);
    void DrawMarkupCellText(TCellPaint& cell, TRect& area, const String& text);
    void DrawPlainCellText(TCellPaint& cell, TRect& area, String text);
    void DrawCellMarker(TCellPaint& cell, const TRect& area, const String& text);
    void DrawCellGraphic(TCellPaint& cell, TRect rect);
    void DrawControlGraphic(TCellPaint& cell, const TRect& rect);
    void DrawBorlandCheck(TCanvas& canvas, const TRect& rect, bool checked, bool enabled);
    bool ShowsSortGlyph(int32_t col, int32_t aRow);
    void DrawSortGlyphOfText(TCellPaint& cell, const TRect& area, const String& text);
    void PaintSizingLines();

    // The sizing lines shown, -1 for none.
    int32_t FSizingLineX = -1;
    int32_t FSizingLineY = -1;

    // Owned settings objects
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    TGridFocusWindow* FFocusWindow = nullptr;
    std::unique_ptr<TFilter> FFilter;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TGrouping> FGrouping;
    std::unique_ptr<TBalloonSettings> FBalloonSettings;
    std::unique_ptr<TShowModified> FShowModified;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    std::unique_ptr<TCollection> FGridItems;
    // Owned as components of the grid.
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* FSearchPanel = nullptr;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TIntList> FSortRowXRef;
    std::unique_ptr<TIntList> FUnSortRowXRef;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<TIntList> FSelectedCells;
    std::unique_ptr<TIntList> FSelectedRows;
    std::unique_ptr<TIntList> FModifiedRows;
    std::unique_ptr<TIntList> FEnabledRows;
    std::unique_ptr<TIntList> FOrigColSizes;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<TControlList> FControlList;
    std::unique_ptr<TStringList> FColumnHeaders;
    std::unique_ptr<TStringList> FRowHeaders;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TStringList> Sortlist;
    std::unique_ptr<TStringList> FFilterList;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TFont> cf;
    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    // Row and column selection flags, indexed by row (column).
    std::vector<uint8_t> FRowSelect;
    std::vector<uint8_t> FColSelect;
    std::vector<TGridChangeNotifier*> FNotifierList;

    // Hidden columns: visibility and saved width per real column.
    std::array<bool, MaxHideableColumns + 1> FVisibleCol;
    std::array<int16_t, MaxHideableColumns + 1> FAllColWidths {};
    std::array<int32_t, MaxHideableColumns + 1> MaxWidths {};
    std::array<int32_t, MaxHideableColumns + 1> Indents {};
    int32_t FNumHidden = 0;

    // Published values
    int32_t FFixedRightCols = 0;
    int32_t FFixedFooters = 0;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int32_t FFixedRowHeight = 22;
    bool FWordWrapEx = true;
    TVAlignment FVAlignment = vtaTop;
    TAlignment FDefaultAlignment = taLeftJustify;
    bool FIntegralHeight = false;
    bool FAutoSize = false;
    bool FSizeWithForm = false;
    bool FMultilinecells = false;
    bool FFlat = false;
    TColor FSelectionColor = 0xEACAB6;
    TColor FSelectionColorTo = clNone;
    TColor FSelectionMirrorColor = clNone;
    TColor FSelectionMirrorColorTo = clNone;
    TColor FSelectionTextColor = clBlack;
    bool FSelectionColorMixer = false;
    int32_t FSelectionColorMixerFactor = 50;
    bool FSelectionRectangle = false;
    bool FSelectionResizer = false;
    bool FSelectionRTFKeep = false;
    TColor FSelectionRectangleColor = clBlack;
    bool FShowSelection = true;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    bool FActiveCellShow = false;
    TColor FActiveCellColor = clGray;
    TColor FActiveCellColorTo = clNone;
    bool FFixedAsButtons = false;
    TPopupMenu* FFixedDropDownMenu = nullptr;
    bool FHovering = false;
    THoverFixedCells FHoverFixedCells = hfNone;
    TGridLook FLook = glXP;
    TColor FBorderColor = 0xB99D7F;
    bool FAutoThemeAdapt = false;
    TColor FDisabledFontColor = clSilver;
    TImageList* FGridImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    bool FEnableBlink = false;
    bool FShowDesignHelper = true;
    TColor FURLColor = clBlue;
    bool FURLShow = false;
    bool FURLShowInText = false;
    bool FURLUnderlineOnHover = false;
    bool FURLFull = false;
    bool FURLEdit = false;
    bool FEnableHTML = true;
    bool FAnchorHint = false;
    TColor FHintColor = clInfoBk;
    bool FHintShowCells = false;
    bool FHintShowLargeText = false;
    THintShowLargeTextPos FHintShowLargeTextPos = hpCell;
    bool FHintShowSizing = false;
    bool FHTMLHint = false;
    bool FUseInternalHintClass = true;
    TEditorType FDefaultEditor = edNormal;
    int32_t FMaxEditLength = 0;
    int32_t FMaxComboLength = 0;
    bool FEditWithTags = false;
    bool FOemConvert = false;
    bool FExcelStyleDecimalSeparator = false;
    String FValidChars;
    String FFloatFormat = QStringLiteral("%.2f");
    String FInvalidEntryTitle;
    String FInvalidEntryText;
    TInvalidEntryIcon FInvalidEntryIcon = ieWarning;
    bool FLookup = false;
    bool FLookupCaseSensitive = false;
    bool FLookupHistory = false;
    String FCheckTrue = QStringLiteral("Y");
    String FCheckFalse = QStringLiteral("N");
    TChar FPasswordChar = TChar('*');
    String FEditMask;
    TEditLink* FEditLink = nullptr;
    bool FAlwaysValidate = false;
    bool FSpreadSheet = false;
    TScrollBarAlways FScrollBarAlways = saNone;
    TScrollStyle FScrollBars = ssBoth;
    TScrollType FScrollType = ssNormal;
    TColor FScrollColor = clNone;
    int32_t FScrollWidth = 17;
    bool FScrollProportional = false;
    bool FScrollSynch = false;
    TScrollHintType FScrollHints = shNone;
    bool FEnableWheel = true;
    TIntelliPan FIntelliPan = ipVertical;
    bool FIntelliZoom = true;
    bool FFilterActive = false;
    bool FFilterDropDownAuto = false;
    bool FFilterDropDownCheck = false;
    String FFilterDropDownClear = QStringLiteral("(All)");
    TFilterDropDownColumns FFilterDropDownColumns = fdNormal;
    int32_t FFilterDropDownRow = 0;
    bool FFilterNormalCellsOnly = true;
    bool FAutoFilterUpdate = true;
    bool FFilterIncremental = false;
    bool FAutoNumAlign = false;
    bool FEnhTextSize = false;
    bool FEnhRowColMove = true;
    bool FHideFocusRect = false;
    TChar FDelimiter = TChar(0);
    bool FJavaCSV = false;
    bool FQuoteEmptyCells = true;
    bool FAlwaysQuotes = false;
    bool FSaveFixedCells = true;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    bool FSaveVirtCells = true;
    bool FSaveWithHTML = true;
    bool FSaveWithRTF = false;
    bool FLoadFirstRow = true;
    bool FExcelClipboardFormat = false;
    String FXMLEncoding = QStringLiteral("ISO-8859-1");
    bool FShowNullDates = true;
    TPoint FXYOffset { 2, 2 };
    bool FXYOffsetTopLeftOnly = false;
    bool FUseDisabledFont = true;
    bool FFitCellsInGrid = true;
    bool FClearTextOnly = false;
    int32_t FZoomFactor = 0;
    bool FSizeGrowOnly = false;
    int32_t FMinRowHeight = 0;
    int32_t FMaxRowHeight = 0;
    int32_t FMinColWidth = 0;
    int32_t FMaxColWidth = 0;
    int32_t FAutoNumberOffset = 0;
    int32_t FAutoNumberStart = 0;
    TSortDirection FAutoNumberDirection = sdAscending;
    bool FFastPrint = false;
    bool FNoDefaultDraw = false;
    bool FNoImageAndText = false;
    bool FIsPrintPreview = false;
    bool FUseHTMLHints = false;
    int32_t FFindCol = 0;
    int32_t FFindRow = 0;
    TColor FArrowColor = clLime;
    ZEziZizuvoVovaZevaz* FCellChecker = nullptr;
};
