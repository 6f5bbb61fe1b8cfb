#pragma once

#include <QStringList>

// The five days and four time slots of the week, in the order of the slot
// mask: day d, slot s is mask position 4d + s + 1.
inline QStringList DayNames()
{
    return {QStringLiteral("Montag"), QStringLiteral("Dienstag"), QStringLiteral("Mittwoch"),
            QStringLiteral("Donnerstag"), QStringLiteral("Freitag")};
}

inline QStringList SlotNames()
{
    return {QStringLiteral("09-11 Uhr"), QStringLiteral("11-13 Uhr"), QStringLiteral("13-15 Uhr"),
            QStringLiteral("15-17 Uhr")};
}
