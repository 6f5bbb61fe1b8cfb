#include "search/FreeCellTable.h"

#include "general/StdError.h"

namespace {

CellMask CheckedCell(int day, int slot)
{
    if (day < 0 || day >= Week::DayCount || slot < 0 || slot >= Week::SlotCount)
        STD::Raise(STD::InvalidArgument);
    return CellOf(day, slot);
}

} // namespace

bool FreeCellTable::IsFree(int day, int slot) const
{
    return (free_ & CheckedCell(day, slot)) != 0;
}

void FreeCellTable::SetFree(int day, int slot, bool free)
{
    const CellMask cell = CheckedCell(day, slot);
    free_ = free ? free_ | cell : free_ & ~cell;
}
