#include "platform/ui/EditCore.h"

#include "platform/graphics/QtGraphics.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

bool IsLineBreak(QChar character) { return character == u'\r' || character == u'\n'; }
bool IsWordBreak(QChar character) { return character.isSpace(); }

} // namespace

struct TEditCore::TMetrics {
    explicit TMetrics(const QFont& font) : Font(font), Metrics(font) { }
    QFont Font;
    QFontMetrics Metrics;
};

TEditCore::TEditCore() : FMetrics(std::make_unique<TMetrics>(ToQFont(FFont))) { }
TEditCore::~TEditCore() = default;

void TEditCore::SetText(const String& text)
{
    if (text == FText)
        return;
    FText = text;
    FLaidOut = false;
}

void TEditCore::SetFont(const TFont& font)
{
    if (font == FFont)
        return;
    FFont = font;
    FMetrics = std::make_unique<TMetrics>(ToQFont(FFont));
    FLaidOut = false;
}

void TEditCore::SetRect(const TRect& rect)
{
    if (rect == FRect)
        return;
    // Only a new width can move the soft breaks; a new height changes how
    // many lines show.
    const bool rewrap = rect.Width() != FRect.Width();
    const bool resized = rewrap || rect.Height() != FRect.Height();
    if (rewrap)
        FLaidOut = false;
    FRect = rect;
    if (resized && FLaidOut)
        KeepTopLineInRange();
}

// After the lines or the rectangle change, the first line shown is one that
// leaves no room below the text, as the scroll bar allows.
void TEditCore::KeepTopLineInRange() const
{
    const auto lines = static_cast<int32_t>(FLines.size());
    FTopLine = std::clamp(FTopLine, 0, std::max(lines - VisibleLines(), 0));
}

void TEditCore::SetMultiLine(bool multiLine)
{
    if (multiLine == FMultiLine)
        return;
    FMultiLine = multiLine;
    FLaidOut = false;
}

void TEditCore::SetWordWrap(bool wordWrap)
{
    if (wordWrap == FWordWrap)
        return;
    FWordWrap = wordWrap;
    FScrollX = 0;
    FLaidOut = false;
}

void TEditCore::SetAlignment(TAlignment alignment) { FAlignment = alignment; }

void TEditCore::SetPasswordChar(TChar passwordChar)
{
    if (passwordChar == FPasswordChar)
        return;
    FPasswordChar = passwordChar;
    FLaidOut = false;
}

// What is drawn for a stretch of the text: a password shows its character
// per character, and a tab stands as a space so positions stay one to one.
String TEditCore::DisplayText(int32_t start, int32_t length) const
{
    if (FPasswordChar != 0 && !FMultiLine)
        return String(length, QChar(FPasswordChar));
    String display = FText.mid(start, length);
    display.replace(u'\t', u' ');
    return display;
}

int32_t TEditCore::Advance(const String& display) const { return FMetrics->Metrics.horizontalAdvance(display); }

void TEditCore::Layout() const
{
    if (FLaidOut)
        return;
    FLaidOut = true;
    FLines.clear();
    const auto length = static_cast<int32_t>(FText.size());
    if (!FMultiLine) {
        FLines.push_back({ 0, length });
        return;
    }
    int32_t start = 0;
    while (true) {
        int32_t end = start;
        while (end < length && !IsLineBreak(FText[end]))
            ++end;
        WrapParagraph(start, end);
        if (end >= length)
            break;
        start = end + ((FText[end] == u'\r' && end + 1 < length && FText[end + 1] == u'\n') ? 2 : 1);
        // A break at the very end leaves an empty last line for the caret.
        if (start >= length) {
            FLines.push_back({ length, 0 });
            break;
        }
    }
    KeepTopLineInRange();
}

// Lines break after their spaces; a word wider than the rectangle breaks
// between characters. Spaces at a soft break stay on the line they end.
void TEditCore::WrapParagraph(int32_t start, int32_t end) const
{
    const int32_t width = std::max(FRect.Width(), 1);
    int32_t position = start;
    while (true) {
        if (!FWordWrap || Advance(DisplayText(position, end - position)) <= width) {
            FLines.push_back({ position, end - position });
            return;
        }
        // The longest stretch that fits, found by halving.
        int32_t low = 1;
        int32_t high = end - position;
        while (low < high) {
            const int32_t middle = (low + high + 1) / 2;
            if (Advance(DisplayText(position, middle)) <= width)
                low = middle;
            else
                high = middle - 1;
        }
        int32_t breakAt = position + low;
        while (breakAt < end && IsWordBreak(FText[breakAt]))
            ++breakAt;
        if (breakAt < end) {
            int32_t wordStart = breakAt;
            while (wordStart > position && !IsWordBreak(FText[wordStart - 1]))
                --wordStart;
            if (wordStart > position)
                breakAt = wordStart;
        }
        FLines.push_back({ position, breakAt - position });
        if (breakAt >= end)
            return;
        position = breakAt;
    }
}

int32_t TEditCore::LineCount() const
{
    Layout();
    return static_cast<int32_t>(FLines.size());
}

// A position at a soft break belongs to the line it starts.
int32_t TEditCore::LineFromChar(int32_t position) const
{
    Layout();
    const auto found = std::upper_bound(FLines.begin(), FLines.end(), position,
        [](int32_t value, const TLine& line) { return value < line.Start; });
    return std::max(0, static_cast<int32_t>(found - FLines.begin()) - 1);
}

const TEditCore::TLine& TEditCore::Line(int32_t line) const
{
    Layout();
    return FLines[static_cast<size_t>(std::clamp(line, 0, static_cast<int32_t>(FLines.size()) - 1))];
}

int32_t TEditCore::LineHeight() const { return std::max(FMetrics->Metrics.height(), 1); }

int32_t TEditCore::AverageCharWidth() const { return std::max(FMetrics->Metrics.averageCharWidth(), 1); }

int32_t TEditCore::VisibleLines() const { return std::max(FRect.Height() / LineHeight(), 1); }

int32_t TEditCore::LineWidth(int32_t line) const
{
    const TLine& entry = Line(line);
    return Advance(DisplayText(entry.Start, entry.Length));
}

int32_t TEditCore::TextWidth() const
{
    int32_t widest = 0;
    for (int32_t line = 0; line < LineCount(); ++line)
        widest = std::max(widest, LineWidth(line));
    return widest;
}

// A line narrower than the rectangle takes the alignment; a wider one
// scrolls with the caret.
int32_t TEditCore::LineOriginX(int32_t width) const
{
    if (width < FRect.Width()) {
        switch (FAlignment) {
        case taRightJustify:
            return FRect.Right - width;
        case taCenter:
            return FRect.Left + (FRect.Width() - width) / 2;
        default:
            break;
        }
    }
    return FRect.Left - FScrollX;
}

int32_t TEditCore::LineTop(int32_t line) const { return FRect.Top + (line - FTopLine) * LineHeight(); }

TPoint TEditCore::PosFromChar(int32_t position) const
{
    const int32_t line = LineFromChar(position);
    const TLine& entry = Line(line);
    const int32_t offset = std::clamp(position - entry.Start, 0, entry.Length);
    const int32_t origin = LineOriginX(LineWidth(line));
    return { origin + Advance(DisplayText(entry.Start, offset)), LineTop(line) };
}

int32_t TEditCore::CharFromLineX(int32_t line, int32_t x) const
{
    const TLine& entry = Line(line);
    const String display = DisplayText(entry.Start, entry.Length);
    const int32_t origin = LineOriginX(Advance(display));
    int32_t best = 0;
    int32_t bestDistance = std::abs(x - origin);
    for (int32_t index = 1; index <= entry.Length; ++index) {
        const int32_t distance = std::abs(x - origin - Advance(display.left(index)));
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return entry.Start + best;
}

int32_t TEditCore::CharFromPos(TPoint point) const
{
    const int32_t line = FMultiLine ? FTopLine + (point.Y - FRect.Top) / LineHeight() - (point.Y < FRect.Top ? 1 : 0) : 0;
    return CharFromLineX(std::clamp(line, 0, LineCount() - 1), point.X);
}

int32_t TEditCore::NextPosition(int32_t position) const
{
    const auto length = static_cast<int32_t>(FText.size());
    if (position >= length)
        return length;
    if ((FText[position] == u'\r' && position + 1 < length && FText[position + 1] == u'\n')
        || (FText[position].isHighSurrogate() && position + 1 < length && FText[position + 1].isLowSurrogate()))
        return position + 2;
    return position + 1;
}

int32_t TEditCore::PreviousPosition(int32_t position) const
{
    if (position <= 0)
        return 0;
    if (position >= 2
        && ((FText[position - 1] == u'\n' && FText[position - 2] == u'\r')
            || (FText[position - 1].isLowSurrogate() && FText[position - 2].isHighSurrogate())))
        return position - 2;
    return position - 1;
}

int32_t TEditCore::WordBoundary(int32_t from, bool forward) const
{
    const auto length = static_cast<int32_t>(FText.size());
    int32_t position = std::clamp(from, 0, length);
    if (forward) {
        while (position < length && !IsWordBreak(FText[position]))
            ++position;
        while (position < length && IsWordBreak(FText[position]))
            ++position;
    } else {
        while (position > 0 && IsWordBreak(FText[position - 1]))
            --position;
        while (position > 0 && !IsWordBreak(FText[position - 1]))
            --position;
    }
    return position;
}

std::pair<int32_t, int32_t> TEditCore::WordAt(int32_t position) const
{
    const auto length = static_cast<int32_t>(FText.size());
    int32_t begin = std::clamp(position, 0, length);
    int32_t end = begin;
    while (begin > 0 && !IsWordBreak(FText[begin - 1]))
        --begin;
    while (end < length && !IsWordBreak(FText[end]))
        ++end;
    return { begin, end };
}

void TEditCore::SetTopLine(int32_t topLine) { FTopLine = std::clamp(topLine, 0, std::max(LineCount() - 1, 0)); }

void TEditCore::SetScrollX(int32_t scrollX) { FScrollX = std::max(scrollX, 0); }

void TEditCore::ScrollCaret(int32_t caret)
{
    const int32_t line = LineFromChar(caret);
    if (line < FTopLine)
        FTopLine = line;
    else if (line >= FTopLine + VisibleLines())
        FTopLine = line - VisibleLines() + 1;
    if (FMultiLine && FWordWrap) {
        FScrollX = 0;
        return;
    }
    const TLine& entry = Line(line);
    const int32_t lineWidth = LineWidth(line);
    if (lineWidth < FRect.Width()) {
        FScrollX = 0;
        return;
    }
    const int32_t caretX = Advance(DisplayText(entry.Start, caret - entry.Start) + FComposition.left(FCompositionCursor));
    if (caretX - FScrollX > FRect.Width() - 1)
        FScrollX = caretX - FRect.Width() + 1;
    if (caretX < FScrollX)
        FScrollX = caretX;
}

void TEditCore::SetComposition(const String& preedit, int32_t cursor)
{
    FComposition = preedit;
    FCompositionCursor = std::clamp(cursor, 0, static_cast<int32_t>(preedit.size()));
}

TRect TEditCore::CaretRect(int32_t caret) const
{
    TPoint point = PosFromChar(caret);
    point.X += Advance(FComposition.left(FCompositionCursor));
    return Bounds(point.X, point.Y, 1, LineHeight());
}

void TEditCore::Paint(QPainter& painter, const TPaintState& state) const
{
    painter.save();
    painter.setClipRect(ToQRect(FRect));
    painter.setFont(FMetrics->Font);
    const int32_t last = std::min(LineCount(), FTopLine + VisibleLines() + 1);
    for (int32_t line = FTopLine; line < last; ++line)
        PaintLine(painter, line, state);
    painter.restore();
}

// The pre-edit text stands at the caret, underlined, with the input
// method's cursor in it; the selection is not shown meanwhile.
void TEditCore::PaintLine(QPainter& painter, int32_t line, const TPaintState& state) const
{
    const QFontMetrics& metrics = FMetrics->Metrics;
    const TLine& entry = Line(line);
    const bool caretHere = LineFromChar(state.Caret) == line;
    const int32_t caretOffset = std::clamp(state.Caret - entry.Start, 0, entry.Length);
    const bool composing = caretHere && !FComposition.isEmpty();
    String display = DisplayText(entry.Start, entry.Length);
    if (composing)
        display.insert(caretOffset, FComposition);
    const int32_t origin = LineOriginX(Advance(display));
    const int32_t top = LineTop(line);
    const int32_t baseline = top + metrics.ascent();
    painter.setPen(ToQColor(state.TextColor));
    painter.drawText(origin, baseline, display);
    if (composing) {
        const int32_t left = origin + Advance(display.left(caretOffset));
        const int32_t underline = baseline + std::max(metrics.underlinePos(), 1);
        painter.drawLine(left, underline, left + Advance(FComposition) - 1, underline);
    }
    const int32_t selStart = std::min(state.Anchor, state.Caret);
    const int32_t selEnd = std::max(state.Anchor, state.Caret);
    const int32_t from = std::max(selStart, entry.Start) - entry.Start;
    const int32_t to = std::min(selEnd, entry.Start + entry.Length) - entry.Start;
    if (state.ShowSelection && !composing && from < to) {
        const int32_t left = origin + Advance(display.left(from));
        const String selected = display.mid(from, to - from);
        painter.fillRect(QRect(left, top, Advance(selected), metrics.height()), ToQColor(clHighlight));
        painter.setPen(ToQColor(clHighlightText));
        painter.drawText(left, baseline, selected);
    }
    if (state.ShowCaret && caretHere) {
        const int32_t x = origin + Advance(display.left(caretOffset + (composing ? FCompositionCursor : 0)));
        painter.setPen(ToQColor(state.TextColor));
        painter.drawLine(x, top, x, top + metrics.height() - 1);
    }
}
