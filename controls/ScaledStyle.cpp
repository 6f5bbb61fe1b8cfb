#include "controls/ScaledStyle.h"

#include <algorithm>

// Without a base style, the proxy stands on a fresh copy of the application's.
ScaledStyle::ScaledStyle(QObject* parent)
{
    setParent(parent);
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
        return std::max(1, qRound(size * scale_));
    default:
        return size;
    }
}
