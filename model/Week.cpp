#include "model/Week.h"

#include "general/TextRoutines.h"

using namespace Qt::Literals::StringLiterals;

namespace Week {

QStringList DayNames()
{
    return {u"Montag"_s, u"Dienstag"_s, u"Mittwoch"_s, u"Donnerstag"_s, u"Freitag"_s};
}

QStringList SlotNames()
{
    return {u"09-11 Uhr"_s, u"11-13 Uhr"_s, u"13-15 Uhr"_s, u"15-17 Uhr"_s};
}

QString HourText(int slot)
{
    const int start = SlotStartHour(slot);
    return STD::PadText(STD::NumberText(start), u"0"_s, 2, true) + u".00 - "_s +
           STD::NumberText(start + SlotHours) + u".00"_s;
}

} // namespace Week
