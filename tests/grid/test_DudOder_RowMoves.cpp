#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/base/VidEri_Options.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Rows 1..5 below one fixed row, each named by its text in column 1 and
// given a height of its own.
std::unique_ptr<TDudStringGrid> NamedRows()
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(6);
    for (int32_t row = 1; row < 6; ++row) {
        grid->SetCells(1, row, QStringLiteral("r%1").arg(row));
        grid->SetRowHeights(row, 20 + row);
    }
    return grid;
}

String Names(const TDudStringGrid& grid)
{
    QStringList names;
    for (int32_t row = 1; row < grid.RowCount(); ++row)
        names.append(grid.Cells(1, row) + QStringLiteral("/%1").arg(grid.RowHeights(row)));
    return names.join(u' ');
}

TEST(DudOderRowMoves, ARowTakesItsHeightAlongAndIsReportedOnce)
{
    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&)> prepare;
        int32_t from, to;
        const char* rows;
        const char* events;
    };
    const Case cases[] = {
        { "down", [](TDudStringGrid&) {}, 1, 3, "r2/22 r3/23 r1/21 r4/24 r5/25", "1>3 " },
        { "up", [](TDudStringGrid&) {}, 5, 2, "r1/21 r5/25 r2/22 r3/23 r4/24", "5>2 " },
        { "onto the footer row shown below the grid",
            [](TDudStringGrid& g) { g.FloatingFooter().SetVisible(true); }, 2, 5, "r1/21 r2/22 r3/23 r4/24 r5/25", "" },
        { "onto the last row with a footer of its own",
            [](TDudStringGrid& g) {
                g.FloatingFooter().SetFooterStyle(fsColumnPreview);
                g.FloatingFooter().SetVisible(true);
            },
            2, 5, "r1/21 r3/23 r4/24 r5/25 r2/22", "2>5 " },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto grid = NamedRows();
        c.prepare(*grid);
        std::string events;
        grid->OnRowMoved = [&events](TComponent*, int32_t from, int32_t to) {
            events += std::to_string(from) + ">" + std::to_string(to) + " ";
        };
        grid->MoveRow(c.from, c.to);
        EXPECT_EQ(events, c.events);
        grid->FloatingFooter().SetVisible(false);
        EXPECT_EQ(Names(*grid), QString::fromLatin1(c.rows));
    }
}

TEST(DudOderRowMoves, GridsSynchronisedOnEachOtherMoveOnceEach)
{
    auto first = NamedRows();
    auto second = NamedRows();
    for (TDudStringGrid* grid : { first.get(), second.get() }) {
        grid->SyncGrid().SetMoveRow(true);
        grid->SyncGrid().SetGrid(grid == first.get() ? second.get() : first.get());
    }
    int32_t moves = 0;
    second->OnRowMoved = [&moves](TComponent*, int32_t, int32_t) { ++moves; };

    first->MoveRow(1, 4);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(Names(*first), "r2/22 r3/23 r4/24 r1/21 r5/25");
    EXPECT_EQ(Names(*second), Names(*first));

    // Rows that only make room for an insert move nothing in the partner.
    first->InsertRows(2, 1);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(second->RowCount(), 6);
    EXPECT_EQ(Names(*second), "r2/22 r3/23 r4/24 r1/21 r5/25");
}

} // namespace
