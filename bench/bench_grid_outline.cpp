#include "grid/DudOder.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int32_t Cols = 10;
constexpr int32_t Rows = 100000;
constexpr int32_t Groups = 100;

// 100,000 data rows below one fixed row: column 1 holds one of 100 values
// in runs ("g000" .. "g099", sorted), column 2 the row number, the other
// columns text.
std::unique_ptr<TDudStringGrid> MakeGrid()
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows + 1);
    grid->SetBounds(0, 0, 800, 600);
    const String text = QStringLiteral("cell text");
    for (int32_t row = 1; row <= Rows; ++row) {
        grid->SetCells(1, row, QStringLiteral("g%1").arg((row - 1) / (Rows / Groups), 3, 10, QLatin1Char('0')));
        grid->SetCells(2, row, QString::number(row));
        for (int32_t col = 3; col < Cols; ++col)
            grid->SetCells(col, row, text);
    }
    return grid;
}

template <class Operation>
void RunOnFreshGrid(benchmark::State& state, Operation operation)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TDudStringGrid> grid = MakeGrid();
        state.ResumeTiming();
        operation(*grid);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

// One filter level on column 2: the rows whose number holds a 7 stay
// (about a third), the others are hidden.
void BM_StringGridFilterOneColumn(benchmark::State& state)
{
    RunOnFreshGrid(state, [](TDudStringGrid& grid) {
        TFilterData& condition = *grid.Filter().Add();
        condition.SetColumn(2);
        condition.SetCondition(QStringLiteral("*7*"));
        grid.SetFilterActive(true);
        benchmark::DoNotOptimize(grid.RowCount());
    });
}
BENCHMARK(BM_StringGridFilterOneColumn)->Unit(benchmark::kMillisecond);

// Type-ahead narrowing of the same column by two characters.
void BM_StringGridNarrowDownTwoSteps(benchmark::State& state)
{
    RunOnFreshGrid(state, [](TDudStringGrid& grid) {
        grid.NarrowDown(QStringLiteral("7"), 2);
        grid.NarrowDown(QStringLiteral("77"), 2);
        benchmark::DoNotOptimize(grid.RowCount());
    });
}
BENCHMARK(BM_StringGridNarrowDownTwoSteps)->Unit(benchmark::kMillisecond);

// Grouping on the column of 100 runs, with summary rows; the column is in
// order already, so the grid is not sorted first.
void BM_StringGridGroupByColumn(benchmark::State& state)
{
    RunOnFreshGrid(state, [](TDudStringGrid& grid) {
        grid.SortSettings().SetAutoSortForGrouping(false);
        grid.Grouping().SetSummary(true);
        grid.Group(1);
        benchmark::DoNotOptimize(grid.RowCount());
    });
}
BENCHMARK(BM_StringGridGroupByColumn)->Unit(benchmark::kMillisecond);

// The same with the grid's sort before grouping.
void BM_StringGridGroupByColumnSorted(benchmark::State& state)
{
    RunOnFreshGrid(state, [](TDudStringGrid& grid) {
        grid.Grouping().SetSummary(true);
        grid.Group(1);
        benchmark::DoNotOptimize(grid.RowCount());
    });
}
BENCHMARK(BM_StringGridGroupByColumnSorted)->Unit(benchmark::kMillisecond);

// Contracting and expanding one group of 1,000 rows in the middle of the
// grouped grid.
void BM_StringGridContractAndExpandOneGroup(benchmark::State& state)
{
    std::unique_ptr<TDudStringGrid> grid = MakeGrid();
    grid->SortSettings().SetAutoSortForGrouping(false);
    grid->Group(1);
    const int32_t header = 1 + (Groups / 2) * (Rows / Groups + 1);
    for (auto _ : state) {
        grid->ContractNode(header);
        grid->ExpandNode(header);
    }
    state.SetItemsProcessed(state.iterations() * (Rows / Groups));
}
BENCHMARK(BM_StringGridContractAndExpandOneGroup)->Unit(benchmark::kMillisecond);

} // namespace
