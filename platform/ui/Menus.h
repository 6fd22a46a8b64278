#pragma once

#include "platform/ui/Controls.h"

#include <memory>
#include <vector>

// A menu entry; "-" as caption makes a separator. Items own their subitems.
class TMenuItem {
public:
    TMenuItem() = default;
    explicit TMenuItem(const String& caption) : FCaption(caption) { }

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption) { FCaption = caption; }
    bool IsLine() const { return FCaption == QStringLiteral("-"); }
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t tag) { FTag = tag; }
    bool Checked() const { return FChecked; }
    // A checked radio item unchecks the other radio items of its group.
    void SetChecked(bool checked);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool radioItem) { FRadioItem = radioItem; }
    uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(uint8_t groupIndex) { FGroupIndex = groupIndex; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled) { FEnabled = enabled; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible) { FVisible = visible; }

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TMenuItem* Items(int32_t index) const { return FItems.at(static_cast<size_t>(index)).get(); }
    TMenuItem* Parent() const { return FParent; }
    TMenuItem* Add(std::unique_ptr<TMenuItem> item);
    TMenuItem* Add(const String& caption) { return Add(std::make_unique<TMenuItem>(caption)); }
    void Clear() { FItems.clear(); }

    virtual ~TMenuItem() = default;
    virtual void Click();

    std::function<void(TMenuItem* sender)> OnClick;

private:
    String FCaption;
    intptr_t FTag = 0;
    bool FChecked = false;
    bool FRadioItem = false;
    uint8_t FGroupIndex = 0;
    bool FEnabled = true;
    bool FVisible = true;
    TMenuItem* FParent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

// A context menu that pops up at a screen point; the chosen item's Click
// runs after the menu has closed. Popping up goes through the message
// service, so tests can choose an item.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TMenuItem& Items() { return FItems; }
    void Popup(int32_t x, int32_t y);
    TPoint PopupPoint() const { return FPopupPoint; }
    // The control whose context menu this was, or null.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* component);

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem FItems;
    TPoint FPopupPoint;
    TComponent* FPopupComponent = nullptr;
};
