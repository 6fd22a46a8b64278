#pragma once

#include "platform/core/Component.h"
#include "platform/graphics/Bitmap.h"

#include <functional>
#include <vector>

class TImageList;

// A user's subscription to the changes of an image list; it ends when
// either side goes away.
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    ~TChangeLink();

    TImageList* Sender() const { return FSender; }

    std::function<void(TImageList* sender)> OnChange;

private:
    friend class TImageList;
    TImageList* FSender = nullptr;
};

// Equal-sized pictures drawn by index. A component: its users ask for a free
// notification (FreeNotification) and forget it on Notification(opRemove);
// every change of the pictures fires OnChange and the registered links.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner, int32_t width = 16, int32_t height = 16);
    ~TImageList() override;

    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    // Changing the size empties the list, as on the platform.
    void SetSize(int32_t width, int32_t height);
    int32_t Count() const;

    // A strip wider than Width adds one picture per cell; returns the index
    // of the first one added, -1 when none fits.
    int32_t Add(const TBitmap& image);
    // As Add, with every pixel of maskColor transparent.
    int32_t AddMasked(const TBitmap& image, TColor maskColor);
    void Delete(int32_t index);
    void Clear();

    void Draw(TCanvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled = true) const;
    void GetBitmap(int32_t index, TBitmap& image) const;

    // Changes reach link until it is unregistered or freed.
    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);

    std::function<void(TImageList* sender)> OnChange;

protected:
    virtual void Change();

private:
    int32_t AddImage(const QImage& strip);

    int32_t FWidth = 16;
    int32_t FHeight = 16;
    std::vector<QImage> FImages;
    std::vector<TChangeLink*> FLinks;
};

// A component's hold on an image list it uses without owning it: the list's
// free notification and its changes are followed, and onChange runs when the
// pictures change, another list is set, or the list is freed (and forgotten).
class TImageListReference {
public:
    TImageListReference(TComponent& user, std::function<void()> onChange);
    TImageListReference(const TImageListReference&) = delete;
    TImageListReference& operator=(const TImageListReference&) = delete;

    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    // Called from the user's Notification.
    void Notification(const TComponent* component, TOperation operation);

private:
    TComponent& FUser;
    TImageList* FImages = nullptr;
    TChangeLink FChangeLink;
    std::function<void()> FOnChange;
};
