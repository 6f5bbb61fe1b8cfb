#pragma once

#include <QString>
#include <QStringList>

// The planner's week: five days of four two-hour slots. A course's slot
// mask, the search's cells, the list file, the week grid and the editor's
// slot lists all count the week this way: position p = 4d + s + 1 for day d
// and slot s, Monday's first slot first.
namespace Week {

inline constexpr int DayCount = 5;
inline constexpr int SlotCount = 4;
inline constexpr int PositionCount = DayCount * SlotCount;
// Slot s runs from SlotStartHour(s) for SlotHours hours, local time.
inline constexpr int SlotHours = 2;

constexpr int SlotStartHour(int slot)
{
    return 9 + SlotHours * slot;
}

constexpr int Position(int day, int slot)
{
    return SlotCount * day + slot + 1;
}

constexpr int DayOf(int position)
{
    return (position - 1) / SlotCount;
}

constexpr int SlotOf(int position)
{
    return (position - 1) % SlotCount;
}

// "Montag" .. "Freitag".
QStringList DayNames();
// "09-11 Uhr" .. "15-17 Uhr".
QStringList SlotNames();
// The hours of a slot as the grid's header reads them, "09.00 - 11.00".
QString HourText(int slot);

} // namespace Week
