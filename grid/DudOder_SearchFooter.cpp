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
    if (footer.Visible() && !panel.Parent())
        panel.SetParent(this);
    panel.SetVisible(footer.Visible());
    const int32_t height = SearchPanelHeight();
    panel.SetBounds(0, ClientHeight() - height, ClientWidth(), height);
    if (footer.Visible())
        AdjustTopRowForSearchFooter();
}
