#pragma once

#include "platform/ui/Forms.h"

template <typename T>
THintWindow* NewHintWindow(TComponent* owner)
{
    return new T(owner);
}
template <typename T>
inline constexpr THintWindowClass HintWindowClassOf = &NewHintWindow<T>;

// A hint request, passed by pointer in CM_HINTSHOW's LParam. The control
// may change any field; a non-zero result or an empty HintStr shows nothing.
// The hint stays while the pointer is inside CursorRect; leaving it asks
// again.
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = nullptr;
    // Where the hint's top-left corner goes, in screen coordinates.
    TPoint HintPos;
    int32_t HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    // In the client coordinates of HintControl.
    TRect CursorRect;
    TPoint CursorPos;
    int32_t ReshowTimeout = 0;
    // Milliseconds until the hint goes by itself; 0 keeps it.
    int32_t HideTimeout = 0;
    String HintStr;
    void* HintData = nullptr;
};

// The text before the first "|" of a hint, and the text after it.
String GetShortHint(const String& hint);
String GetLongHint(const String& hint);

// The window a hint shows in: plain text (never markup) on HintColor, a
// form of kind wkHint, so showing it moves neither the activation nor the
// focus.
class THintWindow : public TForm {
public:
    explicit THintWindow(TComponent* owner);
    ~THintWindow() override;

    // The size the hint needs, at (0, 0), its text wrapped at maxWidth.
    virtual TRect CalcHintRect(int32_t maxWidth, const String& hint, void* data);
    // Shows hint in rect (screen coordinates), moved inside the monitor.
    virtual void ActivateHint(TRect rect, const String& hint);
    virtual void ActivateHintData(TRect rect, const String& hint, void* data);
    // Hides the window.
    void ReleaseHandle() { Hide(); }

    TCanvas& Canvas() { return FCanvas; }

protected:
    virtual void Paint();
    void PaintWindow(QPainter& painter) override;

private:
    TCanvas FCanvas;
};
