#pragma once

#include "model/Week.h"

#include <QRect>
#include <QString>

class ArrayLabel;

// The week grid is the label array Label2: row 0 holds the corner and the
// days, column 0 the hours, and the body cell of row r, column c stands for
// slot r - 1 of day c - 1.
namespace WeekGrid {

inline constexpr int Columns = Week::DayCount + 1;
inline constexpr int Rows = Week::SlotCount + 1;
inline constexpr int CornerElement = 0;
// Light grey, packed 0x00BBGGRR: every cell's background until a course is painted.
inline constexpr qint32 EmptyCellColor = 0xD0D0D0;

constexpr int Element(int row, int column)
{
    return Columns * row + column;
}

// The body cell of mask position 1..20.
constexpr int BodyElement(int position)
{
    return Element(Week::SlotOf(position) + 1, Week::DayOf(position) + 1);
}

constexpr bool IsBodyElement(int index)
{
    return index >= Columns && index % Columns != 0 && index < Columns * Rows;
}

// Where the template element 0 stands before the grid is built, and where
// each element stands after, in twips; every element has the template's size.
inline constexpr QRect TemplateTwips{960, 5400, 1335, 495};

constexpr int LeftTwips(int column)
{
    return 1080 + 1440 * column;
}

constexpr int TopTwips(int row)
{
    return 5400 + 600 * row;
}

// The caption of a cell that shows no course.
inline QString EmptyCellText()
{
    return QStringLiteral("-");
}

// The corner reads this, then the value of the shown distribution.
inline QString ValuePrefix()
{
    return QStringLiteral("Wert: ");
}

// What a screen reader says of the body cell of mask position 1..20 that
// shows `caption`: the day and time, then the course or that it is free.
QString BodyCellDescription(int position, const QString& caption);

} // namespace WeekGrid

// What a cell shows: its caption on a background colour (packed 0x00BBGGRR),
// in bold or not. The text is black, whatever the desktop's colours, until
// the text colour rule gives a body cell its own.
void ShowInCell(ArrayLabel& cell, const QString& caption, qint32 background, bool bold);
