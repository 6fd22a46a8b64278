#pragma once

// The add button and the two scroll buttons of the strip: a body and a
// symbol, each with its own look by state.

#include "controls/SlantTabsControls.h"

#include <memory>

class TSlantTabsLookAndFeelStyle;

class TBaseSlantButtonControl : public TBaseSlantTabsControl {
public:
    using TBaseSlantTabsControl::TBaseSlantTabsControl;

    void SetDrawState(TDrawState value, uint32_t animationTimeMS, TSlantTabsEaseType easeType, bool forceUpdate) override;
    // Steps the symbol only on ticks where the body changed.
    bool AnimateStyle() override;
    void Invalidate() override;
    const TSlantTabControlPropertyItems& ButtonLook() const { return FButtonControlPropertyItems; }
    const TSlantTabControlPropertyItems& SymbolLook() const { return FSymbolControlPropertyItems; }
    TSlantTabsLookAndFeelStyle* ButtonStyle() const { return FButtonStyle; }
    TSlantTabsLookAndFeelStyle* SymbolStyle() const { return FSymbolStyle; }

protected:
    const TGPBrush& GetButtonBrush();
    const TGPPen& GetButtonPen();
    const TGPBrush& GetSymbolBrush();
    const TGPPen& GetSymbolPen();
    virtual void SetStylesForState() { }

    TSlantTabsLookAndFeelStyle* FButtonStyle = nullptr;
    TSlantTabsLookAndFeelStyle* FSymbolStyle = nullptr;

private:
    TSlantTabControlPropertyItems FButtonControlPropertyItems;
    TSlantTabControlPropertyItems FSymbolControlPropertyItems;
    std::unique_ptr<TGPBrush> FButtonBrush;
    std::unique_ptr<TGPPen> FButtonPen;
    std::unique_ptr<TGPBrush> FSymbolBrush;
    std::unique_ptr<TGPPen> FSymbolPen;
};

class TAddButtonControl final : public TBaseSlantButtonControl {
public:
    explicit TAddButtonControl(ISlantTabs& slantTabs);
    ISlantTabPolygons GetPolygons() override;
    void DrawTo(TGPGraphics& canvas, int32_t mouseX, int32_t mouseY, const ISlantTabPolygons& clipPolygons) override;

protected:
    void SetStylesForState() override;
};

class TScrollButtonControl : public TBaseSlantButtonControl {
public:
    TScrollButtonControl(ISlantTabs& slantTabs, TSlantTabItemType controlType);
    ISlantTabPolygons GetPolygons() override;
    void DrawTo(TGPGraphics& canvas, int32_t mouseX, int32_t mouseY, const ISlantTabPolygons& clipPolygons) override;

protected:
    void SetStylesForState() override;
};

class TScrollButtonLeftControl final : public TScrollButtonControl {
public:
    explicit TScrollButtonLeftControl(ISlantTabs& slantTabs) : TScrollButtonControl(slantTabs, itScrollLeftButton) { }
};

class TScrollButtonRightControl final : public TScrollButtonControl {
public:
    explicit TScrollButtonRightControl(ISlantTabs& slantTabs) : TScrollButtonControl(slantTabs, itScrollRightButton) { }
};
