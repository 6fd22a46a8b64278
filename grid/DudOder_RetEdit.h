#pragma once

#include "platform/ui/StdCtrls.h"

// An edit that reports Return and Ctrl+Return instead of taking them as text.
// It is multi-line only so that the form leaves Return to it; no line break
// ever gets into its text.
class TRetEdit : public TEdit {
public:
    explicit TRetEdit(TComponent* owner);

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void WMKeyDown(TMessage& message) override;
    void WMChar(TMessage& message) override;
};
