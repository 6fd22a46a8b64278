#include "platform/ui/RichTextPaint.h"

#include <algorithm>

namespace {

struct TRun {
    String Text;
    TRichTextFormat Format;
    int32_t Width = 0;
    int32_t Height = 0;
};

void UseFormat(TCanvas& canvas, const TRichTextFormat& format)
{
    TFont& font = canvas.Font();
    font.SetName(format.Name);
    font.SetSize(std::max(format.Size, 1));
    font.SetStyle(format.Style);
    font.SetColor(format.Color);
}

// The runs of equal format in [start, end); a paragraph without characters
// is one empty run in the format of its break, so it keeps its height.
std::vector<TRun> Runs(TCanvas& canvas, const TRichText& text, qsizetype start, qsizetype end)
{
    std::vector<TRun> runs;
    for (qsizetype index = start; index < end; ++index) {
        const TRichTextFormat& format = text.Formats[static_cast<size_t>(index)];
        if (runs.empty() || !(runs.back().Format == format))
            runs.push_back({ String(), format });
        const QChar character = text.Text[index];
        runs.back().Text += character == u'\t' ? QChar(u' ') : character;
    }
    if (runs.empty())
        runs.push_back({ String(),
            end < text.Text.size() ? text.Formats[static_cast<size_t>(end)]
                                   : (text.Formats.empty() ? TRichTextFormat {} : text.Formats.back()) });
    for (TRun& run : runs) {
        UseFormat(canvas, run.Format);
        run.Width = run.Text.isEmpty() ? 0 : canvas.TextWidth(run.Text);
        run.Height = canvas.TextHeight(run.Text.isEmpty() ? QStringLiteral("Wg") : run.Text);
    }
    return runs;
}

} // namespace

TSize DrawRichText(TCanvas& canvas, const TRect& rect, const TRichText& source)
{
    // A document read for a cell is normalized already; only another one is
    // copied to be brought into shape.
    const bool normalized = source.Formats.size() == static_cast<size_t>(source.Text.size())
        && source.Alignments.size() == static_cast<size_t>(source.Text.count(QChar(u'\n')) + 1);
    TRichText copy;
    if (!normalized) {
        copy = source;
        copy.Normalize(TRichTextFormat {});
    }
    const TRichText& text = normalized ? source : copy;
    const TFont font = canvas.Font();
    const TBrushStyle brushStyle = canvas.Brush().Style();
    const TCanvasClip clip = canvas.SaveClip();
    canvas.IntersectClipRect(rect);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const int32_t pixelsPerInch = canvas.GetDeviceCaps(LOGPIXELSY);

    TSize size { 0, 0 };
    int32_t top = rect.Top;
    qsizetype start = 0;
    for (const TAlignment alignment : text.Alignments) {
        if (top >= rect.Bottom)
            break;
        qsizetype end = text.Text.indexOf(QChar(u'\n'), start);
        const qsizetype next = end < 0 ? text.Text.size() : end + 1;
        if (end < 0)
            end = text.Text.size();
        else if (end > start && text.Text[end - 1] == u'\r')
            --end;
        const std::vector<TRun> runs = Runs(canvas, text, start, end);
        int32_t width = 0;
        int32_t height = 0;
        for (const TRun& run : runs) {
            width += run.Width;
            height = std::max(height, run.Height);
        }
        int32_t x = rect.Left;
        if (alignment == taCenter)
            x = rect.Left + (rect.Width() - width) / 2;
        else if (alignment == taRightJustify)
            x = rect.Right - width;
        for (const TRun& run : runs) {
            if (run.Text.isEmpty())
                continue;
            UseFormat(canvas, run.Format);
            const int32_t raised = run.Format.Offset * pixelsPerInch / 1440;
            canvas.TextOut(x, top + height - run.Height - raised, run.Text);
            x += run.Width;
        }
        size.cx = std::max(size.cx, width);
        size.cy += height;
        top += height;
        start = next;
    }

    canvas.RestoreClip(clip);
    canvas.Brush().SetStyle(brushStyle);
    canvas.SetFont(font);
    return size;
}
