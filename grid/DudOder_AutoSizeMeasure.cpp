#include "grid/DudOder.h"

#include "grid/DudOder_RichEdit.h"
#include "grid/base/MarkupRender.h"
#include "grid/base/RovIvir.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// The room a cell's displayed text needs, measured as the cell shows it:
// plain text line by line or wrapped in the cell, markup by the renderer
// (tags take no room), rich text by the rich editor, rotated text as the
// box its rotation covers.

namespace {

constexpr int32_t ScrollBarRoom = 17;
constexpr int32_t Unlimited = 65535;
constexpr int32_t RotatedMargin = 12;

// The box a text of the given size covers once rotated by angle degrees.
TPoint RotatedBox(TPoint size, int32_t angle)
{
    const double radians = angle * std::numbers::pi / 180.0;
    const auto part = [](double value) { return std::abs(static_cast<int32_t>(std::lround(value))); };
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    return TPoint { part(size.Y * sine) + part(size.X * cosine) + RotatedMargin,
        part(size.Y * cosine) + part(size.X * sine) + RotatedMargin };
}

} // namespace

// The widest line and the lines' height, the text taken line by line.
TPoint TDudStringGrid::LineByLineSize(String text, const TFont& font)
{
    const int32_t lineHeight = LineHeightOf(font);
    TCanvas& canvas = Canvas();
    canvas.SetFont(font);
    int32_t widest = 0;
    int32_t lines = 0;
    do {
        String line;
        TakeLine(text, FMultilinecells, line);
        if (FURLShow && !FURLFull)
            StripUrlScheme(line);
        widest = std::max(widest, canvas.TextWidth(line));
        ++lines;
    } while (!text.isEmpty());
    return TPoint { widest, lines * lineHeight };
}

void TDudStringGrid::MeasureCellText(int32_t realCol, int32_t aCol, TPoint& size, bool vs, bool sb, int32_t aRow)
{
    size = TPoint { 0, 0 };
    String text = GetFormattedCell(realCol, aRow);
    const int32_t kind = ClassifyCellText(text, EnableHTML());
    TFont font;
    TBrush brush;
    GetFontProperties(aCol, realCol, aRow, TGridDrawState {}, font, brush);
    if ((aRow < FixedRows() || aCol < FixedCols()) && FActiveCellShow && ActiveCellFont().Style().Contains(fsBold))
        font.SetStyle(font.Style() + TFontStyles { fsBold });
    if (FZoomFactor != 0)
        font.SetSize(font.Size() + FZoomFactor);
    TCanvas& canvas = Canvas();
    if (kind == ckFormula)
        CalcCellText(realCol, aRow, text);

    // The cell's room wherever it is scrolled to.
    TRect rect = Rect(0, 0, ColWidths(aCol), RowHeights(aRow));
    if (FXYOffsetTopLeftOnly) {
        rect.Left += FXYOffset.X;
        rect.Top += FXYOffset.Y;
    } else {
        rect.Inflate(-FXYOffset.X, -FXYOffset.Y);
    }
    if (vs)
        rect.Right -= ScrollBarRoom;

    if (kind == ckMarkup) {
        if (!sb)
            rect.Right = Unlimited;
        rect.Bottom = Unlimited;
        canvas.SetFont(font);
        const TSize extent =
            DrawStaticMarkup(canvas, text, rect, GetGridImageList(), FPictureContainer, FURLColor, !FEnhTextSize, true);
        size = TPoint { extent.cx + 2, extent.cy + 2 };
        return;
    }

    const bool rich = kind == ckRichText && !IsDesigning();
    TDudRichEdit* richEdit = rich ? RichEdit() : nullptr;
    if (richEdit) {
        richEdit->Clear();
        richEdit->SetBounds(0, 0, 0, 0);
        richEdit->SetWordWrap(false);
        CellToRich(realCol, aRow, richEdit);
        font.Assign(richEdit->Font());
        text = richEdit->Text();
    }
    int32_t angle = 0;
    // Only a cell with properties holds a rotation.
    const bool rotated = HasCellProps(realCol, aRow) && IsRotated(realCol, aRow, angle);
    // The line just begun in the editor counts before anything is typed on it.
    const bool newLine = sb && EditMode && realCol == RemapColToReal(Col()) && aRow == Row() && text.endsWith(u'\n');
    if (newLine)
        text += u'w';
    // A text with no blank has nowhere to break: its lines are its lines.
    const bool breakable = newLine || text.contains(u' ') || text.contains(u'\t');
    if (sb && (breakable || rotated)) {
        rect.Inflate(-2, -2);
        canvas.SetFont(font);
        TRect calc = rect;
        const uint32_t flags =
            DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL | (rotated ? DT_SINGLELINE : DT_WORDBREAK);
        size.Y = canvas.DrawText(text, calc, flags);
        size.X = calc.Width();
    } else {
        size = LineByLineSize(text, font);
    }
    if (rotated)
        size = RotatedBox(size, angle);
    if (richEdit) {
        richEdit->SetBounds(0, 0, rect.Width(), rect.Height());
        richEdit->SetWordWrap(true);
        richEdit->SetWordWrap(false);
        richEdit->SetWordWrap(FWordWrapEx);
        richEdit->RequestSize();
        // The editor reports the height of its lines; its width is only the
        // cell's, so the width stays that of the text's widest line.
        size = TPoint { size.X, richEdit->ReqHeight() + 4 };
    }
}

int32_t TDudStringGrid::MeasureCellText(int32_t realCol, int32_t aCol, int32_t aRow)
{
    TPoint size;
    MeasureCellText(realCol, aCol, size, false, false, aRow);
    return size.X;
}

TSize TDudStringGrid::GetCellTextSize(int32_t aCol, int32_t aRow, bool vs, bool sb)
{
    TPoint size;
    MeasureCellText(aCol, RemapColToDispl(aCol), size, vs, sb, aRow);
    return TSize { size.X, size.Y };
}
