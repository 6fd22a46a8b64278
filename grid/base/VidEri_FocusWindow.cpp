#include "grid/base/VidEri_FocusWindow.h"

TGridFocusWindow::TGridFocusWindow(TComponent* owner) : TForm(owner)
{
    SetBorderStyle(bsNone);
    SetWindowKind(wkOverlay);
    SetFormStyle(fsStayOnTop);
    SetEnabled(false);
    SetBounds(0, 0, 0, 0);
    SetColor(clRed);
}
