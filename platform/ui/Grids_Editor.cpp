#include "platform/ui/Grids.h"

#include "platform/ui/Forms.h"

// ---- the grid's side of editing

bool TCustomGrid::CanEditShow() const
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
    ScrollIntoView(FCurrent);
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->FGrid = this;
        FInplaceEdit->SetParent(this);
    }
    FEditorMode = true;
    FInplaceEdit->UpdateContents();
    FEditStartText = FInplaceEdit->Text();
    FInplaceEdit->SetModified(false);
    FInplaceEdit->UpdateLoc(IntersectRect(CellRect(FCurrent.X, FCurrent.Y), ClientRect()));
    FInplaceEdit->Show();
    FEditorShown = true;
    if (Focused())
        FInplaceEdit->SetFocus();
    FInplaceEdit->SelectAll();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::ShowEditorChar(TChar ch)
{
    ShowEditor();
    if (FEditorShown)
        FInplaceEdit->TypeOver(ch);
}

void TCustomGrid::UpdateText()
{
    if (!FEditorMode || !FInplaceEdit || !FInplaceEdit->Modified())
        return;
    const String text = FInplaceEdit->Text();
    FInplaceEdit->SetModified(false);
    SetEditText(FCurrent.X, FCurrent.Y, text);
}

void TCustomGrid::HideEditor()
{
    if (!FEditorMode)
        return;
    // A SetEditText that throws keeps the edit open.
    UpdateText();
    FEditorMode = false;
    if (!FEditorShown)
        return;
    FEditorShown = false;
    const bool hadFocus = FInplaceEdit->Focused();
    FInplaceEdit->Hide();
    if (hadFocus && CanFocus())
        SetFocus();
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::UpdateEdit()
{
    if (!FEditorShown)
        return;
    const TRect rect = IntersectRect(CellRect(FCurrent.X, FCurrent.Y), ClientRect());
    if (rect.IsEmpty())
        HideEditor();
    else
        FInplaceEdit->UpdateLoc(rect);
}

void TCustomGrid::InvalidateEditor()
{
    if (!FEditorShown)
        return;
    FInplaceEdit->UpdateContents();
    FEditStartText = FInplaceEdit->Text();
    FInplaceEdit->SetModified(false);
}

void TCustomGrid::EditorCancelled()
{
    FInplaceEdit->SetText(FEditStartText);
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
}

void TInplaceEdit::UpdateContents()
{
    SetEditMask(String());
    SetText(String());
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

void TInplaceEdit::BoundsChanged() { SetEditRect(Rect(2, 0, std::max(2, Width() - 2), Height())); }

void TInplaceEdit::TypeOver(TChar character)
{
    SelectAll();
    if (character == 8)
        UserDelete(false, false);
    else
        UserInsert(String(QChar(character)));
}

void TInplaceEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomMaskEdit::KeyDown(key, shift);
    if (key == 0 || !FGrid)
        return;
    const bool noSelection = SelLength() == 0;
    const auto textLength = static_cast<int32_t>(Text().size());
    bool toGrid = false;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        toGrid = true;
        break;
    case VK_LEFT:
        toGrid = noSelection && Caret() == 0 && !shift.Contains(ssShift);
        break;
    case VK_RIGHT:
        toGrid = noSelection && Caret() == textLength && !shift.Contains(ssShift);
        break;
    case VK_TAB:
        toGrid = FGrid->Options().Contains(goTabs);
        break;
    default:
        break;
    }
    if (toGrid) {
        FGrid->KeyDown(key, shift);
        key = 0;
    }
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
