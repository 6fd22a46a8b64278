#include "tools/screenshot/ScrollBarsForm.h"

#include "grid/DudOder.h"

namespace {

constexpr int32_t GridWidth = 260;
constexpr int32_t GridHeight = 240;

TDudStringGrid* MakeGrid(TForm& form, int32_t left, TScrollType type)
{
    auto* grid = new TDudStringGrid(&form);
    grid->SetParent(&form);
    grid->SetColCount(12);
    grid->SetRowCount(60);
    grid->SetDefaultColWidth(70);
    grid->SetBounds(left, 8, GridWidth, GridHeight);
    for (int32_t row = 1; row < grid->RowCount(); ++row) {
        grid->SetCells(0, row, QString::number(row));
        for (int32_t column = 1; column < grid->ColCount(); ++column)
            grid->SetCells(column, row, row % 3 == 0 ? QStringLiteral("xx on") : QStringLiteral("Sensor %1").arg(column));
    }
    grid->SetScrollType(type);
    return grid;
}

} // namespace

TScrollBarsForm::TScrollBarsForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Scroll bars, highlights and marks"));
    FFlat = MakeGrid(*this, 8, ssFlat);
    FFlat->SetScrollColor(static_cast<TColor>(0xF0D8C0));
    FFlat->SetScrollWidth(12);
    FFlat->SetHighlightColor(static_cast<TColor>(0x00FFFF));
    FFlat->SetHighlightTextColor(clBlack);
    FEncarta = MakeGrid(*this, 16 + GridWidth, ssEncarta);
    FEncarta->SetColWidths(2, 110);
    FEncarta->SetRowHeights(2, 60);
    FEncarta->SetCells(2, 2, QStringLiteral("A long note that scrolls in its own cell"));
    FEncarta->AddScrollBar(2, 2, false);
    FEncarta->SetScrollPosition(2, 2, 30);
    FMetro = MakeGrid(*this, 24 + 2 * GridWidth, ssMetro);
    SetClientWidth(32 + 3 * GridWidth);
    SetClientHeight(GridHeight + 16);
}

void TScrollBarsForm::HighlightAndScroll()
{
    FFlat->SetScrollProportional(true);
    FFlat->HilightInGrid(false, false, QStringLiteral("on"));
    FFlat->MarkInGrid(false, true, QStringLiteral("xx"));
    FFlat->SetTopRow(20);
    FFlat->SetLeftCol(3);
    FFlat->UpdateProportionalVertScroll();
    FFlat->UpdateProportionalHorzScroll();
    FEncarta->SetTopRow(1);
    FMetro->SetTopRow(30);
    FMetro->SetLeftCol(5);
}
