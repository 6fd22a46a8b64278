#include "grid/DudOder.h"

#include "grid/DudOder_EditLink.h"
#include "platform/ui/Menus.h"

// The components a grid refers to but does not own: image list, picture
// container, cell checker, header menu, edit link and the grid it keeps in
// step with. Each is watched for its end, so the grid never reaches one
// that is gone.

namespace {

// Stores value in field, watching the new component instead of the old.
template <class T>
bool Refer(TComponent& grid, T*& field, T* value)
{
    if (field == value)
        return false;
    if (field)
        field->RemoveFreeNotification(&grid);
    field = value;
    if (value)
        value->FreeNotification(&grid);
    return true;
}

} // namespace

void TDudStringGrid::SetFixedDropDownMenu(TPopupMenu* value) { Refer(*this, FFixedDropDownMenu, value); }

void TDudStringGrid::SetGridImages(TImageList* value)
{
    if (Refer(*this, FGridImages, value))
        Invalidate();
}

void TDudStringGrid::SetPictureContainer(TPictureContainer* value)
{
    if (Refer(*this, FPictureContainer, value))
        Invalidate();
}

void TDudStringGrid::SetCellChecker(ZEziZizuvoVovaZevaz* value) { Refer(*this, FCellChecker, value); }

void TDudStringGrid::SyncGridChanged(TDudStringGrid* old, TDudStringGrid* value)
{
    if (old)
        old->RemoveFreeNotification(this);
    if (value)
        value->FreeNotification(this);
}

void TDudStringGrid::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove) {
        if (component == FGridImages)
            FGridImages = nullptr;
        if (component == FPictureContainer)
            FPictureContainer = nullptr;
        if (component == FCellChecker)
            FCellChecker = nullptr;
        if (component == FFixedDropDownMenu)
            FFixedDropDownMenu = nullptr;
        if (component == FEditLink)
            FEditLink = nullptr;
        if ((ComponentState() & csDestroying) == 0 && FSyncGrid && component == FSyncGrid->Grid())
            FSyncGrid->SetGrid(nullptr);
    }
    TBaseGrid::Notification(component, operation);
}
