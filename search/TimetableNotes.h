#pragma once

#include "model/CourseCollection.h"
#include "model/Week.h"
#include "search/Distribution.h"
#include "search/Timetable.h"

#include <QString>

#include <array>

// What the week grid cannot show of a timetable: the courses it leaves out,
// and the courses offered in a cell beside the one it shows.
namespace TimetableNotes {

// The corner's tooltip: which courses are not placed, one a line, or that
// all are placed.
QString LeftOut(const Timetable& timetable);

// What a screen reader hears of a search's result, e.g. "Wert: 70, 3
// Veranstaltungen nicht eingeplant".
QString Summary(const Timetable& timetable);

// For each position 1..20 (index position - 1), the courses offered there
// that the cell does not show, or an empty text where there are none.
std::array<QString, Week::PositionCount> AlsoOffered(const CourseCollection& courses,
                                                     const Distribution& distribution);

} // namespace TimetableNotes
