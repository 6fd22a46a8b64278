#pragma once

// Tabs, the tab list and the payload of a tab drag. They hold data and
// rules only; every change is reported to the strip that owns the list.

#include "controls/SlantTabsInterfaces.h"
#include "platform/core/Collection.h"
#include "platform/ui/Controls.h"

#include <memory>

class TForm;
class TSlantTabControl;
class TSlantTabsList;

class TSlantTab final : public TCollectionItem {
public:
    explicit TSlantTab(TCollection* collection);
    ~TSlantTab() override;

    // Copies the published values of another tab, the active state aside.
    void Assign(const TPersistent& source) override;
    String DisplayName() const override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    bool Active() const { return FActive; }
    void SetActive(bool value);
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    int32_t ImageIndexOverlay() const { return FImageIndexOverlay; }
    void SetImageIndexOverlay(int32_t value);
    bool Pinned() const { return FPinned; }
    void SetPinned(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value);
    TSlantTabSpinnerState SpinnerState() const { return FSpinnerState; }
    void SetSpinnerState(TSlantTabSpinnerState value);
    bool HideCloseButton() const { return FHideCloseButton; }
    void SetHideCloseButton(bool value) { FHideCloseButton = value; }

    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }
    // Empty for a pinned tab, which shows no caption.
    String DisplayCaption() const { return FPinned ? String() : FCaption; }
    TSlantTabControl* TabControl() const { return FTabControl.get(); }
    void SetTabControl(std::unique_ptr<TSlantTabControl> control);
    bool MarkedForDeletion() const { return FMarkedForDeletion; }
    bool ImageIsVisible() const { return FImageIndex != -1 || FImageIndexOverlay != -1; }

    ISlantTabs* GetSlantTabs() const;
    TSlantTabsList* List() const;
    void DoChanged(TTabChangeType changeType);

private:
    friend class TSlantTabsList;

    String FCaption;
    void* FData = nullptr;
    int32_t FImageIndex = -1;
    int32_t FImageIndexOverlay = -1;
    int32_t FTag = 0;
    bool FPinned = false;
    std::unique_ptr<TSlantTabControl> FTabControl;
    bool FActive = false;
    bool FVisible = true;
    bool FModified = false;
    bool FMarkedForDeletion = false;
    TSlantTabSpinnerState FSpinnerState = tssNone;
    bool FHideCloseButton = false;
};

// The strip's tabs, owned by it.
class TSlantTabsList final : public TCollection {
public:
    explicit TSlantTabsList(ISlantTabs* strip);

    // Copies the tabs of another list; nothing changes when source is not one.
    void Assign(const TPersistent& source) override;

    TSlantTab* Add();
    TSlantTab* Insert(int32_t index);
    TSlantTab* Items(int32_t index) const { return static_cast<TSlantTab*>(TCollection::Items(index)); }
    TSlantTab* operator[](int32_t index) const { return Items(index); }
    // Copies value into the tab at index, which then reports itself as added.
    void SetItem(int32_t index, const TSlantTab& value);
    int32_t IndexOf(const TSlantTab* tab) const;
    void Move(int32_t oldIndex, int32_t newIndex);
    // Removes the tab, or marks it while its closing animation runs (a second
    // call removes a marked tab), and activates a neighbour when it was active.
    void DeleteTab(int32_t index, bool deleteNow);
    TSlantTab* ActiveTab() const;
    void SetActiveTab(TSlantTab* tab);

    ISlantTabs* GetSlantTabs() const { return FStrip; }

private:
    ISlantTabs* FStrip;
};

// What a tab drag carries from strip to strip; shared by every strip taking
// part in the drag for as long as it runs.
class TDragTabObject {
public:
    TDragTabObject();
    ~TDragTabObject();

    TSlantTab* DragTab = nullptr;
    TPoint DragCursorOffset;
    // The floating picture of the tab while no strip takes it, and where the
    // cursor holds it.
    std::unique_ptr<TForm> DragForm;
    TPoint DragFormOffset;
    TPoint DragPoint;
    bool HideAddButton = false;
    TRect OriginalControlRect;
    int32_t DropTabIndex = -1;
    ISlantTabDockControl* SourceControl = nullptr;
    ISlantTabDockControl* DockControl = nullptr;
    TCursor OriginalCursor = crDefault;
    TDragOverType DragOverType = dotNone;
};
