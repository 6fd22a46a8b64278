#include "grid/base/VidEri_Options.h"

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
    if (value != FOwner) FGrid = value;
}

// ---- TFocusHelper ----------------------------------------------------------

void TFocusHelper::Assign(const TPersistent& source)
{
    if (const auto* helper = dynamic_cast<const TFocusHelper*>(&source)) FEnabled = helper->FEnabled;
}
