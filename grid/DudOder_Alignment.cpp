#include "grid/DudOder.h"

#include "grid/base/RovIvir.h"

namespace {

// A formula, also one kept in the wide encoding ("|\" then two characters
// per unit, so its first character sits at the fourth place).
bool IsFormulaText(const String& text)
{
    return text.startsWith(QLatin1Char('='))
        || (text.length() > 3 && text.startsWith(QStringLiteral("|\\")) && text.at(3) == QLatin1Char('='));
}

} // namespace

void TDudStringGrid::ResolveCellAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign)
{
    hAlign = FDefaultAlignment;
    vAlign = FVAlignment;
    const String text = Cells(aCol, aRow);
    if (FAutoNumAlign) {
        String value = text;
        if (IsFormulaText(value))
            CalcCellText(aCol, aRow, value);
        const int32_t kind = ClassifyNumberText(value.trimmed());
        if (kind == ntInteger || kind == ntDecimal || kind == ntScientific)
            hAlign = taRightJustify;
    }
    if (const TCellProperties* props = GetGridObject(aCol, aRow); props && !text.startsWith(QLatin1Char('=')))
        hAlign = props->Alignment();
    GetCellAlignment(aCol, aRow, hAlign, vAlign);
}
