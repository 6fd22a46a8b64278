#pragma once

#include "controls/SlantTabsClasses.h"
#include "controls/SlantTabsInterfaces.h"
#include "controls/SlantTabsLookAndFeel.h"
#include "controls/SlantTabsOptions.h"

#include <vector>

// A strip that only listens: it records every change report and answers
// the questions of tabs and trees from fields the test sets.
class TRecordingStrip : public ISlantTabs {
public:
    struct TReport {
        TSlantTab* Tab;
        TTabChangeType Change;
        bool operator==(const TReport&) const = default;
    };

    TRecordingStrip() : Options(this), Look(this) { }

    int32_t LastPinnedIndex() const override
    {
        int32_t last = -1;
        while (Tabs && last + 1 < Tabs->Count() && Tabs->Items(last + 1)->Pinned())
            ++last;
        return last;
    }
    TSlantTab* GetActiveTab() const override { return nullptr; }
    ISlantTabPolygons GetPreviousTabPolygons(int32_t) override { return nullptr; }
    bool DoBeforeDrawItem(TGPGraphics&, const TRect&, TSlantTabItemType, int32_t) override { return false; }
    void DoAfterDrawItem(TGPGraphics&, const TRect&, TSlantTabItemType, int32_t) override { }
    ISlantTabPolygons DoGetControlPolygons(TBaseSlantTabsControl&, const TRect&, TSlantTabItemType, TTabOrientation) override { return Hook; }
    void DoDebugLog(const String&) override { }
    void DoActiveTabChanging(TSlantTab* oldTab, TSlantTab* newTab, bool& allow) override
    {
        Asked.push_back({ oldTab, newTab });
        allow = Allow;
    }
    void DoChange(TSlantTab* tab, TTabChangeType change) override { Reports.push_back({ tab, change }); }
    TRect ScrolledRect(const TRect& rect) const override
    {
        TRect r = rect;
        r.Offset(IsRightToLeft(BiDi) ? ScrollOffset : -ScrollOffset, 0);
        return r;
    }
    TRect RightToLeftRect(const TRect& rect) const override
    {
        return IsRightToLeft(BiDi) ? TRect { ClientWidth - rect.Right, rect.Top, ClientWidth - rect.Left, rect.Bottom } : rect;
    }
    TBiDiMode GetBiDiMode() const override { return BiDi; }
    void InvalidateStrip() override { }
    bool Designing() const override { return false; }
    bool Dragging() const override { return false; }
    TSlantTabsLookAndFeel& GetLookAndFeel() override { return Look; }
    TOptions& GetOptions() override { return Options; }
    TImageList* GetImages() const override { return nullptr; }
    TImageList* GetImagesOverlay() const override { return nullptr; }
    TImageList* GetImagesSpinnerDownload() const override { return SpinnerImages; }
    TImageList* GetImagesSpinnerUpload() const override { return SpinnerImages; }

    std::vector<TReport> Reports;
    std::vector<std::pair<TSlantTab*, TSlantTab*>> Asked;
    bool Allow = true;
    TSlantTabsList* Tabs = nullptr;
    int32_t ScrollOffset = 0;
    int32_t ClientWidth = 300;
    TBiDiMode BiDi = bdLeftToRight;
    ISlantTabPolygons Hook;
    TImageList* SpinnerImages = nullptr;
    TOptions Options;
    TSlantTabsLookAndFeel Look;
};
