#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

// A string grid that records what reaches its key handling and its cell
// writes, in one log.
class TEditorGrid : public TStringGrid {
public:
    explicit TEditorGrid(TComponent* owner) : TStringGrid(owner)
    {
        OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState) { Log.push_back("OnKeyDown " + std::to_string(key)); };
        OnKeyUp = [this](TComponent*, uint16_t& key, TShiftState) { Log.push_back("OnKeyUp " + std::to_string(key)); };
        OnKeyPress = [this](TComponent*, TChar& key) { Log.push_back("OnKeyPress " + QString(QChar(key)).toStdString()); };
    }

    std::vector<std::string> Log;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override
    {
        Log.push_back("KeyDown " + std::to_string(key));
        TStringGrid::KeyDown(key, shift);
    }
    void SetEditText(int32_t aCol, int32_t aRow, const String& value) override
    {
        Log.push_back("set " + std::to_string(aCol) + "," + std::to_string(aRow) + " " + value.toStdString());
        TStringGrid::SetEditText(aCol, aRow, value);
    }
};

// An editor that puts the caret at the end when it takes the focus, as a
// descendant's editor may; its grid makes it.
class TCaretAtEndEditor : public TInplaceEdit {
public:
    using TInplaceEdit::TInplaceEdit;

protected:
    void WMSetFocus(TMessage& message) override
    {
        TInplaceEdit::WMSetFocus(message);
        Deselect();
    }
};

class TCaretAtEndGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;

protected:
    TInplaceEdit* CreateEditor() override { return new TCaretAtEndEditor(this); }
};

// A grid that wraps its cells' texts, in its editor too.
class TWrappingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;

protected:
    TInplaceEdit* CreateEditor() override
    {
        TInplaceEdit* editor = TStringGrid::CreateEditor();
        editor->SetWordWrap(true);
        return editor;
    }
};

// One input: a key with its text, plain typing (Key_unknown, one key per
// character) or an input method's commit.
struct TInput {
    Qt::Key Key = Qt::Key_unknown;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
    const char16_t* Text = u"";
    bool Commit = false;
};

TInput Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const char16_t* text = u"")
{
    return { key, modifiers, text, false };
}
TInput Typed(const char16_t* text) { return { Qt::Key_unknown, Qt::NoModifier, text, false }; }
TInput Committed(const char16_t* text) { return { Qt::Key_unknown, Qt::NoModifier, text, true }; }

// Keys go to the focused widget, pressed and released.
void Send(const TInput& input)
{
    const QString text = QString::fromUtf16(input.Text);
    auto keyTo = [](Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& keyText) {
        for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QKeyEvent event(type, key, modifiers, keyText);
            QApplication::sendEvent(focus, &event);
        }
    };
    if (input.Commit) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(QApplication::focusWidget(), &commit);
    } else if (input.Key == Qt::Key_unknown) {
        for (const QChar character : text)
            keyTo(Qt::Key_unknown, Qt::NoModifier, QString(character));
    } else {
        keyTo(input.Key, input.Modifiers, text);
    }
}

// Columns 64 + 1 wide, rows 24 + 1 high: inside the grid's 2-pixel frame 4
// whole data columns and 9 whole data rows show. Cell (1, 1) holds "abc", (2, 1) "def".
class GridEditorTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TEditorGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(10);
        Grid->SetRowCount(100);
        Grid->SetBounds(0, 0, 335, 255);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Grid->SetCells(1, 1, "abc");
        Grid->SetCells(2, 1, "def");
        Form->Show();
        QApplication::processEvents();
        ASSERT_TRUE(Grid->Focused());
    }

    bool EditorFocused() const
    {
        return Grid->InplaceEditor() && QApplication::focusWidget() == Grid->InplaceEditor()->Widget();
    }

    std::unique_ptr<TForm> Form;
    TEditorGrid* Grid = nullptr;
};

} // namespace

TEST_F(GridEditorTest, KeysOpenEditAndLeaveTheEditorAsTheClassicGridDoes)
{
    struct Case {
        const char* name;
        TGridOptions extra;
        std::vector<TInput> inputs;
        TGridCoord cell;
        bool editing;
        bool editorFocused;
        const char16_t* editorText;
        int32_t selStart;
        int32_t selLength;
        const char16_t* cell11;
    };
    const Case cases[] = {
        { "F2 puts the caret after the text, typing appends", {}, { Key(Qt::Key_F2), Typed(u"d") }, { 1, 1 }, true, true, u"abcd", 4, 0,
            u"abcd" },
        { "Enter opens the edit with the text selected", {}, { Key(Qt::Key_Return, Qt::NoModifier, u"\r") }, { 1, 1 }, true, true, u"abc",
            0, 3, u"abc" },
        { "a typed character replaces the text", {}, { Typed(u"q") }, { 1, 1 }, true, true, u"q", 1, 0, u"q" },
        { "Backspace starts an empty edit", {}, { Key(Qt::Key_Backspace, Qt::NoModifier, u"\b") }, { 1, 1 }, true, true, u"", 0, 0, u"" },
        { "F2 in the editor deselects", {}, { Key(Qt::Key_Return, Qt::NoModifier, u"\r"), Key(Qt::Key_F2), Typed(u"!") }, { 1, 1 }, true,
            true, u"abc!", 4, 0, u"abc!" },
        { "Left at the start stays in the editor", {}, { Key(Qt::Key_F2), Key(Qt::Key_Home), Key(Qt::Key_Left) }, { 1, 1 }, true, true,
            u"abc", 0, 0, u"abc" },
        { "Right at the end stays in the editor", {}, { Key(Qt::Key_F2), Key(Qt::Key_Right) }, { 1, 1 }, true, true, u"abc", 3, 0, u"abc" },
        { "End stays in the editor", {}, { Key(Qt::Key_F2), Key(Qt::Key_Home), Key(Qt::Key_End) }, { 1, 1 }, true, true, u"abc", 3, 0,
            u"abc" },
        { "always editing: Right over the whole text goes to the next cell", { goAlwaysShowEditor }, { Key(Qt::Key_Right) }, { 2, 1 },
            true, true, u"def", 0, 3, u"abc" },
        { "always editing: Left inside the text moves the caret", { goAlwaysShowEditor }, { Key(Qt::Key_F2), Key(Qt::Key_Left) },
            { 1, 1 }, true, true, u"abc", 2, 0, u"abc" },
        { "always editing: Left at the start goes to the grid", { goAlwaysShowEditor }, { Key(Qt::Key_Right), Key(Qt::Key_Left) },
            { 1, 1 }, true, true, u"abc", 0, 3, u"abc" },
        { "always editing: End at the end goes to the last column", { goAlwaysShowEditor }, { Key(Qt::Key_F2), Key(Qt::Key_End) },
            { 9, 1 }, true, true, u"", 0, 0, u"abc" },
        { "always editing: Ctrl+Right inside the text goes a page of columns on", { goAlwaysShowEditor },
            { Key(Qt::Key_F2), Key(Qt::Key_Left), Key(Qt::Key_Right, Qt::ControlModifier) }, { 4, 1 }, true, true, u"", 0, 0, u"abc" },
        { "Down commits and moves", {}, { Key(Qt::Key_F2), Typed(u"x"), Key(Qt::Key_Down) }, { 1, 2 }, false, false, u"abcx", 4, 0,
            u"abcx" },
        { "Enter in the editor ends the edit", {}, { Key(Qt::Key_F2), Typed(u"x"), Key(Qt::Key_Return, Qt::NoModifier, u"\r") }, { 1, 1 },
            false, false, u"abcx", 4, 0, u"abcx" },
        { "Ctrl+Enter breaks the line", {},
            { Key(Qt::Key_F2), Key(Qt::Key_Return, Qt::ControlModifier, u"\n"), Typed(u"x") }, { 1, 1 }, true, true, u"abc\r\nx", 6, 0,
            u"abc\r\nx" },
        { "Esc puts the text back into the cell and closes", {}, { Key(Qt::Key_F2), Typed(u"zz"), Key(Qt::Key_Escape, Qt::NoModifier, u"\x1b") },
            { 1, 1 }, false, false, u"abc", 0, 0, u"abc" },
        { "always editing: Esc puts the text back and stays open", { goAlwaysShowEditor },
            { Key(Qt::Key_F2), Typed(u"zz"), Key(Qt::Key_Escape, Qt::NoModifier, u"\x1b") }, { 1, 1 }, true, true, u"abc", 0, 3, u"abc" },
        { "Tab walks on without typing into the next cell", { goTabs, goAlwaysShowEditor },
            { Typed(u"x"), Key(Qt::Key_Tab, Qt::NoModifier, u"\t") }, { 2, 1 }, true, true, u"def", 0, 3, u"x" },
    };
    const TGridOptions base = Grid->Options();
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetEditorMode(false);
        Grid->SetOptions(base);
        Grid->SetCells(1, 1, "abc");
        Grid->SetCells(2, 1, "def");
        Grid->SetCol(1);
        Grid->SetRow(1);
        Grid->SetOptions(base + entry.extra);
        Grid->SetFocus();
        QApplication::processEvents();
        for (const TInput& input : entry.inputs)
            Send(input);
        EXPECT_EQ(TGridCoord({ Grid->Col(), Grid->Row() }), entry.cell);
        EXPECT_EQ(Grid->EditorMode(), entry.editing);
        EXPECT_EQ(EditorFocused(), entry.editorFocused);
        EXPECT_EQ(Grid->Focused(), !entry.editorFocused) << "the focus stays within the grid";
        ASSERT_NE(Grid->InplaceEditor(), nullptr);
        EXPECT_EQ(Grid->InplaceEditor()->Text(), QString::fromUtf16(entry.editorText));
        if (entry.editing) {
            EXPECT_EQ(Grid->InplaceEditor()->SelStart(), entry.selStart);
            EXPECT_EQ(Grid->InplaceEditor()->SelLength(), entry.selLength);
        }
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf16(entry.cell11)) << "the cell follows the editor at once";
    }
}

TEST_F(GridEditorTest, TheGridHearsTheEditorsKeysAndWritesEachChange)
{
    struct Case {
        const char* name;
        // Inputs before the log starts.
        std::vector<TInput> before;
        std::vector<TInput> inputs;
        std::vector<std::string> log;
    };
    const std::vector<TInput> open { Key(Qt::Key_F2) };
    const Case cases[] = {
        { "opening writes nothing", {}, { Key(Qt::Key_F2) }, { "KeyDown 113", "OnKeyDown 113", "OnKeyUp 113" } },
        { "a typed key: the grid's events, the cell written before the release", open, { Key(Qt::Key_D, Qt::NoModifier, u"d") },
            { "OnKeyDown 68", "OnKeyPress d", "set 1,1 abcd", "OnKeyUp 68" } },
        { "Home and Delete stay in the editor", open, { Key(Qt::Key_Home), Key(Qt::Key_Delete) },
            { "OnKeyDown 36", "OnKeyUp 36", "OnKeyDown 46", "set 1,1 bc", "OnKeyUp 46" } },
        { "Insert and Ctrl+Delete go to the grid", open, { Key(Qt::Key_Insert), Key(Qt::Key_Delete, Qt::ControlModifier) },
            { "KeyDown 45", "OnKeyDown 45", "OnKeyUp 45", "KeyDown 46", "OnKeyDown 46", "OnKeyUp 46" } },
        { "Down goes to the grid; an unchanged text is not written", open, { Key(Qt::Key_Down) },
            { "KeyDown 40", "OnKeyDown 40", "OnKeyUp 40" } },
        { "Left stays in the editor", open, { Key(Qt::Key_Left) }, { "OnKeyDown 37", "OnKeyUp 37" } },
        { "Backspace: the grid's events, then the cell written", open, { Key(Qt::Key_Backspace, Qt::NoModifier, u"\b") },
            { "OnKeyDown 8", "OnKeyPress \b", "set 1,1 ab", "OnKeyUp 8" } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetEditorMode(false);
        Grid->SetCells(1, 1, "abc");
        Grid->SetCol(1);
        Grid->SetRow(1);
        for (const TInput& input : entry.before)
            Send(input);
        Grid->Log.clear();
        for (const TInput& input : entry.inputs)
            Send(input);
        EXPECT_EQ(Grid->Log, entry.log);
    }
}

TEST_F(GridEditorTest, TextPutIntoTheEditorByCodeIsKept)
{
    Send(Key(Qt::Key_F2));
    std::vector<std::string> seen;
    Grid->InplaceEditor()->OnChange = [&](TComponent*) { seen.push_back(Grid->Cells(1, 1).toStdString()); };
    Grid->Log.clear();

    Grid->InplaceEditor()->SetText("validated");
    EXPECT_EQ(Grid->Cells(1, 1), "validated") << "a change by code reaches the cell at once";
    EXPECT_EQ(seen, (std::vector<std::string> { "validated" })) << "the editor's OnChange reads the new cell";
    Send(Typed(u"!"));
    EXPECT_EQ(Grid->Cells(1, 1), "!validated") << "typing goes on from the text set";
    Grid->InplaceEditor()->SetText("final");
    Grid->SetEditorMode(false);
    EXPECT_EQ(Grid->Cells(1, 1), "final");
    EXPECT_EQ(Grid->Log, (std::vector<std::string> { "set 1,1 validated", "OnKeyPress !", "set 1,1 !validated", "set 1,1 final" }));

    Send(Key(Qt::Key_F2));
    Grid->SetCells(1, 1, "from the program");
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "from the program") << "a program writing the edited cell reloads the editor";
    Send(Key(Qt::Key_Escape, Qt::NoModifier, u"\x1b"));
    EXPECT_EQ(Grid->Cells(1, 1), "from the program") << "Esc goes back to what the program wrote";
}

TEST_F(GridEditorTest, TheFocusComingBackToTheGridGoesOnToItsShownEditor)
{
    auto* other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(0, 260, 100, 20);
    Grid->SetOptions(Grid->Options() + TGridOptions { goAlwaysShowEditor });
    ASSERT_TRUE(EditorFocused());
    other->SetFocus();
    ASSERT_TRUE(Grid->EditorMode()) << "an always-editing grid keeps its editor";
    Grid->SetFocus();
    EXPECT_TRUE(EditorFocused());
    Send(Typed(u"k"));
    EXPECT_EQ(Grid->Cells(1, 1), "k");
}

TEST_F(GridEditorTest, TheEditorsOwnFocusHandlingHasTheLastWord)
{
    auto* grid = new TCaretAtEndGrid(Form.get());
    grid->SetParent(Form.get());
    grid->SetBounds(0, 0, 335, 255);
    grid->SetOptions(grid->Options() + TGridOptions { goEditing });
    grid->SetCells(1, 1, "abc");
    grid->SetFocus();
    Send(Key(Qt::Key_Return, Qt::NoModifier, u"\r"));
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(QApplication::focusWidget(), grid->InplaceEditor()->Widget());
    EXPECT_EQ(grid->InplaceEditor()->SelStart(), 3);
    EXPECT_EQ(grid->InplaceEditor()->SelLength(), 0) << "the grid selected the text before the editor took the focus";
}

TEST_F(GridEditorTest, ACellScrolledAwayHidesTheEditorWithoutEndingTheEdit)
{
    Send(Key(Qt::Key_F2));
    Send(Typed(u"x"));
    Grid->SetTopRow(50);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_FALSE(Grid->InplaceEditor()->Visible());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Cells(1, 1), "abcx");

    Grid->SetTopRow(1);
    ASSERT_TRUE(Grid->InplaceEditor()->Visible());
    EXPECT_TRUE(EditorFocused());
    EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(1, 1));
    Send(Typed(u"y"));
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "abcxy");

    Grid->SetTopRow(50);
    Send(Typed(u"z"));
    EXPECT_EQ(Grid->TopRow(), 1) << "typing brings the cell back";
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "abcxyz") << "and goes on with the edit";

    Grid->SetTopRow(50);
    Send(Key(Qt::Key_Return, Qt::NoModifier, u"\r"));
    EXPECT_FALSE(Grid->EditorMode()) << "Enter ends the hidden edit";
    EXPECT_EQ(Grid->Cells(1, 1), "abcxyz");
}

TEST_F(GridEditorTest, ComposedCharactersReachTheGridAndTheEditorAsTyped)
{
    struct Case {
        const char* name;
        bool openFirst;
        std::vector<TInput> inputs;
        const char16_t* text;
        std::vector<std::string> presses;
    };
    const Case cases[] = {
        { "a dead key then a letter", true, { Key(Qt::Key_Dead_Circumflex), Key(Qt::Key_E, Qt::NoModifier, u"e") }, u"abcê",
            { "OnKeyPress ê" } },
        { "an input method's commit", true, { Committed(u"日本") }, u"abc日本", { "OnKeyPress 日", "OnKeyPress 本" } },
        { "a composed character starts the edit on the grid", false, { Key(Qt::Key_Dead_Acute), Key(Qt::Key_A, Qt::NoModifier, u"a") },
            u"á", { "OnKeyPress á" } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetEditorMode(false);
        Grid->SetCells(1, 1, "abc");
        if (entry.openFirst)
            Send(Key(Qt::Key_F2));
        Grid->Log.clear();
        for (const TInput& input : entry.inputs)
            Send(input);
        ASSERT_TRUE(Grid->EditorMode());
        EXPECT_EQ(Grid->InplaceEditor()->Text(), QString::fromUtf16(entry.text));
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf16(entry.text));
        std::vector<std::string> presses;
        for (const std::string& line : Grid->Log)
            if (line.rfind("OnKeyPress", 0) == 0)
                presses.push_back(line);
        EXPECT_EQ(presses, entry.presses);
    }
}

TEST_F(GridEditorTest, AWrappedTextOpensFromItsFirstLine)
{
    auto* grid = new TWrappingGrid(Form.get());
    grid->SetParent(Form.get());
    grid->SetBounds(0, 0, 335, 255);
    grid->SetOptions(grid->Options() + TGridOptions { goEditing });
    grid->SetRowHeights(1, 100);
    grid->SetCells(1, 1, "one two three four five");
    grid->SetFocus();
    Send(Key(Qt::Key_F2));
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_GT(grid->InplaceEditor()->LineCount(), 1);
    EXPECT_EQ(grid->InplaceEditor()->FirstVisibleLine(), 0) << "the lines fit the cell: none is scrolled away";
}

TEST_F(GridEditorTest, TheEditorWrapsWhenAskedAndKeepsAPasswordOnOneLine)
{
    Grid->SetCells(1, 1, "one two three four five");
    Send(Key(Qt::Key_F2));
    TInplaceEdit* editor = Grid->InplaceEditor();
    EXPECT_EQ(editor->LineCount(), 1) << "no wrapping unless the grid asks";
    editor->SetWordWrap(true);
    EXPECT_GT(editor->LineCount(), 1);
    Send(Key(Qt::Key_Return, Qt::ControlModifier, u"\n"));
    EXPECT_TRUE(editor->Text().endsWith("\r\n"));

    Grid->SetEditorMode(false);
    Grid->SetCells(1, 1, "secret");
    editor->SetPasswordChar(u'*');
    Send(Key(Qt::Key_F2));
    Send(Key(Qt::Key_Return, Qt::ControlModifier, u"\n"));
    EXPECT_EQ(editor->LineCount(), 1);
    EXPECT_FALSE(editor->Text().contains('\n'));
}
