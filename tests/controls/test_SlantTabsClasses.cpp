#include "controls/SlantTabsClasses.h"

#include "SlantTabsRecorder.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TReport = TRecordingStrip::TReport;

// A strip with tabs A, B, C... and the delete animation on or off.
struct TTabsRig {
    TRecordingStrip Strip;
    TSlantTabsList Tabs { &Strip };

    explicit TTabsRig(int32_t count, bool deleteAnimation = false)
    {
        Strip.Tabs = &Tabs;
        TSlantTabsMovementAnimationTypes& types = Strip.Options.Animation().MovementAnimations().TabDelete();
        types.SetUseDefaultEaseType(false);
        types.SetEaseType(deleteAnimation ? ttLinearTween : ttNone);
        for (int32_t index = 0; index < count; ++index)
            Tabs.Add()->SetCaption(String(QChar(u'A' + index)));
        Strip.Reports.clear();
    }
    TSlantTab* Tab(int32_t index) { return Tabs[index]; }
    // The captions in list order, the active one in brackets, marked ones with a star.
    std::string Shape()
    {
        std::string shape;
        for (int32_t index = 0; index < Tabs.Count(); ++index) {
            const std::string caption = Tabs[index]->Caption().toStdString() + (Tabs[index]->MarkedForDeletion() ? "*" : "");
            shape += Tabs[index]->Active() ? "[" + caption + "]" : caption;
        }
        return shape;
    }
};

TEST(SlantTabsList, ReportsEveryTabAddedOnceItIsWhole)
{
    TRecordingStrip strip;
    TSlantTabsList tabs(&strip);
    strip.Reports.clear();
    TSlantTab* first = tabs.Add();
    TSlantTab* inserted = tabs.Insert(0);
    EXPECT_EQ(strip.Reports, (std::vector<TReport> { { first, tcAdded }, { inserted, tcAdded } }));
    EXPECT_EQ(tabs.IndexOf(inserted), 0);
    EXPECT_EQ(first->ImageIndex(), -1);
    EXPECT_TRUE(first->Visible());
    TSlantTabsList other(&strip);
    TSlantTab* foreign = other.Add();
    EXPECT_EQ(tabs.IndexOf(foreign), -1);

    // Copying a tab into an index: the list's own tab takes the values and reports.
    foreign->SetCaption(QStringLiteral("Z"));
    foreign->SetTag(7);
    strip.Reports.clear();
    tabs.SetItem(1, *foreign);
    EXPECT_EQ(first->Caption(), QStringLiteral("Z"));
    EXPECT_EQ(first->Tag(), 7);
    ASSERT_FALSE(strip.Reports.empty());
    EXPECT_EQ(strip.Reports.back(), (TReport { first, tcAdded }));
    EXPECT_EQ(tabs.Count(), 2);
    EXPECT_THROW(tabs.SetItem(2, *foreign), EListError);
}

TEST(SlantTabsList, ActivatingAsksTheStripOnceAndDeactivatesTheOthers)
{
    TTabsRig rig(3);
    rig.Tab(0)->SetActive(true);
    rig.Tab(2)->SetModified(true);
    rig.Strip.Reports.clear();
    rig.Strip.Asked.clear();
    rig.Tab(2)->SetActive(true);
    EXPECT_EQ(rig.Strip.Asked, (std::vector<std::pair<TSlantTab*, TSlantTab*>> { { rig.Tab(0), rig.Tab(2) } }));
    EXPECT_EQ(rig.Strip.Reports, (std::vector<TReport> { { rig.Tab(0), tcDeactivated }, { rig.Tab(0), tcPropertyUpdated },
                                     { rig.Tab(2), tcActivated }, { rig.Tab(2), tcPropertyUpdated } }));
    EXPECT_FALSE(rig.Tab(2)->Modified());
    EXPECT_EQ(rig.Shape(), "AB[C]");

    rig.Strip.Allow = false;
    rig.Strip.Reports.clear();
    rig.Tab(1)->SetActive(true);
    EXPECT_EQ(rig.Shape(), "AB[C]") << "a vetoed activation changes nothing";
    EXPECT_TRUE(rig.Strip.Reports.empty());
}

TEST(SlantTabsList, CaptionReportsRealChangesAndVisibilityAlways)
{
    TTabsRig rig(2);
    rig.Tab(0)->SetCaption(QStringLiteral("A"));
    EXPECT_TRUE(rig.Strip.Reports.empty());
    rig.Tab(0)->SetVisible(true);
    EXPECT_EQ(rig.Strip.Reports, (std::vector<TReport> { { rig.Tab(0), tcVisibility } }));

    rig.Tab(1)->SetActive(true);
    rig.Strip.Reports.clear();
    rig.Tab(1)->SetVisible(false);
    EXPECT_EQ(rig.Strip.Reports, (std::vector<TReport> { { rig.Tab(1), tcDeactivated }, { rig.Tab(1), tcPropertyUpdated },
                                     { rig.Tab(1), tcVisibility } }));
    EXPECT_EQ(rig.Tabs.ActiveTab(), nullptr);
}

TEST(SlantTabsList, DeletingActivatesTheNearestVisibleTabNotOnItsWayOut)
{
    struct TCase {
        const char* Name;
        int32_t Count;
        int32_t Active;
        std::vector<int32_t> Hidden;
        bool Animation;
        std::vector<int32_t> Deletes;
        const char* Shape;
    };
    const TCase cases[] = {
        { "middle, no animation", 3, 1, {}, false, { 1 }, "A[C]" },
        { "middle, animated", 3, 1, {}, true, { 1 }, "AB*[C]" },
        { "last", 3, 2, {}, false, { 2 }, "A[B]" },
        { "only", 1, 0, {}, false, { 0 }, "" },
        { "inactive", 3, 0, {}, false, { 2 }, "[A]B" },
        { "skips a hidden neighbour", 4, 1, { 2 }, false, { 1 }, "AC[D]" },
        { "falls back before when all after are hidden", 3, 1, { 2 }, false, { 1 }, "[A]C" },
        { "skips a tab already closing", 4, 3, {}, true, { 3, 2 }, "A[B]C*D*" },
        { "second call removes a marked tab", 3, 1, {}, true, { 1, 1 }, "A[C]" },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTabsRig rig(c.Count, c.Animation);
        for (int32_t hidden : c.Hidden)
            rig.Tab(hidden)->SetVisible(false);
        rig.Tab(c.Active)->SetActive(true);
        for (int32_t index : c.Deletes)
            rig.Tabs.DeleteTab(index, false);
        EXPECT_EQ(rig.Shape(), c.Shape);
    }
}

TEST(SlantTabsList, DeleteReportsDeletingThenDeleted)
{
    TTabsRig rig(2, true);
    TSlantTab* b = rig.Tab(1);
    rig.Tabs.DeleteTab(1, false);
    EXPECT_EQ(rig.Strip.Reports, (std::vector<TReport> { { b, tcDeleting }, { b, tcDeleted } }));
    rig.Strip.Reports.clear();
    rig.Tabs.DeleteTab(0, true);
    EXPECT_EQ(rig.Strip.Reports[1], (TReport { nullptr, tcDeleted }));
}

TEST(SlantTabsList, PinningMovesToTheEndOfThePinnedRunAndActivates)
{
    TTabsRig rig(4);
    rig.Tab(3)->SetPinned(true);
    EXPECT_EQ(rig.Shape(), "[D]ABC");
    rig.Tab(3)->SetPinned(true);
    EXPECT_EQ(rig.Shape(), "D[C]AB");
    rig.Tab(0)->SetPinned(false);
    EXPECT_EQ(rig.Shape(), "C[D]AB");
    EXPECT_FALSE(rig.Tab(1)->Pinned());
    EXPECT_TRUE(rig.Tab(0)->Pinned());
    EXPECT_EQ(rig.Tab(0)->DisplayCaption(), String());
}

TEST(SlantTabsList, MovingKeepsStatesAndReportsOnce)
{
    TTabsRig rig(3);
    rig.Tab(0)->SetActive(true);
    rig.Strip.Reports.clear();
    TSlantTab* a = rig.Tab(0);
    rig.Tabs.Move(0, 2);
    EXPECT_EQ(rig.Shape(), "BC[A]");
    EXPECT_EQ(rig.Strip.Reports, (std::vector<TReport> { { a, tcMoved } }));
    EXPECT_THROW(rig.Tabs.Move(0, 3), EListError);
    EXPECT_EQ(rig.Shape(), "BC[A]");
}

TEST(SlantTabsList, CopyingAListNeverLosesTheTarget)
{
    TTabsRig source(3);
    source.Tab(1)->SetActive(true);
    source.Tab(2)->SetPinned(false);
    TTabsRig target(2);
    target.Tabs.Assign(source.Tabs);
    EXPECT_EQ(target.Shape(), "A[B]C");
    TTabsRig untouched(2);
    TCollection foreign(TCollection::ItemClass<TCollectionItem>());
    foreign.Add();
    EXPECT_THROW(untouched.Tabs.Assign(foreign), Exception);
    EXPECT_EQ(untouched.Shape(), "AB");
}

} // namespace
