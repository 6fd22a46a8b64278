#include "grid/DudOder_TextEditor.h"

#include "grid/DudOder.h"
#include "grid/DudOder_CharFilter.h"
#include "grid/DudOder_EditorKeys.h"
#include "grid/base/RovIvir.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Clipbrd.h"

#include <algorithm>

TDudInplaceEdit::TDudInplaceEdit(TComponent* owner) : TInplaceEdit(owner) { }

TDudStringGrid& TDudInplaceEdit::Grid() const
{
    return static_cast<TDudStringGrid&>(*TInplaceEdit::Grid());
}

void TDudInplaceEdit::UpdateContents()
{
    TDudStringGrid& grid = Grid();
    grid.FNoEditChange = true;
    try {
        TInplaceEdit::UpdateContents();
    } catch (...) {
        grid.FNoEditChange = false;
        throw;
    }
    grid.FNoEditChange = false;
    SetPasswordChar(grid.EditControl == edPassword ? grid.PasswordChar() : TChar(0));
    // A grid that wraps its texts wraps them while they are edited too.
    if (WordWrap() != grid.WordWrap())
        SetWordWrap(grid.WordWrap());
    FColE = grid.Col();
    FRowE = grid.Row();
    ApplyCellLook();
    grid.DoGetEditorProp(FColE, FRowE, nullptr);
}

// The editor stands in for the cell, so it shows the cell's colour, font
// and alignment rather than the grid's defaults.
void TDudInplaceEdit::ApplyCellLook()
{
    TDudStringGrid& grid = Grid();
    const TDudStringGrid::TCellAppearance look = grid.CellAppearance(FColE, FRowE);
    SetColor(grid.CellBackground(look));
    SetFont(look.Font);
    SetAlignment(look.Alignment);
}

void TDudInplaceEdit::WMSetFocus(TMessage& message)
{
    TInplaceEdit::WMSetFocus(message);
    TDudStringGrid& grid = Grid();
    FGotFocus = true;
    grid.FNoEditChange = false;
    FLengthLimit = grid.MaxEditLength();
    SetMaxLength(FLengthLimit);
    if (!grid.Navigation().EditSelectAll())
        Deselect();
    if (grid.LButFlg) {
        const TPoint mouse = ScreenToClient(GetCursorPos());
        if (ClientRect().Contains(mouse)) {
            const int32_t position = CharFromPos(mouse);
            SetSelection(position, position);
            grid.LButFlg = false;
        }
    }
}

// Losing the focus to another control ends the edit: the text is validated
// and the end reported once.
void TDudInplaceEdit::WMKillFocus(TMessage& message)
{
    TDudStringGrid& grid = Grid();
    grid.FStartEditChar = 0;
    if (grid.LookupHistory() && !Text().isEmpty() && grid.LookupItems().IndexOf(Text()) < 0)
        grid.LookupItems().Add(Text());
    grid.SetFormulaEditing(false);
    TInplaceEdit::WMKillFocus(message);
    auto* focusedTo = reinterpret_cast<TWinControl*>(message.WParam);
    if (focusedTo && focusedTo != &grid && !grid.ContainsControl(focusedTo)) {
        try {
            grid.ValidateCell(Text());
        } catch (...) {
            grid.HideInplaceEdit();
            grid.FEditing = false;
            grid.EditMode = false;
            throw;
        }
        grid.HideInplaceEdit();
        grid.FEditing = false;
        grid.EditMode = false;
        grid.SelectCell(FColE, FRowE);
    }
    if (FGotFocus) {
        FGotFocus = false;
        grid.PostEditDone(grid.RemapColToReal(FColE), FRowE);
    }
}

TChar TDudInplaceEdit::FilterChar(TChar key, bool ctrl) const
{
    const TDudStringGrid& grid = Grid();
    return FilterTypedChar(grid.EditControl, key, ctrl, *this, grid.ValidChars());
}

void TDudInplaceEdit::WMChar(TMessage& message)
{
    TDudStringGrid& grid = Grid();
    auto key = static_cast<TChar>(message.WParam);
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (ctrl && key == 1)
        return;
    if (ctrl && key == 10 && !(grid.Navigation().AllowCtrlEnter() && (grid.WordWrap() || grid.Multilinecells())))
        return;
    if (FLengthLimit > 0 && Text().size() >= FLengthLimit && SelLength() == 0 && key != 8 && key != 27 && key != 13)
        return;
    const TEditorType kind = grid.EditControl;
    const bool lineKinds = kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase
        || kind == edUpperCase || kind == edValidChars;
    if (!(key == 13 && lineKinds && grid.Navigation().LineFeedOnEnter())) {
        key = FilterChar(key, ctrl);
        if (key == 0)
            return;
    }
    message.WParam = key;
    TInplaceEdit::WMChar(message);
    if (kind == edMixedCase && key >= 32) {
        const int32_t caret = SelStart();
        SetText(CapitalizeWords(Text()));
        SetSelStart(caret);
    }
    // A cell filled to its length moves on by itself, as Enter would.
    const TNavigation& navigation = grid.Navigation();
    const int32_t maxLength = grid.MaxEditLength();
    if (navigation.AdvanceAuto() && navigation.AdvanceOnEnter() && maxLength > 0 && Text().size() >= maxLength
        && SelLength() == 0 && SelStart() == Text().size()) {
        TChar enter = VK_RETURN;
        grid.KeyPress(enter);
    }
}

void TDudInplaceEdit::ShowRefused(const String& oldCellText)
{
    TDudStringGrid& grid = Grid();
    SetText(grid.FNewCellText);
    if (grid.Navigation().EditSelectAll())
        SelectAll();
    else
        Deselect();
    grid.FOldCellText = oldCellText;
}


void TDudInplaceEdit::WMKeyDown(TMessage& message)
{
    TDudStringGrid& grid = Grid();
    auto key = static_cast<uint16_t>(message.WParam);
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    FEnterRefused = false;
    grid.InplaceWMKeyDown(key, shift);
    message.WParam = key;
    FOldSelStart = SelStart();
    const bool ctrl = shift.Contains(ssCtrl);
    if (key == VK_ESCAPE) {
        SetText(grid.FCellCache);
        grid.HideInplaceEdit();
    } else if (ctrl && key == 'A') {
        SelectAll();
        return;
    } else if (ctrl && key == VK_RETURN
        && !(grid.Navigation().AllowCtrlEnter() && (grid.WordWrap() || grid.Multilinecells()))) {
        return;
    } else {
        const String old = grid.FOldCellText;
        if (key == VK_TAB && grid.EditorWantsTab()) {
            if (!grid.ValidateCell(Text())) {
                ShowRefused(old);
                return;
            }
            SetText(grid.FNewCellText);
            grid.HideInplaceEdit();
            if (grid.Options().Contains(goTabs))
                grid.NavigateTab(shift.Contains(ssShift));
            else
                PostMessage(&grid, WM_KEYDOWN, VK_TAB);
            return;
        }
        const bool shiftOnly = shift == TShiftState { ssShift };
        const bool walksOut = grid.Navigation().CursorWalkEditor() && shiftOnly
            && ((key == VK_LEFT && SelStart() == 0) || (key == VK_RIGHT && SelStart() + SelLength() == Text().size()));
        const bool leavesUp = key == VK_UP && LineFromChar(SelStart()) == 0;
        const bool leavesDown = key == VK_DOWN && LineFromChar(SelStart()) == LineCount() - 1;
        if (walksOut || leavesUp || leavesDown) {
            grid.FValidating = true;
            grid.SetCurrentCell(Text());
            grid.FValidating = false;
            if (!grid.ValidateCell(Text())) {
                ShowRefused(old);
                return;
            }
            SetText(grid.FNewCellText);
            if (walksOut) {
                TGridEditorKeys(grid).HideAndFocusGrid();
                return;
            }
        } else if (key == VK_RETURN && !grid.Navigation().LineFeedOnEnter() && !ctrl) {
            if (!grid.ValidateCell(Text())) {
                ShowRefused(old);
                FEnterRefused = true;
                return;
            }
            SetText(grid.FNewCellText);
        } else if ((key == VK_HOME || key == VK_END) && !ctrl && !shift.Contains(ssShift)) {
            SetSelStart(key == VK_HOME ? 0 : static_cast<int32_t>(Text().size()));
            return;
        }
        TInplaceEdit::WMKeyDown(message);
        if ((leavesUp || leavesDown) && grid.MouseActions().DisjunctRowSelect()) {
            grid.ClearRowSelect();
            grid.SetRowSelect(grid.Row(), true);
        }
        return;
    }
    TInplaceEdit::WMKeyDown(message);
}

void TDudInplaceEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    TDudStringGrid& grid = Grid();
    FSelKeyDown = SelStart();
    FWorkmode = key != VK_BACK && key != VK_DELETE;
    // Up and Down move between the lines of the text before they leave it.
    if ((key == VK_UP && LineFromChar(SelStart()) > 0)
        || (key == VK_DOWN && LineFromChar(SelStart()) < LineCount() - 1)) {
        TCustomMaskEdit::KeyDown(key, shift);
        return;
    }
    if (key == VK_RETURN && !grid.Navigation().AllowCtrlEnter() && (grid.WordWrap() || grid.Multilinecells()))
        grid.FEditing = false;
    grid.InplaceKeyDown(key, shift);
    if (key != 0)
        TInplaceEdit::KeyDown(key, shift);
}

// Left at the start of the text, or Right at its end, walks on to the next
// cell when the grid asks for that; a text the grid refuses keeps the edit.
bool TDudInplaceEdit::WalksOut(uint16_t key, TShiftState shift) const
{
    if (!Grid().Navigation().CursorWalkEditor() || !shift.Empty() || SelLength() != 0)
        return false;
    if (key == VK_LEFT)
        return FSelKeyDown == 0 && SelStart() == 0;
    return key == VK_RIGHT && FOldSelStart == Text().size();
}

void TDudInplaceEdit::WalkOut(bool forward)
{
    TDudStringGrid& grid = Grid();
    const String old = grid.FOldCellText;
    if (!grid.ValidateCell(Text())) {
        ShowRefused(old);
        return;
    }
    SetText(grid.FNewCellText);
    TGridEditorKeys(grid).WalkOut(forward);
}

void TDudInplaceEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    if (WalksOut(key, shift)) {
        WalkOut(key == VK_RIGHT);
        key = 0;
        return;
    }
    TInplaceEdit::KeyUp(key, shift);
    DoChange();
    TDudStringGrid& grid = Grid();
    if (grid.SizeWhileTyping().Width())
        grid.FitColumnWidth(grid.Col(), false);
}

void TDudInplaceEdit::KeyPress(TChar& key)
{
    TDudStringGrid& grid = Grid();
    if (key == 13 && FEnterRefused) {
        FEnterRefused = false;
        key = 0;
        return;
    }
    if (key == 13 && !grid.Navigation().LineFeedOnEnter() && !grid.ValidateCell(Text())) {
        SetText(grid.CurrentCell());
        key = 0;
        return;
    }
    TInplaceEdit::KeyPress(key);
}

void TDudInplaceEdit::DoChange()
{
    if (FWorkmode)
        TGridEditorKeys(Grid()).CompleteFromLookup(*this);
}

void TDudInplaceEdit::Change()
{
    TInplaceEdit::Change();
    TDudStringGrid& grid = Grid();
    if (!grid.FNoEditChange && grid.OnEditChange)
        grid.OnEditChange(&grid, grid.Col(), grid.Row(), Text());
}

// Whether the text a paste would make suits the cell's kind, which may also
// change its case; false leaves the text as it was.
bool TDudInplaceEdit::PasteAccepted(String& text) const
{
    const TDudStringGrid& grid = Grid();
    const TEditorType kind = grid.EditControl;
    const bool hasMinus = text.contains(QLatin1Char('-'));
    switch (kind) {
    case edNumeric:
    case edPositiveNumeric:
        return ClassifyNumberText(text) == ntInteger && (!hasMinus || kind == edNumeric);
    case edFloat:
    case edPositiveFloat: {
        const int32_t numberClass = ClassifyNumberText(text);
        return (numberClass == ntInteger || numberClass == ntDecimal) && (!hasMinus || kind == edFloat);
    }
    case edMixedCase:
        text = CapitalizeWords(text);
        return true;
    case edLowerCase:
        text = text.toLower();
        return true;
    case edUpperCase:
        text = text.toUpper();
        return true;
    case edValidChars:
        return std::all_of(text.begin(), text.end(), [&](QChar c) { return grid.ValidChars().contains(c); });
    default:
        return true;
    }
}

void TDudInplaceEdit::Paste()
{
    TDudStringGrid& grid = Grid();
    bool allow = Clipboard().HasFormat(CF_UNICODETEXT);
    String pasted = allow ? Clipboard().AsText() : String();
    if (grid.OnClipboardPaste)
        grid.OnClipboardPaste(&grid, pasted, allow);
    if (allow && grid.OnClipboardBeforePasteCell)
        grid.OnClipboardBeforePasteCell(&grid, grid.Col(), grid.Row(), pasted, allow);
    if (!allow || (FLengthLimit > 0 && pasted.size() > FLengthLimit))
        return;
    // One line break ending the copied text is the copy's, not the cell's.
    const qsizetype lineBreak = pasted.indexOf(QLatin1Char('\n'));
    if (lineBreak >= 0 && lineBreak == pasted.size() - 1) {
        pasted.chop(1);
        if (pasted.endsWith(QLatin1Char('\r')))
            pasted.chop(1);
    }
    const bool replacing = SelLength() > 0;
    const String before = Text().left(SelStart());
    const String after = Text().mid(SelStart() + SelLength());
    String candidate = before + pasted + after;
    if (FLengthLimit > 0 && candidate.size() > FLengthLimit)
        return;
    if (PasteAccepted(candidate)) {
        SetText(candidate);
        const auto end = static_cast<int32_t>(before.size() + pasted.size());
        SetSelection(replacing ? static_cast<int32_t>(before.size()) : end, end);
    }
    grid.SetCurrentCellText(Text());
    if (grid.OnClipboardAfterPasteCell)
        grid.OnClipboardAfterPasteCell(&grid, grid.Col(), grid.Row(), Text());
}

void TDudInplaceEdit::DblClick()
{
    TInplaceEdit::DblClick();
    TDudStringGrid& grid = Grid();
    if (grid.OnDblClickCell)
        grid.OnDblClickCell(&grid, grid.Row(), grid.Col());
}

void TDudInplaceEdit::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_PASTE) {
        Paste();
        return;
    }
    if (message.Msg == WM_COPY || message.Msg == WM_CUT) {
        TDudStringGrid& grid = Grid();
        const TClipboardEvent& event = message.Msg == WM_COPY ? grid.OnClipboardCopy : grid.OnClipboardCut;
        bool allow = true;
        if (event)
            event(&grid, SelText(), allow);
        if (!allow)
            return;
    }
    TInplaceEdit::DefaultHandler(message);
    if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_TAB && Grid().EditorWantsTab())
        message.Result = 1;
}
