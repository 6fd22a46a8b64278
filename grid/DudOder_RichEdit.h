#pragma once

// The rich edit a string grid converts, draws and edits its rich-text cells
// with. The grid owns two: a hidden one for converting and drawing, and the
// in-place editor of edRichEdit cells. The in-place editor hands Tab, Up
// and Down back to the grid, writes the cell when the focus leaves it, and
// on Esc leaves the cell as it was.

#include "platform/ui/RichEdit.h"

class TDudStringGrid;

class TDudRichEdit : public TRichEdit {
public:
    // The owner is the grid.
    explicit TDudRichEdit(TComponent* owner);

    void ReCreate() { RecreateWnd(); }
    // Raised and lowered characters: the selection 40 twips above or below
    // the baseline, or on it.
    void SelNormal();
    void SelSubscript();
    void SelSuperscript();
    bool IsSelNormal() const;
    bool IsSelSubscript() const;
    bool IsSelSuperscript() const;
    // The size the text last asked for.
    int32_t ReqWidth() const { return FReqWidth; }
    int32_t ReqHeight() const { return FReqHeight; }
    // While locked, the in-place editor's size requests leave the row alone.
    void LockResize() { FLocked = true; }
    void UnlockResize() { FLocked = false; }

protected:
    void RequestedSize(const TRect& rect) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void DefaultHandler(TMessage& message) override;

private:
    void SetSelOffset(int32_t offset);
    bool InPlace() const;

    TDudStringGrid* FGrid;
    int32_t FReqHeight = 0;
    int32_t FReqWidth = 0;
    bool FLocked = false;
};
