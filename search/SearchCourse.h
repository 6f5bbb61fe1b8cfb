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
