#pragma once

// The header and footer settings of the dropdown editors. They live beside
// the string grid because the grid's control look owns one of each.

#include "platform/core/Collection.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Forms.h"

#include <cstdint>
#include <functional>

enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

// The button collections tell their appearance when a button's caption,
// enabled state or width changes.
class TAppearanceButtons : public TCollection {
public:
    using TNotifyEvent = std::function<void(TAppearanceButtons* sender)>;
    using TCollection::TCollection;

    TPersistent* MyOwner() const { return Owner(); }
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }

    TNotifyEvent OnChange;
};

// One button of a header or footer bar; width and height 0 size it to its content.
class TAppearanceButton : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    void Assign(const TPersistent& source) override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { Change(FCaption, value); }
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value) { FImageIndex = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { Change(FEnabled, value); }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value) { FHeight = value; }
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t value) { Change(FWidth, value); }

private:
    template <class T>
    void Change(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        if (auto* buttons = dynamic_cast<TAppearanceButtons*>(Collection()))
            buttons->Changed();
    }

    String FCaption;
    int32_t FImageIndex = -1;
    bool FEnabled = true;
    int32_t FHeight = 0;
    int32_t FWidth = 0;
};

class THeaderButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;
};

class TFooterButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;

    void Assign(const TPersistent& source) override;

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

private:
    TModalResult FModalResult = mrNone;
};

class THeaderButtons : public TAppearanceButtons {
public:
    explicit THeaderButtons(TPersistent* owner)
        : TAppearanceButtons(TCollection::ItemClass<THeaderButton>(), owner) { }

    THeaderButton* Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
    THeaderButton* Insert(int32_t index) { return static_cast<THeaderButton*>(TCollection::Insert(index)); }
    THeaderButton* Items(int32_t index) const { return static_cast<THeaderButton*>(TCollection::Items(index)); }
    void SetItems(int32_t index, const THeaderButton& value) { Items(index)->Assign(value); }
};

class TFooterButtons : public TAppearanceButtons {
public:
    explicit TFooterButtons(TPersistent* owner)
        : TAppearanceButtons(TCollection::ItemClass<TFooterButton>(), owner) { }

    TFooterButton* Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
    TFooterButton* Insert(int32_t index) { return static_cast<TFooterButton*>(TCollection::Insert(index)); }
    TFooterButton* Items(int32_t index) const { return static_cast<TFooterButton*>(TCollection::Items(index)); }
    void SetItems(int32_t index, const TFooterButton& value) { Items(index)->Assign(value); }
};

// What the header and footer bars share: only Visible, Font and Buttons have
// setters with effects; the other values are plain fields.
template <class TButtons>
class TBarAppearance : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TPersistent* sender)>;

    explicit TBarAppearance(TPersistent* owner) : FOwner(owner), FButtons(owner)
    {
        FButtons.OnChange = [this](TAppearanceButtons*) { ButtonsChanged(); };
    }

    // The colours and the font only.
    void AssignColors(const TPersistent& source);

    TPersistent* Owner() const { return FOwner; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value)
    {
        if (FVisible == value)
            return;
        FVisible = value;
        if (OnChange)
            OnChange(this);
    }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value) { FHeight = value; }
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t value) { FBorderWidth = value; }
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value) { FImageIndex = value; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { FColorTo = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(value); }
    TButtons& Buttons() { return FButtons; }
    const TButtons& Buttons() const { return FButtons; }
    void SetButtons(const TButtons& value) { FButtons.Assign(value); }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value) { FGradientDirection = value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment value) { FButtonAlignment = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    void AssignBar(const TBarAppearance& other)
    {
        FColorTo = other.FColorTo;
        FColor = other.FColor;
        FBorderColor = other.FBorderColor;
        FCaption = other.FCaption;
        FFont.Assign(other.FFont);
        FImageIndex = other.FImageIndex;
        FBorderWidth = other.FBorderWidth;
        FGradientDirection = other.FGradientDirection;
        FHeight = other.FHeight;
        SetVisible(other.FVisible);
        FButtonAlignment = other.FButtonAlignment;
        FButtons.Assign(other.FButtons);
    }
    void ButtonsChanged()
    {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    }

private:
    TPersistent* FOwner;
    bool FVisible = true;
    int32_t FHeight = 22;
    int32_t FBorderWidth = 1;
    int32_t FImageIndex = -1;
    String FCaption;
    TColor FColorTo = 0xFFFFFF;
    TColor FColor = 0xC0C0C0;
    TColor FBorderColor = 0x000000;
    TFont FFont;
    TButtons FButtons;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TBarAppearance<THeaderButtons> {
public:
    explicit THeaderAppearance(TPersistent* owner);

    void Assign(const TPersistent& source) override;
};

class TFooterAppearance : public TBarAppearance<TFooterButtons> {
public:
    using TBarAppearance::TBarAppearance;

    void Assign(const TPersistent& source) override;

    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value) { FSizeGrip = value; }

private:
    bool FSizeGrip = true;
};
