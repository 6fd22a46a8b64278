#include "grid/base/FocusControlLink.h"

#include "grid/base/ZUZEdit.h"
#include "grid/base/zuzspin.h"

namespace {

const TWinControl* FocusControlOf(const TComponent* component)
{
    if (const auto* spin = dynamic_cast<const TZuzSpinButton*>(component))
        return spin->FocusControl();
    if (const auto* edit = dynamic_cast<const TZuzEditButton*>(component))
        return edit->FocusControl();
    return nullptr;
}

} // namespace

void SetLinkedFocusControl(TWinControl* button, TWinControl*& field, TWinControl* control)
{
    if (control == field)
        return;
    if (field && FocusControlOf(field) != button)
        button->RemoveFreeNotification(field);
    field = control;
    if (field)
        button->FreeNotification(field);
}
