#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextOption>

class QPainter;

// Captions wrap at word boundaries; `wrap` may also let a word that is too
// long for a line break anywhere.
struct CaptionLayout
{
    QTextOption::WrapMode wrap = QTextOption::WordWrap;
    Qt::Alignment alignment = Qt::AlignCenter;
};

// Whether `caption` in `font`, wrapped within the width of `area`, fits it.
bool CaptionFits(const QFont& font, const QString& caption, QSize area, CaptionLayout layout = {});

// `font`, or the largest smaller size, down to `smallest` (by default a
// share of the font's size that stays legible: 6 pt of the 8.25 pt dialog
// font, and as much less as a smaller window scales it), at which `caption`
// fits `area`; the smallest size where none does.
QFont FontFittingArea(const QFont& font, const QString& caption, QSize area,
                      CaptionLayout layout = {}, double smallest = 0);

// The lines of `caption` broken between words within `width`, each without
// the blanks at its ends. A word longer than the width stands alone on its line.
QStringList CaptionLineTexts(const QFont& font, const QString& caption, int width);

// The lines of `caption` that `area` holds, broken between words; a line
// too wide, and the last line where text is left over, end in "…".
QStringList ElidedCaptionLines(const QFont& font, const QString& caption, QSize area);

// Paints `caption` into `area`, wrapped and aligned as `layout` says.
void PaintCaption(QPainter& painter, const QRect& area, const QString& caption,
                  CaptionLayout layout = {});
