#pragma once

// The animated tab strip: tabs, options and look, drawing objects for the
// tabs and its three buttons, all drawn by the strip itself into one
// off-screen picture.

#include "controls/SlantTabControl.h"
#include "controls/SlantTabsButtonControls.h"
#include "controls/SlantTabsClasses.h"
#include "controls/SlantTabsLookAndFeel.h"
#include "controls/SlantTabsOptions.h"
#include "controls/SlantTabsThreadTimer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Controls.h"

#include <functional>
#include <memory>
#include <vector>

class TForm;
class TImageList;
class TMenuItem;
class TPopupMenu;
class TTimer;

class TCustomSlantTabs : public TCustomControl, public ISlantTabs, public ISlantTabDockControl {
public:
    using TSlantTabEvent = std::function<void(TCustomSlantTabs* sender, TSlantTab* tab)>;
    using TActiveTabChangingEvent = std::function<void(TCustomSlantTabs* sender, TSlantTab* oldTab, TSlantTab* newTab, bool& allow)>;
    using TChangeEvent = std::function<void(TCustomSlantTabs* sender, TSlantTab* tab, TTabChangeType changeType)>;
    using TButtonAddClickEvent = std::function<void(TCustomSlantTabs* sender, bool& handled)>;
    using TButtonCloseTabClickEvent = std::function<void(TCustomSlantTabs* sender, TSlantTab* tab, bool& close)>;
    using TStateChangeEvent = std::function<void(TCustomSlantTabs* sender, TSlantTabStates previous, TSlantTabStates current)>;
    using TBeforeDrawItemEvent
        = std::function<void(TCustomSlantTabs* sender, TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex, bool& handled)>;
    using TAfterDrawItemEvent
        = std::function<void(TCustomSlantTabs* sender, TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex)>;
    using TGetControlPolygonsEvent = std::function<void(TCustomSlantTabs* sender, TBaseSlantTabsControl& control, const TRect& itemRect,
        TSlantTabItemType itemType, TTabOrientation orientation, ISlantTabPolygons& polygons)>;
    using TShowHintEvent = std::function<void(TCustomSlantTabs* sender, const THitTestResult& hit, String& hintText, int32_t& hintTimeout)>;
    using TTabDragOverEvent = std::function<void(TCustomSlantTabs* sender, int32_t x, int32_t y, TDragState state,
        const std::shared_ptr<TDragTabObject>& dragTabObject, bool& accept)>;
    using TTabDragDropEvent = std::function<void(TCustomSlantTabs* sender, int32_t x, int32_t y, const std::shared_ptr<TDragTabObject>& dragTabObject,
        bool cancelled, TTabDropOptions& options)>;
    using TTabDragDroppedEvent = std::function<void(TCustomSlantTabs* sender, const std::shared_ptr<TDragTabObject>& dragTabObject, TSlantTab* newTab)>;
    using TTabDragEndEvent = std::function<void(TCustomSlantTabs* sender, int32_t mouseX, int32_t mouseY, bool cancelled)>;
    using TTabDragStartEvent = std::function<void(TCustomSlantTabs* sender, TSlantTab* tab, bool& allow)>;
    using TAnimateStyleEvent = std::function<void(TCustomSlantTabs* sender, TBaseSlantTabsControl& control, TDrawState newDrawState,
        uint32_t& animationTimeMS, TSlantTabsEaseType& easeType)>;
    using TAnimateMovementEvent
        = std::function<void(TCustomSlantTabs* sender, TBaseSlantTabsControl& control, uint32_t& animationTimeMS, TSlantTabsEaseType& easeType)>;
    using TSetTabWidthEvent = std::function<void(TCustomSlantTabs* sender, TSlantTabControl& tabControl, int32_t& tabWidth)>;
    using TNeedDragImageControlEvent = std::function<void(TCustomSlantTabs* sender, TSlantTab* tab, TWinControl*& dragControl)>;
    using TCreateDragFormEvent = std::function<void(TCustomSlantTabs* sender, TSlantTab* tab, std::unique_ptr<TForm>& dragForm)>;
    using TDebugLogEvent = std::function<void(TCustomSlantTabs* sender, const String& text)>;
    using TStripEvent = std::function<void(TCustomSlantTabs* sender)>;

    explicit TCustomSlantTabs(TComponent* owner);
    ~TCustomSlantTabs() override;

    // ---- the model
    TSlantTabsList& Tabs() { return *FTabs; }
    TOptions& Options() { return *FOptions; }
    TSlantTabsLookAndFeel& LookAndFeel() { return *FLookAndFeel; }
    TSlantTab* ActiveTab() const { return FTabs->ActiveTab(); }
    void SetActiveTab(TSlantTab* tab);
    int32_t ActiveTabIndex() const;
    // Values outside the tab list are ignored.
    void SetActiveTabIndex(int32_t index);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    TImageList* ImagesOverlay() const { return FImagesOverlay; }
    void SetImagesOverlay(TImageList* images);
    void SetImagesSpinnerUpload(TImageList* images) { Follow(FImagesSpinnerUpload, images); }
    void SetImagesSpinnerDownload(TImageList* images) { Follow(FImagesSpinnerDownload, images); }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode mode);

    // ---- update bracket and states
    void BeginUpdate();
    void EndUpdate();
    // Every repaint goes through here; inside a bracket it waits for the end.
    void Redraw();
    int32_t PausedUpdateCount() const { return FPausedUpdateCount; }
    TSlantTabStates State() const { return FState; }
    bool HasState(TSlantTabState state) const { return FState.Contains(state); }
    bool AddState(TSlantTabState state);
    bool RemoveState(TSlantTabState state);
    bool ControlReady() const;

    // ---- layout and scrolling
    int32_t ScrollOffset() const { return FScrollOffset; }
    void SetScrollOffset(int32_t value);
    int32_t BidiScrollOffset() const { return IsRightToLeft(FBiDiMode) ? -FScrollOffset : FScrollOffset; }
    int32_t ScrollWidth() const { return FScrollWidth; }
    const TRect& TabContainerRect() const { return FTabContainerRect; }
    int32_t MaxScrollOffset() const;
    TTabDisplayState GetTabDisplayState() const;
    void ScrollIntoView(TSlantTab* tab);
    void ScrollTabs(TScrollDirection direction, bool startTimer);
    void CalculateButtonRects();
    void CalculateTabPositions();
    bool ScrollButtonLeftVisible() const { return ScrollButtonVisible(); }
    bool ScrollButtonRightVisible() const { return ScrollButtonVisible(); }
    int32_t AdjustedTabWidth() const { return FAdjustedTabWidth; }
    int32_t TabEndSpace() const { return FTabEndSpace; }

    // ---- mouse
    THitTestResult HitTest(TPoint point, bool ignoreDisabledControls = false);
    TSlantTab* GetTabUnderMouse();
    void UpdateControlDrawStates(bool force);
    String GetTabDescription(int32_t index) const;
    // The built-in tab menu, made afresh for each use.
    std::unique_ptr<TPopupMenu> BuildTabMenu();
    int32_t LastMouseX() const { return FLastMouseX; }
    int32_t LastMouseY() const { return FLastMouseY; }
    TAddButtonControl& AddButtonControl() { return *FAddButtonControl; }
    TScrollButtonControl& ScrollButtonLeftControl() { return *FScrollButtonLeftControl; }
    TScrollButtonControl& ScrollButtonRightControl() { return *FScrollButtonRightControl; }
    TSlantTabControl* GetTabControl(int32_t index) const;
    void DeleteTabByIndex(int32_t index);

    // ---- painting and animation
    // Paints the strip into its off-screen picture, which it returns.
    const TBitmap& DrawCanvas();
    void AnimateTimerTick(TComponent* sender);
    TThreadTimer& AnimateTimer() { return *FAnimateTimer; }

    // ---- text form of look and options
    void SaveOptions(String& text);
    void SaveOptionsToFile(const String& fileName);
    void LoadOptions(const String& text);
    void LoadOptionsFromFile(const String& fileName);
    void SaveLookAndFeel(String& text);
    void SaveLookAndFeelToFile(const String& fileName);
    void LoadLookAndFeel(const String& text);
    void LoadLookAndFeelFromFile(const String& fileName);
    String OptionsToCode();
    String LookAndFeelToCode();

    // ---- ISlantTabs
    int32_t LastPinnedIndex() const override;
    TSlantTab* GetActiveTab() const override { return ActiveTab(); }
    ISlantTabPolygons GetPreviousTabPolygons(int32_t index) override;
    bool DoBeforeDrawItem(TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex) override;
    void DoAfterDrawItem(TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex) override;
    ISlantTabPolygons DoGetControlPolygons(TBaseSlantTabsControl& control, const TRect& itemRect, TSlantTabItemType itemType,
        TTabOrientation orientation) override;
    void DoDebugLog(const String& text) override;
    void DoActiveTabChanging(TSlantTab* oldTab, TSlantTab* newTab, bool& allow) override;
    void DoChange(TSlantTab* tab, TTabChangeType changeType) override;
    TRect ScrolledRect(const TRect& rect) const override;
    TRect RightToLeftRect(const TRect& rect) const override;
    TBiDiMode GetBiDiMode() const override { return FBiDiMode; }
    void InvalidateStrip() override { Invalidate(); }
    bool Designing() const override { return (ComponentState() & csDesigning) != 0; }
    bool Dragging() const override { return FActiveDragTabObject != nullptr; }
    TSlantTabsLookAndFeel& GetLookAndFeel() override { return *FLookAndFeel; }
    TOptions& GetOptions() override { return *FOptions; }
    TImageList* GetImages() const override { return FImages; }
    TImageList* GetImagesOverlay() const override { return FImagesOverlay; }
    TImageList* GetImagesSpinnerDownload() const override { return FImagesSpinnerDownload; }
    TImageList* GetImagesSpinnerUpload() const override { return FImagesSpinnerUpload; }

    // ---- ISlantTabDockControl
    TCustomSlantTabs& GetControl() override { return *this; }
    void TabDragOver(TCustomSlantTabs& sender, int32_t x, int32_t y, TDragState state, const std::shared_ptr<TDragTabObject>& dragTabObject,
        bool& accept) override;
    void TabDragDrop(TCustomSlantTabs& sender, int32_t x, int32_t y, const std::shared_ptr<TDragTabObject>& dragTabObject, bool cancelled,
        TTabDropOptions& tabDropOptions) override;
    TSlantTab* InsertDroppedTab() override;
    void FireScrollTimer() override;
    void TabDragEnd(int32_t mouseX, int32_t mouseY, bool cancelled) override;

    // ---- drag
    void BeginDrag(int32_t mouseX, int32_t mouseY);
    void EndDrag(int32_t mouseX, int32_t mouseY, bool cancelled);
    // The floating picture of the dragged tab, made on first use, placed at
    // the client point (x, y) less the payload's DragFormOffset, and shown or hidden.
    void MoveDragForm(int32_t x, int32_t y, bool visible);
    const std::shared_ptr<TDragTabObject>& ActiveDragTabObject() const { return FActiveDragTabObject; }
    // Every strip of the program, for finding the one under a dragged tab.
    static const std::vector<TCustomSlantTabs*>& LiveStrips();

    TSlantTabEvent OnActiveTabChanged;
    TActiveTabChangingEvent OnActiveTabChanging;
    TChangeEvent OnChange;
    TButtonAddClickEvent OnButtonAddClick;
    TButtonCloseTabClickEvent OnButtonCloseTabClick;
    TDebugLogEvent OnDebugLog;
    TStateChangeEvent OnStateChange;
    TBeforeDrawItemEvent OnBeforeDrawItem;
    TAfterDrawItemEvent OnAfterDrawItem;
    TGetControlPolygonsEvent OnGetControlPolygons;
    TShowHintEvent OnShowHint;
    TSlantTabEvent OnTabDblClick;
    TTabDragStartEvent OnTabDragStart;
    TTabDragOverEvent OnTabDragOver;
    TTabDragDropEvent OnTabDragDrop;
    TTabDragDroppedEvent OnTabDragDropped;
    TTabDragEndEvent OnTabDragEnd;
    TNeedDragImageControlEvent OnNeedDragImageControl;
    TCreateDragFormEvent OnCreateDragForm;
    TStripEvent OnAfterDragImageCreated;
    TStripEvent OnScroll;
    TStripEvent OnScrollWidthChanged;
    TAnimateStyleEvent OnAnimateStyle;
    TAnimateMovementEvent OnAnimateMovement;
    TSetTabWidthEvent OnSetTabWidth;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void WMContextMenu(TMessage& message) override;
    void CMHintShow(TMessage& message) override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    virtual void DoActiveTabChanged(TSlantTab* tab);
    virtual void DoButtonCloseTabClick(TSlantTab* tab, bool& close);
    virtual void DoButtonAddClick();
    virtual void DoStateChange(TSlantTabStates previous, TSlantTabStates current);
    virtual void DoShowHint(const THitTestResult& hit, String& hintText, int32_t& hintTimeout);
    virtual void DoTabDblClick(TSlantTab* tab);
    virtual void DoBeginTabDrag(TSlantTab* tab, bool& allow);
    virtual void DoMouseLeave();
    virtual void DoTabDragStart(TSlantTab* tab, bool& allow);
    virtual void DoTabDragOver(int32_t x, int32_t y, TDragState state, const std::shared_ptr<TDragTabObject>& dragTabObject, bool& accept);
    virtual void DoTabDragDrop(int32_t x, int32_t y, const std::shared_ptr<TDragTabObject>& dragTabObject, bool cancelled,
        TTabDropOptions& tabDropOptions);
    virtual void DoTabDragEnd(int32_t mouseX, int32_t mouseY, bool cancelled);
    virtual void DoTabDragDropped(const std::shared_ptr<TDragTabObject>& dragTabObject, TSlantTab* newTab);
    virtual void DoScroll();
    virtual void DoScrollWidthChanged();
    virtual void DoAnimateStyle(TBaseSlantTabsControl& control, TDrawState newDrawState, uint32_t& animationTimeMS, TSlantTabsEaseType& easeType);
    virtual void DoAnimateMovement(TBaseSlantTabsControl& control, uint32_t& animationTimeMS, TSlantTabsEaseType& easeType);
    virtual void DoSetTabWidth(TSlantTabControl& tabControl, int32_t& tabWidth);
    virtual void ShowTabMenu(TComponent* sender, TPoint mousePos);
    virtual void TabMenuItemClick(TMenuItem* sender);
    virtual void DoNeedDragImageControl(TSlantTab* tab, TWinControl*& dragControl);
    virtual void DoCreateDragForm(TSlantTab* tab, std::unique_ptr<TForm>& dragForm);
    virtual void DoAfterDragImageCreated();
    // The picture of tab for a drag outside every strip, as the drag options
    // ask for; null for none (the cursor alone shows the drag).
    virtual std::unique_ptr<TForm> CreateDragForm(TSlantTab* tab);
    // Whether a tab dragged over the point (x, y) may be dropped here.
    virtual bool InsideDropArea(int32_t x, int32_t y);

    // A second drag-start hook for derived strips, asked before the drag begins.
    TTabDragStartEvent FOnBeginTabDrag;

private:
    // Keeps a reference to an image list that is cleared when the list goes.
    void Follow(TImageList*& field, TImageList* images);
    void ApplyTimerIntervals();
    void InvalidateAllControls();
    void RefreshTabDrawStates();
    void ClearTabDeletionStates();
    void SetControlDrawState(TBaseSlantTabsControl& control, TDrawState newState, bool forceUpdate);
    void SetMovementAnimation(TSlantTabsMovementAnimationTypes* types);
    void SetControlPosition(TBaseSlantTabsControl& control, const TRect& rect, bool animate);
    int32_t LastVisibleTabIndexUpTo(int32_t index) const;
    int32_t VisibleTabCount(bool includeMarked) const;
    bool ScrollButtonVisible() const;
    bool TabsExceedWidth() const;
    int32_t BidiXPos(int32_t x) const { return IsRightToLeft(FBiDiMode) ? ClientWidth() - x : x; }
    void CalculateAdjustedTabWidth();
    int32_t ClampedContentTabWidth(TSlantTabControl& tabControl);
    void PositionTabs(int32_t& x, int32_t tabWidth, int32_t endSpace, bool pinned);
    void PositionTabsAfterDelete(int32_t& x);
    void AdjustScrollOffsetToWidth(bool force);
    void ClampScrollOffset();
    void ScrollTimerTick();
    void SmartResizeTimerTick();
    void SetTabClipRegion(TGPGraphics& canvas);
    bool DrawActiveTabInPlace() const;
    bool DragFromHere() const { return FDragTabObject != nullptr; }
    void DragBetweenStrips(int32_t x, int32_t y);
    // The drop itself: the options, the dock's and this strip's share of it.
    void DropDraggedTab(const std::shared_ptr<TDragTabObject>& drag, int32_t mouseX, int32_t mouseY, bool cancelled, TTabDropOptions& options);
    void DrawDragTab(TSlantTabControl& control, TGPGraphics& graphics, int32_t top, int32_t width);
    void DrawDragFrame(TGPGraphics& graphics, const TBitmap& picture, int32_t controlTop, int32_t controlHeight, int32_t gap);

    std::unique_ptr<TSlantTabsLookAndFeel> FLookAndFeel;
    std::unique_ptr<TOptions> FOptions;
    std::unique_ptr<TSlantTabsList> FTabs;
    std::unique_ptr<TAddButtonControl> FAddButtonControl;
    std::unique_ptr<TScrollButtonLeftControl> FScrollButtonLeftControl;
    std::unique_ptr<TScrollButtonRightControl> FScrollButtonRightControl;
    std::unique_ptr<TThreadTimer> FAnimateTimer;
    std::unique_ptr<TTimer> FScrollTimer;
    std::unique_ptr<TTimer> FCancelTabSmartResizeTimer;
    std::shared_ptr<TDragTabObject> FDragTabObject;
    std::shared_ptr<TDragTabObject> FActiveDragTabObject;
    std::unique_ptr<TSlantTabControl> FOwnDragTabControl;
    TSlantTabControl* FDragTabControl = nullptr;
    bool FDragCancelled = false;
    TBitmap FCanvasBmp;
    TBitmap FBackgroundBmp;
    TImageList* FImages = nullptr;
    TImageList* FImagesOverlay = nullptr;
    TImageList* FImagesSpinnerUpload = nullptr;
    TImageList* FImagesSpinnerDownload = nullptr;
    TBiDiMode FBiDiMode = bdLeftToRight;
    int32_t FUpdateCount = 0;
    int32_t FPausedUpdateCount = 0;
    TSlantTabStates FState;
    int32_t FAdjustedTabWidth = 0;
    int32_t FScrollWidth = 0;
    int32_t FPreviousScrollWidth = 0;
    int32_t FLastMouseX = -1;
    int32_t FLastMouseY = -1;
    TRect FClosedTabRect;
    int32_t FClosedTabIndex = -1;
    bool FInvalidatingControls = false;
    int32_t FTabEndSpace = 0;
    int32_t FScrollOffset = 0;
    TRect FTabContainerRect;
    TScrollDirection FScrollDirection = mdsNone;
    int32_t FLastClientWidth = 0;
    THitTestResult FLastHitTestResult;
    TSlantTabsEaseType FMovementEaseType = ttNone;
    uint32_t FMovementAnimationTime = 0;
    int32_t FMaxAddButtonRight = 0;
    // The end of scrolling the scroll buttons' look was last set for.
    int32_t FDrawStatesMaxScrollOffset = 0;
    uint32_t FNextModifiedGlowAnimateTickCount = 0;
    uint32_t FNextSpinnerAnimateTickCount = 0;
    bool FControlConstructed = false;
    TMouseButton FMouseButton = mbLeft;
    THitTestResult FMouseDownHitTest;
    TPoint FMouseDownPoint;
};

class TSlantTabs final : public TCustomSlantTabs {
public:
    using TCustomSlantTabs::TCustomSlantTabs;
};
