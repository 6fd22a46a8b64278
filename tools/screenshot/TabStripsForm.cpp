#include "tools/screenshot/TabStripsForm.h"

#include "controls/SlantTabs.h"
#include "platform/os/Clock.h"
#include "platform/ui/StdCtrls.h"

namespace {

constexpr int32_t Margin = 10;
constexpr int32_t StripWidth = 640;
constexpr const char* Captions[] = { "Unidirectional", "Smart ACK", "Remote", "Gateway settings", "Devices", "Profiles", "Variables",
    "Telegrams", "Diagnostics", "Statistics", "Firmware", "About" };

} // namespace

TTabStripsForm::TTabStripsForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Tab strips"));
    SetColor(RGB(236, 233, 216));
    int32_t top = Margin;

    TSlantTabs* opaque = AddStrip(top, QStringLiteral("Default look, opaque, tab 2 active, tab 4 hovered, add button"), 5);
    opaque->Options().Display().TabContainer().SetTransparentBackground(false);
    opaque->Options().Display().AddButton().SetShowPlusSign(true);
    opaque->SetActiveTabIndex(1);

    TSlantTabs* dialog = AddStrip(top, QStringLiteral("See-through, as the dialogs set it: no add button, scroll buttons at the right"), 3);
    dialog->Options().Display().AddButton().SetVisibility(avNone);
    dialog->Options().Display().Tabs().SetMinWidth(150);
    dialog->SetActiveTabIndex(0);

    TSlantTabs* scrolled = AddStrip(top, QStringLiteral("Scrolled: both scroll buttons enabled"), 12);
    scrolled->Options().Display().TabContainer().SetTransparentBackground(false);
    scrolled->Options().Display().AddButton().SetVisibility(avNone);
    scrolled->Options().Display().Tabs().SetMinWidth(110);
    scrolled->SetActiveTabIndex(6);

    TSlantTabs* bottom = AddStrip(top, QStringLiteral("Tabs at the bottom"), 4);
    bottom->Options().Display().Tabs().SetOrientation(toBottom);
    bottom->Options().Display().Tabs().SetOffsetTop(0);
    bottom->Options().Display().Tabs().SetOffsetBottom(4);
    bottom->Options().Display().TabContainer().SetTransparentBackground(false);
    bottom->SetActiveTabIndex(2);

    TSlantTabs* rightToLeft = AddStrip(top, QStringLiteral("Right to left"), 4);
    rightToLeft->SetBiDiMode(bdRightToLeft);
    rightToLeft->Options().Display().TabContainer().SetTransparentBackground(false);
    rightToLeft->SetActiveTabIndex(0);

    TSlantTabs* extras = AddStrip(top, QStringLiteral("Pinned first tab, modified glow on the second, spinners on the last two, hot close button"), 5);
    extras->Options().Display().TabContainer().SetTransparentBackground(false);
    extras->Tabs()[4]->SetPinned(true);
    extras->SetActiveTabIndex(2);
    extras->Tabs()[1]->SetModified(true);
    extras->Tabs()[3]->SetSpinnerState(tssRenderedUpload);
    extras->Tabs()[4]->SetSpinnerState(tssRenderedDownload);

    SetClientWidth(2 * Margin + StripWidth);
    SetClientHeight(top);
}

TSlantTabs* TTabStripsForm::AddStrip(int32_t& top, const String& title, int32_t tabs)
{
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetCaption(title);
    label->SetBounds(Margin, top, StripWidth, 16);
    auto* strip = new TSlantTabs(this);
    strip->SetParent(this);
    strip->SetBounds(Margin, top + 18, StripWidth, 30);
    // Pictures show the end of every transition, not a moment inside one.
    strip->Options().Animation().SetDefaultStyleEaseType(ttNone);
    for (int32_t index = 0; index < tabs; ++index)
        strip->Tabs().Add()->SetCaption(QString::fromLatin1(Captions[index % std::size(Captions)]));
    FStrips.push_back(strip);
    top += 58;
    return strip;
}

void TTabStripsForm::ShowStates()
{
    // Settle every layout first, so hovering finds the tabs where they show.
    for (TSlantTabs* strip : FStrips)
        strip->DrawCanvas();
    FStrips[2]->SetScrollOffset(FStrips[2]->MaxScrollOffset() / 2);
    const struct {
        size_t Strip;
        int32_t Tab;
    } hovered[] = { { 0, 3 }, { 1, 1 }, { 3, 0 }, { 4, 2 } };
    for (const auto& hover : hovered) {
        TSlantTabs& strip = *FStrips[hover.Strip];
        const TRect rect = strip.ScrolledRect(strip.RightToLeftRect(strip.Tabs()[hover.Tab]->TabControl()->ControlRect()));
        strip.Perform(WM_MOUSEMOVE, 0, PointToLParam({ (rect.Left + rect.Right) / 2 - 20, (rect.Top + rect.Bottom) / 2 }));
    }
    TSlantTabs& extras = *FStrips[5];
    const TRect close = extras.ScrolledRect(extras.Tabs()[2]->TabControl()->GetCloseButonRect());
    extras.Perform(WM_MOUSEMOVE, 0, PointToLParam({ (close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2 }));
    // Half a sweep of the modified glow, on a clock of our own so the
    // picture does not depend on how fast the machine is.
    TFakeClock clock(GetTickCount());
    TClockScope scope(clock);
    for (int step = 0; step < 40; ++step) {
        clock.Advance(50);
        for (TSlantTabs* strip : FStrips)
            strip->AnimateTimerTick(nullptr);
    }
    for (TSlantTabs* strip : FStrips)
        strip->Repaint();
}
