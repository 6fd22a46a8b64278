#pragma once

#include "platform/ui/Forms.h"

class TDudColumnGrid;

// A column grid that sorts on a click of its header and tabs across a
// merged cell, for people to try with the mouse and the keyboard.
class TSortGridForm : public TForm {
public:
    explicit TSortGridForm(TComponent* owner);

    // Sorts on the Name column as a header click does, and puts the
    // cursor on the merged cell.
    void SortByName();

private:
    TDudColumnGrid* FGrid = nullptr;
};
