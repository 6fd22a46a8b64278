#include "platform/graphics/Canvas.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/SystemMetrics.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <memory>

namespace {

// One input step: a key (with the text it types), or what an input method
// sends: text being composed, or a commit.
struct TStep {
    enum class TKind { Key, Preedit, Commit } Kind = TKind::Key;
    Qt::Key Key = Qt::Key_unknown;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
    const char16_t* Text = u"";
};

TStep Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const char16_t* text = u"")
{
    return { TStep::TKind::Key, key, modifiers, text };
}
TStep Typed(const char16_t* text) { return { TStep::TKind::Key, Qt::Key_unknown, Qt::NoModifier, text }; }
TStep Preedit(const char16_t* text) { return { TStep::TKind::Preedit, Qt::Key_unknown, Qt::NoModifier, text }; }
TStep Commit(const char16_t* text) { return { TStep::TKind::Commit, Qt::Key_unknown, Qt::NoModifier, text }; }

void Send(const TStep& step)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    const QString text = QString::fromUtf16(step.Text);
    switch (step.Kind) {
    case TStep::TKind::Key:
        // Plain typing sends one key per character.
        if (step.Key == Qt::Key_unknown) {
            for (const QChar character : text) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
                QApplication::sendEvent(focus, &press);
            }
        } else {
            QKeyEvent press(QEvent::KeyPress, step.Key, step.Modifiers, text);
            QApplication::sendEvent(focus, &press);
        }
        break;
    case TStep::TKind::Preedit: {
        QInputMethodEvent composing(text, { { QInputMethodEvent::Cursor, static_cast<int>(text.size()), 1, QVariant() } });
        QApplication::sendEvent(focus, &composing);
        break;
    }
    case TStep::TKind::Commit: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(focus, &commit);
        break;
    }
    }
}

// An edit that refuses pastes, as descendants do through WM_PASTE.
class TNoPasteEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg != WM_PASTE)
            TEdit::WndProc(message);
    }
};

class EditingTest : public testing::Test {
protected:
    template <class TControlClass>
    TControlClass* Make(int32_t width, int32_t height)
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        auto* control = new TControlClass(Form.get());
        control->SetBounds(10, 10, width, height);
        control->SetParent(Form.get());
        Form->Show();
        QApplication::processEvents();
        control->SetFocus();
        return control;
    }

    std::unique_ptr<TForm> Form;
};

} // namespace

TEST_F(EditingTest, KeySequencesGiveTextCaretAndSelection)
{
    struct Case {
        const char* name;
        const char16_t* start;
        int32_t caret;
        std::vector<TStep> steps;
        const char16_t* text;
        int32_t selStart;
        int32_t selLength;
    };
    const Case cases[] = {
        { "typing inserts at the caret", u"ad", 1, { Typed(u"bc") }, u"abcd", 3, 0 },
        { "backspace then delete", u"abcd", 2, { Key(Qt::Key_Backspace), Key(Qt::Key_Delete) }, u"ad", 1, 0 },
        { "home and end", u"abc", 1, { Key(Qt::Key_Home), Typed(u"<"), Key(Qt::Key_End), Typed(u">") }, u"<abc>", 5, 0 },
        { "shift+right selects, typing replaces", u"abcd", 1,
            { Key(Qt::Key_Right, Qt::ShiftModifier), Key(Qt::Key_Right, Qt::ShiftModifier), Typed(u"X") }, u"aXd", 2, 0 },
        { "shift+home selects back to the start", u"abcd", 3, { Key(Qt::Key_Home, Qt::ShiftModifier) }, u"abcd", 0, 3 },
        { "left collapses a selection at its start", u"abcd", 3,
            { Key(Qt::Key_Left, Qt::ShiftModifier), Key(Qt::Key_Left, Qt::ShiftModifier), Key(Qt::Key_Left) }, u"abcd", 1, 0 },
        { "ctrl+right to the next word", u"one two three", 0,
            { Key(Qt::Key_Right, Qt::ControlModifier), Key(Qt::Key_Right, Qt::ControlModifier) }, u"one two three", 8, 0 },
        { "ctrl+shift+left selects a word", u"one two", 7, { Key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier) }, u"one two", 4, 3 },
        { "ctrl+backspace deletes a word", u"one two", 7, { Key(Qt::Key_Backspace, Qt::ControlModifier) }, u"one ", 4, 0 },
        { "ctrl+z undoes the last change", u"abc", 3, { Typed(u"d"), Key(Qt::Key_Z, Qt::ControlModifier) }, u"abc", 3, 0 },
        { "ctrl+z twice restores the change", u"abc", 3,
            { Typed(u"d"), Key(Qt::Key_Z, Qt::ControlModifier), Key(Qt::Key_Z, Qt::ControlModifier) }, u"abcd", 4, 0 },
        { "cut and paste move text", u"abcd", 0,
            { Key(Qt::Key_Right, Qt::ShiftModifier), Key(Qt::Key_X, Qt::ControlModifier), Key(Qt::Key_End), Key(Qt::Key_V, Qt::ControlModifier) },
            u"bcda", 4, 0 },
        { "copy then paste over a selection", u"ab", 0,
            { Key(Qt::Key_A, Qt::ControlModifier), Key(Qt::Key_Insert, Qt::ControlModifier), Key(Qt::Key_End),
                Key(Qt::Key_Insert, Qt::ShiftModifier) },
            u"abab", 4, 0 },
        { "shift+delete cuts", u"abcd", 0, { Key(Qt::Key_End, Qt::ShiftModifier), Key(Qt::Key_Delete, Qt::ShiftModifier), Key(Qt::Key_V, Qt::ControlModifier), Key(Qt::Key_V, Qt::ControlModifier) },
            u"abcdabcd", 8, 0 },
        { "dead circumflex composes with the next letter", u"Cr", 2,
            { Key(Qt::Key_Dead_Circumflex), Key(Qt::Key_E, Qt::NoModifier, u"e"), Typed(u"me") }, u"Crême", 5, 0 },
        { "dead key then shift+letter makes a capital", u"", 0,
            { Key(Qt::Key_Dead_Diaeresis), Key(Qt::Key_Shift, Qt::ShiftModifier), Key(Qt::Key_U, Qt::ShiftModifier, u"U") }, u"Ü", 1, 0 },
        { "dead key then space makes the accent", u"", 0, { Key(Qt::Key_Dead_Circumflex), Key(Qt::Key_Space, Qt::NoModifier, u" ") }, u"^", 1, 0 },
        { "dead key that does not combine stands before the letter", u"", 0,
            { Key(Qt::Key_Dead_Circumflex), Key(Qt::Key_X, Qt::NoModifier, u"x") }, u"^x", 2, 0 },
        { "input method commit", u"Cr", 2, { Commit(u"ê"), Typed(u"me") }, u"Crême", 5, 0 },
        { "composed text is not text until committed", u"ab", 1, { Preedit(u"x"), Preedit(u"xy") }, u"ab", 1, 0 },
        { "a commit replaces the composition", u"ab", 1, { Preedit(u"ka"), Commit(u"か") }, u"aかb", 2, 0 },
    };
    TEdit* edit = Make<TEdit>(200, 21);
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Clipboard().SetAsText(QString());
        edit->SetText(QString::fromUtf16(entry.start));
        edit->SetSelStart(entry.caret);
        for (const TStep& step : entry.steps)
            Send(step);
        EXPECT_EQ(edit->Text(), QString::fromUtf16(entry.text));
        EXPECT_EQ(edit->SelStart(), entry.selStart);
        EXPECT_EQ(edit->SelLength(), entry.selLength);
        Send(Commit(u""));
    }
}

TEST_F(EditingTest, CharacterHandlersChangeAndSwallowTypedComposedAndCommittedCharacters)
{
    TEdit* edit = Make<TEdit>(200, 21);
    std::vector<TChar> seen;
    edit->OnKeyPress = [&](TComponent*, TChar& key) {
        seen.push_back(key);
        if (key == u'x')
            key = 0;
        else if (key == u'ê')
            key = u'E';
    };
    Send(Typed(u"ax"));
    Send(Key(Qt::Key_Dead_Circumflex));
    Send(Key(Qt::Key_E, Qt::NoModifier, u"e"));
    Send(Commit(u"xêb"));
    EXPECT_EQ(edit->Text(), "aEEb");
    EXPECT_EQ(seen, (std::vector<TChar> { u'a', u'x', u'ê', u'x', u'ê', u'b' }));
}

TEST_F(EditingTest, MaxLengthCutsTypedCommittedAndPastedText)
{
    TEdit* edit = Make<TEdit>(200, 21);
    edit->SetMaxLength(4);
    Send(Commit(u"abcdef"));
    EXPECT_EQ(edit->Text(), "abcd");
    edit->SetSelStart(2);
    edit->SetSelLength(1);
    Clipboard().SetAsText("XYZ");
    Send(Key(Qt::Key_V, Qt::ControlModifier));
    EXPECT_EQ(edit->Text(), "abXd");
}

TEST_F(EditingTest, ADescendantRefusingPasteKeepsItsTextForEveryPasteKey)
{
    auto* edit = Make<TNoPasteEdit>(200, 21);
    edit->SetText("keep");
    edit->SetSelStart(4);
    Clipboard().SetAsText("X");
    Send(Key(Qt::Key_V, Qt::ControlModifier));
    Send(Key(Qt::Key_Insert, Qt::ShiftModifier));
    EXPECT_EQ(edit->Text(), "keep");
}

TEST_F(EditingTest, InputMethodsAskTheEditAndSeeItsComposition)
{
    TEdit* edit = Make<TEdit>(200, 21);
    edit->SetText("abc");
    edit->SetSelStart(2);
    QWidget* focus = QApplication::focusWidget();
    auto query = [&](Qt::InputMethodQuery item) {
        QInputMethodQueryEvent event(item);
        QApplication::sendEvent(focus, &event);
        return event.value(item);
    };
    EXPECT_TRUE(query(Qt::ImEnabled).toBool());
    EXPECT_EQ(query(Qt::ImSurroundingText).toString(), "abc");
    EXPECT_EQ(query(Qt::ImCursorPosition).toInt(), 2);
    const QRectF before = query(Qt::ImCursorRectangle).toRectF();
    Send(Preedit(u"kan"));
    EXPECT_GT(query(Qt::ImCursorRectangle).toRectF().left(), before.left());
    EXPECT_EQ(edit->Text(), "abc");

    edit->SetReadOnly(true);
    EXPECT_FALSE(query(Qt::ImEnabled).toBool());
    edit->SetReadOnly(false);
    edit->SetPasswordChar(u'*');
    EXPECT_TRUE(query(Qt::ImHints).toInt() & Qt::ImhHiddenText);
    EXPECT_EQ(query(Qt::ImSurroundingText).toString(), "");
}

TEST_F(EditingTest, MemoWrapsAtWordsAndAnswersTheLineQueries)
{
    TMemo* memo = Make<TMemo>(200, 120);
    TCanvas canvas;
    canvas.SetFont(memo->Font());
    // Room for "alpha beta " but not for "alpha beta gamma".
    const int32_t width = canvas.TextWidth("alpha beta ") + 2;
    const TRect rect = Rect(2, 2, 2 + width, 110);
    memo->Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&rect));
    memo->SetText("alpha beta gamma\r\n\r\nz");
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 4);
    struct Case {
        int32_t position;
        int32_t line;
    };
    const Case cases[] = { { 0, 0 }, { 10, 0 }, { 11, 1 }, { 16, 1 }, { 18, 2 }, { 20, 3 } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.position);
        EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, entry.position), entry.line);
    }
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, 1), 11);
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, 3), 20);
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, 4), -1);
    EXPECT_EQ(memo->Lines().Count(), 3);

    // A character's position leads back to it.
    for (const int32_t position : { 0, 3, 11, 14, 20 }) {
        SCOPED_TRACE(position);
        const TPoint point = LParamToPoint(memo->Perform(EM_POSFROMCHAR, position));
        EXPECT_EQ(LParamX(memo->Perform(EM_CHARFROMPOS, 0, PointToLParam({ point.X + 1, point.Y + 1 }))), position);
    }

    // A new width moves the soft breaks: wide enough, "gamma" joins the first line; narrow again, it wraps again.
    const TRect wide = Rect(2, 2, 2 + canvas.TextWidth("alpha beta gamma") + 8, 110);
    memo->Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&wide));
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 3);
    EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, 11), 0);
    memo->Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&rect));
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 4);
    EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, 20), 3);

    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 3);
    EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, 11), 0);
}

// However a wrapped memo changes its width (its bounds, its alignment in a
// parent that is resized, the window resized by the user), its lines break
// again at the new width and the first line shown stays in range.
TEST_F(EditingTest, AWrappedMemoLaysOutItsLinesAgainWhenResized)
{
    const struct {
        const char* name;
        void (*resize)(TMemo& memo, int32_t width);
    } cases[] = {
        { "bounds", [](TMemo& memo, int32_t width) { memo.SetWidth(width); } },
        { "aligned in its parent",
            [](TMemo& memo, int32_t width) {
                memo.SetAlign(alClient);
                memo.Parent()->SetWidth(width);
            } },
        { "the window resized",
            [](TMemo& memo, int32_t width) {
                memo.SetAlign(alClient);
                memo.Parent()->Widget()->resize(width, memo.Parent()->Height());
                QApplication::processEvents();
            } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        TMemo* memo = Make<TMemo>(120, 60);
        memo->SetText("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda my ny xi omikron pi rho");
        entry.resize(*memo, 120);
        const intptr_t narrow = memo->Perform(EM_GETLINECOUNT);
        ASSERT_GT(narrow, 3);
        memo->Perform(EM_LINESCROLL, 0, narrow);
        entry.resize(*memo, 390);
        const intptr_t wide = memo->Perform(EM_GETLINECOUNT);
        EXPECT_LT(wide, narrow);
        EXPECT_LT(memo->Perform(EM_GETFIRSTVISIBLELINE), wide);
        entry.resize(*memo, 120);
        EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), narrow);
    }
}

TEST_F(EditingTest, MemoKeysMoveByLinesAndEnterBreaksTheLine)
{
    TMemo* memo = Make<TMemo>(300, 120);
    struct Case {
        const char* name;
        int32_t caret;
        std::vector<TStep> steps;
        const char16_t* text;
        int32_t selStart;
        int32_t selLength;
    };
    // Digits are equally wide, so columns line up.
    const Case cases[] = {
        { "down keeps the column", 2, { Key(Qt::Key_Down) }, u"12345\r\n123456\r\n12345", 9, 0 },
        { "up from the first line stays there", 2, { Key(Qt::Key_Up) }, u"12345\r\n123456\r\n12345", 2, 0 },
        { "end goes to the end of the line", 7, { Key(Qt::Key_End) }, u"12345\r\n123456\r\n12345", 13, 0 },
        { "ctrl+end goes to the end of the text", 0, { Key(Qt::Key_End, Qt::ControlModifier) }, u"12345\r\n123456\r\n12345", 20, 0 },
        { "enter inserts a line break", 5, { Key(Qt::Key_Return, Qt::NoModifier, u"\r"), Typed(u"x") }, u"12345\r\nx\r\n123456\r\n12345", 8, 0 },
        { "backspace joins lines", 7, { Key(Qt::Key_Backspace) }, u"12345123456\r\n12345", 5, 0 },
        { "right steps over a line break", 5, { Key(Qt::Key_Right) }, u"12345\r\n123456\r\n12345", 7, 0 },
        { "shift+down selects to the next line", 0, { Key(Qt::Key_Down, Qt::ShiftModifier) }, u"12345\r\n123456\r\n12345", 0, 7 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        memo->SetText("12345\r\n123456\r\n12345");
        memo->SetSelStart(entry.caret);
        for (const TStep& step : entry.steps)
            Send(step);
        EXPECT_EQ(memo->Text(), QString::fromUtf16(entry.text));
        EXPECT_EQ(memo->SelStart(), entry.selStart);
        EXPECT_EQ(memo->SelLength(), entry.selLength);
    }
    // Pasted line feeds become the memo's line breaks.
    memo->SetText("");
    Clipboard().SetAsText("a\nb");
    memo->PasteFromClipboard();
    EXPECT_EQ(memo->Text(), "a\r\nb");
    EXPECT_EQ(memo->CaretPos(), (TPoint { 1, 1 }));
}

TEST_F(EditingTest, MemoScrollsToTheCaretAndByBarWheelAndMessage)
{
    TMemo* memo = Make<TMemo>(200, 60);
    memo->SetScrollBars(ssVertical);
    TStringList lines;
    for (int line = 0; line < 30; ++line)
        lines.Add(QString::number(line));
    memo->SetLines(lines);
    const auto visible = [&] { return static_cast<int32_t>(memo->Perform(EM_GETFIRSTVISIBLELINE)); };
    EXPECT_EQ(visible(), 0);
    Send(Key(Qt::Key_End, Qt::ControlModifier));
    const int32_t bottom = visible();
    EXPECT_GT(bottom, 20);
    Send(Key(Qt::Key_Home, Qt::ControlModifier));
    EXPECT_EQ(visible(), 0);
    memo->Perform(WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0));
    EXPECT_EQ(visible(), 1);
    memo->Perform(WM_VSCROLL, MakeScrollWParam(SB_BOTTOM, 0));
    EXPECT_EQ(visible(), bottom);
    memo->Perform(EM_LINESCROLL, 0, -5);
    EXPECT_EQ(visible(), bottom - 5);
    memo->Perform(CM_MOUSEWHEEL, WHEEL_DELTA, 0);
    EXPECT_EQ(visible(), bottom - 5 - static_cast<int32_t>(WheelScrollLines()));
    // Typing scrolls the caret back into view.
    Send(Typed(u"x"));
    EXPECT_EQ(visible(), 0);
}

TEST(RichEdit, PlainTextRoundTripsThroughLinesAndText)
{
    // Hidden and parentless, as on panels the user has not opened.
    TRichEdit rich(nullptr);
    rich.SetPlainText(true);
    int changes = 0;
    rich.OnChange = [&](TComponent*) { ++changes; };
    const String text = QString::fromUtf16(u"topic/$VALUE$\r\nCrême ü\r\n\r\nend");
    rich.SetText(text);
    EXPECT_EQ(rich.Lines().Count(), 4);
    EXPECT_EQ(rich.Lines()[1], QString::fromUtf16(u"Crême ü"));
    const String lines = rich.Lines().Text();
    rich.Clear();
    EXPECT_EQ(rich.Text(), "");
    rich.Lines().SetText(lines);
    EXPECT_EQ(rich.Lines().Text(), lines);
    EXPECT_EQ(changes, 3);

    rich.SetText(text);
    rich.SetSelStart(15);
    rich.SetSelLength(5);
    EXPECT_EQ(rich.SelText(), QString::fromUtf16(u"Crême"));
    rich.SetSelText("Cream");
    EXPECT_EQ(rich.Lines()[1], QString::fromUtf16(u"Cream ü"));
}
