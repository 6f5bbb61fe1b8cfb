#pragma once

#include "search/Distribution.h"
#include "search/FreeCellTable.h"

// What one click of the search button computes: with every cell free and
// both distributions fresh, the search from the first course for
// distribution `wantedRank` of `bestValue` (rank 0 and value 0: the best).
// With no course there is nothing to place and the value stays as given.
struct SearchClick
{
    Distribution result;
    qint32 bestValue = 0;
    qint16 foundCount = 0;
};

template <typename Search>
SearchClick RunSearchClick(Search& search, FreeCellTable& freeCells, int courseCount,
                           qint32 bestValue, qint16 wantedRank)
{
    freeCells.MarkAllFree();
    Distribution working(courseCount);
    SearchClick click{Distribution(courseCount), bestValue, 0};
    if (courseCount > 0)
        search.FindDistribution(working, click.result, 0, click.bestValue, 0, wantedRank,
                                click.foundCount);
    return click;
}
