#include "tools/screenshot/SortGridForm.h"

#include "grid/DudCGrid.h"
#include "grid/DudOder_SortSettings.h"
#include "tools/screenshot/DemoColumnGrid.h"

#include <iterator>

namespace {

constexpr TDemoColumn ColumnSettings[] = {
    { "", edNormal, 28 },
    { "Name", edNormal, 150 },
    { "Profile", edNormal, 90 },
    { "Room", edNormal, 90 },
    { "Address", edNormal, 100 },
};

struct TRowValues {
    const char* Name;
    const char* Profile;
    const char* Room;
    const char* Address;
};

constexpr TRowValues Rows[] = {
    { "Window contact hall", "D5-00-01", "Hall", "0180A2F1" },
    { "Temperature lounge", "A5-02-05", "Lounge", "0181B7C0" },
    { "Rocker switch galley", "F6-02-01", "Galley", "FEF1A3D2" },
    { "Occupancy cabin", "A5-07-01", "Cabin", "01823D44" },
    { "Light sensor deck", "A5-06-02", "Deck", "0183E901" },
    { "Bilge pump", "D2-01-00", "Engine room", "0184AA10" },
};

} // namespace

TSortGridForm::TSortGridForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Sorting and Tab"));
    const TDemoGrid demo = MakeDemoColumnGrid(*this, ColumnSettings, static_cast<int32_t>(std::size(Rows)));
    FGrid = demo.Grid;
    FGrid->SetOptions(FGrid->Options() + TGridOptions { goTabs });
    FGrid->SortSettings().SetShow(true);
    for (int32_t row = 1; row <= static_cast<int32_t>(std::size(Rows)); ++row) {
        const TRowValues& values = Rows[row - 1];
        FGrid->SetCells(0, row, QString::number(row));
        FGrid->SetCells(1, row, QString::fromLatin1(values.Name));
        FGrid->SetCells(2, row, QString::fromLatin1(values.Profile));
        FGrid->SetCells(3, row, QString::fromLatin1(values.Room));
        FGrid->SetCells(4, row, QString::fromLatin1(values.Address));
    }
    // Profile and room of the third row share one cell.
    FGrid->SetCells(2, 3, QStringLiteral("F6-02-01 in the galley"));
    FGrid->MergeCells(2, 3, 2, 1);
    SetClientWidth(2 * DemoMargin + demo.Width);
    SetClientHeight(2 * DemoMargin + demo.Height);
}

void TSortGridForm::SortByName()
{
    FGrid->SetFocus();
    FGrid->Sort(1, sdAscending);
    FGrid->SetCol(2);
    FGrid->SetRow(3);
}
