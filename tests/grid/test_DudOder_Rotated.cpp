#include "grid/DudOder.h"
#include "grid/DudOder_CellGraphic.h"

#include <gtest/gtest.h>

namespace {

enum TStart { Plain, CheckBox, Rotated90 };
enum TRotatedStep { Add, Set, Remove };

void Prepare(TDudStringGrid& grid, TStart start)
{
    grid.SetCells(1, 1, QStringLiteral("text"));
    if (start == CheckBox)
        grid.AddCheckBox(1, 1, true, false);
    else if (start == Rotated90)
        grid.AddRotated(1, 1, 90, QStringLiteral("text"));
}

} // namespace

// Each operation on a cell that starts plain, with a check box or rotated,
// mapped to the cell's answer, angle, text and whether its graphic object
// is still the one it had.
TEST(DudOderRotated, OperationsMapToTheCellsRotationTextAndGraphic)
{
    struct TCase {
        const char* Name;
        TStart Start;
        TRotatedStep Operation;
        int32_t Angle;
        bool Rotated;
        int32_t AngleAfter;
        const char* Text;
        bool SameGraphic;
    };
    const TCase cases[] = {
        { "add to a plain cell", Plain, Add, 45, true, 45, "new", false },
        { "add over a check box", CheckBox, Add, 30, true, 30, "new", false },
        { "set on a check box retypes it", CheckBox, Set, 30, true, 30, "text", true },
        { "set on a plain cell", Plain, Set, -90, true, 270, "text", false },
        { "set an angle past a turn", Rotated90, Set, 400, true, 40, "text", true },
        { "remove a rotation", Rotated90, Remove, 0, false, -1, "text", false },
        { "remove leaves a check box", CheckBox, Remove, 0, false, -1, "text", true },
        { "a plain cell is not rotated", Plain, Remove, 0, false, -1, "text", false },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TDudStringGrid grid(nullptr);
        grid.SetColCount(3);
        grid.SetRowCount(3);
        Prepare(grid, test.Start);
        const TCellGraphic* before = grid.GetCellGraphic(1, 1);
        switch (test.Operation) {
        case Add:
            grid.AddRotated(1, 1, test.Angle, QStringLiteral("new"));
            break;
        case Set:
            grid.SetRotated(1, 1, test.Angle);
            break;
        case Remove:
            grid.RemoveRotated(1, 1);
            break;
        }
        int32_t angle = -1;
        EXPECT_EQ(grid.IsRotated(1, 1, angle), test.Rotated);
        EXPECT_EQ(angle, test.AngleAfter);
        EXPECT_EQ(grid.Cells(1, 1), QString::fromLatin1(test.Text));
        EXPECT_EQ(before != nullptr && grid.GetCellGraphic(1, 1) == before, test.SameGraphic);
    }
}
