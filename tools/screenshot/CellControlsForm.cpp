#include "tools/screenshot/CellControlsForm.h"

#include "grid/DudOder.h"
#include "platform/ui/StdCtrls.h"

#include <iterator>

namespace {

constexpr const char* Rooms[] = { "Hall", "Hall", "Hall", "Lounge", "Lounge", "Galley", "Cabin", "Cabin" };

} // namespace

TCellControlsForm::TCellControlsForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Cell controls"));
    SetClientWidth(520);
    SetClientHeight(300);
    FGrid = new TDudStringGrid(this);
    FGrid->SetParent(this);
    FGrid->SetBounds(8, 8, 504, 284);
    FGrid->SetColCount(4);
    FGrid->SetRowCount(30);
    FGrid->SetDefaultRowHeight(26);
    FGrid->SetColWidths(0, 30);
    FGrid->SetColWidths(1, 90);
    FGrid->SetColWidths(2, 260);
    FGrid->SetColWidths(3, 110);
    FGrid->SetOptions(FGrid->Options() + TGridOptions { goEditing });
    FGrid->SetCells(1, 0, QStringLiteral("Room"));
    FGrid->SetCells(2, 0, QStringLiteral("Settings"));
    FGrid->SetCells(3, 0, QStringLiteral("Control"));
    for (int32_t row = 1; row < FGrid->RowCount(); ++row) {
        FGrid->SetCells(0, row, QString::number(row));
        FGrid->SetCells(1, row, QString::fromLatin1(Rooms[static_cast<size_t>(row - 1) % std::size(Rooms)]));
    }
    FGrid->MergeColumnCells(1, true);
    FGrid->SetCells(2, 1,
        QStringLiteral(R"(<CONTROL TYPE="CHECK" WIDTH="16" ID="on" VALUE="TRUE"> on <CONTROL TYPE="EDIT" WIDTH="90" ID="name" VALUE="Hall lamp">)"));
    FGrid->SetCells(2, 2,
        QStringLiteral(R"(<CONTROL TYPE="RADIO" WIDTH="16" ID="a" VALUE="TRUE"> auto <CONTROL TYPE="RADIO" WIDTH="16" ID="m" VALUE="FALSE"> manual)"));
    FGrid->SetCells(2, 3, QStringLiteral(R"(See <A HREF="CELL://R20C2">row 20</A>)"));
    FGrid->SetCells(2, 20, QStringLiteral("Row 20"));
    auto* edit = new TEdit(this);
    edit->SetText(QStringLiteral("an edit"));
    FGrid->SetCellControls(3, 2, edit);
}

void TCellControlsForm::ScrollDown() { FGrid->SetTopRow(2); }
