#include "grid/DudOder.h"
#include "grid/DudOder_SearchPanel.h"
#include "platform/ui/Forms.h"
#include "tests/grid/GridOnForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

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

TEST_F(SearchPanelTest, ReturnInTheEditSearchesAndNeverBreaksTheLine)
{
    struct TCase {
        const char* Name;
        Qt::KeyboardModifiers Modifiers;
        const char* Event;
    };
    const TCase cases[] = {
        { "Return finds the next", Qt::NoModifier, "forward" },
        { "Ctrl+Return finds the previous", Qt::ControlModifier, "backward" },
    };
    TRetEdit& edit = *Panel->EditControl();
    std::vector<TChar> pressed;
    edit.OnKeyPress = [&pressed](TComponent*, TChar& key) { pressed.push_back(key); };
    edit.SetText(QStringLiteral("abc"));
    edit.SetFocus();
    QApplication::processEvents();
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Events.clear();
        QTest::keyClick(edit.Widget()->window()->windowHandle(), Qt::Key_Return, test.Modifiers);
        EXPECT_EQ(Events, (std::vector<std::string> { test.Event }));
        EXPECT_EQ(edit.Text(), QStringLiteral("abc"));
        EXPECT_EQ(edit.LineCount(), 1);
    }
    pressed.clear();
    for (const TChar character : { TChar(10), TChar(13) }) {
        SCOPED_TRACE(static_cast<int>(character));
        EXPECT_EQ(edit.Perform(WM_CHAR, character, 0), 0);
    }
    EXPECT_EQ(pressed, (std::vector<TChar> { 10, 13 })) << "line breaks reach OnKeyPress, not the text";
    EXPECT_EQ(edit.Text(), QStringLiteral("abc"));
    QTest::keyClick(edit.Widget()->window()->windowHandle(), Qt::Key_End);
    QTest::keyClick(edit.Widget()->window()->windowHandle(), Qt::Key_D);
    EXPECT_EQ(edit.Text(), QStringLiteral("abcd")) << "other keys type as in any edit";
}

TEST_F(SearchPanelTest, TheBarIsFlatOrABandGradientUnderAGridLine)
{
    struct TCase {
        const char* Name;
        TColor ColorTo;
        TColor Top;
        TColor Bottom;
    };
    const TCase cases[] = {
        { "flat", clNone, 0x00FFEECC, 0x00FFEECC },
        { "gradient", 0x00000000, 0x00F7E7C6, 0x00080706 },
    };
    Grid->SetGridLineColor(0x000000FF);
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Grid->SearchFooter().SetColor(0x00FFEECC);
        Grid->SearchFooter().SetColorTo(test.ColorTo);
        EXPECT_EQ(Panel->ColorTo(), test.ColorTo);
        const QImage shot = Panel->Widget()->grab().toImage();
        const auto pixel = [&shot](int32_t x, int32_t y) {
            const QRgb rgb = shot.pixel(x, y);
            return static_cast<TColor>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
        };
        EXPECT_EQ(pixel(2, 0), 0x000000FFu) << "the top line takes the grid line colour";
        EXPECT_EQ(pixel(2, 1), test.Top);
        EXPECT_EQ(pixel(2, Panel->Height() - 2), test.Bottom);
    }
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

TEST_F(SearchPanelActionTest, TheHighlightButtonMarksEveryOccurrenceUntilReleased)
{
    struct TCase {
        const char* Name;
        bool Click;
        const char* Text;
        bool MatchCase;
        const char* Cell11;
        const char* Cell23;
    };
    const TCase cases[] = {
        { "typing while up marks nothing", false, "apple", false, "apple", "Apple pie" },
        { "down marks all", true, "apple", false, "<hi>apple</hi>", "<hi>Apple</hi> pie" },
        { "typing re-marks", false, "pie", false, "apple", "Apple <hi>pie</hi>" },
        { "case is kept when asked", false, "Apple", true, "apple", "<hi>Apple</hi> pie" },
        { "an empty text clears", false, "", false, "apple", "Apple pie" },
        { "typing again", false, "app", false, "<hi>app</hi>le", "<hi>App</hi>le pie" },
        { "up removes", true, "app", false, "apple", "Apple pie" },
        { "while up typing marks nothing", false, "pie", false, "apple", "Apple pie" },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Panel->MatchCase()->SetChecked(test.MatchCase);
        if (test.Click)
            ClickOn(*Panel->HiliteButton());
        else
            Panel->EditControl()->SetText(QString::fromLatin1(test.Text));
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromLatin1(test.Cell11));
        EXPECT_EQ(Grid->Cells(2, 3), QString::fromLatin1(test.Cell23));
    }
}

TEST_F(SearchPanelActionTest, AlwaysHighlightMarksWhatIsTypedAndClearingReportsAFirstFind)
{
    Grid->SearchFooter().SetAlwaysHighLight(true);
    std::vector<std::pair<String, TPoint>> actions;
    Grid->OnSearchFooterAction = [&actions](TDudStringGrid*, const String& text, int32_t col, int32_t row,
                                     TSearchAction) { actions.emplace_back(text, TPoint { col, row }); };
    Panel->EditControl()->SetText(QStringLiteral("pine"));
    EXPECT_EQ(Grid->Cells(1, 5), QStringLiteral("<hi>pine</hi>apple"));
    Panel->EditControl()->SetText(QString());
    EXPECT_EQ(Grid->Cells(1, 5), QStringLiteral("pineapple"));
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[1].first, QString());
}
