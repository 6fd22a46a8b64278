#include "platform/ui/StdCtrls.h"

#include "platform/graphics/QtGraphics.h"
#include "platform/ui/Clipbrd.h"

#include <QApplication>
#include <QWidget>
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

// A single-line edit keeps the text up to the first line break.
String FirstLine(const String& text)
{
    for (qsizetype index = 0; index < text.size(); ++index)
        if (text[index] == u'\r' || text[index] == u'\n')
            return text.left(index);
    return text;
}

// A multi-line edit keeps its lines apart with CR LF, whatever breaks the
// pasted or typed text brought.
String WithCrLf(const String& text)
{
    String result;
    result.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index] == u'\r' || text[index] == u'\n') {
            result += QStringLiteral("\r\n");
            if (text[index] == u'\r' && index + 1 < text.size() && text[index + 1] == u'\n')
                ++index;
        } else {
            result += text[index];
        }
    }
    return result;
}

} // namespace

// ---- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetCursor(crIBeam);
    SetBounds(0, 0, 121, 21);
    Widget()->setAttribute(Qt::WA_InputMethodEnabled);
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

void TCustomEdit::SetHideSelection(bool hideSelection)
{
    FHideSelection = hideSelection;
    Invalidate();
}

void TCustomEdit::SetMultiLine(bool multiLine)
{
    FMultiLine = multiLine;
    if (!multiLine)
        SetText(FirstLine(Text()));
    Invalidate();
}

void TCustomEdit::SetWordWrap(bool wordWrap)
{
    FWordWrap = wordWrap;
    Invalidate();
}

const TEditCore& TCustomEdit::Core() const
{
    FCore.SetFont(Font());
    FCore.SetMultiLine(FMultiLine);
    FCore.SetWordWrap(FMultiLine && FWordWrap);
    FCore.SetPasswordChar(FPasswordChar);
    FCore.SetAlignment(FAlignment);
    FCore.SetRect(EditRect());
    FCore.SetText(Text());
    return FCore;
}

TEditCore& TCustomEdit::Core()
{
    std::as_const(*this).Core();
    return FCore;
}

// A position inside a CR LF pair would split a line break.
void TCustomEdit::SetSelection(int32_t anchor, int32_t caret)
{
    const String& text = Text();
    const auto length = static_cast<int32_t>(text.size());
    auto settle = [&](int32_t position) {
        position = std::clamp(position, 0, length);
        if (position > 0 && position < length && text[position - 1] == u'\r' && text[position] == u'\n')
            --position;
        return position;
    };
    FAnchor = settle(anchor);
    FCaret = settle(caret);
    CaretMoved();
}

void TCustomEdit::CaretMoved()
{
    TEditCore& core = Core();
    const int32_t topLine = core.TopLine();
    const int32_t scrollX = core.ScrollX();
    core.ScrollCaret(FCaret);
    if (core.TopLine() != topLine || core.ScrollX() != scrollX)
        Scrolled();
    Invalidate();
}

void TCustomEdit::ScrollCaret() { CaretMoved(); }

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
    const String insert = AcceptedText(selText);
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
    {
        const TFlagScope scope(FUserChange);
        SetText(text);
    }
    CaretMoved();
}

String TCustomEdit::AcceptedText(const String& text) const { return FMultiLine ? WithCrLf(text) : FirstLine(text); }

void TCustomEdit::UserInsert(const String& text)
{
    if (!EditCanModify())
        return;
    String insert = ApplyCharCase(AcceptedText(text));
    const String current = Text();
    const int32_t start = SelStart();
    const int32_t length = SelLength();
    if (FMaxLength > 0) {
        const int32_t room = FMaxLength - (static_cast<int32_t>(current.size()) - length);
        insert = insert.left(std::max(room, 0));
        // Half a line break or half a surrogate pair is no character.
        if (!insert.isEmpty() && (insert.back() == u'\r' || insert.back().isHighSurrogate()))
            insert.chop(1);
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
    const TEditCore& core = Core();
    const auto length = static_cast<int32_t>(current.size());
    if (forward) {
        if (FCaret >= length)
            return;
        const int32_t end = word ? core.WordBoundary(FCaret, true) : core.NextPosition(FCaret);
        ReplaceText(current.left(FCaret) + current.mid(end), FCaret);
    } else {
        if (FCaret == 0)
            return;
        const int32_t begin = word ? core.WordBoundary(FCaret, false) : core.PreviousPosition(FCaret);
        ReplaceText(current.left(begin) + current.mid(FCaret), begin);
    }
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
        FModified = false;
        FCanUndo = false;
        Core().SetTopLine(0);
        Core().SetScrollX(0);
        Scrolled();
    }
    Invalidate();
    Change();
}

void TCustomEdit::CMEnabledChanged(TMessage& message)
{
    TWinControl::CMEnabledChanged(message);
    Invalidate();
}

void TCustomEdit::CMFontChanged(TMessage& message)
{
    TWinControl::CMFontChanged(message);
    Invalidate();
}

// Up and Down keep to the x where the run of vertical moves began.
void TCustomEdit::MoveLines(int32_t lines, bool extend)
{
    const TEditCore& core = Core();
    if (FDesiredX < 0)
        FDesiredX = core.PosFromChar(FCaret).X;
    const int32_t line = std::clamp(core.LineFromChar(FCaret) + lines, 0, core.LineCount() - 1);
    const int32_t target = core.CharFromLineX(line, FDesiredX);
    const int32_t desiredX = FDesiredX;
    SetSelection(extend ? FAnchor : target, target);
    FDesiredX = desiredX;
}

// Cutting and pasting by key go through WM_CUT and WM_PASTE, as on the
// platform, so that a descendant can refuse them.
void TCustomEdit::KeyCommand(uint16_t key, TShiftState shift)
{
    const bool extend = shift.Contains(ssShift);
    const bool word = shift.Contains(ssCtrl);
    const TEditCore& core = Core();
    const auto length = static_cast<int32_t>(Text().size());
    auto moveTo = [&](int32_t target) { SetSelection(extend ? FAnchor : target, target); };
    const bool vertical = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
    if (!vertical)
        FDesiredX = -1;
    const TEditCore::TLine& line = core.Line(core.LineFromChar(FCaret));
    switch (key) {
    case VK_LEFT:
        if (!extend && !word && SelLength() > 0)
            moveTo(SelStart());
        else
            moveTo(word ? core.WordBoundary(FCaret, false) : core.PreviousPosition(FCaret));
        break;
    case VK_RIGHT:
        if (!extend && !word && SelLength() > 0)
            moveTo(SelStart() + SelLength());
        else
            moveTo(word ? core.WordBoundary(FCaret, true) : core.NextPosition(FCaret));
        break;
    case VK_HOME:
        moveTo(FMultiLine && !word ? line.Start : 0);
        break;
    case VK_END:
        moveTo(FMultiLine && !word ? line.Start + line.Length : length);
        break;
    case VK_UP:
    case VK_DOWN:
        if (FMultiLine)
            MoveLines(key == VK_UP ? -1 : 1, extend);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (FMultiLine)
            MoveLines((key == VK_PRIOR ? -1 : 1) * core.VisibleLines(), extend);
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
            Perform(WM_COPY);
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
        Perform(WM_COPY);
        break;
    case 8:
        UserDelete(false, false);
        break;
    case 9:
        if (FMultiLine)
            UserInsert(QStringLiteral("\t"));
        break;
    case 10:
    case 13:
        if (FMultiLine)
            UserInsert(QStringLiteral("\r\n"));
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
        if (FMultiLine && FWantReturns)
            message.Result |= DLGC_WANTALLKEYS;
        if (FMultiLine && FWantTabs)
            message.Result |= DLGC_WANTTAB;
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
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (message.LParam != 0)
            SetEditRect(*reinterpret_cast<const TRect*>(message.LParam));
        else
            ResetEditRect();
        break;
    case EM_SETMARGINS:
        SetMargins((message.WParam & EC_LEFTMARGIN) != 0 ? LParamX(message.LParam) : FLeftMargin,
            (message.WParam & EC_RIGHTMARGIN) != 0 ? LParamY(message.LParam) : FRightMargin);
        break;
    case EM_GETMARGINS:
        message.Result = MakeLParam(FLeftMargin, FRightMargin);
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
    case EM_EMPTYUNDOBUFFER:
        ClearUndo();
        break;
    case EM_SETPASSWORDCHAR:
        SetPasswordChar(static_cast<TChar>(message.WParam));
        break;
    case EM_SETREADONLY:
        SetReadOnly(message.WParam != 0);
        message.Result = 1;
        break;
    case EM_CHARFROMPOS: {
        const int32_t position = CharFromPos(LParamToPoint(message.LParam));
        message.Result = MakeLParam(position, LineFromChar(position));
        break;
    }
    case EM_POSFROMCHAR:
        message.Result = message.WParam <= static_cast<intptr_t>(Text().size())
            ? PointToLParam(PosFromChar(static_cast<int32_t>(message.WParam)))
            : -1;
        break;
    case EM_LINEFROMCHAR:
        message.Result = LineFromChar(message.WParam < 0 ? SelStart() : static_cast<int32_t>(message.WParam));
        break;
    case EM_LINEINDEX:
        message.Result = LineIndex(message.WParam < 0 ? LineFromChar(FCaret) : static_cast<int32_t>(message.WParam));
        break;
    case EM_LINELENGTH:
        message.Result = LineLength(LineFromChar(message.WParam < 0 ? FCaret : static_cast<int32_t>(message.WParam)));
        break;
    case EM_GETLINECOUNT:
        message.Result = LineCount();
        break;
    case EM_GETFIRSTVISIBLELINE:
        message.Result = FirstVisibleLine();
        break;
    case EM_SCROLLCARET:
        ScrollCaret();
        break;
    case EM_LINESCROLL:
        if (FMultiLine) {
            Core().SetTopLine(Core().TopLine() + static_cast<int32_t>(message.LParam));
            if (!FWordWrap)
                Core().SetScrollX(Core().ScrollX() + static_cast<int32_t>(message.WParam) * Core().AverageCharWidth());
            Scrolled();
            Invalidate();
            message.Result = 1;
        }
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

int32_t TCustomEdit::LineCount() const { return Core().LineCount(); }

int32_t TCustomEdit::LineFromChar(int32_t position) const { return Core().LineFromChar(position); }

int32_t TCustomEdit::LineIndex(int32_t line) const
{
    const TEditCore& core = Core();
    return line >= 0 && line < core.LineCount() ? core.Line(line).Start : -1;
}

int32_t TCustomEdit::LineLength(int32_t line) const { return Core().Line(line).Length; }

int32_t TCustomEdit::FirstVisibleLine() const { return Core().TopLine(); }

TPoint TCustomEdit::PosFromChar(int32_t position) const { return Core().PosFromChar(position); }

int32_t TCustomEdit::CharFromPos(TPoint point) const { return Core().CharFromPos(point); }

void TCustomEdit::WMSetFocus(TMessage& message)
{
    TWinControl::WMSetFocus(message);
    // A click places the caret itself; only keyboard focus selects all.
    if (FAutoSelect && !FMouseFocusing && !FMultiLine)
        SelectAll();
    Invalidate();
}

void TCustomEdit::WMKillFocus(TMessage& message)
{
    TWinControl::WMKillFocus(message);
    InputMethodComposition(String(), 0);
    Invalidate();
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (button == mbLeft && !shift.Contains(ssDouble)) {
        FMouseFocusing = true;
        if (!Focused() && CanFocus())
            SetFocus();
        const int32_t position = CharFromPos({ x, y });
        FDesiredX = -1;
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
    const auto [begin, end] = Core().WordAt(FCaret);
    SetSelection(begin, end);
    TWinControl::DblClick();
}

TRect TCustomEdit::EditRect() const
{
    if (FHasEditRect)
        return FEditRect;
    const TRect area = TextArea();
    const int32_t border = BorderInset();
    return Rect(area.Left + border + 1 + FLeftMargin, area.Top + border + 1, area.Right - border - 1 - FRightMargin, area.Bottom - border);
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

void TCustomEdit::SetMargins(int32_t left, int32_t right)
{
    FLeftMargin = std::max(left, 0);
    FRightMargin = std::max(right, 0);
    Invalidate();
}

TInputMethodState TCustomEdit::InputMethodState() const
{
    TInputMethodState state;
    state.Enabled = Enabled() && !FReadOnly;
    state.Sensitive = FPasswordChar != 0;
    state.CaretRect = Core().CaretRect(FCaret);
    if (!state.Sensitive) {
        state.SurroundingText = Text();
        state.Cursor = FCaret;
        state.Anchor = FAnchor;
    }
    return state;
}

void TCustomEdit::InputMethodComposition(const String& preedit, int32_t cursor)
{
    if (preedit.isEmpty() && Core().Composition().isEmpty())
        return;
    Core().SetComposition(preedit, cursor);
    CaretMoved();
}

void TCustomEdit::InputMethodSelect(int32_t relativeStart, int32_t length)
{
    const int32_t start = FCaret + relativeStart;
    SetSelection(start, start + length);
}

void TCustomEdit::PaintWindow(QPainter& painter)
{
    if (!Enabled())
        painter.fillRect(ToQRect(TextArea()), ToQColor(clBtnFace));
    if (FBorderStyle == bsSingle) {
        const TRect area = TextArea();
        const int32_t left = area.Left;
        const int32_t top = area.Top;
        const int32_t right = area.Right - 1;
        const int32_t bottom = area.Bottom - 1;
        painter.setPen(ToQColor(clBtnShadow));
        painter.drawLine(left, top, right, top);
        painter.drawLine(left, top, left, bottom);
        painter.setPen(ToQColor(clBtnHighlight));
        painter.drawLine(left, bottom, right, bottom);
        painter.drawLine(right, top, right, bottom);
        painter.setPen(ToQColor(cl3DDkShadow));
        painter.drawLine(left + 1, top + 1, right - 1, top + 1);
        painter.drawLine(left + 1, top + 1, left + 1, bottom - 1);
        painter.setPen(ToQColor(cl3DLight));
        painter.drawLine(left + 1, bottom - 1, right - 1, bottom - 1);
        painter.drawLine(right - 1, top + 1, right - 1, bottom - 1);
    }
    TEditCore& core = Core();
    // The caret may have left the view through a resize or a new font.
    if (!FMultiLine)
        core.ScrollCaret(FCaret);
    const bool focused = Focused();
    TEditCore::TPaintState state;
    state.Anchor = FAnchor;
    state.Caret = FCaret;
    state.ShowSelection = focused || !FHideSelection;
    state.ShowCaret = focused;
    state.TextColor = Enabled() ? Font().Color() : clGrayText;
    core.Paint(painter, state);
}

void MessageBeep(uint32_t) { QApplication::beep(); }

bool IsMouseButtonDown(TMouseButton button)
{
    const Qt::MouseButton qtButton = button == mbLeft ? Qt::LeftButton : button == mbRight ? Qt::RightButton : Qt::MiddleButton;
    return (QGuiApplication::mouseButtons() & qtButton) != 0;
}
