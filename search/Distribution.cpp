#include "search/Distribution.h"

#include <algorithm>
#include <bit>

CellMask OfferedCells(const Termin& course)
{
    CellMask cells = 0;
    const qsizetype length = std::min<qsizetype>(course.Times.size(), CellCount);
    for (qsizetype i = 0; i < length; ++i) {
        if (course.Times[i] == u'1')
            cells |= CellMask(1) << i;
    }
    return cells;
}

std::vector<int> PositionsOf(CellMask cells)
{
    std::vector<int> positions;
    for (; cells != 0; cells &= cells - 1)
        positions.push_back(std::countr_zero(cells) + 1);
    return positions;
}
