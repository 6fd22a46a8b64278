#include "grid/DudOder.h"

#include "grid/DudOder_CellPaint.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/RovIvir_Draw.h"
#include "platform/core/Math.h"
#include "platform/graphics/Bitmap.h"

#include <algorithm>

// The grid's paint, what it paints outside its cells, and the look decision
// of a cell (colours, gradient, font, word wrap, alignment) that the cell
// painter, the content steps and printing share.

namespace {

// The looks that give fixed cells the fixed-cell gradient: those listed
// after the classic one.
bool HasFixedGradient(TGridLook look) { return look > glClassic; }

TColor ChannelBlend(TColor a, TColor b, int32_t percent)
{
    const TColor rgbA = ColorToRGB(a);
    const TColor rgbB = ColorToRGB(b);
    TColor result = 0;
    for (int32_t shift = 0; shift <= 16; shift += 8) {
        const double value = percent / 100.0 * ((rgbA >> shift) & 0xFF) + (1 - percent / 100.0) * ((rgbB >> shift) & 0xFF);
        result |= static_cast<TColor>(std::min<int64_t>(255, Round(value))) << shift;
    }
    return result;
}

} // namespace

TColor BlendColors(TColor a, TColor b, int32_t percent)
{
    if (percent >= 100)
        return a;
    if (percent < 1 || a == clNone)
        return b;
    if (b == clNone)
        return a;
    return ChannelBlend(a, b, percent);
}

TColor BlendColorsIf(TColor a, TColor b, bool mix, int32_t percent)
{
    return mix ? BlendColors(a, b, percent) : a;
}

void TDudStringGrid::Paint()
{
    Canvas().Pen().SetStyle(psSolid);
    Canvas().Brush().SetStyle(bsSolid);
    TBaseGrid::Paint();
    if (FEditing)
        PaintEditorFrame();
    Canvas().Pen().SetColor(clBlack);
    if (FBackGround->Bitmap().Width() > 0 || FBackGround->ColorTo() != clNone)
        PaintOutsideCells();
    PaintSizingLines();
    PaintPushedFixedCell();
    PaintDesignHelper();
    if (OnPainted)
        OnPainted(this);
}

void TDudStringGrid::PaintEditorFrame()
{
    TCanvas& canvas = Canvas();
    canvas.Pen().SetColor(GridLineWidth() >= 1 ? GridLineColor() : Color());
    if (!Options().Contains(goHorzLine) && !Options().Contains(goVertLine))
        canvas.Pen().SetColor(Color());
    canvas.Rectangle(CellRect(Col(), Row()));
}

void TDudStringGrid::PaintOutsideCells()
{
    const bool moreRows = TopRow() + VisibleRowCount() < RowCount();
    const bool moreCols = LeftCol() + VisibleColCount() < ColCount();
    const TBackGroundDisplay display = FBackGround->Display();
    const bool gradient = display == bdGradientHorz || display == bdGradientVert;
    if ((moreRows && moreCols) || (gradient && FBackGround->ColorTo() == clNone))
        return;
    const TRect client = ClientRect();
    std::vector<TRect> areas;
    TRect last = CellRect(ColCount() - 1, TopRow());
    last.Inflate(GridLineWidth(), GridLineWidth());
    if (last.Right < client.Right && !moreCols)
        areas.push_back(Rect(last.Right, client.Top, client.Right, client.Bottom));
    last = CellRect(LeftCol(), RowCount() - 1);
    last.Inflate(GridLineWidth(), GridLineWidth());
    if (last.Bottom < client.Bottom && !moreRows)
        areas.push_back(Rect(client.Left, last.Bottom, client.Right, client.Bottom));
    if (areas.empty())
        return;
    TRect drawing = client;
    drawing.Bottom -= SearchPanelHeight();
    if (FloatingFooterVisible())
        drawing.Bottom -= FFooterPanel->Height();
    TCanvas& canvas = Canvas();
    const bool emptyBitmap = FBackGround->Bitmap().Width() == 0;
    // Each area is painted through its own clip: together they clip as
    // their union would.
    for (const TRect& area : areas) {
        const TCanvasClip saved = canvas.SaveClip();
        canvas.IntersectClipRect(area);
        if (emptyBitmap && gradient) {
            DrawGradient(canvas, Color(), FBackGround->ColorTo(), display == bdGradientHorz, drawing, 128);
        } else if (!emptyBitmap && display != bdTile) {
            PaintBackgroundFixed(canvas, drawing);
        } else if (!emptyBitmap && FBackGround->Cells() != bcFixed) {
            TRect tiled = FBackGround->Cells() == bcNormal ? CellRect(FixedCols(), FixedRows()) : client;
            tiled = Rect(tiled.Left + FXYOffset.X, tiled.Top + FXYOffset.Y, drawing.Right, drawing.Bottom);
            PaintBackgroundTiled(canvas, tiled);
        }
        canvas.RestoreClip(saved);
    }
}

void TDudStringGrid::PaintBackgroundFixed(TCanvas& canvas, const TRect& rect)
{
    TBitmap bitmap(FBackGround->Bitmap());
    const TRect picture = Rect(FBackGround->Left(), FBackGround->Top(), FBackGround->Left() + bitmap.Width(),
        FBackGround->Top() + bitmap.Height());
    const TRect visible = IntersectRect(rect, picture);
    if (visible.IsEmpty())
        return;
    TRect source = visible;
    source.Offset(-picture.Left, -picture.Top);
    canvas.CopyRect(visible, bitmap.Canvas(), source);
}

void TDudStringGrid::PaintBackgroundTiled(TCanvas& canvas, const TRect& rect)
{
    TBitmap bitmap(FBackGround->Bitmap());
    for (int32_t y = rect.Top - 1; y < rect.Bottom; y += bitmap.Height()) {
        for (int32_t x = rect.Left - 1; x < rect.Right; x += bitmap.Width()) {
            const int32_t width = std::min(bitmap.Width(), rect.Right - x);
            const int32_t height = std::min(bitmap.Height(), rect.Bottom - y);
            canvas.CopyRect(Rect(x, y, x + width, y + height), bitmap.Canvas(), Rect(0, 0, width, height));
        }
    }
}

void TDudStringGrid::GetFontProperties(int32_t aCol, int32_t rCol, int32_t aRow, TGridDrawState state, TFont& font,
    TBrush& brush)
{
    const bool fixed = IsFixed(aCol, aRow) || aCol < FixedCols() || aRow < FixedRows();
    font.Assign(fixed ? *FFixedFont : Font());
    if (const TCellProperties* props = GetGridObject(rCol, aRow))
        ApplyCellFont(*props, font);
    GetCellColor(rCol, aRow, state, brush, font);
}

void TDudStringGrid::ApplyCellFont(const TCellProperties& props, TFont& font)
{
    if (props.FontColor() != clNone)
        font.SetColor(props.FontColor());
    if (props.FontStyle() != TFontStyles {})
        font.SetStyle(props.FontStyle());
    if (props.FontSize() != 0)
        font.SetSize(props.FontSize());
    if (!props.FontName().isEmpty())
        font.SetName(props.FontName());
}

void TDudStringGrid::GetVisualProperties(int32_t aCol, int32_t aRow, TGridDrawState& state, bool print, bool select,
    bool remap, TBrush& brush, TColor& colorTo, TColor& mirrorColor, TColor& mirrorColorTo, TFont& font,
    TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& gradientDirection)
{
    const int32_t fixedCols = FixedCols();
    const int32_t fixedRows = FixedRows();
    const bool printFonts = print && !FPrintSettings->UseDisplayFont();
    if (aCol >= fixedCols && aRow >= fixedRows)
        font.Assign(printFonts ? FPrintSettings->Font() : Font());
    else
        font.Assign(printFonts ? FPrintSettings->FixedFont() : *FFixedFont);

    const int32_t col = remap ? RemapColToReal(aCol) : aCol;
    const bool listByRealRow
        = (FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent()) || FUseEnabledRows;
    const int32_t realRow = listByRealRow ? RemapRowToReal(aRow) : aRow;

    brush.SetColor(clNone);
    colorTo = clNone;
    mirrorColor = clNone;
    mirrorColorTo = clNone;
    const bool ownColor = LookFromCellProperties(col, aRow, brush, colorTo, font, wordWrap, gradientDirection);

    if (state.Contains(gdSelected))
        gradientDirection = GradientVertical;
    if (brush.Color() == clNone)
        LookFromGrid(aCol, aRow, print, brush);

    const bool fixed = IsFixed(aCol, aRow) || aCol < fixedCols || aRow < fixedRows;
    if (fixed && !ownColor) {
        if (!print) {
            brush.SetColor(FixedColor());
            font.Assign(printFonts ? FPrintSettings->FixedFont() : *FFixedFont);
            state << gdFixed;
        }
        if (HasFixedGradient(FLook)) {
            brush.SetColor(FVUVGradFrom);
            colorTo = FVUVGradTo;
            mirrorColor = FVUVGradMirrorFrom;
            mirrorColorTo = FVUVGradMirrorTo;
        }
    }

    if (print)
        GetCellPrintColor(col, aRow, state, brush, font);
    else
        GetCellColor(col, aRow, state, brush, font);
    if (OnGetCellGradient) {
        TColor color = brush.Color();
        OnGetCellGradient(this, aRow, col, color, colorTo, mirrorColor, mirrorColorTo, gradientDirection);
        brush.SetColor(color);
    }

    TCellLook look { brush, colorTo, mirrorColor, mirrorColorTo, font, state };
    const TColor plainBrush = brush.Color();
    const TColor plainFont = font.Color();
    const bool listSelect = !print && select && FShowSelection && aCol >= fixedCols && aRow >= fixedRows && !fixed;
    if (FMouseActions->DisjunctRowSelect() && listSelect)
        SelectByRowList(look, aRow, realRow);
    if (FMouseActions->DisjunctColSelect() && listSelect)
        SelectByColList(look, aCol, col);
    const bool lists = FMouseActions->DisjunctRowSelect() || FMouseActions->DisjunctColSelect();
    if ((select && !print && FShowSelection && !fixed && IsSelected(aCol, aRow) && !lists)
        || (state.Contains(gdSelected) && FMouseDown && FShowSelection)) {
        const TColor selected = brush.Color() == Color()
            ? FSelectionColor
            : BlendColorsIf(FSelectionColor, brush.Color(), FSelectionColorMixer, FSelectionColorMixerFactor);
        ApplySelectionLook(look);
        brush.SetColor(selected);
        state << gdSelected;
    }
    if (FMouseActions->DisjunctCellSelect() && FShowSelection) {
        const int32_t key = static_cast<int32_t>((static_cast<uint32_t>(aRow) << 16) | (static_cast<uint32_t>(col) & 0xFFFF));
        if (FSelectedCells->HasValue(key)) {
            ApplySelectionLook(look);
            state << gdSelected;
        } else if (aCol == Col() && aRow == Row()) {
            state >> gdSelected;
            brush.SetColor(plainBrush);
            font.SetColor(plainFont);
        }
    }

    if (FUseDisabledFont && ((FUseEnabledRows && !GetRowEnabled(realRow)) || !Enabled()))
        font.SetColor(FDisabledFontColor);
    if (FMouseActions->DisjunctRowSelect() && state.Contains(gdSelected) && aRow != Row()
        && FSelectionColorTo == clNone)
        brush.SetColor(AdjustColorPercent(brush.Color(), 7));
    DoGetWordWrap(col, aRow, wordWrap);
    ResolveCellAlignment(col, aRow, alignment, vAlignment);
}

TDudStringGrid::TCellAppearance TDudStringGrid::CellAppearance(int32_t aCol, int32_t aRow, bool wordWrap)
{
    TCellAppearance look;
    look.Brush.SetColor(Color());
    look.Font.Assign(Font());
    look.WordWrap = wordWrap;
    GetVisualProperties(aCol, aRow, look.State, false, false, true, look.Brush, look.ColorTo, look.MirrorColor,
        look.MirrorColorTo, look.Font, look.Alignment, look.VAlignment, look.WordWrap, look.GradientDirection);
    return look;
}

bool TDudStringGrid::LookFromCellProperties(int32_t col, int32_t aRow, TBrush& brush, TColor& colorTo, TFont& font,
    bool& wordWrap, TCellGradientDirection& gradientDirection)
{
    const TCellProperties* props = GetGridObject(col, aRow);
    if (!props)
        return false;
    bool ownColor = false;
    const TCellType type = GetCellType(col, aRow);
    if (type == ctNone || type == ctRotated || type == ctEmpty) {
        if (props->BrushColor() != clNone) {
            brush.SetColor(props->BrushColor());
            ownColor = true;
        }
    } else {
        brush.SetColor(props->BrushColor());
    }
    ApplyCellFont(*props, font);
    wordWrap = props->WordWrap();
    colorTo = props->BrushColorTo();
    gradientDirection = props->GradientDirection();
    return ownColor;
}

void TDudStringGrid::LookFromGrid(int32_t aCol, int32_t aRow, bool print, TBrush& brush)
{
    const int32_t fixedCols = FixedCols();
    const int32_t fixedRows = FixedRows();
    brush.SetColor(Color());
    const bool normal = aCol >= fixedCols && aCol < ColCount() + FNumHidden - FFixedRightCols && aRow >= fixedRows
        && aRow < RowCount() - FFixedFooters;
    if (FBands->Active() && (!print || FBands->Print()) && normal && FBands->TotalLength() > 0) {
        const bool primary = (aRow - fixedRows) % FBands->TotalLength() < FBands->PrimaryLength();
        brush.SetColor(primary ? FBands->PrimaryColor() : FBands->SecondaryColor());
    }
    if (aCol < fixedCols || aRow < fixedRows || aCol >= ColCount() - FFixedRightCols
        || aRow >= RowCount() - FFixedFooters)
        brush.SetColor(FixedColor());
}

void TDudStringGrid::ApplySelectionLook(TCellLook& look) const
{
    look.Brush.SetColor(FSelectionColor);
    look.ColorTo = FSelectionColorTo;
    look.MirrorColor = FSelectionMirrorColor;
    look.MirrorColorTo = FSelectionMirrorColorTo;
    if (FSelectionTextColor != clNone)
        look.Font.SetColor(FSelectionTextColor);
}

void TDudStringGrid::SelectByRowList(TCellLook& look, int32_t aRow, int32_t realRow)
{
    const bool listed = GetRowSelect(realRow);
    bool shown = listed;
    if (FMouseDown)
        shown = aRow == Row() ? !listed && look.State.Contains(gdSelected) : listed || look.State.Contains(gdSelected);
    if (shown) {
        look.State = TGridDrawState { gdSelected };
        ApplySelectionLook(look);
    } else {
        look.State >> gdSelected;
    }
}

void TDudStringGrid::SelectByColList(TCellLook& look, int32_t aCol, int32_t col)
{
    const bool listed = col < ColCount() && GetColSelect(col);
    bool shown = listed;
    if (FMouseDown)
        shown = aCol == Col() ? !listed && look.State.Contains(gdSelected) : listed || look.State.Contains(gdSelected);
    if (shown) {
        look.State = TGridDrawState { gdSelected };
        ApplySelectionLook(look);
    }
}

void TDudStringGrid::DrawCellBorders(TCanvas& canvas, int32_t col, int32_t aRow, const TRect& rect)
{
    TPen saved;
    saved.Assign(canvas.Pen());
    TCellBorders borders;
    GetCellBorder(col, aRow, canvas.Pen(), borders);
    if (borders.Empty() && !OnGetCellBorderProp) {
        canvas.Pen().Assign(saved);
        return;
    }
    TPen left;
    TPen top;
    TPen right;
    TPen bottom;
    for (TPen* pen : { &left, &top, &right, &bottom })
        pen->Assign(canvas.Pen());
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, aRow, col, left, top, right, bottom);
    const int32_t half = (canvas.Pen().Width() + 1) / 2;
    const int32_t h = Options().Contains(goVertLine) ? half : 0;
    const int32_t v = Options().Contains(goHorzLine) ? half : 0;
    const TRect area = Rect(rect.Left + h, rect.Top + v, rect.Right - h, rect.Bottom - v);
    const auto line = [&canvas](const TPen& pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        canvas.Pen().Assign(pen);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    if (borders.Contains(cbLeft))
        line(left, std::max(0, area.Left), area.Top - v, std::max(0, area.Left), area.Bottom);
    if (borders.Contains(cbRight))
        line(right, area.Right - 1, area.Top - v, area.Right - 1, area.Bottom);
    if (borders.Contains(cbTop)) {
        const int32_t y = GridLineWidth() == 0 ? area.Top + 1 : std::max(0, area.Top - GridLineWidth());
        line(top, area.Left, y, area.Right, y);
    }
    if (borders.Contains(cbBottom))
        line(bottom, area.Left - GridLineWidth() - 1, area.Bottom - 1, area.Right, area.Bottom - 1);
    canvas.Pen().Assign(saved);
}

void TDudStringGrid::DrawSortIndicator(TCanvas& canvas, int32_t aCol, int32_t x, int32_t y)
{
    const TSortSettings& sort = *FSortSettings;
    const auto drawGlyph = [&canvas](const TBitmap& source, int32_t left, int32_t top) {
        TBitmap glyph(source);
        glyph.SetTransparent(true);
        canvas.Draw(left, top, glyph);
    };
    const auto line = [&canvas](TColor color, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        canvas.Pen().SetColor(color);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    if (sort.IndexShow()) {
        const int32_t position = FSortIndexes->FindIndex(aCol);
        if (position < 0)
            return;
        const bool glyphs = sort.IndexUpGlyph().Width() > 0 && sort.IndexDownGlyph().Width() > 0;
        const bool descending = !FSortIndexes->GetSortDirections(position);
        canvas.Brush().SetColor(sort.IndexColor());
        canvas.Pen().SetColor(clBlack);
        if (glyphs) {
            drawGlyph(descending ? sort.IndexUpGlyph() : sort.IndexDownGlyph(), x - 7, y - 7);
        } else if (descending) {
            const TPoint triangle[] = { { x - 7, y - 5 }, { x + 7, y - 5 }, { x, y + 8 } };
            canvas.Polygon(triangle);
        } else {
            const TPoint triangle[] = { { x - 6, y + 8 }, { x + 6, y + 8 }, { x, y - 4 } };
            canvas.Polygon(triangle);
        }
        TFont saved;
        saved.Assign(canvas.Font());
        canvas.Font().SetSize(6);
        canvas.Font().SetColor(clBlack);
        canvas.Brush().SetStyle(bsClear);
        canvas.TextOut(x - 2, descending ? y - 4 : y - 2, String::number(position + 1));
        canvas.Brush().SetStyle(bsSolid);
        canvas.Font().Assign(saved);
        return;
    }
    const bool glyphs = sort.UpGlyph().Width() > 0 && sort.DownGlyph().Width() > 0;
    if (sort.Direction() == sdDescending) {
        if (glyphs) {
            drawGlyph(sort.DownGlyph(), x - 4, y - 4);
            return;
        }
        line(clWhite, x + 4, y - 4, x, y + 4);
        line(TColor(0x808080), x, y + 4, x - 4, y - 4);
        line(TColor(0x808080), x - 4, y - 4, x + 4, y - 4);
    } else {
        if (glyphs) {
            drawGlyph(sort.UpGlyph(), x - 4, y - 4);
            return;
        }
        line(clWhite, x - 4, y + 4, x + 4, y + 4);
        line(clWhite, x + 4, y + 4, x, y - 4);
        line(TColor(0x808080), x, y - 4, x - 4, y + 4);
    }
    canvas.Pen().SetColor(clBlack);
}

void TDudStringGrid::DrawColSizingLine(int32_t x)
{
    FSizingLineX = FSizingLineX == x ? -1 : x;
    Invalidate();
}

void TDudStringGrid::DrawRowSizingLine(int32_t y)
{
    FSizingLineY = FSizingLineY == y ? -1 : y;
    Invalidate();
}

void TDudStringGrid::PaintSizingLines()
{
    // Lines cannot be drawn outside a paint here: the paint draws the one a
    // sizing call left, and the next call at the same place takes it away.
    if (FSizingLineX >= 0)
        DrawSizingLine({ FSizingLineX, 0 }, { FSizingLineX, std::max(Height(), CellRect(0, RowCount() - 1).Bottom) });
    if (FSizingLineY >= 0)
        DrawSizingLine({ 0, FSizingLineY }, { std::max(Width(), CellRect(ColCount() - 1, 0).Right), FSizingLineY });
}
