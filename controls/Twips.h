#pragma once

// The window is laid out in twips: 1440 to the inch, 15 to a pixel at 96
// dots per inch. Qt's device-independent pixels are 1/96 inch, so dividing
// by 15 keeps the layout true on high-density screens too.
constexpr int TwipsPerPixel = 15;

constexpr int Pixels(int twips)
{
    return twips / TwipsPerPixel;
}
