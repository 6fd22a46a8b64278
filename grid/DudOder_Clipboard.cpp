#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/RovIvir.h"
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
    if (TDudOderUndoRedo* undo = UndoRedo())
        undo->RegisterChange(aCol, aRow, GetCellEx(realCol, aRow), value);
    if (HasCheckBox(realCol, aRow))
        ApplyCheckState(realCol, aRow, value == FCheckTrue);
    else
        SetCellEx(realCol, aRow, value);
    if (realCol != aCol)
        RepaintCell(aCol, aRow);
}

// Text written from a cell: lines end at CR (a LF after it belongs to the
// break), fields at TAB. Answers the number of fields read.
int32_t TDudStringGrid::PasteText(int32_t aCol, int32_t aRow, int32_t& lines, int32_t& fields, const String& text)
{
    if (aCol < 0 || aRow < 0)
        return 0;
    if (!(Options().Contains(goEditing) || FNavigation->AllowClipboardAlways() || FMouseActions->RangeSelectAndEdit()))
        return 0;
    TDudOderUndoRedo* undo = UndoRedo();
    if (undo)
        undo->StartSequence();
    lines = 0;
    int32_t count = 0;
    String all = text;
    all.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    const QStringList textLines = all.split(QLatin1Char('\r'));
    const bool footerRow = FloatingFooterVisible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
    int32_t row = aRow;
    int32_t lastCol = aCol;
    int32_t lastRow = aRow;
    for (qsizetype lineIndex = 0; lineIndex < textLines.size(); ++lineIndex) {
        const String& line = textLines[lineIndex];
        ++lines;
        ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, row);
        if (FNavigation->ClipboardPasteAction() == paInsert && !line.isEmpty())
            InsertRows(row, 1, true);
        const QStringList lineFields = line.split(QLatin1Char('\t'));
        fields = static_cast<int32_t>(lineFields.size());
        int32_t col = aCol;
        for (qsizetype fieldIndex = 0; fieldIndex < lineFields.size(); ++fieldIndex, ++col) {
            String field = lineFields[fieldIndex];
            ++count;
            // The copy's quoting of a cell of several lines, undone.
            if (field.contains(QLatin1Char('\n'))) {
                if (field.startsWith(QLatin1Char('"')))
                    field.remove(0, 1);
                if (field.count(QLatin1Char('"')) == 1 && field.endsWith(QLatin1Char('"')))
                    field.chop(1);
                field.replace(QChar(11), QLatin1String("\r\n"));
            }
            if (col == ColCount() && FNavigation->AllowClipboardColGrow())
                SetColCount(ColCount() + 1);
            const bool lineLast = fieldIndex == lineFields.size() - 1;
            if (col >= ColCount() || (field.isEmpty() && lineLast && lineIndex == textLines.size() - 1))
                continue;
            if (!IsEditable(RemapColToReal(col), row) && !FNavigation->AllowClipboardAlways())
                continue;
            bool allow = true;
            const bool wide = field.startsWith(QLatin1String("|\\"));
            String value = wide ? DecodeWideCellText(field) : field;
            if (wide && OnClipboardBeforePasteCellWide)
                OnClipboardBeforePasteCellWide(this, col, row, value, allow);
            else if (!wide && OnClipboardBeforePasteCell)
                OnClipboardBeforePasteCell(this, col, row, value, allow);
            if (!allow)
                continue;
            field = wide ? EncodeWideCellText(value) : value;
            PasteCell(col, row, field);
            lastCol = std::max(lastCol, col);
            lastRow = std::max(lastRow, row);
            if (wide && !lineLast && OnClipboardAfterPasteCellWide)
                OnClipboardAfterPasteCellWide(this, col, row, value);
            else if ((!wide || lineLast) && OnClipboardAfterPasteCell)
                OnClipboardAfterPasteCell(this, col, row, field);
        }
        if (lineIndex + 1 < textLines.size()) {
            ++row;
            if (row >= (footerRow ? RowCount() - 1 : RowCount())) {
                if (!FNavigation->AllowClipboardRowGrow())
                    break;
                SetRowCount(RowCount() + 1);
            }
        }
    }
    if (undo)
        undo->StopSequence();
    if (FShowModified->Enabled())
        for (int32_t pasted = aRow; pasted <= lastRow; ++pasted)
            SetRowModified(RemapRowToReal(pasted), true);
    DoCellsChanged(TRect { RemapColToReal(aCol), aRow, RemapColToReal(lastCol), lastRow });
    return count;
}
