#include "controls/LbButton.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t ImageSize = 16;

// Two pictures: a blue square, then a red one, each on a white ground that
// the list keeps transparent.
void FillImages(TImageList& images)
{
    TBitmap strip(2 * ImageSize, ImageSize);
    TCanvas& canvas = strip.Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 2 * ImageSize, ImageSize));
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(Rect(4, 4, 12, 12));
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(ImageSize + 4, 4, ImageSize + 12, 12));
    images.AddMasked(strip, clWhite);
}

TColor GlyphPixel(const TLbButton& button, int32_t x, int32_t y)
{
    TBitmap glyph;
    glyph.Assign(button.Glyph());
    return glyph.Canvas().Pixels(x, y);
}

class LbButtonActionTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillImages(Images);
        ASSERT_EQ(Images.Count(), 2);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        List = new TActionList(Form.get());
        List->SetImages(&Images);
        Action = new TAction(Form.get());
        Action->SetActionList(List);
        Button = new TLbButton(Form.get());
        Button->SetBounds(10, 10, 100, 23);
        Button->SetParent(Form.get());
    }

    TImageList Images { nullptr, ImageSize, ImageSize };
    std::unique_ptr<TForm> Form;
    TActionList* List = nullptr;
    TAction* Action = nullptr;
    TLbButton* Button = nullptr;
};

} // namespace

TEST_F(LbButtonActionTest, AnEmptyGlyphTakesThePictureOfTheActionsIndex)
{
    Action->SetImageIndex(1);
    Button->SetAction(Action);
    const TBitmap& glyph = Button->Glyph();
    ASSERT_EQ(glyph.Width(), ImageSize);
    ASSERT_EQ(glyph.Height(), ImageSize);
    EXPECT_EQ(Button->NumGlyphs(), 1);
    EXPECT_EQ(GlyphPixel(*Button, 8, 8), clRed);
    // Fuchsia where the picture is transparent, so the bottom-left pixel
    // makes the cell transparent when it is drawn.
    EXPECT_EQ(GlyphPixel(*Button, 0, 0), clFuchsia);
    EXPECT_EQ(GlyphPixel(*Button, 0, ImageSize - 1), clFuchsia);
}

TEST_F(LbButtonActionTest, TheGlyphStaysWhenThereIsNoPictureToTake)
{
    struct Case {
        const char* name;
        bool ownGlyph;
        int32_t imageIndex;
        bool inList;
        bool listHasImages;
    };
    const Case cases[] = {
        { "own glyph", true, 1, true, true },
        { "no index", false, -1, true, true },
        { "index past the end", false, 2, true, true },
        { "no action list", false, 1, false, true },
        { "list without images", false, 1, true, false },
    };
    TBitmap own(8, 8);
    own.Canvas().Brush().SetColor(clLime);
    own.Canvas().FillRect(Rect(0, 0, 8, 8));
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TLbButton button(nullptr);
        if (entry.ownGlyph)
            button.SetGlyph(&own);
        TAction action(nullptr);
        TActionList list(nullptr);
        if (entry.listHasImages)
            list.SetImages(&Images);
        if (entry.inList)
            action.SetActionList(&list);
        action.SetImageIndex(entry.imageIndex);
        button.SetAction(&action);
        EXPECT_EQ(button.Glyph().Width(), entry.ownGlyph ? 8 : 0);
        EXPECT_EQ(button.NumGlyphs(), entry.ownGlyph ? 1 : 0);
        if (entry.ownGlyph) {
            EXPECT_EQ(GlyphPixel(button, 4, 4), clLime);
        }
        button.SetAction(nullptr);
    }
}

TEST_F(LbButtonActionTest, AnIndexSetLaterStillReachesAnEmptyGlyph)
{
    Button->SetAction(Action);
    EXPECT_TRUE(Button->Glyph().Empty());
    Action->SetImageIndex(0);
    ASSERT_EQ(Button->NumGlyphs(), 1);
    EXPECT_EQ(GlyphPixel(*Button, 8, 8), clBlue);
    // Once filled, the glyph is the button's own: a new index leaves it.
    Action->SetImageIndex(1);
    EXPECT_EQ(GlyphPixel(*Button, 8, 8), clBlue);
}

TEST_F(LbButtonActionTest, ClickRunsOnClickThenTheModalResultThenTheAction)
{
    std::vector<std::string> events;
    Button->SetModalResult(mrOk);
    Button->OnClick = [&](TComponent*) {
        events.push_back(Form->ModalResult() == mrNone ? "OnClick" : "OnClick after the result");
    };
    Action->OnExecute = [&](TComponent*) {
        events.push_back(Form->ModalResult() == mrOk ? "action after the result" : "action");
    };
    Button->SetAction(Action);
    Form->Show();
    QApplication::processEvents();
    Button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
    Button->Perform(WM_LBUTTONUP, 0, PointToLParam({ 5, 5 }));
    EXPECT_EQ(events, (std::vector<std::string> { "OnClick", "action after the result" }));

    // A hidden button skips its own steps; the action still runs.
    events.clear();
    Form->SetModalResult(mrNone);
    Button->SetVisible(false);
    Button->Click();
    EXPECT_EQ(events, (std::vector<std::string> { "action" }));
    EXPECT_EQ(Form->ModalResult(), mrNone);
}
