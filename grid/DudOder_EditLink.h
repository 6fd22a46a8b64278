#pragma once

// The link through which an application edits a cell of the edCustom kind
// with a control of its own. A derived link creates and owns the control and
// moves the value between it and the cell; the link carries the rest: where
// the control sits (over the cell, or on a small borderless popup form),
// which keys end the edit and what follows, and lending the control's
// messages to the grid so Tab and the arrows reach it.

#include "platform/core/Component.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Controls.h"

#include <cstdint>

class TDudStringGrid;
class TForm;

enum class TEditStyle { esInplace, esPopup };
using enum TEditStyle;

class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* owner);
    ~TEditLink() override;

    // Decides from the key whether the edit ends, and ends it; a derived
    // link calls it from its control's OnKeyDown.
    virtual void EditKeyDown(TComponent* sender, uint16_t& key, TShiftState shift);
    // The control that edits; every link used for editing returns one.
    virtual TWinControl* GetEditControl() { return nullptr; }
    // Creates the control on parent: the grid, or the popup form.
    virtual void CreateEditor(TWinControl* parent) { (void)parent; }
    virtual void DestroyEditor() { }
    // True shows, enables and focuses the control; false gives the focus to
    // the grid. An in-place control lends its messages to the grid first.
    virtual void SetFocus(bool value);
    // Lays the control over rect, less the grid line on the right and below.
    virtual void SetRect(const TRect& rect);
    virtual void SetVisible(bool value);
    // The control's own settings, before each edit.
    virtual void SetProperties() { }
    virtual void SetCellProps(TColor color, const TFont& font) { (void)color, (void)font; }
    virtual String GetEditorValue() { return String(); }
    virtual void SetEditorValue(const String& value) { (void)value; }

    // The popup form for a popup link, else the grid.
    TWinControl* GetParent() const;
    // The current cell of the grid, by its real column.
    String GetCellValue() const;
    void SetCellValue(const String& value);
    // Writes the control's value into the cell and ends the edit.
    void HideEditor();
    // HideEditor; a popup link then also frees its control and hides the form.
    void EditExit(TComponent* sender);
    // The popup form lost the activation.
    void FormExit(TComponent* sender);
    // Takes the borrowed messages back from the grid and hides the control.
    void RestoreWinProc();

    TDudStringGrid* Grid() const { return FOwner; }
    // The cell being edited: X its real column, Y its row.
    TPoint EditCell() const { return FEditCell; }
    TForm* PopupForm() const { return FPopupForm; }

    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool value) { FAutoPopupWidth = value; }
    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle value) { FEditStyle = value; }
    // Screen position of the popup; -1 in either places it at the cell.
    int32_t PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int32_t value) { FPopupLeft = value; }
    int32_t PopupTop() const { return FPopupTop; }
    void SetPopupTop(int32_t value) { FPopupTop = value; }
    int32_t PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int32_t value) { FPopupWidth = value; }
    int32_t PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int32_t value) { FPopupHeight = value; }
    // The keys each flag names stay in the control instead of ending the edit.
    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool value) { FWantKeyLeftRight = value; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool value) { FWantKeyUpDown = value; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool value) { FWantKeyHomeEnd = value; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool value) { FWantKeyPriorNext = value; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool value) { FWantKeyReturn = value; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool value) { FWantKeyEscape = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }
    // Kept for derived links; the link itself does not read it.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }

private:
    friend class TDudStringGrid;
    // The key is one the flags keep in the control.
    bool KeptInControl(uint16_t key) const;
    // Gives the focus to the grid without the popup's deactivation ending
    // the edit.
    void FocusGrid();

    TDudStringGrid* FOwner = nullptr;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    TEditStyle FEditStyle = esInplace;
    // Owned by the link, so one link's popup never frees another's.
    TForm* FPopupForm = nullptr;
    int32_t FPopupWidth = 0;
    int32_t FPopupHeight = 0;
    bool FForcedExit = false;
    TPoint FEditCell {};
    bool FAutoPopupWidth = false;
    int32_t FPopupLeft = -1;
    int32_t FPopupTop = -1;
    bool FSubClassed = false;
    bool FWantReturns = false;
    bool FWantTabs = false;
};
