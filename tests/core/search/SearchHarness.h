#pragma once

#include "model/CourseCollection.h"
#include "search/Distribution.h"
#include "search/FreeCellTable.h"

#include <QString>

#include <vector>

// One call of FindDistribution: its inputs beyond the courses, and what
// it gives back.
struct SearchCall
{
    qint32 valueSoFar = 0;
    qint32 bestValue = 0;
    qint16 index = 0;
    qint16 wantedRank = 0;
    qint16 foundCount = 0;
    CellMask taken = 0;        // cells not free when the call starts
    Distribution placedBefore; // entries before index; empty: none placed
};

struct SearchOutcome
{
    Distribution result;
    qint32 bestValue = 0;
    qint16 foundCount = 0;
    // The contract around the results: cells and working entries restored.
    bool freeCellsRestored = false;
    bool workingRestored = false;

    bool operator==(const SearchOutcome&) const = default;
};

// Runs Search (DistributionSearch or ReferenceSearch) once on fresh
// distributions sized to the courses.
template <typename Search>
SearchOutcome RunSearch(const CourseCollection& courses, const SearchCall& call)
{
    FreeCellTable freeCells;
    for (int day = 0; day < DayCount; ++day) {
        for (int slot = 0; slot < SlotCount; ++slot)
            freeCells.SetFree(day, slot, (call.taken & CellOf(day, slot)) == 0);
    }
    Distribution working(courses.Count(), 0);
    std::copy(call.placedBefore.begin(), call.placedBefore.end(), working.begin());
    const Distribution workingBefore = working;
    SearchOutcome outcome;
    outcome.result.assign(courses.Count(), 0);
    outcome.bestValue = call.bestValue;
    outcome.foundCount = call.foundCount;
    Search search(courses, freeCells);
    search.FindDistribution(working, outcome.result, call.valueSoFar, outcome.bestValue, call.index,
                            call.wantedRank, outcome.foundCount);
    outcome.freeCellsRestored = freeCells.Mask() == (AllCells & ~call.taken);
    outcome.workingRestored = working == workingBefore;
    return outcome;
}

// The courses and the call, readable enough to rebuild a failing case.
QString Describe(const CourseCollection& courses, const SearchCall& call);
QString Describe(const SearchOutcome& outcome);
