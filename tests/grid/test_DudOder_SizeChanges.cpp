#include "grid/DudOder.h"
#include "grid/DudOder_GridSettings.h"
#include "grid/base/VidEri_Options.h"
#include "platform/ui/Forms.h"
#include "tests/grid/GridOnForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>
#include <vector>

namespace {

// A grid of one fixed row and column and four data columns, on a shown
// form, sized by dragging its header borders.
class GridSizeChangesTest : public GridOnFormTest<TDudStringGrid> {
protected:
    void SetUp() override
    {
        MakeGrid(520, 320, 500, 300);
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(5);
        Grid->SetRowCount(8);
        Grid->SetOptions(Grid->Options() + TGridOptions { goColSizing, goRowSizing });
        ShowForm(false);
    }

    void Mouse(QEvent::Type type, TPoint point) const
    {
        const QPointF local(point.X, point.Y);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
        QMouseEvent event(type, local, Grid->Widget()->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(Grid->Widget(), &event);
    }

    void Drag(TPoint from, TPoint to) const
    {
        Mouse(QEvent::MouseButtonPress, from);
        Mouse(QEvent::MouseMove, to);
        Mouse(QEvent::MouseButtonRelease, to);
    }

    // Drags the right border of a column in the header row by dx.
    void DragColumnBorder(int32_t aCol, int32_t dx) const
    {
        const TRect header = Grid->CellRect(aCol, 0);
        const int32_t y = (header.Top + header.Bottom) / 2;
        Drag({ header.Right - 1, y }, { header.Right - 1 + dx, y });
    }

    void DragRowBorder(int32_t aRow, int32_t dy) const
    {
        const TRect cell = Grid->CellRect(0, aRow);
        const int32_t x = (cell.Left + cell.Right) / 2;
        Drag({ x, cell.Bottom - 1 }, { x, cell.Bottom - 1 + dy });
    }

};

TEST_F(GridSizeChangesTest, DraggingAColumnBorderEndsTheSizingOnceAndScalesTheOthersWhenAsked)
{
    struct Case {
        const char* name;
        bool allColumnSize;
        int32_t updatedWidth; // what OnUpdateColumnSize answers; 0 keeps the width
    };
    const Case cases[] = {
        { "one column", false, 0 },
        { "all columns follow the dragged one", true, 0 },
        { "the application corrects the width", false, 77 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        for (int32_t col = 0; col < Grid->ColCount(); ++col)
            Grid->SetColWidths(col, 60);
        Grid->MouseActions().SetAllColumnSize(entry.allColumnSize);
        std::vector<int32_t> ended;
        std::vector<int32_t> updated;
        Grid->OnEndColumnSize = [&](TDudStringGrid*, int32_t aCol) { ended.push_back(aCol); };
        Grid->OnUpdateColumnSize = [&](TDudStringGrid*, int32_t aCol, int32_t& width) {
            updated.push_back(aCol);
            if (entry.updatedWidth > 0)
                width = entry.updatedWidth;
        };

        DragColumnBorder(2, 30);

        EXPECT_EQ(ended, std::vector<int32_t> { 2 });
        EXPECT_EQ(updated, std::vector<int32_t> { 2 });
        const int32_t dragged = Grid->ColWidths(2);
        if (entry.updatedWidth > 0)
            EXPECT_EQ(dragged, entry.updatedWidth);
        else
            EXPECT_GT(dragged, 80);
        const double factor = entry.allColumnSize ? (entry.updatedWidth > 0 ? 1.0 : dragged / 60.0) : 1.0;
        EXPECT_EQ(Grid->ColWidths(0), 60) << "the fixed column keeps its width";
        for (int32_t col : { 1, 3, 4 }) {
            SCOPED_TRACE(col);
            EXPECT_EQ(Grid->ColWidths(col), static_cast<int32_t>(std::lround(60 * factor)));
        }

        // A width set by the program afterwards is no user sizing.
        ended.clear();
        Grid->SetColWidths(3, 50);
        EXPECT_TRUE(ended.empty());
    }
}

TEST_F(GridSizeChangesTest, ABorderLetGoWhereItWasReportsNothingLater)
{
    std::vector<int32_t> ended;
    Grid->OnEndColumnSize = [&](TDudStringGrid*, int32_t aCol) { ended.push_back(aCol); };
    Grid->OnEndRowSize = [&](TDudStringGrid*, int32_t aRow) { ended.push_back(100 + aRow); };
    DragColumnBorder(2, 0);
    DragRowBorder(3, 0);
    Grid->SetColWidths(2, 90);
    Grid->SetRowHeights(3, 40);
    EXPECT_TRUE(ended.empty());
}

TEST_F(GridSizeChangesTest, DraggingARowBorderEndsTheSizingAndScalesTheRowsWhenAsked)
{
    for (bool allRows : { false, true }) {
        SCOPED_TRACE(allRows);
        for (int32_t row = 0; row < Grid->RowCount(); ++row)
            Grid->SetRowHeights(row, 20);
        Grid->MouseActions().SetAllRowSize(allRows);
        std::vector<int32_t> ended;
        Grid->OnEndRowSize = [&](TDudStringGrid*, int32_t aRow) { ended.push_back(aRow); };

        DragRowBorder(3, 20);

        EXPECT_EQ(ended, std::vector<int32_t> { 3 });
        const int32_t dragged = Grid->RowHeights(3);
        EXPECT_GT(dragged, 30);
        const int32_t others = allRows ? static_cast<int32_t>(std::lround(20 * dragged / 20.0)) : 20;
        EXPECT_EQ(Grid->RowHeights(0), 20) << "the fixed row keeps its height";
        for (int32_t row : { 1, 2, 4, 7 }) {
            SCOPED_TRACE(row);
            EXPECT_EQ(Grid->RowHeights(row), others);
        }
    }
}

TEST_F(GridSizeChangesTest, AStretchedColumnFillsTheWidthAgainAfterAnyWidthOrCountChange)
{
    Grid->ColumnSize().SetStretch(true);
    Grid->ColumnSize().SetStretchColumn(-1);
    const auto othersThanLast = [this] {
        int32_t sum = 0;
        for (int32_t col = 0; col < Grid->ColCount() - 1; ++col)
            sum += Grid->ColWidths(col);
        return sum;
    };
    struct Case {
        const char* name;
        void (*change)(TDudStringGrid&);
    };
    const Case cases[] = {
        { "a column narrowed", [](TDudStringGrid& grid) { grid.SetColWidths(1, 30); } },
        { "a column widened", [](TDudStringGrid& grid) { grid.SetColWidths(2, 120); } },
        { "the stretched column removed", [](TDudStringGrid& grid) { grid.SetColCount(grid.ColCount() - 1); } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        entry.change(*Grid);
        EXPECT_EQ(Grid->ColWidths(Grid->ColCount() - 1), Grid->ClientWidth() - othersThanLast() - 1);
    }
}

} // namespace
