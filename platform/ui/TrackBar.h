#pragma once

#include "platform/ui/Controls.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };
using enum TTrackBarOrientation;

// A thumb on a channel with tick marks, for a whole number between Min and
// Max. The position always stays in range; every change of it, by the user
// (keys, a click beside the thumb, dragging it, the wheel) or by the program,
// fires OnChange.
class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* owner);
    ~TTrackBar() override;

    int32_t Min() const { return FMin; }
    void SetMin(int32_t min);
    int32_t Max() const { return FMax; }
    void SetMax(int32_t max);
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t position);
    // A tick every Frequency positions.
    int32_t Frequency() const { return FFrequency; }
    void SetFrequency(int32_t frequency);
    // The step of PgUp/PgDn and of a click beside the thumb.
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t pageSize) { FPageSize = std::max(pageSize, 1); }
    // The step of the arrow keys.
    int32_t LineSize() const { return FLineSize; }
    void SetLineSize(int32_t lineSize) { FLineSize = std::max(lineSize, 1); }
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation orientation);
    // The thumb's rectangle in client coordinates.
    TRect ThumbRect() const;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) override;
    void Paint() override;

private:
    bool Horizontal() const { return FOrientation == trHorizontal; }
    // The channel's pixel range along the bar.
    int32_t ChannelStart() const;
    int32_t ChannelEnd() const;
    int32_t PixelOf(int32_t position) const;
    int32_t PositionAt(int32_t pixel) const;

    int32_t FMin = 0;
    int32_t FMax = 10;
    int32_t FPosition = 0;
    int32_t FFrequency = 1;
    int32_t FPageSize = 2;
    int32_t FLineSize = 1;
    TTrackBarOrientation FOrientation = trHorizontal;
    bool FDragging = false;
    int32_t FDragOffset = 0;
};
