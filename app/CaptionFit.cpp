#include "app/CaptionFit.h"

#include <QFontMetrics>
#include <QRect>

namespace {

constexpr double SmallestPointSize = 6.0;
constexpr double PointStep = 0.25;

} // namespace

bool CaptionFits(const QFont& font, const QString& caption, QSize area)
{
    const QRect bounds =
        QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), area), CaptionFlags, caption);
    return bounds.width() <= area.width() && bounds.height() <= area.height();
}

QFont FontFittingArea(const QFont& font, const QString& caption, QSize area)
{
    QFont fitting = font;
    while (!CaptionFits(fitting, caption, area) &&
           fitting.pointSizeF() - PointStep >= SmallestPointSize)
        fitting.setPointSizeF(fitting.pointSizeF() - PointStep);
    return fitting;
}
