#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/base/VidEri.h"
#include "platform/graphics/Bitmap.h"

// Putting graphics into cells, reading and changing them, and taking them
// out: every family follows one pattern. Add refers to the caller's object,
// Create makes one the cell owns and hands it back to be filled, Remove
// takes out only a graphic of its own type.

namespace {

// The rows and columns every RemoveAll walks.
template <class TAction>
void ForEveryCell(TDudStringGrid& grid, TAction action)
{
    for (int32_t col = 0; col < grid.ColCount(); ++col)
        for (int32_t row = 0; row < grid.RowCount(); ++row)
            action(col, row);
}

} // namespace

TCellGraphic* TDudStringGrid::CellGraphicOfType(int32_t aCol, int32_t aRow, TCellType type)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    return graphic && graphic->CellType() == type ? graphic : nullptr;
}

void TDudStringGrid::RepaintRealCell(int32_t aCol, int32_t aRow)
{
    if ((ComponentState() & csDestroying) == 0)
        RepaintCell(RemapColToDispl(aCol), aRow);
}

// ---- pictures and icons

void TDudStringGrid::AddBitmap(int32_t aCol, int32_t aRow, TBitmap* bitmap, bool transparent, TCellHAlign hal,
    TCellVAlign val)
{
    CreateCellGraphic(aCol, aRow).SetBitmap(TCellObject<TBitmap>(bitmap), transparent, hal, val);
    RepaintRealCell(aCol, aRow);
}

TBitmap* TDudStringGrid::CreateBitmap(int32_t aCol, int32_t aRow, bool transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetBitmap(TCellObject<TBitmap>(std::make_unique<TBitmap>()), transparent, hal, val);
    return graphic.CellBitmap();
}

TBitmap* TDudStringGrid::GetBitmap(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = CellGraphicOfType(aCol, aRow, ctBitmap);
    return graphic ? graphic->CellBitmap() : nullptr;
}

void TDudStringGrid::AddPicture(int32_t aCol, int32_t aRow, TPicture* picture, bool transparent,
    TStretchMode stretchMode, int32_t padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(aCol, aRow).SetPicture(TCellObject<TPicture>(picture), transparent, stretchMode, padding, hal,
        val);
    RepaintRealCell(aCol, aRow);
}

TPicture* TDudStringGrid::CreatePicture(int32_t aCol, int32_t aRow, bool transparent, TStretchMode stretchMode,
    int32_t padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetPicture(TCellObject<TPicture>(std::make_unique<TPicture>()), transparent, stretchMode, padding, hal,
        val);
    return graphic.CellPicture();
}

TPicture* TDudStringGrid::GetPicture(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = CellGraphicOfType(aCol, aRow, ctPicture);
    return graphic ? graphic->CellPicture() : nullptr;
}

void TDudStringGrid::AddFilePicture(int32_t aCol, int32_t aRow, TFilePicture* picture, bool transparent,
    TStretchMode stretchMode, int32_t padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(aCol, aRow).SetFilePicture(TCellObject<TFilePicture>(picture), transparent, stretchMode,
        padding, hal, val);
    RepaintRealCell(aCol, aRow);
}

TFilePicture* TDudStringGrid::CreateFilePicture(int32_t aCol, int32_t aRow, bool transparent,
    TStretchMode stretchMode, int32_t padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetFilePicture(TCellObject<TFilePicture>(std::make_unique<TFilePicture>()), transparent, stretchMode,
        padding, hal, val);
    return graphic.CellFilePicture();
}

TFilePicture* TDudStringGrid::GetFilePicture(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = CellGraphicOfType(aCol, aRow, ctFilePicture);
    return graphic ? graphic->CellFilePicture() : nullptr;
}

void TDudStringGrid::AddIcon(int32_t aCol, int32_t aRow, TIcon* icon, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(aCol, aRow).SetIcon(TCellObject<TIcon>(icon), hal, val);
    RepaintRealCell(aCol, aRow);
}

TIcon* TDudStringGrid::CreateIcon(int32_t aCol, int32_t aRow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetIcon(TCellObject<TIcon>(std::make_unique<TIcon>()), hal, val);
    return graphic.CellIcon();
}

void TDudStringGrid::AddInterfacedCell(int32_t aCol, int32_t aRow, IGridCellDrawer* object)
{
    CreateCellGraphic(aCol, aRow).SetInterfacedCell(object);
    RepaintRealCell(aCol, aRow);
}

IGridCellDrawer* TDudStringGrid::GetInterfacedCell(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = CellGraphicOfType(aCol, aRow, ctInterface);
    return graphic ? graphic->CellInterface() : nullptr;
}

// ---- image-list images

void TDudStringGrid::AddImageIdx(int32_t aCol, int32_t aRow, int32_t index, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    CreateCellGraphic(aCol, aRow).SetImageIdx(index, hal, val);
    RepaintRealCell(aCol, aRow);
}

bool TDudStringGrid::GetImageIdx(int32_t aCol, int32_t aRow, int32_t& index)
{
    const TCellGraphic* graphic = FGridImages ? CellGraphicOfType(aCol, aRow, ctImageList) : nullptr;
    if (!graphic)
        return false;
    index = graphic->CellIndex();
    return true;
}

void TDudStringGrid::SetImageIdx(int32_t aCol, int32_t aRow, int32_t index)
{
    if (TCellGraphic* graphic = FGridImages ? CellGraphicOfType(aCol, aRow, ctImageList) : nullptr)
        graphic->SetCellIndex(index);
}

void TDudStringGrid::AddDataImage(int32_t aCol, int32_t aRow, int32_t index, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    CreateCellGraphic(aCol, aRow).SetDataImage(index, hal, val);
    if (Cells(aCol, aRow).isEmpty())
        SetInts(aCol, aRow, index);
    RepaintRealCell(aCol, aRow);
}

bool TDudStringGrid::HasDataImage(int32_t aCol, int32_t aRow)
{
    if (aCol < 0 || aRow < 0)
        return false;
    const TPoint base = BaseCell(aCol, aRow);
    return GetCellType(base.X, base.Y) == ctDataImage;
}

void TDudStringGrid::RemoveDataImage(int32_t aCol, int32_t aRow)
{
    RemoveCellGraphicOfType(aCol, aRow, ctDataImage);
    SetCells(aCol, aRow, String());
}

void TDudStringGrid::AddMultiImage(int32_t aCol, int32_t aRow, int32_t dir, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    CreateCellGraphic(aCol, aRow).SetMultiImage(aCol, aRow, dir, hal, val,
        [this](TIntList*, int32_t col, int32_t row) { RepaintRealCell(col, row); });
    RepaintRealCell(aCol, aRow);
}

// ---- progress and value indicators

void TDudStringGrid::AddProgress(int32_t aCol, int32_t aRow, TColor fgColor, TColor bkColor)
{
    AddProgressFormatted(aCol, aRow, fgColor, clNone, bkColor, clNone, String(), 0, 100);
    GetCellGraphic(aCol, aRow)->SetCellBoolean(false);
}

void TDudStringGrid::AddProgressEx(int32_t aCol, int32_t aRow, TColor fgColor, TColor fgTextColor, TColor bkColor,
    TColor bkTextColor)
{
    AddProgressFormatted(aCol, aRow, fgColor, fgTextColor, bkColor, bkTextColor, String(), 0, 100);
}

void TDudStringGrid::AddProgressFormatted(int32_t aCol, int32_t aRow, TColor fgColor, TColor fgTextColor,
    TColor bkColor, TColor bkTextColor, const String& format, int32_t min, int32_t max)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctProgress);
    graphic.SetCellHAlign(haLeft);
    graphic.SetCellVAlign(vaTop);
    graphic.SetColors(fgColor, bkColor);
    graphic.SetCellIndex(static_cast<int32_t>(fgTextColor));
    graphic.SetCellAngle(static_cast<int32_t>(bkTextColor));
    graphic.SetCellBoolean(true);
    graphic.SetCellText(format);
    graphic.SetCellErrFrom(min);
    graphic.SetCellErrLen(max);
    if (FAutoNumAlign)
        SetAlignments(aCol, aRow, taRightJustify);
    RepaintRealCell(aCol, aRow);
}

void TDudStringGrid::AddDudProgress(int32_t aCol, int32_t aRow, int32_t min, int32_t max)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctXPProgress);
    graphic.SetCellHAlign(haLeft);
    graphic.SetCellVAlign(vaTop);
    graphic.SetCellErrFrom(min);
    graphic.SetCellErrLen(max);
    graphic.SetCellText(String());
    graphic.SetCellBoolean(false);
    RepaintRealCell(aCol, aRow);
}

void TDudStringGrid::AddProgressPie(int32_t aCol, int32_t aRow, TColor color, int32_t value)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctProgressPie);
    graphic.SetCellHAlign(haBeforeText);
    graphic.SetCellVAlign(vaTop);
    graphic.SetColors(color, clNone);
    graphic.SetCellAngle(value);
    RepaintRealCell(aCol, aRow);
}

void TDudStringGrid::SetProgressPie(int32_t aCol, int32_t aRow, int32_t value)
{
    if (TCellGraphic* graphic = CellGraphicOfType(aCol, aRow, ctProgressPie)) {
        graphic->SetCellAngle(value);
        RepaintRealCell(aCol, aRow);
    }
}

void TDudStringGrid::AddRangeIndicator(int32_t aCol, int32_t aRow, int32_t range, TColor negColor, TColor posColor,
    bool showValue)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctRangeIndicator);
    graphic.SetCellHAlign(haLeft);
    graphic.SetCellVAlign(vaTop);
    graphic.SetCellIndex(range);
    graphic.SetColors(negColor, posColor);
    graphic.SetCellBoolean(showValue);
    RepaintRealCell(aCol, aRow);
}

// ---- comments

void TDudStringGrid::AddComment(int32_t aCol, int32_t aRow, const String& comment)
{
    AddColorComment(aCol, aRow, comment, FControlLook->CommentColor());
}

void TDudStringGrid::AddColorComment(int32_t aCol, int32_t aRow, const String& comment, TColor color)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctComment);
    graphic.SetCellText(comment);
    graphic.SetCellIndex(static_cast<int32_t>(color));
    RepaintRealCell(aCol, aRow);
}

bool TDudStringGrid::IsComment(int32_t aCol, int32_t aRow, String& comment)
{
    const TCellGraphic* graphic = CellGraphicOfType(aCol, aRow, ctComment);
    if (!graphic)
        return false;
    comment = graphic->CellText();
    return true;
}

String TDudStringGrid::GetComment(int32_t aCol, int32_t aRow)
{
    String comment;
    IsComment(aCol, aRow, comment);
    return comment;
}

void TDudStringGrid::SetComment(int32_t aCol, int32_t aRow, const String& value)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic) {
        AddComment(aCol, aRow, value);
    } else if (graphic->CellType() == ctComment) {
        graphic->SetCellText(value);
        RepaintRealCell(aCol, aRow);
    }
}

void TDudStringGrid::RemoveAllComments()
{
    ForEveryCell(*this, [this](int32_t col, int32_t row) { RemoveComment(col, row); });
}

// ---- shapes and rating

void TDudStringGrid::AddShape(int32_t aCol, int32_t aRow, TCellShape shape, TColor fillColor, TColor lineColor,
    TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctShape);
    graphic.SetCellAngle(shape);
    graphic.SetCellIndex(static_cast<int32_t>(fillColor));
    graphic.SetColors(lineColor, clNone);
    graphic.SetCellHAlign(hal);
    graphic.SetCellVAlign(val);
    RepaintRealCell(aCol, aRow);
}

void TDudStringGrid::SetShapeColor(int32_t aCol, int32_t aRow, TColor fillColor)
{
    if (GetCellType(aCol, aRow) == ctShape)
        GetCellGraphic(aCol, aRow)->SetCellIndex(static_cast<int32_t>(fillColor));
}

TColor TDudStringGrid::GetShapeColor(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = CellGraphicOfType(aCol, aRow, ctShape);
    return graphic ? TColor(static_cast<uint32_t>(graphic->CellIndex())) : clNone;
}

void TDudStringGrid::AddRating(int32_t aCol, int32_t aRow, int32_t scale, TColor fillColor, TColor emptyColor)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctRating);
    graphic.SetCellAngle(scale);
    graphic.SetCellIndex(static_cast<int32_t>(fillColor));
    graphic.SetColors(emptyColor, clNone);
    graphic.SetCellHAlign(haFull);
    graphic.SetCellVAlign(vaTop);
    RepaintRealCell(aCol, aRow);
}

// ---- scroll bars inside cells

TCellGraphic* TDudStringGrid::BaseScrollBar(int32_t aCol, int32_t aRow)
{
    if (aCol < 0 || aRow < 0)
        return nullptr;
    const TPoint base = BaseCell(aCol, aRow);
    return CellGraphicOfType(base.X, base.Y, ctScrollbar);
}

void TDudStringGrid::AddScrollBar(int32_t aCol, int32_t aRow, bool autoRange)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetCellType(ctScrollbar);
    graphic.SetCellAngle(0);
    graphic.SetCellErrFrom(100);
    graphic.SetCellIndex(0);
    graphic.SetCellBoolean(autoRange);
    if (autoRange)
        CellTextChanged(aCol, aRow);
    RepaintRealCell(aCol, aRow);
}

bool TDudStringGrid::HasAutoRangeScrollBar(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = BaseScrollBar(aCol, aRow);
    return graphic && graphic->CellBoolean();
}

void TDudStringGrid::SetScrollPosition(int32_t aCol, int32_t aRow, int32_t position)
{
    if (TCellGraphic* graphic = BaseScrollBar(aCol, aRow)) {
        graphic->SetCellIndex(position);
        RepaintRealCell(aCol, aRow);
    }
}

int32_t TDudStringGrid::GetScrollPosition(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = BaseScrollBar(aCol, aRow);
    return graphic ? graphic->CellIndex() : -1;
}

void TDudStringGrid::SetScrollProp(int32_t aCol, int32_t aRow, TScrollProp prop)
{
    if (TCellGraphic* graphic = BaseScrollBar(aCol, aRow)) {
        graphic->SetCellAngle(prop.PageSize);
        graphic->SetCellErrFrom(prop.Range);
    }
}

TScrollProp TDudStringGrid::GetScrollProp(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = BaseScrollBar(aCol, aRow);
    return graphic ? TScrollProp { graphic->CellAngle(), graphic->CellErrFrom() } : TScrollProp { -1, -1 };
}

// ---- markers

void TDudStringGrid::AddMarker(int32_t aCol, int32_t aRow, int32_t errPos, int32_t errLen)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic) {
        graphic = &CreateCellGraphic(aCol, aRow);
        graphic->SetCellType(ctEmpty);
    }
    graphic->SetCellErrFrom(errPos);
    graphic->SetCellErrLen(errLen);
    RepaintRealCell(aCol, aRow);
}

void TDudStringGrid::GetMarker(int32_t aCol, int32_t aRow, int32_t& errPos, int32_t& errLen)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    errPos = graphic ? graphic->CellErrFrom() : 0;
    errLen = graphic ? graphic->CellErrLen() : 0;
}

void TDudStringGrid::RemoveMarker(int32_t aCol, int32_t aRow)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic)
        return;
    if (graphic->CellType() == ctEmpty) {
        RemoveCellGraphic(aCol, aRow);
        return;
    }
    graphic->SetCellErrFrom(0);
    graphic->SetCellErrLen(0);
    RepaintRealCell(aCol, aRow);
}

void TDudStringGrid::RemoveAllMarkers()
{
    ForEveryCell(*this, [this](int32_t col, int32_t row) { RemoveMarker(col, row); });
}

// ---- buttons

void TDudStringGrid::AddButton(int32_t aCol, int32_t aRow, int32_t width, int32_t height, const String& caption,
    TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(aCol, aRow).SetButton(width, height, caption, hal, val);
    RepaintRealCell(aCol, aRow);
}

void TDudStringGrid::AddBitButton(int32_t aCol, int32_t aRow, int32_t width, int32_t height, const String& caption,
    TBitmap* glyph, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(aCol, aRow).SetBitButton(width, height, caption, TCellObject<TBitmap>(glyph), hal, val);
    RepaintRealCell(aCol, aRow);
}

TBitmap* TDudStringGrid::CreateBitButton(int32_t aCol, int32_t aRow, int32_t width, int32_t height,
    const String& caption, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic& graphic = CreateCellGraphic(aCol, aRow);
    graphic.SetBitButton(width, height, caption, TCellObject<TBitmap>(std::make_unique<TBitmap>()), hal, val);
    return graphic.CellBitmap();
}

void TDudStringGrid::SetButtonText(int32_t aCol, int32_t aRow, const String& caption)
{
    const int32_t realCol = RemapColToReal(aCol);
    if (TCellGraphic* graphic = GetCellGraphic(realCol, aRow)) {
        graphic->SetCellText(caption);
        RepaintCell(aCol, aRow);
    }
}

String TDudStringGrid::GetButtonText(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = GetCellGraphic(RemapColToReal(aCol), aRow);
    return graphic ? graphic->CellText() : String();
}

void TDudStringGrid::PushButton(int32_t aCol, int32_t aRow, bool push)
{
    TCellGraphic* graphic = GetCellGraphic(RemapColToReal(aCol), aRow);
    if (!graphic || graphic->CellType() == ctNode)
        return;
    graphic->SetCellBoolean(push);
    RepaintCell(aCol, aRow);
}

void TDudStringGrid::RemoveButton(int32_t aCol, int32_t aRow)
{
    RemoveCellGraphicOfType(aCol, aRow, ctButton);
    RemoveCellGraphicOfType(aCol, aRow, ctBitButton);
}

void TDudStringGrid::RemoveAllButtons()
{
    ForEveryCell(*this, [this](int32_t col, int32_t row) {
        if (HasButton(col, row))
            RemoveButton(col, row);
    });
}

// ---- events of the cell graphics

void TDudStringGrid::DoRatingChange(int32_t aCol, int32_t aRow, double& newRate, bool& allow)
{
    allow = true;
    if (OnRatingChange)
        OnRatingChange(this, aCol, aRow, newRate, allow);
}

void TDudStringGrid::DoColorSelect(int32_t aCol, int32_t aRow, TColor color, const String& value)
{
    if (OnColorSelect)
        OnColorSelect(this, aCol, aRow, color, value);
}

void TDudStringGrid::DoImageSelect(int32_t aCol, int32_t aRow, int32_t index)
{
    if (OnImageSelect)
        OnImageSelect(this, aCol, aRow, index);
}
