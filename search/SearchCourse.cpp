#include "search/SearchCourse.h"

#include <algorithm>

std::vector<SearchCourse> SearchCoursesOf(const CourseCollection& courses)
{
    std::vector<SearchCourse> result;
    result.reserve(courses.Count());
    for (const Termin& course : courses)
        result.push_back({course.Priority, OfferedCells(course), course.VisitAll});
    return result;
}

int OrderedFrom(const std::vector<SearchCourse>& courses, int index)
{
    int ordered = int(courses.size()) - 1;
    qint32 laterHighest = courses.back().priority;
    for (int i = ordered - 1; i >= index; --i) {
        if (std::max(courses[i].priority, 0) < laterHighest)
            break;
        ordered = i;
        laterHighest = std::max(laterHighest, courses[i].priority);
    }
    return ordered;
}
