#pragma once

#include "platform/ui/Hints.h"

class TImageList;
class TPictureContainer;

// The font wide-encoded hints are shown in; the grid sets its own each time
// it prepares a cell hint.
String& WideHintFontName();

// A hint window that shows its text as mini-HTML, with the images and
// pictures of the grid that shows the hint, or a wide-encoded text as the
// characters it stands for. The hint data handed to it is a component (the
// grid) or null.
class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* owner);

    // The bare size of the text, without margins.
    TRect CalcHintRect(int32_t maxWidth, const String& hint, void* data) override;
    void ActivateHint(TRect rect, const String& hint) override;
    void ActivateHintData(TRect rect, const String& hint, void* data) override;

protected:
    void Paint() override;

private:
    // The size hint needs in a box width wide; the decoded text of a
    // wide-encoded hint goes to wideText.
    TSize MeasureHint(const String& hint, int32_t width, String* wideText);

    TImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    int32_t FTextHeight = 0;
    int32_t FTextWidth = 0;
    String FWideCaption;
};
