#include "grid/DudOder.h"
#include "grid/DudOder_HTMLHintWindow.h"
#include "grid/base/MarkupText.h"
#include "grid/base/RovIvir.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/Hints.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

// Puts the application's hint window class back whatever a test set.
class HintClassScope {
public:
    HintClassScope() : FSaved(Application->HintWindowClass()) { }
    ~HintClassScope() { Application->SetHintWindowClass(FSaved); }
    HintClassScope(const HintClassScope&) = delete;
    HintClassScope& operator=(const HintClassScope&) = delete;

private:
    THintWindowClass FSaved;
};

TEST(HTMLHintWindow, UseHTMLHintsSwitchesTheApplicationsHintClass)
{
    const HintClassScope scope;
    TDudStringGrid grid(nullptr);
    grid.SetUseHTMLHints(true);
    EXPECT_TRUE(grid.UseHTMLHints());
    EXPECT_EQ(Application->HintWindowClass(), HintWindowClassOf<THTMLHintWindow>);
    std::unique_ptr<THintWindow> window(Application->HintWindowClass()(nullptr));
    EXPECT_NE(dynamic_cast<THTMLHintWindow*>(window.get()), nullptr);
    grid.SetUseHTMLHints(false);
    EXPECT_EQ(Application->HintWindowClass(), nullptr);
}

TEST(HTMLHintWindow, MarkupCellHintsGoToTheMarkupWindowWithTheGrid)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* grid = new TDudStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 280, 180);
    grid->SetHintShowCells(true);
    grid->SetHTMLHint(true);
    grid->SetCells(1, 1, QStringLiteral("<B>bold</B>"));
    grid->SetCells(2, 1, QStringLiteral("plain"));
    struct TCase {
        int32_t Col;
        bool Markup;
    };
    for (const TCase entry : { TCase { 1, true }, TCase { 2, false } }) {
        const TRect cell = grid->CellRect(entry.Col, 1);
        THintInfo info;
        info.HintControl = grid;
        info.CursorPos = { cell.Left + 2, cell.Top + 2 };
        grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
        EXPECT_EQ(info.HintWindowClass == HintWindowClassOf<THTMLHintWindow>, entry.Markup) << entry.Col;
        EXPECT_EQ(info.HintData == static_cast<TComponent*>(grid), entry.Markup) << entry.Col;
    }
    EXPECT_EQ(WideHintFontName(), grid->Font().Name());
}

class HTMLHintWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        Window = std::make_unique<THTMLHintWindow>(nullptr);
        Window->Font().SetName(QStringLiteral("DejaVu Sans"));
        Window->Font().SetSize(9);
        Window->SetColor(clInfoBk);
    }

    TSize Bare(const String& hint) const
    {
        const TRect rect = Window->CalcHintRect(1000, hint, nullptr);
        return { rect.Width(), rect.Height() };
    }

    std::unique_ptr<THTMLHintWindow> Window;
};

TEST_F(HTMLHintWindowTest, AddsItsMarginsToTheBareTextSize)
{
    struct TCase {
        String Hint;
        int32_t ExtraWidth;
    };
    const TCase cases[] = {
        { QStringLiteral("<B>bold</B> and <I>italic</I>"), 16 },
        { QStringLiteral("line<BR>two"), 16 },
        { EncodeWideCellText(QStringLiteral("wide \u20AC")), 8 },
    };
    for (const TCase& entry : cases) {
        const TSize bare = Bare(entry.Hint);
        EXPECT_GT(bare.cx, 0);
        Window->ActivateHint(Bounds(20, 20, 1, 1), entry.Hint);
        EXPECT_EQ(Window->Width(), bare.cx + entry.ExtraWidth) << entry.Hint.toStdString();
        EXPECT_EQ(Window->Height(), bare.cy + 4) << entry.Hint.toStdString();
    }
    EXPECT_EQ(Bare(QStringLiteral("line<BR>two")).cy, 2 * Bare(QStringLiteral("line")).cy);
}

TEST_F(HTMLHintWindowTest, StaysInsideTheMonitor)
{
    const TMonitor monitor = *Screen->MonitorFromPoint({ 0, 0 });
    const String hint = QStringLiteral("<B>a hint near the edge</B>");
    Window->ActivateHint(Bounds(monitor.BoundsRect.Right - 10, monitor.BoundsRect.Bottom - 5, 1, 1), hint);
    EXPECT_EQ(Window->Left() + Window->Width(), monitor.BoundsRect.Right - 2);
    EXPECT_EQ(Window->Top() + Window->Height(), monitor.BoundsRect.Bottom - 2);
}

TEST_F(HTMLHintWindowTest, PaintsTheMarkup)
{
    Window->ActivateHint(Bounds(20, 20, 1, 1), QStringLiteral("plain <FONT COLOR=\"clred\">red</FONT>"));
    QApplication::processEvents();
    TBitmap picture;
    GrabControl(*Window, picture);
    bool red = false;
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            red = red || picture.Canvas().Pixels(x, y) == clRed;
    EXPECT_TRUE(red);
}

} // namespace
