#include "grid/DudOder.h"

#include "grid/base/MarkupText.h"
#include "grid/base/RovIvir.h"
#include "platform/core/DateUtils.h"
#include "platform/core/FloatUtils.h"
#include "platform/core/Format.h"
#include "platform/core/SysUtils.h"

namespace {

// Empty and a lone minus count as zero.
String NumberOrZero(const String& text)
{
    return text.isEmpty() || text == QLatin1String("-") ? QStringLiteral("0") : text;
}

int32_t CellInteger(const String& text)
{
    int32_t value = 0;
    if (!TryStrToInt(NumberOrZero(text.trimmed()), value))
        throw EDudOderError(QStringLiteral("Cell does not contain integer value"));
    return value;
}

double CellFloat(const String& text)
{
    double value = 0;
    // The normalised text always uses "." as its decimal separator.
    TFormatSettings settings = FormatSettings();
    settings.DecimalSeparator = QLatin1Char('.');
    if (!TryStrToFloat(NumberOrZero(NormalizeNumberText(text.trimmed())), value, settings))
        throw EDudOderError(QStringLiteral("Cell does not contain a float value"));
    return value;
}

void CheckPrintColumn(int32_t aCol)
{
    if (aCol < 0 || aCol >= MaxHideableColumns)
        throw EDudOderError(QStringLiteral("Columns is not in valid range"));
}

} // namespace

void TDudStringGrid::SetInts(int32_t aCol, int32_t aRow, int32_t value)
{
    SetCellEx(aCol, aRow, String::number(value));
    if (FNumHidden > 0)
        RepaintCell(RemapColToDispl(aCol), aRow);
}

int32_t TDudStringGrid::GetInts(int32_t aCol, int32_t aRow) const
{
    return CellInteger(GetStrippedCell(aCol, aRow));
}

int32_t TDudStringGrid::GetAllInts(int32_t aCol, int32_t aRow) const
{
    return CellInteger(GetCellsEx(aCol, aRow));
}

void TDudStringGrid::SetAllInts(int32_t aCol, int32_t aRow, int32_t value)
{
    SetCellsEx(aCol, aRow, String::number(value));
}

double TDudStringGrid::GetFloats(int32_t aCol, int32_t aRow) const
{
    return CellFloat(GetStrippedCell(aCol, aRow));
}

void TDudStringGrid::SetFloats(int32_t aCol, int32_t aRow, double value)
{
    SetCellEx(aCol, aRow, Format(GetFloatFormat(aCol, aRow), { value }));
}

double TDudStringGrid::GetAllFloats(int32_t aCol, int32_t aRow) const
{
    return CellFloat(GetCellsEx(aCol, aRow));
}

void TDudStringGrid::SetAllFloats(int32_t aCol, int32_t aRow, double value)
{
    SetCellsEx(aCol, aRow, Format(FFloatFormat, { value }));
}

double TDudStringGrid::GetDates(int32_t aCol, int32_t aRow) const
{
    return StrToDate(GetCellEx(aCol, aRow));
}

void TDudStringGrid::SetDates(int32_t aCol, int32_t aRow, double value)
{
    SetCellEx(aCol, aRow, value > 0.0 || FShowNullDates ? DateToStr(value) : String());
}

double TDudStringGrid::GetTimes(int32_t aCol, int32_t aRow) const
{
    return StrToTime(GetCellEx(aCol, aRow));
}

void TDudStringGrid::SetTimes(int32_t aCol, int32_t aRow, double value)
{
    SetCellEx(aCol, aRow, TimeToStr(value));
}

String TDudStringGrid::GetCtrlVal(int32_t aCol, int32_t aRow, const String& id) const
{
    String value;
    return GetControlValue(GetCellEx(aCol, aRow), id, value) ? value : String();
}

// A cell without that control keeps its text.
void TDudStringGrid::SetCtrlVal(int32_t aCol, int32_t aRow, const String& id, const String& value)
{
    String text = GetCellEx(aCol, aRow);
    if (SetControlValue(text, id, value))
        SetCellEx(aCol, aRow, text);
}

int32_t TDudStringGrid::GetPrintColWidth(int32_t aCol) const
{
    CheckPrintColumn(aCol);
    return MaxWidths[static_cast<size_t>(aCol)];
}

int32_t TDudStringGrid::GetPrintColOffset(int32_t aCol) const
{
    CheckPrintColumn(aCol);
    return Indents[static_cast<size_t>(aCol)];
}

void TDudStringGrid::SetColumnHeaders(const TStrings& value)
{
    // The list's change notification shows the headers.
    if (FixedRows() > 0)
        ClearColumnHeaders();
    FColumnHeaders->Assign(value);
}

void TDudStringGrid::SetRowHeaders(const TStrings& value)
{
    if (IsDesigning() && FixedCols() > 0)
        ClearRowHeaders();
    FRowHeaders->Assign(value);
}

void TDudStringGrid::ClearColumnHeaders()
{
    for (int32_t column = 0; column < ColCount(); ++column)
        SetCellEx(column, 0, String());
}

void TDudStringGrid::ClearRowHeaders()
{
    for (int32_t row = 0; row < RowCount(); ++row)
        SetCellEx(0, row, String());
}

void TDudStringGrid::ShowColumnHeaders()
{
    if (FixedRows() == 0)
        return;
    for (int32_t index = 0; index < FColumnHeaders->Count() && index < TotalColCount(); ++index)
        SetCellEx(index, 0, DecodeLineBreaks(FColumnHeaders->Strings(index)));
}

void TDudStringGrid::ShowRowHeaders()
{
    if (FixedCols() == 0)
        return;
    for (int32_t index = 0; index < FRowHeaders->Count() && index < RowCount(); ++index)
        SetCellEx(0, index, DecodeLineBreaks(FRowHeaders->Strings(index)));
}

void TDudStringGrid::ColumnHeadersChanged()
{
    SyncColumnHeaders();
    ShowColumnHeaders();
}

void TDudStringGrid::RowHeadersChanged()
{
    ShowRowHeaders();
}

void TDudStringGrid::MergedColumnsChanged()
{
    for (int32_t col = 0; col < ColCount(); ++col)
        SplitColumnCells(col);
    // The first listed column merges alone; the others only within its spans.
    for (int32_t index = 0; index < FMergedColumns->Count(); ++index) {
        const int32_t col = FMergedColumns->Items(index);
        if (col >= 0 && col < ColCount())
            MergeColumnCells(col, index == 0);
    }
    Invalidate();
}

void TDudStringGrid::SetLookupItems(const TStrings* value)
{
    if (value)
        FLookupItems->Assign(*value);
}

void TDudStringGrid::SetFixedFont(const TFont& value)
{
    FFixedFont->Assign(value);
    Invalidate();
}

void TDudStringGrid::SetRowIndicator(const TBitmap& value)
{
    FRowIndicator->Assign(value);
    Invalidate();
}

void TDudStringGrid::SetBorderColor(TColor value)
{
    SetRepainted(FBorderColor, value);
}

