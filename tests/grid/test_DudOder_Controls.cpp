#include "grid/DudOder_FilterDropDown.h"
#include "grid/DudOder_FixedEditors.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_SearchPanel.h"

#include <gtest/gtest.h>

namespace {

// The grid owns the controls it creates for its footer, search bar, filter
// lists and fixed-cell editors, and frees them with itself.
TEST(GridControlsTest, StartStatesOfTheControlsAGridCreates)
{
    TBaseGrid grid(nullptr);
    auto* footer = new TFooterPanel(&grid);
    auto* search = new TSearchPanel(&grid);
    auto* dropList = new TDropList(&grid);
    auto* dropCheckList = new TDropCheckList(&grid);
    auto* scroll = new TScrollControl(&grid);
    auto* dragButton = new THeaderDragButton(&grid);
    auto* transEdit = new TGridTransEdit(&grid);
    auto* transCombo = new TGridTransCombo(&grid);

    EXPECT_EQ(footer->Grid(), &grid);
    EXPECT_EQ(footer->LastHintX(), -1);
    EXPECT_EQ(search->Grid(), &grid);
    EXPECT_EQ(search->ColorTo(), clNone);
    EXPECT_EQ(search->EditControl()->Owner(), search);
    EXPECT_TRUE(search->FindNextCaption().isEmpty());
    EXPECT_FALSE(dropList->OnSelect);
    EXPECT_FALSE(dropCheckList->OnSelect);
    EXPECT_EQ(scroll->Color(), clSilver);
    EXPECT_EQ(scroll->ScrollWidth(), 4);
    EXPECT_EQ(scroll->Direction(), sdVertical);
    EXPECT_EQ(dragButton->Grid(), nullptr);
    EXPECT_FALSE(transEdit->Visible());
    EXPECT_FALSE(transCombo->Visible());
}

} // namespace
