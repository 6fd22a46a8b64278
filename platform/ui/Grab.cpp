#include "platform/ui/Grab.h"

#include "platform/ui/Controls.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

void GrabControl(TControl& control, TBitmap& bitmap)
{
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
