#pragma once

#include "model/Week.h"

#include <QString>

#include <array>

// The arithmetic behind the editor's fields, apart from the widgets.
namespace CourseFieldValues {

// Colour component 0 (red), 1 (green) or 2 (blue) of a packed 0x00BBGGRR colour.
int ColorComponent(qint32 color, int component);

// The colour with one component replaced by `value` rounded to a whole
// number, halves to even, and bits 24..31 cleared. Rounding before placing
// keeps a fraction from spilling into the component below.
qint32 WithColorComponent(qint32 color, int component, double value);

// Whether a slot mask offers the slot; a position beyond the end of a short
// mask is not offered.
bool IsOffered(const QString& times, int day, int slot);

// The mask with the day's slots set from `offered` and the other days' kept.
// A short mask is first completed with "0", not offered.
QString WithDaySlots(QString times, int day, const std::array<bool, Week::SlotCount>& offered);

} // namespace CourseFieldValues
