#include "tools/screenshot/FooterSumForm.h"

#include "grid/DudCGrid.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Settings.h"
#include "tools/screenshot/DemoColumnGrid.h"

#include <iterator>

namespace {

constexpr TDemoColumn ColumnSettings[] = {
    { "", edNormal, 28 },
    { "Item", edNormal, 150 },
    { "Amount", edNormal, 90 },
};

struct TRowValues {
    const char* Item;
    const char* Amount;
};

constexpr TRowValues Rows[] = {
    { "Window contacts", "12" },
    { "Temperature sensors", "30" },
    { "Rocker switches", "8" },
    { "Occupancy sensors", "50" },
};

} // namespace

TFooterSumForm::TFooterSumForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Footer sum"));
    const auto count = static_cast<int32_t>(std::size(Rows));
    // One row more than the data: the footer.
    const TDemoGrid demo = MakeDemoColumnGrid(*this, ColumnSettings, count + 4);
    FGrid = demo.Grid;
    FGrid->SetRowCount(count + 2);
    for (int32_t row = 1; row <= count; ++row) {
        FGrid->SetCells(0, row, QString::number(row));
        FGrid->SetCells(1, row, QString::fromLatin1(Rows[row - 1].Item));
        FGrid->SetCells(2, row, QString::fromLatin1(Rows[row - 1].Amount));
    }
    FGrid->SetCells(1, count + 1, QStringLiteral("Total"));
    FGrid->Navigation().SetAllowInsertRow(true);
    FGrid->Navigation().SetAllowDeleteRow(true);
    FGrid->FloatingFooter().SetVisible(true);
    FGrid->FloatingFooter().SetColumnCalc(2, acSUM);
    SetClientWidth(2 * DemoMargin + demo.Width);
    SetClientHeight(2 * DemoMargin + demo.Height);
}

void TFooterSumForm::FocusAmounts()
{
    FGrid->SetFocus();
    FGrid->SetCol(2);
    FGrid->SetRow(2);
}
