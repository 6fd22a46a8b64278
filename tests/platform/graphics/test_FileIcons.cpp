#include "platform/graphics/FileIcons.h"

#include "platform/graphics/Bitmap.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

bool AnyOpaquePixel(const TIcon& icon)
{
    const QImage& image = icon.Image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

// Every name gives an icon of the size asked for, also where the system
// knows nothing of it.
TEST(FileIcons, EveryNameAndIndexGivesAnIconOfItsSize)
{
    const String names[] = { "readme.txt", "picture.png", "no extension", "", QDir::tempPath(), "/dev/null" };
    for (const String& name : names) {
        for (const bool large : { false, true }) {
            SCOPED_TRACE(name.toStdString() + (large ? " large" : " small"));
            TIcon icon;
            LoadFileTypeIcon(name, large, icon);
            EXPECT_EQ(icon.Width(), large ? 32 : 16);
            EXPECT_EQ(icon.Height(), large ? 32 : 16);
            EXPECT_TRUE(AnyOpaquePixel(icon));
        }
    }
    TIcon listed;
    LoadSystemListIcon(3, true, listed);
    EXPECT_EQ(listed.Width(), 32);
    EXPECT_TRUE(AnyOpaquePixel(listed));
}

} // namespace
