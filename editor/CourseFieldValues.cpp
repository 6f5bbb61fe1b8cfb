#include "editor/CourseFieldValues.h"

#include "general/NumericValue.h"

namespace CourseFieldValues {

namespace {

constexpr qint32 ComponentMask = 0xFF;
constexpr qint32 AllComponents = 0xFFFFFF;

int ShiftOf(int component)
{
    return 8 * component;
}

int MaskIndex(int day, int slot)
{
    return Week::Position(day, slot) - 1;
}

} // namespace

int ColorComponent(qint32 color, int component)
{
    return (color & (ComponentMask << ShiftOf(component))) >> ShiftOf(component);
}

qint32 WithColorComponent(qint32 color, int component, double value)
{
    const qint32 kept = AllComponents - (ComponentMask << ShiftOf(component));
    const qint32 placed =
        STD::RoundToInt32(STD::RoundHalfEven(value) * double(qint32(1) << ShiftOf(component)));
    return (color & kept) | placed;
}

bool IsOffered(const QString& times, int day, int slot)
{
    const int index = MaskIndex(day, slot);
    return index < times.size() && times[index] == u'1';
}

QString WithDaySlots(QString times, int day, const std::array<bool, Week::SlotCount>& offered)
{
    if (times.size() < Week::PositionCount)
        times = times.leftJustified(Week::PositionCount, u'0');
    for (int slot = 0; slot < Week::SlotCount; ++slot)
        times[MaskIndex(day, slot)] = offered[slot] ? u'1' : u'0';
    return times;
}

} // namespace CourseFieldValues
