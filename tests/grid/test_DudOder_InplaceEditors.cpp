#include "grid/DudCGrid.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_TextEditor.h"
#include "platform/ui/BalloonTip.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"
#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

class TProbeGrid : public TDudColumnGrid {
public:
    using TDudColumnGrid::TDudColumnGrid;
    using TDudColumnGrid::CellBalloonText;
    using TDudColumnGrid::EditCombo;
    using TDudColumnGrid::ShowCellBalloon;
};

// A column grid with the focus: a title row, a row-number column, a text
// column, then an editable list of three items and a second text column.
class GridInplaceEditorsTest : public testing::Test {
protected:
    enum : int32_t { TextCol = 1, ListCol = 2 };

    void SetUp() override
    {
        HideBalloonTip();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 640, 300);
        Grid = new TProbeGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 600, 250);
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetColWidths(TextCol, 200);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Grid->Columns().Items(ListCol)->SetEditor(edComboEdit);
        Grid->Columns().Items(ListCol)->ComboItems().SetText(QStringLiteral("One\nTwo\nThree"));
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Grid->Focused());
    }

    void TearDown() override { HideBalloonTip(); }

    void OpenWithF2(int32_t aCol, int32_t aRow)
    {
        Grid->SetCol(aCol);
        Grid->SetRow(aRow);
        Press(Qt::Key_F2);
        QApplication::processEvents();
    }

    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
};

TEST_F(GridInplaceEditorsTest, TheTextEditorShowsTheCellsColourFontAndAlignment)
{
    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&, int32_t)> look;
        TColor color;
        TColor fontColor;
        bool bold;
        TAlignment alignment;
    };
    const TColor window = clWindow;
    const TColor text = Grid->Font().Color();
    const Case cases[] = {
        { "plain cell", [](TDudStringGrid&, int32_t) { }, window, text, false, taLeftJustify },
        { "coloured cell", [](TDudStringGrid& g, int32_t r) { g.SetColors(TextCol, r, clYellow); }, clYellow, text, false,
            taLeftJustify },
        { "right-aligned cell", [](TDudStringGrid& g, int32_t r) { g.SetAlignments(TextCol, r, taRightJustify); }, window, text,
            false, taRightJustify },
        { "centred cell", [](TDudStringGrid& g, int32_t r) { g.SetAlignments(TextCol, r, taCenter); }, window, text, false,
            taCenter },
        { "bold red text",
            [](TDudStringGrid& g, int32_t r) {
                g.SetFontStyles(TextCol, r, TFontStyles { TFontStyle::fsBold });
                g.SetFontColors(TextCol, r, clRed);
            },
            window, clRed, true, taLeftJustify },
    };
    // Each case on a row of its own, so no look is left from the case before.
    Grid->SetRowCount(static_cast<int32_t>(std::size(cases)) + 1);
    int32_t row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ++row;
        Grid->HideInplaceEdit();
        c.look(*Grid, row);
        OpenWithF2(TextCol, row);
        TDudInplaceEdit* editor = Grid->NormalEdit();
        ASSERT_TRUE(editor && editor->Visible());
        EXPECT_EQ(editor->Color(), c.color);
        EXPECT_EQ(editor->Font().Color(), c.fontColor);
        EXPECT_EQ(editor->Font().Style().Contains(TFontStyle::fsBold), c.bold);
        EXPECT_EQ(editor->Alignment(), c.alignment);
    }
}

TEST_F(GridInplaceEditorsTest, AClickThatOpensTheEditorPutsTheCaretUnderTheMouse)
{
    Grid->MouseActions().SetDirectEdit(true);
    Grid->MouseActions().SetCaretPositioning(true);
    Grid->Navigation().SetEditSelectAll(false);
    Grid->SetCells(TextCol, 1, QStringLiteral("abcdefgh"));
    // Where each caret position lies is the editor's own layout; it is
    // measured once with the editor open, then each click starts afresh.
    OpenWithF2(TextCol, 1);
    TDudInplaceEdit* editor = Grid->NormalEdit();
    ASSERT_TRUE(editor && editor->Visible());
    const int32_t y = editor->Height() / 2;
    std::vector<TPoint> targets;
    for (const int32_t position : { 0, 3, 8 })
        targets.push_back(editor->ClientToScreen({ editor->PosFromChar(position).X, y }));

    const int32_t expected[] = { 0, 3, 8 };
    for (size_t index = 0; index < targets.size(); ++index) {
        SCOPED_TRACE(expected[index]);
        // A click on the current cell opens its editor.
        Grid->HideInplaceEdit();
        Grid->SetFocus();
        QApplication::processEvents();
        ASSERT_EQ(Grid->Col(), TextCol);
        const TPoint local = Grid->ScreenToClient(targets[index]);
        QCursor::setPos(targets[index].X, targets[index].Y);
        for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
            const QPointF point(local.X, local.Y);
            QMouseEvent event(type, point, Grid->Widget()->mapToGlobal(point), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(Grid->Widget(), &event);
            QApplication::processEvents();
        }
        ASSERT_TRUE(editor->Visible());
        ASSERT_TRUE(editor->Focused());
        EXPECT_EQ(editor->SelStart(), expected[index]);
        EXPECT_EQ(editor->SelLength(), 0);
    }
}

TEST_F(GridInplaceEditorsTest, TheWheelStepsTheOpenListAndReportsEachStep)
{
    struct Case {
        const char* name;
        const char* cellText;
        int32_t delta;
        const char* shown;
        int32_t index;
    };
    const Case cases[] = {
        { "down from the first", "One", -120, "Two", 1 },
        { "up from the second", "Two", 120, "One", 0 },
        { "down stays on the last", "Three", -120, "Three", 2 },
        { "up stays on the first", "One", 120, "One", 0 },
    };
    std::vector<std::string> edits;
    std::vector<int32_t> comboIndexes;
    Grid->OnEditChange = [&](TDudStringGrid*, int32_t, int32_t, const String& value) {
        edits.push_back(value.toStdString());
    };
    Grid->OnComboChange = [&](TDudStringGrid*, int32_t aCol, int32_t, int32_t index, const String&) {
        EXPECT_EQ(aCol, ListCol);
        comboIndexes.push_back(index);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->HideInplaceEdit();
        Grid->SetCells(ListCol, 1, QString::fromUtf8(c.cellText));
        OpenWithF2(ListCol, 1);
        ASSERT_TRUE(Grid->EditCombo->Visible());
        edits.clear();
        comboIndexes.clear();
        EXPECT_NE(Grid->EditCombo->Perform(CM_MOUSEWHEEL, c.delta, 0), 0);
        EXPECT_EQ(Grid->EditCombo->Text().toStdString(), c.shown);
        EXPECT_EQ(Grid->EditCombo->ItemIndex(), c.index);
        EXPECT_EQ(edits, std::vector<std::string> { c.shown });
        EXPECT_EQ(comboIndexes, std::vector<int32_t> { c.index });
    }
}

TEST_F(GridInplaceEditorsTest, ARefusedEditShowsTheInvalidEntryBalloonAtTheEditor)
{
    struct Case {
        const char* name;
        bool refuse;
        const char* title;
        const char* text;
        TInvalidEntryIcon icon;
        bool shown;
        TBalloonTipIcon balloonIcon;
    };
    const Case cases[] = {
        { "title, text and error icon", true, "Wrong value", "Give a number", ieError, true, btiError },
        { "text only, information icon", true, "", "Give a number", ieInfo, true, btiInfo },
        { "nothing to say", true, "", "", ieWarning, false, btiNone },
        { "accepted value", false, "Wrong value", "Give a number", ieError, false, btiNone },
    };
    bool refuse = false;
    Grid->OnCellValidate = [&](TDudStringGrid*, int32_t, int32_t, String&, bool& valid) { valid = !refuse; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HideBalloonTip();
        refuse = c.refuse;
        Grid->SetInvalidEntryTitle(QString::fromUtf8(c.title));
        Grid->SetInvalidEntryText(QString::fromUtf8(c.text));
        Grid->SetInvalidEntryIcon(c.icon);
        Grid->HideInplaceEdit();
        Grid->SetCells(TextCol, 1, QString());
        Grid->SetCol(TextCol);
        Grid->SetRow(1);
        Type(QStringLiteral("x"));
        Press(Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
        const TWinControl* target = nullptr;
        const TBalloonTipContent* balloon = ShownBalloonTip(&target);
        ASSERT_EQ(balloon != nullptr, c.shown);
        if (!balloon)
            continue;
        EXPECT_EQ(target, Grid->NormalEdit());
        EXPECT_TRUE(Grid->NormalEdit()->Visible());
        EXPECT_EQ(balloon->Title.toStdString(), c.title);
        EXPECT_EQ(balloon->Text.toStdString(), c.text);
        EXPECT_EQ(balloon->Icon, c.balloonIcon);
    }
}

TEST_F(GridInplaceEditorsTest, WideValidationWritesAcceptsOrRestoresTheCell)
{
    struct Case {
        const char* name;
        bool valid;
        const char* replacement;
        bool expectedResult;
        const char* stored;
        bool modified;
    };
    const Case cases[] = {
        { "accepted as typed", true, nullptr, true, "new", true },
        { "accepted as corrected", true, "NEW", true, "NEW", true },
        { "refused", false, nullptr, false, "old", false },
        { "refused with the handler's value", false, "fixed", false, "fixed", false },
    };
    std::vector<std::string> seen;
    const Case* current = nullptr;
    Grid->OnCellValidateWide = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, String& value, bool& valid) {
        EXPECT_EQ(aCol, TextCol);
        EXPECT_EQ(aRow, 2);
        seen.push_back(value.toStdString());
        if (current->replacement)
            value = QString::fromUtf8(current->replacement);
        valid = current->valid;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        current = &c;
        seen.clear();
        Grid->HideInplaceEdit();
        Grid->SetModified(false);
        Grid->SetCells(TextCol, 2, QStringLiteral("old"));
        OpenWithF2(TextCol, 2);
        ASSERT_TRUE(Grid->NormalEdit() && Grid->NormalEdit()->Visible());
        EXPECT_EQ(Grid->ValidateCellWide(QStringLiteral("new")), c.expectedResult);
        EXPECT_EQ(seen, std::vector<std::string> { "new" });
        EXPECT_EQ(Grid->Cells(TextCol, 2).toStdString(), c.stored);
        EXPECT_EQ(Grid->Modified(), c.modified);
        if (!c.valid) {
            EXPECT_FALSE(Grid->EditorMode());
        }
    }
}

TEST_F(GridInplaceEditorsTest, CopyAndCutInTheEditorAskTheGridFirst)
{
    struct Case {
        const char* name;
        Qt::Key key;
        bool allow;
        const char* clipboard;
        const char* editorText;
        const char* copied;
        const char* cut;
    };
    const Case cases[] = {
        { "copy allowed", Qt::Key_C, true, "hello", "hello", "hello", "" },
        { "copy refused", Qt::Key_C, false, "before", "hello", "hello", "" },
        { "cut allowed", Qt::Key_X, true, "hello", "", "", "hello" },
        { "cut refused", Qt::Key_X, false, "before", "hello", "", "hello" },
    };
    std::string copied;
    std::string cut;
    bool allow = true;
    Grid->OnClipboardCopy = [&](TDudStringGrid*, const String& value, bool& allowed) {
        copied = value.toStdString();
        allowed = allow;
    };
    Grid->OnClipboardCut = [&](TDudStringGrid*, const String& value, bool& allowed) {
        cut = value.toStdString();
        allowed = allow;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        copied.clear();
        cut.clear();
        allow = c.allow;
        Clipboard().SetAsText(QStringLiteral("before"));
        Grid->HideInplaceEdit();
        Grid->SetCells(TextCol, 1, QStringLiteral("hello"));
        OpenWithF2(TextCol, 1);
        TDudInplaceEdit* editor = Grid->NormalEdit();
        ASSERT_TRUE(editor && editor->Focused());
        editor->SelectAll();
        Press(c.key, QString(), Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_EQ(Clipboard().AsText().toStdString(), c.clipboard);
        EXPECT_EQ(editor->Text().toStdString(), c.editorText);
        EXPECT_EQ(copied, c.copied);
        EXPECT_EQ(cut, c.cut);
    }
}

TEST_F(GridInplaceEditorsTest, AFullCellAdvancesByItselfWhenTheGridAdvancesAutomatically)
{
    struct Case {
        const char* name;
        int32_t maxLength;
        bool advanceAuto;
        bool advanced;
    };
    const Case cases[] = {
        { "filled to its length", 3, true, true },
        { "room left", 5, true, false },
        { "no length", 0, true, false },
        { "filled, no automatic advance", 3, false, false },
    };
    Grid->SetRowCount(static_cast<int32_t>(std::size(cases)) + 1);
    int32_t row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ++row;
        Grid->HideInplaceEdit();
        Grid->SetMaxEditLength(c.maxLength);
        Grid->Navigation().SetAdvanceAuto(c.advanceAuto);
        Grid->Navigation().SetAdvanceOnEnter(true);
        Grid->SetCol(TextCol);
        Grid->SetRow(row);
        Type(QStringLiteral("abc"));
        QApplication::processEvents();
        EXPECT_EQ(Grid->Col() != TextCol, c.advanced);
        if (c.advanced) {
            EXPECT_EQ(Grid->Cells(TextCol, row).toStdString(), "abc");
        } else {
            ASSERT_TRUE(Grid->NormalEdit() && Grid->NormalEdit()->Visible());
            EXPECT_EQ(Grid->NormalEdit()->Text().toStdString(), "abc");
        }
    }
}

} // namespace

TEST_F(GridInplaceEditorsTest, TheComboEditorCompletesWalksAndKeepsItsCaret)
{
    Grid->LookupItems().SetText(QStringLiteral("Twelve\nEighty"));
    struct Case {
        const char* name;
        std::function<void()> setup;
        const char* cellText;
        std::vector<Qt::Key> keys;
        const char* typed;
        const char* shown;
        int32_t selStart;
        int32_t selLength;
        int32_t col;
        bool comboOpen;
    };
    const Case cases[] = {
        { "the caret starts after the text", [] {}, "Two", {}, "", "Two", 3, 0, ListCol, true },
        { "with EditSelectAll the text starts selected",
            [this] { Grid->Navigation().SetEditSelectAll(true); }, "Two", {}, "", "Two", 0, 3, ListCol, true },
        { "Left walks within the text", [] {}, "Two", { Qt::Key_Left }, "", "Two", 2, 0, ListCol, true },
        { "the combo's items complete first",
            [this] { Grid->SetLookup(true); }, "", {}, "T", "Two", 1, 2, ListCol, true },
        { "then the grid's lookup items",
            [this] { Grid->SetLookup(true); }, "", {}, "Eig", "Eighty", 3, 3, ListCol, true },
        { "Backspace completes nothing",
            [this] { Grid->SetLookup(true); }, "", { Qt::Key_Backspace }, "", "", 0, 0, ListCol, true },
        { "Right at the end walks to the next cell",
            [this] { Grid->Navigation().SetCursorWalkEditor(true); }, "Two", { Qt::Key_Right }, "", "Two", 3, 0,
            ListCol + 1, false },
        { "Left at the start walks back",
            [this] { Grid->Navigation().SetCursorWalkEditor(true); }, "Two",
            { Qt::Key_Home, Qt::Key_Left }, "", "Two", 0, 0, TextCol, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->HideInplaceEdit();
        Grid->SetFocus();
        Grid->Navigation().SetEditSelectAll(false);
        Grid->Navigation().SetCursorWalkEditor(false);
        Grid->SetLookup(false);
        c.setup();
        Grid->SetCells(ListCol, 1, QString::fromUtf8(c.cellText));
        OpenWithF2(ListCol, 1);
        ASSERT_TRUE(Grid->EditCombo->Visible());
        for (Qt::Key key : c.keys) {
            Press(key);
            QApplication::processEvents();
        }
        // Typed as real keys, so that each release reaches the combo.
        for (const QChar character : QString::fromUtf8(c.typed)) {
            Press(static_cast<Qt::Key>(character.toUpper().unicode()), QString(character));
            QApplication::processEvents();
        }
        EXPECT_EQ(Grid->Col(), c.col);
        EXPECT_EQ(Grid->EditCombo->Visible(), c.comboOpen);
        if (c.comboOpen) {
            EXPECT_EQ(Grid->EditCombo->Text().toStdString(), c.shown);
            EXPECT_EQ(Grid->EditCombo->SelStart(), c.selStart);
            EXPECT_EQ(Grid->EditCombo->SelLength(), c.selLength);
        } else {
            EXPECT_EQ(Grid->Cells(ListCol, 1).toStdString(), c.shown);
        }
    }
}

TEST_F(GridInplaceEditorsTest, TheComboEditorTakesTheGridsLengthLimitAndTheCellsHeight)
{
    Grid->SetMaxComboLength(4);
    OpenWithF2(ListCol, 1);
    ASSERT_TRUE(Grid->EditCombo->Visible());
    Type(QStringLiteral("abcdef"));
    QApplication::processEvents();
    EXPECT_EQ(Grid->EditCombo->Text().toStdString(), "abcd");
    const TRect cell = Grid->CellRect(ListCol, 1);
    EXPECT_EQ(Grid->EditCombo->Height(), cell.Height() - 1);
}

TEST_F(GridInplaceEditorsTest, TheTextEditorWrapsWhenTheGridDoesFromTheFirstEdit)
{
    Grid->SetWordWrap(true);
    OpenWithF2(TextCol, 1);
    ASSERT_TRUE(Grid->NormalEdit());
    EXPECT_TRUE(Grid->NormalEdit()->WordWrap());
}

TEST_F(GridInplaceEditorsTest, ACellsBalloonTextIsCleanedCutAndOfferedToTheApplication)
{
    struct Case {
        const char* name;
        String cell;
        bool ownBalloon;
        std::string text;
        std::string title;
    };
    const String longText(3000, u'x');
    const Case cases[] = {
        { "tabs become blanks and leading breaks go", QStringLiteral("\r\n\ta\tb\t"), false, " a b ", " " },
        { "a long text is cut", longText, false, String(2045, u'x').toStdString() + "...", " " },
        { "the cell's own balloon wins", QStringLiteral("plain"), true, "own text", "own title" },
    };
    Grid->Balloon().SetEnable(true);
    std::vector<int32_t> asked;
    Grid->OnCellBalloon = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, String&, String&, int32_t&) {
        asked.push_back(aCol * 10 + aRow);
    };
    const TRect cell = Grid->CellRect(TextCol, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(TextCol, 2, c.cell);
        if (c.ownBalloon)
            Grid->AddBalloon(TextCol, 2, QStringLiteral("own title"), QStringLiteral("own text"), biWarning);
        asked.clear();
        TBalloonTipContent content;
        Grid->CellBalloonText({ cell.Left + 2, cell.Top + 2 }, content);
        EXPECT_EQ(content.Text.toStdString(), c.text);
        EXPECT_EQ(content.Title.toStdString(), c.title);
        EXPECT_EQ(content.Icon, c.ownBalloon ? btiWarning : btiInfo);
        EXPECT_EQ(asked, std::vector<int32_t> { TextCol * 10 + 2 });
    }
    Grid->ShowCellBalloon(cell.Left + 2, cell.Top + 2);
    const TWinControl* target = nullptr;
    ASSERT_NE(ShownBalloonTip(&target), nullptr);
    EXPECT_EQ(target, Grid);
}
