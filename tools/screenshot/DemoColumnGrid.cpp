#include "tools/screenshot/DemoColumnGrid.h"

#include "grid/DudCGrid.h"
#include "platform/ui/Forms.h"

TDemoGrid MakeDemoColumnGrid(TForm& form, std::span<const TDemoColumn> columns, int32_t dataRows)
{
    auto* grid = new TDudColumnGrid(&form);
    grid->SetParent(&form);
    grid->SetColCount(static_cast<int32_t>(columns.size()));
    grid->SetRowCount(dataRows + 1);
    grid->SetOptions(grid->Options() << goEditing);
    grid->SetScrollBars(ssNone);
    int32_t width = 6;
    for (size_t index = 0; index < columns.size(); ++index) {
        TGridColumnItem& column = *grid->Columns().Items(static_cast<int32_t>(index));
        column.SetHeader(QString::fromLatin1(columns[index].Header));
        column.SetEditor(columns[index].Editor);
        column.SetWidth(columns[index].Width);
        width += columns[index].Width + 1;
    }
    const int32_t height = grid->RowCount() * (grid->DefaultRowHeight() + 1) + 4;
    grid->SetBounds(DemoMargin, DemoMargin, width, height);
    return { grid, width, height };
}
