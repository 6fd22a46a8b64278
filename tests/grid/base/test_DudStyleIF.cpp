#include "grid/base/DudStyleIF.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// A visual-style library that answers with a chosen colour-scheme name.
class TFakeThemeModule : public TThemeModuleLoader {
public:
    explicit TFakeThemeModule(const char16_t* colorName, bool active = true)
    {
        FColorName = colorName;
        FActive = active;
    }

    bool Load() override
    {
        ++FLoads;
        return true;
    }
    void Unload() override { ++FUnloads; }
    TThemeProc Find(const char* exportName) const override
    {
        if (std::strcmp(exportName, "IsThemeActive") == 0)
            return reinterpret_cast<TThemeProc>(+[]() -> int32_t { return FActive ? 1 : 0; });
        if (std::strcmp(exportName, "GetCurrentThemeName") == 0)
            return reinterpret_cast<TThemeProc>(
                +[](char16_t*, int32_t, char16_t* colorName, int32_t colorNameSize, char16_t*, int32_t) -> int32_t {
                    const std::u16string_view name(FColorName);
                    std::copy_n(name.begin(), std::min<size_t>(name.size(), static_cast<size_t>(colorNameSize)), colorName);
                    return 0;
                });
        return reinterpret_cast<TThemeProc>(+[] { });
    }

    int FLoads = 0;
    int FUnloads = 0;

private:
    static inline const char16_t* FColorName = u"";
    static inline bool FActive = false;
};

class OfficeThemeTest : public testing::Test {
protected:
    void SetUp() override { TRegistry::SetStoreFile(FTemp.path() + "/registry.json"); }
    void TearDown() override { TRegistry::SetStoreFile(FTemp.path() + "/unused.json"); }

    static void WriteKey(const String& key, std::optional<int32_t> theme)
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(key, true));
        if (theme) registry.WriteInteger("Theme", *theme);
    }

    QTemporaryDir FTemp;
};

const String Office12 = "Software\\Microsoft\\Office\\12.0\\Common";
const String Office14 = "Software\\Microsoft\\Office\\14.0\\Common";

} // namespace

TEST_F(OfficeThemeTest, DecisionTableOverRegistryAndVisualStyle)
{
    struct TCase {
        const char* Name;
        std::optional<int32_t> Office14Theme; // nullopt: no key
        bool Office14Key;
        std::optional<int32_t> Office12Theme;
        bool Office12Key;
        const char16_t* ColorName;
        TOfficeTheme Expected;
    };
    const TCase cases[] = {
        { "14.0 theme 1", 1, true, std::nullopt, false, u"", ot2010Blue },
        { "14.0 theme 2", 2, true, std::nullopt, false, u"", ot2010Silver },
        { "14.0 theme 3", 3, true, std::nullopt, false, u"", ot2010Black },
        { "14.0 theme 4 does not look at 12.0", 4, true, 2, true, u"", ot2003Blue },
        { "14.0 without value falls to 12.0", std::nullopt, true, 3, true, u"", ot2007Black },
        { "12.0 theme 1", std::nullopt, false, 1, true, u"", ot2007Blue },
        { "12.0 theme 2", std::nullopt, false, 2, true, u"", ot2007Silver },
        { "12.0 theme 0", std::nullopt, false, 0, true, u"", ot2003Blue },
        { "12.0 without value, Metallic", std::nullopt, false, std::nullopt, true, u"Metallic", ot2003Silver },
        { "nothing, NormalColor", std::nullopt, false, std::nullopt, false, u"NormalColor", ot2003Blue },
        { "nothing, HomeStead", std::nullopt, false, std::nullopt, false, u"HomeStead", ot2003Olive },
        { "nothing, other scheme", std::nullopt, false, std::nullopt, false, u"Aero", ot2003Classic },
    };
    for (const TCase& item : cases) {
        SCOPED_TRACE(item.Name);
        TRegistry::SetStoreFile(FTemp.path() + "/" + item.Name + ".json");
        if (item.Office14Key) WriteKey(Office14, item.Office14Theme);
        if (item.Office12Key) WriteKey(Office12, item.Office12Theme);
        TFakeThemeModule module(item.ColorName);
        EXPECT_EQ(GetOfficeTheme(module), item.Expected);
        EXPECT_EQ(module.FLoads, module.FUnloads);
    }
}

TEST_F(OfficeThemeTest, NothingFoundWithoutActiveVisualStyleIsClassic)
{
    TFakeThemeModule inactive(u"NormalColor", false);
    EXPECT_EQ(GetOfficeTheme(inactive), ot2003Classic);
    EXPECT_EQ(inactive.FUnloads, 1);
    EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
    EXPECT_EQ(GetXPColorScheme(), 0);
}

TEST_F(OfficeThemeTest, ThemeValueOfAnotherTypeCountsAsMissing)
{
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(Office14, true));
        registry.WriteString("Theme", "3");
    }
    WriteKey(Office12, 2);
    TRegistry registry;
    EXPECT_EQ(ReadOfficeThemeValue(registry, Office14), -1);
    EXPECT_EQ(ReadOfficeThemeValue(registry, "Software\\Missing"), -1);
    EXPECT_EQ(GetOfficeTheme(), ot2007Silver);
}

TEST_F(OfficeThemeTest, InstalledOfficeVersionFollowsTheGeneralKeys)
{
    EXPECT_EQ(GetInstalledOfficeVersion(), 0);
    WriteKey("Software\\Microsoft\\Office\\11.0\\Common\\General", std::nullopt);
    EXPECT_EQ(GetInstalledOfficeVersion(), 0);
    WriteKey(Office12 + "\\General", std::nullopt);
    EXPECT_EQ(GetInstalledOfficeVersion(), 1);
    WriteKey(Office14 + "\\General", std::nullopt);
    EXPECT_EQ(GetInstalledOfficeVersion(), 2);
}

TEST(PlatformChecksTest, DefaultFontFollowsTheSystemVersion)
{
    EXPECT_EQ(GetDefaultFontName(), IsVistaOrLater() ? "Segoe UI" : "Tahoma");
}
