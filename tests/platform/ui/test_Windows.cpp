#include "platform/ui/Forms.h"

#include "tests/support/RunUntil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QApplicationStateChangeEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace {

void Settle()
{
    for (int turn = 0; turn < 5; ++turn)
        QApplication::processEvents();
}

// A focusable control that logs the input and focus messages it receives,
// with the other control of a focus message.
class TProbe : public TCustomControl {
public:
    TProbe(TWinControl* parent, const char* name) : TCustomControl(parent)
    {
        SetName(QString::fromLatin1(name));
        SetTabStop(true);
        SetBounds(10, 10, 40, 20);
        SetParent(parent);
    }

    std::vector<std::string> Log;

    void WndProc(TMessage& message) override
    {
        auto nameOf = [](intptr_t pointer) {
            auto* control = reinterpret_cast<TControl*>(pointer);
            return control ? control->Name().toStdString() : std::string("-");
        };
        switch (message.Msg) {
        case WM_LBUTTONDOWN:
            Log.push_back("click");
            break;
        case WM_KEYDOWN:
            Log.push_back("key " + std::to_string(message.WParam));
            break;
        case WM_SETFOCUS:
            Log.push_back("set from " + nameOf(message.WParam));
            break;
        case WM_KILLFOCUS:
            Log.push_back("kill to " + nameOf(message.WParam));
            break;
        default:
            break;
        }
        TCustomControl::WndProc(message);
    }
};

void Click(TControl& control)
{
    const QPoint at = control.Widget()->mapTo(control.Widget()->window(), QPoint(2, 2));
    QTest::mouseClick(control.Widget()->window()->windowHandle(), Qt::LeftButton, {}, at);
}

// Types into the window that has the keyboard, through the window system,
// where a modal window blocks the others.
void TypeA() { QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_A); }

// Runs checks while dialog is shown modally; they end the dialog.
template <typename Checks>
void WhileModal(TForm& dialog, Checks&& checks)
{
    QTimer::singleShot(0, [&] {
        Settle();
        checks();
        dialog.SetModalResult(mrOk);
    });
    dialog.ShowModal();
}

std::unique_ptr<TForm> MakePopup(TWindowKind kind, const char* name)
{
    auto popup = std::make_unique<TForm>(nullptr);
    popup->SetName(QString::fromLatin1(name));
    popup->SetBorderStyle(bsNone);
    popup->SetWindowKind(kind);
    popup->SetBounds(400, 300, 80, 60);
    return popup;
}

} // namespace

TEST(Windows, APopupOfAModalDialogTakesClicksAndKeysAndOnlyAnActivatingOneTakesTheFocus)
{
    struct TCase {
        TWindowKind Kind;
        std::vector<std::string> EditLog;
        std::vector<std::string> ListLog;
    };
    const TCase cases[] = {
        // A drop-down list: the edit keeps the focus and the keys.
        { wkNoActivatePopup, { "key 65", "kill to -" }, { "click" } },
        // A drop-down form: the focus moves to it and comes back on closing.
        { wkPopup, { "kill to list", "set from list", "kill to -" }, { "set from edit", "click", "key 65", "kill to -" } },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(static_cast<int>(entry.Kind));
        TForm dialog(nullptr);
        dialog.SetName("dialog");
        auto* edit = new TProbe(&dialog, "edit");
        const std::unique_ptr<TForm> popup = MakePopup(entry.Kind, "popup");
        auto* list = new TProbe(popup.get(), "list");
        WhileModal(dialog, [&] {
            ASSERT_TRUE(RunUntil([&] { return edit->Focused(); }));
            edit->Log.clear();
            popup->Show();
            Settle();
            EXPECT_EQ(popup->OwnerWindow(), &dialog);
            Click(*list);
            TypeA();
            popup->Hide();
            Settle();
            EXPECT_TRUE(edit->Focused());
        });
        EXPECT_EQ(edit->Log, entry.EditLog);
        EXPECT_EQ(list->Log, entry.ListLog);
    }
}

TEST(Windows, AFormShownWithoutAnOwnerWhileADialogIsModalIsOwnedByIt)
{
    TForm main(nullptr);
    TForm dialog(nullptr);
    TForm nested(nullptr);
    const std::unique_ptr<TForm> other = MakePopup(wkNormal, "other");
    main.Show();
    other->Show();
    EXPECT_EQ(other->OwnerWindow(), nullptr);
    other->Hide();
    WhileModal(dialog, [&] {
        other->Show();
        EXPECT_EQ(other->OwnerWindow(), &dialog);
        EXPECT_TRUE(dialog.OwnsWindow(other.get()));
        EXPECT_FALSE(other->OwnsWindow(&dialog));
        WhileModal(nested, [&] {
            const std::unique_ptr<TForm> inner = MakePopup(wkPopup, "inner");
            inner->Show();
            EXPECT_EQ(inner->OwnerWindow(), &nested);
            EXPECT_TRUE(dialog.OwnsWindow(inner.get()));
        });
        // An explicit owner wins over the modal form.
        const std::unique_ptr<TForm> chosen = MakePopup(wkPopup, "chosen");
        chosen->SetPopupParent(&main);
        chosen->Show();
        EXPECT_EQ(chosen->OwnerWindow(), &main);
        EXPECT_THROW(main.SetPopupParent(chosen.get()), EInvalidOperation);
    });
    // The owner hides what it owns.
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(other->Widget()->isVisible());
}

TEST(Windows, FreeingTheOwnerLeavesTheOwnedFormWhole)
{
    auto owner = std::make_unique<TForm>(nullptr);
    const std::unique_ptr<TForm> popup = MakePopup(wkPopup, "popup");
    popup->SetPopupParent(owner.get());
    owner->Show();
    popup->Show();
    ASSERT_EQ(popup->OwnerWindow(), owner.get());
    owner.reset();
    EXPECT_EQ(popup->PopupParent(), nullptr);
    EXPECT_EQ(popup->OwnerWindow(), nullptr);
    EXPECT_FALSE(popup->Visible());
    popup->Show();
    EXPECT_TRUE(popup->Widget()->isVisible());
}

TEST(Windows, AnActivatingPopupClosesWhenAWindowItDoesNotOwnBecomesActive)
{
    TForm dialog(nullptr);
    dialog.SetName("dialog");
    new TProbe(&dialog, "edit");
    const std::unique_ptr<TForm> popup = MakePopup(wkPopup, "popup");
    const std::unique_ptr<TForm> child = MakePopup(wkPopup, "child");
    const std::unique_ptr<TForm> keeper = MakePopup(wkPopup, "keeper");
    keeper->SetCloseOnDeactivate(false);
    child->SetPopupParent(popup.get());
    std::vector<std::string> seen;
    popup->OnDeactivate = [&](TComponent*) {
        TForm* next = Screen->ActiveForm();
        seen.push_back(next ? next->Name().toStdString() : "-");
    };
    WhileModal(dialog, [&] {
        popup->Show();
        ASSERT_TRUE(RunUntil([&] { return popup->Active(); }));
        child->Show();
        ASSERT_TRUE(RunUntil([&] { return child->Active(); }));
        EXPECT_TRUE(popup->Visible()) << "the child belongs to the popup";
        keeper->Show();
        ASSERT_TRUE(RunUntil([&] { return keeper->Active(); }));
        EXPECT_FALSE(child->Visible());
        EXPECT_FALSE(popup->Visible());
        // A click on the dialog activates it, which ends a popup's activation.
        Click(dialog);
        ASSERT_TRUE(RunUntil([&] { return dialog.Active(); }));
        EXPECT_TRUE(keeper->Visible()) << "it decides itself";
    });
    EXPECT_EQ(seen, (std::vector<std::string> { "child" })) << "it closed with the child, not on its own deactivation";
}

TEST(Windows, ActivationMessagesCarryTheOtherWindow)
{
    struct TActivationLog : TForm {
        using TForm::TForm;
        std::vector<std::string> Log;
        void WndProc(TMessage& message) override
        {
            if (message.Msg == WM_ACTIVATE) {
                auto* other = reinterpret_cast<TForm*>(message.LParam);
                Log.push_back((message.WParam == WA_INACTIVE ? "off to " : "on from ")
                    + (other ? other->Name().toStdString() : std::string("-")));
            }
            TForm::WndProc(message);
        }
    };
    TActivationLog first(nullptr);
    TActivationLog second(nullptr);
    first.SetName("first");
    second.SetName("second");
    first.Show();
    ASSERT_TRUE(RunUntil([&] { return first.Active(); }));
    second.Show();
    ASSERT_TRUE(RunUntil([&] { return second.Active(); }));
    first.SetFocus();
    ASSERT_TRUE(RunUntil([&] { return first.Active(); }));
    EXPECT_EQ(first.Log, (std::vector<std::string> { "on from -", "off to second", "on from second" }));
    EXPECT_EQ(second.Log, (std::vector<std::string> { "on from first", "off to first" }));
}

TEST(Windows, APressOutsideANonActivatingPopupClosesItAndAPressInsideDoesNot)
{
    TForm dialog(nullptr);
    auto* edit = new TProbe(&dialog, "edit");
    const std::unique_ptr<TForm> list = MakePopup(wkNoActivatePopup, "list");
    auto* item = new TProbe(list.get(), "item");
    int closes = 0;
    list->OnClose = [&](TComponent*, TCloseAction&) { ++closes; };
    WhileModal(dialog, [&] {
        list->Show();
        Settle();
        EXPECT_FALSE(list->Active());
        Click(*item);
        EXPECT_TRUE(list->Visible());
        Click(*edit);
        EXPECT_FALSE(list->Visible());
        EXPECT_EQ(item->Log, (std::vector<std::string> { "click" }));
    });
    EXPECT_EQ(closes, 1);
}

TEST(Windows, WindowsOfKindsThatNeverActivateLeaveTheActivationAlone)
{
    TForm main(nullptr);
    main.Show();
    ASSERT_TRUE(RunUntil([&] { return main.Active(); }));
    for (const TWindowKind kind : { wkNoActivatePopup, wkHint, wkOverlay }) {
        SCOPED_TRACE(static_cast<int>(kind));
        const std::unique_ptr<TForm> window = MakePopup(kind, "window");
        window->Show();
        Settle();
        EXPECT_TRUE(window->Widget()->isVisible());
        EXPECT_EQ(Screen->ActiveForm(), &main);
        EXPECT_TRUE(window->Widget()->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ((window->Widget()->windowFlags() & Qt::WindowTransparentForInput) != 0, kind == wkOverlay);
    }
}

TEST(Windows, WhenTheApplicationLosesTheActivationItsNonActivatingPopupsClose)
{
    TForm main(nullptr);
    main.Show();
    ASSERT_TRUE(RunUntil([&] { return main.Active(); }));
    struct TCase {
        TWindowKind Kind;
        bool Closes;
    };
    const TCase cases[] = { { wkNoActivatePopup, true }, { wkHint, false }, { wkOverlay, false }, { wkNormal, false } };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(static_cast<int>(testCase.Kind));
        const std::unique_ptr<TForm> window = MakePopup(testCase.Kind, "window");
        window->SetPopupParent(&main);
        window->ShowNoActivate();
        Settle();
        QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &inactive);
        EXPECT_EQ(window->Visible(), !testCase.Closes);
        EXPECT_TRUE(main.Visible());
    }
}

TEST(Windows, StayOnTopIsAStyleOfAnyForm)
{
    TForm form(nullptr);
    form.SetFormStyle(fsStayOnTop);
    form.Show();
    EXPECT_TRUE(form.Widget()->windowFlags() & Qt::WindowStaysOnTopHint);
    form.SetFormStyle(fsNormal);
    EXPECT_FALSE(form.Widget()->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(Windows, OpeningAMenuTakesNoFocusAway)
{
    TForm form(nullptr);
    auto* edit = new TProbe(&form, "edit");
    form.Show();
    ASSERT_TRUE(RunUntil([&] { return edit->Focused(); }));
    edit->Log.clear();
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(QPoint(100, 100));
    Settle();
    menu.close();
    Settle();
    EXPECT_TRUE(edit->Log.empty()) << edit->Log.front();
}

TEST(Monitors, ARectangleBelongsToTheMonitorHoldingMostOfItElseTheDefault)
{
    const std::vector<TMonitor> monitors = {
        { 0, Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1040), true },
        { 1, Rect(1920, 0, 3200, 1024), Rect(1920, 0, 3200, 1024), false },
        { 2, Rect(-1280, 0, 0, 1024), Rect(-1280, 30, 0, 1024), false },
    };
    struct TCase {
        TRect Probe;
        TMonitorDefaultTo DefaultTo;
        int32_t Expected;
    };
    const TCase cases[] = {
        { Bounds(100, 100, 1, 1), mdNull, 0 },
        { Bounds(1920, 0, 1, 1), mdNull, 1 },
        { Bounds(-1, 500, 1, 1), mdNull, 2 },
        { Bounds(1800, 100, 300, 100), mdNull, 1 }, // 180 of 300 columns on the right one
        { Bounds(1700, 100, 300, 100), mdNull, 0 },
        { Bounds(2500, 1100, 10, 10), mdNull, -1 }, // below the right monitor
        { Bounds(2500, 1100, 10, 10), mdNearest, 1 },
        { Bounds(2500, 1100, 10, 10), mdPrimary, 0 },
        { Bounds(-2000, 50, 10, 10), mdNearest, 2 },
        { Bounds(100, 100, 0, 0), mdNull, 0 }, // an empty rectangle is its corner
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.Probe.Left << "," << entry.Probe.Top);
        EXPECT_EQ(MonitorIndexOf(monitors, entry.Probe, entry.DefaultTo), entry.Expected);
    }
    EXPECT_EQ(MonitorIndexOf({}, Bounds(0, 0, 1, 1), mdNearest), -1);
}

TEST(Monitors, KeepInsideMovesARectangleIntoTheAreaWithoutResizingIt)
{
    const TRect area = Rect(0, 30, 1000, 800);
    struct TCase {
        TRect Window;
        TRect Expected;
    };
    const TCase cases[] = {
        { Bounds(100, 100, 200, 100), Bounds(100, 100, 200, 100) },
        { Bounds(900, 100, 200, 100), Bounds(800, 100, 200, 100) },
        { Bounds(-50, 0, 200, 100), Bounds(0, 30, 200, 100) },
        { Bounds(100, 750, 200, 100), Bounds(100, 700, 200, 100) },
        { Bounds(100, 100, 1200, 900), Bounds(0, 30, 1200, 900) }, // too large: top left inside
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.Window.Left << "," << entry.Window.Top);
        EXPECT_EQ(KeepInside(entry.Window, area), entry.Expected);
    }
}

TEST(Monitors, TheScreenListsTheDesktopsMonitorsAndPlacesFormsInTheirWorkArea)
{
    ASSERT_GE(Screen->MonitorCount(), 1);
    const TMonitor primary = Screen->PrimaryMonitor();
    EXPECT_TRUE(primary.Primary);
    EXPECT_EQ(Screen->WorkAreaRect(), primary.WorkareaRect);
    EXPECT_EQ(Screen->MonitorFromPoint(Point(primary.Left() + 5, primary.Top() + 5))->MonitorNum, primary.MonitorNum);
    EXPECT_FALSE(Screen->MonitorFromPoint(Point(-100000, -100000), mdNull).has_value());
    EXPECT_TRUE(Screen->MonitorFromPoint(Point(-100000, -100000)).has_value());
    TForm form(nullptr);
    const TRect work = primary.WorkareaRect;
    form.SetBounds(work.Right - 50, work.Bottom - 20, 200, 100);
    form.MakeFullyVisible();
    EXPECT_EQ(form.BoundsRect(), Bounds(work.Right - 200, work.Bottom - 100, 200, 100));
}

TEST(FormSize, OnCanResizeAndConstraintsDecideEverySizeFromTheProgramOrTheUser)
{
    TForm form(nullptr);
    form.SetBounds(10, 10, 300, 200);
    form.SetConstraints({ 80, 50, 600, 0 });
    // The height stays as it was made, as a form that only widens wants.
    const int32_t pinned = form.Height();
    form.OnCanResize = [&](TComponent*, int32_t&, int32_t& newHeight, bool& resize) {
        newHeight = pinned;
        resize = true;
    };
    struct TCase {
        int32_t Width;
        int32_t Height;
        TSize Expected;
    };
    const TCase cases[] = {
        { 400, 260, { 400, 200 } },
        { 50, 260, { 80, 200 } },
        { 900, 10, { 600, 200 } },
    };
    form.Show();
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Width);
        form.SetBounds(form.Left(), form.Top(), entry.Width, entry.Height);
        EXPECT_EQ((TSize { form.Width(), form.Height() }), entry.Expected);
        // The user drags the frame: the window system resizes the widget.
        form.Widget()->resize(entry.Width, entry.Height);
        QApplication::processEvents();
        EXPECT_EQ((TSize { form.Width(), form.Height() }), entry.Expected);
        EXPECT_EQ(form.Widget()->height(), entry.Expected.cy);
    }
    form.OnCanResize = [](TComponent*, int32_t&, int32_t&, bool& resize) { resize = false; };
    form.SetBounds(form.Left(), form.Top(), 500, 300);
    EXPECT_EQ((TSize { form.Width(), form.Height() }), (TSize { 600, 200 }));
}

TEST(FormSize, WindowStateFollowsTheProgramAndTheSystemCommands)
{
    TForm form(nullptr);
    form.SetWindowState(wsMaximized);
    EXPECT_EQ(form.WindowState(), wsMaximized);
    form.Show();
    EXPECT_TRUE(form.Widget()->isMaximized());
    struct TCase {
        intptr_t Command;
        TWindowState Expected;
    };
    const TCase cases[] = {
        { SC_RESTORE, wsNormal },
        { SC_MAXIMIZE, wsMaximized },
        { SC_MINIMIZE, wsMinimized },
        { SC_RESTORE + 2, wsNormal }, // the low bits are the system's own
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Command);
        form.Perform(WM_SYSCOMMAND, entry.Command);
        EXPECT_EQ(form.WindowState(), entry.Expected);
    }
    // Moving needs a window system that moves windows; a headless one says no.
    EXPECT_EQ(form.Perform(WM_SYSCOMMAND, SC_MOVE + 2), form.StartSystemMove() ? 0 : 1);
}

TEST(FormShape, TranslucencyIsAppliedAndHonestAboutBlendingAndRegionsShapeTheWindow)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetWindowKind(wkOverlay);
    form.SetBounds(0, 0, 40, 40);
    form.SetAlphaBlend(true);
    form.SetAlphaBlendValue(192);
    form.Show();
    EXPECT_NEAR(form.Widget()->windowOpacity(), 192 / 255.0, 0.01);
    // A headless display composites nothing: the overlay is drawn opaque.
    EXPECT_FALSE(form.AlphaBlended());
    form.SetAlphaBlend(false);
    EXPECT_DOUBLE_EQ(form.Widget()->windowOpacity(), 1.0);

    const TRegion region(Rect(0, 0, 10, 10));
    form.SetWindowRegion(&region);
    EXPECT_TRUE(form.Widget()->mask().contains(QPoint(5, 5)));
    EXPECT_FALSE(form.Widget()->mask().contains(QPoint(20, 20)));
    form.SetWindowRegion(nullptr);
    EXPECT_TRUE(form.Widget()->mask().isEmpty());
}
