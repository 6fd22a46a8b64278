#include "grid/DudCGrid.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_TextEditor.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"

#include "tests/support/RunUntil.h"
#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

class TProbeGrid : public TDudColumnGrid {
public:
    using TDudColumnGrid::TDudColumnGrid;
    using TDudColumnGrid::EditCombo;
};

// A form's default button: it takes Enter whenever the dialog offers it.
class TDefaultButton : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int32_t Presses = 0;

protected:
    void CMDialogKey(TMessage& message) override
    {
        if (message.WParam == VK_RETURN) {
            ++Presses;
            message.Result = 1;
            return;
        }
        TCustomControl::CMDialogKey(message);
    }
};

void Enter() { Press(Qt::Key_Return, QStringLiteral("\r")); }

// A table as the dialogs have it: a title row, a row-number column, then a
// text column, a pick list, an editable list, a Y/N column and a text column.
class GridEditingTest : public testing::Test {
protected:
    enum : int32_t { TextCol = 1, PickCol = 2, ListEditCol = 3, CheckCol = 4, LastCol = 5 };

    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 640, 300);
        Grid = new TProbeGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 600, 250);
        Grid->SetColCount(6);
        Grid->SetRowCount(5);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Grid->Columns().Items(PickCol)->SetEditor(edComboList);
        Grid->Columns().Items(PickCol)->ComboItems().SetText(QStringLiteral("Alpha\nBeta\nGamma"));
        Grid->Columns().Items(ListEditCol)->SetEditor(edComboEdit);
        Grid->Columns().Items(ListEditCol)->ComboItems().SetText(QStringLiteral("One\nTwo"));
        Grid->Columns().Items(CheckCol)->SetEditor(edDataCheckBox);
        Grid->OnKeyPress = [this](TComponent*, TChar& key) {
            KeyPresses.push_back({ key, Grid->Cells(Grid->RealCol(), Grid->Row()).toStdString() });
        };
        Grid->OnComboChange = [this](TDudStringGrid*, int32_t aCol, int32_t aRow, int32_t index, const String& text) {
            ComboChanges.push_back({ aCol, aRow, index, text.toStdString() });
        };
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Grid->Focused());
    }

    void GoTo(int32_t aCol, int32_t aRow)
    {
        Grid->SetCol(aCol);
        Grid->SetRow(aRow);
    }

    bool TextEditorOpen() const
    {
        return Grid->NormalEdit() && Grid->EditorMode() && Grid->NormalEdit()->Visible();
    }

    struct TKeyPress {
        TChar Key;
        std::string CellText;
    };
    struct TComboChange {
        int32_t Col;
        int32_t Row;
        int32_t Index;
        std::string Text;
        bool operator==(const TComboChange&) const = default;
    };

    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
    std::vector<TKeyPress> KeyPresses;
    std::vector<TComboChange> ComboChanges;
};

TEST_F(GridEditingTest, TypingOpensTheColumnsEditorWithThatCharacter)
{
    struct Case {
        const char* name;
        int32_t col;
        QString typed;
        bool textEditor;
        const char* editorText;
    };
    const Case cases[] = {
        { "text column", TextCol, QStringLiteral("x"), true, "x" },
        { "pick list finds the item by its first letter", PickCol, QStringLiteral("g"), false, "Gamma" },
        { "editable list starts its text with the letter", ListEditCol, QStringLiteral("q"), false, "q" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GoTo(c.col, 2);
        Type(c.typed);
        QApplication::processEvents();
        if (c.textEditor) {
            ASSERT_TRUE(TextEditorOpen());
            EXPECT_EQ(Grid->NormalEdit()->Text().toStdString(), c.editorText);
        } else {
            ASSERT_TRUE(Grid->EditCombo->Visible());
            EXPECT_FALSE(TextEditorOpen());
            EXPECT_EQ(Grid->EditCombo->Text().toStdString(), c.editorText);
        }
        Press(Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(Grid->EditCombo->Visible());
        EXPECT_EQ(Grid->Cells(c.col, 2), "");
    }
}

TEST_F(GridEditingTest, EachComboColumnOpensWithItsOwnListAndHeight)
{
    Grid->Columns().Items(PickCol)->SetDropDownCount(3);
    Grid->Columns().Items(ListEditCol)->SetDropDownCount(12);
    struct Case {
        int32_t col;
        const char* items;
        int32_t dropDownCount;
    };
    const Case cases[] = {
        { PickCol, "Alpha\r\nBeta\r\nGamma\r\n", 3 },
        { ListEditCol, "One\r\nTwo\r\n", 12 },
        { PickCol, "Alpha\r\nBeta\r\nGamma\r\n", 3 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.col);
        GoTo(c.col, 1);
        Press(Qt::Key_F2);
        QApplication::processEvents();
        ASSERT_TRUE(Grid->EditCombo->Visible());
        EXPECT_EQ(Grid->EditCombo->Items().Text().toStdString(), c.items);
        EXPECT_EQ(Grid->EditCombo->DropDownCount(), c.dropDownCount);
        Press(Qt::Key_Escape);
        QApplication::processEvents();
    }
}

TEST_F(GridEditingTest, EnterCommitsTheEditThenReachesOnKeyPress)
{
    GoTo(TextCol, 1);
    Type(QStringLiteral("ab"));
    Enter();
    ASSERT_EQ(KeyPresses.size(), 3u);
    EXPECT_EQ(KeyPresses[2].Key, TChar(13));
    EXPECT_EQ(KeyPresses[2].CellText, "ab");
    EXPECT_FALSE(TextEditorOpen());
    EXPECT_EQ(Grid->Cells(TextCol, 1), "ab");
}

TEST_F(GridEditingTest, EnterNeverPressesTheDefaultButton)
{
    auto* button = new TDefaultButton(Form.get());
    button->SetParent(Form.get());
    button->SetBounds(0, 260, 80, 24);
    Grid->Columns().Items(LastCol)->SetReadOnly(true);
    struct Case {
        const char* name;
        int32_t col;
        bool typeFirst;
    };
    const Case cases[] = {
        { "a read-only cell", LastCol, false },
        { "an editable cell", TextCol, false },
        { "an open text editor", TextCol, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GoTo(c.col, 1);
        KeyPresses.clear();
        if (c.typeFirst)
            Type(QStringLiteral("z"));
        KeyPresses.clear();
        Enter();
        EXPECT_EQ(button->Presses, 0);
        ASSERT_FALSE(KeyPresses.empty());
        EXPECT_EQ(KeyPresses.back().Key, TChar(13));
        if (TextEditorOpen())
            Press(Qt::Key_Escape);
    }
}

TEST_F(GridEditingTest, EnterAdvancesAcrossHiddenAndReadOnlyColumns)
{
    struct Case {
        const char* name;
        std::vector<int32_t> hidden;
        std::vector<int32_t> readOnly;
        int32_t startCol;
        int32_t startRow;
        int32_t realCol;
        int32_t row;
    };
    const Case cases[] = {
        { "next column", {}, {}, TextCol, 1, PickCol, 1 },
        { "over a hidden column", { PickCol }, {}, TextCol, 1, ListEditCol, 1 },
        { "over read-only columns", {}, { PickCol, ListEditCol, CheckCol }, TextCol, 1, LastCol, 1 },
        { "from the last column to the next row", {}, {}, LastCol, 1, TextCol, 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Grid->Navigation().SetAdvanceOnEnter(true);
        Grid->Navigation().SetAdvanceAutoEdit(false);
        for (const int32_t col : c.readOnly)
            Grid->Columns().Items(col)->SetReadOnly(true);
        for (const int32_t col : c.hidden)
            Grid->HideColumn(col);
        GoTo(Grid->RemapColToDispl(c.startCol), c.startRow);
        Type(QStringLiteral("v"));
        Enter();
        QApplication::processEvents();
        EXPECT_EQ(Grid->Cells(c.startCol, c.startRow), "v");
        EXPECT_EQ(Grid->RealCol(), c.realCol);
        EXPECT_EQ(Grid->Row(), c.row);
    }
}

TEST_F(GridEditingTest, AnEditWithHiddenColumnsLandsInTheRealColumn)
{
    Grid->HideColumn(TextCol);
    std::vector<std::pair<int32_t, int32_t>> done;
    Grid->OnEditCellDone = [&](TDudStringGrid*, int32_t aCol, int32_t aRow) { done.push_back({ aCol, aRow }); };
    // The pick list now shows as display column PickCol - 1.
    GoTo(PickCol - 1, 2);
    Type(QStringLiteral("b"));
    QApplication::processEvents();
    Enter();
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(PickCol, 2), "Beta");
    EXPECT_EQ(Grid->Cells(TextCol, 2), "");
    EXPECT_EQ(Grid->Cells(PickCol - 1, 2), "");
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0], std::make_pair(int32_t { PickCol }, 2));
}

TEST_F(GridEditingTest, AComboChangeIsReportedOncePerChangeWithTheRealColumn)
{
    Grid->HideColumn(TextCol);
    struct Case {
        const char* name;
        int32_t realCol;
        std::vector<Qt::Key> keys;
        QString typed;
        std::vector<TComboChange> expected;
    };
    const Case cases[] = {
        { "pick list, Down twice", PickCol, { Qt::Key_Down, Qt::Key_Down }, {},
            { { PickCol, 1, 1, "Beta" }, { PickCol, 1, 2, "Gamma" } } },
        { "editable list, typed text", ListEditCol, {}, QStringLiteral("Tx"),
            { { ListEditCol, 1, 1, "Two" }, { ListEditCol, 1, -1, "Tx" } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GoTo(Grid->RemapColToDispl(c.realCol), 1);
        if (c.realCol == PickCol)
            Grid->SetCells(PickCol, 1, "Alpha");
        Press(Qt::Key_F2);
        QApplication::processEvents();
        ASSERT_TRUE(Grid->EditCombo->Visible());
        ComboChanges.clear();
        for (const Qt::Key key : c.keys)
            Press(key);
        Type(c.typed);
        EXPECT_EQ(ComboChanges, c.expected);
        Press(Qt::Key_Escape);
    }
}

TEST_F(GridEditingTest, APickListOpensOnTheItemItReallyShowsAndReportsIt)
{
    struct Case {
        const char* name;
        String cell;
        std::vector<TComboChange> expected;
        const char* shown;
    };
    const Case cases[] = {
        { "a text in the list", QStringLiteral("Gamma"), {}, "Gamma" },
        { "a marked-up text whose shown text is in the list", QStringLiteral("<b>Beta</b>"),
            { { PickCol, 1, 1, "Beta" } }, "Beta" },
        { "a text in no form in the list", QStringLiteral("Omega"), { { PickCol, 1, 0, "Alpha" } }, "Alpha" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(PickCol, 1, c.cell);
        GoTo(PickCol, 1);
        ComboChanges.clear();
        Press(Qt::Key_F2);
        EXPECT_EQ(ComboChanges, c.expected);
        EXPECT_EQ(Grid->EditCombo->Text().toStdString(), c.shown);
        Press(Qt::Key_Escape);
    }
}

TEST_F(GridEditingTest, APickListAcceptsOnlyItsEntriesAnEditableListAlsoFreeText)
{
    struct Case {
        const char* name;
        int32_t col;
        QString typed;
        const char* stored;
    };
    const Case cases[] = {
        { "pick list ignores letters no item starts with", PickCol, QStringLiteral("zq"), "Alpha" },
        { "pick list takes the item of a letter", PickCol, QStringLiteral("g"), "Gamma" },
        { "editable list takes free text", ListEditCol, QStringLiteral("Free"), "Free" },
        { "editable list takes an entry", ListEditCol, QStringLiteral("Two"), "Two" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(c.col, 3, "");
        GoTo(c.col, 3);
        Press(Qt::Key_F2);
        Type(c.typed);
        Enter();
        QApplication::processEvents();
        EXPECT_FALSE(Grid->EditCombo->Visible());
        EXPECT_EQ(Grid->Cells(c.col, 3).toStdString(), c.stored);
    }
}

TEST_F(GridEditingTest, ALongListOpensAndFindsAnEntryByTypedPrefix)
{
    TStringList& items = Grid->Columns().Items(PickCol)->ComboItems();
    items.Clear();
    for (int32_t index = 0; index < 1500; ++index)
        items.Add(QStringLiteral("Item%1").arg(index, 4, 10, QLatin1Char('0')));
    GoTo(PickCol, 1);
    Press(Qt::Key_F2);
    Press(Qt::Key_Down, {}, Qt::AltModifier);
    ASSERT_TRUE(Grid->EditCombo->DroppedDown());
    Type(QStringLiteral("Item1234"));
    Enter();
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(PickCol, 1), "Item1234");
}

TEST_F(GridEditingTest, ARefusedValueKeepsTheEditorOnTheCell)
{
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->SetCells(TextCol, 2, "good");
    int32_t validations = 0;
    Grid->OnCellValidate = [&](TDudStringGrid*, int32_t, int32_t, String& value, bool& valid) {
        ++validations;
        valid = value != "bad";
    };
    GoTo(TextCol, 2);
    Type(QStringLiteral("bad"));
    Enter();
    QApplication::processEvents();
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(Grid->Col(), TextCol);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_TRUE(TextEditorOpen());
    EXPECT_FALSE(Grid->LastValidation());
    // A refused edit marks neither the grid nor its row modified.
    EXPECT_FALSE(Grid->Modified());
    EXPECT_FALSE(Grid->RowModified(2));
    Press(Qt::Key_Escape);
    EXPECT_EQ(Grid->Cells(TextCol, 2), "good");
}

TEST_F(GridEditingTest, SpaceTogglesTheYesNoColumnAndReportsTheRealColumn)
{
    Grid->HideColumn(TextCol);
    std::vector<std::tuple<int32_t, int32_t, bool>> clicks;
    Grid->OnCheckBoxClick = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, bool state) {
        clicks.push_back({ aCol, aRow, state });
    };
    struct Case {
        const char* name;
        bool readOnly;
        const char* before;
        std::vector<const char*> after;
    };
    const Case cases[] = {
        { "an empty cell turns Y, then N", false, "", { "Y", "N" } },
        { "N turns Y", false, "N", { "Y" } },
        { "a read-only column stays", true, "N", { "N" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->Columns().Items(CheckCol)->SetReadOnly(c.readOnly);
        Grid->SetCells(CheckCol, 2, c.before);
        GoTo(Grid->RemapColToDispl(CheckCol), 2);
        clicks.clear();
        for (const char* expected : c.after) {
            Press(Qt::Key_Space, QStringLiteral(" "));
            EXPECT_EQ(Grid->Cells(CheckCol, 2).toStdString(), expected);
        }
        EXPECT_FALSE(TextEditorOpen());
        if (c.readOnly) {
            EXPECT_TRUE(clicks.empty());
        } else {
            ASSERT_EQ(clicks.size(), c.after.size());
            EXPECT_EQ(clicks.back(), std::make_tuple(int32_t { CheckCol }, 2, std::string(c.after.back()) == "Y"));
        }
    }
}

TEST_F(GridEditingTest, APasteFollowsTheCellsKind)
{
    struct Case {
        const char* name;
        TEditorType kind;
        const char* pasted;
        const char* text;
    };
    const Case cases[] = {
        { "digits with the copy's final line break", edNumeric, "12\r\n", "12" },
        { "a line break inside a number is refused", edNumeric, "1\n2", "" },
        { "letters in a number are refused", edPositiveNumeric, "4a", "" },
        { "a minus in an unsigned number is refused", edPositiveFloat, "-1.5", "" },
        { "a signed decimal", edFloat, "-1.5", "-1.5" },
        { "upper case", edUpperCase, "abc", "ABC" },
        { "free text as it is", edNormal, "x y", "x y" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->Columns().Items(LastCol)->SetEditor(c.kind);
        Grid->SetCells(LastCol, 1, "");
        GoTo(LastCol, 1);
        Press(Qt::Key_F2);
        ASSERT_TRUE(TextEditorOpen());
        Clipboard().SetAsText(QString::fromUtf8(c.pasted));
        Press(Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
        EXPECT_EQ(Grid->NormalEdit()->Text().toStdString(), c.text);
        EXPECT_EQ(Grid->Cells(LastCol, 1).toStdString(), c.text);
        Press(Qt::Key_Escape);
    }
}

TEST_F(GridEditingTest, AChoiceInTheOpenListEndsTheEditWhenTheGridAsks)
{
    std::vector<std::pair<int32_t, int32_t>> closed;
    Grid->OnComboCloseUp = [&](TDudStringGrid*, int32_t aRow, int32_t aCol) { closed.push_back({ aCol, aRow }); };
    Grid->HideColumn(TextCol);
    Grid->MouseActions().SetDirectComboClose(true);
    Grid->SetCells(PickCol, 2, "Alpha");
    GoTo(Grid->RemapColToDispl(PickCol), 2);
    Press(Qt::Key_F2);
    Press(Qt::Key_Down, {}, Qt::AltModifier);
    ASSERT_TRUE(Grid->EditCombo->DroppedDown());
    Press(Qt::Key_Down);
    Press(Qt::Key_Up, {}, Qt::AltModifier);
    ASSERT_TRUE(RunUntil([&] { return !Grid->EditCombo->Visible(); }));
    EXPECT_EQ(Grid->Cells(PickCol, 2), "Beta");
    EXPECT_TRUE(Grid->Focused());
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed[0], std::make_pair(int32_t { PickCol }, 2));
}

TEST_F(GridEditingTest, KindsWithoutAnEditorShowNothingAndWriteNothing)
{
    const TEditorType kinds[] = { edNone, edCustom };
    for (const TEditorType kind : kinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        Grid->Columns().Items(LastCol)->SetEditor(kind);
        Grid->SetCells(LastCol, 1, "kept");
        GoTo(LastCol, 1);
        Type(QStringLiteral("x"));
        Press(Qt::Key_F2);
        Enter();
        QApplication::processEvents();
        EXPECT_FALSE(TextEditorOpen());
        EXPECT_FALSE(Grid->EditCombo->Visible());
        EXPECT_FALSE(Grid->EditActive());
        EXPECT_EQ(Grid->Cells(LastCol, 1), "kept");
    }
}

// Expected to fail until the dropdown editors exist: a dropdown kind opens
// its own editor on F2, with the cell's text, and Enter writes it back.
TEST_F(GridEditingTest, DISABLED_DropDownKindsOpenTheirEditor)
{
    const TEditorType kinds[] = { edTrackbarDropDown, edMemoDropDown, edColorPickerDropDown };
    for (const TEditorType kind : kinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        Grid->Columns().Items(LastCol)->SetEditor(kind);
        Grid->SetCells(LastCol, 1, "kept");
        GoTo(LastCol, 1);
        Press(Qt::Key_F2);
        QApplication::processEvents();
        EXPECT_TRUE(Grid->EditActive());
        Enter();
        QApplication::processEvents();
        EXPECT_FALSE(Grid->EditActive());
        EXPECT_EQ(Grid->Cells(LastCol, 1), "kept");
    }
}

TEST_F(GridEditingTest, ScrollingClosesAListEditorButNotTheTextEditor)
{
    Grid->SetRowCount(60);
    GoTo(ListEditCol, 1);
    Type(QStringLiteral("s"));
    QApplication::processEvents();
    ASSERT_TRUE(Grid->EditCombo->Visible());
    Grid->SetTopRow(20);
    EXPECT_FALSE(Grid->EditCombo->Visible());
    EXPECT_EQ(Grid->Cells(ListEditCol, 1), "s");

    Grid->SetTopRow(1);
    GoTo(TextCol, 2);
    Type(QStringLiteral("t"));
    Grid->SetTopRow(2);
    EXPECT_TRUE(Grid->EditorMode());
}

} // namespace
