#include "grid/DudOder.h"

#include "grid/DudOder_GridData.h"
#include "grid/base/RovIvir.h"
#include "platform/core/Math.h"
#include "platform/ui/CheckLst.h"

// Filtering hides the rows that fail the conditions of Filter, one level of
// hidden rows per application; levels come off again last first. Rows are
// only ever hidden: a filter never deletes data, and no filter operation
// discards rows that other operations hid.

namespace {

// A filter list entry is "name=condition" or a plain value that is both.
void SplitFilterEntry(const String& entry, const String& clearEntry, String& name, String& condition)
{
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    name = equals < 0 ? entry : entry.left(equals);
    condition = equals < 0 ? entry : entry.mid(equals + 1);
    if (condition == clearEntry)
        condition.clear();
}

} // namespace

String TDudStringGrid::FilterCellText(const TFilterData& condition, int32_t aRow)
{
    const int32_t column = condition.Column();
    String text;
    switch (condition.Data()) {
    case fcVirtual:
        text = GetCellEx(column, aRow);
        break;
    case fcNormal:
        text = GetGridCell(column, aRow);
        break;
    case fcStripHTML:
        text = GetStrippedCell(column, aRow);
        break;
    case fcCalculated:
        CalcCellText(column, aRow, text);
        break;
    case fcRow: {
        QStringList cells;
        for (int32_t displayCol = 0; displayCol < ColCount(); ++displayCol)
            cells.append(GetGridCell(RemapColToReal(displayCol), aRow));
        text = cells.join(QStringLiteral("\r\n"));
        break;
    }
    }
    text = text.trimmed();
    if (text.contains(QStringLiteral("|\\")))
        text = DecodeWideCellText(text);
    return text;
}

bool TDudStringGrid::MatchFilterData(const TFilterData& condition, int32_t aRow)
{
    String text = FilterCellText(condition, aRow);
    if (condition.Data() == fcRow)
        return text.toUpper().contains(condition.Condition().toUpper());
    if (!condition.Prefix().isEmpty() && text.startsWith(condition.Prefix()))
        text.remove(0, condition.Prefix().size());
    if (!condition.Suffix().isEmpty()) {
        const qsizetype at = text.indexOf(condition.Suffix());
        if (at >= 0 && at + condition.Suffix().size() == text.size())
            text.truncate(at);
    }
    if (condition.Condition().isEmpty())
        return true;
    if (condition.Method() == fmLiteral)
        return text == condition.Condition();
    try {
        return MatchFilterCondition(condition.Condition(), text, condition.CaseSensitive());
    } catch (const Exception&) {
        return false;
    }
}

bool TDudStringGrid::MatchFilter(int32_t aRow)
{
    bool result = true;
    for (int32_t index = 0; index < FFilter->Count(); ++index) {
        const TFilterData& condition = *FFilter->Items(index);
        const bool match = MatchFilterData(condition, aRow);
        switch (condition.Operation()) {
        case foSHORT:
            result = match;
            break;
        case foNONE:
            result = match;
            break;
        case foAND:
            result = result && match;
            break;
        case foXOR:
            result = result != match;
            break;
        case foOR:
            result = result || match;
            break;
        }
        if (condition.Operation() == foSHORT && !match)
            break;
    }
    if (OnCustomFilter)
        OnCustomFilter(this, aRow, result);
    return result;
}

void TDudStringGrid::FilterRow(int32_t aRow)
{
    if (!MatchFilter(aRow))
        HideRow(RemapRowToReal(aRow));
}

void TDudStringGrid::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    const int32_t last = RowCount() - FFixedFooters - 1;
    const int32_t total = last - FixedRows() + 1;
    TIntList failing(0, 0);
    int32_t percent = 0;
    for (int32_t row = FixedRows(); row <= last; ++row) {
        if (FFilterNormalCellsOnly && (IsNode(row) || IsSummary(row)))
            continue;
        if (MatchFilter(row))
            continue;
        failing.Add(row);
        if (OnFilterProgress && total > 0) {
            percent = static_cast<int32_t>(Round(100.0 * failing.Count() / total));
            OnFilterProgress(this, static_cast<int16_t>(percent));
        }
    }
    HideRowList(failing);
    if (OnFilterProgress)
        OnFilterProgress(this, static_cast<int16_t>(percent));
}

// The rows of the last level come back; the caller lowers the level.
void TDudStringGrid::RestoreFilterLevel()
{
    UnHideRowList();
    SetFixedRows(FFilterFixedRows);
    if (FSelHidden)
        UnHideSelection();
    --FFilterLevel;
    // The only level brings back every stored row, those of contracted
    // nodes too: such nodes now show their rows and so are expanded.
    if (NumHiddenRows() == 0)
        for (int32_t row = FixedRows(); row < RowCount(); ++row)
            if (TCellGraphic* node = NodeGraphic(row))
                node->SetCellBoolean(false);
}

bool TDudStringGrid::RemoveLastFilter()
{
    if (FFilterLevel <= 0)
        return false;
    RestoreFilterLevel();
    CalcFooter(-1);
    return FFilterLevel >= 2;
}

void TDudStringGrid::RemoveAllFilters()
{
    if (FFilterLevel <= 0) {
        FFilter->Clear();
        return;
    }
    while (FFilterLevel > 0)
        RemoveLastFilter();
}

void TDudStringGrid::NarrowDown(const String& condition, int32_t column)
{
    const auto applyNew = [&] {
        FFilter->Clear();
        TFilterData& data = *FFilter->Add();
        data.SetCaseSensitive(false);
        data.SetColumn(static_cast<int16_t>(column));
        if (column == -1) {
            data.SetData(fcRow);
            data.SetCondition(condition);
        } else {
            data.SetData(fcNormal);
            String pattern = QLatin1Char('*') + condition + QLatin1Char('*');
            // Quotes keep the blanks, which the matcher drops otherwise.
            if (pattern.contains(QLatin1Char(' ')))
                pattern = QLatin1Char('"') + pattern + QLatin1Char('"');
            data.SetCondition(pattern);
        }
        ApplyFilter();
    };
    SetFixedRowAlways(true);
    if (condition.size() == FLastFilter.size() + 1 && condition.startsWith(FLastFilter)) {
        applyNew();
    } else if (!condition.isEmpty() && FLastFilter.size() == condition.size() + 1 && FLastFilter.startsWith(condition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!condition.isEmpty())
            applyNew();
    }
    FLastFilter = condition;
}

void TDudStringGrid::SetFilterActive(bool value)
{
    if (value != FFilterActive) {
        FFilterActive = value;
        if (value) {
            if (Row() >= RowCount() || Col() >= ColCount())
                FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            try {
                ApplyFilter();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            FSelHidden = false;
        } else if (FFilterLevel > 0) {
            RestoreFilterLevel();
        }
        SetTopRowEx(std::min(FixedRows(), RowCount() - 1));
    }
    CalcFooter(-1);
}

void TDudStringGrid::DoFilterSelect(int32_t itemIndex)
{
    if (CanFocus())
        SetFocus();
    if (!FilterColumnValid() || itemIndex < 0) {
        FFilterCol = -1;
        return;
    }
    GetColumnFilter(FFilterCol);
    if (itemIndex >= FFilterList->Count()) {
        FFilterCol = -1;
        return;
    }
    String name;
    String condition;
    SplitFilterEntry(FFilterList->Strings(itemIndex), FFilterDropDownClear, name, condition);
    if (FAutoFilterUpdate)
        SetFilterActive(false);
    if (OnFilterSelect)
        OnFilterSelect(this, FFilterCol, itemIndex, name, condition);
    if (!condition.isEmpty())
        FFilter->GetColFilter(FFilterCol)->SetCondition(condition);
    else
        FFilter->RemoveColumnFilter(FFilterCol);
    if (FAutoFilterUpdate) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() != FixedRows() && RowCount() != 1)
            SetRowEx(FixedRows());
        // Every pick is reported, "(All)" too: the application shows the
        // rows that now stand.
        DoFilterDone();
    }
    FFilterCol = -1;
}

void TDudStringGrid::DoFilterCheck(TCheckListBox* checkList)
{
    if (!FilterColumnValid() || !checkList)
        return;
    GetColumnFilter(FFilterCol);
    if (FAutoFilterUpdate)
        SetFilterActive(false);
    FFilter->Clear();
    for (int32_t index = 0; index < checkList->Items().Count() && index < FFilterList->Count(); ++index) {
        if (!checkList->Checked(index))
            continue;
        String name;
        String condition;
        SplitFilterEntry(FFilterList->Strings(index), FFilterDropDownClear, name, condition);
        if (OnFilterCheck)
            OnFilterCheck(this, FFilterCol, index, name, condition, checkList);
        const bool first = FFilter->Count() == 0;
        TFilterData& data = *FFilter->Add();
        data.SetColumn(static_cast<int16_t>(FFilterCol));
        data.SetCondition(condition);
        data.SetOperation(first ? foNONE : foOR);
    }
    SetFilterActive(true);
    checkList->Invalidate();
}
