#include "grid/DudCGrid.h"
#include "grid/DudOder_GridControls.h"
#include "grid/DudOder_GridEditBtn.h"
#include "grid/DudOder_GridSpin.h"
#include "platform/core/DateUtils.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScriptedUiServices.h"

#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

class TProbeGrid : public TDudColumnGrid {
public:
    using TDudColumnGrid::TDudColumnGrid;
    using TDudColumnGrid::EditBtn;
    using TDudColumnGrid::EditCheck;
    using TDudColumnGrid::GridButton;
    using TDudColumnGrid::SpinEdit;
    using TDudColumnGrid::UnitEditBtn;
};

void Enter() { Press(Qt::Key_Return, QStringLiteral("\r")); }

void Settle() { QApplication::processEvents(); }

// A table with one column of each editor kind that opens a control over
// the cell, then a text column.
class ControlEditorTest : public testing::Test {
protected:
    enum : int32_t {
        IntSpinCol = 1,
        FloatSpinCol,
        TimeSpinCol,
        DateSpinCol,
        BtnCol,
        NumBtnCol,
        FloatBtnCol,
        MaskBtnCol,
        UnitCol,
        NumUnitCol,
        FloatUnitCol,
        CheckCol,
        ButtonCol,
        TextCol,
        ColumnCount
    };

    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 1200, 300);
        Grid = new TProbeGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 1180, 250);
        Grid->SetColCount(ColumnCount);
        Grid->SetRowCount(5);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Grid->Navigation().SetAdvanceOnEnter(true);
        Grid->Navigation().SetAdvanceAutoEdit(false);
        const std::pair<int32_t, TEditorType> kinds[] = {
            { IntSpinCol, edSpinEdit },
            { FloatSpinCol, edFloatSpinEdit },
            { TimeSpinCol, edTimeSpinEdit },
            { DateSpinCol, edDateSpinEdit },
            { BtnCol, edEditBtn },
            { NumBtnCol, edNumericEditBtn },
            { FloatBtnCol, edFloatEditBtn },
            { MaskBtnCol, edMaskEditBtn },
            { UnitCol, edUnitEditBtn },
            { NumUnitCol, edNumericUnitEditBtn },
            { FloatUnitCol, edFloatUnitEditBtn },
            { CheckCol, edCheckBox },
            { ButtonCol, edButton },
        };
        for (const auto& [col, kind] : kinds)
            Grid->Columns().Items(col)->SetEditor(kind);
        TGridColumnItem* spin = Grid->Columns().Items(IntSpinCol);
        spin->SetSpinMin(0);
        spin->SetSpinMax(50);
        spin->SetSpinStep(5);
        for (const char* unit : { "mm", "km" })
            Grid->UnitEditBtn->Units().Add(unit);
        Form->Show();
        Settle();
        Grid->SetFocus();
        Settle();
        ASSERT_TRUE(Grid->Focused());
    }

    void Open(int32_t aCol, int32_t aRow, const String& text)
    {
        Grid->SetCells(aCol, aRow, text);
        Grid->SetCol(Grid->RemapColToDispl(aCol));
        Grid->SetRow(aRow);
        Press(Qt::Key_F2);
        Settle();
    }

    // The control that edits the column's kind.
    TWinControl* Control(int32_t aCol) const
    {
        switch (Grid->Columns().Items(aCol)->Editor()) {
        case edSpinEdit:
        case edFloatSpinEdit:
        case edTimeSpinEdit:
        case edDateSpinEdit:
            return Grid->SpinEdit();
        case edUnitEditBtn:
        case edNumericUnitEditBtn:
        case edFloatUnitEditBtn:
            return Grid->UnitEditBtn;
        case edCheckBox:
            return Grid->EditCheck;
        case edButton:
            return Grid->GridButton;
        default:
            return Grid->EditBtn;
        }
    }

    static String Shown(TWinControl* control)
    {
        if (auto* unit = dynamic_cast<TZuzUnitEditBtn*>(control))
            return unit->TextAndUnit();
        if (auto* edit = dynamic_cast<TCustomEdit*>(control))
            return edit->Text();
        return control->Caption();
    }

    // Replaces the editor's text as a user would, by typing over it all.
    static void TypeOver(TWinControl* control, const QString& text)
    {
        if (auto* edit = dynamic_cast<TCustomEdit*>(control))
            edit->SelectAll();
        Type(text);
        Settle();
    }

    // Dates written as numbers, whatever the machine's locale.
    TFormatSettingsScope Settings { TFormatSettings {} };
    TScriptedUiServices Services;
    TScopedUiServices Scope { Services };
    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
};

TEST_F(ControlEditorTest, EachKindOpensOverTheCellFilledFromItAndCommitsOnTheKeyThatLeaves)
{
    const String date = DateToStr(EncodeDate(2024, 3, 9));
    const String time = TimeToStr(EncodeTime(10, 30, 0, 0));
    struct Case {
        const char* name;
        int32_t col;
        String cell;
        String shown;
        QString typed;
        Qt::Key leave;
        String written;
    };
    const Case cases[] = {
        { "integer spin", IntSpinCol, "7", "7", "12", Qt::Key_Return, "12" },
        { "float spin", FloatSpinCol, "1.5", "1.5", "2.25", Qt::Key_Return, "2.25" },
        { "time spin", TimeSpinCol, time, time, "", Qt::Key_Return, time },
        { "date spin", DateSpinCol, date, date, "", Qt::Key_Return, date },
        { "edit with button", BtnCol, "abc", "abc", "xyz", Qt::Key_Return, "xyz" },
        { "numeric button edit filters letters", NumBtnCol, "12", "12", "4a5", Qt::Key_Return, "45" },
        { "float button edit filters letters", FloatBtnCol, "1.5", "1.5", "2x.5", Qt::Key_Return, "2.5" },
        { "masked button edit", MaskBtnCol, "m1", "m1", "m2", Qt::Key_Return, "m2" },
        { "unit edit keeps value and unit", UnitCol, "12 mm", "12 mm", "", Qt::Key_Return, "12 mm" },
        { "numeric unit edit", NumUnitCol, "5km", "5km", "", Qt::Key_Return, "5km" },
        { "float unit edit", FloatUnitCol, "2.5mm", "2.5mm", "", Qt::Key_Return, "2.5mm" },
        { "check box shows the text, writes nothing", CheckCol, "Caption", "Caption", "", Qt::Key_Return, "Caption" },
        { "button shows the text, writes nothing", ButtonCol, "Go", "Go", "", Qt::Key_Down, "Go" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.col, 1, c.cell);
        TWinControl* control = Control(c.col);
        ASSERT_TRUE(control->Visible());
        EXPECT_TRUE(Grid->EditActive());
        EXPECT_EQ(Shown(control), c.shown);
        const TRect cell = Grid->CellRect(Grid->Col(), 1);
        EXPECT_LE(std::abs(control->Left() - cell.Left), 1);
        EXPECT_LE(std::abs(control->Top() - cell.Top), 1);
        if (!c.typed.isEmpty())
            TypeOver(control, c.typed);
        Press(c.leave, c.leave == Qt::Key_Return ? QStringLiteral("\r") : QString());
        Settle();
        EXPECT_FALSE(control->Visible());
        EXPECT_FALSE(Grid->EditActive());
        EXPECT_EQ(Grid->Cells(c.col, 1), c.written);
        EXPECT_NE(std::make_pair(Grid->RealCol(), Grid->Row()), std::make_pair(c.col, 1)) << "the cell moves on";
    }
}

TEST_F(ControlEditorTest, TheCharacterThatOpensTheEditorIsTypedIntoItOnce)
{
    struct Case {
        const char* name;
        int32_t col;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        { "spin", IntSpinCol, "7", "7" },
        { "edit with button", BtnCol, "q", "q" },
        { "numeric button edit drops a letter", NumBtnCol, "q", "old" },
        { "unit edit", UnitCol, "4", "4" },
        { "check box takes no text", CheckCol, "q", "old" },
        { "button takes no text", ButtonCol, "q", "old" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(c.col, 1, "old");
        Grid->SetCol(c.col);
        Grid->SetRow(1);
        Type(c.typed);
        Settle();
        TWinControl* control = Control(c.col);
        ASSERT_TRUE(control->Visible());
        EXPECT_EQ(Shown(control).toStdString(), c.shown);
        Press(Qt::Key_Escape);
        Settle();
        EXPECT_EQ(Grid->Cells(c.col, 1), "old");
    }
}

TEST_F(ControlEditorTest, SpinOpensWithTheColumnsBoundsAndStaysWithinThem)
{
    struct Case {
        const char* name;
        const char* cell;
        std::vector<Qt::Key> keys;
        QString typed;
        const char* shown;
        const char* written;
    };
    const Case cases[] = {
        { "up stops at the maximum", "48", { Qt::Key_Up, Qt::Key_Up }, "", "50", "50" },
        { "down steps by the column's step", "48", { Qt::Key_Down }, "", "43", "43" },
        { "down stops at the minimum", "3", { Qt::Key_Down }, "", "0", "0" },
        { "a page step that would pass the maximum stays", "48", { Qt::Key_PageUp }, "", "48", "48" },
        { "a page step within the bounds goes", "40", { Qt::Key_PageUp }, "", "45", "45" },
        { "home goes to the maximum", "20", { Qt::Key_Home }, "", "50", "50" },
        { "end goes to the minimum", "20", { Qt::Key_End }, "", "0", "0" },
        { "a typed value beyond the maximum is written as the maximum", "20", {}, "999", "999", "50" },
        { "a cell beyond the maximum opens at the maximum", "70", {}, "", "50", "50" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(IntSpinCol, 2, c.cell);
        TGridSpin* spin = Grid->SpinEdit();
        ASSERT_TRUE(spin->Visible());
        EXPECT_EQ(spin->MinValue(), 0);
        EXPECT_EQ(spin->MaxValue(), 50);
        EXPECT_EQ(spin->Increment(), 5);
        if (!c.typed.isEmpty())
            TypeOver(spin, c.typed);
        for (const Qt::Key key : c.keys)
            Press(key);
        Settle();
        EXPECT_EQ(spin->Text().toStdString(), c.shown);
        Enter();
        Settle();
        EXPECT_EQ(Grid->Cells(IntSpinCol, 2).toStdString(), c.written);
    }

    Open(IntSpinCol, 3, "20");
    TypeOver(Grid->SpinEdit(), "-7");
    Grid->SetFocus();
    Settle();
    EXPECT_FALSE(Grid->SpinEdit()->Visible());
    EXPECT_EQ(Grid->Cells(IntSpinCol, 3), "0") << "leaving by the focus writes within the bounds too";
}

TEST_F(ControlEditorTest, EscTakesTheCellsTextBack)
{
    for (const int32_t col : { int32_t { IntSpinCol }, int32_t { BtnCol }, int32_t { UnitCol } }) {
        SCOPED_TRACE(col);
        Grid->SetShowEditProcess(true);
        Open(col, 3, "20");
        TWinControl* control = Control(col);
        TypeOver(control, "33");
        Press(Qt::Key_Escape);
        Settle();
        EXPECT_FALSE(control->Visible());
        EXPECT_EQ(Grid->Cells(col, 3), "20");
        EXPECT_EQ(std::make_pair(Grid->RealCol(), Grid->Row()), std::make_pair(col, 3));
    }
}

TEST_F(ControlEditorTest, TheCellFollowsTheTypingOnlyWithShowEditProcess)
{
    struct Case {
        const char* name;
        int32_t col;
        bool showEditProcess;
        const char* whileTyping;
    };
    const Case cases[] = {
        { "spin, followed", IntSpinCol, true, "9" },
        { "button edit, followed", BtnCol, true, "9" },
        { "spin, not followed", IntSpinCol, false, "4" },
        { "unit edit is never followed", UnitCol, true, "4" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> written;
        Grid->OnSetEditText = [&](TComponent*, int32_t, int32_t, const String& value) {
            written.push_back(value.toStdString());
        };
        Grid->SetShowEditProcess(c.showEditProcess);
        Open(c.col, 1, "4");
        EXPECT_TRUE(written.empty()) << "filling the editor as it opens is no change";
        TypeOver(Control(c.col), "9");
        EXPECT_EQ(Grid->Cells(c.col, 1).toStdString(), c.whileTyping);
        Press(Qt::Key_Escape);
        Settle();
        Grid->OnSetEditText = nullptr;
    }
}

TEST_F(ControlEditorTest, TheButtonAsksTheApplicationForTheTextWithTheRealColumn)
{
    Grid->HideColumn(IntSpinCol);
    std::vector<std::tuple<int32_t, int32_t, std::string>> asked;
    Grid->OnEllipsClick = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, String& value) {
        asked.emplace_back(aCol, aRow, value.toStdString());
        value = QStringLiteral("picked");
    };
    auto clickButton = [](TZuzEditBtn* edit) {
        edit->Button()->Button()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
        edit->Button()->Button()->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 2));
        Settle();
    };

    Open(BtnCol, 2, "old");
    clickButton(Grid->EditBtn);
    EXPECT_EQ(Grid->EditBtn->Text(), "picked");
    EXPECT_TRUE(Grid->EditBtn->Visible());
    Enter();
    Settle();
    EXPECT_EQ(Grid->Cells(BtnCol, 2), "picked");

    Grid->EditBtn->SetStopEditAfterClick(true);
    Open(BtnCol, 3, "old");
    clickButton(Grid->EditBtn);
    EXPECT_FALSE(Grid->EditBtn->Visible());
    EXPECT_EQ(Grid->Cells(BtnCol, 3), "picked");

    Open(ButtonCol, 1, "Go");
    Grid->GridButton->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(3, 3));
    Grid->GridButton->Perform(WM_LBUTTONUP, 0, MakeLParam(3, 3));
    EXPECT_EQ(Grid->GridButton->Caption(), "picked");
    EXPECT_EQ(Grid->Cells(ButtonCol, 1), "picked");
    Press(Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(Grid->GridButton->Visible());
    EXPECT_EQ(Grid->Cells(ButtonCol, 1), "Go") << "Esc takes back what the press wrote";

    using TAsk = std::tuple<int32_t, int32_t, std::string>;
    EXPECT_EQ(asked, (std::vector<TAsk> { { BtnCol, 2, "old" }, { BtnCol, 3, "old" }, { ButtonCol, 1, "Go" } }));
}

TEST_F(ControlEditorTest, UnitEditSplitsValueAndUnitAndReportsAUnitChange)
{
    std::vector<std::tuple<int32_t, int32_t, std::string>> changes;
    Grid->OnUnitChanged = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, const String& unit) {
        changes.emplace_back(aCol, aRow, unit.toStdString());
    };
    struct Case {
        const char* cell;
        const char* value;
        const char* unit;
    };
    const Case cases[] = {
        { "12 mm", "12 ", "mm" },
        { "7", "7", "" },
        { "3 ft", "3 ft", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        Open(UnitCol, 1, c.cell);
        EXPECT_EQ(Grid->UnitEditBtn->Text().toStdString(), c.value);
        EXPECT_EQ(Grid->UnitEditBtn->UnitID().toStdString(), c.unit);
        Press(Qt::Key_Escape);
        Settle();
        EXPECT_EQ(Grid->Cells(UnitCol, 1).toStdString(), c.cell);
    }

    Open(UnitCol, 2, "12 mm");
    Services.AnswerPopup("km");
    Grid->UnitEditBtn->Perform(WM_KEYDOWN, VK_F4, 1);
    Settle();
    Enter();
    Settle();
    EXPECT_EQ(Grid->Cells(UnitCol, 2), "12 km");
    using TChange = std::tuple<int32_t, int32_t, std::string>;
    EXPECT_EQ(changes, (std::vector<TChange> { { UnitCol, 2, "km" } }));
}

TEST_F(ControlEditorTest, WithHiddenColumnsTheValueAndTheDoneReportLandInTheRealColumn)
{
    Grid->HideColumn(IntSpinCol);
    std::vector<std::pair<int32_t, int32_t>> done;
    Grid->OnEditCellDone = [&](TDudStringGrid*, int32_t aCol, int32_t aRow) { done.push_back({ aCol, aRow }); };
    const int32_t cols[] = { FloatSpinCol, BtnCol, UnitCol, CheckCol };
    for (const int32_t col : cols) {
        SCOPED_TRACE(col);
        Open(col, 2, "7");
        EXPECT_EQ(Shown(Control(col)), "7");
        TypeOver(Control(col), "8");
        Enter();
        Settle();
        Grid->HideCellEdit();
        Settle();
    }
    EXPECT_EQ(Grid->Cells(FloatSpinCol, 2), "8.00");
    EXPECT_EQ(Grid->Cells(BtnCol, 2), "8");
    EXPECT_EQ(Grid->Cells(UnitCol, 2), "8");
    EXPECT_EQ(Grid->Cells(CheckCol, 2), "7");
    EXPECT_EQ(Grid->Cells(FloatSpinCol - 1, 2), "") << "nothing lands in the display column";
    EXPECT_EQ(Grid->Cells(TimeSpinCol, 2), "") << "a second commit leaves the cell the grid moved on to alone";
    EXPECT_EQ(Grid->Cells(NumUnitCol, 2), "");
    const std::vector<std::pair<int32_t, int32_t>> once { { FloatSpinCol, 2 }, { BtnCol, 2 }, { UnitCol, 2 }, { CheckCol, 2 } };
    EXPECT_EQ(done, once) << "one report per edit, a second commit reports nothing";
}

TEST_F(ControlEditorTest, TabWithGoTabsWritesAndMovesToTheNextCell)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goTabs });
    for (const int32_t col : { int32_t { IntSpinCol }, int32_t { BtnCol }, int32_t { UnitCol } }) {
        SCOPED_TRACE(col);
        Open(col, 1, "3");
        TypeOver(Control(col), "6");
        Press(Qt::Key_Tab, "\t");
        Settle();
        EXPECT_FALSE(Control(col)->Visible());
        EXPECT_EQ(Grid->Cells(col, 1), "6");
        EXPECT_EQ(std::make_pair(Grid->RealCol(), Grid->Row()), std::make_pair(col + 1, 1));
    }
}

TEST_F(ControlEditorTest, RefusedValueKeepsTheEditorOnTheCell)
{
    Grid->OnCellValidate = [](TDudStringGrid*, int32_t, int32_t, String& value, bool& valid) {
        valid = value != QStringLiteral("13");
    };
    for (const int32_t col : { int32_t { IntSpinCol }, int32_t { BtnCol } }) {
        SCOPED_TRACE(col);
        Open(col, 1, "5");
        TWinControl* control = Control(col);
        TypeOver(control, "13");
        Enter();
        Settle();
        EXPECT_TRUE(control->Visible());
        EXPECT_EQ(std::make_pair(Grid->RealCol(), Grid->Row()), std::make_pair(col, 1));
        TypeOver(control, "14");
        Enter();
        Settle();
        EXPECT_FALSE(control->Visible());
        EXPECT_EQ(Grid->Cells(col, 1), "14");
    }
}

TEST_F(ControlEditorTest, SpinClicksReportTheCellTheValueAndTheDirection)
{
    using TClick = std::tuple<int32_t, int32_t, double, bool>;
    std::vector<TClick> clicks;
    Grid->OnSpinClick = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, int32_t value, bool up) {
        clicks.emplace_back(aCol, aRow, value, up);
    };
    Grid->OnFloatSpinClick = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, double value, bool up) {
        clicks.emplace_back(aCol, aRow, value, up);
    };
    auto click = [](TDudTimerSpeedButton* button) {
        button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
        button->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 2));
    };
    Open(IntSpinCol, 1, "20");
    TGridSpin* spin = Grid->SpinEdit();
    Press(Qt::Key_PageUp);
    Press(Qt::Key_End);
    click(spin->Button()->UpButton());
    Press(Qt::Key_Escape);
    Open(FloatSpinCol, 2, "2.5");
    click(spin->Button()->DownButton());
    EXPECT_EQ(spin->Text(), "2.4");
    Press(Qt::Key_Escape);
    Settle();
    EXPECT_EQ(clicks, (std::vector<TClick> { { IntSpinCol, 1, 25, true }, { IntSpinCol, 1, 0, false },
                          { IntSpinCol, 1, 5, true }, { FloatSpinCol, 2, 2.4, false } }));
}

TEST_F(ControlEditorTest, ButtonEditCompletesFromTheLookupListAndPastesOnlyWhatItsKindTakes)
{
    Grid->SetLookup(true);
    Grid->LookupItems().Add("Beta");
    Open(BtnCol, 1, "");
    Press(Qt::Key_B, "b");
    EXPECT_EQ(Grid->EditBtn->Text(), "beta");
    EXPECT_EQ(Grid->EditBtn->SelText(), "eta");
    Press(Qt::Key_Backspace, "\b");
    EXPECT_EQ(Grid->EditBtn->Text(), "b") << "no completion after Backspace";
    Press(Qt::Key_Escape);
    Settle();

    struct Case {
        const char* name;
        int32_t col;
        const char* clipboard;
        const char* text;
    };
    const Case cases[] = {
        { "a number into a numeric editor, its line break dropped", NumBtnCol, "345\r\n", "345" },
        { "letters into a numeric editor are refused", NumBtnCol, "3a", "5" },
        { "a decimal into a numeric editor is refused", NumBtnCol, "3.5", "5" },
        { "a decimal into a decimal editor", FloatBtnCol, "3.5", "3.5" },
        { "anything into a plain editor", BtnCol, "a b", "a b" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.col, 2, "5");
        Clipboard().SetAsText(c.clipboard);
        Grid->EditBtn->SelectAll();
        Grid->EditBtn->Perform(WM_PASTE);
        EXPECT_EQ(Grid->EditBtn->Text().toStdString(), c.text);
        EXPECT_EQ(Grid->Cells(c.col, 2).toStdString(), c.text) << "the cell follows a paste";
        Press(Qt::Key_Escape);
        Settle();
    }
}

TEST_F(ControlEditorTest, MaskedButtonEditTakesTheMaskOfItsOwnColumnPastHiddenOnes)
{
    Grid->Columns().Items(MaskBtnCol)->SetEditMask("LL");
    Grid->Columns().Items(UnitCol)->SetEditMask("99");
    Grid->HideColumn(IntSpinCol);
    Open(MaskBtnCol, 1, "ab");
    EXPECT_EQ(Grid->EditBtn->EditMask(), "LL");
    Press(Qt::Key_Escape);
    Open(BtnCol, 1, "ab");
    EXPECT_EQ(Grid->EditBtn->EditMask(), "");
    Press(Qt::Key_Escape);
}

TEST_F(ControlEditorTest, CheckBoxOpensUncheckedAndItsStateIsNeverWritten)
{
    for (const bool toggle : { true, false }) {
        SCOPED_TRACE(toggle);
        Open(CheckCol, 2, "Option");
        EXPECT_FALSE(Grid->EditCheck->Checked());
        EXPECT_EQ(Grid->EditCheck->Caption(), "Option");
        if (toggle)
            Press(Qt::Key_Space, " ");
        EXPECT_EQ(Grid->EditCheck->Checked(), toggle);
        Enter();
        Settle();
        EXPECT_FALSE(Grid->EditCheck->Visible());
        EXPECT_EQ(Grid->Cells(CheckCol, 2), "Option");
    }
}

} // namespace
