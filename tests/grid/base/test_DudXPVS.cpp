#include "grid/base/ATXPVS.h"
#include "grid/base/DudXPVS.h"
#include "grid/base/RovIvir_Draw.h"
#include "grid/base/VidEri.h"
#include "grid/base/ZUZEdit.h"
#include "grid/base/ZuzCombo.h"
#include "grid/base/zuzspin.h"

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <cstring>
#include <deque>
#include <functional>
#include <optional>
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

namespace {

// A visual-style library that records the parts it is asked to draw.
struct TDrawnPart {
    std::u16string Class;
    int32_t Part;
    int32_t State;
    bool operator==(const TDrawnPart&) const = default;
};

std::vector<TDrawnPart> DrawnParts;
int32_t ThemeActive = 1;

int32_t FakeIsThemeActive() { return ThemeActive; }

void* FakeOpenThemeData(const TWinControl*, const char16_t* classList)
{
    static std::deque<std::u16string> classes;
    classes.emplace_back(classList);
    return &classes.back();
}

int32_t FakeDrawThemeBackground(void* theme, TCanvas* canvas, int32_t part, int32_t state, const TRect* rect, const TRect*)
{
    DrawnParts.push_back({ *static_cast<std::u16string*>(theme), part, state });
    canvas->Brush().SetColor(clFuchsia);
    canvas->FillRect(*rect);
    return 0;
}

int32_t FakeCloseThemeData(void*) { return 0; }

class TStyleModule : public TThemeModuleLoader {
public:
    bool Load() override { return true; }
    void Unload() override { }
    TThemeProc Find(const char* exportName) const override
    {
        const std::string name = exportName;
        if (name == "IsThemeActive") return reinterpret_cast<TThemeProc>(&FakeIsThemeActive);
        if (name == "OpenThemeData") return reinterpret_cast<TThemeProc>(&FakeOpenThemeData);
        if (name == "DrawThemeBackground") return reinterpret_cast<TThemeProc>(&FakeDrawThemeBackground);
        if (name == "CloseThemeData") return reinterpret_cast<TThemeProc>(&FakeCloseThemeData);
        return &Marker;
    }
};

void Render(TControl& control)
{
    QImage image(control.Width(), control.Height(), QImage::Format_RGB32);
    control.Widget()->render(&image);
}

} // namespace

// Every control and routine that has a themed look takes it exactly while
// the one switch says a style is active, and draws it through the library.
TEST(VisualStyles, OneSwitchDecidesTheLookOfEveryControl)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* combo = new TZuzComboBox(&form);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 120, 21);
    combo->SetBorderColor(clNavy);
    auto* edit = new TZuzEditBtn(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 40, 120, 24);
    edit->SetIsWinXP(true);
    auto* spin = new TZuzSpinEdit(&form);
    spin->SetParent(&form);
    spin->SetBounds(10, 70, 120, 24);
    spin->SetWinXPLook(true);
    TColorTones tones {};
    TBitmap bitmap(40, 20);

    const std::u16string combobox = u"combobox";
    const std::u16string button = u"button";
    const std::u16string spinClass = u"spin";
    struct TCase {
        const char* Name;
        std::function<void()> Paint;
        std::vector<TDrawnPart> Themed;
    };
    const TCase cases[] = {
        { "grid combo button", [&] { DrawComboButton(bitmap.Canvas(), Rect(0, 0, 40, 20), tones, bstNormal, blVisualStyle); },
            { { combobox, 1, 1 } } },
        { "grid combo button disabled",
            [&] { DrawComboButton(bitmap.Canvas(), Rect(0, 0, 40, 20), tones, bstDisabled, blVisualStyle); },
            { { combobox, 1, 4 } } },
        { "grid push button hot", [&] { DrawPushButton(bitmap.Canvas(), Rect(0, 0, 20, 10), tones, bstHot, blVisualStyle); },
            { { button, 1, 2 } } },
        { "grid spin buttons", [&] { DrawSpinButtons(bitmap.Canvas(), Rect(0, 0, 30, 20), tones, bstNormal, blVisualStyle); },
            { { spinClass, 1, 1 }, { spinClass, 2, 1 } } },
        { "combo editor", [&] { Render(*combo); }, { { combobox, 1, 1 } } },
        { "edit button", [&] { Render(*edit->Button()); }, { { button, 1, 1 } } },
        { "spin editor arrows", [&] { Render(*spin->Button()); }, { { spinClass, 1, 1 }, { spinClass, 2, 1 } } },
    };
    struct TSwitch {
        const char* Name;
        bool Bound;
        int32_t Active;
    };
    for (const TSwitch& look : { TSwitch { "no library", false, 1 }, TSwitch { "style off", true, 0 },
             TSwitch { "style on", true, 1 } }) {
        SCOPED_TRACE(look.Name);
        TStyleModule module;
        std::optional<TThemeLibraryScope> scope;
        if (look.Bound) scope.emplace(module);
        ThemeActive = look.Active;
        const bool themed = look.Bound && look.Active != 0;
        EXPECT_EQ(VisualStylesActive(), themed);
        EXPECT_EQ(ThemesAvailable(), themed);
        for (const TCase& testCase : cases) {
            SCOPED_TRACE(testCase.Name);
            DrawnParts.clear();
            testCase.Paint();
            EXPECT_EQ(DrawnParts, themed ? testCase.Themed : std::vector<TDrawnPart> {});
        }
    }
    EXPECT_FALSE(VisualStylesActive());
}
