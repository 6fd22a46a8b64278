#include "grid/base/PictureContainer.h"

#include "platform/core/Exception.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Resources.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <chrono>
#include <vector>

namespace {

struct TGifFrame {
    uint16_t X;
    uint16_t Y;
    uint16_t Delay;
    // Into the palette black, red, green, blue.
    uint8_t Colour = 1;
    // The size the image descriptor claims; the pixels are 2 x 2.
    uint16_t Claimed = 2;
};

void AddWord(TBytes& bytes, uint16_t value)
{
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

// An animated GIF with a 4 x 4 logical screen and a 2 x 2 frame of one
// colour per entry. Each pixel is coded after a clear code, so the codes
// stay 3 bits.
TBytes AnimatedGif(const std::vector<TGifFrame>& frames)
{
    TBytes bytes { 'G', 'I', 'F', '8', '9', 'a' };
    AddWord(bytes, 4);
    AddWord(bytes, 4);
    bytes.insert(bytes.end(), { 0x81, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF });
    for (const TGifFrame& frame : frames) {
        bytes.insert(bytes.end(), { 0x21, 0xF9, 0x04, 0x00 });
        AddWord(bytes, frame.Delay);
        bytes.insert(bytes.end(), { 0x00, 0x00, 0x2C });
        AddWord(bytes, frame.X);
        AddWord(bytes, frame.Y);
        AddWord(bytes, frame.Claimed);
        AddWord(bytes, frame.Claimed);
        bytes.push_back(0x00);
        const int colour = frame.Colour;
        const int codes[] = { 4, colour, 4, colour, 4, colour, 4, colour, 5 };
        uint32_t bits = 0;
        int count = 0;
        TBytes packed;
        for (const int code : codes) {
            bits |= static_cast<uint32_t>(code) << count;
            count += 3;
            while (count >= 8) {
                packed.push_back(static_cast<uint8_t>(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0)
            packed.push_back(static_cast<uint8_t>(bits));
        bytes.push_back(2);
        bytes.push_back(static_cast<uint8_t>(packed.size()));
        bytes.insert(bytes.end(), packed.begin(), packed.end());
        bytes.push_back(0);
    }
    bytes.push_back(0x3B);
    return bytes;
}

void Load(THTMLPicture& picture, const TBytes& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes);
    picture.LoadFromStream(&stream);
}

TEST(PictureContainer, ShowsOneFrameOfAnAnimatedGif)
{
    THTMLPicture picture;
    Load(picture, AnimatedGif({ { 0, 0, 10 }, { 2, 1, 30 }, { 1, 2, 50 } }));
    ASSERT_FALSE(picture.IsEmpty());
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.MaxWidth(), 4);
    EXPECT_EQ(picture.MaxHeight(), 4);
    struct TCase {
        int32_t Frame;
        int32_t X;
        int32_t Y;
        int32_t Time;
    };
    for (const TCase& entry : { TCase { 1, 0, 0, 10 }, TCase { 2, 2, 1, 30 }, TCase { 3, 1, 2, 50 } }) {
        picture.SetFrame(entry.Frame);
        EXPECT_FALSE(picture.IsEmpty()) << entry.Frame;
        EXPECT_EQ(picture.FrameXPos(), entry.X) << entry.Frame;
        EXPECT_EQ(picture.FrameYPos(), entry.Y) << entry.Frame;
        EXPECT_EQ(picture.Width(), 2) << entry.Frame;
        EXPECT_EQ(picture.GetFrameTime(entry.Frame), entry.Time) << entry.Frame;
    }
    EXPECT_EQ(picture.GetFrameTime(4), -1);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 3);
}

TEST(PictureContainer, StepsAnimationByTenthsOfASecond)
{
    THTMLPicture picture;
    Load(picture, AnimatedGif({ { 0, 0, 20 }, { 0, 0, 20 } }));
    int32_t changes = 0;
    picture.OnFrameChange = [&](THTMLPicture*) { ++changes; };
    std::vector<bool> steps;
    for (int index = 0; index < 6; ++index)
        steps.push_back(picture.Step());
    EXPECT_EQ(steps, (std::vector<bool> { true, false, true, false, true, false }));
    EXPECT_EQ(changes, 3);

    THTMLPicture still;
    Load(still, AnimatedGif({ { 0, 0, 20 } }));
    EXPECT_FALSE(still.Step());
    EXPECT_EQ(still.Frame(), 1);
}

TEST(PictureContainer, CutOffAndBadDataNeverReadPastTheEnd)
{
    const TBytes whole = AnimatedGif({ { 0, 0, 10 }, { 2, 2, 10 } });
    for (size_t size = 0; size < whole.size(); ++size) {
        THTMLPicture picture;
        const TBytes cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(size));
        try {
            Load(picture, cut);
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("Could not load image. Invalid format"));
            EXPECT_TRUE(picture.IsEmpty());
        }
        EXPECT_LE(picture.FrameCount(), 2);
    }
    THTMLPicture missing;
    missing.LoadFromFile(QStringLiteral("/nonexistent/picture.gif"));
    EXPECT_TRUE(missing.IsEmpty());
}

TEST(PictureContainer, AssignCopiesThePicture)
{
    THTMLPicture source;
    Load(source, AnimatedGif({ { 0, 0, 10 }, { 2, 2, 10 } }));
    THTMLPicture copy;
    copy.Assign(&source);
    EXPECT_FALSE(copy.IsEmpty());
    EXPECT_EQ(copy.FrameCount(), 2);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.IsEmpty());
}

TEST(PictureContainer, LooksPicturesUp)
{
    THTMLPictureCache cache;
    cache.AddPicture()->SetID(QStringLiteral("RES://LOGO"));
    EXPECT_NE(cache.FindPicture(QStringLiteral("RES://LOGO")), nullptr);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("res://logo")), nullptr);
    EXPECT_THROW(cache.Items(1), EListError);

    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->SetName(QStringLiteral("Logo"));
    EXPECT_EQ(container.FindPicture(QStringLiteral("logo")), &item->Picture());
    EXPECT_EQ(container.FindPicture(QStringLiteral("other")), nullptr);

    THTMLPicture remote;
    remote.SetAsynch(false);
    remote.LoadFromURL(QStringLiteral("http://127.0.0.1/picture.gif"));
    EXPECT_TRUE(remote.IsEmpty());
    EXPECT_EQ(remote.ID(), QStringLiteral("http://127.0.0.1/picture.gif"));
}

// A frame whose descriptor claims far more than its screen: the decoder
// would make room for the claimed size (gigabytes, minutes) for a file of
// a few dozen bytes. Such a frame is no picture.
TEST(PictureContainer, FramesBeyondTheirScreenAreNoPicture)
{
    const auto started = std::chrono::steady_clock::now();
    for (const uint16_t claimed : { uint16_t(5), uint16_t(1000), uint16_t(16000), uint16_t(65535) }) {
        SCOPED_TRACE(claimed);
        const TBytes single = AnimatedGif({ { 0, 0, 10, 1, claimed } });
        const TBytes leading = AnimatedGif({ { 0, 0, 10, 1, claimed }, { 2, 2, 10, 2 } });
        EXPECT_EQ(single.size(), 51u);
        for (const TBytes* bytes : { &single, &leading }) {
            THTMLPicture picture;
            EXPECT_THROW(Load(picture, *bytes), Exception);
            EXPECT_TRUE(picture.IsEmpty());
            EXPECT_EQ(picture.Width(), 0);
        }
        // The frame after it is a picture of its own.
        THTMLPicture picture;
        EXPECT_THROW(Load(picture, leading), Exception);
        picture.SetFrame(2);
        EXPECT_FALSE(picture.IsEmpty());
        EXPECT_EQ(picture.Width(), 2);

        const QString file = QDir::temp().filePath(
            QStringLiteral("frame-%1-%2.gif").arg(claimed).arg(QCoreApplication::applicationPid()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char*>(single.data()), static_cast<qint64>(single.size()));
        out.close();
        THTMLPicture byAddress;
        byAddress.LoadFromURL(QStringLiteral("FILE://") + file);
        EXPECT_TRUE(byAddress.IsEmpty());
        QFile::remove(file);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(PictureContainer, FramesKeepTheirOwnColours)
{
    THTMLPicture picture;
    Load(picture, AnimatedGif({ { 0, 0, 10, 1 }, { 0, 0, 10, 2 }, { 0, 0, 10, 3 } }));
    const TColor colours[] = { clRed, TColor(0x00FF00), TColor(0xFF0000) };
    for (int32_t frame = 1; frame <= 3; ++frame) {
        SCOPED_TRACE(frame);
        picture.SetFrame(frame);
        TBitmap canvas(4, 4);
        canvas.Canvas().Brush().SetColor(clWhite);
        canvas.Canvas().FillRect(Rect(0, 0, 4, 4));
        picture.DrawOn(canvas.Canvas(), Rect(0, 0, 4, 4));
        EXPECT_EQ(canvas.Canvas().Pixels(0, 0), colours[frame - 1]);
        EXPECT_EQ(canvas.Canvas().Pixels(1, 1), colours[frame - 1]);
        EXPECT_EQ(canvas.Canvas().Pixels(3, 3), clWhite);
    }
}

// Files are read only when they are regular and not huge: a device never
// ends, a pipe blocks, a huge file exhausts memory.
TEST(PictureContainer, ReadsOnlyRegularFilesOfBoundedSize)
{
    const auto started = std::chrono::steady_clock::now();
    THTMLPicture device;
    device.LoadFromURL(QStringLiteral("FILE:///dev/zero"));
    EXPECT_TRUE(device.IsEmpty());
    THTMLPicture folder;
    folder.LoadFromURL(QStringLiteral("FILE://") + QDir::tempPath());
    EXPECT_TRUE(folder.IsEmpty());

    const QString file = QDir::temp().filePath(QStringLiteral("huge-%1.gif").arg(QCoreApplication::applicationPid()));
    QFile huge(file);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    const TBytes gif = AnimatedGif({ { 0, 0, 10 } });
    huge.write(reinterpret_cast<const char*>(gif.data()), static_cast<qint64>(gif.size()));
    ASSERT_TRUE(huge.resize(33 * 1024 * 1024));
    huge.close();
    THTMLPicture big;
    big.LoadFromURL(QStringLiteral("FILE://") + file);
    EXPECT_TRUE(big.IsEmpty());
    ASSERT_TRUE(QFile::resize(file, static_cast<qint64>(gif.size())));
    THTMLPicture small;
    small.LoadFromURL(QStringLiteral("FILE://") + file);
    EXPECT_FALSE(small.IsEmpty());
    QFile::remove(file);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(PictureContainer, ResourcePicturesKeepTheirBytes)
{
    const TBytes gif = AnimatedGif({ { 0, 0, 10 }, { 2, 2, 10 }, { 1, 1, 10 } });
    RegisterResourceData(QStringLiteral("PictureTestAnimation"), gif);
    RegisterResourceData(7301, gif);
    TBitmap drawn(3, 2);
    RegisterResourceBitmap(QStringLiteral("PictureTestBitmap"), [drawn](TBitmap& bitmap) { bitmap.Assign(drawn); });

    THTMLPicture picture;
    picture.LoadFromURL(QStringLiteral("RES://pictureTestAnimation"));
    EXPECT_EQ(picture.ID(), QStringLiteral("RES://pictureTestAnimation"));
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_TRUE(picture.Step());
    EXPECT_EQ(picture.Frame(), 2);
    TMemoryStream saved;
    picture.SaveToStream(saved);
    EXPECT_EQ(saved.Bytes(), gif);

    // A drawn resource replaces the animation wholly.
    picture.LoadFromURL(QStringLiteral("RES://PictureTestBitmap"));
    EXPECT_FALSE(picture.IsEmpty());
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), -1);
    EXPECT_EQ(picture.Width(), 3);
    TMemoryStream png;
    picture.SaveToStream(png);
    THTMLPicture reloaded;
    png.SetPosition(0);
    reloaded.LoadFromStream(&png);
    EXPECT_EQ(reloaded.Height(), 2);

    // Nothing of that name: the picture stays as it was.
    picture.LoadFromResourceName(QStringLiteral("NoSuchPicture"));
    EXPECT_EQ(picture.Width(), 3);

    THTMLPicture numbered;
    numbered.LoadFromResourceID(7301);
    EXPECT_EQ(numbered.FrameCount(), 3);
    EXPECT_THROW(numbered.LoadFromResourceID(7302), EResNotFound);
}

TEST(PictureContainer, FormDataRoundTripsWithoutChangeEvents)
{
    const TBytes gif = AnimatedGif({ { 0, 0, 10 }, { 2, 2, 10 } });
    THTMLPicture picture;
    int32_t changes = 0;
    picture.OnChange = [&](THTMLPicture*) { ++changes; };
    TMemoryStream in;
    in.WriteBuffer(gif);
    in.SetPosition(0);
    picture.ReadData(in);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(picture.FrameCount(), 2);
    EXPECT_FALSE(picture.IsEmpty());
    TMemoryStream out;
    picture.WriteData(out);
    EXPECT_EQ(out.Bytes(), gif);
}

// Painting, animation and copying never see an exception: bytes that do
// not decode make an empty picture, drawn as nothing.
TEST(PictureContainer, UndecodablePicturesAreEmptyNeverThrown)
{
    THTMLPicture picture;
    Load(picture, AnimatedGif({ { 0, 0, 10 }, { 2, 2, 10 }, { 1, 1, 10 } }));
    EXPECT_NO_THROW(picture.SetFrame(99));
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_NO_THROW(picture.FrameNext());
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_FALSE(picture.IsEmpty());

    THTMLPicture garbage;
    TMemoryStream bytes;
    bytes.WriteBuffer(TBytes { 'G', 'I', 'F', '8', '9', 'a', 1, 2, 3 });
    bytes.SetPosition(0);
    garbage.ReadData(bytes);
    EXPECT_TRUE(garbage.IsEmpty());
    THTMLPicture copy;
    int32_t changes = 0;
    copy.OnChange = [&](THTMLPicture*) { ++changes; };
    EXPECT_NO_THROW(copy.Assign(&garbage));
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(changes, 1);
    TBitmap canvas(4, 4);
    EXPECT_NO_THROW(copy.DrawOn(canvas.Canvas(), Rect(0, 0, 4, 4)));
}

// Lookups by ID take constant time, and the cache keeps the most recent
// pictures only.
TEST(PictureContainer, CacheFindsByIDAndKeepsTheRecentPictures)
{
    THTMLPictureCache cache;
    THTMLPicture* first = cache.AddPicture();
    first->SetID(QStringLiteral("a"));
    THTMLPicture* second = cache.AddPicture();
    second->SetID(QStringLiteral("a"));
    EXPECT_EQ(cache.FindPicture(QStringLiteral("a")), first);
    first->SetID(QStringLiteral("b"));
    EXPECT_EQ(cache.FindPicture(QStringLiteral("a")), second);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("b")), first);
    second->SetID(QStringLiteral("b"));
    EXPECT_EQ(cache.FindPicture(QStringLiteral("b")), first);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("a")), nullptr);

    for (int32_t index = 0; index < 20000; ++index)
        cache.AddPicture()->SetID(QStringLiteral("http://127.0.0.1/%1.gif").arg(index));
    EXPECT_EQ(cache.Count(), 256);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("b")), nullptr);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("http://127.0.0.1/19743.gif")), nullptr);
    ASSERT_NE(cache.FindPicture(QStringLiteral("http://127.0.0.1/19744.gif")), nullptr);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("http://127.0.0.1/19999.gif"))->ID(),
        QStringLiteral("http://127.0.0.1/19999.gif"));
    cache.ClearPictures();
    EXPECT_EQ(cache.FindPicture(QStringLiteral("http://127.0.0.1/19999.gif")), nullptr);
}

} // namespace
