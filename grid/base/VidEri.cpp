#include "grid/base/VidEri.h"

#include "grid/base/DudStyleIF.h"
#include "grid/base/DudXPVS.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <span>

namespace {

constexpr uint32_t DescendingBit = 0x8000'0000u;
constexpr uint32_t ColumnBits = 0x7FFF'FFFFu;

// The platform's lenient reading of a stored number: what the longest
// leading part of the text that reads as an integer says (leading blanks, a
// sign, "$", "x" or "0x" for hexadecimal), 0 when no part does. StrToInt
// rejects the whole text instead; a hand-edited sort order like "u12abc"
// keeps column 12.
int64_t LeadingInteger(const String& text)
{
    // After the blanks only a sign, a hexadecimal mark and 20 digits can
    // belong to a 64-bit number, which bounds the tries.
    qsizetype numberStart = 0;
    while (numberStart < text.size() && text[numberStart] == u' ') ++numberStart;
    int64_t value = 0;
    for (qsizetype length = std::min(text.size(), numberStart + 23); length > numberStart; --length)
        if (TryStrToInt64(text.left(length), value)) return value;
    return 0;
}

void CheckListIndex(int32_t index, int32_t count)
{
    if (index < 0 || index >= count) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

// The outline of each arrow, in TArrowDirection order.
constexpr std::array<std::array<TPoint, 7>, 4> ArrowOutlines = { {
    { { { 5, 0 }, { 10, 5 }, { 7, 5 }, { 7, 9 }, { 3, 9 }, { 3, 5 }, { 0, 5 } } },
    { { { 3, 0 }, { 7, 0 }, { 7, 4 }, { 9, 4 }, { 5, 8 }, { 1, 4 }, { 3, 4 } } },
    { { { 0, 3 }, { 0, 7 }, { 4, 7 }, { 4, 10 }, { 8, 5 }, { 4, 0 }, { 4, 3 } } },
    { { { 0, 5 }, { 4, 10 }, { 4, 7 }, { 8, 7 }, { 8, 3 }, { 4, 3 }, { 4, 0 } } },
} };

// The pixels whose centres lie inside the polygon by the winding rule, as a
// region of one rectangle per run of pixels in a row.
TRegion PolygonRegion(std::span<const TPoint> points)
{
    int32_t left = points[0].X, right = points[0].X, top = points[0].Y, bottom = points[0].Y;
    for (const TPoint& point : points) {
        left = std::min(left, point.X);
        right = std::max(right, point.X);
        top = std::min(top, point.Y);
        bottom = std::max(bottom, point.Y);
    }
    auto winding = [&](double x, double y) {
        int number = 0;
        for (size_t index = 0; index < points.size(); ++index) {
            const TPoint& from = points[index];
            const TPoint& to = points[(index + 1) % points.size()];
            const double side = (to.X - from.X) * (y - from.Y) - (x - from.X) * (to.Y - from.Y);
            if (from.Y <= y && to.Y > y && side > 0) ++number;
            else if (from.Y > y && to.Y <= y && side < 0) --number;
        }
        return number;
    };
    TRegion region;
    for (int32_t y = top; y < bottom; ++y) {
        int32_t runStart = -1;
        for (int32_t x = left; x <= right; ++x) {
            const bool inside = x < right && winding(x + 0.5, y + 0.5) != 0;
            if (inside && runStart < 0) runStart = x;
            if (!inside && runStart >= 0) {
                region = region.United(TRegion(Rect(runStart, y, x, y + 1)));
                runStart = -1;
            }
        }
    }
    return region;
}

} // namespace

// ---- TIntList ------------------------------------------------------------

void TIntList::CheckIndex(int32_t index, int32_t count) const { CheckListIndex(index, count); }

void TIntList::Changed()
{
    if (OnChange) OnChange(this, FCol, FRow);
}

int32_t TIntList::GetInteger(int32_t index) const
{
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)];
}

void TIntList::SetInteger(int32_t index, int32_t value)
{
    CheckIndex(index, Count());
    FItems[static_cast<size_t>(index)] = value;
    Changed();
}

void TIntList::Add(int32_t value)
{
    FItems.push_back(value);
    Changed();
}

void TIntList::Insert(int32_t index, int32_t value)
{
    CheckIndex(index, Count() + 1);
    FItems.insert(FItems.begin() + index, value);
}

void TIntList::Delete(int32_t index)
{
    CheckIndex(index, Count());
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TIntList::DeleteValue(int32_t value)
{
    const int32_t index = IndexOf(value);
    if (index >= 0) Delete(index);
}

int32_t TIntList::IndexOf(int32_t value) const
{
    const auto found = std::find(FItems.begin(), FItems.end(), value);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

String TIntList::StrValue() const
{
    String text;
    for (size_t index = 0; index < FItems.size(); ++index) {
        if (index > 0) text += u',';
        text += String::number(FItems[index]);
    }
    return text;
}

void TIntList::SetStrValue(const String& value)
{
    TStringList parts;
    parts.SetCommaText(value);
    // Every part is read before the list changes, so a bad one loses nothing.
    std::vector<int32_t> values;
    values.reserve(static_cast<size_t>(parts.Count()));
    for (int32_t index = 0; index < parts.Count(); ++index) values.push_back(StrToInt(parts[index]));
    Clear();
    for (const int32_t item : values) Add(item);
}

// ---- TSortIndexList ------------------------------------------------------

void TSortIndexList::AddIndex(int32_t columnIndex, bool ascending)
{
    const uint32_t column = static_cast<uint32_t>(columnIndex);
    Add(static_cast<int32_t>(ascending ? column : column | DescendingBit));
}

int32_t TSortIndexList::FindIndex(int32_t columnIndex) const
{
    for (int32_t index = 0; index < Count(); ++index)
        if (GetSortColumns(index) == columnIndex) return index;
    return -1;
}

void TSortIndexList::ToggleIndex(int32_t columnIndex)
{
    const int32_t index = FindIndex(columnIndex);
    if (index >= 0) SetInteger(index, static_cast<int32_t>(static_cast<uint32_t>(GetInteger(index)) ^ DescendingBit));
}

int32_t TSortIndexList::GetSortColumns(int32_t index) const
{
    return static_cast<int32_t>(static_cast<uint32_t>(GetInteger(index)) & ColumnBits);
}

void TSortIndexList::SetSortColumns(int32_t index, int32_t value)
{
    const uint32_t item = static_cast<uint32_t>(GetInteger(index));
    SetInteger(index, static_cast<int32_t>((item & DescendingBit) | (static_cast<uint32_t>(value) & ColumnBits)));
}

bool TSortIndexList::GetSortDirections(int32_t index) const
{
    return (static_cast<uint32_t>(GetInteger(index)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int32_t index, bool ascending)
{
    const uint32_t item = static_cast<uint32_t>(GetInteger(index));
    SetInteger(index, static_cast<int32_t>(ascending ? item & ColumnBits : item | DescendingBit));
}

String TSortIndexList::SaveToString() const
{
    String text;
    for (int32_t index = 0; index < Count(); ++index) {
        if (index > 0) text += u';';
        // The whole column number: cutting it to 16 bits would reload a
        // different column.
        text += (GetSortDirections(index) ? u'u' : u'd') + String::number(GetSortColumns(index));
    }
    return text;
}

void TSortIndexList::LoadFromString(const String& text)
{
    Clear();
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u';', start);
        if (end < 0) end = text.size();
        const QStringView item = QStringView(text).mid(start, end - start);
        start = end + 1;
        if (item.size() < 2) continue;
        // A stored order comes from a settings file anyone may edit; a column
        // that no sort key can hold is dropped rather than turned into one.
        const int64_t column = LeadingInteger(item.mid(1).toString());
        if (column < 0 || column > ColumnBits) continue;
        AddIndex(static_cast<int32_t>(column), item[0] == u'u');
    }
}

// ---- TControlList --------------------------------------------------------

TControlItem* TControlList::GetControl(int32_t index) const
{
    CheckListIndex(index, Count());
    return FItems[static_cast<size_t>(index)].get();
}

void TControlList::AddControl(int32_t x, int32_t y, TControl* control)
{
    FItems.push_back(std::make_unique<TControlItem>(x, y, control));
}

int32_t TControlList::ControlIndex(int32_t x, int32_t y) const
{
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [x, y](const auto& item) { return item->X() == x && item->Y() == y; });
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TControlList::RemoveControl(int32_t index)
{
    CheckListIndex(index, Count());
    FItems.erase(FItems.begin() + index);
}

bool TControlList::HasHandle(const QWidget* handle) const
{
    return std::any_of(FItems.begin(), FItems.end(), [handle](const auto& item) {
        const auto* windowed = dynamic_cast<const TWinControl*>(item->Control());
        return windowed && windowed->Widget() == handle;
    });
}

// ---- TArrowWindow --------------------------------------------------------

TArrowWindow::TArrowWindow(TWinControl* owner, TArrowDirection direction)
    : TForm(owner), FOwnerControl(owner), FDir(direction), FArrow(ArrowOutlines[direction]), FRegion(PolygonRegion(FArrow))
{
    SetBorderStyle(bsNone);
    SetWindowKind(wkOverlay);
    // The window's background is its colour; the region cuts it to the arrow.
    SetColor(clLime);
    const TRect box = FRegion.BoundingRect();
    SetBounds(0, 0, box.Right, box.Bottom);
}

TArrowWindow::~TArrowWindow() = default;

void TArrowWindow::CreateWnd()
{
    TForm::CreateWnd();
    SetWindowRegion(&FRegion);
}

void TArrowWindow::SetVisible(bool visible)
{
    if (visible && FOwnerControl)
        SetPopupParent(FOwnerControl->ParentForm());
    TForm::SetVisible(visible);
}

// ---- TFilePicture --------------------------------------------------------

void TFilePicture::Assign(const TPersistent& source)
{
    const auto* picture = dynamic_cast<const TFilePicture*>(&source);
    if (!picture) {
        TPersistent::Assign(source);
        return;
    }
    FFilename = picture->FFilename;
    FWidth = picture->FWidth;
    FHeight = picture->FHeight;
}

void TFilePicture::SetFilename(const String& filename)
{
    // Cleared without reading: there is no file to read. A name whose file
    // cannot be read is not taken, so the name and the size never describe
    // different pictures.
    if (filename.isEmpty()) {
        FFilename.clear();
        FWidth = 0;
        FHeight = 0;
        return;
    }
    TPicture picture;
    picture.LoadFromFile(filename);
    FFilename = filename;
    FWidth = picture.Width();
    FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& canvas, const TRect& rect) const
{
    if (FFilename.isEmpty()) return;
    TPicture picture;
    picture.LoadFromFile(FFilename);
    if (picture.Graphic()) canvas.StretchDraw(rect, *picture.Graphic());
}

// ---- ThemesAvailable -----------------------------------------------------

bool ThemesAvailable()
{
    return IsWinXPOrLater() && IsComCtl6() && VisualStylesActive();
}
