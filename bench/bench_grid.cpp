#include "grid/base/BaseGrid.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Grab.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int32_t Cols = 10;

std::unique_ptr<TBaseGrid> MakeGrid(int32_t rows)
{
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(rows);
    grid->SetBounds(0, 0, 800, 600);
    return grid;
}

void FillGrid(TBaseGrid& grid)
{
    const String text = QStringLiteral("cell text");
    for (int32_t row = 0; row < grid.RowCount(); ++row) {
        for (int32_t col = 0; col < Cols; ++col)
            grid.SetCells(col, row, text);
    }
}

// 100,000 rows by 10 columns written through the cell store.
void BM_WriteMillionCells(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TBaseGrid> grid = MakeGrid(100000);
        state.ResumeTiming();
        FillGrid(*grid);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 100000 * Cols);
}
BENCHMARK(BM_WriteMillionCells)->Unit(benchmark::kMillisecond);

void BM_ReadMillionCells(benchmark::State& state)
{
    std::unique_ptr<TBaseGrid> grid = MakeGrid(100000);
    FillGrid(*grid);
    for (auto _ : state) {
        int64_t length = 0;
        for (int32_t row = 0; row < grid->RowCount(); ++row) {
            for (int32_t col = 0; col < Cols; ++col)
                length += grid->Cells(col, row).size();
        }
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * 100000 * Cols);
}
BENCHMARK(BM_ReadMillionCells)->Unit(benchmark::kMillisecond);

// One viewport painted, scrolled to the middle of the grid; the cost must
// not depend on the number of rows.
void BM_PaintViewport(benchmark::State& state)
{
    const auto rows = static_cast<int32_t>(state.range(0));
    std::unique_ptr<TBaseGrid> grid = MakeGrid(rows);
    FillGrid(*grid);
    grid->MergeCells(2, rows / 2, 3, 2);
    grid->SetTopRow(rows / 2);
    TBitmap image;
    for (auto _ : state)
        GrabControl(*grid, image);
}
BENCHMARK(BM_PaintViewport)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The primitives a cell painter issues per cell: background, grid lines and
// text, with the pen, brush and font changing between cells as they do when
// cells carry their own colours.
void BM_CanvasPrimitivesPerCell(benchmark::State& state)
{
    TBitmap bitmap(800, 600);
    TCanvas& canvas = bitmap.Canvas();
    const String text = QStringLiteral("cell text");
    int64_t cells = 0;
    for (auto _ : state) {
        for (int32_t row = 0; row < 30; ++row) {
            for (int32_t col = 0; col < Cols; ++col) {
                const TRect cell = Rect(col * 80, row * 20, col * 80 + 79, row * 20 + 19);
                canvas.Brush().SetColor(((row + col) & 1) ? clWhite : clInfoBk);
                canvas.FillRect(cell);
                canvas.Pen().SetColor(((row + col) & 1) ? clSilver : clGray);
                canvas.MoveTo(cell.Right, cell.Top);
                canvas.LineTo(cell.Right, cell.Bottom);
                canvas.LineTo(cell.Left - 1, cell.Bottom);
                canvas.Font().SetColor((col & 1) ? clBlack : clNavy);
                canvas.TextRect(cell, cell.Left + 2, cell.Top + 2, text);
                ++cells;
            }
        }
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_CanvasPrimitivesPerCell)->Unit(benchmark::kMicrosecond);

} // namespace
