#pragma once

// The steps the grid's editor controls share when a key may leave the
// editor: taking the cell's text back, writing and validating the editor's
// text, Tab to the next cell, and ending the edit with the key.

#include "grid/DudOder.h"

class TGridEditorKeys {
public:
    explicit TGridEditorKeys(TDudStringGrid& grid) : FGrid(grid) { }

    // Ends the edit and gives the grid the focus.
    void HideAndFocusGrid() const;
    // Writes text into the current cell and validates it. A refusal
    // consumes the key and keeps the grid from advancing.
    bool WriteAndValidate(const String& text, uint16_t& key) const;
    // The text as the refusing validation left it.
    const String& RefusedText() const { return FGrid.FNewCellText; }
    // Tab after an accepted write: with goTabs the edit ends and the grid
    // moves on (true: the key is done); otherwise the grid gets a Tab later.
    bool TabToNextCell(uint16_t& key, TShiftState shift) const;
    // Ends the edit with the key as the grid would take it, then reopens the
    // next cell's editor when the grid asks for that; consumes the key.
    void Done(uint16_t& key, TShiftState shift) const;
    // After an accepted text, the cursor walk out of an editor: the edit
    // ends and the grid moves to the previous or next cell, onto a
    // neighbouring control cell directly, else as an advance across the row
    // that reopens the editor when the grid always edits on a walk.
    void WalkOut(bool forward) const;
    // Completes the text before the caret from the grid's lookup items and
    // selects the completed tail.
    void CompleteFromLookup(TCustomEdit& edit) const;
    // The editor's text changed: the grid hears of it first, then the
    // application.
    void TextChanged(TWinControl& editor, const String& text) const;

private:
    TDudStringGrid& FGrid;
};
