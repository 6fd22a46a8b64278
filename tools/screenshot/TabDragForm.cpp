#include "tools/screenshot/TabDragForm.h"

#include "controls/SlantTabs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Grab.h"

namespace {

constexpr int32_t Margin = 10;
constexpr int32_t StripWidth = 480;
constexpr int32_t PageHeight = 120;
constexpr const char* Captions[] = { "Gateway settings", "Devices", "Profiles", "Telegrams" };

} // namespace

TTabDragForm::TTabDragForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Tab drag"));
    SetColor(RGB(236, 233, 216));
    FUpper = AddStrip(Margin, QStringLiteral("Page of the upper strip"), RGB(255, 244, 214));
    FLower = AddStrip(Margin + 30 + PageHeight + Margin, QStringLiteral("Page of the lower strip"), RGB(222, 236, 255));
    SetClientWidth(2 * Margin + StripWidth);
    SetClientHeight(2 * (30 + PageHeight + Margin) + Margin + 140);
}

TSlantTabs* TTabDragForm::AddStrip(int32_t top, const String& page, TColor pageColor)
{
    auto* strip = new TSlantTabs(this);
    strip->SetParent(this);
    strip->SetBounds(Margin, top, StripWidth, 30);
    strip->Options().Animation().SetDefaultStyleEaseType(ttNone);
    strip->Options().Display().TabContainer().SetTransparentBackground(false);
    for (const char* caption : Captions)
        strip->Tabs().Add()->SetCaption(QString::fromLatin1(caption));
    auto* panel = new TPanel(this);
    panel->SetParent(this);
    panel->SetBounds(Margin, top + 30, StripWidth, PageHeight);
    panel->SetColor(pageColor);
    panel->SetCaption(page);
    strip->OnNeedDragImageControl = [panel](TCustomSlantTabs*, TSlantTab*, TWinControl*& control) { control = panel; };
    strip->OnTabDragOver = [this](TCustomSlantTabs*, int32_t, int32_t, TDragState, const std::shared_ptr<TDragTabObject>& drag, bool&) {
        FDrag = drag;
    };
    return strip;
}

void TTabDragForm::HoldDraggedTab()
{
    FUpper->SetActiveTabIndex(1);
    FUpper->DrawCanvas();
    FLower->DrawCanvas();
    const TRect tab = FUpper->Tabs()[1]->TabControl()->ControlRect();
    const TPoint grip { (tab.Left + tab.Right) / 2, 18 };
    FUpper->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(grip));
    // Past the lower strip's reach, over the empty part of the form.
    const TPoint path[] = { { grip.X + 5, grip.Y }, { grip.X + 60, 120 }, { grip.X + 100, 2 * (30 + PageHeight + Margin) + 60 } };
    for (const TPoint& point : path) {
        FUpper->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(point));
        FUpper->DrawCanvas();
    }
}

void TTabDragForm::GrabWithDragImage(TBitmap& bitmap)
{
    GrabControl(*this, bitmap);
    if (!FDrag || !FDrag->DragForm || !FDrag->DragForm->Visible())
        return;
    TForm& dragForm = *FDrag->DragForm;
    const TPoint origin = ClientToScreen({ 0, 0 });
    // The picture the window shows, clear where the window is cut away.
    for (int32_t index = 0; index < dragForm.ComponentCount(); ++index)
        if (auto* image = dynamic_cast<TImage*>(dragForm.Components(index)))
            bitmap.Canvas().Draw(dragForm.Left() - origin.X, dragForm.Top() - origin.Y, *image->Picture().Graphic());
}
