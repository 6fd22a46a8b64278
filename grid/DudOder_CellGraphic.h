#pragma once

// The graphic a string-grid cell shows besides its text: a picture, a check
// box, a progress bar, a button and so on. The cell's properties own it.
//
// The few general fields (index, Boolean, angle, range, text) mean what the
// cell type says. The object or colours a type refers to live in one tagged
// payload, so giving the graphic another type always releases what the old
// type held, and an object is freed only by the graphic that made it.

#include "grid/DudOder_Types.h"
#include "grid/base/VidEri.h"
#include "platform/core/Persistent.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Types.h"
#include "platform/ui/StdCtrls.h"

#include <cstdint>
#include <memory>
#include <variant>

class TBitmap;
class TIcon;
class TPicture;
class TFilePicture;
class TIntList;
class TStrings;
class TCanvas;

enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// An object that draws a cell itself (an interfaced cell).
class IGridCellDrawer {
public:
    virtual ~IGridCellDrawer() = default;
    virtual void Draw(TCanvas& canvas, const TRect& rect, int32_t aCol, int32_t aRow, bool selected,
        TDudStringGrid* grid) = 0;
    virtual int32_t GetWidth() = 0;
    virtual int32_t GetHeight() = 0;
    // True: drawn under the text; false: over it, like any graphic.
    virtual bool IsBackground() = 0;
};

// An object a graphic refers to; it belongs to the graphic only when handed
// over as a unique pointer.
template <class T>
class TCellObject {
public:
    TCellObject() = default;
    TCellObject(T* object) : FObject(object) { }
    TCellObject(std::unique_ptr<T> object) : FObject(object.get()), FOwned(std::move(object)) { }

    T* Get() const { return FObject; }
    bool Owned() const { return FOwned != nullptr; }

private:
    T* FObject = nullptr;
    std::unique_ptr<T> FOwned;
};

// The two colours of the colour-only types (progress, range, pie, shape,
// rating).
struct TCellColors {
    TColor First = clNone;
    TColor Second = clNone;
};

// The extra state of a graphic: unassigned, a flag (expand state) or a number
// (selected radio option, node tag).
using TCellVar = std::variant<std::monostate, bool, int32_t>;

class TCellGraphic : public TPersistent {
public:
    using TPayload = std::variant<std::monostate, TCellColors, TCellObject<TBitmap>, TCellObject<TIcon>,
        TCellObject<TPicture>, TCellObject<TFilePicture>, TCellObject<TStrings>, std::unique_ptr<TIntList>,
        IGridCellDrawer*>;

    TCellGraphic();
    ~TCellGraphic() override;

    // Copies the plain fields and the type; what the source refers to, its
    // extra state and its tri-state value stay with the source.
    void Assign(const TPersistent& source) override;

    TCellType CellType() const { return FCellType; }
    // A new type drops what the old one referred to.
    void SetCellType(TCellType value);
    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign value) { FCellVAlign = value; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign value) { FCellHAlign = value; }
    int32_t CellIndex() const { return FCellIndex; }
    void SetCellIndex(int32_t value) { FCellIndex = value; }
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool value) { FCellTransparent = value; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool value) { FCellBoolean = value; }
    TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState value) { FCellCheckBoxState = value; }
    int32_t CellAngle() const { return FCellAngle; }
    void SetCellAngle(int32_t value) { FCellAngle = value; }
    double CellValue() const { return FCellValue; }
    void SetCellValue(double value) { FCellValue = value; }
    int32_t CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int32_t value) { FCellErrFrom = value; }
    int32_t CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int32_t value) { FCellErrLen = value; }
    const String& CellText() const { return FCellText; }
    void SetCellText(const String& value) { FCellText = value; }
    const TCellVar& CellVar() const { return FCellVar; }
    void SetCellVar(const TCellVar& value) { FCellVar = value; }
    // Whether the graphic made, and so frees, the object it refers to.
    bool CellCreated() const;

    // What the payload holds, or null (clNone) when it holds something else.
    TBitmap* CellBitmap() const;
    TIcon* CellIcon() const;
    TPicture* CellPicture() const;
    TFilePicture* CellFilePicture() const;
    TStrings* CellStrings() const;
    TIntList* CellImages() const;
    IGridCellDrawer* CellInterface() const;
    TColor CellColor() const;
    TColor CellSecondColor() const;

    // Payload setters for the operations that keep the type.
    void SetStrings(TCellObject<TStrings> strings) { FPayload = std::move(strings); }
    void SetColors(TColor first, TColor second) { FPayload = TCellColors { first, second }; }
    void ClearPayload() { FPayload = std::monostate {}; }

    void SetInterfacedCell(IGridCellDrawer* object);
    void SetBitmap(TCellObject<TBitmap> bitmap, bool transparent, TCellHAlign hal, TCellVAlign val);
    void SetPicture(TCellObject<TPicture> picture, bool transparent, TStretchMode stretchMode, int32_t padding,
        TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(TCellObject<TFilePicture> picture, bool transparent, TStretchMode stretchMode,
        int32_t padding, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int32_t index, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int32_t index, TCellHAlign hal, TCellVAlign val);
    // dir 0 lays the images side by side; notifier hears every change.
    void SetMultiImage(int32_t aCol, int32_t aRow, int32_t dir, TCellHAlign hal, TCellVAlign val,
        const TImageChangeEvent& notifier);
    void SetIcon(TCellObject<TIcon> icon, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(bool value, bool data, bool flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState value, bool flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool value, bool flat, TCellHAlign hal, TCellVAlign val);
    // Rotated text; the angle is brought into 0..360.
    void SetAngle(int32_t angle);
    void SetButton(int32_t width, int32_t height, const String& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int32_t width, int32_t height, const String& caption, TCellObject<TBitmap> glyph,
        TCellHAlign hal, TCellVAlign val);

    // The drawn size of a picture or file picture in a cell of cw x rh;
    // any other type answers (0, 0).
    TPoint GetPictureSize(int32_t cw, int32_t rh, bool hasText) const;

private:
    void Retype(TCellType type, TCellHAlign hal, TCellVAlign val);

    TCellType FCellType = ctNone;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int32_t FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellBoolean = false;
    int32_t FCellAngle = 0;
    double FCellValue = 0;
    int32_t FCellErrFrom = 0;
    int32_t FCellErrLen = 0;
    String FCellText;
    TCellVar FCellVar;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
    TPayload FPayload;
};
