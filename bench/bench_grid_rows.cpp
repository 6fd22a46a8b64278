#include "grid/DudOder.h"
#include "grid/DudOder_SortSettings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int32_t Rows = 100000;

// The same pseudo-random words every run.
std::vector<String> Words()
{
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::uniform_int_distribution<int> length(4, 12);
    std::vector<String> words;
    words.reserve(Rows);
    for (int32_t index = 0; index < Rows; ++index) {
        String word;
        const int size = length(random);
        for (int at = 0; at < size; ++at)
            word += QChar(letter(random));
        words.push_back(word);
    }
    return words;
}

std::unique_ptr<TDudStringGrid> MakeGrid(const std::vector<String>& words)
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(Rows + 1);
    for (int32_t row = 1; row <= Rows; ++row) {
        grid->SetCells(0, row, QString::number(row));
        grid->SetCells(1, row, words[static_cast<size_t>(row - 1)]);
        grid->SetCells(2, row, QStringLiteral("second"));
    }
    return grid;
}

// 100,000 rows sorted on one text column, against std::stable_sort of the
// same strings in the next benchmark.
void BM_GridSortTextColumn(benchmark::State& state)
{
    const std::vector<String> words = Words();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TDudStringGrid> grid = MakeGrid(words);
        state.ResumeTiming();
        grid->Sort(1, sdAscending);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_GridSortTextColumn)->Unit(benchmark::kMillisecond);

void BM_StdStableSortSameStrings(benchmark::State& state)
{
    const std::vector<String> words = Words();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<String> copy = words;
        state.ResumeTiming();
        std::stable_sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_StdStableSortSameStrings)->Unit(benchmark::kMillisecond);

// A row inserted at the top of 100,000 rows and removed again.
void BM_GridInsertAndRemoveTopRow(benchmark::State& state)
{
    const std::vector<String> words = Words();
    std::unique_ptr<TDudStringGrid> grid = MakeGrid(words);
    for (auto _ : state) {
        grid->InsertRows(1, 1);
        grid->RemoveRows(1, 1);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GridInsertAndRemoveTopRow)->Unit(benchmark::kMillisecond);

// Every row of 100,000 sized to its lines of text, some of two lines.
void BM_GridAutoSizeRows(benchmark::State& state)
{
    const std::vector<String> words = Words();
    std::unique_ptr<TDudStringGrid> grid = MakeGrid(words);
    grid->SetMultilinecells(true);
    for (int32_t row = 1; row <= Rows; row += 7)
        grid->SetCells(2, row, QStringLiteral("first\r\nsecond"));
    for (auto _ : state) {
        state.PauseTiming();
        for (int32_t row = 1; row <= Rows; row += 100)
            grid->SetRowHeights(row, 5);
        state.ResumeTiming();
        grid->AutoSizeRows(false, 2);
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_GridAutoSizeRows)->Unit(benchmark::kMillisecond);

} // namespace
