#include "grid/DudOder.h"

#include "grid/DudOder_RichEdit.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/RovIvir.h"
#include "grid/base/RovIvir_Draw.h"
#include "platform/core/Format.h"

void TDudStringGrid::GetDisplText(int32_t aCol, int32_t aRow, String& value) const
{
    TBaseGrid::GetDisplText(aCol, aRow, value);
    if (FURLShowInText) {
        for (const char* prefix : { "HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://" }) {
            String anchored;
            if (AddUrlAnchor(value, QString::fromLatin1(prefix), anchored)) {
                value = anchored;
                break;
            }
        }
    }
    if (!FGrouping->ShowGroupCount() || aCol != 1 || aRow < 0)
        return;
    const auto* node = dynamic_cast<const TCellGraphic*>(GraphicOfProps(GetGridObject(0, aRow)));
    if (!node || node->CellType() != ctNode)
        return;
    // The header counts its data rows: neither itself nor its sub-node headers.
    const int32_t count = node->CellIndex() - node->CellErrFrom() - 1;
    const String& format = FGrouping->GroupCountFormat();
    value += format.isEmpty() ? QStringLiteral(" (%1)").arg(count) : Format(format, { count });
}

String TDudStringGrid::GetFormattedCell(int32_t aCol, int32_t aRow)
{
    const String text = Cells(aCol, aRow);
    if (!OnGetFloatFormat)
        return text;
    const int32_t kind = ClassifyNumberText(text);
    bool isFloat = kind == ntInteger || kind == ntDecimal || kind == ntScientific;
    String floatFormat = FFloatFormat;
    OnGetFloatFormat(this, aCol, aRow, isFloat, floatFormat);
    if (!isFloat || floatFormat.isEmpty())
        return text;
    // A cell the format cannot take shows its text as it is.
    try {
        if (floatFormat.contains(QLatin1Char('d')))
            return Format(floatFormat, { GetInts(aCol, aRow) });
        return Format(floatFormat, { GetFloats(aCol, aRow) });
    } catch (const Exception&) {
        return text;
    }
}

void TDudStringGrid::CalcCellText(int32_t aCol, int32_t aRow, String& value)
{
    value = Cells(aCol, aRow);
}

void TDudStringGrid::DoSaveCell(int32_t aCol, int32_t aRow, String& value)
{
    value = FSaveVirtCells ? GetFormattedCell(aCol, aRow) : GetGridCell(aCol, aRow);
    if (value.isEmpty()) {
        const TCellType type = GetCellType(aCol, aRow);
        if (type == ctCheckBox || type == ctTriStateCheckBox) {
            bool checked = false;
            if (GetCheckBoxState(aCol, RemapRowToReal(aRow), checked) && checked)
                GetCheckTrue(aCol, aRow, value);
            else
                GetCheckFalse(aCol, aRow, value);
        }
    }
    const int32_t kind = ClassifyCellText(value, true);
    if (kind == ckMarkup && !FSaveWithHTML)
        value = StrippedMarkup(value);
    // Rich text is kept on one line of the file, or written as its plain text.
    if (kind == ckRichText && FSaveWithRTF) {
        value.remove(QLatin1Char('\r'));
        value.remove(QLatin1Char('\n'));
    } else if (kind == ckRichText) {
        TDudRichEdit* rich = RichEdit();
        CellToRich(RemapColToDispl(aCol), aRow, rich);
        value = rich->Text();
    }
    if (OnSaveCell)
        OnSaveCell(this, aCol, aRow, value);
}

void TDudStringGrid::DoLoadCell(int32_t aCol, int32_t aRow, const String& value)
{
    String text = value;
    if (OnLoadCell)
        OnLoadCell(this, aCol, aRow, text);
    SetGridCell(aCol, aRow, text);
}

void TDudStringGrid::KeyInsertRow(int32_t aRow)
{
    if (FNumNodes == 0)
        InsertRows(aRow, 1);
    else if (GetParentRow(DisplRowIndex(aRow)) == -1)
        InsertNormalRow(aRow);
    else
        InsertChildRow(aRow, 0);
}

void TDudStringGrid::KeyDeleteRow(int32_t aRow)
{
    if (FNumNodes > 0) {
        if (GetParentRow(aRow) == -1)
            RemoveNormalRow(aRow);
        else
            RemoveChildRow(aRow);
    } else if (RowCount() - FixedRows() - FFixedFooters != 1 || FFixedRowAlways) {
        RemoveRowsPlain(aRow, 1);
    } else {
        ClearRows(aRow, 1);
    }
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, aRow);
}

void TDudStringGrid::DoSelectionChanged(int32_t aLeft, int32_t aTop, int32_t aRight, int32_t aBottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007)
        InvalidateRect(Selection());
    FSelChange = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, aLeft, aTop, aRight, aBottom);
}

void TDudStringGrid::DoFixedEdit(int32_t aCol, int32_t aRow, TGridFixedCellEditor& editor, TStrings* values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, aCol, aRow, editor, values);
}

void TDudStringGrid::DoFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}
