#include "grid/DudOder_FixedEditors.h"

#include "grid/DudOder.h"
#include "grid/base/MarkupRender.h"
#include "platform/core/Math.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Grab.h"

#include <algorithm>

namespace {

constexpr int32_t MinThumbSize = 20;

// The grid's figures along the indicator's direction.
struct TAxis {
    int32_t Count = 0;
    int32_t Fixed = 0;
    int32_t First = 0;
    int32_t Visible = 0;
    int32_t FixedExtent = 0;
    int32_t FooterExtent = 0;
    int32_t FirstExtent = 0;
    int32_t Length = 0;
};

TAxis AxisOf(const TDudStringGrid& grid, const TScrollControl& control)
{
    TAxis axis;
    const bool vertical = control.Direction() == sdVertical;
    const auto extent = [&](int32_t index) { return vertical ? grid.RowHeights(index) : grid.ColWidths(index); };
    axis.Count = vertical ? grid.RowCount() : grid.ColCount();
    axis.Fixed = vertical ? grid.FixedRows() : grid.FixedCols();
    axis.First = vertical ? grid.TopRow() : grid.LeftCol();
    axis.Visible = vertical ? grid.VisibleRowCount() : grid.VisibleColCount();
    axis.Length = vertical ? control.Height() : control.Width();
    for (int32_t index = 0; index < std::min(axis.Fixed, axis.Count); ++index)
        axis.FixedExtent += extent(index);
    for (int32_t index = std::max(axis.Count - grid.FixedFooters(), 0); index < axis.Count; ++index)
        axis.FooterExtent += extent(index);
    axis.FirstExtent = axis.Count > 0 ? extent(0) : 0;
    return axis;
}

} // namespace

void TScrollControl::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    Invalidate();
}

TDudStringGrid* TScrollControl::ServedGrid() const
{
    return dynamic_cast<TDudStringGrid*>(Parent());
}

TScrollControl::TThumb TScrollControl::Thumb() const
{
    const TDudStringGrid* grid = ServedGrid();
    if (!grid)
        return {};
    const TAxis axis = AxisOf(*grid, *this);
    // Without data rows there is nothing to scroll and nothing to divide by.
    const int32_t scrollable = axis.Count - axis.Fixed;
    if (scrollable <= axis.Visible || scrollable <= 0)
        return {};
    const double track = axis.Length - axis.FixedExtent - axis.FooterExtent;
    TThumb thumb;
    thumb.Shown = true;
    thumb.Start = axis.FixedExtent + static_cast<int32_t>(Round(track * (axis.First - axis.Fixed) / scrollable));
    thumb.Size = std::max(static_cast<int32_t>(Round(track * axis.Visible / axis.Count)), MinThumbSize);
    if (thumb.Start + thumb.Size > axis.Length)
        thumb.Start = axis.Length - thumb.Size;
    return thumb;
}

void TScrollControl::Paint()
{
    // The indicator lies over the grid's picture, not over a background.
    TBitmap background;
    background.SetSize(Width(), Height());
    PaintParentBackground(*this, background);
    Canvas().Draw(0, 0, background);
    const TThumb thumb = Thumb();
    if (!thumb.Shown)
        return;
    Canvas().Pen().SetColor(FColor);
    Canvas().Brush().SetColor(FColor);
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().FillRect(FDirection == sdVertical ? Rect(0, thumb.Start, FScrollWidth, thumb.Start + thumb.Size)
                                               : Rect(thumb.Start, 0, thumb.Start + thumb.Size, FScrollWidth));
}

void TScrollControl::ScrollTo(TDudStringGrid& grid, int32_t first) const
{
    if (FDirection == sdVertical)
        grid.SetTopRow(first);
    else
        grid.SetLeftCol(first);
}

void TScrollControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    TDudStringGrid* grid = ServedGrid();
    if (!grid)
        return;
    const TAxis axis = AxisOf(*grid, *this);
    const TThumb thumb = Thumb();
    const int32_t position = FDirection == sdVertical ? y : x;
    if (position < thumb.Start) {
        ScrollTo(*grid, std::max(axis.Fixed, axis.First - axis.Visible));
    } else if (position > thumb.Start + thumb.Size) {
        ScrollTo(*grid, std::min(axis.First + axis.Visible, axis.Count - axis.Visible));
    } else {
        FDownOnScroller = true;
        FDownPos = position;
        FDownRow = axis.First;
    }
}

void TScrollControl::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseMove(shift, x, y);
    TDudStringGrid* grid = ServedGrid();
    if (!grid || !FDownOnScroller)
        return;
    const TAxis axis = AxisOf(*grid, *this);
    // A control no larger than the first row maps no distance to rows.
    const int32_t span = axis.Length - axis.FirstExtent;
    if (span <= 0)
        return;
    const int32_t position = FDirection == sdVertical ? y : x;
    const auto moved = static_cast<int32_t>(Round(static_cast<double>(position - FDownPos) / span * axis.Count));
    ScrollTo(*grid, std::max(axis.Fixed, std::min(moved + FDownRow, axis.Count - axis.Visible)));
}

void TScrollControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    FDownOnScroller = false;
}

THeaderDragButton::THeaderDragButton(TComponent* owner) : TCustomControl(owner)
{
    SetColor(clBtnFace);
    SetEnabled(false);
    SetVisible(false);
}

void THeaderDragButton::Paint()
{
    TRect rect = ClientRect();
    if (FGrid)
        FGrid->PaintCellExt(Canvas(), 0, 0, rect, {});
    Canvas().Brush().SetStyle(bsClear);
    if (!FCaption.contains(QLatin1String("</"))) {
        Canvas().DrawText(FCaption, rect, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return;
    }
    const auto* grid = dynamic_cast<const TDudStringGrid*>(FGrid);
    DrawStaticMarkup(Canvas(), FCaption, rect, grid ? grid->GridImages() : nullptr,
        grid ? grid->PictureContainer() : nullptr, clBlue, false);
}

template <class TBase>
TFixedCellEditor<TBase>::TFixedCellEditor(TBaseGrid* owner) : TBase(owner), FGrid(owner)
{
    TBase::SetVisible(false);
}

template <class TBase>
bool TFixedCellEditor<TBase>::StopEdit()
{
    auto* grid = dynamic_cast<TDudStringGrid*>(FGrid);
    if (!grid) {
        TBase::SetVisible(false);
        return true;
    }
    String text = TBase::Text();
    bool valid = true;
    if (grid->OnCellValidate)
        grid->OnCellValidate(grid, FCol, FRow, text, valid);
    if (!valid) {
        // A fixed cell cannot be the current one: the current cell follows
        // along the axis where the edited cell is a data cell.
        if (FCol >= grid->FixedCols() && FCol < grid->ColCount())
            grid->SetCol(FCol);
        if (FRow >= grid->FixedRows() && FRow < grid->RowCount())
            grid->SetRow(FRow);
        TBase::SetVisible(true);
        if (TBase::CanFocus())
            TBase::SetFocus();
        return false;
    }
    if (grid->OnEditingDone)
        grid->OnEditingDone(grid);
    grid->SetCells(FCol, FRow, text);
    TBase::SetVisible(false);
    return true;
}

template <class TBase>
void TFixedCellEditor<TBase>::DoExit()
{
    TBase::DoExit();
    StopEdit();
}

template <class TBase>
void TFixedCellEditor<TBase>::KeyPress(TChar& key)
{
    if (key == u'\r')
        key = 0;
    TBase::KeyPress(key);
}

template class TFixedCellEditor<TCustomEdit>;
template class TFixedCellEditor<TCustomComboBox>;
