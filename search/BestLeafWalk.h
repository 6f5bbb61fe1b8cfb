#pragma once

#include "search/BestValueOracle.h"

// Goes through the complete distributions below a node that reach the best
// value the node allows, in enumeration order, entering only branches the
// oracle says still reach it: each branch entered holds at least one.
class BestLeafWalk
{
public:
    BestLeafWalk(const std::vector<SearchCourse>& courses, BestValueOracle& oracle);

    // Counts up to `wanted` (at least 1) of them below (from, free), where
    // `best` is the oracle's best value there. The placements of the last
    // one counted go to entries from .. n - 1 of `last`. Returns the count.
    int Walk(int from, CellMask free, qint64 best, int wanted, Distribution& last);

private:
    bool Visit(int index, CellMask free, qint64 still);
    bool Child(int index, CellMask placed, CellMask freeAfter, qint64 stillAfter);

    const std::vector<SearchCourse>& courses_;
    BestValueOracle& oracle_;
    Distribution path_;
    Distribution* last_ = nullptr;
    int from_ = 0;
    int wanted_ = 0;
    int counted_ = 0;
};
