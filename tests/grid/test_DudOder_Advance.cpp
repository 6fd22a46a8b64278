#include "grid/DudOder.h"
#include "grid/DudOder_TextEditor.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Forms.h"
#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

using TCell = std::pair<int32_t, int32_t>;

// Five data columns and three data rows under a title row and a number
// column; the cells listed in ReadOnly cannot be edited.
class GridAdvanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TDudStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 480, 250);
        Grid->SetColCount(6);
        Grid->SetRowCount(4);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Grid->OnCanEditCell = [this](TDudStringGrid*, int32_t aRow, int32_t aCol, bool& canEdit) {
            if (ReadOnly.contains({ aCol, aRow }))
                canEdit = false;
        };
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
    }

    std::unique_ptr<TForm> Form;
    TDudStringGrid* Grid = nullptr;
    std::set<TCell> ReadOnly;
};

TEST_F(GridAdvanceTest, AdvanceMovesByTheNavigationSettingsAndStopsWhereSkippingCannotGoOn)
{
    std::set<TCell> everyCell;
    for (int32_t col = 1; col < 6; ++col)
        for (int32_t row = 1; row < 4; ++row)
            everyCell.insert({ col, row });
    struct Case {
        const char* name;
        TAdvanceDirection direction;
        bool forward;
        bool loop;
        bool insert;
        bool canAdd;
        std::set<TCell> readOnly;
        TCell start;
        TCell expected;
        int32_t rowCount;
    };
    const Case cases[] = {
        { "next column", adLeftRight, true, true, false, true, {}, { 1, 1 }, { 2, 1 }, 4 },
        { "over two read-only cells", adLeftRight, true, true, false, true, { { 2, 1 }, { 3, 1 } }, { 1, 1 }, { 4, 1 }, 4 },
        { "end of a row to the next row", adLeftRight, true, true, false, true, {}, { 5, 1 }, { 1, 2 }, 4 },
        { "end of the grid loops", adLeftRight, true, true, false, true, {}, { 5, 3 }, { 1, 1 }, 4 },
        { "end of the grid without loop stays", adLeftRight, true, false, false, true, {}, { 5, 3 }, { 5, 3 }, 4 },
        { "a read-only last cell without loop is where it ends", adLeftRight, true, false, false, true, { { 5, 3 } },
            { 4, 3 }, { 5, 3 }, 4 },
        { "no editable cell at all ends where it began", adLeftRight, true, true, false, true, everyCell, { 2, 2 },
            { 2, 2 }, 4 },
        { "a row that cannot be added keeps the row", adLeftRight, true, false, true, false, {}, { 5, 3 }, { 1, 3 }, 4 },
        { "an added row", adLeftRight, true, false, true, true, {}, { 5, 3 }, { 1, 4 }, 5 },
        { "down a column wraps to the first row", adTopBottomInCol, true, false, false, true, {}, { 2, 3 }, { 2, 1 }, 4 },
        { "back from the first cell to the last", adLeftRight, false, true, false, true, {}, { 1, 1 }, { 5, 3 }, 4 },
        { "back over read-only cells in a row that does not move", adLeftRightInRow, false, true, false, true,
            { { 3, 2 } }, { 3, 2 }, { 3, 2 }, 4 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetRowCount(4);
        ReadOnly = c.readOnly;
        TNavigation& navigation = Grid->Navigation();
        navigation.SetAdvanceDirection(c.direction);
        navigation.SetAdvanceOnEnterLoop(c.loop);
        navigation.SetAdvanceInsert(c.insert);
        Grid->OnCanAddRow = [&](TDudStringGrid*, bool& canAdd) { canAdd = c.canAdd; };
        std::vector<TCell> reportedStarts;
        Grid->OnAutoAdvance = [&](TDudStringGrid*, int32_t oldRow, int32_t oldCol, int32_t&, int32_t&, bool&) {
            reportedStarts.push_back({ oldCol, oldRow });
        };
        Grid->SetCol(c.start.first);
        Grid->SetRow(c.start.second);
        Grid->AdvanceEdit(c.start.first, c.start.second, true, false, c.forward, false, false);
        EXPECT_EQ(TCell(Grid->Col(), Grid->Row()), c.expected);
        EXPECT_EQ(Grid->RowCount(), c.rowCount);
        for (const TCell& reported : reportedStarts)
            EXPECT_EQ(reported, c.start);
    }
}

TEST_F(GridAdvanceTest, AVetoedAdvanceLeavesTheCellWhereItWas)
{
    Grid->OnAutoAdvance = [](TDudStringGrid*, int32_t, int32_t, int32_t&, int32_t&, bool& allow) { allow = false; };
    Grid->SetCol(2);
    Grid->SetRow(2);
    Grid->AdvanceEdit(2, 2, true, false, true, false, false);
    EXPECT_EQ(TCell(Grid->Col(), Grid->Row()), TCell(2, 2));
}

TEST_F(GridAdvanceTest, TabOverAGridWithoutEditableCellsComesToAnEnd)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goTabs });
    Grid->Navigation().SetAdvanceAutoEdit(false);
    Grid->SetCol(2);
    Grid->SetRow(2);
    for (int32_t col = 1; col < 6; ++col)
        for (int32_t row = 1; row < 4; ++row)
            ReadOnly.insert({ col, row });
    ReadOnly.erase({ 4, 2 });
    EXPECT_TRUE(Grid->NavigateTab(false));
    EXPECT_EQ(TCell(Grid->Col(), Grid->Row()), TCell(4, 2));
    // Not one cell left to edit: the walk ends where it began.
    ReadOnly.insert({ 4, 2 });
    EXPECT_TRUE(Grid->NavigateTab(false));
    EXPECT_EQ(TCell(Grid->Col(), Grid->Row()), TCell(4, 2));
}

TEST_F(GridAdvanceTest, TheTextEditorFiltersWhatIsTypedByTheCellsKind)
{
    TFormatSettings settings = FormatSettings();
    settings.DecimalSeparator = u'.';
    settings.ThousandSeparator = u',';
    const TFormatSettingsScope scope(settings);
    struct Case {
        const char* name;
        TEditorType kind;
        int32_t maxLength;
        QString typed;
        const char* text;
    };
    const Case cases[] = {
        { "signed integer: one minus, first", edNumeric, 0, QStringLiteral("-12-a3"), "-123" },
        { "digits only", edPositiveNumeric, 0, QStringLiteral("-12a"), "12" },
        { "decimal: one separator, no thousands", edFloat, 0, QStringLiteral("-1.2.3,4"), "-1.234" },
        { "unsigned decimal", edPositiveFloat, 0, QStringLiteral("-2.5"), "2.5" },
        { "upper case", edUpperCase, 0, QStringLiteral("abC"), "ABC" },
        { "lower case", edLowerCase, 0, QStringLiteral("AbC"), "abc" },
        { "valid characters only", edValidChars, 0, QStringLiteral("abcab"), "abab" },
        { "edit limit", edNormal, 3, QStringLiteral("abcd"), "abc" },
    };
    Grid->SetValidChars(QStringLiteral("ab"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->OnGetEditorType = [&](TDudStringGrid*, int32_t, int32_t, TEditorType& editor) { editor = c.kind; };
        Grid->SetMaxEditLength(c.maxLength);
        Grid->SetCol(1);
        Grid->SetRow(1);
        Type(c.typed);
        ASSERT_NE(Grid->NormalEdit(), nullptr);
        EXPECT_EQ(Grid->NormalEdit()->Text().toStdString(), c.text);
        Press(Qt::Key_Escape);
    }
}

TEST_F(GridAdvanceTest, TypingCompletesFromTheLookupItems)
{
    Grid->SetLookup(true);
    Grid->LookupItems().SetText(QStringLiteral("Alpha\nBeta"));
    Grid->SetCol(1);
    Grid->SetRow(1);
    Press(Qt::Key_B, QStringLiteral("b"));
    ASSERT_NE(Grid->NormalEdit(), nullptr);
    EXPECT_EQ(Grid->NormalEdit()->Text(), "beta");
    EXPECT_EQ(Grid->NormalEdit()->SelStart(), 1);
    EXPECT_EQ(Grid->NormalEdit()->SelLength(), 3);
    Press(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(Grid->NormalEdit()->Text(), "b");
}

// Typed letters look rows up in the first column while the grid does not
// edit; a pause of four timer ticks starts a new lookup.
TEST_F(GridAdvanceTest, TypingLooksUpTheRowWhoseFirstColumnStartsWithIt)
{
    Grid->SetOptions(Grid->Options() - TGridOptions { goEditing });
    Grid->SetFixedCols(1);
    Grid->SetRowCount(6);
    const char* names[] = { "Alpha", "Abacus", "Abc", "Beta", "Cabin" };
    for (int32_t row = 1; row <= 5; ++row)
        Grid->SetCells(1, row, QString::fromLatin1(names[row - 1]));
    Grid->Navigation().SetAutoGotoWhenSorted(true);
    Grid->Navigation().SetAutoGotoIncremental(true);
    const struct {
        const char* Name;
        const char* Typed;
        int32_t Ticks;
        int32_t Row;
        const char* Lookup;
    } steps[] = {
        { "a letter", "a", 0, 1, "a" },
        { "a second letter narrows", "b", 0, 2, "ab" },
        { "a third", "c", 0, 3, "abc" },
        { "backspace widens again", "\b", 0, 2, "ab" },
        { "no match forgets the lookup", "z", 0, 2, "" },
        { "after a pause a new lookup", "c", 0, 5, "c" },
        { "a pause of four ticks", "b", 4, 4, "b" },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Name);
        for (int32_t tick = 0; tick < step.Ticks; ++tick)
            Grid->Perform(WM_TIMER, 111, 0);
        const QString typed = QString::fromLatin1(step.Typed);
        if (typed == QStringLiteral("\b"))
            Press(Qt::Key_Backspace, typed);
        else
            Type(typed);
        EXPECT_EQ(Grid->Row(), step.Row);
        EXPECT_EQ(Grid->IncrSearchText(), QString::fromLatin1(step.Lookup));
    }
    Grid->Navigation().SetAutoGotoIncremental(false);
    Type(QStringLiteral("a"));
    Type(QStringLiteral("c"));
    EXPECT_EQ(Grid->Row(), 5) << "without incremental lookup each key looks up alone";
}

} // namespace
