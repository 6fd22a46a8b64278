#include "platform/ui/StdCtrls.h"

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetBounds(0, 0, 185, 89);
    FLines.OnChange = [this](TStringList*) { LinesChanged(); };
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetWordWrap(bool wordWrap)
{
    FWordWrap = wordWrap;
    Invalidate();
}

// Lines and Text are kept equal; whichever changes, OnChange fires once.
void TCustomMemo::LinesChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    SetText(FLines.Text());
    FSyncing = false;
}

void TCustomMemo::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    if (!FSyncing) {
        FSyncing = true;
        FLines.SetText(Text());
        FSyncing = false;
    }
    Invalidate();
    Change();
}

void TCustomMemo::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomMemo::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
    case WM_CHAR: {
        const auto character = static_cast<TChar>(message.WParam);
        if (FReadOnly)
            return;
        if (character == 8 && !Text().isEmpty())
            SetText(Text().chopped(Text().endsWith(QStringLiteral("\r\n")) ? 2 : 1));
        else if (character == 13)
            SetText(Text() + QStringLiteral("\r\n"));
        else if (character >= 0x20)
            SetText(Text() + QChar(character));
        else
            return;
        FModified = true;
        return;
    }
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomMemo::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Enabled() ? Color() : clBtnFace);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(ClientRect());
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    TRect textRect = Rect(3, 2, Width() - 3, Height() - 2);
    canvas.DrawText(Text(), textRect, DT_NOPREFIX | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0));
}
