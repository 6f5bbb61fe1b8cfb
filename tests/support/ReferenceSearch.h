#pragma once

#include "model/CourseCollection.h"
#include "search/Distribution.h"
#include "search/FreeCellTable.h"

#include <chrono>
#include <optional>
#include <vector>

// The plain enumeration step by step, one call per course, with the cut
// valueSoFar + (n - index) * max(P, 0) < bestValue. Exhaustive, so fit for
// short lists only: the oracle the fast search is held against.
class ReferenceSearch
{
public:
    struct TimedOut : std::exception
    {
    };

    ReferenceSearch(const CourseCollection& courses, FreeCellTable& freeCells);

    // From then on a call that runs past the deadline throws TimedOut,
    // leaving the free cells and the working distribution as they were then.
    void SetDeadline(std::chrono::steady_clock::time_point deadline) { deadline_ = deadline; }

    void FindDistribution(Distribution& working, Distribution& result, qint32 valueSoFar,
                          qint32& bestValue, qint16 index, qint16 wantedRank, qint16& foundCount);

private:
    const CourseCollection& courses_;
    FreeCellTable& freeCells_;
    std::vector<CellMask> offered_; // bit p - 1 for position p
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    unsigned calls_ = 0;
};
