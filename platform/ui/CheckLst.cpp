#include "platform/ui/CheckLst.h"

#include "platform/graphics/CanvasExtras.h"

namespace {

// The item state: the check in the low bits, the disabled flag above.
constexpr uint8_t CheckMask = 0x03;
constexpr uint8_t DisabledFlag = 0x04;

} // namespace

TCheckListBox::TCheckListBox(TComponent* owner) : TCustomListBox(owner) { }
TCheckListBox::~TCheckListBox() = default;

TCheckBoxState TCheckListBox::State(int32_t index) const
{
    return static_cast<TCheckBoxState>(ItemStrings().State(index) & CheckMask);
}

void TCheckListBox::SetState(int32_t index, TCheckBoxState state)
{
    const uint8_t flags = ItemStrings().State(index);
    ItemStrings().SetState(index, static_cast<uint8_t>((flags & ~CheckMask) | static_cast<uint8_t>(state)));
    Invalidate();
}

bool TCheckListBox::ItemEnabled(int32_t index) const { return (ItemStrings().State(index) & DisabledFlag) == 0; }

void TCheckListBox::SetItemEnabled(int32_t index, bool enabled)
{
    const uint8_t flags = ItemStrings().State(index);
    ItemStrings().SetState(index, static_cast<uint8_t>(enabled ? flags & ~DisabledFlag : flags | DisabledFlag));
    Invalidate();
}

void TCheckListBox::CheckAll(TCheckBoxState state, bool allowGrayed, bool allowDisabled)
{
    for (int32_t index = 0; index < Items().Count(); ++index)
        if ((allowGrayed || State(index) != cbGrayed) && (allowDisabled || ItemEnabled(index)))
            SetState(index, state);
}

void TCheckListBox::ClickCheck()
{
    if (OnClickCheck)
        OnClickCheck(this);
}

void TCheckListBox::ToggleByUser(int32_t index)
{
    if (index < 0 || index >= Items().Count() || !ItemEnabled(index))
        return;
    switch (State(index)) {
    case cbUnchecked:
        SetState(index, cbChecked);
        break;
    case cbChecked:
        SetState(index, FAllowGrayed ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(index, cbUnchecked);
        break;
    }
    ClickCheck();
}

void TCheckListBox::KeyPress(TChar& key)
{
    TCustomListBox::KeyPress(key);
    if (key == u' ') {
        ToggleByUser(ItemIndex());
        key = 0;
    }
}

void TCheckListBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomListBox::MouseDown(button, shift, x, y);
    const int32_t index = ItemAtPos({ x, y }, true);
    if (button == mbLeft && index >= 0 && x < ItemRect(index).Left + ItemTextIndent())
        ToggleByUser(index);
}

void TCheckListBox::DrawItem(int32_t index, TRect rect, TOwnerDrawState state)
{
    if (!ItemEnabled(index))
        state << odDisabled;
    TCustomListBox::DrawItem(index, rect, state);
    TCanvas& canvas = Canvas();
    const int32_t top = rect.Top + (rect.Height() - CheckWidth) / 2;
    const TRect box = Bounds(rect.Left + 2, top, CheckWidth, CheckWidth);
    DrawFrameControl(canvas, box, DFC_BUTTON, CheckBoxFrameState(State(index), Enabled() && ItemEnabled(index)) | DFCS_FLAT);
}
