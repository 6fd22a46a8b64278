#include "grid/base/VidEri.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

TEST(ControlList, FindsAndRemovesControlsByCellWithoutFreeingThem)
{
    TCustomControl first(nullptr);
    TCustomControl second(nullptr);
    TControlList list;
    list.AddControl(1, 2, &first);
    list.AddControl(3, 4, &second);
    list.AddControl(1, 2, &second);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.Control(1)->Control(), &second);
    EXPECT_EQ(list.Control(1)->X(), 3);
    EXPECT_EQ(list.Control(1)->Y(), 4);

    list.RemoveControl(0);
    EXPECT_EQ(list.ControlIndex(1, 2), 1);
    EXPECT_EQ(list.Control(1)->Control(), &second);
    EXPECT_THROW(list.RemoveControl(2), EListError);
    EXPECT_THROW(list.GetControl(-1), EListError);
}

TEST(ControlList, KnowsTheWindowsOfItsWindowedControls)
{
    TCustomControl windowed(nullptr);
    TGraphicControl painted(nullptr);
    TCustomControl elsewhere(nullptr);
    TControlList list;
    list.AddControl(0, 0, &painted);
    EXPECT_FALSE(list.HasHandle(painted.Widget())); // a control without a window of its own
    list.AddControl(0, 1, &windowed);
    EXPECT_TRUE(list.HasHandle(windowed.Widget()));
    EXPECT_FALSE(list.HasHandle(elsewhere.Widget()));
}

TEST(ArrowWindow, OutlinesEachDirectionWithItsTip)
{
    struct Case {
        TArrowDirection direction;
        TPoint firstPoint;
        TPoint inside[3]; // tip, middle, tail
        TPoint outside[2];
    };
    const Case cases[] = {
        { arrUp, { 5, 0 }, { { 5, 1 }, { 5, 5 }, { 4, 8 } }, { { 0, 0 }, { 1, 8 } } },
        { arrDown, { 3, 0 }, { { 5, 6 }, { 5, 4 }, { 4, 0 } }, { { 0, 0 }, { 8, 1 } } },
        { arrLeft, { 0, 3 }, { { 7, 5 }, { 4, 5 }, { 0, 4 } }, { { 0, 0 }, { 1, 9 } } },
        { arrRight, { 0, 5 }, { { 1, 5 }, { 4, 5 }, { 7, 4 } }, { { 0, 0 }, { 7, 1 } } },
    };
    TForm form(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.direction));
        TArrowWindow arrow(&form, c.direction);
        EXPECT_EQ(arrow.Dir(), c.direction);
        EXPECT_EQ(arrow.Arrow()[0], c.firstPoint);
        EXPECT_EQ(arrow.Owner(), &form);
        EXPECT_EQ(arrow.WindowKind(), wkOverlay);
        EXPECT_FALSE(arrow.Visible());
        EXPECT_EQ(arrow.Color(), clLime);
        for (const TPoint& point : c.inside) EXPECT_TRUE(arrow.ArrowRegion().Contains(point)) << point.X << "," << point.Y;
        for (const TPoint& point : c.outside) EXPECT_FALSE(arrow.ArrowRegion().Contains(point)) << point.X << "," << point.Y;
        const TRect box = arrow.ArrowRegion().BoundingRect();
        EXPECT_LE(box.Right, arrow.Width());
        EXPECT_LE(box.Bottom, arrow.Height());
    }
}

TEST(ArrowWindow, IsAShapedWindowOverItsOwnersFormPlacedOnTheScreen)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 200, 150);
    auto* grid = new TPanel(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 100, 100);
    form.Show();
    QApplication::processEvents();
    TArrowWindow arrow(grid, arrUp);
    // Above the grid's top edge: outside the grid and its form's client area.
    arrow.SetBounds(70, 40, arrow.Width(), arrow.Height());
    arrow.Show();
    QApplication::processEvents();
    ASSERT_TRUE(arrow.Widget()->isWindow());
    EXPECT_EQ(arrow.OwnerWindow(), &form);
    EXPECT_EQ(arrow.Widget()->geometry().topLeft(), QPoint(70, 40));
    EXPECT_EQ(Screen->ActiveForm(), &form);
    const QRegion shape = arrow.Widget()->mask();
    for (const TPoint point : { Point(5, 2), Point(5, 8), Point(2, 4) })
        EXPECT_TRUE(shape.contains(QPoint(point.X, point.Y))) << point.X << "," << point.Y;
    for (const TPoint point : { Point(0, 0), Point(1, 8), Point(9, 8) })
        EXPECT_FALSE(shape.contains(QPoint(point.X, point.Y))) << point.X << "," << point.Y;
    const QImage image = arrow.Widget()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(5, 2) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFF);
    arrow.Hide();
    EXPECT_FALSE(arrow.Widget()->isVisible());
}

namespace {

String WriteBitmap(const QTemporaryDir& folder, const char* name, int32_t width, int32_t height, TColor color)
{
    TBitmap bitmap(width, height);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
    const String path = folder.filePath(QString::fromUtf8(name));
    bitmap.SaveToFile(path);
    return path;
}

} // namespace

TEST(FilePicture, LearnsTheSizeFromTheFileAndDrawsItStretched)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const String path = WriteBitmap(folder, "red.bmp", 20, 10, clRed);
    TFilePicture picture;
    EXPECT_TRUE(picture.Filename().isEmpty());
    picture.SetFilename(path);
    EXPECT_EQ(picture.Filename(), path);
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_EQ(picture.Height(), 10);

    TBitmap target(40, 40);
    picture.DrawPicture(target.Canvas(), Rect(5, 5, 35, 35));
    EXPECT_EQ(target.Canvas().Pixels(6, 6), clRed);
    EXPECT_EQ(target.Canvas().Pixels(34, 34), clRed);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clWhite);
    EXPECT_EQ(target.Canvas().Pixels(36, 20), clWhite);

    TFilePicture unnamed;
    unnamed.DrawPicture(target.Canvas(), Rect(0, 0, 40, 40));
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clWhite);
}

TEST(FilePicture, KeepsItsPictureWhenANewFileCannotBeRead)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const String path = WriteBitmap(folder, "small.bmp", 3, 4, clBlue);
    TFilePicture picture;
    picture.SetFilename(path);
    EXPECT_ANY_THROW(picture.SetFilename(folder.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_EQ(picture.Filename(), path);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 4);

    picture.SetFilename(String());
    EXPECT_TRUE(picture.Filename().isEmpty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
}

TEST(FilePicture, AssignCopiesNameAndSizeWithoutReadingTheFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const String path = WriteBitmap(folder, "gone.bmp", 7, 9, clBlue);
    TFilePicture source;
    source.SetFilename(path);
    ASSERT_TRUE(QFile::remove(path));
    TFilePicture copy;
    copy.Assign(source);
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 7);
    EXPECT_EQ(copy.Height(), 9);

    TBitmap target(10, 10);
    EXPECT_ANY_THROW(copy.DrawPicture(target.Canvas(), Rect(0, 0, 10, 10)));

    struct TOtherPersistent : TPersistent { };
    EXPECT_THROW(copy.Assign(TOtherPersistent()), EConvertError);
}

TEST(Themes, AreNotAvailableWithoutTheVisualStyleLibrary) { EXPECT_FALSE(ThemesAvailable()); }

TEST(SortIndexList, ReadsLongHandEditedItemsLikeShortOnes)
{
    struct Case {
        String text;
        const char* stored;
    };
    const Case cases[] = {
        { QStringLiteral("u") + String(5000, u'1') + QStringLiteral(";d2"), "d2" },
        { QStringLiteral("u") + String(5000, u' ') + QStringLiteral("7"), "u7" },
        { QStringLiteral("d9") + String(5000, u'z'), "d9" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        TSortIndexList list(0, 0);
        list.LoadFromString(c.text);
        EXPECT_EQ(list.SaveToString(), String::fromUtf8(c.stored));
    }
}
