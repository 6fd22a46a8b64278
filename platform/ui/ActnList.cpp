#include "platform/ui/ActnList.h"

#include <algorithm>

// ---- TBasicAction

TBasicAction::~TBasicAction()
{
    while (!FClients.empty())
        FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TControl* client)
{
    if (std::find(FClients.begin(), FClients.end(), client) == FClients.end())
        FClients.push_back(client);
}

void TBasicAction::UnRegisterChanges(TControl* client)
{
    std::erase(FClients, client);
}

void TBasicAction::Change()
{
    // A client may let go of the action while it follows a change.
    const std::vector<TControl*> clients = FClients;
    for (TControl* client : clients)
        if (std::find(FClients.begin(), FClients.end(), client) != FClients.end())
            client->ActionChange(this, false);
}

// ---- TContainedAction

TContainedAction::~TContainedAction()
{
    if (FActionList)
        FActionList->RemoveAction(this);
}

void TContainedAction::SetActionList(TActionList* actionList)
{
    if (actionList == FActionList)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    if (actionList)
        actionList->AddAction(this);
    Change();
}

int32_t TContainedAction::Index() const
{
    if (!FActionList)
        return -1;
    const auto& actions = FActionList->FActions;
    return static_cast<int32_t>(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

// ---- TCustomAction

bool TCustomAction::Execute()
{
    Update();
    return FEnabled && TContainedAction::Execute();
}

void TCustomAction::SetCaption(const String& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    Change();
}

void TCustomAction::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    Change();
}

void TCustomAction::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    Change();
}

void TCustomAction::SetHint(const String& hint)
{
    if (hint == FHint)
        return;
    FHint = hint;
    Change();
}

void TCustomAction::SetImageIndex(int32_t imageIndex)
{
    if (imageIndex == FImageIndex)
        return;
    FImageIndex = imageIndex;
    Change();
}

void TCustomAction::SetChecked(bool checked)
{
    if (checked == FChecked)
        return;
    FChecked = checked;
    Change();
}

// ---- TActionList

TActionList::TActionList(TComponent* owner) : TComponent(owner), FImages(*this, [this] { ImagesChanged(); }) { }

TActionList::~TActionList()
{
    for (TContainedAction* action : FActions)
        action->FActionList = nullptr;
}

// The controls of the actions may take their pictures from the list.
void TActionList::ImagesChanged()
{
    for (size_t index = 0; index < FActions.size(); ++index)
        FActions[index]->Change();
}

void TActionList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    FImages.Notification(component, operation);
}

TContainedAction* TActionList::Actions(int32_t index) const
{
    if (index < 0 || index >= ActionCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FActions[static_cast<size_t>(index)];
}

void TActionList::AddAction(TContainedAction* action)
{
    FActions.push_back(action);
    action->FActionList = this;
}

void TActionList::RemoveAction(TContainedAction* action)
{
    std::erase(FActions, action);
    action->FActionList = nullptr;
}
