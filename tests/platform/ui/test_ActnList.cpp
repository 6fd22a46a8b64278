#include "platform/ui/ActnList.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class TPlainControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

// Counts the action changes it follows.
class TCountingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    int32_t Changes = 0;

protected:
    void ActionChange(TBasicAction* sender, bool checkDefaults) override
    {
        ++Changes;
        TCustomControl::ActionChange(sender, checkDefaults);
    }
};

class ActionTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
    }

    TPlainControl* AddControl(const char* name)
    {
        auto* control = new TPlainControl(Form.get());
        control->SetName(QString::fromLatin1(name));
        control->SetBounds(10, 10, 80, 20);
        control->SetParent(Form.get());
        return control;
    }

    static void ClickWithMouse(TControl* control)
    {
        control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
        control->Perform(WM_LBUTTONUP, 0, PointToLParam({ 5, 5 }));
    }

    std::unique_ptr<TForm> Form;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(ActionTest, AssigningAnActionCopiesCaptionEnabledVisibleAndHint)
{
    TAction action(nullptr);
    action.SetCaption(QStringLiteral("Save"));
    action.SetEnabled(false);
    action.SetVisible(false);
    action.SetHint(QStringLiteral("Saves the device"));
    TPlainControl* control = AddControl("saveControl");
    control->SetCaption(QStringLiteral("Own"));
    control->SetHint(QStringLiteral("Own hint"));

    control->SetAction(&action);
    EXPECT_EQ(control->Action(), &action);
    EXPECT_EQ(control->Caption(), QStringLiteral("Save"));
    EXPECT_FALSE(control->Enabled());
    EXPECT_FALSE(control->Visible());
    EXPECT_EQ(control->Hint(), QStringLiteral("Saves the device"));
}

TEST_F(ActionTest, ALoadingActionFillsOnlyWhatTheControlLeftAtItsDefault)
{
    struct Case {
        const char* caption;
        const char* hint;
        const char* expectedCaption;
        const char* expectedHint;
    };
    const Case cases[] = {
        { "", "", "Save", "Saves" },
        // A caption equal to the control's name is the designer's default.
        { "control", "", "Save", "Saves" },
        { "Own", "Own hint", "Own", "Own hint" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.caption);
        TAction action(nullptr);
        action.SetCaption(QStringLiteral("Save"));
        action.SetHint(QStringLiteral("Saves"));
        action.BeginLoading();
        TPlainControl control(nullptr);
        control.SetName(QStringLiteral("control"));
        control.SetCaption(QString::fromLatin1(entry.caption));
        control.SetHint(QString::fromLatin1(entry.hint));
        control.SetAction(&action);
        EXPECT_EQ(control.Caption(), QString::fromLatin1(entry.expectedCaption));
        EXPECT_EQ(control.Hint(), QString::fromLatin1(entry.expectedHint));
    }
}

TEST_F(ActionTest, ChangingTheActionUpdatesEveryControlThatUsesIt)
{
    TAction action(nullptr);
    TPlainControl* first = AddControl("first");
    TPlainControl* second = AddControl("second");
    first->SetAction(&action);
    second->SetAction(&action);

    action.SetCaption(QStringLiteral("Apply"));
    action.SetHint(QStringLiteral("Applies"));
    action.SetEnabled(false);
    action.SetVisible(false);
    for (const TPlainControl* control : { first, second }) {
        SCOPED_TRACE(control->Name().toStdString());
        EXPECT_EQ(control->Caption(), QStringLiteral("Apply"));
        EXPECT_EQ(control->Hint(), QStringLiteral("Applies"));
        EXPECT_FALSE(control->Enabled());
        EXPECT_FALSE(control->Visible());
    }

    // A control that lets go of the action no longer follows it.
    second->SetAction(nullptr);
    action.SetCaption(QStringLiteral("Later"));
    EXPECT_EQ(first->Caption(), QStringLiteral("Later"));
    EXPECT_EQ(second->Caption(), QStringLiteral("Apply"));
}

TEST_F(ActionTest, ClickingRunsTheActionForTheControl)
{
    TAction action(nullptr);
    TPlainControl* control = AddControl("control");
    control->OnClick = [this](TComponent*) { Events.push_back("OnClick"); };
    ClickWithMouse(control);
    EXPECT_EQ(Events, (std::vector<std::string> { "OnClick" }));

    const TComponent* componentDuringExecute = nullptr;
    action.OnUpdate = [this](TComponent*) { Events.push_back("update"); };
    action.OnExecute = [&](TComponent* sender) {
        Events.push_back("execute");
        componentDuringExecute = static_cast<TBasicAction*>(sender)->ActionComponent();
    };
    control->SetAction(&action);
    Events.clear();
    ClickWithMouse(control);
    EXPECT_EQ(Events, (std::vector<std::string> { "update", "execute" }));
    EXPECT_EQ(componentDuringExecute, control);
    EXPECT_EQ(action.ActionComponent(), nullptr);

    // OnUpdate may disable the action just before it would run.
    action.OnUpdate = [](TComponent* sender) { static_cast<TAction*>(sender)->SetEnabled(false); };
    Events.clear();
    control->Click();
    EXPECT_TRUE(Events.empty());
    EXPECT_FALSE(control->Enabled());
}

TEST_F(ActionTest, AnActionFreedByItsOwnHandlerLeavesTheControlWithoutOne)
{
    auto action = std::make_unique<TAction>(nullptr);
    TPlainControl* control = AddControl("control");
    control->SetAction(action.get());
    action->OnExecute = [&](TComponent*) { action.reset(); };
    control->Click();
    EXPECT_EQ(control->Action(), nullptr);
}

TEST_F(ActionTest, FreeingTheActionOrTheControlDropsTheOthersReference)
{
    auto action = std::make_unique<TAction>(nullptr);
    TPlainControl* control = AddControl("control");
    control->OnClick = [this](TComponent*) { Events.push_back("OnClick"); };
    control->SetAction(action.get());
    action.reset();
    EXPECT_EQ(control->Action(), nullptr);
    control->Click();
    EXPECT_EQ(Events, (std::vector<std::string> { "OnClick" }));

    // The other way round: a freed control is no longer told of changes.
    TAction survivor(nullptr);
    auto gone = std::make_unique<TPlainControl>(nullptr);
    gone->SetAction(&survivor);
    gone.reset();
    survivor.SetCaption(QStringLiteral("After"));
    EXPECT_EQ(survivor.Caption(), QStringLiteral("After"));
}

TEST_F(ActionTest, ActionListAndActionsForgetEachOtherWhenFreed)
{
    auto list = std::make_unique<TActionList>(nullptr);
    TImageList images(nullptr, 16, 16);
    list->SetImages(&images);
    auto first = std::make_unique<TAction>(nullptr);
    TAction second(nullptr);
    first->SetActionList(list.get());
    second.SetActionList(list.get());
    ASSERT_EQ(list->ActionCount(), 2);
    EXPECT_EQ(second.Index(), 1);
    EXPECT_EQ(second.ActionList()->Images(), &images);

    first.reset();
    ASSERT_EQ(list->ActionCount(), 1);
    EXPECT_EQ(list->Actions(0), &second);
    EXPECT_EQ(second.Index(), 0);
    EXPECT_THROW(list->Actions(1), EListError);

    list.reset();
    EXPECT_EQ(second.ActionList(), nullptr);
    EXPECT_EQ(second.Index(), -1);
}

TEST_F(ActionTest, ImageListChangesReachTheActionsControlsAndAFreedListIsForgotten)
{
    TActionList list(nullptr);
    TAction action(nullptr);
    action.SetActionList(&list);
    auto* control = new TCountingControl(Form.get());
    control->SetAction(&action);
    auto images = std::make_unique<TImageList>(nullptr);
    TImageList other(nullptr);

    struct TStep {
        const char* Name;
        std::function<void()> Run;
        TImageList* Images;
        int32_t Changes;
    };
    const TStep steps[] = {
        { "set", [&] { list.SetImages(images.get()); }, images.get(), 1 },
        { "set again", [&] { list.SetImages(images.get()); }, images.get(), 0 },
        { "pictures change", [&] { images->SetSize(8, 8); }, images.get(), 1 },
        { "another list", [&] { list.SetImages(&other); }, &other, 1 },
        { "the old list changes", [&] { images->SetSize(4, 4); }, &other, 0 },
        { "back", [&] { list.SetImages(images.get()); }, images.get(), 1 },
        { "freed", [&] { images.reset(); }, nullptr, 1 },
        { "the other list changes", [&] { other.SetSize(4, 4); }, nullptr, 0 },
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        control->Changes = 0;
        step.Run();
        EXPECT_EQ(list.Images(), step.Images);
        EXPECT_EQ(control->Changes, step.Changes);
    }
}
