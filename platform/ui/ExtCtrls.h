#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/ui/StdCtrls.h"

class QObject;

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
using enum TShapeType;

// A figure drawn with its Pen and filled with its Brush.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* owner);
    ~TShape() override;

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType shape);
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    TPen FPen;
    TBrush FBrush;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using enum TBevelCut;

// A container with an outer and an inner bevel and a centred caption.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);
    ~TCustomPanel() override;

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut bevel);
    int32_t BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int32_t width);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);

protected:
    void Paint() override;
    void CMTextChanged(TMessage& message) override;

private:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int32_t FBevelWidth = 1;
    TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};

// A picture, drawn at its size from the top left, centred or stretched.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture& Picture() { return FPicture; }
    void SetPicture(const TPicture& picture);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

protected:
    void Paint() override;

private:
    TPicture FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
};

enum class TSysLinkType { sltURL, sltID };
using enum TSysLinkType;
using TSysLinkEvent = std::function<void(TComponent* sender, const String& link, TSysLinkType linkType)>;

// A label whose caption may hold links: <a href="target">text</a>. A click
// on a link's text fires OnLinkClick with the href (or with the text when the
// link has no href).
class TLinkLabel : public TCustomControl {
public:
    explicit TLinkLabel(TComponent* owner);
    ~TLinkLabel() override;

    struct TLink {
        String Href;
        int32_t Start = 0;
        int32_t Length = 0;
    };
    // The caption without its markup, and the links in it.
    const String& PlainText() const { return FPlainText; }
    const std::vector<TLink>& Links() const { return FLinks; }
    // The link under a client point, or -1.
    int32_t LinkAtPos(TPoint point) const;

    TSysLinkEvent OnLinkClick;

protected:
    void CMTextChanged(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void Paint() override;

private:
    void Parse();
    int32_t CharAtX(int32_t x) const;

    String FPlainText;
    std::vector<TLink> FLinks;
};

// A container that scrolls its children vertically. Its scroll bar shows
// when the children reach below the client area; the wheel scrolls by the
// system's wheel-scroll lines.
class TScrollBox : public TCustomControl {
public:
    explicit TScrollBox(TComponent* owner);
    ~TScrollBox() override;

    int32_t VertScrollPosition() const { return FScrollPosition; }
    // Scrolls so that position is at the top; children move by the difference.
    void SetVertScrollPosition(int32_t position);
    // The height the children take, from the top of the scrolled area.
    int32_t VertScrollRange() const;
    void ScrollInView(TControl* control);
    // The pixels one line of the bar scrolls: an eighth of the client height.
    int32_t LineSize() const { return std::max(ClientHeight() / 8, 1); }
    bool ScrollBarShown() const;
    // Shows or hides the bar and sets its range after the children moved.
    void UpdateScrollBar();

    int32_t ClientWidth() const override;

protected:
    void WndProc(TMessage& message) override;
    bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) override;
    void Resize() override;

private:
    std::unique_ptr<TScrollBarHost> FScrollBar;
    std::unique_ptr<QObject> FChildWatch;
    int32_t FScrollPosition = 0;
};

using TCanResizeEvent = std::function<void(TComponent* sender, int32_t& newSize, bool& accept)>;

// A bar between aligned controls that resizes the control it is aligned
// against by dragging. Its Align (left, top, right, bottom) names the side
// of that control; the size stays between MinSize and what leaves MinSize to
// the client-aligned neighbour. OnCanResize may change or refuse each size;
// OnMoved fires when the drag ends with a new size.
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* owner);
    ~TSplitter() override;

    int32_t MinSize() const { return FMinSize; }
    void SetMinSize(int32_t minSize) { FMinSize = std::max(minSize, 1); }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool beveled);
    // The control the splitter resizes, found at the start of each drag.
    TControl* ResizeControl() const;

    TCanResizeEvent OnCanResize;
    TNotifyEvent OnMoved;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void Paint() override;

private:
    bool Vertical() const { return Align() == alLeft || Align() == alRight; }
    int32_t SizeOf(const TControl* control) const { return Vertical() ? control->Width() : control->Height(); }
    int32_t MaxSize() const;
    void ApplySize(int32_t size);

    int32_t FMinSize = 30;
    bool FBeveled = false;
    TControl* FControl = nullptr;
    int32_t FDownPos = 0;
    int32_t FStartSize = 0;
    bool FMoved = false;
};
