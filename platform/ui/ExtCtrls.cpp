#include "platform/ui/ExtCtrls.h"

#include <QRegularExpression>

// ---- TShape

TShape::TShape(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 65);
    FPen.OnChange = [this](TPen*) { Invalidate(); };
    FBrush.OnChange = [this](TBrush*) { Invalidate(); };
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType shape)
{
    FShape = shape;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.SetPen(FPen);
    canvas.SetBrush(FBrush);
    // The pen lies inside the bounds, as on the platform.
    const int32_t inset = FPen.Width() / 2;
    int32_t width = Width() - FPen.Width() + 1;
    int32_t height = Height() - FPen.Width() + 1;
    int32_t left = inset;
    int32_t top = inset;
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        const int32_t side = std::min(width, height);
        left += (width - side) / 2;
        top += (height - side) / 2;
        width = height = side;
    }
    switch (FShape) {
    case stRoundRect:
    case stRoundSquare:
        canvas.RoundRect(left, top, left + width, top + height, std::min(width, height) / 4, std::min(width, height) / 4);
        break;
    case stEllipse:
    case stCircle:
        canvas.Ellipse(left, top, left + width, top + height);
        break;
    default:
        canvas.Rectangle(left, top, left + width, top + height);
        break;
    }
}

// ---- TCustomPanel

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    TControlStyle style = ControlStyle();
    SetControlStyle(style << csAcceptsControls);
    SetColor(clBtnFace);
    SetParentColor(true);
    SetBounds(0, 0, 185, 41);
}

TCustomPanel::~TCustomPanel() = default;

void TCustomPanel::SetBevelOuter(TBevelCut bevel)
{
    FBevelOuter = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel)
{
    FBevelInner = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int32_t width)
{
    FBevelWidth = std::max(width, 1);
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment)
{
    FAlignment = alignment;
    Invalidate();
}

void TCustomPanel::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        if (cut != bvSpace) {
            const TColor topLeft = cut == bvRaised ? clBtnHighlight : clBtnShadow;
            const TColor bottomRight = cut == bvRaised ? clBtnShadow : clBtnHighlight;
            for (int32_t step = 0; step < FBevelWidth; ++step) {
                canvas.Pen().SetColor(topLeft);
                canvas.MoveTo(rect.Left + step, rect.Bottom - 1 - step);
                canvas.LineTo(rect.Left + step, rect.Top + step);
                canvas.LineTo(rect.Right - 1 - step, rect.Top + step);
                canvas.Pen().SetColor(bottomRight);
                canvas.LineTo(rect.Right - 1 - step, rect.Bottom - 1 - step);
                canvas.LineTo(rect.Left + step, rect.Bottom - 1 - step);
            }
        }
        rect = Rect(rect.Left + FBevelWidth, rect.Top + FBevelWidth, rect.Right - FBevelWidth, rect.Bottom - FBevelWidth);
    };
    bevel(FBevelOuter);
    bevel(FBevelInner);
    if (Caption().isEmpty())
        return;
    static constexpr uint32_t AlignmentFlags[] = { DT_LEFT, DT_RIGHT, DT_CENTER };
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(Caption(), rect, DT_SINGLELINE | DT_VCENTER | AlignmentFlags[static_cast<int>(FAlignment)]);
}

// ---- TImage

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }
TImage::~TImage() = default;

void TImage::SetPicture(const TPicture& picture)
{
    FPicture.Assign(picture);
    Invalidate();
}

void TImage::SetStretch(bool stretch)
{
    FStretch = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center)
{
    FCenter = center;
    Invalidate();
}

void TImage::SetTransparent(bool transparent)
{
    FTransparent = transparent;
    Invalidate();
}

void TImage::Paint()
{
    const TGraphic* graphic = FPicture.Graphic();
    if (!graphic || graphic->Empty())
        return;
    if (FStretch) {
        Canvas().StretchDraw(ClientRect(), *graphic);
        return;
    }
    const int32_t left = FCenter ? (Width() - graphic->Width()) / 2 : 0;
    const int32_t top = FCenter ? (Height() - graphic->Height()) / 2 : 0;
    Canvas().Draw(left, top, *graphic);
}

// ---- TLinkLabel

TLinkLabel::TLinkLabel(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 53, 17);
    TControlStyle style = ControlStyle();
    SetControlStyle(style << csOpaque);
}

TLinkLabel::~TLinkLabel() = default;

void TLinkLabel::Parse()
{
    static const QRegularExpression Anchor(
        QStringLiteral(R"re(<a(?:\s+href\s*=\s*(?:"([^"]*)"|'([^']*)'))?\s*>(.*?)</a>)re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    FPlainText.clear();
    FLinks.clear();
    const String& caption = Caption();
    qsizetype position = 0;
    for (auto match = Anchor.globalMatch(caption); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        FPlainText += caption.mid(position, found.capturedStart() - position);
        const String text = found.captured(3);
        String href = found.captured(1).isNull() ? found.captured(2) : found.captured(1);
        if (href.isEmpty())
            href = text;
        FLinks.push_back({ href, static_cast<int32_t>(FPlainText.size()), static_cast<int32_t>(text.size()) });
        FPlainText += text;
        position = found.capturedEnd();
    }
    FPlainText += caption.mid(position);
}

void TLinkLabel::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Parse();
    Canvas().SetFont(Font());
    const TSize size = Canvas().TextExtent(FPlainText);
    SetBounds(Left(), Top(), size.cx + 2, size.cy + 2);
    Invalidate();
}

int32_t TLinkLabel::CharAtX(int32_t x) const
{
    TCanvas& canvas = const_cast<TLinkLabel*>(this)->Canvas();
    canvas.SetFont(Font());
    for (int32_t index = 0; index < FPlainText.size(); ++index)
        if (x < 1 + canvas.TextWidth(FPlainText.left(index + 1)))
            return index;
    return -1;
}

int32_t TLinkLabel::LinkAtPos(TPoint point) const
{
    const int32_t character = CharAtX(point.X);
    for (size_t index = 0; index < FLinks.size(); ++index)
        if (character >= FLinks[index].Start && character < FLinks[index].Start + FLinks[index].Length)
            return static_cast<int32_t>(index);
    return -1;
}

void TLinkLabel::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    const int32_t link = LinkAtPos({ x, y });
    if (link >= 0 && OnLinkClick)
        OnLinkClick(this, FLinks[static_cast<size_t>(link)].Href, sltURL);
}

void TLinkLabel::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    SetCursor(LinkAtPos({ x, y }) >= 0 ? crHandPoint : crDefault);
    TCustomControl::MouseMove(shift, x, y);
}

void TLinkLabel::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.Brush().SetStyle(bsClear);
    int32_t x = 1;
    int32_t position = 0;
    auto run = [&](int32_t length, bool link) {
        const String text = FPlainText.mid(position, length);
        canvas.SetFont(Font());
        if (link) {
            canvas.Font().SetColor(clHotLight);
            canvas.Font().SetStyle(Font().Style() + TFontStyles { fsUnderline });
        }
        canvas.TextOut(x, 1, text);
        x += canvas.TextWidth(text);
        position += length;
    };
    for (const TLink& link : FLinks) {
        run(link.Start - position, false);
        run(link.Length, true);
    }
    run(static_cast<int32_t>(FPlainText.size()) - position, false);
}

