#include "grid/DudOder_FixedEditors.h"

#include "grid/DudOder.h"
#include "grid/DudOder_FilterDropDown.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class TProbeScroll : public TScrollControl {
public:
    using TScrollControl::MouseDown;
    using TScrollControl::MouseMove;
    using TScrollControl::MouseUp;
    using TScrollControl::TScrollControl;
};

class TProbeEdit : public TGridTransEdit {
public:
    using TGridTransEdit::KeyPress;
    using TGridTransEdit::TGridTransEdit;
};

// A grid of rows 20 pixels high and one fixed row, 420 pixels high: twenty
// data rows in view. Its indicator runs its whole height, so the track
// below the fixed row is 400 pixels.
struct TScrolledGrid {
    std::unique_ptr<TDudStringGrid> Grid = std::make_unique<TDudStringGrid>(nullptr);
    TProbeScroll* Indicator = nullptr;

    TScrolledGrid(int32_t rows, TScrollDirection direction = sdVertical)
    {
        Grid->SetScrollBars(ssNone);
        Grid->SetDefaultRowHeight(20);
        Grid->SetDefaultColWidth(20);
        Grid->SetBounds(0, 0, 420, 420);
        Grid->SetRowCount(rows);
        Grid->SetColCount(direction == sdVertical ? 3 : rows);
        Indicator = new TProbeScroll(Grid.get());
        Indicator->SetParent(Grid.get());
        Indicator->SetDirection(direction);
        if (direction == sdVertical)
            Indicator->SetBounds(414, 0, 6, 420);
        else
            Indicator->SetBounds(0, 414, 420, 6);
    }
};

TEST(ScrollControlTest, TheThumbShowsWhereTheGridIsScrolled)
{
    struct Case {
        const char* name;
        int32_t rows;
        int32_t first;
        TScrollDirection direction;
        bool shown;
        int32_t start, size;
    };
    const Case cases[] = {
        { "at the top, raised to the least size", 1000, 1, sdVertical, true, 20, 20 },
        { "at the end, kept inside the control", 1000, 980, sdVertical, true, 400, 20 },
        { "half way down", 41, 21, sdVertical, true, 220, 195 },
        { "every row in view", 21, 1, sdVertical, false, 0, 0 },
        { "no data rows", 1, 0, sdVertical, false, 0, 0 },
        { "across the columns", 41, 21, sdHorizontal, true, 220, 195 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScrolledGrid fixture(c.rows, c.direction);
        if (c.rows > 1)
            c.direction == sdVertical ? fixture.Grid->SetTopRow(c.first) : fixture.Grid->SetLeftCol(c.first);
        const TScrollControl::TThumb thumb = fixture.Indicator->Thumb();
        EXPECT_EQ(thumb.Shown, c.shown);
        if (c.shown) {
            EXPECT_EQ(thumb.Start, c.start);
            EXPECT_EQ(thumb.Size, c.size);
        }
    }
}

TEST(ScrollControlTest, ClicksPageAndTheThumbDrags)
{
    struct Case {
        const char* name;
        int32_t topRow;
        std::function<void(TProbeScroll&)> act;
        int32_t expected;
    };
    const Case cases[] = {
        { "below the thumb pages down", 1, [](TProbeScroll& s) { s.MouseDown(mbLeft, {}, 2, 300); }, 21 },
        { "above the thumb at the end pages up", 980, [](TProbeScroll& s) { s.MouseDown(mbLeft, {}, 2, 10); }, 960 },
        { "on the thumb nothing scrolls", 980, [](TProbeScroll& s) { s.MouseDown(mbLeft, {}, 2, 415); }, 980 },
        { "above the thumb pages up", 30, [](TProbeScroll& s) { s.MouseDown(mbLeft, {}, 2, 5); }, 10 },
        { "but not into the fixed rows", 10, [](TProbeScroll& s) { s.MouseDown(mbLeft, {}, 2, 5); }, 1 },
        { "the thumb drags rows along",
            1,
            [](TProbeScroll& s) {
                s.MouseDown(mbLeft, {}, 2, 25);
                s.MouseMove({}, 2, 65);
                s.MouseUp(mbLeft, {}, 2, 65);
                s.MouseMove({}, 2, 200);
            },
            101 },
        { "a drag stops at the last page",
            1,
            [](TProbeScroll& s) {
                s.MouseDown(mbLeft, {}, 2, 25);
                s.MouseMove({}, 2, 2000);
            },
            980 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScrolledGrid fixture(1000);
        fixture.Grid->SetTopRow(c.topRow);
        c.act(*fixture.Indicator);
        EXPECT_EQ(fixture.Grid->TopRow(), c.expected);
    }
}

TEST(FixedCellEditorTest, StopEditAsksTheGridsValidation)
{
    struct Case {
        const char* name;
        bool accept;
        bool closed;
        const char* cell;
        const char* events;
    };
    const Case cases[] = {
        { "accepted", true, true, "New title", "validate 2,0 done " },
        { "refused", false, false, "Title", "validate 2,0 " },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDudStringGrid grid(nullptr);
        grid.SetCells(2, 0, "Title");
        auto* editor = new TProbeEdit(&grid);
        editor->SetParent(&grid);
        editor->SetCol(2);
        editor->SetRow(0);
        editor->SetText("New title");
        editor->SetVisible(true);
        std::string events;
        grid.OnCellValidate = [&](TDudStringGrid*, int32_t col, int32_t row, String&, bool& valid) {
            events += "validate " + std::to_string(col) + "," + std::to_string(row) + " ";
            valid = c.accept;
        };
        grid.OnEditingDone = [&](TDudStringGrid*) { events += "done "; };

        TChar key = u'\r';
        editor->KeyPress(key);
        EXPECT_EQ(key, 0);
        EXPECT_TRUE(editor->Visible());

        EXPECT_EQ(editor->StopEdit(), c.closed);
        EXPECT_EQ(editor->Visible(), !c.closed);
        EXPECT_EQ(grid.Cells(2, 0), c.cell);
        EXPECT_EQ(events, c.events);
        if (!c.closed) {
            EXPECT_EQ(grid.Col(), 2);
        }
    }
}

} // namespace

namespace {

TEST(FixedCellEditorTest, HeaderCellsOpenTheEditorTheirKindAsksFor)
{
    struct Case {
        const char* name;
        int32_t col, row;
        TGridFixedCellEditor colsEditor, rowsEditor;
        bool refuseCell;
        const char* opened;
    };
    const Case cases[] = {
        { "a column title in an edit box", 2, 0, fceComboList, fceEdit, false, "edit" },
        { "a column title in a combo", 2, 0, fceEdit, fceComboEdit, false, "combo" },
        { "a row title, from the column settings", 0, 3, fceComboList, fceEdit, false, "combo" },
        { "a cell the application refuses", 2, 0, fceEdit, fceEdit, true, "none" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDudStringGrid grid(nullptr);
        grid.SetCells(c.col, c.row, "Title");
        grid.MouseActions().SetFixedColsEditor(c.colsEditor);
        grid.MouseActions().SetFixedRowsEditor(c.rowsEditor);
        grid.MouseActions().FixedComboValues().Add("One");
        grid.OnCanEditCell = [&c](TDudStringGrid*, int32_t, int32_t, bool& canEdit) { canEdit = !c.refuseCell; };
        grid.StartFixedCellEdit(c.col, c.row);
        const bool edit = grid.EditTrans()->Visible();
        const bool combo = grid.ComboTrans()->Visible();
        EXPECT_EQ(std::string(edit ? "edit" : combo ? "combo" : "none"), c.opened);
        if (edit) {
            EXPECT_EQ(grid.EditTrans()->Text(), "Title");
            TRect inside = grid.CellRect(c.col, c.row);
            inside.Inflate(-1, -1);
            EXPECT_EQ(grid.EditTrans()->Left(), inside.Left);
            EXPECT_EQ(grid.EditTrans()->Width(), inside.Width());
        }
        if (combo) {
            EXPECT_EQ(grid.ComboTrans()->Text(), "Title");
            EXPECT_EQ(grid.ComboTrans()->Items().Count(), 1);
            EXPECT_EQ(grid.ComboTrans()->Style(), c.colsEditor == fceComboList && c.col == 0 ? csDropDownList : csDropDown);
        }
    }
}

TEST(FixedCellEditorTest, AnEditorThatRefusesToCloseKeepsTheOtherClosed)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 0, "A");
    grid.SetCells(2, 0, "B");
    bool accept = false;
    grid.OnCellValidate = [&accept](TDudStringGrid*, int32_t, int32_t, String&, bool& valid) { valid = accept; };
    grid.StartFixedCellEdit(1, 0);
    grid.EditTrans()->SetText("A2");
    grid.StartFixedCellEdit(2, 0);
    EXPECT_EQ(grid.EditTrans()->Col(), 1);
    EXPECT_EQ(grid.Cells(1, 0), "A");
    accept = true;
    grid.StartFixedCellEdit(2, 0);
    EXPECT_EQ(grid.Cells(1, 0), "A2");
    EXPECT_EQ(grid.EditTrans()->Col(), 2);
    EXPECT_EQ(grid.EditTrans()->Text(), "B");
}

} // namespace

namespace {

class TProbeDropList : public TDropList {
public:
    using TDropList::KeyPress;
    using TDropList::MouseUp;
    using TDropList::TDropList;
};

class TProbeDropCheckList : public TDropCheckList {
public:
    using TDropCheckList::ClickCheck;
    using TDropCheckList::TDropCheckList;
};

TEST(FilterListTest, TheListsPickAndCloseAsTheirKindAsks)
{
    struct Case {
        const char* name;
        std::function<void(TProbeDropList&, TProbeDropCheckList&)> act;
        const char* picks;
        bool listShown, checkListShown;
    };
    const Case cases[] = {
        { "Return picks the highlighted entry", [](TProbeDropList& l, TProbeDropCheckList&) {
              TChar key = u'\r';
              l.KeyPress(key);
          },
            "list 1 hidden ", false, true },
        { "another key picks nothing", [](TProbeDropList& l, TProbeDropCheckList&) {
              TChar key = u'x';
              l.KeyPress(key);
          },
            "", true, true },
        { "a click picks", [](TProbeDropList& l, TProbeDropCheckList&) { l.MouseUp(mbLeft, {}, 3, 3); },
            "list 1 hidden ", false, true },
        { "a check applies at once and stays open",
            [](TProbeDropList&, TProbeDropCheckList& c) { c.ClickCheck(); }, "checks -1 shown ", true, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDudStringGrid grid(nullptr);
        auto* list = new TProbeDropList(&grid);
        auto* checks = new TProbeDropCheckList(&grid);
        for (TCustomListBox* box : { static_cast<TCustomListBox*>(list), static_cast<TCustomListBox*>(checks) }) {
            box->SetParent(&grid);
            box->Items().Add("a");
            box->Items().Add("b");
            box->SetVisible(true);
        }
        list->SetItemIndex(1);
        std::string picks;
        list->OnSelect = [&](TComponent*, int32_t index) {
            picks += "list " + std::to_string(index) + (list->Visible() ? " shown " : " hidden ");
        };
        checks->OnSelect = [&](TComponent*, int32_t index) {
            picks += "checks " + std::to_string(index) + (checks->Visible() ? " shown " : " hidden ");
        };
        c.act(*list, *checks);
        EXPECT_EQ(picks, c.picks);
        EXPECT_EQ(list->Visible(), c.listShown);
        EXPECT_EQ(checks->Visible(), c.checkListShown);
    }
}

} // namespace
