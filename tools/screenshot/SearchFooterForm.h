#pragma once

#include "platform/ui/Forms.h"

class TDudColumnGrid;

// A column grid with its search footer shown and the focus helper on, so
// that editing a cell lays the translucent frame around it.
class TSearchFooterForm : public TForm {
public:
    explicit TSearchFooterForm(TComponent* owner);

    // Types a search text and starts editing the current cell.
    void SearchAndEdit();

private:
    TDudColumnGrid* FGrid = nullptr;
};
