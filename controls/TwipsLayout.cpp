#include "controls/TwipsLayout.h"

#include "controls/Twips.h"

#include <QWidget>

#include <algorithm>

void TwipsLayout::Place(QWidget& control, const QRect& twips)
{
    const auto known = std::find_if(placements_.begin(), placements_.end(),
                                    [&](const Placement& p) { return p.control == &control; });
    if (known != placements_.end()) {
        known->twips = twips;
        Apply(*known);
        return;
    }
    placements_.push_back({&control, twips});
    Apply(placements_.back());
}

void TwipsLayout::SetScale(double factor, QPoint origin)
{
    factor_ = factor;
    origin_ = origin;
    // Controls deleted meanwhile drop out.
    std::erase_if(placements_, [](const Placement& p) { return p.control.isNull(); });
    for (const Placement& placement : placements_)
        Apply(placement);
}

int TwipsLayout::ToPixels(int twips) const
{
    // Rounded in twips and then divided as at factor 1, so that factor 1
    // gives exactly the designed pixels.
    return Pixels(qRound(twips * factor_));
}

QRect TwipsLayout::ToPixels(const QRect& twips) const
{
    return {ToPixels(twips.x()), ToPixels(twips.y()), ToPixels(twips.width()),
            ToPixels(twips.height())};
}

void TwipsLayout::Apply(const Placement& placement) const
{
    if (!placement.control)
        return;
    QRect pixels = ToPixels(placement.twips);
    if (placement.control->parentWidget() == &window_)
        pixels.translate(origin_);
    placement.control->setGeometry(pixels);
}

double FittingScale(QSize designed, QSize available)
{
    if (designed.isEmpty())
        return 1.0;
    const double across = double(available.width()) / designed.width();
    const double down = double(available.height()) / designed.height();
    return std::min(across, down);
}

double OpeningScale(QSize designed, QSize available, double smallest, double largest)
{
    return std::clamp(FittingScale(designed, available), smallest, std::max(smallest, largest));
}
