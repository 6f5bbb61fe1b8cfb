#include "CourseKinds.h"

#include <algorithm>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

int Uniform(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool Chance(std::mt19937& random, double probability)
{
    return std::bernoulli_distribution(probability)(random);
}

// `count` distinct cells out of `pool` as a Times text.
QString TimesAmong(const std::vector<int>& pool, int count, std::mt19937& random)
{
    std::vector<int> cells = pool;
    std::shuffle(cells.begin(), cells.end(), random);
    QString times(20, u'0');
    for (int k = 0; k < count && k < int(cells.size()); ++k)
        times[cells[k]] = u'1';
    return times;
}

} // namespace

const std::vector<CourseKind>& AllCourseKinds()
{
    static const std::vector<CourseKind> kinds{CourseKind::Typical,  CourseKind::Equal,
                                               CourseKind::Crowded,  CourseKind::Wide,
                                               CourseKind::Negative, CourseKind::AllVisitAll};
    return kinds;
}

QString KindName(CourseKind kind)
{
    switch (kind) {
    case CourseKind::Typical:
        return u"typical"_s;
    case CourseKind::Equal:
        return u"equal"_s;
    case CourseKind::Crowded:
        return u"crowded"_s;
    case CourseKind::Wide:
        return u"wide"_s;
    case CourseKind::Negative:
        return u"negative"_s;
    case CourseKind::AllVisitAll:
        return u"allVisitAll"_s;
    }
    return {};
}

CourseCollection RandomCourses(CourseKind kind, int count, std::mt19937& random)
{
    std::vector<int> week(20);
    std::iota(week.begin(), week.end(), 0);
    std::vector<int> crowd = week;
    std::shuffle(crowd.begin(), crowd.end(), random);
    crowd.resize(6);

    CourseCollection courses;
    for (int i = 0; i < count; ++i) {
        Termin& course = courses.Append();
        course.Caption = u"V%1"_s.arg(i + 1);
        course.Priority = qint16(Uniform(random, 1, 10));
        course.VisitAll = Chance(random, 0.2);
        int cells = Uniform(random, 1, 4);
        const std::vector<int>* pool = &week;
        switch (kind) {
        case CourseKind::Typical:
            break;
        case CourseKind::Equal:
            course.Priority = 1;
            course.VisitAll = false;
            cells = Uniform(random, 2, 5);
            break;
        case CourseKind::Crowded:
            pool = &crowd;
            cells = Uniform(random, 1, 3);
            break;
        case CourseKind::Wide:
            cells = Uniform(random, 8, 12);
            break;
        case CourseKind::Negative:
            if (Chance(random, 0.2))
                course.Priority = qint16(-Uniform(random, 1, 10));
            break;
        case CourseKind::AllVisitAll:
            course.VisitAll = true;
            cells = Uniform(random, 0, 4);
            break;
        }
        course.Times = TimesAmong(*pool, cells, random);
    }
    return courses;
}
