#pragma once

#include "search/Distribution.h"

// Which cells of the week are still free in the branch being explored,
// indexed by day (0 = Montag) and slot (0 = 09-11 Uhr). A new table has
// every cell free. Day or slot out of range raises error 5.
class FreeCellTable
{
public:
    bool IsFree(int day, int slot) const;
    void SetFree(int day, int slot, bool free);
    void MarkAllFree() { free_ = AllCells; }

    // The free cells as bits, in the numbering of Distribution.
    CellMask Mask() const { return free_; }

private:
    CellMask free_ = AllCells;
};
