#pragma once

#include "model/CourseCollection.h"
#include "search/Distribution.h"
#include "search/FreeCellTable.h"
#include "search/SearchCourse.h"

// The search for the best distribution of the courses onto the week, over
// the window's collection and free cells. Each call reads the courses afresh
// and keeps nothing, so no edit between two clicks can bring back an old
// answer.
class DistributionSearch
{
public:
    DistributionSearch(const CourseCollection& courses, const FreeCellTable& freeCells);

    // Gives exactly what the depth-first enumeration gives that decides the
    // courses from `index` on in collection order (offered cells ascending,
    // then leaving out; for VisitAll all cells, then leaving out), skips a
    // course when valueSoFar + (n - index) * max(P, 0) < bestValue, and at
    // each complete distribution of value v takes it as `result` if v beats
    // bestValue (which resets foundCount), and counts it as `result` if v
    // equals bestValue while foundCount < wantedRank.
    //
    // `working` must hold one entry per course, those from `index` on empty;
    // entries before `index` go into `result` as they are. `working` and the
    // free cells are left as they were. An index outside the collection or a
    // working distribution of another size raises error 5; a valueSoFar
    // whose sums could leave 32 bits raises error 6.
    void FindDistribution(Distribution& working, Distribution& result, qint32 valueSoFar,
                          qint32& bestValue, qint16 index, qint16 wantedRank, qint16& foundCount);

private:
    const CourseCollection& courses_;
    const FreeCellTable& freeCells_;
};

// The same search over courses already read, on the cells `free`, without
// the checks of the arguments: for callers that keep the courses read.
void FindDistributionAmong(const std::vector<SearchCourse>& courses, CellMask free,
                           Distribution& working, Distribution& result, qint32 valueSoFar,
                           qint32& bestValue, qint16 index, qint16 wantedRank, qint16& foundCount);
