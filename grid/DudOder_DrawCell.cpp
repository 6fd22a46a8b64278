#include "grid/DudOder.h"

#include "grid/DudOder_CellPaint.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_FilterDropDown.h"
#include "grid/DudOder_Glyphs.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/DudStyleIF.h"
#include "grid/base/RovIvir.h"
#include "grid/base/RovIvir_Draw.h"
#include "platform/core/Math.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/graphics/Resources.h"

#include <algorithm>

// The content of one cell, in the order the steps overpaint each other:
// fixed-cell looks, markers and buttons, the text, borders and fixed edges,
// the graphic, the drawing events and the focus rectangle. The cell's
// background and grid lines are already painted by the base grid.

namespace {

// The background picture tiled over one cell so that it runs on across
// the cells: the first tile starts at the cell's phase inside the picture.
void DrawCellBackgroundTiled(const TDudStringGrid& grid, TCanvas& canvas, int32_t displayCol, int32_t aRow,
    const TRect& rect)
{
    TBitmap bitmap(grid.BackGround().Bitmap());
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return;
    const bool normalOnly = grid.BackGround().Cells() == bcNormal;
    int32_t phaseX = 0;
    for (int32_t col = normalOnly ? grid.FixedCols() : 0; col < displayCol; ++col)
        phaseX = (phaseX + grid.ColWidths(col)) % bitmap.Width();
    int32_t phaseY = 0;
    for (int32_t row = normalOnly ? grid.FixedRows() : 0; row < aRow; ++row)
        phaseY = (phaseY + grid.RowHeights(row)) % bitmap.Height();
    for (int32_t y = rect.Top - 1, sourceY = phaseY; y < rect.Bottom; y += bitmap.Height() - sourceY, sourceY = 0) {
        const int32_t height = std::min(bitmap.Height() - sourceY, rect.Bottom - y);
        for (int32_t x = rect.Left - 1, sourceX = phaseX; x < rect.Right; x += bitmap.Width() - sourceX, sourceX = 0) {
            const int32_t width = std::min(bitmap.Width() - sourceX, rect.Right - x);
            canvas.CopyRect(Rect(x, y, x + width, y + height), bitmap.Canvas(),
                Rect(sourceX, sourceY, sourceX + width, sourceY + height));
        }
    }
}

// The looks whose fixed cells get the gradient with hover and pressed states.
bool HasFixedCellGradient(TGridLook look)
{
    return look == glVUV || look == glXP || look == glVista || look == glWin7 || look == glOffice2007;
}

} // namespace

void TDudStringGrid::DrawCellContent(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect,
    TGridDrawState state)
{
    TCellPaint cell { canvas, aCol, RemapColToReal(aCol), aRow, rect, state };
    cell.FilterButton = aRow == FFilterDropDownRow && GetColumnFilter(cell.Col);
    PaintCellScrollBar(cell);
    ApplyCellLook(cell);
    cell.Graphic = GetCellGraphicLayout(cell.Col, aRow, cell.GraphicVAlign, cell.GraphicHAlign, cell.TextBeside,
        cell.GraphicHeight, cell.GraphicWidth);
    // The node glyph sits at its level's indent; the text starts after it.
    if (cell.Col == 0 && FNumNodes > 0 && IsNode(aRow))
        cell.GraphicWidth = GetNodeLevel(aRow) * 12 + 4;
    if (cell.State.Contains(gdSelected) && !cell.State.Contains(gdFocused) && FSelectionColor == clNone)
        canvas.Brush().SetColor(clHighlight);
    canvas.Font().SetSize(canvas.Font().Size() + FZoomFactor);
    cell.BrushColor = canvas.Brush().Color();
    cell.FontColor = canvas.Font().Color();
    cell.FixedLook = (IsFixed(aCol, aRow) || aCol < FixedCols() || aRow < FixedRows())
        && !(FHoverRowIdx == aRow && HoverRowCells().Contains(hcFixed));
    // The platform has no styles besides its own look, so no cell is drawn
    // by a style element.
    DrawFixedCellBackground(cell);
    DrawRowIndicator(cell);
    DrawListViewHeader(cell);
    DrawModifiedMarker(cell);
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, canvas, cell.Col, aRow, cell.State, cell.Rect, false);
    cell.SavedRight = cell.Rect.Right;
    DrawAlwaysVisibleButtons(cell);
    DrawTextOfCell(cell);
    cell.Rect.Right = cell.SavedRight;
    canvas.Brush().SetColor(cell.BrushColor);
    canvas.Font().SetColor(cell.FontColor);
    TRect bordered = cell.Rect;
    bordered.Inflate(1, 1);
    DrawCellBorders(canvas, cell.Col, aRow, bordered);
    if (aCol == 0 && aRow == Row() && FixedCols() > 0)
        cell.Rect.Left -= FRowIndicator->Width();
    DrawClassicFixedEdges(cell);
    DrawRaisedFixedLines(cell);
    DrawSoftFixedLines(cell);
    DrawRightFixedColumnLines(cell);
    DrawNodeTreeLines(cell);
    DrawGraphicOfCell(cell);
    if (OnDrawCell) {
        const TRect inner = Rect(cell.Rect.Left + 1, cell.Rect.Top + 1, cell.Rect.Right - GridLineWidth(),
            cell.Rect.Bottom - GridLineWidth());
        OnDrawCell(this, cell.Col, aRow, inner, cell.State);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, canvas, cell.Col, aRow, cell.State, cell.Rect, false);
    DrawFocusFrame(cell);
    // Column numbers are a design-time aid; the grid never runs in a designer.
}

void TDudStringGrid::ApplyCellLook(TCellPaint& cell)
{
    cell.WordWrap = FWordWrapEx;
    GetVisualProperties(cell.DisplayCol, cell.Row, cell.State, false, false, true, cell.Canvas.Brush(), cell.ColorTo,
        cell.MirrorColor, cell.MirrorColorTo, cell.Canvas.Font(), cell.HAlign, cell.VAlign, cell.WordWrap,
        cell.GradientDirection);
}

bool TDudStringGrid::FixedCellHovered(int32_t aCol, int32_t aRow) const
{
    if (FHoverFixedX != aCol || FHoverFixedY != aRow || ColMoveFlg)
        return false;
    switch (FHoverFixedCells) {
    case hfFixedRows:
        return aRow < FixedRows();
    case hfFixedColumns:
        return aCol < FixedCols();
    case hfAll:
        return true;
    default:
        return false;
    }
}

void TDudStringGrid::DrawFixedCellBackground(TCellPaint& cell)
{
    if (!cell.FixedLook || !HasFixedCellGradient(FLook))
        return;
    TCanvas& canvas = cell.Canvas;
    TRect& rect = cell.Rect;
    const auto gradient = [&canvas](const TRect& area, TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo,
                              TColor border) {
        DrawGradientBackground(canvas, area, from, to, mirrorFrom, mirrorTo, true, border, false, true);
    };
    const auto hover = [&](const TRect& area) {
        gradient(area, FVUVGradHoverFrom, FVUVGradHoverTo, FVUVGradHoverMirrorFrom, FVUVGradHoverMirrorTo,
            FVUVGradHoverBorder);
    };
    const auto pressed = [&](const TRect& area) {
        gradient(area, FVUVGradDownFrom, FVUVGradDownTo, FVUVGradDownMirrorFrom, FVUVGradDownMirrorTo,
            FVUVGradDownBorder);
    };
    const int32_t fixedCols = FixedCols();
    const int32_t fixedRows = FixedRows();
    if (FixedCellHovered(cell.DisplayCol, cell.Row) || (ColMoveFlg && Movecell.X == cell.DisplayCol)) {
        ++rect.Bottom;
        const bool dropDown = FControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(cell.Col);
        if (!FMouseDownMove && !ColMoveFlg) {
            hover(rect);
        } else if (dropDown) {
            const TRect button = Rect(rect.Right - 16, rect.Top, rect.Right, rect.Bottom);
            const TRect rest = Rect(rect.Left, rect.Top, rect.Right - 16, rect.Bottom);
            if (FDropDownDown) {
                pressed(button);
                hover(rest);
            } else {
                pressed(rest);
                hover(button);
            }
        } else {
            pressed(rect);
        }
        if (dropDown) {
            canvas.Pen().SetColor(FMouseDownMove ? FVUVGradDownBorder : FVUVGradHoverBorder);
            canvas.MoveTo(rect.Right - 16, rect.Top);
            canvas.LineTo(rect.Right - 16, rect.Bottom);
            DrawDownTriangle(canvas, rect.Right - 8, rect.Top + 8, clBlack);
            rect.Right -= 16;
        }
    } else if (FActiveCellShow
        && ((cell.DisplayCol + 1 == fixedCols && fixedCols > 0 && cell.Row == Row())
            || (cell.Row + 1 == fixedRows && fixedRows > 0 && cell.DisplayCol == Col()))) {
        gradient(rect, FActiveCellColor, FActiveCellColorTo, clNone, clNone, clNone);
    } else if (SortSettings().Column() != -1 && SortSettings().Column() == cell.Col
        && SortSettings().HeaderColor() != clNone && cell.Row == fixedRows - 1
        && (cell.Col >= fixedCols || SortSettings().FixedCols())) {
        gradient(rect, SortSettings().HeaderColor(), SortSettings().HeaderColorTo(), SortSettings().HeaderMirrorColor(),
            SortSettings().HeaderMirrorColorTo(), clNone);
    } else if (!FFlat) {
        DrawGradientBackground(canvas, rect, canvas.Brush().Color(), cell.ColorTo, cell.MirrorColor,
            cell.MirrorColorTo, true, FLook == glVista ? clWhite : clNone, FLook == glVista, true);
    }
}

void TDudStringGrid::DrawRowIndicator(TCellPaint& cell)
{
    if (cell.Col != 0 || cell.Row != Row() || FixedCols() == 0 || FRowIndicator->Width() == 0
        || (FFixedRowAlways && RowCount() <= FixedRows()))
        return;
    TBitmap glyph(*FRowIndicator);
    glyph.SetTransparent(true);
    int32_t top = cell.Rect.Top;
    if (FVAlignment == vtaCenter)
        top = cell.Rect.Top + (cell.Rect.Height() - glyph.Height()) / 2;
    else if (FVAlignment == vtaBottom)
        top = cell.Rect.Bottom - glyph.Height();
    cell.Canvas.Draw(cell.Rect.Left + 2, top, glyph);
    cell.Rect.Left += glyph.Width() + 2;
}

void TDudStringGrid::DrawListViewHeader(TCellPaint& cell)
{
    if (FLook != glListView || !cell.FixedLook || FFlat)
        return;
    // The header theme class is not there: the un-themed header look.
    cell.Canvas.Brush().SetColor(clBtnFace);
    cell.Canvas.Pen().SetColor(clWhite);
    cell.Canvas.Rectangle(cell.Rect);
}

void TDudStringGrid::DrawModifiedMarker(TCellPaint& cell)
{
    if (cell.DisplayCol != 0 || !FShowModified->Enabled() || !GetRowModified(RemapRowToReal(cell.Row)))
        return;
    cell.Canvas.Brush().SetColor(FShowModified->Color());
    cell.Canvas.FillRect(Rect(cell.Rect.Right - 4, cell.Rect.Top, cell.Rect.Right, cell.Rect.Bottom));
    cell.Canvas.Brush().SetColor(cell.BrushColor);
}

void TDudStringGrid::DrawAlwaysVisibleButtons(TCellPaint& cell)
{
    const bool comboButtons = FControlLook->DropDownAlwaysVisible();
    const bool spinButtons = FControlLook->SpinButtonsAlwaysVisible();
    if (IsFixed(cell.DisplayCol, cell.Row) || !(comboButtons || spinButtons))
        return;
    int32_t look = FControlLook->FlatButton() ? 2 : IsWinXPOrLater() ? 0 : 1;
    if (FFlat && FTones.Background.BrushColor != clNone)
        look = 3;
    bool canEdit = true;
    CanEditCell(cell.Col, cell.Row, canEdit);
    const int32_t buttonState = canEdit ? 0 : 3;
    if (comboButtons && HasComboBox(cell.Col, cell.Row)) {
        DrawComboButton(cell.Canvas, Rect(cell.Rect.Left - 2, cell.Rect.Top - 1, cell.Rect.Right + 1, cell.Rect.Bottom),
            FTones, buttonState, look);
        cell.Rect.Right -= 16;
    }
    if (spinButtons && HasSpinEdit(cell.Col, cell.Row)) {
        DrawSpinButtons(cell.Canvas, CellRect(cell.DisplayCol, cell.Row), FTones, buttonState, look);
        cell.Rect.Right -= 16;
    }
}

void TDudStringGrid::DrawTextOfCell(TCellPaint& cell)
{
    IGridCellDrawer* drawer = cell.Graphic ? cell.Graphic->CellInterface() : nullptr;
    if (drawer && cell.Graphic->CellType() == ctInterface && drawer->IsBackground()) {
        TRect area = cell.Rect;
        area.Inflate(1, 1);
        drawer->Draw(cell.Canvas, area, cell.Col, cell.Row, cell.State.Contains(gdSelected), this);
    }
    if (cell.Graphic && FNoImageAndText)
        return;
    if ((OnDrawCell || OnCustomCellDraw) && FNoDefaultDraw)
        return;
    DrawCellText(cell);
}

void TDudStringGrid::DrawClassicFixedEdges(TCellPaint& cell)
{
    if (FLook != glClassic || !cell.FixedLook || FFlat)
        return;
    TCanvas& canvas = cell.Canvas;
    TRect& rect = cell.Rect;
    ++rect.Top;
    ++rect.Bottom;
    ++rect.Left;
    TRect edge = rect;
    DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_LEFT);
    edge = rect;
    DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_TOP);
    edge = rect;
    DrawEdge(canvas, edge, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
    canvas.Pen().SetColor(clBlack);
    canvas.MoveTo(rect.Right - 1, rect.Top);
    canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
    canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
}

void TDudStringGrid::DrawRaisedFixedLines(TCellPaint& cell)
{
    if ((FLook != glVUV && FLook != glXP) || !cell.FixedLook || FFlat)
        return;
    TCanvas& canvas = cell.Canvas;
    TRect& rect = cell.Rect;
    ++rect.Bottom;
    if (Options().Contains(goFixedHorzLine)) {
        canvas.Pen().SetColor(HalveColor(FixedColor()));
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
    }
    canvas.Pen().SetColor(clWhite);
    canvas.MoveTo(rect.Right - 2, rect.Top + 1);
    canvas.LineTo(rect.Left + 1, rect.Top + 1);
    canvas.LineTo(rect.Left + 1, rect.Bottom - 1);
}

void TDudStringGrid::DrawBlackBoxLines(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(1);
    if (Options().Contains(goFixedHorzLine)) {
        canvas.MoveTo(rect.Left - 1, rect.Top - 1);
        canvas.LineTo(rect.Right + 1, rect.Top - 1);
        canvas.MoveTo(rect.Left - 1, rect.Bottom + 1);
        canvas.LineTo(rect.Right + 1, rect.Bottom + 1);
    }
    if (Options().Contains(goFixedVertLine)) {
        canvas.MoveTo(rect.Left - 1, rect.Top - 1);
        canvas.LineTo(rect.Left - 1, rect.Bottom + 1);
        canvas.MoveTo(rect.Right + 1, rect.Top - 1);
        canvas.LineTo(rect.Right + 1, rect.Bottom + 1);
    }
}

void TDudStringGrid::DrawSoftFixedLines(TCellPaint& cell)
{
    if (FLook != glSoft || !cell.FixedLook || FFlat)
        return;
    TCanvas& canvas = cell.Canvas;
    TRect& rect = cell.Rect;
    ++rect.Right;
    ++rect.Bottom;
    const TColor shadow = HalveColor(FixedColor());
    if (Options().Contains(goFixedHorzLine)) {
        canvas.Pen().SetColor(shadow);
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Right, rect.Bottom - 1);
        canvas.Pen().SetColor(clWhite);
        canvas.MoveTo(rect.Right, rect.Top + 1);
        canvas.LineTo(rect.Left + 1, rect.Top + 1);
        canvas.LineTo(rect.Left + 1, rect.Bottom - 1);
    }
    if (Options().Contains(goFixedVertLine)) {
        canvas.Pen().SetColor(shadow);
        canvas.MoveTo(rect.Right - 2, rect.Top);
        canvas.LineTo(rect.Right - 2, rect.Bottom - 1);
        canvas.Pen().SetColor(clWhite);
        canvas.MoveTo(rect.Right - 1, rect.Top);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
    }
}

void TDudStringGrid::DrawRightFixedColumnLines(TCellPaint& cell)
{
    // Only a flat grid draws these: the raised looks bring their own edges.
    if (FFixedRightCols <= 0 || FFixedRightCols < ColCount() + FNumHidden - cell.DisplayCol || FLook == glClassic
        || !FFlat)
        return;
    DrawBlackBoxLines(cell.Canvas, cell.Rect, TColor(0x808080));
}

// The lines join each row to its node and run on down past the cell's
// bottom, so that a row drawn below continues them without a gap.
void TDudStringGrid::DrawNodeTreeLines(TCellPaint& cell)
{
    if (!HasNodes() || cell.Col != 0 || cell.Row < FixedRows() || !FCellNode->ShowTree())
        return;
    TCanvas& canvas = cell.Canvas;
    const TRect& rect = cell.Rect;
    const int32_t indentStep = FCellNode->NodeIndent();
    const int32_t level = NodeLevelOf(cell.Row);
    const int32_t indent = GetRowIndent(cell.Row);
    const int32_t middle = (rect.Top + rect.Bottom) / 2;
    const int32_t joint = rect.Left + indent + indentStep / 2 - indentStep + 2;
    canvas.Pen().SetColor(FCellNode->TreeColor());
    canvas.Pen().SetWidth(1);
    if (level > 0) {
        canvas.MoveTo(joint, middle);
        canvas.LineTo(FCellNode->ShowTreeFull() ? rect.Right : rect.Left + indent + 4, middle);
    }
    switch (GetNodeSpanType(cell.Row)) {
    case 1:
        canvas.MoveTo(joint, rect.Top);
        canvas.LineTo(joint, middle);
        break;
    case 2:
        canvas.MoveTo(joint, rect.Top);
        canvas.LineTo(joint, rect.Bottom + 4);
        break;
    default:
        break;
    }
    const bool lastRow = cell.Row == RowCount() - 1;
    const bool nextNested = !lastRow && NodeLevelOf(cell.Row + 1) != 0;
    for (int32_t step = 1; step <= level; ++step) {
        const int32_t x = joint - indentStep * step;
        canvas.MoveTo(x, rect.Top);
        canvas.LineTo(x, middle);
        if (!lastRow && nextNested)
            canvas.LineTo(x, rect.Bottom + 4);
        else if (step < level)
            canvas.LineTo(joint + indentStep - indentStep * step, middle);
    }
    canvas.Pen().SetStyle(psSolid);
}

void TDudStringGrid::DrawGraphicOfCell(TCellPaint& cell)
{
    if (!cell.Graphic)
        return;
    if (cell.Graphic->CellType() == ctInterface) {
        IGridCellDrawer* drawer = cell.Graphic->CellInterface();
        if (drawer && !drawer->IsBackground())
            drawer->Draw(cell.Canvas, cell.Rect, cell.Col, cell.Row, cell.State.Contains(gdSelected), this);
        return;
    }
    if (cell.FixedLook)
        ++cell.Rect.Top;
    DrawCellGraphic(cell, cell.Rect);
}

void TDudStringGrid::DrawFocusFrame(TCellPaint& cell)
{
    if (FHideFocusRect || Options().Contains(goRowSelect) || !Focused() || IsFixed(Col(), Row()))
        return;
    if (!(BaseCell(cell.DisplayCol, cell.Row) == TPoint { Col(), Row() }))
        return;
    TRect frame = cell.Rect;
    frame.Inflate(GridLineWidth() - 1, GridLineWidth() - 1);
    --frame.Right;
    --frame.Bottom;
    cell.Canvas.DrawFocusRect(frame);
}

// ---- the cell drawing worker ------------------------------------------------

TCellGraphic* TDudStringGrid::GetCellGraphicLayout(int32_t aCol, int32_t aRow, TCellVAlign& vAlign,
    TCellHAlign& hAlign, bool& textBeside, int32_t& height, int32_t& width)
{
    width = 0;
    height = 0;
    textBeside = true;
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic)
        return nullptr;
    vAlign = graphic->CellVAlign();
    hAlign = graphic->CellHAlign();
    const TImageList* images = GetGridImageList();
    const int32_t checkSize = FControlLook->CheckSize();
    switch (graphic->CellType()) {
    case ctBitmap:
        if (const TBitmap* bitmap = graphic->CellBitmap()) {
            width = bitmap->Width();
            height = bitmap->Height();
        }
        break;
    case ctIcon:
        if (const TIcon* icon = graphic->CellIcon()) {
            width = icon->Width();
            height = icon->Height();
        }
        break;
    case ctImageList:
    case ctDataImage:
        if (images) {
            width = images->Width();
            height = images->Height();
        }
        textBeside = graphic->CellType() == ctImageList;
        break;
    case ctCheckBox:
    case ctTriStateCheckBox:
        width = height = checkSize;
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        width = height = checkSize;
        textBeside = false;
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        textBeside = false;
        break;
    case ctImages:
        if (const TIntList* list = graphic->CellImages(); list && images) {
            width = graphic->CellBoolean() ? list->Count() * images->Width() : images->Width();
            height = graphic->CellBoolean() ? images->Height() : list->Count() * images->Height();
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint cellSize = CellSize(RemapColToDispl(aCol), aRow);
        const TPoint size = graphic->GetPictureSize(cellSize.X, cellSize.Y, true);
        width = size.X;
        height = size.Y;
        break;
    }
    case ctButton:
    case ctBitButton:
        width = graphic->CellIndex() & 0xFFFF;
        height = (graphic->CellIndex() >> 16) & 0xFFFF;
        break;
    case ctProgressPie:
        width = height = 20;
        break;
    case ctInterface:
        if (IGridCellDrawer* drawer = graphic->CellInterface()) {
            width = drawer->GetWidth();
            height = drawer->GetHeight();
        }
        break;
    case ctRadioButton:
        width = height = FControlLook->RadioSize() + 4;
        break;
    case ctShape:
        width = height = RowHeights(aRow) - 2 * FXYOffset.Y;
        break;
    case ctRating:
        width = graphic->CellAngle() * 18;
        height = 16;
        textBeside = false;
        break;
    default:
        break;
    }
    return graphic;
}

void TDudStringGrid::DrawCellText(TCellPaint& cell)
{
    TCanvas& canvas = cell.Canvas;
    const bool normalCol = cell.DisplayCol >= FixedCols() && cell.DisplayCol < ColCount() - FFixedRightCols;
    const bool rowSelected = Options().Contains(goRowSelect) && GetRowSelect(RemapRowToReal(cell.Row)) && normalCol;
    if ((cell.State.Contains(gdSelected) || rowSelected) && !IsFixed(cell.DisplayCol, cell.Row)) {
        if (FShowSelection) {
            if (FSelectionColor != clNone)
                canvas.Brush().SetColor(FSelectionColor);
            if (FSelectionTextColor != clNone && Enabled())
                canvas.Font().SetColor(FSelectionTextColor);
        }
        const bool checkCell = cell.Graphic && IsControlCell(cell.Col, cell.Row);
        if ((!Focused() || checkCell) && !FShowSelection) {
            canvas.Brush().SetColor(cell.BrushColor);
            canvas.Font().SetColor(cell.FontColor);
        }
    }

    String text = GetFormattedCell(cell.Col, cell.Row);
    int32_t kind = ClassifyCellText(text, FEnableHTML);
    if (kind == ckFormula) {
        CalcCellText(cell.Col, cell.Row, text);
        kind = ClassifyCellText(text, FEnableHTML);
    }
    bool password = false;
    IsPasswordCell(cell.Col, cell.Row, password);
    if (password)
        text = String(text.length(), FPasswordChar);

    const TRect saved = cell.Rect;
    if (IsFixed(cell.DisplayCol, cell.Row)) {
        cell.Rect.Left += GridLineWidth();
        cell.Rect.Top += GridLineWidth();
    }
    DrawFilterButton(cell);
    DrawCellBackgroundPicture(cell);
    DrawSelectionFrame(cell);
    if (cell.TextBeside) {
        TRect area = cell.Rect;
        area.Left += FXYOffset.X;
        area.Top += FXYOffset.Y;
        if (!FXYOffsetTopLeftOnly)
            area.Right -= FXYOffset.X;
        if (cell.GraphicHAlign == haBeforeText)
            area.Left += cell.GraphicWidth;
        else if (cell.GraphicHAlign == haAfterText)
            area.Right -= cell.GraphicWidth;
        if (cell.GraphicVAlign == vaAboveText)
            area.Top += cell.GraphicHeight;
        else if (cell.GraphicVAlign == vaUnderText)
            area.Bottom -= cell.GraphicHeight;
        if (cell.Col == 0 && FNumNodes > 0 && !IsNode(cell.Row))
            area.Left += GetRowIndent(cell.Row);
        if (kind == ckMarkup || kind == ckRichText)
            DrawFormattedCellText(cell, area, text, kind);
        else
            DrawPlainCellText(cell, area, text);
    }
    cell.Rect = saved;
}

void TDudStringGrid::DrawFilterButton(TCellPaint& cell)
{
    if (!cell.FilterButton)
        return;
    const TRect place = Rect(cell.Rect.Right - 16, cell.Rect.Top, cell.Rect.Right, cell.Rect.Top + 16);
    if (FFilterDropDown->Glyph().Width() == 0) {
        RegisterGridGlyphs();
        DrawResourceBitmap(cell.Canvas, FixedColor(), place, QStringLiteral("ZUZFILT"));
        return;
    }
    const bool filtered = FFilterActive && FFilter->HasFilter(cell.Col);
    const TBitmap& chosen = filtered && FFilterDropDown->GlyphActive().Width() > 0 ? FFilterDropDown->GlyphActive()
                                                                                     : FFilterDropDown->Glyph();
    TBitmap glyph(chosen);
    glyph.SetTransparent(true);
    cell.Canvas.Draw(place.Left, place.Top, glyph);
}

void TDudStringGrid::DrawCellBackgroundPicture(TCellPaint& cell)
{
    const TBackGroundDisplay display = FBackGround->Display();
    const bool gradient = display == bdGradientHorz || display == bdGradientVert;
    const TBackGroundCells cells = FBackGround->Cells();
    const bool fixed = cell.State.Contains(gdFixed);
    if (!(cells == bcAll || (cells == bcFixed && fixed) || (cells == bcNormal && !fixed)))
        return;
    const TCellProperties* props = GetGridObject(cell.Col, cell.Row);
    const bool ownColor = props && props->BrushColor() != clNone;
    const bool selected = cell.State.Contains(gdSelected);
    if (FBackGround->Bitmap().Width() > 0 && !ownColor && !(selected && FShowSelection)) {
        const int32_t grow = GridLineWidth() - 1;
        const TRect area = Rect(cell.Rect.Left - grow, cell.Rect.Top - grow, cell.Rect.Right, cell.Rect.Bottom);
        if (display == bdTile)
            DrawCellBackgroundTiled(*this, cell.Canvas, cell.DisplayCol, cell.Row, area);
        else
            PaintBackgroundFixed(cell.Canvas, area);
    }
    if (!gradient || FBackGround->ColorTo() == clNone)
        return;
    static constexpr TCellType ColoredControls[] = { ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctRadioButton };
    const bool coloredControl
        = cell.Graphic && std::ranges::find(ColoredControls, cell.Graphic->CellType()) != std::end(ColoredControls);
    if (ownColor && !coloredControl)
        return;
    if (FShowSelection && selected
        && !(cell.State.Contains(gdFocused) && !Options().Contains(goDrawFocusSelected)))
        return;
    const TRect area = Rect(cell.Rect.Left - 1, cell.Rect.Top - GridLineWidth(), cell.Rect.Right,
        cell.Rect.Bottom + GridLineWidth() - 1);
    const bool horizontal = display == bdGradientHorz;
    const int32_t extent = horizontal ? Width() : Height();
    const TColor from = InterpolateColor(Color(), FBackGround->ColorTo(), 0, extent, horizontal ? area.Left : area.Top);
    const TColor to = InterpolateColor(Color(), FBackGround->ColorTo(), 0, extent, horizontal ? area.Right : area.Bottom);
    DrawGradient(cell.Canvas, from, to, horizontal, area, 128);
}

void TDudStringGrid::DrawSelectionFrame(TCellPaint& cell)
{
    if (!FSelectionRectangle || IsFixed(cell.DisplayCol, cell.Row) || !IsSelected(cell.DisplayCol, cell.Row))
        return;
    const TGridRect selection = Selection();
    TCanvas& canvas = cell.Canvas;
    const TRect& rect = cell.Rect;
    const int32_t w = GridLineWidth();
    canvas.Pen().SetColor(FSelectionRectangleColor);
    canvas.Pen().SetWidth(2);
    const bool rightEdge = cell.DisplayCol == selection.Right;
    const int32_t right = rightEdge ? rect.Right - 1 : rect.Right;
    const auto line = [&canvas](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    if (cell.DisplayCol == selection.Left)
        line(rect.Left - w + 1, rect.Bottom, rect.Left - w + 1, rect.Top - w);
    if (rightEdge)
        line(rect.Right - 1, rect.Bottom, rect.Right - 1, rect.Top - w);
    if (cell.Row == selection.Top)
        line(rect.Left - w, rect.Top - w + 1, right, rect.Top - w + 1);
    if (cell.Row == selection.Bottom)
        line(rect.Left - w, rect.Bottom, right, rect.Bottom);
    if (FSelectionResizer && rightEdge && cell.Row == selection.Bottom) {
        const TRect grid = CellRect(cell.DisplayCol, cell.Row);
        canvas.Brush().SetColor(FSelectionRectangleColor);
        canvas.FillRect(Rect(rect.Right - 4, rect.Bottom - 4, grid.Right, grid.Bottom));
    }
    canvas.Pen().SetWidth(1);
}

void TDudStringGrid::DrawFormattedCellText(TCellPaint& cell, TRect& area, const String& text, int32_t kind)
{
    if (kind == ckRichText) {
        DrawRichCell(cell.Col, cell.Row, area, cell.Canvas);
        return;
    }
    DrawMarkupCellText(cell, area, text);
}

void TDudStringGrid::DrawPlainCellText(TCellPaint& cell, TRect& area, String text)
{
    TCanvas& canvas = cell.Canvas;
    const TSortSettings& sort = *FSortSettings;
    if (cell.HAlign == taCenter && cell.Row == sort.Row() && cell.Col == sort.Column() && sort.Show())
        area.Left += 10;
    if (FURLShow && IsUrlText(text)) {
        if (!FURLFull)
            StripUrlScheme(text);
        TFontStyles style = canvas.Font().Style();
        style << fsUnderline;
        canvas.Font().SetStyle(style);
        canvas.Font().SetColor(cell.State.Contains(gdSelected) && FShowSelection && FSelectionTextColor != clNone
                ? FSelectionTextColor
                : FURLColor);
    }
    uint32_t flags = DT_EDITCONTROL;
    if (CountLines(text, FMultilinecells) == 1 && !cell.WordWrap) {
        String line;
        TakeLine(text, false, line);
        text = line;
        flags = DT_SINGLELINE;
        if (FEnhTextSize)
            flags |= DT_END_ELLIPSIS;
    }
    if (cell.WordWrap && !FMultilinecells && FEnhTextSize)
        flags |= DT_END_ELLIPSIS;
    flags |= DT_EXPANDTABS | DT_NOPREFIX;
    if (cell.HAlign == taRightJustify)
        flags |= DT_RIGHT;
    else if (cell.HAlign == taCenter)
        flags |= DT_CENTER;
    const uint32_t vertical = cell.VAlign == vtaCenter ? DT_VCENTER : cell.VAlign == vtaBottom ? DT_BOTTOM : DT_TOP;
    flags |= vertical;
    FVAlign = vertical;
    if (cell.WordWrap || FMultilinecells)
        flags |= DT_WORDBREAK | DT_EDITCONTROL;
    else
        flags |= DT_SINGLELINE;
    canvas.Brush().SetStyle(bsClear);
    if (cell.FilterButton)
        area.Right -= 16;
    if (cell.Graphic && !text.isEmpty()) {
        TRect measured = area;
        canvas.DrawText(text, measured, flags | DT_CALCRECT);
        cell.TextWidth = measured.Width() + 2;
    }
    canvas.DrawText(text, area, flags);
    canvas.Brush().SetStyle(bsSolid);
    DrawCellMarker(cell, area, text);
    if (ShowsSortGlyph(cell.Col, cell.Row))
        DrawSortGlyphOfText(cell, area, text);
    TFontStyles style = canvas.Font().Style();
    style >> fsUnderline;
    canvas.Font().SetStyle(style);
}

// The range a cell check or AddMarker marked, underlined in red.
void TDudStringGrid::DrawCellMarker(TCellPaint& cell, const TRect& area, const String& text)
{
    if (!cell.Graphic || (cell.Graphic->CellType() != ctEmpty && cell.Graphic->CellType() != ctValue))
        return;
    int32_t errPos = 0;
    int32_t errLen = 0;
    GetMarker(cell.Col, cell.Row, errPos, errLen);
    if (errLen <= 0)
        return;
    const TCanvasCharPositions positions(cell.Canvas, text, area);
    DrawErrorUnderline(positions, cell.Canvas, errLen, errPos, cell.Canvas.TextHeight(QStringLiteral("hg")));
}

bool TDudStringGrid::ShowsSortGlyph(int32_t col, int32_t aRow)
{
    const TSortSettings& sort = *FSortSettings;
    if (!IsSortIndicatorRow(col, aRow) || FixedRows() == 0 || (col < FixedCols() && !sort.FixedCols()))
        return false;
    const int32_t position = FSortIndexes->FindIndex(col);
    return (col == sort.Column() || position >= 0) && (position <= 0 || sort.IndexShow());
}

void TDudStringGrid::DrawSortGlyphOfText(TCellPaint& cell, const TRect& area, const String& text)
{
    const int32_t textWidth = std::max(0, std::min(area.Width() - 16, cell.Canvas.TextWidth(text)));
    const bool glyphBefore = (cell.GraphicHAlign == haBeforeText && cell.HAlign == taLeftJustify)
        || cell.GraphicHAlign == haLeft;
    int32_t x = area.Left + textWidth + (glyphBefore ? cell.GraphicWidth : 0) + 10;
    if (cell.HAlign == taRightJustify)
        x = area.Right - textWidth - 10;
    else if (cell.HAlign == taCenter)
        x = area.Left + 8;
    int32_t y = area.Top + 8;
    if (cell.VAlign == vtaCenter)
        y = (area.Top + area.Bottom) / 2;
    else if (cell.VAlign == vtaBottom)
        y = area.Bottom - 8;
    DrawSortIndicator(cell.Canvas, cell.Col, x, y);
}

void TDudStringGrid::DrawCellGraphic(TCellPaint& cell, TRect rect)
{
    TCellGraphic& graphic = *cell.Graphic;
    const TCellType type = graphic.CellType();
    if (type != ctNode && type != ctProgress && type != ctRangeIndicator && type != ctXPProgress) {
        rect.Left += FXYOffset.X - 1;
        rect.Right -= FXYOffset.X - 1;
        rect.Top += FXYOffset.Y - 1;
        rect.Bottom -= FXYOffset.Y - 1;
    }
    if (cell.TextWidth > 0)
        cell.TextWidth += 2;
    switch (type) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
        DrawControlGraphic(cell, rect);
        break;
    case ctRadio: {
        bool enabled = true;
        CanEditCell(cell.Col, cell.Row, enabled);
        const TStrings* options = graphic.CellStrings();
        DrawRadioGroup(cell.Canvas, rect, false, 1.0, FControlLook->ControlStyle(), cell.Row, cell.Col,
            cell.State.Contains(gdSelected), options, !enabled, graphic.CellBoolean(), graphic.CellIndex(),
            options ? options->Count() : 0);
        break;
    }
    default:
        DrawOtherCellGraphic(cell, rect);
        break;
    }
}

void TDudStringGrid::DrawControlGraphic(TCellPaint& cell, const TRect& rect)
{
    TCellGraphic& graphic = *cell.Graphic;
    const TCellType type = graphic.CellType();
    const bool radio = type == ctRadioButton;
    const int32_t size = radio ? FControlLook->RadioSize() : FControlLook->CheckSize();
    const bool textAware = type == ctCheckBox || type == ctRadioButton || type == ctTriStateCheckBox;
    const int32_t textWidth = textAware ? cell.TextWidth : 0;
    int32_t left = rect.Left + 1;
    if (cell.HAlign == taRightJustify)
        left = rect.Right - 1 - textWidth - size;
    else if (cell.HAlign == taCenter)
        left = textAware && textWidth > 0 ? rect.Left + std::max(0, rect.Width() - textWidth) / 2 - size
                                          : rect.Left + (rect.Width() - size) / 2;
    left = std::max(left, rect.Left + 1);
    // A check box follows the cell's own vertical text alignment when it
    // differs from the grid's.
    TCellVAlign vAlign = graphic.CellVAlign();
    if (cell.VAlign != FVAlignment)
        vAlign = cell.VAlign == vtaCenter ? vaCenter : cell.VAlign == vtaBottom ? vaBottom : vaTop;
    int32_t top = rect.Top + 1;
    if (vAlign == vaBottom)
        top = rect.Bottom - 1 - size;
    else if (vAlign == vaCenter && size <= rect.Height())
        top = rect.Top + (rect.Height() - size) / 2;
    else if (vAlign == vaUnderText)
        top = rect.Bottom - size;
    bool enabled = true;
    CanEditCell(cell.Col, cell.Row, enabled);
    const TControlLook::TControlStyle style = FControlLook->ControlStyle();
    // A balloon kept on a check box also sets the angle field: that box is
    // not a grayed one.
    const bool grayed = graphic.CellAngle() > 0 && !graphic.CellStrings();
    switch (type) {
    case ctCheckBox:
    case ctRowCheckBox:
        DrawCheckGlyph(cell.Canvas, Rect(left, top, left + size, top + size), graphic.CellBoolean(), cbUnchecked,
            false, style, grayed, enabled);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        String checkTrue;
        GetCheckTrue(cell.Col, cell.Row, checkTrue);
        DrawCheckGlyph(cell.Canvas, Rect(left, top, left + size, top + size), Cells(cell.Col, cell.Row) == checkTrue,
            cbUnchecked, false, style, false, enabled);
        break;
    }
    case ctTriStateCheckBox:
        DrawCheckGlyph(cell.Canvas, Rect(left, top, left + size, top + size), false, graphic.CellCheckBoxState(), true,
            style, grayed, enabled);
        break;
    default:
        left += FXYOffset.X;
        DrawRadioGroup(cell.Canvas, Rect(left, top, left + size, top + size), false, 1.0, style, cell.Row, cell.Col,
            cell.State.Contains(gdSelected), nullptr, !enabled, false, graphic.CellBoolean() ? 0 : -2, 1);
        break;
    }
}

void TDudStringGrid::DrawCheckGlyph(TCanvas& canvas, const TRect& rect, bool checked, TCheckBoxState state,
    bool triState, TControlLook::TControlStyle style, bool grayed, bool enabled)
{
    if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->CheckAlwaysActive())
        enabled = true;
    if (triState) {
        checked = state == cbChecked;
        grayed = grayed || state == cbGrayed;
    }
    const int32_t size = FControlLook->CheckSize();
    const TRect square = Rect(rect.Left, rect.Top, rect.Left + size, rect.Top + size);
    if (style == TControlLook::csTheme) {
        const int32_t themeState = grayed ? (enabled ? 9 : 12) : checked ? (enabled ? 5 : 8) : (enabled ? 1 : 4);
        if (ThemesAvailable() && DrawThemePart(canvas, this, u"button", 3, themeState, square))
            return;
        style = TControlLook::csClassic;
    }
    switch (style) {
    case TControlLook::csWinXP:
    case TControlLook::csVUV: {
        static constexpr const char* Names[2][4] = { { "ZUZCHK05", "ZUZCHK07", "ZUZCHK06", "ZUZCHK08" },
            { "ZUZCHK01", "ZUZCHK03", "ZUZCHK02", "ZUZCHK04" } };
        const int32_t index = (checked ? 0 : 2) + (enabled ? 0 : 1);
        RegisterGridGlyphs();
        TBitmap glyph;
        LoadResourceBitmap(QString::fromLatin1(Names[style == TControlLook::csVUV][index]), glyph);
        glyph.SetTransparent(true);
        canvas.Draw(rect.Left, rect.Top, glyph);
        break;
    }
    case TControlLook::csGlyph: {
        TBitmap glyph(checked ? FControlLook->CheckedGlyph() : FControlLook->UnCheckedGlyph());
        if (glyph.Width() == 0)
            return;
        glyph.SetTransparent(true);
        canvas.Draw(rect.Left, rect.Top, glyph);
        break;
    }
    case TControlLook::csBorland:
        DrawBorlandCheck(canvas, square, checked, enabled);
        break;
    default: {
        const TRect centred = Rect(rect.Left + (rect.Width() - size) / 2, rect.Top + (rect.Height() - size) / 2,
            rect.Left + (rect.Width() - size) / 2 + size, rect.Top + (rect.Height() - size) / 2 + size);
        uint32_t flags = DFCS_BUTTONCHECK;
        if (checked)
            flags |= DFCS_CHECKED;
        if (grayed)
            flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
        if (style == TControlLook::csFlat)
            flags |= DFCS_FLAT;
        if (!enabled)
            flags |= DFCS_INACTIVE;
        DrawFrameControl(canvas, centred, DFC_BUTTON, flags);
        break;
    }
    }
}

void TDudStringGrid::DrawBorlandCheck(TCanvas& canvas, const TRect& rect, bool checked, bool enabled)
{
    const int32_t size = FControlLook->CheckSize();
    canvas.Brush().SetColor(enabled ? clBtnFace : clBtnShadow);
    canvas.Pen().SetColor(clBtnFace);
    canvas.Rectangle(rect);
    canvas.Pen().SetColor(clBtnHighlight);
    canvas.MoveTo(rect.Left, rect.Bottom - 1);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Right - 1, rect.Top);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
    canvas.LineTo(rect.Left, rect.Bottom - 1);
    if (!checked)
        return;
    canvas.Pen().SetColor(enabled ? FControlLook->Color() : TColor(0x808080));
    canvas.Pen().SetWidth(1);
    const auto line = [&canvas](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    line(rect.Left + 2, rect.Top + size / 2, rect.Left + 2, rect.Bottom - 2);
    line(rect.Left + 3, rect.Top - 1 + size / 2, rect.Left + 3, rect.Bottom - 3);
    line(rect.Left + 2, rect.Bottom - 2, rect.Right - 2, rect.Top + 2);
    line(rect.Left + 3, rect.Bottom - 2, rect.Right - 1, rect.Top + 2);
}

void TDudStringGrid::DrawRadioGroup(TCanvas& canvas, const TRect& rect, bool upward, double scale,
    TControlLook::TControlStyle style, int32_t aRow, int32_t aCol, bool selected, const TStrings* items,
    bool disabled, bool horizontal, int32_t index, int32_t count)
{
    if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->RadioAlwaysActive())
        disabled = false;
    if (count <= 0)
        return;
    if (style == TControlLook::csTheme && !ThemesAvailable())
        style = TControlLook::csClassic;
    const bool frameStyle = style == TControlLook::csClassic || style == TControlLook::csFlat;
    const bool bitmapStyle =
        style == TControlLook::csWinXP || style == TControlLook::csVUV || style == TControlLook::csGlyph;
    const int32_t size = frameStyle ? FControlLook->RadioSize() : 16;
    const int32_t lineHeight = frameStyle ? canvas.TextHeight(QStringLiteral("gh"))
                                          : std::max(16, canvas.TextHeight(QStringLiteral("gh")));
    const int32_t direction = upward ? -1 : 1;
    const int32_t glyph = static_cast<int32_t>(Round(scale * (style == TControlLook::csFlat ? size + 2 : size)));
    const String cellText = Cells(aCol, aRow);
    const TColor fontColor = canvas.Font().Color();
    if (selected && FShowSelection && FSelectionTextColor != clNone)
        canvas.Font().SetColor(FSelectionTextColor);
    canvas.Brush().SetStyle(bsClear);
    int32_t textsBefore = 0;
    for (int32_t item = 1; item <= count; ++item) {
        const bool hasText = items && items->Count() >= item;
        const String text = hasText ? items->Strings(item - 1) : String();
        const bool checked = (index == -1 && cellText == text) || item == index + 1;
        int32_t left = rect.Left + 2;
        int32_t top = rect.Top + 2 + (item - 1) * lineHeight * direction;
        int32_t textLeft = frameStyle ? left + static_cast<int32_t>(Round(scale * (size + 4)))
                                      : rect.Left + (bitmapStyle ? 18 : 20);
        int32_t textTop = top - 2;
        if (horizontal) {
            left = frameStyle ? rect.Left + 2 + (item - 1) * size + textsBefore
                              : rect.Left + item * 16 - 14 + textsBefore;
            top = rect.Top + (rect.Height() - glyph) / 2;
            textLeft = frameStyle ? left + static_cast<int32_t>(Round(scale * size)) : left + 16;
            textTop = top - 2;
        } else if (!hasText) {
            left = rect.Left + (rect.Width() - glyph) / 2;
        }
        if (!frameStyle && bitmapStyle)
            textTop = top + 1;
        if (!frameStyle) {
            DrawRadioGlyph16(canvas, left, top, style, checked, disabled);
            canvas.Brush().SetStyle(bsClear);
            if (hasText) {
                canvas.TextOut(textLeft, textTop, text);
                textsBefore += canvas.TextWidth(text);
            }
            continue;
        }
        uint32_t flags = DFCS_BUTTONRADIO;
        if (style == TControlLook::csFlat)
            flags |= DFCS_FLAT;
        if (disabled)
            flags |= DFCS_INACTIVE;
        if (checked)
            flags |= DFCS_CHECKED;
        DrawFrameControl(canvas, Rect(left, top, left + glyph, top + glyph), DFC_BUTTON, flags);
        if (hasText) {
            canvas.TextOut(textLeft, textTop, text);
            textsBefore += canvas.TextWidth(text);
        }
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Font().SetColor(fontColor);
}
