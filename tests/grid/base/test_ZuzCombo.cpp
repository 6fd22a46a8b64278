#include "grid/base/ZuzCombo.h"

#include "platform/ui/Forms.h"
#include "platform/ui/ScriptedUiServices.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

class ZuzComboTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Form->SetColor(clBtnFace);
        Combo = new TZuzComboBox(Form.get());
        Combo->SetParent(Form.get());
        Combo->SetBounds(150, 100, 120, 21);
        for (const char* item : { "alpha", "beta", "gamma" })
            Combo->Items().Add(item);
    }

    static QImage Render(TControl& control)
    {
        QImage image(control.Width(), control.Height(), QImage::Format_RGB32);
        control.Widget()->render(&image);
        return image;
    }

    TScriptedUiServices Services;
    TScopedUiServices Scope { Services };
    std::unique_ptr<TForm> Form;
    TZuzComboBox* Combo = nullptr;
};

} // namespace

TEST_F(ZuzComboTest, ButtonWidthTakesOnlyFourteenToThirtyTwo)
{
    EXPECT_EQ(Combo->ButtonWidth(), 19);
    struct {
        int32_t Requested;
        int32_t Expected;
    } const cases[] = { { 13, 19 }, { 14, 14 }, { 33, 14 }, { 32, 32 } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Requested);
        Combo->SetButtonWidth(testCase.Requested);
        EXPECT_EQ(Combo->ButtonWidth(), testCase.Expected);
    }
}

TEST_F(ZuzComboTest, ClosingTheListFiresOnDropUpOnceAfterTheChoice)
{
    std::vector<std::string> events;
    Combo->OnDropDown = [&](TComponent*) { events.push_back("dropdown"); };
    Combo->OnCloseUp = [&](TComponent*) { events.push_back("closeup"); };
    Combo->OnDropUp = [&](TComponent* sender) {
        EXPECT_EQ(sender, Combo);
        EXPECT_FALSE(Combo->DroppedDown());
        events.push_back("dropup");
    };
    Combo->OnSelect = [&](TComponent*) { events.push_back("select " + Combo->Text().toStdString()); };
    Combo->DropDown();
    Combo->Perform(WM_KEYDOWN, VK_DOWN);
    Combo->Perform(WM_KEYDOWN, VK_DOWN);
    Combo->Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(events, (std::vector<std::string> { "dropdown", "closeup", "dropup", "select beta" }));
    EXPECT_EQ(Combo->ItemIndex(), 1);

    events.clear();
    Combo->DropDown();
    Combo->Perform(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(events, (std::vector<std::string> { "dropdown", "closeup", "dropup" }));
    EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(ZuzComboTest, DropWidthWidensTheListButZeroKeepsThePlatformWidth)
{
    Combo->SetDropWidth(0);
    EXPECT_EQ(Combo->DroppedWidth(), Combo->Width());
    Combo->SetDropWidth(250);
    EXPECT_EQ(Combo->DroppedWidth(), 250);
}

TEST_F(ZuzComboTest, DisabledFlatComboTakesParentColourAndGetsItsOwnBack)
{
    Combo->SetFlatParentColor(false);
    Combo->SetColor(clYellow);
    Combo->SetFlat(true);
    ASSERT_EQ(Combo->Color(), clWindow) << "a flat combo not following its parent shows the loaded colour";
    Combo->SetColor(clYellow);
    Combo->SetEnabled(false);
    EXPECT_TRUE(Combo->ParentColor());
    EXPECT_EQ(Combo->Color(), clBtnFace);
    Combo->SetEnabled(true);
    EXPECT_FALSE(Combo->ParentColor());
    EXPECT_EQ(Combo->Color(), clYellow);
}

TEST_F(ZuzComboTest, FlatWithParentColourShowsTheParentsColour)
{
    Combo->SetFlat(true);
    EXPECT_EQ(Combo->Color(), clBtnFace);
    Combo->SetFlat(false);
    EXPECT_EQ(Combo->Color(), clWindow);
}

TEST_F(ZuzComboTest, SelectItemSelectsTheFirstEqualItemOnly)
{
    Combo->SelectItem("gamma");
    EXPECT_EQ(Combo->ItemIndex(), 2);
    Combo->SelectItem("delta");
    EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(ZuzComboTest, FocusColourShowsWhileFocusedAndNormalColourReturnsOnlyAfterInit)
{
    Combo->SetFocusColor(clAqua);
    Combo->Perform(CM_ENTER);
    EXPECT_EQ(Combo->Color(), clAqua);
    Combo->Perform(CM_EXIT);
    EXPECT_EQ(Combo->Color(), clAqua) << "no normal colour taken yet";

    Combo->SetColor(clWindow);
    Combo->Init();
    Combo->Perform(CM_ENTER);
    Combo->Perform(CM_EXIT);
    EXPECT_EQ(Combo->Color(), clWindow);
}

TEST_F(ZuzComboTest, FocusLabelTurnsBoldWhileFocused)
{
    Combo->SetFocusLabel(true);
    Combo->SetLabelCaption("Name");
    Combo->Perform(CM_ENTER);
    EXPECT_TRUE(Combo->ComboLabel()->Font().Style().Contains(fsBold));
    Combo->Perform(CM_EXIT);
    EXPECT_FALSE(Combo->ComboLabel()->Font().Style().Contains(fsBold));
}

TEST_F(ZuzComboTest, LabelIsPlacedByItsPosition)
{
    Combo->SetLabelCaption("Label");
    TLabel* label = Combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), Form.get());
    const int32_t width = label->Width();
    const int32_t height = label->Height();
    const int32_t margin = 4;
    struct {
        TLabelPosition Position;
        int32_t Left;
        int32_t Top;
    } const cases[] = {
        { lpLeftTop, 150 - width - margin, 100 },
        { lpLeftBottom, 150 - width - margin, 121 - height },
        { lpTopLeft, 150, 100 - height - margin },
        { lpBottomLeft, 150, 121 + margin },
        { lpLeftTopLeft, 150 - margin, 100 },
        { lpTopCenter, 150 + (120 - width) / 2, 100 - height - margin },
        { lpRightTop, 270 + margin, 100 },
        { lpRighBottom, 270 + margin, 121 - height },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Position);
        Combo->SetLabelPosition(testCase.Position);
        EXPECT_EQ(label->Left(), testCase.Left);
        EXPECT_EQ(label->Top(), testCase.Top);
    }
    Combo->SetLeft(200);
    EXPECT_EQ(label->Left(), 320 + margin) << "moving the combo moves its label";
}

TEST_F(ZuzComboTest, LabelAcceleratorFocusesTheCombo)
{
    auto* other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 10, 80, 21);
    Combo->SetLabelCaption("&Name");
    EXPECT_EQ(Combo->ComboLabel()->FocusControl(), Combo);
    Form->Show();
    QApplication::processEvents();
    other->SetFocus();
    ASSERT_FALSE(Combo->Focused());
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, u'n'), 1);
    EXPECT_TRUE(Combo->Focused());
}

TEST_F(ZuzComboTest, FlatTurnsTheThreeDimensionalFrameOffAndBackOn)
{
    EXPECT_TRUE(Combo->Ctl3D());
    EXPECT_TRUE(Combo->AutoComplete());
    for (const bool flat : { true, false, true }) {
        SCOPED_TRACE(flat);
        Combo->SetFlat(flat);
        EXPECT_EQ(Combo->Ctl3D(), !flat);
    }
}

TEST_F(ZuzComboTest, LabelFollowsEnabledAndVisibleUnlessAlwaysEnabled)
{
    Combo->SetLabelCaption("Label");
    Combo->SetEnabled(false);
    EXPECT_FALSE(Combo->ComboLabel()->Enabled());
    Combo->SetEnabled(true);
    Combo->SetLabelAlwaysEnabled(true);
    Combo->SetEnabled(false);
    EXPECT_TRUE(Combo->ComboLabel()->Enabled());
    Combo->SetVisible(false);
    EXPECT_FALSE(Combo->ComboLabel()->Visible());
}

TEST(ZuzCombo, LabelCaptionWithoutParentMakesALabelWithoutParent)
{
    TZuzComboBox combo(nullptr);
    EXPECT_EQ(combo.LabelCaption(), "");
    combo.SetLabelCaption("Free");
    ASSERT_NE(combo.ComboLabel(), nullptr);
    EXPECT_EQ(combo.ComboLabel()->Parent(), nullptr);
    EXPECT_EQ(combo.LabelCaption(), "Free");
}

TEST(ZuzCombo, ColourSetWhileLoadingIsAppliedAtLoadEndAndTakenAsNormal)
{
    TForm form(nullptr);
    auto* combo = new TZuzComboBox(&form);
    combo->SetParent(&form);
    combo->BeginLoading();
    combo->SetColor(clLime);
    combo->SetFocusColor(clAqua);
    combo->EndLoading();
    EXPECT_EQ(combo->Color(), clLime);
    combo->Perform(CM_ENTER);
    combo->Perform(CM_EXIT);
    EXPECT_EQ(combo->Color(), clLime);
}

TEST_F(ZuzComboTest, WithoutColoursOrFlatLookPaintingIsThePlatforms)
{
    auto* plain = new TComboBox(Form.get());
    plain->SetParent(Form.get());
    plain->SetBounds(10, 10, 120, 21);
    plain->Items().Add("alpha");
    plain->SetItemIndex(0);
    Combo->SetItemIndex(0);
    Form->Show();
    EXPECT_EQ(Render(*Combo), Render(*plain));
}

TEST_F(ZuzComboTest, BorderColourFramesTheControlAndCustomButtonShowsItsColour)
{
    Combo->SetBorderColor(clRed);
    Combo->SetButtonColor(clLime);
    Form->Show();
    const QImage image = Render(*Combo);
    EXPECT_EQ(image.pixel(0, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(60, 0), qRgb(255, 0, 0));
    // Button face: from ClientWidth - ButtonWidth + 2 inward.
    EXPECT_EQ(image.pixel(120 - 19 + 6, 4), qRgb(0, 255, 0));
}
