#include "grid/DudCGrid.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_FilterDropDown.h"
#include "grid/DudOder_FixedEditors.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_HTMLHintWindow.h"
#include "grid/base/VidEri_Options.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/UiServices.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Answers a popup menu with its second item and remembers where it showed.
class TMenuChooser : public TUiServices {
public:
    TModalResult MessageDlg(const String&, TMsgDlgType, TMsgDlgButtons, const String&) override { return mrCancel; }
    void ShowException(const String&) override { }
    bool SaveDialog(TFileDialogRequest&) override { return false; }
    bool OpenDialog(TFileDialogRequest&) override { return false; }
    TModalResult ShowModal(TForm&) override { return mrCancel; }
    bool OpenLink(const String&) override { return false; }
    TMenuItem* PopupMenu(TPopupMenu& menu, TPoint screenPoint) override
    {
        Shown.push_back(screenPoint);
        return menu.Items().Items(1);
    }

    std::vector<TPoint> Shown;
};

// A press, a move with the button held, or a release, at a point the step
// finds on the grid as it is then.
struct TStep {
    enum { press, move, release } Kind;
    std::function<TPoint(TDudColumnGrid&)> At;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};

TPoint CellPoint(TDudColumnGrid& grid, int32_t aCol, int32_t aRow, int32_t dx = -1, int32_t dy = -1)
{
    const TRect rect = grid.CellRect(aCol, aRow);
    return { dx < 0 ? (rect.Left + rect.Right) / 2 : rect.Left + dx, dy < 0 ? (rect.Top + rect.Bottom) / 2 : rect.Top + dy };
}

auto At(int32_t aCol, int32_t aRow, int32_t dx = -1, int32_t dy = -1)
{
    return [=](TDudColumnGrid& grid) { return CellPoint(grid, aCol, aRow, dx, dy); };
}

std::vector<TStep> ClickAt(int32_t aCol, int32_t aRow, int32_t dx = -1, int32_t dy = -1,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return { { TStep::press, At(aCol, aRow, dx, dy), modifiers }, { TStep::release, At(aCol, aRow, dx, dy), modifiers } };
}

std::vector<TStep> Drag(std::function<TPoint(TDudColumnGrid&)> from, std::function<TPoint(TDudColumnGrid&)> to)
{
    return { { TStep::move, from }, { TStep::press, from }, { TStep::move, to }, { TStep::move, to },
        { TStep::release, to } };
}

// A table editor's grid with the focus: a title row, a row-number column
// and five data columns over six data rows, each cell holding its name.
class GridMouseControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Events.clear();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 620, 360);
        Grid = new TDudColumnGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 600, 340);
        Grid->SetColCount(6);
        Grid->SetRowCount(7);
        for (int32_t row = 1; row < Grid->RowCount(); ++row)
            for (int32_t col = 1; col < Grid->ColCount(); ++col)
                Grid->SetCells(col, row, QString("c%1r%2").arg(col).arg(row));
        const auto log = [this](std::string text) { Events.push_back(std::move(text)); };
        Grid->OnClickCell = [log](TDudStringGrid*, int32_t r, int32_t c) { log("click " + Cell(c, r)); };
        Grid->OnButtonClick = [log](TDudStringGrid*, int32_t c, int32_t r) { log("button " + Cell(c, r)); };
        Grid->OnRadioClick = [log](TDudStringGrid*, int32_t c, int32_t r, int32_t index) {
            log("radio " + Cell(c, r) + " " + std::to_string(index));
        };
        Grid->OnRatingChange = [log](TDudStringGrid*, int32_t c, int32_t r, double& rate, bool&) {
            log("rating " + Cell(c, r) + " " + QString::number(rate).toStdString());
        };
        Grid->OnExpandNode = [log](TDudStringGrid*, int32_t r, int32_t) { log("expand " + std::to_string(r)); };
        Grid->OnContractNode = [log](TDudStringGrid*, int32_t r, int32_t) { log("contract " + std::to_string(r)); };
        Grid->OnEndColumnSize = [log](TDudStringGrid*, int32_t c) { log("sized col " + std::to_string(c)); };
        Grid->OnEndRowSize = [log](TDudStringGrid*, int32_t r) { log("sized row " + std::to_string(r)); };
        Grid->OnColumnMoving = [log](TDudStringGrid*, int32_t c, bool&) { log("moving " + std::to_string(c)); };
        Grid->OnSelectionResized = [log](TDudStringGrid*, const TGridRect& from, const TGridRect& to) {
            log("stretched " + Rect(from) + " to " + Rect(to));
        };
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
    }

    static std::string Cell(int32_t aCol, int32_t aRow) { return std::to_string(aCol) + "," + std::to_string(aRow); }
    static std::string Rect(const TGridRect& rect)
    {
        return Cell(rect.Left, rect.Top) + "-" + Cell(rect.Right, rect.Bottom);
    }

    void Run(const std::vector<TStep>& steps)
    {
        bool held = false;
        for (const TStep& step : steps) {
            const TPoint point = step.At(*Grid);
            const QPointF local(point.X, point.Y);
            QEvent::Type type = QEvent::MouseMove;
            if (step.Kind == TStep::press) {
                type = QEvent::MouseButtonPress;
                held = true;
            } else if (step.Kind == TStep::release) {
                type = QEvent::MouseButtonRelease;
                held = false;
            }
            const Qt::MouseButton button = step.Kind == TStep::move ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, local, Grid->Widget()->mapToGlobal(local), button,
                held ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(Qt::NoButton), step.Modifiers);
            QApplication::sendEvent(Grid->Widget(), &event);
        }
        QApplication::processEvents();
    }

    std::string Joined() const
    {
        std::string text;
        for (const std::string& event : Events)
            text += (text.empty() ? "" : "; ") + event;
        return text;
    }

    std::unique_ptr<TForm> Form;
    TDudColumnGrid* Grid = nullptr;
    std::vector<std::string> Events;
};

TEST_F(GridMouseControlsTest, ClicksMapToTheCurrentCellTheSelectionAndTheEvents)
{
    struct Case {
        const char* name;
        std::function<void(TDudColumnGrid&)> setup;
        std::vector<TStep> steps;
        TGridCoord current;
        const char* selection;
        const char* events;
    };
    const auto editing = [](TDudColumnGrid& grid) { grid.SetOptions(grid.Options() + TGridOptions { goEditing }); };
    const Case cases[] = {
        { "a data cell becomes current and is clicked", nullptr, ClickAt(3, 4), { 3, 4 }, "3,4-3,4", "click 3,4" },
        { "a press on the right half of a merge selects its base",
            [](TDudColumnGrid& grid) { grid.MergeCells(2, 3, 2, 1); }, ClickAt(3, 3), { 2, 3 }, "2,3-2,3",
            "click 2,3" },
        { "a cell button clicks when it comes up over the button",
            [](TDudColumnGrid& grid) {
                grid.AddButton(2, 2, 60, 18, QStringLiteral("Go"), haCenter, vaCenter);
            },
            ClickAt(2, 2), { 2, 2 }, "2,2-2,2", "click 2,2; button 2,2" },
        { "a cell button left before the release does not click",
            [](TDudColumnGrid& grid) {
                grid.AddButton(2, 2, 60, 18, QStringLiteral("Go"), haCenter, vaCenter);
            },
            { { TStep::press, At(2, 2) }, { TStep::move, At(4, 5) }, { TStep::release, At(4, 5) } }, { 2, 2 },
            "2,2-2,2", "click 2,2" },
        { "a horizontal radio group takes the option under the press",
            [](TDudColumnGrid& grid) {
                grid.ControlLook().SetRadioAlwaysActive(true);
                grid.ControlLook().SetControlStyle(TControlLook::csClassic);
                TStrings& options = grid.CreateRadio(3, 2, 1, 0);
                options.Add(QStringLiteral("A"));
                options.Add(QStringLiteral("B"));
                options.Add(QStringLiteral("C"));
            },
            { { TStep::press, [](TDudColumnGrid& grid) {
                   const TRect cell = grid.CellRect(3, 2);
                   grid.Canvas().SetFont(grid.Font());
                   const int32_t first = grid.Canvas().TextWidth(QStringLiteral("A")) + grid.ControlLook().RadioSize();
                   return TPoint { cell.Left + first + 5, cell.Top + 4 };
               } },
                { TStep::release, At(3, 2, 2, 4) } },
            { 3, 2 }, "3,2-3,2", "radio 3,2 1" },
        { "a rating is set in half steps from the cell's left edge",
            [&](TDudColumnGrid& grid) {
                editing(grid);
                grid.AddRating(4, 3, 5, clYellow, clGray);
            },
            ClickAt(4, 3, 42, 5), { 1, 1 }, "1,1-1,1", "rating 4,3 2" },
        { "a node glyph closes its group without moving the cell",
            [](TDudColumnGrid& grid) { grid.AddNode(2, 3); }, ClickAt(0, 2, 8), { 1, 1 }, "1,1-1,1",
            "click 0,2; contract 2" },
        { "a fixed cell drawn as a button clicks as one",
            [](TDudColumnGrid& grid) { grid.SetFixedAsButtons(true); }, ClickAt(2, 0), { 1, 1 }, "1,1-1,1",
            "click 2,0; button 2,0" },
        { "the border of the fixed column sizes it",
            [](TDudColumnGrid& grid) { grid.MouseActions().SetSizeFixedCol(true); },
            Drag([](TDudColumnGrid& grid) { return TPoint { grid.ColWidths(0) + 1, grid.CellRect(0, 3).Top + 5 }; },
                [](TDudColumnGrid& grid) { return TPoint { grid.ColWidths(0) + 41, grid.CellRect(0, 3).Top + 5 }; }),
            { 1, 1 }, "1,1-1,1", "sized col 0" },
        { "the grip stretches a copy of the selection",
            [](TDudColumnGrid& grid) {
                grid.SetOptions(grid.Options() + TGridOptions { goRangeSelect });
                grid.SetSelectionResizer(true);
                grid.SetSelectionRectangle(true);
                grid.FocusCell(2, 2);
            },
            Drag([](TDudColumnGrid& grid) {
                const TRect cell = grid.CellRect(2, 2);
                return TPoint { cell.Right - 2, cell.Bottom - 2 };
            },
                At(2, 4)),
            { 2, 2 }, "2,2-2,4", "stretched 2,2-2,2 to 2,2-2,4" },
        { "Ctrl toggles a disjunct row; a plain press starts again",
            [](TDudColumnGrid& grid) { grid.MouseActions().SetDisjunctRowSelect(true); }, 
            [] {
                std::vector<TStep> steps = ClickAt(2, 2);
                for (const TStep& step : ClickAt(2, 4, -1, -1, Qt::ControlModifier))
                    steps.push_back(step);
                return steps;
            }(),
            { 2, 4 }, "2,4-2,4", "click 2,2; click 2,4" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SetUp();
        if (test.setup)
            test.setup(*Grid);
        Run(test.steps);
        EXPECT_EQ(Grid->Col(), test.current.X);
        EXPECT_EQ(Grid->Row(), test.current.Y);
        EXPECT_EQ(Rect(Grid->Selection()), test.selection);
        EXPECT_EQ(Joined(), test.events);
    }
}

TEST_F(GridMouseControlsTest, ControlsChangeTheirCellsAsTheyReport)
{
    Grid->ControlLook().SetRadioAlwaysActive(true);
    Grid->ControlLook().SetControlStyle(TControlLook::csClassic);
    TStrings& options = Grid->CreateRadio(3, 2, 1, -1);
    options.Add(QStringLiteral("A"));
    options.Add(QStringLiteral("B"));
    Grid->Canvas().SetFont(Grid->Font());
    const int32_t second = Grid->Canvas().TextWidth(QStringLiteral("A")) + Grid->ControlLook().RadioSize() + 5;
    Run(ClickAt(3, 2, second, 4));
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("B"));

    Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
    Grid->AddRating(4, 3, 5, clYellow, clGray);
    Run(ClickAt(4, 3, 30, 5));
    EXPECT_DOUBLE_EQ(Grid->Floats(4, 3), 1.5);

    Grid->AddNode(5, 2);
    Run(ClickAt(0, 5, 8));
    EXPECT_EQ(Grid->RowCount(), 6) << "the group's row is hidden";
    Run(ClickAt(0, 5, 8));
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Joined(), "radio 3,2 1; rating 4,3 1.5; click 0,5; contract 5; click 0,5; expand 5");
}

TEST_F(GridMouseControlsTest, CtrlPressesAddAndRemoveDisjunctRows)
{
    Grid->MouseActions().SetDisjunctRowSelect(true);
    Run(ClickAt(2, 2));
    Run(ClickAt(2, 4, -1, -1, Qt::ControlModifier));
    Run(ClickAt(2, 5, -1, -1, Qt::ControlModifier));
    EXPECT_TRUE(Grid->GetRowSelect(2));
    EXPECT_TRUE(Grid->GetRowSelect(4));
    EXPECT_TRUE(Grid->GetRowSelect(5));
    Run(ClickAt(2, 4, -1, -1, Qt::ControlModifier));
    EXPECT_FALSE(Grid->GetRowSelect(4)) << "a selected row pressed with Ctrl comes off";
    EXPECT_TRUE(Grid->GetRowSelect(2));
    Run(ClickAt(3, 3));
    for (int32_t row = 1; row < Grid->RowCount(); ++row)
        EXPECT_EQ(Grid->GetRowSelect(row), row == 3) << row;
}

TEST_F(GridMouseControlsTest, AHeaderDraggedOntoAnotherColumnMovesThereWithArrowsAndCursor)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goColMoving });
    Run({ { TStep::press, At(2, 0) }, { TStep::move, At(3, 0) }, { TStep::move, At(4, 0) } });
    EXPECT_EQ(Screen->Cursor(), crDrag);
    Run({ { TStep::release, At(4, 0) } });
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(Grid->Cells(4, 1), QStringLiteral("c2r1"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("c3r1"));
    EXPECT_EQ(Joined(), "click 2,0; moving 3; moving 4");

    // A target the handler refuses keeps the columns where they are.
    SetUp();
    Grid->SetOptions(Grid->Options() + TGridOptions { goColMoving });
    Grid->OnColumnMoving = [](TDudStringGrid*, int32_t, bool& allow) { allow = false; };
    Run({ { TStep::press, At(2, 0) }, { TStep::move, At(4, 0) } });
    EXPECT_EQ(Screen->Cursor(), crNoDrop);
    Run({ { TStep::release, At(4, 0) } });
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("c2r1"));
    EXPECT_EQ(Grid->Cells(4, 1), QStringLiteral("c4r1"));
}

TEST_F(GridMouseControlsTest, TheMovedHeaderFollowsThePointerAsItsButtonOrAsAPictureOfItsCells)
{
    struct TCase {
        const char* Name;
        bool ShowCells;
    };
    const TCase cases[] = { { "the header button", false }, { "the column's cells", true } };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        SetUp();
        Grid->SetOptions(Grid->Options() + TGridOptions { goColMoving });
        Grid->DragDropSettings().SetShowCells(test.ShowCells);
        Grid->SetCells(2, 0, QStringLiteral("Second"));
        const auto pictures = [this] {
            std::pair<THeaderDragButton*, TNoActiveForm*> found {};
            for (int32_t index = 0; index < Grid->ComponentCount(); ++index) {
                if (auto* button = dynamic_cast<THeaderDragButton*>(Grid->Components(index)))
                    found.first = button;
                if (auto* form = dynamic_cast<TNoActiveForm*>(Grid->Components(index)))
                    found.second = form;
            }
            return found;
        };
        Run({ { TStep::press, At(2, 0, 10, 5) }, { TStep::move, At(3, 0) }, { TStep::move, At(4, 0, 30, 8) } });
        const TPoint pointer = CellPoint(*Grid, 4, 0, 30, 8);
        const TPoint corner { pointer.X - 10, pointer.Y - 5 };
        auto [button, form] = pictures();
        if (test.ShowCells) {
            ASSERT_NE(form, nullptr);
            EXPECT_TRUE(form->Visible());
            EXPECT_EQ(form->BoundsRect().TopLeft(), Grid->ClientToScreen(corner));
            EXPECT_TRUE(button == nullptr || !button->Visible());
        } else {
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(form, nullptr);
            EXPECT_TRUE(button->Visible());
            EXPECT_EQ(button->Caption(), QStringLiteral("Second"));
            EXPECT_EQ(button->BoundsRect(), Bounds(corner.X, corner.Y, Grid->ColWidths(2), Grid->RowHeights(0)));
        }
        Run({ { TStep::release, At(4, 0, 30, 8) } });
        std::tie(button, form) = pictures();
        EXPECT_EQ(form, nullptr) << "the move form goes with the release";
        EXPECT_TRUE(button == nullptr || !button->Visible());
        EXPECT_EQ(Grid->Cells(4, 1), QStringLiteral("c2r1"));
    }
}

TEST_F(GridMouseControlsTest, TheSizingHintNamesTheWidthTheBorderWouldGive)
{
    Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing });
    Grid->SetHintShowSizing(true);
    const int32_t width = Grid->ColWidths(2);
    const TRect header = Grid->CellRect(2, 0);
    const auto border = [header](int32_t dx) {
        return [header, dx](TDudColumnGrid&) { return TPoint { header.Right - 1 + dx, header.Top + 5 }; };
    };
    Run({ { TStep::move, border(0) }, { TStep::press, border(0) }, { TStep::move, border(15) } });
    THTMLHintWindow* hint = nullptr;
    for (int32_t index = 0; index < Grid->ComponentCount(); ++index)
        if (auto* window = dynamic_cast<THTMLHintWindow*>(Grid->Components(index)))
            hint = window;
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->Visible());
    EXPECT_EQ(hint->Caption(), QStringLiteral("cw=<b>%1</b>").arg(width + 15));
    Run({ { TStep::release, border(15) } });
    EXPECT_FALSE(hint->Visible());
    EXPECT_EQ(Grid->ColWidths(2), width + 15);
}

TEST_F(GridMouseControlsTest, TheFilterButtonOpensTheColumnsListWhichFiltersAndReports)
{
    for (int32_t row = 1; row < Grid->RowCount(); ++row)
        Grid->SetCells(2, row, row % 2 ? QStringLiteral("odd") : QStringLiteral("even"));
    Grid->Columns().Items(2)->Filter().Add(QStringLiteral("Odd rows=odd"));
    Grid->Columns().Items(2)->Filter().Add(QStringLiteral("Even rows=even"));
    Grid->SetAutoFilterUpdate(true);
    Grid->OnFilterSelect = [this](TDudStringGrid*, int32_t col, int32_t index, const String& name, String& condition) {
        Events.push_back("filter " + std::to_string(col) + " " + std::to_string(index) + " " + name.toStdString() + " "
            + condition.toStdString());
    };
    const TRect header = Grid->CellRect(2, 0);
    const auto button = [header](TDudColumnGrid&) { return TPoint { header.Right - 8, header.Top + 5 }; };
    // Off the button the header only clicks.
    Run(ClickAt(2, 0, 5, 5));
    TDropList* list = nullptr;
    for (int32_t index = 0; index < Grid->ComponentCount(); ++index)
        if (auto* found = dynamic_cast<TDropList*>(Grid->Components(index)))
            list = found;
    EXPECT_TRUE(list == nullptr || !list->Visible());

    Run({ { TStep::press, button }, { TStep::release, button } });
    for (int32_t index = 0; index < Grid->ComponentCount(); ++index)
        if (auto* found = dynamic_cast<TDropList*>(Grid->Components(index)))
            list = found;
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->Visible());
    ASSERT_EQ(list->Items().Count(), 2);
    EXPECT_EQ(list->Items().Strings(1), QStringLiteral("Even rows"));
    EXPECT_EQ(list->Left(), header.Right - 16);
    EXPECT_EQ(list->Top(), header.Top + 16);

    const QPointF second(4, list->ItemHeight() + list->ItemHeight() / 2);
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, second, list->Widget()->mapToGlobal(second), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(Qt::NoButton),
            Qt::NoModifier);
        QApplication::sendEvent(list->Widget(), &event);
    }
    QApplication::processEvents();
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Joined(), "click 2,0; click 2,0; filter 2 1 Even rows even");
    EXPECT_EQ(Grid->RowCount(), 4) << "the three even rows stay under the title";
    for (int32_t row = 1; row < Grid->RowCount(); ++row)
        EXPECT_EQ(Grid->Cells(2, row), QStringLiteral("even")) << row;
}

TEST_F(GridMouseControlsTest, HeaderCellsEditOnThePressTheirSettingAsksFor)
{
    enum TPress { LeftClick, RightClick, DoubleClick };
    struct TCase {
        const char* Name;
        TGridFixedCellEdit Setting;
        TPress Press;
        int32_t Dx;
        bool Sizing;
        bool Opens;
    };
    const TCase cases[] = {
        { "a left click", fceLeftClick, LeftClick, -1, false, true },
        { "a left click by the sizing border", fceLeftClick, LeftClick, 3, true, false },
        { "a left click clear of the sizing border", fceLeftClick, LeftClick, 9, true, true },
        { "a right click", fceRightClick, RightClick, -1, false, true },
        { "a right click where left clicks edit", fceLeftClick, RightClick, -1, false, false },
        { "a double click", fceDblClick, DoubleClick, -1, false, true },
        { "a left click where double clicks edit", fceDblClick, LeftClick, -1, false, false },
        { "no editing", fceNone, DoubleClick, -1, false, false },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        SetUp();
        Grid->SetCells(3, 0, QStringLiteral("Third"));
        Grid->MouseActions().SetFixedRowsEdit(test.Setting);
        if (test.Sizing)
            Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing });
        const TPoint point = CellPoint(*Grid, 3, 0, test.Dx);
        const QPointF local(point.X, point.Y);
        const Qt::MouseButton button = test.Press == RightClick ? Qt::RightButton : Qt::LeftButton;
        std::vector<QEvent::Type> types { QEvent::MouseButtonPress, QEvent::MouseButtonRelease };
        if (test.Press == DoubleClick)
            types = { QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                QEvent::MouseButtonRelease };
        for (const QEvent::Type type : types) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, local, Grid->Widget()->mapToGlobal(local), button,
                down ? Qt::MouseButtons(button) : Qt::MouseButtons(Qt::NoButton), Qt::NoModifier);
            QApplication::sendEvent(Grid->Widget(), &event);
        }
        QApplication::processEvents();
        TGridTransEdit* editor = nullptr;
        for (int32_t index = 0; index < Grid->ComponentCount(); ++index)
            if (auto* found = dynamic_cast<TGridTransEdit*>(Grid->Components(index)))
                editor = found;
        const bool open = editor && editor->Visible();
        EXPECT_EQ(open, test.Opens);
        if (open) {
            EXPECT_EQ(editor->Text(), QStringLiteral("Third"));
            EXPECT_EQ(editor->Col(), 3);
            EXPECT_EQ(editor->Row(), 0);
        }
    }
}

TEST_F(GridMouseControlsTest, TheHeaderDropDownButtonPopsItsMenuUnderTheCell)
{
    struct TCase {
        const char* Name;
        int32_t FromRight;
        bool Allowed;
        const char* Expected;
    };
    const TCase cases[] = {
        { "on the button", 8, true, "dropdown 3,0; menu tag 3; chose Second; click 3,0" },
        { "left of the button", 30, true, "click 3,0" },
        { "a column without a button", 8, false, "click 3,0" },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        SetUp();
        TMenuChooser chooser;
        TScopedUiServices scoped(chooser);
        Grid->SetHoverFixedCells(hfAll);
        Grid->ControlLook().SetFixedDropDownButton(true);
        auto* menu = new TPopupMenu(Form.get());
        menu->Items().Add(QStringLiteral("First"));
        menu->Items().Add(QStringLiteral("Second"))->OnClick = [this, menu](TMenuItem*) {
            Events.push_back("menu tag " + std::to_string(menu->Tag()));
            Events.push_back("chose Second");
        };
        Grid->SetFixedDropDownMenu(menu);
        Grid->OnFixedDropDownClick = [this](TDudStringGrid*, int32_t c, int32_t r, TPopupMenu*&, bool&) {
            Events.push_back("dropdown " + Cell(c, r));
        };
        Grid->OnCanShowFixedDropDown = [&test](TDudStringGrid*, int32_t, bool& allow) { allow = test.Allowed; };
        const TRect header = Grid->CellRect(3, 0);
        const bool onButton = test.Allowed && test.FromRight < 16;
        // The menu takes the release of the press that popped it up.
        if (onButton)
            Run({ { TStep::press, At(3, 0, header.Width() - test.FromRight, 5) } });
        else
            Run(ClickAt(3, 0, header.Width() - test.FromRight, 5));
        EXPECT_EQ(Joined(), test.Expected);
        if (onButton) {
            ASSERT_EQ(chooser.Shown.size(), 1u);
            EXPECT_EQ(chooser.Shown[0], Grid->ClientToScreen({ header.Right - 16, header.Bottom }));
        } else {
            EXPECT_TRUE(chooser.Shown.empty());
        }
    }
}

TEST_F(GridMouseControlsTest, AScrollingCellShowsTheSharedScrollBarWhileThePointerIsOnIt)
{
    Grid->AddScrollBar(2, 3, false);
    const auto bar = [this]() -> TScrollBar* {
        for (int32_t index = 0; index < Grid->ControlCount(); ++index)
            if (auto* found = dynamic_cast<TScrollBar*>(Grid->Controls(index)))
                return found;
        return nullptr;
    };
    struct TCase {
        const char* Name;
        int32_t Col;
        int32_t Row;
        bool Shown;
    };
    const TCase cases[] = {
        { "on the scrolling cell", 2, 3, true },
        { "on another cell", 3, 3, false },
        { "back on it", 2, 3, true },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        Run({ { TStep::move, At(test.Col, test.Row) } });
        TScrollBar* shown = bar();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->Visible(), test.Shown);
    }
    const TRect cell = Grid->CellRect(2, 3);
    const int32_t line = Grid->GridLineWidth();
    EXPECT_EQ(bar()->BoundsRect(), Bounds(cell.Right - 17 - line, cell.Top + line, 17, cell.Height() - 2 * line));
    EXPECT_TRUE(bar()->Enabled());
}

} // namespace
