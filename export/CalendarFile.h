#pragma once

#include "export/LecturePeriod.h"
#include "search/Timetable.h"

#include <QByteArray>
#include <QDateTime>

// The timetable as an iCalendar file (RFC 5545): each placed course's slots
// of one day, adjacent ones joined, as one event repeating weekly from the
// first such weekday in the period to the last. An event's UID follows from
// the course's name, the day and the slots, so that importing the timetable
// again updates the events instead of doubling them.
//
// zoneId names the computer's time zone (IANA, "Europe/Berlin"): the times
// are local times of that zone, which the file describes. Where it is empty
// or unknown, the times are floating: the slots' hours wherever the reader is.
// A period in which no placed course meets raises the reason in German.
QByteArray CalendarFile(const Timetable& timetable, const LecturePeriod& period,
                        const QByteArray& zoneId,
                        const QDateTime& stamp = QDateTime::currentDateTimeUtc());

// The RFC 7986 colour name (a CSS3 colour keyword) nearest to a course's
// colour, packed 0x00BBGGRR.
QString CssColorName(qint32 packed);
