#pragma once

#include <QFont>
#include <QSize>
#include <QString>
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

// `font`, or the largest smaller size (down to a floor that stays legible)
// at which `caption` fits `area`.
QFont FontFittingArea(const QFont& font, const QString& caption, QSize area,
                      CaptionLayout layout = {});

// Paints `caption` into `area`, wrapped and aligned as `layout` says.
void PaintCaption(QPainter& painter, const QRect& area, const QString& caption,
                  CaptionLayout layout = {});
