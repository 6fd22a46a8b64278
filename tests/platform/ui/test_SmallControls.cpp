#include "platform/ui/CheckLst.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TrackBar.h"

#include <gtest/gtest.h>

TEST(CheckListBox, ChecksStayWithTheirItemsAndOnlyTheUserFiresOnClickCheck)
{
    TForm form(nullptr);
    auto* list = new TCheckListBox(&form);
    list->SetParent(&form);
    list->Items().SetCommaText("c,a,b");
    list->SetChecked(0, true);
    list->SetState(2, cbGrayed);
    int clickChecks = 0;
    list->OnClickCheck = [&](TComponent*) { ++clickChecks; };

    list->Items().Insert(0, "first");
    EXPECT_TRUE(list->Checked(1)) << "an insert moves the checks with their items";
    list->Items().Delete(0);
    list->Items().Exchange(0, 1);
    EXPECT_TRUE(list->Checked(1));
    auto& strings = static_cast<TStringList&>(list->Items());
    strings.Sort();
    EXPECT_EQ(list->Items().CommaText(), "a,b,c");
    EXPECT_EQ(list->State(1), cbGrayed) << "a sort carries each state along";
    EXPECT_TRUE(list->Checked(2));
    EXPECT_FALSE(list->Checked(0));
    EXPECT_EQ(clickChecks, 0);

    const TRect first = list->ItemRect(0);
    list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(first.Left + 5, first.Top + 3));
    EXPECT_TRUE(list->Checked(0)) << "a click on the box checks";
    list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(first.Left + 40, first.Top + 3));
    EXPECT_TRUE(list->Checked(0)) << "a click on the text only selects";
    list->Perform(WM_CHAR, u' ');
    EXPECT_FALSE(list->Checked(0));
    list->SetItemEnabled(0, false);
    list->Perform(WM_CHAR, u' ');
    EXPECT_FALSE(list->Checked(0)) << "a disabled item keeps its check";
    EXPECT_EQ(clickChecks, 2);

    list->SetAllowGrayed(true);
    list->SetItemIndex(2);
    std::vector<TCheckBoxState> cycle;
    for (int step = 0; step < 3; ++step) {
        list->Perform(WM_CHAR, u' ');
        cycle.push_back(list->State(2));
    }
    EXPECT_EQ(cycle, (std::vector<TCheckBoxState> { cbGrayed, cbUnchecked, cbChecked }));
    EXPECT_THROW(list->Checked(5), EListError);
}

TEST(TrackBar, PositionStaysInRangeAndEveryChangeIsReported)
{
    TForm form(nullptr);
    auto* bar = new TTrackBar(&form);
    bar->SetParent(&form);
    std::vector<int32_t> changes;
    bar->OnChange = [&](TComponent*) { changes.push_back(bar->Position()); };
    struct Case {
        const char* name;
        std::function<void()> act;
        int32_t position;
    };
    const Case cases[] = {
        { "set beyond Max", [&] { bar->SetPosition(15); }, 10 },
        { "down arrow", [&] { bar->Perform(WM_KEYDOWN, VK_DOWN); }, 10 },
        { "page up", [&] { bar->Perform(WM_KEYDOWN, VK_PRIOR); }, 8 },
        { "home", [&] { bar->Perform(WM_KEYDOWN, VK_HOME); }, 0 },
        { "left at Min", [&] { bar->Perform(WM_KEYDOWN, VK_LEFT); }, 0 },
        { "Max lowered below the position", [&] { bar->SetPosition(9); bar->SetMax(5); }, 5 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        entry.act();
        EXPECT_EQ(bar->Position(), entry.position);
    }
    EXPECT_EQ(changes, (std::vector<int32_t> { 10, 8, 0, 9, 5 }));
}

TEST(TrackBar, ClickBesideTheThumbPagesAndDraggingFollowsTheMouse)
{
    TForm form(nullptr);
    auto* bar = new TTrackBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 216, 45); // channel 13..203: 19 pixels a step
    const TRect thumb = bar->ThumbRect();
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(thumb.Right + 30, 10));
    bar->Perform(WM_LBUTTONUP, 0, MakeLParam(thumb.Right + 30, 10));
    EXPECT_EQ(bar->Position(), 2);
    const TRect moved = bar->ThumbRect();
    const int32_t grip = (moved.Left + moved.Right) / 2;
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(grip, 10));
    bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(grip + 5 * 19, 10));
    EXPECT_EQ(bar->Position(), 7);
    bar->Perform(WM_LBUTTONUP, 0, MakeLParam(grip + 5 * 19, 10));
    bar->Perform(WM_MOUSEMOVE, 0, MakeLParam(grip, 10));
    EXPECT_EQ(bar->Position(), 7) << "the drag ends with the release";
}

TEST(Splitter, DraggingResizesTheControlOnItsSideWithinTheLimits)
{
    TForm form(nullptr);
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    auto* top = new TPanel(&form);
    top->SetParent(&form);
    top->SetAlign(alClient);
    auto* legend = new TPanel(&form);
    legend->SetParent(&form);
    legend->SetHeight(108);
    legend->SetAlign(alBottom);
    auto* splitter = new TSplitter(&form);
    splitter->SetParent(&form);
    splitter->SetAlign(alBottom);
    splitter->SetHeight(3);
    splitter->SetTop(legend->Top() - 1);
    form.AlignControls();
    ASSERT_EQ(splitter->ResizeControl(), legend);
    int moved = 0;
    splitter->OnMoved = [&](TComponent*) { ++moved; };
    struct Case {
        int32_t dragBy;
        int32_t height;
    };
    // Dragging a bottom splitter up grows the legend; the client panel keeps MinSize.
    const Case cases[] = { { -50, 158 }, { 60, 98 }, { 100, 30 }, { -500, 300 - 3 - 30 } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.dragBy);
        splitter->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(1, 1));
        splitter->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(1, 1 + entry.dragBy));
        splitter->Perform(WM_LBUTTONUP, 0, MakeLParam(1, 1 + entry.dragBy));
        EXPECT_EQ(legend->Height(), entry.height);
        EXPECT_EQ(splitter->Top() + splitter->Height(), legend->Top());
    }
    EXPECT_EQ(moved, 4);
    splitter->OnCanResize = [](TComponent*, int32_t&, bool& accept) { accept = false; };
    splitter->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(1, 1));
    splitter->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(1, 100));
    EXPECT_EQ(legend->Height(), 267);
}
