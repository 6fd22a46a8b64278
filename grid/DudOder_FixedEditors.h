#pragma once

#include "platform/graphics/Color.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

#include <cstdint>

class TBaseGrid;
class TDudStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

// The thin scroll indicator that stands in for the scroll bars.
class TScrollControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int32_t ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int32_t value) { FScrollWidth = value; }
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection value) { FDirection = value; }

    // Where the thumb lies along the control, in pixels; Shown is false
    // when every row (column) is in view, or the grid has no parent role.
    struct TThumb {
        bool Shown = false;
        int32_t Start = 0;
        int32_t Size = 0;
    };
    TThumb Thumb() const;
    bool Dragging() const { return FDownOnScroller; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    // The grid the indicator serves: its parent, when that is a string grid.
    TDudStringGrid* ServedGrid() const;
    // The grid's first shown row (column), set within its data.
    void ScrollTo(TDudStringGrid& grid, int32_t first) const;

    TColor FColor = clSilver;
    int32_t FScrollWidth = 4;
    bool FDownOnScroller = false;
    int32_t FDownPos = 0;
    int32_t FDownRow = 0;
    TScrollDirection FDirection = sdVertical;
};

// The floating picture of a fixed cell that follows the mouse while a
// column or row is moved.
class THeaderDragButton : public TCustomControl {
public:
    // Starts hidden and disabled: it shows only while a move lasts and never
    // takes the pointer from the grid.
    explicit THeaderDragButton(TComponent* owner);

    TBaseGrid* Grid() const { return FGrid; }
    void SetGrid(TBaseGrid* value) { FGrid = value; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value) { FFlat = value; }

protected:
    void Paint() override;

private:
    TBaseGrid* FGrid = nullptr;
    String FCaption;
    bool FFlat = false;
};

// What the editors shown over a fixed cell share: the cell they edit (real
// column) and their grid. They start hidden.
template <class TBase>
class TFixedCellEditor : public TBase {
public:
    explicit TFixedCellEditor(TBaseGrid* owner);

    int32_t Row() const { return FRow; }
    void SetRow(int32_t value) { FRow = value; }
    int32_t Col() const { return FCol; }
    void SetCol(int32_t value) { FCol = value; }
    TBaseGrid* Grid() const { return FGrid; }
    // Ends the edit through the grid's validation: false keeps the editor
    // open over its cell, true wrote the text and hid it.
    bool StopEdit();

protected:
    void DoExit() override;
    void KeyPress(TChar& key) override;

private:
    int32_t FRow = 0;
    int32_t FCol = 0;
    TBaseGrid* FGrid;
};

class TGridTransEdit : public TFixedCellEditor<TCustomEdit> {
public:
    using TFixedCellEditor::TFixedCellEditor;
};

class TGridTransCombo : public TFixedCellEditor<TCustomComboBox> {
public:
    using TFixedCellEditor::TFixedCellEditor;
};
