#include "platform/core/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct TEvent {
    String Receiver;
    String Subject;
    TOperation Operation;
};

// Records every notification it receives and its own destruction.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, const String& name, std::vector<TEvent>& log) : TComponent(owner), FLog(log)
    {
        SetName(name);
    }
    ~TProbe() override { FLog.push_back({ Name(), QStringLiteral("~"), opRemove }); }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        FLog.push_back({ Name(), component->Name(), operation });
        TComponent::Notification(component, operation);
    }

private:
    std::vector<TEvent>& FLog;
};

bool Logged(const std::vector<TEvent>& log, const String& receiver, const String& subject, TOperation operation)
{
    for (const TEvent& event : log)
        if (event.Receiver == receiver && event.Subject == subject && event.Operation == operation) return true;
    return false;
}

} // namespace

TEST(Component, OwnerFreesWhatItOwns)
{
    std::vector<TEvent> log;
    auto owner = std::make_unique<TProbe>(nullptr, "Owner", log);
    auto* child = new TProbe(owner.get(), "Child", log);
    new TProbe(child, "Grandchild", log);
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(child->Owner(), owner.get());
    EXPECT_EQ(owner->FindComponent("CHILD"), child);
    owner.reset();
    EXPECT_TRUE(Logged(log, "Child", "~", opRemove));
    EXPECT_TRUE(Logged(log, "Grandchild", "~", opRemove));
}

TEST(Component, RemovalNotifiesOwnerAndSiblings)
{
    std::vector<TEvent> log;
    TProbe owner(nullptr, "Owner", log);
    new TProbe(&owner, "Sibling", log);
    {
        std::unique_ptr<TProbe> leaving(new TProbe(&owner, "Leaving", log));
        // Inserted while its base part is built, before it has a name.
        EXPECT_TRUE(Logged(log, "Owner", "", opInsert));
        log.clear();
    }
    EXPECT_TRUE(Logged(log, "Owner", "Leaving", opRemove));
    EXPECT_TRUE(Logged(log, "Sibling", "Leaving", opRemove));
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(Component, FreeNotificationReachesAnUnrelatedComponent)
{
    std::vector<TEvent> log;
    TProbe watcher(nullptr, "Watcher", log);
    auto watched = std::make_unique<TProbe>(nullptr, "Watched", log);
    watched->FreeNotification(&watcher);
    watched.reset();
    EXPECT_TRUE(Logged(log, "Watcher", "Watched", opRemove));

    // The request ends when the watcher goes first: no call into a freed object.
    auto other = std::make_unique<TProbe>(nullptr, "Other", log);
    {
        TProbe shortLived(nullptr, "ShortLived", log);
        other->FreeNotification(&shortLived);
    }
    log.clear();
    other.reset();
    EXPECT_FALSE(Logged(log, "ShortLived", "Other", opRemove));
}

TEST(Component, NamesAreUniqueAmongSiblings)
{
    std::vector<TEvent> log;
    TProbe owner(nullptr, "Owner", log);
    new TProbe(&owner, "Button1", log);
    auto* second = new TProbe(&owner, "Button2", log);
    EXPECT_THROW(second->SetName("BUTTON1"), EComponentError);
    EXPECT_EQ(second->Name(), "Button2");
}

TEST(Component, StateShowsLoadingAndDestroying)
{
    std::vector<TEvent> log;
    TComponentState seen = 0;
    class TWatcher : public TComponent {
    public:
        TWatcher(TComponent* owner, TComponentState& seen) : TComponent(owner), FSeen(seen) { }
        ~TWatcher() override { FSeen = ComponentState(); }
        TComponentState& FSeen;
    };
    auto owner = std::make_unique<TProbe>(nullptr, "Owner", log);
    new TWatcher(owner.get(), seen);
    owner->BeginLoading();
    EXPECT_TRUE(owner->ComponentState() & csLoading);
    owner->EndLoading();
    EXPECT_FALSE(owner->ComponentState() & csLoading);
    owner.reset();
    EXPECT_FALSE(seen & csLoading);
    EXPECT_TRUE(seen & csDestroying);
}

namespace probes {
class TNamespacedProbe : public TComponent {
public:
    using TComponent::TComponent;
};
} // namespace probes

TEST(Component, ClassNameIsTheDerivedClassWithoutNamespace)
{
    const TComponent plain(nullptr);
    const probes::TNamespacedProbe probe(nullptr);
    EXPECT_EQ(plain.ClassName(), "TComponent");
    EXPECT_EQ(probe.ClassName(), "TNamespacedProbe");
}
