#pragma once

#include "search/Timetable.h"

#include <QByteArray>
#include <QImage>

class QPagedPaintDevice;

// The page on one A4 landscape page of a PDF, its text kept as text.
QByteArray TimetablePdf(const Timetable& timetable);

// The page as a picture: A4 landscape at twice the resolution of a 96 dpi
// screen, so that it stays sharp when zoomed or printed.
QImage TimetablePicture(const Timetable& timetable);
QByteArray TimetablePng(const Timetable& timetable);

// The page on a printer (or PDF writer) the caller has set up, within its
// margins, landscape as set; false where the device cannot be painted on.
bool PaintTimetableOn(QPagedPaintDevice& device, const Timetable& timetable);
