#pragma once

#include <QtGlobal>

class QLabel;
class QString;

// The week grid is the label array Label2: row 0 holds the corner and the
// days, column 0 the hours, and the body cell of row r, column c stands for
// slot r - 1 of day c - 1.
inline constexpr int GridColumns = 6;
inline constexpr int GridRows = 5;
inline constexpr int CornerElement = 0;

constexpr int GridElement(int row, int column)
{
    return GridColumns * row + column;
}

// The body cell of mask position 1..20.
constexpr int BodyElement(int position)
{
    return GridElement((position - 1) % 4 + 1, (position - 1) / 4 + 1);
}

constexpr bool IsBodyElement(int index)
{
    return index > GridColumns - 1 && index % GridColumns != 0 && index < GridColumns * GridRows;
}

// What a cell shows: its caption on a background colour (packed 0x00BBGGRR),
// in bold or not.
void ShowInCell(QLabel& cell, const QString& caption, qint32 background, bool bold);
