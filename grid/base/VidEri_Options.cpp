#include "grid/base/VidEri_Options.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// ---- TSearchFooter ---------------------------------------------------------

TSearchFooter::TSearchFooter(bool designTimeInit) : FFont(std::make_unique<TFont>())
{
    if (!designTimeInit) return;
    FFindNextCaption = QStringLiteral("Find &next");
    FFindPrevCaption = QStringLiteral("Find &previous");
    FHighLightCaption = QStringLiteral("Highlight");
    FHintClose = QStringLiteral("Close");
    FHintFindNext = QStringLiteral("Find next occurrence");
    FHintFindPrev = QStringLiteral("Find previous occurrence");
    FHintHighlight = QStringLiteral("Highlight occurrences");
    FMatchCaseCaption = QStringLiteral("Match case");
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Assign(const TPersistent& source)
{
    const auto* footer = dynamic_cast<const TSearchFooter*>(&source);
    if (!footer) return;
    FAlwaysHighLight = footer->FAlwaysHighLight;
    FColor = footer->FColor;
    FColorTo = footer->FColorTo;
    FFindNextCaption = footer->FFindNextCaption;
    FFindPrevCaption = footer->FFindPrevCaption;
    FHighLightCaption = footer->FHighLightCaption;
    FHintClose = footer->FHintClose;
    FHintFindNext = footer->FHintFindNext;
    FHintFindPrev = footer->FHintFindPrev;
    FHintHighlight = footer->FHintHighlight;
    FMatchCaseCaption = footer->FMatchCaseCaption;
    FShowClose = footer->FShowClose;
    FShowFindNext = footer->FShowFindNext;
    FShowFindPrev = footer->FShowFindPrev;
    FShowHighLight = footer->FShowHighLight;
    FShowMatchCase = footer->FShowMatchCase;
    FSearchActiveColumnOnly = footer->FSearchActiveColumnOnly;
    FSearchMatchStart = footer->FSearchMatchStart;
    FSearchColumn = footer->FSearchColumn;
    FSearchDirection = footer->FSearchDirection;
    FSearchHiddenRows = footer->FSearchHiddenRows;
    FVisible = footer->FVisible;
    FFont->Assign(*footer->FFont);
}

void TSearchFooter::Changed()
{
    if (OnChange) OnChange(this);
}

void TSearchFooter::SetText(String& field, const String& value)
{
    field = value;
    Changed();
}

void TSearchFooter::SetShown(bool& field, bool value)
{
    if (field == value) return;
    field = value;
    Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    Changed();
}

void TSearchFooter::SetColor(TColor value)
{
    FColor = value;
    Changed();
}

void TSearchFooter::SetColorTo(TColor value)
{
    FColorTo = value;
    Changed();
}

void TSearchFooter::SetFont(const TFont& value)
{
    FFont->Assign(value);
    Changed();
}

void TSearchFooter::SetShowClose(bool value)
{
    FShowClose = value;
    Changed();
}

// ---- TNavigation -----------------------------------------------------------

void TNavigation::Assign(const TPersistent& source)
{
    const auto* navigation = dynamic_cast<const TNavigation*>(&source);
    if (!navigation) return;
    const bool keepScrollOnSort = FSettings.KeepScrollOnSort;
    FSettings = navigation->FSettings;
    FSettings.KeepScrollOnSort = keepScrollOnSort;
}

void TNavigation::Changed()
{
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool value)
{
    if (FSettings.AdvanceInsert == value) return;
    FSettings.AdvanceInsert = value;
    Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection value)
{
    if (FSettings.AdvanceDirection == value) return;
    FSettings.AdvanceDirection = value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool value)
{
    FSettings.AdvanceAuto = value;
    if (value) FSettings.AdvanceOnEnter = true;
}

// ---- TMouseActions ---------------------------------------------------------

TMouseActions::TMouseActions() : FFixedComboValues(std::make_unique<TStringList>()) { }

TMouseActions::~TMouseActions() = default;

void TMouseActions::Assign(const TPersistent& source)
{
    const auto* actions = dynamic_cast<const TMouseActions*>(&source);
    if (!actions) return;
    const TSettings kept = FSettings;
    FSettings = actions->FSettings;
    FSettings.SizeFixedRow = kept.SizeFixedRow;
    FSettings.HotmailRowSelect = kept.HotmailRowSelect;
    FSettings.EditOnDblClickOnly = kept.EditOnDblClickOnly;
}

void TMouseActions::SetDisjunctRowSelect(bool value)
{
    FSettings.DisjunctRowSelect = value;
    if (value && IsDesigning()) {
        FSettings.DisjunctColSelect = false;
        FSettings.DisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctColSelect(bool value)
{
    FSettings.DisjunctColSelect = value;
    if (value && IsDesigning()) {
        FSettings.DisjunctRowSelect = false;
        FSettings.DisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctCellSelect(bool value)
{
    FSettings.DisjunctCellSelect = value;
    if (value && IsDesigning()) {
        FSettings.DisjunctRowSelect = false;
        FSettings.DisjunctColSelect = false;
    }
}

void TMouseActions::SetHotmailRowSelect(bool value)
{
    FSettings.HotmailRowSelect = value;
    if (value) {
        FSettings.DisjunctRowSelect = true;
        FSettings.CheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction value)
{
    if (FSettings.WheelAction == value) return;
    FSettings.WheelAction = value;
    if (OnChange) OnChange(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool value)
{
    FSettings.EditOnDblClickOnly = value;
    if (value && OnDisableEdit) OnDisableEdit(this);
}

// ---- TSyncGrid -------------------------------------------------------------

void TSyncGrid::Assign(const TPersistent& source)
{
    const auto* sync = dynamic_cast<const TSyncGrid*>(&source);
    if (!sync) return;
    SetGrid(sync->FGrid);
    FScrollVertical = sync->FScrollVertical;
    FScrollHorizontal = sync->FScrollHorizontal;
    FSelectionColumn = sync->FSelectionColumn;
    FSelectionRow = sync->FSelectionRow;
    FMoveColumn = sync->FMoveColumn;
    FMoveRow = sync->FMoveRow;
}

void TSyncGrid::SetGrid(TDudStringGrid* value)
{
    if (value == FOwner || value == FGrid)
        return;
    TDudStringGrid* old = FGrid;
    FGrid = value;
    if (OnGridChange)
        OnGridChange(old, value);
}

// ---- TBands ----------------------------------------------------------------

void TBands::Assign(const TPersistent& source)
{
    const auto* bands = dynamic_cast<const TBands*>(&source);
    if (!bands) return;
    FActive = bands->FActive;
    FPrimaryColor = bands->FPrimaryColor;
    FPrimaryLength = bands->FPrimaryLength;
    FSecondaryColor = bands->FSecondaryColor;
    FSecondaryLength = bands->FSecondaryLength;
    FPrint = bands->FPrint;
    UpdateTotalLength();
}

void TBands::Changed()
{
    if (OnChange) OnChange(this);
}

void TBands::SetActive(bool value)
{
    if (FActive == value) return;
    FActive = value;
    Changed();
}

void TBands::SetLength(int32_t& field, int32_t value)
{
    if (field == value) return;
    field = value;
    UpdateTotalLength();
    if (FActive) Changed();
}

// Lengths come from stored layouts unchecked; their sum saturates rather than wraps.
void TBands::UpdateTotalLength()
{
    FTotalLength = static_cast<int32_t>(std::clamp<int64_t>(int64_t { FPrimaryLength } + FSecondaryLength,
        std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void TBands::SetPrimaryLength(int32_t value) { SetLength(FPrimaryLength, value); }

void TBands::SetSecondaryLength(int32_t value) { SetLength(FSecondaryLength, value); }

void TBands::SetBandColor(TColor& field, TColor value)
{
    if (field == value) return;
    field = value;
    if (FActive) Changed();
}

void TBands::SetPrimaryColor(TColor value) { SetBandColor(FPrimaryColor, value); }

void TBands::SetSecondaryColor(TColor value) { SetBandColor(FSecondaryColor, value); }

TColor TBands::RowColor(int32_t row, int32_t fixedRows) const
{
    if (FTotalLength <= 0) return FPrimaryColor;
    const int32_t position = (row - fixedRows) % FTotalLength;
    return position < FPrimaryLength ? FPrimaryColor : FSecondaryColor;
}

// ---- TFocusHelper ----------------------------------------------------------

void TFocusHelper::Assign(const TPersistent& source)
{
    if (const auto* helper = dynamic_cast<const TFocusHelper*>(&source)) FEnabled = helper->FEnabled;
}
