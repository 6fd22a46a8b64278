#include "grid/base/ZUZEdit.h"

#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScriptedUiServices.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class EditBtnTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Edit = new TZuzEditBtn(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 120, 24);
        Edit->OnClickBtn = [this](TComponent* sender) { Senders.push_back(sender); };
    }

    void ClickButton()
    {
        TDudSpeedButton* button = Edit->Button()->Button();
        button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
        button->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 2));
    }

    std::unique_ptr<TForm> Form;
    TZuzEditBtn* Edit = nullptr;
    std::vector<TComponent*> Senders;
};

} // namespace

TEST_F(EditBtnTest, ButtonClickReportsTheContainerAndF4TheEditor)
{
    EXPECT_EQ(Edit->Text(), "0");
    ClickButton();
    Edit->Perform(WM_KEYDOWN, VK_F4, 1);
    EXPECT_EQ(Senders, (std::vector<TComponent*> { Edit->Button(), Edit }));
}

TEST_F(EditBtnTest, F4WithCtrlOrAltDoesNothingOfTheEditorsOwn)
{
    Edit->Perform(WM_KEYDOWN, VK_F4, 1 | KF_ALTDOWN);
    EXPECT_TRUE(Senders.empty());
}

TEST_F(EditBtnTest, ReleasingOutsideTheButtonDoesNotClick)
{
    TDudSpeedButton* button = Edit->Button()->Button();
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
    button->Perform(WM_LBUTTONUP, 0, MakeLParam(-30, 2));
    EXPECT_TRUE(Senders.empty());
}

TEST_F(EditBtnTest, EditorDisabledRefusesTypingAndPastingButTheButtonWorks)
{
    Edit->SetEditorEnabled(false);
    Edit->SetText("abc");
    Edit->SetSelStart(3);
    Edit->Perform(WM_CHAR, u'd', 1);
    Clipboard().SetAsText("xyz");
    Edit->Perform(WM_PASTE);
    Edit->Perform(WM_CHAR, 22, 1);
    Edit->SelectAll();
    Edit->Perform(WM_CUT);
    EXPECT_EQ(Edit->Text(), "abc");
    ClickButton();
    EXPECT_EQ(Senders.size(), 1u);
}

TEST_F(EditBtnTest, ReadOnlyRefusesPasting)
{
    Edit->SetReadOnly(true);
    Clipboard().SetAsText("xyz");
    Edit->Perform(WM_PASTE);
    EXPECT_EQ(Edit->Text(), "0");
}

TEST_F(EditBtnTest, ButtonSitsAtTheRightAndTheTextStopsBeforeIt)
{
    Edit->SetButtonWidth(30);
    const TZuzEditButton* button = Edit->Button();
    EXPECT_EQ(button->Width(), 30);
    EXPECT_EQ(button->Left() + button->Width(), Edit->Width() - 3);
    EXPECT_EQ(button->Button()->Width(), 30) << "the inner button fills the container";
    EXPECT_LT(Edit->EditRect().Right, button->Left());
}

TEST_F(EditBtnTest, ButtonCaptionAndFlatReachTheInnerButton)
{
    Edit->SetButtonCaption("...");
    EXPECT_EQ(Edit->Button()->Button()->Caption(), "...");
    Edit->Button()->SetFlat(true);
    EXPECT_TRUE(Edit->Button()->Button()->Flat());
}

TEST(EditButton, FreedFocusControlIsForgotten)
{
    TZuzEditButton container(nullptr);
    {
        TForm form(nullptr);
        auto* edit = new TZuzEditBtn(&form);
        container.SetFocusControl(edit);
        EXPECT_EQ(container.FocusControl(), edit);
    }
    EXPECT_EQ(container.FocusControl(), nullptr);
}

namespace {

class UnitEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Edit = new TZuzUnitEditBtn(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 120, 24);
        for (const char* unit : { "mm", "m", "km" })
            Edit->Units().Add(unit);
        Edit->OnUnitChanged = [this](TComponent* sender, const String& unit) {
            EXPECT_EQ(sender, Edit);
            Changes.push_back(unit.toStdString());
        };
    }

    TScriptedUiServices Services;
    TScopedUiServices Scope { Services };
    std::unique_ptr<TForm> Form;
    TZuzUnitEditBtn* Edit = nullptr;
    std::vector<std::string> Changes;
};

} // namespace

TEST_F(UnitEditTest, StartsRightAlignedWithRoomForTheUnit)
{
    EXPECT_TRUE(Edit->RightAlign());
    EXPECT_EQ(Edit->UnitSpace(), 20);
    const int32_t withUnit = Edit->EditRect().Right;
    Edit->SetUnitSpace(0);
    EXPECT_EQ(Edit->EditRect().Right, withUnit + 23);
}

TEST_F(UnitEditTest, ValueIsSplitWhereAListedUnitEndsIt)
{
    struct {
        const char* Value;
        const char* Text;
        const char* Unit;
    } const cases[] = {
        { "12 mm", "12 ", "mm" },
        { "5km", "5k", "m" }, // "m" first occurs at the end; listed before "km"
        { "3m", "3", "m" },
        { "7 mm m", "7 mm m", "" }, // "mm" and "m" first occur earlier; nothing changes
        { "9 ft", "9 ft", "" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Value);
        Edit->SetText("");
        Edit->SetUnitID("");
        Edit->SetText(testCase.Value);
        Edit->SetTextAndUnit(testCase.Value);
        EXPECT_EQ(Edit->Text(), testCase.Text);
        EXPECT_EQ(Edit->UnitID(), testCase.Unit);
    }
    Edit->SetTextAndUnit("12 mm");
    EXPECT_EQ(Edit->TextAndUnit(), "12 mm");
}

TEST_F(UnitEditTest, MenuChoiceChangesTheUnitAndReportsOnlyAChange)
{
    std::vector<TComponent*> clicks;
    Edit->OnClickBtn = [&](TComponent* sender) { clicks.push_back(sender); };
    Edit->SetUnitID("m");
    Services.AnswerPopup("km");
    Edit->Button()->Button()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
    Edit->Button()->Button()->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 2));
    EXPECT_EQ(Edit->UnitID(), "km");
    Services.AnswerPopup("km");
    Edit->Perform(WM_KEYDOWN, VK_F4, 1);
    Services.AnswerPopup("");
    Edit->ButtonClicked(Edit);
    EXPECT_EQ(Edit->UnitID(), "km");
    EXPECT_EQ(Changes, (std::vector<std::string> { "km" }));
    EXPECT_EQ(clicks, (std::vector<TComponent*> { Edit, Edit, Edit }));
}

TEST_F(UnitEditTest, MenuOpensAtTheBottomRightInsideTheBorder)
{
    Services.AnswerPopup("");
    Edit->ButtonClicked(Edit);
    ASSERT_EQ(Services.Requests().size(), 1u);
    // 120 by 24 with a 2-pixel sunken border: the client area is 116 by 20.
    EXPECT_EQ(Services.Requests()[0].Point, Edit->ClientToScreen({ 2 + 116 - 15, 2 + 20 }));
}

TEST_F(UnitEditTest, UnitIsDrawnTwoPixelsBeforeTheButtonInsideTheBorder)
{
    Edit->SetBounds(10, 10, 140, 24);
    Edit->SetUnitID("m");
    Edit->SetText("");
    QImage image(Edit->Width(), Edit->Height(), QImage::Format_RGB32);
    Edit->Widget()->render(&image);
    // The client area inside the 2-pixel border is 136 wide, the button 18:
    // the unit's box is x 97..117 and y from 4, the button begins at 119.
    ASSERT_EQ(Edit->Button()->Left(), 119);
    const QRgb background = image.pixel(10, 10);
    int32_t left = image.width();
    int32_t right = -1;
    int32_t top = image.height();
    for (int32_t y = 2; y < image.height() - 2; ++y)
        for (int32_t x = 2; x < Edit->Button()->Left(); ++x)
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    EXPECT_GE(left, 97);
    EXPECT_LE(left, 99);
    EXPECT_LT(right, 117);
    EXPECT_GE(top, 4);
}

TEST_F(UnitEditTest, CommandsOutsideTheUnitListAreIgnored)
{
    Edit->SetUnitID("m");
    Edit->Perform(WM_COMMAND, 0);
    Edit->Perform(WM_COMMAND, 4);
    Edit->Perform(WM_COMMAND, MakeLParam(1, 768));
    EXPECT_EQ(Edit->UnitID(), "m");
    Edit->Perform(WM_COMMAND, 1);
    EXPECT_EQ(Edit->UnitID(), "mm");
}
