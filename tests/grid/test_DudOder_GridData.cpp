#include "grid/DudOder_GridData.h"
#include "grid/base/BaseGrid.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FilterTest, AddGivesNoneFirstThenAndInsertGivesShortAtTheEnd)
{
    TFilter filter(nullptr);
    filter.Add()->SetColumn(1);
    filter.Add()->SetColumn(2);
    filter.Insert(0)->SetColumn(3);
    filter.Add()->SetColumn(4);
    const std::vector<std::pair<int16_t, TFilterOperation>> expected = {
        { 1, foNONE }, { 2, foAND }, { 3, foSHORT }, { 4, foAND } };
    ASSERT_EQ(filter.Count(), 4);
    for (int32_t i = 0; i < filter.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(filter.Items(i)->Column(), expected[i].first);
        EXPECT_EQ(filter.Items(i)->Operation(), expected[i].second);
    }
}

TEST(FilterTest, GetColFilterFindsTheFirstConditionOrAddsOne)
{
    TFilter filter(nullptr);
    TFilterData* first = filter.Add();
    first->SetColumn(2);
    first->SetCondition("a*");
    filter.Add()->SetColumn(2);

    EXPECT_EQ(filter.GetColFilter(2), first);
    TFilterData* added = filter.GetColFilter(5);
    EXPECT_EQ(filter.Count(), 3);
    EXPECT_EQ(added->Column(), 5);
    EXPECT_EQ(added->Operation(), foAND);
    EXPECT_TRUE(filter.HasFilter(5));
    EXPECT_FALSE(filter.HasFilter(7));
}

TEST(FilterTest, RemoveColumnFilterDropsEveryConditionOfTheColumn)
{
    TBaseGrid grid(nullptr);
    TFilter filter(&grid);
    for (int16_t column : { 1, 2, 1, 3, 1 })
        filter.Add()->SetColumn(column);
    filter.RemoveColumnFilter(1);
    ASSERT_EQ(filter.Count(), 2);
    EXPECT_EQ(filter.Items(0)->Column(), 2);
    EXPECT_EQ(filter.Items(1)->Column(), 3);
    filter.RemoveColumnFilter(9);
    EXPECT_EQ(filter.Count(), 2);
}

TEST(FilterDataTest, DefaultsAndAssignKeepsTheTargetsMethod)
{
    TFilter filter(nullptr);
    TFilterData* source = filter.Add();
    TFilterData* target = filter.Add();
    EXPECT_TRUE(target->CaseSensitive());
    EXPECT_EQ(target->Method(), fmExpression);
    EXPECT_EQ(target->Data(), fcVirtual);

    source->SetColumn(4);
    source->SetCondition(">5");
    source->SetCaseSensitive(false);
    source->SetData(fcStripHTML);
    source->SetPrefix("p");
    source->SetSuffix("s");
    source->SetOperation(foXOR);
    source->SetMethod(fmLiteral);
    target->Assign(*source);
    EXPECT_EQ(target->Column(), 4);
    EXPECT_EQ(target->Condition(), ">5");
    EXPECT_FALSE(target->CaseSensitive());
    EXPECT_EQ(target->Data(), fcStripHTML);
    EXPECT_EQ(target->Prefix(), "p");
    EXPECT_EQ(target->Suffix(), "s");
    EXPECT_EQ(target->Operation(), foXOR);
    EXPECT_EQ(target->Method(), fmExpression);
}

TEST(BackGroundTest, DefaultsAndAssignCopiesEverything)
{
    TBackGround target(nullptr);
    EXPECT_EQ(target.Display(), bdTile);
    EXPECT_EQ(target.Cells(), bcNormal);
    EXPECT_EQ(target.Color(), clWindow);
    EXPECT_EQ(target.ColorTo(), clBtnFace);
    EXPECT_EQ(target.Top(), 0);
    EXPECT_EQ(target.Left(), 0);

    TBackGround source(nullptr);
    source.SetTop(3);
    source.SetLeft(4);
    source.SetDisplay(bdGradientVert);
    source.SetCells(bcAll);
    source.SetColor(clRed);
    source.SetColorTo(clBlue);
    source.SetBitmap(TBitmap(5, 6));
    target.Assign(source);
    EXPECT_EQ(target.Top(), 3);
    EXPECT_EQ(target.Left(), 4);
    EXPECT_EQ(target.Display(), bdGradientVert);
    EXPECT_EQ(target.Cells(), bcAll);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clBlue);
    EXPECT_EQ(target.Bitmap().Width(), 5);
    EXPECT_EQ(target.Bitmap().Height(), 6);
}

TEST(GridItemTest, ItemsAreCopiedIntoTheItemsOwnList)
{
    TCollection rows(TCollection::ItemClass<TGridItem>());
    auto* item = static_cast<TGridItem*>(rows.Add());
    TStringList lines;
    lines.Add("a");
    lines.Add("b");
    item->SetItems(lines);
    lines.Add("c");
    EXPECT_EQ(item->Items().Count(), 2);
    EXPECT_EQ(item->Items().Strings(1), "b");
}

} // namespace
