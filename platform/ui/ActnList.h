#pragma once

#include "platform/graphics/ImageList.h"
#include "platform/ui/Controls.h"

#include <vector>

class TActionList;

// A command that controls run when they are clicked. Every control the
// action is assigned to is told of each change, so it can follow the
// action's properties.
class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* owner) : TComponent(owner) { }
    // Clears the action of every control that still refers to it.
    ~TBasicAction() override;

    // Runs OnExecute; false when there is none (or, for a custom action,
    // when it is disabled).
    virtual bool Execute();
    // Runs OnUpdate; false when there is none.
    virtual bool Update();
    // The control that runs the action, while it runs it.
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* component) { FActionComponent = component; }

    // The controls told of changes; a control registers when the action is
    // assigned to it and unregisters when it lets go of the action.
    void RegisterChanges(TControl* client);
    void UnRegisterChanges(TControl* client);

    // Tells every client control that the action changed.
    void Change();

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

private:
    TComponent* FActionComponent = nullptr;
    std::vector<TControl*> FClients;
};

// An action that may belong to an action list, which lends it its images.
class TContainedAction : public TBasicAction {
public:
    explicit TContainedAction(TComponent* owner) : TBasicAction(owner) { }
    ~TContainedAction() override;

    TActionList* ActionList() const { return FActionList; }
    void SetActionList(TActionList* actionList);
    // The position in the action list, -1 without one.
    int32_t Index() const;

private:
    friend class TActionList;
    TActionList* FActionList = nullptr;
};

// An action with the properties its controls take over.
class TCustomAction : public TContainedAction {
public:
    explicit TCustomAction(TComponent* owner) : TContainedAction(owner) { }

    bool Execute() override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    const String& Hint() const { return FHint; }
    void SetHint(const String& hint);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t imageIndex);
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);

private:
    String FCaption;
    bool FEnabled = true;
    bool FVisible = true;
    String FHint;
    int32_t FImageIndex = -1;
    bool FChecked = false;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
};

// Groups actions and gives them one image list. The actions stay owned by
// their own owners; the list only refers to them, and each side forgets the
// other when it is freed.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;

    // Not owned; freeing the image list clears it. Its changes, and setting
    // another, reach the actions' controls.
    TImageList* Images() const { return FImages.Images(); }
    void SetImages(TImageList* images) { FImages.SetImages(images); }

    int32_t ActionCount() const { return static_cast<int32_t>(FActions.size()); }
    TContainedAction* Actions(int32_t index) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TContainedAction;
    void AddAction(TContainedAction* action);
    void RemoveAction(TContainedAction* action);

    void ImagesChanged();

    std::vector<TContainedAction*> FActions;
    TImageListReference FImages;
};
