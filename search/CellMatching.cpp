#include "search/CellMatching.h"

#include <bit>

bool CellMatching::TryAdd(CellMask allowed)
{
    if (const CellMask open = allowed & ~taken_) {
        const int cell = std::countr_zero(open);
        holderAllows_[cell] = allowed;
        taken_ |= CellMask(1) << cell;
        return true;
    }

    // Breadth first over taken cells: from[c] is the cell whose holder can
    // move to c, or -1 where the new item itself can take c.
    std::array<int, CellCount> from{};
    std::array<int, CellCount> queue{};
    int head = 0;
    int tail = 0;
    CellMask seen = allowed;
    for (CellMask rest = allowed; rest != 0; rest &= rest - 1) {
        const int cell = std::countr_zero(rest);
        from[cell] = -1;
        queue[tail++] = cell;
    }
    while (head < tail) {
        const int cell = queue[head++];
        const CellMask reach = holderAllows_[cell] & ~seen;
        seen |= reach;
        for (CellMask rest = reach; rest != 0; rest &= rest - 1) {
            int next = std::countr_zero(rest);
            from[next] = cell;
            if ((taken_ & (CellMask(1) << next)) != 0) {
                queue[tail++] = next;
                continue;
            }
            // Shift every holder on the path one step towards the open cell.
            taken_ |= CellMask(1) << next;
            while (from[next] >= 0) {
                holderAllows_[next] = holderAllows_[from[next]];
                next = from[next];
            }
            holderAllows_[next] = allowed;
            return true;
        }
    }
    return false;
}
