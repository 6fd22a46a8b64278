#pragma once

// How tabs, drawing objects, looks and options talk to their strip, and how
// strips hand a dragged tab to each other.

#include "controls/SlantTabsTypes.h"
#include "platform/graphics/Types.h"

#include <QString>

#include <memory>

using String = QString;

class TBaseSlantTabsControl;
class TCustomSlantTabs;
class TGPGraphics;
class TImageList;
class TOptions;
class TSlantTab;
class TSlantTabPolygons;
class TSlantTabsLookAndFeel;
class TDragTabObject;

using ISlantTabPolygons = std::shared_ptr<TSlantTabPolygons>;

class ISlantTabs {
public:
    virtual ~ISlantTabs() = default;
    // The last tab of the leading run of pinned tabs; -1 when there is none.
    virtual int32_t LastPinnedIndex() const = 0;
    virtual TSlantTab* GetActiveTab() const = 0;
    // The polygons of the nearest visible tab before index, or none.
    virtual ISlantTabPolygons GetPreviousTabPolygons(int32_t index) = 0;
    // True when a handler drew the item itself.
    virtual bool DoBeforeDrawItem(TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex) = 0;
    virtual void DoAfterDrawItem(TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex) = 0;
    virtual ISlantTabPolygons DoGetControlPolygons(
        TBaseSlantTabsControl& control, const TRect& itemRect, TSlantTabItemType itemType, TTabOrientation orientation)
        = 0;
    virtual void DoDebugLog(const String& text) = 0;
    virtual void DoActiveTabChanging(TSlantTab* oldTab, TSlantTab* newTab, bool& allow) = 0;
    virtual void DoChange(TSlantTab* tab, TTabChangeType changeType) = 0;
    virtual TRect ScrolledRect(const TRect& rect) const = 0;
    virtual TRect RightToLeftRect(const TRect& rect) const = 0;
    virtual TBiDiMode GetBiDiMode() const = 0;
    virtual void InvalidateStrip() = 0;
    virtual bool Designing() const = 0;
    virtual bool Dragging() const = 0;
    virtual TSlantTabsLookAndFeel& GetLookAndFeel() = 0;
    virtual TOptions& GetOptions() = 0;
    virtual TImageList* GetImages() const = 0;
    virtual TImageList* GetImagesOverlay() const = 0;
    virtual TImageList* GetImagesSpinnerDownload() const = 0;
    virtual TImageList* GetImagesSpinnerUpload() const = 0;
};

class ISlantTabDockControl {
public:
    virtual ~ISlantTabDockControl() = default;
    virtual TCustomSlantTabs& GetControl() = 0;
    virtual void TabDragOver(TCustomSlantTabs& sender, int32_t x, int32_t y, TDragState state, const std::shared_ptr<TDragTabObject>& dragTabObject, bool& accept) = 0;
    virtual void TabDragDrop(TCustomSlantTabs& sender, int32_t x, int32_t y, const std::shared_ptr<TDragTabObject>& dragTabObject, bool cancelled,
        TTabDropOptions& tabDropOptions)
        = 0;
    virtual TSlantTab* InsertDroppedTab() = 0;
    virtual void FireScrollTimer() = 0;
    virtual void TabDragEnd(int32_t mouseX, int32_t mouseY, bool cancelled) = 0;
    virtual TBiDiMode GetBiDiMode() const = 0;
};
