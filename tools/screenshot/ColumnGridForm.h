#pragma once

#include "platform/ui/Forms.h"

class TDudColumnGrid;

// A column grid as the table editors use it: text, drop-down list and Y/N
// columns, for people to look at.
class TColumnGridForm : public TForm {
public:
    explicit TColumnGridForm(TComponent* owner);

    // Opens the editor on a text cell with a half-typed value; needs the form
    // to be showing.
    void EditCell();

private:
    TDudColumnGrid* FGrid = nullptr;
};
