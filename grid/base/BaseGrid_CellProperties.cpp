#include "grid/base/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* ownerGrid, int32_t aCol, int32_t aRow)
    : FOwnerGrid(ownerGrid), FOwnerCol(aCol), FOwnerRow(aRow), FWordWrap(ownerGrid ? ownerGrid->WordWrap() : true)
{
    if (ownerGrid)
        ownerGrid->FHasCellProps = true;
}

void TCellProperties::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TCellProperties*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FIsBaseCell = other->FIsBaseCell;
    FCellSpanX = other->FCellSpanX;
    FCellSpanY = other->FCellSpanY;
    FOwnerRow = other->FOwnerRow;
    FOwnerCol = other->FOwnerCol;
    FObject = other->FObject;
    FAlignment = other->FAlignment;
    FBorderColor = other->FBorderColor;
    FBorderWidth = other->FBorderWidth;
    FBrushColor = other->FBrushColor;
    FBrushStyle = other->FBrushStyle;
    FFontColor = other->FFontColor;
    FFontStyle = other->FFontStyle;
    FFontName = other->FFontName;
    FFontSize = other->FFontSize;
    FReadOnly = other->FReadOnly;
    FEditor = other->FEditor;
    FVAlignment = other->FVAlignment;
    FWordWrap = other->FWordWrap;
    FNodeLevel = other->FNodeLevel;
    FControl = other->FControl;
}

TPoint TCellProperties::GetBaseCell(int32_t aCol, int32_t aRow) const
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
        return { aCol - FCellSpanX, aRow - FCellSpanY };
    return { aCol, aRow };
}

void TCellProperties::SetGraphicObject(TPersistent* graphic)
{
    if (graphic != FOwnedGraphicObject.get())
        FOwnedGraphicObject.reset();
    FGraphicObject = graphic;
}

void TCellProperties::SetOwnedGraphicObject(std::unique_ptr<TPersistent> graphic)
{
    FGraphicObject = graphic.get();
    FOwnedGraphicObject = std::move(graphic);
}

void TCellProperties::RepaintOwnerCell() const
{
    if (FOwnerGrid)
        FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor color)
{
    FBrushColor = color;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor color)
{
    FBrushColorTo = color;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment alignment)
{
    FVAlignment = alignment;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool wordWrap)
{
    FWordWrap = wordWrap;
    RepaintOwnerCell();
}
