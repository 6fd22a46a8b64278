#include "platform/ui/RichTextPaint.h"

#include <algorithm>

namespace {

// Long runs are measured and drawn in pieces of this many characters.
constexpr qsizetype PieceLength = 256;

void UseFormat(TCanvas& canvas, const TRichTextFormat& format)
{
    TFont& font = canvas.Font();
    font.SetName(format.Name);
    font.SetSize(std::max(format.Size, 1));
    font.SetStyle(format.Style);
    font.SetColor(format.Color);
}

void AddPiece(TCanvas& canvas, TRichTextLayout::TLine& line, String text, const TRichTextFormat& format)
{
    UseFormat(canvas, format);
    TRichTextLayout::TPiece piece;
    piece.Width = text.isEmpty() ? 0 : canvas.TextWidth(text);
    piece.Height = canvas.TextHeight(text.isEmpty() ? QStringLiteral("Wg") : text);
    piece.Text = std::move(text);
    piece.Format = format;
    line.Width += piece.Width;
    line.Height = std::max(line.Height, piece.Height);
    line.Pieces.push_back(std::move(piece));
}

// The pieces of [start, end); a paragraph without characters is one empty
// piece in the format of its break, so it keeps its height.
TRichTextLayout::TLine LayoutLine(TCanvas& canvas, const TRichText& text, qsizetype start, qsizetype end)
{
    TRichTextLayout::TLine line;
    qsizetype index = start;
    while (index < end) {
        const TRichTextFormat& format = text.Formats[static_cast<size_t>(index)];
        qsizetype stop = index + 1;
        while (stop < end && stop - index < PieceLength && text.Formats[static_cast<size_t>(stop)] == format)
            ++stop;
        // A surrogate pair stays in one piece.
        if (stop < end && text.Text[stop].isLowSurrogate())
            ++stop;
        String piece = text.Text.mid(index, stop - index);
        piece.replace(u'\t', u' ');
        AddPiece(canvas, line, std::move(piece), format);
        index = stop;
    }
    if (line.Pieces.empty())
        AddPiece(canvas, line, String(),
            end < text.Text.size() ? text.Formats[static_cast<size_t>(end)]
                                   : (text.Formats.empty() ? TRichTextFormat {} : text.Formats.back()));
    return line;
}

} // namespace

TRichTextLayout LayoutRichText(TCanvas& canvas, const TRichText& source, int32_t height)
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

    TRichTextLayout layout;
    layout.PixelsPerInch = canvas.GetDeviceCaps(LOGPIXELSY);
    layout.Complete = true;
    qsizetype start = 0;
    for (const TAlignment alignment : text.Alignments) {
        if (layout.Height >= height) {
            layout.Complete = false;
            break;
        }
        qsizetype end = text.Text.indexOf(QChar(u'\n'), start);
        const qsizetype next = end < 0 ? text.Text.size() : end + 1;
        if (end < 0)
            end = text.Text.size();
        else if (end > start && text.Text[end - 1] == u'\r')
            --end;
        TRichTextLayout::TLine line = LayoutLine(canvas, text, start, end);
        line.Alignment = alignment;
        layout.Height += line.Height;
        layout.Lines.push_back(std::move(line));
        start = next;
    }
    canvas.SetFont(font);
    return layout;
}

TSize DrawRichTextLayout(TCanvas& canvas, const TRect& rect, const TRichTextLayout& layout)
{
    const TFont font = canvas.Font();
    const TBrushStyle brushStyle = canvas.Brush().Style();
    const TCanvasClip clip = canvas.SaveClip();
    canvas.IntersectClipRect(rect);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);

    TSize size { 0, 0 };
    int32_t top = rect.Top;
    for (const TRichTextLayout::TLine& line : layout.Lines) {
        if (top >= rect.Bottom)
            break;
        int32_t x = rect.Left;
        if (line.Alignment == taCenter)
            x = rect.Left + (rect.Width() - line.Width) / 2;
        else if (line.Alignment == taRightJustify)
            x = rect.Right - line.Width;
        for (const TRichTextLayout::TPiece& piece : line.Pieces) {
            if (x >= rect.Right)
                break;
            if (!piece.Text.isEmpty() && x + piece.Width > rect.Left) {
                UseFormat(canvas, piece.Format);
                const int32_t raised = piece.Format.Offset * layout.PixelsPerInch / 1440;
                canvas.TextOut(x, top + line.Height - piece.Height - raised, piece.Text);
            }
            x += piece.Width;
        }
        size.cx = std::max(size.cx, line.Width);
        size.cy += line.Height;
        top += line.Height;
    }

    canvas.RestoreClip(clip);
    canvas.Brush().SetStyle(brushStyle);
    canvas.SetFont(font);
    return size;
}

TSize DrawRichText(TCanvas& canvas, const TRect& rect, const TRichText& text)
{
    return DrawRichTextLayout(canvas, rect, LayoutRichText(canvas, text, rect.Height()));
}
