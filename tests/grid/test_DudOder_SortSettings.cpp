#include "grid/DudOder.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/VidEri.h"

#include <gtest/gtest.h>

namespace {

// Counts the sorts a settings text asks for.
class TSortCountingGrid : public TDudStringGrid {
public:
    using TDudStringGrid::TDudStringGrid;
    void QSort() override { ++Sorts; }
    void QSortIndexed() override { ++IndexedSorts; }
    int32_t Sorts = 0;
    int32_t IndexedSorts = 0;
};

TEST(SortSettingsTextTest, TheSortStateTravelsAsTextAndSortsWhenReadBack)
{
    TDudStringGrid grid(nullptr);
    grid.SortSettings().SetColumn(3);
    grid.SortSettings().SetDirection(sdDescending);
    EXPECT_EQ(grid.SortSettings().SaveToString(), QStringLiteral("d3"));
    grid.SortSettings().SetColumn(-1);
    grid.SortSettings().ToggleDirection();
    EXPECT_EQ(grid.SortSettings().SaveToString(), QStringLiteral("u-1"));

    const struct {
        const char* Text;
        bool IndexShow;
        TSortDirection Direction;
        int32_t Column;
        int32_t Sorts;
        int32_t IndexedSorts;
    } cases[] = {
        { "d3", false, sdDescending, 3, 1, 0 },
        { "uabc", false, sdAscending, -1, 0, 0 },
        // The first character goes whatever it is; only a "u" anywhere means ascending.
        { "x5", false, sdDescending, 5, 1, 0 },
        { "i;", true, sdAscending, -1, 0, 0 },
        { "i;u2;d0", true, sdAscending, -1, 0, 1 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Text);
        TSortCountingGrid sorted(nullptr);
        sorted.SortSettings().LoadFromString(QString::fromLatin1(entry.Text));
        const TSortSettings& settings = sorted.SortSettings();
        EXPECT_TRUE(settings.Show());
        EXPECT_EQ(settings.IndexShow(), entry.IndexShow);
        EXPECT_EQ(settings.Direction(), entry.Direction);
        EXPECT_EQ(settings.Column(), entry.Column);
        EXPECT_EQ(sorted.Sorts, entry.Sorts);
        EXPECT_EQ(sorted.IndexedSorts, entry.IndexedSorts);
    }
}

TEST(SortSettingsTextTest, AShortOrEmptyTextIsRefusedOrIgnored)
{
    TSortCountingGrid grid(nullptr);
    grid.SortSettings().LoadFromString(String());
    EXPECT_FALSE(grid.SortSettings().Show());
    EXPECT_THROW(grid.SortSettings().LoadFromString(QStringLiteral("d")), Exception);
    EXPECT_TRUE(grid.SortSettings().Show());
    EXPECT_EQ(grid.Sorts, 0);
}

TEST(SortSettingsTextTest, IndexModeSavesTheGridsIndexListAndRemoveForgetsIt)
{
    TDudStringGrid grid(nullptr);
    grid.SortSettings().LoadFromString(QStringLiteral("i;u2;d0"));
    EXPECT_EQ(grid.SortSettings().SaveToString(), QStringLiteral("i;u2;d0"));
    grid.SortSettings().SetColumn(2);
    grid.SortSettings().Remove();
    EXPECT_EQ(grid.SortSettings().Column(), -1);
    EXPECT_EQ(grid.SortIndexes().Count(), 0);
}

} // namespace
