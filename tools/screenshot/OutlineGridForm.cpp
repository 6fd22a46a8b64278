#include "tools/screenshot/OutlineGridForm.h"

#include "grid/DudOder.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Settings.h"

#include <iterator>

namespace {

struct TDevice {
    const char* Room;
    const char* Name;
    const char* Channels;
};

constexpr TDevice Devices[] = {
    { "Galley", "Rocker switch", "2" },
    { "Lounge", "Temperature", "1" },
    { "Galley", "Light sensor", "1" },
    { "Cabin", "Occupancy", "1" },
    { "Lounge", "Window contact", "1" },
    { "Galley", "Bilge pump", "3" },
    { "Cabin", "Humidity", "2" },
};

constexpr int32_t GridWidth = 420;

} // namespace

TOutlineGridForm::TOutlineGridForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Outline, groups and footer"));
    FGrid = new TDudStringGrid(this);
    FGrid->SetParent(this);
    FGrid->SetColCount(4);
    const auto rows = static_cast<int32_t>(std::size(Devices));
    FGrid->SetRowCount(rows + 2);
    FGrid->FloatingFooter().SetVisible(true);
    FGrid->SetColWidths(0, 28);
    FGrid->SetColWidths(1, 110);
    FGrid->SetColWidths(2, 180);
    FGrid->SetColWidths(3, 80);
    FGrid->SetCells(1, 0, QStringLiteral("Room"));
    FGrid->SetCells(2, 0, QStringLiteral("Device"));
    FGrid->SetCells(3, 0, QStringLiteral("Channels"));
    for (int32_t row = 1; row <= rows; ++row) {
        const TDevice& device = Devices[row - 1];
        FGrid->SetCells(1, row, QString::fromLatin1(device.Room));
        FGrid->SetCells(2, row, QString::fromLatin1(device.Name));
        FGrid->SetCells(3, row, QString::fromLatin1(device.Channels));
    }
    FGrid->SetCells(2, rows + 1, QStringLiteral("Total"));
    const int32_t height = 20 * FGrid->DefaultRowHeight();
    FGrid->SetBounds(8, 8, GridWidth, height);
    SetClientWidth(GridWidth + 16);
    SetClientHeight(height + 16);
}

void TOutlineGridForm::GroupByRoom()
{
    TGrouping& grouping = FGrid->Grouping();
    grouping.SetSummary(true);
    grouping.SetShowGroupCount(true);
    grouping.SetHeaderColor(static_cast<TColor>(0xF0E0D0));
    grouping.SetSummaryColor(static_cast<TColor>(0xE0F0E0));
    FGrid->Group(1);
    FGrid->GroupSum(2);
    FGrid->FloatingFooter().SetColumnCalc(2, acSUM);
    FGrid->CalcFooter(-1);
    for (int32_t row = FGrid->FixedRows(), seen = 0; row < FGrid->RowCount(); ++row) {
        if (FGrid->IsNode(row) && ++seen == 2) {
            FGrid->ContractNode(FGrid->RealRowIndex(row));
            break;
        }
    }
}
