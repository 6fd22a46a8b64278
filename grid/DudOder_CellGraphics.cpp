#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_GridSettings.h"
#include "grid/DudOder_SortSettings.h"
#include "platform/core/Math.h"
#include "platform/graphics/Bitmap.h"

#include <algorithm>

// A cell's graphic sits in its cell properties, which own it. The shared
// graphics (the row check box here, the column grid's virtual check box) are
// answered by GetCellGraphic and never stored in a cell, so removing a cell's
// graphic can never free them.

namespace {

bool IsCheckBoxType(TCellType type)
{
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox
        || type == ctTriStateCheckBox;
}

bool Beside(const TCellGraphic& graphic)
{
    return graphic.CellHAlign() == haBeforeText || graphic.CellHAlign() == haAfterText;
}

bool Over(const TCellGraphic& graphic)
{
    return graphic.CellVAlign() == vaUnderText || graphic.CellVAlign() == vaAboveText;
}

} // namespace

TCellGraphic* TDudStringGrid::GetCellGraphic(int32_t aCol, int32_t aRow)
{
    if (aCol < 0 || aRow < 0)
        return nullptr;
    TPersistent* object = GetGraphicObjectEx(aCol, aRow);
    auto* graphic = dynamic_cast<TCellGraphic*>(object);
    if (aCol != 0 || !FMouseActions->HotmailRowSelect() || (object && !graphic))
        return graphic;
    TCellGraphic& shared = *FCellGraphic;
    shared.SetCellType(ctRowCheckBox);
    const int32_t dataRows = RowCount() - FixedRows();
    if (aRow == 0) {
        const int32_t selected = RowSelectCount();
        shared.SetCellAngle(selected > 0 && selected < dataRows ? 1 : 0);
        shared.SetCellBoolean(selected >= dataRows);
    } else {
        shared.SetCellAngle(0);
        shared.SetCellBoolean(GetRowSelect(RealRowIndex(aRow)));
    }
    shared.SetCellTransparent(FControlLook->ControlStyle() == TControlLook::csFlat);
    return &shared;
}

TCellType TDudStringGrid::GetCellType(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    return graphic ? graphic->CellType() : ctEmpty;
}

TIntList* TDudStringGrid::GetCellImages(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    return graphic && graphic->CellType() == ctImages ? graphic->CellImages() : nullptr;
}

TCellGraphic& TDudStringGrid::CreateCellGraphic(int32_t aCol, int32_t aRow)
{
    auto graphic = std::make_unique<TCellGraphic>();
    TCellGraphic& created = *graphic;
    SetGraphicObjectEx(aCol, aRow, std::move(graphic));
    if (const int32_t displayCol = RemapColToDispl(aCol); FNumHidden > 0 && displayCol != aCol)
        RepaintCell(displayCol, aRow);
    return created;
}

bool TDudStringGrid::RemoveCellGraphic(int32_t aCol, int32_t aRow)
{
    if (aCol < 0 || aRow < 0 || !GetGraphicObjectEx(aCol, aRow))
        return false;
    SetGraphicObjectEx(aCol, aRow, nullptr);
    if ((ComponentState() & csDestroying) == 0)
        RepaintCell(RemapColToDispl(aCol), aRow);
    return true;
}

bool TDudStringGrid::RemoveCellGraphicOfType(int32_t aCol, int32_t aRow, TCellType cellType)
{
    return GetCellType(aCol, aRow) == cellType && RemoveCellGraphic(aCol, aRow);
}

bool TDudStringGrid::IsBaseCellTypeIn(int32_t aCol, int32_t aRow, std::initializer_list<TCellType> types)
{
    if (aCol < 0 || aRow < 0)
        return false;
    const TPoint base = BaseCell(aCol, aRow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && std::find(types.begin(), types.end(), graphic->CellType()) != types.end();
}

bool TDudStringGrid::IsControlCell(int32_t aCol, int32_t aRow)
{
    if (aCol < 0 || aRow < 0)
        return false;
    const TPoint base = BaseCell(aCol, aRow);
    switch (GetCellType(base.X, base.Y)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

bool TDudStringGrid::IsDataGraphicCell(int32_t aCol, int32_t aRow)
{
    if (aCol < 0 || aRow < 0)
        return false;
    const TPoint base = BaseCell(aCol, aRow);
    const TCellType type = GetCellType(base.X, base.Y);
    return type == ctDataCheckBox || type == ctDataImage || type == ctVirtCheckBox || type == ctRowCheckBox;
}

intptr_t TDudStringGrid::CellGraphicSortKey(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic)
        return -1;
    switch (graphic->CellType()) {
    case ctBitmap:
        return reinterpret_cast<intptr_t>(graphic->CellBitmap());
    case ctIcon:
        return reinterpret_cast<intptr_t>(graphic->CellIcon());
    case ctImageList:
        return graphic->CellIndex();
    default:
        return -1;
    }
}

TPoint TDudStringGrid::GetCellGraphicSize(int32_t aCol, int32_t aRow)
{
    return CalcCellGraphicSize(aCol, aRow, 0);
}

TPoint TDudStringGrid::CalcCellGraphicSize(int32_t aCol, int32_t aRow, int32_t extraHeight)
{
    TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic)
        return TPoint {};
    const bool hasText = !Cells(aCol, aRow).isEmpty();
    const TImageList* images = GetGridImageList();
    int32_t width = 0;
    int32_t height = 0;
    bool stretchWidth = true;
    switch (const TCellType type = graphic->CellType()) {
    case ctIcon:
        if (const TIcon* icon = graphic->CellIcon()) {
            width = Beside(*graphic) || !hasText ? icon->Width() : 0;
            height = icon->Height();
        }
        break;
    case ctBitmap:
        if (const TBitmap* bitmap = graphic->CellBitmap()) {
            width = Beside(*graphic) || !hasText ? bitmap->Width() : 0;
            height = Over(*graphic) || !hasText ? bitmap->Height() : 0;
        }
        break;
    case ctImageList:
    case ctDataImage:
        if (images) {
            width = Beside(*graphic) || !hasText ? images->Width() : 0;
            height = Over(*graphic) || !hasText ? images->Height() : 0;
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(RemapColToDispl(aCol), aRow);
        const TPoint size = graphic->GetPictureSize(cell.X - TotalXOffset() - 1,
            cell.Y - TotalYOffset() - extraHeight - 1, hasText);
        width = size.X;
        height = size.Y;
        break;
    }
    case ctButton:
    case ctBitButton:
        width = graphic->CellIndex() & 0xFFFF;
        height = (graphic->CellIndex() >> 16) & 0xFFFF;
        if (hasText) {
            if (graphic->CellHAlign() == haCenter)
                width = 0;
            else if (graphic->CellHAlign() == haFull) {
                width = Canvas().TextWidth(graphic->CellText()) + 4;
                stretchWidth = graphic->CellText().isEmpty();
            }
            if (!Over(*graphic))
                height = 0;
            else
                width = 0;
        } else if (graphic->CellHAlign() == haFull) {
            Canvas().Font().Assign(Font());
            width = Canvas().TextWidth(graphic->CellText()) + 4;
            stretchWidth = graphic->CellText().isEmpty();
        }
        break;
    case ctInterface: {
        const TPoint cell = CellSize(RemapColToDispl(aCol), aRow);
        IGridCellDrawer* drawer = graphic->CellInterface();
        width = drawer ? drawer->GetWidth() : 0;
        height = drawer ? drawer->GetHeight() : 0;
        if (width == 0 || height == 0) {
            width = cell.X;
            height = cell.Y;
        }
        break;
    }
    case ctProgressPie:
        width = height = 20;
        break;
    case ctRadioButton:
        width = height = FControlLook->RadioSize();
        break;
    case ctRadio:
        if (const TStrings* options = graphic->CellStrings()) {
            const int32_t lineHeight = Canvas().TextHeight(QStringLiteral("gh"));
            if (graphic->CellBoolean()) {
                height = lineHeight;
                for (int32_t index = 0; index < options->Count(); ++index)
                    width += Canvas().TextWidth(options->Strings(index)) + 12;
            } else {
                int32_t widest = 0;
                for (int32_t index = 0; index < options->Count(); ++index)
                    widest = std::max(widest, Canvas().TextWidth(options->Strings(index)));
                width = 12 + widest;
                height = std::max(16, lineHeight) * options->Count();
            }
        }
        break;
    case ctRating:
        width = 18 * graphic->CellAngle();
        height = 16;
        stretchWidth = false;
        break;
    case ctImages:
        if (const TIntList* list = graphic->CellImages(); list && images) {
            if (graphic->CellBoolean()) {
                width = list->Count() * images->Width();
                height = images->Height();
            } else {
                width = images->Width();
                height = list->Count() * images->Height();
            }
        }
        break;
    default:
        if (IsCheckBoxType(type))
            width = height = FControlLook->CheckSize();
        break;
    }
    const TRect cell = CellRect(RemapColToDispl(aCol), aRow);
    if (graphic->CellVAlign() == vaFull) {
        height = cell.Height();
        if (graphic->CellHAlign() == haFull)
            width = cell.Width();
    } else if (graphic->CellHAlign() == haFull && stretchWidth) {
        width = cell.Width();
    }
    return TPoint { width, height };
}

TPoint TDudStringGrid::CalcPrintGraphicSize(int32_t aCol, int32_t aRow, int32_t width, int32_t height, double scale)
{
    const TCellGraphic* graphic = GetCellGraphic(aCol, aRow);
    if (!graphic)
        return TPoint {};
    const bool hasText = !Cells(aCol, aRow).isEmpty();
    const TImageList* images = GetGridImageList();
    switch (const TCellType type = graphic->CellType()) {
    case ctBitmap:
        if (const TBitmap* bitmap = graphic->CellBitmap())
            return TPoint { bitmap->Width(), bitmap->Height() };
        return TPoint {};
    case ctIcon:
        if (const TIcon* icon = graphic->CellIcon())
            return TPoint { icon->Width(), icon->Height() };
        return TPoint {};
    case ctImageList:
        if (!images)
            return TPoint {};
        return TPoint { Beside(*graphic) || !hasText ? images->Width() : 0, images->Height() };
    case ctDataImage:
        return images ? TPoint { images->Width(), images->Height() } : TPoint {};
    case ctRadioButton:
        return TPoint { FControlLook->RadioSize(), FControlLook->RadioSize() };
    case ctProgressPie:
    case ctNode:
        return TPoint { 20, 20 };
    case ctRadio: {
        const TStrings* options = graphic->CellStrings();
        if (!options)
            return TPoint {};
        const int32_t lineHeight = Canvas().TextHeight(QStringLiteral("gh"));
        int32_t total = 0;
        int32_t widest = 0;
        for (int32_t index = 0; index < options->Count(); ++index) {
            const int32_t textWidth = Canvas().TextWidth(options->Strings(index));
            total += textWidth + 12;
            widest = std::max(widest, textWidth);
        }
        if (graphic->CellBoolean())
            return TPoint { total, lineHeight };
        return TPoint { 12 + widest, lineHeight * options->Count() };
    }
    case ctImages: {
        const TIntList* list = graphic->CellImages();
        if (!list || !images)
            return TPoint {};
        if (graphic->CellBoolean())
            return TPoint { list->Count() * images->Width(), images->Height() };
        return TPoint { images->Width(), list->Count() * images->Height() };
    }
    case ctPicture:
    case ctFilePicture: {
        const TPoint size = graphic->GetPictureSize(width, height, hasText);
        return TPoint { static_cast<int32_t>(Round(size.X / scale)), static_cast<int32_t>(Round(size.Y / scale)) };
    }
    case ctProgress:
    case ctXPProgress:
        return TPoint { GetAllColWidths(aCol), RowHeights(aRow) };
    case ctButton:
    case ctBitButton:
        return TPoint { graphic->CellIndex() & 0xFFFF, (graphic->CellIndex() >> 16) & 0xFFFF };
    case ctInterface: {
        IGridCellDrawer* drawer = graphic->CellInterface();
        if (!drawer)
            return TPoint {};
        const TRect cell = CellRect(RemapColToDispl(aCol), aRow);
        const int32_t drawerWidth = drawer->GetWidth();
        const int32_t drawerHeight = drawer->GetHeight();
        return TPoint { drawerWidth != 0 ? drawerWidth : cell.Width(), drawerHeight != 0 ? drawerHeight : cell.Height() };
    }
    case ctShape: {
        const int32_t side = RowHeights(aRow) - 2 * FXYOffset.Y;
        return TPoint { side, side };
    }
    default:
        if (IsCheckBoxType(type))
            return TPoint { FControlLook->CheckSize(), FControlLook->CheckSize() };
        return TPoint {};
    }
}

TRect TDudStringGrid::GetCellGraphicRect(int32_t aCol, int32_t aRow)
{
    const TCellGraphic* graphic = GetCellGraphic(RemapColToReal(aCol), aRow);
    if (!graphic)
        return TRect {};
    const TRect cell = CellRect(aCol, aRow);
    const auto offset = static_cast<int32_t>(graphic->CellValue());
    TRect result;
    result.Left = cell.Left + (offset & 0xFFFF);
    result.Top = cell.Top + ((offset >> 16) & 0xFFFF);
    result.Right = result.Left + (graphic->CellIndex() & 0xFFFF);
    result.Bottom = result.Top + ((graphic->CellIndex() >> 16) & 0xFFFF);
    if (graphic->CellVAlign() == vaFull) {
        result.Top = cell.Top;
        result.Bottom = cell.Bottom;
    }
    if (graphic->CellHAlign() == haFull) {
        result.Left = cell.Left;
        result.Right = cell.Right;
    }
    return result;
}

TRect TDudStringGrid::GetExpandButtonRect(int32_t aCol, int32_t aRow)
{
    if (GetCellType(aCol, aRow) != ctExpand)
        return TRect {};
    const TRect cell = CellRect(RemapColToDispl(aCol), aRow);
    return Rect(cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13);
}

int32_t TDudStringGrid::GetRowIndent(int32_t aRow) const
{
    if (!HasNodes() || aRow < 0)
        return 0;
    const TCellProperties* props = GetGridObject(0, aRow);
    return props ? props->NodeLevel() * FCellNode->NodeIndent() : 0;
}

bool TDudStringGrid::IsSortIndicatorRow(int32_t aCol, int32_t aRow)
{
    int32_t row = aRow;
    if (IsMergedCell(aCol, aRow))
        row += CellSpan(aCol, aRow).Y;
    return row == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}
