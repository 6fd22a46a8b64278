#include "grid/DudOder_EditorKeys.h"

void TGridEditorKeys::HideAndFocusGrid() const
{
    FGrid.HideInplaceEdit();
    if (FGrid.CanFocus())
        FGrid.SetFocus();
}

bool TGridEditorKeys::WriteAndValidate(const String& text, uint16_t& key) const
{
    FGrid.SetCurrentCellText(text);
    if (FGrid.ValidateCell(text))
        return true;
    key = 0;
    FGrid.FNoAutoAdvance = true;
    return false;
}

bool TGridEditorKeys::TabToNextCell(uint16_t& key, TShiftState shift) const
{
    if (!FGrid.Options().Contains(goTabs)) {
        PostMessage(&FGrid, WM_KEYDOWN, VK_TAB);
        return false;
    }
    HideAndFocusGrid();
    FGrid.NavigateTab(shift.Contains(ssShift));
    key = 0;
    return true;
}

void TGridEditorKeys::Done(uint16_t& key, TShiftState shift) const
{
    FGrid.DoneInplaceEdit(key, shift);
    if (FGrid.Navigation().AdvanceOnEnter() && FGrid.Navigation().AdvanceAutoEdit())
        FGrid.ShowInplaceEdit();
    key = 0;
}

void TGridEditorKeys::WalkOut(bool forward) const
{
    const int32_t col = FGrid.Col();
    const int32_t next = forward ? col + FGrid.CellSpan(col, FGrid.Row()).X + 1 : col - 1;
    const bool nextHolds = forward ? col < FGrid.ColCount() - FGrid.FixedRightCols() - 1 : col > FGrid.FixedCols();
    const bool controlNext = nextHolds && FGrid.IsControlCell(FGrid.RemapColToReal(next), FGrid.Row());
    HideAndFocusGrid();
    if (controlNext) {
        FGrid.SetCol(next);
        return;
    }
    TNavigation& navigation = FGrid.Navigation();
    const TAdvanceDirection direction = navigation.AdvanceDirection();
    navigation.SetAdvanceDirection(adLeftRight);
    try {
        FGrid.AdvanceEdit(col, FGrid.Row(), true, false, forward, false, false);
    } catch (...) {
        navigation.SetAdvanceDirection(direction);
        throw;
    }
    navigation.SetAdvanceDirection(direction);
    if (navigation.CursorWalkAlwaysEdit())
        FGrid.ShowInplaceEdit();
}

void TGridEditorKeys::CompleteFromLookup(TCustomEdit& edit) const
{
    if (edit.SelLength() != 0 || !FGrid.Lookup())
        return;
    const TStringList& items = FGrid.LookupItems();
    const Qt::CaseSensitivity sensitivity = FGrid.LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const String typed = edit.Text().left(edit.SelStart());
    if (typed.isEmpty())
        return;
    for (int32_t index = 0; index < items.Count(); ++index) {
        const String item = items.Strings(index);
        if (!item.startsWith(typed, sensitivity))
            continue;
        const String completed = typed + item.mid(typed.size(), 255);
        edit.SetText(completed);
        edit.SetSelStart(static_cast<int32_t>(typed.size()));
        edit.SetSelLength(static_cast<int32_t>(completed.size() - typed.size()));
        return;
    }
}

void TGridEditorKeys::TextChanged(TWinControl& editor, const String& text) const
{
    // Filling the editor as it opens is no change made by the user.
    if (FGrid.FEditStart)
        return;
    FGrid.Perform(WM_COMMAND, MakeLParam(0, EN_CHANGE), reinterpret_cast<intptr_t>(&editor));
    if (FGrid.OnEditChange)
        FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), text);
}
