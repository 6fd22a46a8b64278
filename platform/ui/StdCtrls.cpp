#include "platform/ui/StdCtrls.h"

#include "platform/graphics/QtGraphics.h"
#include "platform/ui/Clipbrd.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {

// Sets a flag for a scope, also when a handler throws.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

bool IsWordBreak(QChar character) { return character.isSpace(); }

// A single-line edit keeps the text up to the first line break.
String FirstLine(const String& text)
{
    for (qsizetype index = 0; index < text.size(); ++index)
        if (text[index] == u'\r' || text[index] == u'\n')
            return text.left(index);
    return text;
}

} // namespace

// ---- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetCursor(crIBeam);
    SetBounds(0, 0, 121, 21);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::SetReadOnly(bool readOnly)
{
    FReadOnly = readOnly;
    Invalidate();
}

String TCustomEdit::ApplyCharCase(const String& text) const
{
    switch (FCharCase) {
    case ecUpperCase:
        return text.toUpper();
    case ecLowerCase:
        return text.toLower();
    default:
        return text;
    }
}

void TCustomEdit::SetCharCase(TEditCharCase charCase)
{
    if (charCase == FCharCase)
        return;
    FCharCase = charCase;
    SetText(ApplyCharCase(Text()));
}

void TCustomEdit::SetPasswordChar(TChar passwordChar)
{
    FPasswordChar = passwordChar;
    Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment alignment)
{
    FAlignment = alignment;
    Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle borderStyle)
{
    FBorderStyle = borderStyle;
    Invalidate();
}

void TCustomEdit::SetSelection(int32_t anchor, int32_t caret)
{
    const auto length = static_cast<int32_t>(Text().size());
    FAnchor = std::clamp(anchor, 0, length);
    FCaret = std::clamp(caret, 0, length);
    Invalidate();
}

void TCustomEdit::SetSelStart(int32_t selStart) { SetSelection(selStart, selStart); }

void TCustomEdit::SetSelLength(int32_t selLength)
{
    const int32_t start = SelStart();
    SetSelection(start, start + std::max(selLength, 0));
}

void TCustomEdit::SetSelText(const String& selText)
{
    const String current = Text();
    const int32_t start = SelStart();
    const String insert = FirstLine(selText);
    ReplaceText(current.left(start) + insert + current.mid(start + SelLength()), start + static_cast<int32_t>(insert.size()));
}

void TCustomEdit::SelectAll() { SetSelection(0, static_cast<int32_t>(Text().size())); }

void TCustomEdit::ClearSelection()
{
    if (SelLength() > 0)
        UserDelete(true, false);
}

void TCustomEdit::CopyToClipboard() const
{
    // A password never leaves the edit.
    if (FPasswordChar == 0 && SelLength() > 0)
        Clipboard().SetAsText(SelText());
}

void TCustomEdit::CutToClipboard()
{
    if (FPasswordChar != 0 || SelLength() == 0 || !EditCanModify())
        return;
    CopyToClipboard();
    UserDelete(true, false);
}

void TCustomEdit::PasteFromClipboard()
{
    if (Clipboard().HasFormat(CF_UNICODETEXT))
        UserInsert(Clipboard().AsText());
}

void TCustomEdit::Undo()
{
    if (!FCanUndo || !EditCanModify())
        return;
    // Undoing twice restores the change, as on the platform.
    const String previous = FUndoText;
    ReplaceText(previous, static_cast<int32_t>(previous.size()));
}

void TCustomEdit::ReplaceText(const String& text, int32_t caret)
{
    if (text == Text()) {
        SetSelection(caret, caret);
        return;
    }
    FUndoText = Text();
    FCanUndo = true;
    FModified = true;
    FAnchor = FCaret = std::clamp(caret, 0, static_cast<int32_t>(text.size()));
    const TFlagScope scope(FUserChange);
    SetText(text);
}

void TCustomEdit::UserInsert(const String& text)
{
    if (!EditCanModify())
        return;
    String insert = ApplyCharCase(FirstLine(text));
    const String current = Text();
    const int32_t start = SelStart();
    const int32_t length = SelLength();
    if (FMaxLength > 0) {
        const int32_t room = FMaxLength - (static_cast<int32_t>(current.size()) - length);
        insert = insert.left(std::max(room, 0));
    }
    if (insert.isEmpty())
        return;
    ReplaceText(current.left(start) + insert + current.mid(start + length), start + static_cast<int32_t>(insert.size()));
}

void TCustomEdit::UserDelete(bool forward, bool word)
{
    if (!EditCanModify())
        return;
    const String current = Text();
    if (SelLength() > 0) {
        const int32_t start = SelStart();
        ReplaceText(current.left(start) + current.mid(start + SelLength()), start);
        return;
    }
    const auto length = static_cast<int32_t>(current.size());
    if (forward) {
        if (FCaret >= length)
            return;
        const int32_t end = word ? WordBoundary(FCaret, true) : FCaret + 1;
        ReplaceText(current.left(FCaret) + current.mid(end), FCaret);
    } else {
        if (FCaret == 0)
            return;
        const int32_t begin = word ? WordBoundary(FCaret, false) : FCaret - 1;
        ReplaceText(current.left(begin) + current.mid(FCaret), begin);
    }
}

// Ctrl+arrows: forward to the start of the next word, backward to the start
// of this or the previous word.
int32_t TCustomEdit::WordBoundary(int32_t from, bool forward) const
{
    const String& text = Text();
    const auto length = static_cast<int32_t>(text.size());
    int32_t position = from;
    if (forward) {
        while (position < length && !IsWordBreak(text[position]))
            ++position;
        while (position < length && IsWordBreak(text[position]))
            ++position;
    } else {
        while (position > 0 && IsWordBreak(text[position - 1]))
            --position;
        while (position > 0 && !IsWordBreak(text[position - 1]))
            --position;
    }
    return position;
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::CMTextChanged(TMessage& message)
{
    TWinControl::CMTextChanged(message);
    if (!FUserChange) {
        const String cased = ApplyCharCase(Text());
        if (cased != Text()) {
            SetText(cased);
            return;
        }
        // Text set by the program starts afresh, as the platform's WM_SETTEXT.
        FAnchor = FCaret = 0;
        FScrollX = 0;
        FModified = false;
        FCanUndo = false;
    }
    Invalidate();
    Change();
}

void TCustomEdit::CMEnabledChanged(TMessage& message)
{
    TWinControl::CMEnabledChanged(message);
    Invalidate();
}

// Cutting and pasting by key go through WM_CUT and WM_PASTE, as on the
// platform, so that a descendant can refuse them.
void TCustomEdit::KeyCommand(uint16_t key, TShiftState shift)
{
    const bool extend = shift.Contains(ssShift);
    const bool word = shift.Contains(ssCtrl);
    const auto length = static_cast<int32_t>(Text().size());
    auto moveTo = [&](int32_t target) { SetSelection(extend ? FAnchor : target, target); };
    switch (key) {
    case VK_LEFT:
        if (!extend && !word && SelLength() > 0)
            moveTo(SelStart());
        else
            moveTo(word ? WordBoundary(FCaret, false) : FCaret - 1);
        break;
    case VK_RIGHT:
        if (!extend && !word && SelLength() > 0)
            moveTo(SelStart() + SelLength());
        else
            moveTo(word ? WordBoundary(FCaret, true) : FCaret + 1);
        break;
    case VK_HOME:
        moveTo(0);
        break;
    case VK_END:
        moveTo(length);
        break;
    case VK_DELETE:
        if (extend)
            Perform(WM_CUT);
        else
            UserDelete(true, word);
        break;
    case VK_INSERT:
        if (extend)
            Perform(WM_PASTE);
        else if (word)
            CopyToClipboard();
        break;
    default:
        break;
    }
}

void TCustomEdit::CharCommand(TChar character)
{
    switch (character) {
    case 1:
        SelectAll();
        break;
    case 3:
        CopyToClipboard();
        break;
    case 8:
        UserDelete(false, false);
        break;
    case 22:
        Perform(WM_PASTE);
        break;
    case 24:
        Perform(WM_CUT);
        break;
    case 26:
        Undo();
        break;
    case 127:
        UserDelete(false, true);
        break;
    default:
        if (character >= 0x20)
            UserInsert(String(QChar(character)));
        break;
    }
}

void TCustomEdit::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS;
        break;
    case WM_KEYDOWN:
        KeyCommand(static_cast<uint16_t>(message.WParam), KeyDataToShiftState(message.LParam));
        break;
    case WM_CHAR:
        CharCommand(static_cast<TChar>(message.WParam));
        break;
    case EM_GETSEL:
        message.Result = MakeLParam(SelStart(), SelStart() + SelLength());
        break;
    case EM_SETSEL:
        // A negative start removes the selection; a negative end means the end.
        if (message.WParam < 0)
            SetSelection(FCaret, FCaret);
        else
            SetSelection(static_cast<int32_t>(message.WParam),
                message.LParam < 0 ? static_cast<int32_t>(Text().size()) : static_cast<int32_t>(message.LParam));
        break;
    case EM_GETRECT:
        if (message.LParam != 0)
            *reinterpret_cast<TRect*>(message.LParam) = EditRect();
        break;
    case EM_SETRECTNP:
        if (message.LParam != 0)
            SetEditRect(*reinterpret_cast<const TRect*>(message.LParam));
        else
            ResetEditRect();
        break;
    case EM_GETMODIFY:
        message.Result = FModified ? 1 : 0;
        break;
    case EM_SETMODIFY:
        FModified = message.WParam != 0;
        break;
    case EM_LIMITTEXT:
        SetMaxLength(static_cast<int32_t>(message.WParam));
        break;
    case EM_CANUNDO:
        message.Result = FCanUndo ? 1 : 0;
        break;
    case EM_UNDO:
    case WM_UNDO:
        message.Result = FCanUndo ? 1 : 0;
        Undo();
        break;
    case EM_SETPASSWORDCHAR:
        SetPasswordChar(static_cast<TChar>(message.WParam));
        break;
    case EM_SETREADONLY:
        SetReadOnly(message.WParam != 0);
        message.Result = 1;
        break;
    case EM_CHARFROMPOS:
        message.Result = CharFromPos(LParamToPoint(message.LParam));
        break;
    case WM_CUT:
        CutToClipboard();
        break;
    case WM_COPY:
        CopyToClipboard();
        break;
    case WM_PASTE:
        PasteFromClipboard();
        break;
    case WM_CLEAR:
        ClearSelection();
        break;
    default:
        TWinControl::DefaultHandler(message);
        break;
    }
}

void TCustomEdit::WMSetFocus(TMessage& message)
{
    TWinControl::WMSetFocus(message);
    // A click places the caret itself; only keyboard focus selects all.
    if (FAutoSelect && !FMouseFocusing)
        SelectAll();
    Invalidate();
}

void TCustomEdit::WMKillFocus(TMessage& message)
{
    TWinControl::WMKillFocus(message);
    Invalidate();
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (button == mbLeft && !shift.Contains(ssDouble)) {
        FMouseFocusing = true;
        if (!Focused() && CanFocus())
            SetFocus();
        const int32_t position = CharFromPos({ x, y });
        SetSelection(shift.Contains(ssShift) ? FAnchor : position, position);
        FSelecting = true;
    }
    TWinControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    if (FSelecting && shift.Contains(ssLeft))
        SetSelection(FAnchor, CharFromPos({ x, y }));
    TWinControl::MouseMove(shift, x, y);
}

void TCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (button == mbLeft) {
        FSelecting = false;
        FMouseFocusing = false;
    }
    TWinControl::MouseUp(button, shift, x, y);
}

void TCustomEdit::DblClick()
{
    const String& text = Text();
    const auto length = static_cast<int32_t>(text.size());
    int32_t begin = FCaret;
    int32_t end = FCaret;
    while (begin > 0 && !IsWordBreak(text[begin - 1]))
        --begin;
    while (end < length && !IsWordBreak(text[end]))
        ++end;
    SetSelection(begin, end);
    TWinControl::DblClick();
}

TRect TCustomEdit::EditRect() const
{
    if (FHasEditRect)
        return FEditRect;
    const int32_t border = BorderInset();
    return Rect(border + 1, border + 1, Width() - border - 1, Height() - border);
}

void TCustomEdit::SetEditRect(const TRect& rect)
{
    FEditRect = rect;
    FHasEditRect = true;
    Invalidate();
}

void TCustomEdit::ResetEditRect()
{
    FHasEditRect = false;
    Invalidate();
}

String TCustomEdit::DisplayText() const
{
    if (FPasswordChar != 0)
        return String(Text().size(), QChar(FPasswordChar));
    return Text();
}

int32_t TCustomEdit::TextOriginX(int32_t displayWidth) const
{
    const TRect rect = EditRect();
    if (displayWidth < rect.Width()) {
        switch (FAlignment) {
        case taRightJustify:
            return rect.Right - displayWidth;
        case taCenter:
            return rect.Left + (rect.Width() - displayWidth) / 2;
        default:
            break;
        }
    }
    return rect.Left - FScrollX;
}

int32_t TCustomEdit::CharFromPos(TPoint point) const
{
    const QFontMetrics metrics(ToQFont(Font()));
    const String display = DisplayText();
    const int32_t origin = TextOriginX(metrics.horizontalAdvance(display));
    int32_t best = 0;
    int32_t bestDistance = std::abs(point.X - origin);
    for (int32_t index = 1; index <= display.size(); ++index) {
        const int32_t distance = std::abs(point.X - origin - metrics.horizontalAdvance(display.left(index)));
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

void TCustomEdit::PaintWindow(QPainter& painter)
{
    const QFont font = ToQFont(Font());
    const QFontMetrics metrics(font);
    const String display = DisplayText();
    const TRect rect = EditRect();
    const int32_t displayWidth = metrics.horizontalAdvance(display);
    // Keep the caret inside the text area.
    const int32_t caretX = metrics.horizontalAdvance(display.left(FCaret));
    if (caretX - FScrollX > rect.Width() - 1)
        FScrollX = caretX - rect.Width() + 1;
    if (caretX < FScrollX)
        FScrollX = caretX;
    if (displayWidth < rect.Width())
        FScrollX = 0;

    if (!Enabled())
        painter.fillRect(ToQRect(ClientRect()), ToQColor(clBtnFace));
    if (FBorderStyle == bsSingle) {
        const int32_t right = Width() - 1;
        const int32_t bottom = Height() - 1;
        painter.setPen(ToQColor(clBtnShadow));
        painter.drawLine(0, 0, right, 0);
        painter.drawLine(0, 0, 0, bottom);
        painter.setPen(ToQColor(clBtnHighlight));
        painter.drawLine(0, bottom, right, bottom);
        painter.drawLine(right, 0, right, bottom);
        painter.setPen(ToQColor(cl3DDkShadow));
        painter.drawLine(1, 1, right - 1, 1);
        painter.drawLine(1, 1, 1, bottom - 1);
        painter.setPen(ToQColor(cl3DLight));
        painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
        painter.drawLine(right - 1, 1, right - 1, bottom - 1);
    }

    painter.save();
    painter.setClipRect(ToQRect(rect));
    painter.setFont(font);
    const int32_t origin = TextOriginX(displayWidth);
    const int32_t baseline = rect.Top + metrics.ascent();
    painter.setPen(ToQColor(Enabled() ? Font().Color() : clGrayText));
    painter.drawText(origin, baseline, display);
    const bool focused = Focused();
    if (focused && SelLength() > 0) {
        const int32_t left = origin + metrics.horizontalAdvance(display.left(SelStart()));
        const String selected = display.mid(SelStart(), SelLength());
        const QRect highlight(left, rect.Top, metrics.horizontalAdvance(selected), metrics.height());
        painter.fillRect(highlight, ToQColor(clHighlight));
        painter.setPen(ToQColor(clHighlightText));
        painter.drawText(left, baseline, selected);
    }
    if (focused) {
        const int32_t x = origin + caretX;
        painter.setPen(ToQColor(Font().Color()));
        painter.drawLine(x, rect.Top, x, rect.Top + metrics.height() - 1);
    }
    painter.restore();
}

void MessageBeep(uint32_t) { QApplication::beep(); }

bool IsMouseButtonDown(TMouseButton button)
{
    const Qt::MouseButton qtButton = button == mbLeft ? Qt::LeftButton : button == mbRight ? Qt::RightButton : Qt::MiddleButton;
    return (QGuiApplication::mouseButtons() & qtButton) != 0;
}
