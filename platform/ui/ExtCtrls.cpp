#include "platform/ui/ExtCtrls.h"


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

namespace {

bool SameLetter(QChar character, char16_t lower) { return character.toLower().unicode() == lower; }

// For every position of a caption, the first place at or after it where a
// closing tag, a double and a single quote stand (-1: none): a tag left open
// then costs one look-up instead of a scan to the end of the caption.
struct TNextPlaces {
    explicit TNextPlaces(const String& caption)
    {
        const auto length = static_cast<int32_t>(caption.size());
        Close.assign(static_cast<size_t>(length) + 1, -1);
        Double.assign(static_cast<size_t>(length) + 1, -1);
        Single.assign(static_cast<size_t>(length) + 1, -1);
        for (int32_t index = length - 1; index >= 0; --index) {
            const auto at = static_cast<size_t>(index);
            const bool close = index + 4 <= length && caption[index] == u'<' && caption[index + 1] == u'/'
                && SameLetter(caption[index + 2], u'a') && caption[index + 3] == u'>';
            Close[at] = close ? index : Close[at + 1];
            Double[at] = caption[index] == u'"' ? index : Double[at + 1];
            Single[at] = caption[index] == u'\'' ? index : Single[at + 1];
        }
    }
    std::vector<int32_t> Close;
    std::vector<int32_t> Double;
    std::vector<int32_t> Single;
};

int32_t SkipSpaces(const String& text, int32_t index)
{
    while (index < text.size() && text[index].isSpace())
        ++index;
    return index;
}

// After "<a": blanks, "href", "=", a quoted target; the place after the
// closing quote and the target, or -1.
int32_t ParseHref(const String& caption, int32_t index, const TNextPlaces& next, String& href)
{
    const auto length = static_cast<int32_t>(caption.size());
    const int32_t name = SkipSpaces(caption, index);
    if (name == index || name + 4 > length)
        return -1;
    if (!SameLetter(caption[name], u'h') || !SameLetter(caption[name + 1], u'r') || !SameLetter(caption[name + 2], u'e')
        || !SameLetter(caption[name + 3], u'f'))
        return -1;
    const int32_t equals = SkipSpaces(caption, name + 4);
    if (equals >= length || caption[equals] != u'=')
        return -1;
    const int32_t quote = SkipSpaces(caption, equals + 1);
    if (quote >= length || (caption[quote] != u'"' && caption[quote] != u'\''))
        return -1;
    const auto after = static_cast<size_t>(quote) + 1;
    const int32_t closing = caption[quote] == u'"' ? next.Double[after] : next.Single[after];
    if (closing < 0)
        return -1;
    href = caption.mid(quote + 1, closing - quote - 1);
    return closing + 1;
}

} // namespace

// Links are <a>text</a> or <a href="target">text</a> (single quotes too,
// any case, blanks around the attribute); a tag without its closing "</a>"
// stays plain text. One pass over the caption, however many tags are open.
void TLinkLabel::Parse()
{
    FPlainText.clear();
    FLinks.clear();
    const String& caption = Caption();
    const auto length = static_cast<int32_t>(caption.size());
    const TNextPlaces next(caption);
    int32_t position = 0;
    for (int32_t start = 0; start + 1 < length; ++start) {
        if (caption[start] != u'<' || !SameLetter(caption[start + 1], u'a'))
            continue;
        String href;
        bool quoted = true;
        int32_t tagEnd = ParseHref(caption, start + 2, next, href);
        if (tagEnd < 0) {
            quoted = false;
            tagEnd = start + 2;
        }
        tagEnd = SkipSpaces(caption, tagEnd);
        if (tagEnd >= length || caption[tagEnd] != u'>')
            continue;
        const int32_t textStart = tagEnd + 1;
        const int32_t close = next.Close[static_cast<size_t>(textStart)];
        if (close < 0)
            continue;
        const String text = caption.mid(textStart, close - textStart);
        if (!quoted || href.isEmpty())
            href = text;
        FPlainText += caption.mid(position, start - position);
        FLinks.push_back({ href, static_cast<int32_t>(FPlainText.size()), static_cast<int32_t>(text.size()) });
        FPlainText += text;
        position = close + 4;
        start = position - 1;
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
    // The first character whose end lies right of x; the widths of the
    // leading parts grow with their length, so halving finds it.
    auto low = 0;
    auto high = static_cast<int32_t>(FPlainText.size());
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        if (x < 1 + canvas.TextWidth(FPlainText.left(middle + 1)))
            high = middle;
        else
            low = middle + 1;
    }
    return low < FPlainText.size() ? low : -1;
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

