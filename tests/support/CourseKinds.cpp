#include "support/CourseKinds.h"

#include <algorithm>
#include <numeric>

CourseCollection RandomCourses(CourseKind kind, int count, std::mt19937& random)
{
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto chance = [&] { return std::bernoulli_distribution(0.2)(random); };
    std::vector<int> week(20);
    std::iota(week.begin(), week.end(), 0);
    std::vector<int> crowd = week;
    std::shuffle(crowd.begin(), crowd.end(), random);
    crowd.resize(6);

    CourseCollection courses;
    for (int i = 0; i < count; ++i) {
        Termin& course = courses.Append();
        course.Priority = qint16(uniform(1, 10));
        course.VisitAll = chance();
        int offered = uniform(1, 4);
        std::vector<int> cells = kind == CourseKind::Crowded ? crowd : week;
        if (kind == CourseKind::Equal) {
            course.Priority = 1;
            course.VisitAll = false;
            offered = uniform(2, 5);
        } else if (kind == CourseKind::Crowded) {
            offered = uniform(1, 3);
        } else if (kind == CourseKind::Wide) {
            offered = uniform(8, 12);
        } else if (kind == CourseKind::Negative && chance()) {
            course.Priority = qint16(-uniform(1, 10));
        } else if (kind == CourseKind::AllVisitAll) {
            course.VisitAll = true;
            offered = uniform(0, 4);
        }
        std::shuffle(cells.begin(), cells.end(), random);
        for (int k = 0; k < offered; ++k)
            course.Times[cells[k]] = u'1';
    }
    return courses;
}
