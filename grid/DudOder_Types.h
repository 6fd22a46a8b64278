#pragma once

// Enumerations, records and event types of the string grid unit.

#include "grid/base/BaseGrid.h"
#include "grid/base/VidEri_Options.h"
#include "platform/core/Exception.h"

#include <cstdint>
#include <functional>

class TDudStringGrid;
class TEditLink;
class TStrings;
class TStringList;
class TCheckListBox;
class TPopupMenu;

// The grid's own errors: a cell that holds no number, a row or column
// index outside the grid.
class EDudOderError : public Exception {
public:
    using Exception::Exception;
};

// An object of one class given where another class is required.
class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};

// What a cell's graphic shows; a cell without one answers ctEmpty.
enum TCellType {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand
};

// The page size and range of a scroll bar inside a cell.
struct TScrollProp {
    int32_t PageSize = 0;
    int32_t Range = 0;
    bool operator==(const TScrollProp&) const = default;
};

enum class TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSetOf<TCellBorder>;
using enum TCellBorder;

enum TSortStyle {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase
};

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum TGridLook : uint8_t { glStandard, glSoft, glClassic, glVUV, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
// The older XP colour schemes that SetTheme gives the fixed cells.
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THintShowLargeTextPos { hpCell, hpMouse };
enum THoverFixedCells { hfNone, hfFixedRows, hfFixedColumns, hfAll };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
// Where a drag held at the grid's edges scrolls it.
enum class TDragScrollDirections { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = TSetOf<TDragScrollDirections>;
using enum TDragScrollDirections;
// What a search compares and where it walks.
enum class TFindParameters {
    fnMatchCase,
    fnMatchFull,
    fnMatchRegular,
    fnDirectionLeftRight,
    fnMatchStart,
    fnFindInCurrentRow,
    fnFindInCurrentCol,
    fnIncludeFixed,
    fnAutoGoto,
    fnIgnoreHTMLTags,
    fnBackward,
    fnIncludeHiddenColumns,
    fnFindInPresetCol,
    fnFindInPresetRow,
    fnSelectedCells,
    fnIncludeHiddenRows,
};
using TFindParams = TSetOf<TFindParameters>;
using enum TFindParameters;

enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

// ---- events -----------------------------------------------------------------
// Handlers are called only when set; a reference parameter is a value the
// handler may change.

using TGridNotifyEvent = std::function<void(TDudStringGrid* sender)>;
using TRowColEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol)>;
using TColRowEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow)>;
using TRowColAllowEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, bool& allow)>;
using TColRowAllowEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, bool& allow)>;
using TRowEvent = std::function<void(TDudStringGrid* sender, int32_t aRow)>;
using TColEvent = std::function<void(TDudStringGrid* sender, int32_t aCol)>;
using TRowAllowEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, bool& allow)>;
using TColAllowEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, bool& allow)>;
using TAllowEvent = std::function<void(TDudStringGrid* sender, bool& allow)>;

using TGridColorEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, TGridDrawState state,
    TBrush& brush, TFont& font)>;
using TGridBorderEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, TPen& pen,
    TCellBorders& borders)>;
using TGridAlignEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, TAlignment& hAlign,
    TVAlignment& vAlign)>;
using TGridFormatEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, TSortStyle& style, String& prefix,
    String& suffix)>;
using TGetEditorTypeEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, TEditorType& editor)>;
using THasEditorEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, bool& has)>;
using TCanEditCellEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, bool& canEdit)>;
using TIsFixedCellEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, bool& isFixed)>;
using TIsPasswordCellEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, bool& isPassword)>;
using TGetWordWrapEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, bool& wordWrap)>;
using TGetCheckEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, String& value)>;
using TGetColumnFilterEvent = std::function<void(TDudStringGrid* sender, int32_t column, TStrings& filter)>;
using TGetCellCursorEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, int32_t x, int32_t y,
    TCursor& cursor)>;
using TGridHintEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, String& hint)>;

using TGridGradientEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, TColor& color,
    TColor& colorTo, TColor& colorMirror, TColor& colorMirrorTo, TCellGradientDirection& direction)>;
using TGridBorderPropEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, TPen& leftPen,
    TPen& topPen, TPen& rightPen, TPen& bottomPen)>;
using TCustomCellDrawEvent = std::function<void(TDudStringGrid* sender, TCanvas& canvas, int32_t aCol, int32_t aRow,
    TGridDrawState state, const TRect& rect, bool printing)>;
using TCustomCellSizeEvent = std::function<void(TDudStringGrid* sender, TCanvas& canvas, int32_t aCol, int32_t aRow,
    TPoint& size, bool printing)>;
using TFooterPaintEvent = std::function<void(TDudStringGrid* sender, int32_t column, TCanvas& canvas, const TRect& rect)>;

using TGetEditorPropEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, TEditLink* editLink)>;
using TFloatFormatEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, bool& isFloat,
    String& floatFormat)>;
using TEditChangeEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, const String& value)>;
using TCellValidateEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, String& value,
    bool& valid)>;
using TCellsChangedEvent = std::function<void(TDudStringGrid* sender, const TRect& cells)>;
using TAutoAdvanceEvent = std::function<void(TDudStringGrid* sender, int32_t oldRow, int32_t oldCol, int32_t& newRow,
    int32_t& newCol, bool& allow)>;
using TFixedEditEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow,
    TGridFixedCellEditor& editor, TStrings* values)>;
using TCustomStrToDateEvent = std::function<void(TDudStringGrid* sender, const String& value, double& date)>;

using TEllipsClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, String& value)>;
using TUnitChangedEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, const String& newUnit)>;
using TComboChangeEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, int32_t itemIndex,
    const String& selection)>;
using TComboObjectChangeEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow,
    int32_t itemIndex, const String& selection, void* object)>;
using TSpinClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, int32_t value, bool up)>;
using TFloatSpinClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, double value,
    bool up)>;
using TDateTimeSpinClickEvent = TFloatSpinClickEvent;
using TDateTimeChangeEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, double dateTime)>;
using TCheckBoxClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, bool state)>;
using TRadioClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, int32_t index)>;
using TExpandClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, bool expanded)>;
using TRatingChangeEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, double& newRate,
    bool& allow)>;
using TColorSelectedEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, TColor& color,
    String& value)>;
using TColorSelectEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, TColor color,
    const String& value)>;
using TImageSelectedEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, int32_t& index)>;
using TImageSelectEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, int32_t index)>;

using TChangingEvent = std::function<void(TDudStringGrid* sender, int32_t oldIndex, int32_t newIndex, bool& allow)>;
using TCellChangingEvent = std::function<void(TDudStringGrid* sender, int32_t oldRow, int32_t oldCol, int32_t newRow,
    int32_t newCol, bool& allow)>;
using TRowUpdateEvent = std::function<void(TDudStringGrid* sender, int32_t oldRow, int32_t newRow)>;
using TRowChangedEvent = TRowUpdateEvent;
using TScrollCellEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, int32_t position,
    int32_t minimum, int32_t maximum)>;
using TSelectionChangedEvent = std::function<void(TDudStringGrid* sender, int32_t aLeft, int32_t aTop, int32_t aRight,
    int32_t aBottom)>;
using TSelectionResizeEvent = std::function<void(TDudStringGrid* sender, const TGridRect& original,
    const TGridRect& selection)>;
using TRowDisjunctSelectEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, bool state, bool& allow)>;
using TColumnSizingEvent = std::function<void(TDudStringGrid* sender, int32_t index, int32_t size)>;
using TMouseWheelUpDownEvent = std::function<void(TDudStringGrid* sender, TShiftState shift, TPoint mousePos,
    bool& handled)>;
using TUpdateColumnSizeEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t& width)>;

using TCustomCompareEvent = std::function<void(TDudStringGrid* sender, const String& first, const String& second,
    int32_t& result)>;
using TRawCompareEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t row1, int32_t row2,
    int32_t& result)>;
using TNodeEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aRowReal)>;
using TNodeAllowEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aRowReal, bool& allow)>;
using TColumnCalcEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t fromRow, int32_t toRow,
    double& result)>;
using TFooterCalcEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, String& value)>;

using TCustomFilterEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, bool& acceptRow)>;
using TFilterSelectEvent = std::function<void(TDudStringGrid* sender, int32_t column, int32_t itemIndex,
    const String& friendlyName, String& filterCondition)>;
using TFilterCheckEvent = std::function<void(TDudStringGrid* sender, int32_t column, int32_t itemIndex,
    const String& friendlyName, String& filterCondition, TCheckListBox* checkList)>;
using TSearchEditChangeEvent = std::function<void(TDudStringGrid* sender, const String& value, bool& defaultSearch)>;
using TSearchFooterActionEvent = std::function<void(TDudStringGrid* sender, const String& value, int32_t aCol,
    int32_t aRow, TSearchAction action)>;
using TFixedDropDownClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow,
    TPopupMenu*& menu, bool& keepFixedCellHighlighted)>;
using TDropDownButtonClickEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow,
    int32_t buttonIndex)>;

using TAnchorClickEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, const String& anchor,
    bool& autoHandle)>;
using TAnchorEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, const String& anchor)>;
using TAnchorHintEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, String& anchor)>;
using TControlEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, const String& ctrlID,
    const String& ctrlType, const String& ctrlValue)>;
using TControlComboListEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol,
    const String& ctrlID, const String& ctrlType, const String& ctrlValue, TStringList& values, bool& edit,
    int32_t& dropCount)>;
using TControlComboSelectEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol,
    int32_t itemIndex, const String& ctrlID, const String& ctrlValue)>;
using TCellBalloonEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, String& title,
    String& text, int32_t& icon)>;
using TScrollHintEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, String& hint)>;

using TClipboardEvent = std::function<void(TDudStringGrid* sender, const String& value, bool& allow)>;
using TClipboardBeforePasteCellEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow,
    String& value, bool& allow)>;
using TClipboardAfterPasteCellEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow,
    const String& value)>;
using TCellSaveLoadEvent = std::function<void(TDudStringGrid* sender, int32_t aCol, int32_t aRow, String& value)>;
using TProgressEvent = std::function<void(TDudStringGrid* sender, int16_t progress)>;
using TOleDragDropEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, const String& data,
    bool& allow)>;
using TOleDragOverEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, bool& allow)>;
using TOleDragStartEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol)>;
using TOleDragStopEvent = std::function<void(TDudStringGrid* sender, int32_t oleEffect)>;
using TOleDropColEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, int32_t dropCol)>;
using TOleDroppedEvent = std::function<void(TDudStringGrid* sender, const TGridRect& cells)>;
using TOleDropFileEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, int32_t aCol, const String& name,
    bool& allow)>;
using TDragScrollEvent = std::function<void(TDudStringGrid* sender, int32_t topRow, int32_t leftCol,
    TDragScrollDirection& direction, bool& canScroll)>;

using TPrintStartEvent = std::function<void(TDudStringGrid* sender, int32_t nrOfPages, int32_t& fromPage,
    int32_t& toPage)>;
using TPrintCancelEvent = std::function<void(TDudStringGrid* sender, int32_t pageNr, bool& cancel)>;
using TPrintPageEvent = std::function<void(TDudStringGrid* sender, TCanvas& canvas, int32_t pageNr, int32_t pageXSize,
    int32_t pageYSize)>;
using TPrintGetPageNumEvent = std::function<void(TDudStringGrid* sender, int32_t pageNum, int32_t pageColNum,
    String& pageNumString)>;
using TPrintNewPageEvent = std::function<void(TDudStringGrid* sender, int32_t aRow, bool& newPage)>;
using TPrintPageDoneEvent = std::function<void(TDudStringGrid* sender, TCanvas& canvas, int32_t lastRow,
    int32_t lastRowOffset, int32_t lastPage, int32_t pageXSize, int32_t pageYSize)>;
using TPrintSetSizeEvent = std::function<void(TDudStringGrid* sender, int32_t index, int32_t& size)>;
using TFitToPageEvent = std::function<void(TDudStringGrid* sender, double& scaleFactor, bool& allow)>;
