#include "grid/DudOder.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class CellGraphicsApiTest : public testing::Test {
protected:
    TDudStringGrid Grid { nullptr };
};

// Each family takes out only its own kind, and a new graphic replaces the
// cell's old one.
TEST_F(CellGraphicsApiTest, RemoveTakesOutOnlyItsOwnKind)
{
    TBitmap bitmap;
    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&)> add;
        TCellType type;
        std::function<void(TDudStringGrid&)> removeOwn;
        std::function<void(TDudStringGrid&)> removeOther;
    };
    const Case cases[] = {
        { "bitmap", [&](TDudStringGrid& g) { g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop); }, ctBitmap,
            [](TDudStringGrid& g) { g.RemoveBitmap(1, 1); }, [](TDudStringGrid& g) { g.RemoveComment(1, 1); } },
        { "comment", [](TDudStringGrid& g) { g.AddComment(1, 1, QStringLiteral("note")); }, ctComment,
            [](TDudStringGrid& g) { g.RemoveComment(1, 1); }, [](TDudStringGrid& g) { g.RemoveBitmap(1, 1); } },
        { "progress", [](TDudStringGrid& g) { g.AddProgress(1, 1, clBlue, clWhite); }, ctProgress,
            [](TDudStringGrid& g) { g.RemoveProgress(1, 1); }, [](TDudStringGrid& g) { g.RemoveDudProgress(1, 1); } },
        { "level progress", [](TDudStringGrid& g) { g.AddDudProgress(1, 1, 0, 10); }, ctXPProgress,
            [](TDudStringGrid& g) { g.RemoveDudProgress(1, 1); }, [](TDudStringGrid& g) { g.RemoveProgress(1, 1); } },
        { "pie", [](TDudStringGrid& g) { g.AddProgressPie(1, 1, clRed, 40); }, ctProgressPie,
            [](TDudStringGrid& g) { g.RemoveProgressPie(1, 1); }, [](TDudStringGrid& g) { g.RemoveShape(1, 1); } },
        { "range", [](TDudStringGrid& g) { g.AddRangeIndicator(1, 1, 100, clRed, clGreen, true); },
            ctRangeIndicator, [](TDudStringGrid& g) { g.RemoveRangeIndicator(1, 1); },
            [](TDudStringGrid& g) { g.RemoveRating(1, 1); } },
        { "shape", [](TDudStringGrid& g) { g.AddShape(1, 1, csCircle, clRed, clBlack, haLeft, vaTop); }, ctShape,
            [](TDudStringGrid& g) { g.RemoveShape(1, 1); }, [](TDudStringGrid& g) { g.RemoveRating(1, 1); } },
        { "rating", [](TDudStringGrid& g) { g.AddRating(1, 1, 5, clYellow, clGray); }, ctRating,
            [](TDudStringGrid& g) { g.RemoveRating(1, 1); }, [](TDudStringGrid& g) { g.RemoveShape(1, 1); } },
        { "scroll bar", [](TDudStringGrid& g) { g.AddScrollBar(1, 1, false); }, ctScrollbar,
            [](TDudStringGrid& g) { g.RemoveScrollBar(1, 1); }, [](TDudStringGrid& g) { g.RemoveButton(1, 1); } },
        { "button", [](TDudStringGrid& g) { g.AddButton(1, 1, 40, 18, QStringLiteral("Go"), haLeft, vaTop); },
            ctButton, [](TDudStringGrid& g) { g.RemoveButton(1, 1); },
            [](TDudStringGrid& g) { g.RemoveBitButton(1, 1); } },
        { "bit button",
            [](TDudStringGrid& g) { g.CreateBitButton(1, 1, 40, 18, QStringLiteral("Go"), haLeft, vaTop); },
            ctBitButton, [](TDudStringGrid& g) { g.RemoveButton(1, 1); },
            [](TDudStringGrid& g) { g.RemovePicture(1, 1); } },
        { "picture",
            [](TDudStringGrid& g) { g.CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop); }, ctPicture,
            [](TDudStringGrid& g) { g.RemovePicture(1, 1); }, [](TDudStringGrid& g) { g.RemoveBitmap(1, 1); } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid.AddComment(1, 1, QStringLiteral("before"));
        entry.add(Grid);
        EXPECT_EQ(Grid.GetCellType(1, 1), entry.type);
        entry.removeOther(Grid);
        EXPECT_EQ(Grid.GetCellType(1, 1), entry.type);
        entry.removeOwn(Grid);
        EXPECT_EQ(Grid.GetCellType(1, 1), ctEmpty);
    }
}

TEST_F(CellGraphicsApiTest, CreatedObjectsBelongToTheCellAddedOnesToTheCaller)
{
    TPicture* created = Grid.CreatePicture(1, 1, false, Stretch, 2, haLeft, vaTop);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(Grid.GetPicture(1, 1), created);
    EXPECT_TRUE(Grid.GetCellGraphic(1, 1)->CellCreated());
    Grid.RemovePicture(1, 1);
    EXPECT_FALSE(Grid.HasPicture(1, 1));

    TPicture own;
    Grid.AddPicture(1, 2, &own, false, noStretch, 0, haLeft, vaTop);
    EXPECT_FALSE(Grid.GetCellGraphic(1, 2)->CellCreated());
    Grid.RemovePicture(1, 2);
    EXPECT_EQ(own.Width(), 0);
}

TEST_F(CellGraphicsApiTest, ReadersAnswerTheirNoneValueOnOtherCells)
{
    EXPECT_EQ(Grid.GetShapeColor(1, 1), clNone);
    EXPECT_EQ(Grid.GetScrollProp(1, 1), (TScrollProp { -1, -1 }));
    EXPECT_EQ(Grid.GetScrollPosition(1, 1), -1);
    EXPECT_EQ(Grid.GetBitmap(1, 1), nullptr);
    EXPECT_EQ(Grid.GetComment(1, 1), "");
    EXPECT_EQ(Grid.GetButtonText(1, 1), "");
    int32_t errPos = 7;
    int32_t errLen = 7;
    Grid.GetMarker(1, 1, errPos, errLen);
    EXPECT_EQ(errPos, 0);
    EXPECT_EQ(errLen, 0);

    Grid.AddScrollBar(1, 1, false);
    EXPECT_EQ(Grid.GetScrollProp(1, 1), (TScrollProp { 0, 100 }));
    EXPECT_EQ(Grid.GetScrollPosition(1, 1), 0);
    Grid.SetScrollProp(1, 1, { 5, 50 });
    Grid.SetScrollPosition(1, 1, 3);
    EXPECT_EQ(Grid.GetScrollProp(1, 1), (TScrollProp { 5, 50 }));
    EXPECT_EQ(Grid.GetScrollPosition(1, 1), 3);

    Grid.AddShape(2, 2, csDiamond, clRed, clBlack, haLeft, vaTop);
    EXPECT_EQ(Grid.GetShapeColor(2, 2), clRed);
    Grid.SetShapeColor(2, 2, clBlue);
    EXPECT_EQ(Grid.GetShapeColor(2, 2), clBlue);
}

TEST_F(CellGraphicsApiTest, ImagesNeedTheGridsImageList)
{
    Grid.AddImageIdx(1, 1, 2, haLeft, vaTop);
    EXPECT_EQ(Grid.GetCellType(1, 1), ctEmpty);
    int32_t index = -1;
    EXPECT_FALSE(Grid.GetImageIdx(1, 1, index));
    TImageList images(nullptr, 16, 16);
    Grid.SetGridImages(&images);
    Grid.AddImageIdx(1, 1, 2, haLeft, vaTop);
    ASSERT_TRUE(Grid.GetImageIdx(1, 1, index));
    EXPECT_EQ(index, 2);
    Grid.SetImageIdx(1, 1, 4);
    ASSERT_TRUE(Grid.GetImageIdx(1, 1, index));
    EXPECT_EQ(index, 4);

    Grid.AddDataImage(2, 1, 3, haLeft, vaTop);
    EXPECT_EQ(Grid.Cells(2, 1), "3");
    EXPECT_TRUE(Grid.HasDataImage(2, 1));
    Grid.SetCells(2, 2, QStringLiteral("kept?"));
    Grid.RemoveDataImage(2, 2);
    EXPECT_EQ(Grid.Cells(2, 2), "");
}

TEST_F(CellGraphicsApiTest, CommentsAndMarkersLiveBesideOtherGraphics)
{
    Grid.AddButton(1, 1, 40, 18, QStringLiteral("Go"), haLeft, vaTop);
    Grid.SetComment(1, 1, QStringLiteral("ignored"));
    EXPECT_EQ(Grid.GetCellType(1, 1), ctButton);
    Grid.SetComment(1, 2, QStringLiteral("first"));
    Grid.SetComment(1, 2, QStringLiteral("second"));
    String comment;
    ASSERT_TRUE(Grid.IsComment(1, 2, comment));
    EXPECT_EQ(comment, "second");

    TBitmap bitmap;
    Grid.AddBitmap(2, 2, &bitmap, false, haLeft, vaTop);
    Grid.AddMarker(2, 2, 1, 3);
    EXPECT_TRUE(Grid.HasBitmap(2, 2));
    int32_t errPos = 0;
    int32_t errLen = 0;
    Grid.GetMarker(2, 2, errPos, errLen);
    EXPECT_EQ(errPos, 1);
    EXPECT_EQ(errLen, 3);
    Grid.RemoveMarker(2, 2);
    EXPECT_TRUE(Grid.HasBitmap(2, 2));
    Grid.AddMarker(3, 3, 0, 2);
    EXPECT_EQ(Grid.GetCellType(3, 3), ctEmpty);
    ASSERT_NE(Grid.GetCellGraphic(3, 3), nullptr);
    Grid.RemoveAllMarkers();
    EXPECT_EQ(Grid.GetCellGraphic(3, 3), nullptr);
    Grid.RemoveAllComments();
    EXPECT_FALSE(Grid.IsComment(1, 2, comment));
}

TEST_F(CellGraphicsApiTest, ButtonsTakeDisplayColumns)
{
    Grid.AddButton(3, 1, 40, 18, QStringLiteral("Go"), haLeft, vaTop);
    Grid.HideColumn(2);
    EXPECT_EQ(Grid.GetButtonText(2, 1), "Go");
    Grid.SetButtonText(2, 1, QStringLiteral("Stop"));
    Grid.PushButton(2, 1, true);
    EXPECT_EQ(Grid.GetCellGraphic(3, 1)->CellText(), "Stop");
    EXPECT_TRUE(Grid.GetCellGraphic(3, 1)->CellBoolean());
    Grid.UnHideColumn(2);
    Grid.RemoveAllButtons();
    EXPECT_FALSE(Grid.HasButton(3, 1));
}

TEST_F(CellGraphicsApiTest, RatingChangesMayBeRefused)
{
    double rate = 3.5;
    bool allow = false;
    Grid.DoRatingChange(1, 1, rate, allow);
    EXPECT_TRUE(allow);
    Grid.OnRatingChange = [](TDudStringGrid*, int32_t, int32_t, double& newRate, bool& permitted) {
        permitted = newRate <= 3;
    };
    Grid.DoRatingChange(1, 1, rate, allow);
    EXPECT_FALSE(allow);
}

} // namespace
