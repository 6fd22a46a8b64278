#include "tools/screenshot/SearchFooterForm.h"

#include "grid/DudCGrid.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_SearchPanel.h"
#include "platform/ui/Menus.h"
#include "tools/screenshot/DemoColumnGrid.h"

#include <iterator>

namespace {

constexpr TDemoColumn ColumnSettings[] = {
    { "", edNormal, 28 },
    { "Name", edNormal, 170 },
    { "Room", edNormal, 110 },
    { "Address", edNormal, 110 },
    { "Note", edNormal, 160 },
};

struct TRowValues {
    const char* Name;
    const char* Room;
    const char* Address;
};

constexpr TRowValues Rows[] = {
    { "Window contact hall", "Hall", "0180A2F1" },
    { "Temperature lounge", "Lounge", "0181B7C0" },
    { "Rocker switch galley", "Galley", "FEF1A3D2" },
    { "Occupancy cabin", "Cabin", "01823D44" },
    { "Light sensor deck", "Deck", "0183E901" },
    { "Bilge pump", "Engine room", "0184AA10" },
};

} // namespace

TSearchFooterForm::TSearchFooterForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Search footer and focus frame"));
    const TDemoGrid demo = MakeDemoColumnGrid(*this, ColumnSettings, static_cast<int32_t>(std::size(Rows)) + 2);
    FGrid = demo.Grid;
    for (int32_t row = 1; row <= static_cast<int32_t>(std::size(Rows)); ++row) {
        const TRowValues& values = Rows[row - 1];
        FGrid->SetCells(0, row, QString::number(row));
        FGrid->SetCells(1, row, QString::fromLatin1(values.Name));
        FGrid->SetCells(2, row, QString::fromLatin1(values.Room));
        FGrid->SetCells(3, row, QString::fromLatin1(values.Address));
    }
    FGrid->FocusHelper().SetEnabled(true);
    TSearchFooter& footer = FGrid->SearchFooter();
    footer.SetFindNextCaption(QStringLiteral("Find &next"));
    footer.SetFindPrevCaption(QStringLiteral("Find &previous"));
    footer.SetHighLightCaption(QStringLiteral("Highlight"));
    footer.SetMatchCaseCaption(QStringLiteral("Match case"));
    footer.SetHintFindNext(QStringLiteral("Find next occurrence"));
    footer.SetHintFindPrev(QStringLiteral("Find previous occurrence"));
    footer.SetHintHighlight(QStringLiteral("Highlight occurrences"));
    footer.SetHintClose(QStringLiteral("Close"));
    footer.SetVisible(true);
    // The Room header filters by its values; the Name header drops down a
    // menu for its column.
    for (const char* room : { "Hall", "Galley", "Deck" })
        FGrid->Columns().Items(2)->Filter().Add(QString::fromLatin1(room) + QLatin1Char('=') + QString::fromLatin1(room));
    FGrid->SetAutoFilterUpdate(true);
    FGrid->SetHoverFixedCells(hfFixedRows);
    FGrid->ControlLook().SetFixedDropDownButton(true);
    FGrid->OnCanShowFixedDropDown = [](TDudStringGrid*, int32_t column, bool& allow) { allow = column == 1; };
    auto* menu = new TPopupMenu(this);
    menu->Items().Add(QStringLiteral("Fit width"))->OnClick
        = [this, menu](TMenuItem*) { FGrid->AutoSizeCol(static_cast<int32_t>(menu->Tag()), 0); };
    menu->Items().Add(QStringLiteral("Hide column"))->OnClick
        = [this, menu](TMenuItem*) { FGrid->HideColumn(static_cast<int32_t>(menu->Tag())); };
    FGrid->SetFixedDropDownMenu(menu);
    const int32_t width = std::max(demo.Width, 540);
    FGrid->SetWidth(width);
    SetClientWidth(2 * DemoMargin + width);
    SetClientHeight(2 * DemoMargin + demo.Height);
}

void TSearchFooterForm::SearchAndEdit()
{
    FGrid->SearchPanel()->EditControl()->SetText(QStringLiteral("deck"));
    FGrid->SetFocus();
    FGrid->SetCol(2);
    FGrid->SetRow(3);
    FGrid->ShowInplaceEdit();
}
