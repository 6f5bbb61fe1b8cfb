#pragma once

#include "model/CourseCollection.h"
#include "search/Distribution.h"

#include <QString>
#include <QStringList>

#include <vector>

// A placed course as the week grid paints it.
struct PlacedCourse
{
    QString name;
    qint32 color = 0;
    QString notes;
    CellMask cells = 0;
};

// What the week grid shows after a search, copied out of the courses so that
// an edit made afterwards changes neither the grid's meaning nor an export.
struct Timetable
{
    qint32 value = 0;
    // Both in the collection's order.
    std::vector<PlacedCourse> placed;
    QStringList leftOut;

    bool IsEmpty() const { return placed.empty(); }
};

Timetable MakeTimetable(const CourseCollection& courses, const Distribution& distribution,
                        qint32 value);
