#include "grid/DudOder.h"

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

} // namespace
