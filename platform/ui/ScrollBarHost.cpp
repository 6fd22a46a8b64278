#include "platform/ui/ScrollBarHost.h"

#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"

#include <QScrollBar>

#include <algorithm>

namespace {

struct TActionCode {
    int Action;
    intptr_t Code;
};

constexpr TActionCode ActionCodes[] = {
    { QAbstractSlider::SliderSingleStepSub, SB_LINEUP },
    { QAbstractSlider::SliderSingleStepAdd, SB_LINEDOWN },
    { QAbstractSlider::SliderPageStepSub, SB_PAGEUP },
    { QAbstractSlider::SliderPageStepAdd, SB_PAGEDOWN },
    { QAbstractSlider::SliderToMinimum, SB_TOP },
    { QAbstractSlider::SliderToMaximum, SB_BOTTOM },
};

} // namespace

intptr_t ScrollCodeOfAction(int action)
{
    for (const TActionCode& entry : ActionCodes)
        if (entry.Action == action)
            return entry.Code;
    return -1;
}

TScrollBarHost::TScrollBarHost(QWidget* parent, bool horizontal, TRequest request)
    : FBar(std::make_unique<QScrollBar>(horizontal ? Qt::Horizontal : Qt::Vertical, parent))
    , FRequest(std::move(request))
{
    FBar->setFocusPolicy(Qt::NoFocus);
    FBar->hide();
    QObject::connect(FBar.get(), &QAbstractSlider::actionTriggered, FBar.get(),
        [this](int action) { Guarded([&] { Action(action); }); });
    QObject::connect(FBar.get(), &QAbstractSlider::sliderReleased, FBar.get(), [this] {
        Guarded([&] {
            FRequest(SB_THUMBPOSITION, FBar->sliderPosition());
            FRequest(SB_ENDSCROLL, 0);
            const QSignalBlocker blocker(FBar.get());
            FBar->setValue(FPosition);
        });
    });
}

TScrollBarHost::~TScrollBarHost() = default;

void TScrollBarHost::Action(int action)
{
    if (action == QAbstractSlider::SliderMove) {
        FRequest(SB_THUMBTRACK, FBar->sliderPosition());
        // A wheel turned over the bar moves it without a release to follow.
        if (!FBar->isSliderDown()) {
            FRequest(SB_THUMBPOSITION, FBar->sliderPosition());
            FRequest(SB_ENDSCROLL, 0);
            FBar->setSliderPosition(FPosition);
        }
        return;
    }
    const intptr_t code = ScrollCodeOfAction(action);
    if (code < 0)
        return;
    FRequest(code, 0);
    FRequest(SB_ENDSCROLL, 0);
    FBar->setSliderPosition(FPosition);
}

void TScrollBarHost::SetParams(int32_t min, int32_t max, int32_t page, int32_t position)
{
    page = std::max(page, 1);
    const int32_t last = std::max(min, max - page + 1);
    FPosition = std::clamp(position, min, last);
    const QSignalBlocker blocker(FBar.get());
    FBar->setRange(min, last);
    FBar->setPageStep(page);
    if (!FBar->isSliderDown())
        FBar->setValue(FPosition);
}

void TScrollBarHost::SetOrientation(bool horizontal) { FBar->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical); }

void TScrollBarHost::SetGeometry(const TRect& rect) { FBar->setGeometry(rect.Left, rect.Top, rect.Width(), rect.Height()); }

void TScrollBarHost::SetVisible(bool visible)
{
    FVisible = visible;
    FBar->setVisible(visible);
}
