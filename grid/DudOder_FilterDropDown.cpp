#include "grid/DudOder_FilterDropDown.h"

#include "grid/DudOder.h"
#include "platform/ui/Messages.h"

namespace {

// A click outside the open list (the cancel-mode message) closes it: the
// grid then has no filter list open.
void CloseOnClickElsewhere(TWinControl& list, const TMessage& message)
{
    if (message.Msg != CM_CANCELMODE)
        return;
    const TPoint point = list.ScreenToClient(GetCursorPos());
    if (Rect(0, 0, list.Width(), list.Height()).Contains(point))
        return;
    if (auto* grid = dynamic_cast<TDudStringGrid*>(list.Owner()))
        grid->FilterListClosed();
    list.SetVisible(false);
}

} // namespace

void TFilterDropDown::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TFilterDropDown*>(&source);
    if (!other)
        return;
    FColor = other->FColor;
    FColumnWidth = other->FColumnWidth;
    FFont.Assign(other->FFont);
    FHeight = other->FHeight;
    FWidth = other->FWidth;
    SetGlyph(other->FGlyph);
    SetGlyphActive(other->FGlyphActive);
}

void TFilterDropDown::SetPicture(TBitmap& picture, const TBitmap& value)
{
    picture.Assign(value);
    if (OnChange)
        OnChange(this);
}

void TDropList::WndProc(TMessage& message)
{
    CloseOnClickElsewhere(*this, message);
    TListBox::WndProc(message);
}

void TDropList::Pick()
{
    SetVisible(false);
    if (OnSelect)
        OnSelect(this, ItemIndex());
}

void TDropList::KeyPress(TChar& key)
{
    TListBox::KeyPress(key);
    if (key == u'\r')
        Pick();
}

void TDropList::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TListBox::MouseUp(button, shift, x, y);
    Pick();
}

void TDropCheckList::WndProc(TMessage& message)
{
    CloseOnClickElsewhere(*this, message);
    TCheckListBox::WndProc(message);
}

void TDropCheckList::ClickCheck()
{
    if (OnSelect)
        OnSelect(this, -1);
}

TNoActiveForm::TNoActiveForm(TComponent* owner) : TForm(owner)
{
    SetWindowKind(wkNoActivatePopup);
}
