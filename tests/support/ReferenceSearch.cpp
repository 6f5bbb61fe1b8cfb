#include "support/ReferenceSearch.h"

#include <algorithm>
#include <bit>

ReferenceSearch::ReferenceSearch(const CourseCollection& courses, FreeCellTable& freeCells)
    : courses_(courses), freeCells_(freeCells)
{
    // Times read as it stands: "1" is offered, anything else and every
    // position past the end is not.
    for (const Termin& course : courses) {
        offered_.push_back(0);
        for (int p = 1; p <= 20 && p <= course.Times.size(); ++p)
            offered_.back() |= course.Times[p - 1] == u'1' ? CellAtPosition(p) : 0;
    }
}

void ReferenceSearch::FindDistribution(Distribution& working, Distribution& result,
                                       qint32 valueSoFar, qint32& bestValue, qint16 index,
                                       qint16 wantedRank, qint16& foundCount)
{
    if (deadline_ && (++calls_ & 0xFFFF) == 0 && std::chrono::steady_clock::now() > *deadline_)
        throw TimedOut();
    const qint32 n = courses_.Count();
    const qint32 priority = courses_[index].Priority;
    const bool last = index == n - 1;
    // The cut, with negative priorities counted as 0.
    if (valueSoFar + (n - index) * std::max(priority, 0) < bestValue)
        return;

    // The next course; after the last one, recording the complete distribution.
    const auto next = [&](qint32 value) {
        if (!last) {
            FindDistribution(working, result, value, bestValue, qint16(index + 1), wantedRank,
                             foundCount);
            return;
        }
        if (value > bestValue) {
            result = working;
            bestValue = value;
            foundCount = 0;
        }
        if (value == bestValue && foundCount < wantedRank) {
            result = working;
            foundCount = qint16(foundCount + 1);
        }
    };
    const auto isFree = [&](int p) { return freeCells_.IsFree((p - 1) / 4, (p - 1) % 4); };
    const auto setFree = [&](CellMask cells, bool free) {
        for (; cells != 0; cells &= cells - 1) {
            const int p = std::countr_zero(cells) + 1;
            freeCells_.SetFree((p - 1) / 4, (p - 1) % 4, free);
        }
    };
    const auto placed = [&](CellMask cells) {
        working[index] = cells;
        setFree(last ? 0 : cells, false);
        next(valueSoFar + priority);
        setFree(last ? 0 : cells, true);
        working[index] = 0;
    };

    const CellMask offered = offered_[index];
    if (courses_[index].VisitAll) {
        // Placed on all its cells if none is taken, then its entry emptied.
        bool conflict = false;
        for (int position = 1; position <= 20 && !conflict; ++position)
            conflict = (offered & CellAtPosition(position)) != 0 && !isFree(position);
        if (!conflict)
            placed(offered);
        working[index] = 0;
    } else {
        // One free offered cell after the other.
        for (int position = 1; position <= 20; ++position) {
            if ((offered & CellAtPosition(position)) != 0 && isFree(position))
                placed(CellAtPosition(position));
        }
    }
    // Left out.
    next(valueSoFar);
}
