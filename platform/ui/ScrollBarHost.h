#pragma once

#include "platform/graphics/Types.h"

#include <functional>
#include <memory>

class QScrollBar;
class QWidget;

// The platform's scroll request for one of the toolkit's slider actions
// (the step, page and end actions), or -1.
intptr_t ScrollCodeOfAction(int action);

// A scroll bar widget inside a control's widget, for the layer's own
// controls. The user's actions come back as the platform's scroll requests
// (SB_LINEUP ... SB_ENDSCROLL with the thumb position); the bar then shows
// the position its control set, not one of its own.
class TScrollBarHost {
public:
    using TRequest = std::function<void(intptr_t code, int32_t thumb)>;

    TScrollBarHost(QWidget* parent, bool horizontal, TRequest request);
    ~TScrollBarHost();
    TScrollBarHost(const TScrollBarHost&) = delete;
    TScrollBarHost& operator=(const TScrollBarHost&) = delete;

    // The thumb runs from min to max - page + 1 and covers page (at least 1).
    void SetParams(int32_t min, int32_t max, int32_t page, int32_t position);
    void SetOrientation(bool horizontal);
    void SetGeometry(const TRect& rect);
    void SetVisible(bool visible);
    bool Visible() const { return FVisible; }
    int32_t Position() const { return FPosition; }
    // The bar's widget; for tests that click it.
    QScrollBar* Bar() const { return FBar.get(); }

private:
    void Action(int action);

    std::unique_ptr<QScrollBar> FBar;
    TRequest FRequest;
    int32_t FPosition = 0;
    bool FVisible = false;
};
