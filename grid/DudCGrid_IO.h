#pragma once

#include "grid/DudCGrid.h"
#include "platform/core/Component.h"

#include <memory>

// The carrier of a column stream: its items belong to the grid, so a setting
// read into item i acts on column i of the grid as the grid's own item would.
class TDudColumnGridIO : public TComponent {
public:
    explicit TDudColumnGridIO(TDudColumnGrid& owner);
    ~TDudColumnGridIO() override;

    TGridColumnCollection& Items() { return *FItems; }

private:
    std::unique_ptr<TGridColumnCollection> FItems;
};
