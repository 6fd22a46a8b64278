#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <functional>
#include <memory>
#include <set>

namespace {

// Runs the event loop until done() holds; gives up after a few seconds so a
// lost message fails the test instead of hanging it.
bool RunUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

// A control that logs the messages of this table and counts its paints.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* owner) : TCustomControl(owner) { }

    std::vector<std::string>* Log = nullptr;
    std::vector<uintptr_t> Timers;
    int32_t Paints = 0;
    int32_t Frame = 0;
    std::function<void(TMessage&)> OnSetCursor;
    using TCustomControl::DestroyWnd;

protected:
    void WndProc(TMessage& message) override
    {
        switch (message.Msg) {
        case WM_TIMER:
            Timers.push_back(static_cast<uintptr_t>(message.WParam));
            return;
        case WM_CAPTURECHANGED:
            Record(message.LParam ? "capture lost to " + static_cast<TControl*>(reinterpret_cast<void*>(message.LParam))->Name().toStdString()
                                  : "capture released");
            break;
        case WM_SETCURSOR:
            if (OnSetCursor) {
                OnSetCursor(message);
                return;
            }
            break;
        default:
            break;
        }
        TCustomControl::WndProc(message);
    }
    void CreateWnd() override
    {
        TCustomControl::CreateWnd();
        Record("created");
    }
    void DestroyWnd() override
    {
        Record("destroyed");
        TCustomControl::DestroyWnd();
    }
    void WMNCCalcSize(TMessage& message) override
    {
        TCustomControl::WMNCCalcSize(message);
        auto& rect = *reinterpret_cast<TRect*>(message.LParam);
        rect = Rect(rect.Left + Frame, rect.Top + Frame, rect.Right - Frame, rect.Bottom - Frame);
    }
    void WMNCPaint(TMessage& message) override
    {
        TCustomControl::WMNCPaint(message);
        if (Frame == 0 || message.WParam == 0)
            return;
        TCanvas& canvas = *reinterpret_cast<TCanvas*>(message.WParam);
        canvas.Brush().SetColor(clRed);
        canvas.FrameRect(Rect(0, 0, Width(), Height()));
    }
    void Paint() override
    {
        ++Paints;
        Canvas().Brush().SetColor(clBlue);
        Canvas().FillRect(ClientRect());
    }

private:
    void Record(const std::string& what)
    {
        if (Log)
            Log->push_back(Name().toStdString() + ": " + what);
    }
};

class MessagesTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
    }

    TProbe* MakeProbe(const char* name, TWinControl* parent)
    {
        auto* probe = new TProbe(Form.get());
        probe->SetName(name);
        probe->Log = &Log;
        probe->SetBounds(10, 10, 100, 60);
        probe->SetParent(parent);
        return probe;
    }

    void MoveMouse(TControl& control, QPoint point)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(point), control.Widget()->mapToGlobal(QPointF(point)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control.Widget(), &move);
    }

    std::vector<std::string> Log;
    std::unique_ptr<TForm> Form;
};

} // namespace

TEST_F(MessagesTest, WindowTimersTickWithTheirIdsUntilKilled)
{
    TProbe* probe = MakeProbe("probe", Form.get());
    EXPECT_EQ(SetTimer(probe, 111, 10), 111u);
    EXPECT_EQ(SetTimer(probe, 1, 10), 1u);
    EXPECT_EQ(SetTimer(nullptr, 2, 10), 0u);
    ASSERT_TRUE(RunUntil([&] {
        const std::set<uintptr_t> seen(probe->Timers.begin(), probe->Timers.end());
        return seen == std::set<uintptr_t> { 1, 111 };
    }));

    EXPECT_TRUE(KillTimer(probe, 111));
    EXPECT_FALSE(KillTimer(probe, 111));
    EXPECT_FALSE(KillTimer(probe, 7));
    QApplication::processEvents();
    probe->Timers.clear();
    ASSERT_TRUE(RunUntil([&] { return probe->Timers.size() >= 3; }));
    EXPECT_EQ(std::set<uintptr_t>(probe->Timers.begin(), probe->Timers.end()), std::set<uintptr_t> { 1 });

    // The window's timers end with it.
    Form->Show();
    probe->RecreateWnd();
    EXPECT_FALSE(KillTimer(probe, 1));
}

TEST_F(MessagesTest, TheWindowIsCreatedOnceWhenFirstShownParentFirst)
{
    TProbe* outer = MakeProbe("outer", Form.get());
    TProbe* inner = MakeProbe("inner", outer);
    TProbe* hidden = MakeProbe("hidden", Form.get());
    hidden->SetVisible(false);
    EXPECT_FALSE(outer->HandleAllocated());
    EXPECT_TRUE(Log.empty());

    Form->Show();
    QApplication::processEvents();
    EXPECT_EQ(Log, (std::vector<std::string> { "outer: created", "inner: created" }));
    EXPECT_TRUE(inner->HandleAllocated());
    EXPECT_FALSE(hidden->HandleAllocated());

    Log.clear();
    Form->Hide();
    Form->Show();
    QApplication::processEvents();
    inner->RecreateWnd();
    hidden->RecreateWnd();
    EXPECT_EQ(Log, (std::vector<std::string> { "inner: destroyed", "inner: created" }));

    Log.clear();
    hidden->HandleNeeded();
    EXPECT_EQ(Log, (std::vector<std::string> { "hidden: created" }));
}

TEST_F(MessagesTest, TheRedrawLockHoldsPaintsBackAndRepaintsOnceAfter)
{
    TProbe* probe = MakeProbe("probe", Form.get());
    Form->Show();
    QApplication::processEvents();
    ASSERT_GT(probe->Paints, 0);

    probe->Paints = 0;
    probe->Perform(WM_SETREDRAW, 0);
    probe->Invalidate();
    probe->Repaint();
    probe->Update();
    QApplication::processEvents();
    EXPECT_EQ(probe->Paints, 0);

    probe->Perform(WM_SETREDRAW, 1);
    QApplication::processEvents();
    EXPECT_EQ(probe->Paints, 1);
}

TEST_F(MessagesTest, ANonClientFrameShrinksTheClientAreaAndIsPainted)
{
    TProbe* probe = MakeProbe("probe", Form.get());
    probe->Frame = 3;
    TProbe* child = MakeProbe("child", probe);
    child->SetBounds(0, 0, 10, 10);
    std::vector<std::string> clicks;
    probe->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int32_t x, int32_t y) {
        clicks.push_back(std::to_string(x) + "," + std::to_string(y));
    };
    Form->Show();
    QApplication::processEvents();

    EXPECT_EQ(probe->ClientRect(), Rect(0, 0, 94, 54));
    EXPECT_EQ(child->Widget()->pos(), QPoint(3, 3));
    EXPECT_EQ(probe->ClientToScreen({ 0, 0 }), child->ClientToScreen({ 0, 0 }));

    const QImage image = probe->Widget()->grab().toImage();
    struct Pixel {
        int x, y;
        QRgb expected;
    };
    const Pixel pixels[] = {
        { 0, 0, qRgb(255, 0, 0) },
        { 99, 59, qRgb(255, 0, 0) },
        { 50, 30, qRgb(0, 0, 255) },
    };
    for (const Pixel& pixel : pixels) {
        SCOPED_TRACE(std::to_string(pixel.x) + "," + std::to_string(pixel.y));
        EXPECT_EQ(image.pixel(pixel.x, pixel.y) & 0xFFFFFF, pixel.expected & 0xFFFFFF);
    }

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 13), probe->Widget()->mapToGlobal(QPointF(20, 13)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(probe->Widget(), &press);
    EXPECT_EQ(clicks, (std::vector<std::string> { "17,10" }));

    // Without the frame the client area is the whole control again.
    probe->Frame = 0;
    probe->RecreateWnd();
    EXPECT_EQ(probe->ClientRect(), Rect(0, 0, 100, 60));
    EXPECT_EQ(child->Widget()->pos(), QPoint(0, 0));
}

TEST_F(MessagesTest, CaptureLossIsReportedAndCancelModeEndsTheCapture)
{
    TProbe* first = MakeProbe("first", Form.get());
    TProbe* second = MakeProbe("second", Form.get());
    Form->Show();
    QApplication::processEvents();
    Log.clear();

    first->SetMouseCapture(true);
    second->SetMouseCapture(true);
    EXPECT_TRUE(second->MouseCapture());
    EXPECT_FALSE(first->MouseCapture());
    second->Perform(WM_CANCELMODE);
    EXPECT_FALSE(second->MouseCapture());
    first->SetMouseCapture(true);
    first->SetMouseCapture(false);
    EXPECT_EQ(Log, (std::vector<std::string> { "first: capture lost to second", "second: capture released", "first: capture released" }));
}

TEST_F(MessagesTest, TheCursorIsAskedForEachPointerMove)
{
    TProbe* probe = MakeProbe("probe", Form.get());
    probe->SetCursor(crCross);
    Form->Show();
    QApplication::processEvents();

    MoveMouse(*probe, { 5, 5 });
    EXPECT_EQ(probe->Widget()->cursor().shape(), Qt::CrossCursor);

    // A handler may choose a shape per point, without the control's own.
    probe->OnSetCursor = [&](TMessage& message) {
        EXPECT_EQ(message.WParam, reinterpret_cast<intptr_t>(probe));
        EXPECT_EQ(LParamX(message.LParam), HTCLIENT);
        EXPECT_EQ(static_cast<uint32_t>(LParamY(message.LParam)), WM_MOUSEMOVE);
        probe->DisplayCursor(crHandPoint);
        message.Result = 1;
    };
    MoveMouse(*probe, { 50, 5 });
    EXPECT_EQ(probe->Widget()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(probe->Cursor(), crCross);
}

TEST_F(MessagesTest, AnInstalledWindowProcedureSeesEveryMessageFirstUntilRestored)
{
    TProbe* probe = MakeProbe("probe", Form.get());
    Form->Show();
    std::vector<uint32_t> seen;
    const TWndMethod saved = probe->WindowProc();
    probe->SetWindowProc([&](TMessage& message) {
        if (message.Msg == WM_TIMER) {
            seen.push_back(message.Msg);
            return;
        }
        saved(message);
    });
    probe->Perform(WM_TIMER, 7);
    PostMessage(probe, WM_TIMER, 8);
    ASSERT_TRUE(RunUntil([&] { return seen.size() == 2; }));
    EXPECT_TRUE(probe->Timers.empty());

    probe->SetWindowProc(saved);
    probe->Perform(WM_TIMER, 9);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(probe->Timers, std::vector<uintptr_t> { 9 });
}

TEST_F(MessagesTest, ChangeScaleScalesBoundsFontAndChildren)
{
    struct Case {
        int32_t m;
        int32_t d;
        TRect bounds;
        TRect childBounds;
        int32_t fontSize;
    };
    // The parent lies at (10, 10, 100x60) with a 10-point font of its own;
    // its child at (4, 6, 20x10) follows the parent's font.
    const Case cases[] = {
        { 3, 2, Bounds(15, 15, 150, 90), Bounds(6, 9, 30, 15), 15 },
        { 1, 2, Bounds(5, 5, 50, 30), Bounds(2, 3, 10, 5), 5 },
        { 5, 5, Bounds(10, 10, 100, 60), Bounds(4, 6, 20, 10), 10 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.m << "/" << c.d);
        TProbe* parent = MakeProbe("parent", Form.get());
        parent->Font().SetSize(10);
        TProbe* child = MakeProbe("child", parent);
        child->SetBounds(4, 6, 20, 10);
        parent->ChangeScale(c.m, c.d);
        EXPECT_EQ(parent->BoundsRect(), c.bounds);
        EXPECT_EQ(child->BoundsRect(), c.childBounds);
        EXPECT_EQ(parent->Font().Size(), c.fontSize);
        EXPECT_TRUE(child->ParentFont());
        EXPECT_EQ(child->Font().Size(), c.fontSize);
        std::unique_ptr<TProbe> gone(parent);
    }
}
