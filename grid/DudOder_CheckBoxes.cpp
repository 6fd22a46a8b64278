#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_Settings.h"
#include "platform/core/StringList.h"

// Cells that behave like controls: check boxes in their five kinds, radio
// buttons (a column of them is one group), radio groups inside one cell,
// balloons and expand buttons. The state lives in the cell's graphic, in its
// text (data and virtual check boxes) or in the row-select flag (the
// column-0 row check box).

namespace {

bool IsCheckBoxType(TCellType type)
{
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox
        || type == ctTriStateCheckBox;
}

// The controls that may carry a balloon besides their own state.
bool TakesBalloon(TCellType type)
{
    return type == ctCheckBox || type == ctDataCheckBox || type == ctRadioButton;
}

} // namespace

TCellVAlign TDudStringGrid::ControlVAlign() const
{
    switch (FVAlignment) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    default:
        return vaTop;
    }
}

int32_t TDudStringGrid::FirstCheckRow() const
{
    return FMouseActions->CheckAllCheck() ? 0 : FixedRows();
}

void TDudStringGrid::CheckControlCell(int32_t aCol, int32_t aRow) const
{
    // Only rows the grid shows: a row past RowCount would carry a control
    // nobody can see or click.
    if (aCol < 0 || aRow < 0 || aCol >= ColCount() + FNumHidden || aRow >= RowCount())
        throw EDudOderError(QStringLiteral("Invalid cell"));
}

String TDudStringGrid::CheckText(int32_t aCol, int32_t aRow, bool checked)
{
    String text;
    if (checked)
        GetCheckTrue(aCol, aRow, text);
    else
        GetCheckFalse(aCol, aRow, text);
    return text;
}

TCellGraphic* TDudStringGrid::GraphicOfRealRow(int32_t aCol, int32_t realRow)
{
    if (NumHiddenRows() == 0)
        return GetCellGraphic(aCol, realRow);
    if (const int32_t storeIndex = StoredRowIndex(realRow); storeIndex >= 0) {
        const TStringList& cells = static_cast<TGridItem*>(FGridItems->Items(storeIndex))->Items();
        const auto* props = aCol < cells.Count() ? static_cast<TCellProperties*>(cells.Objects(aCol)) : nullptr;
        if (props && props->GraphicObject())
            return dynamic_cast<TCellGraphic*>(props->GraphicObject());
        return realRow < RowCount() ? GetCellGraphic(aCol, realRow) : nullptr;
    }
    return GetCellGraphic(aCol, RemapRowToDispl(realRow));
}

void TDudStringGrid::DoCheckBoxChange(int32_t aCol, int32_t aRow, bool state)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, aCol, aRow, state);
}

void TDudStringGrid::AddCheckBox(int32_t aCol, int32_t aRow, bool state, bool data)
{
    CheckControlCell(aCol, aRow);
    CreateCellGraphic(aCol, aRow).SetCheckBox(state, data, true, haBeforeText, ControlVAlign());
    if (data) {
        const String text = Cells(aCol, aRow);
        if (text != FCheckTrue && text != FCheckFalse)
            SetCells(aCol, aRow, state ? FCheckTrue : FCheckFalse);
    }
}

void TDudStringGrid::AddCheckBox(int32_t aCol, int32_t aRow, TCheckBoxState state)
{
    CheckControlCell(aCol, aRow);
    CreateCellGraphic(aCol, aRow).SetCheckBox(state, true, haBeforeText, ControlVAlign());
}

void TDudStringGrid::AddCheckBoxColumn(int32_t aCol, bool defaultState, bool dataCheckBox)
{
    for (int32_t row = FirstCheckRow(); row < RowCount(); ++row) {
        const TCellType rowType = GetCellType(0, row);
        if (rowType == ctSummary)
            continue;
        if (rowType == ctNode)
            AddCheckBox(aCol, row, cbUnchecked);
        else
            AddCheckBox(aCol, row, defaultState, dataCheckBox);
    }
}

void TDudStringGrid::AddTriStateCheckBoxColumn(int32_t aCol, TCheckBoxState state)
{
    for (int32_t row = FirstCheckRow(); row < RowCount(); ++row)
        AddCheckBox(aCol, row, state);
}

void TDudStringGrid::RemoveCheckBoxColumn(int32_t aCol)
{
    for (int32_t row = FirstCheckRow(); row < RowCount(); ++row)
        if (HasCheckBox(aCol, row))
            RemoveCheckBox(aCol, row);
}

void TDudStringGrid::RemoveCheckBox(int32_t aCol, int32_t aRow)
{
    const TCellType type = GetCellType(aCol, aRow);
    if (type == ctCheckBox || type == ctDataCheckBox || type == ctTriStateCheckBox)
        RemoveCellGraphic(aCol, aRow);
}

bool TDudStringGrid::HasCheckBox(int32_t aCol, int32_t aRow)
{
    return IsBaseCellTypeIn(aCol, aRow, { ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox });
}

bool TDudStringGrid::HasDataCheckBox(int32_t aCol, int32_t aRow)
{
    return IsBaseCellTypeIn(aCol, aRow, { ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox });
}

bool TDudStringGrid::IsInCheckBox(int32_t aCol, int32_t aRow, int32_t x, int32_t y)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic || !(IsCheckBoxType(graphic->CellType()) || graphic->CellType() == ctRadioButton))
        return false;
    if (!FMouseActions->PreciseCheckBoxCheck())
        return true;
    const TRect cell = CellRect(RemapColToDispl(aCol), aRow);
    const int32_t size = FControlLook->CheckSize();
    int32_t top = cell.Top + 2;
    if (graphic->CellVAlign() == vaBottom)
        top = cell.Bottom - size - 2;
    else if (graphic->CellVAlign() == vaCenter)
        top = cell.Top + (cell.Height() - size) / 2;
    TAlignment hAlign = taLeftJustify;
    TVAlignment vAlign = vtaTop;
    ResolveCellAlignment(aCol, aRow, hAlign, vAlign);
    int32_t left = cell.Left + 2;
    if (hAlign == taRightJustify) {
        const String text = Cells(aCol, aRow);
        left = cell.Right - size - 2 - (text.isEmpty() ? 0 : Canvas().TextWidth(text));
    } else if (hAlign == taCenter) {
        left = cell.Left + (cell.Width() - size) / 2;
    }
    return x >= left && x < left + size && y >= top && y < top + size;
}

bool TDudStringGrid::GetCheckBoxState(int32_t aCol, int32_t aRow, TCheckBoxState& state)
{
    const TCellGraphic* graphic = GraphicOfRealRow(aCol, aRow);
    if (!graphic)
        return false;
    switch (graphic->CellType()) {
    case ctCheckBox:
        state = BoolToCheckBoxState(graphic->CellBoolean());
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        state = BoolToCheckBoxState(GetCellsEx(aCol, aRow) == CheckText(aCol, aRow, true));
        return true;
    case ctTriStateCheckBox:
        state = graphic->CellCheckBoxState();
        return true;
    case ctRowCheckBox:
        if (aCol != 0)
            return false;
        state = BoolToCheckBoxState(GetRowSelect(aRow));
        return true;
    default:
        return false;
    }
}

bool TDudStringGrid::GetCheckBoxState(int32_t aCol, int32_t aRow, bool& value)
{
    TCheckBoxState state = cbUnchecked;
    if (!GetCheckBoxState(aCol, aRow, state))
        return false;
    value = state == cbChecked;
    return true;
}

bool TDudStringGrid::IsChecked(int32_t aCol, int32_t aRow)
{
    bool checked = false;
    return GetCheckBoxState(aCol, aRow, checked) && checked;
}

bool TDudStringGrid::SetCheckBoxState(int32_t aCol, int32_t aRow, bool state)
{
    TCellGraphic* graphic = GraphicOfRealRow(aCol, aRow);
    if (!graphic)
        return false;
    switch (graphic->CellType()) {
    case ctCheckBox:
        graphic->SetCellBoolean(state);
        RepaintCell(RemapColToDispl(aCol), RemapRowToDispl(aRow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        SetCellsEx(aCol, aRow, CheckText(aCol, aRow, state));
        return true;
    case ctRowCheckBox:
        if (aCol != 0)
            return false;
        SetRowSelect(aRow, state);
        return true;
    default:
        return false;
    }
}

bool TDudStringGrid::SetCheckBoxState(int32_t aCol, int32_t aRow, TCheckBoxState state)
{
    TCellGraphic* graphic = GraphicOfRealRow(aCol, aRow);
    if (!graphic || graphic->CellType() != ctTriStateCheckBox)
        return false;
    graphic->SetCellCheckBoxState(state);
    RepaintCell(RemapColToDispl(aCol), RemapRowToDispl(aRow));
    return true;
}

bool TDudStringGrid::ToggleCellCheck(int32_t aCol, int32_t aRow, bool askCanEdit)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic)
        return false;
    // The group is read before the toggle: a node's span and state, or a
    // child's parent node.
    TCheckGroup group;
    if (FGrouping->AutoCheckGroup()) {
        group.IsNode = IsNode(aRow);
        if (group.IsNode) {
            group.Span = GetNodeSpan(aRow);
            group.Contracted = GetNodeState(aRow);
        } else {
            group.Parent = GetParentRow(aRow);
            if (group.Parent >= 0)
                group.Span = GetNodeSpan(group.Parent);
        }
    }
    if (!IsCheckBoxType(graphic->CellType()))
        return false;
    if (askCanEdit && !FControlLook->CheckAlwaysActive()) {
        bool allowed = true;
        CanEditCell(aCol, aRow, allowed);
        if (!allowed)
            return false;
    }
    // The undo entry records what the cell really held before and after:
    // the text of a data check box, the check texts for a state kept in the
    // graphic or the row flag.
    String oldValue;
    String newValue;
    bool newState = false;
    switch (graphic->CellType()) {
    case ctCheckBox:
        newState = !graphic->CellBoolean();
        graphic->SetCellBoolean(newState);
        oldValue = CheckText(aCol, aRow, !newState);
        newValue = CheckText(aCol, aRow, newState);
        break;
    case ctTriStateCheckBox: {
        const TCheckBoxState oldState = graphic->CellCheckBoxState();
        // A node's box goes from unchecked straight to checked: grayed is
        // what its children make of it.
        const TCheckBoxState fromUnchecked = group.IsNode ? cbChecked : cbGrayed;
        TCheckBoxState state = fromUnchecked;
        if (oldState == cbChecked)
            state = cbUnchecked;
        else if (oldState == cbGrayed)
            state = cbChecked;
        graphic->SetCellCheckBoxState(state);
        newState = state == cbChecked;
        oldValue = CheckText(aCol, aRow, oldState == cbChecked);
        newValue = CheckText(aCol, aRow, newState);
        break;
    }
    case ctRowCheckBox: {
        // The row check box selects rows; its header selects or clears them all.
        if (aRow < FixedRows()) {
            newState = !graphic->CellBoolean();
            for (int32_t row = FixedRows(); row < RowCount(); ++row)
                SetRowSelect(RealRowIndex(row), newState);
        } else {
            const int32_t realRow = RealRowIndex(aRow);
            newState = !GetRowSelect(realRow);
            SetRowSelect(realRow, newState);
        }
        oldValue = CheckText(aCol, aRow, !newState);
        newValue = CheckText(aCol, aRow, newState);
        break;
    }
    default: {
        oldValue = Cells(aCol, aRow);
        const String checkTrue = CheckText(aCol, aRow, true);
        newState = oldValue != checkTrue;
        newValue = newState ? checkTrue : CheckText(aCol, aRow, false);
        SetCells(aCol, aRow, newValue);
        break;
    }
    }
    RepaintCell(RemapColToDispl(aCol), aRow);
    DoCheckBoxChange(aCol, aRow, newState);
    if (FGrouping->AutoCheckGroup())
        CheckGroupFollows(aCol, aRow, newState, group);
    if (UndoRedo())
        UndoRedo()->RegisterChange(aCol, aRow, oldValue, newValue);
    return true;
}

void TDudStringGrid::CheckGroupFollows(int32_t aCol, int32_t aRow, bool newState, const TCheckGroup& group)
{
    const int32_t children = group.Span - 1;
    if (group.IsNode) {
        // A contracted node's children are hidden right after it in the real rows.
        for (int32_t child = 1; child <= children; ++child) {
            if (group.Contracted)
                SetCheckBoxState(aCol, RealRowIndex(aRow) + child, newState);
            else if (aRow + child < RowCount())
                SetCheckBoxState(aCol, RealRowIndex(aRow + child), newState);
        }
        return;
    }
    if (group.Parent < 0 || group.Parent == aRow)
        return;
    bool first = false;
    bool allEqual = true;
    for (int32_t child = 1; child <= children && group.Parent + child < RowCount(); ++child) {
        bool checked = false;
        GetCheckBoxState(aCol, RealRowIndex(group.Parent + child), checked);
        if (child == 1)
            first = checked;
        else if (checked != first)
            allEqual = false;
    }
    const TCheckBoxState parentState = !allEqual ? cbGrayed : first ? cbChecked : cbUnchecked;
    SetCheckBoxState(aCol, RealRowIndex(group.Parent), parentState);
}

bool TDudStringGrid::ApplyCheckState(int32_t aCol, int32_t aRow, bool value)
{
    TCellGraphic* graphic = NumHiddenRows() > 0 ? GraphicOfRealRow(aCol, RealRowIndex(aRow)) : GetCellGraphic(aCol, aRow);
    if (!graphic)
        return false;
    switch (graphic->CellType()) {
    case ctCheckBox:
        if (value != graphic->CellBoolean()) {
            graphic->SetCellBoolean(value);
            DoCheckBoxChange(aCol, aRow, value);
            RepaintCell(RemapColToDispl(aCol), aRow);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const bool wasChecked = Cells(aCol, aRow) == CheckText(aCol, aRow, true);
        SetCells(aCol, aRow, CheckText(aCol, aRow, value));
        if (value != wasChecked)
            DoCheckBoxChange(aCol, aRow, value);
        return true;
    }
    case ctRowCheckBox: {
        if (aCol != 0)
            return false;
        const int32_t realRow = RealRowIndex(aRow);
        if (value != GetRowSelect(realRow)) {
            SetRowSelect(realRow, value);
            DoCheckBoxChange(aCol, aRow, value);
        }
        return true;
    }
    default:
        return false;
    }
}

void TDudStringGrid::CheckAll(int32_t aCol)
{
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        ApplyCheckState(aCol, row, true);
    if (FNumHidden > 0)
        RepaintCol(RemapColToDispl(aCol));
}

void TDudStringGrid::UnCheckAll(int32_t aCol)
{
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        ApplyCheckState(aCol, row, false);
}

void TDudStringGrid::AddRadioButton(int32_t aCol, int32_t aRow, bool state)
{
    CheckControlCell(aCol, aRow);
    CreateCellGraphic(aCol, aRow).SetRadioButton(state, true, haBeforeText, ControlVAlign());
}

void TDudStringGrid::AddRadioButtonColumn(int32_t aCol)
{
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        AddRadioButton(aCol, row, false);
}

void TDudStringGrid::RemoveRadioButton(int32_t aCol, int32_t aRow)
{
    RemoveCellGraphicOfType(aCol, aRow, ctRadioButton);
}

void TDudStringGrid::RemoveRadioButtonColumn(int32_t aCol)
{
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        if (HasRadioButton(aCol, row))
            RemoveRadioButton(aCol, row);
}

bool TDudStringGrid::HasRadioButton(int32_t aCol, int32_t aRow)
{
    return IsBaseCellTypeIn(aCol, aRow, { ctRadioButton });
}

bool TDudStringGrid::IsRadioButtonChecked(int32_t aCol, int32_t aRow)
{
    if (!HasRadioButton(aCol, aRow))
        return false;
    const TPoint base = BaseCell(aCol, aRow);
    return GetCellGraphic(base.X, base.Y)->CellBoolean();
}

bool TDudStringGrid::SetRadioButtonState(int32_t aCol, int32_t aRow, bool state)
{
    if (!HasRadioButton(aCol, aRow))
        return false;
    const TPoint base = BaseCell(aCol, aRow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (graphic->CellBoolean() != state) {
        graphic->SetCellBoolean(state);
        RepaintCell(RemapColToDispl(aCol), aRow);
    }
    return true;
}

void TDudStringGrid::SetRadioButtonColumnIndex(int32_t aCol, int32_t index)
{
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        SetRadioButtonState(aCol, row, row == index);
}

int32_t TDudStringGrid::GetRadioButtonColumnIndex(int32_t aCol)
{
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
        if (IsRadioButtonChecked(aCol, row))
            return row;
    return -1;
}

bool TDudStringGrid::SelectRadioButtonCell(int32_t aCol, int32_t aRow, bool askCanEdit)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic || graphic->CellType() != ctRadioButton)
        return false;
    if (askCanEdit && !FControlLook->CheckAlwaysActive()) {
        bool allowed = true;
        CanEditCell(aCol, aRow, allowed);
        if (!allowed)
            return false;
    }
    if (graphic->CellBoolean())
        return true;
    graphic->SetCellBoolean(true);
    RepaintCell(RemapColToDispl(aCol), aRow);
    for (int32_t row = 0; row < RowCount(); ++row) {
        if (row != aRow && IsRadioButtonChecked(aCol, row)) {
            GetCellGraphic(aCol, row)->SetCellBoolean(false);
            RepaintCell(RemapColToDispl(aCol), row);
        }
    }
    // A checked button kept in a hidden row would come back as a second
    // checked button of the group.
    for (int32_t index = 0; index < FGridItems->Count(); ++index) {
        const int32_t realRow = static_cast<TGridItem*>(FGridItems->Items(index))->Idx();
        if (TCellGraphic* hidden = GraphicOfRealRow(aCol, realRow); hidden && hidden->CellType() == ctRadioButton)
            hidden->SetCellBoolean(false);
    }
    return true;
}

void TDudStringGrid::AddRadio(int32_t aCol, int32_t aRow, int32_t dirRadio, int32_t idxRadio, TStrings* options)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctRadio);
    graphic.SetStrings(options);
    graphic.SetCellAngle(options ? options->Count() : 0);
    graphic.SetCellBoolean(dirRadio != 0);
    graphic.SetCellIndex(idxRadio);
}

TStrings& TDudStringGrid::CreateRadio(int32_t aCol, int32_t aRow, int32_t dirRadio, int32_t idxRadio)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctRadio);
    auto options = std::make_unique<TStringList>();
    TStrings& created = *options;
    graphic.SetStrings(std::unique_ptr<TStrings>(std::move(options)));
    graphic.SetCellAngle(0);
    graphic.SetCellBoolean(dirRadio != 0);
    graphic.SetCellIndex(idxRadio);
    return created;
}

bool TDudStringGrid::GetRadioIdx(int32_t aCol, int32_t aRow, int32_t& idxRadio)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic || graphic->CellType() != ctRadio)
        return false;
    idxRadio = graphic->CellIndex();
    return true;
}

bool TDudStringGrid::SetRadioIdx(int32_t aCol, int32_t aRow, int32_t idxRadio)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic || graphic->CellType() != ctRadio)
        return false;
    graphic->SetCellIndex(idxRadio);
    if (idxRadio == -1)
        SetCells(aCol, aRow, String());
    RepaintCell(RemapColToDispl(aCol), aRow);
    return true;
}

TStrings* TDudStringGrid::GetRadioStrings(int32_t aCol, int32_t aRow)
{
    if (!IsRadio(aCol, aRow))
        return nullptr;
    const TPoint base = BaseCell(aCol, aRow);
    return GetCellGraphic(base.X, base.Y)->CellStrings();
}

bool TDudStringGrid::IsRadio(int32_t aCol, int32_t aRow)
{
    return IsBaseCellTypeIn(aCol, aRow, { ctRadio });
}

void TDudStringGrid::AdvanceRadioSelection(int32_t aCol, int32_t aRow, bool askCanEdit)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic || graphic->CellType() != ctRadio)
        return;
    if (askCanEdit && !FControlLook->RadioAlwaysActive()) {
        bool allowed = true;
        CanEditCell(aCol, aRow, allowed);
        if (!allowed)
            return;
    }
    const TStrings* options = graphic->CellStrings();
    const int32_t count = options ? options->Count() : 0;
    if (count == 0)
        return;
    int32_t next = graphic->CellIndex() >= 0 ? graphic->CellIndex() + 1 : options->IndexOf(Cells(aCol, aRow)) + 1;
    if (next >= count)
        next = 0;
    if (graphic->CellIndex() >= -1)
        graphic->SetCellIndex(next);
    graphic->SetCellVar(next);
    SetCells(aCol, aRow, options->Strings(next));
}

void TDudStringGrid::AddBalloon(int32_t aCol, int32_t aRow, const String& title, const String& text,
    TBalloonIcon icon)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (graphic && !TakesBalloon(graphic->CellType()))
        return;
    if (graphic) {
        graphic->SetCellAngle(1);
    } else {
        graphic = &CreateCellGraphic(aCol, aRow);
        graphic->SetCellType(ctBalloon);
        graphic->SetCellAngle(0);
    }
    auto lines = std::make_unique<TStringList>();
    lines->Add(title);
    lines->Add(text);
    graphic->SetStrings(std::unique_ptr<TStrings>(std::move(lines)));
    graphic->SetCellIndex(icon);
}

void TDudStringGrid::RemoveBalloon(int32_t aCol, int32_t aRow)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (graphic && TakesBalloon(graphic->CellType()) && graphic->CellAngle() == 1) {
        graphic->ClearPayload();
        graphic->SetCellAngle(0);
        return;
    }
    RemoveCellGraphicOfType(aCol, aRow, ctBalloon);
}

bool TDudStringGrid::HasBalloon(int32_t aCol, int32_t aRow)
{
    return IsBaseCellTypeIn(aCol, aRow, { ctBalloon });
}

bool TDudStringGrid::IsBalloon(int32_t aCol, int32_t aRow, String& title, String& text, TBalloonIcon& icon)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic)
        return false;
    const bool onControl = TakesBalloon(graphic->CellType()) && graphic->CellAngle() == 1;
    const TStrings* lines = graphic->CellStrings();
    if (!(graphic->CellType() == ctBalloon || onControl) || !lines)
        return false;
    title = lines->Count() > 0 ? lines->Strings(0) : String();
    text = lines->Count() > 1 ? lines->Strings(1) : String();
    icon = static_cast<TBalloonIcon>(graphic->CellIndex());
    return true;
}

void TDudStringGrid::AddExpand(int32_t aCol, int32_t aRow, int32_t expandedHeight)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctExpand);
    graphic.SetCellAngle(expandedHeight);
    graphic.SetCellVar(false);
    graphic.SetCellIndex(RowHeights(aRow));
}

bool TDudStringGrid::HasExpand(int32_t aCol, int32_t aRow)
{
    return IsBaseCellTypeIn(aCol, aRow, { ctExpand });
}

bool TDudStringGrid::ToggleExpand(int32_t aCol, int32_t aRow)
{
    const TPoint base = BaseCell(aCol, aRow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic)
        return false;
    const bool* expanded = std::get_if<bool>(&graphic->CellVar());
    const bool state = !(expanded && *expanded);
    graphic->SetCellVar(state);
    return state;
}

bool TDudStringGrid::GetExpandState(int32_t aCol, int32_t aRow)
{
    const TPoint base = BaseCell(aCol, aRow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    const bool* expanded = graphic ? std::get_if<bool>(&graphic->CellVar()) : nullptr;
    return expanded && *expanded;
}

int32_t TDudStringGrid::GetExpandHeight(int32_t aCol, int32_t aRow, bool expanded)
{
    const TPoint base = BaseCell(aCol, aRow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic)
        return DefaultRowHeight();
    return expanded ? graphic->CellAngle() : graphic->CellIndex();
}
