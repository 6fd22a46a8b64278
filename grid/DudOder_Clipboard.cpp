#include "grid/DudOder.h"

#include "grid/DudOder_Settings.h"
#include "platform/ui/Clipbrd.h"

#include <algorithm>

// The clipboard keys' text form: the selection as rows of tab-separated
// cells, which other programs and the grid's own paste read back.

namespace {

TGridRect Normalized(const TGridRect& rect)
{
    return TGridRect { std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom), std::max(rect.Left, rect.Right),
        std::max(rect.Top, rect.Bottom) };
}

} // namespace

String TDudStringGrid::GetRectAsText(const TGridRect& area)
{
    const TGridRect rect = Normalized(area);
    FClipTopLeft = TPoint { rect.Left, rect.Top };
    String text;
    for (int32_t row = rect.Top; row <= rect.Bottom; ++row) {
        for (int32_t col = rect.Left; col <= rect.Right; ++col) {
            String value;
            DoSaveCell(RemapColToReal(col), row, value);
            // A cell of several lines stays one field.
            if (value.contains(QLatin1Char('\r'))) {
                value.replace(QLatin1Char('\r'), QLatin1Char('\n'));
                value = QLatin1Char('"') + value + QLatin1Char('"');
            }
            text += value;
            if (col < rect.Right)
                text += QLatin1Char('\t');
        }
        if (rect.Bottom > rect.Top)
            text += QLatin1String("\r\n");
    }
    return text;
}

String TDudStringGrid::GetSelectionAsText()
{
    return GetRectAsText(Selection());
}

void TDudStringGrid::CopySelectionToClipboard()
{
    Clipboard().SetAsText(GetSelectionAsText());
}

void TDudStringGrid::CutSelectionToClipboard()
{
    CopySelectionToClipboard();
    const TGridRect rect = Normalized(Selection());
    for (int32_t row = rect.Top; row <= rect.Bottom; ++row) {
        bool changed = false;
        for (int32_t col = rect.Left; col <= rect.Right; ++col) {
            const int32_t realCol = RemapColToReal(col);
            if (!IsEditable(realCol, row) || GetGridCell(realCol, row).isEmpty())
                continue;
            SetCellEx(realCol, row, String());
            changed = true;
        }
        if (changed && FShowModified->Enabled())
            SetRowModified(RemapRowToReal(row), true);
    }
    DoCellsChanged(TRect { RemapColToReal(rect.Left), rect.Top, RemapColToReal(rect.Right), rect.Bottom });
}

// Lines split at line breaks and fields at tabs, written from the
// selection's top-left cell into the editable cells inside the grid.
void TDudStringGrid::PasteSelectionFromClipboard()
{
    String text = Clipboard().AsText();
    if (text.isEmpty())
        return;
    if (!(Options().Contains(goEditing) || FNavigation->AllowClipboardAlways() || FMouseActions->RangeSelectAndEdit()))
        return;
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    const TGridRect rect = Normalized(Selection());
    const int32_t left = Options().Contains(goRowSelect) ? FixedCols() : rect.Left;
    int32_t lastCol = left;
    int32_t lastRow = rect.Top;
    int32_t row = rect.Top;
    for (const String& line : text.split(QLatin1Char('\r'))) {
        if (row >= RowCount())
            break;
        int32_t col = left;
        for (String field : line.split(QLatin1Char('\t'))) {
            if (col >= ColCount())
                break;
            const int32_t realCol = RemapColToReal(col);
            if (IsEditable(realCol, row) || FNavigation->AllowClipboardAlways()) {
                bool allow = true;
                if (OnClipboardBeforePasteCell)
                    OnClipboardBeforePasteCell(this, col, row, field, allow);
                if (allow) {
                    PasteCell(col, row, field);
                    lastCol = std::max(lastCol, col);
                    lastRow = std::max(lastRow, row);
                    if (OnClipboardAfterPasteCell)
                        OnClipboardAfterPasteCell(this, col, row, field);
                }
            }
            ++col;
        }
        ++row;
    }
    if (FShowModified->Enabled())
        for (int32_t pasted = rect.Top; pasted <= lastRow; ++pasted)
            SetRowModified(RemapRowToReal(pasted), true);
    DoCellsChanged(TRect { RemapColToReal(left), rect.Top, RemapColToReal(lastCol), lastRow });
}

void TDudStringGrid::PasteCell(int32_t aCol, int32_t aRow, const String& value)
{
    const int32_t realCol = RemapColToReal(aCol);
    if (HasCheckBox(realCol, aRow))
        ApplyCheckState(realCol, aRow, value == FCheckTrue);
    else
        SetCellEx(realCol, aRow, value);
    if (realCol != aCol)
        RepaintCell(aCol, aRow);
}
