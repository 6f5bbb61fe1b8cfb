#include "export/LecturePeriod.h"

namespace {

constexpr int LectureWeeks = 14;

} // namespace

LecturePeriod ProposedPeriod(const QDate& today)
{
    const QDate monday = today.addDays(8 - today.dayOfWeek());
    return {monday, monday.addDays(7 * (LectureWeeks - 1) + 4)};
}

std::optional<WeekdayRun> WeekdayRunIn(const LecturePeriod& period, int dayOfWeek)
{
    if (!period.IsValid())
        return std::nullopt;
    const QDate first = period.first.addDays((dayOfWeek - period.first.dayOfWeek() + 7) % 7);
    const QDate last = period.last.addDays(-((period.last.dayOfWeek() - dayOfWeek + 7) % 7));
    if (first > last)
        return std::nullopt;
    return WeekdayRun{first, last};
}
