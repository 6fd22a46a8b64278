#include "platform/graphics/Bitmap.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScriptedUiServices.h"
#include "platform/ui/Timer.h"

#include "tests/support/RunUntil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {

class TPainted : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Rect(0, 0, Width() / 2, Height()));
        Canvas().DrawFocusRect(ClientRect());
    }
};

} // namespace

TEST(Forms, SettingModalResultEndsShowModalWithIt)
{
    TForm form(nullptr);
    std::vector<std::string> log;
    form.OnShow = [&](TComponent*) { log.push_back("show"); };
    form.OnClose = [&](TComponent*, TCloseAction& action) {
        log.push_back("close");
        EXPECT_EQ(action, caHide);
    };
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(form.Modal());
        EXPECT_TRUE(form.Showing());
        form.SetModalResult(mrYes);
    });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());
    EXPECT_EQ(log, (std::vector<std::string> { "show", "close" }));
    EXPECT_THROW(
        {
            form.Show();
            form.ShowModal();
        },
        EInvalidOperation);
}

TEST(Forms, AModalFormWhoseOnCloseAsksToBeFreedIsFreedAfterShowModal)
{
    auto* form = new TForm(nullptr);
    bool freed = false;
    struct TWatcher : TComponent {
        using TComponent::TComponent;
        bool* Freed = nullptr;
        void Notification(TComponent*, TOperation operation) override { *Freed |= operation == opRemove; }
    } notified(nullptr);
    notified.Freed = &freed;
    form->FreeNotification(&notified);
    form->OnClose = [](TComponent*, TCloseAction& action) { action = caFree; };
    QTimer::singleShot(0, [&] { form->SetModalResult(mrOk); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(freed) << "the caller still reads the form";
    EXPECT_TRUE(RunUntil([&] { return freed; }));
}

TEST(Forms, AProgramLeavingMainWithoutRunEndsCleanly)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
        QStringLiteral("suppressions=" TRELVADOR_SOURCE_DIR "/tests/lsan.supp:print_suppressions=0"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(EXIT_WITHOUT_RUN), {});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

TEST(Forms, CloseQueryCanKeepAModalFormOpenAndCloseCancels)
{
    TForm form(nullptr);
    int asked = 0;
    form.OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = ++asked > 1; };
    QTimer::singleShot(0, [&] {
        form.SetModalResult(mrOk);
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(form.Showing());
            EXPECT_EQ(form.ModalResult(), mrNone);
            form.Close();
        });
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST(Forms, EnterAndEscReachTheFocusedControlBeforeTheDialog)
{
    // The window's own close key must not pre-empt the controls: Esc ends
    // the dialog only through a control that takes it.
    TForm form(nullptr);
    auto* edit = new TCustomControl(&form);
    edit->SetTabStop(true);
    edit->SetParent(&form);
    std::vector<uint16_t> keys;
    edit->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
        keys.push_back(key);
        if (key == VK_RETURN)
            form.SetModalResult(mrOk);
    };
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(RunUntil([&] { return edit->Focused(); }));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &escape);
        EXPECT_EQ(form.ModalResult(), mrNone);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(QApplication::focusWidget(), &enter);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(keys, (std::vector<uint16_t> { VK_ESCAPE, VK_RETURN }));
}

TEST(Forms, CustomControlPaintsOnItsCanvasOverItsColour)
{
    TForm form(nullptr);
    auto* control = new TPainted(&form);
    control->SetBounds(0, 0, 20, 10);
    control->SetColor(clBlue);
    control->SetParent(&form);
    form.Show();
    QImage image(20, 10, QImage::Format_RGB32);
    control->Widget()->render(&image);
    EXPECT_EQ(image.pixel(3, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(15, 5) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixel(19, 9) & 0xFFFFFF, 0xFFFF00u); // blue inverted by the focus rectangle
}

TEST(Forms, ExceptionInAHandlerIsShownAndGoesNoFurther)
{
    TScriptedUiServices services;
    const TScopedUiServices scope(services);
    TForm form(nullptr);
    auto* control = new TCustomControl(&form);
    control->SetBounds(0, 0, 20, 20);
    control->SetParent(&form);
    form.Show();
    control->OnMouseDown = [](TComponent*, TMouseButton, TShiftState, int32_t, int32_t) {
        throw Exception("Value out of range");
    };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    EXPECT_NO_THROW(QApplication::sendEvent(control->Widget(), &press));

    TTimer timer(nullptr);
    timer.SetInterval(1);
    int ticks = 0;
    timer.OnTimer = [&](TComponent*) {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    EXPECT_TRUE(RunUntil([&] { return ticks >= 1; }));
    timer.SetEnabled(false);
    ASSERT_GE(services.Messages().size(), 2u);
    EXPECT_EQ(services.Messages()[0], "Value out of range");
    EXPECT_EQ(services.Messages()[1], "tick failed");
    EXPECT_EQ(services.Requests()[0].Kind, rkException);
}

// The timer checks compare the order in which deadlines expire (Qt activates
// expired timers by deadline), never elapsed time, so a slow run cannot fail them.
TEST(Timer, FollowsThePlatformsEnabledAndIntervalRules)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TComponent*) { ++ticks; };
    timer.SetInterval(30);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(RunUntil([&] { return ticks >= 2; }));

    // Disabled: no tick before a reference deadline of several intervals.
    timer.SetEnabled(false);
    const int stopped = ticks;
    bool reference = false;
    QTimer::singleShot(90, Qt::PreciseTimer, [&] { reference = true; });
    EXPECT_TRUE(RunUntil([&] { return reference; }));
    EXPECT_EQ(ticks, stopped);

    // Re-enabling an enabled timer does not restart it: its first tick comes
    // before a deadline that a restart at 100 ms would have passed.
    timer.SetInterval(150);
    timer.SetEnabled(true);
    QTimer::singleShot(100, Qt::PreciseTimer, [&] { timer.SetEnabled(true); });
    int ticksAtReference = -1;
    QTimer::singleShot(220, Qt::PreciseTimer, [&] { ticksAtReference = ticks; });
    EXPECT_TRUE(RunUntil([&] { return ticksAtReference >= 0; }));
    EXPECT_EQ(ticksAtReference, stopped + 1);

    // A new interval restarts the count: a 150 ms timer set to 1000 ms does
    // not tick before a 300 ms deadline.
    const int restarted = ticks;
    timer.SetInterval(1000);
    reference = false;
    QTimer::singleShot(300, Qt::PreciseTimer, [&] { reference = true; });
    EXPECT_TRUE(RunUntil([&] { return reference; }));
    EXPECT_EQ(ticks, restarted);

    timer.SetInterval(0);
    const int zeroed = ticks;
    reference = false;
    QTimer::singleShot(60, Qt::PreciseTimer, [&] { reference = true; });
    EXPECT_TRUE(RunUntil([&] { return reference; }));
    EXPECT_EQ(ticks, zeroed);
}

TEST(UiServices, ScriptedServicesAnswerInOrderAndRecordEveryQuestion)
{
    TScriptedUiServices services;
    const TScopedUiServices scope(services);
    services.AnswerMessage(mrYes);
    services.AnswerSaveDialog("/tmp/export.csv");
    services.AnswerModal(mrOk);

    EXPECT_EQ(MessageDlg("Delete the row?", mtConfirmation, mbYesNo), mrYes);
    TFileDialogRequest save { "Export", "/tmp", "CSV (MS-DOS) (*.csv)|*.csv" };
    EXPECT_TRUE(UiServices().SaveDialog(save));
    EXPECT_EQ(save.FileName, "/tmp/export.csv");
    TForm dialog(nullptr);
    EXPECT_EQ(UiServices().ShowModal(dialog), mrOk);
    // Nothing left: the cautious answers.
    EXPECT_EQ(MessageDlg("Replace the file?", mtWarning, mbYesNoCancel), mrCancel);
    EXPECT_EQ(MessageDlg("Switch language?", mtConfirmation, mbYesNo), mrNo);
    ShowMessage("Saved");
    EXPECT_TRUE(UiServices().OpenLink("http://127.0.0.1/"));

    const auto& requests = services.Requests();
    ASSERT_EQ(requests.size(), 7u);
    EXPECT_EQ(requests[0].Text, "Delete the row?");
    EXPECT_EQ(requests[0].Type, mtConfirmation);
    EXPECT_EQ(requests[0].Buttons, mbYesNo);
    EXPECT_EQ(requests[1].Kind, rkSaveDialog);
    EXPECT_EQ(requests[1].File.Filter, "CSV (MS-DOS) (*.csv)|*.csv");
    EXPECT_EQ(requests[2].Kind, rkModal);
    EXPECT_EQ(requests[2].Text, "TForm");
    EXPECT_FALSE(requests[3].Answered);
    EXPECT_EQ(requests[5].Text, "Saved");
    EXPECT_EQ(requests[6].Kind, rkLink);
    EXPECT_EQ(services.PendingAnswers(), 0u);
}

TEST(PopupMenu, AMenuSharedByControlsAndTheControlItPoppedUpForForgetEachOtherWhenFreed)
{
    auto first = std::make_unique<TPanel>(nullptr);
    auto second = std::make_unique<TPanel>(nullptr);
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    first->SetPopupMenu(menu.get());
    second->SetPopupMenu(menu.get());
    menu->SetPopupComponent(first.get());
    menu->SetPopupComponent(second.get());
    menu.reset();
    EXPECT_EQ(first->PopupMenu(), nullptr);
    EXPECT_EQ(second->PopupMenu(), nullptr);

    menu = std::make_unique<TPopupMenu>(nullptr);
    first->SetPopupMenu(menu.get());
    menu->SetPopupComponent(first.get());
    first->SetPopupMenu(nullptr);
    first.reset();
    EXPECT_EQ(menu->PopupComponent(), nullptr);
}

TEST(UiServices, PopupMenuChoiceRunsTheItemsClick)
{
    TScriptedUiServices services;
    const TScopedUiServices scope(services);
    TPopupMenu menu(nullptr);
    std::string clicked;
    TMenuItem* copy = menu.Items().Add("&Copy");
    copy->OnClick = [&](TMenuItem*) { clicked = "copy"; };
    menu.Items().Add("-");
    services.AnswerPopup("Copy");
    menu.Popup(40, 50);
    EXPECT_EQ(clicked, "copy");
    EXPECT_EQ(services.Requests().back().Point, Point(40, 50));
}
