#include "grid/base/MarkupRender.h"
#include "grid/base/PictureContainer.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <chrono>

namespace {

// One call of the renderer with everything but the text and the rectangle
// at the values a plain cell uses; the outputs are kept.
struct TMarkupCall {
    const TImageList* Images = nullptr;
    int32_t MouseX = -1;
    int32_t MouseY = -1;
    int32_t FocusLink = -1;
    int32_t HoverLink = -1;
    bool HitTestOnly = false;
    bool MeasureOnly = false;
    bool KeepColors = false;
    bool BlinkOn = true;
    bool WordWrap = false;
    String ControlID;
    THTMLPictureCache* PictureCache = nullptr;
    const TPictureContainer* Pictures = nullptr;

    String AnchorUnderMouse;
    String PlainText;
    String FocusAnchor;
    String AnchorTitle;
    int32_t ExtentX = 0;
    int32_t ExtentY = 0;
    int32_t AnchorCount = 0;
    int32_t HoverAnchorIndex = 0;
    TRect HoverAnchorRect;
    TRect ControlRect;
    String ControlValue;
    String ControlType;

    bool Run(TCanvas& canvas, const String& text, const TRect& rect)
    {
        return DrawMarkupText(canvas, text, rect, Images, MouseX, MouseY, FocusLink, HoverLink, 1, HitTestOnly,
            MeasureOnly, false, KeepColors, BlinkOn, false, WordWrap, false, 1.0, clBlue, clNone, clNone, clGray,
            AnchorUnderMouse, PlainText, FocusAnchor, AnchorTitle, ExtentX, ExtentY, AnchorCount, HoverAnchorIndex,
            HoverAnchorRect, ControlRect, ControlID, ControlValue, ControlType, PictureCache, Pictures, nullptr,
            bdLeftToRight);
    }
};

// A picture of one colour, loaded through a file as pictures are.
void LoadSolid(THTMLPicture& picture, TColor color, int32_t width, int32_t height)
{
    TBitmap solid(width, height);
    solid.Canvas().Brush().SetColor(color);
    solid.Canvas().FillRect(Rect(0, 0, width, height));
    const QString file = QDir::temp().filePath(QStringLiteral("markup-solid-%1.png").arg(QCoreApplication::applicationPid()));
    solid.SaveToFile(file);
    picture.LoadFromFile(file);
    QFile::remove(file);
}

class MarkupRender : public ::testing::Test {
protected:
    MarkupRender()
        : FBitmap(400, 300)
    {
        Canvas().Font().SetName(QStringLiteral("DejaVu Sans"));
        Canvas().Font().SetSize(10);
        Canvas().Font().SetColor(clBlack);
        Canvas().Brush().SetColor(clWhite);
        Canvas().FillRect(Rect(0, 0, 400, 300));
    }

    TCanvas& Canvas() { return FBitmap.Canvas(); }
    int32_t Width(const String& text, TFontStyles style = {})
    {
        const TFontStyles kept = Canvas().Font().Style();
        Canvas().Font().SetStyle(style);
        const int32_t width = Canvas().TextWidth(text);
        Canvas().Font().SetStyle(kept);
        return width;
    }
    int32_t Unit() { return Canvas().TextHeight(QStringLiteral("gh")); }
    int32_t HeightAt(int32_t points)
    {
        TFont font = Canvas().Font();
        const TFont kept = font;
        font.SetSize(points);
        Canvas().SetFont(font);
        const int32_t height = Canvas().TextHeight(QStringLiteral("x"));
        Canvas().SetFont(kept);
        return height;
    }
    TColor Pixel(int32_t x, int32_t y) { return Canvas().Pixels(x, y); }
    bool AnyPixel(const TRect& area, TColor color)
    {
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x)
                if (Pixel(x, y) == color)
                    return true;
        return false;
    }

    // The leftmost column and the lowest row holding anything but white
    // (-1 when blank).
    int32_t FirstInkX()
    {
        for (int32_t x = 0; x < 400; ++x)
            for (int32_t y = 0; y < 300; ++y)
                if (Pixel(x, y) != clWhite)
                    return x;
        return -1;
    }
    int32_t LastInkY()
    {
        for (int32_t y = 299; y >= 0; --y)
            for (int32_t x = 0; x < 400; ++x)
                if (Pixel(x, y) != clWhite)
                    return y;
        return -1;
    }
    TSize InkSize()
    {
        int32_t left = 400, top = 300, right = -1, bottom = -1;
        for (int32_t y = 0; y < 300; ++y)
            for (int32_t x = 0; x < 400; ++x)
                if (Pixel(x, y) != clWhite) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return right < 0 ? TSize {} : TSize { right - left + 1, bottom - top + 1 };
    }
    void Clear() { Canvas().FillRect(Rect(0, 0, 400, 300)); }
    QImage Drawn(const String& text, const TRect& rect = Box)
    {
        Clear();
        TMarkupCall call;
        call.Run(Canvas(), text, rect);
        return FBitmap.Image().copy();
    }

    static constexpr TRect Box { 10, 10, 390, 290 };
    TBitmap FBitmap;
};

TEST_F(MarkupRender, MeasuresTags)
{
    TImageList images(nullptr, 16, 20);
    images.Add(TBitmap(16, 20));
    const int32_t unit = Unit();
    struct TCase {
        const char* Text;
        int32_t ExtentX;
        int32_t ExtentY;
    };
    const TCase cases[] = {
        { "", 0, unit },
        { "abc", Width("abc"), unit },
        { "<B>abc</B>", Width("abc", { fsBold }), unit },
        { "<I>abc</I>", Width("abc", { fsItalic }), unit },
        { "<B>ab</B>c", Width("ab", { fsBold }) + Width("c"), unit },
        { "a<BR>b", std::max(Width("a"), Width("b")), 2 * unit },
        { "a\r\nb", std::max(Width("a"), Width("b")), 2 * unit },
        { "<FONT SIZE=\"3\">x</FONT>", -1, HeightAt(12) },
        { "<FONT SIZE=\"20\">x</FONT>", -1, HeightAt(20) },
        { "<FONT SIZE=\"5\"><FONT SIZE=\"2\">x</FONT>y</FONT>", Width("x") + Width("y"), unit },
        { "&amp;", Width("&"), unit },
        { "&lt;b&gt;", Width("<b>"), unit },
        { "<UL><LI>a<LI>b</UL>", 12 + std::max(Width("a"), Width("b")), 3 * unit },
        { "<UL><UL><LI>a</UL></UL>", 24 + Width("a"), 3 * unit },
        { "<Z>hidden</Z>x", Width("x"), unit },
        { "<IND X=\"40\">x", 40 + Width("x"), unit },
        { "<IMG SRC=\"IDX:0\">", 16, std::max(unit, 20) },
        { "<IMG SRC=\"IDX:5\">x", Width("x"), unit },
        { "<IMG SRC=\"missing\">x", Width("x"), unit },
        { "<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\" VALUE=\"TRUE\">", 16, 16 },
        { "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\">x", Width("x"), unit },
        { "<QQ>x<Q>", Width("x"), unit },
    };
    for (const TCase& entry : cases) {
        TMarkupCall call;
        call.Images = &images;
        call.MeasureOnly = true;
        EXPECT_FALSE(call.Run(Canvas(), QString::fromUtf8(entry.Text), Box)) << entry.Text;
        if (entry.ExtentX >= 0) {
            EXPECT_EQ(call.ExtentX, entry.ExtentX) << entry.Text;
        }
        EXPECT_EQ(call.ExtentY, entry.ExtentY) << entry.Text;
    }
}

TEST_F(MarkupRender, WrapsAtBlanks)
{
    const int32_t unit = Unit();
    const int32_t twoWords = Width("aaa bbb ");
    struct TCase {
        const char* Text;
        int32_t Width;
        int32_t Lines;
    };
    const TCase cases[] = {
        { "aaa bbb ccc", twoWords + 4, 2 },
        { "aaa bbb ccc", 1000, 1 },
        { "aaa bbb ccc", Width("aaa ") + 2, 3 },
        // A word wider than the line stays alone on its own line.
        { "a wwwwwwwwwwwwwwwwwwww b", Width("a ") + 4, 3 },
        // A word glued to the run before it is never split from it.
        { "aaa<B>bbb</B>", Width("aaa") + 2, 1 },
    };
    for (const TCase& entry : cases) {
        TMarkupCall call;
        call.MeasureOnly = true;
        call.WordWrap = true;
        call.Run(Canvas(), QString::fromUtf8(entry.Text), Bounds(0, 0, entry.Width + 1, 500));
        EXPECT_EQ(call.ExtentY, entry.Lines * unit) << entry.Text << " in " << entry.Width;
        EXPECT_LE(call.ExtentX, std::max(entry.Width, Width("wwwwwwwwwwwwwwwwwwww"))) << entry.Text;
    }
}

TEST_F(MarkupRender, PlainTextHoldsEveryLineOnce)
{
    TMarkupCall call;
    call.Run(Canvas(), QStringLiteral("a<B>b</B><BR>c<Z>hid</Z>"), Box);
    EXPECT_EQ(call.PlainText, QStringLiteral("ab\rchid"));
}

TEST_F(MarkupRender, HitTestsAnchors)
{
    const String text = QStringLiteral("x <A HREF=\"one\" TITLE=\"first\">link</A> <A href=\"Two\">more</A>");
    const int32_t left = Box.Left + 1;
    const int32_t firstLink = left + Width("x ");
    const int32_t secondLink = firstLink + Width("link") + Width(" ");
    const int32_t y = Box.Top + Unit() / 2;
    struct TCase {
        int32_t MouseX;
        bool Hit;
        const char* Anchor;
        const char* Title;
        int32_t Index;
    };
    const TCase cases[] = {
        { left + 1, false, "", "", -1 },
        { firstLink + Width("link") / 2, true, "one", "first", 1 },
        { secondLink + Width("more") / 2, true, "Two", "", 2 },
        { secondLink + Width("more") + 20, false, "", "", -1 },
    };
    for (const TCase& entry : cases) {
        TMarkupCall call;
        call.HitTestOnly = true;
        call.MouseX = entry.MouseX;
        call.MouseY = y;
        EXPECT_EQ(call.Run(Canvas(), text, Box), entry.Hit) << entry.MouseX;
        EXPECT_EQ(call.AnchorUnderMouse, QString::fromLatin1(entry.Anchor)) << entry.MouseX;
        EXPECT_EQ(call.AnchorTitle, QString::fromLatin1(entry.Title)) << entry.MouseX;
        EXPECT_EQ(call.HoverAnchorIndex, entry.Index) << entry.MouseX;
        EXPECT_EQ(call.AnchorCount, 2);
        if (entry.Index == 1) {
            EXPECT_EQ(call.HoverAnchorRect.Left, firstLink);
        }
    }
}

TEST_F(MarkupRender, FocusRectangleNamesItsAnchor)
{
    TMarkupCall call;
    call.FocusLink = 1;
    call.Run(Canvas(), QStringLiteral("<A HREF=\"a\">one</A> <A HREF=\"b\">two</A>"), Box);
    EXPECT_EQ(call.FocusAnchor, QStringLiteral("b"));
}

TEST_F(MarkupRender, LocatesAFormControlByID)
{
    const String text = QStringLiteral("ab<CONTROL TYPE=\"edit\" ID=\"e1\" WIDTH=\"50\" VALUE=\"v &amp; w\">"
                                       "<CONTROL TYPE=\"CHECK\" ID=\"c1\" WIDTH=\"16\" VALUE=\"true\">");
    TMarkupCall call;
    call.HitTestOnly = true;
    call.ControlID = QStringLiteral("c1");
    EXPECT_TRUE(call.Run(Canvas(), text, Box));
    EXPECT_EQ(call.AnchorUnderMouse, QStringLiteral("ctrl"));
    EXPECT_EQ(call.ControlType, QStringLiteral("CHECK"));
    EXPECT_EQ(call.ControlValue, QStringLiteral("true"));
    EXPECT_EQ(call.ControlRect, Bounds(Box.Left + 1 + Width("ab") + 50, Box.Top, 16, 16));

    TMarkupCall mouse;
    mouse.HitTestOnly = true;
    mouse.MouseX = Box.Left + 1 + Width("ab") + 10;
    mouse.MouseY = Box.Top + 5;
    EXPECT_TRUE(mouse.Run(Canvas(), text, Box));
    EXPECT_EQ(mouse.ControlID, QStringLiteral("e1"));
    EXPECT_EQ(mouse.ControlValue, QStringLiteral("v & w"));
    EXPECT_EQ(mouse.ControlType, QStringLiteral("EDIT"));
}

TEST_F(MarkupRender, DrawsColoursAndLeavesTheCanvasAsItWas)
{
    const TFont font = Canvas().Font();
    Canvas().Pen().SetColor(clGreen);
    Canvas().Brush().SetColor(clWhite);
    TMarkupCall call;
    call.Run(Canvas(),
        QStringLiteral("plain <FONT COLOR=\"clred\">red</FONT> <FONT color=\"#0000FF\">blue</FONT><BR>"
                       "<P BGCOLOR=\"#00FF00\">band</P><E>err</E><HR>x"),
        Box);
    EXPECT_TRUE(Canvas().Font() == font);
    EXPECT_EQ(Canvas().Pen().Color(), clGreen);
    EXPECT_EQ(Canvas().Brush().Color(), clWhite);
    EXPECT_EQ(Canvas().Brush().Style(), bsSolid);

    const int32_t unit = Unit();
    const int32_t left = Box.Left + 1;
    const int32_t red = left + Width("plain ");
    EXPECT_FALSE(AnyPixel(Rect(left, Box.Top, red - 1, Box.Top + unit), clRed));
    EXPECT_TRUE(AnyPixel(Rect(red, Box.Top, red + Width("red"), Box.Top + unit), clRed));
    const int32_t blue = red + Width("red ");
    EXPECT_TRUE(AnyPixel(Rect(blue, Box.Top, blue + Width("blue"), Box.Top + unit), clBlue));
    // The paragraph band spans the whole rectangle on its line.
    EXPECT_EQ(Pixel(Box.Right - 2, Box.Top + unit + 2), clLime);
    // The error mark zigzags in red under its text.
    EXPECT_TRUE(AnyPixel(Rect(left, Box.Top + 3 * unit - 2, left + Width("err"), Box.Top + 3 * unit + 2), clRed));
}

TEST_F(MarkupRender, KeepColorsDrawsInTheCanvasColour)
{
    TMarkupCall call;
    call.KeepColors = true;
    call.Run(Canvas(), QStringLiteral("<FONT COLOR=\"clred\">red</FONT><A HREF=\"x\">link</A>"), Box);
    EXPECT_FALSE(AnyPixel(Box, clRed));
    EXPECT_FALSE(AnyPixel(Box, clBlue));
    EXPECT_TRUE(AnyPixel(Box, clBlack));
}

TEST_F(MarkupRender, DrawsPicturesByName)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->SetName(QStringLiteral("Logo"));
    LoadSolid(item->Picture(), clRed, 8, 6);
    ASSERT_FALSE(item->Picture().IsEmpty());

    struct TCase {
        const char* Text;
        int32_t ExtentX;
    };
    const TCase cases[] = {
        { "<IMG SRC=\"logo\">", 8 },
        { "<IMG SRC=\"logo\" WIDTH=\"16\">", 16 },
        { "<IMG SRC=\"logo\" HEIGHT=\"12\">", 16 },
        { "<IMG SRC=\"logo\" WIDTH=\"20\" HEIGHT=\"3\">", 20 },
    };
    for (const TCase& entry : cases) {
        TMarkupCall call;
        call.Pictures = &container;
        call.Run(Canvas(), QString::fromLatin1(entry.Text), Box);
        EXPECT_EQ(call.ExtentX, entry.ExtentX) << entry.Text;
    }
    EXPECT_EQ(Pixel(Box.Left + 2, Box.Top + 1), clRed);
}

TEST_F(MarkupRender, BodyBackgroundKeepsTheCallersClip)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->SetName(QStringLiteral("tile"));
    LoadSolid(item->Picture(), clRed, 4, 4);
    Canvas().SetClipRect(Rect(0, 0, 100, 100));
    TMarkupCall call;
    call.Pictures = &container;
    call.Run(Canvas(), QStringLiteral("<BODY BACKGROUND=\"tile\">x"), Box);
    EXPECT_EQ(Pixel(50, 50), clRed);
    EXPECT_EQ(Pixel(200, 200), clWhite);
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(Rect(0, 0, 400, 300));
    EXPECT_EQ(Pixel(5, 5), clBlue);
    EXPECT_EQ(Pixel(200, 200), clWhite);
}

TEST_F(MarkupRender, MalformedAndHugeTextsEndQuickly)
{
    const String cases[] = {
        QStringLiteral("<"),
        QStringLiteral("<<"),
        QStringLiteral("a<"),
        QStringLiteral("a<B"),
        QStringLiteral("<B>unclosed <I>tags <A HREF=\"x\">and <FONT SIZE=\"999999\">sizes"),
        QStringLiteral("</>x</"),
        QStringLiteral("<IMG SRC=\"IDX:99999999999\">"),
        QStringLiteral("<IMG SRC=\"file:///nonexistent/picture.png\">"),
        QStringLiteral("<CONTROL TYPE=\"EDIT\" WIDTH=\"abc\" HEIGHT=\"-5\">"),
        QStringLiteral("<B>").repeated(100'000) + QStringLiteral("deep"),
        QStringLiteral("<UL>").repeated(20'000) + QStringLiteral("<LI>deep"),
        QStringLiteral("a < b ").repeated(20'000),
        QStringLiteral("word ").repeated(5'000),
    };
    THTMLPictureCache cache;
    for (const String& text : cases) {
        for (const bool wordWrap : { false, true }) {
            for (const bool measureOnly : { false, true }) {
                const auto start = std::chrono::steady_clock::now();
                TMarkupCall call;
                call.PictureCache = &cache;
                call.WordWrap = wordWrap;
                call.MeasureOnly = measureOnly;
                call.Run(Canvas(), text, Box);
                EXPECT_GT(call.ExtentY, 0);
                EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << text.left(20).toStdString();
            }
        }
    }
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_TRUE(cache.Items(0)->IsEmpty());
}

// A tag the measuring pass meets late in a line must not act on the runs
// before it when the line is drawn: each unclosed tag draws as if it were
// closed right after it.
TEST_F(MarkupRender, LateTagsLeaveEarlierRunsAlone)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Visible<Z>secret", "Visible<Z>secret</Z>" },
        { "abc<SH>", "abc<SH></SH>" },
        { "xxxx<SUP>2", "xxxx<SUP>2</SUP>" },
        { "xxxx<SUB>2", "xxxx<SUB>2</SUB>" },
        { "first<BR>Visible<Z>secret", "first<BR>Visible<Z>secret</Z>" },
    };
    for (const auto& [unclosed, closed] : cases) {
        SCOPED_TRACE(unclosed);
        const QImage expected = Drawn(QString::fromUtf8(closed));
        EXPECT_EQ(Drawn(QString::fromUtf8(unclosed)), expected);
    }
    Drawn(QStringLiteral("Visible<Z>secret"));
    EXPECT_NE(FirstInkX(), -1);
}

TEST_F(MarkupRender, PlainTextHoldsEveryLineOnceWhenHitTesting)
{
    TMarkupCall call;
    call.HitTestOnly = true;
    call.MouseX = 20;
    call.MouseY = 15;
    call.Run(Canvas(), QStringLiteral("a<BR>b<Z>c</Z>"), Box);
    EXPECT_EQ(call.PlainText, QStringLiteral("a\rbc"));
}

// Where the line's first ink lands, against the plain text at the left.
TEST_F(MarkupRender, PlacesLinesByParagraphAndIndent)
{
    const int32_t width = Width("abc");
    const int32_t free = Box.Right - (Box.Left + 1) - width;
    Drawn(QStringLiteral("abc"));
    const int32_t plain = FirstInkX();
    ASSERT_GE(plain, Box.Left);
    struct TCase {
        const char* Text;
        int32_t Shift;
    };
    const TCase cases[] = {
        { "<P ALIGN=\"right\">abc", free },
        { "<P ALIGN=\"center\">abc", free / 2 },
        { "<P ALIGN=\"left\">abc", 0 },
        { "<P INDENT=\"20\">abc", 20 },
        { "<P ALIGN=\"center\" INDENT=\"7\">abc", free / 2 + 7 },
        { "<IN X=\"30\">abc", 30 },
        { "<UL><LI>abc", 12 },
        { "<UL><UL><LI>abc", 24 },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Text);
        Drawn(QString::fromUtf8(entry.Text));
        // Bullets are ink too: the list cases look past them.
        if (QString::fromUtf8(entry.Text).contains(QLatin1String("<LI>"))) {
            TMarkupCall call;
            call.MeasureOnly = true;
            call.Run(Canvas(), QString::fromUtf8(entry.Text), Box);
            EXPECT_EQ(call.ExtentX, width + entry.Shift);
            continue;
        }
        EXPECT_EQ(FirstInkX(), plain + entry.Shift);
    }
}

TEST_F(MarkupRender, RaisesAndLowersScripts)
{
    const int32_t quarter = Canvas().TextHeight(QStringLiteral("x")) / 4;
    ASSERT_GT(quarter, 0);
    Drawn(QStringLiteral("xabc"));
    const int32_t plain = LastInkY();
    for (const char* text : { "x<SUP>abc</SUP>", "x<SUB>abc</SUB>" }) {
        SCOPED_TRACE(text);
        Drawn(QString::fromUtf8(text));
        EXPECT_EQ(LastInkY(), plain + quarter);
    }
}

// Without word wrap the run that overflows ends the text: nothing after it,
// not even the next line, is laid out or drawn.
TEST_F(MarkupRender, OverflowWithoutWrapEndsTheText)
{
    const String text = QStringLiteral("<B>aaaa </B>bbbbbbbbbbbbbbbbbbbbbbbbbbbbb<BR>second line");
    const TRect narrow = Bounds(Box.Left, Box.Top, Width("aaaa") * 2, 200);
    TMarkupCall call;
    call.MeasureOnly = true;
    call.Run(Canvas(), text, narrow);
    EXPECT_EQ(call.ExtentY, Unit());
    Drawn(text, narrow);
    EXPECT_LT(LastInkY(), Box.Top + Unit());
    EXPECT_GE(LastInkY(), Box.Top);
}

TEST_F(MarkupRender, TurnsRotatedText)
{
    const TRect low = Rect(10, 150, 390, 290);
    Drawn(QStringLiteral("abcdefgh"), low);
    const TSize upright = InkSize();
    Drawn(QStringLiteral("<R A=\"90\">abcdefgh</R>"), low);
    const TSize turned = InkSize();
    EXPECT_GT(upright.cx, upright.cy);
    EXPECT_GT(turned.cy, turned.cx);
    EXPECT_NEAR(turned.cy, upright.cx, 2);
    // The font comes back upright after the tag.
    Drawn(QStringLiteral("<R A=\"90\">a</R>bcdefgh"), low);
    EXPECT_GT(InkSize().cx, Width("bcdefg"));
}

TEST_F(MarkupRender, ShowsSystemAndFileTypeIcons)
{
    const int32_t x = Width("x");
    struct TCase {
        const char* Text;
        int32_t Width;
    };
    const TCase cases[] = {
        { "<IMG SRC=\"SSYS:readme.txt\">x", 16 + x },
        { "<IMG SRC=\"LSYS:readme.txt\">x", 32 + x },
        { "<IMG SRC=\"ssys:3\">x", 16 + x },
        { "<IMG SRC=\"LSYS:/tmp\">x", 32 + x },
        { "<IMG SRC=\"SSYS:\">x", 16 + x },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Text);
        TMarkupCall call;
        call.MeasureOnly = true;
        call.Run(Canvas(), QString::fromUtf8(entry.Text), Box);
        EXPECT_EQ(call.ExtentX, entry.Width);
        Drawn(QString::fromUtf8(entry.Text));
        // The icon is drawn where it was measured, left of the text.
        EXPECT_GE(FirstInkX(), Box.Left + 1);
        EXPECT_LT(FirstInkX(), Box.Left + 1 + entry.Width - x);
    }
}

// Nine-digit sizes in tags lay out without their sums wrapping round.
TEST_F(MarkupRender, HugeSizesDoNotWrapRound)
{
    const String cases[] = {
        QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"a\" WIDTH=\"999999999\">").repeated(3),
        QStringLiteral("<IMG SRC=\"IDX:0\" WIDTH=\"999999999\" HEIGHT=\"1\">").repeated(3),
        QStringLiteral("<R A=\"999999999\">x</R>"),
        QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"a\" WIDTH=\"5\" HEIGHT=\"999999999\"><BR>").repeated(3),
        QStringLiteral("<IN X=\"999999999\">x<P INDENT=\"999999999\">y"),
        QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"a\" WIDTH=\"32767\">").repeated(70'000),
    };
    TImageList images(nullptr, 16, 16);
    images.Add(TBitmap(16, 16));
    for (const String& text : cases) {
        SCOPED_TRACE(text.left(60).toStdString());
        for (const bool measureOnly : { true, false }) {
            TMarkupCall call;
            call.Images = &images;
            call.MeasureOnly = measureOnly;
            call.MouseX = 50;
            call.MouseY = 20;
            call.Run(Canvas(), text, Box);
            EXPECT_GT(call.ExtentY, 0);
            EXPECT_GE(call.ExtentX, 0);
        }
    }
}

} // namespace
