#include "controls/CaptionFit.h"

#include <QPainter>
#include <QRect>
#include <QTextLayout>

#include <algorithm>

namespace {

constexpr double SmallestPointSize = 6.0;
constexpr double PointStep = 0.25;

QTextOption OptionOf(CaptionLayout layout)
{
    QTextOption option(layout.alignment);
    option.setWrapMode(layout.wrap);
    return option;
}

// The size the caption takes when its lines are broken within `width`.
QSizeF LaidOutSize(const QFont& font, const QString& caption, qreal width, CaptionLayout layout)
{
    QTextLayout lines(caption, font);
    lines.setTextOption(OptionOf(layout));
    qreal height = 0;
    qreal widest = 0;
    lines.beginLayout();
    for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
        line.setLineWidth(width);
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    lines.endLayout();
    return {widest, height};
}

} // namespace

bool CaptionFits(const QFont& font, const QString& caption, QSize area, CaptionLayout layout)
{
    const QSizeF size = LaidOutSize(font, caption, area.width(), layout);
    return size.width() <= area.width() && size.height() <= area.height();
}

QFont FontFittingArea(const QFont& font, const QString& caption, QSize area, CaptionLayout layout)
{
    QFont fitting = font;
    while (!CaptionFits(fitting, caption, area, layout) &&
           fitting.pointSizeF() - PointStep >= SmallestPointSize)
        fitting.setPointSizeF(fitting.pointSizeF() - PointStep);
    return fitting;
}

void PaintCaption(QPainter& painter, const QRect& area, const QString& caption,
                  CaptionLayout layout)
{
    painter.drawText(QRectF(area), caption, OptionOf(layout));
}
