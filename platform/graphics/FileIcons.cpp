#include "platform/graphics/FileIcons.h"

#include "platform/graphics/Bitmap.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>

namespace {

int32_t IconSize(bool large) { return large ? 32 : 16; }

// A sheet with a folded corner, or a folder, in the classic colours.
QImage PlainIcon(bool folder, int32_t size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const qreal unit = size / 16.0;
    painter.scale(unit, unit);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.0 / unit));
    if (folder) {
        QPainterPath shape;
        shape.moveTo(1.5, 3.5);
        shape.lineTo(6.0, 3.5);
        shape.lineTo(7.5, 5.0);
        shape.lineTo(14.5, 5.0);
        shape.lineTo(14.5, 13.5);
        shape.lineTo(1.5, 13.5);
        shape.closeSubpath();
        painter.setBrush(QColor(0xF0, 0xC8, 0x50));
        painter.drawPath(shape);
    } else {
        QPainterPath sheet;
        sheet.moveTo(3.5, 1.5);
        sheet.lineTo(10.0, 1.5);
        sheet.lineTo(12.5, 4.0);
        sheet.lineTo(12.5, 14.5);
        sheet.lineTo(3.5, 14.5);
        sheet.closeSubpath();
        painter.setBrush(Qt::white);
        painter.drawPath(sheet);
        painter.drawLine(QPointF(10.0, 1.5), QPointF(10.0, 4.0));
        painter.drawLine(QPointF(10.0, 4.0), QPointF(12.5, 4.0));
    }
    return image;
}

QImage ThemedIcon(const String& name, int32_t size)
{
    const QFileInfo file(name);
    QIcon icon;
    if (file.exists()) {
        icon = QAbstractFileIconProvider().icon(file);
    } else {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    }
    if (icon.isNull())
        return {};
    return icon.pixmap(size, size).toImage();
}

} // namespace

void LoadFileTypeIcon(const String& name, bool large, TIcon& icon)
{
    const int32_t size = IconSize(large);
    QImage image = ThemedIcon(name, size);
    if (image.isNull())
        image = PlainIcon(QFileInfo(name).isDir(), size);
    icon.SetImage(image);
}

void LoadSystemListIcon(int32_t, bool large, TIcon& icon) { icon.SetImage(PlainIcon(false, IconSize(large))); }
