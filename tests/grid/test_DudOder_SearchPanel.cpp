#include "grid/DudOder.h"
#include "grid/DudOder_SearchPanel.h"
#include "platform/ui/Forms.h"
#include "tests/grid/GridOnForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class SearchPanelTest : public GridOnFormTest<TDudStringGrid> {
protected:
    void SetUp() override
    {
        MakeGrid(640, 300, 620, 260);
        TSearchFooter& footer = Grid->SearchFooter();
        footer.SetFindNextCaption(QStringLiteral("Find &next"));
        footer.SetFindPrevCaption(QStringLiteral("Find &previous"));
        footer.SetHighLightCaption(QStringLiteral("Highlight"));
        footer.SetMatchCaseCaption(QStringLiteral("Match case"));
        footer.SetHintFindNext(QStringLiteral("Find next occurrence"));
        footer.SetVisible(true);
        Grid->OnCreatedSearchFooter = [this](TDudStringGrid* sender) {
            Events.emplace_back(sender == Grid && sender->SearchPanel()->ForwardButton()->Parent() ? "created" : "?");
        };
        ShowForm(false);
        Panel = Grid->SearchPanel();
        Panel->OnForwardClick = Recorder("forward");
        Panel->OnBackwardClick = Recorder("backward");
        Panel->OnExitClick = Recorder("exit");
        Panel->OnHighlightClick = Recorder("highlight");
        Panel->OnEditChange = Recorder("change");
    }

    TNotifyEvent Recorder(const char* name)
    {
        return [this, name](TComponent*) { Events.emplace_back(name); };
    }

    TSearchPanel* Panel = nullptr;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(SearchPanelTest, TheFooterShowsItsButtonsAndCheckBoxInPlace)
{
    struct TCase {
        const char* Name;
        TControl* Control;
        TRect Bounds;
        String Caption;
    };
    const TCase cases[] = {
        { "find next", Panel->ForwardButton(), Bounds(140, 5, 90, 23), QStringLiteral("Find &next") },
        { "find previous", Panel->BackwardButton(), Bounds(235, 5, 90, 23), QStringLiteral("Find &previous") },
        { "highlight", Panel->HiliteButton(), Bounds(330, 5, 90, 23), QStringLiteral("Highlight") },
        { "close", Panel->ExitButton(), Bounds(5, 7, 14, 14), QString() },
        { "match case", Panel->MatchCase(), Bounds(425, 8, 98, 18), QStringLiteral("Match case") },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(test.Control->Parent(), Panel);
        EXPECT_TRUE(test.Control->Showing());
        EXPECT_EQ(test.Control->BoundsRect(), test.Bounds);
        EXPECT_EQ(test.Control->Caption(), test.Caption);
    }
    EXPECT_EQ(Panel->HiliteButton()->Style(), tasCheck);
    EXPECT_FALSE(Panel->ForwardButton()->Glyph().Empty());
    EXPECT_FALSE(Panel->ForwardButton()->GlyphDisabled().Empty());
    EXPECT_FALSE(Panel->ExitButton()->GlyphHot().Empty());
    EXPECT_TRUE(Panel->ForwardButton()->ShowHint());
    EXPECT_FALSE(Panel->BackwardButton()->ShowHint()) << "no hint text, no hint";
    EXPECT_TRUE(Panel->MatchCase()->Transparent());
}

TEST_F(SearchPanelTest, SearchButtonsWaitForATextAndClicksReachThePanelsEvents)
{
    for (TDudOderButton* button : { Panel->ForwardButton(), Panel->BackwardButton(), Panel->HiliteButton() })
        EXPECT_FALSE(button->Enabled());
    Panel->EditControl()->SetText(QStringLiteral("abc"));
    for (TDudOderButton* button : { Panel->ForwardButton(), Panel->BackwardButton(), Panel->HiliteButton() })
        EXPECT_TRUE(button->Enabled());

    ClickOn(*Panel->ForwardButton());
    ClickOn(*Panel->BackwardButton());
    ClickOn(*Panel->HiliteButton());
    EXPECT_TRUE(Panel->HiliteButton()->Down());
    ClickOn(*Panel->ExitButton());
    EXPECT_EQ(Events, (std::vector<std::string> { "created", "change", "forward", "backward", "highlight", "exit" }));

    Panel->EditControl()->SetText(QString());
    EXPECT_FALSE(Panel->ForwardButton()->Enabled());
}

TEST_F(SearchPanelTest, HiddenControlsCollapseAndTheCheckBoxMovesLeft)
{
    Grid->SearchFooter().SetShowHighLight(false);
    Grid->SearchFooter().SetShowFindPrev(false);
    EXPECT_FALSE(Panel->HiliteButton()->Visible());
    EXPECT_EQ(Panel->HiliteButton()->Height(), 0);
    EXPECT_FALSE(Panel->BackwardButton()->Visible());
    EXPECT_EQ(Panel->MatchCase()->Left(), 330);
    Grid->SearchFooter().SetShowMatchCase(false);
    EXPECT_EQ(Panel->MatchCase()->Height(), 0);
}

namespace {

// A grid with its search footer left to its own handlers, as a user meets it.
class SearchPanelActionTest : public GridOnFormTest<TDudStringGrid> {
protected:
    void SetUp() override
    {
        MakeGrid(640, 300, 620, 260);
        Grid->SetCells(1, 1, QStringLiteral("apple"));
        Grid->SetCells(2, 3, QStringLiteral("Apple pie"));
        Grid->SetCells(1, 5, QStringLiteral("pineapple"));
        Grid->SearchFooter().SetVisible(true);
        ShowForm(false);
        Panel = Grid->SearchPanel();
    }

    TSearchPanel* Panel = nullptr;
};

} // namespace

TEST_F(SearchPanelActionTest, TypingAndTheButtonsFindTheCellsInTurn)
{
    enum TStep { Type, Next, Previous, MatchCase };
    struct TCase {
        TStep Step;
        const char* Text;
        TPoint Current;
        TColor EditColor;
    };
    const TCase cases[] = {
        { Type, "apple", { 1, 1 }, clWindow },
        { Next, "", { 1, 5 }, clWindow },
        { Next, "", { 2, 3 }, clWindow },
        { Previous, "", { 1, 5 }, clWindow },
        { MatchCase, "", { 1, 5 }, clWindow },
        { Next, "", { 1, 5 }, clWindow },
        { Type, "pie", { 2, 3 }, clWindow },
        { Type, "piez", { 2, 3 }, clRed },
        { Type, "", { 2, 3 }, clWindow },
    };
    int32_t step = 0;
    for (const TCase& test : cases) {
        SCOPED_TRACE(step++);
        switch (test.Step) {
        case Type:
            Panel->EditControl()->SetText(QString::fromLatin1(test.Text));
            break;
        case Next:
            ClickOn(*Panel->ForwardButton());
            break;
        case Previous:
            ClickOn(*Panel->BackwardButton());
            break;
        case MatchCase:
            Panel->MatchCase()->SetChecked(true);
            break;
        }
        EXPECT_EQ((TPoint { Grid->Col(), Grid->Row() }), test.Current);
        EXPECT_EQ(Panel->EditControl()->Color(), test.EditColor);
    }
    ClickOn(*Panel->ExitButton());
    EXPECT_FALSE(Grid->SearchFooter().Visible());
}
