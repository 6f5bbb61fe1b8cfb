#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// Captions are centred and wrap at word boundaries.
constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

// `font`, or the largest smaller size (down to a floor that stays legible)
// at which `caption`, wrapped at word boundaries, fits `area`.
QFont FontFittingArea(const QFont& font, const QString& caption, QSize area);

// Whether `caption` in `font`, wrapped at word boundaries, fits `area`.
bool CaptionFits(const QFont& font, const QString& caption, QSize area);
