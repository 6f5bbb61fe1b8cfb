#pragma once

#include "search/RankedEnumeration.h"
#include "search/SearchClick.h"
#include "search/SearchInputs.h"

#include <optional>

// The search button's clicks over a collection. A click for the next rank of
// the value the last click was given goes on from where that click left the
// enumeration, as long as nothing the search reads has changed; any other
// click counts afresh. Every click gives what RunSearchClick gives.
class SearchSession
{
public:
    SearchClick Click(const CourseCollection& courses, qint32 bestValue, qint16 wantedRank);

private:
    SearchInputs inputs_;
    std::optional<RankedEnumeration> ranked_;
};
