#pragma once

// The string grid's side of drag and drop: what a grid does with text,
// rich text, a column, files and URLs dropped on it, how it marks where a
// drop would land, and what its own drags hear.

#include "grid/base/zuzdd.h"

class TDudStringGrid;

class TGridDropTarget : public TZUZDropTarget {
public:
    explicit TGridDropTarget(TDudStringGrid* grid) : FGrid(grid) { }

protected:
    void DropText(TPoint pt, const String& s) override;
    void DropCol(TPoint pt, int32_t col) override;
    void DropRTF(TPoint pt, const String& s) override;
    void DropFiles(TPoint pt, TStrings& files) override;
    void DropURL(TPoint pt, const String& s) override;
    void DragMouseMove(TPoint pt, bool& allow, TDropFormats dropFormats) override;
    void DragMouseLeave() override;

private:
    // The cell under the screen point and the point in the grid's client
    // coordinates; with append, the row after the last when the point lies
    // below it (whole-row appending drops).
    void TargetCell(TPoint pt, bool withAppend, int32_t& aCol, int32_t& aRow, bool& append) const;
    // Rich text and URLs: written into the cell when the event allows.
    void DropIntoCell(TPoint pt, const String& s, bool url);

    TDudStringGrid* FGrid;
};

class TGridDropSource : public TZUZDropSource {
public:
    // The last copy or move the targets offered.
    uint32_t LastEffect() const { return FLastEffect; }

protected:
    void CurrentEffect(uint32_t dwEffect) override;

private:
    uint32_t FLastEffect = DROPEFFECT_NONE;
};

// The size of dropped text: the most TAB-separated fields of a line and the
// number of lines that are not empty (lines end at CR; a LF after it
// belongs to the break).
void GetTextDimensions(const String& text, int32_t& width, int32_t& rows);
