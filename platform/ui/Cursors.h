#pragma once

// Cursor shapes for the controls' widgets; used only inside the layer.

#include "platform/ui/Controls.h"

#include <QCursor>

class QWidget;

Qt::CursorShape CursorShapeOf(TCursor cursor);
// A standard shape, or the picture the program put into the screen's slot.
QCursor QCursorOf(TCursor cursor);
void ApplyCursor(QWidget& widget, TCursor cursor);
