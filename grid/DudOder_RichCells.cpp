#include "grid/DudOder.h"

#include "grid/DudOder_RichEdit.h"
#include "platform/core/Streams.h"
#include "platform/ui/RichTextPaint.h"

// Rich-text cells: their conversion through the grid's rich edits, their
// drawing, and the in-place rich-text editor.

TDudRichEdit* TDudStringGrid::RichEdit()
{
    if (!FRichEdit) {
        FRichEdit = new TDudRichEdit(this);
        FRichEdit->SetBorderStyle(bsNone);
        FRichEdit->SetBounds(0, 0, 0, 0);
    }
    return FRichEdit;
}

TDudRichEdit* TDudStringGrid::InplaceRichEdit()
{
    if (!FInplaceRichEdit) {
        FInplaceRichEdit = new TDudRichEdit(this);
        FInplaceRichEdit->SetVisible(false);
    }
    return FInplaceRichEdit;
}

// The cell holds one byte per character; a character beyond a byte gives
// its low eight bits. Text that is no RTF document loads as plain text in
// the code page the bytes came from.
void TDudStringGrid::CellToRich(int32_t aCol, int32_t aRow, TRichEdit* richEditor)
{
    const String text = Cells(aCol, aRow);
    if (text.isEmpty()) {
        richEditor->Clear();
        return;
    }
    TMemoryStream stream;
    TBytes bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar character : text)
        bytes.push_back(static_cast<uint8_t>(character.unicode() & 0xFF));
    stream.WriteBuffer(bytes);
    stream.SetPosition(0);
    richEditor->Lines().LoadFromStream(stream, TTextEncoding::Ansi);
}

String TDudStringGrid::RichToString(TRichEdit* richEditor) const
{
    if ((ComponentState() & csDestroying) != 0)
        return String();
    TMemoryStream stream;
    richEditor->Lines().SaveToStream(stream, TTextEncoding::Utf16Le);
    String result;
    result.reserve(static_cast<qsizetype>(stream.Size()));
    for (const uint8_t byte : stream.Bytes())
        result += QChar(byte);
    return result;
}

void TDudStringGrid::RichToCell(int32_t aCol, int32_t aRow, TRichEdit* richEditor)
{
    SetCellEx(aCol, aRow, RichToString(richEditor));
}

void TDudStringGrid::DrawRichCell(int32_t aCol, int32_t aRow, const TRect& rect, TCanvas& canvas)
{
    if (IsDesigning())
        return;
    TDudRichEdit* rich = RichEdit();
    CellToRich(aCol, aRow, rich);
    TRichText document = rich->Document();
    const bool focusCell = Focused() && aCol == RemapColToReal(Col()) && aRow == Row()
        && !Options().Contains(goDrawFocusSelected);
    const bool selected = !focusCell && IsSelected(RemapColToDispl(aCol), aRow);
    if (selected && !FSelectionRTFKeep && FSelectionTextColor != clNone && canvas.MapMode() == MM_TEXT)
        for (TRichTextFormat& format : document.Formats)
            format.Color = FSelectionTextColor;
    DrawRichText(canvas, rect, document);
}

// ---- the in-place editor

void TDudStringGrid::ShowRichEditor(const TRect& rect, int32_t realCol, int32_t aRow, TColor color, const TFont& font)
{
    TDudRichEdit* editor = InplaceRichEdit();
    editor->ReCreate();
    editor->SetParent(this);
    editor->SetBorderStyle(bsNone);
    editor->SetHideSelection(false);
    editor->SetBounds(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    editor->Font().Assign(font);
    DoGetEditorProp(realCol, aRow, FEditLink);
    CellToRich(realCol, aRow, editor);
    editor->SetModified(false);
    if (FNavigation->EditSelectAll())
        editor->SelectAll();
    editor->SetVisible(true);
    editor->SetEnabled(true);
    editor->SetEditRect(Rect(2, 2, rect.Width() - 2, rect.Height() - 2));
    editor->SetColor(color);
    if (editor->CanFocus())
        editor->SetFocus();
    if (FStartEditChar != 0)
        PostMessage(editor, WM_CHAR, FStartEditChar);
    EditCtrl = editor;
}

// Only a changed text is written back: an edit that changed nothing leaves
// the cell's bytes as they were, with whatever the editor does not keep.
void TDudStringGrid::CommitRichEditor(int32_t realCol, int32_t aRow)
{
    TDudRichEdit* editor = InplaceRichEdit();
    if (editor->Modified())
        StoreEditValue(realCol, aRow, RichToString(editor));
    EditMode = false;
    if (editor->Focused() && CanFocus()) {
        FBlockFocus = true;
        SetFocus();
        FBlockFocus = false;
    }
    editor->SetEnabled(false);
    editor->SetVisible(false);
}
