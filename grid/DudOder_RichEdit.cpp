#include "grid/DudOder_RichEdit.h"

#include "grid/DudOder.h"

namespace {

constexpr int32_t RaisedTwips = 40;

} // namespace

TDudRichEdit::TDudRichEdit(TComponent* owner) : TRichEdit(owner), FGrid(dynamic_cast<TDudStringGrid*>(owner))
{
    if (!FGrid)
        throw EInvalidOperation(QStringLiteral("The grid's rich edit belongs to a string grid"));
}

void TDudRichEdit::SetSelOffset(int32_t offset)
{
    FormatSelection([offset](TRichTextFormat& format) { format.Offset = offset; });
}

void TDudRichEdit::SelNormal() { SetSelOffset(0); }

void TDudRichEdit::SelSubscript() { SetSelOffset(-RaisedTwips); }

void TDudRichEdit::SelSuperscript() { SetSelOffset(RaisedTwips); }

bool TDudRichEdit::IsSelNormal() const { return SelFormat().Offset == 0; }

bool TDudRichEdit::IsSelSubscript() const { return SelFormat().Offset == -RaisedTwips; }

bool TDudRichEdit::IsSelSuperscript() const { return SelFormat().Offset == RaisedTwips; }

bool TDudRichEdit::InPlace() const { return FGrid->FInplaceRichEdit == this; }

void TDudRichEdit::RequestedSize(const TRect& rect)
{
    TDudStringGrid& grid = *FGrid;
    if (grid.FRichEdit == this) {
        FReqWidth = rect.Width();
        FReqHeight = rect.Height();
    }
    if (!InPlace() || !grid.SizeWhileTyping().Height() || FLocked)
        return;
    // The row grows with the text typed, as long as it stays inside the grid.
    const int32_t height = rect.Height();
    const int32_t row = grid.Row();
    if (grid.RowHeights(row) < height + 5 && grid.CellRect(grid.Col(), row).Top + height + 5 < grid.Height()) {
        SetHeight(height + 9);
        grid.SetRowHeights(row, height + 10);
        if (grid.OnEndRowSize)
            grid.OnEndRowSize(&grid, row);
    }
}

void TDudRichEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    TRichEdit::KeyDown(key, shift);
    if (!InPlace())
        return;
    TDudStringGrid& grid = *FGrid;
    if (key == VK_ESCAPE) {
        // Nothing changed is nothing written: the cell keeps its own bytes.
        SetModified(false);
        grid.HideInplaceEdit();
        if (grid.CanFocus())
            grid.SetFocus();
        key = 0;
        return;
    }
    if (key == VK_TAB && grid.Options().Contains(goTabs)) {
        grid.DoneInplaceEdit(key, shift);
        grid.ShowInplaceEdit();
        key = 0;
        return;
    }
    if ((key == VK_UP || key == VK_DOWN) && !grid.WordWrap() && !grid.Multilinecells()) {
        grid.DoneInplaceEdit(key, shift);
        key = 0;
    }
}

// Leaving the editor, wherever the focus goes, writes the cell, so a
// dialog's button never reads a cell whose edit is still open.
void TDudRichEdit::DoExit()
{
    TRichEdit::DoExit();
    if (InPlace() && !FGrid->InvokedFocusChange && Visible())
        FGrid->HideInplaceEdit();
}

void TDudRichEdit::DefaultHandler(TMessage& message)
{
    TRichEdit::DefaultHandler(message);
    if (message.Msg == WM_GETDLGCODE)
        message.Result |= DLGC_WANTTAB;
}
