#include "platform/ui/Grids.h"

#include "platform/ui/Forms.h"

// ---- the grid's side of editing

bool TCustomGrid::CanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FCurrent.X >= FFixedCols
        && FCurrent.Y >= FFixedRows && FCurrent.X < ColCount() && FCurrent.Y < RowCount();
}

bool TCustomGrid::CanEditAcceptKey(TChar key) const
{
    (void)key;
    return true;
}

String TCustomGrid::GetEditText(int32_t aCol, int32_t aRow)
{
    (void)aCol;
    (void)aRow;
    return {};
}

void TCustomGrid::SetEditText(int32_t aCol, int32_t aRow, const String& value)
{
    (void)aCol;
    (void)aRow;
    (void)value;
}

String TCustomGrid::GetEditMask(int32_t aCol, int32_t aRow)
{
    (void)aCol;
    (void)aRow;
    return {};
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool editorMode)
{
    if (editorMode)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor()
{
    if (FEditorShown || !CanEditShow())
        return;
    // An edit whose cell was scrolled away is still going on: scrolling the
    // cell back shows it again (UpdateEdit), with what was typed.
    ScrollIntoView(FCurrent);
    if (FEditorShown)
        return;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->FGrid = this;
        FInplaceEdit->SetParent(this);
    }
    if (!FEditorMode) {
        FEditorMode = true;
        // Placed first, so the selection scrolls the text in the cell's own size.
        FInplaceEdit->UpdateLoc(EditorRect());
        LoadEditor();
    }
    ShowEditorWindow();
}

void TCustomGrid::ShowEditorChar(TChar ch)
{
    const bool goingOn = FEditorMode;
    ShowEditor();
    if (FEditorShown)
        FInplaceEdit->TypeKey(ch, !goingOn);
}

void TCustomGrid::LoadEditor()
{
    // Loading is no change of the cell.
    FLoadingEditor = true;
    try {
        FInplaceEdit->UpdateContents();
    } catch (...) {
        FLoadingEditor = false;
        throw;
    }
    FLoadingEditor = false;
    FEditStartText = FEditText = FInplaceEdit->Text();
    FInplaceEdit->SetModified(false);
    FInplaceEdit->SelectAll();
}

// The editor is loaded and its text selected before it takes the focus, so
// that its own focus handling (a caret put at the end) has the last word.
void TCustomGrid::ShowEditorWindow()
{
    FInplaceEdit->UpdateLoc(EditorRect());
    FInplaceEdit->Show();
    FEditorShown = true;
    if (Focused())
        FInplaceEdit->SetFocus();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

TRect TCustomGrid::EditorRect() const { return IntersectRect(CellRect(FCurrent.X, FCurrent.Y), ClientRect()); }

void TCustomGrid::HideEditorWindow()
{
    FEditorShown = false;
    // The grid takes the focus before the editor hides, so the focus never
    // leaves the grid.
    if (FInplaceEdit->Focused() && CanFocus())
        SetFocus();
    FInplaceEdit->Hide();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::UpdateText()
{
    if (!FEditorMode || !FInplaceEdit || FLoadingEditor)
        return;
    const String text = FInplaceEdit->Text();
    if (text == FEditText)
        return;
    SetEditText(FCurrent.X, FCurrent.Y, text);
    FEditText = text;
}

void TCustomGrid::HideEditor()
{
    if (!FEditorMode)
        return;
    // A SetEditText that throws keeps the edit open.
    UpdateText();
    FEditorMode = false;
    if (FEditorShown)
        HideEditorWindow();
}

void TCustomGrid::UpdateEdit()
{
    if (!FEditorMode)
        return;
    const TRect rect = EditorRect();
    if (rect.IsEmpty()) {
        if (FEditorShown)
            HideEditorWindow();
    } else if (FEditorShown) {
        FInplaceEdit->UpdateLoc(rect);
    } else {
        ShowEditorWindow();
    }
}

void TCustomGrid::InvalidateEditor()
{
    if (FEditorMode)
        LoadEditor();
}

// Esc puts the opening text back into the editor and so into the cell.
void TCustomGrid::EditorCancelled()
{
    FInplaceEdit->SetText(FEditStartText);
    UpdateText();
    FInplaceEdit->SetModified(false);
    if (FOptions.Contains(goAlwaysShowEditor))
        FInplaceEdit->SelectAll();
    else
        HideEditor();
}

void TCustomGrid::EditorExited() { DoExit(); }

// ---- the editor

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomMaskEdit(owner)
{
    SetBorderStyle(bsNone);
    SetTabStop(false);
    SetParentColor(false);
    SetColor(clWindow);
    SetVisible(false);
    SetMultiLine(true);
}

void TInplaceEdit::UpdateContents()
{
    SetEditMask(String());
    SetText(String());
    // A password shows on one line only.
    SetMultiLine(PasswordChar() == 0);
    SetEditMask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
    SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
    SetMaxLength(FGrid->GetEditLimit());
    SetReadOnly(!FGrid->CanEditModify());
}

void TInplaceEdit::UpdateLoc(const TRect& rect)
{
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    BringToFront();
    BoundsChanged();
}

// The text starts where the grid draws a cell's text, so it does not move
// when the edit begins.
void TInplaceEdit::BoundsChanged() { SetEditRect(Rect(2, 2, std::max(2, Width() - 2), std::max(2, Height()))); }

void TInplaceEdit::Deselect()
{
    const auto length = static_cast<int32_t>(Text().size());
    SetSelection(length, length);
}

void TInplaceEdit::TypeKey(TChar character, bool overAll)
{
    if (overAll)
        SelectAll();
    if (character == 8)
        UserDelete(false, false);
    else
        UserInsert(String(QChar(character)));
}

// The grid hears of the change first, so the editor's OnChange reads the
// cell as it now is.
void TInplaceEdit::Change()
{
    if (FGrid)
        FGrid->Perform(WM_COMMAND, MakeLParam(0, EN_CHANGE), reinterpret_cast<intptr_t>(static_cast<TWinControl*>(this)));
    TCustomMaskEdit::Change();
}

bool TInplaceEdit::GridKey(uint16_t key, TShiftState shift) const
{
    const bool ctrl = shift.Contains(ssCtrl);
    // Walking out of the text sideways belongs to grids that always edit.
    const bool walks = FGrid->Options().Contains(goAlwaysShowEditor);
    const auto length = static_cast<int32_t>(Text().size());
    // Nothing or all selected: the text just opened walks on at once.
    const bool noneOrAll = SelLength() == 0 || SelLength() == length;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
        return true;
    case VK_INSERT:
        return shift.Empty();
    case VK_DELETE:
        return ctrl;
    case VK_LEFT:
    case VK_HOME:
        return walks && (ctrl || (SelStart() == 0 && noneOrAll));
    case VK_RIGHT:
    case VK_END:
        return walks && (ctrl || (SelStart() + SelLength() == length && noneOrAll));
    case VK_TAB:
        return FGrid->Options().Contains(goTabs) && !shift.Contains(ssAlt);
    default:
        return false;
    }
}

void TInplaceEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    if (!FGrid) {
        TCustomMaskEdit::KeyDown(key, shift);
        return;
    }
    if (GridKey(key, shift)) {
        FGrid->KeyDown(key, shift);
        key = 0;
        return;
    }
    if (FGrid->OnKeyDown)
        FGrid->OnKeyDown(FGrid, key, shift);
    if (key == VK_F2) {
        Deselect();
        key = 0;
    }
    if (key != 0)
        TCustomMaskEdit::KeyDown(key, shift);
}

void TInplaceEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    if (FGrid)
        FGrid->KeyUp(key, shift);
    if (key != 0)
        TCustomMaskEdit::KeyUp(key, shift);
}

void TInplaceEdit::KeyPress(TChar& key)
{
    if (!FGrid) {
        TCustomMaskEdit::KeyPress(key);
        return;
    }
    FGrid->KeyPress(key);
    if (key >= 32 && !FGrid->CanEditAcceptKey(key))
        key = 0;
    // Tab walks the grid (or leaves it); it never types into a cell.
    if (key == 9)
        key = 0;
    if (key == 27) {
        key = 0;
        FGrid->EditorCancelled();
        return;
    }
    if (key != 0)
        TCustomMaskEdit::KeyPress(key);
}

void TInplaceEdit::DoExit()
{
    TCustomMaskEdit::DoExit();
    if (!FGrid)
        return;
    const TForm* form = ParentForm();
    if (form && form->ActiveControl() == FGrid)
        FGrid->FEnteringFromEditor = true;
    else
        FGrid->EditorExited();
}

void TInplaceEdit::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE)) {
        message.Result = 1;
        return;
    }
    TCustomMaskEdit::DefaultHandler(message);
    if (message.Msg == WM_GETDLGCODE && FGrid && FGrid->Options().Contains(goTabs))
        message.Result |= DLGC_WANTTAB;
}
