#include "platform/graphics/Bitmap.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

class TFilled : public TCustomControl {
public:
    TFilled(TComponent* owner, TColor color) : TCustomControl(owner), FFill(color) { }

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(FFill);
        Canvas().FillRect(ClientRect());
    }

private:
    TColor FFill;
};

// A form with a panel holding three overlapping filled controls and a label,
// plus an edit on the form itself.
struct TDialog {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TPanel* Panel = new TPanel(Form.get());
    TFilled* Red = new TFilled(Form.get(), clRed);
    TFilled* Green = new TFilled(Form.get(), clLime);
    TFilled* Blue = new TFilled(Form.get(), clBlue);
    TLabel* Caption = new TLabel(Form.get());
    TEdit* Edit = new TEdit(Form.get());

    TDialog()
    {
        Form->SetBounds(0, 0, 300, 200);
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 10, 200, 100);
        for (TFilled* filled : { Red, Green, Blue }) {
            filled->SetParent(Panel);
            filled->SetBounds(20, 20, 60, 40);
        }
        Caption->SetParent(Panel);
        Caption->SetBounds(100, 5, 80, 15);
        Caption->SetCaption(QStringLiteral("Name"));
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 150, 100, 21);
    }

    std::vector<TControl*> Controls() const { return { Panel, Red, Green, Blue, Caption, Edit }; }
};

// The panel's child widgets from the bottom up, as their controls.
std::vector<TControl*> Stacking(const TWinControl& parent)
{
    std::vector<TControl*> order;
    for (QObject* child : parent.Widget()->children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            if (TControl* control = TControl::FromWidget(widget); control && control->Parent() == &parent)
                order.push_back(control);
    return order;
}

std::vector<TControl*> ControlOrder(const TWinControl& parent)
{
    std::vector<TControl*> order;
    for (int32_t index = 0; index < parent.ControlCount(); ++index)
        order.push_back(parent.Controls(index));
    return order;
}

TEST(WidgetsOnShow, AFormNotShownMakesNoWidgetsForItsControlsUntilItIsShown)
{
    TDialog dialog;
    EXPECT_TRUE(dialog.Form->Widget()->findChildren<QWidget*>().isEmpty());

    dialog.Form->Show();
    for (TControl* control : dialog.Controls()) {
        SCOPED_TRACE(qPrintable(control->ClassName()));
        QWidget* widget = control->Widget();
        EXPECT_EQ(widget->parentWidget(), control->Parent()->Widget());
        EXPECT_EQ(widget->geometry(), QRect(control->Left(), control->Top(), control->Width(), control->Height()));
        EXPECT_TRUE(widget->isVisible());
    }
}

TEST(WidgetsOnShow, AskingForOneWidgetGivesTheWholeWindowItsWidgets)
{
    TDialog dialog;
    QWidget* caption = dialog.Caption->Widget();
    EXPECT_EQ(caption->parentWidget(), dialog.Panel->Widget());
    EXPECT_EQ(dialog.Panel->Widget()->parentWidget(), dialog.Form->Widget());
    EXPECT_EQ(dialog.Edit->Widget()->parentWidget(), dialog.Form->Widget());
    EXPECT_EQ(dialog.Red->Widget()->geometry(), QRect(20, 20, 60, 40));
}

TEST(WidgetsOnShow, WidgetsStackInTheOrderOfTheirControlsWhenEverTheyAreMade)
{
    struct TCase {
        const char* Name;
        std::function<void(TDialog&)> Reorder;
    };
    const TCase cases[] = {
        { "as made", [](TDialog&) {} },
        { "red to the front", [](TDialog& dialog) { dialog.Red->BringToFront(); } },
        { "blue to the back", [](TDialog& dialog) { dialog.Blue->SendToBack(); } },
        { "both", [](TDialog& dialog) { dialog.Blue->SendToBack(); dialog.Green->BringToFront(); } },
    };
    for (const TCase& item : cases) {
        SCOPED_TRACE(item.Name);
        TDialog shownFirst;
        shownFirst.Form->Show();
        item.Reorder(shownFirst);
        TDialog shownAfter;
        item.Reorder(shownAfter);
        shownAfter.Form->Show();

        EXPECT_EQ(Stacking(*shownFirst.Panel), ControlOrder(*shownFirst.Panel));
        EXPECT_EQ(Stacking(*shownAfter.Panel), ControlOrder(*shownAfter.Panel));
        // The topmost filled control is the one seen where all three lie.
        TBitmap first;
        TBitmap after;
        GrabControl(*shownFirst.Panel, first);
        GrabControl(*shownAfter.Panel, after);
        EXPECT_EQ(after.Canvas().Pixels(40, 40), first.Canvas().Pixels(40, 40));
    }
}

TEST(WidgetsOnShow, WhatAControlWasToldBeforeItHadAWidgetReachesTheWidget)
{
    TDialog dialog;
    dialog.Green->SetVisible(false);
    dialog.Edit->SetEnabled(false);
    dialog.Blue->SetCursor(crHandPoint);
    dialog.Red->SetBounds(5, 6, 70, 30);
    dialog.Form->Show();

    EXPECT_FALSE(dialog.Green->Widget()->isVisible());
    EXPECT_TRUE(dialog.Red->Widget()->isVisible());
    EXPECT_FALSE(dialog.Edit->Widget()->isEnabled());
    EXPECT_EQ(dialog.Blue->Widget()->cursor().shape(), CursorShapeOf(crHandPoint));
    EXPECT_EQ(dialog.Red->Widget()->geometry(), QRect(5, 6, 70, 30));
}

TEST(WidgetsOnShow, AFormGrabbedBeforeItIsShownShowsItsControls)
{
    TDialog dialog;
    dialog.Blue->SetVisible(false);
    TBitmap picture;
    GrabControl(*dialog.Form, picture);
    // The green control lies over the red one inside the panel.
    EXPECT_EQ(picture.Canvas().Pixels(10 + 40, 10 + 40), clLime);
}

TEST(WidgetsOnShow, AControlMovedIntoAFormNotShownLeavesTheWindowItWasIn)
{
    TDialog shown;
    shown.Form->Show();
    TForm hidden(nullptr);
    shown.Red->SetParent(&hidden);
    std::vector<TControl*> inPanel;
    for (QObject* child : shown.Panel->Widget()->children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            inPanel.push_back(TControl::FromWidget(widget));
    EXPECT_EQ(std::count(inPanel.begin(), inPanel.end(), shown.Red), 0);

    hidden.Show();
    EXPECT_EQ(shown.Red->Widget()->parentWidget(), hidden.Widget());
    EXPECT_TRUE(shown.Red->Widget()->isVisible());
}

} // namespace
