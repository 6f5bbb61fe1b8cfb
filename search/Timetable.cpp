#include "search/Timetable.h"

Timetable MakeTimetable(const CourseCollection& courses, const Distribution& distribution,
                        qint32 value)
{
    Timetable timetable{.value = value, .placed = {}, .leftOut = {}};
    for (int i = 0; i < courses.Count(); ++i) {
        const Termin& course = courses[i];
        const CellMask cells = i < int(distribution.size()) ? distribution[i] : 0;
        if (cells == 0)
            timetable.leftOut.append(course.Caption);
        else
            timetable.placed.push_back({course.Caption, course.Color, course.Info, cells});
    }
    return timetable;
}
