#include "platform/ui/Cursors.h"

#include <QWidget>

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

} // namespace

Qt::CursorShape CursorShapeOf(TCursor cursor)
{
    for (const TCursorShape& entry : CursorShapes)
        if (entry.Cursor == cursor)
            return entry.Shape;
    return Qt::ArrowCursor;
}

void ApplyCursor(QWidget& widget, TCursor cursor)
{
    if (cursor == crDefault)
        widget.unsetCursor();
    else
        widget.setCursor(CursorShapeOf(cursor));
}
