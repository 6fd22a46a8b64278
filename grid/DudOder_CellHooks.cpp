#include "grid/DudOder.h"

#include "grid/DudOder_GridData.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/RovIvir.h"

namespace {

// Graphic types that leave the cell's own background visible.
bool ShowsCellBrush(TCellType type)
{
    switch (type) {
    case ctIcon:
    case ctNone:
    case ctImageList:
    case ctEmpty:
    case ctImages:
    case ctComment:
        return true;
    default:
        return false;
    }
}

bool IsComboEditor(TEditorType editor)
{
    return editor == edComboEdit || editor == edComboList;
}

bool IsSpinEditor(TEditorType editor)
{
    return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
}

} // namespace

void TDudStringGrid::DoCanEditCell(int32_t aCol, int32_t aRow, bool& canEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, aRow, aCol, canEdit);
}

void TDudStringGrid::DoSearchFooterAction(const String& value, int32_t aCol, int32_t aRow, TSearchAction action)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, value, aCol, aRow, action);
}

void TDudStringGrid::DoClickSort(int32_t aCol)
{
    if (OnClickSort)
        OnClickSort(this, aCol);
}

bool TDudStringGrid::DoCanShowFixedDropDown(int32_t aCol)
{
    bool allow = true;
    if (OnCanShowFixedDropDown)
        OnCanShowFixedDropDown(this, aCol, allow);
    return allow;
}

void TDudStringGrid::DoButtonClick(int32_t aCol, int32_t aRow)
{
    if (OnButtonClick)
        OnButtonClick(this, aCol, aRow);
}

void TDudStringGrid::DoExpandClick(int32_t aCol, int32_t aRow, bool expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, aCol, aRow, expanded);
    SetRowHeights(aRow, GetExpandHeight(aCol, aRow, expanded));
}

void TDudStringGrid::GridButtonClick() { DoButtonClick(Col(), Row()); }

void TDudStringGrid::DoComboCloseUp(int32_t aCol, int32_t aRow)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, aRow, aCol);
}

void TDudStringGrid::DoComboDropDown(int32_t aCol, int32_t aRow)
{
    if (OnComboDropDown)
        OnComboDropDown(this, aRow, aCol);
}

void TDudStringGrid::DoGetCellCursor(int32_t aCol, int32_t aRow, int32_t x, int32_t y)
{
    if (!OnGetCellCursor)
        return;
    // The choice shows at once and is made afresh for every cell.
    TCursor cursor = Cursor();
    OnGetCellCursor(this, aCol, aRow, x, y, cursor);
    DisplayCursor(cursor);
}

void TDudStringGrid::DoGridHint(int32_t aCol, int32_t aRow, String& hintText, String& wideHintText)
{
    if (OnGridHint)
        OnGridHint(this, aRow, aCol, hintText);
    if (OnGridWideHint) {
        OnGridWideHint(this, aRow, aCol, wideHintText);
        if (!wideHintText.isEmpty())
            hintText = EncodeWideCellText(wideHintText);
    }
}

void TDudStringGrid::ApplyActiveCellLook(int32_t aCol, int32_t aRow, TBrush& brush, TFont& font) const
{
    const int32_t displayCol = RemapColToDispl(aCol);
    const int32_t fixedCols = TBaseGrid::FixedCols();
    const int32_t fixedRows = TBaseGrid::FixedRows();
    const bool rowHeader = aRow == Row() && fixedCols > 0 && displayCol == fixedCols - 1;
    const bool colHeader = displayCol == Col() && fixedRows > 0 && aRow == fixedRows - 1;
    if (!rowHeader && !colHeader)
        return;
    font.Assign(*FActiveCellFont);
    brush.SetColor(FActiveCellColor);
}

void TDudStringGrid::GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font)
{
    if (FActiveCellShow)
        ApplyActiveCellLook(aCol, aRow, brush, font);
    if (const TCellProperties* props = GetGridObject(aCol, aRow)) {
        if (ShowsCellBrush(GetCellType(aCol, aRow)) && props->BrushColor() != clNone)
            brush.SetColor(props->BrushColor());
        ApplyCellFont(*props, font);
    }
    if (OnGetCellColor)
        OnGetCellColor(this, aRow, aCol, state, brush, font);
}

void TDudStringGrid::GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState state, TBrush& brush, TFont& font)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, aRow, aCol, state, brush, font);
}

void TDudStringGrid::GetCellBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders)
{
    if (aCol > 0 && FGrouping->HeaderUnderline() && IsNode(aRow)) {
        borders = { cbBottom };
        pen.SetColor(FGrouping->HeaderLineColor());
        pen.SetWidth(FGrouping->HeaderLineWidth());
    }
    if (aCol > 0 && FGrouping->SummaryLine() && IsSummary(aRow)) {
        borders = { cbTop };
        pen.SetColor(FGrouping->SummaryLineColor());
        pen.SetWidth(FGrouping->SummaryLineWidth());
    }
    if (OnGetCellBorder)
        OnGetCellBorder(this, aRow, aCol, pen, borders);
}

void TDudStringGrid::GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& pen, TCellBorders& borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, aRow, aCol, pen, borders);
}

void TDudStringGrid::GetCellAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign)
{
    if (aCol == 0 && FMouseActions->HotmailRowSelect())
        hAlign = taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, aRow, aCol, hAlign, vAlign);
}

void TDudStringGrid::GetSortFormat(int32_t aCol, TSortStyle& style, String& prefix, String& suffix)
{
    if (OnGetFormat)
        OnGetFormat(this, aCol, style, prefix, suffix);
}

void TDudStringGrid::QueryCellEditorType(int32_t aCol, int32_t aRow, TEditorType& editor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, aCol, aRow, editor);
}

void TDudStringGrid::GetCellEditorType(int32_t aCol, int32_t aRow, TEditorType& editor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, aCol, aRow, editor);
}

bool TDudStringGrid::HasNoEditor(int32_t aCol, int32_t aRow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, aCol, aRow, editor);
    return editor == edNone;
}

void TDudStringGrid::IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed)
{
    isFixed = isFixed || (FFixedRowAlways && RowCount() == FFixedRowsMin)
        || (FFixedColAlways && ColCount() == FFixedColsMin) || aCol < FixedCols() || aRow < FixedRows();
    if (!isFixed && OnIsFixedCell)
        OnIsFixedCell(this, aRow, aCol, isFixed);
}

void TDudStringGrid::CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit)
{
    const TPoint base = BaseCell(aCol, aRow);
    if (const TCellProperties* props = GetGridObject(base.X, base.Y); props && canEdit) {
        canEdit = !props->ReadOnly();
        if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit())
            canEdit = false;
    }
    if (base.X < ColCount() + FNumHidden)
        DoCanEditCell(base.X, base.Y, canEdit);
    else
        canEdit = true;
}

void TDudStringGrid::IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, aRow, aCol, isPassword);
}

void TDudStringGrid::DoGetWordWrap(int32_t aCol, int32_t aRow, bool& wordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, aCol, aRow, wordWrap);
}

bool TDudStringGrid::HasComboBox(int32_t aCol, int32_t aRow)
{
    if (OnHasComboBox) {
        bool has = false;
        OnHasComboBox(this, aCol, aRow, has);
        return has;
    }
    // Without the always-visible button only an open editor shows a combo.
    if (!ControlLookDropDownAlwaysVisible())
        return false;
    TEditorType editor = FDefaultEditor;
    GetCellEditorType(aCol, aRow, editor);
    return IsComboEditor(editor);
}

bool TDudStringGrid::HasSpinEdit(int32_t aCol, int32_t aRow)
{
    if (aCol < FixedCols() || aRow < FixedRows())
        return false;
    if (OnHasSpinEdit) {
        bool has = false;
        OnHasSpinEdit(this, aCol, aRow, has);
        return has;
    }
    if (!ControlLookSpinButtonsAlwaysVisible())
        return false;
    TEditorType editor = FDefaultEditor;
    QueryCellEditorType(aCol, aRow, editor);
    return IsSpinEditor(editor);
}

void TDudStringGrid::GetCheckTrue(int32_t aCol, int32_t aRow, String& value)
{
    value = FCheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, aCol, aRow, value);
}

void TDudStringGrid::GetCheckFalse(int32_t aCol, int32_t aRow, String& value)
{
    value = FCheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, aCol, aRow, value);
}

bool TDudStringGrid::GetColumnFilter(int32_t column)
{
    FFilterList->Clear();
    if (FFilterDropDownAuto && (column >= FixedCols() || FFilterDropDownColumns == fdAll)) {
        FFilterList->SetCaseSensitive(false);
        FFilterList->SetDuplicates(dupIgnore);
        FFilterList->SetSorted(true);
        const auto addValue = [this](const String& value) {
            if (value.contains(QLatin1Char(' ')))
                FFilterList->Add(value + QStringLiteral("=\"") + value + QLatin1Char('"'));
            else
                FFilterList->Add(value);
        };
        for (int32_t row = FixedRows(); row < RowCount() - FFixedFooters; ++row)
            addValue(Cells(column, row).trimmed());
        // The rows filtered out still offer their values, so that another
        // value can be picked without clearing the filter first.
        if (!FFilterIncremental) {
            const int32_t realCol = RemapColToReal(column);
            for (int32_t index = 0; index < FGridItems->Count(); ++index) {
                const TStringList& cells = static_cast<TGridItem*>(FGridItems->Items(index))->Items();
                if (realCol < cells.Count())
                    addValue(cells.Strings(realCol));
            }
        }
        FFilterList->SetSorted(false);
        if (!FFilterDropDownClear.isEmpty())
            FFilterList->Insert(0, FFilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, column, *FFilterList);
    return FFilterList->Count() > 0;
}

const TFont& TDudStringGrid::GetCellFont(int32_t aCol, int32_t aRow)
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    if (!props)
        return Font();
    cf->SetName(props->FontName());
    cf->SetSize(props->FontSize());
    cf->SetStyle(props->FontStyle());
    cf->SetColor(props->FontColor());
    return *cf;
}

void TDudStringGrid::GetDefaultCellProps(int32_t aCol, int32_t aRow, TFont& font, TBrush& brush, TColor& colorTo,
    TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
    TCellGradientDirection& gradientDirection)
{
    TBaseGrid::GetDefaultCellProps(aCol, aRow, font, brush, colorTo, mirrorColor, mirrorColorTo, alignment,
        vAlignment, wordWrap, gradientDirection);
    // A background stored for these cells would hide the fixed, band,
    // gradient or selection look painted under them.
    if (IsFixed(aCol, aRow) || FBands->Active() || BackGroundIsGradient() || IsSelected(aCol, aRow)) {
        brush.SetColor(clNone);
        colorTo = clNone;
    }
}
