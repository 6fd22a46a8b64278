#include "platform/ui/ExtCtrls.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBarHost.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

namespace {

// Children that move, resize, come or go change the scrolled range; the bar
// follows once the event loop is idle, so a burst of changes costs one update.
class TChildWatch : public QObject {
public:
    TChildWatch(QWidget* box, std::function<void()> update) : FBox(box), FUpdate(std::move(update))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == FBox)
                if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                    child->installEventFilter(this);
            Schedule();
            break;
        case QEvent::ChildRemoved:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched != FBox)
                Schedule();
            else if (event->type() == QEvent::ChildRemoved)
                Schedule();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Schedule()
    {
        if (FPending)
            return;
        FPending = true;
        QTimer::singleShot(0, this, [this] {
            FPending = false;
            Guarded([&] { FUpdate(); });
        });
    }

    QPointer<QWidget> FBox;
    std::function<void()> FUpdate;
    bool FPending = false;
};

} // namespace

TScrollBox::TScrollBox(TComponent* owner) : TCustomControl(owner)
{
    FScrollBar = std::make_unique<TScrollBarHost>(Widget(), false, [this](intptr_t code, int32_t thumb) {
        Perform(WM_VSCROLL, MakeScrollWParam(code, thumb));
    });
    FChildWatch = std::make_unique<TChildWatch>(Widget(), [this] { UpdateScrollBar(); });
    static_cast<TControlWidget*>(Widget())->TakeChildrenAtOnce();
    TControlStyle style = ControlStyle();
    SetControlStyle(style << csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox() = default;

int32_t TScrollBox::VertScrollRange() const
{
    int32_t bottom = 0;
    for (int32_t index = 0; index < ControlCount(); ++index)
        if (const TControl* control = Controls(index); control->Visible())
            bottom = std::max(bottom, control->Top() + control->Height() + FScrollPosition);
    return bottom;
}

bool TScrollBox::ScrollBarShown() const { return FScrollBar->Visible(); }

int32_t TScrollBox::ClientWidth() const
{
    return std::max(Width() - (ScrollBarShown() ? GetSystemMetrics(SM_CXVSCROLL) : 0), 0);
}

void TScrollBox::UpdateScrollBar()
{
    const int32_t range = VertScrollRange();
    const bool shown = range > ClientHeight();
    const int32_t extent = GetSystemMetrics(SM_CXVSCROLL);
    FScrollBar->SetParams(0, std::max(range - 1, 0), std::max(ClientHeight(), 1), FScrollPosition);
    FScrollBar->SetGeometry(Rect(Width() - extent, 0, Width(), Height()));
    if (shown == FScrollBar->Visible())
        return;
    FScrollBar->SetVisible(shown);
    FScrollBar->Bar()->raise();
    // The client width changed: aligned children take the new width.
    AlignControls();
    if (!shown)
        SetVertScrollPosition(0);
}

void TScrollBox::SetVertScrollPosition(int32_t position)
{
    const int32_t limit = std::max(VertScrollRange() - ClientHeight(), 0);
    const int32_t target = std::clamp(position, 0, limit);
    const int32_t delta = FScrollPosition - target;
    if (delta == 0)
        return;
    FScrollPosition = target;
    for (int32_t index = 0; index < ControlCount(); ++index) {
        TControl* control = Controls(index);
        control->SetTop(control->Top() + delta);
    }
    UpdateScrollBar();
}

void TScrollBox::ScrollInView(TControl* control)
{
    if (!control || control->Parent() != this)
        return;
    if (control->Top() < 0)
        SetVertScrollPosition(FScrollPosition + control->Top());
    else if (control->Top() + control->Height() > ClientHeight())
        SetVertScrollPosition(FScrollPosition + control->Top() + control->Height() - ClientHeight());
}

void TScrollBox::Resize()
{
    TCustomControl::Resize();
    UpdateScrollBar();
}

void TScrollBox::WndProc(TMessage& message)
{
    if (message.Msg != WM_VSCROLL) {
        TCustomControl::WndProc(message);
        return;
    }
    const int32_t range = VertScrollRange();
    SetVertScrollPosition(ScrollTarget(message.WParam, FScrollPosition, LineSize(), ClientHeight(), range));
}

// Each notch sends the system's wheel-scroll lines as line messages, each
// followed by the end of the scroll.
bool TScrollBox::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    const uint32_t setting = WheelScrollLines();
    const intptr_t code = wheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
    if (setting == WHEEL_PAGESCROLL) {
        Perform(WM_VSCROLL, wheelDelta > 0 ? SB_PAGEUP : SB_PAGEDOWN);
        Perform(WM_VSCROLL, SB_ENDSCROLL);
        return true;
    }
    for (uint32_t line = 0; line < setting; ++line) {
        Perform(WM_VSCROLL, code);
        Perform(WM_VSCROLL, SB_ENDSCROLL);
    }
    return true;
}
