#include "grid/base/ATXPVS.h"
#include "grid/base/DudXPVS.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

void Marker() { }

// A library whose exports are all present unless one is named missing.
class TFakeThemeModule : public TThemeModuleLoader {
public:
    explicit TFakeThemeModule(std::string missing = {}) : FMissing(std::move(missing)) { }
    bool Load() override
    {
        ++FLoads;
        return true;
    }
    void Unload() override { ++FUnloads; }
    TThemeProc Find(const char* exportName) const override
    {
        FAsked.emplace_back(exportName);
        return FMissing == exportName ? nullptr : &Marker;
    }

    std::string FMissing;
    mutable std::vector<std::string> FAsked;
    int FLoads = 0;
    int FUnloads = 0;
};

} // namespace

TEST(ThemeLibraryTest, WithoutVisualStyleLibraryEveryEntryIsMissing)
{
    for (const TThemeLibrary* library : { &DudThemeLibrary(), &ATThemeLibrary() }) {
        EXPECT_FALSE(library->Loaded());
        for (int entry = 0; entry < teEntryCount; ++entry) EXPECT_EQ(library->Entry(static_cast<TThemeEntry>(entry)), nullptr);
    }
}

TEST(ThemeLibraryTest, BindsEveryEntryByNameInTableOrderOnce)
{
    TFakeThemeModule module;
    TThemeLibrary library;
    library.Bind(module);
    library.Bind(module);
    ASSERT_TRUE(library.Loaded());
    EXPECT_EQ(module.FLoads, 1);
    ASSERT_EQ(module.FAsked.size(), static_cast<size_t>(teEntryCount));
    EXPECT_EQ(module.FAsked.front(), "OpenThemeData");
    EXPECT_EQ(module.FAsked.back(), "EnableTheming");
    EXPECT_EQ(std::set<std::string>(module.FAsked.begin(), module.FAsked.end()).size(), module.FAsked.size());
    EXPECT_STREQ(ThemeEntryName(teIsThemeActive), "IsThemeActive");
    EXPECT_STREQ(ThemeEntryName(teGetCurrentThemeName), "GetCurrentThemeName");
    EXPECT_EQ(library.Entry(teDrawThemeBackground), &Marker);

    library.Free();
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(module.FUnloads, 1);
    EXPECT_EQ(library.Entry(teDrawThemeBackground), &Marker);
}

TEST(ThemeLibraryTest, LibraryLackingAnEntryIsRefusedAndReleased)
{
    TFakeThemeModule module("GetThemeSysInt");
    TThemeLibrary library(module);
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(module.FUnloads, 1);
    EXPECT_EQ(library.Entry(teOpenThemeData), nullptr);
}
