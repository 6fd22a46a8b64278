#include "grid/DudOder_EditLink.h"

#include "grid/DudOder.h"
#include "grid/DudOder_TextEditor.h"
#include "platform/ui/Forms.h"

namespace {

bool EndsEdit(uint16_t key, TShiftState shift)
{
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return shift.Contains(ssAlt);
    }
}

} // namespace

TEditLink::TEditLink(TComponent* owner) : TComponent(owner) { }

TEditLink::~TEditLink() = default;

bool TEditLink::KeptInControl(uint16_t key) const
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        return FWantKeyUpDown;
    case VK_LEFT:
    case VK_RIGHT:
        return FWantKeyLeftRight;
    case VK_HOME:
    case VK_END:
        return FWantKeyHomeEnd;
    case VK_PRIOR:
    case VK_NEXT:
        return FWantKeyPriorNext;
    case VK_RETURN:
        return FWantKeyReturn;
    case VK_ESCAPE:
        return FWantKeyEscape;
    case VK_TAB:
        return FWantTabs;
    default:
        return false;
    }
}

void TEditLink::EditKeyDown(TComponent* sender, uint16_t& key, TShiftState shift)
{
    (void)sender;
    TDudStringGrid* grid = FOwner;
    if (!grid || !EndsEdit(key, shift) || KeptInControl(key))
        return;

    if (key == VK_TAB) {
        if (grid->Navigation().TabToNextAtEnd()) {
            FocusGrid();
            grid->CommitCellEditorControl(grid->Col(), grid->Row());
            // The popup closes here, or the next cell's edit would open a
            // second control on it.
            if (FEditStyle == esPopup)
                EditExit(this);
            if (grid->NavigateTab(shift.Contains(ssShift))
                && !grid->IsControlCell(grid->RemapColToReal(grid->Col()), grid->Row())) {
                PostMessage(grid, WM_KEYDOWN, VK_F2);
                key = 0;
                return;
            }
        }
        key = 0;
    }
    if (key == VK_ESCAPE)
        SetEditorValue(grid->FCellCache);
    FocusGrid();
    grid->CommitCellEditorControl(grid->Col(), grid->Row());
    if (FEditStyle == esPopup)
        EditExit(this);
    grid->EditMode = false;
    grid->SelectCell(grid->Col(), grid->Row());

    if (key == VK_RETURN && grid->FLastValidation) {
        grid->AdvanceEdit(grid->Col(), grid->Row(), false, true, !shift.Contains(ssShift), false, false);
        key = 0;
        return;
    }
    if (!grid->FLastValidation) {
        grid->FLastValidation = true;
        // The refusal may already have opened the editor again on the cell.
        if (!grid->EditMode)
            grid->ShowCellEditorControl(grid->Col(), grid->Row());
        return;
    }
    if (key == VK_ESCAPE) {
        key = 0;
        return;
    }
    if (key >= VK_LEFT && key <= VK_DOWN)
        grid->KeyDown(key, shift);
    if (TWinControl* control = GetEditControl())
        control->SetEnabled(false);
    FocusGrid();
}

void TEditLink::FocusGrid()
{
    FForcedExit = true;
    try {
        if (FOwner && FOwner->CanFocus())
            FOwner->SetFocus();
    } catch (...) {
        FForcedExit = false;
        throw;
    }
    FForcedExit = false;
}

void TEditLink::SetFocus(bool value)
{
    TWinControl* control = GetEditControl();
    if (!control || !FOwner)
        return;
    if (value) {
        if (!control->Visible())
            control->SetVisible(true);
        if (!control->Enabled())
            control->SetEnabled(true);
    }
    if (FEditStyle == esInplace && !FSubClassed) {
        FOwner->FGridControlWndProc = control->WindowProc();
        control->SetWindowProc([grid = FOwner](TMessage& message) { grid->EditLinkControlWndProc(message); });
        FSubClassed = true;
    }
    if (value) {
        if (control->CanFocus())
            control->SetFocus();
    } else if (FOwner->CanFocus()) {
        FOwner->SetFocus();
    }
}

void TEditLink::SetRect(const TRect& rect)
{
    TWinControl* control = GetEditControl();
    if (!control || !FOwner)
        return;
    const int32_t line = FOwner->GridLineWidth();
    control->SetBounds(rect.Left, rect.Top, rect.Width() - line, rect.Height() - line);
}

void TEditLink::SetVisible(bool value)
{
    if (TWinControl* control = GetEditControl())
        control->SetVisible(value);
}

TWinControl* TEditLink::GetParent() const
{
    if (FEditStyle == esPopup)
        return FPopupForm;
    return FOwner;
}

String TEditLink::GetCellValue() const
{
    if (!FOwner)
        return String();
    return FOwner->Cells(FOwner->RemapColToReal(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const String& value)
{
    if (FOwner)
        FOwner->StoreEditValue(FOwner->RemapColToReal(FOwner->Col()), FOwner->Row(), value);
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (FOwner)
        FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TComponent* sender)
{
    (void)sender;
    HideEditor();
    if (FEditStyle == esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->Hide();
    }
}

void TEditLink::FormExit(TComponent* sender)
{
    // The activation may leave the form after the edit ended by a key: the
    // control is gone by then, and the cell already has its value.
    if (!FOwner || !FOwner->EditMode || FOwner->EditControl != edCustom || FOwner->FEditLink != this)
        return;
    if (TDudInplaceEdit* edit = FOwner->NormalEdit())
        edit->SetText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(sender);
    FOwner->InvokedFocusChange = true;
}

void TEditLink::RestoreWinProc()
{
    if (FEditStyle != esInplace)
        return;
    TWinControl* control = GetEditControl();
    if (!control)
        return;
    // Often called from inside the control's own message: the saved
    // procedure may be running, so it is copied back, not moved.
    if (FSubClassed && FOwner) {
        control->SetWindowProc(FOwner->FGridControlWndProc);
        FSubClassed = false;
    }
    control->SetVisible(false);
}

// ---- the grid's side of the link

void TDudStringGrid::ShowEditLink(
    const TRect& cellRect, int32_t realCol, int32_t aRow, TColor color, const TFont& font, const String& text)
{
    TEditLink* link = FEditLink;
    EditMode = true;
    link->FOwner = this;
    link->FEditCell = TPoint { realCol, aRow };
    if (link->FEditStyle == esPopup) {
        if (link->FAutoPopupWidth)
            link->FPopupWidth = cellRect.Width();
        if (!link->FPopupForm) {
            link->FPopupForm = new TForm(link);
            link->FPopupForm->SetName(QStringLiteral("gridform"));
            link->FPopupForm->OnDeactivate = [link](TComponent* sender) { link->FormExit(sender); };
        }
        TForm* form = link->FPopupForm;
        const TPoint place = link->FPopupLeft == -1 || link->FPopupTop == -1
            ? ClientToScreen(cellRect.TopLeft())
            : TPoint { link->FPopupLeft, link->FPopupTop };
        form->SetBorderStyle(bsNone);
        form->SetFormStyle(fsStayOnTop);
        form->SetPopupParent(ParentForm());
        form->SetBounds(place.X, place.Y, link->FPopupWidth, link->FPopupHeight);
        form->Show();
        link->CreateEditor(form);
        link->SetRect(TRect { 0, 0, link->FPopupWidth, link->FPopupHeight });
    } else {
        link->CreateEditor(this);
        link->SetRect(cellRect);
    }
    link->SetVisible(true);
    link->SetCellProps(color, font);
    link->SetProperties();
    DoGetEditorProp(realCol, aRow, link);
    link->SetEditorValue(text);
    link->SetFocus(true);
    FEditActive = true;
    TWinControl* control = link->GetEditControl();
    if (FStartEditChar != 0 && control)
        PostMessage(control, WM_CHAR, FStartEditChar);
    EditCtrl = control;
}

void TDudStringGrid::CommitEditLink(int32_t realCol, int32_t aRow)
{
    if (FControlLook->DropDownAlwaysVisible())
        QueryCellEditorType(realCol, aRow, EditControl);
    TEditLink* link = FEditLink;
    // A second commit of the same edit (the link ends it by a key, then the
    // grid by the cell it moves to) must not write the value into the
    // cell the grid has moved on to.
    if (link && EditMode) {
        StoreEditValue(realCol, aRow, link->GetEditorValue());
        if (link->FEditStyle != esPopup)
            link->SetVisible(false);
        link->RestoreWinProc();
    }
    EditMode = false;
}

void TDudStringGrid::EditLinkControlWndProc(TMessage& message)
{
    if (message.Msg == WM_GETDLGCODE && Options().Contains(goTabs)) {
        message.Result |= DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS;
        return;
    }
    if (FGridControlWndProc)
        FGridControlWndProc(message);
}
