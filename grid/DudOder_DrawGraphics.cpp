#include "grid/DudOder.h"

#include "grid/DudOder_CellPaint.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_Glyphs.h"
#include "grid/DudOder_GridSettings.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/DudXPVS.h"
#include "grid/base/RovIvir_Draw.h"
#include "grid/base/VidEri.h"
#include "platform/core/Math.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Resources.h"

#include <algorithm>
#include <cmath>

// The graphics of cells besides the check boxes and radio buttons: pictures
// and images, progress bars and indicators, comments, buttons, shapes,
// ratings, rotated text and the glyphs of outline nodes.

namespace {

// A colour kept in a number field of the graphic.
TColor StoredColor(int32_t value) { return TColor(static_cast<uint32_t>(value)); }

TColor Inverse(TColor color) { return TColor(ColorToRGB(color) ^ 0xFFFFFF); }

} // namespace

double ClampPercent(double value) { return value < 0 ? 0 : value > 100 ? 100 : value; }

TRect TDudStringGrid::PlaceCellGraphic(const TCellPaint& cell, const TRect& rect) const
{
    const int32_t width = cell.GraphicWidth;
    const int32_t height = cell.GraphicHeight;
    const int32_t textWidth = cell.TextWidth;
    int32_t left = rect.Left + 1;
    int32_t right = left + width;
    switch (cell.GraphicHAlign) {
    case haRight:
        left = rect.Right - 1 - width;
        break;
    case haCenter:
        left = width <= rect.Width() ? rect.Left + (rect.Width() - width) / 2 : rect.Left + 1;
        break;
    case haBeforeText:
        if (cell.HAlign == taRightJustify)
            left = std::max(rect.Left + 1, rect.Right - textWidth - width);
        else if (cell.HAlign == taCenter)
            left = std::max(rect.Left + 1, rect.Left + (rect.Width() - textWidth - width) / 2);
        break;
    case haAfterText:
        if (cell.HAlign == taRightJustify)
            left = rect.Right - 1 - width;
        else if (cell.HAlign == taCenter)
            left = std::max(rect.Left + 1, rect.Left + textWidth + (rect.Width() - textWidth - width) / 2);
        else
            left = rect.Left + textWidth;
        break;
    default:
        break;
    }
    right = left + width;
    if (cell.GraphicHAlign == haFull) {
        left = rect.Left;
        right = rect.Right;
    }
    int32_t top = rect.Top + 1;
    switch (cell.GraphicVAlign) {
    case vaBottom:
        top = rect.Bottom - 1 - height;
        break;
    case vaCenter:
        top = height <= rect.Height() ? rect.Top + (rect.Height() - height) / 2 : rect.Top + 1;
        break;
    case vaUnderText:
        top = rect.Bottom - height;
        break;
    default:
        break;
    }
    int32_t bottom = top + height;
    if (cell.GraphicVAlign == vaFull) {
        top = rect.Top;
        bottom = rect.Bottom;
    }
    return Rect(left, top, right, bottom);
}

void TDudStringGrid::DrawOtherCellGraphic(TCellPaint& cell, const TRect& rect)
{
    TCellGraphic& graphic = *cell.Graphic;
    TCanvas& canvas = cell.Canvas;
    const TRect place = PlaceCellGraphic(cell, rect);
    const TImageList* images = GetGridImageList();
    switch (graphic.CellType()) {
    case ctBitmap:
        if (const TBitmap* bitmap = graphic.CellBitmap(); bitmap && bitmap->Width() > 0) {
            TBitmap shown(*bitmap);
            shown.SetTransparent(graphic.CellTransparent());
            canvas.Draw(place.Left, place.Top, shown);
        }
        break;
    case ctIcon:
        if (const TIcon* icon = graphic.CellIcon())
            canvas.Draw(place.Left, place.Top, *icon);
        break;
    case ctImageList:
        if (images)
            images->Draw(canvas, place.Left, place.Top, graphic.CellIndex(), true);
        break;
    case ctDataImage:
        if (images) {
            const int32_t index = graphic.CellIndex() + Ints(cell.Col, cell.Row);
            if (index >= 0 && index < images->Count())
                images->Draw(canvas, place.Left, place.Top, index, true);
        }
        break;
    case ctImages:
        if (const TIntList* list = graphic.CellImages(); list && images) {
            int32_t x = place.Left;
            int32_t y = place.Top;
            for (int32_t item = 0; item < list->Count(); ++item) {
                images->Draw(canvas, x, y, list->Items(item), true);
                if (graphic.CellBoolean())
                    x += images->Width();
                else
                    y += images->Height();
            }
        }
        break;
    case ctPicture:
        if (const TPicture* picture = graphic.CellPicture(); picture && picture->Graphic()) {
            if (graphic.CellAngle() != 0)
                canvas.StretchDraw(place, *picture->Graphic());
            else
                canvas.Draw(place.Left, place.Top, *picture->Graphic());
        }
        break;
    case ctFilePicture:
        if (const TFilePicture* picture = graphic.CellFilePicture())
            picture->DrawPicture(canvas, place);
        break;
    case ctProgress:
        DrawProgressGraphic(cell, rect);
        break;
    case ctXPProgress:
        DrawLevelProgressGraphic(cell, rect);
        break;
    case ctRangeIndicator: {
        TRect bar = rect;
        bar.Inflate(-FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
        DrawRangeIndicator(canvas, bar, Ints(cell.Col, cell.Row), graphic.CellSecondColor(), graphic.CellColor(),
            graphic.CellBoolean(), graphic.CellIndex());
        break;
    }
    case ctProgressPie:
        DrawProgressPie(canvas, Rect(place.Left, place.Top, place.Left + 20, place.Top + 20), graphic.CellColor(),
            false, graphic.CellAngle());
        break;
    case ctComment:
        if (FControlLook->CommentColor() != clNone) {
            canvas.Brush().SetColor(StoredColor(graphic.CellIndex()));
            canvas.Pen().SetColor(StoredColor(graphic.CellIndex()));
            const TPoint corners[] = { { rect.Right - 7, rect.Top }, { rect.Right - 2, rect.Top },
                { rect.Right - 2, rect.Top + 5 } };
            canvas.Polygon(corners);
            canvas.Brush().SetColor(Color());
        }
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand:
        DrawButtonGraphic(cell, place);
        break;
    case ctShape:
        DrawCellShape(canvas, place.Left, place.Top, graphic.CellColor(), StoredColor(graphic.CellIndex()),
            static_cast<TCellShape>(graphic.CellAngle()), place.Width() - 1, place.Height() - 1);
        break;
    case ctRating:
        DrawRatingGraphic(cell, place);
        break;
    case ctRotated:
        DrawRotatedGraphic(cell);
        break;
    case ctNode:
        DrawNodeGraphic(cell, rect);
        break;
    default:
        break;
    }
}

void TDudStringGrid::DrawProgressGraphic(TCellPaint& cell, TRect rect)
{
    TCellGraphic& graphic = *cell.Graphic;
    TCanvas& canvas = cell.Canvas;
    const double value = Floats(cell.Col, cell.Row);
    const TControlLook::TControlStyle style = FControlLook->ControlStyle();
    if ((style == TControlLook::csWinXP || style == TControlLook::csTheme) && FControlLook->ProgressXP()
        && ThemesAvailable()) {
        TRect bar = rect;
        bar.Inflate(-FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
        if (DrawThemePart(canvas, this, u"Progress", 1, 0, bar)) {
            bar.Inflate(-2, -2);
            bar.Right = bar.Left + static_cast<int32_t>(Round(bar.Width() * ClampPercent(value) / 100.0));
            DrawThemePart(canvas, this, u"Progress", 3, 1, bar);
            return;
        }
    }
    rect.Inflate(-2, -2);
    const TColor fill = graphic.CellColor();
    const TColor back = graphic.CellSecondColor();
    const TColor fillText = graphic.CellBoolean() ? StoredColor(graphic.CellIndex()) : Inverse(fill);
    const TColor backText = graphic.CellBoolean() ? StoredColor(graphic.CellAngle()) : Inverse(back);
    DrawProgressBar(canvas, rect, fill, false, FControlLook->ProgressBorderColor(), graphic.CellText(),
        graphic.CellErrLen(), graphic.CellErrFrom(), FControlLook->ProgressMarginY(), FControlLook->ProgressMarginX(),
        value, backText, back, fillText);
}

int32_t LevelProgressPercent(int32_t value, int32_t min, int32_t max)
{
    // An empty range has no inside: its bar is empty, or full from its end on.
    if (max == min)
        return value >= max ? 100 : 0;
    const double part = std::fabs(static_cast<double>(value) - min) / (static_cast<double>(max) - min);
    return static_cast<int32_t>(Round(std::clamp(part, -1.0, 1.0) * 100.0));
}

void TDudStringGrid::DrawLevelProgressGraphic(TCellPaint& cell, TRect rect)
{
    const TCellGraphic& graphic = *cell.Graphic;
    const TGridProgressAppearance& look = *FProgressAppearance;
    TLevelProgressSettings settings;
    settings.Level0Color = look.Level0Color();
    settings.Level0ColorTo = look.Level0ColorTo();
    settings.Level1Color = look.Level1Color();
    settings.Level1ColorTo = look.Level1ColorTo();
    settings.Level2Color = look.Level2Color();
    settings.Level2ColorTo = look.Level2ColorTo();
    settings.Level3Color = look.Level3Color();
    settings.Level3ColorTo = look.Level3ColorTo();
    settings.Level1Perc = look.Level1Perc();
    settings.Level2Perc = look.Level2Perc();
    settings.ShowBorder = look.ShowBorder();
    settings.BorderColor = look.BorderColor();
    settings.Stacked = look.Stacked();
    settings.ShowPercentage = look.ShowPercentage();
    settings.Blocks = !look.CompletionSmooth();
    settings.Gradient = look.ShowGradient();
    settings.FontColor = look.CompleteFontColor();
    settings.GradientSteps = look.Steps();
    settings.BackgroundColor = look.UnCompleteColor() != clNone ? look.UnCompleteColor() : cell.BrushColor;
    settings.Font.Assign(Font());
    rect.Inflate(-FControlLook->ProgressMarginX(), -FControlLook->ProgressMarginY());
    --rect.Right;
    --rect.Bottom;
    DrawLevelProgress(cell.Canvas, rect,
        LevelProgressPercent(Ints(cell.Col, cell.Row), graphic.CellErrFrom(), graphic.CellErrLen()), settings);
}

void TDudStringGrid::DrawButtonGraphic(TCellPaint& cell, TRect place)
{
    TCellGraphic& graphic = *cell.Graphic;
    TCanvas& canvas = cell.Canvas;
    const TRect cellRect = CellRect(cell.DisplayCol, cell.Row);
    const TCellType type = graphic.CellType();
    if (type == ctExpand)
        place = Rect(cell.Rect.Right - 13, cell.Rect.Top, cell.Rect.Right, cell.Rect.Top + 13);
    graphic.SetCellValue(static_cast<double>(
        ((place.Top - cellRect.Top) & 0xFFFF) * 65536 + ((place.Left - cellRect.Left) & 0xFFFF)));
    const TColor brush = canvas.Brush().Color();
    canvas.Brush().SetColor(clBtnFace);
    bool enabled = true;
    if (!FControlLook->NoDisabledButtonLook())
        CanEditCell(cell.Col, cell.Row, enabled);
    int32_t look = FControlLook->FlatButton() ? 2 : IsWinXPOrLater() ? 0 : 1;
    if (FFlat && FTones.Background.BrushColor != clNone)
        look = 3;
    int32_t state = graphic.CellBoolean() ? 2 : FHoverButton == TGridCoord { cell.DisplayCol, cell.Row } ? 1 : 0;
    if (!enabled && type != ctExpand)
        state = 3;
    DrawPushButton(canvas, place, FTones, state, look);
    if (graphic.CellBoolean())
        place.Offset(1, 1);
    if (type == ctExpand) {
        canvas.Pen().SetColor(clBlack);
        const bool expanded = std::holds_alternative<bool>(graphic.CellVar()) && std::get<bool>(graphic.CellVar());
        const int32_t right = place.Right;
        const int32_t top = place.Top;
        if (expanded) {
            canvas.MoveTo(right - 10, top + 8);
            canvas.LineTo(right - 7, top + 5);
            canvas.LineTo(right - 3, top + 9);
        } else {
            canvas.MoveTo(right - 10, top + 5);
            canvas.LineTo(right - 7, top + 8);
            canvas.LineTo(right - 3, top + 4);
        }
        canvas.Brush().SetColor(brush);
        return;
    }
    TRect caption = place;
    if (const TBitmap* glyph = graphic.CellBitmap(); type == ctBitButton && glyph && glyph->Width() > 0) {
        TBitmap shown(*glyph);
        shown.SetTransparent(true);
        const int32_t free = place.Width() - glyph->Width();
        int32_t top = (place.Height() - glyph->Height()) / 2;
        if (top < 1)
            top = 3;
        if (!graphic.CellText().isEmpty() || free < 1) {
            canvas.Draw(place.Left + 3, place.Top + top, shown);
            caption.Left += 3 + glyph->Width() + 4;
        } else {
            canvas.Draw(place.Left + free / 2, place.Top + top, shown);
        }
    }
    uint32_t flags = graphic.CellText().contains(u'\r') ? DT_WORDBREAK : DT_SINGLELINE;
    flags |= DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
    ++caption.Left;
    const TColor fontColor = canvas.Font().Color();
    if (look == 3) {
        const TColor tones[] = { FTones.Background.TextColor, FTones.Hover.TextColor, FTones.Selected.TextColor,
            FTones.Disabled.TextColor };
        canvas.Font().SetColor(tones[state]);
    }
    canvas.Brush().SetStyle(bsClear);
    String text = graphic.CellText();
    canvas.DrawText(text, caption, flags);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Font().SetColor(fontColor);
    canvas.Brush().SetColor(brush);
}

void TDudStringGrid::DrawRatingGraphic(TCellPaint& cell, const TRect& place)
{
    const TCellGraphic& graphic = *cell.Graphic;
    const double value = std::round(Floats(cell.Col, cell.Row) * 2.0) / 2.0;
    const TColor fill = StoredColor(graphic.CellIndex());
    const TColor empty = graphic.CellColor();
    int32_t x = place.Left;
    for (int32_t star = 1; star <= graphic.CellAngle(); ++star) {
        const bool above = star > value;
        DrawCellShape(cell.Canvas, x, place.Top, above ? empty : fill, above ? empty : fill, csStar, 16, 16);
        if (above && star - 1 < value)
            DrawCellShape(cell.Canvas, x, place.Top, fill, fill, csHalfStar, 16, 16);
        x += 18;
    }
}

void TDudStringGrid::DrawRotatedGraphic(TCellPaint& cell)
{
    TCanvas& canvas = cell.Canvas;
    const String text = Cells(cell.Col, cell.Row);
    TRect rect = cell.Rect;
    rect.Inflate(-2, -2);
    const int32_t angle = cell.Graphic->CellAngle();
    const double radians = angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const int32_t width = canvas.TextWidth(text);
    const int32_t height = canvas.TextHeight(QStringLiteral("gh"));
    // The corners of the text turned about its top-left, y growing down.
    const double xs[] = { 0, width * c, height * s, width * c + height * s };
    const double ys[] = { 0, -width * s, height * c, -width * s + height * c };
    const double minX = *std::min_element(std::begin(xs), std::end(xs));
    const double maxX = *std::max_element(std::begin(xs), std::end(xs));
    const double minY = *std::min_element(std::begin(ys), std::end(ys));
    const double maxY = *std::max_element(std::begin(ys), std::end(ys));
    const int32_t boxWidth = static_cast<int32_t>(std::lround(maxX - minX));
    const int32_t boxHeight = static_cast<int32_t>(std::lround(maxY - minY));
    int32_t left = rect.Left;
    if (cell.HAlign == taRightJustify)
        left = rect.Right - boxWidth;
    else if (cell.HAlign == taCenter)
        left = rect.Left + (rect.Width() - boxWidth) / 2;
    int32_t top = rect.Top;
    if (cell.VAlign == vtaBottom)
        top = rect.Bottom - boxHeight;
    else if (cell.VAlign == vtaCenter)
        top = rect.Top + (rect.Height() - boxHeight) / 2;
    const TCanvasClip clip = canvas.SaveClip();
    canvas.IntersectClipRect(rect);
    TextOutRotated(canvas, left - static_cast<int32_t>(std::lround(minX)), top - static_cast<int32_t>(std::lround(minY)),
        text, angle * 10);
    canvas.RestoreClip(clip);
    if (ShowsSortGlyph(cell.Col, cell.Row))
        DrawSortIndicator(canvas, cell.Col, left + boxWidth - 10, top + 8);
}

void TDudStringGrid::DrawNodeGraphic(TCellPaint& cell, TRect rect)
{
    const TCellGraphic& graphic = *cell.Graphic;
    TCanvas& canvas = cell.Canvas;
    const TCellNode& node = *FCellNode;
    const int32_t indentStep = node.NodeIndent();
    const int32_t indent = GetRowIndent(cell.Row);
    const bool contracted = graphic.CellBoolean();
    rect.Left += indent - indentStep;
    if (node.ShowTree() && cell.Row >= FixedRows()) {
        canvas.Pen().SetColor(node.TreeColor());
        canvas.Pen().SetWidth(1);
        const int32_t x = rect.Left + indentStep / 2 + 2;
        if (cell.Row + 1 < RowCount() && GetRowIndent(cell.Row + 1) > 0
            && !(contracted && GetRowIndent(cell.Row + 1) < indent)) {
            canvas.MoveTo(x, (rect.Top + rect.Bottom) / 2);
            canvas.LineTo(x, rect.Bottom);
        }
        if (cell.Row > 0 && GetRowIndent(cell.Row - 1) >= indent) {
            canvas.MoveTo(x, rect.Top);
            canvas.LineTo(x, rect.Top + 6);
        }
    }
    if (cell.DisplayCol < FixedCols() && !FFlat
        && (FLook == glSoft || FLook == glVUV || FLook == glXP || FLook == glListView))
        ++rect.Left;
    rect.Left = cell.Rect.Left + indent - indentStep / 2 - 4;
    TColor background = canvas.Brush().Color();
    if (background == clNone)
        background = FixedCols() > 0 ? FixedColor() : Color();
    if (FShowSelection && cell.State.Contains(gdSelected))
        background = FSelectionColor;
    if (node.NodeType() == cn3D) {
        canvas.Brush().SetColor(node.Color());
        canvas.FillRect(rect);
        TRect edge = rect;
        DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_RECT);
    }
    RegisterGridGlyphs();
    switch (node.NodeType()) {
    case cnLeaf: {
        const int32_t top = rect.Top + (rect.Height() - 12) / 2;
        DrawResourceBitmap(canvas, background, Rect(rect.Left, top, rect.Left + 12, top + 12),
            contracted ? QStringLiteral("ZUZLEAFCLOSE") : QStringLiteral("ZUZLEAFOPEN"));
        return;
    }
    case cnXP: {
        const int32_t left = rect.Left + 4;
        const int32_t top = rect.Top + (rect.Height() - 10) / 2;
        DrawResourceBitmap(canvas, background, Rect(left, top, left + 10, top + 10),
            contracted ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"));
        return;
    }
    case cnGlyph:
        if (node.ExpandGlyph().Width() > 0 && node.ContractGlyph().Width() > 0) {
            const TBitmap& glyph = contracted ? node.ContractGlyph() : node.ExpandGlyph();
            const int32_t top = rect.Top + (rect.Height() - node.ContractGlyph().Height()) / 2;
            DrawTransparentBitmap(canvas, glyph, background,
                Rect(rect.Left, top, rect.Left + glyph.Width(), top + glyph.Height()));
            return;
        }
        break;
    default:
        break;
    }
    const int32_t left = rect.Left + 4;
    const int32_t top = rect.Top + std::max(0, rect.Height() - 8) / 2;
    canvas.Brush().SetColor(node.Color());
    if (node.NodeType() == cnFlat) {
        canvas.Pen().SetColor(node.NodeColor());
        canvas.Rectangle(Rect(left, top, left + 9, top + 9));
        canvas.MoveTo(left + 2, top + 4);
        canvas.LineTo(left + 7, top + 4);
        if (contracted) {
            canvas.MoveTo(left + 4, top + 2);
            canvas.LineTo(left + 4, top + 7);
        }
        return;
    }
    TRect box = Rect(left, top, left + 8, top + 8);
    canvas.FillRect(box);
    DrawEdge(canvas, box, contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
}

void TDudStringGrid::DrawRadioGlyph16(TCanvas& canvas, int32_t left, int32_t top, TControlLook::TControlStyle style,
    bool checked, bool disabled)
{
    switch (style) {
    case TControlLook::csBorland: {
        const TPoint outer[] = { { left + 2, top + 8 }, { left + 8, top + 2 }, { left + 14, top + 8 },
            { left + 8, top + 14 } };
        canvas.Brush().SetColor(clBtnFace);
        canvas.Pen().SetColor(clBtnFace);
        canvas.Polygon(outer);
        const TColor lowerLeft = checked ? TColor(0x808080) : clWhite;
        const TColor upperRight = checked ? clWhite : TColor(0x808080);
        canvas.Pen().SetColor(lowerLeft);
        canvas.MoveTo(outer[0].X, outer[0].Y);
        canvas.LineTo(outer[3].X, outer[3].Y);
        canvas.LineTo(outer[2].X, outer[2].Y);
        canvas.Pen().SetColor(upperRight);
        canvas.MoveTo(outer[0].X, outer[0].Y);
        canvas.LineTo(outer[1].X, outer[1].Y);
        canvas.LineTo(outer[2].X, outer[2].Y);
        if (checked) {
            const TPoint inner[] = { { left + 6, top + 8 }, { left + 8, top + 6 }, { left + 10, top + 8 },
                { left + 8, top + 10 } };
            canvas.Brush().SetColor(FControlLook->Color());
            canvas.Pen().SetColor(FControlLook->Color());
            canvas.Polygon(inner);
        }
        break;
    }
    case TControlLook::csTheme:
        DrawThemePart(canvas, this, u"button", 2, checked ? (disabled ? 8 : 5) : (disabled ? 4 : 1),
            Rect(left, top, left + 16, top + 16));
        break;
    case TControlLook::csWinXP:
    case TControlLook::csVUV: {
        static constexpr const char* Names[2][4] = { { "ZUZRAD05", "ZUZRAD07", "ZUZRAD06", "ZUZRAD08" },
            { "ZUZRAD01", "ZUZRAD03", "ZUZRAD02", "ZUZRAD04" } };
        RegisterGridGlyphs();
        TBitmap glyph;
        LoadResourceBitmap(QString::fromLatin1(
                               Names[style == TControlLook::csVUV][(checked ? 0 : 2) + (disabled ? 1 : 0)]),
            glyph);
        glyph.SetTransparent(true);
        canvas.Draw(left, top, glyph);
        break;
    }
    case TControlLook::csGlyph: {
        TBitmap glyph(checked ? FControlLook->RadioOnGlyph() : FControlLook->RadioOffGlyph());
        if (glyph.Width() == 0)
            return;
        glyph.SetTransparent(true);
        canvas.Draw(left, top, glyph);
        break;
    }
    default:
        break;
    }
}
