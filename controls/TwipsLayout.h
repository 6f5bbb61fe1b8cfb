#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// Places the controls of a window by their geometry in twips, all scaled by
// one factor, so that the layout grows and shrinks with the window and keeps
// its proportions. At factor 1 each control stands exactly at its twips
// divided by 15.
class TwipsLayout
{
public:
    explicit TwipsLayout(QWidget& window) : window_(window) {}

    // Places `control` at `twips` now, and again at every later scale.
    void Place(QWidget& control, const QRect& twips);

    // Scales every placed control by `factor`; the window's own children
    // are moved by `origin` pixels besides.
    void SetScale(double factor, QPoint origin = {});
    double Factor() const { return factor_; }

    int ToPixels(int twips) const;
    QRect ToPixels(const QRect& twips) const;

private:
    struct Placement
    {
        QPointer<QWidget> control;
        QRect twips;
    };
    void Apply(const Placement& placement) const;

    QWidget& window_;
    std::vector<Placement> placements_;
    double factor_ = 1.0;
    QPoint origin_;
};

// The largest factor at which `designed` fits `available`.
double FittingScale(QSize designed, QSize available);

// The factor a window opens at: `largest` where that fits `available`,
// otherwise smaller to fit, but never below `smallest`.
double OpeningScale(QSize designed, QSize available, double smallest, double largest = 1.0);
