#include "grid/DudOder.h"

#include "grid/DudOder_RichEdit.h"
#include "platform/core/Streams.h"
#include "platform/core/TextCodec.h"
#include "platform/ui/RichTextPaint.h"
#include "platform/ui/Rtf.h"

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

// A rich cell is read once per text, not on every repaint: the document
// is kept with the text and the look it was read in, and read again only
// when either changed. No edit control takes part, so nothing is laid out
// that the cell does not show.
const TRichText& TDudStringGrid::RichCellDocument(int32_t aCol, int32_t aRow)
{
    constexpr size_t MaxCachedCells = 256;
    const String text = Cells(aCol, aRow);
    const TRichTextFormat defaults = RichEdit()->DefaultFormat();
    const uint64_t key = RichCellKey(aCol, aRow);
    auto found = FRichCellCache.find(key);
    if (found != FRichCellCache.end() && found->second.Text == text && found->second.Defaults == defaults)
        return found->second.Document;
    if (found == FRichCellCache.end() && FRichCellCache.size() >= MaxCachedCells)
        FRichCellCache.clear();
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar character : text)
        bytes.push_back(static_cast<char>(character.unicode() & 0xFF));
    TRichCellLayout& layout = FRichCellCache[key];
    layout.LaidOut = false;
    layout.Text = text;
    layout.Defaults = defaults;
    if (IsRtf(bytes)) {
        layout.Document = ReadRtf(bytes, defaults);
    } else {
        String plain = DecodeWindows1252(bytes);
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        if (plain.endsWith(u'\n'))
            plain.chop(1);
        plain.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        layout.Document = TRichText::Plain(plain, defaults);
    }
    layout.Document.Normalize(defaults);
    return layout.Document;
}

void TDudStringGrid::DrawRichCell(int32_t aCol, int32_t aRow, const TRect& rect, TCanvas& canvas)
{
    if (IsDesigning())
        return;
    const TRichText& document = RichCellDocument(aCol, aRow);
    // The measured lines are kept with the document until a taller cell or
    // another resolution asks for more.
    TRichCellLayout& cached = FRichCellCache[RichCellKey(aCol, aRow)];
    TRichTextLayout& layout = cached.Layout;
    const int32_t pixelsPerInch = canvas.GetDeviceCaps(LOGPIXELSY);
    if (!cached.LaidOut || layout.PixelsPerInch != pixelsPerInch
        || (!layout.Complete && layout.Height < rect.Height())) {
        layout = LayoutRichText(canvas, document, rect.Height());
        cached.LaidOut = true;
    }
    const bool focusCell = Focused() && aCol == RemapColToReal(Col()) && aRow == Row()
        && !Options().Contains(goDrawFocusSelected);
    const bool selected = !focusCell && IsSelected(RemapColToDispl(aCol), aRow);
    if (selected && !FSelectionRTFKeep && FSelectionTextColor != clNone && canvas.MapMode() == MM_TEXT) {
        TRichTextLayout recoloured = layout;
        for (TRichTextLayout::TLine& line : recoloured.Lines)
            for (TRichTextLayout::TPiece& piece : line.Pieces)
                piece.Format.Color = FSelectionTextColor;
        DrawRichTextLayout(canvas, rect, recoloured);
        return;
    }
    DrawRichTextLayout(canvas, rect, layout);
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
    // Loading the cell is no typing: the row keeps its height.
    editor->LockResize();
    CellToRich(realCol, aRow, editor);
    editor->UnlockResize();
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
