#include "grid/DudOder.h"
#include "grid/base/VidEri_Options.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Grab.h"

#include <benchmark/benchmark.h>

#include <string>

// Painting the cells of a string grid whose cells carry more than plain
// text: banded outline rows with marked-up cells beside the plain viewport
// they are measured against, and one very large rich-text cell.

namespace {

constexpr int32_t Cols = 10;

void Fill(TDudStringGrid& grid, bool markup)
{
    const String plain = QStringLiteral("cell text");
    const String marked = QStringLiteral("<B>bold</B> and <I>italic</I> <A href=\"cell://R1C1\">link</A>");
    for (int32_t row = 0; row < grid.RowCount(); ++row)
        for (int32_t col = 0; col < Cols; ++col)
            grid.SetCells(col, row, markup && (row + col) % 2 == 0 ? marked : plain);
}

void PaintViewport(benchmark::State& state, bool decorated)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(Cols);
    grid.SetRowCount(static_cast<int32_t>(state.range(0)));
    grid.SetBounds(0, 0, 800, 600);
    Fill(grid, decorated);
    if (decorated) {
        grid.Bands().SetPrimaryColor(TColor(0xF0E0D0));
        grid.Bands().SetActive(true);
        // An outline of two levels: a node every 10 rows, a sub-node in it.
        for (int32_t row = 1; row + 10 <= grid.RowCount(); row += 10) {
            grid.AddNode(row, 10);
            grid.AddNode(row + 5, 5);
        }
    }
    TBitmap image;
    for (auto _ : state)
        GrabControl(grid, image);
}

// The plain string grid: the reference for the decorated viewport.
void BM_PaintPlainViewport(benchmark::State& state) { PaintViewport(state, false); }
BENCHMARK(BM_PaintPlainViewport)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Banded rows in an outline, every other cell marked up with bold, italic
// and a link.
void BM_PaintBandedMarkupViewport(benchmark::State& state) { PaintViewport(state, true); }
BENCHMARK(BM_PaintBandedMarkupViewport)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// One rich-text cell of about 300 KB in a single paragraph, repainted.
void BM_PaintLargeRichCell(benchmark::State& state)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetBounds(0, 0, 400, 200);
    std::string rtf = "{\\rtf1 ";
    for (int64_t word = 0; word < state.range(0); ++word)
        rtf += "ab ";
    rtf += "}";
    grid.SetCells(1, 1, QString::fromLatin1(rtf.data(), static_cast<qsizetype>(rtf.size())));
    TBitmap image;
    for (auto _ : state)
        GrabControl(grid, image);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_PaintLargeRichCell)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
