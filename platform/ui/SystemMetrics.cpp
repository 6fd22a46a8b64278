#include "platform/ui/SystemMetrics.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <optional>

namespace {

QStyle* Style() { return QApplication::style(); }

int32_t Metric(QStyle::PixelMetric metric) { return Style() ? Style()->pixelMetric(metric) : 0; }

QSize ScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

// The classic desktop's sizes where the style has no word for them.
constexpr int32_t ClassicBorder = 1;
constexpr int32_t ClassicEdge = 2;
constexpr int32_t ClassicDialogFrame = 3;
constexpr int32_t ClassicSizingFrame = 4;
constexpr int32_t ClassicIcon = 32;
constexpr int32_t ClassicSmallIcon = 16;
constexpr int32_t ClassicCaption = 18;
constexpr int32_t ClassicMenu = 19;
constexpr int32_t DoubleClickArea = 4;

// A setting made by the program (0 and whole pages included, which the
// toolkit cannot hold); until then the desktop's.
std::optional<uint32_t>& WheelLinesSet()
{
    static std::optional<uint32_t> lines;
    return lines;
}

} // namespace

int32_t GetSystemMetrics(int32_t index)
{
    switch (index) {
    case SM_CXSCREEN:
        return ScreenSize().width();
    case SM_CYSCREEN:
        return ScreenSize().height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return Metric(QStyle::PM_ScrollBarExtent);
    case SM_CYCAPTION:
        return ClassicCaption;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return ClassicBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return ClassicDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return ClassicSizingFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return ClassicEdge;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return ClassicIcon;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return ClassicSmallIcon;
    case SM_CYMENU:
        return ClassicMenu;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return DoubleClickArea;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return QApplication::startDragDistance();
    case SM_MOUSEWHEELPRESENT:
        return 1;
    default:
        return 0;
    }
}

bool SystemParametersInfo(uint32_t action, uint32_t uiParam, void* pvParam, uint32_t winIni)
{
    (void)winIni;
    switch (action) {
    case SPI_GETWHEELSCROLLLINES:
        if (!pvParam)
            return false;
        *static_cast<uint32_t*>(pvParam) = WheelScrollLines();
        return true;
    case SPI_SETWHEELSCROLLLINES:
        WheelLinesSet() = uiParam;
        return true;
    default:
        return false;
    }
}

uint32_t WheelScrollLines()
{
    if (WheelLinesSet())
        return *WheelLinesSet();
    const int lines = QApplication::wheelScrollLines();
    return lines < 0 ? WHEEL_PAGESCROLL : static_cast<uint32_t>(lines);
}

int32_t WheelScrollRows(int32_t wheelDelta, int32_t pageRows)
{
    const uint32_t setting = WheelScrollLines();
    const int64_t lines = setting == WHEEL_PAGESCROLL ? pageRows : static_cast<int64_t>(setting);
    return static_cast<int32_t>(static_cast<int64_t>(wheelDelta) * lines / WHEEL_DELTA);
}

uint32_t GetDoubleClickTime() { return static_cast<uint32_t>(QApplication::doubleClickInterval()); }
