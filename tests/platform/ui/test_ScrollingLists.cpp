#include "platform/os/Clock.h"
#include "platform/ui/CategoryPanels.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/SystemMetrics.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

// Puts the wheel setting back whatever a test set.
class WheelLinesScope {
public:
    explicit WheelLinesScope(uint32_t lines) : FSaved(WheelScrollLines())
    {
        SystemParametersInfo(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
    }
    ~WheelLinesScope() { SystemParametersInfo(SPI_SETWHEELSCROLLLINES, FSaved, nullptr, 0); }

private:
    uint32_t FSaved;
};

struct ListFixture : testing::Test {
    ListFixture()
    {
        List = new TListBox(&Form);
        List->SetParent(&Form);
        // Border 2 + 5 rows of 13 + border 2.
        List->SetBounds(0, 0, 120, 69);
    }
    void Fill(int32_t count)
    {
        for (int32_t index = 0; index < count; ++index)
            List->Items().Add(QStringLiteral("item %1").arg(index));
    }
    TForm Form { nullptr };
    TListBox* List = nullptr;
};

} // namespace

TEST(SystemMetrics, ComeFromOnePlaceAndTheWheelSettingRoundTrips)
{
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_GT(GetSystemMetrics(SM_CXDOUBLECLK), 0);
    EXPECT_EQ(GetSystemMetrics(9999), 0);

    const WheelLinesScope scope(7);
    uint32_t lines = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, 7u);
    SystemParametersInfo(SPI_SETWHEELSCROLLLINES, WHEEL_PAGESCROLL, nullptr, 0);
    EXPECT_EQ(WheelScrollLines(), WHEEL_PAGESCROLL);
    EXPECT_FALSE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, nullptr, 0));
}

TEST_F(ListFixture, ScrollBarShowsOnlyWhenTheItemsDoNotFitAndNarrowsTheClientArea)
{
    Fill(5);
    EXPECT_FALSE(List->ScrollBarShown());
    EXPECT_EQ(List->ClientWidth(), 120);
    List->Items().Add("one more");
    EXPECT_TRUE(List->ScrollBarShown());
    EXPECT_EQ(List->ClientWidth(), 120 - GetSystemMetrics(SM_CXVSCROLL));
    List->SetHeight(200);
    EXPECT_FALSE(List->ScrollBarShown());
}

TEST_F(ListFixture, ScrollMessagesAndTheWheelMoveTheTopWithinTheLastPage)
{
    Fill(20);
    const WheelLinesScope scope(3);
    struct Case {
        const char* name;
        std::function<void()> act;
        int32_t top;
    };
    const Case cases[] = {
        { "line down", [&] { List->Perform(WM_VSCROLL, SB_LINEDOWN); }, 1 },
        { "page down", [&] { List->Perform(WM_VSCROLL, SB_PAGEDOWN); }, 6 },
        { "thumb", [&] { List->Perform(WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 9)); }, 9 },
        { "bottom", [&] { List->Perform(WM_VSCROLL, SB_BOTTOM); }, 15 },
        { "past the end", [&] { List->SetTopIndex(19); }, 15 },
        { "wheel away: three lines up", [&] { List->Perform(CM_MOUSEWHEEL, WHEEL_DELTA); }, 12 },
        { "wheel towards: three down", [&] { List->Perform(CM_MOUSEWHEEL, -WHEEL_DELTA); }, 15 },
        { "two notches up", [&] { List->Perform(CM_MOUSEWHEEL, 2 * WHEEL_DELTA); }, 9 },
        { "top", [&] { List->Perform(WM_VSCROLL, SB_TOP); }, 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        entry.act();
        EXPECT_EQ(List->TopIndex(), entry.top);
    }
    EXPECT_EQ(List->ItemIndex(), -1) << "scrolling never selects";
}

TEST_F(ListFixture, WheelWithPageSettingScrollsAPage)
{
    Fill(20);
    const WheelLinesScope scope(WHEEL_PAGESCROLL);
    List->Perform(CM_MOUSEWHEEL, -WHEEL_DELTA);
    EXPECT_EQ(List->TopIndex(), 5);
}

TEST_F(ListFixture, KeysScrollTheSelectionIntoView)
{
    Fill(20);
    List->Perform(WM_KEYDOWN, VK_END);
    EXPECT_EQ(List->ItemIndex(), 19);
    EXPECT_EQ(List->TopIndex(), 15);
    List->Perform(WM_KEYDOWN, VK_PRIOR);
    EXPECT_EQ(List->ItemIndex(), 15);
    List->Perform(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(List->TopIndex(), 14);
}

TEST_F(ListFixture, TypedPrefixSelectsAndTheSameLetterStepsOn)
{
    List->Items().SetCommaText("Alpha,beta,Bravo,bridge,charlie,Brick");
    TFakeClock clock(1000);
    const TClockScope clockScope(clock);
    int clicks = 0;
    List->OnClick = [&](TComponent*) { ++clicks; };
    struct Case {
        char16_t typed;
        uint32_t pause;
        int32_t expected;
    };
    const Case cases[] = {
        { u'b', 5000, 1 }, // first entry with b
        { u'r', 100, 2 }, // "br" within the pause: Bravo
        { u'i', 100, 3 }, // "bri": bridge
        { u'c', 100, 5 }, // "bric": Brick
        { u'b', 5000, 1 }, // a pause starts over; from Brick the next b wraps to beta
        { u'b', 100, 2 }, // same letter again: next b entry
        { u'b', 100, 3 },
        { u'z', 5000, 3 }, // nothing matches: the selection stays
        { u'C', 5000, 4 }, // case does not matter
    };
    int32_t step = 0;
    for (const Case& entry : cases) {
        SCOPED_TRACE(step++);
        clock.Advance(entry.pause);
        List->Perform(WM_CHAR, entry.typed);
        EXPECT_EQ(List->ItemIndex(), entry.expected);
    }
    EXPECT_EQ(clicks, 8);
}

TEST_F(ListFixture, OwnerDrawVariableAsksEachHeightAndPlacesItems)
{
    List->SetStyle(lbOwnerDrawVariable);
    List->OnMeasureItem = [](TWinControl*, int32_t index, int32_t& height) { height = index % 2 == 0 ? 10 : 30; };
    Fill(6);
    EXPECT_EQ(List->ItemRect(0), Rect(2, 2, List->ClientWidth() - 2, 12));
    EXPECT_EQ(List->ItemRect(1).Top, 12);
    EXPECT_EQ(List->ItemRect(2).Top, 42);
    EXPECT_EQ(List->ItemAtPos({ 5, 20 }, true), 1);
    EXPECT_EQ(List->VisibleItemCount(), 3);
    EXPECT_TRUE(List->ScrollBarShown());
}

TEST(ScrollBox, BarFollowsTheChildrenAndTheWheelSendsTheSettingsLines)
{
    TForm form(nullptr);
    auto* box = new TScrollBox(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 200, 80);
    auto* child = new TPanel(&form);
    child->SetParent(box);
    child->SetBounds(0, 0, 100, 60);
    box->UpdateScrollBar();
    EXPECT_FALSE(box->ScrollBarShown());
    child->SetHeight(400);
    QApplication::processEvents();
    EXPECT_TRUE(box->ScrollBarShown()) << "the bar follows a child that grew";
    EXPECT_EQ(box->ClientWidth(), 200 - GetSystemMetrics(SM_CXVSCROLL));

    std::vector<intptr_t> codes;
    box->OnMouseWheel = nullptr;
    const WheelLinesScope scope(2);
    const int32_t line = box->LineSize();
    box->Perform(CM_MOUSEWHEEL, -WHEEL_DELTA);
    EXPECT_EQ(box->VertScrollPosition(), 2 * line);
    EXPECT_EQ(child->Top(), -2 * line);
    box->Perform(CM_MOUSEWHEEL, WHEEL_DELTA);
    EXPECT_EQ(box->VertScrollPosition(), 0);

    const WheelLinesScope none(0);
    box->Perform(CM_MOUSEWHEEL, -WHEEL_DELTA);
    EXPECT_EQ(box->VertScrollPosition(), 0) << "a setting of 0 lines scrolls nothing";
}

TEST(CategoryPanelGroup, PanelsTakeTheWidthLeftBesideTheBar)
{
    TForm form(nullptr);
    auto* group = new TCategoryPanelGroup(&form);
    group->SetParent(&form);
    group->SetBounds(0, 0, 300, 200);
    auto* first = new TCategoryPanel(&form);
    first->SetParent(group);
    first->SetHeight(150);
    EXPECT_FALSE(group->ScrollBarShown());
    EXPECT_EQ(first->Width(), 300);
    auto* second = new TCategoryPanel(&form);
    second->SetParent(group);
    second->SetTop(150);
    second->SetHeight(150);
    EXPECT_TRUE(group->ScrollBarShown());
    EXPECT_EQ(first->Width(), 300 - GetSystemMetrics(SM_CXVSCROLL));
    second->Collapse();
    EXPECT_FALSE(group->ScrollBarShown());
    EXPECT_EQ(second->Width(), 300);
}

TEST(ScrollBar, RequestsMoveThePositionThroughOnScrollAndFireOnChange)
{
    TForm form(nullptr);
    auto* bar = new TScrollBar(&form);
    bar->SetParent(&form);
    bar->SetParams(10, 0, 100);
    bar->SetPageSize(20);
    bar->SetSmallChange(2);
    bar->SetLargeChange(15);
    std::vector<int32_t> changes;
    bar->OnChange = [&](TComponent*) { changes.push_back(bar->Position()); };
    struct Case {
        intptr_t request;
        int32_t expected;
    };
    const Case cases[] = {
        { MakeScrollWParam(SB_LINEDOWN, 0), 12 },
        { MakeScrollWParam(SB_PAGEUP, 0), 0 },
        { MakeScrollWParam(SB_THUMBTRACK, 50), 50 },
        { MakeScrollWParam(SB_BOTTOM, 0), 81 }, // the page covers the rest
        { MakeScrollWParam(SB_ENDSCROLL, 0), 81 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.request);
        bar->Perform(WM_HSCROLL, entry.request);
        EXPECT_EQ(bar->Position(), entry.expected);
    }
    EXPECT_EQ(changes, (std::vector<int32_t> { 12, 0, 50, 81 }));

    bar->OnScroll = [](TComponent*, TScrollCode code, int32_t& position) {
        if (code == scLineUp)
            position = 40;
    };
    bar->Perform(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(bar->Position(), 40) << "OnScroll may move the target";
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
}
