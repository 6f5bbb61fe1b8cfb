#include "search/SearchInputs.h"

bool SearchInputs::Refresh(const CourseCollection& collection)
{
    const std::size_t count = std::size_t(collection.Count());
    bool same = count == courses_.size();
    courses_.resize(count);
    times_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Termin& course = collection[int(i)];
        SearchCourse& kept = courses_[i];
        if (course.Times.constData() != times_[i].constData() ||
            course.Times.size() != times_[i].size()) {
            times_[i] = course.Times;
            const CellMask offered = OfferedCells(course);
            same = same && offered == kept.offered;
            kept.offered = offered;
        }
        same = same && course.Priority == kept.priority && course.VisitAll == kept.visitAll;
        kept.priority = course.Priority;
        kept.visitAll = course.VisitAll;
    }
    return same;
}
