#pragma once

#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Controls.h"

#include <memory>
#include <vector>

class QPainter;

// The layout of an edit's text in its formatting rectangle: lines (hard
// breaks CR LF, LF or CR; soft ones where word wrap breaks a line after its
// spaces), positions of characters, scrolling, and the drawing of text,
// selection, caret and an input method's pre-edit text. The text and the
// selection belong to the edit; the core only lays out and draws them, so
// every edit (single-line, memo, rich edit, the grid's in-place editor)
// shares one placement of text and one answer to the line queries.
class TEditCore {
public:
    struct TLine {
        int32_t Start = 0;
        // Without the line break.
        int32_t Length = 0;
    };

    TEditCore();
    ~TEditCore();
    TEditCore(const TEditCore&) = delete;
    TEditCore& operator=(const TEditCore&) = delete;

    // Each setter keeps the layout when nothing changes.
    void SetText(const String& text);
    const String& Text() const { return FText; }
    void SetFont(const TFont& font);
    void SetRect(const TRect& rect);
    const TRect& FormattingRect() const { return FRect; }
    void SetMultiLine(bool multiLine);
    bool MultiLine() const { return FMultiLine; }
    void SetWordWrap(bool wordWrap);
    void SetAlignment(TAlignment alignment);
    void SetPasswordChar(TChar passwordChar);

    int32_t LineCount() const;
    int32_t LineFromChar(int32_t position) const;
    const TLine& Line(int32_t line) const;
    int32_t LineHeight() const;
    // Horizontal scrolling by characters moves by this many pixels each.
    int32_t AverageCharWidth() const;
    // Whole lines that fit the rectangle; at least one.
    int32_t VisibleLines() const;
    // The top-left corner of the character cell at a position, in client
    // coordinates; the end of the text gives the place after its last character.
    TPoint PosFromChar(int32_t position) const;
    int32_t CharFromPos(TPoint point) const;
    // The position on a line nearest to a client x.
    int32_t CharFromLineX(int32_t line, int32_t x) const;

    // Steps over a CR LF pair and a surrogate pair as one character.
    int32_t NextPosition(int32_t position) const;
    int32_t PreviousPosition(int32_t position) const;
    // Ctrl+arrows: forward to the start of the next word, backward to the
    // start of this or the previous word.
    int32_t WordBoundary(int32_t from, bool forward) const;
    // The word around a position (a double click selects it).
    std::pair<int32_t, int32_t> WordAt(int32_t position) const;

    int32_t TopLine() const { return FTopLine; }
    void SetTopLine(int32_t topLine);
    int32_t ScrollX() const { return FScrollX; }
    void SetScrollX(int32_t scrollX);
    // The widest line, for the horizontal scroll range.
    int32_t TextWidth() const;
    // Scrolls just enough to show the caret.
    void ScrollCaret(int32_t caret);

    // An input method's text being composed at the caret ("" when none).
    void SetComposition(const String& preedit, int32_t cursor);
    const String& Composition() const { return FComposition; }
    // Where the caret stands (also while composing), in client coordinates.
    TRect CaretRect(int32_t caret) const;

    struct TPaintState {
        int32_t Anchor = 0;
        int32_t Caret = 0;
        bool ShowSelection = false;
        bool ShowCaret = false;
        TColor TextColor = clWindowText;
    };
    void Paint(QPainter& painter, const TPaintState& state) const;

private:
    struct TMetrics;
    void Layout() const;
    void KeepTopLineInRange() const;
    void WrapParagraph(int32_t start, int32_t end) const;
    String DisplayText(int32_t start, int32_t length) const;
    int32_t Advance(const String& display) const;
    int32_t LineWidth(int32_t line) const;
    int32_t LineOriginX(int32_t line) const;
    int32_t LineTop(int32_t line) const;
    void PaintLine(QPainter& painter, int32_t line, const TPaintState& state) const;

    String FText;
    TFont FFont;
    TRect FRect;
    bool FMultiLine = false;
    bool FWordWrap = false;
    TAlignment FAlignment = taLeftJustify;
    TChar FPasswordChar = 0;
    // Laying out keeps it in range.
    mutable int32_t FTopLine = 0;
    int32_t FScrollX = 0;
    String FComposition;
    int32_t FCompositionCursor = 0;
    std::unique_ptr<TMetrics> FMetrics;
    mutable std::vector<TLine> FLines;
    mutable bool FLaidOut = false;
};
