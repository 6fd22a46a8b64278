#include "grid/DudOder.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Grab.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int32_t Cols = 10;
constexpr int32_t Rows = 100000;

std::unique_ptr<TDudStringGrid> MakeGrid()
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    grid->SetBounds(0, 0, 800, 600);
    return grid;
}

// 100,000 rows by 10 columns written through the string grid's Cells.
void BM_StringGridFillCells(benchmark::State& state)
{
    const String text = QStringLiteral("cell text");
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TDudStringGrid> grid = MakeGrid();
        state.ResumeTiming();
        for (int32_t row = 0; row < Rows; ++row)
            for (int32_t col = 0; col < Cols; ++col)
                grid->SetCells(col, row, text);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows * Cols);
}
BENCHMARK(BM_StringGridFillCells)->Unit(benchmark::kMillisecond);

// The same through AllCells with one column hidden: every write maps its
// real column to the display column it repaints.
void BM_StringGridFillAllCellsWithHiddenColumn(benchmark::State& state)
{
    const String text = QStringLiteral("cell text");
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TDudStringGrid> grid = MakeGrid();
        grid->HideColumn(3);
        state.ResumeTiming();
        for (int32_t row = 0; row < Rows; ++row)
            for (int32_t col = 0; col < Cols; ++col)
                grid->SetAllCells(col, row, text);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows * Cols);
}
BENCHMARK(BM_StringGridFillAllCellsWithHiddenColumn)->Unit(benchmark::kMillisecond);

void FillWithText(TBaseGrid& grid)
{
    const String text = QStringLiteral("cell text");
    for (int32_t row = 0; row < grid.RowCount(); ++row)
        for (int32_t col = 0; col < Cols; ++col)
            grid.SetCells(col, row, text);
}

template <class TGrid>
void PaintViewport(benchmark::State& state)
{
    TGrid grid(nullptr);
    grid.SetColCount(Cols);
    grid.SetRowCount(static_cast<int32_t>(state.range(0)));
    grid.SetBounds(0, 0, 800, 600);
    FillWithText(grid);
    TBitmap image;
    for (auto _ : state)
        GrabControl(grid, image);
}

// One 800 x 600 viewport of a filled 10-column grid, painted through the
// string grid's painter and through the base grid's own, at 1,000 and
// 100,000 rows: the time must not grow with the rows.
void BM_StringGridPaintViewport(benchmark::State& state)
{
    PaintViewport<TDudStringGrid>(state);
}
BENCHMARK(BM_StringGridPaintViewport)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_BaseGridPaintViewport(benchmark::State& state)
{
    PaintViewport<TBaseGrid>(state);
}
BENCHMARK(BM_BaseGridPaintViewport)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
