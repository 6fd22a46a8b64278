#include "grid/DudCGrid.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int32_t Rows = 100000;

// Fitting one column of a 100,000-row column grid to its widest text: every
// cell is measured in its own font.
void BM_ColumnGridAutoSizeCol(benchmark::State& state)
{
    auto grid = std::make_unique<TDudColumnGrid>(nullptr);
    grid->SetColCount(4);
    grid->SetRowCount(Rows);
    for (int32_t row = 1; row < Rows; ++row)
        grid->SetCells(2, row, QStringLiteral("value %1").arg(row));
    for (auto _ : state) {
        grid->SetColWidths(2, 10);
        grid->AutoSizeCol(2, 0);
        benchmark::DoNotOptimize(grid->ColWidths(2));
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_ColumnGridAutoSizeCol)->Unit(benchmark::kMillisecond);

} // namespace
