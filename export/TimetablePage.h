#pragma once

#include "search/Timetable.h"

#include <QColor>
#include <QRectF>

class QPainter;

// Paints the timetable as a page filling `area` of the painter's device: the
// title with the value, the week as the grid shows it with each placed
// course's name on its colour, then the courses left out and the placed
// courses' notes. Sizes are in millimetres and points of the device, so a
// printer, a PDF and a picture show the same page.
void PaintTimetablePage(QPainter& painter, const QRectF& area, const Timetable& timetable);

// Black or white, whichever stands out more against `background`.
QColor ContrastingTextColor(const QColor& background);
