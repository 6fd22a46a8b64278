#pragma once

#include "platform/ui/StdCtrls.h"

// A list box with a check box before each item. A click on the box or the
// space bar changes the focused item's check (through grey when AllowGrayed)
// and fires OnClickCheck; the program's changes fire nothing. A disabled
// item shows grey and its check cannot be changed by the user.
class TCheckListBox : public TCustomListBox {
public:
    explicit TCheckListBox(TComponent* owner);
    ~TCheckListBox() override;

    bool Checked(int32_t index) const { return State(index) == cbChecked; }
    void SetChecked(int32_t index, bool checked) { SetState(index, checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State(int32_t index) const;
    void SetState(int32_t index, TCheckBoxState state);
    bool ItemEnabled(int32_t index) const;
    void SetItemEnabled(int32_t index, bool enabled);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool allowGrayed) { FAllowGrayed = allowGrayed; }
    void CheckAll(TCheckBoxState state, bool allowGrayed = true, bool allowDisabled = true);

    TNotifyEvent OnClickCheck;

protected:
    virtual void ClickCheck();
    void DrawItem(int32_t index, TRect rect, TOwnerDrawState state) override;
    int32_t ItemTextIndent() const override { return CheckWidth + 4; }
    void KeyPress(TChar& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    static constexpr int32_t CheckWidth = 13;
    void ToggleByUser(int32_t index);

    bool FAllowGrayed = false;
};
