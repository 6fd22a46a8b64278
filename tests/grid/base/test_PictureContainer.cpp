#include "grid/base/PictureContainer.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TGifFrame {
    uint16_t X;
    uint16_t Y;
    uint16_t Delay;
};

void AddWord(TBytes& bytes, uint16_t value)
{
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

// An animated GIF with a 4 x 4 logical screen and a 2 x 2 red frame per
// entry. Each pixel is coded after a clear code, so the codes stay 3 bits.
TBytes AnimatedGif(const std::vector<TGifFrame>& frames)
{
    TBytes bytes { 'G', 'I', 'F', '8', '9', 'a' };
    AddWord(bytes, 4);
    AddWord(bytes, 4);
    bytes.insert(bytes.end(), { 0x80, 0, 0, 0, 0, 0, 0xFF, 0, 0 });
    for (const TGifFrame& frame : frames) {
        bytes.insert(bytes.end(), { 0x21, 0xF9, 0x04, 0x00 });
        AddWord(bytes, frame.Delay);
        bytes.insert(bytes.end(), { 0x00, 0x00, 0x2C });
        AddWord(bytes, frame.X);
        AddWord(bytes, frame.Y);
        AddWord(bytes, 2);
        AddWord(bytes, 2);
        bytes.push_back(0x00);
        const int codes[] = { 4, 1, 4, 1, 4, 1, 4, 1, 5 };
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

} // namespace
