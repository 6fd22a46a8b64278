#pragma once

class TComponent;
class TWinControl;

// Points a button's focus-control field at control. The free-notification
// link between two components is shared, so the link with the old control
// stays while that control is itself a button naming this one: otherwise the
// old control would keep a pointer to this one after it is freed.
void SetLinkedFocusControl(TWinControl* button, TWinControl*& field, TWinControl* control);
