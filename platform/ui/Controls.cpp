#include "platform/ui/Controls.h"

#include "platform/core/Math.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QPainter>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <unordered_set>

namespace {

TShiftState MouseKeysToShiftState(intptr_t keys)
{
    TShiftState shift;
    if (keys & MK_SHIFT)
        shift << ssShift;
    if (keys & MK_CONTROL)
        shift << ssCtrl;
    if (keys & MK_LBUTTON)
        shift << ssLeft;
    if (keys & MK_RBUTTON)
        shift << ssRight;
    if (keys & MK_MBUTTON)
        shift << ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift << ssAlt;
    return shift;
}

// Sets the widget's cursor only when it changes: WM_SETCURSOR asks on every
// move of the pointer.
void ShowCursorOn(QWidget& widget, TCursor cursor)
{
    const bool own = widget.testAttribute(Qt::WA_SetCursor);
    if (cursor == crDefault ? !own : own && widget.cursor().shape() == CursorShapeOf(cursor))
        return;
    ApplyCursor(widget, cursor);
}

// The control holding the mouse capture, told when it loses it.
TControl* CaptureControl = nullptr;

// Windows not yet shown whose controls wait for their widgets.
std::unordered_set<const TControl*>& DeferringWindows()
{
    static std::unordered_set<const TControl*> windows;
    return windows;
}

bool OnUserInterfaceThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && !QCoreApplication::closingDown() && QThread::currentThread() == application->thread();
}

} // namespace

// ---- TControl

TControl::TControl(TComponent* owner) : TControl(owner, false) { }

TControl::TControl(TComponent* owner, bool topLevel) : TComponent(owner)
{
    FFont.OnChange = [this](TFont*) { FontChanged(); };
    // A form starts hidden; other controls show once they have a parent.
    FVisible = !topLevel;
    // A form's window is there from the start. A control's widget is made
    // when needed and shows with the window it is put in: hiding it would
    // have to be undone by an explicit show on each parenting, which
    // polishes the widget while nothing is on the screen.
    if (topLevel) {
        FWidget = std::make_unique<TControlWidget>(this);
        FWidget->hide();
    }
}

TControl::~TControl()
{
    Destroying();
    SetAction(nullptr);
    if (TForm* form = ParentForm())
        form->ControlRemoving(this);
    if (FParent)
        FParent->RemoveControl(this);
    if (CaptureControl == this)
        CaptureControl = nullptr;
    DeferringWindows().erase(this);
    if (FWidget)
        FWidget->Detach();
}

QWidget* TControl::Widget() const
{
    if (FParent && !TControlWidget::Attached(*this))
        TControlWidget::Realize(const_cast<TControl&>(*this));
    return TControlWidget::Own(*this);
}

// ---- widgets made when needed

void TControlWidget::DeferChildren(TControl& window) { DeferringWindows().insert(&window); }

TControlWidget* TControlWidget::Own(const TControl& control)
{
    if (control.FWidget || !OnUserInterfaceThread())
        return control.FWidget.get();
    auto& self = const_cast<TControl&>(control);
    self.FWidget = std::make_unique<TControlWidget>(&self);
    // What the control was told while it had no widget.
    if (!control.FEnabled)
        self.FWidget->setEnabled(false);
    if (control.FCursor != crDefault)
        ShowCursorOn(*self.FWidget, control.FCursor);
    return self.FWidget.get();
}

bool TControlWidget::Attached(const TControl& control)
{
    return control.FWidget && control.FParent && control.FParent->FWidget
        && control.FWidget->parentWidget() == control.FParent->FWidget.get();
}

bool TControlWidget::Realized(const TControl& control)
{
    if (!control.FParent)
        return !DeferringWindows().contains(&control);
    return TControlWidget::Attached(control) && Realized(*control.FParent);
}

bool TControlWidget::DefersChildren(const TWinControl& parent)
{
    return !(parent.FWidget && parent.FWidget->FTakesChildren) && !Realized(parent);
}

void TControlWidget::Realize(TControl& control)
{
    if (!OnUserInterfaceThread())
        return;
    TControl* root = &control;
    while (root->FParent)
        root = root->FParent;
    if (DeferringWindows().erase(root) == 0 && (!control.FParent || Attached(control)))
        return;
    Own(*root);
    if (auto* window = dynamic_cast<TWinControl*>(root))
        AttachChildren(*window);
}

void TControlWidget::AttachTree(TControl& control)
{
    AttachWidget(control);
    if (auto* window = dynamic_cast<TWinControl*>(&control))
        AttachChildren(*window);
}

// In the order of the parent's controls, which is the order of their
// widgets from the bottom up: a widget put in its parent lies above the
// others, so those already there that come later are lifted over it.
void TControlWidget::AttachChildren(TWinControl& parent)
{
    DeferringWindows().erase(&parent);
    bool restack = false;
    for (TControl* child : std::vector<TControl*>(parent.FControls)) {
        if (!Attached(*child)) {
            AttachWidget(*child);
            restack = true;
        } else if (restack) {
            child->FWidget->raise();
        }
        if (auto* window = dynamic_cast<TWinControl*>(child))
            AttachChildren(*window);
    }
}

void TControlWidget::AttachWidget(TControl& control)
{
    TControlWidget* widget = Own(control);
    TControlWidget* parent = Own(*control.FParent);
    if (!widget || !parent)
        return;
    DeferringWindows().erase(&control);
    widget->setParent(parent);
    control.PlaceWidget();
    control.ApplyWidgetVisibility();
}

TControl* TControl::FromWidget(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const auto* bridge = dynamic_cast<const TControlWidget*>(widget))
            return bridge->Control();
    return nullptr;
}

intptr_t TControl::Perform(uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    TMessage message { msg, wParam, lParam, 0 };
    if (FWindowProc)
        FWindowProc(message);
    else
        WndProc(message);
    return message.Result;
}

TWndMethod TControl::WindowProc()
{
    if (FWindowProc)
        return FWindowProc;
    return [this](TMessage& message) { WndProc(message); };
}

void TControl::ChangeScale(int32_t m, int32_t d)
{
    if (m == d || d == 0)
        return;
    SetBounds(MulDiv(FLeft, m, d), MulDiv(FTop, m, d), MulDiv(FWidth, m, d), MulDiv(FHeight, m, d));
    if (!FParentFont)
        FFont.SetSize(MulDiv(FFont.Size(), m, d));
}

void TControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        MouseMessage(message);
        break;
    case WM_CONTEXTMENU:
        WMContextMenu(message);
        break;
    case CM_MOUSEENTER:
        CMMouseEnter(message);
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave(message);
        break;
    case CM_FOCUSCHANGED:
        CMFocusChanged(message);
        break;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(message);
        break;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(message);
        break;
    case CM_TEXTCHANGED:
        CMTextChanged(message);
        break;
    case CM_FONTCHANGED:
        CMFontChanged(message);
        break;
    case CM_COLORCHANGED:
        CMColorChanged(message);
        break;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(message);
        break;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(message);
        break;
    case CM_DIALOGKEY:
        CMDialogKey(message);
        break;
    case CM_DIALOGCHAR:
        CMDialogChar(message);
        break;
    case CM_MOUSEWHEEL:
        CMMouseWheel(message);
        break;
    case CM_CURSORCHANGED:
        CMCursorChanged(message);
        break;
    case CM_HINTSHOW:
        CMHintShow(message);
        break;
    case WM_SETCURSOR:
        WMSetCursor(message);
        break;
    case WM_SETREDRAW:
        WMSetRedraw(message);
        break;
    case WM_CANCELMODE:
        WMCancelMode(message);
        break;
    default:
        DefaultHandler(message);
        break;
    }
}

void TControl::DefaultHandler(TMessage&) { }

void TControl::CMCursorChanged(TMessage&)
{
    if (FWidget)
        ShowCursorOn(*FWidget, FCursor);
}
void TControl::CMHintShow(TMessage& message) { DefaultHandler(message); }

void TControl::WMSetCursor(TMessage& message)
{
    ShowCursorOn(*Widget(), FCursor);
    message.Result = 1;
}

// Qt paints the whole area once when updates come back on.
void TControl::WMSetRedraw(TMessage& message) { Widget()->setUpdatesEnabled(message.WParam != 0); }

void TControl::WMCancelMode(TMessage&)
{
    if (MouseCapture())
        SetMouseCapture(false);
}

void TControl::DisplayCursor(TCursor cursor) { ShowCursorOn(*Widget(), cursor); }

void TControl::MouseMessage(TMessage& message)
{
    const TPoint point = LParamToPoint(message.LParam);
    TShiftState shift = MouseKeysToShiftState(message.WParam);
    const bool stdEvents = !FControlStyle.Contains(csNoStdEvents);
    auto down = [&](TMouseButton button) {
        if (stdEvents)
            MouseDown(button, shift, point.X, point.Y);
    };
    auto up = [&](TMouseButton button) {
        if (stdEvents)
            MouseUp(button, shift, point.X, point.Y);
    };
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (stdEvents)
            MouseMove(shift, point.X, point.Y);
        break;
    case WM_LBUTTONDOWN:
        if (FControlStyle.Contains(csClickEvents))
            FClicked = true;
        down(mbLeft);
        break;
    case WM_LBUTTONDBLCLK:
        if (FControlStyle.Contains(csClickEvents))
            DblClick();
        shift << ssDouble;
        down(mbLeft);
        break;
    case WM_LBUTTONUP:
        // The click comes before the mouse-up event, and only when the
        // button is released over the control.
        if (FClicked) {
            FClicked = false;
            if (ClientRect().Contains(point))
                Click();
        }
        up(mbLeft);
        break;
    case WM_RBUTTONDOWN:
        down(mbRight);
        break;
    case WM_RBUTTONDBLCLK:
        shift << ssDouble;
        down(mbRight);
        break;
    case WM_RBUTTONUP:
        up(mbRight);
        break;
    case WM_MBUTTONDOWN:
        down(mbMiddle);
        break;
    case WM_MBUTTONDBLCLK:
        shift << ssDouble;
        down(mbMiddle);
        break;
    case WM_MBUTTONUP:
        up(mbMiddle);
        break;
    default:
        break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    return handled;
}

void TControl::CMMouseWheel(TMessage& message)
{
    message.Result = DoMouseWheel(KeyboardStateToShiftState(), static_cast<int32_t>(message.WParam),
                         LParamToPoint(message.LParam))
        ? 1
        : 0;
}

void TControl::WMContextMenu(TMessage& message)
{
    if (FPopupMenu) {
        const TPoint point = LParamToPoint(message.LParam);
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(point.X, point.Y);
        message.Result = 1;
    } else if (FParent) {
        message.Result = FParent->Perform(WM_CONTEXTMENU, message.WParam, message.LParam);
    }
}

void TControl::Click()
{
    if (TBasicAction* action = FAction) {
        action->SetActionComponent(this);
        action->Execute();
        // The handler may have freed the action, which clears FAction.
        if (FAction == action)
            action->SetActionComponent(nullptr);
    } else if (OnClick) {
        OnClick(this);
    }
}

void TControl::SetAction(TBasicAction* action)
{
    if (action == FAction)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    FAction = action;
    if (!FAction)
        return;
    FAction->RegisterChanges(this);
    ActionChange(FAction, (FAction->ComponentState() & csLoading) != 0);
}

void TControl::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    const auto* action = dynamic_cast<const TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || FText.isEmpty() || FText == Name())
        SetCaption(action->Caption());
    if (!checkDefaults || FEnabled)
        SetEnabled(action->Enabled());
    if (!checkDefaults || FHint.isEmpty())
        SetHint(action->Hint());
    if (!checkDefaults || FVisible)
        SetVisible(action->Visible());
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TWinControl::PaintTo(TCanvas& canvas, int32_t x, int32_t y)
{
    QPainter* painter = canvas.Painter();
    if (!painter)
        return;
    TControlWidget::Realize(*this);
    Widget()->render(painter, QPoint(x, y), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

void TControl::SetHearsDrags(bool hears)
{
    FHearsDrags = hears;
    if (hears)
        Widget()->setAcceptDrops(true);
    else if (!Widget()->acceptDrops() || !RegisteredDropTarget(dynamic_cast<TWinControl*>(this)))
        Widget()->setAcceptDrops(false);
}

void TControl::DragOver(TComponent* source, int32_t x, int32_t y, TDragState state, bool& accept)
{
    accept = static_cast<bool>(OnDragOver);
    if (OnDragOver)
        OnDragOver(this, source, x, y, state, accept);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::CMMouseEnter(TMessage&) { MouseEnter(); }
void TControl::CMMouseLeave(TMessage&) { MouseLeave(); }
void TControl::CMFocusChanged(TMessage&) { }
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { }
void TControl::CMTextChanged(TMessage&) { }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMDialogKey(TMessage& message) { DefaultHandler(message); }
void TControl::CMDialogChar(TMessage& message) { DefaultHandler(message); }

void TControl::CMParentFontChanged(TMessage&)
{
    if (!FParentFont || !FParent)
        return;
    FApplyingParentFont = true;
    FFont.Assign(FParent->Font());
    FApplyingParentFont = false;
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (!FParentColor || !FParent || FColor == FParent->Color())
        return;
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED);
}

void TControl::PaintWindow(QPainter&) { }

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FPopupMenu)
        FPopupMenu = nullptr;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == FParent)
        return;
    if (parent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot be its own parent"));
    if (FParent) {
        if (TForm* form = ParentForm())
            form->ControlRemoving(this);
        FParent->RemoveControl(this);
    }
    FParent = parent;
    if (FParent) {
        FParent->InsertControl(this);
        if (!TControlWidget::DefersChildren(*FParent))
            TControlWidget::AttachTree(*this);
        else if (FWidget && FWidget->parentWidget())
            // Out of the window it leaves, hidden until its new one shows.
            FWidget->setParent(nullptr);
        Perform(CM_PARENTFONTCHANGED);
        Perform(CM_PARENTCOLORCHANGED);
        if (FAlign != alNone)
            FParent->AlignControls();
    } else if (FWidget) {
        FWidget->setParent(nullptr);
        FWidget->hide();
    }
}

TForm* TControl::ParentForm() const
{
    const TControl* control = this;
    while (control->FParent)
        control = control->FParent;
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

void TControl::SetBoundsQuietly(int32_t left, int32_t top, int32_t width, int32_t height)
{
    FLeft = left;
    FTop = top;
    FWidth = std::max(width, 0);
    FHeight = std::max(height, 0);
    PlaceWidget();
}

// Bounds are in the parent's client coordinates, which start inside its
// non-client frame.
void TControl::PlaceWidget()
{
    if (!FWidget || (FParent && !TControlWidget::Attached(*this)))
        return;
    const TPoint origin = FParent ? TPoint { FParent->FNonClient.Left, FParent->FNonClient.Top } : TPoint { 0, 0 };
    FWidget->setGeometry(FLeft + origin.X, FTop + origin.Y, FWidth, FHeight);
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    const bool resized = std::max(width, 0) != FWidth || std::max(height, 0) != FHeight;
    const bool moved = left != FLeft || top != FTop;
    if (!resized && !moved)
        return;
    SetBoundsQuietly(left, top, width, height);
    if (resized) {
        if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && windowed->HandleAllocated())
            windowed->UpdateNonClient();
        Resize();
    }
    if (FParent && FAlign != alNone)
        FParent->AlignControls();
}

void TControl::UpdateBoundsFromWidget()
{
    const QRect geometry = FWidget->geometry();
    const bool resized = geometry.width() != FWidth || geometry.height() != FHeight;
    FLeft = geometry.x();
    FTop = geometry.y();
    FWidth = geometry.width();
    FHeight = geometry.height();
    if (resized)
        Resize();
}

TPoint TControl::ClientToScreen(TPoint point) const
{
    const QPoint global = Widget()->mapToGlobal(QPoint(point.X + FNonClient.Left, point.Y + FNonClient.Top));
    return { global.x(), global.y() };
}

TPoint TControl::ScreenToClient(TPoint point) const
{
    const QPoint local = Widget()->mapFromGlobal(QPoint(point.X, point.Y));
    return { local.x() - FNonClient.Left, local.y() - FNonClient.Top };
}

void TControl::SetAlign(TAlign align)
{
    if (align == FAlign)
        return;
    FAlign = align;
    if (FParent)
        FParent->AlignControls();
}

void TControl::ApplyWidgetVisibility()
{
    if (TControlWidget::Attached(*this) && FWidget->isHidden() == FVisible)
        FWidget->setVisible(FVisible);
}

void TControl::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    ApplyWidgetVisibility();
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    if (FParent && FAlign != alNone)
        FParent->AlignControls();
}

bool TControl::Showing() const { return FWidget && FWidget->isVisible(); }

void TControl::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    if (FWidget)
        FWidget->setEnabled(enabled);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const String& text)
{
    if (text == FText)
        return;
    FText = text;
    Perform(CM_TEXTCHANGED);
}

void TControl::FontChanged()
{
    if (!FApplyingParentFont)
        FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool parentFont)
{
    if (parentFont == FParentFont)
        return;
    FParentFont = parentFont;
    if (FParentFont)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor)
{
    if (parentColor == FParentColor)
        return;
    FParentColor = parentColor;
    if (FParentColor)
        Perform(CM_PARENTCOLORCHANGED);
}

bool TControl::ShowHint() const
{
    if (FParentShowHint)
        return FParent ? FParent->ShowHint() : Application->ShowHint();
    return FShowHint;
}

void TControl::SetShowHint(bool showHint)
{
    FShowHint = showHint;
    FParentShowHint = false;
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == FCursor)
        return;
    FCursor = cursor;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    if (menu == FPopupMenu)
        return;
    // The link stays while the old menu still names this control as the one
    // it popped up for.
    if (FPopupMenu && FPopupMenu->PopupComponent() != this)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = menu;
    if (FPopupMenu)
        FPopupMenu->FreeNotification(this);
}

bool TControl::MouseCapture() const { return FWidget && QWidget::mouseGrabber() == FWidget.get(); }

void TControl::SetMouseCapture(bool capture)
{
    if (capture == MouseCapture())
        return;
    TControl* previous = CaptureControl;
    if (capture) {
        Widget()->grabMouse();
        CaptureControl = this;
        if (previous && previous != this)
            previous->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<intptr_t>(this));
    } else {
        Widget()->releaseMouse();
        if (previous == this) {
            CaptureControl = nullptr;
            Perform(WM_CAPTURECHANGED);
        }
    }
}

void TControl::Repaint()
{
    if (FWidget && FWidget->isVisible())
        FWidget->repaint();
}

void TControl::Invalidate()
{
    if (FWidget)
        FWidget->update();
}

void TControl::Update()
{
    if (FWidget && FWidget->isVisible())
        QCoreApplication::sendPostedEvents(FWidget->window(), QEvent::UpdateRequest);
}

// A control whose widget waits for its window takes its place in the order
// when the widget is made.
void TControl::BringToFront()
{
    if (FWidget && (!FParent || TControlWidget::Attached(*this)))
        FWidget->raise();
    if (FParent) {
        std::vector<TControl*>& siblings = FParent->FControls;
        std::erase(siblings, this);
        siblings.push_back(this);
    }
}

void TControl::SendToBack()
{
    if (FWidget && (!FParent || TControlWidget::Attached(*this)))
        FWidget->lower();
    if (FParent) {
        std::vector<TControl*>& siblings = FParent->FControls;
        std::erase(siblings, this);
        siblings.insert(siblings.begin(), this);
    }
}

// ---- TWinControl

TWinControl::TWinControl(TComponent* owner) : TWinControl(owner, false) { }

TWinControl::TWinControl(TComponent* owner, bool topLevel) : TControl(owner, topLevel) { }

TWinControl::~TWinControl()
{
    Destroying();
    // Children go first, as on the platform: a parent frees its controls.
    while (!FControls.empty()) {
        std::unique_ptr<TControl> child(FControls.back());
        child->SetParent(nullptr);
    }
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (; control; control = control->Parent())
        if (control == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        FTabList.push_back(windowed);
}

void TWinControl::RemoveControl(TControl* control)
{
    std::erase(FControls, control);
    std::erase(FTabList, control);
}

int32_t TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const std::vector<TWinControl*>& list = Parent()->FTabList;
    return static_cast<int32_t>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int32_t order)
{
    if (!Parent())
        return;
    std::vector<TWinControl*>& list = Parent()->FTabList;
    std::erase(list, this);
    const auto position = std::clamp<int32_t>(order, 0, static_cast<int32_t>(list.size()));
    list.insert(list.begin() + position, this);
}

void TWinControl::CollectTabOrder(std::vector<TWinControl*>& list) const
{
    for (TWinControl* control : FTabList) {
        list.push_back(control);
        control->CollectTabOrder(list);
    }
}

std::vector<TWinControl*> TWinControl::TabOrderList() const
{
    std::vector<TWinControl*> list;
    CollectTabOrder(list);
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
    bool checkParent) const
{
    const std::vector<TWinControl*> list = TabOrderList();
    if (list.empty())
        return nullptr;
    const auto count = static_cast<int32_t>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    const int32_t start = found != list.end() ? static_cast<int32_t>(found - list.begin()) : (goForward ? count - 1 : 0);
    int32_t index = start;
    do {
        index = goForward ? (index + 1) % count : (index + count - 1) % count;
        TWinControl* candidate = list[static_cast<size_t>(index)];
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop())
            && (!checkParent || candidate->Parent() == this))
            return candidate;
    } while (index != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

bool TWinControl::CanFocus() const
{
    const TForm* form = ParentForm();
    if (!form)
        return false;
    for (const TControl* control = this; control != form; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    TForm* form = ParentForm();
    if (!form)
        throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
    form->FocusControl(this);
}

bool TWinControl::Focused() const { return FWidget && FWidget->hasFocus(); }

void TWinControl::Broadcast(TMessage& message)
{
    const std::vector<TControl*> children = FControls;
    for (TControl* child : children) {
        child->WindowProc()(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::ChangeScale(int32_t m, int32_t d)
{
    if (m == d || d == 0)
        return;
    TControl::ChangeScale(m, d);
    const std::vector<TControl*> children = FControls;
    for (TControl* child : children)
        child->ChangeScale(m, d);
}

void TWinControl::AlignControls()
{
    if (FAligning)
        return;
    FAligning = true;
    TRect area = ClientRect();
    struct TOrder {
        TAlign Align;
        int32_t (*Key)(const TControl&);
    };
    static constexpr TOrder Orders[] = {
        { alTop, [](const TControl& control) { return control.Top(); } },
        { alBottom, [](const TControl& control) { return -(control.Top() + control.Height()); } },
        { alLeft, [](const TControl& control) { return control.Left(); } },
        { alRight, [](const TControl& control) { return -(control.Left() + control.Width()); } },
        { alClient, [](const TControl&) { return 0; } },
    };
    for (const TOrder& order : Orders) {
        std::vector<TControl*> aligned;
        for (TControl* control : FControls)
            if (control->Align() == order.Align && control->Visible())
                aligned.push_back(control);
        std::stable_sort(aligned.begin(), aligned.end(),
            [&](const TControl* a, const TControl* b) { return order.Key(*a) < order.Key(*b); });
        for (TControl* control : aligned) {
            switch (order.Align) {
            case alTop:
                control->SetBounds(area.Left, area.Top, area.Width(), control->Height());
                area.Top += control->Height();
                break;
            case alBottom:
                control->SetBounds(area.Left, area.Bottom - control->Height(), area.Width(), control->Height());
                area.Bottom -= control->Height();
                break;
            case alLeft:
                control->SetBounds(area.Left, area.Top, control->Width(), area.Height());
                area.Left += control->Width();
                break;
            case alRight:
                control->SetBounds(area.Right - control->Width(), area.Top, control->Width(), area.Height());
                area.Right -= control->Width();
                break;
            default:
                control->SetBounds(area.Left, area.Top, area.Width(), area.Height());
                break;
            }
        }
    }
    FAligning = false;
}

void TWinControl::HandleNeeded()
{
    if (FHandleAllocated)
        return;
    if (TWinControl* parent = Parent())
        parent->HandleNeeded();
    FHandleAllocated = true;
    // A frame narrows the client area as a resize would.
    if (UpdateNonClient())
        Resize();
    CreateWnd();
}

void TWinControl::RecreateWnd()
{
    if (!FHandleAllocated)
        return;
    DestroyWnd();
    FHandleAllocated = false;
    HandleNeeded();
    Invalidate();
}

void TWinControl::DestroyWnd()
{
    if (FWidget)
        FWidget->StopTimers();
}

bool TWinControl::UpdateNonClient()
{
    TRect client = Rect(0, 0, Width(), Height());
    Perform(WM_NCCALCSIZE, 0, reinterpret_cast<intptr_t>(&client));
    const TRect frame = Rect(client.Left, client.Top, Width() - client.Right, Height() - client.Bottom);
    if (frame == FNonClient)
        return false;
    FNonClient = frame;
    for (TControl* child : FControls)
        child->PlaceWidget();
    AlignControls();
    Invalidate();
    return true;
}

void TWinControl::WMNCCalcSize(TMessage&) { }

void TWinControl::WMNCPaint(TMessage& message)
{
    if (message.WParam == 0)
        Invalidate();
}

void TWinControl::SetExStyle(uint32_t exStyle)
{
    FExStyle = exStyle;
    Invalidate();
}

bool TWinControl::ErasesBackground() const
{
    return !ControlStyle().Contains(csOpaque) && !(FExStyle & WS_EX_TRANSPARENT);
}

void TWinControl::Resize()
{
    AlignControls();
    TControl::Resize();
}

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_KEYDOWN:
        CNKeyDown(message);
        break;
    case CN_KEYUP:
        CNKeyUp(message);
        break;
    case CN_CHAR:
        CNChar(message);
        break;
    case WM_KEYDOWN:
        WMKeyDown(message);
        break;
    case WM_KEYUP:
        WMKeyUp(message);
        break;
    case WM_CHAR:
        WMChar(message);
        break;
    case WM_SETFOCUS:
        WMSetFocus(message);
        break;
    case WM_KILLFOCUS:
        WMKillFocus(message);
        break;
    case CM_ENTER:
        DoEnter();
        break;
    case CM_EXIT:
        DoExit();
        break;
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        break;
    case WM_NCPAINT:
        WMNCPaint(message);
        break;
    default:
        TControl::WndProc(message);
        break;
    }
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(TChar& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

bool TWinControl::DoKeyDown(TMessage& message)
{
    TWinControl* form = ParentForm();
    if (form && form != this && static_cast<TForm*>(form)->KeyPreview() && form->DoKeyDown(message))
        return true;
    auto key = static_cast<uint16_t>(message.WParam);
    if (!ControlStyle().Contains(csNoStdEvents)) {
        KeyDown(key, KeyDataToShiftState(message.LParam));
        message.WParam = key;
    }
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    TWinControl* form = ParentForm();
    if (form && form != this && static_cast<TForm*>(form)->KeyPreview() && form->DoKeyUp(message))
        return true;
    auto key = static_cast<uint16_t>(message.WParam);
    if (!ControlStyle().Contains(csNoStdEvents)) {
        KeyUp(key, KeyDataToShiftState(message.LParam));
        message.WParam = key;
    }
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    TWinControl* form = ParentForm();
    if (form && form != this && static_cast<TForm*>(form)->KeyPreview() && form->DoKeyPress(message))
        return true;
    auto key = static_cast<TChar>(message.WParam);
    if (!ControlStyle().Contains(csNoStdEvents)) {
        KeyPress(key);
        message.WParam = key;
    }
    return key == 0;
}

// Tab, arrows, Enter and Esc the control does not claim (CM_WANTSPECIALKEY,
// WM_GETDLGCODE) are dialog keys: the form gets them first, and when it uses
// one the key ends there.
void TWinControl::CNKeyDown(TMessage& message)
{
    message.Result = 1;
    intptr_t mask = 0;
    switch (message.WParam) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, message.WParam, message.LParam) == 0
        && (Perform(WM_GETDLGCODE) & mask) == 0) {
        TForm* form = ParentForm();
        if (form && form->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0)
            return;
    }
    message.Result = 0;
}

void TWinControl::CNKeyUp(TMessage& message) { message.Result = 0; }

void TWinControl::CNChar(TMessage& message)
{
    message.Result = 1;
    if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
        TForm* form = ParentForm();
        if (form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
            return;
    }
    message.Result = 0;
}

void TWinControl::WMKeyDown(TMessage& message)
{
    if (!DoKeyDown(message))
        DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message)
{
    if (!DoKeyUp(message))
        DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message)
{
    if (!DoKeyPress(message))
        DefaultHandler(message);
}

void TWinControl::WMSetFocus(TMessage&)
{
    if (TForm* form = ParentForm())
        form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage&) { }

void TWinControl::CMDialogKey(TMessage& message) { Broadcast(message); }
void TWinControl::CMDialogChar(TMessage& message) { Broadcast(message); }
void TWinControl::CMFocusChanged(TMessage& message) { Broadcast(message); }

void TWinControl::CMFontChanged(TMessage& message)
{
    TControl::CMFontChanged(message);
    for (TControl* child : std::vector<TControl*>(FControls))
        child->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& message)
{
    TControl::CMColorChanged(message);
    for (TControl* child : std::vector<TControl*>(FControls))
        child->Perform(CM_PARENTCOLORCHANGED);
}

// ---- TCustomControl, TGraphicControl

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) { }
TCustomControl::TCustomControl(TComponent* owner, bool topLevel) : TWinControl(owner, topLevel) { }
TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(QPainter& painter)
{
    const TPaintScope scope(FCanvas, painter);
    Paint();
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { }
TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintWindow(QPainter& painter)
{
    const TPaintScope scope(FCanvas, painter);
    Paint();
}

// ---- messages between controls

intptr_t SendMessage(TControl* control, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    // Controls live on the user-interface thread; another thread hands its
    // call over (TThread::Synchronize) or posts.
    if (const QCoreApplication* application = QCoreApplication::instance();
        application && QThread::currentThread() != application->thread())
        throw EInvalidOperation(QStringLiteral("A message can be sent only from the user-interface thread"));
    return control ? control->Perform(msg, wParam, lParam) : 0;
}

bool PostMessage(TControl* control, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    TControlWidget* widget = control ? TControlWidget::Own(*control) : nullptr;
    if (!widget)
        return false;
    QCoreApplication::postEvent(widget, new TPostedMessageEvent({ msg, wParam, lParam, 0 }));
    return true;
}

uintptr_t SetTimer(TControl* control, uintptr_t id, uint32_t elapse)
{
    TControlWidget* widget = control ? TControlWidget::Own(*control) : nullptr;
    if (!widget)
        return 0;
    widget->StartTimer(id, elapse);
    return id;
}

bool KillTimer(TControl* control, uintptr_t id)
{
    TControlWidget* widget = control ? TControlWidget::Own(*control) : nullptr;
    return widget && widget->StopTimer(id);
}

TPoint GetCursorPos()
{
    const QPoint position = QCursor::pos();
    return { position.x(), position.y() };
}

TControl* FindControlAtPos(TPoint screenPoint)
{
    return TControl::FromWidget(QApplication::widgetAt(QPoint(screenPoint.X, screenPoint.Y)));
}
