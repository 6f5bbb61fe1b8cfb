#pragma once

#include "model/CourseCollection.h"
#include "search/Distribution.h"

#include <vector>

// A course as the search reads it; the search never changes a course.
struct SearchCourse
{
    qint32 priority = 0;
    CellMask offered = 0;
    bool visitAll = false;
};

std::vector<SearchCourse> SearchCoursesOf(const CourseCollection& courses);

// The first index from `index` on from which every course's max(P, 0) is at
// least every later priority: from there the cut never hides a distribution
// that could still be recorded. `courses` must not be empty.
int OrderedFrom(const std::vector<SearchCourse>& courses, int index);
