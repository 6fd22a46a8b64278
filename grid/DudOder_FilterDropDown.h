#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <cstdint>
#include <functional>

// Size, colours and button pictures of the grid's filter lists.
class TFilterDropDown : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TFilterDropDown* sender)>;

    // AutoSize stays with the target.
    void Assign(const TPersistent& source) override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value) { FHeight = value; }
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t value) { FWidth = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(value); }
    // The button picture of a column without and with an active filter.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& value) { SetPicture(FGlyph, value); }
    const TBitmap& GlyphActive() const { return FGlyphActive; }
    void SetGlyphActive(const TBitmap& value) { SetPicture(FGlyphActive, value); }
    bool ColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(bool value) { FColumnWidth = value; }

    // Fired whenever a picture changes.
    TNotifyEvent OnChange;

private:
    void SetPicture(TBitmap& picture, const TBitmap& value);

    bool FAutoSize = false;
    int32_t FHeight = 150;
    int32_t FWidth = 150;
    TColor FColor = clWindow;
    TFont FFont;
    TBitmap FGlyph;
    TBitmap FGlyphActive;
    bool FColumnWidth = false;
};

using TDropSelectEvent = std::function<void(TComponent* sender, int32_t itemIndex)>;

// The single-choice filter list: Return or a click picks the entry and
// closes the list; a click elsewhere closes it with nothing picked.
class TDropList : public TListBox {
public:
    using TListBox::TListBox;

    TDropSelectEvent OnSelect;

protected:
    void WndProc(TMessage& message) override;
    void KeyPress(TChar& key) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    void Pick();
};

// The multiple-choice filter list: every check change applies the filter
// and the list stays open until a click elsewhere.
class TDropCheckList : public TCheckListBox {
public:
    using TCheckListBox::TCheckListBox;

    TDropSelectEvent OnSelect;

protected:
    void WndProc(TMessage& message) override;
    void ClickCheck() override;
};

// A popup form that never takes activation, not even by a click.
class TNoActiveForm : public TForm {
public:
    explicit TNoActiveForm(TComponent* owner);
};
