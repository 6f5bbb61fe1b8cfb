#include "SortLists.h"

#include <algorithm>
#include <cmath>
#include <random>

using namespace Qt::Literals::StringLiterals;

QString SortListKindName(SortListKind kind)
{
    switch (kind) {
    case SortListKind::Ascending:
        return u"asc"_s;
    case SortListKind::Descending:
        return u"desc"_s;
    case SortListKind::RandomTies:
        return u"random"_s;
    case SortListKind::Cycling:
        return u"cycling"_s;
    case SortListKind::EqualNames:
        break;
    }
    return u"equal names"_s;
}

CourseCollection SortList(SortListKind kind, int count)
{
    std::mt19937 random(4711);
    const QString prefixes[] = {u"Übung "_s, u"Analysis "_s, u" Seminar "_s, u"Ägyptologie "_s,
                                u"analysis "_s};
    const int keys = std::max(1, int(std::sqrt(count)));
    CourseCollection courses;
    for (int i = 0; i < count; ++i) {
        Termin& course = courses.Append();
        if (kind == SortListKind::Cycling) {
            course.Caption = u"Kurs %1"_s.arg(i % keys, 3, 10, QChar(u'0'));
            course.Priority = qint16(keys - i % keys);
        } else if (kind == SortListKind::EqualNames) {
            course.Caption = u"Lehrveranstaltung"_s;
            course.Priority = qint16(random() % 10);
        } else if (kind == SortListKind::RandomTies) {
            const int name = int(random() % 300);
            course.Caption = prefixes[name % 5] + QString::number(name);
            course.Priority = qint16(random() % 10);
        } else {
            const int rank = kind == SortListKind::Ascending ? i : count - 1 - i;
            course.Caption = u"Lehrveranstaltung %1"_s.arg(rank, 5, 10, QChar(u'0'));
            course.Priority = qint16(rank - 16384);
        }
        course.Times = u"10000100001000010000"_s;
        course.Info = u"Raum %1"_s.arg(i % 40);
        course.Color = i * 517 % 16777216;
    }
    return courses;
}
