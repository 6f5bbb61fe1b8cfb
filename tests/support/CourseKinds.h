#pragma once

#include "model/CourseCollection.h"

#include <QString>

#include <random>
#include <vector>

// The kinds of course lists the search is measured and checked on.
enum class CourseKind
{
    Typical,     // priorities 1-10, 1-4 offered cells, some VisitAll
    Equal,       // all priority 1, 2-5 cells
    Crowded,     // all within the same 6 cells
    Wide,        // 8-12 cells each
    Negative,    // as typical, a fifth of the priorities below 0
    AllVisitAll, // as typical, every course VisitAll, some without a cell
};

inline const std::vector<CourseKind>& AllCourseKinds()
{
    static const std::vector<CourseKind> kinds{CourseKind::Typical,  CourseKind::Equal,
                                               CourseKind::Crowded,  CourseKind::Wide,
                                               CourseKind::Negative, CourseKind::AllVisitAll};
    return kinds;
}

inline QString KindName(CourseKind kind)
{
    static const char16_t* const names[] = {u"typical", u"equal",    u"crowded",
                                            u"wide",    u"negative", u"allVisitAll"};
    return QString::fromUtf16(names[int(kind)]);
}

CourseCollection RandomCourses(CourseKind kind, int count, std::mt19937& random);
