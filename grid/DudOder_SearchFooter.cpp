#include "grid/DudOder.h"

#include "grid/DudOder_SearchPanel.h"

// The search panel under the grid follows the search footer's settings.

void TDudStringGrid::UpdateSearchPanel()
{
    if (IsLoading() || !FSearchPanel)
        return;
    const TSearchFooter& footer = *FSearchFooter;
    TSearchPanel& panel = *FSearchPanel;
    panel.SetColor(footer.Color());
    panel.SetColorTo(footer.ColorTo());
    panel.SetFindNextCaption(footer.FindNextCaption());
    panel.SetFindPrevCaption(footer.FindPrevCaption());
    panel.SetMatchCaseCaption(footer.MatchCaseCaption());
    panel.SetHighLightCaption(footer.HighLightCaption());
    panel.SetHintFindNext(footer.HintFindNext());
    panel.SetHintFindPrev(footer.HintFindPrev());
    panel.SetHintClose(footer.HintClose());
    panel.SetHintHighlight(footer.HintHighlight());
    panel.SetFont(footer.Font());
    // The close button keeps the height of its picture.
    struct TShown {
        TControl* Control;
        bool Visible;
        int32_t Height;
    };
    const TShown shown[] = {
        { panel.HiliteButton(), footer.ShowHighLight(), 23 },
        { panel.ExitButton(), footer.ShowClose(), 14 },
        { panel.MatchCase(), footer.ShowMatchCase(), 18 },
        { panel.BackwardButton(), footer.ShowFindPrev(), 23 },
        { panel.ForwardButton(), footer.ShowFindNext(), 23 },
    };
    for (const TShown& control : shown) {
        control.Control->SetVisible(control.Visible);
        control.Control->SetHeight(control.Visible ? control.Height : 0);
    }
    panel.MatchCase()->SetTransparent(true);
    panel.MatchCase()->SetLeft(footer.ShowHighLight() ? 425 : 330);
    if (footer.Visible() && !panel.Parent())
        panel.SetParent(this);
    panel.SetVisible(footer.Visible());
    const int32_t height = SearchPanelHeight();
    panel.SetBounds(0, ClientHeight() - height, ClientWidth(), height);
    if (footer.Visible())
        AdjustTopRowForSearchFooter();
}
