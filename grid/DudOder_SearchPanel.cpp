#include "grid/DudOder_SearchPanel.h"

#include "grid/DudDropDown_Draw.h"
#include "grid/DudOder.h"
#include "grid/DudOder_SearchGlyphs.h"
#include "grid/base/BaseGrid.h"
#include "platform/graphics/Resources.h"

namespace {

TBitmap ResourceGlyph(const char* name)
{
    TBitmap bitmap;
    LoadResourceBitmap(QString::fromLatin1(name), bitmap);
    return bitmap;
}

// Hints show only when there is a text to show.
void SetButtonHint(TControl& control, const String& hint)
{
    control.SetHint(hint);
    control.SetShowHint(!hint.isEmpty());
}

} // namespace

TSearchPanel::TSearchPanel(TBaseGrid* owner) : TPanel(owner), FGrid(owner), FEdit(new TRetEdit(this))
{
    FForwardButton = new TDudOderButton(this);
    FBackwardButton = new TDudOderButton(this);
    FExitButton = new TDudOderButton(this);
    FHiliteButton = new TDudOderButton(this);
    FMatchCase = new ZEdeVuzavIza(this);
}

// The children take their places, pictures and handlers with the panel's
// window; the three search buttons wait for a search text.
void TSearchPanel::CreateWnd()
{
    TPanel::CreateWnd();
    RegisterSearchGlyphs();
    FEdit->SetParent(this);
    FEdit->SetBounds(25, 6, 110, FEdit->Height());
    FEdit->OnChange = [this](TComponent*) { EditChanged(); };
    FEdit->OnReturn = [this](TComponent*) {
        if (OnForwardClick)
            OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](TComponent*) {
        if (OnBackwardClick)
            OnBackwardClick(this);
    };

    struct TButtonPlace {
        TDudOderButton* Button;
        TRect Bounds;
        const char* Glyph;
        const char* GlyphDisabled;
        TNotifyEvent* Event;
    };
    const TButtonPlace places[] = {
        { FForwardButton, Bounds(140, 5, 90, 23), "ZUZARDOWN", "ZUZARDOWND", &OnForwardClick },
        { FBackwardButton, Bounds(235, 5, 90, 23), "ZUZARUP", "ZUZARUPD", &OnBackwardClick },
        { FHiliteButton, Bounds(330, 5, 90, 23), "ZUZHI", "ZUZHID", &OnHighlightClick },
        { FExitButton, Bounds(5, 7, 14, 14), "ZUZCLOSE", nullptr, &OnExitClick },
    };
    TFontStyles none;
    FHiliteButton->Font().SetStyle(none);
    for (const TButtonPlace& place : places) {
        TDudOderButton& button = *place.Button;
        button.SetParent(this);
        button.SetBounds(place.Bounds.Left, place.Bounds.Top, place.Bounds.Width(), place.Bounds.Height());
        if (place.GlyphDisabled)
            button.SetGlyphDisabled(ResourceGlyph(place.GlyphDisabled));
        button.SetGlyph(ResourceGlyph(place.Glyph));
        TNotifyEvent* event = place.Event;
        button.OnClick = [this, event](TComponent*) {
            if (*event)
                (*event)(this);
        };
        button.SetParentFont(true);
        if (&button != FExitButton)
            button.SetEnabled(false);
    }
    FForwardButton->SetCaption(FFindNextCaption);
    FBackwardButton->SetCaption(FFindPrevCaption);
    FHiliteButton->SetCaption(FHighLightCaption);
    FHiliteButton->SetStyle(tasCheck);
    FExitButton->SetCaption(String());
    FExitButton->SetGlyphHot(ResourceGlyph("ZUZCLOSEH"));
    FExitButton->SetGlyphDown(ResourceGlyph("ZUZCLOSED"));
    SetButtonHint(*FForwardButton, FHintFindNext);
    SetButtonHint(*FBackwardButton, FHintFindPrev);
    SetButtonHint(*FHiliteButton, FHintHighlight);
    SetButtonHint(*FExitButton, FHintClose);

    FMatchCase->SetParent(this);
    FMatchCase->SetBounds(FHiliteButton->Visible() ? 425 : 330, 8, FMatchCase->Width(), FMatchCase->Height());
    FMatchCase->SetCaption(FMatchCaseCaption);

    if (auto* grid = dynamic_cast<TDudStringGrid*>(FGrid); grid && grid->OnCreatedSearchFooter)
        grid->OnCreatedSearchFooter(grid);
}

void TSearchPanel::EditChanged()
{
    const bool searchable = !FEdit->Text().isEmpty();
    FForwardButton->SetEnabled(searchable);
    FBackwardButton->SetEnabled(searchable);
    FHiliteButton->SetEnabled(searchable);
    if (OnEditChange)
        OnEditChange(this);
}

void TSearchPanel::Paint()
{
    TPanel::Paint();
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.Pen().SetColor(Color());
    if (FColorTo == clNone)
        canvas.FillRect(ClientRect());
    else
        DrawBandGradient(canvas, Color(), FColorTo, 32, ClientRect(), false);
    canvas.Pen().SetColor(FGrid->GridLineColor());
    canvas.MoveTo(0, 0);
    canvas.LineTo(Width(), 0);
}

void TSearchPanel::SetColorTo(TColor value)
{
    FColorTo = value;
    Invalidate();
}

void TSearchPanel::SetFindNextCaption(const String& value)
{
    FFindNextCaption = value;
    FForwardButton->SetCaption(value);
}

void TSearchPanel::SetFindPrevCaption(const String& value)
{
    FFindPrevCaption = value;
    FBackwardButton->SetCaption(value);
}

void TSearchPanel::SetMatchCaseCaption(const String& value)
{
    FMatchCaseCaption = value;
    FMatchCase->SetCaption(value);
}

void TSearchPanel::SetHighLightCaption(const String& value)
{
    FHighLightCaption = value;
    FHiliteButton->SetCaption(value);
}

void TSearchPanel::SetHintFindNext(const String& value)
{
    FHintFindNext = value;
    SetButtonHint(*FForwardButton, value);
}

void TSearchPanel::SetHintFindPrev(const String& value)
{
    FHintFindPrev = value;
    SetButtonHint(*FBackwardButton, value);
}

void TSearchPanel::SetHintHighlight(const String& value)
{
    FHintHighlight = value;
    SetButtonHint(*FHiliteButton, value);
}

void TSearchPanel::SetHintClose(const String& value)
{
    FHintClose = value;
    SetButtonHint(*FExitButton, value);
}
