#pragma once

#include "platform/ui/Forms.h"

class TLbButton;
class TPopupMenu;

// A form with flat buttons of every style, colour preset, stock kind, glyph
// layout and state, for people to look at.
class TButtonsForm : public TForm {
public:
    explicit TButtonsForm(TComponent* owner);

    // Puts the buttons into their hot, pressed and focused states; needs the
    // form to be showing.
    void ShowStates();

private:
    TLbButton* AddButton(int32_t left, int32_t top, int32_t width, int32_t height, const String& caption);

    std::vector<TLbButton*> FHot;
    std::vector<TLbButton*> FDown;
    TLbButton* FFocused = nullptr;
    TPopupMenu* FMenu = nullptr;
};
