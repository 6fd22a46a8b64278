#include "platform/ui/Cursors.h"

#include "platform/graphics/QtGraphics.h"
#include "platform/ui/CursorResources.h"
#include "platform/ui/Forms.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <map>

namespace {

struct TCursorShape {
    TCursor Cursor;
    Qt::CursorShape Shape;
};

constexpr TCursorShape CursorShapes[] = {
    { crNone, Qt::BlankCursor },
    { crArrow, Qt::ArrowCursor },
    { crCross, Qt::CrossCursor },
    { crIBeam, Qt::IBeamCursor },
    { crSizeNESW, Qt::SizeBDiagCursor },
    { crSizeNS, Qt::SizeVerCursor },
    { crSizeNWSE, Qt::SizeFDiagCursor },
    { crSizeWE, Qt::SizeHorCursor },
    { crUpArrow, Qt::UpArrowCursor },
    { crHourGlass, Qt::WaitCursor },
    { crDrag, Qt::DragCopyCursor },
    { crNoDrop, Qt::ForbiddenCursor },
    { crHSplit, Qt::SplitHCursor },
    { crVSplit, Qt::SplitVCursor },
    { crMultiDrag, Qt::DragCopyCursor },
    { crSQLWait, Qt::BusyCursor },
    { crNo, Qt::ForbiddenCursor },
    { crAppStart, Qt::BusyCursor },
    { crHelp, Qt::WhatsThisCursor },
    { crHandPoint, Qt::PointingHandCursor },
    { crSizeAll, Qt::SizeAllCursor },
};

struct TResourceCursor {
    TBitmapMaker Maker;
    TPoint HotSpot;
};

std::map<String, TResourceCursor>& ResourceCursors()
{
    static std::map<String, TResourceCursor> cursors;
    return cursors;
}

std::map<TCursor, HCURSOR>& ScreenCursors()
{
    static std::map<TCursor, HCURSOR> cursors;
    return cursors;
}

} // namespace

void RegisterResourceCursor(const String& name, TBitmapMaker maker, TPoint hotSpot)
{
    ResourceCursors()[name.toUpper()] = { std::move(maker), hotSpot };
}

HCURSOR LoadCursor(const String& name)
{
    const auto found = ResourceCursors().find(name.toUpper());
    if (found == ResourceCursors().end())
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
    auto cursor = std::make_shared<TCursorImage>();
    found->second.Maker(cursor->Picture);
    cursor->HotSpot = found->second.HotSpot;
    return cursor;
}

HCURSOR TScreen::Cursors(TCursor index) const
{
    const auto found = ScreenCursors().find(index);
    return found == ScreenCursors().end() ? nullptr : found->second;
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor)
{
    if (cursor)
        ScreenCursors()[index] = std::move(cursor);
    else
        ScreenCursors().erase(index);
}

Qt::CursorShape CursorShapeOf(TCursor cursor)
{
    for (const TCursorShape& entry : CursorShapes)
        if (entry.Cursor == cursor)
            return entry.Shape;
    return Qt::ArrowCursor;
}

QCursor QCursorOf(TCursor cursor)
{
    const HCURSOR custom = cursor > 0 ? Screen->Cursors(cursor) : nullptr;
    if (!custom || custom->Picture.Empty())
        return QCursor(CursorShapeOf(cursor));
    const TBitmap& picture = custom->Picture;
    const QImage image = WithColorKey(picture.Image(), FromQRgb(picture.Image().pixel(0, picture.Height() - 1)));
    return QCursor(QPixmap::fromImage(image), custom->HotSpot.X, custom->HotSpot.Y);
}

void ApplyCursor(QWidget& widget, TCursor cursor)
{
    if (cursor == crDefault)
        widget.unsetCursor();
    else
        widget.setCursor(QCursorOf(cursor));
}
