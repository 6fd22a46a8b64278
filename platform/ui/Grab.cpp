#include "platform/ui/Grab.h"

#include "platform/ui/ControlWidget.h"
#include "platform/ui/Controls.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

void GrabControl(TControl& control, TBitmap& bitmap)
{
    TControlWidget::Realize(control);
    const QPixmap pixmap = control.Widget()->grab();
    QImage image(pixmap.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, pixmap);
    painter.end();
    bitmap.SetImage(image);
}

void GrabControlToFile(TControl& control, const String& fileName)
{
    TBitmap bitmap;
    GrabControl(control, bitmap);
    bitmap.SaveToFile(fileName);
}

void PaintParentBackground(TControl& control, TBitmap& bitmap)
{
    TWinControl* parent = control.Parent();
    if (!parent || !parent->Widget() || bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return;
    QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QRect under(control.Left(), control.Top(), bitmap.Width(), bitmap.Height());
    parent->Widget()->render(&painter, QPoint(0, 0), QRegion(under), QWidget::DrawWindowBackground);
    painter.end();
    bitmap.SetImage(image);
}
