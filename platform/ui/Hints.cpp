#include "platform/ui/Hints.h"

#include "platform/ui/ControlWidget.h"
#include "platform/ui/Forms.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// Below the pointer, clear of an arrow cursor.
constexpr int32_t CursorHeight = 20;

// The hint on screen now: its control, the rectangle it holds for, and the
// window it shows in (kept for the next hint of the same class).
struct THintState {
    QPointer<QWidget> Control;
    TRect CursorRect;
    QPointer<QWidget> Window;
    THintWindowClass WindowClass = nullptr;
    bool Shown = false;
    // Tells a pending hide timeout whether its hint is still the one shown.
    uint64_t Generation = 0;
};

THintState& HintState()
{
    static THintState state;
    return state;
}

THintWindow* WindowOf(const QPointer<QWidget>& widget) { return dynamic_cast<THintWindow*>(TControl::FromWidget(widget)); }

THintWindow& WindowOfClass(THintWindowClass hintClass)
{
    THintState& state = HintState();
    if (THintWindow* window = WindowOf(state.Window); window && state.WindowClass == hintClass)
        return *window;
    std::unique_ptr<THintWindow> previous(WindowOf(state.Window));
    THintWindow* window = hintClass ? hintClass(Application) : new THintWindow(Application);
    state.Window = window->Widget();
    state.WindowClass = hintClass;
    return *window;
}

void HideHint()
{
    THintState& state = HintState();
    ++state.Generation;
    state.Shown = false;
    state.Control.clear();
    if (THintWindow* window = WindowOf(state.Window))
        window->ReleaseHandle();
}

void ShowHint(const THintInfo& info)
{
    THintState& state = HintState();
    THintWindow& window = WindowOfClass(info.HintWindowClass);
    const int32_t maxWidth = info.HintMaxWidth > 0 ? info.HintMaxWidth : Screen->Width();
    TRect rect = window.CalcHintRect(maxWidth, info.HintStr, info.HintData);
    rect = Bounds(info.HintPos.X, info.HintPos.Y, rect.Width(), rect.Height());
    window.SetColor(info.HintColor);
    window.ActivateHintData(rect, info.HintStr, info.HintData);
    state.Control = info.HintControl->Widget();
    state.CursorRect = info.CursorRect;
    state.Shown = true;
    const uint64_t generation = ++state.Generation;
    if (info.HideTimeout > 0)
        QTimer::singleShot(info.HideTimeout, window.Widget(), [generation] {
            if (HintState().Generation == generation)
                HideHint();
        });
}

bool ShownFor(const TControl& control)
{
    const THintState& state = HintState();
    return state.Shown && state.Control && state.Control == control.Widget();
}

} // namespace

String GetShortHint(const String& hint) { return hint.section(u'|', 0, 0); }

String GetLongHint(const String& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void HintRequested(TControl& control, TPoint point)
{
    // A hint already up for this place stays as it is.
    if (ShownFor(control) && HintState().CursorRect.Contains(point))
        return;
    if (!control.ShowHint()) {
        HideHint();
        return;
    }
    THintInfo info;
    info.HintControl = &control;
    info.HintWindowClass = Application->HintWindowClass();
    info.HintPos = control.ClientToScreen({ point.X, point.Y + CursorHeight });
    info.HintMaxWidth = Screen->Width();
    info.HintColor = Application->HintColor();
    info.CursorRect = control.ClientRect();
    info.CursorPos = point;
    info.HideTimeout = Application->HintHidePause();
    info.HintStr = GetShortHint(control.Hint());
    if (control.Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) != 0 || info.HintStr.isEmpty())
        HideHint();
    else
        ShowHint(info);
}

void HintPointerMoved(TControl& control, TPoint point)
{
    const THintState& state = HintState();
    if (!state.Shown)
        return;
    // Out of the hint's rectangle the control is asked again at once, so
    // a control with a hint per cell shows the next cell's.
    if (!ShownFor(control) || !state.CursorRect.Contains(point))
        HintRequested(control, point);
}

void HintPointerLeft(const TControl& control)
{
    if (ShownFor(control))
        HideHint();
}

void TApplication::CancelHint() { HideHint(); }

// ---- THintWindow

THintWindow::THintWindow(TComponent* owner) : TForm(owner)
{
    SetBorderStyle(bsNone);
    SetWindowKind(wkHint);
    SetColor(clInfoBk);
}

THintWindow::~THintWindow() = default;

TRect THintWindow::CalcHintRect(int32_t maxWidth, const String& hint, void*)
{
    Canvas().SetFont(Font());
    TRect rect = Rect(0, 0, maxWidth, 0);
    Canvas().DrawText(hint, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // A one-pixel frame and three pixels of margin beside the text, one above and below.
    rect.Right += 8;
    rect.Bottom += 4;
    return rect;
}

void THintWindow::ActivateHint(TRect rect, const String& hint)
{
    SetCaption(hint);
    if (const QScreen* screen = QGuiApplication::screenAt(QPoint(rect.Left, rect.Top))) {
        const QRect area = screen->availableGeometry();
        const int32_t left = std::max(area.left(), std::min(rect.Left, area.right() + 1 - rect.Width()));
        const int32_t top = std::max(area.top(), std::min(rect.Top, area.bottom() + 1 - rect.Height()));
        rect = Bounds(left, top, rect.Width(), rect.Height());
    }
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    ShowNoActivate();
    Invalidate();
}

void THintWindow::ActivateHintData(TRect rect, const String& hint, void*) { ActivateHint(rect, hint); }

void THintWindow::PaintWindow(QPainter& painter)
{
    const TPaintScope scope(FCanvas, painter);
    Paint();
}

void THintWindow::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    canvas.Brush().SetColor(clWindowFrame);
    canvas.FrameRect(client);
    canvas.SetFont(Font());
    canvas.Font().SetColor(clInfoText);
    canvas.Brush().SetStyle(bsClear);
    TRect text = Rect(client.Left + 4, client.Top + 2, client.Right - 4, client.Bottom - 2);
    canvas.DrawText(Caption(), text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
