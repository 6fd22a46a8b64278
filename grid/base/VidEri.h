#pragma once

#include "platform/core/Exception.h"
#include "platform/core/Persistent.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

class TIntList;

using TImageChangeEvent = std::function<void(TIntList* sender, int32_t acol, int32_t arow)>;

// A list of integers that knows the cell it belongs to and tells its owner
// when an item is added, replaced or deleted (not on Insert or Clear).
class TIntList {
public:
    TIntList(int32_t col, int32_t row) : FCol(col), FRow(row) { }
    virtual ~TIntList() = default;

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    int32_t Items(int32_t index) const { return GetInteger(index); }
    void SetItems(int32_t index, int32_t value) { SetInteger(index, value); }
    int32_t GetInteger(int32_t index) const;
    void SetInteger(int32_t index, int32_t value);

    void Add(int32_t value);
    void Insert(int32_t index, int32_t value);
    void Delete(int32_t index);
    void DeleteValue(int32_t value);
    int32_t IndexOf(int32_t value) const;
    bool HasValue(int32_t value) const { return IndexOf(value) >= 0; }
    void Clear() { FItems.clear(); }

    // The items as decimal numbers joined by ","; setting it reads a comma
    // text (commas and blanks separate, quoted items allowed) and raises
    // EConvertError at the first part that is not an integer, before the
    // list changes: it keeps its old items.
    String StrValue() const;
    void SetStrValue(const String& value);

    TImageChangeEvent OnChange;

private:
    void CheckIndex(int32_t index, int32_t count) const;
    void Changed();

    int32_t FCol;
    int32_t FRow;
    std::vector<int32_t> FItems;
};

// The grid's multi-column sort order: each item is a column index in bits
// 0..30, bit 31 set for a descending key.
class TSortIndexList : public TIntList {
public:
    using TIntList::TIntList;

    void AddIndex(int32_t columnIndex, bool ascending);
    int32_t FindIndex(int32_t columnIndex) const;
    void ToggleIndex(int32_t columnIndex);

    int32_t SortColumns(int32_t index) const { return GetSortColumns(index); }
    void SetSortColumns(int32_t index, int32_t value);
    int32_t GetSortColumns(int32_t index) const;
    bool SortDirections(int32_t index) const { return GetSortDirections(index); }
    void SetSortDirections(int32_t index, bool ascending);
    bool GetSortDirections(int32_t index) const;

    // "u2;d5": ascending column 2, then descending column 5.
    String SaveToString() const;
    void LoadFromString(const String& text);
};

// A control placed in the cell (X, Y); the item does not own the control.
class TControlItem {
public:
    TControlItem(int32_t x, int32_t y, TControl* control) : FX(x), FY(y), FObject(control) { }

    int32_t X() const { return FX; }
    void SetX(int32_t x) { FX = x; }
    int32_t Y() const { return FY; }
    void SetY(int32_t y) { FY = y; }
    TControl* Control() const { return FObject; }

private:
    int32_t FX;
    int32_t FY;
    TControl* FObject;
};

// The controls placed in cells. The list owns its items, not the controls.
class TControlList {
public:
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TControlItem* Control(int32_t index) const { return GetControl(index); }
    TControlItem* GetControl(int32_t index) const;

    void AddControl(int32_t x, int32_t y, TControl* control);
    // The first item for the cell, or -1.
    int32_t ControlIndex(int32_t x, int32_t y) const;
    void RemoveControl(int32_t index);
    // Whether some item's control is a windowed control with this window.
    bool HasHandle(const QWidget* handle) const;

private:
    std::vector<std::unique_ptr<TControlItem>> FItems;
};

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

// The small lime arrow that marks where a dragged column or row will land:
// a window of its own, shaped to the arrow, placed in screen coordinates
// above the form of the control that owns it. It takes neither the
// activation nor the mouse, so the drag under it goes on undisturbed.
class TArrowWindow : public TForm {
public:
    TArrowWindow(TWinControl* owner, TArrowDirection direction);
    ~TArrowWindow() override;

    TArrowDirection Dir() const { return FDir; }
    // The outline, in pixels inside the window.
    const std::array<TPoint, 7>& Arrow() const { return FArrow; }
    // The pixels inside the outline (winding fill), the window's visible shape.
    const TRegion& ArrowRegion() const { return FRegion; }

    // Shown above the form its owner sits on at that moment.
    void SetVisible(bool visible) override;

protected:
    void CreateWnd() override;

private:
    TWinControl* FOwnerControl;
    TArrowDirection FDir;
    std::array<TPoint, 7> FArrow;
    TRegion FRegion;
};

// A picture kept only by its file name; the file is read when the name is
// set (to learn the size) and each time the picture is drawn.
class TFilePicture : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    const String& Filename() const { return FFilename; }
    void SetFilename(const String& filename);
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }

    void DrawPicture(TCanvas& canvas, const TRect& rect) const;

private:
    String FFilename;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
};

// Whether controls may draw with the visual-style library: a system with
// visual styles, an active style and the newer common controls.
bool ThemesAvailable();
