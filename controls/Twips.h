#pragma once

#include <QRect>
#include <QWidget>

// The window is laid out in twips: 1440 to the inch, 15 to a pixel at 96
// dots per inch. Qt's device-independent pixels are 1/96 inch, so dividing
// by 15 keeps the layout true on high-density screens too.
constexpr int TwipsPerPixel = 15;

constexpr int Pixels(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

constexpr QRect TwipsRect(const QRect& twips)
{
    return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

inline void PlaceInTwips(QWidget& control, int left, int top, int width, int height)
{
    control.setGeometry(TwipsRect(left, top, width, height));
}
