#pragma once

#include "model/CourseCollection.h"

#include <QString>

#include <vector>

// The course lists the sort is measured on: names and priorities both
// ascending, both descending, or random with many ties (ten priorities, a
// few hundred names with umlauts, blanks and twins), or cycling through
// about √count keys, the most turning work for the sort's equal keys, or
// all of one name with random priorities.
enum class SortListKind
{
    Ascending,
    Descending,
    RandomTies,
    Cycling,
    EqualNames,
};

QString SortListKindName(SortListKind kind);
CourseCollection SortList(SortListKind kind, int count);
