#include "grid/base/MarkupRender.h"
#include "platform/graphics/Bitmap.h"

#include <benchmark/benchmark.h>

namespace {

// A marked-up cell the size of a grid cell, drawn (or measured, as the
// column sizing and the hints do) the way the grid's painter draws each
// markup cell it shows.
void RenderCell(benchmark::State& state, bool measureOnly, bool wordWrap)
{
    TBitmap bitmap(200, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(QStringLiteral("DejaVu Sans"));
    canvas.Font().SetSize(9);
    const String text = QStringLiteral("<B>Gateway</B> <FONT COLOR=\"clred\">12</FONT> of <I>16</I> "
                                       "<A HREF=\"cfg\">settings</A> &amp; more");
    String anchor, plain, focus, title, id, value, type;
    int32_t width = 0;
    int32_t height = 0;
    int32_t anchors = 0;
    int32_t hover = -1;
    TRect hoverRect;
    TRect controlRect;
    for (auto _ : state) {
        DrawMarkupText(canvas, text, Rect(2, 2, 198, 38), nullptr, -1, -1, -1, -1, 1, false, measureOnly, false,
            false, true, false, wordWrap, false, 1.0, clBlue, clNone, clNone, clGray, anchor, plain, focus, title,
            width, height, anchors, hover, hoverRect, controlRect, id, value, type, nullptr, nullptr, nullptr,
            bdLeftToRight);
        benchmark::DoNotOptimize(width);
    }
}

void BM_DrawMarkupCell(benchmark::State& state) { RenderCell(state, false, false); }
void BM_DrawMarkupCellWrapped(benchmark::State& state) { RenderCell(state, false, true); }
void BM_MeasureMarkupCell(benchmark::State& state) { RenderCell(state, true, false); }

// The plain text of the same cell through the canvas, drawn or measured, for
// comparison.
void RenderPlainCell(benchmark::State& state, uint32_t flags)
{
    TBitmap bitmap(200, 40);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetName(QStringLiteral("DejaVu Sans"));
    canvas.Font().SetSize(9);
    canvas.Brush().SetStyle(bsClear);
    const String text = QStringLiteral("Gateway 12 of 16 settings & more");
    for (auto _ : state) {
        TRect rect = Rect(2, 2, 198, 38);
        canvas.DrawText(text, rect, flags);
        benchmark::DoNotOptimize(rect);
    }
}

void BM_DrawPlainCell(benchmark::State& state)
{
    RenderPlainCell(state, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
void BM_MeasurePlainCell(benchmark::State& state) { RenderPlainCell(state, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX); }

BENCHMARK(BM_DrawMarkupCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawMarkupCellWrapped)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeasureMarkupCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawPlainCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeasurePlainCell)->Unit(benchmark::kMicrosecond);

} // namespace
