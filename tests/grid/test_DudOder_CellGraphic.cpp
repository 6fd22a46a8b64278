#include "grid/DudCGrid.h"
#include "grid/DudOder.h"
#include "grid/DudOder_CellGraphic.h"
#include "grid/DudOder_ControlLook.h"
#include "platform/core/StringList.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TPicture> PictureOf(int32_t width, int32_t height)
{
    auto picture = std::make_unique<TPicture>();
    const TBitmap bitmap(width, height);
    picture->SetGraphic(&bitmap);
    return picture;
}

TEST(CellGraphicTest, NewGraphicIsOfNoTypeAndOwnsNothing)
{
    const TCellGraphic graphic;
    EXPECT_EQ(graphic.CellType(), ctNone);
    EXPECT_FALSE(graphic.CellCreated());
    EXPECT_EQ(graphic.CellBitmap(), nullptr);
    EXPECT_EQ(graphic.CellColor(), clNone);
}

TEST(CellGraphicTest, AngleIsBroughtIntoOneTurn)
{
    struct Case {
        int32_t angle;
        int32_t stored;
    };
    for (const Case& entry : { Case { -90, 270 }, Case { 720, 360 }, Case { -450, 270 }, Case { 45, 45 } }) {
        SCOPED_TRACE(entry.angle);
        TCellGraphic graphic;
        graphic.SetAngle(entry.angle);
        EXPECT_EQ(graphic.CellType(), ctRotated);
        EXPECT_EQ(graphic.CellAngle(), entry.stored);
    }
}

TEST(CellGraphicTest, PictureSizeByStretchMode)
{
    struct Case {
        TStretchMode mode;
        int32_t cell;
        TPoint size;
    };
    const Case cases[] = {
        { Stretch, 60, { 60, 60 } },
        { StretchWithAspectRatio, 60, { 60, 30 } },
        { Shrink, 60, { 60, 60 } },
        { ShrinkWithAspectRatio, 60, { 60, 30 } },
        { noStretch, 60, { 100, 50 } },
        { ShrinkWithAspectRatio, 200, { 100, 50 } },
        { StretchWithAspectRatio, 200, { 200, 100 } },
        { Shrink, 200, { 100, 50 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.mode << " in " << entry.cell);
        TCellGraphic graphic;
        graphic.SetPicture(PictureOf(100, 50), false, entry.mode, 0, haLeft, vaTop);
        EXPECT_EQ(graphic.GetPictureSize(entry.cell, entry.cell, true), entry.size);
    }
}

TEST(CellGraphicTest, PaddingIsTakenOnceFromEachAxis)
{
    TCellGraphic graphic;
    graphic.SetPicture(PictureOf(100, 50), false, Stretch, 10, haLeft, vaTop);
    EXPECT_EQ(graphic.GetPictureSize(60, 40, false), (TPoint { 50, 30 }));
}

// Retyping must release what the old type referred to and owned; the leak
// checker fails the run when a payload survives its graphic.
TEST(CellGraphicTest, RetypingReleasesTheOldPayload)
{
    TCellGraphic graphic;
    graphic.SetBitmap(std::make_unique<TBitmap>(4, 4), true, haLeft, vaTop);
    EXPECT_TRUE(graphic.CellCreated());
    graphic.SetAngle(90);
    EXPECT_EQ(graphic.CellBitmap(), nullptr);
    EXPECT_FALSE(graphic.CellCreated());

    graphic.SetCheckBox(true, false, true, haBeforeText, vaTop);
    graphic.SetStrings(std::unique_ptr<TStrings>(std::make_unique<TStringList>()));
    graphic.SetCellAngle(1);
    graphic.SetCheckBox(false, false, true, haBeforeText, vaTop);
    EXPECT_EQ(graphic.CellStrings(), nullptr);
    EXPECT_EQ(graphic.CellAngle(), 0);

    graphic.SetMultiImage(1, 1, 0, haLeft, vaTop, nullptr);
    EXPECT_NE(graphic.CellImages(), nullptr);
    graphic.SetButton(40, 20, QStringLiteral("Go"), haLeft, vaTop);
    EXPECT_EQ(graphic.CellImages(), nullptr);
    EXPECT_EQ(graphic.CellIndex(), 20 * 65536 + 40);
}

TEST(CellGraphicTest, ReferencedObjectIsNotTheGraphics)
{
    TBitmap bitmap(3, 3);
    {
        TCellGraphic graphic;
        graphic.SetBitmap(&bitmap, false, haLeft, vaTop);
        EXPECT_EQ(graphic.CellBitmap(), &bitmap);
        EXPECT_FALSE(graphic.CellCreated());
    }
    EXPECT_EQ(bitmap.Width(), 3);
}

TEST(CellGraphicTest, AssignCopiesFieldsButNotTheObject)
{
    TCellGraphic source;
    source.SetBitmap(std::make_unique<TBitmap>(2, 2), true, haRight, vaBottom);
    source.SetCellText(QStringLiteral("caption"));
    source.SetCellVar(3);
    TCellGraphic copy;
    copy.Assign(source);
    EXPECT_EQ(copy.CellType(), ctBitmap);
    EXPECT_EQ(copy.CellHAlign(), haRight);
    EXPECT_EQ(copy.CellVAlign(), vaBottom);
    EXPECT_TRUE(copy.CellTransparent());
    EXPECT_EQ(copy.CellText(), "caption");
    EXPECT_EQ(copy.CellBitmap(), nullptr);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(copy.CellVar()));
}

TEST(CellGraphicGridTest, AddingAGraphicReplacesTheOldOne)
{
    TDudStringGrid grid(nullptr);
    grid.CreateRadio(1, 2, 0, 0).Add(QStringLiteral("one"));
    grid.AddCheckBox(1, 2, true, false);
    EXPECT_EQ(grid.GetCellType(1, 2), ctCheckBox);
    EXPECT_FALSE(grid.IsRadio(1, 2));
    grid.CreateCellGraphic(1, 2).SetBitmap(std::make_unique<TBitmap>(5, 5), false, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellType(1, 2), ctBitmap);
    EXPECT_FALSE(grid.HasCheckBox(1, 2));
    EXPECT_EQ(grid.Cells(1, 2), "");
}

TEST(CellGraphicGridTest, ForeignObjectCountsAsNoGraphic)
{
    TDudStringGrid grid(nullptr);
    TStringList foreign;
    grid.SetGraphicObjectEx(1, 1, &foreign);
    EXPECT_EQ(grid.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    EXPECT_FALSE(grid.IsControlCell(1, 1));
    EXPECT_EQ(grid.CellGraphicSortKey(1, 1), -1);
    grid.MouseActions().SetHotmailRowSelect(true);
    EXPECT_EQ(grid.GetCellGraphic(0, 1), grid.GetCellGraphic(0, 2));
    EXPECT_EQ(grid.GetCellType(0, 1), ctRowCheckBox);
}

TEST(CellGraphicGridTest, SharedRowCheckBoxSurvivesRemoval)
{
    TDudStringGrid grid(nullptr);
    grid.MouseActions().SetHotmailRowSelect(true);
    grid.CreateCellGraphic(0, 3).SetAngle(10);
    EXPECT_EQ(grid.GetCellType(0, 3), ctRowCheckBox);
    EXPECT_TRUE(grid.RemoveCellGraphic(0, 3));
    EXPECT_FALSE(grid.RemoveCellGraphic(0, 3));
    EXPECT_EQ(grid.GetCellType(0, 3), ctRowCheckBox);
    EXPECT_EQ(&grid.RowCheckGraphic(), grid.GetCellGraphic(0, 3));
}

TEST(CellGraphicGridTest, RowCheckBoxReportsTheRowAndHeaderSelection)
{
    TDudStringGrid grid(nullptr);
    grid.MouseActions().SetHotmailRowSelect(true);
    grid.SetRowSelect(2, true);
    EXPECT_TRUE(grid.GetCellGraphic(0, 2)->CellBoolean());
    EXPECT_FALSE(grid.GetCellGraphic(0, 3)->CellBoolean());
    const TCellGraphic* header = grid.GetCellGraphic(0, 0);
    EXPECT_EQ(header->CellAngle(), 1);
    EXPECT_FALSE(header->CellBoolean());
}

TEST(CellGraphicGridTest, SizeAskedByControlsAndButtons)
{
    TDudStringGrid grid(nullptr);
    grid.ControlLook().SetCheckSize(15);
    grid.ControlLook().SetRadioSize(11);
    grid.AddCheckBox(1, 1, false, false);
    grid.AddRadioButton(2, 1, false);
    grid.CreateCellGraphic(3, 1).SetButton(40, 18, QString(), haLeft, vaTop);
    grid.SetCells(4, 1, QStringLiteral("text"));
    grid.CreateCellGraphic(4, 1).SetButton(40, 18, QStringLiteral("Caption"), haFull, vaTop);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 1), (TPoint { 15, 15 }));
    EXPECT_EQ(grid.GetCellGraphicSize(2, 1), (TPoint { 11, 11 }));
    EXPECT_EQ(grid.GetCellGraphicSize(3, 1), (TPoint { 40, 18 }));
    EXPECT_EQ(grid.GetCellGraphicSize(4, 1), (TPoint { grid.Canvas().TextWidth(QStringLiteral("Caption")) + 4, 0 }));
    EXPECT_EQ(grid.GetCellGraphicSize(1, 2), (TPoint {}));
}

TEST(CellGraphicGridTest, ColumnGridSharesOneVirtualCheckBox)
{
    TDudColumnGrid grid(nullptr);
    grid.SetColCount(3);
    grid.Columns().Items(2)->SetEditor(edDataCheckBox);
    TCellGraphic* first = grid.GetCellGraphic(2, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->CellType(), ctVirtCheckBox);
    EXPECT_EQ(grid.GetCellGraphic(2, 4), first);
    EXPECT_EQ(grid.GetCellGraphic(2, 0), nullptr);
    EXPECT_FALSE(grid.RemoveCellGraphic(2, 1));
    EXPECT_EQ(grid.GetCellType(2, 1), ctDataCheckBox);
}

} // namespace
