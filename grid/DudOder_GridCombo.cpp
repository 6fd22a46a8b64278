#include "grid/DudOder_GridCombo.h"

#include "grid/DudOder.h"
#include "grid/DudOder_EditorKeys.h"

#include <algorithm>

namespace {

uint32_t ListClosedMessage()
{
    static const uint32_t message = RegisterWindowMessage(QStringLiteral("GridComboListClosed"));
    return message;
}

} // namespace

TGridCombo::TGridCombo(TComponent* owner) : TZuzComboBox(owner), FGrid(dynamic_cast<TDudStringGrid*>(owner))
{
    if (!FGrid)
        throw EInvalidOperation(QStringLiteral("The grid combo belongs to a string grid"));
    SetButtonWidth(16);
    SetTabStop(false);
}

TDudStringGrid& TGridCombo::Grid() const
{
    return *FGrid;
}

void TGridCombo::SizeDropDownWidth()
{
    int32_t width = Width();
    const bool scrolls = Items().Count() > DropDownCount();
    TCanvas& canvas = FGrid->Canvas();
    for (int32_t index = 0; index < Items().Count(); ++index) {
        const int32_t textWidth = canvas.TextWidth(Items().Strings(index));
        if (scrolls && width - 25 < textWidth)
            width = textWidth + 25;
        else if (!scrolls && width - 5 < textWidth)
            width = textWidth + 8;
    }
    Perform(CB_SETDROPPEDWIDTH, width);
}

void TGridCombo::ShowCellText()
{
    const String text = FGrid->CurrentCell();
    const int32_t index = Items().IndexOf(text);
    SetItemIndex(index);
    if (index < 0)
        SetText(text);
}

bool TGridCombo::WriteAndValidate(uint16_t& key)
{
    TDudStringGrid& grid = Grid();
    grid.SetCurrentCellText(Text());
    if (!grid.ValidateCell(Text())) {
        const int32_t index = Items().IndexOf(grid.FNewCellText);
        SetItemIndex(index);
        if (index < 0)
            SetText(grid.FNewCellText);
        Invalidate();
        key = 0;
        grid.FNoAutoAdvance = true;
        return false;
    }
    ShowCellText();
    return true;
}

void TGridCombo::KeyDown(uint16_t& key, TShiftState shift)
{
    TDudStringGrid& grid = Grid();
    Forced = false;
    WorkMode = key != VK_BACK && key != VK_DELETE;
    // The open list takes Enter as the choice of its highlighted item, which
    // is then what the cell gets.
    if (key == VK_RETURN && DroppedDown() && DropList()) {
        const int32_t chosen = DropList()->ItemIndex();
        SetDroppedDown(false);
        ChooseItem(chosen);
    }
    const bool listKeys = Style() == csDropDownList || DroppedDown();
    bool special = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
    if (listKeys)
        special = special || key == VK_LEFT || key == VK_RIGHT;
    else
        special = special || key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_UP || key == VK_DOWN;

    if ((key == VK_UP || key == VK_DOWN) && !grid.Navigation().ComboGetUpDown() && !DroppedDown()) {
        grid.HideInplaceEdit();
        const bool alwaysEdit = grid.Navigation().AlwaysEdit();
        grid.Navigation().SetAlwaysEdit(false);
        if (grid.CanFocus())
            grid.SetFocus();
        grid.KeyDown(key, shift);
        grid.Navigation().SetAlwaysEdit(alwaysEdit);
        key = 0;
        return;
    }
    if (key == VK_DOWN && shift.Contains(ssAlt))
        special = false;
    if (!special) {
        TZuzComboBox::KeyDown(key, shift);
        return;
    }
    if (key == VK_ESCAPE) {
        ShowCellText();
        TGridEditorKeys(grid).HideAndFocusGrid();
        key = 0;
        return;
    }
    if ((key == VK_RETURN || key == VK_UP || key == VK_DOWN) && !WriteAndValidate(key))
        return;
    if (key == VK_TAB && grid.EditorWantsTab()) {
        if (!WriteAndValidate(key) || TGridEditorKeys(grid).TabToNextCell(key, shift))
            return;
    }
    if (listKeys) {
        TMouseActions& actions = grid.MouseActions();
        const bool directClose = actions.DirectComboClose();
        actions.SetDirectComboClose(false);
        grid.HideInplaceEdit();
        actions.SetDirectComboClose(directClose);
        if (key == VK_LEFT || key == VK_RIGHT)
            grid.KeyDown(key, shift);
        if (key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN))
            key = 0;
    } else if (key == VK_END) {
        TZuzComboBox::KeyDown(key, shift);
        return;
    }
    TGridEditorKeys(grid).Done(key, shift);
}

void TGridCombo::KeyPress(TChar& key)
{
    if (Grid().OnKeyPress)
        Grid().OnKeyPress(this, key);
    if (key == VK_ESCAPE)
        key = 0;
    if (key == VK_RETURN && OnReturnKey)
        OnReturnKey(this);
    if (key == VK_RETURN || key == VK_TAB)
        key = 0;
    TZuzComboBox::KeyPress(key);
}

bool TGridCombo::WalksOut(uint16_t key, TShiftState shift)
{
    if (Style() != csDropDown || !Grid().Navigation().CursorWalkEditor() || SelLength() != 0 || !shift.Empty())
        return false;
    return (key == VK_LEFT && SelStart() == 0) || (key == VK_RIGHT && SelStart() == Text().size());
}

void TGridCombo::KeyUp(uint16_t& key, TShiftState shift)
{
    TDudStringGrid& grid = Grid();
    if (WalksOut(key, shift)) {
        const bool forward = key == VK_RIGHT;
        key = 0;
        if (WriteAndValidate(key))
            TGridEditorKeys(grid).WalkOut(forward);
    }
    // A refusal holds the grid in place only until the key that caused it
    // is released.
    grid.FNoAutoAdvance = false;
    if (key != VK_RETURN)
        TZuzComboBox::KeyUp(key, shift);
    if (Visible())
        DoChange();
}

void TGridCombo::DoChange()
{
    const TDudStringGrid& grid = Grid();
    if (!WorkMode || !grid.Lookup() || Style() != csDropDown)
        return;
    const String typed = Text().left(SelStart());
    if (typed.isEmpty())
        return;
    const Qt::CaseSensitivity sensitivity = grid.LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const TStrings* lists[] = { &Items(), &grid.LookupItems() };
    for (const TStrings* list : lists)
        for (int32_t index = 0; index < list->Count(); ++index) {
            const String item = list->Strings(index);
            if (!item.startsWith(typed, sensitivity))
                continue;
            const String completed = typed + item.mid(typed.size(), 255);
            if (list == &Items())
                SetItemIndex(index);
            SetText(completed);
            Perform(CB_SETEDITSEL, 0, MakeLParam(static_cast<int32_t>(typed.size()), static_cast<int32_t>(completed.size())));
            ItemIdx = index;
            ItemChange = true;
            return;
        }
}

void TGridCombo::WheelStep(int32_t delta)
{
    const int32_t index = ItemIndex();
    if (delta < 0 && index < Items().Count() - 1)
        SetItemIndex(index + 1);
    else if (delta >= 0 && index > 0)
        SetItemIndex(index - 1);
    Grid().ComboChanged();
}

void TGridCombo::DoExit()
{
    TZuzComboBox::DoExit();
    TDudStringGrid& grid = Grid();
    if (grid.LookupHistory() && !Text().isEmpty() && Items().IndexOf(Text()) < 0)
        Items().Add(Text());
    grid.HideInplaceEdit();
}

// Every change the user makes, typed or picked, reaches the grid once.
void TGridCombo::Change()
{
    TZuzComboBox::Change();
    Grid().CanEditModify();
    Grid().ComboChanged();
}

// An editable combo opens with the caret after its text, or at the
// character clicked when a click opened it; the grid may ask for the whole
// text selected instead.
void TGridCombo::WMSetFocus(TMessage& message)
{
    TZuzComboBox::WMSetFocus(message);
    TDudStringGrid& grid = Grid();
    if (Style() != csDropDown)
        return;
    if (grid.Navigation().EditSelectAll())
        SelectAll();
    else
        SetSelStart(static_cast<int32_t>(Text().size()));
    if (grid.LButFlg) {
        const TPoint mouse = ScreenToClient(GetCursorPos());
        if (ClientRect().Contains(mouse)) {
            SetSelStart(CharFromPos(mouse));
            grid.LButFlg = false;
        }
    }
}

void TGridCombo::WndProc(TMessage& message)
{
    if (message.Msg == ListClosedMessage()) {
        ListClosed();
        return;
    }
    if (FGrid->wheelmsg != 0 && message.Msg == static_cast<uint32_t>(FGrid->wheelmsg)) {
        WheelStep(static_cast<int32_t>(message.WParam));
        message.Result = 1;
        return;
    }
    TZuzComboBox::WndProc(message);
}

// A choice made in the open list ends the edit at once when the grid asks
// for it: the choice is written and the grid takes the focus back.
void TGridCombo::ListClosed()
{
    TDudStringGrid& grid = Grid();
    if (!grid.EditMode || !Visible())
        return;
    TMouseActions& actions = grid.MouseActions();
    const bool directEdit = actions.DirectEdit();
    actions.SetDirectEdit(false);
    grid.HideInplaceEdit();
    if (grid.CanFocus())
        grid.SetFocus();
    actions.SetDirectEdit(directEdit);
}

void TGridCombo::DefaultHandler(TMessage& message)
{
    if (message.Msg == CN_COMMAND) {
        TDudStringGrid& grid = Grid();
        const int32_t code = CommandCode(message.WParam);
        const int32_t realCol = grid.RemapColToReal(grid.Col());
        if (code == CBN_DROPDOWN)
            grid.DoComboDropDown(realCol, grid.Row());
        if (code == CBN_CLOSEUP) {
            // The choice is made after this notice: the edit ends once it is.
            if (grid.MouseActions().DirectComboClose())
                PostMessage(this, ListClosedMessage());
            grid.DoComboCloseUp(realCol, grid.Row());
        }
    }
    if (message.Msg == CM_WANTSPECIALKEY) {
        if (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE
            || (message.WParam == VK_TAB && Grid().EditorWantsTab())) {
            message.Result = 1;
            return;
        }
    }
    TZuzComboBox::DefaultHandler(message);
}
