#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace {

// A hint window that records what it is asked to show.
class TRecordingHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;

    static inline std::vector<std::string> Shown;
    static inline TRect LastRect;
    static inline TRecordingHintWindow* Last = nullptr;

    void ActivateHint(TRect rect, const String& hint) override
    {
        Shown.push_back(hint.toStdString());
        LastRect = rect;
        Last = this;
        THintWindow::ActivateHint(rect, hint);
    }
};

// A control with one hint per half: the left half and the right half.
class THalvesControl : public TCustomControl {
public:
    explicit THalvesControl(TComponent* owner) : TCustomControl(owner) { }

    int32_t Asked = 0;
    bool Refuse = false;

protected:
    void CMHintShow(TMessage& message) override
    {
        ++Asked;
        auto& info = *reinterpret_cast<THintInfo*>(message.LParam);
        const bool left = info.CursorPos.X < Width() / 2;
        info.HintStr = left ? "left half" : "right <b>half</b>";
        info.CursorRect = left ? Rect(0, 0, Width() / 2, Height()) : Rect(Width() / 2, 0, Width(), Height());
        info.HintPos = ClientToScreen({ info.CursorRect.Left, Height() });
        message.Result = Refuse ? 1 : 0;
    }
};

class HintsTest : public testing::Test {
protected:
    void SetUp() override
    {
        TRecordingHintWindow::Shown.clear();
        Application->SetHintWindowClass(HintWindowClassOf<TRecordingHintWindow>);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Halves = new THalvesControl(Form.get());
        Halves->SetBounds(10, 10, 200, 40);
        Halves->SetParent(Form.get());
        Halves->SetShowHint(true);
        Form->Show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        Application->CancelHint();
        Application->SetHintWindowClass(nullptr);
    }

    void Rest(TControl& control, QPoint point)
    {
        QHelpEvent help(QEvent::ToolTip, point, control.Widget()->mapToGlobal(point));
        QApplication::sendEvent(control.Widget(), &help);
    }
    void Move(TControl& control, QPoint point)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(point), control.Widget()->mapToGlobal(QPointF(point)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control.Widget(), &move);
    }

    std::unique_ptr<TForm> Form;
    THalvesControl* Halves = nullptr;
};

} // namespace

TEST_F(HintsTest, TheControlSuppliesAHintPerPointAndIsAskedAgainOutsideItsRectangle)
{
    Rest(*Halves, { 20, 5 });
    EXPECT_EQ(TRecordingHintWindow::Shown, (std::vector<std::string> { "left half" }));
    EXPECT_EQ(TRecordingHintWindow::LastRect.TopLeft(), Halves->ClientToScreen({ 0, 40 }));

    // Inside the same rectangle nothing is asked again.
    Move(*Halves, { 60, 20 });
    Rest(*Halves, { 60, 20 });
    EXPECT_EQ(Halves->Asked, 1);

    Move(*Halves, { 150, 20 });
    EXPECT_EQ(Halves->Asked, 2);
    EXPECT_EQ(TRecordingHintWindow::Shown, (std::vector<std::string> { "left half", "right <b>half</b>" }));
    EXPECT_EQ(TRecordingHintWindow::LastRect.TopLeft(), Halves->ClientToScreen({ 100, 40 }));

    // A press hides the hint; afterwards moves ask nothing until the pointer rests.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(150, 20), Halves->Widget()->mapToGlobal(QPointF(150, 20)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Halves->Widget(), &press);
    Move(*Halves, { 20, 20 });
    EXPECT_EQ(Halves->Asked, 2);
}

TEST_F(HintsTest, ARefusedOrEmptyHintShowsNothing)
{
    struct Case {
        const char* name;
        bool showHint;
        bool refuse;
        int32_t asked;
    };
    const Case cases[] = {
        { "refused", true, true, 1 },
        { "hints off", false, false, 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Halves->Asked = 0;
        Halves->SetShowHint(entry.showHint);
        Halves->Refuse = entry.refuse;
        Rest(*Halves, { 20, 5 });
        EXPECT_EQ(Halves->Asked, entry.asked);
        EXPECT_TRUE(TRecordingHintWindow::Shown.empty());
    }

    // A control that answers nothing shows its own Hint, up to the "|".
    auto* plain = new TCustomControl(Form.get());
    plain->SetBounds(10, 100, 50, 20);
    plain->SetParent(Form.get());
    plain->SetShowHint(true);
    plain->SetHint("Short|Long text");
    Rest(*plain, { 5, 5 });
    EXPECT_EQ(TRecordingHintWindow::Shown, (std::vector<std::string> { "Short" }));
    EXPECT_EQ(GetLongHint(plain->Hint()), "Long text");
}

TEST_F(HintsTest, TheHintWindowShowsPlainTextWithoutTakingTheActivation)
{
    THintWindow window(nullptr);
    const TRect plain = window.CalcHintRect(1000, "x", nullptr);
    const TRect marked = window.CalcHintRect(1000, "<b>x</b>", nullptr);
    EXPECT_GT(marked.Width(), plain.Width());
    EXPECT_EQ(marked.Height(), plain.Height());
    const TRect wrapped = window.CalcHintRect(40, "many words to wrap", nullptr);
    EXPECT_LE(wrapped.Width(), 40 + 8);
    EXPECT_GT(wrapped.Height(), plain.Height());

    QWidget* active = QApplication::activeWindow();
    window.ActivateHint(Bounds(20, 20, marked.Width(), marked.Height()), "<b>x</b>");
    QApplication::processEvents();
    EXPECT_EQ(window.Caption(), "<b>x</b>");
    EXPECT_TRUE(window.Widget()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), active);
    EXPECT_EQ(window.BoundsRect(), Bounds(20, 20, marked.Width(), marked.Height()));
    window.ReleaseHandle();
    EXPECT_FALSE(window.Widget()->isVisible());
}

TEST_F(HintsTest, ShowingAHintMovesNeitherTheActivationNorTheFocus)
{
    // A control that logs the focus and activation messages of its window.
    class TFocusLog : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        std::vector<std::string> Log;

    protected:
        void WndProc(TMessage& message) override
        {
            if (message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS || message.Msg == CM_EXIT
                || message.Msg == CM_ENTER)
                Log.push_back(std::to_string(message.Msg));
            TCustomControl::WndProc(message);
        }
    };
    auto* focused = new TFocusLog(Form.get());
    focused->SetBounds(10, 100, 50, 20);
    focused->SetTabStop(true);
    focused->SetParent(Form.get());
    focused->SetFocus();
    std::vector<std::string> activations;
    Form->OnActivate = [&](TComponent*) { activations.push_back("activate"); };
    Form->OnDeactivate = [&](TComponent*) { activations.push_back("deactivate"); };
    for (int turn = 0; turn < 5; ++turn)
        QApplication::processEvents();
    ASSERT_TRUE(Form->Active());
    ASSERT_TRUE(focused->Focused());
    focused->Log.clear();
    activations.clear();

    Rest(*Halves, { 20, 5 });
    for (int turn = 0; turn < 5; ++turn)
        QApplication::processEvents();
    ASSERT_EQ(TRecordingHintWindow::Shown.size(), 1U);
    const TRecordingHintWindow* window = TRecordingHintWindow::Last;
    EXPECT_EQ(window->WindowKind(), wkHint);
    EXPECT_TRUE(window->Widget()->isVisible());
    EXPECT_FALSE(window->Active());
    EXPECT_EQ(Screen->ActiveForm(), Form.get());
    Application->CancelHint();
    QApplication::processEvents();

    EXPECT_FALSE(window->Widget()->isVisible());
    EXPECT_EQ(Screen->ActiveForm(), Form.get());
    EXPECT_TRUE(focused->Focused());
    EXPECT_TRUE(focused->Log.empty());
    EXPECT_TRUE(activations.empty());
}
