#include "grid/DudCGrid.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/VidEri_Options.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

// A column grid with a title row that sorts: names in column 1, numbers in
// column 2.
class GridMouseButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 420, 320);
        Grid = new TDudColumnGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetBounds(0, 0, 400, 300);
        const char* names[] = { "delta", "alpha", "charlie", "bravo" };
        for (int32_t row = 1; row < 5; ++row) {
            Grid->SetCells(1, row, names[row - 1]);
            Grid->SetCells(2, row, QString::number(row * 7 % 5));
        }
        Grid->SortSettings().SetShow(true);
        Form->Show();
        QApplication::processEvents();
    }

    void Mouse(QEvent::Type type, TPoint point) const
    {
        const QPointF local(point.X, point.Y);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, local, Grid->Widget()->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(Grid->Widget(), &event);
    }

    void Click(TPoint point) const
    {
        Mouse(QEvent::MouseButtonPress, point);
        Mouse(QEvent::MouseButtonRelease, point);
    }

    void DoubleClick(TPoint point) const
    {
        Click(point);
        Mouse(QEvent::MouseButtonDblClick, point);
        Mouse(QEvent::MouseButtonRelease, point);
    }

    TPoint Center(int32_t aCol, int32_t aRow) const
    {
        const TRect rect = Grid->CellRect(aCol, aRow);
        return { (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2 };
    }

    std::string Names() const
    {
        std::string text;
        for (int32_t row = 1; row < Grid->RowCount(); ++row)
            text += (row > 1 ? " " : "") + Grid->Cells(1, row).toStdString();
        return text;
    }

    std::unique_ptr<TForm> Form;
    TDudColumnGrid* Grid = nullptr;
};

TEST_F(GridMouseButtonTest, HeaderClicksSortTurnRoundAndUndo)
{
    std::vector<int32_t> sorted;
    Grid->OnClickSort = [&](TDudStringGrid*, int32_t col) { sorted.push_back(col); };
    Grid->SortSettings().SetUndoSort(true);
    struct Step {
        const char* name;
        const char* names;
        int32_t column;
        TSortDirection direction;
    };
    const Step steps[] = {
        { "first click sorts ascending", "alpha bravo charlie delta", 1, sdAscending },
        { "second click turns round", "delta charlie bravo alpha", 1, sdDescending },
        { "third click undoes the sort", "delta alpha charlie bravo", -1, sdAscending },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Click(Center(1, 0));
        EXPECT_EQ(Names(), step.names);
        EXPECT_EQ(Grid->SortSettings().Column(), step.column);
        EXPECT_EQ(Grid->SortSettings().Direction(), step.direction);
    }
    EXPECT_EQ(sorted, (std::vector<int32_t> { 1, 1, -1 }));
}

TEST_F(GridMouseButtonTest, ClicksThatMustNotSortDoNot)
{
    bool allow = false;
    Grid->OnCanSort = [&](TDudStringGrid*, int32_t, bool& doSort) { doSort = allow; };
    Click(Center(1, 0));
    EXPECT_EQ(Names(), "delta alpha charlie bravo");
    allow = true;
    // Down in the header, up in a data row.
    Mouse(QEvent::MouseButtonPress, Center(1, 0));
    Mouse(QEvent::MouseButtonRelease, Center(1, 2));
    EXPECT_EQ(Names(), "delta alpha charlie bravo");
    Grid->SortSettings().SetShow(false);
    Click(Center(1, 0));
    EXPECT_EQ(Names(), "delta alpha charlie bravo");
    Grid->SortSettings().SetShow(true);
    Grid->SetRowCount(2);
    Click(Center(1, 0));
    EXPECT_EQ(Grid->SortSettings().Column(), -1);
}

TEST_F(GridMouseButtonTest, AButtonCellClicksOnReleaseOverItInAnEditableColumnOnly)
{
    std::vector<std::string> clicks;
    Grid->OnButtonClick = [&](TDudStringGrid*, int32_t aCol, int32_t aRow) {
        clicks.push_back(std::to_string(aCol) + "," + std::to_string(aRow));
    };
    Grid->CreateCellGraphic(3, 2).SetButton(20, 16, "...", haFull, vaFull);
    Grid->CreateCellGraphic(3, 3).SetButton(20, 16, "...", haFull, vaFull);
    Click(Center(3, 2));
    EXPECT_EQ(clicks, (std::vector<std::string> { "3,2" }));
    EXPECT_EQ(Grid->Row(), 2);
    // Pressed on one button, released on another: no click.
    Mouse(QEvent::MouseButtonPress, Center(3, 2));
    Mouse(QEvent::MouseButtonRelease, Center(3, 3));
    EXPECT_EQ(clicks.size(), 1u);
    Grid->Columns().Items(3)->SetReadOnly(true);
    Click(Center(3, 3));
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(GridMouseButtonTest, EditOnDoubleClickOnlyOpensTheEditorOnADoubleClickAndNotOnAClick)
{
    Grid->MouseActions().SetEditOnDblClickOnly(true);
    Click(Center(1, 2));
    Click(Center(1, 2));
    EXPECT_FALSE(Grid->EditorMode());
    DoubleClick(Center(1, 3));
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->Row(), 3);
}

} // namespace
