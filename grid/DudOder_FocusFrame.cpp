#include "grid/DudOder_FocusFrame.h"

#include "grid/DudOder.h"
#include "grid/base/RovIvir_Draw.h"
#include "grid/base/VidEri_AlphaMask.h"
#include "grid/base/VidEri_FocusWindow.h"
#include "platform/graphics/Region.h"
#include "platform/ui/WindowPosHook.h"

#include <mutex>

// The soft light-blue ring laid around the edited cell: a blurred rounded
// outline as the picture's alpha, and a window region that leaves the cell
// itself visible and clickable.

TDudStringGrid* FocusFrameGrid = nullptr;

namespace {

constexpr TColor FrameColor = 0xFDD397;
constexpr uint8_t FrameOpacity = 230;
// The ring reaches 4 pixels beyond the cell at the left and top, 5 at the
// right and bottom.
constexpr int32_t FrameInset = 4;
constexpr int32_t FrameGrowth = 9;

} // namespace

bool ShowLayeredMask(TForm* wnd, const TGridAlphaMask& mask)
{
    if (!wnd || mask.Height() == 0)
        return false;
    wnd->SetLayered(true);
    wnd->SetBounds(wnd->Left(), wnd->Top(), mask.Width(), mask.Height());
    const TPoint position { wnd->Left(), wnd->Top() };
    const TSize size { mask.Width(), mask.Height() };
    const TPoint origin {};
    TBlendFunction blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = mask.Opacity();
    blend.AlphaFormat = AC_SRC_ALPHA;
    return DynUpdateLayeredWindow(wnd, &position, &size, &mask, &origin, clNone, &blend, ULW_ALPHA);
}

void TDudStringGrid::ShowEditFocusFrame(const TRect& R)
{
    if (!FFocusWindow)
        FFocusWindow = new TGridFocusWindow(this);
    TGridFocusWindow& window = *FFocusWindow;
    window.Hide();
    const int32_t width = R.Width() + FrameGrowth;
    const int32_t height = R.Height() + FrameGrowth;
    window.SetBounds(window.Left(), window.Top(), width, height);

    TBitmap mask;
    MakeRoundRectMask(mask, width, height, 3, 5, 4);
    TBitmap colour;
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(width, height);
    colour.Canvas().Pen().SetColor(FrameColor);
    colour.Canvas().Brush().SetColor(FrameColor);
    colour.Canvas().FillRect(Rect(0, 0, width, height));
    TGridAlphaMask picture;
    picture.MergeMask(mask, colour, 0xFFFF);
    picture.SetOpacity(FrameOpacity);
    ShowLayeredMask(&window, picture);

    const TRegion ring = TRegion(Rect(0, 0, width, height))
                             .Xored(TRegion(Rect(0, 0, R.Width(), R.Height())).Translated(FrameInset, FrameInset));
    window.SetWindowRegion(&ring);

    const TPoint topLeft = ClientToScreen({ R.Left, R.Top });
    window.SetBounds(topLeft.X - FrameInset, topLeft.Y - FrameInset, width, height);
    window.ShowNoActivate();
}

void TDudStringGrid::MoveEditFocusFrame()
{
    if (!FFocusWindow)
        return;
    const TRect cell = TBaseGrid::CellRect(Col(), Row());
    const TPoint topLeft = ClientToScreen({ cell.Left, cell.Top });
    FFocusWindow->SetBounds(
        topLeft.X - FrameInset, topLeft.Y - FrameInset, cell.Width() + FrameGrowth, cell.Height() + FrameGrowth);
}

void TDudStringGrid::HideEditFocusFrame()
{
    FocusFrameGrid = nullptr;
    if (FFocusWindow)
        FFocusWindow->Hide();
}

// Editing a cell lays the frame around it when the focus helper asks for it.
void TDudStringGrid::PlaceEditFocusFrame()
{
    if (!FFocusHelper->Enabled())
        return;
    // The frame follows its grid when any window moves, as the form does.
    static std::once_flag hooked;
    std::call_once(hooked, [] {
        SetWindowPosHook([](TControl*) {
            if (FocusFrameGrid)
                FocusFrameGrid->MoveEditFocusFrame();
        });
    });
    FocusFrameGrid = this;
    ShowEditFocusFrame(TBaseGrid::CellRect(Col(), Row()));
}
