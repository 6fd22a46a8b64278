#include "grid/DudOder_CellGraphic.h"

#include "platform/core/Math.h"
#include "platform/core/Strings.h"
#include "platform/graphics/Bitmap.h"

#include <algorithm>

namespace {

template <class T>
T* PayloadObject(const TCellGraphic::TPayload& payload)
{
    const auto* object = std::get_if<TCellObject<T>>(&payload);
    return object ? object->Get() : nullptr;
}

} // namespace

TCellGraphic::TCellGraphic() = default;
TCellGraphic::~TCellGraphic() = default;

void TCellGraphic::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TCellGraphic*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetCellType(other->FCellType);
    FCellHAlign = other->FCellHAlign;
    FCellVAlign = other->FCellVAlign;
    FCellIndex = other->FCellIndex;
    FCellTransparent = other->FCellTransparent;
    FCellValue = other->FCellValue;
    FCellAngle = other->FCellAngle;
    FCellBoolean = other->FCellBoolean;
    FCellErrFrom = other->FCellErrFrom;
    FCellErrLen = other->FCellErrLen;
    FCellText = other->FCellText;
}

void TCellGraphic::SetCellType(TCellType value)
{
    if (value == FCellType)
        return;
    FCellType = value;
    FPayload = std::monostate {};
}

bool TCellGraphic::CellCreated() const
{
    return std::visit(
        [](const auto& held) {
            using THeld = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<THeld, std::unique_ptr<TIntList>>)
                return held != nullptr;
            else if constexpr (requires { held.Owned(); })
                return held.Owned();
            else
                return false;
        },
        FPayload);
}

TBitmap* TCellGraphic::CellBitmap() const { return PayloadObject<TBitmap>(FPayload); }
TIcon* TCellGraphic::CellIcon() const { return PayloadObject<TIcon>(FPayload); }
TPicture* TCellGraphic::CellPicture() const { return PayloadObject<TPicture>(FPayload); }
TFilePicture* TCellGraphic::CellFilePicture() const { return PayloadObject<TFilePicture>(FPayload); }
TStrings* TCellGraphic::CellStrings() const { return PayloadObject<TStrings>(FPayload); }

TIntList* TCellGraphic::CellImages() const
{
    const auto* images = std::get_if<std::unique_ptr<TIntList>>(&FPayload);
    return images ? images->get() : nullptr;
}

IGridCellDrawer* TCellGraphic::CellInterface() const
{
    const auto* object = std::get_if<IGridCellDrawer*>(&FPayload);
    return object ? *object : nullptr;
}

TColor TCellGraphic::CellColor() const
{
    const auto* colors = std::get_if<TCellColors>(&FPayload);
    return colors ? colors->First : clNone;
}

TColor TCellGraphic::CellSecondColor() const
{
    const auto* colors = std::get_if<TCellColors>(&FPayload);
    return colors ? colors->Second : clNone;
}

void TCellGraphic::Retype(TCellType type, TCellHAlign hal, TCellVAlign val)
{
    FCellType = type;
    FPayload = std::monostate {};
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::SetInterfacedCell(IGridCellDrawer* object)
{
    Retype(ctInterface, FCellHAlign, FCellVAlign);
    FPayload = object;
}

void TCellGraphic::SetBitmap(TCellObject<TBitmap> bitmap, bool transparent, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctBitmap, hal, val);
    FPayload = std::move(bitmap);
    FCellTransparent = transparent;
}

void TCellGraphic::SetPicture(TCellObject<TPicture> picture, bool transparent, TStretchMode stretchMode,
    int32_t padding, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctPicture, hal, val);
    FPayload = std::move(picture);
    FCellTransparent = transparent;
    FCellAngle = stretchMode;
    FCellIndex = padding;
}

void TCellGraphic::SetFilePicture(TCellObject<TFilePicture> picture, bool transparent, TStretchMode stretchMode,
    int32_t padding, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctFilePicture, hal, val);
    FPayload = std::move(picture);
    FCellTransparent = transparent;
    FCellAngle = stretchMode;
    FCellIndex = padding;
}

void TCellGraphic::SetImageIdx(int32_t index, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctImageList, hal, val);
    FCellIndex = index;
}

void TCellGraphic::SetDataImage(int32_t index, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctDataImage, hal, val);
    FCellIndex = index;
}

void TCellGraphic::SetMultiImage(int32_t aCol, int32_t aRow, int32_t dir, TCellHAlign hal, TCellVAlign val,
    const TImageChangeEvent& notifier)
{
    Retype(ctImages, hal, val);
    auto images = std::make_unique<TIntList>(aCol, aRow);
    images->OnChange = notifier;
    FPayload = std::move(images);
    FCellBoolean = dir == 0;
}

void TCellGraphic::SetIcon(TCellObject<TIcon> icon, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctIcon, hal, val);
    FPayload = std::move(icon);
}

void TCellGraphic::SetCheckBox(bool value, bool data, bool flat, TCellHAlign hal, TCellVAlign val)
{
    Retype(data ? ctDataCheckBox : ctCheckBox, hal, val);
    FCellBoolean = value;
    FCellTransparent = flat;
    FCellAngle = 0;
}

void TCellGraphic::SetCheckBox(TCheckBoxState value, bool flat, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctTriStateCheckBox, hal, val);
    FCellCheckBoxState = value;
    FCellBoolean = false;
    FCellTransparent = flat;
}

void TCellGraphic::SetRadioButton(bool value, bool flat, TCellHAlign hal, TCellVAlign val)
{
    Retype(ctRadioButton, hal, val);
    FCellBoolean = value;
    FCellTransparent = flat;
    FCellAngle = 0;
}

void TCellGraphic::SetAngle(int32_t angle)
{
    Retype(ctRotated, FCellHAlign, FCellVAlign);
    while (angle < 0)
        angle += 360;
    while (angle > 360)
        angle -= 360;
    FCellAngle = angle;
}

void TCellGraphic::SetButton(int32_t width, int32_t height, const String& caption, TCellHAlign hal,
    TCellVAlign val)
{
    Retype(ctButton, hal, val);
    FCellIndex = static_cast<int32_t>((static_cast<uint32_t>(height) << 16) | (static_cast<uint32_t>(width) & 0xFFFF));
    FCellBoolean = false;
    FCellText = caption;
}

void TCellGraphic::SetBitButton(int32_t width, int32_t height, const String& caption, TCellObject<TBitmap> glyph,
    TCellHAlign hal, TCellVAlign val)
{
    SetButton(width, height, caption, hal, val);
    FCellType = ctBitButton;
    FPayload = std::move(glyph);
}

TPoint TCellGraphic::GetPictureSize(int32_t cw, int32_t rh, bool hasText) const
{
    (void)hasText;
    int32_t width = 0;
    int32_t height = 0;
    if (const TPicture* picture = CellPicture(); FCellType == ctPicture && picture) {
        width = picture->Width();
        height = picture->Height();
    } else if (const TFilePicture* file = CellFilePicture(); FCellType == ctFilePicture && file) {
        width = file->Width();
        height = file->Height();
    } else {
        return TPoint {};
    }
    const int32_t availWidth = cw - FCellIndex;
    const int32_t availHeight = rh - FCellIndex;
    const bool fits = width <= availWidth && height <= availHeight;
    const auto scaled = [&](bool limitToOne) {
        double rx = width > 0 ? static_cast<double>(availWidth) / width : 1;
        double ry = height > 0 ? static_cast<double>(availHeight) / height : 1;
        if (limitToOne) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        if (rx >= ry)
            return TPoint { static_cast<int32_t>(Round(width * ry)), availHeight };
        return TPoint { availWidth, static_cast<int32_t>(Round(height * rx)) };
    };
    switch (FCellAngle) {
    case Stretch:
        return TPoint { availWidth, availHeight };
    case Shrink:
        return fits ? TPoint { width, height } : TPoint { availWidth, availHeight };
    case StretchWithAspectRatio:
        return scaled(false);
    case ShrinkWithAspectRatio:
        return fits ? TPoint { width, height } : scaled(true);
    default:
        return TPoint { width, height };
    }
}
