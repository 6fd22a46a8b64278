#pragma once

// A balloon tip: a title over a text, with an icon, shown under a control
// without taking the focus (an edit's refusal notice, a cell's balloon).
// One balloon shows at a time; a new one replaces it, and it goes by itself
// after a while.

#include "platform/ui/Hints.h"

enum TBalloonTipIcon { btiNone, btiInfo, btiWarning, btiError };

struct TBalloonTipContent {
    String Title;
    String Text;
    TBalloonTipIcon Icon = btiNone;
    // clNone: the tip's own colours.
    TColor TextColor = clNone;
    TColor BackgroundColor = clNone;
};

void ShowBalloonTip(const TWinControl& target, const TBalloonTipContent& content);
// Shown with its top-left at a client point of the target.
void ShowBalloonTipAt(const TWinControl& target, TPoint point, const TBalloonTipContent& content);
void HideBalloonTip();
// The balloon now showing, null while none shows; target (when given)
// receives the control it was shown for, only to be compared.
const TBalloonTipContent* ShownBalloonTip(const TWinControl** target = nullptr);
