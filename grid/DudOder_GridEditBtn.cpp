#include "grid/DudOder_GridEditBtn.h"

#include "grid/DudOder.h"
#include "grid/DudOder_CharFilter.h"
#include "grid/DudOder_EditorKeys.h"
#include "grid/base/RovIvir.h"
#include "platform/ui/Clipbrd.h"

namespace {

TDudStringGrid* OwningGrid(TComponent* owner)
{
    auto* grid = dynamic_cast<TDudStringGrid*>(owner);
    if (!grid)
        throw EInvalidOperation(QStringLiteral("The grid's button editor belongs to a string grid"));
    return grid;
}

// The text kind whose filter a button kind borrows.
TEditorType FilterKind(TEditorType kind)
{
    switch (kind) {
    case edNumericEditBtn:
    case edNumericUnitEditBtn:
        return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn:
        return edFloat;
    default:
        return edNormal;
    }
}

// Enter and Tab never become text; the numeric and decimal kinds filter
// what is typed as their text kinds do. False: the character is dropped.
bool TypedCharTaken(TMessage& message, const TCustomEdit& edit, TEditorType kind, bool tabToo)
{
    auto key = static_cast<TChar>(message.WParam);
    if (key == VK_RETURN || (tabToo && key == VK_TAB))
        return false;
    const TEditorType filter = FilterKind(kind);
    if (filter == edNormal)
        return true;
    key = FilterTypedChar(filter, key, GetKeyState(VK_CONTROL) < 0, edit, String());
    message.WParam = key;
    return key != 0;
}

// Pasted text obeys what typing obeys: the numeric and decimal kinds take
// numbers only, and no kind goes past the length limit.
bool PastedTextFits(const String& text, TEditorType filter, int32_t maxLength)
{
    if (maxLength > 0 && text.size() > maxLength)
        return false;
    if (filter == edNormal || text.isEmpty())
        return true;
    const int32_t kind = ClassifyNumberText(text);
    return kind == ntInteger || (filter == edFloat && kind == ntDecimal);
}

bool LeavesEditor(uint16_t key)
{
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT
        || key == VK_UP || key == VK_DOWN;
}

} // namespace

// ---- TGridEditBtn

TGridEditBtn::TGridEditBtn(TComponent* owner) : TZuzEditBtn(owner), FGrid(OwningGrid(owner))
{
    SetTabStop(false);
    OnClickBtn = [this](TComponent*) { ButtonClick(); };
}

void TGridEditBtn::ButtonClick()
{
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
    Invalidate();
    if (FStopEditAfterClick)
        TGridEditorKeys(*FGrid).HideAndFocusGrid();
}

void TGridEditBtn::WndProc(TMessage& message)
{
    if (message.Msg == WM_CHAR && !TypedCharTaken(message, *this, FGrid->EditControl, true))
        return;
    TZuzEditBtn::WndProc(message);
}

void TGridEditBtn::KeyDown(uint16_t& key, TShiftState shift)
{
    FWorkMode = key != VK_BACK && key != VK_DELETE;
    if (shift.Contains(ssCtrl)) {
        TZuzEditBtn::KeyDown(key, shift);
        return;
    }
    if (!LeavesEditor(key)) {
        if (FGrid->OnKeyDown)
            FGrid->OnKeyDown(FGrid, key, shift);
        TZuzEditBtn::KeyDown(key, shift);
        return;
    }
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    const TGridEditorKeys keys(*FGrid);
    if (key == VK_ESCAPE) {
        SetText(FGrid->FCellCache);
        keys.HideAndFocusGrid();
        key = 0;
        return;
    }
    const bool writes = key == VK_RETURN || key == VK_UP || key == VK_DOWN;
    const bool tab = key == VK_TAB && FGrid->EditorWantsTab();
    if (writes || tab) {
        const TEditorType kind = FGrid->EditControl;
        const bool accepted = keys.WriteAndValidate(Text(), key);
        SetText(keys.RefusedText());
        if (!accepted) {
            if (tab)
                SetSelStart(static_cast<int32_t>(Text().size()));
            else
                SelectAll();
            FGrid->EditControl = kind;
            Invalidate();
            return;
        }
        if (tab && keys.TabToNextCell(key, shift))
            return;
    }
    keys.Done(key, shift);
}

void TGridEditBtn::KeyUp(uint16_t& key, TShiftState shift)
{
    if (FGrid->OnKeyUp)
        FGrid->OnKeyUp(FGrid, key, shift);
    if (key != VK_RETURN)
        TZuzEditBtn::KeyUp(key, shift);
    if (FWorkMode)
        TGridEditorKeys(*FGrid).CompleteFromLookup(*this);
}

void TGridEditBtn::KeyPress(TChar& key)
{
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, key);
    if (key != VK_TAB)
        TZuzEditBtn::KeyPress(key);
}

void TGridEditBtn::DblClick()
{
    TZuzEditBtn::DblClick();
    if (FGrid->OnDblClickCell)
        FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::DoExit()
{
    TZuzEditBtn::DoExit();
    FGrid->HideInplaceEdit();
}

void TGridEditBtn::Change()
{
    TZuzEditBtn::Change();
    TGridEditorKeys(*FGrid).TextChanged(*this, Text());
}

void TGridEditBtn::Paste()
{
    TDudStringGrid& grid = *FGrid;
    bool allow = Clipboard().HasFormat(CF_UNICODETEXT);
    String pasted = allow ? Clipboard().AsText() : String();
    if (grid.OnClipboardPaste)
        grid.OnClipboardPaste(&grid, pasted, allow);
    if (allow && grid.OnClipboardBeforePasteCell)
        grid.OnClipboardBeforePasteCell(&grid, grid.Col(), grid.Row(), pasted, allow);
    if (!allow)
        return;
    // One line break ending the copied text is the copy's, not the cell's.
    if (pasted.endsWith(QLatin1Char('\n'))) {
        pasted.chop(1);
        if (pasted.endsWith(QLatin1Char('\r')))
            pasted.chop(1);
    }
    const int32_t start = SelStart();
    const bool replacing = SelLength() > 0;
    const String candidate = Text().left(start) + pasted + Text().mid(start + SelLength());
    if (!PastedTextFits(candidate, FilterKind(grid.EditControl), MaxLength())) {
        MessageBeep(0);
        return;
    }
    SetText(candidate);
    const auto end = static_cast<int32_t>(start + pasted.size());
    SetSelection(replacing ? start : end, end);
    grid.SetCurrentCellText(Text());
}

void TGridEditBtn::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_PASTE) {
        Paste();
        return;
    }
    if (message.Msg == CM_WANTSPECIALKEY
        && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE
            || (message.WParam == VK_TAB && FGrid->EditorWantsTab()))) {
        message.Result = 1;
        return;
    }
    TZuzEditBtn::DefaultHandler(message);
}

// ---- TGridUnitEditBtn

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* owner) : TZuzUnitEditBtn(owner), FGrid(OwningGrid(owner))
{
    SetTabStop(false);
    OnClickBtn = [this](TComponent*) {
        SetText(FGrid->DoEllipsClick(Text()));
        SelectAll();
        Invalidate();
    };
}

void TGridUnitEditBtn::WndProc(TMessage& message)
{
    if (message.Msg == WM_CHAR && !TypedCharTaken(message, *this, FGrid->EditControl, false))
        return;
    TZuzUnitEditBtn::WndProc(message);
}

void TGridUnitEditBtn::KeyDown(uint16_t& key, TShiftState shift)
{
    if (!LeavesEditor(key)) {
        TZuzUnitEditBtn::KeyDown(key, shift);
        return;
    }
    const TGridEditorKeys keys(*FGrid);
    if (key == VK_ESCAPE) {
        SetUnitID(String());
        SetText(FGrid->CurrentCell());
        keys.HideAndFocusGrid();
        key = 0;
        return;
    }
    const bool tab = key == VK_TAB && FGrid->Options().Contains(goTabs);
    if (key == VK_RETURN || key == VK_UP || key == VK_DOWN || tab) {
        const bool accepted = keys.WriteAndValidate(TextAndUnit(), key);
        SetUnitID(String());
        SetText(FGrid->CurrentCell());
        SetTextAndUnit(FGrid->CurrentCell());
        if (!accepted)
            return;
        if (tab && keys.TabToNextCell(key, shift))
            return;
    }
    if (key == VK_RETURN && FGrid->Navigation().AdvanceOnEnter()) {
        keys.HideAndFocusGrid();
        key = 0;
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), false, true, true, false, false);
        return;
    }
    keys.Done(key, shift);
}

void TGridUnitEditBtn::DoExit()
{
    TZuzUnitEditBtn::DoExit();
    FGrid->HideInplaceEdit();
}

void TGridUnitEditBtn::Change()
{
    TZuzUnitEditBtn::Change();
    TGridEditorKeys(*FGrid).TextChanged(*this, Text());
}

void TGridUnitEditBtn::DefaultHandler(TMessage& message)
{
    if (message.Msg == CM_WANTSPECIALKEY
        && (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE
            || (message.WParam == VK_TAB && FGrid->Options().Contains(goTabs)))) {
        message.Result = 1;
        return;
    }
    TZuzUnitEditBtn::DefaultHandler(message);
}
