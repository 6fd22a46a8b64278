#pragma once

#include "platform/core/Strings.h"

#include <functional>
#include <vector>

class TDudStringGrid;

// One Name=Value entry of a grid's visual-properties file. Read parses the
// text at once (EConvertError when it is not a value of the entry) and
// returns the change, so that a file is checked whole before the grid
// changes.
struct TVisualProp {
    using TApply = std::function<void(TDudStringGrid&)>;

    String Name;
    std::function<String(TDudStringGrid&)> Write;
    std::function<TApply(const String&)> Read;
};

// The entries in the order they are written and applied.
const std::vector<TVisualProp>& VisualProps();
