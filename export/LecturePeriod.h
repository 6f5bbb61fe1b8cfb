#pragma once

#include <QDate>

#include <optional>

// The weeks of lectures that a calendar export repeats the timetable over,
// first and last day included.
struct LecturePeriod
{
    QDate first;
    QDate last;

    bool IsValid() const { return first.isValid() && last.isValid() && first <= last; }
};

// Fourteen weeks of lectures from the Monday after `today`: Monday of the
// first week to Friday of the last.
LecturePeriod ProposedPeriod(const QDate& today);

// The first and the last date in the period that fall on `dayOfWeek`
// (1 Monday .. 7 Sunday); none where the period holds no such day.
struct WeekdayRun
{
    QDate first;
    QDate last;
};
std::optional<WeekdayRun> WeekdayRunIn(const LecturePeriod& period, int dayOfWeek);
