#pragma once

#include "platform/core/Exception.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Messages.h"
#include "platform/core/Component.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QWidget;
class TBasicAction;
class TControlWidget;
class TForm;
class TPopupMenu;
class TWinControl;

enum class TControlStyleFlag {
    csAcceptsControls,
    csCaptureMouse,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoStdEvents,
    csActionClient,
};
using TControlStyle = TSetOf<TControlStyleFlag>;
using enum TControlStyleFlag;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
using enum TAlign;
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using enum TFormBorderStyle;
// Controls other than forms use bsNone and bsSingle only.
using TBorderStyle = TFormBorderStyle;

using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Window extended style bit the transparent button styles set: the parent's
// pixels show through the unpainted parts of the control.
constexpr uint32_t WS_EX_TRANSPARENT = 0x20;

using TChar = char16_t;
using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int32_t x, int32_t y)>;
// A drag entering, moving over or leaving a control; source is what is
// dragged (nullptr for data from outside the program's controls).
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using enum TDragState;
using TDragOverEvent = std::function<void(TComponent* sender, TComponent* source, int32_t x, int32_t y, TDragState state,
    bool& accept)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int32_t x, int32_t y)>;
using TMouseWheelEvent = std::function<void(TComponent* sender, TShiftState shift, int32_t wheelDelta, TPoint mousePos, bool& handled)>;
using TKeyEvent = std::function<void(TComponent* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, TChar& key)>;
using TWndMethod = std::function<void(TMessage& message)>;

// A control: a QWidget driven through window messages. Every Qt event the
// widget receives becomes a message to WndProc (or a paint), inside Guarded,
// so no exception of a handler unwinds through Qt.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    intptr_t Perform(uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    // The procedure every message to the control goes through: WndProc,
    // unless another one was installed to borrow the control's messages. An
    // installer saves the one it replaces, passes on what it does not take,
    // and puts it back when done.
    TWndMethod WindowProc();
    void SetWindowProc(TWndMethod windowProc) { FWindowProc = std::move(windowProc); }

    // Scales the control by m/d, as when its form's font changes: position,
    // size and, unless it follows its parent's, the font size. Nothing when
    // m equals d.
    virtual void ChangeScale(int32_t m, int32_t d);

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    // The form the control lies on (itself for a form), or null.
    TForm* ParentForm() const;

    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    void SetLeft(int32_t left) { SetBounds(left, FTop, FWidth, FHeight); }
    void SetTop(int32_t top) { SetBounds(FLeft, top, FWidth, FHeight); }
    void SetWidth(int32_t width) { SetBounds(FLeft, FTop, width, FHeight); }
    void SetHeight(int32_t height) { SetBounds(FLeft, FTop, FWidth, height); }
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    // The area children and painting use: the bounds less the non-client
    // frame the control asked for in WM_NCCALCSIZE; a control with scroll
    // bars of its own leaves them out.
    virtual int32_t ClientWidth() const { return std::max(0, FWidth - FNonClient.Left - FNonClient.Right); }
    virtual int32_t ClientHeight() const { return std::max(0, FHeight - FNonClient.Top - FNonClient.Bottom); }
    void SetClientWidth(int32_t width) { SetWidth(width); }
    void SetClientHeight(int32_t height) { SetHeight(height); }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and on a visible parent chain up to a shown form.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    const String& Caption() const { return FText; }
    void SetCaption(const String& caption) { SetText(caption); }
    const String& Text() const { return FText; }
    void SetText(const String& text);

    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { FFont.Assign(font); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool parentColor);

    const String& Hint() const { return FHint; }
    void SetHint(const String& hint) { FHint = hint; }
    bool ShowHint() const;
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool parentShowHint) { FParentShowHint = parentShowHint; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    // Shows cursor over the control until the next WM_SETCURSOR decides
    // again; for WM_SETCURSOR handlers that pick a shape per point.
    void DisplayCursor(TCursor cursor);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle style) { FControlStyle = style; }
    bool MouseCapture() const;
    // The control losing the capture gets WM_CAPTURECHANGED with the
    // control taking it (null when released) in LParam.
    void SetMouseCapture(bool capture);

    // Paints at once (when shown).
    void Repaint();
    void Refresh() { Repaint(); }
    // Asks for a paint later, from the event loop. Every repaint the layer
    // asks for comes here, so a descendant may hold or add to it.
    virtual void Invalidate();
    // Carries out pending paints now.
    void Update();
    void BringToFront();
    void SendToBack();

    // Runs the assigned action, or OnClick when the control has none.
    virtual void Click();
    virtual void DblClick();

    // The action the control follows and runs when clicked; null for none.
    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* action);

    // The widget carrying this control; for the layer's own code.
    QWidget* Widget() const;
    static TControl* FromWidget(const QWidget* widget);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;
    TDragOverEvent OnDragOver;

    // A drag over the control, in client pixels. accept says whether a drop
    // would be taken: by default only when OnDragOver is assigned and
    // agrees. Controls without a registered drop target hear the drags the
    // window system brings them through here.
    virtual void DragOver(TComponent* source, int32_t x, int32_t y, TDragState state, bool& accept);
    // Whether the drags the window system brings reach DragOver; off until
    // set (a registered drop target hears them in any case).
    bool HearsDrags() const { return FHearsDrags; }
    void SetHearsDrags(bool hears);

protected:
    TControl(TComponent* owner, bool topLevel);

    virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    virtual bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos);
    virtual void Resize();
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Paints the widget in its paint event; the bridge has erased it when
    // ErasesBackground says so.
    virtual void PaintWindow(QPainter& painter);
    virtual bool ErasesBackground() const { return false; }
    void Notification(TComponent* component, TOperation operation) override;
    // Takes the caption, enabled, visible and hint of a custom action; with
    // checkDefaults (an action still loading) only where the control keeps
    // its own defaults.
    virtual void ActionChange(TBasicAction* sender, bool checkDefaults);
    // Used by the bridge when the window is moved or resized from outside.
    void UpdateBoundsFromWidget();
    // Widths of the non-client frame on each side, as WM_NCCALCSIZE left it.
    const TRect& NonClientFrame() const { return FNonClient; }

    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    virtual void CMFocusChanged(TMessage& message);
    virtual void CMEnabledChanged(TMessage& message);
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMTextChanged(TMessage& message);
    virtual void CMFontChanged(TMessage& message);
    virtual void CMColorChanged(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMParentColorChanged(TMessage& message);
    virtual void CMDialogKey(TMessage& message);
    virtual void CMDialogChar(TMessage& message);
    virtual void CMMouseWheel(TMessage& message);
    virtual void CMCursorChanged(TMessage& message);
    virtual void CMHintShow(TMessage& message);
    virtual void WMContextMenu(TMessage& message);
    virtual void WMSetCursor(TMessage& message);
    virtual void WMSetRedraw(TMessage& message);
    virtual void WMCancelMode(TMessage& message);
    // Turns a button or move message into MouseDown, MouseMove or MouseUp;
    // a control that decides per message what the press does overrides it.
    virtual void MouseMessage(TMessage& message);

private:
    friend class TBasicAction;
    friend class TControlWidget;
    friend class TWinControl;
    void FontChanged();
    void ApplyWidgetVisibility();
    void SetBoundsQuietly(int32_t left, int32_t top, int32_t width, int32_t height);
    void PlaceWidget();

    std::unique_ptr<TControlWidget> FWidget;
    TWndMethod FWindowProc;
    bool FHearsDrags = false;
    TWinControl* FParent = nullptr;
    int32_t FLeft = 0;
    int32_t FTop = 0;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    // Widths of the non-client frame on each side (Left, Top, Right, Bottom).
    TRect FNonClient;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    String FText;
    TFont FFont;
    bool FParentFont = true;
    bool FApplyingParentFont = false;
    TColor FColor = clWindow;
    bool FParentColor = true;
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TPopupMenu* FPopupMenu = nullptr;
    TBasicAction* FAction = nullptr;
    TControlStyle FControlStyle { csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks };
    bool FClicked = false;
};

// A control with a window of its own: it takes the focus, keys and children.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Draws the control and its children onto canvas with the control's
    // top-left corner at (x, y), shown or not.
    void PaintTo(TCanvas& canvas, int32_t x, int32_t y);

    int32_t ControlCount() const { return static_cast<int32_t>(FControls.size()); }
    TControl* Controls(int32_t index) const { return FControls.at(static_cast<size_t>(index)); }
    bool ContainsControl(const TControl* control) const;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop) { FTabStop = tabStop; }
    int32_t TabOrder() const;
    void SetTabOrder(int32_t order);
    // The focusable windowed controls below this one in tab order.
    std::vector<TWinControl*> TabOrderList() const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    // Focuses the next control in tab order; without checkTabStop (arrow
    // keys) only among this control's own children.
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // Visible and enabled up to a form.
    virtual bool CanFocus() const;
    // Throws EInvalidOperation when the control cannot take the focus.
    virtual void SetFocus();
    bool Focused() const;

    // Offers message to each child until one sets a non-zero result.
    void Broadcast(TMessage& message);
    void AlignControls();

    uint32_t ExStyle() const { return FExStyle; }
    void SetExStyle(uint32_t exStyle);

    // The window is made when the control is first shown, or on demand:
    // CreateWnd runs then (the parent's first), again after RecreateWnd.
    bool HandleAllocated() const { return FHandleAllocated; }
    void HandleNeeded();
    // Runs DestroyWnd and CreateWnd again, so the control re-applies what
    // depends on its style, and asks for its frame again (WM_NCCALCSIZE).
    void RecreateWnd();

    void WndProc(TMessage& message) override;
    // Scales the children along with the control.
    void ChangeScale(int32_t m, int32_t d) override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    TWinControl(TComponent* owner, bool topLevel);

    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(TChar& key);
    virtual void DoEnter();
    virtual void DoExit();
    // The platform's key steps: true when the key was used up.
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);

    virtual void CNKeyDown(TMessage& message);
    virtual void CNKeyUp(TMessage& message);
    virtual void CNChar(TMessage& message);
    virtual void WMKeyDown(TMessage& message);
    virtual void WMKeyUp(TMessage& message);
    virtual void WMChar(TMessage& message);
    virtual void WMSetFocus(TMessage& message);
    virtual void WMKillFocus(TMessage& message);
    // LParam points to the window rectangle in the control's own
    // coordinates; a handler shrinks it to the client rectangle.
    virtual void WMNCCalcSize(TMessage& message);
    // WParam is the canvas of the whole window during a paint; 0 when the
    // program sends the message, which then asks for a repaint.
    virtual void WMNCPaint(TMessage& message);
    virtual void CreateWnd() { }
    // Window timers end with the window, as the platform's do.
    virtual void DestroyWnd();
    void CMDialogKey(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    bool ErasesBackground() const override;
    void Resize() override;

private:
    friend class TControl;
    friend class TControlWidget;
    // Asks for the frame again; true when it changed.
    bool UpdateNonClient();
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CollectTabOrder(std::vector<TWinControl*>& list) const;

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    uint32_t FExStyle = 0;
    bool FAligning = false;
    bool FHandleAllocated = false;
};

// A windowed control that draws itself on its own canvas in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TCanvas& Canvas() { return FCanvas; }

protected:
    TCustomControl(TComponent* owner, bool topLevel);

    virtual void Paint() { }
    void PaintWindow(QPainter& painter) override;

private:
    TCanvas FCanvas;
};

// A control without a window of its own: it never takes the focus.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    TCanvas& Canvas() { return FCanvas; }

protected:
    virtual void Paint() { }
    void PaintWindow(QPainter& painter) override;

private:
    TCanvas FCanvas;
};

// Sends message straight to control's WndProc (nothing when control is
// null); a key message sent so is that one step, untranslated. Only the
// user-interface thread may send: from another thread it throws
// EInvalidOperation.
intptr_t SendMessage(TControl* control, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
// Queues message for control; it is dropped if the control is gone by then.
// A posted key message takes the road of a typed key (see the README).
bool PostMessage(TControl* control, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);

// Starts the control's window timer id, or restarts it with the new period;
// each period sends WM_TIMER with id in WParam. Returns id (0 for no control).
uintptr_t SetTimer(TControl* control, uintptr_t id, uint32_t elapse);
// False when the control had no such timer.
bool KillTimer(TControl* control, uintptr_t id);

// The pointer's position on the screen.
TPoint GetCursorPos();
// The control whose window shows at the screen point, or null.
TControl* FindControlAtPos(TPoint screenPoint);
