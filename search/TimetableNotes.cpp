#include "search/TimetableNotes.h"

#include "general/TextRoutines.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

// A tooltip stays on screen: with thousands of courses, the rest is counted.
constexpr qsizetype ListedNames = 15;

QString NameLines(const QStringList& names, qsizetype total)
{
    QString lines = names.join(u'\n');
    if (total > names.size())
        lines += u"\n… und %1 weitere"_s.arg(total - names.size());
    return lines;
}

QString CourseCount(qsizetype count)
{
    return count == 1 ? u"1 Veranstaltung"_s : u"%1 Veranstaltungen"_s.arg(count);
}

struct CappedNames
{
    QStringList names;
    qsizetype total = 0;

    void Add(const QString& name)
    {
        if (total++ < ListedNames)
            names.append(name);
    }
};

} // namespace

QString TimetableNotes::LeftOut(const Timetable& timetable)
{
    if (timetable.leftOut.isEmpty())
        return u"Alle Veranstaltungen sind eingeplant."_s;
    return u"Nicht eingeplant:\n"_s +
           NameLines(timetable.leftOut.first(std::min(ListedNames, timetable.leftOut.size())),
                     timetable.leftOut.size());
}

QString TimetableNotes::Summary(const Timetable& timetable)
{
    const QString placed = timetable.leftOut.isEmpty()
                               ? u"alle Veranstaltungen eingeplant"_s
                               : CourseCount(timetable.leftOut.size()) + u" nicht eingeplant"_s;
    return u"Wert: "_s + STD::NumberText(timetable.value) + u", "_s + placed;
}

std::array<QString, Week::PositionCount>
TimetableNotes::AlsoOffered(const CourseCollection& courses, const Distribution& distribution)
{
    std::array<CappedNames, Week::PositionCount> others;
    for (int i = 0; i < courses.Count(); ++i) {
        const CellMask placed = i < int(distribution.size()) ? distribution[i] : 0;
        for (const int position : PositionsOf(OfferedCells(courses[i]) & ~placed))
            others[position - 1].Add(courses[i].Caption);
    }
    std::array<QString, Week::PositionCount> notes;
    for (int p = 0; p < Week::PositionCount; ++p) {
        if (others[p].total > 0)
            notes[p] = u"Auch angeboten:\n"_s + NameLines(others[p].names, others[p].total);
    }
    return notes;
}
