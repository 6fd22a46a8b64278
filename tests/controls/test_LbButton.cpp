#include "controls/LbButton.h"
#include "platform/os/Clock.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScriptedUiServices.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

// A button that lets the tests see its inner state and the fade levels it
// painted.
class TProbeButton : public TLbButton {
public:
    using TLbButton::TLbButton;
    using TLbButton::FadeThread;
    using TLbButton::HotTrackStep;
    using TLbButton::IsDown;

    std::vector<int32_t> PaintedSteps;

protected:
    void Paint() override
    {
        if (PaintedSteps.empty() || PaintedSteps.back() != HotTrackStep())
            PaintedSteps.push_back(HotTrackStep());
        TLbButton::Paint();
    }
};

// Plain focusable controls whose class names the dialog keys look at.
class TPlainEdit : public TCustomControl {
public:
    explicit TPlainEdit(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};
class TTestRadioButton : public TPlainEdit {
public:
    using TPlainEdit::TPlainEdit;
};
class TTestButton : public TPlainEdit {
public:
    using TPlainEdit::TPlainEdit;
};

class LbButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 200);
        Edit = new TPlainEdit(Form.get());
        Edit->SetBounds(10, 10, 100, 20);
        Edit->SetParent(Form.get());
    }

    TProbeButton* AddButton(const char* name, int32_t top)
    {
        auto* button = new TProbeButton(Form.get());
        button->SetName(QString::fromLatin1(name));
        button->SetCaption(QString::fromLatin1(name));
        button->SetBounds(150, top, 100, 23);
        button->SetParent(Form.get());
        button->OnClick = [this, name](TComponent*) { Clicks.push_back(name); };
        return button;
    }

    void ShowForm()
    {
        Form->Show();
        QApplication::processEvents();
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(focus, &release);
    }

    // One key event to the focused widget.
    void Send(QEvent::Type type, Qt::Key key, bool autoRepeat = false)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : key == Qt::Key_Return ? QStringLiteral("\r") : QString();
        QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
        QApplication::sendEvent(focus, &event);
    }

    static TColor CentreOf(TControl& control)
    {
        TBitmap image;
        GrabControl(control, image);
        return image.Canvas().Pixels(control.Width() / 2, control.Height() / 2);
    }

    std::unique_ptr<TForm> Form;
    TPlainEdit* Edit = nullptr;
    std::vector<std::string> Clicks;
};

} // namespace

TEST_F(LbButtonTest, StartsWithTheDefaultsOfANewButton)
{
    TProbeButton* button = AddButton("b", 10);
    EXPECT_EQ(button->Width(), 100);
    EXPECT_EQ(button->Height(), 23);
    EXPECT_EQ(button->Color(), clBtnFace);
    EXPECT_EQ(button->LightColor(), clWhite);
    EXPECT_EQ(button->ShadowColor(), clGray);
    EXPECT_EQ(button->ColorWhenDown(), clNone);
    EXPECT_EQ(button->HotTrackColor(), clNone);
    EXPECT_EQ(button->Alignment(), taCenter);
    EXPECT_TRUE(button->TabStop());
    EXPECT_EQ(button->ControlStyle(), (TControlStyle { csCaptureMouse, csSetCaption }));
    // Every button owns a parked fade thread from the start.
    ASSERT_NE(button->FadeThread(), nullptr);
    EXPECT_TRUE(button->FadeThread()->Suspended());
    EXPECT_FALSE(button->FadeThread()->FreeOnTerminate());
}

TEST_F(LbButtonTest, ColorPresetsSetColoursAndStyleButReadBackCustom)
{
    struct Case {
        TLbColorStyle preset;
        TColor color;
        TColor light;
        TColor shadow;
        TColor down;
        TColor hot;
        TLbButtonStyle style;
        bool flat;
        TColor font;
    };
    const Case cases[] = {
        { lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, bsModern, false, clBlack },
        { lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, bsModern, false, clBlack },
        { lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, bsModern, false, clBlack },
        { lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, bsModern, false, clBlack },
        { lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, bsNormal, true, clBlack },
        { lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, bsNormal, true, clBlack },
        { lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, bsNormal, true, clBlack },
        { lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, bsModern, false, clBlack },
        { lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, bsNormal, false, clBlack },
        { lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, bsQuicken, false, clWhite },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(static_cast<int>(entry.preset));
        TProbeButton* button = AddButton("b", 10);
        button->SetColorStyle(entry.preset);
        EXPECT_EQ(button->Color(), entry.color);
        EXPECT_EQ(button->LightColor(), entry.light);
        EXPECT_EQ(button->ShadowColor(), entry.shadow);
        EXPECT_EQ(button->ColorWhenDown(), entry.down);
        EXPECT_EQ(button->HotTrackColor(), entry.hot);
        EXPECT_EQ(button->Style(), entry.style);
        EXPECT_EQ(button->Flat(), entry.flat);
        EXPECT_EQ(button->Font().Color(), entry.font);
        EXPECT_EQ(button->ColorStyle(), lcsCustom);
        // The preset writes the style field only: the window stays opaque.
        EXPECT_EQ(button->ExStyle(), 0u);
        delete button;
    }

    TProbeButton* button = AddButton("b", 10);
    button->SetColor(0x010203);
    button->SetColorStyle(lcsCustom);
    EXPECT_EQ(button->Color(), 0x010203u);
    EXPECT_EQ(button->Style(), bsNormal);
}

TEST_F(LbButtonTest, StockKindsSetModalResultPictureAndCaption)
{
    struct Case {
        TLbButtonKind kind;
        int32_t modalResult;
        const char16_t* caption;
        int32_t glyphHeight;
    };
    const Case cases[] = {
        { bkOK, mrOk, u"OK", 18 },
        { bkCancel, mrCancel, u"Abbrechen", 18 },
        { bkHelp, mrNone, u"Hilfe", 18 },
        { bkYes, mrYes, u"Ja", 18 },
        { bkNo, mrNo, u"Nein", 18 },
        { bkClose, mrNone, u"Schließen", 18 },
        { bkAbort, mrAbort, u"Abbrechen", 18 },
        { bkRetry, mrRetry, u"Wiederholen", 18 },
        { bkIgnore, mrIgnore, u"Ignorieren", 18 },
        { bkAll, mrAll, u"Alle", 19 },
    };
    TProbeButton* button = AddButton("b", 10);
    for (const Case& entry : cases) {
        SCOPED_TRACE(static_cast<int>(entry.kind));
        button->SetModalResult(99);
        button->SetKind(entry.kind);
        EXPECT_EQ(button->Kind(), entry.kind);
        EXPECT_EQ(button->ModalResult(), entry.modalResult);
        EXPECT_EQ(button->Caption(), String::fromUtf16(entry.caption));
        EXPECT_EQ(button->NumGlyphs(), 2);
        EXPECT_EQ(button->Glyph().Width(), 36);
        EXPECT_EQ(button->Glyph().Height(), entry.glyphHeight);
    }

    // bkCustom keeps what the last kind set.
    button->SetKind(bkCustom);
    EXPECT_EQ(button->Caption(), QStringLiteral("Alle"));
    EXPECT_EQ(button->ModalResult(), mrAll);
}

TEST_F(LbButtonTest, ModalResultAndGlyphTurnTheKindBackToCustom)
{
    TProbeButton* button = AddButton("b", 10);
    button->SetKind(bkOK);
    button->SetModalResult(mrCancel);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->Caption(), QStringLiteral("OK"));

    button->SetKind(bkOK);
    const TBitmap glyph(72, 24);
    button->SetGlyph(&glyph);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->NumGlyphs(), 3);

    button->SetKind(bkYes);
    button->SetGlyph(nullptr);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->NumGlyphs(), 0);
    EXPECT_EQ(button->Glyph().Height(), 0);
}

TEST_F(LbButtonTest, PressMoveOffAndReleaseAnywhereClicks)
{
    TProbeButton* button = AddButton("b", 10);
    ShowForm();
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
    EXPECT_TRUE(button->IsDown());
    EXPECT_TRUE(button->Focused());
    button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({ 300, 120 }));
    EXPECT_TRUE(Clicks.empty());
    button->Perform(WM_LBUTTONUP, 0, PointToLParam({ 300, 120 }));
    EXPECT_EQ(Clicks, (std::vector<std::string> { "b" }));
    EXPECT_FALSE(button->IsDown());

    // A right press neither presses nor clicks.
    button->Perform(WM_RBUTTONDOWN, MK_RBUTTON, PointToLParam({ 5, 5 }));
    button->Perform(WM_RBUTTONUP, 0, PointToLParam({ 5, 5 }));
    EXPECT_EQ(Clicks.size(), 1u);

    button->SetEnabled(false);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
    button->Perform(WM_LBUTTONUP, 0, PointToLParam({ 5, 5 }));
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(LbButtonTest, OnClickRunsBeforeTheModalResultReachesTheForm)
{
    TProbeButton* button = AddButton("cancel", 10);
    button->SetModalResult(mrCancel);
    TModalResult seenInClick = -1;
    button->OnClick = [&](TComponent*) { seenInClick = Form->ModalResult(); };
    PostMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
    PostMessage(button, WM_LBUTTONUP, 0, PointToLParam({ 5, 5 }));
    EXPECT_EQ(Form->ShowModal(), mrCancel);
    EXPECT_EQ(seenInClick, mrNone);
    EXPECT_FALSE(Form->Visible());
}

TEST_F(LbButtonTest, DialogKeysClickDefaultAndCancelButtons)
{
    TProbeButton* ok = AddButton("ok", 10);
    ok->SetDefault(true);
    TProbeButton* cancel = AddButton("cancel", 40);
    cancel->SetCancel(true);
    // A second Default button: the key stops at the first that takes it.
    AddButton("later", 70)->SetDefault(true);
    ShowForm();
    ASSERT_TRUE(Edit->Focused());

    Press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Clicks, (std::vector<std::string> { "ok" }));
    Clicks.clear();
    Press(Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_TRUE(Clicks.empty());
    Press(Qt::Key_Escape);
    EXPECT_EQ(Clicks, (std::vector<std::string> { "cancel" }));

    Clicks.clear();
    cancel->SetEnabled(false);
    Press(Qt::Key_Escape);
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(LbButtonTest, AFocusedButtonTakesEnterInsteadOfTheDefaultButton)
{
    TProbeButton* ok = AddButton("ok", 10);
    ok->SetDefault(true);
    TProbeButton* other = AddButton("other", 40);
    ShowForm();
    other->SetFocus();
    QApplication::processEvents();
    Press(Qt::Key_Return);
    EXPECT_EQ(Clicks, (std::vector<std::string> { "other" }));

    struct Case {
        const char* name;
        bool radio;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        { "a focused radio button lets the default button click", true, { "ok" } },
        { "any other focused button takes the key", false, {} },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TPlainEdit* focused = entry.radio ? static_cast<TPlainEdit*>(new TTestRadioButton(Form.get()))
                                          : new TTestButton(Form.get());
        focused->SetBounds(10, 100, 100, 20);
        focused->SetParent(Form.get());
        focused->SetFocus();
        QApplication::processEvents();
        Clicks.clear();
        Press(Qt::Key_Return);
        EXPECT_EQ(Clicks, entry.expected);
        delete focused;
    }
}

TEST_F(LbButtonTest, AHiddenOrDisabledDefaultButtonConsumesEnter)
{
    TProbeButton* ok = AddButton("ok", 10);
    ok->SetDefault(true);
    std::vector<uint16_t> editKeys;
    Edit->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) { editKeys.push_back(key); };
    ShowForm();
    for (int hidden = 0; hidden < 2; ++hidden) {
        SCOPED_TRACE(hidden ? "hidden" : "disabled");
        ok->SetEnabled(hidden != 0);
        ok->SetVisible(hidden == 0);
        Press(Qt::Key_Return);
        EXPECT_TRUE(Clicks.empty());
        EXPECT_TRUE(editKeys.empty());
    }
    // The skipped click leaves no pressed look behind.
    EXPECT_FALSE(ok->IsDown());
}

// A key-up clicks only the button that took the key's key-down: a release
// whose press went elsewhere (it closed a dialog over this button, or the
// focus moved meanwhile) is no command of this button.
TEST_F(LbButtonTest, AKeyUpClicksOnlyTheButtonThatTookItsKeyDown)
{
    enum TStep { DownEnter, UpEnter, DownSpace, UpSpace, RepeatSpace, RepeatReleaseSpace, FocusAway, FocusBack };
    const struct {
        const char* name;
        std::vector<TStep> steps;
        size_t clicks;
        bool held = false;
    } cases[] = {
        { "Enter pressed and released", { DownEnter, UpEnter }, 1 },
        { "Space pressed and released", { DownSpace, UpSpace }, 1 },
        { "a release without its press", { UpEnter, UpSpace }, 0 },
        { "the release of the other key", { DownSpace, UpEnter }, 0, true },
        { "the other key's release, then its own", { DownSpace, UpEnter, UpSpace }, 1 },
        { "a held key repeats its press and is released once", { DownSpace, RepeatReleaseSpace, RepeatSpace,
                                                                  RepeatReleaseSpace, RepeatSpace, UpSpace },
            1 },
        { "the focus left between press and release", { DownEnter, FocusAway, FocusBack, UpEnter }, 0 },
        { "released twice", { DownEnter, UpEnter, UpEnter }, 1 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        SetUp();
        Clicks.clear();
        TProbeButton* button = AddButton("b", 10);
        ShowForm();
        button->SetFocus();
        QApplication::processEvents();
        for (const TStep step : entry.steps) {
            switch (step) {
            case DownEnter: Send(QEvent::KeyPress, Qt::Key_Return); break;
            case UpEnter: Send(QEvent::KeyRelease, Qt::Key_Return); break;
            case DownSpace: Send(QEvent::KeyPress, Qt::Key_Space); break;
            case UpSpace: Send(QEvent::KeyRelease, Qt::Key_Space); break;
            case RepeatSpace: Send(QEvent::KeyPress, Qt::Key_Space, true); break;
            case RepeatReleaseSpace: Send(QEvent::KeyRelease, Qt::Key_Space, true); break;
            case FocusAway: Edit->SetFocus(); break;
            case FocusBack: button->SetFocus(); break;
            }
            QApplication::processEvents();
        }
        EXPECT_EQ(Clicks.size(), entry.clicks);
        EXPECT_EQ(button->IsDown(), entry.held) << "pressed while its key is held, and only then";
    }
}

// The road a user met: Enter on a focused button opens a dialog; Enter in the
// dialog closes it on its key-down (its default button); the release of
// that second Enter reaches the first button again and must not open the
// dialog once more.
TEST_F(LbButtonTest, EnterThatClosesADialogDoesNotClickTheButtonBelowIt)
{
    TProbeButton* opener = AddButton("opener", 10);
    TForm dialog(nullptr);
    dialog.SetBounds(0, 0, 300, 120);
    auto* edit = new TPlainEdit(&dialog);
    edit->SetBounds(10, 10, 100, 20);
    edit->SetParent(&dialog);
    auto* ok = new TProbeButton(&dialog);
    ok->SetBounds(10, 50, 100, 23);
    ok->SetParent(&dialog);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    std::vector<TModalResult> results;
    opener->OnClick = [&](TComponent*) {
        Clicks.push_back("opener");
        dialog.SetActiveControl(edit);
        PostMessage(edit, WM_KEYDOWN, VK_RETURN, 1);
        results.push_back(dialog.ShowModal());
    };
    ShowForm();
    opener->SetFocus();
    QApplication::processEvents();
    Send(QEvent::KeyPress, Qt::Key_Return);
    Send(QEvent::KeyRelease, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(results, (std::vector<TModalResult> { mrOk }));
    // The release of the Enter that closed the dialog reaches the window the
    // pointer rests on, back to the focused button.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(opener->Widget(), &release);
    QApplication::processEvents();
    EXPECT_EQ(Clicks, (std::vector<std::string> { "opener" }));
    EXPECT_EQ(results.size(), 1u);
}

TEST_F(LbButtonTest, CaptionAcceleratorClicks)
{
    TProbeButton* save = AddButton("save", 10);
    save->SetCaption(QStringLiteral("&Save"));
    // The same accelerator on a later button: only the first one clicks.
    TProbeButton* send = AddButton("send", 40);
    send->SetCaption(QStringLiteral("&Send"));
    ShowForm();
    Press(Qt::Key_S, Qt::AltModifier, QStringLiteral("s"));
    EXPECT_EQ(Clicks, (std::vector<std::string> { "save" }));
    save->SetVisible(false);
    Press(Qt::Key_S, Qt::AltModifier, QStringLiteral("s"));
    EXPECT_EQ(Clicks, (std::vector<std::string> { "save", "send" }));
    send->SetVisible(false);
    Press(Qt::Key_S, Qt::AltModifier, QStringLiteral("s"));
    EXPECT_EQ(Clicks.size(), 2u);
}

// Two buttons whose captions share an accelerator: the offer of the key stops
// at the first that takes it, wherever the buttons sit.
TEST_F(LbButtonTest, TwoButtonsSharingAnAcceleratorNeverBothClick)
{
    auto* panel = new TPanel(Form.get());
    panel->SetBounds(150, 100, 200, 60);
    panel->SetParent(Form.get());
    TProbeButton* save = AddButton("save", 10);
    save->SetCaption(QStringLiteral("&Save"));
    save->SetParent(panel);
    save->SetBounds(5, 5, 100, 23);
    TProbeButton* sort = AddButton("sort", 40);
    sort->SetCaption(QStringLiteral("&Sort"));
    TProbeButton* other = AddButton("other", 70);
    ShowForm();
    const struct {
        const char* name;
        TWinControl* focused;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> expected;
    } cases[] = {
        { "Alt with an edit focused", Edit, Qt::AltModifier, { "save" } },
        { "the letter alone with a button focused", other, Qt::NoModifier, { "save" } },
        { "the first one hidden", Edit, Qt::AltModifier, { "sort" } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        save->SetVisible(std::string(entry.name) != "the first one hidden");
        entry.focused->SetFocus();
        QApplication::processEvents();
        Clicks.clear();
        Press(Qt::Key_S, entry.modifiers, QStringLiteral("s"));
        EXPECT_EQ(Clicks, entry.expected);
    }
}

TEST_F(LbButtonTest, PopupMenuShowsUnderTheBottomLeftCornerOnClick)
{
    TScriptedUiServices services;
    const TScopedUiServices scope(services);
    TProbeButton* button = AddButton("menu", 10);
    auto* menu = new TPopupMenu(Form.get());
    menu->Items().Add(QStringLiteral("Item"));
    button->SetPopupMenu(menu);
    ShowForm();
    button->Click();
    ASSERT_EQ(services.Requests().size(), 1u);
    EXPECT_EQ(services.Requests()[0].Kind, rkPopup);
    const TPoint corner = button->ClientToScreen({ 0, button->Height() });
    EXPECT_EQ(menu->PopupPoint(), corner);
    EXPECT_EQ(Clicks, (std::vector<std::string> { "menu" }));
}

// A click handler may free the form and with it the button, while its fade
// runs: the button stops its fade thread and touches nothing of itself after
// the handler, whichever way the click came.
TEST_F(LbButtonTest, AClickHandlerMayFreeTheFormDuringAFade)
{
    const struct {
        const char* name;
        void (*click)(TLbButton&);
    } cases[] = {
        { "mouse",
            [](TLbButton& button) {
                button.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
                button.Perform(WM_LBUTTONUP, 0, PointToLParam({ 5, 5 }));
            } },
        { "space",
            [](TLbButton& button) {
                button.Perform(CN_KEYDOWN, VK_SPACE, 0);
                button.Perform(CN_KEYUP, VK_SPACE, 0);
            } },
        { "click", [](TLbButton& button) { button.Click(); } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        SetUp();
        TProbeButton* button = AddButton("close", 10);
        button->SetModalResult(mrOk);
        button->SetHotTrackColor(clYellow);
        button->SetSlowDecease(true);
        ShowForm();
        button->Perform(CM_MOUSEENTER);
        button->Perform(CM_MOUSELEAVE);
        ASSERT_FALSE(button->FadeThread()->Suspended());
        int32_t handled = 0;
        button->OnClick = [&](TComponent*) {
            ++handled;
            Form.reset();
        };
        entry.click(*button);
        EXPECT_EQ(handled, 1);
        EXPECT_EQ(Form, nullptr);
    }
}

TEST_F(LbButtonTest, LeavingDropsTheHotColourAtOnceWithoutSlowDecease)
{
    TProbeButton* button = AddButton("b", 10);
    button->SetColor(0xEDF7F8);
    button->SetHotTrackColor(clYellow);
    std::vector<std::string> events;
    button->OnMouseEnter = [&](TComponent*) { events.push_back("enter"); };
    button->OnMouseExit = [&](TComponent*) { events.push_back("exit"); };
    ShowForm();
    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_EQ(CentreOf(*button), clYellow);
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(CentreOf(*button), 0xEDF7F8u);
    EXPECT_EQ(events, (std::vector<std::string> { "enter", "exit" }));
    EXPECT_TRUE(button->FadeThread()->Suspended());
}

// A dialog closed by a click on its button hides under the pointer; shown
// again, the button must not still wear its hot colour.
TEST_F(LbButtonTest, AButtonHiddenUnderThePointerIsNotHotWhenShownAgain)
{
    TProbeButton* button = AddButton("b", 10);
    button->SetColor(0xEDF7F8);
    button->SetHotTrackColor(clYellow);
    ShowForm();
    const QPointF inside(5, 5);
    QEnterEvent enter(inside, inside, button->Widget()->mapToGlobal(inside));
    QApplication::sendEvent(button->Widget(), &enter);
    ASSERT_EQ(button->HotTrackStep(), 8);
    ASSERT_EQ(CentreOf(*button), clYellow);
    Form->Hide();
    EXPECT_EQ(button->HotTrackStep(), 0);
    ShowForm();
    EXPECT_EQ(CentreOf(*button), 0xEDF7F8u);
}

TEST_F(LbButtonTest, SlowDeceaseFadesThroughEveryLevelAndParksTheThread)
{
    TFakeClock clock;
    const TClockScope clockScope(clock);
    TProbeButton* button = AddButton("b", 10);
    button->SetHotTrackColor(clYellow);
    button->SetSlowDecease(true);
    ShowForm();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        button->Perform(CM_MOUSEENTER);
        button->PaintedSteps.clear();
        button->Perform(CM_MOUSELEAVE);
        QElapsedTimer waited;
        waited.start();
        while (!(button->FadeThread()->Suspended() && button->HotTrackStep() == 0) && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(button->PaintedSteps, (std::vector<int32_t> { 7, 6, 5, 4, 3, 2, 1, 0 }));
        EXPECT_TRUE(button->FadeThread()->Suspended());
    }

    button->SetSlowDecease(false);
    EXPECT_EQ(button->FadeThread(), nullptr);
    button->SetSlowDecease(true);
    EXPECT_NE(button->FadeThread(), nullptr);
}

TEST_F(LbButtonTest, AMouseComingBackDuringAFadeKeepsTheFullHighlight)
{
    TProbeButton* button = AddButton("b", 10);
    button->SetCaption({});
    button->SetHotTrackColor(clYellow);
    button->SetSlowDecease(true);
    ShowForm();
    button->Perform(CM_MOUSEENTER);
    button->Perform(CM_MOUSELEAVE);
    QElapsedTimer waited;
    waited.start();
    while (button->HotTrackStep() > 5 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_LE(button->HotTrackStep(), 5);
    ASSERT_GT(button->HotTrackStep(), 0) << "the fade is still running";
    button->Perform(CM_MOUSEENTER);
    waited.restart();
    while (waited.elapsed() < 400)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_TRUE(button->FadeThread()->Suspended());
    EXPECT_EQ(CentreOf(*button), clYellow);
}

TEST_F(LbButtonTest, FocusedButtonDrawsTheFocusRectangleAndOldStyleItsBlackFrame)
{
    TProbeButton* button = AddButton("b", 10);
    button->SetCaption({});
    button->SetColor(0xEDF7F8);
    ShowForm();
    button->SetFocus();
    QApplication::processEvents();
    TBitmap image;
    GrabControl(*button, image);
    EXPECT_EQ(image.Canvas().Pixels(4, 4), 0xEDF7F8u ^ 0xFFFFFFu);
    EXPECT_EQ(image.Canvas().Pixels(0, 0), clWhite);

    button->SetStyle(bsOld);
    GrabControl(*button, image);
    EXPECT_EQ(image.Canvas().Pixels(0, 0), clBlack);
    EXPECT_EQ(image.Canvas().Pixels(99, 22), clBlack);
    EXPECT_EQ(image.Canvas().Pixels(1, 1), clWhite);

    button->SetStyle(bsShape);
    GrabControl(*button, image);
    EXPECT_NE(image.Canvas().Pixels(4, 4), 0xEDF7F8u ^ 0xFFFFFFu);
}

TEST_F(LbButtonTest, TransparentStylesLeaveTheParentBackground)
{
    Form->SetColor(clRed);
    TProbeButton* button = AddButton("b", 10);
    button->SetCaption({});
    button->SetColor(0xEDF7F8);
    struct Case {
        TLbButtonStyle style;
        bool centreSeeThrough;
    };
    const Case cases[] = { { bsModern, false }, { bsQuicken, false }, { bsShape, true } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(static_cast<int>(entry.style));
        button->SetStyle(entry.style);
        EXPECT_EQ(button->ExStyle(), WS_EX_TRANSPARENT);
        TBitmap image;
        GrabControl(*Form, image);
        EXPECT_EQ(image.Canvas().Pixels(150, 10), clRed);
        EXPECT_EQ(image.Canvas().Pixels(200, 21) == clRed, entry.centreSeeThrough);
    }
    button->SetStyle(bsNormal);
    EXPECT_EQ(button->ExStyle(), 0u);
}

TEST_F(LbButtonTest, AShapeCaptionBlendsIntoWhatShowsThroughWithoutAFringe)
{
    Form->SetColor(clRed);
    TProbeButton* button = AddButton("b", 10);
    button->SetCaption(QStringLiteral("Shape"));
    button->SetStyle(bsShape);
    button->Font().SetColor(clBlack);
    button->Font().SetHeight(-16);
    TBitmap image;
    GrabControl(*Form, image);
    // Red behind, black ink: every pixel between them has no blue at all; on
    // the key colour the smoothed edges would turn purple.
    int32_t inked = 0;
    int32_t mostBlue = 0;
    for (int32_t y = 10; y < 33; ++y)
        for (int32_t x = 150; x < 250; ++x) {
            const TColor color = image.Canvas().Pixels(x, y);
            mostBlue = std::max(mostBlue, int32_t { GetBValue(color) });
            if (GetRValue(color) < 0x60)
                ++inked;
        }
    EXPECT_GT(inked, 20) << "the caption shows";
    EXPECT_LT(mostBlue, 16);
}
