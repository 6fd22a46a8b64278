#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A user that keeps a reference to an image list, as the controls do.
class ListUser : public TComponent {
public:
    using TComponent::TComponent;
    void Use(TImageList* images)
    {
        Images = images;
        if (images)
            images->FreeNotification(this);
    }
    TImageList* Images = nullptr;
    int Removals = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == Images) {
            Images = nullptr;
            ++Removals;
        }
    }
};

TBitmap Strip(int32_t width, int32_t height)
{
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    return bitmap;
}

} // namespace

TEST(ImageList, UsersForgetAFreedListWhetherFreedByItselfOrByItsOwner)
{
    ListUser user(nullptr);
    auto images = std::make_unique<TImageList>(nullptr);
    user.Use(images.get());
    images.reset();
    EXPECT_EQ(user.Images, nullptr);
    EXPECT_EQ(user.Removals, 1);

    auto owner = std::make_unique<TComponent>(nullptr);
    user.Use(new TImageList(owner.get()));
    owner.reset();
    EXPECT_EQ(user.Images, nullptr);
    EXPECT_EQ(user.Removals, 2);
}

TEST(ImageList, EveryChangeReachesOnChangeAndEachLinkUntilTheLinkEnds)
{
    TImageList images(nullptr, 4, 4);
    std::vector<std::string> log;
    images.OnChange = [&](TImageList*) { log.push_back("list"); };
    TChangeLink first;
    first.OnChange = [&](TImageList* sender) {
        EXPECT_EQ(sender, &images);
        log.push_back("first");
    };
    auto second = std::make_unique<TChangeLink>();
    second->OnChange = [&](TImageList*) { log.push_back("second"); };
    images.RegisterChanges(&first);
    images.RegisterChanges(second.get());
    EXPECT_EQ(first.Sender(), &images);

    struct Case {
        const char* name;
        std::function<void()> change;
        size_t events;
    };
    const Case cases[] = {
        { "add a strip of two", [&] { EXPECT_EQ(images.Add(Strip(8, 4)), 0); }, 3 },
        { "a strip too narrow adds nothing", [&] { EXPECT_EQ(images.Add(Strip(3, 4)), -1); }, 0 },
        { "delete", [&] { images.Delete(1); }, 3 },
        { "delete out of range", [&] { images.Delete(9); }, 0 },
        { "second link freed", [&] { second.reset(); images.SetSize(8, 8); }, 2 },
        { "clear of an empty list", [&] { images.Clear(); }, 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        log.clear();
        entry.change();
        EXPECT_EQ(log.size(), entry.events);
    }

    auto doomed = std::make_unique<TImageList>(nullptr);
    doomed->RegisterChanges(&first);
    EXPECT_EQ(first.Sender(), doomed.get()) << "a link follows one list at a time";
    doomed.reset();
    EXPECT_EQ(first.Sender(), nullptr);
}
