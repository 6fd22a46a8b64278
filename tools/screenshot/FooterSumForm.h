#pragma once

#include "platform/ui/Forms.h"

class TDudColumnGrid;

// A column grid whose floating footer sums the Amount column, with the
// Insert and Delete keys adding and removing rows, for people to try.
class TFooterSumForm : public TForm {
public:
    explicit TFooterSumForm(TComponent* owner);

    // Puts the cursor in the Amount column so the keys act at once.
    void FocusAmounts();

private:
    TDudColumnGrid* FGrid = nullptr;
};
