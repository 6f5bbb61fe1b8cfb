#pragma once

#include "model/Termin.h"

// A course with the given members and the initial values for the rest.
inline Termin Course(const QString& caption, qint16 priority = 0,
                     const QString& times = Termin{}.Times, const QString& info = {},
                     bool visitAll = false, qint32 color = 0)
{
    return {caption, priority, times, info, visitAll, color};
}

#include <ostream>

inline void PrintTo(const Termin& course, std::ostream* out)
{
    *out << "{Caption \"" << course.Caption.toStdString() << "\", Priority " << course.Priority
         << ", Times \"" << course.Times.toStdString() << "\", Info \"" << course.Info.toStdString()
         << "\", VisitAll " << course.VisitAll << ", Color " << course.Color << "}";
}
