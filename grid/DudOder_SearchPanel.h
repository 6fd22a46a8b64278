#pragma once

#include "platform/graphics/Color.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"

class TBaseGrid;

// An edit that reports Return and Ctrl+Return instead of taking them as text.
class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;
};

// The search bar docked under the grid. The grid copies its search-footer
// settings onto it and answers its events.
class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TBaseGrid* owner);

    TBaseGrid* Grid() const { return FGrid; }
    TRetEdit* EditControl() const { return FEdit; }

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    const String& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const String& value) { FFindNextCaption = value; }
    const String& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const String& value) { FFindPrevCaption = value; }
    const String& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const String& value) { FMatchCaseCaption = value; }
    const String& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const String& value) { FHintFindPrev = value; }
    const String& HintClose() const { return FHintClose; }
    void SetHintClose(const String& value) { FHintClose = value; }
    const String& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const String& value) { FHintFindNext = value; }
    const String& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const String& value) { FHintHighlight = value; }
    const String& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const String& value) { FHighLightCaption = value; }

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

private:
    TBaseGrid* FGrid;
    TRetEdit* FEdit;
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
