#pragma once

#include <cstdint>

// The sizes and settings of the desktop the controls follow, with the
// platform's index values. Every control asks here, so a test or a theme
// changes them in one place.
constexpr int32_t SM_CXSCREEN = 0;
constexpr int32_t SM_CYSCREEN = 1;
constexpr int32_t SM_CXVSCROLL = 2;
constexpr int32_t SM_CYHSCROLL = 3;
constexpr int32_t SM_CYCAPTION = 4;
constexpr int32_t SM_CXBORDER = 5;
constexpr int32_t SM_CYBORDER = 6;
constexpr int32_t SM_CXDLGFRAME = 7;
constexpr int32_t SM_CYDLGFRAME = 8;
constexpr int32_t SM_CYVTHUMB = 9;
constexpr int32_t SM_CXHTHUMB = 10;
constexpr int32_t SM_CXICON = 11;
constexpr int32_t SM_CYICON = 12;
constexpr int32_t SM_CXCURSOR = 13;
constexpr int32_t SM_CYCURSOR = 14;
constexpr int32_t SM_CYMENU = 15;
constexpr int32_t SM_CYVSCROLL = 20;
constexpr int32_t SM_CXHSCROLL = 21;
constexpr int32_t SM_CXFRAME = 32;
constexpr int32_t SM_CYFRAME = 33;
constexpr int32_t SM_CXDOUBLECLK = 36;
constexpr int32_t SM_CYDOUBLECLK = 37;
constexpr int32_t SM_CXEDGE = 45;
constexpr int32_t SM_CYEDGE = 46;
constexpr int32_t SM_CXSMICON = 49;
constexpr int32_t SM_CYSMICON = 50;
constexpr int32_t SM_CXDRAG = 68;
constexpr int32_t SM_CYDRAG = 69;
constexpr int32_t SM_MOUSEWHEELPRESENT = 75;

constexpr uint32_t SPI_GETWHEELSCROLLLINES = 0x0068;
constexpr uint32_t SPI_SETWHEELSCROLLLINES = 0x0069;
// The wheel setting that scrolls a page per notch instead of lines.
constexpr uint32_t WHEEL_PAGESCROLL = 0xFFFFFFFF;
// One notch of the wheel, in the units of a wheel delta.
constexpr int32_t WHEEL_DELTA = 120;

// 0 for an index the layer does not know.
int32_t GetSystemMetrics(int32_t index);
// SPI_GETWHEELSCROLLLINES writes the lines per notch to *(uint32_t*)pvParam;
// SPI_SETWHEELSCROLLLINES takes them from uiParam. False for other actions.
bool SystemParametersInfo(uint32_t action, uint32_t uiParam, void* pvParam, uint32_t winIni);
// The lines one wheel notch scrolls (SPI_GETWHEELSCROLLLINES).
uint32_t WheelScrollLines();
// The rows a wheel delta scrolls, up for a positive delta: the wheel-scroll
// lines per notch, or pageRows when the setting asks for whole pages.
int32_t WheelScrollRows(int32_t wheelDelta, int32_t pageRows);
// The longest pause between the clicks of a double click, in milliseconds.
uint32_t GetDoubleClickTime();
