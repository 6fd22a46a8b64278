#include "grid/base/MarkupRender.h"

#include "grid/base/DudXPVS.h"
#include "grid/base/MarkupRunExtents.h"
#include "grid/base/MarkupText.h"
#include "grid/base/PictureContainer.h"
#include "platform/core/Math.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/graphics/FileIcons.h"
#include "platform/graphics/ImageList.h"

#include <algorithm>
#include <vector>

namespace {

TColor HighlightBackground = clHighlight;
TColor HighlightText = clHighlightText;

constexpr int32_t ListIndent = 12;
constexpr int32_t ControlHeight = 25;
// Font sizes beyond this are taken as this: a typo in a file must not ask
// the font engine for glyphs the size of a house.
constexpr int32_t LargestFontSize = 400;
// Sizes and offsets the text asks for are taken up to these, and positions
// stop growing at the second: a text holding nine-digit sizes must lay out
// without its sums wrapping round.
constexpr int32_t LargestSize = 32767;
constexpr int32_t LargestPosition = 1 << 30;

int32_t SizeFrom(const String& value, bool* isNumber = nullptr)
{
    return std::min(LeadingNumber(value, isNumber), LargestSize);
}

void Advance(int32_t& position, int64_t by)
{
    position = static_cast<int32_t>(std::clamp<int64_t>(position + by, -LargestPosition, LargestPosition));
}

// Each line is measured, then drawn or, when only hit-testing, measured again
// over what the first pass placed on it.
enum class TPass { Measure, Draw, HitTest };

// The state of one line, shared by its two passes.
struct TLine {
    int32_t Height = 0;
    int32_t SuperscriptExtra = 0;
    int32_t SubscriptExtra = 0;
    int32_t BaselineRaise = 0;
    bool Superscript = false;
    bool Subscript = false;
    // The width of each run the measuring pass placed, in order: the second
    // pass meets the same runs in the same fonts and measures none again.
    std::vector<int32_t> RunWidths;
};

// What the measuring pass of a line hands on.
struct TLineResult {
    String Consumed;
    int32_t Width = 0;
};

class TMarkupRenderer {
public:
    TMarkupRenderer(TCanvas& canvas, const TRect& rect) : FCanvas(canvas), FRect(rect) { }

    // Inputs.
    const TImageList* Images = nullptr;
    int32_t MouseX = 0;
    int32_t MouseY = 0;
    int32_t FocusLink = -1;
    int32_t HoverLink = -1;
    int32_t ShadowOffset = 1;
    bool HitTestOnly = false;
    bool ScaleImages = false;
    bool KeepColors = false;
    bool BlinkOn = true;
    bool HoverUnderlineOnly = false;
    bool WordWrap = false;
    bool ControlDown = false;
    double ScaleFactor = 1.0;
    TColor AnchorColor = clBlue;
    TColor HoverBackColor = clNone;
    TColor HoverTextColor = clNone;
    TColor ShadowColor = clGray;
    THTMLPictureCache* PictureCache = nullptr;
    const TPictureContainer* Pictures = nullptr;
    const TWinControl* Window = nullptr;
    bool RightToLeft = false;

    // Outputs.
    String AnchorUnderMouse;
    String PlainText;
    String FocusAnchor;
    String AnchorTitle;
    int32_t ExtentX = 0;
    int32_t AnchorCount = 0;
    int32_t HoverAnchorIndex = -1;
    TRect HoverAnchorRect;
    TRect ControlRect;
    String ControlID;
    String ControlValue;
    String ControlType;

    TFont BaseFont;
    TColor EntryBackground = clNone;

    // Paragraph, kept until another P tag.
    int32_t Alignment = 0;
    int32_t Indent = 0;

    // What a pass changes that the next line starts from: saved before the
    // measuring pass of each line and put back for its second pass, so that
    // a tag met late in a line never acts on the runs before it.
    struct TCarried {
        bool InAnchor = false;
        String Href;
        String Title;
        int32_t AnchorCount = 0;
        int32_t ListLevel = 0;
        int32_t ImageCount = 0;
        bool Hidden = false;
        bool Shadow = false;
        int32_t RotatedPrevious = 0;
    };
    TCarried Carried;
    int32_t HoveredImage = -1;

    TLineResult RenderLine(const String& text, qsizetype& position, const TRect& lineRect, TPass pass,
        TLine& line, bool& anchorHit, bool& controlHit);
    int32_t UnitHeight() { return MarkupLineHeight(FCanvas); }

private:
    struct TLineContext;
    void HandleTag(QStringView tag, TLineContext& context);
    void HandleEndTag(QChar letter, QStringView tag, TLineContext& context);
    void HandleStartTag(QChar letter, QStringView tag, TLineContext& context);
    void AnchorStart(QStringView tag, TLineContext& context);
    void AnchorEnd(TLineContext& context);
    void FontStart(QStringView tag, TLineContext& context);
    void FontEnd(TLineContext& context);
    void Body(QStringView tag, TLineContext& context);
    void Paragraph(QStringView tag, TLineContext& context);
    void ListItem(TLineContext& context);
    void Image(QStringView tag, TLineContext& context);
    void Control(QStringView tag, TLineContext& context);
    void DrawControl(const TControlTag& control, int32_t width, int32_t height, int32_t& hitWidth,
        int32_t& hitHeight, TLineContext& context);
    void DrawRun(const String& run, TLineContext& context, int32_t& width);
    // The width a run takes on a line of that width.
    int32_t MeasureRun(const String& run, int32_t lineWidth, int32_t lineHeight);
    void DrawErrorMark(int32_t left, int32_t right, int32_t bottom);
    THTMLPicture* FindPicture(const String& source);
    TColor BrushColorOrNone();
    void SetBrushColorOrClear(TColor color);
    void SetStyle(TFontStyle style, bool on);
    // The width of a blank in the canvas font.
    int32_t BlankWidth();
    void CloseFocusRect(int32_t right, int32_t bottom);

    TCanvas& FCanvas;
    TRect FRect;

    bool FErrorMark = false;
    bool FParagraphBack = false;
    TColor FAnchorBrush = clNone;
    TColor FAnchorText = clNone;
    TColor FFontBrush = clNone;
    TColor FHighlightBrush = clNone;
    TColor FHighlightText = clNone;
    TColor FParagraphBrush = clNone;
    TPoint FAnchorStart;
    int32_t FAnchorLine = 0;
    int32_t FHoveredAnchor = -1;
    bool FFocusOpen = false;
    TPoint FFocusStart;
    int32_t FLineNumber = 0;
};

// The working state of one pass over a line.
struct TMarkupRenderer::TLineContext {
    TPass Pass;
    TLine& Line;
    TRect LineRect;
    int32_t TextBottom = 0;
    int32_t XAdvance = 0;
    // Where the next run starts (left-to-right) or ends (right-to-left).
    int32_t Left = 0;
    int32_t FreeRight = 0;
    String LineText;
    bool ForcedBreak = false;
    bool OverflowBreak = false;
    bool ListItemSeen = false;
    bool AnchorHit = false;
    bool ControlHit = false;
    bool Consumed = false;
    size_t RunIndex = 0;

    bool Drawing() const { return Pass == TPass::Draw; }
    // The measuring pass's width of the next run; -1 in that pass itself.
    int32_t KnownWidth()
    {
        if (Pass == TPass::Measure || RunIndex >= Line.RunWidths.size())
            return -1;
        return Line.RunWidths[RunIndex++];
    }
    int32_t LineWidth() const { return LineRect.Right - LineRect.Left; }
    // A forced break ends the line after its tag. An overflow break leaves
    // the tag for the next line, so it may end a line only after something
    // went onto it: every line takes at least one run or tag and the layout
    // always advances.
    void Break(bool overflow)
    {
        if (!overflow)
            ForcedBreak = true;
        else if (Consumed)
            OverflowBreak = true;
    }
};

TColor TMarkupRenderer::BrushColorOrNone()
{
    return FCanvas.Brush().Style() == bsClear ? clNone : FCanvas.Brush().Color();
}

void TMarkupRenderer::SetBrushColorOrClear(TColor color)
{
    if (color == clNone) {
        FCanvas.Brush().SetStyle(bsClear);
        return;
    }
    FCanvas.Brush().SetColor(color);
    FCanvas.Brush().SetStyle(bsSolid);
}

void TMarkupRenderer::SetStyle(TFontStyle style, bool on)
{
    TFontStyles styles = FCanvas.Font().Style();
    if (on)
        styles << style;
    else
        styles >> style;
    FCanvas.Font().SetStyle(styles);
}

int32_t TMarkupRenderer::BlankWidth()
{
    const String blank = QStringLiteral(" ");
    if (const int32_t width = MarkupRunWidth(FCanvas, blank); width >= 0)
        return width;
    return FCanvas.TextWidth(blank);
}

TColor AttributeColor(const String& value)
{
    if (value.startsWith(u'#'))
        return ColorFromHex(value.toUpper());
    return ColorFromName(value.toLower());
}

TLineResult TMarkupRenderer::RenderLine(const String& text, qsizetype& position, const TRect& lineRect, TPass pass,
    TLine& line, bool& anchorHit, bool& controlHit)
{
    TLineContext context { pass, line };
    context.LineRect = lineRect;
    context.TextBottom = lineRect.Bottom - line.SubscriptExtra;
    context.Left = lineRect.Left;
    context.FreeRight = lineRect.Right;
    TLineResult result;
    int32_t trailingBlank = 0;
    // Only the measuring pass decides where the line ends and gives its text.
    const bool firstPass = pass == TPass::Measure;

    if (context.Drawing() && FParagraphBack) {
        FCanvas.Pen().SetColor(FCanvas.Brush().Color());
        FCanvas.FillRect(Rect(FRect.Left, lineRect.Top, FRect.Right, lineRect.Top + line.Height));
    }

    // The next "<" and blank are looked up once each and reused until the
    // position passes them, so long texts are scanned once.
    qsizetype nextTag = -1;
    qsizetype nextBlank = -1;
    auto refresh = [&](qsizetype& cached, QChar character) {
        if (cached != text.size() && cached < position) {
            cached = text.indexOf(character, position);
            if (cached < 0)
                cached = text.size();
        }
    };

    while (position < text.size() && !context.ForcedBreak && !context.OverflowBreak) {
        refresh(nextTag, u'<');
        qsizetype runEnd = nextTag;
        if (WordWrap) {
            refresh(nextBlank, u' ');
            if (nextBlank < nextTag)
                runEnd = nextBlank + 1;
        }
        if (runEnd > position) {
            String run = text.mid(position, runEnd - position);
            if (run.contains(u'&')) {
                run.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
                run.replace(QLatin1String("&lt;"), QLatin1String("<"));
                run.replace(QLatin1String("&gt;"), QLatin1String(">"));
            }
            // Every run of a font is as high as any other.
            const int32_t height = MarkupLineHeight(FCanvas);
            if (line.Superscript)
                line.SuperscriptExtra = std::max(line.SuperscriptExtra, height / 4);
            if (line.Subscript)
                line.SubscriptExtra = std::max(line.SubscriptExtra, height / 4);
            line.Height = std::max(line.Height, height);
            // Each line's plain text is given once, by its measuring pass.
            if (firstPass)
                PlainText += run;
            if (Carried.Hidden) {
                position = runEnd;
                context.Consumed = true;
            } else {
                int32_t width = 0;
                if (context.Drawing()) {
                    DrawRun(run, context, width);
                } else {
                    width = context.KnownWidth();
                    if (width < 0)
                        width = MeasureRun(run, lineRect.Width(), line.Height);
                    int32_t mx = MouseX - lineRect.Left;
                    if (RightToLeft)
                        mx = lineRect.Right - MouseX - lineRect.Left;
                    if (Carried.InAnchor && mx >= context.XAdvance && mx <= context.XAdvance + width) {
                        context.AnchorHit = true;
                        if (MouseY > lineRect.Top) {
                            AnchorUnderMouse = Carried.Href;
                            AnchorTitle = Carried.Title;
                            FHoveredAnchor = Carried.AnchorCount;
                        }
                    }
                }
                Advance(context.XAdvance, width);
                // A word wider than the line takes a line of its own.
                const bool fits = context.XAdvance < lineRect.Width()
                    || (width >= lineRect.Width() && context.LineText.isEmpty())
                    || (!context.LineText.isEmpty() && !context.LineText.endsWith(u' '));
                if (firstPass && !fits && WordWrap && context.Consumed) {
                    context.ForcedBreak = true;
                    context.XAdvance -= width;
                    break;
                }
                if (firstPass)
                    line.RunWidths.push_back(width);
                result.Consumed += QStringView(text).mid(position, runEnd - position);
                context.LineText += run;
                trailingBlank = run.endsWith(u' ') ? BlankWidth() : 0;
                position = runEnd;
                const bool firstRun = !context.Consumed;
                context.Consumed = true;
                if (firstPass && !fits && !WordWrap && !firstRun) {
                    // The overflowing run ends in an ellipsis and nothing
                    // after it is shown.
                    position = text.size();
                    break;
                }
            }
        }
        if (position >= text.size() || text[position] != u'<')
            continue;
        if (text.size() - position < 3) {
            position = text.size();
            break;
        }
        const qsizetype close = text.indexOf(u'>', position);
        const QStringView tag = close < 0 ? QStringView(text).mid(position) : QStringView(text).mid(position, close - position + 1);
        HandleTag(tag, context);
        if (close < 0) {
            position = text.size();
            break;
        }
        if (context.OverflowBreak)
            break;
        result.Consumed += tag;
        position = close + 1;
        context.Consumed = true;
    }

    context.XAdvance -= trailingBlank;
    ExtentX = std::max(ExtentX, context.XAdvance);
    result.Width = context.XAdvance;
    if (context.Drawing() && FFocusOpen && Carried.InAnchor && Carried.AnchorCount == FocusLink + 1) {
        CloseFocusRect(context.Left, context.TextBottom - line.BaselineRaise);
        FFocusStart = { lineRect.Left, lineRect.Top + line.Height };
        FFocusOpen = true;
    }
    anchorHit = context.AnchorHit;
    controlHit = context.ControlHit;
    ++FLineNumber;
    return result;
}

int32_t TMarkupRenderer::MeasureRun(const String& run, int32_t lineWidth, int32_t lineHeight)
{
    lineWidth = std::max(lineWidth, 1);
    const int32_t width = MarkupRunWidth(FCanvas, run);
    // Without word wrap a run wider than the line ends in an ellipsis, whose
    // width only the layout knows.
    if (width >= 0 && (WordWrap || width <= lineWidth))
        return width;
    TRect measured = Rect(0, 0, lineWidth, lineHeight);
    FCanvas.DrawText(
        run, measured, DT_CALCRECT | DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | (WordWrap ? 0 : DT_END_ELLIPSIS));
    return measured.Width();
}

void TMarkupRenderer::CloseFocusRect(int32_t right, int32_t bottom)
{
    TRect focus = Rect(FFocusStart.X, bottom - UnitHeight(), right, bottom);
    focus.Inflate(1, 0);
    FCanvas.DrawFocusRect(focus);
    FFocusOpen = false;
}

void TMarkupRenderer::DrawRun(const String& run, TLineContext& context, int32_t& width)
{
    TLine& line = context.Line;
    int32_t bottom = context.TextBottom;
    if (line.Superscript)
        bottom -= line.SuperscriptExtra;
    if (line.Subscript)
        bottom += line.SubscriptExtra;
    bottom -= line.BaselineRaise;
    uint32_t flags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | (WordWrap ? 0 : DT_END_ELLIPSIS);
    if (RightToLeft)
        flags |= DT_RIGHT;
    TRect runRect = RightToLeft ? Rect(context.LineRect.Left, context.LineRect.Top, context.FreeRight, bottom)
                                : Rect(context.Left, context.LineRect.Top, context.LineRect.Right, bottom);
    // A run that fits as it measured is neither cut nor clipped: drawing it
    // needs no second look at its width.
    width = context.KnownWidth();
    const bool fits = width >= 0 && width <= runRect.Width() && runRect.Height() >= MarkupLineHeight(FCanvas);
    if (fits)
        flags = (flags & ~DT_END_ELLIPSIS) | DT_NOCLIP;
    if (Carried.Shadow) {
        const TColor color = FCanvas.Font().Color();
        FCanvas.Font().SetColor(ShadowColor);
        TRect shadow = runRect;
        shadow.Offset(ShadowOffset, ShadowOffset);
        FCanvas.DrawText(run, shadow, flags);
        FCanvas.Font().SetColor(color);
    }
    FCanvas.DrawText(run, runRect, flags);
    if (!fits) {
        TRect measured = Rect(0, 0, std::max(runRect.Width(), 1), runRect.Height());
        FCanvas.DrawText(run, measured, flags | DT_CALCRECT);
        width = measured.Width();
    }
    if (Carried.InAnchor && Carried.AnchorCount == FocusLink + 1)
        FocusAnchor = Carried.Href;
    const int32_t runLeft = RightToLeft ? context.FreeRight - width : context.Left;
    if (FErrorMark)
        DrawErrorMark(runLeft, runLeft + width, context.TextBottom);
    if (RightToLeft)
        context.FreeRight -= width;
    else
        context.Left += width;
}

void TMarkupRenderer::DrawErrorMark(int32_t left, int32_t right, int32_t bottom)
{
    const TColor pen = FCanvas.Pen().Color();
    const int32_t penWidth = FCanvas.Pen().Width();
    FCanvas.Pen().SetColor(clRed);
    FCanvas.Pen().SetWidth(1);
    int32_t x = left - left % 2;
    int32_t phase = x % 4 == 0 ? 2 : 0;
    FCanvas.MoveTo(x, bottom + phase - 1);
    while (x < right) {
        phase = phase == 2 ? 0 : 2;
        FCanvas.LineTo(x + 2, bottom + phase - 1);
        x += 2;
    }
    FCanvas.Pen().SetColor(pen);
    FCanvas.Pen().SetWidth(penWidth);
}

void TMarkupRenderer::HandleTag(QStringView tag, TLineContext& context)
{
    if (tag.size() >= 4 && tag[1] == u'/')
        HandleEndTag(tag[2].toUpper(), tag, context);
    else
        HandleStartTag(tag[1].toUpper(), tag, context);
}

// The character at index of the tag, upper-cased; a blank past its end.
QChar At(QStringView tag, qsizetype index)
{
    return index < tag.size() ? tag[index].toUpper() : QChar(u' ');
}

void TMarkupRenderer::HandleEndTag(QChar letter, QStringView tag, TLineContext& context)
{
    const bool drawing = context.Drawing();
    switch (letter.unicode()) {
    case u'A': AnchorEnd(context); break;
    case u'B':
        if (At(tag, 3) == u'>')
            SetStyle(fsBold, false);
        else
            FCanvas.Font().SetColor(BaseFont.Color());
        break;
    case u'E':
        if (drawing)
            FErrorMark = false;
        break;
    case u'F': FontEnd(context); break;
    case u'H':
        if (drawing) {
            FCanvas.Font().SetColor(FHighlightText);
            SetBrushColorOrClear(FHighlightBrush);
        }
        break;
    case u'I': SetStyle(fsItalic, false); break;
    case u'L': context.Break(false); break;
    case u'P':
        context.Break(false);
        if (drawing) {
            SetBrushColorOrClear(FParagraphBrush);
            FParagraphBack = false;
        }
        break;
    case u'R': FCanvas.Font().SetOrientation(Carried.RotatedPrevious); break;
    case u'S':
        if (At(tag, 3) == u'U') {
            context.Line.Subscript = false;
            context.Line.Superscript = false;
        } else if (At(tag, 3) == u'H') {
            Carried.Shadow = false;
        } else {
            SetStyle(fsStrikeOut, false);
        }
        break;
    case u'U':
        if (At(tag, 3) == u'>' || Carried.ListLevel < 1)
            SetStyle(fsUnderline, false);
        else
            --Carried.ListLevel;
        break;
    case u'Z': Carried.Hidden = false; break;
    default: break;
    }
}

void TMarkupRenderer::HandleStartTag(QChar letter, QStringView tag, TLineContext& context)
{
    const bool drawing = context.Drawing();
    const QChar second = At(tag, 2);
    switch (letter.unicode()) {
    case u'A': AnchorStart(tag, context); break;
    case u'B':
        if (second == u'>') {
            SetStyle(fsBold, true);
        } else if (second == u'R') {
            context.Break(false);
            if (context.Pass == TPass::Measure)
                PlainText += u'\r';
        } else if (second == u'L') {
            if (!BlinkOn)
                FCanvas.Font().SetColor(EntryBackground);
        } else if (second == u'O') {
            if (drawing)
                Body(tag, context);
        }
        break;
    case u'C': Control(tag, context); break;
    case u'E':
        if (drawing)
            FErrorMark = true;
        break;
    case u'F': FontStart(tag, context); break;
    case u'H':
        if (second == u'I') {
            if (drawing) {
                FHighlightText = FCanvas.Font().Color();
                FHighlightBrush = BrushColorOrNone();
                SetBrushColorOrClear(HighlightBackground);
                FCanvas.Font().SetColor(HighlightText);
            }
        } else if (second == u'R') {
            context.Break(false);
            if (drawing) {
                const TColor pen = FCanvas.Pen().Color();
                FCanvas.Pen().SetColor(clBlack);
                FCanvas.MoveTo(context.LineRect.Left, context.TextBottom + 1);
                FCanvas.LineTo(context.LineRect.Right, context.TextBottom + 1);
                FCanvas.Pen().SetColor(pen);
            }
        }
        break;
    case u'I':
        if (second == u'>') {
            SetStyle(fsItalic, true);
        } else if (second == u'N') {
            const qsizetype x = tag.indexOf(u'X', 2, Qt::CaseInsensitive);
            const int32_t indent = x < 0 ? 0 : SizeFrom(TagAttribute(tag.mid(x).toString(), QStringLiteral("X"), false));
            if (indent > context.XAdvance) {
                context.XAdvance = indent;
                context.Left = context.LineRect.Left + indent;
            }
        } else if (second == u'M') {
            Image(tag, context);
        }
        break;
    case u'L': ListItem(context); break;
    case u'P': Paragraph(tag, context); break;
    case u'R': {
        const qsizetype a = tag.indexOf(u'A', 2, Qt::CaseInsensitive);
        const int32_t angle = a < 0 ? 0 : LeadingNumber(TagAttribute(tag.mid(a).toString(), QStringLiteral("A"), false)) % 360;
        Carried.RotatedPrevious = FCanvas.Font().Orientation();
        FCanvas.Font().SetOrientation(angle * 10);
        break;
    }
    case u'S':
        if (second == u'>') {
            SetStyle(fsStrikeOut, true);
        } else if (second == u'H') {
            Carried.Shadow = true;
        } else if (second == u'U') {
            if (At(tag, 3) == u'B')
                context.Line.Subscript = true;
            else if (At(tag, 3) == u'P')
                context.Line.Superscript = true;
        }
        break;
    case u'U':
        if (second == u'>') {
            SetStyle(fsUnderline, true);
        } else {
            ++Carried.ListLevel;
            context.Break(false);
        }
        break;
    case u'Z': Carried.Hidden = true; break;
    default: break;
    }
}

void TMarkupRenderer::AnchorStart(QStringView tag, TLineContext& context)
{
    const bool drawing = context.Drawing();
    if (drawing && FocusLink == Carried.AnchorCount) {
        FFocusOpen = true;
        FFocusStart = { context.Left, context.LineRect.Top };
    }
    ++Carried.AnchorCount;
    AnchorCount = std::max(AnchorCount, Carried.AnchorCount);
    const int32_t number = Carried.AnchorCount;
    const bool styled = !HoverUnderlineOnly || number == HoverLink;
    if (drawing && styled) {
        SetStyle(fsUnderline, true);
        if (HoverBackColor != clNone) {
            FAnchorBrush = BrushColorOrNone();
            SetBrushColorOrClear(HoverBackColor);
        }
        if (HoverTextColor != clNone) {
            FAnchorText = FCanvas.Font().Color();
            FCanvas.Font().SetColor(HoverTextColor);
        }
    }
    if (!KeepColors && !(HoverUnderlineOnly && number == HoverLink && HoverTextColor != clNone))
        FCanvas.Font().SetColor(AnchorColor);
    const String tagText = tag.toString();
    Carried.Href = TagAttribute(tagText, QStringLiteral("HREF"), false);
    Carried.Title = TagAttribute(tagText, QStringLiteral("TITLE"), false);
    Carried.InAnchor = !Carried.Href.isEmpty();
    FAnchorStart = { context.LineRect.Left + context.XAdvance, context.LineRect.Top };
    FAnchorLine = FLineNumber;
}

void TMarkupRenderer::AnchorEnd(TLineContext& context)
{
    const bool drawing = context.Drawing();
    const int32_t number = Carried.AnchorCount;
    if (drawing && (!HoverUnderlineOnly || number == HoverLink)) {
        SetStyle(fsUnderline, false);
        if (HoverBackColor != clNone)
            SetBrushColorOrClear(FAnchorBrush);
        if (HoverTextColor != clNone)
            FCanvas.Font().SetColor(FAnchorText);
    }
    if (!KeepColors)
        FCanvas.Font().SetColor(BaseFont.Color());
    Carried.InAnchor = false;
    if (number == FHoveredAnchor && number > 0) {
        TPoint start = FAnchorStart;
        if (FAnchorLine != FLineNumber)
            start = context.LineRect.TopLeft();
        HoverAnchorRect = Rect(start.X, start.Y, context.LineRect.Left + context.XAdvance, context.TextBottom);
        HoverAnchorIndex = number;
    }
    if (number == FocusLink + 1 && FFocusOpen && drawing)
        CloseFocusRect(context.Left, context.TextBottom - context.Line.BaselineRaise);
}

void TMarkupRenderer::FontStart(QStringView tag, TLineContext& context)
{
    const String tagText = tag.toString();
    const String face = TagAttribute(tagText, QStringLiteral("FACE"), true);
    if (!face.isEmpty())
        FCanvas.Font().SetName(face);
    if (!KeepColors) {
        const String color = TagAttribute(tagText, QStringLiteral(" COLOR"), true);
        if (!color.isEmpty())
            FCanvas.Font().SetColor(AttributeColor(color));
        const String background = TagAttribute(tagText, QStringLiteral("BGCOLOR"), true);
        if (!background.isEmpty() && context.Drawing()) {
            FFontBrush = BrushColorOrNone();
            SetBrushColorOrClear(AttributeColor(background));
        }
    }
    const String size = TagAttribute(tagText, QStringLiteral("SIZE"), true);
    if (!size.isEmpty()) {
        static constexpr int32_t HtmlSizes[] = { 8, 10, 12, 14, 16 };
        const int32_t number = LeadingNumber(size);
        const int32_t points = number >= 1 && number <= 5 ? HtmlSizes[number - 1] : number;
        if (points > 0)
            FCanvas.Font().SetSize(std::min(points, LargestFontSize));
    }
}

void TMarkupRenderer::FontEnd(TLineContext& context)
{
    FCanvas.Font().SetName(BaseFont.Name());
    FCanvas.Font().SetHeight(BaseFont.Height());
    if (context.Drawing() && !KeepColors) {
        FCanvas.Font().SetColor(BaseFont.Color());
        SetBrushColorOrClear(FFontBrush);
    }
}

void TMarkupRenderer::Body(QStringView tag, TLineContext&)
{
    const String tagText = tag.toString();
    const String background = TagAttribute(tagText, QStringLiteral("BACKGROUND"), false);
    if (!background.isEmpty()) {
        THTMLPicture* picture = FindPicture(background);
        if (picture && !picture->IsEmpty() && picture->Width() > 0 && picture->Height() > 0) {
            // The caller's clip comes back afterwards.
            const TCanvasClip clip = FCanvas.SaveClip();
            FCanvas.IntersectClipRect(FRect);
            const bool stretched = picture->Stretch();
            picture->SetStretch(false);
            for (int32_t y = FRect.Top; y < FRect.Bottom; y += picture->Height())
                for (int32_t x = FRect.Left; x < FRect.Right; x += picture->Width())
                    picture->DrawOn(FCanvas, Bounds(x, y, picture->Width(), picture->Height()));
            picture->SetStretch(stretched);
            FCanvas.RestoreClip(clip);
        }
    }
    const String color = TagAttribute(tagText, QStringLiteral("BGCOLOR"), true);
    if (color.contains(QLatin1String("CL")) || color.contains(u'#')) {
        const TColor brush = color.contains(QLatin1String("CL")) ? ColorFromName(color.toLower()) : ColorFromHex(color);
        SetBrushColorOrClear(brush);
        FFontBrush = brush;
        const TColor pen = FCanvas.Pen().Color();
        FCanvas.Pen().SetColor(brush);
        FCanvas.Rectangle(FRect);
        FCanvas.Pen().SetColor(pen);
    }
}

void TMarkupRenderer::Paragraph(QStringView tag, TLineContext& context)
{
    const String tagText = tag.toString();
    const String align = TagAttribute(tagText, QStringLiteral("ALIGN"), true);
    if (align.contains(QLatin1String("RIGHT")))
        Alignment = 1;
    if (align.contains(QLatin1String("LEFT")))
        Alignment = 0;
    if (align.contains(QLatin1String("CENTER")))
        Alignment = 2;
    const String indent = TagAttribute(tagText, QStringLiteral("INDENT"), true);
    if (!indent.isEmpty())
        Indent = SizeFrom(indent);
    const String color = TagAttribute(tagText, QStringLiteral("BGCOLOR"), true);
    if (!color.isEmpty() && context.Drawing()) {
        FParagraphBack = true;
        FParagraphBrush = BrushColorOrNone();
        const TColor brush = AttributeColor(color);
        SetBrushColorOrClear(brush);
        const TColor pen = FCanvas.Pen().Color();
        FCanvas.Pen().SetColor(brush);
        FCanvas.Rectangle(FRect.Left, context.LineRect.Top, FRect.Right, context.TextBottom);
        FCanvas.Pen().SetColor(pen);
    }
}

void TMarkupRenderer::ListItem(TLineContext& context)
{
    if (context.ListItemSeen) {
        context.Break(true);
        return;
    }
    context.ListItemSeen = true;
    const int32_t level = Carried.ListLevel;
    context.XAdvance += ListIndent * level;
    if (context.Drawing()) {
        const String bullet = level % 2 == 1 ? QStringLiteral("\u2022") : QStringLiteral("o");
        TRect bulletRect = Rect(context.Left + ListIndent * level - ListIndent, context.LineRect.Top,
            context.LineRect.Right, context.TextBottom);
        FCanvas.DrawText(bullet, bulletRect, DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    context.Left += ListIndent * level;
}

// Where "SSYS:" or "LSYS:" starts in an IMG source, or -1.
qsizetype SystemIconPrefix(const String& source)
{
    for (const QLatin1String prefix : { QLatin1String("SSYS:"), QLatin1String("LSYS:") })
        if (const qsizetype at = source.indexOf(prefix, 0, Qt::CaseInsensitive); at >= 0)
            return at;
    return -1;
}

THTMLPicture* TMarkupRenderer::FindPicture(const String& source)
{
    if (!source.contains(u':'))
        return Pictures ? Pictures->FindPicture(source) : nullptr;
    if (!source.contains(QLatin1String("://")) || !PictureCache)
        return nullptr;
    if (THTMLPicture* cached = PictureCache->FindPicture(source))
        return cached;
    THTMLPicture* picture = PictureCache->AddPicture();
    picture->SetAsynch(false);
    // A picture that cannot be decoded stays in the cache as an empty one,
    // drawn as nothing and never loaded again.
    try {
        picture->LoadFromURL(source);
    } catch (const std::exception&) {
    }
    picture->SetID(source);
    return picture;
}

void TMarkupRenderer::Image(QStringView tag, TLineContext& context)
{
    ++Carried.ImageCount;
    const int32_t number = Carried.ImageCount;
    const String tagText = tag.toString();
    String source = TagAttribute(tagText, QStringLiteral("SRC"), false);
    if (number == HoveredImage) {
        const String alternative = TagAttribute(tagText, QStringLiteral("ALT"), false);
        if (!alternative.isEmpty())
            source = alternative;
    }
    const int32_t requestedWidth = SizeFrom(TagAttribute(tagText, QStringLiteral("WIDTH"), false));
    const int32_t requestedHeight = SizeFrom(TagAttribute(tagText, QStringLiteral("HEIGHT"), false));
    const int32_t ppiX = FCanvas.Device().PixelsPerInchX;
    const int32_t ppiY = FCanvas.Device().PixelsPerInchY;
    int32_t width = 0;
    int32_t height = 0;
    const bool drawing = context.Drawing();
    const int32_t left = context.Left;
    const int32_t top = context.LineRect.Top;

    if (source.contains(QLatin1String("IDX:"), Qt::CaseInsensitive)) {
        const int32_t index = LeadingNumber(source.mid(source.indexOf(QLatin1String("IDX:"), 0, Qt::CaseInsensitive) + 4));
        if (!Images || index >= Images->Count())
            return;
        width = MulDiv(Images->Width(), ppiX, ScreenPixelsPerInch);
        height = MulDiv(Images->Height(), ppiY, ScreenPixelsPerInch);
        if (drawing) {
            if (ScaleImages) {
                TBitmap picture;
                Images->GetBitmap(index, picture);
                FCanvas.StretchDraw(Bounds(left, top, static_cast<int32_t>(Round(Images->Width() * ScaleFactor)),
                                        static_cast<int32_t>(Round(Images->Height() * ScaleFactor))),
                    picture);
            } else {
                Images->Draw(FCanvas, left, top, index);
            }
        }
    } else if (const qsizetype system = SystemIconPrefix(source); system >= 0) {
        const bool large = source[system].toUpper() == u'L';
        const String name = source.mid(system + 5);
        TIcon icon;
        bool isIndex = false;
        const int32_t index = LeadingNumber(name, &isIndex);
        if (isIndex && name.trimmed().size() == QString::number(index).size())
            LoadSystemListIcon(index, large, icon);
        else
            LoadFileTypeIcon(name, large, icon);
        width = MulDiv(icon.Width(), ppiX, ScreenPixelsPerInch);
        height = MulDiv(icon.Height(), ppiY, ScreenPixelsPerInch);
        if (drawing) {
            const double scale = ScaleImages ? ScaleFactor : 1.0;
            FCanvas.StretchDraw(Bounds(left, top, static_cast<int32_t>(Round(icon.Width() * scale)),
                                    static_cast<int32_t>(Round(icon.Height() * scale))),
                icon);
        }
    } else {
        THTMLPicture* picture = FindPicture(source);
        if (!picture || picture->IsEmpty())
            return;
        const int32_t pictureWidth = picture->Width();
        const int32_t pictureHeight = picture->Height();
        bool requested = true;
        if (requestedWidth > 0 && requestedHeight > 0) {
            width = requestedWidth;
            height = requestedHeight;
        } else if (requestedWidth > 0 && pictureWidth > 0) {
            width = requestedWidth;
            height = static_cast<int32_t>(std::min<int64_t>(
                Round(static_cast<double>(pictureHeight) * requestedWidth / pictureWidth), LargestSize));
        } else if (requestedHeight > 0 && pictureHeight > 0) {
            height = requestedHeight;
            width = static_cast<int32_t>(std::min<int64_t>(
                Round(static_cast<double>(pictureWidth) * requestedHeight / pictureHeight), LargestSize));
        } else {
            requested = false;
            width = picture->MaxWidth();
            height = picture->MaxHeight();
        }
        if (drawing) {
            if (requested) {
                picture->SetStretch(true);
                picture->DrawOn(FCanvas, Bounds(left, top, width, height));
            } else if (picture->FrameCount() > 1) {
                const TColor pen = FCanvas.Pen().Color();
                const TColor brush = BrushColorOrNone();
                SetBrushColorOrClear(EntryBackground);
                FCanvas.Pen().SetColor(EntryBackground == clNone ? pen : EntryBackground);
                FCanvas.Rectangle(Bounds(left, top, width, height));
                FCanvas.Pen().SetColor(pen);
                SetBrushColorOrClear(brush);
                picture->DrawOn(FCanvas, Bounds(left + picture->FrameXPos(), top + picture->FrameYPos(), pictureWidth,
                                             pictureHeight));
            } else {
                picture->DrawOn(FCanvas, Bounds(left, top, pictureWidth, pictureHeight));
            }
        }
        width = MulDiv(width, ppiX, ScreenPixelsPerInch);
        height = MulDiv(height, ppiY, ScreenPixelsPerInch);
    }

    const int32_t mx = MouseX - context.LineRect.Left;
    if (Carried.InAnchor && mx > context.XAdvance && mx < context.XAdvance + width && MouseY > top
        && MouseY < top + height) {
        context.ControlHit = true;
        AnchorUnderMouse = Carried.Href;
        AnchorTitle = Carried.Title;
        HoveredImage = number;
    }
    if (context.XAdvance + width > context.LineWidth() && width < context.LineWidth() && context.Consumed) {
        context.Break(true);
    } else {
        Advance(context.XAdvance, width);
        Advance(context.Left, width);
        context.Line.Height = std::max(context.Line.Height, height);
    }
    const qsizetype align = tagText.indexOf(QLatin1String("ALIGN"), 0, Qt::CaseInsensitive);
    if (align >= 0) {
        const int32_t unit = UnitHeight();
        if (tagText.indexOf(QLatin1String("\"TOP"), align, Qt::CaseInsensitive) >= 0)
            context.Line.BaselineRaise = context.Line.Height - unit;
        else if (tagText.indexOf(QLatin1String("\"MIDDLE"), align, Qt::CaseInsensitive) >= 0)
            context.Line.BaselineRaise = (context.Line.Height - unit) / 2;
    }
}

void TMarkupRenderer::Control(QStringView tag, TLineContext& context)
{
    const TControlTag control = ParseControlTag(tag.toString());
    if (control.Width.isEmpty())
        return;
    int32_t height = ControlHeight;
    if (!control.Height.isEmpty()) {
        bool isNumber = false;
        height = SizeFrom(control.Height, &isNumber);
        if (!isNumber)
            height = ControlHeight;
    }
    bool widthIsNumber = false;
    int32_t width = SizeFrom(control.Width, &widthIsNumber);
    int32_t hitWidth = 0;
    int32_t hitHeight = 0;
    if (widthIsNumber) {
        hitWidth = width;
        hitHeight = UnitHeight() + 10;
    }
    const bool small = control.Type == QLatin1String("CHECK") || control.Type == QLatin1String("RADIO");
    context.Line.Height = small ? 16 : 23;
    if (height > ControlHeight)
        context.Line.Height = height - 2;
    if (context.Drawing())
        DrawControl(control, width, height, hitWidth, hitHeight, context);
    if (control.Type == QLatin1String("BUTTON") || control.Type == QLatin1String("COMBO"))
        hitHeight = ControlHeight;
    if (small)
        hitWidth = hitHeight = 16;

    const int32_t mx = MouseX - context.LineRect.Left;
    const int32_t top = context.LineRect.Top;
    const bool located = HitTestOnly && !ControlID.isEmpty() && ControlID == control.ID;
    if ((mx > context.XAdvance && mx < context.XAdvance + hitWidth && MouseY > top && MouseY < top + hitHeight)
        || located) {
        context.ControlHit = true;
        AnchorUnderMouse = QStringLiteral("ctrl");
        ControlRect = Bounds(context.LineRect.Left + context.XAdvance, top, hitWidth, hitHeight);
        ControlValue = control.Value;
        ControlID = control.ID;
        ControlType = control.Type;
    }
    if (context.XAdvance + hitWidth > context.LineWidth() && hitWidth < context.LineWidth() && context.Consumed) {
        context.Break(true);
    } else {
        Advance(context.XAdvance, hitWidth);
        Advance(context.Left, hitWidth);
        context.Line.Height = std::max(context.Line.Height, hitHeight);
    }
}

void TMarkupRenderer::DrawControl(const TControlTag& control, int32_t width, int32_t height, int32_t& hitWidth,
    int32_t& hitHeight, TLineContext& context)
{
    const bool themed = VisualStylesActive();
    const int32_t left = context.Left;
    const int32_t bottom = context.TextBottom;
    const int32_t lineHeight = context.Line.Height;
    const TColor framePen = themed ? TColor(0xB99D7F) : clGray;
    const TColor savedPen = FCanvas.Pen().Color();
    const TColor savedBrush = BrushColorOrNone();
    const bool hot = MouseX > left - 2 && MouseX < left - 2 + hitWidth && MouseY > bottom - hitHeight - 2
        && MouseY < bottom - 2;
    const String& type = control.Type;
    auto textIn = [&](TRect box, uint32_t flags, const String& value) {
        FCanvas.DrawText(value, box, flags | DT_SINGLELINE | DT_NOPREFIX);
    };
    if (type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK")
        || type == QLatin1String("COMBO")) {
        const bool combo = type == QLatin1String("COMBO");
        SetBrushColorOrClear(clWhite);
        FCanvas.Pen().SetColor(framePen);
        FCanvas.Rectangle(left, bottom - lineHeight + 4, left + width, bottom + 2);
        SetBrushColorOrClear(clNone);
        const String shown = type == QLatin1String("PASSWORD") ? String(control.Value.size(), u'*') : control.Value;
        textIn(Rect(left + (combo ? 4 : 2), bottom - lineHeight + 4, left + width - (combo ? 18 : 0), bottom), DT_VCENTER,
            shown);
        if (combo) {
            const TRect button = Rect(left + width - 18, bottom - lineHeight + 5, left + width - 1, bottom + 1);
            if (!themed || !DrawThemePart(FCanvas, Window, u"combobox", 1, hot ? 2 : 1, button))
                DrawFrameControl(FCanvas, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
        }
    } else if (type == QLatin1String("CHECK") || type == QLatin1String("RADIO")) {
        const bool radio = type == QLatin1String("RADIO");
        hitWidth = hitHeight = 16;
        const bool checked = control.Value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
        SetBrushColorOrClear(clNone);
        const TRect box = radio ? Rect(left + 2, bottom - 14, left + 14, bottom) : Rect(left + 2, bottom - 15, left + 15, bottom);
        if (!themed || !DrawThemePart(FCanvas, Window, u"button", radio ? 2 : 3, checked ? 5 : 1, box))
            DrawFrameControl(FCanvas, box, DFC_BUTTON,
                DFCS_FLAT | (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | (checked ? DFCS_CHECKED : 0));
    } else if (type == QLatin1String("BUTTON")) {
        hitHeight = 24;
        TRect button = Rect(left + 2, bottom - height, left + width - 2, bottom);
        const bool pushed = hot && ControlDown;
        if (!themed || !DrawThemePart(FCanvas, Window, u"button", 1, pushed ? 3 : hot ? 2 : 1, button))
            DrawFrameControl(FCanvas, button, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        button.Inflate(-2, -2);
        SetBrushColorOrClear(clNone);
        textIn(button, DT_CENTER | DT_VCENTER, control.Value);
    }
    FCanvas.Pen().SetColor(savedPen);
    SetBrushColorOrClear(savedBrush);
}

// Entities are shown as their characters in the text; inside tags they stay
// as written, so that attribute values (a control's VALUE, an HREF) are
// decoded once, by whoever reads them.
template <typename Replace>
String ReplaceOutsideTags(const String& text, Replace&& replace)
{
    String result;
    result.reserve(text.size());
    qsizetype position = 0;
    while (position < text.size()) {
        qsizetype open = text.indexOf(u'<', position);
        if (open < 0)
            open = text.size();
        String part = text.mid(position, open - position);
        replace(part);
        result += part;
        if (open == text.size())
            break;
        qsizetype close = text.indexOf(u'>', open);
        close = close < 0 ? text.size() : close + 1;
        result += QStringView(text).mid(open, close - open);
        position = close;
    }
    return result;
}

} // namespace

void SetHighlightColors(TColor background, TColor text)
{
    HighlightBackground = background;
    HighlightText = text;
}

bool DrawMarkupText(TCanvas& canvas, const String& text, const TRect& rect, const TImageList* images,
    int32_t mouseX, int32_t mouseY, int32_t focusLink, int32_t hoverLink, int32_t shadowOffset,
    bool hitTestOnly, bool measureOnly, bool scaleImages, bool keepColors, bool blinkOn,
    bool hoverUnderlineOnly, bool wordWrap, bool controlDown, double scaleFactor, TColor anchorColor,
    TColor hoverBackColor, TColor hoverTextColor, TColor shadowColor, String& anchorUnderMouse,
    String& plainText, String& focusAnchor, String& anchorTitle, int32_t& extentX, int32_t& extentY,
    int32_t& anchorCount, int32_t& hoverAnchorIndex, TRect& hoverAnchorRect, TRect& controlRect,
    String& controlID, String& controlValue, String& controlType, THTMLPictureCache* pictureCache,
    const TPictureContainer* pictures, const TWinControl* windowHandle, TBiDiMode biDiMode)
{
    TMarkupRenderer renderer(canvas, rect);
    renderer.Images = images;
    renderer.MouseX = mouseX;
    renderer.MouseY = mouseY;
    renderer.FocusLink = focusLink;
    renderer.HoverLink = hoverLink;
    renderer.ShadowOffset = shadowOffset;
    renderer.HitTestOnly = hitTestOnly;
    renderer.ScaleImages = scaleImages;
    renderer.KeepColors = keepColors;
    renderer.BlinkOn = blinkOn;
    renderer.HoverUnderlineOnly = hoverUnderlineOnly;
    renderer.WordWrap = wordWrap;
    renderer.ControlDown = controlDown;
    renderer.ScaleFactor = scaleFactor;
    renderer.AnchorColor = anchorColor;
    renderer.HoverBackColor = hoverBackColor;
    renderer.HoverTextColor = hoverTextColor;
    renderer.ShadowColor = shadowColor;
    renderer.PictureCache = pictureCache;
    renderer.Pictures = pictures;
    renderer.Window = windowHandle;
    renderer.RightToLeft = biDiMode == bdRightToLeft;
    if (hitTestOnly)
        renderer.ControlID = controlID;

    // The canvas comes back as it was given.
    const TColor penColor = canvas.Pen().Color();
    const int32_t penWidth = canvas.Pen().Width();
    const TBrush brush = [&] {
        TBrush copy;
        copy.Assign(canvas.Brush());
        return copy;
    }();
    renderer.BaseFont = canvas.Font();
    renderer.EntryBackground = brush.Style() == bsClear ? clNone : brush.Color();
    canvas.Brush().SetStyle(bsClear);

    String source = text;
    if (source.contains(u'&')) {
        static const std::pair<QLatin1String, QString> entities[] = {
            { QLatin1String("&amp;"), QStringLiteral("&&") }, { QLatin1String("&quot;"), QStringLiteral("\"") },
            { QLatin1String("&sect;"), QStringLiteral("\u00A7") }, { QLatin1String("&permil;"), QStringLiteral("\u2030") },
            { QLatin1String("&reg;"), QStringLiteral("\u00AE") }, { QLatin1String("&copy;"), QStringLiteral("\u00A9") },
            { QLatin1String("&para;"), QStringLiteral("\u00B6") }, { QLatin1String("&trade;"), QStringLiteral("\u2122") },
            { QLatin1String("&euro;"), QStringLiteral("\u20AC") },
        };
        source = ReplaceOutsideTags(source, [&](String& part) {
            if (!part.contains(u'&'))
                return;
            for (const auto& [name, character] : entities)
                part.replace(name, character, Qt::CaseInsensitive);
        });
    }
    if (source.contains(QLatin1String("<#")))
        source = UnwrapPlaceholders(source);
    if (source.contains(u'\r') || source.contains(u'\n'))
        source = LineBreaksToMarkup(source, true);

    TRect running = rect;
    running.Left += 1;
    TFont measureFont = renderer.BaseFont;
    TFont drawFont = renderer.BaseFont;
    int32_t totalHeight = 0;
    bool hit = false;
    qsizetype position = 0;
    while (position < source.size()) {
        TLine line;
        canvas.SetFont(measureFont);
        const int32_t unit = renderer.UnitHeight();
        line.Height = unit;
        bool anchorHit = false;
        bool controlHit = false;
        const TMarkupRenderer::TCarried carried = renderer.Carried;
        const TLineResult measured = renderer.RenderLine(source, position, running, TPass::Measure, line, anchorHit,
            controlHit);
        measureFont = canvas.Font();
        // The second pass starts from the line's own start; without one the
        // measuring pass carries the state on to the next line.
        if (!measureOnly) {
            renderer.Carried = carried;
            line.Superscript = false;
            line.Subscript = false;
        }

        TRect placed = running;
        if (renderer.Alignment == 1 && running.Right - measured.Width > placed.Left)
            placed.Left = running.Right - measured.Width;
        else if (renderer.Alignment == 2 && running.Right - running.Left - measured.Width > 0)
            placed.Left += (running.Right - running.Left - measured.Width) / 2;
        placed.Left += renderer.Indent;
        placed.Bottom = running.Top + line.Height + line.SubscriptExtra + line.SuperscriptExtra;

        if (!measureOnly) {
            canvas.SetFont(drawFont);
            qsizetype drawn = 0;
            renderer.RenderLine(measured.Consumed, drawn, placed, hitTestOnly ? TPass::HitTest : TPass::Draw, line,
                anchorHit, controlHit);
            drawFont = canvas.Font();
            const int32_t baseline = placed.Bottom - line.BaselineRaise;
            if ((anchorHit && mouseY > baseline - renderer.UnitHeight() && mouseY < baseline) || controlHit)
                hit = true;
        }
        const int32_t advance = line.Height + line.SubscriptExtra + line.SuperscriptExtra;
        Advance(running.Top, advance);
        Advance(totalHeight, advance);
        if (!measureOnly && running.Bottom < running.Top + unit)
            break;
    }
    canvas.SetFont(renderer.BaseFont);
    if (totalHeight == 0)
        totalHeight = canvas.TextHeight(QStringLiteral("gh"));

    canvas.Pen().SetColor(penColor);
    canvas.Pen().SetWidth(penWidth);
    canvas.SetBrush(brush);

    anchorUnderMouse = renderer.AnchorUnderMouse;
    plainText = renderer.PlainText;
    focusAnchor = renderer.FocusAnchor;
    anchorTitle = renderer.AnchorTitle;
    extentX = renderer.ExtentX;
    extentY = totalHeight;
    anchorCount = renderer.AnchorCount;
    hoverAnchorIndex = renderer.HoverAnchorIndex;
    hoverAnchorRect = renderer.HoverAnchorRect;
    controlRect = renderer.ControlRect;
    controlID = renderer.ControlID;
    controlValue = renderer.ControlValue;
    controlType = renderer.ControlType;
    return !measureOnly && hit;
}

TSize DrawStaticMarkup(TCanvas& canvas, const String& text, const TRect& rect, const TImageList* images,
    const TPictureContainer* pictures, TColor anchorColor, bool wordWrap, bool measureOnly)
{
    String anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
    int32_t width = 0;
    int32_t height = 0;
    int32_t anchors = 0;
    int32_t hoverIndex = -1;
    TRect hoverRect;
    TRect controlRect;
    DrawMarkupText(canvas, text, rect, images, -1, -1, -1, -1, 1, false, measureOnly, false, false, true, false,
        wordWrap, false, 1.0, anchorColor, clNone, clNone, clGray, anchor, plain, focusAnchor, title, width, height,
        anchors, hoverIndex, hoverRect, controlRect, controlID, controlValue, controlType, nullptr, pictures, nullptr,
        bdLeftToRight);
    return { width, height };
}
