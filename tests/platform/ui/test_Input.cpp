#include "platform/ui/Forms.h"
#include "platform/ui/ScriptedUiServices.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <memory>
#include <thread>

namespace {

// A control that logs the key steps it sees and can claim or swallow keys.
class TKeyLogger : public TCustomControl {
public:
    explicit TKeyLogger(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

    std::vector<std::string>* Log = nullptr;
    intptr_t DialogCode = 0;
    bool SwallowKeyDown = false;
    TChar ReplaceChar = 0;
    bool SwallowChar = false;
    intptr_t LastCharKeyData = 0;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override
    {
        Log->push_back(Name().toStdString() + ":down " + std::to_string(key));
        if (SwallowKeyDown)
            key = 0;
        TCustomControl::KeyDown(key, shift);
    }
    void KeyPress(TChar& key) override
    {
        Log->push_back(Name().toStdString() + ":char " + std::to_string(key));
        if (ReplaceChar)
            key = ReplaceChar;
        if (SwallowChar)
            key = 0;
        TCustomControl::KeyPress(key);
    }
    void DefaultHandler(TMessage& message) override
    {
        if (message.Msg == WM_GETDLGCODE)
            message.Result = DialogCode;
        else if (message.Msg == WM_CHAR) {
            Log->push_back(Name().toStdString() + ":default char " + std::to_string(message.WParam));
            LastCharKeyData = message.LParam;
        }
    }
};

// A control that takes dialog keys and accelerators the way a default /
// cancel button does.
class TDialogButton : public TCustomControl {
public:
    explicit TDialogButton(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

    std::vector<std::string>* Log = nullptr;
    uint16_t TakesKey = 0;

protected:
    void CMDialogKey(TMessage& message) override
    {
        if (message.WParam == TakesKey) {
            Log->push_back(Name().toStdString() + ":dialog key " + std::to_string(message.WParam));
            message.Result = 1;
            return;
        }
        TCustomControl::CMDialogKey(message);
    }
    void CMDialogChar(TMessage& message) override
    {
        if (IsAccel(static_cast<uint32_t>(message.WParam), Caption())) {
            Log->push_back(Name().toStdString() + ":accel");
            message.Result = 1;
            return;
        }
        TCustomControl::CMDialogChar(message);
    }
};

class InputTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        First = MakeLogger("first", 10);
        Second = MakeLogger("second", 40);
        Button = new TDialogButton(Form.get());
        Button->SetName("ok");
        Button->Log = &Log;
        Button->SetCaption("&Save");
        Button->SetBounds(10, 100, 80, 24);
        Button->SetParent(Form.get());
        Form->Show();
        QApplication::processEvents();
    }

    TKeyLogger* MakeLogger(const char* name, int32_t top)
    {
        auto* logger = new TKeyLogger(Form.get());
        logger->SetName(name);
        logger->Log = &Log;
        logger->SetBounds(10, top, 100, 20);
        logger->SetParent(Form.get());
        return logger;
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(focus, &press);
    }

    std::vector<std::string> Log;
    std::unique_ptr<TForm> Form;
    TKeyLogger* First = nullptr;
    TKeyLogger* Second = nullptr;
    TDialogButton* Button = nullptr;
};

} // namespace

TEST_F(InputTest, ShowingAFormFocusesTheFirstTabStopOnTheOffscreenPlatform)
{
    EXPECT_TRUE(Form->Showing());
    EXPECT_TRUE(First->Focused());
    EXPECT_EQ(Form->ActiveControl(), First);
    EXPECT_EQ(Screen->ActiveControl(), First);
    Second->SetFocus();
    QApplication::processEvents();
    EXPECT_TRUE(Second->Focused());
    EXPECT_EQ(Form->ActiveControl(), Second);
}

TEST_F(InputTest, KeyDownComesBeforeTheCharacterAndHandlersCanChangeIt)
{
    Press(Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 65", "first:char 97", "first:default char 97" }));

    Log.clear();
    First->ReplaceChar = u'B';
    Press(Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(Log.back(), "first:default char 66");

    Log.clear();
    First->ReplaceChar = 0;
    First->SwallowChar = true;
    Press(Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 65", "first:char 97" }));
}

TEST_F(InputTest, KeypadKeysCarryScanCodeBitSixInTheKeyData)
{
    constexpr intptr_t keypadBit = intptr_t { 1 } << 22;
    Press(Qt::Key_Period, Qt::KeypadModifier, ".");
    EXPECT_NE(First->LastCharKeyData & keypadBit, 0);
    Press(Qt::Key_Period, Qt::NoModifier, ".");
    EXPECT_EQ(First->LastCharKeyData & keypadBit, 0);
}

TEST_F(InputTest, ControlKeysMakeTheirCharacters)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        { Qt::Key_Backspace, Qt::NoModifier, { "first:down 8", "first:char 8" } },
        { Qt::Key_C, Qt::ControlModifier, { "first:down 67", "first:char 3" } },
        { Qt::Key_Delete, Qt::NoModifier, { "first:down 46" } },
        { Qt::Key_F2, Qt::NoModifier, { "first:down 113" } },
    };
    First->SwallowChar = true;
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.expected.front());
        Log.clear();
        Press(entry.key, entry.modifiers);
        EXPECT_EQ(Log, entry.expected);
    }
}

TEST_F(InputTest, DialogKeysGoToTheFormWhenTheControlDoesNotWantThem)
{
    // Enter offered to every control: the button takes it, the focused
    // control sees neither key-down nor character.
    Button->TakesKey = VK_RETURN;
    Press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(Log, (std::vector<std::string> { "ok:dialog key 13" }));

    // A control that wants all keys gets Enter itself, with its character.
    Log.clear();
    First->DialogCode = DLGC_WANTALLKEYS;
    Press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 13", "first:char 13", "first:default char 13" }));

    // Esc nobody takes reaches the focused control as a plain key.
    Log.clear();
    First->DialogCode = 0;
    First->SwallowChar = true;
    Press(Qt::Key_Escape);
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 27", "first:char 27" }));
}

TEST_F(InputTest, TabAndArrowsMoveTheFocusUnlessTheControlWantsThem)
{
    Press(Qt::Key_Tab, Qt::NoModifier, "\t");
    QApplication::processEvents();
    EXPECT_TRUE(Second->Focused());
    EXPECT_TRUE(Log.empty());
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_TRUE(First->Focused());
    Press(Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_TRUE(Second->Focused());

    Second->DialogCode = DLGC_WANTTAB;
    Press(Qt::Key_Tab, Qt::NoModifier, "\t");
    QApplication::processEvents();
    EXPECT_TRUE(Second->Focused());
    EXPECT_EQ(Log.front(), "second:down 9");
}

TEST_F(InputTest, CharactersAreOfferedAsAcceleratorsFirst)
{
    Press(Qt::Key_S, Qt::NoModifier, "s");
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 83", "ok:accel" }));

    Log.clear();
    First->DialogCode = DLGC_WANTCHARS;
    First->SwallowChar = true;
    Press(Qt::Key_S, Qt::NoModifier, "s");
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 83", "first:char 115" }));

    Log.clear();
    Press(Qt::Key_S, Qt::AltModifier, "s");
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 83", "ok:accel" }));
}

TEST_F(InputTest, LabelAcceleratorFocusesItsControl)
{
    struct TCase {
        const char* Name;
        bool Linked;
        bool Enabled;
        bool ShowAccelChar;
        bool Focused;
    };
    const TCase cases[] = {
        { "linked", true, true, true, true },
        { "no control", false, true, true, false },
        { "disabled label", true, false, true, false },
        { "prefix shown as typed", true, true, false, false },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        First->SetFocus();
        QApplication::processEvents();
        auto label = std::make_unique<TLabel>(nullptr);
        label->SetCaption("&Name");
        label->SetParent(Form.get());
        label->SetFocusControl(testCase.Linked ? Second : nullptr);
        label->SetEnabled(testCase.Enabled);
        label->SetShowAccelChar(testCase.ShowAccelChar);
        Press(Qt::Key_N, Qt::NoModifier, "n");
        QApplication::processEvents();
        EXPECT_EQ(Second->Focused(), testCase.Focused);
    }
}

TEST_F(InputTest, LabelForgetsAFreedFocusControl)
{
    TLabel label(nullptr);
    label.SetFocusControl(Second);
    delete Second;
    Second = nullptr;
    EXPECT_EQ(label.FocusControl(), nullptr);
}

TEST_F(InputTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst)
{
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
        Log.push_back("form:down " + std::to_string(key));
        if (key == VK_F5)
            key = 0;
    };
    First->SwallowChar = true;
    Press(Qt::Key_F5);
    Press(Qt::Key_F6);
    EXPECT_EQ(Log, (std::vector<std::string> { "form:down 116", "form:down 117", "first:down 117" }));

    // Characters too: the form's OnKeyPress first, and a character it
    // clears never reaches the control.
    Log.clear();
    First->DialogCode = DLGC_WANTCHARS;
    Form->OnKeyPress = [&](TComponent*, TChar& key) {
        Log.push_back("form:char " + std::to_string(key));
        if (key == u'x')
            key = 0;
    };
    Press(Qt::Key_X, Qt::NoModifier, "x");
    Press(Qt::Key_Y, Qt::NoModifier, "y");
    EXPECT_EQ(Log,
        (std::vector<std::string> { "form:down 88", "first:down 88", "form:char 120", "form:down 89", "first:down 89",
            "form:char 121", "first:char 121" }));
}

TEST_F(InputTest, PostedKeysTakeTheRoadOfTypedKeys)
{
    auto* cancel = new TDialogButton(Form.get());
    cancel->SetName("cancel");
    cancel->Log = &Log;
    cancel->TakesKey = VK_ESCAPE;
    cancel->SetParent(Form.get());
    Button->TakesKey = VK_RETURN;
    First->SwallowChar = true;
    // Translation reads Shift and Ctrl as the last input left them.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(First->Widget(), &release);
    struct Case {
        uint32_t msg;
        intptr_t key;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        { WM_KEYDOWN, VK_RETURN, { "ok:dialog key 13" } },
        { WM_KEYDOWN, VK_ESCAPE, { "cancel:dialog key 27" } },
        { WM_KEYDOWN, 'A', { "first:down 65", "first:char 97" } },
        { WM_CHAR, u'a', { "first:char 97" } },
        { WM_KEYDOWN, VK_F2, { "first:down 113" } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.expected.front());
        Log.clear();
        EXPECT_TRUE(PostMessage(First, entry.msg, entry.key, 0));
        EXPECT_TRUE(Log.empty());
        QApplication::processEvents();
        EXPECT_EQ(Log, entry.expected);
    }

    // A posted Tab moves the focus; one sent is a single key-down step.
    Log.clear();
    PostMessage(First, WM_KEYDOWN, VK_TAB, 0);
    QApplication::processEvents();
    EXPECT_TRUE(Second->Focused());
    EXPECT_TRUE(Log.empty());
    Second->SwallowChar = true;
    SendMessage(Second, WM_KEYDOWN, VK_TAB, 0);
    QApplication::processEvents();
    EXPECT_TRUE(Second->Focused());
    EXPECT_EQ(Log, (std::vector<std::string> { "second:down 9" }));

    // Posted to the form itself, Enter still reaches the default button.
    Log.clear();
    PostMessage(Form.get(), WM_KEYDOWN, VK_RETURN, 0);
    QApplication::processEvents();
    EXPECT_EQ(Log, (std::vector<std::string> { "ok:dialog key 13" }));
}

TEST_F(InputTest, OnlyTheUserInterfaceThreadSendsMessages)
{
    bool refused = false;
    std::thread worker([&] {
        try {
            SendMessage(First, WM_USER);
        } catch (const EInvalidOperation&) {
            refused = true;
        }
    });
    worker.join();
    EXPECT_TRUE(refused);
    EXPECT_EQ(SendMessage(First, WM_USER), 0);
}

TEST_F(InputTest, PostedMessagesArriveLaterAndRegisteredNamesAreStable)
{
    const uint32_t done = RegisterWindowMessage("GridEditDone");
    EXPECT_EQ(RegisterWindowMessage("GridEditDone"), done);
    EXPECT_NE(RegisterWindowMessage("DTPShiftFocus"), done);
    EXPECT_GE(done, 0xC000u);

    First->SwallowChar = true;
    EXPECT_TRUE(PostMessage(First, WM_KEYDOWN, VK_F2, 0));
    EXPECT_TRUE(Log.empty());
    QApplication::processEvents();
    EXPECT_EQ(Log, (std::vector<std::string> { "first:down 113" }));
}

TEST(Controls, MouseClickNeedsTheReleaseOverTheControl)
{
    TForm form(nullptr);
    auto* control = new TCustomControl(&form);
    control->SetBounds(10, 10, 50, 20);
    control->SetParent(&form);
    form.Show();
    std::vector<std::string> log;
    control->OnClick = [&](TComponent*) { log.push_back("click"); };
    control->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState shift, int32_t x, int32_t y) {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y) + (shift.Contains(ssShift) ? " shift" : ""));
    };
    control->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int32_t, int32_t) { log.push_back("up"); };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 6), control->Widget()->mapToGlobal(QPointF(5, 6)),
        Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(control->Widget(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 6), control->Widget()->mapToGlobal(QPointF(5, 6)),
        Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    QApplication::sendEvent(control->Widget(), &release);
    EXPECT_EQ(log, (std::vector<std::string> { "down 5,6 shift", "click", "up" }));

    log.clear();
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    control->Perform(WM_LBUTTONUP, 0, MakeLParam(80, 5));
    EXPECT_EQ(log, (std::vector<std::string> { "down 5,5", "up" }));
}

TEST(Controls, FontAndColourFollowTheParentUntilSetOwn)
{
    TForm form(nullptr);
    auto* child = new TCustomControl(&form);
    child->SetParent(&form);
    EXPECT_EQ(child->Color(), clBtnFace);
    form.Font().SetName("DejaVu Sans");
    EXPECT_EQ(child->Font().Name(), "DejaVu Sans");
    EXPECT_TRUE(child->ParentFont());
    child->Font().SetHeight(-20);
    EXPECT_FALSE(child->ParentFont());
    form.Font().SetName("DejaVu Serif");
    EXPECT_EQ(child->Font().Name(), "DejaVu Sans");
    child->SetColor(clYellow);
    form.SetColor(clWhite);
    EXPECT_EQ(child->Color(), clYellow);
}

TEST(Controls, OwnersFreeWhatTheyOwnAndParentsFreeTheirChildren)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TCustomControl(form.get());
    panel->SetName("Panel");
    panel->SetParent(form.get());
    auto* inner = new TCustomControl(nullptr);
    inner->SetParent(panel);
    EXPECT_EQ(form->FindComponent("panel"), panel);
    EXPECT_EQ(panel->ClassName(), "TCustomControl");
    std::unique_ptr<TCustomControl> freed(panel);
    freed.reset();
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->ControlCount(), 0);
}
