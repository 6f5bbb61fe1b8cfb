// The calendar file read back with libical's parser, not with its writer.
#include "export/CalendarFile.h"
#include "general/StdError.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

struct ReadEvent
{
    QString uid;
    QString summary;
    QString description;
    QString color;
    QString tzid;
    icaltimetype start;
    icaltimetype end;
    icalrecurrencetype rule;
};

std::vector<ReadEvent> ReadEvents(const QByteArray& file, int* zones = nullptr)
{
    const std::unique_ptr<icalcomponent, ComponentFree> calendar(
        icalparser_parse_string(file.constData()));
    EXPECT_TRUE(calendar);
    if (!calendar)
        return {};
    if (zones)
        *zones = icalcomponent_count_components(calendar.get(), ICAL_VTIMEZONE_COMPONENT);
    std::vector<ReadEvent> events;
    for (icalcomponent* event =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        const auto plain = [event](icalproperty_kind kind) {
            icalproperty* property = icalcomponent_get_first_property(event, kind);
            return property
                       ? QString::fromUtf8(icalvalue_get_text(icalproperty_get_value(property)))
                       : QString();
        };
        icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        icalparameter* tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
        events.push_back(
            {plain(ICAL_UID_PROPERTY), plain(ICAL_SUMMARY_PROPERTY),
             plain(ICAL_DESCRIPTION_PROPERTY), plain(ICAL_COLOR_PROPERTY),
             tzid ? QString::fromUtf8(icalparameter_get_tzid(tzid)) : QString(),
             icalproperty_get_dtstart(start), icalcomponent_get_dtend(event),
             icalproperty_get_rrule(icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY))});
    }
    return events;
}

Timetable SampleTimetable()
{
    // Monday 09-13 (two slots, one event), Wednesday 13-15 and 15-17 apart
    // from Friday 09-11; one course's name and notes need escaping.
    return {.value = 7,
            .placed = {{u"Analysis, Teil 1; Übung"_s, 0x0000FF, u"Raum 1\r\nSkript; Seite 3"_s,
                        CellOf(0, 0) | CellOf(0, 1) | CellOf(4, 0)},
                       {u"Physik"_s, 0xFF0000, {}, CellOf(2, 2)}},
            .leftOut = {u"Chemie"_s}};
}

const LecturePeriod Summer{QDate(2027, 4, 12), QDate(2027, 7, 16)};

TEST(CalendarFile, EachCourseDayIsOneWeeklyEventOverThePeriodWithItsTextsReadBack)
{
    const std::vector<ReadEvent> events = ReadEvents(CalendarFile(SampleTimetable(), Summer, {}));
    ASSERT_EQ(events.size(), 3u);
    struct Expected
    {
        int startDay, startHour, endHour, untilDay;
    };
    // Mondays 12.04.–12.07., Fridays 16.04.–16.07., Wednesdays 14.04.–14.07.
    const Expected expected[] = {{12, 9, 13, 12}, {16, 9, 11, 16}, {14, 13, 15, 14}};
    for (std::size_t i = 0; i < events.size(); ++i) {
        SCOPED_TRACE(i);
        const ReadEvent& event = events[i];
        EXPECT_EQ(event.start.month, 4);
        EXPECT_EQ(event.start.day, expected[i].startDay);
        EXPECT_EQ(event.start.hour, expected[i].startHour);
        EXPECT_EQ(event.end.hour, expected[i].endHour);
        EXPECT_EQ(event.rule.freq, ICAL_WEEKLY_RECURRENCE);
        EXPECT_EQ(event.rule.until.month, 7);
        EXPECT_EQ(event.rule.until.day, expected[i].untilDay);
        // Floating: no zone known, so no TZID and no UTC.
        EXPECT_TRUE(event.tzid.isEmpty());
        EXPECT_FALSE(icaltime_is_utc(event.rule.until));
    }
    EXPECT_EQ(events[0].summary, u"Analysis, Teil 1; Übung"_s);
    EXPECT_EQ(events[0].description, u"Raum 1\nSkript; Seite 3"_s);
    EXPECT_EQ(events[0].color, u"red"_s);
    EXPECT_EQ(events[2].color, u"blue"_s);
    EXPECT_TRUE(events[2].description.isEmpty());
}

TEST(CalendarFile, AKnownZoneGivesLocalTimesWithTheZoneAndUntilInUtc)
{
    int zones = 0;
    const auto events =
        ReadEvents(CalendarFile(SampleTimetable(), Summer, "Europe/Berlin"), &zones);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(zones, 1);
    EXPECT_EQ(events[0].tzid, u"Europe/Berlin"_s);
    EXPECT_EQ(events[0].start.hour, 9);
    // 12.07.2027 09:00 in summer time is 07:00 UTC.
    EXPECT_TRUE(icaltime_is_utc(events[0].rule.until));
    EXPECT_EQ(events[0].rule.until.hour, 7);
    // Another zone and period, the same meetings: the same uids, one per meeting.
    const auto floating =
        ReadEvents(CalendarFile(SampleTimetable(), {QDate(2027, 10, 1), QDate(2028, 2, 1)}, {}));
    ASSERT_EQ(floating.size(), 3u);
    QStringList uids{floating[0].uid, floating[1].uid, floating[2].uid};
    EXPECT_EQ(uids, (QStringList{events[0].uid, events[1].uid, events[2].uid}));
    uids.removeDuplicates();
    EXPECT_EQ(uids.size(), 3);
    // A zone no one knows falls back to floating times.
    EXPECT_TRUE(
        ReadEvents(CalendarFile(SampleTimetable(), Summer, "Nowhere/Land"))[0].tzid.isEmpty());
}

TEST(CalendarFile, APeriodWithoutAMeetingDayIsRefused)
{
    // Saturday to Tuesday holds a Monday only: just the Monday event.
    EXPECT_EQ(
        ReadEvents(CalendarFile(SampleTimetable(), {QDate(2027, 4, 10), QDate(2027, 4, 13)}, {}))
            .size(),
        1u);
    EXPECT_THROW(CalendarFile(SampleTimetable(), {QDate(2027, 4, 13), QDate(2027, 4, 13)}, {}),
                 STD::Error);
    EXPECT_THROW(CalendarFile({}, Summer, {}), STD::Error);
}

TEST(LecturePeriod, ProposesFourteenWeeksFromTheNextMonday)
{
    // Wednesday, Sunday and Monday itself: the Monday after.
    for (const QDate today : {QDate(2027, 4, 7), QDate(2027, 4, 11), QDate(2027, 4, 5)}) {
        const LecturePeriod period = ProposedPeriod(today);
        EXPECT_EQ(period.first, QDate(2027, 4, 12)) << qPrintable(today.toString());
        EXPECT_EQ(period.last, QDate(2027, 7, 16));
    }
}

} // namespace
