#pragma once

// Cursor shapes for the controls' widgets; used only inside the layer.

#include "platform/ui/Controls.h"

#include <QCursor>

class QWidget;

Qt::CursorShape CursorShapeOf(TCursor cursor);
void ApplyCursor(QWidget& widget, TCursor cursor);
