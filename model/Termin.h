#pragma once

#include "general/TextRoutines.h"
#include "model/Week.h"

#include <QString>

// One course. Members are read and written directly; limits on what the
// user may enter belong to the editor.
struct Termin
{
    QString Caption;
    qint16 Priority = 0;
    // Twenty characters, four per day from Monday, earliest slot first; "1"
    // marks an offered slot. A shorter text leaves the rest not offered.
    QString Times = NoSlotOffered();
    // Line breaks are CR LF.
    QString Info;
    // "Alle besuchen": placed in every offered slot or not at all.
    bool VisitAll = false;
    // Packed 0x00BBGGRR.
    qint32 Color = 0;

    bool operator==(const Termin&) const = default;

    // Twenty "0"; built once, then shared by every new record.
    static QString NoSlotOffered()
    {
        static const QString none =
            STD::RepeatText(QStringLiteral("0"), STD::NumberText(Week::PositionCount));
        return none;
    }
};
