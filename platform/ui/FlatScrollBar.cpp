#include "platform/ui/FlatScrollBar.h"

#include "platform/graphics/QtGraphics.h"
#include "platform/ui/ScrollBars.h"

#include <QHoverEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

// Light top-left and dark bottom-right: a raised part; the reverse: pressed.
void DrawEdge(QPainter& painter, const QRect& rect, bool raised)
{
    const QColor light = ToQColor(raised ? clBtnHighlight : clBtnShadow);
    const QColor dark = ToQColor(raised ? clBtnShadow : clBtnHighlight);
    painter.setPen(light);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

// A filled triangle pointing away from the bar's middle.
void DrawArrow(QPainter& painter, const QRect& rect, Qt::Orientation orientation, bool toEnd, bool enabled)
{
    const int size = std::max(2, std::min(rect.width(), rect.height()) / 4);
    const QPoint centre = rect.center();
    QPolygon triangle;
    if (orientation == Qt::Vertical) {
        const int tip = toEnd ? size / 2 : -size / 2;
        triangle << QPoint(centre.x() - size, centre.y() - tip) << QPoint(centre.x() + size, centre.y() - tip)
                 << QPoint(centre.x(), centre.y() + tip);
    } else {
        const int tip = toEnd ? size / 2 : -size / 2;
        triangle << QPoint(centre.x() - tip, centre.y() - size) << QPoint(centre.x() - tip, centre.y() + size)
                 << QPoint(centre.x() + tip, centre.y());
    }
    const QColor colour = ToQColor(enabled ? clBtnText : clGrayText);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
}

} // namespace

TFlatScrollBar::TFlatScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
{
    setAttribute(Qt::WA_Hover);
}

void TFlatScrollBar::SetFlatStyle(int style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    update();
}

void TFlatScrollBar::SetBackground(TColor color)
{
    if (color == FBackground)
        return;
    FBackground = color;
    update();
}

// The encarta look follows the pointer.
bool TFlatScrollBar::event(QEvent* event)
{
    if (FStyle == FSB_ENCARTA_MODE
        && (event->type() == QEvent::HoverMove || event->type() == QEvent::HoverEnter
            || event->type() == QEvent::HoverLeave))
        update();
    return QScrollBar::event(event);
}

void TFlatScrollBar::paintEvent(QPaintEvent* event)
{
    if (FStyle < 0) {
        QScrollBar::paintEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const auto part = [&](QStyle::SubControl control) {
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, control, this);
    };
    const QRect subLine = part(QStyle::SC_ScrollBarSubLine);
    const QRect addLine = part(QStyle::SC_ScrollBarAddLine);
    const QRect slider = part(QStyle::SC_ScrollBarSlider);
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    const bool hovering = underMouse();
    const bool enabled = isEnabled() && maximum() > minimum();

    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(FBackground == clNone ? clScrollBar : FBackground));
    const auto drawPart = [&](const QRect& area, QStyle::SubControl control) {
        if (area.isEmpty())
            return;
        const bool pressed = isSliderDown() ? control == QStyle::SC_ScrollBarSlider
                                            : (option.activeSubControls & control) && (option.state & QStyle::State_Sunken);
        const bool hot = hovering && area.contains(pointer);
        painter.fillRect(area, ToQColor(pressed && FStyle != FSB_REGULAR_MODE ? clBtnShadow : clBtnFace));
        const QRect frame = area.adjusted(0, 0, -1, -1);
        if (FStyle == FSB_REGULAR_MODE || (FStyle == FSB_ENCARTA_MODE && hot)) {
            DrawEdge(painter, frame, !pressed);
        } else if (FStyle == FSB_FLAT_MODE) {
            painter.setPen(ToQColor(hot ? clHighlight : clBtnShadow));
            painter.drawRect(frame);
        }
    };
    drawPart(subLine, QStyle::SC_ScrollBarSubLine);
    drawPart(addLine, QStyle::SC_ScrollBarAddLine);
    DrawArrow(painter, subLine, orientation(), false, enabled);
    DrawArrow(painter, addLine, orientation(), true, enabled);
    if (enabled)
        drawPart(slider, QStyle::SC_ScrollBarSlider);
}
