#pragma once

#include "model/Termin.h"
#include "model/Week.h"

#include <QtGlobal>

#include <vector>

// The week's cells as bits: position p is bit p - 1, in the order of Times.
using CellMask = quint32;

inline constexpr int CellCount = Week::PositionCount;
inline constexpr CellMask AllCells = (CellMask(1) << CellCount) - 1;

constexpr CellMask CellAtPosition(int position)
{
    return CellMask(1) << (position - 1);
}

constexpr CellMask CellOf(int day, int slot)
{
    return CellAtPosition(Week::Position(day, slot));
}

// Where the course is offered: every "1" among the first twenty characters
// of Times. Anything else, and a position past the end, is not offered.
CellMask OfferedCells(const Termin& course);

// The positions 1..20 of the cells in ascending order.
std::vector<int> PositionsOf(CellMask cells);

// One entry per course, in the collection's order: the cells the course is
// placed on. An entry without a cell means the course is not placed, so a
// freshly sized distribution places no course.
using Distribution = std::vector<CellMask>;
