#include "tools/screenshot/ColumnGridForm.h"

#include "grid/DudCGrid.h"
#include "platform/ui/Messages.h"
#include "tools/screenshot/DemoColumnGrid.h"

#include <iterator>

namespace {

constexpr TDemoColumn ColumnSettings[] = {
    { "", edNormal, 28 },
    { "Name", edNormal, 150 },
    { "Profile", edComboList, 110 },
    { "Active", edDataCheckBox, 56 },
    { "Address", edNormal, 110 },
};

struct TRowValues {
    const char* Name;
    const char* Profile;
    const char* Active;
    const char* Address;
};

constexpr TRowValues Rows[] = {
    { "Window contact hall", "D5-00-01", "Y", "0180A2F1" },
    { "Temperature lounge", "A5-02-05", "Y", "0181B7C0" },
    { "Rocker switch galley", "F6-02-01", "N", "FEF1A3D2" },
    { "Occupancy cabin", "A5-07-01", "Y", "01823D44" },
    { "Light sensor deck", "A5-06-02", "N", "0183E901" },
};

constexpr const char* Profiles[] = { "A5-02-05", "A5-06-02", "A5-07-01", "D5-00-01", "F6-02-01" };

} // namespace

TColumnGridForm::TColumnGridForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Column grid"));
    const TDemoGrid demo = MakeDemoColumnGrid(*this, ColumnSettings, static_cast<int32_t>(std::size(Rows)));
    FGrid = demo.Grid;
    for (const char* profile : Profiles)
        FGrid->Columns().Items(2)->ComboItems().Add(QString::fromLatin1(profile));
    for (int32_t row = 1; row <= static_cast<int32_t>(std::size(Rows)); ++row) {
        const TRowValues& values = Rows[row - 1];
        FGrid->SetCells(0, row, QString::number(row));
        FGrid->SetCells(1, row, QString::fromLatin1(values.Name));
        FGrid->SetCells(2, row, QString::fromLatin1(values.Profile));
        FGrid->SetCells(3, row, QString::fromLatin1(values.Active));
        FGrid->SetCells(4, row, QString::fromLatin1(values.Address));
    }
    SetClientWidth(2 * DemoMargin + demo.Width);
    SetClientHeight(2 * DemoMargin + demo.Height);
}

void TColumnGridForm::EditCell()
{
    FGrid->SetFocus();
    FGrid->SetCol(1);
    FGrid->SetRow(3);
    // Typed as a user types, into whatever has the focus: the first
    // character opens the column's editor, the others go into it.
    for (const QChar ch : QStringLiteral("Bilge pu"))
        ActiveControl()->Perform(WM_CHAR, ch.unicode());
}
