#pragma once

// The grid's scroll bar widget; included only by the layer's own .cpp files.

#include "platform/graphics/Color.h"

#include <QScrollBar>

// A scroll bar that draws the toolkit's own look until it is given one of
// the common controls' flat styles: FSB_REGULAR_MODE (raised arrows and
// thumb), FSB_ENCARTA_MODE (flat, the part under the pointer raised) or
// FSB_FLAT_MODE (flat, framed), over its own background colour.
class TFlatScrollBar : public QScrollBar {
public:
    TFlatScrollBar(Qt::Orientation orientation, QWidget* parent);

    // -1 for the toolkit's look.
    int FlatStyle() const { return FStyle; }
    void SetFlatStyle(int style);
    // clNone for the scroll bar colour.
    TColor Background() const { return FBackground; }
    void SetBackground(TColor color);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int FStyle = -1;
    TColor FBackground = clNone;
};
