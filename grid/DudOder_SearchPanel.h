#pragma once

#include "grid/DudOder_RetEdit.h"
#include "grid/base/VidEri_Button.h"
#include "grid/base/VidEri_CheckBox.h"
#include "platform/graphics/Color.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"

class TBaseGrid;

// The search bar docked under the grid: the search edit, find next, find
// previous, a highlight toggle, a match-case box and a close button. The
// grid copies its search-footer settings onto it and answers its events.
class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TBaseGrid* owner);

    TBaseGrid* Grid() const { return FGrid; }
    TRetEdit* EditControl() const { return FEdit; }
    TDudOderButton* ExitButton() const { return FExitButton; }
    TDudOderButton* ForwardButton() const { return FForwardButton; }
    TDudOderButton* BackwardButton() const { return FBackwardButton; }
    TDudOderButton* HiliteButton() const { return FHiliteButton; }
    ZEdeVuzavIza* MatchCase() const { return FMatchCase; }

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    const String& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const String& value);
    const String& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const String& value);
    const String& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const String& value);
    const String& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const String& value);
    const String& HintClose() const { return FHintClose; }
    void SetHintClose(const String& value);
    const String& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const String& value);
    const String& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const String& value);
    const String& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const String& value);

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

protected:
    void CreateWnd() override;
    void Paint() override;

private:
    void EditChanged();

    TBaseGrid* FGrid;
    TRetEdit* FEdit;
    TDudOderButton* FExitButton = nullptr;
    TDudOderButton* FForwardButton = nullptr;
    TDudOderButton* FBackwardButton = nullptr;
    TDudOderButton* FHiliteButton = nullptr;
    ZEdeVuzavIza* FMatchCase = nullptr;
    TColor FColorTo = clNone;
    String FFindNextCaption;
    String FFindPrevCaption;
    String FMatchCaseCaption;
    String FHintFindPrev;
    String FHintClose;
    String FHintFindNext;
    String FHintHighlight;
    String FHighLightCaption;
};
