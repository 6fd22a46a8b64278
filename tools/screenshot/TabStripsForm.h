#pragma once

#include "platform/ui/Forms.h"

#include <vector>

class TSlantTabs;

// A form with tab strips in the default look and the dialogs' see-through
// setting, scrolled, at the bottom, right to left and with the animated
// extras, for people to look at.
class TTabStripsForm : public TForm {
public:
    explicit TTabStripsForm(TComponent* owner);

    // Hovers a tab in each strip and lets every transition finish; needs the
    // form to be showing.
    void ShowStates();

private:
    TSlantTabs* AddStrip(int32_t& top, const String& title, int32_t tabs);

    std::vector<TSlantTabs*> FStrips;
};
