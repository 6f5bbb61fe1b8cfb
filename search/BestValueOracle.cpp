#include "search/BestValueOracle.h"

#include <algorithm>

BestValueOracle::BestValueOracle(const std::vector<SearchCourse>& courses) : bound_(courses) {}

qint64 BestValueOracle::Best(int from, CellMask free)
{
    Bounds& bounds = BoundsOf(from, free);
    if (bounds.low < bounds.high) {
        qint64 best = bounds.low;
        Maximise(from, 0, free & bound_.UsefulCells(from), 0, bounds.high, best);
        bounds.low = bounds.high = best;
    }
    return bounds.low;
}

bool BestValueOracle::Reaches(int from, CellMask free, qint64 target)
{
    // Leaving every course out is always possible.
    if (target <= 0)
        return true;
    Bounds& bounds = BoundsOf(from, free);
    if (bounds.low >= target)
        return true;
    if (bounds.high < target)
        return false;
    const std::optional<qint64> reached =
        SearchAtLeast(from, 0, free & bound_.UsefulCells(from), 0, target);
    if (reached)
        bounds.low = *reached;
    else
        bounds.high = target - 1;
    return reached.has_value();
}

BestValueOracle::Bounds& BestValueOracle::BoundsOf(int from, CellMask free)
{
    if (from >= bound_.CourseCount())
        free = 0;
    free &= bound_.UsefulCells(from);
    const quint64 key = quint64(from) << CellCount | free;
    auto [entry, inserted] = known_.try_emplace(key);
    if (inserted && from < bound_.CourseCount()) {
        entry->second.low = bound_.WithoutSpread(from, free);
        entry->second.high = bound_.UpperBound(from, free, 0);
    }
    return entry->second;
}

int BestValueOracle::NextFitting(int from, int open, CellMask free) const
{
    const std::vector<int>& spread = bound_.Spread();
    while (open < int(spread.size()) &&
           (spread[open] < from || (bound_.Course(spread[open]).offered & ~free) != 0))
        ++open;
    return open;
}

std::optional<qint64> BestValueOracle::SearchAtLeast(int from, int open, CellMask free,
                                                     qint64 gained, qint64 target) const
{
    const qint64 without = gained + bound_.WithoutSpread(from, free);
    if (without >= target)
        return without;
    open = NextFitting(from, open, free);
    if (open == int(bound_.Spread().size()) ||
        gained + bound_.UpperBound(from, free, open) < target)
        return std::nullopt;
    const SearchCourse& course = bound_.Course(bound_.Spread()[open]);
    if (auto reached =
            SearchAtLeast(from, open + 1, free & ~course.offered, gained + course.priority, target))
        return reached;
    return SearchAtLeast(from, open + 1, free, gained, target);
}

void BestValueOracle::Maximise(int from, int open, CellMask free, qint64 gained, qint64 ceiling,
                               qint64& best) const
{
    best = std::max(best, gained + bound_.WithoutSpread(from, free));
    open = NextFitting(from, open, free);
    if (best >= ceiling || open == int(bound_.Spread().size()) ||
        gained + bound_.UpperBound(from, free, open) <= best)
        return;
    const SearchCourse& course = bound_.Course(bound_.Spread()[open]);
    Maximise(from, open + 1, free & ~course.offered, gained + course.priority, ceiling, best);
    Maximise(from, open + 1, free, gained, ceiling, best);
}
