#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Mask.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <memory>

namespace {

class EditTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->OnChange = [this](TComponent*) { Changes.push_back(Edit->Text()); };
        Form->Show();
        QApplication::processEvents();
        ASSERT_TRUE(Edit->Focused());
    }

    void Type(const QString& text)
    {
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }

    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    std::vector<String> Changes;
};

} // namespace

TEST_F(EditTest, OnChangeFiresForProgrammaticAndTypedChangesButNotForEqualText)
{
    Edit->SetText("abc");
    Edit->SetText("abc");
    EXPECT_EQ(Changes, (std::vector<String> { "abc" }));
    EXPECT_FALSE(Edit->Modified());
    EXPECT_EQ(Edit->SelStart(), 0);

    Changes.clear();
    Edit->SetSelStart(3);
    Type("de");
    EXPECT_EQ(Changes, (std::vector<String> { "abcd", "abcde" }));
    EXPECT_TRUE(Edit->Modified());
    EXPECT_EQ(Edit->SelStart(), 5);

    Edit->SetText("x");
    EXPECT_FALSE(Edit->Modified());
}

TEST_F(EditTest, KeyPressCanReplaceOrSwallowTheCharacter)
{
    Edit->OnKeyPress = [](TComponent*, TChar& key) {
        if (key == u'x')
            key = 0;
        else if (key == u',')
            key = u'.';
    };
    Type("1x,5");
    EXPECT_EQ(Edit->Text(), "1.5");
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPastingButNotTheProgram)
{
    Edit->SetMaxLength(4);
    Type("abcdef");
    EXPECT_EQ(Edit->Text(), "abcd");

    Edit->SetSelStart(1);
    Edit->SetSelLength(2);
    Clipboard().SetAsText("XYZW");
    Edit->PasteFromClipboard();
    EXPECT_EQ(Edit->Text(), "aXYd");

    Edit->SetText("longer than four");
    EXPECT_EQ(Edit->Text(), "longer than four");
}

TEST_F(EditTest, EditingKeysFollowThePlatformsEdit)
{
    struct Case {
        const char* name;
        std::function<void()> keys;
        const char* text;
        int32_t selStart;
        int32_t selLength;
    };
    const Case cases[] = {
        { "backspace", [&] { Press(Qt::Key_Backspace); }, "hello worl", 10, 0 },
        { "home then delete", [&] { Press(Qt::Key_Home); Press(Qt::Key_Delete); }, "ello world", 0, 0 },
        { "shift+left selects", [&] { Press(Qt::Key_Left, Qt::ShiftModifier); Press(Qt::Key_Left, Qt::ShiftModifier); }, "hello world", 9, 2 },
        { "ctrl+left to word start", [&] { Press(Qt::Key_Left, Qt::ControlModifier); }, "hello world", 6, 0 },
        { "ctrl+a then type", [&] { Press(Qt::Key_A, Qt::ControlModifier); Type("z"); }, "z", 1, 0 },
        { "ctrl+z undoes", [&] { Press(Qt::Key_Backspace); Press(Qt::Key_Z, Qt::ControlModifier); }, "hello world", 11, 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Edit->SetText("hello world");
        Edit->SetSelStart(11);
        entry.keys();
        EXPECT_EQ(Edit->Text(), entry.text);
        EXPECT_EQ(Edit->SelStart(), entry.selStart);
        EXPECT_EQ(Edit->SelLength(), entry.selLength);
    }
}

TEST_F(EditTest, ReadOnlyRefusesChangesButKeepsSelecting)
{
    Edit->SetText("fixed");
    Edit->SetReadOnly(true);
    Type("x");
    Press(Qt::Key_Backspace);
    Press(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(Edit->Text(), "fixed");
    EXPECT_EQ(Edit->SelLength(), 5);
    EXPECT_EQ(Changes.size(), 1U);
}

TEST_F(EditTest, CharCaseAppliesToTypedAndSetText)
{
    Edit->SetCharCase(ecUpperCase);
    Edit->SetText("abc");
    EXPECT_EQ(Edit->Text(), "ABC");
    EXPECT_EQ(Changes, (std::vector<String> { "ABC" }));
    Edit->SetSelStart(3);
    Type("d");
    EXPECT_EQ(Edit->Text(), "ABCD");
}

TEST_F(EditTest, SelectionMessagesAndPasswordsFollowThePlatform)
{
    Edit->SetText("0123456789");
    Edit->Perform(EM_SETSEL, 2, 5);
    EXPECT_EQ(Edit->SelText(), "234");
    const intptr_t range = Edit->Perform(EM_GETSEL);
    EXPECT_EQ(LParamX(range), 2);
    EXPECT_EQ(LParamY(range), 5);
    Edit->Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(Edit->SelLength(), 10);

    Clipboard().SetAsText("before");
    Edit->SetPasswordChar(u'*');
    Edit->CopyToClipboard();
    EXPECT_EQ(Clipboard().AsText(), "before");
}

TEST_F(EditTest, TabAndEnterStayDialogKeys)
{
    EXPECT_EQ(Edit->Perform(WM_GETDLGCODE) & (DLGC_WANTTAB | DLGC_WANTALLKEYS), 0);
    Edit->SetText("a");
    Press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(Edit->Text(), "a");
}

TEST(MaskEdit, WithoutAMaskItIsAPlainEdit)
{
    TMaskEdit edit(nullptr);
    edit.SetMaxLength(3);
    edit.SetText("free text");
    EXPECT_FALSE(edit.IsMasked());
    EXPECT_EQ(edit.EditText(), "free text");
    EXPECT_NO_THROW(edit.ValidateEdit());
}

TEST(MaskEdit, TypingFillsTheMaskAndValidationFindsGaps)
{
    TForm form(nullptr);
    auto* edit = new TMaskEdit(&form);
    edit->SetParent(&form);
    edit->SetEditMask("!99/99/0000;1;_");
    EXPECT_EQ(edit->EditText(), "__/__/____");
    form.Show();
    QApplication::processEvents();
    edit->SetSelStart(0);
    for (const QChar character : QString("1203x2024")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    // The letter is refused; the literal is stepped over.
    EXPECT_EQ(edit->EditText(), "12/03/2024");
    EXPECT_NO_THROW(edit->ValidateEdit());

    edit->SetText("1203");
    EXPECT_EQ(edit->EditText(), "12/03/____");
    EXPECT_THROW(edit->ValidateEdit(), EDBEditError);
    EXPECT_EQ(edit->SelStart(), 6);
}
