#include "search/SearchCourse.h"

std::vector<SearchCourse> SearchCoursesOf(const CourseCollection& courses)
{
    std::vector<SearchCourse> result;
    result.reserve(courses.Count());
    for (const Termin& course : courses)
        result.push_back({course.Priority, OfferedCells(course), course.VisitAll});
    return result;
}
