#include "SearchHarness.h"

#include "search/Distribution.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Cells(CellMask cells)
{
    QStringList positions;
    for (const int position : PositionsOf(cells))
        positions << QString::number(position);
    return positions.isEmpty() ? u"-"_s : positions.join(u'+');
}

} // namespace

QString Describe(const CourseCollection& courses, const SearchCall& call)
{
    QString text;
    for (const Termin& course : courses)
        text += u"  priority %1 visitAll %2 times \"%3\"\n"_s.arg(course.Priority)
                    .arg(course.VisitAll)
                    .arg(course.Times);
    QStringList before;
    for (const CellMask cells : call.placedBefore)
        before << Cells(cells);
    text += u"  valueSoFar %1 bestValue %2 index %3 wantedRank %4 foundCount %5 taken %6 "
            u"placedBefore [%7]"_s.arg(call.valueSoFar)
                .arg(call.bestValue)
                .arg(call.index)
                .arg(call.wantedRank)
                .arg(call.foundCount)
                .arg(Cells(call.taken), before.join(u' '));
    return text;
}

QString Describe(const SearchOutcome& outcome)
{
    QStringList result;
    for (const CellMask cells : outcome.result)
        result << Cells(cells);
    return u"bestValue %1 foundCount %2 result [%3] cells restored %4 working restored %5"_s
        .arg(outcome.bestValue)
        .arg(outcome.foundCount)
        .arg(result.join(u' '))
        .arg(outcome.freeCellsRestored)
        .arg(outcome.workingRestored);
}
