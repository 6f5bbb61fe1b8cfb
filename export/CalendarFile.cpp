#include "export/CalendarFile.h"

#include "export/PackedColor.h"
#include "general/StdError.h"
#include "model/Week.h"

#include <QColor>
#include <QCryptographicHash>
#include <QTimeZone>

#include <libical/ical.h>

#include <limits>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// One course's meeting on one day: slots first..last, all its own.
struct Meeting
{
    const PlacedCourse* course;
    int day;
    int firstSlot;
    int lastSlot;
};

std::vector<Meeting> MeetingsOf(const PlacedCourse& course)
{
    std::vector<Meeting> meetings;
    for (int day = 0; day < Week::DayCount; ++day) {
        for (int slot = 0; slot < Week::SlotCount; ++slot) {
            if ((course.cells & CellOf(day, slot)) == 0)
                continue;
            if (!meetings.empty() && meetings.back().day == day &&
                meetings.back().lastSlot == slot - 1)
                meetings.back().lastSlot = slot;
            else
                meetings.push_back({&course, day, slot, slot});
        }
    }
    return meetings;
}

QByteArray Uid(const Meeting& meeting)
{
    const QString key = u"%1\n%2\n%3-%4"_s.arg(meeting.course->name)
                            .arg(meeting.day)
                            .arg(meeting.firstSlot)
                            .arg(meeting.lastSlot);
    return QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(32) +
           "@kalustra";
}

icaltimetype IcalTime(const QDateTime& time, bool utc)
{
    icaltimetype result = icaltime_null_time();
    result.year = time.date().year();
    result.month = time.date().month();
    result.day = time.date().day();
    result.hour = time.time().hour();
    result.minute = time.time().minute();
    result.second = time.time().second();
    if (utc)
        result.zone = icaltimezone_get_utc_timezone();
    return result;
}

// The time zone that the file names, or none: floating times.
struct Zone
{
    QByteArray id;
    QTimeZone qt;
    icaltimezone* ical = nullptr;

    bool Known() const { return ical != nullptr; }
};

Zone FindZone(const QByteArray& zoneId)
{
    if (zoneId.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(zoneId))
        return {};
    return {zoneId, QTimeZone(zoneId), icaltimezone_get_builtin_timezone(zoneId.constData())};
}

icalproperty* LocalTimeProperty(icalproperty* property, const Zone& zone)
{
    if (zone.Known())
        icalproperty_add_parameter(property, icalparameter_new_tzid(zone.id.constData()));
    return property;
}

// The zone's rules from the period's start on, under the zone's own name
// (libical's would carry its own prefix, which other readers do not know).
Component TimeZoneComponent(const Zone& zone, const QDate& from)
{
    Component component(icalcomponent_new_clone(icaltimezone_get_component(zone.ical)));
    icalproperty* tzid = icalcomponent_get_first_property(component.get(), ICAL_TZID_PROPERTY);
    icalproperty_set_tzid(tzid, zone.id.constData());
    const QDateTime start(from, QTime(0, 0), zone.qt);
    icaltimezone_truncate_vtimezone(component.get(), IcalTime(start.toUTC(), true),
                                    icaltime_null_time(), 0);
    return component;
}

QByteArray Utf8(const QString& text)
{
    QString plain = text;
    plain.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    return plain.toUtf8();
}

Component Event(const Meeting& meeting, const WeekdayRun& run, const Zone& zone,
                const QDateTime& stamp)
{
    const QTime start(Week::SlotStartHour(meeting.firstSlot), 0);
    const QTime end(Week::SlotStartHour(meeting.lastSlot) + Week::SlotHours, 0);
    // With a zone, UNTIL is the last meeting's start in UTC; without, in the
    // same floating time as the start.
    const QDateTime until =
        zone.Known() ? QDateTime(run.last, start, zone.qt).toUTC() : QDateTime(run.last, start);

    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_WEEKLY_RECURRENCE;
    rule.until = IcalTime(until, zone.Known());

    const PlacedCourse& course = *meeting.course;
    Component event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    icalcomponent_add_property(event.get(), icalproperty_new_uid(Uid(meeting).constData()));
    icalcomponent_add_property(event.get(), icalproperty_new_dtstamp(IcalTime(stamp, true)));
    icalcomponent_add_property(
        event.get(),
        LocalTimeProperty(icalproperty_new_dtstart(IcalTime({run.first, start}, false)), zone));
    icalcomponent_add_property(
        event.get(),
        LocalTimeProperty(icalproperty_new_dtend(IcalTime({run.first, end}, false)), zone));
    icalcomponent_add_property(event.get(), icalproperty_new_rrule(rule));
    icalcomponent_add_property(event.get(),
                               icalproperty_new_summary(Utf8(course.name).constData()));
    if (!course.notes.isEmpty())
        icalcomponent_add_property(event.get(),
                                   icalproperty_new_description(Utf8(course.notes).constData()));
    icalcomponent_add_property(
        event.get(), icalproperty_new_color(CssColorName(course.color).toUtf8().constData()));
    return event;
}

QString NothingInPeriodText(const LecturePeriod& period)
{
    return u"Zwischen dem %1 und dem %2 findet keine Veranstaltung des Stundenplans statt; "
           u"es wurde kein Kalender geschrieben."_s.arg(period.first.toString(u"dd.MM.yyyy"_s),
                                                        period.last.toString(u"dd.MM.yyyy"_s));
}

} // namespace

QByteArray CalendarFile(const Timetable& timetable, const LecturePeriod& period,
                        const QByteArray& zoneId, const QDateTime& stamp)
{
    const Zone zone = FindZone(zoneId);
    Component calendar(icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
        icalproperty_new_prodid("-//Kalustra//Stundenplan//DE"),
        icalproperty_new_calscale("GREGORIAN"), icalproperty_new_method(ICAL_METHOD_PUBLISH),
        static_cast<void*>(nullptr)));
    int events = 0;
    for (const PlacedCourse& course : timetable.placed) {
        for (const Meeting& meeting : MeetingsOf(course)) {
            const std::optional<WeekdayRun> run = WeekdayRunIn(period, meeting.day + 1);
            if (!run)
                continue;
            icalcomponent_add_component(calendar.get(),
                                        Event(meeting, *run, zone, stamp).release());
            ++events;
        }
    }
    if (events == 0)
        throw STD::Error(STD::InvalidArgument, NothingInPeriodText(period));
    if (zone.Known())
        icalcomponent_add_component(calendar.get(),
                                    TimeZoneComponent(zone, period.first).release());
    const std::unique_ptr<char, decltype(&icalmemory_free_buffer)> text(
        icalcomponent_as_ical_string_r(calendar.get()), &icalmemory_free_buffer);
    return QByteArray(text.get());
}

QString CssColorName(qint32 packed)
{
    const QColor color = ColorFromPacked(packed);
    QString nearest;
    int nearestDistance = std::numeric_limits<int>::max();
    for (const QString& name : QColor::colorNames()) {
        const QColor candidate = QColor::fromString(name);
        if (candidate.alpha() != 255)
            continue;
        const int red = candidate.red() - color.red();
        const int green = candidate.green() - color.green();
        const int blue = candidate.blue() - color.blue();
        const int distance = red * red + green * green + blue * blue;
        if (distance < nearestDistance) {
            nearest = name;
            nearestDistance = distance;
        }
    }
    return nearest;
}
