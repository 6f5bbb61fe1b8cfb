#pragma once

#include "search/Distribution.h"

#include <array>

// Gives cells to items that may each take one cell of their own, moving
// earlier items along augmenting paths to make room, so that an item is
// refused only when no assignment can hold it together with the others.
class CellMatching
{
public:
    // `allowed` is the set of cells the item may take.
    bool TryAdd(CellMask allowed);
    CellMask Taken() const { return taken_; }

private:
    CellMask taken_ = 0;
    // The allowed cells of the item that holds each taken cell.
    std::array<CellMask, CellCount> holderAllows_{};
};
